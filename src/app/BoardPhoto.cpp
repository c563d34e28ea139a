#include "app/BoardPhoto.h"
#include <cstddef>

extern const unsigned char BoardPhotoDefinition[];
extern const std::size_t BoardPhotoDefinitionSize;

QByteArray BoardPhotoDefinitionBytes()
{
    // The bytes live in the program image for its whole run; no copy is needed.
    return QByteArray::fromRawData(reinterpret_cast<const char*>(BoardPhotoDefinition),
        static_cast<qsizetype>(BoardPhotoDefinitionSize));
}
