#include "platform/Controls.h"

#include "platform/PictureBox.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QComboBox>
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

// Where a label's text lies in the label, laid out in the given width.
QRect textIn(const QLabel* label, const QRect& inside)
{
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return label->fontMetrics().boundingRect(inside, flags, label->text());
}

// The label's size that shows its text laid out in the given outer width.
QSize needed(const QLabel* label, int width)
{
    const QSize extra = label->size() - label->contentsRect().size();
    const QRect inside(0, 0, std::max(1, width - extra.width()), 1 << 20);
    const QRect text = textIn(label, inside);
    return text.size() + extra;
}

bool holds(const QLabel* label, QSize size)
{
    const QSize need = needed(label, size.width());
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

template <class T> T* dressed(T* control, const QString& name, const TwRect& at, const Look& look)
{
    Dress(control, name, at, look);
    return control;
}

} // namespace

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
    // A place given by the window since the last fit is the new place to start from.
    if (design_.isNull() || geometry() != fitted_)
        design_ = geometry();
    QRect to = design_;
    if (!text().isEmpty() && pixmap().isNull() && !holds(this, design_.size())) {
        const Room room = roomBeside(this, design_);
        const int most = widest(design_, room, alignment());
        std::optional<int> width;
        if (!wordWrap()) {
            // As wide as its one line, where the room beside it allows.
            if (const int line = needed(this, 1 << 20).width(); line <= most)
                width = std::max(line, design_.width());
            else
                QLabel::setWordWrap(true);  // one line cannot hold it: it wraps
        }
        // The narrowest width beside it that holds the text in the design height.
        if (!width && wordWrap())
            for (int w = design_.width(); w <= most; ++w)
                if (holds(this, QSize(w, design_.height()))) {
                    width = w;
                    break;
                }
        if (width) {
            to = widened(design_, *width, alignment());
            to.setHeight(std::max(design_.height(), needed(this, *width).height()));
        }
        else {
            // Downward, in the design width, or as wide as its longest word needs.
            int w = design_.width();
            while (w < most && needed(this, w).width() > w)
                ++w;
            to = widened(design_, w, alignment());
            to.setHeight(std::max(design_.height(), needed(this, w).height()));
        }
    }
    // Grown past the bottom of what holds it, it rises as far as it can instead.
    if (const int over = to.bottom() - (parentWidget()->height() - 1); over > 0 && to.height() > design_.height())
        to.translate(0, -std::min(over, std::max(0, to.top())));
    fitted_ = to;
    fittedFor_ = fittedFor();
    if (to != geometry())
        setGeometry(to);
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
            used = textIn(label, label->contentsRect()).translated(child->pos());
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
    keepReadable(button, look);
    return button;
}

QPushButton* MakeWrappingButton(QWidget* parent, const QString& name, const QString& caption, const TwRect& at,
                                const Look& look)
{
    QPushButton* button = dressed<QPushButton>(new WrappingButton(caption, parent), name, at, look);
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
