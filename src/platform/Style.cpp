#include "platform/Style.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionSlider>

#include <algorithm>

namespace platform {

namespace {

// Device pixels along the bar per band: a fill hands its rows to other threads from 96 rows on. Every band
// paints the whole bar under its clip, so the bands are as long as stays safely short of that.
constexpr int kBandPixels = 90;

} // namespace

BandedScrollBarStyle::BandedScrollBarStyle(const QString& baseKey) : QProxyStyle(baseKey) {}

void BandedScrollBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                              QPainter* painter, const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    // The pixels per point of what the painter paints on, the screen's density or a picture's. A painter
    // turned or stretched would need its bands turned with it, and one that paints see-through or mixes
    // otherwise would show the bands' seams: such a bar is painted whole.
    const QTransform toDevice = painter ? painter->deviceTransform() : QTransform();
    const qreal ratio = toDevice.m11();
    if (control != CC_ScrollBar || !bar || !painter || painter->transform().type() > QTransform::TxTranslate ||
        toDevice.type() > QTransform::TxScale || ratio <= 0 || toDevice.m22() != ratio || painter->opacity() < 1 ||
        painter->compositionMode() != QPainter::CompositionMode_SourceOver) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const bool vertical = bar->orientation == Qt::Vertical;
    const QRect whole = option->rect;
    const int length = vertical ? whole.height() : whole.width();
    const int band = std::max(1, int(kBandPixels / ratio));
    if (length <= band) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // The bar is painted a band at a time onto a picture of its own, each band under a clip, and each band
    // goes onto the painter as soon as it is painted. The base style may set a clip of its own and paint
    // past the band: what it paints there is painted over before that band's turn, and is never shown. A
    // clip, unlike the edge of a picture, leaves the lines where they would be in one go, so the bar is the
    // one the base style paints.
    constexpr int kMargin = 2; // the lines a style draws a pixel outside the bar stay whole
    QImage picture((whole.size() + QSize(2 * kMargin, 2 * kMargin)) * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    QPainter onPicture(&picture);
    onPicture.setRenderHints(painter->renderHints());
    onPicture.setFont(painter->font());
    onPicture.translate(QPoint(kMargin, kMargin) - whole.topLeft());
    for (int from = 0; from < length; from += band) {
        const int size = std::min(band, length - from);
        const QRect part = vertical ? QRect(whole.left(), whole.top() + from, whole.width(), size)
                                    : QRect(whole.left() + from, whole.top(), size, whole.height());
        onPicture.save();
        onPicture.setCompositionMode(QPainter::CompositionMode_Source);
        onPicture.fillRect(part, Qt::transparent);
        onPicture.restore();
        onPicture.save();
        onPicture.setClipRect(part);
        QProxyStyle::drawComplexControl(control, option, &onPicture, widget);
        onPicture.restore();
        const QPoint at = part.topLeft() - whole.topLeft() + QPoint(kMargin, kMargin);
        painter->drawImage(part.topLeft(), picture, QRectF(QPointF(at) * ratio, QSizeF(part.size()) * ratio));
    }
}

void InstallStyle()
{
    const QString key = QApplication::style() ? QApplication::style()->name() : QString();
    QApplication::setStyle(new BandedScrollBarStyle(key));
}

} // namespace platform
