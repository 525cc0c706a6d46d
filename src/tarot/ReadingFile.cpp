#include "tarot/ReadingFile.h"

#include "shell/Codec.h"
#include "tarot/CardTable.h"
#include "tarot/SpreadLayouts.h"

#include "platform/RegularFile.h"
#include "platform/WholeFile.h"

#include <QRegularExpression>

namespace tarot {

namespace {

void appendLine(QByteArray& out, char tag, const QByteArray& value)
{
    out += shell::EncodeString(QByteArray(1, tag) + value);
    out += "\r\n";
}

// A card value as the reader takes it: a whole number after trimming must name a card; anything that is
// not a number reads as card 0, as it always has.
std::optional<std::int32_t> cardValue(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+$"));
    const QString t = text.trimmed();
    if (!number.match(t).hasMatch())
        return 0;
    bool ok = false;
    const qlonglong n = t.toLongLong(&ok);
    if (!ok || n < 0 || n >= CardCount)
        return std::nullopt;
    return static_cast<std::int32_t>(n);
}

} // namespace

QByteArray ComposeReadingFile(const ShownReading& reading)
{
    QByteArray out;
    appendLine(out, 's', shell::toAnsi(reading.spreadName));
    appendLine(out, 'd', shell::toAnsi(reading.deckLetter));
    for (std::int32_t card : reading.cards)
        appendLine(out, 'c', QByteArray::number(card));
    for (std::int32_t card : reading.reversed)
        appendLine(out, 'r', QByteArray::number(card));
    return out;
}

std::optional<OpenedReading> ParseReadingFile(QByteArrayView bytes, const QString& keptSpreadName,
                                              const QString& keptDeckLetter)
{
    if (bytes.size() > kMaxReadingFileSize)
        return std::nullopt;
    OpenedReading r;
    r.spreadName = keptSpreadName;
    r.deckLetter = keptDeckLetter;
    for (QByteArrayView line : QByteArray(bytes.data(), bytes.size()).split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QString text = shell::fromAnsi(shell::DecodeString(line));
        if (text.isEmpty())
            continue;
        const QChar tag = text.front();
        const QString value = text.mid(1);
        if (tag == QLatin1Char('s')) {
            r.spreadName = value;
        } else if (tag == QLatin1Char('d')) {
            r.deckLetter = value;
        } else if (tag == QLatin1Char('c') || tag == QLatin1Char('r')) {
            const std::optional<std::int32_t> card = cardValue(value);
            if (!card)
                return std::nullopt;
            (tag == QLatin1Char('c') ? r.cards : r.reversed).append(*card);
            if (r.cards.size() > kMaxReadingCards)
                return std::nullopt;
        }
    }
    // The letter becomes part of a picture's path.
    if (r.deckLetter != QLatin1String("o") && r.deckLetter != QLatin1String("m"))
        return std::nullopt;
    r.layout = SelectSpreadLayout(static_cast<int>(r.cards.size()), r.spreadName);
    if (r.layout < 0)
        return std::nullopt;
    // Save writes lines with CR LF and numbers without padding, so a file read here may come out longer
    // when it is saved back: a reading whose own file would pass the cap is no reading that opens again.
    if (ComposeReadingFile(ShownReading{true, r.spreadName, r.deckLetter, r.cards, r.reversed}).size() >
        kMaxReadingFileSize)
        return std::nullopt;
    return r;
}

std::optional<QByteArray> ComposeCheckedReadingFile(const ShownReading& reading)
{
    QByteArray bytes = ComposeReadingFile(reading);
    const std::optional<OpenedReading> back = ParseReadingFile(bytes, QString(), QString());
    if (!back || back->spreadName != reading.spreadName || back->deckLetter != reading.deckLetter ||
        back->cards != reading.cards || back->reversed != reading.reversed)
        return std::nullopt;
    return bytes;
}

bool HasReadingFileSuffix(const QString& path) { return path.endsWith(QLatin1String("slv"), Qt::CaseSensitive); }

std::optional<QByteArray> ReadReadingFileBytes(const QString& path)
{
    return platform::readRegularFile(path, kMaxReadingFileSize);
}

bool WriteReadingFile(const QString& path, const QByteArray& bytes, QString* whyNot)
{
    return platform::writeWholeFile(path, bytes, whyNot);
}

} // namespace tarot
