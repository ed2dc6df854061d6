#include "app/localizer.h"

#include "app/logging.h"
#include "global/object.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString WindowGroup = QStringLiteral("window");
const QString LanguageKey = QStringLiteral("language");

// A translation file, installed; null, with a log line, when it cannot be read.
std::unique_ptr<QTranslator> installed(const QString &file, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder)) {
        qCDebug(lcApp).noquote() << QStringLiteral("window: cannot load %1")
                                        .arg(folder.isEmpty() ? file
                                                              : folder + QLatin1Char('/') + file);
        return nullptr;
    }
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

} // namespace

Localizer::Localizer()
{
    apply();
}

Localizer::~Localizer()
{
    for (const auto *translator : {&m_translator, &m_qtTranslator}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
    }
}

QString Localizer::language() const
{
    const QString setting
        = global::Object::instance()->readSetting(WindowGroup, LanguageKey, QString()).toString();
    if (setting.isEmpty() || ui::shippedLanguages().contains(setting))
        return setting;
    qCDebug(lcApp).noquote()
        << QStringLiteral("window: ignoring the stored language '%1'").arg(setting);
    return QString();
}

bool Localizer::setLanguage(const QString &language)
{
    if (!language.isEmpty() && !ui::shippedLanguages().contains(language)) {
        qCDebug(lcApp).noquote() << QStringLiteral("window: no such language '%1'").arg(language);
        return false;
    }
    if (language == this->language())
        return false;
    global::Object::instance()->writeSetting(WindowGroup, LanguageKey, language);
    apply();
    return true;
}

QVariantMap Localizer::formats() const
{
    return {{QStringLiteral("date"), m_formats.date},
            {QStringLiteral("time"), m_formats.time},
            {QStringLiteral("dateTime"), m_formats.dateTime},
            {QStringLiteral("editor"), m_formats.editor},
            {QStringLiteral("day"), m_formats.day}};
}

void Localizer::apply()
{
    const QString setting = language();
    const QLocale system = QLocale::system();
    m_interfaceLanguage = ui::interfaceLanguage(setting, system.uiLanguages());
    m_locale = ui::interfaceLocale(setting, system);
    m_namesLocale = ui::namesLocale(m_interfaceLanguage, m_locale);
    m_formats = ui::dateFormats(m_locale);
    // Qt's own controls (the date picker's calendar) follow the default locale.
    QLocale::setDefault(m_locale);

    for (auto *translator : {&m_translator, &m_qtTranslator}) {
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    }
    // English is the source language: it needs no translation.
    if (m_interfaceLanguage != ui::shippedLanguages().first()) {
        m_translator = installed(
            QStringLiteral(":/translations/vendarion_%1.qm").arg(m_interfaceLanguage), QString());
        m_qtTranslator = installed(QStringLiteral("qtbase_%1").arg(m_interfaceLanguage),
                                   QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    }
    qCDebug(lcApp).noquote() << QStringLiteral("window: language %1, locale %2")
                                    .arg(m_interfaceLanguage, m_locale.name());
}
