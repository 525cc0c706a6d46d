// The saved tarot reading's reader: whatever it takes is a reading that can be laid out, and Save writes
// it back as a file of at most the cap that reads back as the same reading, the same bytes every time.
#include "FuzzCheck.h"

#include "tarot/CardTable.h"
#include "tarot/ReadingFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const std::optional<tarot::OpenedReading> r =
        tarot::ParseReadingFile(bytes, QStringLiteral("kept spread"), QStringLiteral("o"));
    if (!r)
        return 0;
    FUZZ_CHECK(bytes.size() <= tarot::kMaxReadingFileSize);
    FUZZ_CHECK(r->deckLetter == QLatin1String("o") || r->deckLetter == QLatin1String("m"));
    FUZZ_CHECK(r->layout >= 0);
    FUZZ_CHECK(!r->cards.isEmpty() && r->cards.size() <= tarot::kMaxReadingCards);
    for (const QList<std::int32_t>* list : {&r->cards, &r->reversed})
        for (std::int32_t card : *list)
            FUZZ_CHECK(card >= 0 && card < tarot::CardCount);

    const tarot::ShownReading shown{true, r->spreadName, r->deckLetter, r->cards, r->reversed};
    const std::optional<QByteArray> saved = tarot::ComposeCheckedReadingFile(shown);
    FUZZ_CHECK(saved);
    FUZZ_CHECK(saved->size() <= tarot::kMaxReadingFileSize);
    const std::optional<tarot::OpenedReading> again = tarot::ParseReadingFile(*saved, QString(), QString());
    FUZZ_CHECK(again);
    FUZZ_CHECK(again->spreadName == r->spreadName && again->deckLetter == r->deckLetter);
    FUZZ_CHECK(again->cards == r->cards && again->reversed == r->reversed && again->layout == r->layout);
    FUZZ_CHECK(tarot::ComposeReadingFile({true, again->spreadName, again->deckLetter, again->cards, again->reversed}) ==
               *saved);
    return 0;
}
