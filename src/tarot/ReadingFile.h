#pragma once
// The saved tarot reading: one encoded line per item ("s" spread, "d" deck letter, "c" each position's
// card, "r" each reversed card), each ended by CR LF. The file holds only what lays the same reading out
// again; the querent and the text are not kept.
#include "tarot/TarotState.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

namespace tarot {

// A file larger than this is no saved reading.
constexpr qint64 kMaxReadingFileSize = 8 * 1024;
// More positions than the largest spread has.
constexpr int kMaxReadingCards = 21;

// The bytes of a file for the reading on show.
QByteArray ComposeReadingFile(const ShownReading& reading);

struct OpenedReading {
    QString spreadName;
    QString deckLetter;
    QList<std::int32_t> cards;
    QList<std::int32_t> reversed;
    int layout = -1;  // the spread whose places the cards take
};

// Reads the bytes of a saved reading. An item missing from the file keeps the value given. Empty when the
// bytes are no reading that can be laid out: more bytes than the cap, a deck other than "o" or "m", a card
// number outside 0..77, more cards than any spread, a count that fits no layout of the named spread, or a
// reading whose file, as Save writes it, would pass the cap.
std::optional<OpenedReading> ParseReadingFile(QByteArrayView bytes, const QString& keptSpreadName,
                                              const QString& keptDeckLetter);

// The bytes Save writes for the reading, or nothing when Open would refuse them or read back another
// reading.
std::optional<QByteArray> ComposeCheckedReadingFile(const ShownReading& reading);

// Whether the file's name ends in "slv", exactly.
bool HasReadingFileSuffix(const QString& path);

// The file's bytes, or nothing when it is no regular file (a pipe or a device is never waited on), cannot
// be read, or is larger than a saved reading can be.
std::optional<QByteArray> ReadReadingFileBytes(const QString& path);

// Writes the file whole or not at all. False, with the reason, when it could not be written.
bool WriteReadingFile(const QString& path, const QByteArray& bytes, QString* whyNot);

} // namespace tarot
