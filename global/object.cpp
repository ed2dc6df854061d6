#include "global/object.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QQmlEngine>
#include <QSettings>
#include <QUrl>

#include <new>

namespace global {

namespace {
QPointer<Object> s_instance;
}

Object::Object()
{
    if (s_instance)
        throw std::bad_alloc();
    s_instance = this;
    // The QML engine must never delete the object the native side also uses.
    QQmlEngine::setObjectOwnership(this, QQmlEngine::CppOwnership);

    m_settings = new QSettings(QSettings::NativeFormat, QSettings::UserScope,
                               QStringLiteral("Harkel"), QStringLiteral("Vendarion"), this);
    m_helpUrl = QStringLiteral("https://www.harkel.com/vendarion/help/");
}

Object::~Object()
{
    if (m_settings)
        m_settings->sync();
}

Object *Object::instance()
{
    if (!s_instance)
        new Object();
    return s_instance;
}

QString Object::version()
{
    return QStringLiteral(VENDARION_VERSION);
}

QString Object::product()
{
    return QStringLiteral("Vendarion");
}

QString Object::resourcePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/res/");
}

QSettings *Object::settings() const
{
    return m_settings;
}

QVariant Object::readSetting(const QString &group, const QString &key,
                             const QVariant &fallback) const
{
    if (!m_settings)
        return fallback;
    m_settings->beginGroup(group);
    const QVariant value = m_settings->value(key, fallback);
    m_settings->endGroup();
    return value;
}

void Object::writeSetting(const QString &group, const QString &key, const QVariant &value)
{
    if (!m_settings)
        return;
    m_settings->beginGroup(group);
    m_settings->setValue(key, value);
    m_settings->endGroup();
}

void Object::showHelp()
{
    QDesktopServices::openUrl(QUrl(m_helpUrl));
}

} // namespace global
