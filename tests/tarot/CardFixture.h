#pragma once
// Fixture card pictures for the tests that read back what a card place shows: a black marker in the
// top-left corner and the card number as two colour bands (tens above units), so that both the card and
// the way it lies can be read from the place's pixels.
#include "platform/PictureBox.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>

namespace testing {

enum class Facing { Upright, Reversed, Across, Unknown };

struct Seen {
    int card = -1;
    Facing facing = Facing::Unknown;
    friend bool operator==(const Seen&, const Seen&) = default;
};

class CardFixture {
public:
    explicit CardFixture(int width, int height = 250) : W(width), H(height) {}

    const int W, H;

    QImage card(int n) const
    {
        QImage img(W, H, QImage::Format_RGB32);
        img.fill(QColor(200, 200, 200));
        QPainter painter(&img);
        painter.fillRect(0, 0, 30, 30, Qt::black);
        painter.fillRect(20, 80, W - 40, 40, digits()[n / 10]);
        painter.fillRect(20, 130, W - 40, 40, digits()[n % 10]);
        return img;
    }

    // The card a place shows and how it lies; coordinates are those of the framed picture (a one-pixel
    // border around the card).
    Seen seenOn(platform::PictureBox* place) const
    {
        const QImage img = place->shown().toImage();
        Seen s;
        const int mid = W / 2;
        auto at = [&](int x, int y) { return img.pixelColor(x, y); };
        if (img.width() == W + 2 && img.height() == H + 2) {
            if (isDark(at(11, 11)) && !isDark(at(W - 10, H - 10))) {
                s.facing = Facing::Upright;
                s.card = nearestDigit(at(mid, 101)) * 10 + nearestDigit(at(mid, 151));
            } else if (isDark(at(W - 10, H - 10)) && !isDark(at(11, 11))) {
                s.facing = Facing::Reversed;
                s.card = nearestDigit(at(W + 1 - mid, H + 1 - 101)) * 10 + nearestDigit(at(W + 1 - mid, H + 1 - 151));
            }
        } else if (img.width() == H + 2 && img.height() == W + 2) {
            // A quarter turn clockwise: (x, y) of the upright picture lands at (height - 1 - y, x).
            auto turned = [&](int x, int y) { return at(H + 1 - y, x); };
            if (isDark(turned(11, 11)) && !isDark(turned(W - 10, H - 10))) {
                s.facing = Facing::Across;
                s.card = nearestDigit(turned(mid, 101)) * 10 + nearestDigit(turned(mid, 151));
            }
        }
        return s;
    }

private:
    static const QList<QColor>& digits()
    {
        static const QList<QColor> d = {Qt::black,  Qt::white, Qt::red,     Qt::green,             Qt::blue,
                                        Qt::yellow, Qt::cyan,  Qt::magenta, QColor(128, 128, 128), QColor(255, 128, 0)};
        return d;
    }
    static bool isDark(const QColor& c) { return c.lightness() < 60; }
    static int nearestDigit(const QColor& c)
    {
        int best = -1, bestDistance = 1 << 30;
        for (int d = 0; d < digits().size(); ++d) {
            const QColor& k = digits()[d];
            const int distance = (c.red() - k.red()) * (c.red() - k.red()) +
                                 (c.green() - k.green()) * (c.green() - k.green()) +
                                 (c.blue() - k.blue()) * (c.blue() - k.blue());
            if (distance < bestDistance) {
                bestDistance = distance;
                best = d;
            }
        }
        return best;
    }
};

} // namespace testing
