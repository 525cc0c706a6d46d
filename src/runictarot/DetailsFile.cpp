#include "runictarot/DetailsFile.h"

#include "platform/RegularFile.h"
#include "platform/WholeFile.h"
#include "runictarot/SunSign.h"
#include "shell/Codec.h"

#include <array>

namespace runictarot {

namespace {
constexpr int kLineCount = 4;
constexpr int kLastDay = 31;

bool isDateInLists(int day, QStringView month, int year)
{
    return day >= 1 && day <= kLastDay && monthIndex(month) >= 0 && year >= FirstBirthYear && year <= LastBirthYear;
}

// The number a line holds when it is written exactly as the lists write it: plain decimal digits,
// no sign, blank or leading zero.
std::optional<int> listNumber(const QByteArray& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || QByteArray::number(value) != text)
        return std::nullopt;
    return value;
}

void appendLine(QByteArray& out, QByteArrayView ansi)
{
    out.append(shell::EncodeString(ansi));
    out.append("\r\n");
}
} // namespace

bool hasDetailsFileSuffix(QStringView path) { return path.endsWith(u"brn", Qt::CaseSensitive); }

bool nameFitsDetailsFile(QStringView name) { return shell::fitsStoredFormat(name); }

bool nameLengthFitsDetailsFile(QStringView name) { return name.size() <= MaxNameLength; }

std::optional<QByteArray> composeDetailsFile(const BirthDetails& details)
{
    if (!nameFitsDetailsFile(details.name) || !nameLengthFitsDetailsFile(details.name) ||
        !isDateInLists(details.day, details.month, details.year))
        return std::nullopt;
    QByteArray out;
    appendLine(out, shell::toAnsi(details.name));
    appendLine(out, QByteArray::number(details.day));
    appendLine(out, shell::toAnsi(details.month));
    appendLine(out, QByteArray::number(details.year));
    return out;
}

std::optional<BirthDetails> parseDetailsFile(QByteArrayView bytes)
{
    if (bytes.size() > MaxDetailsFileSize)
        return std::nullopt;

    std::array<QByteArray, kLineCount> lines;
    int found = 0;
    qsizetype start = 0;
    while (found < kLineCount && start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        lines[static_cast<size_t>(found++)] = shell::DecodeString(bytes.sliced(start, end - start));
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    if (found < kLineCount)
        return std::nullopt;

    const std::optional<int> day = listNumber(lines[1]);
    const QString month = shell::fromAnsi(lines[2]);
    const std::optional<int> year = listNumber(lines[3]);
    if (!day || !year || !isDateInLists(*day, month, *year))
        return std::nullopt;
    // A longer name than the name box holds would come back cut, and its file could pass the cap when
    // saved again.
    const QString name = shell::fromAnsi(lines[0]);
    if (!nameLengthFitsDetailsFile(name))
        return std::nullopt;
    return BirthDetails{name, *day, month, *year};
}

std::optional<QByteArray> composeCheckedDetailsFile(const BirthDetails& details)
{
    std::optional<QByteArray> bytes = composeDetailsFile(details);
    if (!bytes || parseDetailsFile(*bytes) != details)
        return std::nullopt;
    return bytes;
}

SaveResult saveDetailsFile(const QString& path, const BirthDetails& details, QString* whyNot)
{
    if (!nameFitsDetailsFile(details.name))
        return SaveResult::NameNotStorable;
    const std::optional<QByteArray> bytes = composeCheckedDetailsFile(details);
    if (!bytes)
        return SaveResult::InvalidDetails;
    return platform::writeWholeFile(path, *bytes, whyNot) ? SaveResult::Saved : SaveResult::WriteFailed;
}

std::optional<BirthDetails> loadDetailsFile(const QString& path)
{
    const std::optional<QByteArray> bytes = platform::readRegularFile(path, MaxDetailsFileSize);
    if (!bytes)
        return std::nullopt;
    return parseDetailsFile(*bytes);
}

} // namespace runictarot
