#pragma once
// A picture place: it shows its picture at its top-left corner, or, when a persistent image has been
// drawn on it, that image. Places and sizes are in twips like every control; a picture of more pixels
// than points (a twin for dense screens) shows at its size in points.
#include <QPixmap>
#include <QWidget>

namespace platform {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);  // a null pixmap means no picture
    // Loads a picture from a file; an empty name clears it. False when the file gives no picture.
    bool loadPicture(const QString& fileName);

    // The persistent drawn image (what the place shows when it has one).
    const QPixmap& image() const { return image_; }
    void setImage(const QPixmap& image);
    void Cls();

    bool autoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool on) { autoRedraw_ = on; }
    // When on, the place takes the size of each picture it is given.
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on) { autoSize_ = on; }
    // When on, the picture is stretched over the inside (an image control rather than a picture box).
    bool stretch() const { return stretch_; }
    void setStretch(bool on);

    // What the place shows now, at its own size in points and at the density of what it shows.
    QPixmap shown() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap picture_;
    QPixmap image_;
    bool autoRedraw_ = false;
    bool autoSize_ = false;
    bool stretch_ = false;
};

} // namespace platform
