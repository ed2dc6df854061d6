#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

class QSettings;

namespace global {

// The application-services object: product name and version, the resource folder, the one
// settings store of the program and the help page. It is the QML singleton "Global".
class Object : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString version READ version CONSTANT)
    Q_PROPERTY(QString product READ product CONSTANT)
    Q_PROPERTY(QString resourcePath READ resourcePath CONSTANT)

public:
    // Throws std::bad_alloc while another instance lives: there is one per process.
    Object();
    ~Object() override;

    static Object *instance();

    static QString version();
    static QString product();
    // The folder "res" beside the executable, as a plain path ending in "/".
    static QString resourcePath();

    QSettings *settings() const;
    // Every access opens its group, touches one key and closes the group again, so no caller can
    // leave a group open for the next one.
    QVariant readSetting(const QString &group, const QString &key,
                         const QVariant &fallback = {}) const;
    void writeSetting(const QString &group, const QString &key, const QVariant &value);

    Q_INVOKABLE void showHelp();

private:
    QPointer<QSettings> m_settings;
    QString m_helpUrl;
};

} // namespace global
