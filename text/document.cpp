#include "text/document.h"

#include "text/logging.h"

#include <QSet>

#include <algorithm>
#include <cstring>
#include <exception>

namespace text {

Document::Document(const QByteArray &data, QObject *parent)
    : QObject(parent)
    , m_data(data)
{
    // Only running out of memory can throw here; the document then keeps what it had read.
    try {
        parse();
        m_isValid = true;
    } catch (const std::exception &error) {
        qCDebug(lcText).noquote() << QStringLiteral("text parcing exception: %1")
                                         .arg(QString::fromLocal8Bit(error.what()));
    }
    m_currentKeys.clear();
}

QString Document::normalizedKey(const QString &key)
{
    return key.toLower().simplified().remove(QLatin1Char(' '));
}

QStringList Document::getEntries(const QStringList &keys) const
{
    if (keys.isEmpty())
        return {};
    const auto first = m_index.constFind(normalizedKey(keys.first()));
    if (first == m_index.cend())
        return {};

    // Keeps the first key's order, which is document order.
    QVector<int> hits = *first;
    for (int k = 1; k < keys.size() && !hits.isEmpty(); ++k) {
        const auto found = m_index.constFind(normalizedKey(keys.at(k)));
        if (found == m_index.cend())
            return {};
        const QVector<int> &tagged = *found;
        const auto untagged = [&tagged](int index) {
            return !std::binary_search(tagged.cbegin(), tagged.cend(), index);
        };
        hits.erase(std::remove_if(hits.begin(), hits.end(), untagged), hits.end());
    }

    QStringList texts;
    texts.reserve(hits.size());
    for (int index : hits)
        texts.append(m_entries.at(index));
    return texts;
}

// One pass over the bytes. A line feed inside an entry ends it only when the next line starts
// with "#"; that line feed then stands in for the header's first "#", so the byte skipped after
// "###" is the third "#" there and the blank after "###" everywhere else. The line feed that ends
// the last entry is the data's last byte, which no entry includes.
void Document::parse()
{
    enum class State { LineStart, Entry, SecondHash, ThirdHash, SkipOne, Key, MoreKeys };

    const char *bytes = m_data.constData();
    const int size = m_data.size();
    State state = State::LineStart;
    int start = 0;
    for (int i = 0; i < size; ++i) {
        const char c = bytes[i];
        switch (state) {
        case State::LineStart:
            if (c == '\0')
                return;
            start = i;
            state = c == '#' ? State::SecondHash : State::Entry;
            break;
        case State::Entry:
            if (c == '\0' || i == size - 1) {
                recordEntry(start, i);
                return;
            }
            // i is not the last byte here, so i + 1 is inside the data.
            if (c == '\n' && bytes[i + 1] == '#') {
                recordEntry(start, i);
                state = State::SecondHash;
            }
            break;
        case State::SecondHash:
            if (c == '#')
                state = State::ThirdHash;
            break;
        case State::ThirdHash:
            if (c == '#')
                state = State::SkipOne;
            break;
        case State::SkipOne:
            start = i + 1;
            state = State::Key;
            break;
        case State::Key:
        case State::MoreKeys:
            if (c == '\n') {
                recordKey(start, i);
                state = State::LineStart;
            } else if (c == ';') {
                recordKey(start, i);
                start = i + 1;
                state = State::MoreKeys;
            } else if (c == '\0' && state == State::Key) {
                // Only the first key of a header ends the document at a NUL; later ones just stop
                // at it when they are read.
                recordKey(start, i);
                return;
            }
            break;
        }
    }
}

void Document::recordKey(int begin, int end)
{
    const char *bytes = m_data.constData() + begin;
    int length = end - begin;
    if (const void *nul = std::memchr(bytes, '\0', size_t(length)))
        length = int(static_cast<const char *>(nul) - bytes);
    // Repeated keys are kept: recordEntry() tags an entry once per key, and looking each key up
    // here would make a long header take time growing with the square of its length.
    m_currentKeys.append(normalizedKey(QString::fromUtf8(bytes, length)));
}

QString Document::safeMarkup(const QString &text)
{
    static const QSet<QString> formatting{
        QStringLiteral("b"),          QStringLiteral("i"),     QStringLiteral("u"),
        QStringLiteral("s"),          QStringLiteral("em"),    QStringLiteral("strong"),
        QStringLiteral("br"),         QStringLiteral("p"),     QStringLiteral("sub"),
        QStringLiteral("sup"),        QStringLiteral("small"), QStringLiteral("big"),
        QStringLiteral("ul"),         QStringLiteral("ol"),    QStringLiteral("li"),
        QStringLiteral("blockquote"), QStringLiteral("hr"),    QStringLiteral("tt")};
    QString safe;
    safe.reserve(text.size());
    // Past the last ">" no "<" can open a tag; knowing that keeps a text full of "<" linear.
    const int lastClose = text.lastIndexOf(QLatin1Char('>'));
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('<')) {
            safe += text.at(i);
            continue;
        }
        if (i > lastClose) {
            safe += QLatin1String("&lt;");
            continue;
        }
        const int close = text.indexOf(QLatin1Char('>'), i + 1);
        int nameStart = i + 1;
        const bool closing = nameStart < close && text.at(nameStart) == QLatin1Char('/');
        nameStart += closing;
        int nameEnd = nameStart;
        while (nameEnd < close && text.at(nameEnd).isLetterOrNumber())
            ++nameEnd;
        const QString name = text.mid(nameStart, nameEnd - nameStart).toLower();
        if (formatting.contains(name))
            safe += (closing ? QLatin1String("</") : QLatin1String("<")) + name + QLatin1Char('>');
        i = close;
    }
    return safe;
}

void Document::recordEntry(int begin, int end)
{
    const int index = m_entries.size();
    m_entries.append(QString::fromUtf8(m_data.constData() + begin, end - begin));
    for (const QString &key : qAsConst(m_currentKeys)) {
        QVector<int> &tagged = m_index[key];
        if (tagged.isEmpty() || tagged.last() != index)
            tagged.append(index);
    }
    m_currentKeys.clear();
}

} // namespace text
