#pragma once
// The one place that makes the controls of the windows: labels, buttons, frames, panels, picture places,
// text boxes and drop-down lists, each with its design name, its rectangle in twips, its font and its
// colours. Whatever every control of a kind must do on this desktop lives here, not in the windows.
#include <QAbstractButton>
#include <QColor>
#include <QElapsedTimer>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QString>

#include <optional>

class QComboBox;
class QPainter;
class QFrame;
class QLineEdit;
class QPushButton;
class QWidget;

namespace platform {

class PictureBox;

// A rectangle of the design, in twips.
struct TwRect {
    double left = 0, top = 0, width = 0, height = 0;
};

// The font a control of the design asks for, by the design's family name; where the machine lacks that
// family, the toolkit's fallback serves.
QFont DesignFont(const QString& family, double points, bool bold = false, bool underline = false);
// The family nearly every window of the design uses.
QFont Verdana(double points, bool bold = false, bool underline = false);

// How a control looks. What is left unset, the control takes from its parent or its style. A font alone
// stands for a look: MakeLabel(..., Verdana(8.25)); the rest is added in a chain:
// Look(Verdana(9, true)).Fore(Qt::white).Wrap().
struct Look {
    std::optional<QFont> font;
    QColor fore;               // caption or text colour
    QColor back;               // face or background colour
    Qt::Alignment align = {};  // labels: where the text sits; none gives the label's own default
    bool wrap = false;         // labels: words wrap onto further lines

    Look() = default;
    Look(const QFont& f) : font(f) {}  // a font alone is a look
    Look& Fore(const QColor& c) { fore = c; return *this; }
    Look& Back(const QColor& c) { back = c; return *this; }
    Look& Align(Qt::Alignment a) { align = a; return *this; }
    Look& Wrap(bool on = true) { wrap = on; return *this; }
};

// A label of the design. Its design rectangle is where it starts, not a cage: the fonts the design names
// do not exist on every desktop, so the layout of its container (DesignLayout) grows it until its whole
// text shows. Its text, wrapping and font take effect on the screen at once, laid out.
class Label : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void setText(const QString& text);
    void setWordWrap(bool on);

protected:
    void changeEvent(QEvent* event) override;
};

// Whatever the user clicks that is not a push button: a picture, a caption, a link, a banner, a panel. It
// shows what a picture place or a label of the design shows (a picture at its top-left corner, or
// stretched over it; a text laid out as the label lays it out, in its font and colours, growing to its
// text as a Label does) and is a button to the toolkit: a click is a press and a release inside it, Space,
// Enter and Return press it while it has the focus, which it shows with the style's focus frame, and a
// screen reader finds it by its role (a button or a link) and its name (its caption, or what it shows,
// given with setAccessibleName). The second press of its own double-click is no click, nor is a
// double-click's second press that lands on it when it came on view after the first: a double-click never
// reaches past the screen its first click opened.
class Clickable : public QAbstractButton {
    Q_OBJECT
public:
    enum class Role { Button, Link };
    explicit Clickable(QWidget* parent = nullptr, Role role = Role::Button);

    Role role() const { return role_; }

    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    void setStretch(bool on);

    // Its caption, shown as written: an ampersand is no access key.
    void setText(const QString& text);
    Qt::Alignment alignment() const { return align_; }
    void setAlignment(Qt::Alignment align);
    bool wordWrap() const { return wrap_; }
    void setWordWrap(bool on);

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    friend class DesignLayout;
    // Its caption wraps: the layout found one line too long for the room beside it.
    void wrapToFit();
    void paintContent(QPainter& painter) const;
    void paintFocusFrame(QPainter& painter) const;

    Role role_;
    QPixmap picture_;
    bool stretch_ = false;
    Qt::Alignment align_ = Qt::AlignLeft | Qt::AlignVCenter;
    bool wrap_ = false;
    QElapsedTimer onView_;           // since it last came on view
    quint64 lastPress_ = 0, pressBefore_ = 0;
    bool pressed_ = false;
};

// A frame with a caption around a group of controls. Its layout (DesignLayout) keeps what it holds clear
// of its caption and grows it downward as far as what it holds needs.
class Frame : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;
};

Label* MakeLabel(QWidget* parent, const QString& name, const QString& text, const TwRect& at, const Look& look = {});
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, const TwRect& at,
                        const Look& look = {});
// A button whose caption wraps over several lines.
QPushButton* MakeWrappingButton(QWidget* parent, const QString& name, const QString& caption, const TwRect& at,
                                const Look& look = {});
// A frame with a caption around a group of controls.
Frame* MakeFrame(QWidget* parent, const QString& name, const QString& caption, const TwRect& at,
                 const Look& look = {});
// A plain panel without a border or caption.
QFrame* MakePanel(QWidget* parent, const QString& name, const TwRect& at, const Look& look = {});
PictureBox* MakePicture(QWidget* parent, const QString& name, const TwRect& at);
// A caption that acts on a click (a link or a banner), dressed as MakeLabel dresses a label. Links are
// no Tab stops, as the design's labels were not; a screen reader still reaches and presses them.
Clickable* MakeLink(QWidget* parent, const QString& name, const QString& text, const TwRect& at, const Look& look = {},
                    Clickable::Role role = Clickable::Role::Link);
// A picture that acts on a click; it is a Tab stop. Its accessible name tells what it shows.
Clickable* MakeClickablePicture(QWidget* parent, const QString& name, const TwRect& at, const QString& shows);
QLineEdit* MakeTextBox(QWidget* parent, const QString& name, const QString& text, const TwRect& at,
                       const Look& look = {});
// A list to choose from, not to type in.
QComboBox* MakeDropDown(QWidget* parent, const QString& name, const TwRect& at, const Look& look = {});

// The first control inside root that Tab stops at, in the focus order; null when there is none.
QWidget* FirstTabStop(QWidget* root);

// How far apart two colours are for the eye, from 1 (the same) to 21 (black and white), as the web's
// accessibility rules measure it; text reads where it is 4.5 or more.
double Contrast(const QColor& a, const QColor& b);
// The wanted text colour where it reads on the background; otherwise black or white, whichever reads better.
QColor ReadableOn(const QColor& wanted, const QColor& back);

// A label that sizes itself to its text: its design size becomes the size its text takes on one line,
// from where it stands.
void SizeToText(QLabel* label);

// Gives a control made elsewhere its name, place, font and colours, as the makers above do.
void Dress(QWidget* control, const QString& name, const TwRect& at, const Look& look);

} // namespace platform
