#include "tarot/TarotScreens.h"

#include "platform/Controls.h"
#include "platform/Twips.h"
#include "tarot/ReadingTexts.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace tarot {

namespace {
class ClickFilter : public QObject {
public:
    ClickFilter(QObject* parent, std::function<void()> onClick) : QObject(parent), onClick_(std::move(onClick)) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            if (onClick_)
                onClick_();
            return true;
        }
        return false;
    }

private:
    std::function<void()> onClick_;
};
} // namespace

QString ForumBannerText()
{
    return QStringLiteral("Talk tarot and runes at ") + reading::ForumDomain() + QStringLiteral(" - ") +
           reading::SiteAddress();
}

QLabel* MakeForumBanner(QWidget* parent, double left, double top, double width, double height,
                        std::function<void()> onClick)
{
    QFont font = parent->font();
    font.setBold(true);
    font.setPointSizeF(8);
    QLabel* label = platform::MakeLabel(parent, QStringLiteral("Label6"), ForumBannerText(), {left, top, width, height},
                                        platform::Look(font).Fore(platform::bgr(0x800000)).Align(Qt::AlignCenter));
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(new ClickFilter(label, std::move(onClick)));
    return label;
}

} // namespace tarot
