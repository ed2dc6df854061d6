#include "app/modules.h"
#include "app/ui.h"
#include "common/testhome.h"
#include "global/object.h"

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
    }

    void qmlEngineAvailable(QQmlEngine *engine) { UI::setSceneContext(engine->rootContext()); }
};

QUICK_TEST_MAIN_WITH_SETUP(qml, Setup)

#include "tst_qml.moc"
