#pragma once
// Reading a file that the user picked. Only a regular file is read: a named pipe, a socket, a device or
// a folder is refused at once, before anything could wait on it, and never more than a cap is read.
#include <QByteArray>
#include <QString>

#include <optional>

namespace platform {

// The whole file, or nothing when the path is no regular file, cannot be read, or holds more than
// maxBytes bytes.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes);

} // namespace platform
