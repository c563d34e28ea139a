#pragma once
// The card photograph, held as the main window's definition stores a picture.

#include <QByteArray>

// The graphic's class name as a length-prefixed string, a 32-bit little-endian byte count,
// then the JPEG bytes.
QByteArray BoardPhotoDefinitionBytes();
