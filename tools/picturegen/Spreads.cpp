// Spread pictures: the spread's card places, drawn from the layout table every deal uses.
#include "Art.h"
#include "Pictures.h"
#include "tarot/SpreadCatalogue.h"
#include "tarot/SpreadLayouts.h"

#include <QFontMetricsF>
#include <QRadialGradient>
#include <array>
#include <random>

namespace picturegen {

namespace {

constexpr int CaptionHeight = 26;
constexpr int Margin = 10;

QRectF PlaceRect(int spread, int i)
{
    const tarot::CardPlace c = tarot::SpreadLayout(spread)[i];
    if (tarot::IsCrossingCard(spread, i))
        return QRectF(c.left, c.top, tarot::CardPlaceHeight, tarot::CardPlaceWidth);
    return QRectF(c.left, c.top, tarot::CardPlaceWidth, tarot::CardPlaceHeight);
}

void PaintCloth(QPainter& p, int w, int h)
{
    QRadialGradient g(QPointF(w / 2.0, h * 0.42), h * 0.75);
    g.setColorAt(0, QColor(40, 78, 58));
    g.setColorAt(1, QColor(12, 30, 22));
    p.fillRect(QRect(0, 0, w, h), g);
    // The weave of the cloth.
    std::mt19937 rng(4242);
    std::uniform_int_distribution<int> ux(0, w - 1), uy(0, h - 1);
    p.setPen(QPen(QColor(255, 255, 255, 10), 1));
    for (int y = 0; y < h; y += 3)
        p.drawLine(0, y, w, y);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 500; ++i) {
        p.setBrush(QColor(0, 0, 0, 30));
        p.drawRect(ux(rng), uy(rng), 1, 1);
    }
    p.setPen(QPen(QColor(200, 168, 90), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3, 3, w - 6, h - 6));
}

QColor CardTint(int spread, int i)
{
    switch (spread) {
    case 6: { // chakras, from the root (red) up to the crown (violet)
        constexpr std::array<QRgb, 7> chakra = {0xd03030, 0xe87a20, 0xe8c820, 0x3ca04a, 0x3a7ad8, 0x4a3aa8, 0x8a3ab8};
        return QColor(chakra[static_cast<size_t>(i)]);
    }
    case 8: return i % 2 == 0 ? QColor(70, 110, 200) : QColor(200, 80, 120); // querent and partner
    default: return QColor(222, 180, 80);
    }
}

void PaintCard(QPainter& p, const QRectF& r, const QColor& tint)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(r.translated(1.5, 2), 2.5, 2.5);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(86, 48, 130));
    g.setColorAt(1, QColor(30, 20, 70));
    p.setBrush(g);
    p.setPen(QPen(QColor(250, 240, 220), 1));
    p.drawRoundedRect(r, 2.5, 2.5);
    p.setPen(QPen(tint, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(2.5, 2.5, -2.5, -2.5), 1.5, 1.5);
}

} // namespace

QImage DrawSpreadPicture(int spread, QList<QRect>* rects, int pixelsPerPoint)
{
    const int w = SpreadPictureWidth, h = SpreadPictureHeight;
    QImage img = Canvas(w, h, pixelsPerPoint);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    PaintCloth(p, w, h);

    const int n = tarot::SpreadCardCount(spread);
    QRectF bounds;
    for (int i = 0; i < n; ++i)
        bounds = bounds.united(PlaceRect(spread, i));
    const QRectF area(Margin, Margin, w - 2 * Margin, h - 2 * Margin - CaptionHeight);
    // Small spreads would fill the picture with one giant card: cap the size of a card.
    const qreal scale = std::min({area.width() / bounds.width(), area.height() / bounds.height(), 0.036});
    const QPointF offset(area.center().x() - bounds.center().x() * scale, area.center().y() - bounds.center().y() * scale);
    auto toPixels = [&](const QRectF& tw) {
        const QRectF f(tw.left() * scale + offset.x(), tw.top() * scale + offset.y(), tw.width() * scale,
                       tw.height() * scale);
        // Keep neighbours that nearly touch apart by a thin line of cloth.
        const qreal inset = std::max(1.0, f.width() * 0.04);
        return f.adjusted(inset, inset, -inset, -inset).toRect();
    };

    QList<QRect> drawn;
    for (int i = 0; i < n; ++i) {
        const QRect r = toPixels(PlaceRect(spread, i));
        drawn.append(r);
        PaintCard(p, r, CardTint(spread, i));
    }
    // Numbers last, so the crossing card does not hide the number of the card beneath it.
    for (int i = 0; i < n; ++i) {
        const QRectF r = drawn[i];
        QPointF c = r.center();
        qreal radius = std::min<qreal>(std::min(r.width(), r.height()) * 0.34, 12);
        if (spread == tarot::CelticCrossSpread && i == 0) {
            const qreal top = drawn[1].bottom() + 1;
            c = QPointF(r.center().x(), (top + r.bottom()) / 2.0);
            radius = std::min(radius, (r.bottom() - top) / 2.0 - 0.5);
        } else if (tarot::IsCrossingCard(spread, i)) {
            c = QPointF(r.left() + r.width() * 0.16, r.center().y());
        }
        const QColor tint = CardTint(spread, i);
        p.setPen(QPen(QColor(40, 20, 30), 1));
        p.setBrush(spread == 6 || spread == 8 ? tint : QColor(250, 238, 200));
        p.drawEllipse(c, radius, radius);
        p.setFont(PixelFont(QStringLiteral("DejaVu Sans"), std::max(7, int(radius * (i >= 9 ? 1.0 : 1.25))), true));
        p.setPen(spread == 6 || spread == 8 ? QColor(255, 255, 255) : QColor(60, 20, 30));
        p.drawText(QRectF(c.x() - radius * 1.5, c.y() - radius, radius * 3, radius * 2), Qt::AlignCenter,
                   QString::number(i + 1));
        if (spread == 10) {
            // The zodiac's signs, from Aries at the left end round the ring.
            p.setFont(PixelFont(QStringLiteral("DejaVu Sans"), std::max(8, int(r.width() * 0.42))));
            p.setPen(QColor(232, 200, 120));
            p.drawText(QRectF(r.left(), r.bottom() - r.height() * 0.36, r.width(), r.height() * 0.32), Qt::AlignCenter,
                       QString(QChar(0x2648 + i)));
        }
    }

    QString caption = tarot::catalogue::SpreadText(spread);
    const int paren = caption.indexOf(QLatin1Char('('));
    if (paren > 0)
        caption = caption.left(paren).trimmed();
    int size = 15;
    QFont f = PixelFont(QStringLiteral("DejaVu Serif"), size, true, true);
    while (size > 9 && QFontMetricsF(f).horizontalAdvance(caption) > w - 24)
        f = PixelFont(QStringLiteral("DejaVu Serif"), --size, true, true);
    p.setFont(f);
    p.setPen(QColor(236, 210, 140));
    p.drawText(QRectF(8, h - CaptionHeight - 6, w - 16, CaptionHeight), Qt::AlignCenter, caption);
    p.end();
    if (rects)
        *rects = drawn;
    return img;
}

} // namespace picturegen
