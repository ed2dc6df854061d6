// Fuzz target for the text document parser, the ".enc" codec and the markup the texts page
// shows. Built for libFuzzer with clang (VENDARION_FUZZ, see tests/fuzz.sh) and, with an
// ordinary compiler, replayed over corpus/ by tst_corpus_text. Besides the sanitizers' findings
// it aborts when a result breaks a rule that holds for every input.

#include "text/codec.h"
#include "text/document.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Each entry of a key's result is an entry of the document, in document order.
bool isSubsequence(const QStringList &part, const QStringList &whole)
{
    int next = 0;
    for (const QString &text : part) {
        while (next < whole.size() && whole.at(next) != text)
            ++next;
        if (next == whole.size())
            return false;
        ++next;
    }
    return true;
}

// What may be shown as rich text: every "<" opens a bare formatting tag, and a second pass
// changes nothing.
void checkMarkup(const QString &text)
{
    const QString safe = text::Document::safeMarkup(text);
    require(text::Document::safeMarkup(safe) == safe);
    for (int i = safe.indexOf(QLatin1Char('<')); i >= 0;
         i = safe.indexOf(QLatin1Char('<'), i + 1)) {
        int end = i + 1;
        end += end < safe.size() && safe.at(end) == QLatin1Char('/');
        const int name = end;
        while (end < safe.size() && safe.at(end).isLetterOrNumber())
            ++end;
        require(end > name && end < safe.size() && safe.at(end) == QLatin1Char('>'));
    }
}

void checkDocument(const QByteArray &bytes)
{
    const text::Document document(bytes);
    require(document.isValid());
    require(document.entries().size() <= bytes.size());
    require(document.getEntries({}).isEmpty());

    for (const QString &entry : document.entries().mid(0, 8))
        checkMarkup(entry);

    const QStringList keys = document.keys().mid(0, 8);
    for (const QString &key : keys) {
        require(text::Document::normalizedKey(key) == key);
        const QStringList tagged = document.getEntries({key});
        require(!tagged.isEmpty());
        require(isSubsequence(tagged, document.entries()));
        for (const QString &other : keys) {
            const QStringList both = document.getEntries({key, other});
            require(both == document.getEntries({other, key}));
            require(isSubsequence(both, tagged));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Larger inputs only repeat what smaller ones show, and the pairwise checks grow fast.
    if (size > 1 << 16)
        return 0;
    // Not copied and not NUL-terminated: any read past the end is the sanitizer's to see.
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));

    const QByteArray key = text::documentKey().toLatin1();
    const QByteArray decoded = text::decode(bytes, key);
    require(decoded.size() == bytes.size());
    for (int i = 0; i < bytes.size(); ++i)
        require(decoded.at(i) == char(bytes.at(i) ^ key.at(i % key.size())));
    require(text::decode(decoded, key) == bytes);

    checkDocument(bytes);
    checkDocument(decoded);
    return 0;
}
