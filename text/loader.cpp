#include "text/loader.h"

#include "global/regularfile.h"
#include "text/codec.h"
#include "text/document.h"
#include "text/logging.h"

#include <QFile>
#include <QMetaMethod>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QTextCodec>

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

    // The last file passed over, and why: said once the one taken instead is known.
    QString passedOver;
    bool opened = false;
    for (const Candidate &candidate : candidates(file, language)) {
        QFile input(candidate.file);
        if (!global::openRegularFile(input))
            continue;
        opened = true;
        QString why;
        std::unique_ptr<Document> document = read(input, candidate.file, candidate.language, &why);
        if (!document) {
            passedOver = QStringLiteral("text file %1 %2").arg(candidate.file, why);
            continue;
        }
        if (!passedOver.isEmpty())
            qCDebug(lcText).noquote()
                << QStringLiteral("%1: using %2 instead").arg(passedOver, candidate.file);
        if (!document->isValid())
            qCDebug(lcText).noquote() << QStringLiteral("Failed to parse text file %1").arg(file);

        // The receivers, and the QML engine that may end up freeing it, live in the loader's
        // thread.
        document->moveToThread(thread());
        // The signal goes out from the loader's own thread, where it can be known whether anyone
        // listens and the document can be handed to the QML engine before a receiver sees it.
        // Should the loader go before the call runs, the dropped call takes the document with it.
        QMetaObject::invokeMethod(
            this,
            [this, file, document = std::move(document)]() mutable {
                deliver(file, std::move(document));
            },
            Qt::QueuedConnection);
        return;
    }
    // A missing ".enc" name is a failure too, not an empty document.
    if (!opened)
        qCDebug(lcText).noquote() << QStringLiteral("Failed to open file %1").arg(file);
    else
        qCDebug(lcText).noquote() << QStringLiteral("%1, and there is none other").arg(passedOver);
}

std::unique_ptr<Document> Loader::read(QFile &input, const QString &file, const QString &language,
                                       QString *why) const
{
    // Read no further than the cap: a file that grows meanwhile is caught by its length.
    const QString tooLarge = QStringLiteral("is larger than %1 MB, the most a text document may be")
                                 .arg(MaximumDocumentSize >> 20);
    if (input.size() > MaximumDocumentSize) {
        *why = tooLarge;
        return nullptr;
    }
    QByteArray bytes = input.read(MaximumDocumentSize + 1);
    if (bytes.size() > MaximumDocumentSize) {
        *why = tooLarge;
        return nullptr;
    }
    if (file.endsWith(encodedSuffix, Qt::CaseInsensitive))
        bytes = decode(bytes, m_key.toLatin1());

    // A language's own document is taken only when it holds texts; the one without a language
    // is the last resort and is taken as it is.
    const bool checked = !language.isEmpty();
    if (checked && bytes.isEmpty()) {
        *why = QStringLiteral("is empty");
        return nullptr;
    }
    if (checked) {
        QTextCodec::ConverterState state;
        QTextCodec::codecForMib(106)->toUnicode(bytes.constData(), bytes.size(), &state);
        if (state.invalidChars > 0) {
            *why = QStringLiteral("is not UTF-8 text");
            return nullptr;
        }
    }
    auto document = std::make_unique<Document>(bytes);
    // Keys are indexed only with the entries they tag.
    if (checked && (!document->isValid() || document->keys().isEmpty())) {
        *why = QStringLiteral("holds no keyed text");
        return nullptr;
    }
    document->setLanguage(language);
    return document;
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
