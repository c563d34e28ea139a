// libFuzzer entry point for reading a window definition's picture: the graphic's class name as
// a length-prefixed string, a 32-bit little-endian byte count, then a JPEG or bitmap file. No
// byte sequence may crash the reader, trip a sanitizer or raise an undocumented exception.
#include "PictureFuzzing.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ReadStoredPicture(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return 0;
}
