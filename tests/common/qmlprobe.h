#pragma once

#include <QDebug>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QStringList>
#include <QUrl>

#include <memory>

// Every warning and error logged since installWarningCollector(), QML's included; they still
// reach the normal output too.
inline QStringList &collectedWarnings()
{
    static QStringList warnings;
    return warnings;
}

inline void installWarningCollector()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (type != QtDebugMsg && type != QtInfoMsg)
                collectedWarnings().append(message);
            previous(type, context, message);
        });
}

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
