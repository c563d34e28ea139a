#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPolygonF>
#include <QSize>

#include <vector>

#include "Rng.h"

class QPainter;
class PartPainter;

// Renders the top view of the ZX-4410 card as a product photograph: board on a grey paper
// backdrop, lit from the upper left. The application places markers over the two header
// groups, so their positions are fixed (see the constants in the source).
class CardPhoto
{
public:
    static constexpr QSize kSize {600, 409};

    CardPhoto();
    QImage render();

private:
    struct Track
    {
        QPolygonF route;
        double width;
    };
    struct Hole
    {
        QPointF centre;
        double clearance;
        bool via;
    };

    void fingerTracks();
    void logicTracks();
    void powerTracks();
    void holes();
    void addTrack(const QPolygonF& route, double width = 1.1);

    void background(QPainter& p);
    QImage boardLayer();
    void copper(QPainter& p);
    void reflection(QPainter& p);
    void fingers(QPainter& p);
    void dust(QPainter& p);
    void silkOutlines(QPainter& p);
    void silkLabels(QPainter& p);
    void passiveParts(PartPainter& parts);
    void logicParts(PartPainter& parts);
    void ioParts(PartPainter& parts);
    void headers(PartPainter& parts);
    void bracket(QPainter& p, QImage& image);
    void bracketHardware(QPainter& p);
    void finish(QImage& image);

    QPainterPath m_outline;
    std::vector<Track> m_tracks;
    std::vector<Hole> m_holes;
    Rng m_rng;
};
