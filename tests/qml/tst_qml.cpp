#include "app/modules.h"
#include "app/ui.h"
#include "common/testhome.h"
#include "global/object.h"

#include <QFontDatabase>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

// Runs the tst_*.qml files of this folder against the scene's compiled components (qrc:/qml/)
// with the real singletons and the context properties the main window gives its scene.
class Setup : public QObject
{
    Q_OBJECT

public slots:
    void applicationAvailable()
    {
        startWithCleanHome();
        // The update dialog asks for a check when it is made; no test may reach the network.
        global::Object::instance()->setUpdatesEnabled(false);
        installModules();
        // The fonts the root scene loads first thing, so the controls measure as they do there.
        for (const char *font : {"pt-sans.ttf", "pt-sans-bold.ttf", "vendarion.ttf"})
            QFontDatabase::addApplicationFont(global::Object::resourcePath() + "fonts/" + font);
    }

    void qmlEngineAvailable(QQmlEngine *engine) { UI::setSceneContext(engine->rootContext()); }
};

QUICK_TEST_MAIN_WITH_SETUP(qml, Setup)

#include "tst_qml.moc"
