// Finds the card photograph on the screen inside a window that shows it centred left to
// right, by two of its columns of pixels: proof that the window has painted it.
#pragma once
#include "XScreen.h"
#include <optional>
#include <string>

struct Point
{
    int x = 0, y = 0;
};

class PhotoFinder
{
public:
    explicit PhotoFinder(const std::string& path); // throws when the file cannot be decoded

    // The photograph's top-left corner on the screen, when the window shows all of it.
    std::optional<Point> Find(XScreen& screen, const Rect& window) const;

private:
    bool ColumnMatches(const Pixels& column, int from, int photoX) const;

    Pixels photo_;
};
