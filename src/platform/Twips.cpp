#include "platform/Twips.h"

#include <QVariant>

namespace platform {

namespace {
constexpr const char* kLeft = "_twLeft";
constexpr const char* kTop = "_twTop";
constexpr const char* kWidth = "_twWidth";
constexpr const char* kHeight = "_twHeight";

// The stored twips hold while the widget still sits at the pixel they round to; once something else
// (a layout, the user) moves it, the pixel position is the truth.
double read(const QWidget* w, const char* name, int pixels)
{
    const QVariant v = w->property(name);
    if (v.isValid() && px(v.toDouble()) == pixels)
        return v.toDouble();
    return tw(pixels);
}
} // namespace

void setGeometryTw(QWidget* w, double left, double top, double width, double height)
{
    w->setProperty(kLeft, left);
    w->setProperty(kTop, top);
    w->setProperty(kWidth, width);
    w->setProperty(kHeight, height);
    w->setGeometry(px(left), px(top), px(width), px(height));
}

void setLeftTw(QWidget* w, double left)
{
    w->setProperty(kLeft, left);
    w->move(px(left), w->y());
}

void setTopTw(QWidget* w, double top)
{
    w->setProperty(kTop, top);
    w->move(w->x(), px(top));
}

void setWidthTw(QWidget* w, double width)
{
    w->setProperty(kWidth, width);
    w->resize(px(width), w->height());
}

void setHeightTw(QWidget* w, double height)
{
    w->setProperty(kHeight, height);
    w->resize(w->width(), px(height));
}

double leftTw(const QWidget* w) { return read(w, kLeft, w->x()); }
double topTw(const QWidget* w) { return read(w, kTop, w->y()); }
double widthTw(const QWidget* w) { return read(w, kWidth, w->width()); }
double heightTw(const QWidget* w) { return read(w, kHeight, w->height()); }

void setBackColor(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Button, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setForeColor(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}

} // namespace platform
