#include "app/modules.h"
#include "app/ui.h"
#include "astro/library.h"
#include "global/object.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QQmlContext>
#include <QQuickItem>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

// Shows every control of the scene, or the pages in a plain frame, in the real main window, to
// look at them by eye:
//   qml_gallery [--scale-index N] [--show dropdown|dialog|update] [--scene gallery|pages]
//               [--page N] [--grab FILE]
int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    QApplication app(argc, argv);

    QCommandLineParser parser;
    const QCommandLineOption scaleOption(QStringLiteral("scale-index"),
                                         QStringLiteral("Scale option index."),
                                         QStringLiteral("index"), QStringLiteral("0"));
    const QCommandLineOption showOption(QStringLiteral("show"),
                                        QStringLiteral("What to open: dropdown, dialog or update."),
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

    // Settings of its own, and no update check: looking at the pages must not reach the network.
    QStandardPaths::setTestModeEnabled(true);
    global::Object::instance()->setUpdatesEnabled(false);

    const bool pages = parser.value(sceneOption) == QLatin1String("pages");
    if (pages)
        astro::setupEphemeris();
    installModules();
    UI *ui = UI::instance();
    UI::setSceneContext(ui->rootContext());
    ui->rootContext()->setContextProperty(QStringLiteral("galleryShow"), parser.value(showOption));
    ui->rootContext()->setContextProperty(QStringLiteral("galleryPage"),
                                          parser.value(pageOption).toInt());
    // Before the scene loads: without setupWindow() nothing announces a later change of ppp.
    ui->setScaleIndex(parser.value(scaleOption).toInt());
    ui->setResizeMode(QQuickView::SizeRootObjectToView);
    ui->setSource(
        QUrl::fromLocalFile(pages ? QStringLiteral(PAGES_QML) : QStringLiteral(GALLERY_QML)));
    const QSize design = pages ? QSize(1018, 560) : QSize(1300, 850);
    ui->setGeometry(0, 0, int(design.width() * ui->ppp()), int(design.height() * ui->ppp()));
    ui->show();

    const QString grab = parser.value(grabOption);
    if (!grab.isEmpty()) {
        QTimer::singleShot(8000, ui, [ui, grab] {
            ui->grabWindow().save(grab);
            QCoreApplication::quit();
        });
    }
    return app.exec();
}
