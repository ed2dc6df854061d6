#include "text/codec.h"

namespace text {

QString documentKey()
{
    return QStringLiteral("5203kdm41rpz306hvn527");
}

QByteArray decode(const QByteArray &data, const QByteArray &key)
{
    const qsizetype keyLength = key.size();
    if (keyLength == 0)
        return data;

    // Stored files were written block by block; the key position starts again in each block.
    // Since a block is a whole number of key lengths this equals one run over the whole file,
    // but the block walk is the format's own definition, so it is kept.
    const qsizetype blockLength = keyLength * 500;
    const qsizetype size = data.size();
    QByteArray result(data);
    char *out = result.data();
    const char *k = key.constData();
    for (qsizetype block = 0; block < size; block += blockLength) {
        const qsizetype end = qMin(block + blockLength, size);
        qsizetype j = 0;
        for (qsizetype i = block; i < end; ++i) {
            out[i] = char(out[i] ^ k[j]);
            if (++j == keyLength)
                j = 0;
        }
    }
    return result;
}

} // namespace text
