#include "shell/modRotate90.h"

#include "platform/PictureBox.h"
#include "platform/Twips.h"

#include <QTransform>

namespace shell {

void RotatePicture90(platform::PictureBox& box)
{
    const int w = box.width();
    const int h = box.height();
    const QImage shown = box.shown().toImage();
    const QImage turned = shown.transformed(QTransform().rotate(90));
    box.setAutoRedraw(true);
    platform::setSizeTw(&box, platform::tw(h), platform::tw(w));
    box.setImage(QPixmap::fromImage(turned));
}

void RotatePicture180(platform::PictureBox& box)
{
    if (box.picture().isNull())
        return;
    // Stretched over the place at the picture's own density, so a sharp picture stays sharp.
    const qreal ratio = box.picture().devicePixelRatio();
    QImage stretched =
        box.picture().toImage().scaled(box.size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    stretched.setDevicePixelRatio(ratio);
    const bool autoSize = box.autoSize();
    box.setAutoSize(false);
    box.setPicture(QPixmap::fromImage(stretched.mirrored(true, true)));
    box.setAutoSize(autoSize);
    box.setAutoRedraw(false);
}

} // namespace shell
