#pragma once
// Shared painting vocabulary: one set of shapes, two ways of inking them. Deck "o" inks with
// rich gradients and fine dark lines, deck "m" with the flat colours and heavy outlines of a woodcut.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <initializer_list>

namespace picturegen {

enum class Role { Gold, Silver, Red, Blue, Green, Flesh, White, Wood, Yellow, Purple, Grey, Water, Stone, Dark, Ink };

class Art {
public:
    Art(QPainter& painter, bool woodcut) : p(painter), wood(woodcut) {}

    QColor colour(Role r) const;
    QPen pen(qreal width = 1.0) const;
    // Fills the path in its role's colour and outlines it.
    void fill(const QPainterPath& path, Role r, qreal outline = 1.0);
    void fillColour(const QPainterPath& path, const QColor& c, qreal outline = 1.0);
    // Strokes only.
    void stroke(const QPainterPath& path, qreal width = 1.0);
    void strokeColour(const QPainterPath& path, const QColor& c, qreal width);

    QPainter& p;
    bool wood;
};

// A picture of w x h points, scale pixels to the point, painted in points: w*scale x h*scale pixels
// with the scale as its device pixel ratio.
QImage Canvas(int w, int h, int scale, QImage::Format format = QImage::Format_RGB32);
// The picture's whole extent in points.
QRect PointRect(const QImage& img);

QFont PixelFont(const QString& family, int pixelSize, bool bold = false, bool italic = false);
QPainterPath StarPath(QPointF centre, qreal outer, qreal inner, int points, qreal rotationDeg = -90);
QPainterPath EllipsePath(QPointF centre, qreal rx, qreal ry);
QPainterPath RectPath(qreal x, qreal y, qreal w, qreal h);
QPainterPath PolyPath(std::initializer_list<QPointF> points, bool closed = true);

// Suit pips, drawn centred on c with height h (width follows).
void DrawPip(Art& a, int suit, QPointF c, qreal h);

// A crown of width w centred on c.
void Crown(Art& a, QPointF c, qreal w, Role band = Role::Gold);

struct CourtFigure;
// A court card's figure (rank 11 Page, 12 Knight, 13 Queen, 14 King; suit 0 cups, 1 pentacles, 2 swords,
// 3 wands) standing on the bottom of art, drawn as figure asks and told of it in the painter's device
// pixels.
void DrawCourtFigure(Art& a, int rank, int suit, const QRectF& art, CourtFigure& figure);

} // namespace picturegen
