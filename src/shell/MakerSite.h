#pragma once
// The maker's site. Every page address is the site, the page script and a page key.
#include <QString>

namespace shell {

inline constexpr const char* kSiteAddress = "https://www.selvanthe.example";
inline constexpr const char* kSiteDisplayAddress = "www.selvanthe.example";
inline constexpr const char* kForumHost = "forum.selvanthe.example";

QString PageAddress(const char* pageKey);

} // namespace shell
