#include "shell/MakerSite.h"

namespace shell {

QString PageAddress(const char* pageKey)
{
    return QString::fromLatin1(kSiteAddress) + QStringLiteral("/selvanthe/ssd.php?page=") +
           QString::fromLatin1(pageKey);
}

} // namespace shell
