// Card faces of both decks, the card back and the placeholder.
#include "Art.h"
#include "Pictures.h"
#include "tarot/CardTable.h"

#include <QFontMetricsF>
#include <QRadialGradient>
#include <QtMath>
#include <array>
#include <random>

namespace picturegen {

namespace {

// ---------- the major arcana's emblems, on a box 100 wide and 120 high, ground at y 108 ----------

void Scythe(Art& a)
{
    QPainterPath staff;
    staff.moveTo(34, 114);
    staff.quadTo(44, 60, 64, 12);
    a.stroke(staff, 5.0);
    a.strokeColour(staff, a.colour(Role::Wood), a.wood ? 3.0 : 3.6);
    QPainterPath blade;
    blade.moveTo(64, 12);
    blade.cubicTo(40, 2, 14, 14, 4, 38);
    blade.cubicTo(20, 24, 42, 18, 62, 22);
    blade.closeSubpath();
    a.fill(blade, Role::Silver);
    // A skull at the foot.
    QPainterPath skull = EllipsePath({70, 92}, 13, 11);
    skull.addRoundedRect(QRectF(62, 96, 16, 10), 3, 3);
    skull.setFillRule(Qt::WindingFill);
    a.fill(skull.simplified(), Role::White);
    a.fill(EllipsePath({65.5, 92}, 3.2, 3.6), Role::Dark, 0.3);
    a.fill(EllipsePath({74.5, 92}, 3.2, 3.6), Role::Dark, 0.3);
    a.stroke(PolyPath({{66, 103}, {66, 106}}, false), 0.6);
    a.stroke(PolyPath({{70, 103}, {70, 106}}, false), 0.6);
    a.stroke(PolyPath({{74, 103}, {74, 106}}, false), 0.6);
}

void Lantern(Art& a)
{
    QPainterPath staff;
    staff.moveTo(28, 116);
    staff.lineTo(30, 10);
    a.stroke(staff, 4.5);
    a.strokeColour(staff, a.colour(Role::Wood), a.wood ? 2.6 : 3.2);
    a.stroke(PolyPath({{30, 20}, {62, 20}, {62, 30}}, false), 1.2);
    if (!a.wood) {
        QRadialGradient glow(QPointF(62, 58), 34);
        glow.setColorAt(0, QColor(255, 236, 150, 200));
        glow.setColorAt(1, QColor(255, 236, 150, 0));
        a.p.setPen(Qt::NoPen);
        a.p.setBrush(glow);
        a.p.drawEllipse(QPointF(62, 58), 34, 34);
    }
    a.fill(PolyPath({{50, 40}, {62, 30}, {74, 40}}), Role::Dark);
    QPainterPath glass;
    glass.addRoundedRect(QRectF(50, 40, 24, 32), 3, 3);
    a.fill(glass, Role::Yellow);
    a.fill(StarPath({62, 55}, 9, 3.5, 6), a.wood ? Role::Red : Role::White, 0.6);
    a.stroke(PolyPath({{56, 40}, {56, 72}}, false), 0.6);
    a.stroke(PolyPath({{68, 40}, {68, 72}}, false), 0.6);
    a.fill(PolyPath({{48, 72}, {76, 72}, {70, 80}, {54, 80}}), Role::Dark);
}

void Trumpet(Art& a)
{
    // Clouds and rays above, a trumpet sounding down from them, its banner below.
    for (int i = 0; i < 9; ++i) {
        const qreal ang = qDegreesToRadians(200.0 + i * 17.5);
        a.strokeColour(PolyPath({{50 + 22 * qCos(ang), 18 + 12 * qSin(ang) + 12},
                                 {50 + 48 * qCos(ang), 18 + 30 * qSin(ang) + 12}}, false),
                       a.colour(Role::Yellow), 1.6);
    }
    QPainterPath cloud;
    for (auto [x, y, r] : std::array<std::array<qreal, 3>, 5>{{{26, 22, 12}, {40, 16, 13}, {56, 14, 14}, {72, 18, 12},
                                                              {84, 24, 9}}})
        cloud.addEllipse(QPointF(x, y), r, r * 0.8);
    cloud.setFillRule(Qt::WindingFill);
    a.fill(cloud.simplified(), a.wood ? Role::Blue : Role::White);
    QPainterPath tube = PolyPath({{36, 30}, {40, 27}, {74, 74}, {70, 77}});
    a.fill(tube, Role::Gold);
    QPainterPath bell;
    bell.moveTo(70, 74);
    bell.quadTo(74, 84, 70, 94);
    bell.quadTo(82, 90, 90, 82);
    bell.quadTo(80, 80, 76, 70);
    bell.closeSubpath();
    a.fill(bell, Role::Gold);
    QPainterPath banner = PolyPath({{46, 42}, {62, 64}, {44, 80}, {44, 66}, {34, 56}});
    a.fill(banner, Role::White);
    a.fill(RectPath(44, 55, 10, 3), Role::Red, 0.3);
    a.fill(RectPath(47.5, 51, 3, 11), Role::Red, 0.3);
    // Three rising figures' heads.
    for (qreal x : {24.0, 50.0, 76.0}) {
        a.fill(EllipsePath({x, 100}, 6, 6.5), Role::Flesh, 0.8);
        a.fill(PolyPath({{x - 8, 114}, {x - 6, 106}, {x + 6, 106}, {x + 8, 114}}), Role::Flesh, 0.8);
    }
}

void Scales(Art& a)
{
    a.fill(RectPath(47, 24, 6, 80), Role::Gold);
    a.fill(PolyPath({{36, 112}, {40, 102}, {60, 102}, {64, 112}}), Role::Gold);
    a.fill(EllipsePath({50, 20}, 6, 6), Role::Gold);
    QPainterPath beam;
    beam.addRoundedRect(QRectF(12, 28, 76, 5), 2, 2);
    a.fill(beam, Role::Gold);
    for (qreal x : {20.0, 80.0}) {
        a.stroke(PolyPath({{x, 32}, {x - 13, 70}}, false), 0.7);
        a.stroke(PolyPath({{x, 32}, {x + 13, 70}}, false), 0.7);
        QPainterPath pan;
        pan.moveTo(x - 15, 70);
        pan.quadTo(x, 86, x + 15, 70);
        pan.closeSubpath();
        a.fill(pan, a.wood ? Role::Red : Role::Gold);
    }
    // The upright sword of judgement behind the post.
    a.fill(PolyPath({{50, 4}, {53, 12}, {47, 12}}), Role::Silver, 0.6);
}

void Lion(Art& a)
{
    const QPointF c(50, 60);
    QPainterPath mane;
    for (int i = 0; i < 14; ++i) {
        const qreal ang = qDegreesToRadians(i * 360.0 / 14);
        mane.addEllipse(QPointF(c.x() + 27 * qCos(ang), c.y() + 27 * qSin(ang)), 13, 13);
    }
    mane.addEllipse(c, 30, 30);
    mane.setFillRule(Qt::WindingFill);
    a.fill(mane.simplified(), a.wood ? Role::Red : Role::Wood);
    QPainterPath face = EllipsePath(c + QPointF(0, 2), 21, 23);
    a.fill(face, a.wood ? Role::Yellow : Role::Gold);
    a.fill(EllipsePath(c + QPointF(-15, -18), 5, 5), a.wood ? Role::Yellow : Role::Gold);
    a.fill(EllipsePath(c + QPointF(15, -18), 5, 5), a.wood ? Role::Yellow : Role::Gold);
    a.fill(EllipsePath(c + QPointF(-8, -4), 3.5, 2.5), Role::White, 0.6);
    a.fill(EllipsePath(c + QPointF(8, -4), 3.5, 2.5), Role::White, 0.6);
    a.fill(EllipsePath(c + QPointF(-8, -4), 1.4, 1.8), Role::Dark, 0);
    a.fill(EllipsePath(c + QPointF(8, -4), 1.4, 1.8), Role::Dark, 0);
    a.fill(PolyPath({c + QPointF(-5, 6), c + QPointF(5, 6), c + QPointF(0, 11)}), Role::Dark, 0.5);
    QPainterPath mouth;
    mouth.moveTo(c + QPointF(0, 11));
    mouth.lineTo(c + QPointF(0, 15));
    mouth.moveTo(c + QPointF(-8, 16));
    mouth.quadTo(c + QPointF(-4, 20), c + QPointF(0, 15));
    mouth.quadTo(c + QPointF(4, 20), c + QPointF(8, 16));
    a.stroke(mouth, 0.9);
    // The hand that gently closes its jaws.
    a.fill(EllipsePath(c + QPointF(-20, 24), 10, 5), Role::Flesh, 0.8);
}

void PouringCups(Art& a)
{
    a.p.save();
    a.p.translate(30, 34);
    a.p.rotate(-35);
    DrawPip(a, 0, {0, 0}, 36);
    a.p.restore();
    QPainterPath stream;
    stream.moveTo(44, 24);
    stream.cubicTo(64, 30, 70, 50, 66, 70);
    stream.lineTo(62, 70);
    stream.cubicTo(64, 52, 58, 34, 42, 30);
    stream.closeSubpath();
    a.fill(stream, Role::Water, 0.5);
    DrawPip(a, 0, {64, 88}, 38);
    if (!a.wood)
        for (int i = 0; i < 4; ++i)
            a.fill(EllipsePath({58.0 + i * 3, 46.0 + i * 6}, 1, 1.5), Role::White, 0);
}

void Cliff(Art& a)
{
    QPainterPath rock = PolyPath({{0, 120}, {0, 84}, {30, 78}, {58, 80}, {66, 86}, {64, 120}});
    a.fill(rock, Role::Stone);
    a.stroke(PolyPath({{20, 90}, {34, 100}, {30, 112}}, false), 0.6);
    a.stroke(PolyPath({{50, 88}, {56, 104}}, false), 0.6);
    QPainterPath staff;
    staff.moveTo(18, 80);
    staff.lineTo(76, 30);
    a.stroke(staff, 4.2);
    a.strokeColour(staff, a.colour(Role::Wood), a.wood ? 2.2 : 2.8);
    QPainterPath bundle = EllipsePath({78, 34}, 12, 10);
    a.fill(bundle, a.wood ? Role::Red : Role::Purple);
    a.stroke(PolyPath({{72, 26}, {78, 34}, {86, 28}}, false), 0.8);
    // A white rose and the sun that the Fool walks towards.
    a.fill(StarPath({30, 66}, 6, 3, 5), Role::White, 0.6);
    a.fill(EllipsePath({30, 66}, 2, 2), Role::Yellow, 0.3);
    a.fill(EllipsePath({22, 22}, 10, 10), Role::Yellow, 0.8);
}

void Wheel(Art& a, QPointF c, qreal r)
{
    a.fill(EllipsePath(c, r, r), a.wood ? Role::Yellow : Role::Wood);
    a.fill(EllipsePath(c, r * 0.78, r * 0.78), a.wood ? Role::White : Role::Gold, 0.6);
    for (int i = 0; i < 8; ++i) {
        const qreal ang = qDegreesToRadians(i * 45.0);
        a.stroke(PolyPath({c, c + QPointF(r * 0.78 * qCos(ang), r * 0.78 * qSin(ang))}, false), 1.4);
    }
    a.fill(EllipsePath(c, r * 0.2, r * 0.2), a.wood ? Role::Red : Role::Wood);
}

void Chariot(Art& a)
{
    // Canopy on four posts, the car, and two wheels.
    a.fill(PolyPath({{18, 30}, {50, 16}, {82, 30}}), a.wood ? Role::Blue : Role::Blue);
    for (qreal x : {22.0, 40.0, 60.0, 78.0})
        a.fill(RectPath(x - 1.5, 30, 3, 30), Role::Gold, 0.6);
    for (auto [x, y] : std::array<std::array<qreal, 2>, 3>{{{36, 25}, {50, 22}, {64, 25}}})
        a.fill(StarPath({x, y}, 3.2, 1.4, 5), Role::Yellow, 0.3);
    QPainterPath car;
    car.addRoundedRect(QRectF(14, 58, 72, 30), 3, 3);
    a.fill(car, Role::Red);
    a.fill(StarPath({50, 73}, 9, 4, 8), Role::Gold, 0.6);
    Wheel(a, {24, 94}, 14);
    Wheel(a, {76, 94}, 14);
}

void HornsAndChains(Art& a)
{
    // Horns over a dark altar, two chains falling from its ring.
    QPainterPath left;
    left.moveTo(44, 40);
    left.cubicTo(30, 30, 18, 20, 14, 4);
    left.cubicTo(24, 18, 36, 24, 48, 30);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(56, 40);
    right.cubicTo(70, 30, 82, 20, 86, 4);
    right.cubicTo(76, 18, 64, 24, 52, 30);
    right.closeSubpath();
    a.fill(left, a.wood ? Role::Yellow : Role::White);
    a.fill(right, a.wood ? Role::Yellow : Role::White);
    QPainterPath head = EllipsePath({50, 42}, 14, 12);
    a.fill(head, a.wood ? Role::Red : Role::Red);
    a.fill(PolyPath({{43, 40}, {47, 42}, {43, 44}}), Role::Yellow, 0.3);
    a.fill(PolyPath({{57, 40}, {53, 42}, {57, 44}}), Role::Yellow, 0.3);
    a.fill(RectPath(30, 54, 40, 26), Role::Dark);
    a.fill(EllipsePath({50, 66}, 5, 5), Role::Dark, 1.2);
    a.strokeColour(EllipsePath({50, 66}, 5, 5), a.colour(Role::Grey), 1.5);
    for (int side : {-1, 1}) {
        for (int k = 0; k < 6; ++k) {
            const QPointF q(50 + side * (7 + k * 5.5), 70 + k * 7);
            a.p.save();
            a.p.translate(q);
            a.p.rotate(side * 50);
            a.strokeColour(EllipsePath({0, 0}, 3.4, 2), a.colour(Role::Ink), a.wood ? 2.4 : 2.0);
            a.strokeColour(EllipsePath({0, 0}, 3.4, 2), a.colour(Role::Grey), 1.0);
            a.p.restore();
        }
    }
}

void Throne(Art& a)
{
    QPainterPath back;
    back.addRoundedRect(QRectF(24, 10, 52, 70), 6, 6);
    a.fill(back, a.wood ? Role::Blue : Role::Stone);
    a.fill(EllipsePath({24, 14}, 7, 7), Role::Gold);
    a.fill(EllipsePath({76, 14}, 7, 7), Role::Gold);
    a.stroke(PolyPath({{20, 12}, {17, 8}}, false), 1.2);
    a.stroke(PolyPath({{80, 12}, {83, 8}}, false), 1.2);
    a.fill(RectPath(16, 66, 68, 14), a.wood ? Role::Red : Role::Red);
    a.fill(RectPath(18, 80, 10, 30), a.wood ? Role::Yellow : Role::Stone);
    a.fill(RectPath(72, 80, 10, 30), a.wood ? Role::Yellow : Role::Stone);
    // Orb and sceptre resting on the seat.
    a.fill(EllipsePath({50, 56}, 8, 8), Role::Gold);
    a.fill(RectPath(48.5, 40, 3, 8), Role::Gold, 0.6);
    a.fill(RectPath(45, 42, 10, 3), Role::Gold, 0.6);
    a.fill(RectPath(36, 30, 3.5, 36), Role::Gold, 0.7);
    a.fill(EllipsePath({37.75, 28}, 4, 4), Role::Red, 0.7);
}

void StarryCrown(Art& a)
{
    for (int i = 0; i < 12; ++i) {
        const qreal ang = qDegreesToRadians(180.0 + i * 180.0 / 11);
        a.fill(StarPath({50 + 40 * qCos(ang), 62 + 40 * qSin(ang)}, 5, 2.2, 5), Role::Yellow, 0.5);
    }
    Crown(a, {50, 56}, 50);
    // The Empress's shield and wheat.
    QPainterPath shield;
    shield.moveTo(36, 76);
    shield.lineTo(64, 76);
    shield.lineTo(64, 90);
    shield.quadTo(64, 104, 50, 110);
    shield.quadTo(36, 104, 36, 90);
    shield.closeSubpath();
    a.fill(shield, a.wood ? Role::Blue : Role::Green);
    a.fill(StarPath({50, 92}, 7, 3, 5), Role::Gold, 0.5);
    for (qreal x : {20.0, 80.0}) {
        a.stroke(PolyPath({{x, 112}, {x, 80}}, false), 1.2);
        for (int k = 0; k < 4; ++k) {
            a.fill(EllipsePath({x - 3, 84.0 + k * 6}, 2.4, 3.6), Role::Gold, 0.4);
            a.fill(EllipsePath({x + 3, 84.0 + k * 6}, 2.4, 3.6), Role::Gold, 0.4);
        }
    }
}

void HangingFigure(Art& a)
{
    a.fill(RectPath(14, 10, 8, 102), Role::Wood);
    a.fill(RectPath(78, 10, 8, 102), Role::Wood);
    a.fill(RectPath(10, 8, 80, 8), Role::Wood);
    for (qreal x : {30.0, 46.0, 62.0})
        a.fill(PolyPath({{x, 16}, {x + 4, 10}, {x + 6, 16}}), Role::Green, 0.4);
    a.stroke(PolyPath({{50, 16}, {50, 26}}, false), 1.4);
    // Tied by one foot, the other leg crossed behind: a figure four.
    a.fill(RectPath(47, 26, 6, 30), a.wood ? Role::Red : Role::Red);
    a.fill(PolyPath({{50, 46}, {36, 40}, {34, 46}, {50, 54}}), a.wood ? Role::Red : Role::Red);
    QPainterPath body;
    body.addRoundedRect(QRectF(40, 54, 20, 28), 4, 4);
    a.fill(body, Role::Blue);
    a.fill(EllipsePath({50, 90}, 8, 8), Role::Flesh);
    if (!a.wood) {
        QRadialGradient halo(QPointF(50, 92), 16);
        halo.setColorAt(0, QColor(255, 230, 120, 200));
        halo.setColorAt(1, QColor(255, 230, 120, 0));
        a.p.setPen(Qt::NoPen);
        a.p.setBrush(halo);
        a.p.drawEllipse(QPointF(50, 92), 16, 16);
        a.fill(EllipsePath({50, 90}, 8, 8), Role::Flesh);
    } else {
        a.stroke(EllipsePath({50, 92}, 13, 13), 0.7);
    }
    a.stroke(PolyPath({{40, 58}, {34, 76}, {44, 84}}, false), 1.4);
    a.stroke(PolyPath({{60, 58}, {66, 76}, {56, 84}}, false), 1.4);
}

void TripleCrown(Art& a)
{
    QPainterPath tiara;
    tiara.moveTo(28, 78);
    tiara.cubicTo(24, 40, 40, 14, 50, 12);
    tiara.cubicTo(60, 14, 76, 40, 72, 78);
    tiara.closeSubpath();
    a.fill(tiara, a.wood ? Role::White : Role::White);
    for (qreal y : {36.0, 52.0, 68.0}) {
        const qreal half = 9 + (y - 20) * 0.33;
        QPainterPath band;
        band.addRoundedRect(QRectF(50 - half, y - 3, half * 2, 6), 2, 2);
        a.fill(band, Role::Gold, 0.7);
        for (int k = -2; k <= 2; ++k)
            a.fill(EllipsePath({50 + k * half * 0.4, y}, 1.4, 1.4), Role::Red, 0.2);
    }
    a.fill(RectPath(48.5, 2, 3, 12), Role::Gold, 0.6);
    a.fill(RectPath(45, 5, 10, 3), Role::Gold, 0.6);
    // Crossed keys below.
    for (int side : {-1, 1}) {
        a.p.save();
        a.p.translate(50, 96);
        a.p.rotate(side * 35);
        a.fill(RectPath(-1.6, -20, 3.2, 34), side < 0 ? Role::Gold : Role::Silver, 0.6);
        a.strokeColour(EllipsePath({0, -22}, 5, 4), a.colour(side < 0 ? Role::Gold : Role::Silver), 2.4);
        a.stroke(EllipsePath({0, -22}, 6.2, 5.2), 0.5);
        a.fill(RectPath(0, 8, 7, 3), side < 0 ? Role::Gold : Role::Silver, 0.5);
        a.p.restore();
    }
}

void PillarsAndCrescent(Art& a)
{
    for (int k = 0; k < 2; ++k) {
        const qreal x = k == 0 ? 12 : 70;
        const Role r = k == 0 ? Role::Dark : Role::White;
        a.fill(RectPath(x, 18, 18, 90), r);
        a.fill(RectPath(x - 3, 12, 24, 8), r);
        a.fill(RectPath(x - 3, 106, 24, 6), r);
        a.p.setFont(PixelFont(QStringLiteral("DejaVu Serif"), 11, true));
        a.p.setPen(k == 0 ? a.colour(Role::White) : a.colour(Role::Ink));
        a.p.drawText(QRectF(x, 30, 18, 14), Qt::AlignCenter, k == 0 ? QStringLiteral("B") : QStringLiteral("J"));
    }
    // The veil between them, and the crescent at her feet.
    QPainterPath veil = RectPath(30, 22, 40, 70);
    a.fill(veil, a.wood ? Role::Red : Role::Purple, 0.6);
    for (auto [x, y] : std::array<std::array<qreal, 2>, 6>{{{38, 32}, {62, 32}, {50, 46}, {38, 60}, {62, 60}, {50, 74}}})
        a.fill(EllipsePath({x, y}, 3.5, 4), a.wood ? Role::Yellow : Role::Red, 0.4);
    QPainterPath moon;
    moon.addEllipse(QPointF(50, 100), 16, 10);
    QPainterPath bite;
    bite.addEllipse(QPointF(50, 93), 15, 8);
    a.fill(moon.subtracted(bite), a.wood ? Role::Yellow : Role::Silver);
    a.fill(EllipsePath({50, 16}, 5, 5), a.wood ? Role::Blue : Role::Silver, 0.6);
}

void Figure(Art& a, QPointF feet, qreal h, Role robe, bool longHair)
{
    const qreal x = feet.x(), y = feet.y();
    QPainterPath body = PolyPath({{x - h * 0.2, y}, {x - h * 0.12, y - h * 0.62}, {x + h * 0.12, y - h * 0.62},
                                  {x + h * 0.2, y}});
    a.fill(body, robe);
    if (longHair)
        a.fill(EllipsePath({x, y - h * 0.72}, h * 0.14, h * 0.17), Role::Gold);
    a.fill(EllipsePath({x, y - h * 0.75}, h * 0.11, h * 0.12), Role::Flesh);
}

void TwoFigures(Art& a)
{
    // The winged figure's sun and heart above the pair.
    a.fill(EllipsePath({50, 22}, 14, 14), Role::Yellow);
    for (int i = 0; i < 12; ++i) {
        const qreal ang = qDegreesToRadians(i * 30.0);
        a.strokeColour(PolyPath({{50 + 17 * qCos(ang), 22 + 17 * qSin(ang)}, {50 + 23 * qCos(ang), 22 + 23 * qSin(ang)}},
                                false),
                       a.colour(Role::Yellow), 2);
    }
    QPainterPath heart;
    heart.moveTo(50, 30);
    heart.cubicTo(38, 20, 40, 10, 50, 16);
    heart.cubicTo(60, 10, 62, 20, 50, 30);
    a.fill(heart, Role::Red, 0.7);
    Figure(a, {28, 110}, 66, Role::Blue, false);
    Figure(a, {72, 110}, 62, Role::Red, true);
    a.stroke(PolyPath({{40, 70}, {50, 74}, {60, 70}}, false), 1.4);
}

void InfinityOverTable(Art& a)
{
    QPainterPath inf;
    inf.moveTo(50, 22);
    inf.cubicTo(40, 8, 22, 12, 22, 22);
    inf.cubicTo(22, 32, 40, 36, 50, 22);
    inf.cubicTo(60, 8, 78, 12, 78, 22);
    inf.cubicTo(78, 32, 60, 36, 50, 22);
    a.strokeColour(inf, a.colour(Role::Ink), a.wood ? 6 : 5.5);
    a.strokeColour(inf, a.colour(Role::Gold), 3.2);
    a.fill(RectPath(8, 68, 84, 8), a.wood ? Role::Red : Role::Wood);
    a.fill(RectPath(14, 76, 6, 34), a.wood ? Role::Yellow : Role::Wood);
    a.fill(RectPath(80, 76, 6, 34), a.wood ? Role::Yellow : Role::Wood);
    // The four tools on the table.
    DrawPip(a, 0, {24, 56}, 22);
    DrawPip(a, 1, {44, 60}, 16);
    a.p.save();
    a.p.translate(62, 54);
    a.p.rotate(-70);
    DrawPip(a, 2, {0, 0}, 30);
    a.p.restore();
    a.p.save();
    a.p.translate(80, 48);
    a.p.rotate(20);
    DrawPip(a, 3, {0, 0}, 36);
    a.p.restore();
}

void MoonFace(Art& a, QPointF c, qreal r)
{
    a.fill(EllipsePath(c, r, r), a.wood ? Role::Yellow : Role::Silver);
    QPainterPath dark;
    dark.addEllipse(c + QPointF(r * 0.35, -r * 0.1), r * 0.85, r * 0.95);
    QPainterPath crescent = EllipsePath(c, r, r).subtracted(dark);
    a.fill(crescent, a.wood ? Role::Blue : Role::Yellow, 0.6);
    a.fill(EllipsePath(c + QPointF(r * 0.1, -r * 0.15), r * 0.1, r * 0.06), Role::Dark, 0);
    a.stroke(PolyPath({c + QPointF(-r * 0.05, r * 0.35), c + QPointF(r * 0.2, r * 0.38)}, false), 0.8);
}

void MoonAndTowers(Art& a)
{
    MoonFace(a, {50, 28}, 20);
    for (int i = 0; i < 7; ++i)
        a.fill(EllipsePath({26.0 + i * 8, 56.0 + (i % 2) * 4}, 1.6, 2.6), a.wood ? Role::Red : Role::Yellow, 0.4);
    for (qreal x : {6.0, 76.0}) {
        a.fill(RectPath(x, 50, 18, 58), Role::Stone);
        for (int k = 0; k < 3; ++k)
            a.fill(RectPath(x + k * 6.6, 45, 4.8, 6), Role::Stone, 0.7);
        a.fill(RectPath(x + 6.5, 62, 5, 8), Role::Dark, 0.4);
    }
    QPainterPath path;
    path.moveTo(46, 108);
    path.cubicTo(48, 90, 56, 80, 50, 66);
    path.lineTo(52, 66);
    path.cubicTo(60, 80, 52, 92, 56, 108);
    path.closeSubpath();
    a.fill(path, a.wood ? Role::Yellow : Role::Gold, 0.6);
    QPainterPath pool;
    pool.addEllipse(QPointF(50, 114), 30, 6);
    a.fill(pool, Role::Water, 0.6);
}

void BigStar(Art& a)
{
    a.fill(StarPath({50, 38}, 26, 9, 8), Role::Yellow);
    a.fill(StarPath({50, 38}, 16, 6, 8, -67.5), a.wood ? Role::Red : Role::Gold, 0.6);
    for (auto [x, y] : std::array<std::array<qreal, 2>, 7>{{{14, 14}, {86, 14}, {12, 48}, {88, 48}, {24, 74}, {76, 74},
                                                           {50, 6}}})
        a.fill(StarPath({x, y}, 6, 2.4, 8), Role::Yellow, 0.5);
    // Water poured into the pool.
    a.fill(EllipsePath({50, 104}, 40, 9), Role::Water);
    DrawPip(a, 0, {30, 88}, 20);
    DrawPip(a, 0, {70, 88}, 20);
}

void SunFace(Art& a)
{
    const QPointF c(50, 42);
    for (int i = 0; i < 16; ++i) {
        const qreal ang = qDegreesToRadians(i * 22.5);
        const qreal len = (i % 2) ? 34 : 40;
        QPainterPath ray = PolyPath({c + QPointF(22 * qCos(ang - 0.14), 22 * qSin(ang - 0.14)),
                                     c + QPointF(len * qCos(ang), len * qSin(ang)),
                                     c + QPointF(22 * qCos(ang + 0.14), 22 * qSin(ang + 0.14))});
        a.fill(ray, (i % 2) ? Role::Red : Role::Yellow, 0.6);
    }
    a.fill(EllipsePath(c, 24, 24), Role::Yellow);
    a.fill(EllipsePath(c + QPointF(-8, -4), 2.4, 1.8), Role::Dark, 0);
    a.fill(EllipsePath(c + QPointF(8, -4), 2.4, 1.8), Role::Dark, 0);
    QPainterPath smile;
    smile.moveTo(c + QPointF(-9, 8));
    smile.quadTo(c + QPointF(0, 15), c + QPointF(9, 8));
    a.stroke(smile, 1.0);
    a.stroke(PolyPath({c + QPointF(0, -2), c + QPointF(-2, 5), c + QPointF(1, 5)}, false), 0.7);
    // The garden wall.
    for (int row = 0; row < 2; ++row)
        for (int k = 0; k < 6; ++k)
            a.fill(RectPath(2 + k * 16 + (row ? 8 : 0) - (row && k == 5 ? 0 : 0), 92 + row * 8, 16, 8), Role::Stone,
                   0.6);
    Figure(a, {36, 92}, 22, Role::Blue, false);
    Figure(a, {64, 92}, 22, Role::Red, false);
}

void StruckTower(Art& a)
{
    a.fill(PolyPath({{34, 112}, {38, 34}, {62, 34}, {66, 112}}), Role::Stone);
    a.fill(RectPath(46, 90, 8, 22), Role::Dark, 0.6);
    a.fill(RectPath(40, 54, 6, 10), Role::Yellow, 0.5);
    a.fill(RectPath(54, 70, 6, 10), Role::Yellow, 0.5);
    // The crown knocked from its top.
    a.p.save();
    a.p.translate(68, 24);
    a.p.rotate(32);
    Crown(a, {0, 0}, 26);
    a.p.restore();
    QPainterPath bolt = PolyPath({{96, 0}, {74, 22}, {82, 24}, {58, 44}, {70, 30}, {62, 28}, {80, 4}});
    a.fill(bolt, Role::Yellow, 0.8);
    for (auto [x, y] : std::array<std::array<qreal, 2>, 6>{{{20, 30}, {26, 50}, {16, 70}, {82, 56}, {78, 78}, {86, 40}}})
        a.fill(PolyPath({{x, y - 4}, {x + 3, y}, {x, y + 4}, {x - 3, y}}), Role::Red, 0.4);
    // Flames from the windows.
    a.fill(PolyPath({{40, 34}, {44, 26}, {48, 32}, {52, 22}, {56, 32}, {60, 28}, {62, 34}}), Role::Red, 0.6);
}

void Wreath(Art& a)
{
    const QPointF c(50, 60);
    for (int i = 0; i < 28; ++i) {
        const qreal ang = qDegreesToRadians(i * 360.0 / 28);
        const QPointF q(c.x() + 30 * qCos(ang), c.y() + 42 * qSin(ang));
        a.p.save();
        a.p.translate(q);
        a.p.rotate(qRadiansToDegrees(ang) + (i % 2 ? 60 : 120));
        a.fill(EllipsePath({0, 0}, 7, 3), Role::Green, 0.6);
        a.p.restore();
    }
    for (int side : {-1, 1}) {
        const qreal y = c.y() + side * 42;
        a.fill(PolyPath({{c.x() - 8, y - 4}, {c.x() + 8, y + 4}, {c.x() + 8, y - 4}, {c.x() - 8, y + 4}}), Role::Red,
               0.7);
    }
    // The dancer within, and the four living creatures' stars at the corners.
    Figure(a, {50, 86}, 42, Role::Purple, true);
    a.stroke(PolyPath({{44, 62}, {34, 56}}, false), 1.4);
    a.stroke(PolyPath({{56, 62}, {66, 52}}, false), 1.4);
    for (auto [x, y] : std::array<std::array<qreal, 2>, 4>{{{8, 10}, {92, 10}, {8, 110}, {92, 110}}})
        a.fill(StarPath({x, y}, 6, 2.6, 4, 0), Role::Gold, 0.5);
}

void FortuneWheel(Art& a)
{
    a.fill(RectPath(46, 60, 8, 48), Role::Wood);
    a.fill(RectPath(30, 104, 40, 8), Role::Wood);
    const QPointF c(50, 52);
    a.fill(EllipsePath(c, 38, 38), a.wood ? Role::Yellow : Role::Gold);
    a.fill(EllipsePath(c, 30, 30), a.wood ? Role::Blue : Role::Blue, 0.6);
    for (int i = 0; i < 8; ++i) {
        const qreal ang = qDegreesToRadians(i * 45.0 + 22.5);
        a.strokeColour(PolyPath({c, c + QPointF(30 * qCos(ang), 30 * qSin(ang))}, false), a.colour(Role::Ink),
                       a.wood ? 4 : 3.4);
        a.strokeColour(PolyPath({c, c + QPointF(30 * qCos(ang), 30 * qSin(ang))}, false), a.colour(Role::Gold), 2);
    }
    a.fill(EllipsePath(c, 9, 9), Role::Red);
    a.fill(EllipsePath(c, 3, 3), Role::Gold, 0.5);
    const char* letters = "TARO";
    a.p.setFont(PixelFont(QStringLiteral("DejaVu Serif"), 9, true));
    for (int i = 0; i < 4; ++i) {
        const qreal ang = qDegreesToRadians(-90.0 + i * 90.0);
        a.p.setPen(a.colour(Role::Ink));
        a.p.drawText(QRectF(c.x() + 34 * qCos(ang) - 6, c.y() + 34 * qSin(ang) - 6, 12, 12), Qt::AlignCenter,
                     QString(QLatin1Char(letters[i])));
    }
}

using Emblem = void (*)(Art&);
constexpr std::array<Emblem, 22> kEmblems = {
    Scythe,    Lantern,      Trumpet,           Scales,       Lion,      PouringCups, Cliff,        Chariot,
    HornsAndChains, Throne,  StarryCrown,       HangingFigure, TripleCrown, PillarsAndCrescent, TwoFigures,
    InfinityOverTable, MoonAndTowers, BigStar, SunFace,       StruckTower, Wreath,   FortuneWheel};

// Sky (top, horizon) and ground of each major card in deck "o".
struct Scene {
    QRgb skyTop, skyLow, ground;
};
constexpr std::array<Scene, 22> kScenes = {{
    {0x3b2f4a, 0x9d8aa8, 0x5b5248}, // Death: dusk
    {0x101838, 0x34406e, 0x4c4e5e}, // Hermit: night on the mountain
    {0x4f86c8, 0xd8e6f0, 0x6c8c5a}, // Judgement
    {0x6d2a3a, 0xd09a6a, 0x7b6a58}, // Justice
    {0x3a8ad0, 0xf0d890, 0x6aa048}, // Strength
    {0x5aa0d8, 0xf2e8c8, 0x5e9a5e}, // Temperance
    {0x3c9ae0, 0xfff2c0, 0x78b050}, // Fool
    {0x2f6fb8, 0xcfe0ee, 0x8a8064}, // Chariot
    {0x1a0808, 0x6a1e16, 0x2e2420}, // Devil
    {0xc8642a, 0xf6c876, 0x8a5a36}, // Emperor
    {0x4a9ad8, 0xf0f0c0, 0x7ab04a}, // Empress
    {0x4a7cb0, 0xc8d8e0, 0x5e8a4a}, // Hanged Man
    {0x7a2a3a, 0xe0b888, 0x6a5a4a}, // Hierophant
    {0x141c40, 0x3c4c84, 0x2c3a5a}, // High Priestess
    {0x56a4e4, 0xfff0c8, 0x70b05a}, // Lovers
    {0x7a3a8a, 0xf0c8a0, 0x8a5a40}, // Magician
    {0x0c1030, 0x2c3c70, 0x34506a}, // Moon
    {0x08102c, 0x2a3a78, 0x3a5a7a}, // Star
    {0x3aa0f0, 0xfff4b0, 0x88b858}, // Sun
    {0x1c1c28, 0x5a5470, 0x3c3a40}, // Tower: storm
    {0x4c8ad8, 0xd8eaf8, 0x6ea0c8}, // World
    {0x4070c0, 0xe8d8a8, 0x7a8a5a}, // Wheel
}};

QString ToRoman(int n)
{
    static const std::array<std::pair<int, const char*>, 9> parts = {
        {{10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}, {0, ""}, {0, ""}, {0, ""}, {0, ""}}};
    QString s;
    for (auto [v, t] : parts) {
        if (v == 0)
            break;
        while (n >= v) {
            s += QLatin1String(t);
            n -= v;
        }
    }
    return s;
}

struct Minor {
    int rank; // 1 ace, 2..10, 11 page, 12 knight, 13 queen, 14 king
    int suit; // 0 cups, 1 pentacles, 2 swords, 3 wands
};

Minor MinorOf(int n)
{
    switch (n) {
    case 22: return {2, 0};
    case 23: return {2, 2};
    case 24: return {2, 3};
    case 77: return {2, 1};
    default: break;
    }
    const int k = n - 25;
    constexpr std::array<int, 13> ranks = {3, 4, 5, 6, 7, 8, 9, 10, 1, 14, 12, 11, 13};
    return {ranks[static_cast<size_t>(k / 4)], k % 4};
}

// Pip places for 2..10 on a grid of columns -1..1 and rows -3..3.
QList<QPointF> PipPattern(int n)
{
    switch (n) {
    case 2: return {{0, -2}, {0, 2}};
    case 3: return {{0, -2.4}, {0, 0}, {0, 2.4}};
    case 4: return {{-1, -2}, {1, -2}, {-1, 2}, {1, 2}};
    case 5: return {{-1, -2}, {1, -2}, {0, 0}, {-1, 2}, {1, 2}};
    case 6: return {{-1, -2.4}, {1, -2.4}, {-1, 0}, {1, 0}, {-1, 2.4}, {1, 2.4}};
    case 7: return {{-1, -2.4}, {1, -2.4}, {0, -1.2}, {-1, 0}, {1, 0}, {-1, 2.4}, {1, 2.4}};
    case 8: return {{-1, -2.4}, {1, -2.4}, {0, -1.2}, {-1, 0}, {1, 0}, {0, 1.2}, {-1, 2.4}, {1, 2.4}};
    case 9:
        return {{-1, -2.55}, {1, -2.55}, {-1, -0.85}, {1, -0.85}, {0, 0}, {-1, 0.85}, {1, 0.85}, {-1, 2.55}, {1, 2.55}};
    default:
        return {{-1, -2.55}, {1, -2.55}, {0, -1.7}, {-1, -0.85}, {1, -0.85},
                {-1, 0.85},  {1, 0.85},  {0, 1.7},  {-1, 2.55},  {1, 2.55}};
    }
}

void Sprig(Art& a, QPointF c, qreal s, qreal angle)
{
    a.p.save();
    a.p.translate(c);
    a.p.rotate(angle);
    QPainterPath stem;
    stem.moveTo(0, s * 0.5);
    stem.quadTo(s * 0.1, 0, 0, -s * 0.5);
    a.stroke(stem, 0.8);
    for (int k = -1; k <= 1; k += 2)
        for (qreal y : {-0.25, 0.1}) {
            QPainterPath leaf;
            leaf.moveTo(0, y * s);
            leaf.quadTo(k * s * 0.35, (y - 0.25) * s, k * s * 0.42, (y - 0.05) * s);
            leaf.quadTo(k * s * 0.25, (y + 0.05) * s, 0, y * s);
            a.fill(leaf, (k < 0) ? Role::Blue : Role::Red, 0.6);
        }
    a.fill(EllipsePath({0, -s * 0.5}, s * 0.12, s * 0.12), Role::Yellow, 0.6);
    a.p.restore();
}

void DrawTitleBand(QPainter& p, bool wood, const QString& title, const QRectF& band)
{
    const QString text = wood ? title.toUpper() : title;
    const QString family = wood ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Serif Condensed");
    const qreal room = band.width() - 8;
    int size = wood ? 12 : 14;
    QFont f = PixelFont(family, size, true, false);
    QStringList lines{text};
    if (QFontMetricsF(f).horizontalAdvance(text) > room) {
        const int cut = text.indexOf(wood ? QStringLiteral(" OF ") : QStringLiteral(" of "));
        const int at = cut > 0 ? cut : text.lastIndexOf(QLatin1Char(' '));
        if (at > 0)
            lines = {text.left(at), text.mid(at + 1)};
        size = wood ? 11 : 13;
    }
    auto widest = [&](const QFont& font) {
        qreal w = 0;
        for (const QString& l : lines)
            w = std::max(w, QFontMetricsF(font).horizontalAdvance(l));
        return w;
    };
    f = PixelFont(family, size, true, false);
    while (size > 8 && widest(f) > room)
        f = PixelFont(family, --size, true, false);
    p.setFont(f);
    p.setPen(wood ? QColor(28, 22, 20) : QColor(60, 30, 24));
    const qreal lh = QFontMetricsF(f).height() * 0.95;
    const qreal y0 = band.center().y() - lh * lines.size() / 2.0;
    for (int i = 0; i < lines.size(); ++i)
        p.drawText(QRectF(band.left(), y0 + i * lh, band.width(), lh), Qt::AlignCenter, lines[i]);
}

void DrawNumeralBand(QPainter& p, bool wood, const QString& numeral, qreal cx)
{
    if (numeral.isEmpty())
        return;
    QFont f = PixelFont(QStringLiteral("DejaVu Serif"), 15, true);
    int size = 15;
    while (size > 9 && QFontMetricsF(f).horizontalAdvance(numeral) > 46)
        f = PixelFont(QStringLiteral("DejaVu Serif"), --size, true);
    const qreal w = std::max<qreal>(30, QFontMetricsF(f).horizontalAdvance(numeral) + 12);
    // Stays right of the corner where the window prints the position number.
    const QRectF box(std::max(cx - w / 2, 44.0), 8, w, 21);
    QPainterPath cart;
    cart.addRoundedRect(box, wood ? 4 : 10, wood ? 4 : 10);
    if (wood) {
        p.setPen(QPen(QColor(28, 22, 20), 1.6));
        p.setBrush(QColor(250, 244, 226));
    } else {
        p.setPen(QPen(QColor(150, 110, 40), 1.0));
        QLinearGradient g(box.topLeft(), box.bottomLeft());
        g.setColorAt(0, QColor(255, 246, 210));
        g.setColorAt(1, QColor(236, 206, 130));
        p.setBrush(g);
    }
    p.drawPath(cart);
    p.setFont(f);
    p.setPen(wood ? QColor(28, 22, 20) : QColor(90, 40, 30));
    p.drawText(box, Qt::AlignCenter, numeral);
}

void PaintScene(QPainter& p, const QRectF& art, const Scene& s, int seed, bool night)
{
    QLinearGradient sky(art.topLeft(), art.bottomLeft());
    sky.setColorAt(0, QColor(s.skyTop));
    sky.setColorAt(0.72, QColor(s.skyLow));
    p.fillRect(art, sky);
    if (night) {
        std::mt19937 rng(static_cast<unsigned>(seed * 7919 + 17));
        std::uniform_real_distribution<qreal> ux(art.left(), art.right()), uy(art.top(), art.top() + art.height() * 0.6);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 26; ++i) {
            p.setBrush(QColor(255, 255, 230, 120 + (i * 37) % 130));
            p.drawEllipse(QPointF(ux(rng), uy(rng)), 0.7, 0.7);
        }
    }
    QPainterPath ground;
    const qreal gy = art.top() + art.height() * 0.8;
    ground.moveTo(art.left(), gy + 4);
    ground.cubicTo(art.left() + art.width() * 0.3, gy - 8, art.left() + art.width() * 0.6, gy + 10, art.right(), gy - 2);
    ground.lineTo(art.right(), art.bottom());
    ground.lineTo(art.left(), art.bottom());
    ground.closeSubpath();
    QLinearGradient gg(QPointF(0, gy - 8), QPointF(0, art.bottom()));
    gg.setColorAt(0, QColor(s.ground).lighter(125));
    gg.setColorAt(1, QColor(s.ground).darker(130));
    p.setPen(Qt::NoPen);
    p.setBrush(gg);
    p.drawPath(ground);
}

void PaintMinorScene(QPainter& p, const QRectF& art, int suit)
{
    // Each suit has its element's light: water, earth, air, fire.
    constexpr std::array<Scene, 4> scenes = {{{0x3f7fc0, 0xd8eef6, 0x4f8ab0},
                                             {0x6a9a50, 0xf0e6b8, 0x7a9a48},
                                             {0x7a90b8, 0xe8eef4, 0x8a8a90},
                                             {0xc0602a, 0xf8dca0, 0x9a6a3a}}};
    PaintScene(p, art, scenes[static_cast<size_t>(suit)], suit, false);
}

// A woodcut ground strip of hatched earth.
void PaintWoodcutGround(QPainter& p, const Art& a, const QRectF& art)
{
    p.fillRect(QRectF(art.left(), art.bottom() - 16, art.width(), 16), a.colour(Role::Yellow));
    p.setPen(QPen(a.colour(Role::Ink), 0.8));
    for (qreal x = art.left() + 2; x < art.right(); x += 5)
        p.drawLine(QPointF(x, art.bottom() - 2), QPointF(x + 4, art.bottom() - 12));
    p.drawLine(QPointF(art.left(), art.bottom() - 16), QPointF(art.right(), art.bottom() - 16));
}

void PaintFrame(QPainter& p, int w, int h, bool wood)
{
    if (wood) {
        p.fillRect(QRect(0, 0, w, h), QColor(28, 22, 20));
        p.fillRect(QRect(2, 2, w - 4, h - 4), QColor(246, 236, 208));
        p.setPen(QPen(QColor(28, 22, 20), 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(5.5, 5.5, w - 11, h - 11));
    } else {
        p.fillRect(QRect(0, 0, w, h), QColor(92, 62, 40));
        QLinearGradient g(QPointF(0, 0), QPointF(w, h));
        g.setColorAt(0, QColor(236, 206, 120));
        g.setColorAt(0.5, QColor(214, 172, 80));
        g.setColorAt(1, QColor(190, 146, 60));
        p.fillRect(QRect(1, 1, w - 2, h - 2), g);
        p.fillRect(QRect(5, 5, w - 10, h - 10), QColor(252, 246, 230));
    }
}

} // namespace

QString MajorNumeral(Deck deck, int n)
{
    constexpr std::array<int, 22> numbers = {13, 9, 20, 8, 11, 14, 0, 7, 15, 4, 3, 12, 5, 2, 6, 1, 18, 17, 19, 16, 21, 10};
    if (n < 0 || n > 21)
        return {};
    int v = numbers[static_cast<size_t>(n)];
    // The decks number Justice and Strength the other way round; the woodcut Fool has no number.
    if (deck == Deck::Orlund && (n == 3 || n == 4))
        v = (n == 3) ? 11 : 8;
    if (n == 6)
        return deck == Deck::Orlund ? QStringLiteral("0") : QString();
    return ToRoman(v);
}

QImage DrawCardFace(Deck deck, int n, int w, int h, int scale, CourtFigure* court)
{
    QImage img = Canvas(w, h, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const bool wood = deck == Deck::Marseilles;
    PaintFrame(p, w, h, wood);
    const QRectF art(8, 34, w - 16, 168);
    const QRectF band(8, 206, w - 16, 38);
    Art a(p, wood);

    QString numeral;
    if (n <= tarot::MajorArcanaLast) {
        numeral = MajorNumeral(deck, n);
        if (!wood) {
            const Scene& s = kScenes[static_cast<size_t>(n)];
            PaintScene(p, art, s, n, QColor(s.skyTop).lightness() < 60);
        } else {
            PaintWoodcutGround(p, a, art);
        }
        p.save();
        p.setClipRect(art);
        const qreal s = std::min(art.width() / 100.0, art.height() / 124.0);
        p.translate(art.center().x() - 50 * s, art.top() + 2 * s);
        p.scale(s, s);
        kEmblems[static_cast<size_t>(n)](a);
        p.restore();
    } else {
        const Minor m = MinorOf(n);
        if (!wood)
            PaintMinorScene(p, art, m.suit);
        if (m.rank >= 11) {
            if (wood)
                PaintWoodcutGround(p, a, art);
            p.save();
            p.setClipRect(art);
            CourtFigure unasked;
            DrawCourtFigure(a, m.rank, m.suit, art.adjusted(2, 4, -2, -2), court ? *court : unasked);
            p.restore();
        } else if (m.rank == 1) {
            if (wood) {
                for (auto [dx, dy, ang] : std::array<std::array<qreal, 3>, 4>{{{-40, -58, -30}, {40, -58, 30},
                                                                              {-40, 58, 210}, {40, 58, 150}}})
                    Sprig(a, art.center() + QPointF(dx, dy), 34, ang);
            } else {
                QRadialGradient glow(art.center(), 60);
                glow.setColorAt(0, QColor(255, 250, 210, 230));
                glow.setColorAt(1, QColor(255, 250, 210, 0));
                p.setPen(Qt::NoPen);
                p.setBrush(glow);
                p.drawEllipse(art.center(), 60, 60);
            }
            DrawPip(a, m.suit, art.center(), 96);
            numeral = wood ? QStringLiteral("I") : QStringLiteral("Ace");
        } else {
            const QList<QPointF> pattern = PipPattern(m.rank);
            const qreal rowStep = art.height() / 6.6, colStep = art.width() * 0.3;
            const qreal pip = m.rank >= 9 ? 27 : (m.rank >= 6 ? 32 : 38);
            if (wood) {
                // Foliage in the gaps between the pips, the woodcut way.
                qreal lastRow = -10;
                for (qreal row : {-2.4, -1.2, 0.0, 1.2, 2.4}) {
                    const QPointF spot(art.center().x(), art.center().y() + row * rowStep);
                    bool free = row - lastRow > 2.0;
                    for (const QPointF& q : pattern) {
                        const QPointF at(art.center().x() + q.x() * colStep, art.center().y() + q.y() * rowStep);
                        if (std::abs(at.x() - spot.x()) < pip * 0.6 && std::abs(at.y() - spot.y()) < pip * 0.5 + 16)
                            free = false;
                    }
                    if (free) {
                        Sprig(a, spot, 22, row < 0 ? 180 : 0);
                        lastRow = row;
                    }
                }
            }
            for (int i = 0; i < pattern.size(); ++i) {
                const QPointF q(art.center().x() + pattern[i].x() * colStep, art.center().y() + pattern[i].y() * rowStep);
                if (m.suit >= 2) {
                    // Blades and staves lean in alternate directions.
                    p.save();
                    p.translate(q);
                    p.rotate((i % 2 ? 1 : -1) * (m.rank <= 3 ? 20 : 12));
                    DrawPip(a, m.suit, {0, 0}, pip * 1.15);
                    p.restore();
                } else {
                    DrawPip(a, m.suit, q, pip);
                }
            }
            numeral = wood ? ToRoman(m.rank) : QString::number(m.rank);
        }
    }

    if (wood) {
        p.setPen(QPen(a.colour(Role::Ink), 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawRect(art);
        QPainterPath cart;
        cart.addRoundedRect(band.adjusted(2, 4, -2, -3), 5, 5);
        p.setPen(QPen(a.colour(Role::Ink), 1.6));
        p.setBrush(a.colour(Role::White));
        p.drawPath(cart);
    } else {
        p.setPen(QPen(QColor(150, 110, 40), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(art);
        QLinearGradient g(band.topLeft(), band.bottomLeft());
        g.setColorAt(0, QColor(255, 248, 226));
        g.setColorAt(1, QColor(240, 222, 178));
        QPainterPath scroll;
        scroll.addRoundedRect(band.adjusted(0, 3, 0, -2), 6, 6);
        p.setPen(QPen(QColor(150, 110, 40), 1.0));
        p.setBrush(g);
        p.drawPath(scroll);
    }
    DrawNumeralBand(p, wood, numeral, w / 2.0);
    DrawTitleBand(p, wood, tarot::CardTitle(n), band.adjusted(2, 4, -2, -3));
    p.end();
    return img;
}

QImage DrawCardBack(int w, int h, int scale)
{
    QImage img = Canvas(w, h, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = w / 144.0;
    p.fillRect(PointRect(img), QColor(20, 16, 52));
    QRadialGradient g(QPointF(w / 2.0, h / 2.0), h * 0.6);
    g.setColorAt(0, QColor(78, 40, 120));
    g.setColorAt(1, QColor(22, 16, 58));
    p.fillRect(QRectF(3 * s, 3 * s, w - 6 * s, h - 6 * s), g);
    const QColor gold(222, 180, 80);
    p.setPen(QPen(gold, std::max(1.0, 2.0 * s)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(6 * s, 6 * s, w - 12 * s, h - 12 * s), 6 * s, 6 * s);
    if (w >= 80) {
        p.setPen(QPen(gold, 0.8 * s));
        p.drawRoundedRect(QRectF(10 * s, 10 * s, w - 20 * s, h - 20 * s), 4 * s, 4 * s);
        // A lattice of small stars.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(222, 180, 80, 110));
        for (int row = 0; row < 12; ++row)
            for (int col = 0; col < 6; ++col) {
                const QPointF c((18 + col * 21.5 + (row % 2) * 10.75) * s, (20 + row * 19.5) * s);
                if (c.x() < w - 14 * s)
                    p.drawPath(StarPath(c, 3 * s, 1.2 * s, 4, 0));
            }
    }
    // Sun and crescent emblem in the middle.
    const QPointF c(w / 2.0, h / 2.0);
    const qreal r = w * 0.26;
    p.setBrush(QColor(22, 16, 58));
    p.setPen(QPen(gold, std::max(1.0, 1.6 * s)));
    p.drawEllipse(c, r * 1.25, r * 1.25);
    p.setBrush(gold);
    p.setPen(Qt::NoPen);
    p.drawPath(StarPath(c, r, r * 0.45, 8));
    QPainterPath moon = EllipsePath(c, r * 0.5, r * 0.5).subtracted(EllipsePath(c + QPointF(r * 0.22, -r * 0.1), r * 0.42, r * 0.42));
    p.setBrush(QColor(40, 26, 80));
    p.drawPath(moon);
    for (int k : {-1, 1}) {
        p.setBrush(gold);
        p.drawPath(StarPath(QPointF(c.x(), c.y() + k * h * 0.33), r * 0.35, r * 0.14, 4, 0));
    }
    p.end();
    return img;
}

} // namespace picturegen
