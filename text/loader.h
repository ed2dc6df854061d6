#pragma once

#include "global/taskgroup.h"

#include <QObject>
#include <QString>

#include <memory>

class QFile;

namespace text {

class Document;

// Reads text documents on the global thread pool and announces each with documentLoaded. A file
// that cannot be opened is looked for again with ".enc" appended; a file whose name ends in
// ".enc" is decoded before it is parsed. Asked for a language, it reads that language's
// document ("vendarion.de.txt") where there is one that holds texts (an empty or damaged one is
// passed over, with a log line), else the one without a language. It is the
// QML singleton "TextLoader".
//
// Ownership of an announced document: it has no parent, lives in the loader's thread and is
// marked for JavaScript ownership, so QML keeps it exactly as long as something there refers to
// it and the engine frees it afterwards. A native receiver that keeps it gives it a parent (so
// the engine leaves it alone) or, when no QML listens, simply owns and deletes it. When nobody
// listens to documentLoaded the loader frees the document itself.
class Loader : public QObject
{
    Q_OBJECT

public:
    // The most a text document may take: a larger file is not read. The shipped one is about a
    // tenth of a megabyte.
    static constexpr qint64 MaximumDocumentSize = qint64(64) << 20;

    explicit Loader(QObject *parent = nullptr);
    // Waits for the loads still running: they use this object.
    ~Loader() override;

    // Starts loading file (a plain path) and returns at once; any thread may call it. language
    // is a language code ("de"); any other text is ignored.
    Q_INVOKABLE void load(const QString &file, const QString &language = QString());

signals:
    // name is exactly the text given to load, also when the ".enc" file was read.
    void documentLoaded(QString name, text::Document *document);

private:
    void run(const QString &file, const QString &language);
    // The document of a file opened for reading, written in language (empty: the file without
    // one), or nothing, with why, when it cannot be used.
    std::unique_ptr<Document> read(QFile &input, const QString &file, const QString &language,
                                   QString *why) const;
    void deliver(const QString &name, std::unique_ptr<Document> document);

    const QString m_key;
    global::TaskGroup m_jobs;
};

} // namespace text
