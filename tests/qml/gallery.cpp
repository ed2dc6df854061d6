#include "app/modules.h"
#include "app/ui.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QQmlContext>
#include <QUrl>

// Shows every control of the scene in the real main window, to look at them by eye:
//   qml_gallery [--scale-index N] [--show dropdown|dialog]
int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    QApplication app(argc, argv);

    QCommandLineParser parser;
    const QCommandLineOption scaleOption(QStringLiteral("scale-index"),
                                         QStringLiteral("Scale option index."),
                                         QStringLiteral("index"), QStringLiteral("0"));
    const QCommandLineOption showOption(QStringLiteral("show"),
                                        QStringLiteral("What to open: dropdown or dialog."),
                                        QStringLiteral("what"));
    parser.addOptions({scaleOption, showOption});
    parser.addHelpOption();
    parser.process(app);

    installModules();
    UI *ui = UI::instance();
    UI::setSceneContext(ui->rootContext());
    ui->rootContext()->setContextProperty(QStringLiteral("galleryShow"), parser.value(showOption));
    // Before the scene loads: without setupWindow() nothing announces a later change of ppp.
    ui->setScaleIndex(parser.value(scaleOption).toInt());
    ui->setResizeMode(QQuickView::SizeRootObjectToView);
    ui->setSource(QUrl::fromLocalFile(QStringLiteral(GALLERY_QML)));
    ui->setGeometry(0, 0, int(1300 * ui->ppp()), int(850 * ui->ppp()));
    ui->show();
    return app.exec();
}
