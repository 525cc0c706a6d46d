// The runic tarot details file's reader: whatever it takes is a date the details window can show with a
// name its box holds, whose sun sign has a reading, and Save writes it back as a file of at most the cap
// that reads back as the same details, the same bytes every time.
#include "FuzzCheck.h"

#include "runictarot/DetailsFile.h"
#include "runictarot/SignTable.h"
#include "runictarot/SunSign.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const std::optional<runictarot::BirthDetails> d = runictarot::parseDetailsFile(bytes);
    if (!d)
        return 0;
    FUZZ_CHECK(bytes.size() <= runictarot::MaxDetailsFileSize);
    FUZZ_CHECK(d->name.size() <= runictarot::MaxNameLength);
    FUZZ_CHECK(d->day >= 1 && d->day <= 31);
    FUZZ_CHECK(d->year >= runictarot::FirstBirthYear && d->year <= runictarot::LastBirthYear);
    const int month = runictarot::monthIndex(d->month);
    FUZZ_CHECK(month >= 0 && month < 12);

    // The sign of what was read, as the details window finds it from its lists.
    const QString sign = runictarot::sunSignAt(month, d->day - 1);
    FUZZ_CHECK(!sign.isEmpty());
    FUZZ_CHECK(runictarot::readingFor(sign).has_value());
    const QString checked = runictarot::sunSign(d->day, d->month, d->year);
    FUZZ_CHECK(checked.isEmpty() == !runictarot::isAcceptedBirthDate(d->day, d->month, d->year));
    FUZZ_CHECK(checked.isEmpty() || checked == sign);

    const std::optional<QByteArray> saved = runictarot::composeCheckedDetailsFile(*d);
    FUZZ_CHECK(saved);
    FUZZ_CHECK(saved->size() <= runictarot::MaxDetailsFileSize);
    const std::optional<runictarot::BirthDetails> again = runictarot::parseDetailsFile(*saved);
    FUZZ_CHECK(again && *again == *d);
    FUZZ_CHECK(runictarot::composeDetailsFile(*again) == saved);
    return 0;
}
