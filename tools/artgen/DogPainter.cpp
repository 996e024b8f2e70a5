// SPDX-License-Identifier: GPL-3.0-or-later
#include "DogPainter.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

namespace {

constexpr int kSuper = 4; // drawn larger, then scaled down for soft edges

class Rng {
public:
    explicit Rng(std::string_view text)
    {
        for (char c : text)
            m_state = (m_state ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
    }
    double unit()
    {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<double>(m_state >> 11) / 9007199254740992.0;
    }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }

private:
    std::uint64_t m_state = 0xcbf29ce484222325ull;
};

QPointF Bezier(QPointF a, QPointF b, QPointF c, QPointF d, double t)
{
    const double u = 1 - t;
    return u * u * u * a + 3 * u * u * t * b + 3 * u * t * t * c + t * t * t * d;
}

// A limb, neck or tail: discs along a curve whose radius runs from r0 to r1.
// Filled with the winding rule they form one smooth shape.
void AddTube(QPainterPath& path, QPointF a, QPointF b, QPointF c, QPointF d, double r0, double r1)
{
    const double length = QLineF(a, b).length() + QLineF(b, c).length() + QLineF(c, d).length();
    const int steps = std::max(4, static_cast<int>(length / std::max(0.3, std::min(r0, r1) * 0.45)));
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double r = r0 + (r1 - r0) * t;
        path.addEllipse(Bezier(a, b, c, d, t), r, r);
    }
}

void AddLine(QPainterPath& path, QPointF a, QPointF b, double r0, double r1)
{
    AddTube(path, a, a + (b - a) / 3, a + (b - a) * 2 / 3, b, r0, r1);
}

// Bumps along an outline: a fluffy, curly or wiry coat.
void AddFuzz(QPainterPath& target, const QPainterPath& outline, int count, double radius)
{
    for (int i = 0; i < count; ++i) {
        const double t = (i + 0.5) / count;
        target.addEllipse(outline.pointAtPercent(t), radius, radius);
    }
}

QColor Shade(const QColor& c, int percent)
{
    return percent >= 0 ? c.darker(100 + percent) : c.lighter(100 - percent);
}

struct Backdrop {
    QColor top, bottom, grass;
};

Backdrop BackdropFor(int index)
{
    static const Backdrop backdrops[] = {
        {{196, 226, 246}, {236, 246, 250}, {132, 190, 96}},  // clear sky
        {{210, 238, 216}, {244, 250, 236}, {120, 180, 90}},  // mint
        {{250, 222, 196}, {252, 242, 226}, {150, 186, 96}},  // peach
        {{224, 214, 242}, {244, 240, 250}, {126, 176, 110}}, // lavender
        {{248, 238, 184}, {252, 250, 228}, {140, 184, 80}},  // lemon
        {{246, 212, 222}, {252, 238, 242}, {128, 182, 100}}, // rose
    };
    return backdrops[static_cast<std::size_t>(index) % std::size(backdrops)];
}

struct Parts {
    QPainterPath farLegs, tail, body, neck, nearLegs, head, muzzle, ears, fluff, skirt;
    QPointF eye, nose, mouthFront, mouthBack, brow, chest;
    double eyeRadius = 0.7, skullRadius = 5, muzzleTop = 0, muzzleBottom = 0, muzzleFront = 0, muzzleBack = 0;
    double backY = 0, bellyY = 0, rumpX = 0, chestX = 0, legTopY = 0;
    QPointF tailTip;
    QTransform turn; // how the head is turned
};

Parts Build(const DogLook& d, const DogPose& pose)
{
    Parts p;
    const double L = 22 * d.bodyLength;
    const double D = 10 * d.bodyDepth;
    const double H = 10 * d.legLength;
    const double legR = 1.5 * d.legThickness;
    const double R = 4.8 * d.headSize;
    const double M = 3.8 * d.muzzleLength;
    const double MD = R * 0.95 * d.muzzleDepth;
    const double yBottom = -H, yTop = -H - D;
    const double tuck = d.tuckUp * D * 0.5;
    p.backY = yTop;
    p.bellyY = yBottom;
    p.rumpX = -L / 2;
    p.chestX = L / 2;
    p.legTopY = yBottom;

    // The trunk: a level back, a rounded chest in front and the belly rising toward the loin.
    QPainterPath body;
    body.moveTo(-L / 2 + 1, yTop + D * 0.12);
    body.cubicTo(-L / 4, yTop - 0.4, L / 4, yTop + 0.4, L / 2 - 3, yTop);
    body.cubicTo(L / 2 + 1.5, yTop, L / 2 + 2, yTop + D * 0.6, L / 2 - 1, yBottom + 0.3);
    body.cubicTo(L / 2 - 4, yBottom + 1.2, 0, yBottom - tuck * 0.6, -L / 2 + 5, yBottom - tuck);
    body.cubicTo(-L / 2 + 1, yBottom - tuck - 0.5, -L / 2 - 2, yTop + D * 0.6, -L / 2 + 1, yTop + D * 0.12);
    body.closeSubpath();
    p.body = body;
    // Haunch, so the hind leg grows out of a thigh.
    p.body.addEllipse(QPointF(-L / 2 + 4, yTop + D * 0.5), legR * 1.7, D * 0.45);

    // Legs: the far pair a step behind the near pair.
    const double xF = L / 2 - 4, xH = -L / 2 + 4.2;
    auto frontLeg = [&](QPainterPath& path, double x, bool raised) {
        if (raised) {
            AddTube(path, QPointF(x, yBottom - 2), QPointF(x + 0.5, yBottom + H * 0.3),
                    QPointF(x + 1.5, yBottom + H * 0.45), QPointF(x + 3.2, yBottom + H * 0.3), legR, legR * 0.85);
            path.addEllipse(QPointF(x + 3.6, yBottom + H * 0.3), legR * 0.95, legR * 0.8);
        } else {
            AddLine(path, QPointF(x, yBottom - 2), QPointF(x + 0.3, -0.8), legR, legR * 0.85);
            path.addEllipse(QPointF(x + 0.8, -0.75), legR * 1.05, 0.85);
        }
    };
    auto hindLeg = [&](QPainterPath& path, double x) {
        AddTube(path, QPointF(x, yBottom - 2.5), QPointF(x + 1.8, yBottom + H * 0.25),
                QPointF(x - 1.6, -H * 0.35), QPointF(x - 0.6, -0.8), legR * 1.15, legR * 0.8);
        path.addEllipse(QPointF(x - 0.1, -0.75), legR * 1.05, 0.85);
    };
    frontLeg(p.farLegs, xF - 2.6, false);
    hindLeg(p.farLegs, xH + 2.4);
    frontLeg(p.nearLegs, xF, pose.pawUp);
    hindLeg(p.nearLegs, xH);

    // Neck and head; the head turns about the top of the neck.
    const double N = 5 * d.neckLength;
    const QPointF headCentre(L / 2 + N * 0.35 + R * 0.15, yTop - N * 0.75 - R * 0.25);
    AddTube(p.neck, QPointF(L / 2 - 4, yTop + D * 0.35), QPointF(L / 2 - 2, yTop - N * 0.2),
            QPointF(headCentre.x() - R * 0.5, headCentre.y() + R * 0.6), headCentre + QPointF(-R * 0.2, R * 0.2),
            std::max(D * 0.42, R * 0.55), R * 0.62);

    QTransform turn;
    const QPointF pivot = headCentre + QPointF(-R * 0.4, R * 0.6);
    turn.translate(pivot.x(), pivot.y());
    turn.rotate(-pose.headTilt);
    turn.translate(-pivot.x(), -pivot.y());

    QPainterPath skull;
    skull.addEllipse(headCentre, R, R * 0.9);
    if (d.jowls) // heavy lips below the muzzle and cheeks
        skull.addEllipse(headCentre + QPointF(R * 0.25, R * 0.35), R * 0.85, R * 0.7);
    const double mTop = headCentre.y() + R * 0.02 - MD * 0.1;
    const double mBottom = mTop + MD * 0.78;
    const double mFront = headCentre.x() + R * 0.9 + M;
    const double mBack = headCentre.x();
    QPainterPath muzzle;
    muzzle.addRoundedRect(QRectF(mBack, mTop, mFront - mBack, mBottom - mTop), MD * 0.35, MD * 0.35);
    if (d.jowls)
        muzzle.addRoundedRect(QRectF(mFront - std::max(2.0, M * 0.7), mTop + MD * 0.35, std::max(2.0, M * 0.7), MD * 0.62),
                              MD * 0.3, MD * 0.3);
    p.turn = turn;
    p.head = turn.map(skull);
    p.muzzle = turn.map(muzzle);
    p.skullRadius = R;
    p.muzzleTop = mTop;
    p.muzzleBottom = mBottom;
    p.muzzleFront = mFront;
    p.muzzleBack = mBack;
    p.eye = turn.map(headCentre + QPointF(R * 0.42, -R * 0.18));
    p.eyeRadius = 0.7 + 0.2 * d.headSize;
    p.brow = turn.map(headCentre + QPointF(R * 0.4, -R * 0.5));
    p.nose = turn.map(QPointF(mFront - 0.45, mTop + 0.55));
    p.mouthFront = turn.map(QPointF(mFront - 0.6, mBottom - 0.35));
    p.mouthBack = turn.map(QPointF(mFront - std::max(1.5, M * 0.7) - 0.8, mBottom - 0.7));
    p.chest = QPointF(L / 2 - 0.5, yTop + D * 0.55);

    // Ears, set on the back of the skull.
    const double s = R / 4.8 * d.earSize;
    const bool hanging = d.ear == Ear::Drop || d.ear == Ear::Pendant || d.ear == Ear::Feathered;
    const QPointF e = headCentre + (hanging ? QPointF(-R * 0.4, -R * 0.62) : QPointF(-R * 0.3, -R * 0.68));
    QPainterPath ears;
    switch (d.ear) {
    case Ear::Prick:
        ears.moveTo(e + QPointF(-1.9 * s, 0.9));
        ears.cubicTo(e + QPointF(-1.8 * s, -2.5 * s), e + QPointF(-1.2 * s, -4.2 * s), e + QPointF(-0.8 * s, -4.6 * s));
        ears.cubicTo(e + QPointF(0.2 * s, -3.6 * s), e + QPointF(1.2 * s, -1.8 * s), e + QPointF(1.7 * s, 0.6));
        ears.closeSubpath();
        break;
    case Ear::Bat:
        ears.moveTo(e + QPointF(-1.9 * s, 1.0));
        ears.cubicTo(e + QPointF(-2.7 * s, -2.4 * s), e + QPointF(-1.0 * s, -4.8 * s), e + QPointF(0.3 * s, -4.3 * s));
        ears.cubicTo(e + QPointF(1.4 * s, -3.6 * s), e + QPointF(1.6 * s, -1.3 * s), e + QPointF(1.6 * s, 0.8));
        ears.closeSubpath();
        break;
    case Ear::Butterfly:
        ears.moveTo(e + QPointF(-1.0 * s, 0.8));
        ears.cubicTo(e + QPointF(-4.5 * s, -2.0 * s), e + QPointF(-4.2 * s, -5.5 * s), e + QPointF(-2.0 * s, -5.8 * s));
        ears.cubicTo(e + QPointF(0.2 * s, -5.2 * s), e + QPointF(1.4 * s, -2.0 * s), e + QPointF(1.5 * s, 0.6));
        ears.closeSubpath();
        AddFuzz(ears, QPainterPath(ears), 14, 0.7 * s);
        break;
    case Ear::Button:
        ears.moveTo(e + QPointF(-1.6 * s, 0.8));
        ears.cubicTo(e + QPointF(-0.8 * s, -1.6 * s), e + QPointF(1.0 * s, -1.8 * s), e + QPointF(2.6 * s, 1.2 * s));
        ears.cubicTo(e + QPointF(2.0 * s, 1.8 * s), e + QPointF(0.8 * s, 1.4 * s), e + QPointF(0.2 * s, 1.2 * s));
        ears.closeSubpath();
        break;
    case Ear::Rose:
        ears.moveTo(e + QPointF(1.2 * s, 0.6));
        ears.cubicTo(e + QPointF(0.4 * s, -1.6 * s), e + QPointF(-2.0 * s, -1.8 * s), e + QPointF(-3.0 * s, -0.4 * s));
        ears.cubicTo(e + QPointF(-2.0 * s, 0.6 * s), e + QPointF(-0.6 * s, 1.0 * s), e + QPointF(1.2 * s, 0.6));
        ears.closeSubpath();
        break;
    case Ear::Drop:
    case Ear::Pendant:
    case Ear::Feathered: {
        const double len = d.ear == Ear::Drop ? 4.4 * s : 6.4 * s;
        const double w = d.ear == Ear::Drop ? 1.8 * s : 2.0 * s;
        QPainterPath flap;
        flap.moveTo(e + QPointF(-w * 0.8, 0.2));
        flap.cubicTo(e + QPointF(-w * 1.3, len * 0.45), e + QPointF(-w * 0.9, len), e + QPointF(0, len));
        flap.cubicTo(e + QPointF(w * 0.8, len), e + QPointF(w * 1.1, len * 0.4), e + QPointF(w * 0.9, -0.2));
        flap.cubicTo(e + QPointF(0.5 * w, -0.9 * s), e + QPointF(-0.5 * w, -0.9 * s), e + QPointF(-w * 0.8, 0.2));
        flap.closeSubpath();
        // Turned to run the same way round as the discs added to it, so that
        // they add up instead of cancelling under the winding rule.
        flap = flap.toReversed();
        ears = flap;
        if (d.ear == Ear::Feathered)
            AddFuzz(ears, flap, 18, 0.6 * s);
        break;
    }
    }
    p.ears = turn.map(ears);

    // Tail, from the croup.
    const QPointF root(-L / 2 + 1.2, yTop + D * 0.18);
    const double lift = pose.tailLift;
    QPainterPath tail;
    auto dy = [&](double amount) { return -lift * amount; };
    switch (d.tail) {
    case Tail::Curl:
        AddTube(tail, root, root + QPointF(-2.5, -4.5), root + QPointF(2.5, -7.0), root + QPointF(4.0, -1.8), 1.3, 0.8);
        break;
    case Tail::Sickle:
        AddTube(tail, root, root + QPointF(-3.0, -1.5 + dy(1)), root + QPointF(-4.2, -4.5 + dy(1.5)),
                root + QPointF(-3.0, -7.0 + dy(1.5)), 1.0, 0.55);
        break;
    case Tail::Saber:
        AddTube(tail, root, root + QPointF(-3.5, 1.5 + dy(2)), root + QPointF(-6.0, 0.5 + dy(3)),
                root + QPointF(-7.0, -3.0 + dy(3)), 1.0, 0.45);
        break;
    case Tail::Whip:
        AddTube(tail, root, root + QPointF(-2.5, 3.0 + dy(2)), root + QPointF(-3.5, 7.0 + dy(3)),
                root + QPointF(-5.5, 8.5 + dy(4)), 0.75, 0.35);
        break;
    case Tail::Otter:
        AddTube(tail, root, root + QPointF(-3.0, 1.0 + dy(1)), root + QPointF(-5.0, 2.5 + dy(2)),
                root + QPointF(-7.5, 4.0 + dy(3)), 1.5, 0.6);
        break;
    case Tail::Plume:
        AddTube(tail, root, root + QPointF(-3.0, 0.5 + dy(1)), root + QPointF(-6.0, 0.8 + dy(2)),
                root + QPointF(-8.5, 1.0 + dy(3)), 1.0, 0.5);
        AddTube(tail, root + QPointF(-1.5, 1.5), root + QPointF(-3.5, 2.5 + dy(1)), root + QPointF(-6.0, 2.5 + dy(2)),
                root + QPointF(-8.0, 2.0 + dy(3)), 1.3, 0.6);
        break;
    case Tail::Stub:
        tail.addEllipse(root + QPointF(-1.2, -0.5), 1.2, 1.0);
        break;
    case Tail::Carrot:
        AddTube(tail, root, root + QPointF(-0.8, -1.5), root + QPointF(-1.4, -3.5), root + QPointF(-1.6 + lift, -5.5),
                1.2, 0.5);
        break;
    case Tail::Bushy:
        AddTube(tail, root, root + QPointF(-3.0, 2.0 + dy(1)), root + QPointF(-4.0, 6.0 + dy(2)),
                root + QPointF(-4.0 + lift, D * 0.8 + 3.0 + dy(3)), 1.7, 1.2);
        break;
    case Tail::Screw:
        tail.addEllipse(root + QPointF(-0.6, -1.0), 1.5, 1.4);
        break;
    }
    if (d.coat == Coat::Curly && d.tail == Tail::Carrot) // a poodle's pompom
        tail.addEllipse(root + QPointF(-1.6 + lift, -5.8), 2.0, 2.0);
    p.tail = tail;
    p.tailTip = tail.isEmpty() ? root : tail.boundingRect().center();

    // Coats that change the outline.
    switch (d.coat) {
    case Coat::Fluffy:
        AddFuzz(p.fluff, body, 34, 1.5);
        p.fluff.addEllipse(QPointF(L / 2 - 1.5, yTop + D * 0.3), D * 0.45 + 1.5, D * 0.6 + 1.0); // ruff
        p.fluff.addEllipse(turn.map(headCentre + QPointF(-R * 0.45, R * 0.35)), R * 0.8, R * 0.8);
        AddFuzz(p.tail, QPainterPath(tail), 16, 1.5);
        break;
    case Coat::Curly:
        AddFuzz(p.fluff, body, 40, 1.3);
        AddFuzz(p.fluff, p.neck, 20, 1.0);
        AddFuzz(p.ears, QPainterPath(p.ears), 16, 0.9);
        break;
    case Coat::Wire:
        AddFuzz(p.fluff, body, 50, 0.8);
        break;
    case Coat::Long:
    case Coat::Corded: {
        // Hair hanging from back and belly toward the ground.
        const bool toGround = d.coat == Coat::Corded || d.size < 0.35 || d.legLength < 0.7;
        const double hem = toGround ? -0.9 : yBottom + H * 0.45;
        QPainterPath skirt;
        skirt.moveTo(-L / 2 - 0.5, yTop + D * 0.35);
        skirt.lineTo(L / 2 + 0.5, yTop + D * 0.35);
        skirt.lineTo(L / 2 + 0.5, hem);
        const int waves = 9;
        for (int i = 1; i <= waves; ++i) {
            const double x0 = L / 2 + 0.5 - (L + 1) * (i - 0.5) / waves;
            const double x1 = L / 2 + 0.5 - (L + 1) * static_cast<double>(i) / waves;
            skirt.quadTo(x0, hem + 1.0, x1, hem - (i % 2 ? 0.2 : 0.0));
        }
        skirt.closeSubpath();
        p.skirt = skirt;
        AddFuzz(p.fluff, body, 30, 1.1);
        if (d.coat == Coat::Corded)
            p.fluff.addEllipse(turn.map(headCentre + QPointF(R * 0.1, R * 0.1)), R * 1.25, R * 1.15);
        break;
    }
    case Coat::Smooth:
    case Coat::Hairless:
        break;
    }
    if (d.beard) {
        QPainterPath beard;
        beard.addRoundedRect(QRectF(mFront - std::max(2.5, M * 0.8), mBottom - 1.2, std::max(2.5, M * 0.8) + 0.4, 2.8),
                             1.2, 1.2);
        p.muzzle.addPath(turn.map(beard));
    }
    if (d.topknot) {
        QPainterPath knot;
        knot.addEllipse(headCentre + QPointF(-R * 0.05, -R * 0.85), R * 0.7, R * 0.5);
        AddFuzz(knot, QPainterPath(knot), 10, 0.8);
        p.fluff.addPath(turn.map(knot));
    }
    return p;
}

// The layer with a dark rim of the given width grown around everything on it.
QImage WithOutline(const QImage& layer, const QColor& colour, int radius)
{
    const int w = layer.width(), h = layer.height();
    std::vector<int> alpha(static_cast<std::size_t>(w) * h), grown(alpha.size());
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        for (int x = 0; x < w; ++x)
            alpha[static_cast<std::size_t>(y) * w + x] = qAlpha(line[x]);
    }
    // A square grown in two passes, rows then columns.
    std::vector<int> rows(alpha.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int m = 0;
            for (int k = std::max(0, x - radius); k <= std::min(w - 1, x + radius); ++k)
                m = std::max(m, alpha[static_cast<std::size_t>(y) * w + k]);
            rows[static_cast<std::size_t>(y) * w + x] = m;
        }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int m = 0;
            for (int k = std::max(0, y - radius); k <= std::min(h - 1, y + radius); ++k)
                m = std::max(m, rows[static_cast<std::size_t>(k) * w + x]);
            grown[static_cast<std::size_t>(y) * w + x] = m;
        }
    QImage result(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int a = grown[static_cast<std::size_t>(y) * w + x];
            line[x] = qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), a));
        }
    }
    QPainter g(&result);
    g.drawImage(0, 0, layer);
    return result;
}

} // namespace

void DrawDog(QPainter& out, const DogLook& d, const DogPose& pose, std::string_view seed, QPointF ground, double unit,
             QSizeF maxSize)
{
    Rng rng(seed);
    Parts p = Build(d, pose);
    QPainterPath silhouette;
    silhouette.setFillRule(Qt::WindingFill);
    for (const QPainterPath* part : {&p.farLegs, &p.tail, &p.body, &p.neck, &p.nearLegs, &p.head, &p.muzzle, &p.ears,
                                     &p.fluff, &p.skirt})
        silhouette.addPath(*part);
    const QRectF box = silhouette.boundingRect();
    const double scale = std::min({unit, maxSize.width() / box.width(), maxSize.height() / (0.0 - box.top())});
    const double centreX = box.center().x();

    // The dog is painted on layers of its own at the output's resolution:
    // markings are then painted only where there is dog, and the outline is
    // grown from the finished shape.
    const double device = scale * std::abs(out.transform().m11());
    const QRectF area = box.adjusted(-2, -2, 2, 2);
    const QSize layerSize(static_cast<int>(std::ceil(area.width() * device)),
                          static_cast<int>(std::ceil(area.height() * device)));
    auto blank = [&] {
        QImage img(layerSize, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        return img;
    };
    QImage farLayer = blank();
    QImage restLayer = blank();
    QPainter g;
    auto begin = [&](QImage& img) {
        g.begin(&img);
        g.setRenderHint(QPainter::Antialiasing);
        g.scale(device, device);
        g.translate(-area.topLeft());
    };

    auto fill = [&](QPainterPath path, const QColor& c) {
        path.setFillRule(Qt::WindingFill);
        g.setPen(Qt::NoPen);
        g.setBrush(c);
        g.drawPath(path);
    };

    const bool hairless = d.coat == Coat::Hairless;
    const QColor coat = d.base;
    const QColor outline = Shade(coat, 160).darker(130);

    // Markings go on in two passes with the same seed, the far legs first, so
    // that a spot runs on where a leg disappears behind the body.
    const Rng patternSeed = rng;
    auto paintMarkings = [&] {
        Rng mark = patternSeed;
        g.save();
        g.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        g.setPen(Qt::NoPen);
        const QRectF bodyBox = p.body.boundingRect().united(p.neck.boundingRect());
        auto blob = [&](QPointF c, double rx, double ry, const QColor& col) {
            g.setBrush(col);
            g.drawEllipse(c, rx, ry);
        };
        auto lowerLegs = [&](const QColor& col, double fraction) {
            g.setBrush(col);
            const double top = p.legTopY * fraction;
            g.drawRect(QRectF(box.left() - 2, top, box.width() + 4, -top + 2));
        };
        auto muzzleArea = [&](const QColor& col) { fill(p.muzzle, col); };
        auto blaze = [&](const QColor& col) {
            QPainterPath stripe;
            stripe.addRoundedRect(QRectF(p.muzzleBack + p.skullRadius * 0.05, p.muzzleTop - p.skullRadius * 0.75,
                                         p.muzzleFront - p.muzzleBack + 1, p.skullRadius * 0.5),
                                  0.6, 0.6);
            QPainterPath face = p.head;
            face.addPath(p.muzzle);
            face.setFillRule(Qt::WindingFill);
            g.save();
            g.setClipPath(face, Qt::IntersectClip);
            fill(p.turn.map(stripe), col);
            g.restore();
        };
        auto bib = [&](const QColor& col) {
            blob(p.chest + QPointF(0.5, 0.5), 2.6, (p.bellyY - p.backY) * 0.45, col);
        };
        switch (d.pattern) {
        case Pattern::Solid:
            break;
        case Pattern::Spots:
            for (int i = 0; i < 90; ++i) {
                const QPointF c(mark.range(box.left(), box.right()), mark.range(box.top(), box.bottom()));
                const double r = mark.range(0.55, 1.0);
                blob(c, r, r, d.second);
            }
            break;
        case Pattern::Ticked:
            for (int i = 0; i < 260; ++i) {
                const QPointF c(mark.range(box.left(), box.right()), mark.range(box.top(), box.bottom()));
                blob(c, 0.32, 0.32, d.second);
            }
            blob(p.eye + QPointF(-1.5, 0), p.skullRadius * 0.9, p.skullRadius * 0.8, d.second);
            blob(QPointF(bodyBox.center().x() - 2, p.backY + 2), 3.0, 2.2, d.second);
            break;
        case Pattern::Patches:
            blob(QPointF(mark.range(bodyBox.left() + 3, bodyBox.center().x()), p.backY + mark.range(1, 4)),
                 mark.range(3.5, 5.5), mark.range(2.5, 4.0), d.second);
            if (mark.unit() < 0.7)
                blob(QPointF(mark.range(bodyBox.center().x(), bodyBox.right() - 3), p.backY + mark.range(0.5, 3)),
                     mark.range(2.0, 3.5), mark.range(2.0, 3.0), d.second);
            blob(p.eye + QPointF(-1.2, -0.6), p.skullRadius * 0.95, p.skullRadius * 0.85, d.second);
            if (d.coat == Coat::Long)
                blob(p.tailTip, 2.5, 2.5, d.second);
            break;
        case Pattern::Harlequin:
            for (int i = 0; i < 16; ++i) {
                const QPointF c(mark.range(box.left(), box.right()), mark.range(box.top(), p.bellyY));
                blob(c, mark.range(1.0, 2.2), mark.range(0.8, 1.6), d.second);
            }
            break;
        case Pattern::Saddle:
            blob(QPointF(bodyBox.center().x() - 1.5, p.backY + 0.5), (p.chestX - p.rumpX) * 0.48,
                 (p.bellyY - p.backY) * 0.55, d.second);
            blob(p.eye + QPointF(-1.0, -1.8), p.skullRadius * 0.9, p.skullRadius * 0.55, Shade(d.second, -10));
            g.setOpacity(0.85);
            muzzleArea(d.second);
            g.setOpacity(1);
            break;
        case Pattern::Tricolour:
            blob(QPointF(bodyBox.center().x() - 1.5, p.backY + 0.5), (p.chestX - p.rumpX) * 0.42,
                 (p.bellyY - p.backY) * 0.55, d.second);
            fill(p.head, d.third);
            blaze(d.base);
            blob(p.nose + QPointF(-1.0, 0.6), 1.8, 1.3, d.base);
            break;
        case Pattern::TanPoints:
            lowerLegs(d.third, 0.5);
            bib(d.third);
            muzzleArea(d.third);
            blob(QPointF(p.muzzleBack + 0.5, p.muzzleTop + 0.2), 1.2, 0.8, d.base); // the dark bridge of the nose
            blob(p.brow + QPointF(0.2, 0.4), 0.75, 0.55, d.third);
            break;
        case Pattern::Mask:
            lowerLegs(d.second, 0.75);
            blob(QPointF(bodyBox.center().x(), p.bellyY + 0.5), (p.chestX - p.rumpX) * 0.5, (p.bellyY - p.backY) * 0.32,
                 d.second);
            bib(d.second);
            muzzleArea(d.second);
            blob(p.mouthBack + QPointF(0, -0.5), p.skullRadius * 0.55, p.skullRadius * 0.4, d.second);
            blob(p.brow + QPointF(0.1, 0.3), 0.8, 0.55, d.second);
            blob(p.tailTip + QPointF(0, 1.0), 1.2, 1.4, d.second);
            break;
        case Pattern::DarkMuzzle:
            muzzleArea(d.second);
            blob(p.eye + QPointF(-0.4, 0), 1.2, 1.0, Shade(d.second, -20));
            break;
        case Pattern::WhiteChest:
            bib(d.second);
            lowerLegs(d.second, 0.2);
            break;
        case Pattern::Brindle:
            g.setPen(QPen(QColor(d.second.red(), d.second.green(), d.second.blue(), 170), 0.55));
            for (double x = box.left() - 10; x < box.right() + 10; x += 1.3)
                g.drawLine(QPointF(x, box.top()), QPointF(x + 4, box.bottom()));
            g.setPen(Qt::NoPen);
            break;
        case Pattern::Merle:
            for (int i = 0; i < 14; ++i) {
                const QPointF c(mark.range(box.left(), box.right()), mark.range(box.top(), p.bellyY));
                blob(c, mark.range(0.9, 2.0), mark.range(0.7, 1.5), d.second);
            }
            bib(QColor(245, 243, 235));
            lowerLegs(QColor(205, 140, 80), 0.25);
            break;
        case Pattern::Collar: {
            const QColor white(245, 243, 235);
            QPainterPath band = p.neck;
            band.setFillRule(Qt::WindingFill);
            g.save();
            g.setClipRect(QRectF(p.chestX - 4.5, box.top(), 4.0, box.height()), Qt::IntersectClip);
            fill(band, white);
            g.restore();
            bib(white);
            lowerLegs(white, 0.45);
            blaze(white);
            muzzleArea(white);
            blob(p.tailTip + QPointF(-1.5, 2.5), 1.5, 1.6, white);
            break;
        }
        case Pattern::Swiss:
            lowerLegs(d.third, 0.55);
            lowerLegs(d.second, 0.12);
            bib(d.second);
            blob(p.mouthBack + QPointF(-0.5, -0.3), p.skullRadius * 0.5, p.skullRadius * 0.4, d.third);
            blob(p.brow + QPointF(0.1, 0.4), 0.75, 0.55, d.third);
            blaze(d.second);
            muzzleArea(d.second);
            blob(p.tailTip + QPointF(-1.0, 3.0), 1.2, 1.4, d.second);
            break;
        case Pattern::Ridge:
            blob(QPointF(bodyBox.center().x(), p.backY + 0.3), (p.chestX - p.rumpX) * 0.3, 0.7, d.second);
            break;
        }
        if (hairless) { // the crest, socks and plume of the hairless breeds
            blob(p.brow + QPointF(-1.5, -2.2), 2.4, 1.6, QColor(245, 243, 235));
            lowerLegs(QColor(245, 243, 235), 0.12);
        }
        g.restore();
    };
    begin(farLayer);
    fill(p.farLegs, coat);
    paintMarkings();
    g.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    fill(p.farLegs, QColor(0, 0, 0, 64)); // the far legs stand in the body's shadow
    g.end();

    begin(restLayer);
    fill(p.tail, coat);
    fill(p.skirt, Shade(coat, 6));
    fill(p.neck, coat);
    fill(p.body, coat);
    fill(p.fluff, coat);
    fill(p.nearLegs, coat);
    fill(p.head, coat);
    fill(p.muzzle, coat);

    paintMarkings();
    g.save();
    g.setCompositionMode(QPainter::CompositionMode_SourceAtop);

    // Coat texture.
    if (d.coat == Coat::Curly || d.coat == Coat::Wire || d.coat == Coat::Corded || d.coat == Coat::Long) {
        g.setBrush(Qt::NoBrush);
        const QColor hair = Shade(coat, coat.lightness() > 200 ? 14 : 28);
        const double w = 0.32;
        g.setPen(QPen(hair, w, Qt::SolidLine, Qt::RoundCap));
        const int strands = d.coat == Coat::Curly ? 70 : 55;
        for (int i = 0; i < strands; ++i) {
            const QPointF c(rng.range(box.left(), box.right()), rng.range(box.top() + 2, box.bottom()));
            if (d.coat == Coat::Curly)
                g.drawArc(QRectF(c.x() - 0.6, c.y() - 0.6, 1.2, 1.2), static_cast<int>(rng.range(0, 360)) * 16, 220 * 16);
            else if (d.coat == Coat::Wire)
                g.drawLine(c, c + QPointF(rng.range(-0.8, 0.8), 0.9));
            else
                g.drawLine(c, c + QPointF(rng.range(-0.3, 0.3), d.coat == Coat::Corded ? 3.5 : 2.2));
        }
    }
    if (d.wrinkles) {
        g.setBrush(Qt::NoBrush);
        g.setPen(QPen(Shade(coat, 45), 0.35));
        for (int i = 0; i < 3; ++i)
            g.drawArc(QRectF(p.eye.x() - 2.5 + i * 0.3, p.eye.y() - 2.8 + i * 0.8, 3.5, 2.0), 20 * 16, 140 * 16);
    }
    g.restore();
    g.end();

    begin(farLayer);
    g.save();
    g.resetTransform();
    g.drawImage(0, 0, restLayer);
    g.restore();

    // Ears over the markings, coloured as the breed wears them.
    QColor earColour = coat;
    switch (d.pattern) {
    case Pattern::Ticked: case Pattern::Patches: case Pattern::Saddle: case Pattern::DarkMuzzle:
    case Pattern::Harlequin: case Pattern::Merle:
        earColour = d.second;
        break;
    case Pattern::Tricolour:
        earColour = d.third;
        break;
    default:
        break;
    }
    if (hairless)
        earColour = Shade(coat, 5);
    const bool upright = d.ear == Ear::Prick || d.ear == Ear::Bat || d.ear == Ear::Butterfly;
    g.setPen(QPen(upright ? outline : Shade(earColour, earColour.lightness() > 200 ? 40 : 70), 0.7,
                  Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath ears = p.ears;
    ears.setFillRule(Qt::WindingFill);
    g.setBrush(outline);
    g.drawPath(ears);
    fill(ears, Shade(earColour, d.ear == Ear::Prick || d.ear == Ear::Bat ? 0 : 8));
    if (d.ear == Ear::Prick || d.ear == Ear::Bat || d.ear == Ear::Butterfly) {
        g.save();
        g.translate(p.ears.boundingRect().center());
        g.scale(0.45, 0.55);
        g.translate(-p.ears.boundingRect().center() + QPointF(0.4, 0.6));
        fill(p.ears, QColor(226, 160, 150)); // the pink inside of an upright ear
        g.restore();
    }

    // Face.
    const bool eyesHidden = d.coat == Coat::Corded;
    if (!eyesHidden) {
        // On a dark face the eye gets a lighter rim, or it would vanish.
        g.setPen(coat.lightness() < 90 ? QPen(QColor(150, 120, 100), 0.45) : QPen(Qt::NoPen));
        g.setBrush(QColor(30, 22, 18));
        g.drawEllipse(p.eye, p.eyeRadius, p.eyeRadius);
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(255, 255, 255, 220));
        g.drawEllipse(p.eye + QPointF(0.25, -0.25), p.eyeRadius * 0.35, p.eyeRadius * 0.35);
        if (d.coat == Coat::Wire || d.beard) { // bushy brows
            g.setPen(QPen(Shade(coat, -10), 0.6, Qt::SolidLine, Qt::RoundCap));
            g.drawLine(p.brow + QPointF(-0.8, 0.5), p.brow + QPointF(1.2, 0.1));
        }
    }
    g.setPen(Qt::NoPen);
    g.setBrush(d.nose);
    g.drawEllipse(p.nose, 0.85 + 0.15 * d.muzzleDepth, 0.7);
    g.setPen(QPen(QColor(40, 28, 24), 0.3, Qt::SolidLine, Qt::RoundCap));
    g.setBrush(Qt::NoBrush);
    QPainterPath mouth;
    mouth.moveTo(p.mouthFront);
    mouth.quadTo((p.mouthFront + p.mouthBack) / 2 + QPointF(0, 0.4), p.mouthBack);
    g.drawPath(mouth);
    if (pose.tongueOut && !d.beard) {
        g.setPen(QPen(QColor(170, 60, 70), 0.25));
        g.setBrush(QColor(232, 104, 118));
        const QPointF t = p.mouthFront * 0.55 + p.mouthBack * 0.45;
        g.drawRoundedRect(QRectF(t.x() - 0.8, t.y() - 0.2, 1.6, 2.3), 0.8, 0.8);
    }
    g.end();

    const int outlinePx = std::max(1, static_cast<int>(std::lround(std::max(std::abs(out.transform().m11()), 0.45 * device))));
    const QImage outlined = WithOutline(farLayer, outline, outlinePx);

    out.save();
    out.translate(ground);
    out.setPen(Qt::NoPen);
    out.setBrush(QColor(0, 0, 0, 40));
    out.drawEllipse(QPointF(0, 0), box.width() * scale * 0.45, 1.6);
    out.scale(pose.facingLeft ? -scale : scale, scale);
    out.translate(-centreX, 0);
    out.setRenderHint(QPainter::SmoothPixmapTransform);
    out.drawImage(area, outlined);
    out.restore();
}

QImage PaintDog(const DogLook& d, const DogPose& pose, std::string_view seed)
{
    Rng rng(std::string(seed) + "#grass");

    QImage img(kPortraitWidth * kSuper, kPortraitHeight * kSuper, QImage::Format_ARGB32_Premultiplied);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.scale(kSuper, kSuper);

    // Backdrop: sky, a strip of grass, a soft shadow.
    const Backdrop bd = BackdropFor(pose.backdrop);
    QLinearGradient sky(0, 0, 0, kPortraitHeight);
    sky.setColorAt(0, bd.top);
    sky.setColorAt(1, bd.bottom);
    g.fillRect(QRectF(0, 0, kPortraitWidth, kPortraitHeight), sky);
    const double groundY = 37.5;
    g.fillRect(QRectF(0, groundY - 2.5, kPortraitWidth, kPortraitHeight), bd.grass);
    g.fillRect(QRectF(0, groundY - 2.5, kPortraitWidth, 0.7), bd.grass.lighter(118));
    for (int i = 0; i < 9; ++i) { // tufts
        const double x = rng.range(0, kPortraitWidth);
        g.setPen(QPen(bd.grass.darker(125), 0.5));
        g.drawLine(QPointF(x, groundY - 2.2), QPointF(x + 0.6, groundY - 3.6));
        g.drawLine(QPointF(x + 0.8, groundY - 2.2), QPointF(x + 0.9, groundY - 3.3));
    }

    DrawDog(g, d, pose, seed, QPointF(kPortraitWidth / 2.0, groundY), 0.78 + 0.42 * d.size, QSizeF(58, 34));

    // A thin frame, like a photo pinned to the wall.
    g.setPen(QPen(bd.grass.darker(160), 0.5));
    g.setBrush(Qt::NoBrush);
    g.drawRect(QRectF(0.25, 0.25, kPortraitWidth - 0.5, kPortraitHeight - 0.5));
    g.end();
    return img.scaled(kPortraitWidth, kPortraitHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

} // namespace artgen
