// Title and decorative pictures, icons, the runes side panel and the hand cursor.
#include "Art.h"
#include "Pictures.h"

#include <QFontMetricsF>
#include <QRadialGradient>
#include <QtMath>
#include <array>
#include <random>

namespace picturegen {

namespace {

void NightSky(QPainter& p, const QRect& r, unsigned seed, const QRectF& keepClear = {})
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(6, 10, 36));
    g.setColorAt(0.6, QColor(34, 24, 80));
    g.setColorAt(1, QColor(70, 30, 90));
    p.fillRect(r, g);
    std::mt19937 rng(seed);
    std::uniform_real_distribution<qreal> ux(r.left(), r.right()), uy(r.top(), r.bottom()), u01(0, 1);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < r.width() * r.height() / 700; ++i) {
        const QPointF q(ux(rng), uy(rng));
        const qreal v = u01(rng);
        if (keepClear.adjusted(-6, -6, 6, 6).contains(q))
            continue;
        p.setBrush(QColor(255, 250, 230, int(80 + 170 * v)));
        p.drawEllipse(q, 0.5 + v * 0.9, 0.5 + v * 0.9);
    }
}

void Crescent(QPainter& p, QPointF c, qreal r)
{
    QRadialGradient glow(c, r * 2.4);
    glow.setColorAt(0, QColor(255, 240, 200, 90));
    glow.setColorAt(1, QColor(255, 240, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, r * 2.4, r * 2.4);
    const QPainterPath moon =
        EllipsePath(c, r, r).subtracted(EllipsePath(c + QPointF(r * 0.45, -r * 0.2), r * 0.85, r * 0.85));
    p.setBrush(QColor(250, 236, 190));
    p.drawPath(moon);
}

void DrawCardAt(QPainter& p, const QImage& card, QPointF pivot, qreal angle, qreal radius, qreal scale)
{
    p.save();
    p.translate(pivot);
    p.rotate(angle);
    p.translate(0, -radius);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    const QSizeF size = card.deviceIndependentSize();
    p.drawRoundedRect(QRectF(-size.width() / 2.0 + 4, -size.height() / 2.0 + 5, size.width(), size.height()), 6, 6);
    p.drawImage(QRectF(QPointF(-size.width() / 2.0, -size.height() / 2.0), size), card);
    p.restore();
}

QPainterPath GlyphStrokes(int stoneNumber, QPointF origin, qreal unit)
{
    QPainterPath path;
    for (const QList<QPointF>& s : Glyph(stoneNumber).strokes)
        for (int i = 0; i < s.size(); ++i) {
            const QPointF q = origin + s[i] * unit;
            if (i == 0)
                path.moveTo(q);
            else
                path.lineTo(q);
        }
    return path;
}

void Pebble(QPainter& p, const QRectF& r, const QColor& light, const QColor& dark)
{
    QPainterPath stone;
    stone.moveTo(r.center().x(), r.top());
    stone.cubicTo(r.right() - r.width() * 0.1, r.top(), r.right(), r.top() + r.height() * 0.3, r.right(), r.center().y() + r.height() * 0.05);
    stone.cubicTo(r.right(), r.bottom() - r.height() * 0.05, r.right() - r.width() * 0.2, r.bottom(), r.center().x(), r.bottom());
    stone.cubicTo(r.left() + r.width() * 0.2, r.bottom(), r.left(), r.bottom() - r.height() * 0.05, r.left(), r.center().y() + r.height() * 0.05);
    stone.cubicTo(r.left(), r.top() + r.height() * 0.3, r.left() + r.width() * 0.1, r.top(), r.center().x(), r.top());
    QRadialGradient g(r.topLeft() + QPointF(r.width() * 0.32, r.height() * 0.25), r.height());
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    p.setBrush(g);
    p.setPen(QPen(dark.darker(150), std::max(1.0, r.width() / 24)));
    p.drawPath(stone);
}

QImage Transparent(int w, int h, int scale)
{
    QImage img = Canvas(w, h, scale, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

} // namespace

QImage DrawTitlePicture(int scale)
{
    QImage img = Canvas(TitleWidth, TitleHeight, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
    // The Continue button stands at 392, 304 (97 x 25): that corner stays calm.
    const QRectF continueBox(392, 304, 97, 25);
    NightSky(p, PointRect(img), 91, continueBox);
    Crescent(p, {430, 58}, 24);
    // A fan of cards rising from below.
    const std::array<int, 7> cards = {16, 13, 15, 18, 10, 17, 20};
    const QPointF pivot(250, 470);
    for (int i = 0; i < 7; ++i) {
        const QImage face = DrawCardFace(Deck::Orlund, cards[static_cast<size_t>(i)], CardWidth, CardHeight, scale);
        DrawCardAt(p, face, pivot, -33 + i * 11, 250, 0.62);
    }
    // Soft ground light under the fan.
    QRadialGradient floor(QPointF(250, 360), 220);
    floor.setColorAt(0, QColor(255, 200, 120, 60));
    floor.setColorAt(1, QColor(255, 200, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(floor);
    p.drawEllipse(QPointF(250, 360), 220, 80);

    const QString name = QStringLiteral("Ostrevan");
    QFont f = PixelFont(QStringLiteral("DejaVu Serif"), 58, true, true);
    p.setFont(f);
    const QRectF titleBox(0, 6, TitleWidth, 80);
    for (int k = 6; k >= 1; --k) {
        p.setPen(QColor(255, 200, 100, 14));
        for (auto [dx, dy] : std::array<std::array<int, 2>, 4>{{{k, 0}, {-k, 0}, {0, k}, {0, -k}}})
            p.drawText(titleBox.translated(dx, dy), Qt::AlignCenter, name);
    }
    QPainterPath text;
    const QFontMetricsF fm(f);
    const qreal tx = (TitleWidth - fm.horizontalAdvance(name)) / 2.0;
    text.addText(tx, 6 + 40 + fm.ascent() / 2.0 - 4, f, name);
    QLinearGradient gold(QPointF(0, 20), QPointF(0, 80));
    gold.setColorAt(0, QColor(255, 240, 180));
    gold.setColorAt(0.5, QColor(232, 184, 76));
    gold.setColorAt(1, QColor(168, 112, 40));
    p.setBrush(gold);
    p.setPen(QPen(QColor(80, 40, 10), 1.2));
    p.drawPath(text);
    p.setFont(PixelFont(QStringLiteral("DejaVu Serif"), 16, false, true));
    p.setPen(QColor(230, 214, 250));
    p.drawText(QRectF(0, 84, TitleWidth, 24), Qt::AlignCenter, QStringLiteral("Tarot Reading"));
    // Darken the corner a little more so the button reads well on it.
    QRadialGradient corner(continueBox.center(), 80);
    corner.setColorAt(0, QColor(10, 8, 30, 150));
    corner.setColorAt(1, QColor(10, 8, 30, 0));
    p.setBrush(corner);
    p.setPen(Qt::NoPen);
    p.drawEllipse(continueBox.center(), 80, 40);
    p.end();
    return img;
}

QImage DrawFrontPicture(int scale)
{
    QImage img = Canvas(320, 240, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    NightSky(p, PointRect(img), 17);
    Crescent(p, {262, 46}, 18);
    // Three cards laid on a cloth: the past and future face down, the present turned up.
    QLinearGradient cloth(QPointF(0, 150), QPointF(0, 240));
    cloth.setColorAt(0, QColor(110, 24, 40));
    cloth.setColorAt(1, QColor(50, 8, 20));
    QPainterPath table;
    table.moveTo(0, 170);
    table.quadTo(160, 140, 320, 170);
    table.lineTo(320, 240);
    table.lineTo(0, 240);
    table.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(cloth);
    p.drawPath(table);
    const QImage back = DrawCardBack(CardWidth, CardHeight, scale);
    const QImage star = DrawCardFace(Deck::Orlund, 17, CardWidth, CardHeight, scale);
    DrawCardAt(p, back, {160, 600}, -12, 480, 0.6);
    DrawCardAt(p, back, {160, 600}, 12, 480, 0.6);
    DrawCardAt(p, star, {160, 600}, 0, 484, 0.62);
    p.end();
    return img;
}

QImage DrawProgramIcon(int size, int scale)
{
    QImage img = Transparent(size, size, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 32.0;
    const QPointF c(size / 2.0, size / 2.0);
    QRadialGradient g(c - QPointF(4 * s, 5 * s), 18 * s);
    g.setColorAt(0, QColor(120, 70, 190));
    g.setColorAt(1, QColor(34, 18, 80));
    p.setBrush(g);
    p.setPen(QPen(QColor(232, 190, 90), std::max(1.0, 1.6 * s)));
    p.drawEllipse(c, 15 * s - 0.5, 15 * s - 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 214, 110));
    p.drawPath(StarPath(c, 11 * s, 4.2 * s, 8));
    if (size >= 32) {
        p.setBrush(QColor(40, 22, 90));
        p.drawPath(EllipsePath(c, 3.8 * s, 3.8 * s).subtracted(EllipsePath(c + QPointF(1.8 * s, -0.8 * s), 3.2 * s, 3.2 * s)));
    }
    p.end();
    return img;
}

QImage DrawToolIcon(int tool, int size, int scale)
{
    QImage img = Transparent(size, size, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    switch (tool) {
    case 0: { // tarot: two fanned cards
        p.save();
        p.translate(13, 17);
        p.rotate(-14);
        p.setPen(QPen(QColor(30, 20, 60), 1));
        p.setBrush(QColor(70, 40, 120));
        p.drawRoundedRect(QRectF(-7, -12, 14, 24), 2, 2);
        p.setBrush(QColor(232, 190, 90));
        p.setPen(Qt::NoPen);
        p.drawPath(StarPath({0, 0}, 4.5, 1.8, 4, 0));
        p.restore();
        p.save();
        p.translate(19.5, 16);
        p.rotate(12);
        p.setPen(QPen(QColor(120, 80, 20), 1));
        p.setBrush(QColor(252, 244, 222));
        p.drawRoundedRect(QRectF(-7, -12, 14, 24), 2, 2);
        p.setBrush(QColor(240, 170, 40));
        p.setPen(QPen(QColor(180, 90, 20), 0.8));
        p.drawEllipse(QPointF(0, -1), 4, 4);
        for (int i = 0; i < 8; ++i) {
            const qreal a = qDegreesToRadians(i * 45.0);
            p.drawLine(QPointF(5 * qCos(a), -1 + 5 * qSin(a)), QPointF(6.8 * qCos(a), -1 + 6.8 * qSin(a)));
        }
        p.setPen(QPen(QColor(120, 80, 20), 1));
        p.drawLine(QPointF(-4, 8), QPointF(4, 8));
        p.restore();
        break;
    }
    case 1: { // runes: a stone with Fehu
        Pebble(p, QRectF(5, 3, 22, 27), QColor(220, 218, 212), QColor(96, 92, 90));
        QPen pen(QColor(130, 20, 20), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(GlyphStrokes(8, {12, 8.5}, 2.1));
        break;
    }
    default: { // runic tarot: a card behind a stone marked with the sun
        p.save();
        p.translate(19, 14);
        p.rotate(10);
        p.setPen(QPen(QColor(120, 80, 20), 1));
        p.setBrush(QColor(252, 244, 222));
        p.drawRoundedRect(QRectF(-7, -11.5, 14, 23), 2, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 170, 40));
        p.drawPath(StarPath({0, -3}, 5, 2.2, 8));
        p.restore();
        Pebble(p, QRectF(3, 11, 17, 20), QColor(170, 226, 170), QColor(30, 100, 60));
        QPen pen(QColor(250, 250, 240), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(GlyphStrokes(20, {8.5, 15}, 1.5)); // Raidho, the journey
        break;
    }
    }
    p.end();
    return img;
}

QImage DrawSidePanel(int scale)
{
    QImage img = Canvas(SidePanelWidth, SidePanelHeight, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(QPointF(0, 0), QPointF(SidePanelWidth, 0));
    g.setColorAt(0, QColor(14, 24, 62));
    g.setColorAt(0.5, QColor(22, 36, 86));
    g.setColorAt(1, QColor(12, 20, 54));
    p.fillRect(PointRect(img), g);
    // Faint futhark glyphs, in rows, leaving the Donate button's band (28, 404, 171 x 39) quiet.
    const QRectF donate(28, 404, 171, 39);
    int k = 0;
    for (int row = 0; row * 62 + 20 < SidePanelHeight; ++row)
        for (int col = 0; col < 4; ++col, ++k) {
            const QPointF origin(16 + col * 50 + (row % 2) * 12, 20 + row * 62);
            if (QRectF(origin, QSizeF(30, 46)).intersects(donate.adjusted(-10, -14, 10, 14)))
                continue;
            int stone = 1 + (k * 7) % RuneCount;
            if (stone == BlankStone)
                stone = 5;
            QPen pen(QColor(140, 170, 240, 38), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawPath(GlyphStrokes(stone, origin, 5.5));
        }
    // The band behind Donate, and thin gold edges.
    p.setPen(QPen(QColor(200, 168, 90, 120), 1));
    p.setBrush(QColor(8, 14, 40, 170));
    p.drawRoundedRect(donate.adjusted(-8, -6, 8, 6), 6, 6);
    p.setPen(QPen(QColor(200, 168, 90), 1));
    p.drawLine(QPointF(SidePanelWidth - 1.5, 0), QPointF(SidePanelWidth - 1.5, SidePanelHeight));
    p.end();
    return img;
}

QImage DrawHandCursor(QPoint* hotSpot)
{
    // Two colours and transparency only, so no antialiasing.
    QImage img = Transparent(32, 32, 1);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(10, 1, 6, 18), 3, 3);   // index finger, pointing up
    hand.addRoundedRect(QRectF(15, 11, 5, 10), 2.5, 2.5); // folded fingers
    hand.addRoundedRect(QRectF(19, 12, 5, 10), 2.5, 2.5);
    hand.addRoundedRect(QRectF(23, 13, 5, 10), 2.5, 2.5);
    hand.addRoundedRect(QRectF(10, 16, 18, 11), 4, 4); // palm
    hand.addRoundedRect(QRectF(13, 25, 13, 6), 1, 1);  // wrist
    QPainterPath thumb;
    thumb.moveTo(11, 24);
    thumb.lineTo(4, 17);
    thumb.quadTo(3, 14, 6, 14);
    thumb.lineTo(12, 18);
    thumb.closeSubpath();
    hand.setFillRule(Qt::WindingFill);
    hand = hand.united(thumb).simplified();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::white);
    p.setPen(QPen(Qt::black, 1));
    p.drawPath(hand);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(19, 14), QPointF(19, 19));
    p.drawLine(QPointF(23, 15), QPointF(23, 20));
    p.end();
    if (hotSpot)
        *hotSpot = QPoint(13, 1);
    return img;
}

} // namespace picturegen
