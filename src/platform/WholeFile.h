#pragma once
// Writing a file the user saves: whole or not at all. The new bytes go to a file of their own beside the
// old one and take its place only once every byte has reached the disk, so a full disk, a lost quota or a
// failing device leaves what stood there untouched and is told with the system's reason.
#include <QByteArray>
#include <QString>

namespace platform {

// True when every byte is in the file. Otherwise false, the reason in the system's words in whyNot, and
// whatever stood at the path as it was.
bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* whyNot);

} // namespace platform
