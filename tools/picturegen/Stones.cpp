// Rune stones of the five sets, the runic tarot's stones and the runes tool's choice pictures.
#include "Art.h"
#include "Pictures.h"

#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <random>

namespace picturegen {

namespace {

using Pts = QList<QPointF>;

const std::array<RuneGlyph, RuneCount>& Glyphs()
{
    // Strokes on a grid 4 wide and 8 high, in the order of the stone numbers.
    static const std::array<RuneGlyph, RuneCount> glyphs = {{
        {"Algiz", {Pts{{2, 0}, {2, 8}}, Pts{{0, 0}, {2, 3}, {4, 0}}}},
        {"Ansuz", {Pts{{.5, 0}, {.5, 8}}, Pts{{.5, 0}, {3.5, 2}}, Pts{{.5, 2.5}, {3.5, 4.5}}}},
        {"Berkano", {Pts{{.5, 0}, {.5, 8}}, Pts{{.5, 0}, {3.5, 2}, {.5, 4}, {3.5, 6}, {.5, 8}}}},
        {"Blank", {}},
        {"Dagaz", {Pts{{0, 0}, {0, 8}, {4, 0}, {4, 8}, {0, 0}}}},
        {"Ehwas", {Pts{{0, 8}, {0, 0}, {2, 2.5}, {4, 0}, {4, 8}}}},
        {"Eihwas", {Pts{{3.5, 2}, {2, 0}, {2, 8}, {.5, 6}}}},
        {"Fehu", {Pts{{.5, 0}, {.5, 8}}, Pts{{.5, 2}, {3.5, 0}}, Pts{{.5, 4.5}, {3.5, 2.5}}}},
        {"Gebo", {Pts{{0, 0}, {4, 8}}, Pts{{4, 0}, {0, 8}}}},
        {"Hagalaz", {Pts{{0, 0}, {0, 8}}, Pts{{4, 0}, {4, 8}}, Pts{{0, 3}, {4, 5}}}},
        {"Ingwaz", {Pts{{2, 2}, {4, 4}, {2, 6}, {0, 4}, {2, 2}}}},
        {"Isa", {Pts{{2, 0}, {2, 8}}}},
        {"Jera", {Pts{{1.75, 1}, {0, 3}, {1.75, 5}}, Pts{{2.25, 3}, {4, 5}, {2.25, 7}}}},
        {"Kenaz", {Pts{{3.5, 0}, {.5, 2.25}, {3.5, 4.5}}}},
        {"Laguz", {Pts{{.5, 8}, {.5, 0}, {3.5, 2.5}}}},
        {"Mannaz", {Pts{{0, 8}, {0, 0}, {4, 3}}, Pts{{4, 8}, {4, 0}, {0, 3}}}},
        {"Nauthiz", {Pts{{2, 0}, {2, 8}}, Pts{{.5, 3}, {3.5, 5}}}},
        {"Othala", {Pts{{0, 8}, {4, 3}, {2, .5}, {0, 3}, {4, 8}}}},
        {"Perthro", {Pts{{.5, 0}, {.5, 8}}, Pts{{.5, 0}, {2.25, 2}, {4, 0}}, Pts{{.5, 8}, {2.25, 6}, {4, 8}}}},
        {"Raidho", {Pts{{.5, 0}, {.5, 8}}, Pts{{.5, 0}, {3.5, 2}, {.5, 4}, {3.5, 8}}}},
        {"Sowilo", {Pts{{3.5, 0}, {.5, 3.5}, {3.5, 4.5}, {.5, 8}}}},
        {"Thurisaz", {Pts{{.5, 0}, {.5, 8}}, Pts{{.5, 2.5}, {3, 4}, {.5, 5.5}}}},
        {"Tiwas", {Pts{{2, 0}, {2, 8}}, Pts{{0, 2.5}, {2, 0}, {4, 2.5}}}},
        {"Uruz", {Pts{{.5, 8}, {.5, 0}, {3.5, 2.5}, {3.5, 8}}}},
        {"Wunjo", {Pts{{.5, 0}, {.5, 8}}, Pts{{.5, 0}, {3.5, 2}, {.5, 4}}}},
    }};
    return glyphs;
}

// The glyph box: 35 x 70 pixels centred on (56, 75).
constexpr qreal GlyphLeft = 38.5, GlyphTop = 40, GlyphUnit = 8.75, GlyphPen = 6;

QPainterPath GlyphPath(int stoneNumber, QPointF origin, qreal unit)
{
    QPainterPath path;
    for (const QList<QPointF>& stroke : Glyph(stoneNumber).strokes) {
        for (int i = 0; i < stroke.size(); ++i) {
            const QPointF q(origin.x() + stroke[i].x() * unit, origin.y() + stroke[i].y() * unit);
            if (i == 0)
                path.moveTo(q);
            else
                path.lineTo(q);
        }
    }
    return path;
}

struct Material {
    QColor light, base, dark;
    QColor glyph, glyphCore;
};

Material MaterialOf(int set)
{
    switch (set) {
    case 0: return {{255, 244, 178}, {214, 164, 48}, {120, 78, 18}, {88, 52, 10}, {150, 104, 34}};
    case 1: return {{255, 255, 255}, {206, 228, 244}, {132, 168, 204}, {30, 76, 170}, {96, 146, 222}};
    case 2: return {{170, 226, 170}, {62, 146, 92}, {18, 74, 46}, {236, 246, 236}, {255, 255, 255}};
    case 3: return {{250, 170, 230}, {150, 48, 130}, {62, 14, 64}, {255, 150, 236}, {255, 246, 255}};
    default: return {{214, 212, 208}, {140, 136, 132}, {70, 66, 64}, {120, 18, 18}, {168, 50, 44}};
    }
}

void StrokeGlyph(QPainter& p, int set, int stoneNumber)
{
    const QPainterPath path = GlyphPath(stoneNumber, {GlyphLeft, GlyphTop}, GlyphUnit);
    if (path.isEmpty())
        return;
    const Material m = MaterialOf(set);
    QPen pen(m.glyph, GlyphPen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setBrush(Qt::NoBrush);
    p.setPen(pen);
    p.drawPath(path);
    // A cut catches light on its lower edge; an inlay or a glow shows a brighter core.
    pen.setColor(m.glyphCore);
    pen.setWidthF(set == 0 || set == 4 ? 2.0 : 2.6);
    p.setPen(pen);
    p.drawPath(set == 0 || set == 4 ? path.translated(0.9, 0.9) : path);
}

QPainterPath PebblePath(int set, int stoneNumber)
{
    std::mt19937 rng(static_cast<unsigned>(1000 + set * 100 + stoneNumber));
    std::uniform_real_distribution<qreal> j(-3.0, 3.0);
    QPainterPath path;
    // Narrower at the top than at the bottom.
    path.moveTo(56 + j(rng), 11 + j(rng) * 0.5);
    path.cubicTo(84 + j(rng), 10, 98 + j(rng), 40 + j(rng), 100 + j(rng) * 0.5, 82 + j(rng));
    path.cubicTo(103, 124 + j(rng), 86 + j(rng), 141, 56 + j(rng), 141);
    path.cubicTo(26 + j(rng), 141, 9, 124 + j(rng), 12 + j(rng) * 0.5, 82 + j(rng));
    path.cubicTo(14 + j(rng), 40 + j(rng), 28 + j(rng), 10, 56, 11);
    path.closeSubpath();
    return path;
}

void PaintTexture(QPainter& p, int set, int stoneNumber, const QRectF& box)
{
    std::mt19937 rng(static_cast<unsigned>(7 + set * 131 + stoneNumber * 17));
    std::uniform_real_distribution<qreal> ux(box.left(), box.right()), uy(box.top(), box.bottom()), u01(0, 1);
    p.setPen(Qt::NoPen);
    switch (set) {
    case 0: // fine grain in the metal, and a sheen across it
        for (int i = 0; i < 260; ++i) {
            p.setBrush(u01(rng) < 0.5 ? QColor(255, 240, 170, 40) : QColor(110, 70, 10, 40));
            p.drawEllipse(QPointF(ux(rng), uy(rng)), 0.7, 0.7);
        }
        break;
    case 1: { // ice: frost specks and hairline cracks
        for (int i = 0; i < 90; ++i) {
            p.setBrush(QColor(255, 255, 255, 120));
            p.drawEllipse(QPointF(ux(rng), uy(rng)), 0.8, 0.8);
        }
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 5; ++i) {
            QPointF q(ux(rng), uy(rng));
            QPainterPath crack;
            crack.moveTo(q);
            for (int k = 0; k < 4; ++k) {
                q += QPointF((u01(rng) - 0.5) * 18, (u01(rng) - 0.5) * 18);
                crack.lineTo(q);
            }
            p.setPen(QPen(QColor(255, 255, 255, 150), 0.8));
            p.drawPath(crack);
            p.setPen(QPen(QColor(110, 150, 200, 90), 0.6));
            p.drawPath(crack.translated(0.8, 0.8));
        }
        p.setPen(Qt::NoPen);
        break;
    }
    case 2: // jade: soft mottling
        for (int i = 0; i < 46; ++i) {
            const qreal r = 3 + u01(rng) * 9;
            QRadialGradient g(QPointF(ux(rng), uy(rng)), r);
            const QColor c = u01(rng) < 0.5 ? QColor(20, 80, 40, 90) : QColor(170, 230, 170, 80);
            g.setColorAt(0, c);
            g.setColorAt(1, QColor(c.red(), c.green(), c.blue(), 0));
            p.setBrush(g);
            p.drawEllipse(g.center(), r, r * (0.6 + u01(rng) * 0.6));
        }
        break;
    case 3: // spirit: drifting mist
        for (int i = 0; i < 18; ++i) {
            const qreal r = 8 + u01(rng) * 16;
            QRadialGradient g(QPointF(ux(rng), uy(rng)), r);
            g.setColorAt(0, QColor(255, 140, 220, 60));
            g.setColorAt(1, QColor(255, 140, 220, 0));
            p.setBrush(g);
            p.drawEllipse(g.center(), r, r * 0.6);
        }
        break;
    default: // stone: speckled grit
        for (int i = 0; i < 420; ++i) {
            const qreal v = u01(rng);
            p.setBrush(v < 0.45 ? QColor(40, 38, 36, 90) : (v < 0.9 ? QColor(230, 228, 222, 80) : QColor(150, 110, 90, 90)));
            const qreal r = 0.5 + u01(rng) * 1.1;
            p.drawEllipse(QPointF(ux(rng), uy(rng)), r, r);
        }
        break;
    }
}

void PaintStone(QPainter& p, int set, int stoneNumber)
{
    const Material m = MaterialOf(set);
    const QPainterPath pebble = PebblePath(set, stoneNumber);
    const QRectF box = pebble.boundingRect();
    // A soft shadow below and to the right: the light comes from the top left.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(QColor(0, 0, 0, 14));
        p.drawPath(pebble.translated(2.0 + i * 0.7, 3.0 + i * 0.9));
    }
    QRadialGradient body(QPointF(box.left() + box.width() * 0.34, box.top() + box.height() * 0.26), box.height() * 0.95);
    body.setColorAt(0, m.light);
    body.setColorAt(0.38, m.base);
    body.setColorAt(1, m.dark);
    p.setBrush(body);
    p.drawPath(pebble);
    p.save();
    p.setClipPath(pebble);
    PaintTexture(p, set, stoneNumber, box);
    if (set == 3) {
        // The spirit stone glows from within around its mark.
        QRadialGradient glow(QPointF(56, 75), 44);
        glow.setColorAt(0, QColor(255, 120, 220, 110));
        glow.setColorAt(1, QColor(255, 120, 220, 0));
        p.setBrush(glow);
        p.drawEllipse(QPointF(56, 75), 44, 50);
    }
    // Highlight at the top left and a darker rim at the bottom right.
    QRadialGradient shine(QPointF(box.left() + box.width() * 0.3, box.top() + box.height() * 0.18), box.width() * 0.28);
    shine.setColorAt(0, QColor(255, 255, 255, set == 1 ? 200 : 130));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(shine);
    p.drawRect(box);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 50), 5));
    p.drawPath(pebble.translated(2.5, 3));
    p.restore();
    p.setPen(QPen(m.dark.darker(130), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pebble);
    StrokeGlyph(p, set, stoneNumber);
}

QImage StoneImage(int set, int stoneNumber, QRgb background, int scale)
{
    QImage img = Canvas(StoneWidth, StoneHeight, scale);
    img.fill(background);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    PaintStone(p, set, stoneNumber);
    p.end();
    return img;
}

} // namespace

const RuneGlyph& Glyph(int stoneNumber)
{
    const int i = std::clamp(stoneNumber, 1, RuneCount) - 1;
    return Glyphs()[static_cast<size_t>(i)];
}

QString RuneSetName(int set)
{
    static const std::array<const char*, RuneSetCount> names = {"Gold", "Ice", "Jade", "Spirit", "Stone"};
    return QString::fromLatin1(names[static_cast<size_t>(std::clamp(set, 0, RuneSetCount - 1))]);
}

QImage DrawStone(int set, int stoneNumber, QRgb background, int scale)
{
    return StoneImage(set, stoneNumber, background, scale);
}

QImage DrawSignStone(int stoneNumber, int scale) { return StoneImage(4, stoneNumber, qRgb(192, 255, 192), scale); }

QRect GlyphInkBounds(int stoneNumber)
{
    QRect bounds;
    for (int set = 0; set < RuneSetCount; ++set) {
        QImage ink(StoneWidth, StoneHeight, QImage::Format_ARGB32);
        ink.fill(Qt::transparent);
        QPainter p(&ink);
        p.setRenderHint(QPainter::Antialiasing);
        StrokeGlyph(p, set, stoneNumber);
        p.end();
        for (int y = 0; y < ink.height(); ++y)
            for (int x = 0; x < ink.width(); ++x)
                if (qAlpha(ink.pixel(x, y)) > 0)
                    bounds = bounds.united(QRect(x, y, 1, 1));
    }
    return bounds;
}

QImage DrawBlankPlace(int scale)
{
    QImage img = Canvas(StoneWidth, StoneHeight, scale);
    img.fill(Qt::white);
    return img;
}

QImage DrawSetChoice(int set, int scale)
{
    // The stone drawn at the same scale, then made smaller: scaling keeps the scale the image carries.
    return DrawStone(set, 8, 0xffffffff, scale)
        .scaled(ChoiceWidth * scale, ChoiceHeight * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage DrawRuneSpreadChoice(int spread, int scale)
{
    // The result window's grid of nine places (twips), shown scaled down.
    constexpr std::array<std::array<int, 2>, 9> places = {
        {{0, 0}, {1695, 0}, {3390, 0}, {0, 2250}, {1695, 2250}, {3360, 2310}, {0, 4500}, {1695, 4500}, {3390, 4500}}};
    static const std::array<QList<int>, RuneSpreadCount> shown = {
        QList<int>{1, 3, 4, 5, 7}, QList<int>{1, 3, 5, 7}, QList<int>{3, 5, 7}, QList<int>{3, 4, 5}, QList<int>{4}};
    QImage img = Canvas(ChoiceWidth, ChoiceHeight, scale);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal sx = ChoiceWidth / 5085.0, sy = ChoiceHeight / 6825.0;
    p.setPen(QPen(QColor(214, 214, 214), 0.8, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    for (auto [l, t] : places)
        p.drawRect(QRectF(l * sx + 1, t * sy + 1, 1695 * sx - 2, 2265 * sy - 2));
    const int s = std::clamp(spread, 0, RuneSpreadCount - 1);
    const int lift = s == 2 ? 1000 : 0; // the Fork stands higher in its grid
    int number = 0; // the stones are read in place order
    for (int k : shown[static_cast<size_t>(s)]) {
        const QRectF r((places[static_cast<size_t>(k)][0]) * sx + 3, (places[static_cast<size_t>(k)][1] - lift) * sy + 2.5,
                       1695 * sx - 6, 2265 * sy - 5);
        QPainterPath stone;
        stone.addRoundedRect(r, r.width() * 0.45, r.height() * 0.42);
        QRadialGradient g(r.topLeft() + QPointF(r.width() * 0.35, r.height() * 0.3), r.height());
        g.setColorAt(0, QColor(214, 214, 214));
        g.setColorAt(1, QColor(96, 96, 100));
        p.setBrush(g);
        p.setPen(QPen(QColor(70, 70, 74), 0.8));
        p.drawPath(stone);
        // Each stone carries the number of its place in the reading, never a sign: any stroke on it would
        // read as a rune (a single upright one as Isa).
        p.setPen(QColor(60, 20, 20));
        p.setFont(PixelFont(QStringLiteral("DejaVu Sans"), 11, true));
        p.drawText(r, Qt::AlignCenter, QString::number(++number));
    }
    p.end();
    return img;
}

} // namespace picturegen
