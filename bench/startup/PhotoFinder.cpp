#include "PhotoFinder.h"
#include "JpegFile.h"
#include <cstdlib>
#include <cstring>

namespace {
// Away from the markers drawn over the photograph, near its left and right edges.
constexpr int FirstColumn = 20;
constexpr int SecondColumn = 560;

bool Near(std::uint32_t a, std::uint32_t b)
{
    constexpr int Tolerance = 2;
    for (int shift : {0, 8, 16})
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > Tolerance)
            return false;
    return true;
}
} // namespace

PhotoFinder::PhotoFinder(const std::string& path)
{
    JpegFile::Decode(path, [this](int width, int height, std::size_t& stride) {
        photo_
            = {width, height, std::vector<std::uint32_t>(std::size_t(width) * std::size_t(height))};
        stride = std::size_t(width) * sizeof(std::uint32_t);
        return reinterpret_cast<unsigned char*>(photo_.data.data());
    });
    for (std::uint32_t& pixel : photo_.data)
        pixel &= 0xFFFFFFu;
}

bool PhotoFinder::ColumnMatches(const Pixels& column, int from, int photoX) const
{
    for (int y = 0; y < photo_.height; ++y)
        if (!Near(column.At(0, from + y), photo_.At(photoX, y)))
            return false;
    return true;
}

std::optional<Point> PhotoFinder::Find(XScreen& screen, const Rect& window) const
{
    if (window.width < photo_.width || window.height < photo_.height)
        return std::nullopt;
    const int left = window.x + (window.width - photo_.width) / 2;
    const Pixels first = screen.Grab({left + FirstColumn, window.y, 1, window.height});
    if (first.height != window.height)
        return std::nullopt;
    for (int top = 0; top + photo_.height <= first.height; ++top) {
        if (!ColumnMatches(first, top, FirstColumn))
            continue;
        const Pixels second = screen.Grab({left + SecondColumn, window.y + top, 1, photo_.height});
        if (second.height == photo_.height && ColumnMatches(second, 0, SecondColumn))
            return Point {left, window.y + top};
    }
    return std::nullopt;
}
