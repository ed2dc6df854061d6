#include "text/loader.h"

#include "global/regularfile.h"
#include "text/codec.h"
#include "text/document.h"
#include "text/logging.h"

#include <QFile>
#include <QMetaMethod>
#include <QQmlEngine>

namespace text {

namespace {
const QString encodedSuffix = QStringLiteral(".enc");
}

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

void Loader::load(const QString &file)
{
    m_jobs.run([this, file] { run(file); });
}

void Loader::run(const QString &file)
{
    qCDebug(lcText).noquote() << QStringLiteral("Opening text file %1").arg(file);

    QString name = file;
    QFile input(name);
    bool opened = global::openRegularFile(input);
    if (!opened && !file.endsWith(encodedSuffix)) {
        name = file + encodedSuffix;
        input.setFileName(name);
        opened = global::openRegularFile(input);
    }
    // A missing ".enc" name is a failure too, not an empty document.
    if (!opened) {
        qCDebug(lcText).noquote() << QStringLiteral("Failed to open file %1").arg(file);
        return;
    }
    QByteArray bytes = input.readAll();
    if (name.endsWith(encodedSuffix, Qt::CaseInsensitive))
        bytes = decode(bytes, m_key.toLatin1());
    input.close();

    auto document = std::make_unique<Document>(bytes);
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
