#include "PartPainter.h"

#include "Raster.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

constexpr double kMm = 3.5; // picture pixels per millimetre of board
constexpr double kParallax = 0.0016; // sideways lean per pixel off axis and unit of height

QColor grey(int level, int alpha = 255)
{
    return QColor(level, level, level, alpha);
}

// Tin/nickel surface lit from above: bright band a third of the way across.
QLinearGradient metal(QPointF from, QPointF to, int dark, int light)
{
    QLinearGradient g(from, to);
    g.setColorAt(0.0, grey(dark));
    g.setColorAt(0.35, grey(light));
    g.setColorAt(0.6, grey((dark + light) / 2));
    g.setColorAt(1.0, grey(dark - 20));
    return g;
}

QLinearGradient gold(QPointF from, QPointF to)
{
    QLinearGradient g(from, to);
    g.setColorAt(0.0, QColor(150, 105, 35));
    g.setColorAt(0.4, QColor(250, 215, 125));
    g.setColorAt(0.7, QColor(205, 160, 65));
    g.setColorAt(1.0, QColor(140, 95, 30));
    return g;
}

QPainterPath roundedRect(const QRectF& r, double radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath ellipse(QPointF centre, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

// Soft white glint, the specular reflection of the lamp on a glossy surface.
void glint(QPainter& p, QPointF centre, double radius, int alpha)
{
    QRadialGradient g(centre, radius);
    g.setColorAt(0.0, QColor(255, 255, 255, alpha));
    g.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

} // namespace

PartPainter::PartPainter(QPainter& painter, QPointF cameraAxis) : m_p(painter), m_camera(cameraAxis)
{
}

QFont PartPainter::font(double pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStretch(QFont::Condensed);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void PartPainter::shadow(const QPainterPath& shape, double height)
{
    const int radius = std::max(1, static_cast<int>(std::lround(0.45 * height + 0.6)));
    raster::softShadow(m_p, shape, QPointF(0.45 * height, 0.6 * height), radius, 0.6);
}

QPointF PartPainter::lift(QPointF at, double height) const
{
    return (at - m_camera) * kParallax * height;
}

// Side walls: the footprint swept from the board up to the displaced top face.
void PartPainter::extrude(const QPainterPath& base, QPointF offset, const QColor& side)
{
    const int steps
        = std::max(1, static_cast<int>(std::ceil(std::hypot(offset.x(), offset.y()) * 2)));
    m_p.setPen(Qt::NoPen);
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        m_p.setBrush(side.darker(static_cast<int>(150 - 50 * t)));
        m_p.drawPath(base.translated(offset * t));
    }
}

void PartPainter::blackBody(const QRectF& body, double radius)
{
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(grey(58));
    m_p.drawRoundedRect(body, radius, radius);
    QLinearGradient face(body.topLeft(), body.bottomRight());
    face.setColorAt(0.0, QColor(44, 44, 47));
    face.setColorAt(1.0, QColor(22, 22, 24));
    const QRectF top = body.adjusted(1.1, 1.1, -1.3, -1.3);
    m_p.setBrush(face);
    m_p.drawRoundedRect(top, radius, radius);
    m_p.setPen(QPen(QColor(8, 8, 8, 170), 1.0));
    m_p.drawLine(
        QPointF(body.left() + 1, body.bottom() - 0.5), body.bottomRight() - QPointF(0, 0.5));
    m_p.drawLine(QPointF(body.right() - 0.5, body.top() + 1), body.bottomRight() - QPointF(0.5, 0));
    m_p.save();
    m_p.setClipRect(body);
    glint(m_p, top.topLeft() + QPointF(top.width() * 0.3, top.height() * 0.25),
        std::max(top.width(), top.height()) * 0.6, 16);
    m_p.restore();
}

void PartPainter::marking(const QRectF& body, const QStringList& lines, double pixelSize)
{
    if (lines.isEmpty())
        return;
    m_p.setFont(font(pixelSize, false));
    m_p.setPen(QColor(200, 200, 196, 165));
    const double lineHeight = pixelSize * 1.15;
    double y = body.center().y() - lineHeight * lines.size() / 2.0;
    for (const QString& line : lines) {
        m_p.drawText(QRectF(body.left(), y, body.width(), lineHeight), Qt::AlignCenter, line);
        y += lineHeight;
    }
}

void PartPainter::tinnedPad(const QRectF& pad)
{
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(metal(pad.topLeft(), pad.bottomRight(), 150, 225));
    m_p.drawRoundedRect(pad, 0.6, 0.6);
}

void PartPainter::pinRing(QPointF centre, double radius)
{
    QRadialGradient g(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
    g.setColorAt(0.0, grey(235));
    g.setColorAt(0.5, grey(180));
    g.setColorAt(1.0, grey(110));
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(g);
    m_p.drawEllipse(centre, radius, radius);
}

void PartPainter::gullWing(QPointF base, QPointF tip, double width)
{
    const QPointF along = tip - base;
    const bool horizontal = std::abs(along.x()) > std::abs(along.y());
    const QRectF lead = horizontal
        ? QRectF(QPointF(std::min(base.x(), tip.x()), base.y() - width / 2),
            QSizeF(std::abs(along.x()), width))
        : QRectF(QPointF(base.x() - width / 2, std::min(base.y(), tip.y())),
            QSizeF(width, std::abs(along.y())));
    QLinearGradient g(base, tip);
    g.setColorAt(0.0, grey(95));
    g.setColorAt(0.45, grey(230));
    g.setColorAt(0.7, grey(150));
    g.setColorAt(1.0, grey(205));
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(g);
    m_p.drawRect(lead);
}

void PartPainter::dip(const QRectF& body, int pinsPerSide, const QStringList& lines)
{
    const double pitch = 2.54 * kMm;
    const double rowOffset = 7.62 * kMm / 2;
    const double firstX = body.center().x() - pitch * (pinsPerSide - 1) / 2;
    for (int i = 0; i < pinsPerSide; ++i) {
        for (const double side : {-1.0, 1.0}) {
            const QPointF pad(firstX + i * pitch, body.center().y() + side * rowOffset);
            pinRing(pad, 3.4);
            const QPointF edge(pad.x(), body.center().y() + side * body.height() / 2);
            QPainterPath lead;
            lead.moveTo(edge + QPointF(-2.1, 0));
            lead.lineTo(edge + QPointF(2.1, 0));
            lead.lineTo(pad + QPointF(1.0, 0));
            lead.lineTo(pad + QPointF(-1.0, 0));
            m_p.setBrush(metal(edge - QPointF(2.1, 0), edge + QPointF(2.1, 0), 120, 235));
            m_p.drawPath(lead);
        }
    }
    shadow(roundedRect(body, 1.0), 5.0);
    blackBody(body, 1.0);
    QPainterPath notch;
    notch.addEllipse(QPointF(body.left(), body.center().y()), 3.2, 3.2);
    m_p.setBrush(QColor(14, 14, 15));
    m_p.drawPath(notch.intersected(roundedRect(body, 1.0)));
    m_p.setBrush(QColor(30, 30, 32));
    m_p.drawEllipse(QPointF(body.left() + 6, body.bottom() - 5.5), 2.2, 2.2);
    marking(body.adjusted(8, 0, 0, 0), lines, 7.0);
}

void PartPainter::soic(const QRectF& body, int pinsPerSide, const QStringList& lines)
{
    const double pitch = 1.27 * kMm;
    const double firstX = body.center().x() - pitch * (pinsPerSide - 1) / 2;
    for (int i = 0; i < pinsPerSide; ++i) {
        const double x = firstX + i * pitch;
        tinnedPad(QRectF(x - 1.2, body.top() - 5.2, 2.4, 5.6));
        tinnedPad(QRectF(x - 1.2, body.bottom() - 0.4, 2.4, 5.6));
        gullWing(QPointF(x, body.top()), QPointF(x, body.top() - 3.6), 1.5);
        gullWing(QPointF(x, body.bottom()), QPointF(x, body.bottom() + 3.6), 1.5);
    }
    shadow(roundedRect(body, 0.8), 2.5);
    blackBody(body, 0.8);
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(QColor(16, 16, 17));
    m_p.drawEllipse(QPointF(body.left() + 2.6, body.bottom() - 2.6), 1.2, 1.2);
    marking(body.adjusted(2, 0, 0, 0), lines, 4.6);
}

void PartPainter::qfp(const QRectF& body, int pinsPerSide, const QStringList& lines)
{
    const double pitch = 0.5 * kMm;
    const double span = pitch * (pinsPerSide - 1);
    const QPointF c = body.center();
    const double half = body.width() / 2;
    for (int i = 0; i < pinsPerSide; ++i) {
        const double t = -span / 2 + i * pitch;
        tinnedPad(QRectF(c.x() + t - 0.55, body.top() - 5.0, 1.1, 5.4));
        tinnedPad(QRectF(c.x() + t - 0.55, body.bottom() - 0.4, 1.1, 5.4));
        tinnedPad(QRectF(body.left() - 5.0, c.y() + t - 0.55, 5.4, 1.1));
        tinnedPad(QRectF(body.right() - 0.4, c.y() + t - 0.55, 5.4, 1.1));
        gullWing(QPointF(c.x() + t, c.y() - half), QPointF(c.x() + t, c.y() - half - 3.4), 0.9);
        gullWing(QPointF(c.x() + t, c.y() + half), QPointF(c.x() + t, c.y() + half + 3.4), 0.9);
        gullWing(QPointF(c.x() - half, c.y() + t), QPointF(c.x() - half - 3.4, c.y() + t), 0.9);
        gullWing(QPointF(c.x() + half, c.y() + t), QPointF(c.x() + half + 3.4, c.y() + t), 0.9);
    }
    shadow(roundedRect(body, 0.6), 3.0);
    blackBody(body, 0.6);
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(QColor(15, 15, 16));
    m_p.drawEllipse(body.topLeft() + QPointF(4.5, 4.5), 2.0, 2.0);
    m_p.setBrush(QColor(36, 36, 38));
    m_p.drawEllipse(body.bottomRight() - QPointF(6.5, 6.5), 3.2, 3.2);
    marking(body, lines, 6.4);
}

void PartPainter::sot223(const QRectF& body, const QString& text)
{
    const double pitch = 2.3 * kMm;
    const QRectF tab(body.center().x() - 5.4, body.top() - 5.2, 10.8, 5.6);
    tinnedPad(tab.adjusted(-0.8, -1.0, 0.8, 0));
    m_p.setBrush(metal(tab.topLeft(), tab.topRight(), 140, 230));
    m_p.drawRect(tab);
    for (int i = -1; i <= 1; ++i) {
        const double x = body.center().x() + i * pitch;
        tinnedPad(QRectF(x - 1.6, body.bottom() - 0.4, 3.2, 6.0));
        gullWing(QPointF(x, body.bottom()), QPointF(x, body.bottom() + 4.2), 2.2);
    }
    shadow(roundedRect(body, 0.6), 3.0);
    blackBody(body, 0.6);
    marking(body, {text}, 4.8);
}

void PartPainter::sot23(QPointF centre)
{
    const QRectF body(centre.x() - 5.0, centre.y() - 2.3, 10.0, 4.6);
    for (const double x : {centre.x() - 3.3, centre.x() + 3.3}) {
        tinnedPad(QRectF(x - 1.4, body.bottom() - 0.3, 2.8, 3.8));
        gullWing(QPointF(x, body.bottom()), QPointF(x, body.bottom() + 2.6), 1.4);
    }
    tinnedPad(QRectF(centre.x() - 1.4, body.top() - 3.5, 2.8, 3.8));
    gullWing(QPointF(centre.x(), body.top()), QPointF(centre.x(), body.top() - 2.6), 1.4);
    shadow(roundedRect(body, 0.4), 2.0);
    blackBody(body, 0.4);
}

void PartPainter::chip(QPointF centre, bool vertical, Chip kind)
{
    const QSizeF size = vertical ? QSizeF(4.4, 7.0) : QSizeF(7.0, 4.4);
    const QRectF body(centre - QPointF(size.width() / 2, size.height() / 2), size);
    tinnedPad(body.adjusted(-1.0, -0.6, 1.0, 0.6));
    shadow(roundedRect(body, 0.4), 1.4);
    const QRectF end1 = vertical ? QRectF(body.topLeft(), QSizeF(body.width(), 1.7))
                                 : QRectF(body.topLeft(), QSizeF(1.7, body.height()));
    const QRectF end2 = vertical ? end1.translated(0, body.height() - 1.7)
                                 : end1.translated(body.width() - 1.7, 0);
    const QRectF middle
        = vertical ? body.adjusted(0, 1.7, 0, -1.7) : body.adjusted(1.7, 0, -1.7, 0);
    m_p.setPen(Qt::NoPen);
    if (kind == Chip::Resistor) {
        m_p.setBrush(QColor(30, 30, 30));
    } else {
        QLinearGradient g(body.topLeft(), body.bottomRight());
        g.setColorAt(0.0, QColor(196, 164, 112));
        g.setColorAt(1.0, QColor(140, 110, 70));
        m_p.setBrush(g);
    }
    m_p.drawRect(middle);
    for (const QRectF& end : {end1, end2}) {
        m_p.setBrush(
            metal(body.topLeft(), vertical ? body.topRight() : body.bottomLeft(), 150, 235));
        m_p.drawRect(end);
    }
}

void PartPainter::melf(QPointF centre, bool vertical)
{
    const QSizeF size = vertical ? QSizeF(5.0, 12.0) : QSizeF(12.0, 5.0);
    const QRectF body(centre - QPointF(size.width() / 2, size.height() / 2), size);
    tinnedPad(body.adjusted(-1.2, -0.8, 1.2, 0.8));
    shadow(roundedRect(body, 2.0), 2.0);
    QLinearGradient glass(body.topLeft(), vertical ? body.topRight() : body.bottomLeft());
    glass.setColorAt(0.0, QColor(120, 40, 30));
    glass.setColorAt(0.3, QColor(235, 150, 120));
    glass.setColorAt(0.6, QColor(180, 70, 50));
    glass.setColorAt(1.0, QColor(90, 25, 20));
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(glass);
    m_p.drawRoundedRect(body, 2.0, 2.0);
    const QRectF band = vertical ? QRectF(body.left(), body.top() + 2.6, body.width(), 1.8)
                                 : QRectF(body.left() + 2.6, body.top(), 1.8, body.height());
    m_p.setBrush(QColor(20, 18, 18, 220));
    m_p.drawRect(band);
}

void PartPainter::header(QPointF firstPin, int pins, double pitch)
{
    const QRectF base(firstPin.x() - pitch / 2, firstPin.y() - pitch / 2, pitch * pins, pitch);
    const QPointF top = lift(base.center(), 3.0);
    shadow(roundedRect(base, 0.5), 6.0);
    for (int i = 0; i < pins; ++i) {
        const QPointF pin = firstPin + QPointF(i * pitch, 0);
        raster::softShadow(m_p, roundedRect(QRectF(pin, QSizeF(9.0, 1.6)).translated(0, -0.8), 0.8),
            QPointF(0.5, 3.5), 1, 0.45);
    }
    extrude(roundedRect(base, 0.5), top, QColor(40, 40, 42));
    for (int i = 0; i < pins; ++i) {
        const QRectF cell(base.left() + i * pitch, base.top(), pitch, pitch);
        blackBody(cell.adjusted(0.2, 0, -0.2, 0).translated(top), 0.6);
    }
    for (int i = 0; i < pins; ++i)
        pinPost(firstPin + QPointF(i * pitch, 0), 3.0, 9.0);
}

// Square gold post rising from `fromHeight` to its tip at `toHeight`.
void PartPainter::pinPost(QPointF pin, double fromHeight, double toHeight)
{
    const QPointF foot = pin + lift(pin, fromHeight);
    const QPointF tip = pin + lift(pin, toHeight);
    m_p.setPen(QPen(QColor(150, 108, 40), 3.0, Qt::SolidLine, Qt::FlatCap));
    m_p.drawLine(foot, tip);
    const QRectF post(tip - QPointF(1.7, 1.7), QSizeF(3.4, 3.4));
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(gold(post.topLeft(), post.bottomRight()));
    m_p.drawRect(post);
    m_p.setBrush(QColor(255, 246, 210, 235));
    m_p.drawRect(QRectF(post.topLeft() + QPointF(0.6, 0.6), QSizeF(1.4, 1.4)));
}

// Closed-top blue jumper shunt pressed onto two posts.
void PartPainter::shunt(QPointF firstPin, double pitch)
{
    const QRectF base(
        firstPin.x() - pitch * 0.55, firstPin.y() - pitch * 0.62, pitch * 2.1, pitch * 1.24);
    shadow(roundedRect(base, 1.2), 9.0);
    const QPointF low = lift(base.center(), 3.0);
    const QPointF high = lift(base.center(), 8.0);
    extrude(roundedRect(base.translated(low), 1.2), high - low, QColor(30, 60, 150));
    const QRectF body = base.translated(high);
    QLinearGradient face(body.topLeft(), body.bottomRight());
    face.setColorAt(0.0, QColor(70, 110, 215));
    face.setColorAt(1.0, QColor(26, 52, 140));
    m_p.setPen(QPen(QColor(18, 34, 90), 0.8));
    m_p.setBrush(face);
    m_p.drawRoundedRect(body, 1.2, 1.2);
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(QColor(24, 44, 110, 160));
    m_p.drawRoundedRect(QRectF(body.center() - QPointF(3.0, 2.2), QSizeF(6.0, 4.4)), 0.8, 0.8);
    m_p.setPen(QPen(QColor(200, 220, 255, 140), 0.8));
    m_p.drawLine(QPointF(body.left() + 1.5, body.top() + 1.0),
        QPointF(body.right() - 1.5, body.top() + 1.0));
    m_p.save();
    m_p.setClipRect(body);
    glint(m_p, body.topLeft() + QPointF(body.width() * 0.3, body.height() * 0.3),
        body.width() * 0.4, 70);
    m_p.restore();
}

void PartPainter::electrolytic(QPointF base, double radius)
{
    shadow(ellipse(base, radius, radius), 10.0);
    const QPointF centre = base + lift(base, 10.0);
    extrude(ellipse(base, radius, radius), centre - base, QColor(34, 34, 52));
    QRadialGradient sleeve(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.4);
    sleeve.setColorAt(0.0, QColor(40, 40, 60));
    sleeve.setColorAt(1.0, QColor(10, 10, 20));
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(sleeve);
    m_p.drawEllipse(centre, radius, radius);
    QPainterPath stripe;
    stripe.moveTo(centre);
    stripe.arcTo(QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)), 150, 60);
    stripe.closeSubpath();
    m_p.setBrush(QColor(150, 150, 165));
    m_p.drawPath(stripe.subtracted(ellipse(centre, radius * 0.8, radius * 0.8)));
    const double top = radius * 0.74;
    QRadialGradient alu(centre - QPointF(top * 0.35, top * 0.35), top * 1.5);
    alu.setColorAt(0.0, grey(238));
    alu.setColorAt(0.55, grey(178));
    alu.setColorAt(1.0, grey(112));
    m_p.setBrush(alu);
    m_p.drawEllipse(centre, top, top);
    m_p.setPen(QPen(grey(70, 200), 0.9));
    m_p.setBrush(Qt::NoBrush);
    m_p.drawEllipse(centre, top, top);
    for (const double angle : {90.0, 210.0, 330.0}) {
        const double a = angle * M_PI / 180.0;
        const QPointF tip = centre + QPointF(std::cos(a), -std::sin(a)) * top * 0.8;
        m_p.setPen(QPen(grey(95, 210), 1.0));
        m_p.drawLine(centre, tip);
        m_p.setPen(QPen(grey(245, 150), 0.6));
        m_p.drawLine(centre + QPointF(-0.6, -0.6), tip + QPointF(-0.6, -0.6));
    }
    glint(m_p, centre - QPointF(top * 0.35, top * 0.4), top * 0.45, 150);
}

// A box standing up from the board: its shadow, its sides, its top with a lit face inset.
// Returns the top's rectangle.
QRectF PartPainter::raisedBox(const QRectF& base, const RaisedBoxStyle& style)
{
    shadow(roundedRect(base, style.radius), style.height);
    const QPointF up = lift(base.center(), style.height);
    extrude(roundedRect(base, style.radius), up, style.side);
    const QRectF body = base.translated(up);
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(style.top);
    m_p.drawRoundedRect(body, style.radius, style.radius);
    QLinearGradient face(body.topLeft(), body.bottomRight());
    face.setColorAt(0.0, style.faceLight);
    face.setColorAt(1.0, style.faceDark);
    m_p.setBrush(face);
    m_p.drawRoundedRect(
        body.adjusted(style.faceInset, style.faceInset, -style.faceInsetFar, -style.faceInsetFar),
        style.faceRadius, style.faceRadius);
    return body;
}

void PartPainter::relay(const QRectF& base, const QStringList& lines)
{
    const QRectF body = raisedBox(base,
        {2.0, 14.0, QColor(40, 80, 180), QColor(22, 52, 140), QColor(64, 108, 214),
            QColor(32, 70, 170), 1.6, 2.2, 1.5});
    m_p.save();
    m_p.setClipRect(body);
    glint(m_p, body.topLeft() + QPointF(body.width() * 0.3, body.height() * 0.25),
        body.width() * 0.55, 40);
    m_p.restore();
    m_p.setFont(font(4.8, false));
    m_p.setPen(QColor(235, 238, 245, 215));
    double y = body.top() + 8.0;
    for (const QString& line : lines) {
        m_p.drawText(QRectF(body.left() + 6, y, body.width() - 12, 6.5),
            Qt::AlignLeft | Qt::AlignVCenter, line);
        y += 6.6;
    }
}

void PartPainter::crystal(const QRectF& base, const QString& text)
{
    const double r = base.height() / 2;
    shadow(roundedRect(base, r), 4.0);
    const QPointF up = lift(base.center(), 4.0);
    extrude(roundedRect(base, r), up, QColor(150, 150, 150));
    const QRectF body = base.translated(up);
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(grey(90));
    m_p.drawRoundedRect(body.adjusted(-1.0, -1.0, 1.0, 1.0), r + 1, r + 1);
    m_p.setBrush(metal(body.topLeft(), body.bottomLeft(), 120, 246));
    m_p.drawRoundedRect(body, r, r);
    const QRectF flat = body.adjusted(2.2, 2.2, -2.2, -2.2);
    m_p.setBrush(metal(flat.topLeft(), flat.bottomLeft(), 160, 226));
    m_p.drawRoundedRect(flat, flat.height() / 2, flat.height() / 2);
    m_p.setFont(font(5.4, true));
    m_p.setPen(grey(95, 200));
    m_p.drawText(flat, Qt::AlignCenter, text);
}

void PartPainter::led(QPointF base, double radius)
{
    shadow(ellipse(base, radius * 1.15, radius * 1.15), 7.0);
    const QPointF centre = base + lift(base, 7.0);
    extrude(ellipse(base, radius, radius), centre - base, QColor(180, 30, 24));
    QPainterPath flange = ellipse(centre, radius * 1.15, radius * 1.15);
    QPainterPath cut;
    cut.addRect(QRectF(centre.x() + radius * 0.98, centre.y() - radius * 2, radius, radius * 4));
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(QColor(150, 25, 20));
    m_p.drawPath(flange.subtracted(cut));
    QRadialGradient dome(centre - QPointF(radius * 0.25, radius * 0.25), radius * 1.1);
    dome.setColorAt(0.0, QColor(255, 105, 80));
    dome.setColorAt(0.5, QColor(205, 35, 25));
    dome.setColorAt(1.0, QColor(110, 10, 8));
    m_p.setBrush(dome);
    m_p.drawEllipse(centre, radius, radius);
    glint(m_p, centre - QPointF(radius * 0.38, radius * 0.42), radius * 0.42, 230);
}

void PartPainter::terminalBlock(const QRectF& base, int poles)
{
    const QRectF body = raisedBox(base,
        {1.0, 11.0, QColor(40, 140, 70), QColor(20, 110, 50), QColor(70, 175, 95),
            QColor(38, 130, 64), 1.4, 2.0, 1.0});
    const double pitch = body.height() / poles;
    for (int i = 0; i < poles; ++i) {
        const QPointF c(body.left() + body.width() * 0.42, body.top() + pitch * (i + 0.5));
        const double hole = pitch * 0.38;
        m_p.setBrush(QColor(12, 60, 26));
        m_p.drawRect(
            QRectF(c - QPointF(hole + 1.2, hole + 1.2), QSizeF(2 * hole + 2.4, 2 * hole + 2.4)));
        screw(c, hole);
        m_p.setBrush(QColor(10, 40, 18));
        m_p.drawRect(QRectF(body.right() - 6.5, c.y() - pitch * 0.28, 4.5, pitch * 0.56));
    }
}

void PartPainter::dsub(const QRectF& body)
{
    const QRectF plastic(body.left(), body.top() + 14.0, body.width() - 6.0, body.height() - 28.0);
    const QRectF flange(body.right() - 6.0, body.top(), 4.0, body.height());
    shadow(roundedRect(plastic, 1.0), 10.0);
    shadow(roundedRect(flange, 0.5), 10.0);
    for (const double y : {body.top() + 7.0, body.bottom() - 7.0}) {
        const QRectF ear(body.left() + 10.0, y - 5.5, body.width() - 14.0, 11.0);
        m_p.setPen(Qt::NoPen);
        m_p.setBrush(metal(ear.topLeft(), ear.bottomLeft(), 140, 205));
        m_p.drawRect(ear);
        m_p.setBrush(grey(90));
        m_p.drawEllipse(QPointF(ear.left() + 6.0, y), 2.6, 2.6);
        m_p.setBrush(grey(200));
        m_p.drawEllipse(QPointF(ear.left() + 5.6, y - 0.4), 1.6, 1.6);
    }
    const QPointF up = lift(plastic.center(), 10.0);
    extrude(roundedRect(plastic, 1.0), up, QColor(36, 36, 38));
    blackBody(plastic.translated(up), 1.0);
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(QColor(30, 30, 32));
    for (const double y : {plastic.top() + 12.0, plastic.bottom() - 12.0})
        m_p.drawEllipse(QPointF(plastic.center().x(), y) + up, 2.4, 2.4);
    const QPointF flangeUp = lift(flange.center(), 10.0);
    extrude(roundedRect(flange, 0.5), flangeUp, QColor(170, 170, 172));
    m_p.setBrush(metal(flange.topLeft(), flange.topRight(), 120, 240));
    m_p.drawRect(flange.translated(flangeUp));
}

void PartPainter::screw(QPointF centre, double radius)
{
    shadow(ellipse(centre, radius, radius), 2.0);
    QRadialGradient head(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
    head.setColorAt(0.0, grey(250));
    head.setColorAt(0.5, grey(185));
    head.setColorAt(1.0, grey(95));
    m_p.setPen(QPen(grey(70, 200), 0.7));
    m_p.setBrush(head);
    m_p.drawEllipse(centre, radius, radius);
    m_p.setPen(QPen(grey(40, 230), std::max(0.9, radius * 0.28), Qt::SolidLine, Qt::RoundCap));
    const double arm = radius * 0.55;
    m_p.drawLine(centre - QPointF(arm, arm * 0.3), centre + QPointF(arm, arm * 0.3));
    m_p.drawLine(centre - QPointF(-arm * 0.3, arm), centre + QPointF(-arm * 0.3, arm));
}

void PartPainter::label(const QRectF& area, const QStringList& lines)
{
    shadow(roundedRect(area, 1.0), 1.2);
    m_p.setPen(Qt::NoPen);
    QLinearGradient paper(area.topLeft(), area.bottomRight());
    paper.setColorAt(0.0, QColor(246, 245, 238));
    paper.setColorAt(1.0, QColor(222, 222, 214));
    m_p.setBrush(paper);
    m_p.drawRoundedRect(area, 1.0, 1.0);
    const QRectF bars(area.left() + 4, area.top() + 3, area.width() - 8, area.height() * 0.5);
    const QByteArray code = lines.value(0).toLatin1();
    double x = bars.left();
    m_p.setBrush(QColor(25, 25, 25));
    for (int i = 0; x < bars.right() - 2; ++i) {
        const int bits = code.isEmpty() ? i : code.at(i % code.size()) + i;
        const double w = 0.7 + (bits % 3) * 0.55;
        if (i % 2 == 0)
            m_p.drawRect(QRectF(x, bars.top(), w, bars.height()));
        x += w + 0.6 + ((bits >> 2) % 2) * 0.6;
    }
    m_p.setFont(font(5.2, false));
    m_p.setPen(QColor(30, 30, 30));
    double y = bars.bottom() + 0.5;
    for (const QString& line : lines) {
        m_p.drawText(QRectF(area.left() + 2, y, area.width() - 4, 6.0), Qt::AlignCenter, line);
        y += 6.0;
    }
}

void PartPainter::buzzer(QPointF base, double radius)
{
    shadow(ellipse(base, radius, radius), 9.0);
    const QPointF centre = base + lift(base, 9.0);
    extrude(ellipse(base, radius, radius), centre - base, QColor(34, 34, 36));
    QRadialGradient top(centre - QPointF(radius * 0.4, radius * 0.4), radius * 1.5);
    top.setColorAt(0.0, QColor(52, 52, 55));
    top.setColorAt(1.0, QColor(16, 16, 18));
    m_p.setPen(QPen(QColor(70, 70, 74), 0.8));
    m_p.setBrush(top);
    m_p.drawEllipse(centre, radius, radius);
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(QColor(4, 4, 4));
    m_p.drawEllipse(centre, radius * 0.2, radius * 0.2);
    m_p.setFont(font(6.5, true));
    m_p.setPen(QColor(170, 170, 170, 160));
    m_p.drawText(
        QRectF(centre.x() - radius * 0.75, centre.y() - radius * 0.8, radius * 0.6, radius * 0.6),
        Qt::AlignCenter, QStringLiteral("+"));
    glint(m_p, centre - QPointF(radius * 0.4, radius * 0.45), radius * 0.5, 45);
}

void PartPainter::tantalum(QPointF centre)
{
    const QRectF body(centre.x() - 6.0, centre.y() - 3.0, 12.0, 6.0);
    tinnedPad(body.adjusted(-1.2, 0.3, 1.2, -0.3));
    shadow(roundedRect(body, 0.6), 2.5);
    QLinearGradient amber(body.topLeft(), body.bottomLeft());
    amber.setColorAt(0.0, QColor(250, 190, 60));
    amber.setColorAt(1.0, QColor(190, 120, 20));
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(amber);
    m_p.drawRoundedRect(body, 0.6, 0.6);
    m_p.setBrush(QColor(120, 70, 20, 220));
    m_p.drawRect(QRectF(body.left() + 1.2, body.top(), 1.8, body.height()));
}
