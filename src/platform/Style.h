#pragma once
// The program's style: the desktop's own, with its scroll bars painted band by band.
#include <QProxyStyle>

namespace platform {

// Paints a long scroll bar as the base style does, one band across it at a time. Qt's raster engine
// hands every fill of 96 rows or more to the global thread pool and waits for it to finish, and has no
// way to turn that off: for a bar a few pixels across, waking the pool costs far more than the pixels.
// A band is short enough that its fills stay on the painting thread; the bar looks the same.
class BandedScrollBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Over the style with the given key; the default style where none is given or the key is unknown.
    explicit BandedScrollBarStyle(const QString& baseKey = {});

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
};

// Wraps the application's style, whichever the desktop or the -style option chose, in the banded one.
// Called once the application exists and before any window does.
void InstallStyle();

} // namespace platform
