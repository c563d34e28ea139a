#include "vcl/Canvas.h"
#include "vcl/Graphic.h"
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {

constexpr TColor kNoPixel = 0xFFFFFFFF;
constexpr double kArcStepPixels = 2.0; // chord length of the polyline that approximates an arc
constexpr int kMinArcSteps = 8;
constexpr int kMaxArcSteps = 4096;

Qt::PenStyle ToQtPenStyle(TPenStyle style)
{
    switch (style) {
    case psDash:
        return Qt::DashLine;
    case psDot:
        return Qt::DotLine;
    case psClear:
        return Qt::NoPen;
    case psSolid:
        break;
    }
    return Qt::SolidLine;
}

// Wide pens end and join round, as the platform's wide pens do.
QPen ToQPen(const TPen& pen)
{
    if (pen.Width() == 1)
        return QPen(ToQColor(pen.Color()), 1, ToQtPenStyle(pen.Style()));
    return QPen(
        ToQColor(pen.Color()), pen.Width(), ToQtPenStyle(pen.Style()), Qt::RoundCap, Qt::RoundJoin);
}

QRect ToQRect(const TRect& rect)
{
    return QRect(rect.Left, rect.Top, rect.Width(), rect.Height());
}

// The box with its corners in order, whichever way round they were given.
QRect BoxRect(int x1, int y1, int x2, int y2)
{
    return QRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
}

// The geometric path of a box's shape for a pen: Qt strokes a one-pixel pen on the pixels right
// of and below the path, so the path runs one pixel inside the far edges to keep the outline on
// the box's outermost pixels; a wider pen is centred on the box's edges.
QRectF PathRect(const QRect& box, int penWidth)
{
    if (penWidth > 1)
        return QRectF(box);
    return QRectF(box.x(), box.y(), box.width() - 1, box.height() - 1);
}

// The parametric angle of the point where the ray from the centre of box towards target meets
// the inscribed ellipse (y measured upwards, as on the screen).
double ParametricAngle(const QRectF& box, QPointF target)
{
    const QPointF centre = box.center();
    return std::atan2(
        box.width() / 2 * (centre.y() - target.y()), box.height() / 2 * (target.x() - centre.x()));
}

QPainterPath ArcPath(const QRectF& path, double from, double to)
{
    double sweep = to - from;
    if (sweep <= 0)
        sweep += 2 * std::numbers::pi;
    const QPointF centre = path.center();
    const double a = path.width() / 2;
    const double b = path.height() / 2;
    const auto pointAt = [&](double t) {
        return QPointF(centre.x() + a * std::cos(t), centre.y() - b * std::sin(t));
    };
    const int steps
        = std::clamp(static_cast<int>(std::ceil(sweep * std::max(a, b) / kArcStepPixels)),
            kMinArcSteps, kMaxArcSteps);
    QPainterPath arc(pointAt(from));
    for (int step = 1; step <= steps; ++step)
        arc.lineTo(pointAt(from + sweep * step / steps));
    return arc;
}

// Formats whose pixels can be copied byte for byte from the first into the second.
bool RawCompatible(QImage::Format source, QImage::Format dest)
{
    if (source == dest)
        return source == QImage::Format_RGB32 || source == QImage::Format_ARGB32
            || source == QImage::Format_ARGB32_Premultiplied;
    return source == QImage::Format_RGB32
        && (dest == QImage::Format_ARGB32 || dest == QImage::Format_ARGB32_Premultiplied);
}

} // namespace

TCanvas::TCanvas() = default;
TCanvas::~TCanvas() = default;

void TCanvas::Bind(QImage* image, QPoint origin, QRect clip)
{
    image_ = image;
    origin_ = origin;
    clip_ = clip;
}

void TCanvas::Unbind()
{
    Bind(nullptr);
}

bool TCanvas::CanDraw() const
{
    return image_ && !image_->isNull();
}

// The image's area in the canvas's (logical) pixels; the image may hold several device
// pixels per logical one.
static QRect LogicalRect(const QImage& image)
{
    const qreal ratio = image.devicePixelRatio();
    return QRect(0, 0, qRound(image.width() / ratio), qRound(image.height() / ratio));
}

// A logical rectangle of image in its device pixels.
static QRect DeviceRect(const QImage& image, const QRect& logical)
{
    const qreal ratio = image.devicePixelRatio();
    return QRect(qRound(logical.x() * ratio), qRound(logical.y() * ratio),
        qRound(logical.width() * ratio), qRound(logical.height() * ratio));
}

QRect TCanvas::ClipRect() const
{
    return clip_.isEmpty() ? LogicalRect(*image_) : clip_ & LogicalRect(*image_);
}

void TCanvas::Prepare(QPainter& painter) const
{
    painter.setRenderHints(
        QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform,
        false);
    painter.setClipRect(ClipRect());
    painter.translate(origin_);
}

// Fills and outlines a shape that draw() puts into a rectangle with the painter's pen and brush.
// The fill is painted with a one-pixel pen of its own colour, so that it reaches the outermost
// pixels of the box exactly as an outline would (Qt's pen-less fill of curves may fall short).
template<typename DrawFn> void TCanvas::DrawShape(int x1, int y1, int x2, int y2, DrawFn draw)
{
    const QRect box = BoxRect(x1, y1, x2, y2);
    if (!CanDraw() || box.isEmpty())
        return;
    QPainter painter(image_);
    Prepare(painter);
    if (brush_.Style() != bsClear) {
        const QColor colour = ToQColor(brush_.Color());
        painter.setPen(QPen(colour, 1));
        painter.setBrush(colour);
        draw(painter, PathRect(box, 1));
    }
    if (pen_.Style() != psClear) {
        painter.setPen(ToQPen(pen_));
        painter.setBrush(Qt::NoBrush);
        draw(painter, PathRect(box, pen_.Width()));
    }
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    DrawShape(
        x1, y1, x2, y2, [](QPainter& painter, const QRectF& rect) { painter.drawRect(rect); });
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    DrawShape(x1, y1, x2, y2, [x3, y3](QPainter& painter, const QRectF& rect) {
        const double rx = std::min(std::abs(x3) / 2.0, rect.width() / 2);
        const double ry = std::min(std::abs(y3) / 2.0, rect.height() / 2);
        painter.drawRoundedRect(rect, rx, ry, Qt::AbsoluteSize);
    });
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    DrawShape(
        x1, y1, x2, y2, [](QPainter& painter, const QRectF& rect) { painter.drawEllipse(rect); });
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    const QRect box = BoxRect(x1, y1, x2, y2);
    if (!CanDraw() || box.isEmpty() || pen_.Style() == psClear)
        return;
    const double from = ParametricAngle(QRectF(box), QPointF(x3, y3));
    const double to = ParametricAngle(QRectF(box), QPointF(x4, y4));
    QPainter painter(image_);
    Prepare(painter);
    painter.setPen(ToQPen(pen_));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(ArcPath(PathRect(box, pen_.Width()), from, to));
}

void TCanvas::FillRect(const TRect& rect)
{
    if (!CanDraw() || brush_.Style() == bsClear || rect.Width() <= 0 || rect.Height() <= 0)
        return;
    QPainter painter(image_);
    Prepare(painter);
    painter.fillRect(ToQRect(rect), ToQColor(brush_.Color()));
}

void TCanvas::TextOut(int x, int y, const String& text)
{
    if (!CanDraw())
        return;
    QFont font = font_.ToQFont();
    const QFontMetrics metrics(font);
    QPainter painter(image_);
    Prepare(painter);
    if (brush_.Style() != bsClear) {
        painter.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()),
            ToQColor(brush_.Color()));
    }
    painter.setFont(font);
    painter.setPen(ToQColor(font_.Color()));
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
}

int TCanvas::TextWidth(const String& text)
{
    return QFontMetrics(font_.ToQFont()).horizontalAdvance(text);
}

int TCanvas::TextHeight(const String&)
{
    return QFontMetrics(font_.ToQFont()).height();
}

TColor TCanvas::Pixel(int x, int y) const
{
    if (!image_)
        return kNoPixel;
    const QPoint point = DeviceRect(*image_, QRect(QPoint(x, y) + origin_, QSize(1, 1))).topLeft();
    if (!image_->valid(point))
        return kNoPixel;
    const QRgb rgb = image_->pixel(point);
    return TColor(qRed(rgb)) | TColor(qGreen(rgb)) << 8 | TColor(qBlue(rgb)) << 16;
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    const QPoint point = QPoint(x, y) + origin_;
    if (!CanDraw() || !ClipRect().contains(point))
        return;
    const QRect device = DeviceRect(*image_, QRect(point, QSize(1, 1))) & image_->rect();
    for (int row = device.top(); row <= device.bottom(); ++row)
        for (int column = device.left(); column <= device.right(); ++column)
            image_->setPixel(column, row, ToQColor(color).rgb());
}

void TCanvas::Draw(int x, int y, TGraphic* graphic)
{
    if (graphic)
        StretchDraw(Bounds(x, y, graphic->Width(), graphic->Height()), graphic);
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic)
{
    if (graphic && !graphic->Empty())
        graphic->Draw(*this, rect);
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect)
{
    if (source.image_)
        Blit(*source.image_, ToQRect(sourceRect).translated(source.origin_),
            ToQRect(dest).translated(origin_));
}

void TCanvas::DrawImage(const TRect& rect, const QImage& image)
{
    Blit(image, LogicalRect(image), ToQRect(rect).translated(origin_));
}

// Copies from (source image coordinates) to to (this image's coordinates), clipped; both in
// logical pixels.
void TCanvas::Blit(const QImage& source, const QRect& from, const QRect& to)
{
    if (!CanDraw() || source.isNull() || from.isEmpty() || to.isEmpty())
        return;
    if (&source == image_) { // copying within one image: read from a snapshot
        const QImage snapshot = source.copy();
        Blit(snapshot, from, to);
        return;
    }
    const bool sameDensity = source.devicePixelRatio() == image_->devicePixelRatio();
    if (from.size() == to.size() && sameDensity
        && RawCompatible(source.format(), image_->format())) {
        CopyBlock(source, DeviceRect(source, from), DeviceRect(*image_, to));
        return;
    }
    QPainter painter(image_);
    painter.setClipRect(ClipRect());
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRectF(to), source, QRectF(DeviceRect(source, from)));
}

// A 1:1 copy of 32-bit pixels, row by row, of the part that lies in the source image and in the
// clip; from and to in device pixels.
void TCanvas::CopyBlock(const QImage& source, const QRect& from, const QRect& to)
{
    const QPoint shift = to.topLeft() - from.topLeft();
    const QRect target = (from & source.rect()).translated(shift) & DeviceRect(*image_, ClipRect());
    if (target.isEmpty())
        return;
    const QPoint sourceTopLeft = target.topLeft() - shift;
    const std::size_t rowBytes = std::size_t(target.width()) * 4;
    uchar* destBits = image_->bits();
    const uchar* sourceBits = source.constBits();
    const qsizetype destStride = image_->bytesPerLine();
    const qsizetype sourceStride = source.bytesPerLine();
    for (int row = 0; row < target.height(); ++row) {
        std::memcpy(destBits + (target.top() + row) * destStride + target.left() * 4,
            sourceBits + (sourceTopLeft.y() + row) * sourceStride + sourceTopLeft.x() * 4,
            rowBytes);
    }
}
