#pragma once

#include <QDebug>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QUrl>

#include <memory>

// A small object made from QML text in the given engine, or null (and a warning) if it fails.
inline std::unique_ptr<QObject> createProbe(QQmlEngine *engine, const QByteArray &qml)
{
    QQmlComponent component(engine);
    component.setData(qml, QUrl(QStringLiteral("qrc:/test/Probe.qml")));
    std::unique_ptr<QObject> object(component.create());
    if (!object)
        qWarning() << component.errors();
    return object;
}
