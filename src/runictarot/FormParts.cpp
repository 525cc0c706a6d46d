#include "runictarot/FormParts.h"

#include "platform/ImageList.h"
#include "platform/Twips.h"

#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace runictarot::parts {

namespace {

const QCursor& handCursor()
{
    static const QCursor cursor(platform::BuiltInPicture(QStringLiteral(":/pictures/cursor/hand.png"), QSize(32, 32)),
                                13, 1);
    return cursor;
}

class LinkClick final : public QObject {
public:
    LinkClick(QLabel* label, std::function<void()> onClick) : QObject(label), onClick_(std::move(onClick)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonRelease)
            return false;
        const auto* e = static_cast<QMouseEvent*>(event);
        auto* w = qobject_cast<QWidget*>(watched);
        if (e->button() == Qt::LeftButton && w && w->rect().contains(e->position().toPoint()) && onClick_) {
            onClick_();
            return true;
        }
        return false;
    }

private:
    std::function<void()> onClick_;
};

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

} // namespace

QFont verdana(double points, bool bold, bool underline)
{
    QFont f(QStringLiteral("Verdana"));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, double l, double t, double w, double h,
              const QFont& font, const QColor& colour, bool wrap)
{
    auto* lbl = new QLabel(text, parent);
    lbl->setObjectName(name);
    lbl->setTextFormat(Qt::PlainText);
    lbl->setFont(font);
    lbl->setWordWrap(wrap);
    lbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::setForeColor(lbl, colour);
    platform::setGeometryTw(lbl, l, t, w, h);
    return lbl;
}

QFrame* frame(QWidget* parent, const QString& name, double l, double t, double w, double h, const QColor& back)
{
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::NoFrame);
    platform::setBackColor(f, back);
    platform::setGeometryTw(f, l, t, w, h);
    return f;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, double l, double t, double w,
                    double h, const QFont& font)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setFont(font);
    platform::setGeometryTw(b, l, t, w, h);
    return b;
}

QPushButton* wrappingButton(QWidget* parent, const QString& name, const QString& caption, double l, double t,
                            double w, double h, const QFont& font)
{
    auto* b = new WrappingButton(caption, parent);
    b->setObjectName(name);
    b->setFont(font);
    platform::setGeometryTw(b, l, t, w, h);
    return b;
}

void makeLink(QLabel* label, std::function<void()> onClick)
{
    label->setCursor(handCursor());
    label->installEventFilter(new LinkClick(label, std::move(onClick)));
}

} // namespace runictarot::parts
