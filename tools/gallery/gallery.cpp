#include "bench/app/scenedriver.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <QUrl>

// Shows every control of the scene, or the pages in a plain frame, in the real main window, to
// look at them by eye:
//   qml_gallery [--scale-index N] [--show dropdown|calendar|dialog|update]
//               [--scene gallery|pages] [--page N] [--grab FILE]
int main(int argc, char **argv)
{
    disableFrameworkScaling();
    QApplication app(argc, argv);

    QCommandLineParser parser;
    const QCommandLineOption scaleOption(QStringLiteral("scale-index"),
                                         QStringLiteral("Scale option index."),
                                         QStringLiteral("index"), QStringLiteral("0"));
    const QCommandLineOption showOption(
        QStringLiteral("show"),
        QStringLiteral("What to open: dropdown, calendar or dialog (gallery), update (pages)."),
        QStringLiteral("what"));
    const QCommandLineOption sceneOption(QStringLiteral("scene"),
                                         QStringLiteral("gallery (the controls) or pages."),
                                         QStringLiteral("scene"), QStringLiteral("gallery"));
    const QCommandLineOption pageOption(QStringLiteral("page"),
                                        QStringLiteral("Page shown first (pages scene)."),
                                        QStringLiteral("index"), QStringLiteral("1"));
    const QCommandLineOption grabOption(
        QStringLiteral("grab"), QStringLiteral("Save the window to this file after 8 s and quit."),
        QStringLiteral("file"));
    parser.addOptions({scaleOption, showOption, sceneOption, pageOption, grabOption});
    parser.addHelpOption();
    parser.process(app);

    // The controls alone compute nothing; the pages share a calculation.
    const bool pages = parser.value(sceneOption) == QLatin1String("pages");
    prepareScene(pages);
    UI *ui = UI::instance();
    showSceneFile(
        ui, QUrl::fromLocalFile(pages ? QStringLiteral(PAGES_QML) : QStringLiteral(GALLERY_QML)),
        parser.value(scaleOption).toInt(), pages ? QSize(1018, 560) : QSize(1300, 850),
        {{QStringLiteral("galleryShow"), parser.value(showOption)},
         {QStringLiteral("galleryPage"), parser.value(pageOption).toInt()}});

    const QString grab = parser.value(grabOption);
    if (!grab.isEmpty()) {
        QTimer::singleShot(8000, ui, [ui, grab] {
            ui->grabWindow().save(grab);
            QCoreApplication::quit();
        });
    }
    return app.exec();
}
