#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;
class QPainterPath;

// Draws the individual components of the card as seen from above, lit from the upper left.
// Every part casts its own soft shadow before its body is painted. Tall parts lean away from
// the camera axis (perspective of a lens at finite distance), which shows a little of their
// sides and is much of what makes the picture read as a photograph.
class PartPainter
{
public:
    PartPainter(QPainter& painter, QPointF cameraAxis);

    // Narrow sans face as used for laser marking and silk screen.
    static QFont font(double pixelSize, bool bold);

    enum class Chip { Resistor, Capacitor };

    void dip(const QRectF& body, int pinsPerSide, const QStringList& marking);
    void soic(const QRectF& body, int pinsPerSide, const QStringList& marking);
    void qfp(const QRectF& body, int pinsPerSide, const QStringList& marking);
    void sot223(const QRectF& body, const QString& marking);
    void sot23(QPointF centre);
    void chip(QPointF centre, bool vertical, Chip kind);
    void melf(QPointF centre, bool vertical);
    void header(QPointF firstPin, int pins, double pitch);
    void shunt(QPointF firstPin, double pitch);
    void electrolytic(QPointF centre, double radius);
    void relay(const QRectF& body, const QStringList& marking);
    void crystal(const QRectF& body, const QString& marking);
    void led(QPointF centre, double radius);
    void terminalBlock(const QRectF& body, int poles);
    void dsub(const QRectF& body);
    void screw(QPointF centre, double radius);
    void label(const QRectF& area, const QStringList& lines);
    void buzzer(QPointF centre, double radius);
    void tantalum(QPointF centre);

private:
    struct RaisedBoxStyle
    {
        double radius, height;
        QColor side, top, faceLight, faceDark;
        double faceInset, faceInsetFar, faceRadius;
    };
    QRectF raisedBox(const QRectF& base, const RaisedBoxStyle& style);
    void shadow(const QPainterPath& shape, double height);
    QPointF lift(QPointF at, double height) const;
    void extrude(const QPainterPath& base, QPointF offset, const QColor& side);
    void blackBody(const QRectF& body, double radius);
    void marking(const QRectF& body, const QStringList& lines, double pixelSize);
    void gullWing(QPointF base, QPointF tip, double width);
    void tinnedPad(const QRectF& pad);
    void pinRing(QPointF centre, double radius);
    void pinPost(QPointF pin, double fromHeight, double toHeight);

    QPainter& m_p;
    QPointF m_camera;
};
