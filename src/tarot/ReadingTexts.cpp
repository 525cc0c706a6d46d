#include "tarot/ReadingTexts.h"

#include "shell/MakerSite.h"
#include "tarot/SpreadCatalogue.h"

namespace tarot::reading {

QString LineBreak() { return QStringLiteral("\r\n"); }

QString ForumDomain() { return QString::fromLatin1(shell::kForumHost); }

QString SiteAddress() { return QString::fromLatin1(shell::kSiteAddress); }

QString BannerLine()
{
    return ForumDomain() +
           QStringLiteral(" the most popular online discussion forum. A place to learn, to share and to make new "
                          "friends.");
}

QString VisitLine() { return QStringLiteral("Visit "); }

QString SiteLine() { return SiteAddress() + QLatin1Char(' '); }

QString NowLine() { return QStringLiteral("Now "); }

QString SpreadHeading(int spreadIndex)
{
    const QString listText = catalogue::SpreadText(spreadIndex);
    if (listText.isEmpty())
        return {};
    // Three spreads are headed by a shorter or fuller name than their list text.
    switch (spreadIndex) {
    case 0: return QStringLiteral("Spread Type - Celtic Cross Spread");
    case 6: return QStringLiteral("Spread Type - Seven Card Chakra Spread");
    case 7: return QStringLiteral("Spread Type - Four Seasons Spread");
    default: return QStringLiteral("Spread Type - ") + listText;
    }
}

QString DescriptionRun(int spreadIndex)
{
    const QString description = catalogue::SpreadDescription(spreadIndex);
    if (description.isEmpty())
        return {};
    const QString crlf = LineBreak();
    switch (spreadIndex) {
    case 1: // One Card, Two Cards and Three Cards leave a blank line before the rule.
    case 2:
    case 3: return crlf + description + crlf + crlf;
    case 4: return crlf + crlf + description + crlf; // the wheel leaves one after its heading
    default: return crlf + description + crlf;
    }
}

QString Rule() { return QString(RuleLength, QLatin1Char(' ')); }

QString ClosingLine()
{
    return QStringLiteral("Thank You for using Selvanthe. Come spend some time with us online at ") + SiteAddress() +
           QStringLiteral(". The best online discussion forum for every esoteric.");
}

} // namespace tarot::reading
