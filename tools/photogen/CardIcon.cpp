#include "CardIcon.h"

#include "Raster.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// Drawn on a 256 unit canvas and scaled, so the proportions do not depend on the output size.
constexpr double kCanvas = 256.0;

QPainterPath boardShape()
{
    QPainterPath board;
    board.addRoundedRect(QRectF(18, 58, 206, 132), 12, 12);
    QPainterPath tab;
    tab.addRect(QRectF(70, 180, 128, 32));
    QPainterPath key;
    key.addRect(QRectF(166, 196, 8, 20));
    return board.united(tab).subtracted(key);
}

void board(QPainter& p)
{
    const QPainterPath shape = boardShape();
    QLinearGradient green(QPointF(0, 58), QPointF(0, 212));
    green.setColorAt(0.0, QColor(46, 150, 80));
    green.setColorAt(1.0, QColor(22, 100, 52));
    p.fillPath(shape, green);
    p.setPen(QPen(QColor(14, 70, 36), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.setPen(QPen(QColor(90, 180, 110), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(112, 150), QPointF(112, 176));
    p.drawLine(QPointF(140, 150), QPointF(140, 176));
}

void fingers(QPainter& p)
{
    QLinearGradient goldTone(QPointF(0, 186), QPointF(0, 212));
    goldTone.setColorAt(0.0, QColor(255, 222, 120));
    goldTone.setColorAt(1.0, QColor(196, 140, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(goldTone);
    for (double x = 76; x < 194; x += 14) {
        if (x > 160 && x < 176)
            continue;
        p.drawRect(QRectF(x, 188, 9, 24));
    }
}

void parts(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(28, 28, 30));
    p.drawRoundedRect(QRectF(96, 100, 56, 50), 4, 4);
    p.setBrush(QColor(40, 90, 200));
    p.drawRoundedRect(QRectF(164, 74, 44, 40), 4, 4);
    p.setBrush(QColor(28, 28, 30));
    p.drawRect(QRectF(38, 70, 36, 18));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRectF(45, 76, 6, 6));
    p.drawRect(QRectF(61, 76, 6, 6));
}

void bracket(QPainter& p)
{
    QLinearGradient steel(QPointF(222, 0), QPointF(242, 0));
    steel.setColorAt(0.0, QColor(140, 142, 148));
    steel.setColorAt(0.4, QColor(236, 238, 240));
    steel.setColorAt(1.0, QColor(120, 122, 128));
    p.setPen(QPen(QColor(80, 82, 88), 2));
    p.setBrush(steel);
    p.drawRect(QRectF(222, 40, 18, 178));
    p.drawRect(QRectF(222, 40, 30, 12));
}

void marker(QPainter& p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 44, 0, 150), 14));
    p.drawEllipse(QPointF(57, 80), 30, 30);
    p.setPen(QPen(QColor(255, 214, 30), 9));
    p.drawEllipse(QPointF(56, 79), 30, 30);
}

} // namespace

CardIcon::CardIcon(int size) : m_size(size) { }

QImage CardIcon::render() const
{
    QImage image(m_size, m_size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(m_size / kCanvas, m_size / kCanvas);
    raster::softShadow(p, boardShape(), QPointF(4, 6), 4, 0.45);
    board(p);
    fingers(p);
    parts(p);
    bracket(p);
    marker(p);
    return image;
}
