#include "platform/PictureBox.h"

#include <QPainter>

namespace platform {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    image_ = QPixmap();
    if (autoSize_ && !picture_.isNull())
        resize(picture_.size());
    update();
}

bool PictureBox::loadPicture(const QString& fileName)
{
    if (fileName.isEmpty()) {
        setPicture(QPixmap());
        return true;
    }
    QPixmap p(fileName);
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
    QPixmap out(size());
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
