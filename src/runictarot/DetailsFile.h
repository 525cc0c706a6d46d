#pragma once
// The runic tarot details file: the four inputs of a reading (name, day, month, year), one encoded
// line each, every line ended by CR LF. The reading itself is not stored; it follows from the date.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace runictarot {

struct BirthDetails {
    QString name;
    int day = 1;
    QString month;  // as listed, "January" .. "December"
    int year = 1900;

    friend bool operator==(const BirthDetails&, const BirthDetails&) = default;
};

// Larger files are not details files; nothing beyond this is read.
constexpr qint64 MaxDetailsFileSize = 4096;
// The longest name the details window's name box takes and a details file holds. With the longest day,
// month and year and their line ends a file stays far below the cap above.
constexpr int MaxNameLength = 255;

// Whether a path may be opened as a details file: its last three characters are "brn", capitals
// counting, so "a.BRN" is refused and "mybrn" is not.
bool hasDetailsFileSuffix(QStringView path);

// Whether every character of the name survives the file's codec.
bool nameFitsDetailsFile(QStringView name);
// Whether the name is no longer than a details file holds.
bool nameLengthFitsDetailsFile(QStringView name);

// The file's bytes; nothing when the name cannot be stored whole or is too long, or the date is not one
// the details window can show (day 1..31, a listed month, a year in range).
std::optional<QByteArray> composeDetailsFile(const BirthDetails& details);

// The details in a file's bytes; nothing when the bytes are too many, hold fewer than four lines, the
// name is longer than the name box takes, or the day, month or year is not exactly one of the details
// window's list items. Lines end in CR LF,
// a lone CR or a lone LF; a last line without an end counts; lines after the fourth are ignored.
std::optional<BirthDetails> parseDetailsFile(QByteArrayView bytes);

// The bytes Save writes, or nothing when Open would refuse them or read back other details.
std::optional<QByteArray> composeCheckedDetailsFile(const BirthDetails& details);

enum class SaveResult { Saved, NameNotStorable, InvalidDetails, WriteFailed };

// Writes the file whole or not at all: on any failure an existing file keeps its old contents, and a failed
// write leaves the system's reason in whyNot. Bytes that Open would refuse or read back otherwise are
// never written.
SaveResult saveDetailsFile(const QString& path, const BirthDetails& details, QString* whyNot = nullptr);

// Reads and checks a file; nothing when it is no regular file (a pipe or a device is never waited on),
// cannot be read, or is not a details file.
std::optional<BirthDetails> loadDetailsFile(const QString& path);

} // namespace runictarot
