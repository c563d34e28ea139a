#pragma once
// Reading the pieces of a stored picture: exact byte counts, little-endian sizes.

#include <QByteArray>
#include <cstdint>

class QIODevice;

// Reads exactly count bytes; raises EReadError when the stream ends first.
QByteArray ReadExactly(QIODevice& stream, std::int64_t count);
// Reads a 32-bit little-endian byte count and then that many bytes of a graphic's data; raises
// EInvalidGraphic when the count is beyond any picture the program holds.
QByteArray ReadSizedGraphicData(QIODevice& stream);
