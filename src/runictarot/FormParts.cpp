#include "runictarot/FormParts.h"

#include "platform/ImageList.h"

#include <QCursor>
#include <QLabel>
#include <QMouseEvent>

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

} // namespace

void makeLink(QLabel* label, std::function<void()> onClick)
{
    label->setCursor(handCursor());
    label->installEventFilter(new LinkClick(label, std::move(onClick)));
}

} // namespace runictarot::parts
