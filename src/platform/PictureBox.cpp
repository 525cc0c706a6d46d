#include "platform/PictureBox.h"

#include "platform/PictureFiles.h"
#include "platform/Twips.h"

#include <QPainter>

#include <algorithm>

namespace platform {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    image_ = QPixmap();
    if (autoSize_ && !picture_.isNull()) {
        const QSize size = picture_.deviceIndependentSize().toSize();
        setSizeTw(this, tw(size.width()), tw(size.height()));
    }
    update();
}

bool PictureBox::loadPicture(const QString& fileName)
{
    if (fileName.isEmpty()) {
        setPicture(QPixmap());
        return true;
    }
    const QPixmap p = ReadPicture(fileName);
    if (p.isNull())
        return false;
    setPicture(p);
    return true;
}

void PictureBox::setImage(const QPixmap& image)
{
    image_ = image;
    update();
}

void PictureBox::Cls()
{
    image_ = QPixmap();
    update();
}

void PictureBox::setStretch(bool on)
{
    stretch_ = on;
    update();
}

QPixmap PictureBox::shown() const
{
    // As many pixels to the point as what it shows has, so a turn of a sharp picture stays sharp.
    const qreal ratio = std::max({qreal(1), picture_.devicePixelRatio(), image_.devicePixelRatio()});
    QPixmap out(size() * ratio);
    out.setDevicePixelRatio(ratio);
    out.fill(palette().color(QPalette::Window));
    QPainter painter(&out);
    if (!image_.isNull())
        painter.drawPixmap(0, 0, image_);
    else if (!picture_.isNull()) {
        if (stretch_)
            painter.drawPixmap(rect(), picture_);
        else
            painter.drawPixmap(0, 0, picture_);
    }
    return out;
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!image_.isNull())
        painter.drawPixmap(0, 0, image_);
    else if (!picture_.isNull()) {
        if (stretch_)
            painter.drawPixmap(rect(), picture_);
        else
            painter.drawPixmap(0, 0, picture_);
    }
}

} // namespace platform
