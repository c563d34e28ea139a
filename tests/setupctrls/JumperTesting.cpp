#include "JumperTesting.h"
#include "support/VclTesting.h"
#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace JumperTesting {

namespace {

    bool OnEdge(const TRect& box, int x, int y)
    {
        return x == box.Left || x == box.Right - 1 || y == box.Top || y == box.Bottom - 1;
    }

    bool IsCorner(const TRect& box, int x, int y)
    {
        return (x == box.Left || x == box.Right - 1) && (y == box.Top || y == box.Bottom - 1);
    }

    struct Probe
    {
        int x;
        int y;
        TColor expected;
    };

    // Edges, their inner neighbours and their outer neighbours. A rounded box is probed on the
    // middle row and column, a rectangle clear of the pins' rows.
    void AddBoxProbes(
        const Scene& scene, const TRect& box, bool rounded, std::vector<TPoint>& points)
    {
        const int row = rounded ? scene.h / 2 : box.Top + 3;
        const int column = (box.Left + box.Right) / 2;
        for (const int x :
            {box.Left - 1, box.Left, box.Left + 1, box.Right - 2, box.Right - 1, box.Right})
            points.push_back({x, row});
        for (const int y :
            {box.Top - 1, box.Top, box.Top + 1, box.Bottom - 2, box.Bottom - 1, box.Bottom})
            points.push_back({column, y});
    }

    std::vector<Probe> Probes(const Scene& scene)
    {
        const int w = scene.w, h = scene.h;
        std::vector<TPoint> points = {{0, h / 2}, {w - 1, h / 2}, {w / 2, 0}, {w / 2, h - 1},
            {0, 0}, {w - 1, h - 1}, {1, 1}, {w - 2, 1}, {1, h - 2}, {w - 2, h - 2}};
        if (scene.base)
            AddBoxProbes(scene, scene.base->box, true, points);
        if (scene.cap)
            AddBoxProbes(scene, scene.cap->box, false, points);
        std::vector<Probe> probes;
        for (const TRect& pin : scene.pins) {
            const int cx = (pin.Left + pin.Right) / 2, cy = (pin.Top + pin.Bottom) / 2;
            for (const TPoint at : {TPoint {cx, cy}, TPoint {pin.Left, cy},
                     TPoint {pin.Right - 1, cy}, TPoint {cx, pin.Top}, TPoint {cx, pin.Bottom - 1}})
                probes.push_back({at.X, at.Y, scene.pin});
            for (const TPoint at : {TPoint {pin.Left - 1, cy}, TPoint {pin.Right, cy},
                     TPoint {cx, pin.Top - 1}, TPoint {cx, pin.Bottom}})
                points.push_back(at);
        }
        for (const TPoint at : points)
            if (at.X >= 0 && at.X < w && at.Y >= 0 && at.Y < h)
                probes.push_back({at.X, at.Y, Under(scene, at.X, at.Y)});
        return probes;
    }

} // namespace

TColor Under(const Scene& scene, int x, int y)
{
    if (scene.cap && scene.cap->box.Contains(x, y))
        return OnEdge(scene.cap->box, x, y) ? scene.cap->outline : scene.cap->fill;
    if (scene.base && scene.base->box.Contains(x, y) && !IsCorner(scene.base->box, x, y))
        return OnEdge(scene.base->box, x, y) ? scene.base->outline : scene.base->fill;
    return scene.background;
}

void ExpectScene(const QImage& image, const Scene& scene, TOrientationType orientation)
{
    const bool vertical = orientation == otLeft || orientation == otRight;
    ASSERT_EQ(image.width(), vertical ? scene.h : scene.w);
    ASSERT_EQ(image.height(), vertical ? scene.w : scene.h);
    for (const Probe& probe : Probes(scene)) {
        const TPoint at = TJumper::TurnedPixel(orientation, probe.x, probe.y, scene.w, scene.h);
        const TColor seen = VclTesting::PixelAt(image, at.X, at.Y);
        EXPECT_EQ(seen, probe.expected)
            << "upright pixel (" << probe.x << ", " << probe.y << ") shown at (" << at.X << ", "
            << at.Y << "): seen 0x" << std::hex << seen << ", expected 0x" << probe.expected;
    }
}

std::unique_ptr<TRadioPanel> MakeStage()
{
    auto panel = std::make_unique<TRadioPanel>(nullptr);
    panel->SetColor(kPanelColor);
    panel->SetBounds(0, 0, 120, 80);
    return panel;
}

ShownPanel::ShownPanel()
    : form(std::make_unique<TForm>(nullptr)), panel(new TRadioPanel(form.get()))
{
    form->SetBounds(0, 0, 300, 200);
    panel->SetParent(form.get());
    panel->SetColor(kPanelColor);
    panel->SetBounds(0, 0, 200, 100);
    panel->Show();
    form->Show();
    VclTesting::ProcessEventsAndIdle();
}

void ClickAt(TWinControl* parent, QPoint at)
{
    QWidget* view = parent->ClientView();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton,
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &event);
    }
}

} // namespace JumperTesting
