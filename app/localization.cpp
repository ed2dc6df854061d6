#include "app/localization.h"

#include <QRegularExpression>
#include <QVector>

#include <cmath>

namespace ui {

namespace {

struct Language
{
    QString code;
    QString name;
};

const QVector<Language> &languages()
{
    static const QVector<Language> list{{QStringLiteral("en"), QStringLiteral("English")},
                                        {QStringLiteral("de"), QStringLiteral("Deutsch")},
                                        {QStringLiteral("fr"), QStringLiteral("Français")},
                                        {QStringLiteral("es"), QStringLiteral("Español")},
                                        {QStringLiteral("ru"), QStringLiteral("Русский")}};
    return list;
}

QString codeOf(const QLocale &locale)
{
    return locale.name().section(QLatin1Char('_'), 0, 0);
}

// A date-time pattern as a list of fields (a pattern letter repeated `count` times) and
// literal texts, quoted or not, so that fields can be changed without touching the literals.
struct Token
{
    QChar letter; // null for a literal
    int count = 0;
    QString text;
    bool quoted = false;

    bool isField(QChar c) const { return letter == c; }
    bool isBlankLiteral() const { return letter.isNull() && !quoted && text.trimmed().isEmpty(); }
};

bool isPatternLetter(QChar c)
{
    return QStringLiteral("dMyhHmszAapt").contains(c);
}

QVector<Token> tokenize(const QString &format)
{
    QVector<Token> tokens;
    for (int i = 0; i < format.size();) {
        const QChar c = format.at(i);
        Token token;
        if (c == QLatin1Char('\'')) {
            // Up to the closing quote; two quotes in a row stand for one.
            token.quoted = true;
            for (++i; i < format.size(); ++i) {
                if (format.at(i) != QLatin1Char('\''))
                    token.text += format.at(i);
                else if (i + 1 < format.size() && format.at(i + 1) == QLatin1Char('\''))
                    token.text += format.at(++i);
                else
                    break;
            }
            ++i;
        } else if (isPatternLetter(c)) {
            token.letter = c;
            while (i < format.size() && format.at(i) == c) {
                ++token.count;
                ++i;
            }
        } else {
            while (i < format.size() && format.at(i) != QLatin1Char('\'')
                   && !isPatternLetter(format.at(i)))
                token.text += format.at(i++);
        }
        tokens.append(token);
    }
    return tokens;
}

QString join(const QVector<Token> &tokens)
{
    QString format;
    for (const Token &token : tokens) {
        if (!token.letter.isNull())
            format += QString(token.count, token.letter);
        else if (token.quoted)
            format += QLatin1Char('\'')
                      + QString(token.text).replace(QLatin1Char('\''), QStringLiteral("''"))
                      + QLatin1Char('\'');
        else
            format += token.text;
    }
    return format;
}

// Blanks round the date's separators dropped, other runs of blanks made one.
QString squeezed(QString text)
{
    static const QRegularExpression aroundSeparator(QStringLiteral("\\s*([/.\\-])\\s*"));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.replace(aroundSeparator, QStringLiteral("\\1"))
        .replace(blanks, QStringLiteral(" "))
        .trimmed();
}

QString shortDate(const QLocale &locale)
{
    QVector<Token> tokens = tokenize(locale.dateFormat(QLocale::ShortFormat));
    for (Token &token : tokens) {
        if (token.isField(QLatin1Char('y')))
            token.count = 4;
        else if ((token.isField(QLatin1Char('d')) || token.isField(QLatin1Char('M')))
                 && token.count <= 2)
            token.count = 2;
    }
    return join(tokens);
}

QString shortTime(const QLocale &locale)
{
    QVector<Token> tokens = tokenize(locale.timeFormat(QLocale::ShortFormat));
    for (const Token &token : tokens) {
        // A 12-hour clock or seconds: the plain 24-hour one instead.
        if (token.isField(QLatin1Char('A')) || token.isField(QLatin1Char('a'))
            || token.isField(QLatin1Char('s')))
            return QStringLiteral("HH:mm");
    }
    for (Token &token : tokens) {
        if (token.isField(QLatin1Char('h')) || token.isField(QLatin1Char('H'))) {
            token.letter = QLatin1Char('H');
            token.count = 2;
        }
    }
    return join(tokens);
}

// The long date without its weekday and with the month's short name: "6. Dez. 2026",
// "6 dic 2026" (the Spanish "de" between the words goes with the long name).
QString dayWithMonthName(const QLocale &locale)
{
    QVector<Token> tokens = tokenize(locale.dateFormat(QLocale::LongFormat));
    for (int i = 0; i < tokens.size(); ++i) {
        if (tokens[i].isField(QLatin1Char('d')) && tokens[i].count > 2) {
            tokens.remove(i);
            static const QRegularExpression punctuation(QStringLiteral("^[\\s,.]*$"));
            if (i < tokens.size() && tokens[i].letter.isNull() && !tokens[i].quoted
                && punctuation.match(tokens[i].text).hasMatch())
                tokens.remove(i);
            else if (i > 0 && i == tokens.size() && tokens[i - 1].isBlankLiteral())
                tokens.remove(i - 1);
            --i;
        } else if (tokens[i].isField(QLatin1Char('M')) && tokens[i].count > 3) {
            tokens[i].count = 3;
        }
    }
    for (int i = 1; i + 1 < tokens.size(); ++i) {
        if (tokens[i].quoted && tokens[i - 1].isBlankLiteral() && tokens[i + 1].isBlankLiteral())
            tokens.remove(i, 2);
    }
    return join(tokens);
}

// The pattern with each name field replaced by its text in `names`, quoted.
template<typename Value>
QString withNames(const Value &value, const QString &format, const QLocale &numbers,
                  const QLocale &names)
{
    QVector<Token> tokens = tokenize(format);
    for (Token &token : tokens) {
        if ((token.isField(QLatin1Char('M')) || token.isField(QLatin1Char('d')))
            && token.count > 2) {
            token.text = names.toString(value, QString(token.count, token.letter));
            token.letter = QChar();
            token.quoted = true;
        }
    }
    return numbers.toString(value, join(tokens));
}

bool isUnitedStates(const QLocale &locale)
{
    return locale.language() == QLocale::English && locale.country() == QLocale::UnitedStates;
}

} // namespace

const QStringList &shippedLanguages()
{
    static const QStringList codes = [] {
        QStringList list;
        for (const Language &language : languages())
            list << language.code;
        return list;
    }();
    return codes;
}

QString languageName(const QString &code)
{
    for (const Language &language : languages()) {
        if (language.code == code)
            return language.name;
    }
    return QString();
}

QString interfaceLanguage(const QString &setting, const QStringList &systemLanguages)
{
    if (shippedLanguages().contains(setting))
        return setting;
    for (const QString &name : systemLanguages) {
        const QString code = codeOf(QLocale(name));
        if (shippedLanguages().contains(code))
            return code;
    }
    return shippedLanguages().first();
}

QLocale interfaceLocale(const QString &setting, const QLocale &system)
{
    const QLocale local = system.language() == QLocale::C
                              ? QLocale(QLocale::English, QLocale::UnitedStates)
                              : system;
    if (!shippedLanguages().contains(setting) || codeOf(local) == setting)
        return local;
    // The language's own main locale: Qt picks the main country when it is not named.
    return QLocale(QLocale(setting).language());
}

QLocale namesLocale(const QString &interfaceLanguage, const QLocale &locale)
{
    return codeOf(locale) == interfaceLanguage ? locale
                                               : QLocale(QLocale(interfaceLanguage).language());
}

QString formatWithNames(const QDateTime &value, const QString &format, const QLocale &numbers,
                        const QLocale &names)
{
    return value.isValid() ? withNames(value, format, numbers, names) : QString();
}

QString formatWithNames(const QDate &value, const QString &format, const QLocale &numbers,
                        const QLocale &names)
{
    return value.isValid() ? withNames(value, format, numbers, names) : QString();
}

DateFormats dateFormats(const QLocale &locale)
{
    DateFormats formats;
    formats.date = shortDate(locale);
    formats.time = shortTime(locale);
    formats.dateTime = formats.date + QLatin1Char(' ') + formats.time;
    formats.editor = QString(formats.date).replace(QLatin1Char('/'), QStringLiteral(" / "))
                     + QLatin1Char(' ') + formats.time;
    // The US look the found days have always had.
    formats.day
        = isUnitedStates(locale) ? QStringLiteral("yyyy, MMM, d") : dayWithMonthName(locale);
    return formats;
}

QDateTime readDateTime(const QString &text, const QString &format, const QLocale &locale)
{
    QVector<Token> tokens = tokenize(format);
    for (Token &token : tokens) {
        if (token.letter.isNull() && !token.quoted)
            token.text = token.text.contains(QLatin1Char(' ')) && squeezed(token.text).isEmpty()
                             ? QStringLiteral(" ")
                             : squeezed(token.text);
        else if (QStringLiteral("dMHh").contains(token.letter) && token.count == 2)
            token.count = 1;
    }
    return locale.toDateTime(squeezed(text), join(tokens));
}

QString formatDegrees(double angle)
{
    // Values that do not fit the degrees' integer would make the conversion undefined.
    if (!std::isfinite(angle) || std::fabs(angle) > 1e9)
        return QString();
    const int degrees = int(std::floor(angle));
    const long minutes = std::lround((angle - degrees) * 60.0);
    return QStringLiteral("%1\u00B0 %2'").arg(degrees).arg(minutes);
}

} // namespace ui
