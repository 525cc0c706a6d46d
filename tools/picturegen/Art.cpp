#include "Art.h"

#include <QLinearGradient>
#include <QtMath>

namespace picturegen {

QColor Art::colour(Role r) const
{
    if (wood) {
        switch (r) {
        // Blue, Green, Red and Purple, the robes of the four suits, are four colours here too.
        case Role::Gold: case Role::Yellow: return {236, 188, 40};
        case Role::Silver: case Role::White: return {250, 244, 226};
        case Role::Red: return {200, 46, 36};
        case Role::Purple: return {122, 64, 142};
        case Role::Blue: return {42, 82, 164};
        case Role::Green: return {62, 142, 76};
        case Role::Water: return {118, 170, 208};
        case Role::Flesh: return {244, 198, 152};
        case Role::Wood: return {214, 150, 58};
        case Role::Grey: case Role::Stone: return {214, 202, 176};
        case Role::Dark: case Role::Ink: return {28, 22, 20};
        }
    }
    switch (r) {
    case Role::Gold: return {224, 178, 58};
    case Role::Silver: return {206, 210, 222};
    case Role::Red: return {186, 38, 52};
    case Role::Blue: return {48, 88, 172};
    case Role::Green: return {58, 138, 72};
    case Role::Flesh: return {240, 204, 172};
    case Role::White: return {252, 250, 242};
    case Role::Wood: return {134, 90, 48};
    case Role::Yellow: return {252, 216, 72};
    case Role::Purple: return {118, 58, 150};
    case Role::Grey: return {128, 124, 136};
    case Role::Water: return {78, 150, 212};
    case Role::Stone: return {156, 146, 134};
    case Role::Dark: return {44, 32, 50};
    case Role::Ink: return {48, 32, 28};
    }
    return Qt::black;
}

QPen Art::pen(qreal width) const
{
    QPen pen(colour(Role::Ink), wood ? width * 1.7 : width * 0.9);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void Art::fill(const QPainterPath& path, Role r, qreal outline)
{
    fillColour(path, colour(r), outline);
}

void Art::fillColour(const QPainterPath& path, const QColor& c, qreal outline)
{
    if (wood) {
        p.setBrush(c);
    } else {
        const QRectF b = path.boundingRect();
        QLinearGradient g(b.topLeft(), b.bottomRight());
        g.setColorAt(0, c.lighter(135));
        g.setColorAt(0.55, c);
        g.setColorAt(1, c.darker(135));
        p.setBrush(g);
    }
    if (outline > 0)
        p.setPen(pen(outline));
    else
        p.setPen(Qt::NoPen);
    p.drawPath(path);
}

void Art::stroke(const QPainterPath& path, qreal width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(width));
    p.drawPath(path);
}

void Art::strokeColour(const QPainterPath& path, const QColor& c, qreal width)
{
    QPen pn(c, width);
    pn.setCapStyle(Qt::RoundCap);
    pn.setJoinStyle(Qt::RoundJoin);
    p.setBrush(Qt::NoBrush);
    p.setPen(pn);
    p.drawPath(path);
}

QImage Canvas(int w, int h, int scale, QImage::Format format)
{
    QImage img(w * scale, h * scale, format);
    img.setDevicePixelRatio(scale);
    return img;
}

QRect PointRect(const QImage& img) { return QRect(QPoint(0, 0), img.deviceIndependentSize().toSize()); }

QFont PixelFont(const QString& family, int pixelSize, bool bold, bool italic)
{
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QPainterPath StarPath(QPointF c, qreal outer, qreal inner, int points, qreal rotationDeg)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = (i % 2) ? inner : outer;
        const qreal a = qDegreesToRadians(rotationDeg + 180.0 * i / points);
        const QPointF q(c.x() + r * qCos(a), c.y() + r * qSin(a));
        if (i == 0)
            path.moveTo(q);
        else
            path.lineTo(q);
    }
    path.closeSubpath();
    return path;
}

QPainterPath EllipsePath(QPointF c, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

QPainterPath RectPath(qreal x, qreal y, qreal w, qreal h)
{
    QPainterPath path;
    path.addRect(x, y, w, h);
    return path;
}

QPainterPath PolyPath(std::initializer_list<QPointF> points, bool closed)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& q : points) {
        if (first)
            path.moveTo(q);
        else
            path.lineTo(q);
        first = false;
    }
    if (closed)
        path.closeSubpath();
    return path;
}

void Crown(Art& a, QPointF c, qreal w, Role band)
{
    const qreal h = w * 0.6;
    QPainterPath crown = PolyPath({{c.x() - w / 2, c.y() + h / 2}, {c.x() - w / 2, c.y() - h / 2},
                                   {c.x() - w / 4, c.y()}, {c.x(), c.y() - h * 0.6}, {c.x() + w / 4, c.y()},
                                   {c.x() + w / 2, c.y() - h / 2}, {c.x() + w / 2, c.y() + h / 2}});
    a.fill(crown, band);
    for (qreal dx : {-0.5, 0.0, 0.5})
        a.fill(EllipsePath({c.x() + dx * w, c.y() - (dx == 0.0 ? h * 0.6 : h / 2)}, w * 0.06, w * 0.06), Role::White,
               0.5);
    a.fill(EllipsePath({c.x(), c.y() + h * 0.22}, w * 0.08, w * 0.06), Role::Red, 0.5);
    a.fill(EllipsePath({c.x() - w * 0.3, c.y() + h * 0.22}, w * 0.05, w * 0.05), Role::Blue, 0.4);
    a.fill(EllipsePath({c.x() + w * 0.3, c.y() + h * 0.22}, w * 0.05, w * 0.05), Role::Blue, 0.4);
}

namespace {

void Goblet(Art& a, qreal w, qreal h)
{
    // Drawn in a box centred on the origin.
    QPainterPath bowl;
    bowl.moveTo(-w * 0.48, -h * 0.5);
    bowl.cubicTo(-w * 0.5, -h * 0.05, -w * 0.2, h * 0.05, -w * 0.08, h * 0.08);
    bowl.lineTo(w * 0.08, h * 0.08);
    bowl.cubicTo(w * 0.2, h * 0.05, w * 0.5, -h * 0.05, w * 0.48, -h * 0.5);
    bowl.closeSubpath();
    QPainterPath stem;
    stem.moveTo(-w * 0.07, h * 0.06);
    stem.lineTo(-w * 0.07, h * 0.3);
    stem.cubicTo(-w * 0.2, h * 0.34, -w * 0.4, h * 0.42, -w * 0.4, h * 0.5);
    stem.lineTo(w * 0.4, h * 0.5);
    stem.cubicTo(w * 0.4, h * 0.42, w * 0.2, h * 0.34, w * 0.07, h * 0.3);
    stem.lineTo(w * 0.07, h * 0.06);
    stem.closeSubpath();
    a.fill(stem, Role::Gold);
    a.fill(bowl, a.wood ? Role::Yellow : Role::Gold);
    a.fill(EllipsePath({0, h * 0.2}, w * 0.11, h * 0.05), a.wood ? Role::Red : Role::Red, 0.6);
    a.fill(EllipsePath({0, -h * 0.5}, w * 0.48, h * 0.07), a.wood ? Role::Blue : Role::Water, 0.8);
    if (!a.wood)
        a.strokeColour(PolyPath({{-w * 0.3, -h * 0.38}, {-w * 0.24, -h * 0.12}}, false), QColor(255, 255, 230, 170),
                       w * 0.06);
}

void Pentacle(Art& a, qreal h)
{
    const qreal r = h * 0.5;
    a.fill(EllipsePath({0, 0}, r, r), Role::Gold);
    a.fill(EllipsePath({0, 0}, r * 0.8, r * 0.8), a.wood ? Role::Red : Role::Yellow, 0.6);
    a.fill(StarPath({0, 0}, r * 0.74, r * 0.3, 5), a.wood ? Role::Yellow : Role::Gold, 0.7);
    if (!a.wood)
        a.strokeColour(EllipsePath({-r * 0.25, -r * 0.3}, r * 0.35, r * 0.25), QColor(255, 255, 240, 90), r * 0.08);
}

void Sword(Art& a, qreal h)
{
    const qreal w = h * 0.2;
    QPainterPath blade = PolyPath({{-w * 0.28, -h * 0.22}, {0, -h * 0.5}, {w * 0.28, -h * 0.22}, {w * 0.24, h * 0.2},
                                   {-w * 0.24, h * 0.2}});
    a.fill(blade, Role::Silver, 0.8);
    a.stroke(PolyPath({{0, -h * 0.44}, {0, h * 0.18}}, false), 0.4);
    QPainterPath guard;
    guard.addRoundedRect(QRectF(-w * 1.1, h * 0.19, w * 2.2, h * 0.06), h * 0.03, h * 0.03);
    a.fill(guard, Role::Gold, 0.8);
    a.fill(RectPath(-w * 0.17, h * 0.25, w * 0.34, h * 0.17), a.wood ? Role::Red : Role::Wood, 0.7);
    a.fill(EllipsePath({0, h * 0.45}, w * 0.3, h * 0.045), Role::Gold, 0.7);
}

void Staff(Art& a, qreal h)
{
    const qreal w = h * 0.1;
    QPainterPath rod;
    rod.moveTo(-w * 0.5, h * 0.5);
    rod.cubicTo(-w * 0.7, h * 0.1, -w * 0.3, -h * 0.2, -w * 0.4, -h * 0.5);
    rod.lineTo(w * 0.4, -h * 0.5);
    rod.cubicTo(w * 0.3, -h * 0.2, w * 0.7, h * 0.1, w * 0.5, h * 0.5);
    rod.closeSubpath();
    a.fill(rod, Role::Wood, 0.8);
    auto leaf = [&](qreal y, int side) {
        QPainterPath l;
        l.moveTo(side * w * 0.4, y);
        l.quadTo(side * w * 2.4, y - h * 0.12, side * w * 2.8, y - h * 0.02);
        l.quadTo(side * w * 1.6, y + h * 0.04, side * w * 0.4, y);
        a.fill(l, Role::Green, 0.6);
    };
    leaf(-h * 0.3, 1);
    leaf(-h * 0.08, -1);
    leaf(h * 0.16, 1);
    a.stroke(PolyPath({{-w * 0.45, -h * 0.36}, {w * 0.45, -h * 0.4}}, false), 0.5);
    a.stroke(PolyPath({{-w * 0.5, h * 0.36}, {w * 0.5, h * 0.32}}, false), 0.5);
}

} // namespace

void DrawPip(Art& a, int suit, QPointF c, qreal h)
{
    a.p.save();
    a.p.translate(c);
    switch (suit) {
    case 0: Goblet(a, h * 0.72, h); break;
    case 1: Pentacle(a, h * 0.86); break;
    case 2: Sword(a, h); break;
    default: Staff(a, h); break;
    }
    a.p.restore();
}

} // namespace picturegen
