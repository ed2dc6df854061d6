#include "text/loader.h"

#include "global/regularfile.h"
#include "text/codec.h"
#include "text/document.h"
#include "text/logging.h"

#include <QFile>
#include <QMetaMethod>
#include <QQmlEngine>
#include <QRegularExpression>

namespace text {

namespace {

const QString encodedSuffix = QStringLiteral(".enc");

struct Candidate
{
    QString file;
    QString language;
};

// The files a load tries, in order: the language's own document ("text/vendarion.de.txt"),
// plain and then encoded, before the one without a language, plain and then encoded. A name
// given with ".enc" is tried in that form only.
QVector<Candidate> candidates(const QString &file, const QString &language)
{
    const bool encoded = file.endsWith(encodedSuffix);
    const QString base = encoded ? file.chopped(encodedSuffix.size()) : file;
    const QStringList forms
        = encoded ? QStringList{encodedSuffix} : QStringList{QString(), encodedSuffix};
    QVector<Candidate> list;
    if (!language.isEmpty()) {
        // Before the file name's last suffix, or at its end when it has none.
        const int slash = base.lastIndexOf(QLatin1Char('/'));
        const int dot = base.lastIndexOf(QLatin1Char('.'));
        const int at = dot > slash + 1 ? dot : base.size();
        const QString named = QString(base).insert(at, QLatin1Char('.') + language);
        for (const QString &form : forms)
            list.append({named + form, language});
    }
    for (const QString &form : forms)
        list.append({base + form, QString()});
    return list;
}

} // namespace

Loader::Loader(QObject *parent)
    : QObject(parent)
    , m_key(documentKey())
{
    qRegisterMetaType<text::Document *>("text::Document*");
}

Loader::~Loader()
{
    // Loads that have not started yet give up; waiting on one may also run it right here.
    m_jobs.close();
}

void Loader::load(const QString &file, const QString &language)
{
    // The code becomes part of a file name: nothing but letters.
    static const QRegularExpression code(QStringLiteral("^[a-z]{2,3}$"));
    QString checked = language;
    if (!language.isEmpty() && !code.match(language).hasMatch()) {
        qCDebug(lcText).noquote()
            << QStringLiteral("ignoring the text language '%1'").arg(language);
        checked.clear();
    }
    m_jobs.run([this, file, checked] { run(file, checked); });
}

void Loader::run(const QString &file, const QString &language)
{
    qCDebug(lcText).noquote() << QStringLiteral("Opening text file %1").arg(file);

    QFile input;
    QString name;
    QString found;
    for (const Candidate &candidate : candidates(file, language)) {
        input.setFileName(candidate.file);
        if (global::openRegularFile(input)) {
            name = candidate.file;
            found = candidate.language;
            break;
        }
    }
    // A missing ".enc" name is a failure too, not an empty document.
    if (!input.isOpen()) {
        qCDebug(lcText).noquote() << QStringLiteral("Failed to open file %1").arg(file);
        return;
    }
    QByteArray bytes = input.readAll();
    if (name.endsWith(encodedSuffix, Qt::CaseInsensitive))
        bytes = decode(bytes, m_key.toLatin1());
    input.close();

    auto document = std::make_unique<Document>(bytes);
    document->setLanguage(found);
    if (!document->isValid())
        qCDebug(lcText).noquote() << QStringLiteral("Failed to parse text file %1").arg(file);

    // The receivers, and the QML engine that may end up freeing it, live in the loader's thread.
    document->moveToThread(thread());
    // The signal goes out from the loader's own thread, where it can be known whether anyone
    // listens and the document can be handed to the QML engine before a receiver sees it. Should
    // the loader go before the call runs, the dropped call takes the document with it.
    QMetaObject::invokeMethod(
        this,
        [this, file, document = std::move(document)]() mutable {
            deliver(file, std::move(document));
        },
        Qt::QueuedConnection);
}

void Loader::deliver(const QString &name, std::unique_ptr<Document> document)
{
    // Nobody would ever free a document that nobody receives.
    if (!isSignalConnected(QMetaMethod::fromSignal(&Loader::documentLoaded)))
        return;
    Document *announced = document.release();
    QQmlEngine::setObjectOwnership(announced, QQmlEngine::JavaScriptOwnership);
    emit documentLoaded(name, announced);
}

} // namespace text
