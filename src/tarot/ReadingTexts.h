#pragma once
// The fixed texts of a written reading around the position and card texts: the forum banner, the three
// centred lines, the spread headings, the description run under each heading, the rule and the closing
// line. Line breaks are CR LF, as the reading pane receives them.
#include <QString>

namespace tarot::reading {

constexpr int RuleLength = 512;

QString LineBreak();  // CR LF

// The maker's forum (a host name) and web site (scheme and host). One site address serves the third
// header line and the closing line.
QString ForumDomain();
QString SiteAddress();

// The bold banner line, without its two trailing line breaks: the forum's domain followed by
// " the most popular online discussion forum. A place to learn, to share and to make new friends."
QString BannerLine();
// The three centred lines, each without its line break; the blanks at their ends belong to them.
QString VisitLine();  // "Visit "
QString SiteLine();   // the site address and one blank
QString NowLine();    // "Now "

// "Spread Type - " and the list text, but "Celtic Cross Spread", "Seven Card Chakra Spread" and
// "Four Seasons Spread" for spreads 0, 6 and 7; empty for an index outside 0..12.
QString SpreadHeading(int spreadIndex);
// The plain run written directly after the heading: the description framed by the spread's line
// breaks (One, Two and Three Cards: CR LF, description, CR LF, CR LF; the wheel spread: CR LF, CR LF,
// description, CR LF; every other spread: CR LF, description, CR LF). Empty outside 0..12.
QString DescriptionRun(int spreadIndex);

// The rule's text: 512 blanks, written underlined.
QString Rule();

// The bold closing line without its line breaks: "Thank You for using Selvanthe. Come spend some time
// with us online at ", the site address, ". The best online discussion forum for every esoteric."
QString ClosingLine();

} // namespace tarot::reading
