#pragma once
// Places and sizes are kept in twips, as the windows were designed, and turned into pixels here only
// (15 twips to a pixel at 96 dpi; the toolkit scales for high-density screens). A control keeps the exact
// twips it was given, fractions included, so that placements computed from the screen size read back
// exactly.
#include <QColor>
#include <QWidget>

namespace platform {

constexpr double kTwipsPerPixel = 15.0;

inline int px(double twips) { return qRound(twips / kTwipsPerPixel); }
inline double tw(int pixels) { return pixels * kTwipsPerPixel; }

// Colours of the design are written blue-green-red: &HFFC0C0 is RGB 192, 192, 255.
inline QColor bgr(unsigned value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

// A control's design rectangle: where its container's layout places it (platform/DesignLayout.h).
void setGeometryTw(QWidget* w, double left, double top, double width, double height);
void setLeftTw(QWidget* w, double left);
void setTopTw(QWidget* w, double top);
void setWidthTw(QWidget* w, double width);
void setHeightTw(QWidget* w, double height);
void setSizeTw(QWidget* w, double width, double height);
// What a control's place and size read as: its design, while it stands where that puts it; once its
// layout moved or grew it, where it is now.
double leftTw(const QWidget* w);
double topTw(const QWidget* w);
double widthTw(const QWidget* w);
double heightTw(const QWidget* w);

// Sets background colour of a panel or label.
void setBackColor(QWidget* w, const QColor& c);
void setForeColor(QWidget* w, const QColor& c);

} // namespace platform
