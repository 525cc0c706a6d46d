#include "platform/Twips.h"

#include "platform/DesignLayout.h"

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
    DesignLayout::Place(w, QRect(px(left), px(top), px(width), px(height)));
}

// Every other setter changes one side of the design rectangle and keeps the rest of it: a control moved
// by its window keeps its design size, whatever its text made of it meanwhile.
void setLeftTw(QWidget* w, double left)
{
    w->setProperty(kLeft, left);
    QRect r = DesignLayout::DesignOf(w);
    r.moveLeft(px(left));
    DesignLayout::Place(w, r);
}

void setTopTw(QWidget* w, double top)
{
    w->setProperty(kTop, top);
    QRect r = DesignLayout::DesignOf(w);
    r.moveTop(px(top));
    DesignLayout::Place(w, r);
}

void setWidthTw(QWidget* w, double width)
{
    w->setProperty(kWidth, width);
    QRect r = DesignLayout::DesignOf(w);
    r.setWidth(px(width));
    DesignLayout::Place(w, r);
}

void setHeightTw(QWidget* w, double height)
{
    w->setProperty(kHeight, height);
    QRect r = DesignLayout::DesignOf(w);
    r.setHeight(px(height));
    DesignLayout::Place(w, r);
}

void setSizeTw(QWidget* w, double width, double height)
{
    w->setProperty(kWidth, width);
    w->setProperty(kHeight, height);
    QRect r = DesignLayout::DesignOf(w);
    r.setSize(QSize(px(width), px(height)));
    DesignLayout::Place(w, r);
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
