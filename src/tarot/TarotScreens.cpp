#include "tarot/TarotScreens.h"

#include "platform/Input.h"
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

QLabel* MakeForumBanner(QWidget* parent, double left, double top, double width, double height,
                        std::function<void()> onClick)
{
    QFont font = parent->font();
    font.setBold(true);
    font.setPointSizeF(8);
    QLabel* label = platform::MakeLabel(parent, QStringLiteral("Label6"), ForumBannerText(), {left, top, width, height},
                                        platform::Look(font).Fore(platform::bgr(0x800000)).Align(Qt::AlignCenter));
    label->setCursor(Qt::PointingHandCursor);
    platform::OnClick(label, std::move(onClick));
    return label;
}

} // namespace tarot
