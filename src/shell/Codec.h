#pragma once
// The program's text codec for saved files and the stored setting: each byte shifted by 85.
// It works on bytes in the single-byte code page (Windows-1252); user text meets bytes only through
// toAnsi/fromAnsi, so encoded data never passes through a text decoder.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace shell {

// Every byte plus 85; a byte whose sum would pass 255 (171..255) is dropped.
QByteArray EncodeString(QByteArrayView ansiBytes);
// Every byte minus 85; a byte below 85 is dropped.
QByteArray DecodeString(QByteArrayView bytes);

// Windows-1252 conversions. A character with no code in the page sets *ok to false and is left out
// (never replaced by a stand-in), so the caller can refuse or report it.
QByteArray toAnsi(QStringView text, bool* ok = nullptr);
QString fromAnsi(QByteArrayView bytes);

// Whether every character of the text survives EncodeString then DecodeString unchanged.
bool fitsStoredFormat(QStringView text);

} // namespace shell
