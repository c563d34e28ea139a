// Decoding of a JPEG file with libjpeg-turbo straight into memory laid out as Qt's
// Format_RGB32 (B, G, R, X bytes per pixel), shared by the bare window and the watchers.
#pragma once
#include <cstddef>
#include <functional>
#include <string>

namespace JpegFile {

// Given the picture's size, returns where its first row goes and the distance between rows.
using RowsFor = std::function<unsigned char*(int width, int height, std::size_t& stride)>;

// Reads and decodes the file at path; throws std::runtime_error naming what went wrong.
void Decode(const std::string& path, const RowsFor& rowsFor);

} // namespace JpegFile
