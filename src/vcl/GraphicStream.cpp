#include "vcl/GraphicStream.h"
#include "vcl/SysUtils.h"
#include <QIODevice>
#include <QtEndian>

namespace {

constexpr std::uint32_t kMaxGraphicBytes = 64u * 1024 * 1024;

} // namespace

QByteArray ReadExactly(QIODevice& stream, std::int64_t count)
{
    // Where the remaining length is known, a count beyond it fails before any allocation.
    if (!stream.isSequential() && stream.bytesAvailable() < count)
        throw EReadError(QStringLiteral("Stream read error"));
    QByteArray bytes = stream.read(count);
    if (bytes.size() != count)
        throw EReadError(QStringLiteral("Stream read error"));
    return bytes;
}

QByteArray ReadSizedGraphicData(QIODevice& stream)
{
    const QByteArray sizeBytes = ReadExactly(stream, 4);
    const auto size = qFromLittleEndian<std::uint32_t>(sizeBytes.constData());
    if (size > kMaxGraphicBytes)
        throw EInvalidGraphic(QStringLiteral("Picture data of %1 bytes is too large").arg(size));
    return ReadExactly(stream, size);
}
