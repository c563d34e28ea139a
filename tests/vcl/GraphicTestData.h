#pragma once
// Picture data for the graphics tests: JPEG and bitmap files made on the spot, and the framing
// that window definitions put around them.

#include <QByteArray>
#include <QImage>
#include <cstdint>

enum class JpegColours { Rgb, Gray, Cmyk };

// Encodes image as a baseline JPEG with libjpeg (Gray: its luminance; Cmyk: inverted RGB plus
// a zero black channel).
QByteArray EncodeJpeg(const QImage& image, JpegColours colours = JpegColours::Rgb);
// A bitmap file of image.
QByteArray EncodeBmp(const QImage& image);
// An image of the given size where every pixel has a different, predictable colour.
QImage PatternImage(int width, int height);

// One length byte, then the characters.
QByteArray ShortString(const QByteArray& text);
// A 32-bit little-endian count.
QByteArray LittleEndian32(std::uint32_t value);
// A 32-bit little-endian byte count, then data.
QByteArray SizePrefixed(const QByteArray& data);
