#pragma once
// What the tarot tool's screens have in common: their caption, their names and the forum banner.
#include <QString>

#include <functional>

class QWidget;

namespace platform {
class Clickable;
}

namespace tarot {

inline constexpr const char* kToolCaption = "Ostrevan";
inline constexpr const char* kEntryForm = "frmTarotOpen";
inline constexpr const char* kQuerentForm = "frmTarotFront";
inline constexpr const char* kSetUpForm = "frmTarot";

// The one-line banner of the querent and set-up screens: the maker's forum, ending with the site address.
QString ForumBannerText();
// Builds the banner, a link, on parent; a click on it runs onClick.
platform::Clickable* MakeForumBanner(QWidget* parent, double left, double top, double width, double height,
                                     std::function<void()> onClick);

} // namespace tarot
