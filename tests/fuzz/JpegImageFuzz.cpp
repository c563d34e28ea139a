// libFuzzer entry point for the JPEG decoder: each input is a JPEG file, framed here as a window
// definition stores a TJPEGImage, so that every mutation reaches the decoder.
#include "PictureFuzzing.h"

#include <QtEndian>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray className("TJPEGImage");
    QByteArray stored;
    stored.append(char(className.size())).append(className);
    const auto count = qToLittleEndian(static_cast<std::uint32_t>(size));
    stored.append(reinterpret_cast<const char*>(&count), sizeof count);
    stored.append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ReadStoredPicture(stored);
    return 0;
}
