#pragma once

#include <QByteArray>
#include <QString>

namespace text {

// The key that shipped ".enc" documents are encoded with.
QString documentKey();

// Undoes (and, being a plain XOR, also applies) the encoding of ".enc" documents: the data is cut
// into blocks of 500 key lengths and every byte of a block is XOR-ed with the key byte at its
// position in the block, modulo the key length. An empty key leaves the data as it is.
QByteArray decode(const QByteArray &data, const QByteArray &key);

} // namespace text
