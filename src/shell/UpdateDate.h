#pragma once
// The rule of the update reminder: when it asks again, and how it keeps the date of its last question.
#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>

#include <optional>

namespace shell {

// The stored value of the last update question: the date, in a fixed form that does not depend on
// regional settings, encoded. Nothing when the value reads as no date.
std::optional<QDateTime> ReadStoredUpdateDate(QByteArrayView stored);
QByteArray StoredUpdateDateValue(const QDateTime& when);
// Whether the reminder asks again: the date lies more than fourteen days before or after today.
bool UpdateQuestionIsDue(const QDateTime& lastAsked, const QDateTime& now);

// Where the reminder keeps its date, as the store sees it.
inline constexpr const char* kSettingsProgram = "Selvanthe";
inline constexpr const char* kSettingsSection = "Settings";

} // namespace shell
