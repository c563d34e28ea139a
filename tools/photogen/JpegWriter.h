#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Progressive baseline-compatible JPEG, JFIF 1.1 at 72 x 72 dpi, YCbCr 4:2:0.
namespace jpeg {

// Throws std::runtime_error when the library reports an error.
QByteArray encode(const QImage& image, int quality);

// Picks the quality whose file size lies closest to `targetBytes` (qualities 40..95).
QByteArray encodeNear(const QImage& image, qsizetype targetBytes, int* chosenQuality = nullptr);

// Throws std::runtime_error when the file cannot be written.
void save(const QByteArray& data, const QString& path);

} // namespace jpeg
