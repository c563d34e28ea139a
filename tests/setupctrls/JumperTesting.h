#pragma once
// Helpers of the jumper tests: a model of what an upright jumper picture shows, checked by
// probing a rendered control; places to put jumpers on; a jumper that counts its paints.

#include "setupctrls/Jumper.h"
#include "setupctrls/RadioPanel.h"
#include "vcl/Form.h"
#include <QImage>
#include <QPoint>
#include <memory>
#include <optional>
#include <vector>

namespace JumperTesting {

// A radio panel colour that no part of a jumper uses.
constexpr TColor kPanelColor = 0xC0E0D0;
// clBtnFace as the offscreen platform resolves it.
constexpr TColor kBtnFaceRGB = 0xF0F0F0;

// A box with an outline on its outermost pixels and a fill inside.
struct Layer
{
    TRect box;
    TColor outline;
    TColor fill;
};

// What an upright w x h jumper picture shows: the background, then a rounded base (its corner
// pixels show what lies below it), a rectangular cap, and round pins on top.
struct Scene
{
    int w = 0;
    int h = 0;
    TColor background = kPanelColor;
    std::optional<Layer> base;
    std::optional<Layer> cap;
    std::vector<TRect> pins;
    TColor pin = clYellow;
};

// The colour at (x, y) of the layers under the pins.
TColor Under(const Scene& scene, int x, int y);
// Checks image (the picture turned to orientation) at the probe points of scene: box edges
// and their neighbours, the one-pixel frame, the corners, and each pin's centre and the
// pixels just inside and just outside its box on the row and the column through the centre.
void ExpectScene(const QImage& image, const Scene& scene, TOrientationType orientation = otUp);

// A hidden radio panel of kPanelColor to put jumpers on and render.
std::unique_ptr<TRadioPanel> MakeStage();

// A shown form with a shown radio panel of kPanelColor on it, so that repaint requests turn
// into paints once events are processed.
struct ShownPanel
{
    ShownPanel();
    std::unique_ptr<TForm> form;
    TRadioPanel* panel;
};

// A new control of class T owned by and placed on parent, at (10, 10).
template<typename T> T* Place(TWinControl* parent)
{
    auto* control = new T(parent);
    control->SetParent(parent);
    control->SetLeft(10);
    control->SetTop(10);
    return control;
}

// A jumper that counts its paints; it keeps its base's class name.
template<typename Jumper> class PaintCounting : public Jumper
{
public:
    using Jumper::Jumper;
    int Paints = 0;
    void Paint() override
    {
        ++Paints;
        Jumper::Paint();
    }
};

// A real press and release of the left mouse button at a client point of parent.
void ClickAt(TWinControl* parent, QPoint at);

} // namespace JumperTesting
