// Fuzz target for the update endpoint's answer and the version texts. Replayed over corpus/ by
// tst_corpus_update; see tests/fuzz.sh. Aborts where a result breaks a rule that holds for any
// input.

#include "global/update.h"

#include <cstdlib>

static void require(bool condition)
{
    if (!condition)
        std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    namespace update = global::update;
    const QByteArray body
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    const update::Answer answer = update::parseAnswer(body);
    // No hash, or one hash of 32 bytes; a second field that is neither is kept as unreadable.
    require(answer.sha256.isEmpty()
            || (answer.sha256.size() == 32 && answer.unreadableHash.isEmpty()));
    require(answer.readable || (answer.sha256.isEmpty() && answer.unreadableHash.isEmpty()));
    if (!answer.sha256.isEmpty()) {
        const QByteArray again
            = QByteArray::number(answer.versionCode) + ",sha256:" + answer.sha256.toHex();
        require(update::parseAnswer(again).sha256 == answer.sha256);
    }
    require(update::versionCode(update::versionText(answer.versionCode)) == answer.versionCode);
    update::versionCode(QString::fromUtf8(body));
    const QUrl url(QString::fromUtf8(body));
    require(!update::isTrustedUrl(url, false) || url.scheme() == QLatin1String("https"));
    require(!update::isTrustedUrl(url, true) || url.scheme().startsWith(QLatin1String("http")));
    return 0;
}
