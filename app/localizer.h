#pragma once

#include "app/localization.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <memory>

class QTranslator;

// The language the window speaks and the locale it writes dates and numbers in, from the
// language setting (key "language" of group "window"): the installed translation, the default
// locale Qt's own controls follow, and the window's date patterns. Qt's own texts (the save
// dialog's, the message boxes' buttons) come from Qt's translations, where the system has them.
class Localizer
{
public:
    // Applies the stored language.
    Localizer();
    ~Localizer();
    Localizer(const Localizer &) = delete;
    Localizer &operator=(const Localizer &) = delete;

    // The setting: empty for the system's language, else one of the shipped languages.
    QString language() const;
    // Stores and applies a shipped language, or empty for the system's. False, with a log line
    // for one that is not shipped, when nothing changed.
    bool setLanguage(const QString &language);

    QString interfaceLanguage() const { return m_interfaceLanguage; }
    const QLocale &locale() const { return m_locale; }
    // Where the names of months and weekdays come from (see ui::namesLocale).
    const QLocale &namesLocale() const { return m_namesLocale; }
    // The date patterns by use: date, time, dateTime, editor, day.
    QVariantMap formats() const;

private:
    void apply();

    QString m_interfaceLanguage;
    QLocale m_locale;
    QLocale m_namesLocale;
    ui::DateFormats m_formats;
    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<QTranslator> m_qtTranslator;
};
