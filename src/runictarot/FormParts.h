#pragma once
// Building blocks of the runic tarot windows: labels, frames and buttons placed in twips, in the
// windows' Verdana, and labels that act as links.
#include <QColor>
#include <QFont>
#include <QString>

#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace runictarot::parts {

QFont verdana(double points, bool bold = false, bool underline = false);

QLabel* label(QWidget* parent, const QString& name, const QString& text, double l, double t, double w, double h,
              const QFont& font, const QColor& colour, bool wrap = true);
QFrame* frame(QWidget* parent, const QString& name, double l, double t, double w, double h, const QColor& back);
QPushButton* button(QWidget* parent, const QString& name, const QString& caption, double l, double t, double w,
                    double h, const QFont& font);

// A button whose caption wraps over several lines.
QPushButton* wrappingButton(QWidget* parent, const QString& name, const QString& caption, double l, double t,
                            double w, double h, const QFont& font);

// A label that runs the handler when clicked with the left button, and shows the program's hand pointer
// over it.
void makeLink(QLabel* label, std::function<void()> onClick);

} // namespace runictarot::parts
