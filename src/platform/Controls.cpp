#include "platform/Controls.h"

#include "platform/PictureBox.h"
#include "platform/Twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <QStyleOptionFocusRect>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace platform {

namespace {

class WrappingButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter p(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        p.drawControl(QStyle::CE_PushButton, option);
        p.setFont(font());
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
    }
};

// A button's face and caption come from the desktop's palette, not from the window it stands on (a
// window whose background is black would otherwise blacken the face under a black caption). A face of
// the design's own colour gets a caption that reads on it.
void keepReadable(QPushButton* button, const Look& look)
{
    QPalette p = button->palette();
    const QPalette desktop = QApplication::palette(button);
    const QColor face = look.back.isValid() ? look.back : desktop.color(QPalette::Button);
    QColor caption = look.fore;
    if (!caption.isValid())
        caption = look.back.isValid() ? (qGray(face.rgb()) < 128 ? QColor(Qt::white) : QColor(Qt::black))
                                      : desktop.color(QPalette::ButtonText);
    p.setColor(QPalette::Button, face);
    p.setColor(QPalette::ButtonText, caption);
    button->setPalette(p);
}

// The space kept between a grown label and a control beside it, and inside its parent's edge.
constexpr int kGap = 4;

bool explicitlyHidden(const QWidget* w)
{
    return w->testAttribute(Qt::WA_WState_ExplicitShowHide) && w->testAttribute(Qt::WA_WState_Hidden);
}

// What the fitting needs to know of a control that shows a text: a label, or a clickable caption.
struct TextShown {
    QWidget* control;
    QString text;
    Qt::Alignment align;
    bool wrap;
    bool picture;  // it shows a picture, which its size is made for
};

// Where the text lies in the control, laid out in the given inside.
QRect textIn(const TextShown& t, const QRect& inside)
{
    const int flags = int(t.align) | (t.wrap ? Qt::TextWordWrap : 0);
    return t.control->fontMetrics().boundingRect(inside, flags, t.text);
}

// The control's size that shows its text laid out in the given outer width.
QSize needed(const TextShown& t, int width)
{
    const QSize extra = t.control->size() - t.control->contentsRect().size();
    const QRect inside(0, 0, std::max(1, width - extra.width()), 1 << 20);
    return textIn(t, inside).size() + extra;
}

bool holds(const TextShown& t, QSize size)
{
    const QSize need = needed(t, size.width());
    return need.width() <= size.width() && need.height() <= size.height();
}

// How far a label may reach to each side, in its parent: up to the nearest control beside it (one that
// does not overlap it by design and is not hidden), or to the parent's edge.
struct Room {
    int left, right;  // the leftmost and rightmost x it may cover
};

Room roomBeside(const QWidget* label, const QRect& at)
{
    const QWidget* parent = label->parentWidget();
    Room room{std::min(at.left(), kGap), std::max(at.right(), parent->width() - 1 - kGap)};
    for (const QObject* o : parent->children()) {
        const auto* other = qobject_cast<const QWidget*>(o);
        if (!other || other == label || other->isWindow() || explicitlyHidden(other))
            continue;
        const QRect g = other->geometry();
        if (g.intersects(at) || g.bottom() < at.top() || g.top() > at.bottom())
            continue;
        if (g.left() > at.right())
            room.right = std::min(room.right, g.left() - 1 - kGap);
        else if (g.right() < at.left())
            room.left = std::max(room.left, g.right() + 1 + kGap);
    }
    return room;
}

// The label's rectangle of the given width, grown from the design rectangle as its alignment says:
// to the right, to the left, or to both sides alike.
QRect widened(const QRect& design, int width, Qt::Alignment align)
{
    QRect r = design;
    const int more = width - design.width();
    if (align & Qt::AlignRight)
        r.setLeft(design.left() - more);
    else if (align & Qt::AlignHCenter)
        r.setLeft(design.left() - more / 2);
    r.setWidth(width);
    return r;
}

// The widest the label can grow, as its alignment says, within the room beside it.
int widest(const QRect& design, const Room& room, Qt::Alignment align)
{
    const int toLeft = design.left() - room.left;
    const int toRight = room.right - design.right();
    if (align & Qt::AlignRight)
        return design.width() + std::max(0, toLeft);
    if (align & Qt::AlignHCenter)
        return design.width() + 2 * std::max(0, std::min(toLeft, toRight));
    return design.width() + std::max(0, toRight);
}

// Grows a control that shows a text from its design rectangle until its whole text shows: first into
// the free width beside it, keeping its height; where that is not enough, it wraps (wrapOn) and grows
// downward. A place given by the window since the last fit is the new place to start from.
void FitToText(QWidget* control, TextShown t, const std::function<void()>& wrapOn, QRect& design, QRect& fitted)
{
    if (design.isNull() || control->geometry() != fitted)
        design = control->geometry();
    QRect to = design;
    if (!t.text.isEmpty() && !t.picture && !holds(t, design.size())) {
        const Room room = roomBeside(control, design);
        const int most = widest(design, room, t.align);
        std::optional<int> width;
        if (!t.wrap) {
            // As wide as its one line, where the room beside it allows.
            if (const int line = needed(t, 1 << 20).width(); line <= most)
                width = std::max(line, design.width());
            else {
                wrapOn();  // one line cannot hold it: it wraps
                t.wrap = true;
            }
        }
        // The narrowest width beside it that holds the text in the design height.
        if (!width && t.wrap)
            for (int w = design.width(); w <= most; ++w)
                if (holds(t, QSize(w, design.height()))) {
                    width = w;
                    break;
                }
        if (width) {
            to = widened(design, *width, t.align);
            to.setHeight(std::max(design.height(), needed(t, *width).height()));
        }
        else {
            // Downward, in the design width, or as wide as its longest word needs.
            int w = design.width();
            while (w < most && needed(t, w).width() > w)
                ++w;
            to = widened(design, w, t.align);
            to.setHeight(std::max(design.height(), needed(t, w).height()));
        }
    }
    // Grown past the bottom of what holds it, it rises as far as it can instead.
    const QWidget* parent = control->parentWidget();
    if (const int over = to.bottom() - (parent->height() - 1); over > 0 && to.height() > design.height())
        to.translate(0, -std::min(over, std::max(0, to.top())));
    fitted = to;
    if (to != control->geometry())
        control->setGeometry(to);
}

template <class T> T* dressed(T* control, const QString& name, const TwRect& at, const Look& look)
{
    Dress(control, name, at, look);
    return control;
}

// What a screen reader learns of a clickable: a button or a link, named by its caption or by what its
// picture shows, that it presses.
class ClickableAccessible final : public QAccessibleWidget {
public:
    explicit ClickableAccessible(Clickable* c)
        : QAccessibleWidget(c, c->role() == Clickable::Role::Link ? QAccessible::Link : QAccessible::Button)
    {
    }
    Clickable* clickable() const { return static_cast<Clickable*>(widget()); }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? clickable()->text().simplified() : name;
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = clickable()->isDown();
        return s;
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            clickable()->click();
        else
            QAccessibleWidget::doAction(action);
    }
};

// The first control Tab stops at on the screen a control stands on: its tool window, or its window.
QWidget* firstStopOfScreen(QWidget* control)
{
    QWidget* screen = control;
    while (screen->parentWidget() && !screen->isWindow() && screen->parentWidget()->windowType() != Qt::SubWindow)
        screen = screen->parentWidget();
    return FirstTabStop(screen);
}

QAccessibleInterface* clickableFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("platform::Clickable") && object && object->isWidgetType())
        return new ClickableAccessible(static_cast<Clickable*>(object));
    return nullptr;
}

} // namespace

QWidget* FirstTabStop(QWidget* root)
{
    int guard = 0;
    for (QWidget* w = root->nextInFocusChain(); w && w != root && guard++ < 10000; w = w->nextInFocusChain())
        if (root->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isVisible() &&
            w->isEnabled())
            return w;
    return nullptr;
}

double Contrast(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) {
            v /= 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& wanted, const QColor& back)
{
    constexpr double kReads = 4.5;
    if (Contrast(wanted, back) >= kReads)
        return wanted;
    const QColor black(Qt::black), white(Qt::white);
    return Contrast(black, back) >= Contrast(white, back) ? black : white;
}

QFont DesignFont(const QString& family, double points, bool bold, bool underline)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

QFont Verdana(double points, bool bold, bool underline)
{
    return DesignFont(QStringLiteral("Verdana"), points, bold, underline);
}

void Dress(QWidget* control, const QString& name, const TwRect& at, const Look& look)
{
    control->setObjectName(name);
    if (look.font)
        control->setFont(*look.font);
    if (look.back.isValid())
        setBackColor(control, look.back);
    if (look.fore.isValid())
        setForeColor(control, look.fore);
    setGeometryTw(control, at.left, at.top, at.width, at.height);
}

void Label::setText(const QString& text)
{
    QLabel::setText(text);
    Fit();
}

void Label::setWordWrap(bool on)
{
    QLabel::setWordWrap(on);
    Fit();
}

QString Label::fittedFor() const
{
    return text() + QLatin1Char('\n') + font().key() + (wordWrap() ? QLatin1String("\nwrap") : QLatin1String());
}

void Label::Fit()
{
    if (fitting_ || isWindow() || !parentWidget())
        return;
    const QScopedValueRollback<bool> guard(fitting_, true);
    FitToText(this, {this, text(), alignment(), wordWrap(), !pixmap().isNull()}, [this] { QLabel::setWordWrap(true); },
              design_, fitted_);
    fittedFor_ = fittedFor();
}

bool Label::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::FontChange:
    case QEvent::StyleChange:
        Fit();
        break;
    default: break;
    }
    return QLabel::event(event);
}

void Label::paintEvent(QPaintEvent* event)
{
    // Text given through the plain label's own setter is caught here, on its way to the screen.
    if (fittedFor() != fittedFor_ && !fitting_)
        QTimer::singleShot(0, this, [this] { Fit(); });
    QLabel::paintEvent(event);
}

Clickable::Clickable(QWidget* parent, Role role) : QAbstractButton(parent), role_(role)
{
    static const bool factory = [] {
        QAccessible::installFactory(clickableFactory);
        return true;
    }();
    Q_UNUSED(factory);
}

void Clickable::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void Clickable::setStretch(bool on)
{
    stretch_ = on;
    update();
}

void Clickable::setText(const QString& text)
{
    QAbstractButton::setText(text);
    // A caption of the design is shown as written: no access key of its own.
    setShortcut(QKeySequence());
    Fit();
}

void Clickable::setAlignment(Qt::Alignment align)
{
    align_ = align;
    Fit();
    update();
}

void Clickable::setWordWrap(bool on)
{
    wrap_ = on;
    Fit();
    update();
}

QString Clickable::fittedFor() const
{
    return text() + QLatin1Char('\n') + font().key() + (wrap_ ? QLatin1String("\nwrap") : QLatin1String());
}

void Clickable::Fit()
{
    if (fitting_ || isWindow() || !parentWidget())
        return;
    const QScopedValueRollback<bool> guard(fitting_, true);
    FitToText(this, {this, text(), align_, wrap_, !picture_.isNull()}, [this] { wrap_ = true; }, design_, fitted_);
    fittedFor_ = fittedFor();
}

QSize Clickable::sizeHint() const
{
    if (!picture_.isNull())
        return picture_.deviceIndependentSize().toSize();
    const int flags = int(align_) | (wrap_ ? Qt::TextWordWrap : 0);
    return fontMetrics().boundingRect(QRect(0, 0, wrap_ ? width() : 1 << 20, 1 << 20), flags, text()).size();
}

bool Clickable::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
        onView_.start();
        Fit();
        break;
    case QEvent::FontChange:
    case QEvent::StyleChange:
        Fit();
        break;
    default: break;
    }
    return QAbstractButton::event(event);
}

void Clickable::paintEvent(QPaintEvent*)
{
    // A caption given through the button's own setter is caught here, on its way to the screen.
    if (fittedFor() != fittedFor_ && !fitting_)
        QTimer::singleShot(0, this, [this] { Fit(); });
    QPainter painter(this);
    if (!picture_.isNull()) {
        if (stretch_)
            painter.drawPixmap(rect(), picture_);
        else
            painter.drawPixmap(0, 0, picture_);
    }
    if (!text().isEmpty()) {
        const int flags = int(align_) | (wrap_ ? Qt::TextWordWrap : 0);
        style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), text(), QPalette::WindowText);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

void Clickable::keyPressEvent(QKeyEvent* event)
{
    // Enter and Return press it as Space does, as they press a push button that is its window's default.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void Clickable::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        pressBefore_ = pressed_ ? lastPress_ : 0;
        lastPress_ = event->timestamp();
        pressed_ = true;
    }
    QAbstractButton::mousePressEvent(event);
}

void Clickable::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractButton::mouseDoubleClickEvent(event);
        return;
    }
    // The double-click's first press: the one before this press, when this press came to it too.
    const quint64 first = lastPress_ == event->timestamp() ? pressBefore_ : (pressed_ ? lastPress_ : 0);
    const quint64 interval = quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    const bool ownDoubleClick = first != 0 && event->timestamp() - first <= interval;
    const bool cameAfterFirstPress = onView_.isValid() && onView_.elapsed() < qint64(interval);
    if (ownDoubleClick || cameAfterFirstPress) {
        setDown(false);
        // The press took the focus to it; a screen just come on view keeps the focus on its first control.
        if (cameAfterFirstPress && hasFocus())
            if (QWidget* first = firstStopOfScreen(this); first && first != this)
                first->setFocus(Qt::OtherFocusReason);
        event->accept();
        return;
    }
    if (lastPress_ != event->timestamp())
        mousePressEvent(event);  // the press of this click came as the double-click alone
    event->accept();
}

void Frame::KeepCaptionClear()
{
    if (arranging_)
        return;
    const QScopedValueRollback<bool> guard(arranging_, true);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect caption =
        title().isEmpty() ? QRect() : style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    // The inside the style keeps clear of its caption and border lines; the border at the bottom is as
    // thick as at the side.
    const QRect contents = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, this);
    const int top = std::max(contents.top(), caption.isNull() ? 0 : caption.bottom() + 1);
    int lowest = height() - 1 - contents.left();
    const int inside = lowest;
    for (QObject* o : children()) {
        auto* child = qobject_cast<QWidget*>(o);
        if (!child || child->isWindow() || explicitlyHidden(child))
            continue;
        // An opaque control hides the lines under it; of a plain label only the text counts.
        QRect used = child->geometry();
        const auto* label = qobject_cast<const QLabel*>(child);
        if (label && !label->autoFillBackground() && !label->text().isEmpty() && label->pixmap().isNull())
            used = textIn({child, label->text(), label->alignment(), label->wordWrap(), false}, label->contentsRect())
                       .translated(child->pos());
        if (used.top() < top && used.bottom() >= caption.top()) {
            const int down = top - used.top();
            child->move(child->x(), child->y() + down);
            used.translate(0, down);
            // Only what moved down may need the frame to grow; what the design put beyond the border
            // stays there.
            lowest = std::max(lowest, used.bottom());
        }
    }
    if (lowest > inside)
        resize(width(), height() + lowest - inside);
}

bool Frame::event(QEvent* event)
{
    const bool handled = QGroupBox::event(event);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::FontChange:
    case QEvent::StyleChange:
        KeepCaptionClear();
        break;
    default: break;
    }
    return handled;
}

Label* MakeLabel(QWidget* parent, const QString& name, const QString& text, const TwRect& at, const Look& look)
{
    auto* label = new Label(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->QLabel::setWordWrap(look.wrap);
    if (look.align)
        label->setAlignment(look.align);
    return dressed(label, name, at, look);
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, const TwRect& at,
                        const Look& look)
{
    QPushButton* button = dressed(new QPushButton(caption, parent), name, at, look);
    // Enter and Return press the button that has the focus, as Space does; no button of a tool window
    // is pressed by Enter from elsewhere.
    button->setAutoDefault(true);
    keepReadable(button, look);
    return button;
}

QPushButton* MakeWrappingButton(QWidget* parent, const QString& name, const QString& caption, const TwRect& at,
                                const Look& look)
{
    QPushButton* button = dressed<QPushButton>(new WrappingButton(caption, parent), name, at, look);
    button->setAutoDefault(true);
    keepReadable(button, look);
    return button;
}

Frame* MakeFrame(QWidget* parent, const QString& name, const QString& caption, const TwRect& at, const Look& look)
{
    return dressed(new Frame(caption, parent), name, at, look);
}

QFrame* MakePanel(QWidget* parent, const QString& name, const TwRect& at, const Look& look)
{
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::NoFrame);
    return dressed(panel, name, at, look);
}

PictureBox* MakePicture(QWidget* parent, const QString& name, const TwRect& at)
{
    return dressed(new PictureBox(parent), name, at, {});
}

Clickable* MakeLink(QWidget* parent, const QString& name, const QString& text, const TwRect& at, const Look& look,
                    Clickable::Role role)
{
    auto* link = new Clickable(parent, role);
    link->setFocusPolicy(Qt::NoFocus);
    link->setCursor(Qt::PointingHandCursor);
    link->setWordWrap(look.wrap);
    link->setAlignment(look.align ? look.align : Qt::AlignLeft | Qt::AlignVCenter);
    dressed(link, name, at, look);
    link->setText(text);
    return link;
}

Clickable* MakeClickablePicture(QWidget* parent, const QString& name, const TwRect& at, const QString& shows)
{
    auto* picture = dressed(new Clickable(parent, Clickable::Role::Button), name, at, {});
    picture->setFocusPolicy(Qt::StrongFocus);
    picture->setAccessibleName(shows);
    return picture;
}

QLineEdit* MakeTextBox(QWidget* parent, const QString& name, const QString& text, const TwRect& at, const Look& look)
{
    return dressed(new QLineEdit(text, parent), name, at, look);
}

QComboBox* MakeDropDown(QWidget* parent, const QString& name, const TwRect& at, const Look& look)
{
    auto* box = new QComboBox(parent);
    box->setEditable(false);
    return dressed(box, name, at, look);
}

} // namespace platform
