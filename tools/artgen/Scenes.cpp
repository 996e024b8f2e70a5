// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scenes.h"

#include "DogLook.h"
#include "DogPainter.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdint>
#include <numbers>

namespace artgen {

namespace {

// Where the window's controls lie on a 600 x 400 background (the background
// sits 8 pixels in from the window's corner; the controls are placed in
// twips, 15 to a pixel, from the window's corner).
QRectF ControlRect(int left, int top, int width, int height)
{
    return QRectF(left / 15.0 - 8, top / 15.0 - 8, width / 15.0, height / 15.0);
}

const QRectF kNameArea = ControlRect(1440, 360, 6255, 375);    // the breed name
const QRectF kPictureArea = ControlRect(4080, 960, 975, 615);  // the dog's picture
const QRectF kGuideArea = ControlRect(1320, 1920, 6375, 615);  // the romaji guide
const QRectF kLimitArea = ControlRect(3840, 2640, 1095, 495);  // time limit and its caption
const QRectF kClockArea = ControlRect(960, 4080, 7455, 375);   // clock and curfew labels
const QRectF kStripArea = ControlRect(840, 4440, 7500, 1500);  // the street strip
const QRectF kResultArea = ControlRect(2520, 1560, 4815, 1455); // result rows
const QRectF kMenuArea = ControlRect(3840, 3840, 1575, 1815);  // the title menu buttons

class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    double unit()
    {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<double>(m_state >> 11) / 9007199254740992.0;
    }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }

private:
    std::uint64_t m_state;
};

DogLook HeroDog()
{
    // The player's own dog: a little red dog with a white chest and a curled tail.
    DogLook d;
    d.size = 0.4;
    d.bodyLength = 0.9;
    d.muzzleLength = 0.85;
    d.legThickness = 1.1;
    d.ear = Ear::Prick;
    d.tail = Tail::Curl;
    d.pattern = Pattern::Mask;
    d.base = QColor(206, 118, 54);
    d.second = QColor(248, 240, 226);
    return d;
}

QFont Font(const char* family, double pixelSize, int weight = QFont::Normal)
{
    QFont f(family);
    f.setPixelSize(static_cast<int>(pixelSize));
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void Paw(QPainter& g, QPointF c, double size, const QColor& colour, double angle = 0)
{
    g.save();
    g.translate(c);
    g.rotate(angle);
    g.setPen(Qt::NoPen);
    g.setBrush(colour);
    g.drawEllipse(QPointF(0, size * 0.25), size * 0.42, size * 0.34);
    const double toes[4][2] = {{-0.42, -0.2}, {-0.16, -0.42}, {0.16, -0.42}, {0.42, -0.2}};
    for (const auto& t : toes)
        g.drawEllipse(QPointF(t[0] * size, t[1] * size), size * 0.15, size * 0.19);
    g.restore();
}

// A pale card behind labels, so that text keeps its contrast on any picture.
void Card(QPainter& g, const QRectF& r, const QColor& fill, const QColor& edge, double radius = 10)
{
    g.setPen(QPen(edge, 2));
    g.setBrush(fill);
    g.drawRoundedRect(r, radius, radius);
}

void Tree(QPainter& g, double x, double ground, double h, const QColor& leaf, const QColor& trunk)
{
    g.setPen(Qt::NoPen);
    g.setBrush(trunk);
    g.drawRect(QRectF(x - h * 0.06, ground - h * 0.45, h * 0.12, h * 0.45));
    g.setBrush(leaf);
    g.drawEllipse(QPointF(x, ground - h * 0.65), h * 0.32, h * 0.3);
    g.drawEllipse(QPointF(x - h * 0.2, ground - h * 0.52), h * 0.22, h * 0.2);
    g.drawEllipse(QPointF(x + h * 0.2, ground - h * 0.5), h * 0.22, h * 0.2);
    g.setBrush(leaf.lighter(118));
    g.drawEllipse(QPointF(x - h * 0.08, ground - h * 0.75), h * 0.14, h * 0.11);
}

void House(QPainter& g, const QRectF& r, const QColor& wall, const QColor& roof, bool lit)
{
    g.setPen(QPen(wall.darker(160), 1));
    g.setBrush(wall);
    g.drawRect(r);
    g.setPen(QPen(wall.darker(125), 1));
    for (double y = r.top() + 4; y < r.bottom(); y += 4) // planks
        g.drawLine(QPointF(r.left() + 1, y), QPointF(r.right() - 1, y));
    QPolygonF roofShape;
    roofShape << QPointF(r.left() - r.width() * 0.12, r.top()) << QPointF(r.center().x(), r.top() - r.height() * 0.6)
              << QPointF(r.right() + r.width() * 0.12, r.top());
    g.setPen(QPen(roof.darker(150), 1));
    g.setBrush(roof);
    g.drawPolygon(roofShape);
    const QColor glass = lit ? QColor(255, 214, 110) : QColor(170, 210, 235);
    g.setPen(QPen(QColor(90, 56, 30), 1));
    g.setBrush(glass);
    const QRectF win(r.left() + r.width() * 0.15, r.top() + r.height() * 0.2, r.width() * 0.28, r.height() * 0.3);
    g.drawRect(win);
    g.drawLine(QPointF(win.center().x(), win.top()), QPointF(win.center().x(), win.bottom()));
    g.setBrush(QColor(120, 70, 36));
    g.drawRect(QRectF(r.left() + r.width() * 0.58, r.top() + r.height() * 0.35, r.width() * 0.25, r.height() * 0.65));
}

void Kennel(QPainter& g, const QRectF& r, const QColor& roof)
{
    g.setPen(QPen(QColor(100, 62, 30), 1));
    g.setBrush(QColor(196, 140, 80));
    g.drawRect(r);
    QPolygonF roofShape;
    roofShape << QPointF(r.left() - 3, r.top() + 1) << QPointF(r.center().x(), r.top() - r.height() * 0.55)
              << QPointF(r.right() + 3, r.top() + 1);
    g.setBrush(roof);
    g.drawPolygon(roofShape);
    g.setBrush(QColor(50, 30, 20));
    QPainterPath door;
    const double dw = r.width() * 0.45, dh = r.height() * 0.7;
    door.moveTo(r.center().x() - dw / 2, r.bottom());
    door.lineTo(r.center().x() - dw / 2, r.bottom() - dh + dw / 2);
    door.arcTo(QRectF(r.center().x() - dw / 2, r.bottom() - dh, dw, dw), 180, -180);
    door.lineTo(r.center().x() + dw / 2, r.bottom());
    door.closeSubpath();
    g.drawPath(door);
}

void Lamp(QPainter& g, double x, double ground, double h, bool lit)
{
    if (lit) {
        QRadialGradient glow(QPointF(x, ground - h), h * 0.6);
        glow.setColorAt(0, QColor(255, 230, 150, 170));
        glow.setColorAt(1, QColor(255, 230, 150, 0));
        g.setPen(Qt::NoPen);
        g.setBrush(glow);
        g.drawEllipse(QPointF(x, ground - h), h * 0.6, h * 0.6);
    }
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(60, 64, 72));
    g.drawRect(QRectF(x - 1, ground - h, 2, h));
    g.drawRect(QRectF(x - 3, ground - 2, 6, 2));
    g.setBrush(lit ? QColor(255, 236, 160) : QColor(220, 224, 210));
    g.drawRect(QRectF(x - 3, ground - h - 5, 6, 5));
    g.setBrush(QColor(60, 64, 72));
    g.drawRect(QRectF(x - 4, ground - h - 6, 8, 1.5));
}

void Bench(QPainter& g, double x, double ground)
{
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(70, 50, 36));
    g.drawRect(QRectF(x + 1, ground - 6, 1.5, 6));
    g.drawRect(QRectF(x + 15, ground - 6, 1.5, 6));
    g.setBrush(QColor(160, 100, 50));
    g.drawRect(QRectF(x, ground - 7, 18, 2));
    g.drawRect(QRectF(x, ground - 12, 18, 2));
    g.drawRect(QRectF(x, ground - 15, 18, 2));
}

struct Sky {
    QColor top, bottom, hillFar, hillNear, grass, road, leaf;
};

Sky SkyFor(TimeOfDay t)
{
    switch (t) {
    case TimeOfDay::Afternoon:
        return {{112, 180, 236}, {200, 232, 250}, {140, 196, 120}, {96, 170, 80}, {110, 176, 74}, {206, 196, 176}, {60, 140, 60}};
    case TimeOfDay::Dusk:
        return {{120, 100, 170}, {250, 170, 110}, {150, 140, 110}, {112, 130, 74}, {112, 136, 66}, {190, 160, 140}, {70, 110, 56}};
    case TimeOfDay::Night:
        break;
    }
    return {{18, 24, 60}, {52, 60, 110}, {44, 66, 78}, {34, 62, 52}, {40, 70, 48}, {90, 92, 104}, {28, 60, 44}};
}

// Sun, moon and stars of the hour.
void Heavens(QPainter& g, TimeOfDay t, const QRectF& area, std::uint64_t seed)
{
    g.setPen(Qt::NoPen);
    if (t == TimeOfDay::Afternoon) {
        g.setBrush(QColor(255, 244, 190));
        g.drawEllipse(QPointF(area.left() + area.width() * 0.72, area.top() + area.height() * 0.2), 9, 9);
        g.setBrush(QColor(255, 255, 255, 220));
        for (int i = 0; i < 3; ++i) {
            const double cx = area.left() + area.width() * (0.2 + 0.28 * i), cy = area.top() + area.height() * (0.18 + 0.05 * i);
            g.drawEllipse(QPointF(cx, cy), 14, 5);
            g.drawEllipse(QPointF(cx + 8, cy - 3), 8, 5);
        }
    } else if (t == TimeOfDay::Dusk) {
        g.setBrush(QColor(255, 150, 80));
        g.drawEllipse(QPointF(area.left() + area.width() * 0.8, area.top() + area.height() * 0.62), 12, 12);
    } else {
        Rng rng(seed);
        for (int i = 0; i < 60; ++i) {
            g.setBrush(QColor(255, 255, 220, static_cast<int>(rng.range(120, 255))));
            const double r = rng.range(0.5, 1.2);
            g.drawEllipse(QPointF(area.left() + rng.range(0, area.width()), area.top() + rng.range(0, area.height() * 0.55)), r, r);
        }
        g.setBrush(QColor(250, 246, 210));
        const QPointF moon(area.left() + area.width() * 0.78, area.top() + area.height() * 0.2);
        g.drawEllipse(moon, 9, 9);
        g.setBrush(SkyFor(t).top);
        g.drawEllipse(moon + QPointF(4, -3), 8, 8);
    }
}

void Hills(QPainter& g, const QRectF& area, double horizon, const Sky& s)
{
    QPainterPath far, nearHill;
    far.moveTo(area.left(), horizon);
    for (double x = area.left(); x <= area.right() + 10; x += 10)
        far.lineTo(x, horizon - 14 - 9 * std::sin(x / 47.0) - 5 * std::sin(x / 19.0 + 1));
    far.lineTo(area.right(), area.bottom());
    far.lineTo(area.left(), area.bottom());
    nearHill.moveTo(area.left(), horizon);
    for (double x = area.left(); x <= area.right() + 10; x += 10)
        nearHill.lineTo(x, horizon - 5 - 6 * std::sin(x / 61.0 + 2));
    nearHill.lineTo(area.right(), area.bottom());
    nearHill.lineTo(area.left(), area.bottom());
    g.setPen(Qt::NoPen);
    g.setBrush(s.hillFar);
    g.drawPath(far);
    g.setBrush(s.hillNear);
    g.drawPath(nearHill);
}

QImage NewImage(int w, int h, const QColor& fill = Qt::transparent)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void Background(QPainter& g, const QRectF& r, const QColor& top, const QColor& bottom)
{
    QLinearGradient grad(r.topLeft(), r.bottomLeft());
    grad.setColorAt(0, top);
    grad.setColorAt(1, bottom);
    g.fillRect(r, grad);
}

// A scatter of faint paw prints across a wall, walking from left to right.
void PawTrail(QPainter& g, const QColor& colour, double y0, double x0, double x1, double size)
{
    int i = 0;
    for (double x = x0; x < x1; x += size * 1.6, ++i)
        Paw(g, QPointF(x, y0 + (i % 2 ? size * 0.6 : -size * 0.6)), size, colour, 90);
}

void Bunting(QPainter& g, double y, double x0, double x1)
{
    static const QColor flags[] = {{236, 96, 96}, {250, 200, 80}, {110, 190, 110}, {96, 160, 230}, {220, 120, 200}};
    g.setPen(QPen(QColor(120, 90, 60), 1.2));
    QPainterPath rope;
    rope.moveTo(x0, y);
    rope.quadTo((x0 + x1) / 2, y + 18, x1, y);
    g.drawPath(rope);
    int i = 0;
    for (double t = 0.04; t < 1; t += 0.07, ++i) {
        const QPointF p = rope.pointAtPercent(t);
        QPolygonF tri;
        tri << p + QPointF(-6, 0) << p + QPointF(6, 0) << p + QPointF(0, 13);
        g.setPen(Qt::NoPen);
        g.setBrush(flags[i % 5]);
        g.drawPolygon(tri);
    }
}

} // namespace

QImage StreetStrip(TimeOfDay t)
{
    const int w = 500, h = 100;
    QImage img = NewImage(w, h);
    QPainter g(&img);
    const Sky s = SkyFor(t);
    const QRectF all(0, 0, w, h);
    Background(g, all, s.top, s.bottom);
    Heavens(g, t, QRectF(0, 0, w, 70), 77);
    Hills(g, all, 66, s);
    // Grass verge and the road the dog walks along.
    g.fillRect(QRectF(0, 64, w, 20), s.grass);
    g.fillRect(QRectF(0, 82, w, 14), s.road);
    g.fillRect(QRectF(0, 82, w, 1.5), s.road.darker(125));
    g.setPen(QPen(s.road.darker(112), 1));
    for (double x = 6; x < w; x += 22)
        g.drawLine(QPointF(x, 89), QPointF(x + 10, 89));
    const bool lit = t != TimeOfDay::Afternoon;
    const QColor trunk = QColor(110, 74, 44);
    // The park at the start: trees, a lamp and a bench.
    Tree(g, 14, 80, 52, s.leaf, trunk);
    Tree(g, 52, 78, 44, s.leaf.lighter(108), trunk);
    Bench(g, 70, 81);
    Lamp(g, 98, 81, 34, lit);
    Tree(g, 124, 80, 40, s.leaf, trunk);
    // Along the way: a fence and a few bushes.
    g.setPen(QPen(QColor(236, 230, 214).darker(t == TimeOfDay::Night ? 200 : 100), 1.5));
    for (double x = 150; x < 390; x += 8)
        g.drawLine(QPointF(x, 80), QPointF(x, 72));
    g.drawLine(QPointF(150, 74), QPointF(390, 74));
    g.drawLine(QPointF(150, 78), QPointF(390, 78));
    g.setPen(Qt::NoPen);
    for (double x : {180.0, 262.0, 330.0}) {
        g.setBrush(s.leaf);
        g.drawEllipse(QPointF(x, 77), 11, 7);
        g.setBrush(s.leaf.lighter(115));
        g.drawEllipse(QPointF(x - 3, 75), 5, 3);
    }
    Tree(g, 228, 80, 46, s.leaf, trunk);
    Lamp(g, 300, 81, 34, lit);
    Tree(g, 372, 80, 42, s.leaf, trunk);
    // Home at the far end: a wooden house and the kennel beside it.
    House(g, QRectF(426, 46, 48, 35), QColor(176, 118, 64), QColor(170, 54, 44), lit);
    Kennel(g, QRectF(405, 69, 16, 12), QColor(200, 60, 50));
    // Night darkens everything a little more except the lights.
    if (t == TimeOfDay::Night) {
        g.fillRect(all, QColor(10, 14, 40, 60));
        g.setBrush(QColor(255, 214, 110));
        g.setPen(Qt::NoPen);
        g.drawRect(QRectF(434, 54, 13, 10));
    }
    // The dark red frame.
    g.setPen(QPen(QColor(122, 20, 24), 4));
    g.setBrush(Qt::NoBrush);
    g.drawRect(QRectF(2, 2, w - 4, h - 4));
    g.setPen(QPen(QColor(176, 60, 50), 1));
    g.drawRect(QRectF(4.5, 4.5, w - 9, h - 9));
    return img;
}

QImage Walker(int frame)
{
    // Pixel art, drawn without smoothing so that the transparent edge stays crisp.
    QImage img = NewImage(33, 25);
    QPainter g(&img);
    const QColor outline(70, 40, 22), coat(214, 126, 58), cream(250, 238, 214), lead(200, 30, 40);
    const int bob = frame == 1 ? -1 : 0;
    auto px = [&](int x, int y, int w, int h, const QColor& c) { g.fillRect(x, y + bob, w, h, c); };
    // The lead runs back and up to the owner out of sight on the left.
    g.setPen(QPen(lead, 1));
    g.drawLine(QPoint(21, 10 + bob), QPoint(10, 2));
    g.drawLine(QPoint(10, 2), QPoint(0, 0));
    // Legs: a trot in three steps.
    static const int legShift[3][4] = {{-2, 2, 2, -2}, {0, 0, 0, 0}, {2, -2, -2, 2}};
    const int legX[4] = {8, 11, 20, 23};
    for (int i = 0; i < 4; ++i) {
        const int dx = legShift[frame % 3][i];
        const QColor c = (i == 1 || i == 3) ? coat.darker(130) : coat;
        g.fillRect(legX[i] + dx / 2, 18, 2, 4, outline);
        g.fillRect(legX[i] + dx / 2, 18, 2, 3, c);
        g.fillRect(legX[i] + dx, 21, 3, 2, outline);
        g.fillRect(legX[i] + dx, 21, 2, 1, cream);
    }
    // Curled tail.
    px(4, 7, 4, 2, outline);
    px(3, 8, 2, 4, outline);
    px(5, 8, 2, 2, cream);
    px(4, 9, 1, 2, coat);
    // Body.
    px(6, 11, 20, 9, outline);
    px(7, 12, 18, 7, coat);
    px(10, 17, 13, 2, cream);
    // Head, ears, muzzle.
    px(21, 5, 10, 9, outline);
    px(22, 6, 8, 7, coat);
    px(22, 2, 3, 4, outline);
    px(23, 3, 1, 3, coat);
    px(27, 2, 3, 4, outline);
    px(28, 3, 1, 3, coat);
    px(27, 9, 5, 5, outline);
    px(28, 10, 4, 3, cream);
    px(31, 9, 2, 2, QColor(30, 20, 16));
    px(26, 7, 2, 2, QColor(30, 20, 16));
    // Collar.
    px(21, 12, 3, 4, lead);
    return img;
}

QImage Button(ButtonMark mark, bool pressed)
{
    const int w = 48, h = 47, k = 4;
    QImage big = NewImage(w * k, h * k);
    QPainter g(&big);
    g.setRenderHint(QPainter::Antialiasing);
    g.scale(k, k);
    const QPointF c(24, 23.5 + (pressed ? 1 : 0));
    const double r = 21;
    // Rim and face; pressed, the face is darker and lit from below.
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(150, 40, 80));
    g.drawEllipse(QPointF(24, 24.5), r + 1.5, r + 1.5);
    QRadialGradient face(c + QPointF(0, pressed ? 6 : -7), r * 1.3);
    face.setColorAt(0, pressed ? QColor(236, 120, 160) : QColor(255, 196, 218));
    face.setColorAt(1, pressed ? QColor(200, 70, 116) : QColor(236, 110, 156));
    g.setBrush(face);
    g.drawEllipse(c, r, r);
    if (!pressed) {
        g.setBrush(QColor(255, 255, 255, 90));
        g.drawEllipse(c + QPointF(-6, -10), 9, 5);
    } else {
        g.setPen(QPen(QColor(120, 30, 60, 120), 2));
        g.setBrush(Qt::NoBrush);
        g.drawArc(QRectF(c.x() - r + 2, c.y() - r + 2, 2 * r - 4, 2 * r - 4), 30 * 16, 120 * 16);
    }
    // The white mark.
    g.setPen(QPen(Qt::white, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    g.setBrush(Qt::white);
    switch (mark) {
    case ButtonMark::Start: {
        QPolygonF tri;
        tri << c + QPointF(-6, -9) << c + QPointF(10, 0) << c + QPointF(-6, 9);
        g.drawPolygon(tri);
        break;
    }
    case ButtonMark::Home:
        g.drawRect(QRectF(c.x() - 7, c.y() - 7, 14, 14));
        break;
    case ButtonMark::Retry: {
        g.setBrush(Qt::NoBrush);
        QPainterPath arrow;
        arrow.moveTo(c + QPointF(8, -7));
        arrow.lineTo(c + QPointF(8, 3));
        arrow.lineTo(c + QPointF(-6, 3));
        g.drawPath(arrow);
        g.setBrush(Qt::white);
        QPolygonF head;
        head << c + QPointF(-11, 3) << c + QPointF(-4, -3) << c + QPointF(-4, 9);
        g.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        g.drawPolygon(head);
        break;
    }
    case ButtonMark::Quit:
        g.drawLine(c + QPointF(-8, -8), c + QPointF(8, 8));
        g.drawLine(c + QPointF(8, -8), c + QPointF(-8, 8));
        break;
    }
    g.end();
    return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage ProgramIcon()
{
    QImage img = NewImage(32, 32, QColor(250, 214, 40));
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(200, 150, 20), 1));
    g.setBrush(Qt::NoBrush);
    g.drawRect(QRectF(0.5, 0.5, 31, 31));
    Paw(g, QPointF(16, 17), 22, QColor(140, 20, 24));
    return img;
}

QImage TitleWall()
{
    QImage img = NewImage(600, 400);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    const Sky s = SkyFor(TimeOfDay::Afternoon);
    Background(g, QRectF(0, 0, 600, 400), QColor(120, 190, 240), QColor(220, 240, 250));
    Heavens(g, TimeOfDay::Afternoon, QRectF(0, 0, 600, 260), 3);
    Hills(g, QRectF(0, 0, 600, 400), 300, s);
    g.fillRect(QRectF(0, 298, 600, 102), s.grass);
    // A path winding home through the grass.
    QPainterPath path;
    path.moveTo(0, 372);
    path.cubicTo(180, 340, 360, 400, 600, 330);
    g.setPen(QPen(QColor(222, 204, 160), 26, Qt::SolidLine, Qt::RoundCap));
    g.setBrush(Qt::NoBrush);
    g.drawPath(path);
    Tree(g, 40, 300, 150, s.leaf, QColor(110, 74, 44));
    Tree(g, 560, 305, 120, s.leaf, QColor(110, 74, 44));
    House(g, QRectF(440, 240, 70, 56), QColor(180, 120, 64), QColor(180, 56, 46), false);
    // The name of the game on a wooden sign.
    const QRectF sign(110, 34, 330, 110);
    g.setPen(QPen(QColor(110, 64, 30), 4));
    g.setBrush(QColor(246, 224, 170));
    g.drawRoundedRect(sign, 18, 18);
    g.setPen(QColor(150, 30, 34));
    g.setFont(Font("DejaVu Sans", 76, QFont::Black));
    g.drawText(sign.adjusted(0, -10, 0, 0), Qt::AlignCenter, "Kibbo");
    g.setPen(QColor(120, 70, 30));
    g.setFont(Font("IPAGothic", 15));
    g.drawText(QRectF(sign.left(), sign.bottom() - 30, sign.width(), 24), Qt::AlignCenter,
               QString::fromUtf8("いぬと いっしょに おうちへ かえろう"));
    Paw(g, sign.topLeft() + QPointF(30, 30), 22, QColor(200, 120, 60), -20);
    Paw(g, sign.topRight() + QPointF(-30, 30), 22, QColor(200, 120, 60), 20);
    // The hero, ready for a walk, left of the menu.
    DogPose pose;
    pose.tongueOut = true;
    pose.headTilt = 8;
    pose.tailLift = 0.5;
    DrawDog(g, HeroDog(), pose, "title", QPointF(140, 352), 5.0, QSizeF(200, 160));
    // A soft panel behind the menu buttons.
    Card(g, kMenuArea.adjusted(-12, -12, 12, 12), QColor(255, 255, 255, 120), QColor(255, 255, 255, 160), 12);
    return img;
}

QImage PlayWall()
{
    QImage img = NewImage(600, 400);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    // A light wall with a faint trail of paw prints; nothing dark under text.
    Background(g, QRectF(0, 0, 600, 400), QColor(255, 248, 228), QColor(246, 232, 200));
    for (int row = 0; row < 6; ++row)
        PawTrail(g, QColor(236, 214, 170, 110), 20 + row * 46 + (row % 2) * 10, row % 2 ? 8 : 26, 600, 12);
    // The name plate, the dog's frame and the guide board.
    Card(g, kNameArea.adjusted(-10, -6, 10, 6), QColor(255, 255, 255, 235), QColor(222, 170, 110));
    g.setPen(QPen(QColor(150, 96, 50), 3));
    g.setBrush(QColor(255, 255, 255));
    g.drawRoundedRect(kPictureArea.adjusted(-5, -5, 5, 5), 4, 4);
    Card(g, kGuideArea.adjusted(-10, -4, 10, 4), QColor(255, 255, 255, 240), QColor(222, 170, 110), 14);
    Card(g, kLimitArea.adjusted(-6, -2, 6, 2), QColor(255, 255, 255, 200), QColor(236, 200, 150), 8);
    // The clock sits on a light band above the street strip.
    Card(g, kClockArea.adjusted(-10, -4, 10, 4), QColor(255, 255, 255, 200), QColor(236, 200, 150), 8);
    // Grass on both sides of the street strip, and the strip's own shadow.
    g.fillRect(QRectF(0, kStripArea.top() + 10, 600, 400), QColor(150, 196, 110));
    g.fillRect(QRectF(0, kStripArea.top() + 10, 600, 3), QColor(176, 214, 140));
    g.fillRect(kStripArea.translated(3, 3), QColor(60, 90, 40, 120));
    // The picture buttons stand on a soft column at the right.
    Card(g, QRectF(522, 2, 60, 176), QColor(255, 236, 240, 200), QColor(240, 190, 200), 14);
    return img;
}

QImage GameOverWall()
{
    QImage img = NewImage(600, 400);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    Background(g, QRectF(0, 0, 600, 400), QColor(26, 24, 60), QColor(86, 60, 100));
    Heavens(g, TimeOfDay::Night, QRectF(0, 0, 600, 300), 11);
    Hills(g, QRectF(0, 0, 600, 400), 300, SkyFor(TimeOfDay::Night));
    g.fillRect(QRectF(0, 298, 600, 102), QColor(36, 52, 44));
    Lamp(g, 430, 352, 120, true);
    // The dog waits alone under the lamp, head low.
    DogLook dog = HeroDog();
    dog.base = dog.base.darker(135);
    dog.second = dog.second.darker(140);
    DogPose pose;
    pose.headTilt = -14;
    pose.tailLift = -1;
    pose.facingLeft = true;
    DrawDog(g, dog, pose, "alone", QPointF(380, 356), 3.2, QSizeF(120, 100));
    g.setPen(QColor(200, 190, 230));
    g.setFont(Font("IPAGothic", 26, QFont::Bold));
    g.drawText(QRectF(0, 24, 520, 50), Qt::AlignCenter, QString::fromUtf8("門限に まにあわなかった…"));
    // A pale card for the result rows.
    Card(g, kResultArea.adjusted(-16, 18, 16, 14), QColor(246, 236, 214), QColor(150, 130, 170));
    return img;
}

QImage GameClearWall()
{
    QImage img = NewImage(600, 400);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    const Sky s = SkyFor(TimeOfDay::Dusk);
    Background(g, QRectF(0, 0, 600, 400), QColor(255, 190, 120), QColor(255, 236, 190));
    Hills(g, QRectF(0, 0, 600, 400), 300, s);
    g.fillRect(QRectF(0, 298, 600, 102), QColor(120, 170, 80));
    House(g, QRectF(400, 250, 100, 66), QColor(186, 126, 66), QColor(190, 58, 46), true);
    Kennel(g, QRectF(330, 284, 44, 32), QColor(210, 64, 52));
    Bunting(g, 14, 0, 520);
    // Home in time: the dog leaps with joy, hearts above it.
    DogPose pose;
    pose.tongueOut = true;
    pose.headTilt = 12;
    pose.tailLift = 1;
    pose.pawUp = true;
    DrawDog(g, HeroDog(), pose, "home", QPointF(130, 356), 4.5, QSizeF(190, 150));
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(236, 80, 100));
    for (QPointF h : {QPointF(200, 236), QPointF(236, 220), QPointF(262, 244)}) {
        QPainterPath heart;
        heart.moveTo(h + QPointF(0, 6));
        heart.cubicTo(h + QPointF(-12, -2), h + QPointF(-5, -12), h + QPointF(0, -4));
        heart.cubicTo(h + QPointF(5, -12), h + QPointF(12, -2), h + QPointF(0, 6));
        g.drawPath(heart);
    }
    g.setPen(QColor(170, 40, 40));
    g.setFont(Font("IPAGothic", 28, QFont::Bold));
    g.drawText(QRectF(0, 36, 520, 50), Qt::AlignCenter, QString::fromUtf8("ただいま！ おうちに ついたよ"));
    Card(g, kResultArea.adjusted(-16, -10, 16, 14), QColor(255, 250, 232, 235), QColor(220, 150, 90));
    return img;
}

} // namespace artgen
