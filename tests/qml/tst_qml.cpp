#include "app/modules.h"
#include "app/ui.h"
#include "common/testhome.h"

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
        installModules();
    }

    void qmlEngineAvailable(QQmlEngine *engine) { UI::setSceneContext(engine->rootContext()); }
};

QUICK_TEST_MAIN_WITH_SETUP(qml, Setup)

#include "tst_qml.moc"
