// Fuzz target for the update endpoint's answer and the version texts. Built for libFuzzer with
// clang (VENDARION_FUZZ, see tests/fuzz.sh) and, with an ordinary compiler, replayed over
// corpus/ by tst_corpus_update. Besides the sanitizers' findings it aborts when a result breaks a
// rule that holds for every input.

#include "global/update.h"

#include <QUrl>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1 << 16)
        return 0;
    const QByteArray body
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    namespace update = global::update;

    const update::Answer answer = update::parseAnswer(body);
    // A hash is 32 bytes, and an answer either names one, names something else, or nothing.
    require(answer.sha256.isEmpty() || answer.sha256.size() == 32);
    require(answer.sha256.isEmpty() || answer.unreadableHash.isEmpty());
    if (!answer.readable)
        require(answer.versionCode == 0 && answer.sha256.isEmpty()
                && answer.unreadableHash.isEmpty());
    else if (!answer.sha256.isEmpty()) {
        // The hash read is the hash named: written back, it reads the same.
        const update::Answer again = update::parseAnswer(
            QByteArray::number(answer.versionCode) + ",sha256:" + answer.sha256.toHex().toUpper());
        require(again.readable && again.versionCode == answer.versionCode
                && again.sha256 == answer.sha256);
    }
    // Every code reads back from its text.
    require(update::versionCode(update::versionText(answer.versionCode)) == answer.versionCode);
    update::versionCode(QString::fromUtf8(body));

    const QUrl url(QString::fromUtf8(body));
    if (update::isTrustedUrl(url, true))
        require(url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
    if (update::isTrustedUrl(url, false))
        require(url.scheme() == QLatin1String("https"));
    return 0;
}
