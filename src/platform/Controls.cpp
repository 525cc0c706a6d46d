#include "platform/Controls.h"

#include "platform/DesignLayout.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QPainter>
#include <QStyleHints>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

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

void SizeToText(QLabel* label)
{
    const QSize size = label->sizeHint();
    setSizeTw(label, tw(size.width()), tw(size.height()));
}

void Label::setText(const QString& text)
{
    QLabel::setText(text);
    DesignLayout::Settle(this);
}

void Label::setWordWrap(bool on)
{
    QLabel::setWordWrap(on);
    DesignLayout::Settle(this);
}

void Label::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        DesignLayout::Settle(this);
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
    DesignLayout::Settle(this);
}

void Clickable::setAlignment(Qt::Alignment align)
{
    align_ = align;
    updateGeometry();
    update();
    DesignLayout::Settle(this);
}

void Clickable::setWordWrap(bool on)
{
    wrap_ = on;
    updateGeometry();
    update();
    DesignLayout::Settle(this);
}

void Clickable::wrapToFit()
{
    wrap_ = true;
    update();
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
    case QEvent::Show: onView_.start(); break;
    default: break;
    }
    return QAbstractButton::event(event);
}

void Clickable::changeEvent(QEvent* event)
{
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        updateGeometry();
        DesignLayout::Settle(this);
    }
}

void Clickable::paintContent(QPainter& painter) const
{
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
}

void Clickable::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintContent(painter);
    if (hasFocus())
        paintFocusFrame(painter);
}

// The style's focus frame is a faint line on some desktops, hard to find on a picture. This one is a
// dashed frame just inside what the control shows (its picture, or its whole place), each of its pixels
// black or white, whichever stands out more from the pixel it covers.
void Clickable::paintFocusFrame(QPainter& painter) const
{
    const qreal ratio = devicePixelRatioF();
    QRect shown = rect();
    if (!picture_.isNull() && !stretch_)
        shown &= QRect(QPoint(0, 0), (QSizeF(picture_.size()) / picture_.devicePixelRatio()).toSize());
    if (shown.width() < 8 || shown.height() < 8)
        shown = rect();
    // What lies under the frame: the control's background, where it fills one, else its nearest
    // container's that does, and what the control paints over it.
    const QWidget* back = this;
    while (back->parentWidget() && !back->autoFillBackground())
        back = back->parentWidget();
    QImage under((QSizeF(size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    under.setDevicePixelRatio(ratio);
    under.fill(back->palette().color(back->backgroundRole()));
    {
        QPainter content(&under);
        paintContent(content);
    }
    QImage frame(under.size(), QImage::Format_ARGB32_Premultiplied);
    frame.setDevicePixelRatio(ratio);
    frame.fill(Qt::transparent);
    const QRect device((QPointF(shown.topLeft()) * ratio).toPoint(), (QSizeF(shown.size()) * ratio).toSize());
    const int inset = qRound(ratio); // one point in from the edge
    const int thick = std::max(2, qRound(2 * ratio)); // two points wide
    const int dash = qRound(4 * ratio), gap = qRound(2 * ratio);
    const QRect outer = device.adjusted(inset, inset, -inset, -inset);
    const QRect inner = outer.adjusted(thick, thick, -thick, -thick);
    for (int y = outer.top(); y <= outer.bottom(); ++y)
        for (int x = outer.left(); x <= outer.right(); ++x) {
            if (inner.contains(x, y))
                continue;
            // Along the edge the pixel lies on, in dashes.
            const bool acrossTop = y < inner.top() || y > inner.bottom();
            if ((acrossTop ? x - outer.left() : y - outer.top()) % (dash + gap) >= dash)
                continue;
            const QColor lies = QColor::fromRgb(under.pixel(x, y));
            frame.setPixel(
                x, y,
                (Contrast(lies, Qt::black) >= Contrast(lies, Qt::white) ? QColor(Qt::black) : QColor(Qt::white))
                    .rgba());
        }
    painter.drawImage(QPoint(0, 0), frame);
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
    Frame* frame = dressed(new Frame(caption, parent), name, at, look);
    // What it holds keeps clear of its caption, wherever it was put in.
    DesignLayout::of(frame);
    return frame;
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

namespace {

// A drop-down list takes the wheel only while it has the focus, as on the desktop the design was made for:
// a list the pointer merely passes over as the user scrolls or reads keeps its value, and the wheel goes on
// to what lies behind it. The wheel gives it no focus either (the toolkit's lists take the focus from it).
class DropDown final : public QComboBox {
public:
    explicit DropDown(QWidget* parent) : QComboBox(parent) { setFocusPolicy(Qt::StrongFocus); }

protected:
    void wheelEvent(QWheelEvent* event) override
    {
        if (!hasFocus()) {
            event->ignore();
            return;
        }
        QComboBox::wheelEvent(event);
    }
};

} // namespace

QComboBox* MakeDropDown(QWidget* parent, const QString& name, const TwRect& at, const Look& look)
{
    auto* box = new DropDown(parent);
    box->setEditable(false);
    return dressed(box, name, at, look);
}

} // namespace platform
