#pragma once
// Decoding JPEG data with libjpeg.

#include <QByteArray>
#include <QImage>

// Decodes grayscale or colour JPEG bytes into a Format_RGB32 image; raises EInvalidGraphic with
// the decoder's message for bad, truncated or unsupported data.
QImage DecodeJpeg(const QByteArray& bytes);
