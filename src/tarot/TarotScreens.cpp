#include "tarot/TarotScreens.h"

#include "platform/Controls.h"
#include "platform/Twips.h"
#include "tarot/ReadingTexts.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace tarot {

QString ForumBannerText()
{
    return QStringLiteral("Talk tarot and runes at ") + reading::ForumDomain() + QStringLiteral(" - ") +
           reading::SiteAddress();
}

platform::Clickable* MakeForumBanner(QWidget* parent, double left, double top, double width, double height,
                                     std::function<void()> onClick)
{
    QFont font = parent->font();
    font.setBold(true);
    font.setPointSizeF(8);
    platform::Clickable* banner =
        platform::MakeLink(parent, QStringLiteral("Label6"), ForumBannerText(), {left, top, width, height},
                           platform::Look(font).Fore(platform::bgr(0x800000)).Align(Qt::AlignCenter));
    QObject::connect(banner, &QAbstractButton::clicked, banner, std::move(onClick));
    return banner;
}

} // namespace tarot
