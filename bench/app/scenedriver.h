#pragma once

// For the programs that drive the program's own window from C++ (the end-to-end test, the
// measurements in bench/app, the gallery): the start-up they share with the program, and
// finding the scene's items the way a user finds them, by what they are.

#include "app/modules.h"
#include "app/ui.h"
#include "astro/calendarmodel.h"
#include "astro/library.h"
#include "global/object.h"

#include <QCoreApplication>
#include <QDebug>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
#include <QStandardPaths>
#include <QUrl>
#include <QVariantMap>

#include <functional>

// Before the QApplication is made. The window scales itself, as the program's start-up has it;
// the framework's own high-DPI scaling on top would scale twice.
inline void disableFrameworkScaling()
{
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling, true);
}

// Before the window: settings of its own in the test location, no update check (the scene asks
// for one when it loads, and nothing here may reach the network), the ephemeris when the scene
// is to compute, and the QML modules.
inline void prepareScene(bool withEphemeris = true)
{
    QStandardPaths::setTestModeEnabled(true);
    global::Object::instance()->setUpdatesEnabled(false);
    if (withEphemeris)
        astro::setupEphemeris();
    installModules();
}

// Shows a QML file in the program's window instead of the root scene, with the context the
// window gives its own scene and the extra context properties, at `design` size in design
// pixels.
inline void showSceneFile(UI *ui, const QUrl &file, int scaleIndex, const QSize &design,
                          const QVariantMap &context = {})
{
    UI::setSceneContext(ui->rootContext());
    for (auto it = context.cbegin(); it != context.cend(); ++it)
        ui->rootContext()->setContextProperty(it.key(), it.value());
    // Before the scene loads: without setupWindow() nothing announces a later change of ppp.
    ui->setScaleIndex(scaleIndex);
    ui->setResizeMode(QQuickView::SizeRootObjectToView);
    ui->setSource(file);
    ui->setGeometry(0, 0, int(design.width() * ui->ppp()), int(design.height() * ui->ppp()));
    ui->show();
}

// A QML component's class name is its file name followed by "_QMLTYPE_<n>" (or "_QML_<n>").
inline bool isOfType(const QObject *object, const char *type)
{
    const QString name = QString::fromLatin1(object->metaObject()->className());
    const QString wanted = QString::fromLatin1(type);
    return name == wanted || name.startsWith(wanted + QLatin1String("_QML"));
}

// The first item, depth first from `item` itself, that matches; null when none does.
inline QQuickItem *findItem(QQuickItem *item, const std::function<bool(QQuickItem *)> &match)
{
    if (!item)
        return nullptr;
    if (match(item))
        return item;
    for (QQuickItem *child : item->childItems()) {
        if (QQuickItem *found = findItem(child, match))
            return found;
    }
    return nullptr;
}

inline QQuickItem *findType(QQuickItem *root, const char *type)
{
    return findItem(root, [type](QQuickItem *item) { return isOfType(item, type); });
}

inline QQuickItem *findName(QQuickItem *root, const QString &name)
{
    return findItem(root, [&name](QQuickItem *item) { return item->objectName() == name; });
}

// The item of the type that is on show with its parent: the page shown, say.
inline QQuickItem *findShown(QQuickItem *root, const char *type)
{
    return findItem(root, [type](QQuickItem *item) {
        return isOfType(item, type) && item->isVisible() && item->parentItem()->isVisible();
    });
}

// Every text shown by the item and the items inside it, skipping hidden and transparent ones.
inline void collectTexts(const QQuickItem *item, QStringList &texts)
{
    if (!item->isVisible() || item->opacity() <= 0.0)
        return;
    if (item->inherits("QQuickText") || item->inherits("QQuickTextInput"))
        texts << item->property("text").toString();
    for (const QQuickItem *child : item->childItems())
        collectTexts(child, texts);
}

// A QML expression in the context of `scope`, with its imports; an error is a warning.
inline QVariant evaluate(QObject *scope, const QString &expression)
{
    QQmlExpression e(qmlContext(scope), scope, expression);
    const QVariant value = e.evaluate();
    if (e.hasError())
        qWarning() << e.error();
    return value;
}

template<typename T>
T *objectProperty(QObject *object, const char *name)
{
    return qobject_cast<T *>(object->property(name).value<QObject *>());
}

// The middle of the page switcher's square for page `index`, in the scene: the squares are as
// wide as the switcher and stand one pixel apart, from the top down.
inline QPoint pageSquare(const QQuickItem *switcher, int index)
{
    const qreal side = switcher->width();
    return switcher->mapToScene(QPointF(side / 2, index * (side + 1) + side / 2)).toPoint();
}

// Whether every cell of the calendar grid holds its day of the model's latest run.
inline bool gridFilled(const QQuickItem *grid, const astro::CalendarModel *model)
{
    return grid->property("filledCount").toInt() == astro::CalendarModel::GridDays
           && grid->property("filledVersion").toLongLong() == model->entriesVersion();
}
