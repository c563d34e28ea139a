#include "CardPhoto.h"

#include "PartPainter.h"
#include "Raster.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <vector>

namespace {

// Board geometry in picture pixels (about 3.5 px per millimetre).
constexpr double kBoardLeft = 8.0;
constexpr double kBoardTop = 1.0;
constexpr double kBoardRight = 564.0;
constexpr double kBoardBottom = 372.0;
constexpr double kTabLeft = 200.0;
constexpr double kTabRight = 500.0;
constexpr double kTabBottom = 399.0;
constexpr double kBracketLeft = 562.0;
constexpr double kBracketRight = 590.0;

// PCI edge connector: 62 contact positions at 1.27 mm, key gap at positions 49-50.
constexpr double kFingerX0 = 206.0;
constexpr double kFingerPitch = 4.65;
constexpr int kFingerSlots = 62;
constexpr int kKeySlot = 49;
constexpr double kFingerTop = 379.0;

// The application draws its markers over these headers; they must stay exactly here.
constexpr double kHeaderPitch = 9.5;
const QPointF kResetHeaderPin1(73.0, 11.0); // J1, marker spot x 59..127, y 0..23
const QPointF kSwitchHeaderPin1(103.5, 11.0); // J2
const QPointF kRelayJumperPin1(122.0, 259.5); // JP1, marker spot x 106..157, y 249..270
const QRectF kConnectionSpot(59, 0, 68, 23);
const QRectF kRelaySpot(106, 249, 51, 21);

// The PCI target controller and the microcontroller anchor most of the routing.
const QPointF kAsicCentre(350.0, 262.0);
constexpr double kAsicHalf = 28.0;
constexpr double kQfpPitch = 1.75;
const QPointF kMcuCentre(252.0, 90.5);
constexpr double kDipPitch = 8.89;
constexpr double kDipRow = 13.34;

// Solder mask over bare laminate, over copper, and the silk-screen ink.
const QColor kBare(20, 76, 44);
const QColor kCopper(36, 108, 60);
const QColor kSilk(232, 236, 226, 230);
const QPointF kCameraAxis(300.0, 200.0);

double fingerX(int slot)
{
    return kFingerX0 + slot * kFingerPitch + kFingerPitch / 2;
}

bool isKey(int slot)
{
    return slot == kKeySlot || slot == kKeySlot + 1;
}

double asicLead(int index)
{
    return -12 * kQfpPitch + index * kQfpPitch;
}

QPointF mcuPin(int index, bool topRow)
{
    return {kMcuCentre.x() - kDipPitch * 6.5 + index * kDipPitch,
        kMcuCentre.y() + (topRow ? -kDipRow : kDipRow)};
}

double sign(double v)
{
    return v < 0 ? -1.0 : 1.0;
}

// Vertical, then 45 degrees, then vertical again: the usual way a bus changes its x.
QPolygonF jogRoute(QPointF from, QPointF to, double bendY)
{
    const double dx = to.x() - from.x();
    const double dir = sign(to.y() - from.y());
    return QPolygonF(
        {from, QPointF(from.x(), bendY), QPointF(to.x(), bendY + dir * std::abs(dx)), to});
}

// Vertical to the row of `to`, then horizontal, with a 45 degree chamfer at the corner.
QPolygonF cornerRoute(QPointF from, QPointF to, double chamfer)
{
    const double dy = sign(to.y() - from.y());
    const double dx = sign(to.x() - from.x());
    return QPolygonF({from, QPointF(from.x(), to.y() - dy * chamfer),
        QPointF(from.x() + dx * chamfer, to.y()), to});
}

// Bare tinned pad for probing.
void testPoint(QPainter& p, QPointF centre)
{
    QRadialGradient tin(centre - QPointF(1.2, 1.2), 4.5);
    tin.setColorAt(0.0, QColor(240, 240, 236));
    tin.setColorAt(1.0, QColor(130, 132, 130));
    p.setPen(Qt::NoPen);
    p.setBrush(tin);
    p.drawEllipse(centre, 3.2, 3.2);
}

void silk(QPainter& p, const QString& text, QPointF at, double size, bool bold = true)
{
    p.setFont(PartPainter::font(size, bold));
    p.setPen(kSilk);
    p.drawText(at, text);
}

void silkCentred(QPainter& p, const QString& text, QPointF centre, double size)
{
    p.setFont(PartPainter::font(size, true));
    p.setPen(kSilk);
    p.drawText(QRectF(centre.x() - 40, centre.y() - size, 80, 2 * size), Qt::AlignCenter, text);
}

void silkBox(QPainter& p, const QRectF& box)
{
    p.setPen(QPen(kSilk, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
}

QPainterPath bracketShape()
{
    QPainterPath plate;
    plate.addRect(QRectF(kBracketLeft, 0, kBracketRight - kBracketLeft, kBoardBottom + 6));
    plate.addRect(QRectF(kBracketLeft - 6, 0, 44, 13));
    QPainterPath tongue;
    tongue.moveTo(kBracketLeft + 4, kBoardBottom + 5);
    tongue.lineTo(kBracketLeft + 20, kBoardBottom + 5);
    tongue.lineTo(kBracketLeft + 20, 398);
    tongue.lineTo(kBracketLeft + 14, 406);
    tongue.lineTo(kBracketLeft + 4, 406);
    tongue.closeSubpath();
    QPainterPath slot;
    slot.addRoundedRect(QRectF(591, 4, 14, 5.5), 2.7, 2.7);
    return plate.united(tongue).subtracted(slot);
}

QPainterPath boardOutline()
{
    QPainterPath board;
    board.addRoundedRect(
        QRectF(kBoardLeft, kBoardTop, kBoardRight - kBoardLeft + 10, kBoardBottom - kBoardTop), 9,
        9);
    QPainterPath tab;
    tab.moveTo(kTabLeft, kBoardBottom - 4);
    tab.lineTo(kTabRight, kBoardBottom - 4);
    tab.lineTo(kTabRight, kTabBottom - 3);
    tab.lineTo(kTabRight - 3, kTabBottom);
    tab.lineTo(kTabLeft + 3, kTabBottom);
    tab.lineTo(kTabLeft, kTabBottom - 3);
    tab.closeSubpath();
    QPainterPath key;
    const double keyLeft = kFingerX0 + kKeySlot * kFingerPitch + 0.6;
    key.addRoundedRect(QRectF(keyLeft, 386, 2 * kFingerPitch - 1.2, 20), 2.2, 2.2);
    QPainterPath clip;
    clip.addRect(QRectF(0, 0, kBracketLeft + 2, CardPhoto::kSize.height()));
    return board.united(tab).subtracted(key).intersected(clip);
}

} // namespace

CardPhoto::CardPhoto() : m_outline(boardOutline()), m_rng(0x2A4410)
{
    fingerTracks();
    logicTracks();
    powerTracks();
    holes();
}

QImage CardPhoto::render()
{
    QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    background(p);
    raster::softShadow(p, m_outline, QPointF(5, 7), 7, 0.75);
    p.drawImage(0, 0, boardLayer());
    PartPainter parts(p, kCameraAxis);
    passiveParts(parts);
    logicParts(parts);
    ioParts(parts);
    headers(parts);
    bracket(p, image);
    p.end();
    finish(image);
    return image;
}

void CardPhoto::addTrack(const QPolygonF& route, double width)
{
    m_tracks.push_back({route, width});
}

void CardPhoto::fingerTracks()
{
    const double left = kAsicCentre.x() - kAsicHalf - 3;
    const double right = kAsicCentre.x() + kAsicHalf + 3;
    const double bottom = kAsicCentre.y() + kAsicHalf + 3;
    for (int j = 0; j < 11; ++j) {
        const QPointF lead(left, kAsicCentre.y() + asicLead(24 - 2 * j));
        addTrack(cornerRoute(QPointF(fingerX(21 - 2 * j), kFingerTop + 1), lead, 6));
    }
    const int rightSlots[] = {39, 41, 43, 45, 47, 52, 54, 56, 58, 60};
    for (int j = 0; j < 10; ++j) {
        const QPointF lead(right, kAsicCentre.y() + asicLead(24 - 2 * j));
        addTrack(cornerRoute(QPointF(fingerX(rightSlots[j]), kFingerTop + 1), lead, 6));
    }
    for (int j = 0; j < 7; ++j) {
        const QPointF lead(kAsicCentre.x() + asicLead(4 * j), bottom);
        addTrack(jogRoute(QPointF(fingerX(24 + 2 * j), kFingerTop + 1), lead, 335));
    }
    // Remaining contacts drop to the solder side through a via.
    for (int slot = 1; slot < kFingerSlots; ++slot) {
        const bool routed = (slot <= 21 && slot % 2 == 1)
            || (slot >= 24 && slot <= 36 && slot % 2 == 0)
            || (slot >= 39 && slot % 2 == (slot < kKeySlot ? 1 : 0));
        if (routed || isKey(slot) || slot % 3 == 1)
            continue;
        const QPointF end(fingerX(slot), slot % 2 ? 359.0 : 366.0);
        addTrack(QPolygonF({QPointF(fingerX(slot), kFingerTop + 1), end}));
        m_holes.push_back({end, 4.3, true});
    }
}

void CardPhoto::logicTracks()
{
    for (int j = 0; j < 7; ++j) {
        const QPointF lead(kAsicCentre.x() + asicLead(3 * j), kAsicCentre.y() - kAsicHalf - 3);
        addTrack(jogRoute(mcuPin(7 + j, false), lead, 150));
    }
    for (int j = 0; j < 3; ++j)
        addTrack(jogRoute(QPointF(234.2 + 4.445 * j, 193.0), mcuPin(3 + j, false), 140));
    const QPointF xtal1 = mcuPin(12, true);
    const QPointF xtal2 = mcuPin(13, true);
    addTrack({xtal1, {xtal1.x(), 66}, {xtal1.x() + 4, 62}, {356, 62}, {360, 66}, {360, 90}});
    addTrack({xtal2, {xtal2.x(), 74}, {xtal2.x() + 4, 70}, {339, 70}, {343, 74}, {343, 90}});
    const QPointF drive = mcuPin(4, true);
    addTrack({drive, {drive.x(), 60}, {drive.x() + 4, 56}, {380, 56}, {392, 68}, {392, 126}});
    const QPointF opto = mcuPin(0, false);
    addTrack({opto, {opto.x(), 112}, {opto.x() - 6, 118}, {103.4, 118}, {97.4, 112}, {97.4, 86}});
    addTrack({{80, 44}, {80, 51}, {88.6, 59.6}});
    addTrack({{106, 44}, {106, 51}, {97.4, 59.6}});
    for (int j = 0; j < 3; ++j) {
        const double y = 226.0 + 6.0 * j;
        const double x = 444.6 - 4.445 * j;
        addTrack({{520, y}, {x + 7, y}, {x, y - 7}, {x, 217}});
    }
    addTrack({{440.1, 193}, {440.1, 186}, {447, 179}, {493, 179}, {498, 174}});
    addTrack({{395.3, 139}, {395.3, 146}, {404, 146}, {404, 118}});
    addTrack({{158.5, 175}, {158.5, 190}, {164.5, 196}, {200, 196}});
    addTrack({{154, 156}, {154, 146}, {150, 142}, {150, 134}});
    addTrack({{163, 156}, {163, 146}, {160, 143}, {160, 134}});
    addTrack({{58, 192}, {58, 170}, {70, 158}, {70, 104}});
}

void CardPhoto::powerTracks()
{
    addTrack({{fingerX(0), kFingerTop + 1}, {fingerX(0), 330}, {fingerX(0) - 8, 322}, {151.5, 322},
                 {147.5, 318}},
        3.0);
    addTrack({{151, 295}, {186, 295}, {192, 289}, {192, 236}, {198, 230}, {300, 230}}, 2.4);
    for (const double y : {49.7, 69.0, 88.3})
        addTrack({{468, y}, {530, y}}, 2.8);
    addTrack({{20, 120}, {20, 280}, {30, 290}, {120, 290}}, 2.4);
}

void CardPhoto::holes()
{
    const QPointF spots[] = {{80, 44}, {106, 44}, {300, 230}, {120, 290}, {20, 120}, {160, 150},
        {200, 196}, {420, 140}, {470, 130}, {300, 330}, {395, 330}, {505, 110}, {505, 320},
        {30, 250}, {60, 250}, {250, 250}, {270, 160}, {375, 190}, {480, 230}, {160, 210}};
    for (const QPointF& spot : spots)
        m_holes.push_back({spot, 4.3, true});
    for (double y = 40; y < 360; y += 16)
        m_holes.push_back({QPointF(kBoardRight - 10, y), 4.0, true});
    for (int i = 0; i < 14; ++i) {
        m_holes.push_back({mcuPin(i, true), 5.8, false});
        m_holes.push_back({mcuPin(i, false), 5.8, false});
    }
    for (const QPointF& pad :
        {QPointF(88.6, 59.7), QPointF(97.4, 59.7), QPointF(88.6, 86.3), QPointF(97.4, 86.3)})
        m_holes.push_back({pad, 5.8, false});
}

void CardPhoto::background(QPainter& p)
{
    QLinearGradient paper(QPointF(0, 0), QPointF(kSize.width(), kSize.height()));
    paper.setColorAt(0.0, QColor(222, 222, 218));
    paper.setColorAt(1.0, QColor(176, 176, 172));
    p.fillRect(QRect(QPoint(0, 0), kSize), paper);
}

QImage CardPhoto::boardLayer()
{
    QImage layer(kSize, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setClipPath(m_outline);
    p.fillPath(m_outline, kBare);
    copper(p);
    fingers(p);
    silkOutlines(p);
    silkLabels(p);
    reflection(p);
    p.setClipping(false);
    p.setPen(QPen(QColor(150, 175, 120, 150), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(m_outline);
    p.end();
    raster::mottle(layer, m_rng, 70.0, 0.09);
    return layer;
}

// Ground pour with clearances around every track and hole, then the tracks themselves: under
// the mask, copper shows as lighter green and the etched gaps as dark outlines.
void CardPhoto::copper(QPainter& p)
{
    QPainterPath pour;
    pour.addRoundedRect(QRectF(13, 3, 543, 364), 6, 6);
    p.fillPath(pour, kCopper);
    p.setBrush(Qt::NoBrush);
    for (const Track& t : m_tracks) {
        p.setPen(QPen(kBare, t.width + 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(t.route);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kBare);
    for (const Hole& h : m_holes)
        p.drawEllipse(h.centre, h.clearance, h.clearance);
    p.setBrush(Qt::NoBrush);
    for (const Track& t : m_tracks) {
        p.setPen(QPen(kCopper.lighter(106), t.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(t.route);
    }
    p.setPen(Qt::NoPen);
    for (const Hole& h : m_holes) {
        if (!h.via)
            continue;
        p.setBrush(kCopper.lighter(118));
        p.drawEllipse(h.centre, h.clearance - 2.0, h.clearance - 2.0);
        p.setBrush(QColor(10, 32, 18));
        p.drawEllipse(h.centre, 0.9, 0.9);
    }
    for (const QPointF& point : {QPointF(30, 60), QPointF(30, 80), QPointF(470, 330)})
        testPoint(p, point);
}

// The glossy mask mirrors the soft box above the card as a broad pale patch.
void CardPhoto::reflection(QPainter& p)
{
    QRadialGradient glare(QPointF(0, 0), 1.0);
    glare.setColorAt(0.0, QColor(235, 245, 240, 55));
    glare.setColorAt(0.6, QColor(235, 245, 240, 20));
    glare.setColorAt(1.0, QColor(235, 245, 240, 0));
    QTransform place;
    place.translate(230, 150);
    place.rotate(-18);
    place.scale(260, 150);
    QBrush brush(glare);
    brush.setTransform(place);
    p.fillPath(m_outline, brush);
}

void CardPhoto::fingers(QPainter& p)
{
    for (int slot = 0; slot < kFingerSlots; ++slot) {
        if (isKey(slot))
            continue;
        const QRectF contact(kFingerX0 + slot * kFingerPitch + 0.75, kFingerTop, kFingerPitch - 1.5,
            kTabBottom - kFingerTop + 1);
        QLinearGradient across(contact.topLeft(), contact.topRight());
        across.setColorAt(0.0, QColor(160, 112, 38));
        across.setColorAt(0.45, QColor(246, 206, 112));
        across.setColorAt(1.0, QColor(176, 128, 48));
        p.setPen(Qt::NoPen);
        p.setBrush(across);
        p.drawRoundedRect(contact, 0.8, 0.8);
    }
    QLinearGradient sheen(QPointF(0, kFingerTop), QPointF(0, kTabBottom));
    sheen.setColorAt(0.0, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.45, QColor(255, 250, 220, 90));
    sheen.setColorAt(0.7, QColor(255, 255, 255, 0));
    sheen.setColorAt(1.0, QColor(60, 40, 0, 60));
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    for (int slot = 0; slot < kFingerSlots; ++slot)
        p.fillRect(QRectF(kFingerX0 + slot * kFingerPitch + 0.75, kFingerTop, kFingerPitch - 1.5,
                       kTabBottom - kFingerTop + 1),
            sheen);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void CardPhoto::silkOutlines(QPainter& p)
{
    silkBox(p, QRectF(kResetHeaderPin1 - QPointF(6.5, 6.5), QSizeF(2 * kHeaderPitch + 4, 13)));
    silkBox(p, QRectF(kSwitchHeaderPin1 - QPointF(6.5, 6.5), QSizeF(2 * kHeaderPitch + 4, 13)));
    silkBox(p, QRectF(kRelayJumperPin1 - QPointF(6.5, 6.5), QSizeF(3 * kHeaderPitch + 4, 13)));
    silkBox(p, QRectF(kAsicCentre - QPointF(35, 35), QSizeF(70, 70)));
    silkBox(p, QRectF(kMcuCentre - QPointF(65, 18), QSizeF(130, 36)));
    silkBox(p, QRectF(406, 42, 74, 62));
    silkBox(p, QRectF(80, 55, 26, 36));
    p.setBrush(kSilk);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(kAsicCentre.x() - 38, kAsicCentre.y() - 38), 1.6, 1.6);
    const struct
    {
        QPointF centre;
        double radius;
    } rings[] = {{{45, 150}, 13.5}, {{112, 342}, 11.0}, {{58, 212}, 17.0}};
    p.setPen(QPen(kSilk, 1.0));
    p.setBrush(Qt::NoBrush);
    for (const auto& ring : rings)
        p.drawEllipse(ring.centre, ring.radius, ring.radius);
}

void CardPhoto::silkLabels(QPainter& p)
{
    silk(p, QStringLiteral("ZX-4410 WATCHDOG"), QPointF(150, 24), 13.0);
    silk(p, QStringLiteral("VARDO  PCI  REV 1.2"), QPointF(151, 36), 7.5, false);
    silkCentred(p, QStringLiteral("RST"), QPointF(78, 29), 6.5);
    silkCentred(p, QStringLiteral("SW"), QPointF(108, 29), 6.5);
    silk(p, QStringLiteral("J1"), QPointF(40, 14), 6.5);
    silk(p, QStringLiteral("J2"), QPointF(131, 14), 6.5);
    silk(p, QStringLiteral("ON"), QPointF(90, 263), 7.0);
    silk(p, QStringLiteral("EN"), QPointF(160, 263), 7.0);
    silk(p, QStringLiteral("JP1 RELAY"), QPointF(113, 246), 6.0);
    const struct
    {
        const char* text;
        QPointF at;
    } designators[] = {
        {"U1", {312, 222}},
        {"U2", {180, 74}},
        {"U3", {228, 190}},
        {"U5", {410, 192}},
        {"U6", {126, 290}},
        {"U7", {84, 52}},
        {"K1", {413, 114}},
        {"TB1", {522, 34}},
        {"P1", {505, 188}},
        {"Y1", {333, 79}},
        {"D1", {388, 114}},
        {"D2", {486, 140}},
        {"Q1", {380, 132}},
        {"C1", {22, 170}},
        {"C2", {94, 362}},
        {"R12", {486, 166}},
        {"U4", {150, 155}},
        {"BZ1", {24, 236}},
        {"TP1", {37, 62}},
        {"TP2", {37, 82}},
        {"C9", {468, 113}},
        {"U8", {452, 142}},
    };
    for (const auto& d : designators)
        silk(p, QString::fromLatin1(d.text), d.at, 6.0);
    silk(p, QStringLiteral("94V-0"), QPointF(20, 366), 6.0, false);
    silk(p, QStringLiteral("0417"), QPointF(56, 366), 6.0, false);
}

void CardPhoto::passiveParts(PartPainter& parts)
{
    using Chip = PartPainter::Chip;
    const struct
    {
        QPointF at;
        bool vertical;
        Chip kind;
    } chips[] = {
        {{184, 90}, true, Chip::Capacitor},
        {{312, 226}, false, Chip::Capacitor},
        {{388, 226}, false, Chip::Capacitor},
        {{388, 300}, false, Chip::Capacitor},
        {{312, 300}, false, Chip::Capacitor},
        {{336, 110}, false, Chip::Capacitor},
        {{366, 110}, false, Chip::Capacitor},
        {{380, 140}, true, Chip::Resistor},
        {{498, 168}, false, Chip::Resistor},
        {{150, 130}, true, Chip::Resistor},
        {{160, 130}, true, Chip::Resistor},
        {{170, 130}, true, Chip::Resistor},
        {{180, 130}, true, Chip::Resistor},
        {{120, 325}, false, Chip::Capacitor},
        {{160, 325}, false, Chip::Capacitor},
        {{226, 214}, true, Chip::Capacitor},
        {{70, 100}, true, Chip::Resistor},
        {{80, 100}, true, Chip::Resistor},
        {{455, 205}, true, Chip::Capacitor},
        {{200, 170}, false, Chip::Resistor},
        {{200, 180}, false, Chip::Resistor},
        {{60, 60}, true, Chip::Capacitor},
        {{175, 210}, false, Chip::Resistor},
        {{175, 220}, false, Chip::Resistor},
        {{270, 195}, true, Chip::Capacitor},
        {{280, 195}, true, Chip::Capacitor},
        {{410, 150}, true, Chip::Resistor},
        {{420, 150}, true, Chip::Resistor},
        {{470, 200}, true, Chip::Capacitor},
        {{520, 320}, true, Chip::Capacitor},
        {{530, 320}, true, Chip::Capacitor},
        {{525, 340}, false, Chip::Resistor},
        {{100, 200}, true, Chip::Resistor},
        {{110, 200}, true, Chip::Resistor},
        {{150, 230}, false, Chip::Capacitor},
        {{290, 44}, true, Chip::Capacitor},
        {{300, 44}, true, Chip::Capacitor},
        {{60, 270}, false, Chip::Resistor},
        {{60, 279}, false, Chip::Resistor},
        {{120, 75}, true, Chip::Resistor},
    };
    for (const auto& c : chips)
        parts.chip(c.at, c.vertical, c.kind);
    parts.melf(QPointF(404, 112), true);
    parts.sot23(QPointF(392, 132));
    parts.electrolytic(QPointF(45, 150), 12.0);
    parts.electrolytic(QPointF(112, 342), 9.5);
    parts.tantalum(QPointF(480, 122));
    parts.tantalum(QPointF(290, 128));
}

void CardPhoto::logicParts(PartPainter& parts)
{
    parts.qfp(
        QRectF(kAsicCentre - QPointF(kAsicHalf, kAsicHalf), QSizeF(2 * kAsicHalf, 2 * kAsicHalf)),
        25, {QStringLiteral("VARDO"), QStringLiteral("ZX-4410"), QStringLiteral("0417 A2")});
    parts.dip(QRectF(kMcuCentre - QPointF(62, 11), QSizeF(124, 22)), 14,
        {QStringLiteral("V51C22-24PU"), QStringLiteral("0416")});
    parts.dip(QRectF(84.5, 62, 17, 22), 2, {});
    parts.soic(QRectF(232.2, 196, 17.3, 13.6), 4, {QStringLiteral("93C46")});
    parts.soic(QRectF(416, 198, 30.5, 13.6), 7, {QStringLiteral("HC14")});
    parts.sot223(QRectF(128, 300, 23, 12.5), QStringLiteral("1117"));
    parts.crystal(QRectF(332, 82, 39, 16), QStringLiteral("24.000"));
    parts.soic(QRectF(150, 161, 17.3, 13.6), 4, {QStringLiteral("7705")});
    parts.soic(QRectF(452, 148, 17.3, 13.6), 4, {QStringLiteral("LM393")});
}

void CardPhoto::ioParts(PartPainter& parts)
{
    parts.relay(QRectF(408, 44, 70, 58),
        {QStringLiteral("VR-05DC"), QStringLiteral("05VDC"), QStringLiteral("10A 250VAC"),
            QStringLiteral("10A 30VDC")});
    parts.terminalBlock(QRectF(522, 40, 40, 58), 3);
    parts.dsub(QRectF(516, 188, 46, 110));
    parts.led(QPointF(498, 150), 5.5);
    parts.buzzer(QPointF(58, 212), 15.0);
    parts.screw(QPointF(553, 20), 4.5);
    parts.label(
        QRectF(24, 300, 72, 28), {QStringLiteral("S/N 0417-2286"), QStringLiteral("ZX-4410")});
}

void CardPhoto::headers(PartPainter& parts)
{
    parts.header(kResetHeaderPin1, 2, kHeaderPitch);
    parts.header(kSwitchHeaderPin1, 2, kHeaderPitch);
    parts.header(kRelayJumperPin1, 3, kHeaderPitch);
    parts.shunt(kRelayJumperPin1 + QPointF(kHeaderPitch, 0), kHeaderPitch);
}

void CardPhoto::bracket(QPainter& p, QImage& image)
{
    const QPainterPath plate = bracketShape();
    raster::softShadow(p, plate, QPointF(5, 6), 6, 0.7);
    p.setPen(Qt::NoPen);
    QLinearGradient across(QPointF(kBracketLeft, 0), QPointF(kBracketRight, 0));
    across.setColorAt(0.0, QColor(118, 120, 124));
    across.setColorAt(0.12, QColor(196, 198, 202));
    across.setColorAt(0.18, QColor(150, 152, 156));
    across.setColorAt(0.45, QColor(236, 238, 240));
    across.setColorAt(0.8, QColor(176, 178, 182));
    across.setColorAt(1.0, QColor(112, 114, 118));
    p.fillPath(plate, across);
    QLinearGradient along(QPointF(0, 0), QPointF(0, kSize.height()));
    along.setColorAt(0.0, QColor(255, 255, 255));
    along.setColorAt(0.3, QColor(240, 240, 240));
    along.setColorAt(0.55, QColor(205, 205, 208));
    along.setColorAt(1.0, QColor(225, 225, 228));
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    p.fillPath(plate, along);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.end();
    raster::brush(image, m_rng,
        QRect(int(kBracketLeft), 0, int(kBracketRight - kBracketLeft) + 10, 409), true, 0.05);
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(80, 80, 84, 160), 1.0));
    p.drawLine(QPointF(kBracketLeft + 0.5, 13), QPointF(kBracketLeft + 0.5, kBoardBottom + 6));
    bracketHardware(p);
}

// Jack-screw nuts and the D shell stick out through the bracket.
void CardPhoto::bracketHardware(QPainter& p)
{
    p.setPen(Qt::NoPen);
    QLinearGradient shell(QPointF(0, 216), QPointF(0, 270));
    shell.setColorAt(0.0, QColor(120, 120, 122));
    shell.setColorAt(0.3, QColor(236, 236, 238));
    shell.setColorAt(1.0, QColor(100, 100, 104));
    p.setBrush(shell);
    p.drawRect(QRectF(kBracketRight, 216, 10, 54));
    for (const double y : {198.0, 288.0}) {
        QLinearGradient nut(QPointF(0, y - 5), QPointF(0, y + 5));
        nut.setColorAt(0.0, QColor(150, 150, 150));
        nut.setColorAt(0.4, QColor(245, 245, 245));
        nut.setColorAt(1.0, QColor(100, 100, 100));
        p.setBrush(nut);
        p.drawRect(QRectF(kBracketRight, y - 5, 8, 10));
        p.setBrush(QColor(60, 60, 62, 150));
        p.drawRect(QRectF(kBracketRight + 3.5, y - 5, 0.8, 10));
    }
}

// A few specks of dust: nothing in a real photograph is perfectly clean. The marker spots stay
// spotless so the markers drawn over them look tidy.
void CardPhoto::dust(QPainter& p)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 26; ++i) {
        const QPointF at(m_rng.range(0, kSize.width()), m_rng.range(0, kSize.height()));
        const double radius = m_rng.range(0.35, 1.1);
        const int alpha = static_cast<int>(m_rng.range(50, 120));
        if (kConnectionSpot.adjusted(-4, -4, 4, 4).contains(at)
            || kRelaySpot.adjusted(-4, -4, 4, 4).contains(at))
            continue;
        p.setBrush(QColor(235, 232, 220, alpha));
        p.drawEllipse(at, radius, radius);
    }
}

void CardPhoto::finish(QImage& image)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    dust(p);
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    QRadialGradient light(QPointF(220, 140), 520);
    light.setColorAt(0.0, QColor(255, 255, 252));
    light.setColorAt(0.7, QColor(225, 225, 224));
    light.setColorAt(1.0, QColor(180, 180, 186));
    p.fillRect(image.rect(), light);
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    QRadialGradient sheen(QPointF(200, 120), 260);
    sheen.setColorAt(0.0, QColor(34, 34, 30));
    sheen.setColorAt(1.0, QColor(0, 0, 0));
    p.fillRect(image.rect(), sheen);
    p.end();
    raster::soften(image, 0.45);
    raster::grain(image, m_rng, 3.0, 1.2);
}
