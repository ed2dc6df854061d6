#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

namespace text {

// One parsed text document: entries tagged by keys, asked for by sets of keys.
//
// The format is a sequence of header lines ("### key;other key") each followed by the text of
// one entry, which runs up to the line feed before the next line that starts with "#". Keys are
// compared after normalisation (lower case, all white space removed). Any bytes parse: damaged
// input only gives fewer or stranger keys and entries, never an error.
//
// The document is read-only once made, so any thread may read it.
class Document : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isValid READ isValid CONSTANT)
    // The language of the file it was read from ("de" for "vendarion.de.txt"); empty for the
    // file without a language, which is in English.
    Q_PROPERTY(QString language READ language CONSTANT)

public:
    // Parses data (already decoded) at once.
    explicit Document(const QByteArray &data, QObject *parent = nullptr);

    // The texts of the entries that carry every one of keys, in document order; empty for no keys.
    Q_INVOKABLE QStringList getEntries(const QStringList &keys) const;

    // False only when the parse was aborted (it ran out of memory).
    bool isValid() const { return m_isValid; }
    QString language() const { return m_language; }
    // Set by the loader before anyone else sees the document.
    void setLanguage(const QString &language) { m_language = language; }

    // For tools and checks: every entry in document order, and every key the headers named.
    const QStringList &entries() const { return m_entries; }
    QStringList keys() const { return m_index.keys(); }

    static QString normalizedKey(const QString &key);

    // An entry made fit to be shown as rich text: only plain formatting tags are kept, without
    // any attribute, and every other tag is dropped, so a text can neither load a picture or a
    // style sheet from anywhere nor restyle the page. A "<" that opens no tag stays as text.
    Q_INVOKABLE static QString safeMarkup(const QString &text);

private:
    void parse();
    void recordKey(int begin, int end);
    void recordEntry(int begin, int end);

    QByteArray m_data;
    QStringList m_entries;
    // Normalised key -> indexes into m_entries, ascending.
    QHash<QString, QVector<int>> m_index;
    QStringList m_currentKeys;
    bool m_isValid = false;
    QString m_language;
};

} // namespace text
