#pragma once
// The key rule of the querent's name and country: letters A to Z and a to z, the space, and the two
// editing codes (backspace, and the code Ctrl+Backspace gives) are taken; every other character is refused.
#include <QList>
#include <QString>

namespace tarot {

bool IsNameKey(int code);

// The character codes a key press hands to a text box, one per character it would type. Empty when the
// key types nothing (arrows, Delete, Home, function keys) or moves the focus (Tab, Backtab): those keys
// are not the rule's business. A key held with Ctrl or Meta gives a control code, so that shortcuts such
// as Ctrl+V (paste) fall under the rule like any other character.
QList<int> KeyPressCodes(int key, Qt::KeyboardModifiers modifiers, const QString& text);

// The codes of text that arrives already composed (dead keys, input methods).
QList<int> CommittedCodes(const QString& text);

// The date of birth as the set-up screen shows it: day, month name and year with single spaces.
QString DateOfBirthText(const QString& day, const QString& month, const QString& year);

// The entries of the three date lists.
QStringList DayEntries();    // "1" .. "31"
QStringList MonthEntries();  // "January" .. "December"
QStringList YearEntries();   // "1900" .. "2050"
inline constexpr int kDefaultYearIndex = 80;  // 1980

} // namespace tarot
