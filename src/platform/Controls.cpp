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
#include <QStyleOptionButton>
#include <QStylePainter>

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

} // namespace

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

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const TwRect& at, const Look& look)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(look.wrap);
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

QGroupBox* MakeFrame(QWidget* parent, const QString& name, const QString& caption, const TwRect& at, const Look& look)
{
    return dressed(new QGroupBox(caption, parent), name, at, look);
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
