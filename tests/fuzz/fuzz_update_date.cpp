// The stored date of the last update question: whatever the settings store holds reads as a date or as
// none, and a date read is written back as a value that reads as the same date.
#include "FuzzCheck.h"

#include "shell/modHelp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray stored = fuzzBytes(data, size);
    const std::optional<QDateTime> when = shell::ReadStoredUpdateDate(stored);
    if (!when)
        return 0;
    FUZZ_CHECK(when->isValid());
    const QByteArray again = shell::StoredUpdateDateValue(*when);
    const std::optional<QDateTime> back = shell::ReadStoredUpdateDate(again);
    FUZZ_CHECK(back && *back == *when);
    FUZZ_CHECK(shell::StoredUpdateDateValue(*back) == again);
    // The reminder's test of the days between never fails on a date read.
    (void)shell::UpdateQuestionIsDue(*when, QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
    return 0;
}
