#pragma once
// The runic tarot's date of birth and the sun sign it gives. The year never enters the sign.
#include <QString>
#include <QStringView>

#include <array>

namespace runictarot {

constexpr int FirstBirthYear = 1900;
constexpr int LastBirthYear = 2050;

// The month names as the details window lists them, in calendar order.
const std::array<QStringView, 12>& monthNames();
// The sign names in table order, Aries first.
const std::array<QStringView, 12>& signNames();

// 0..11 for a month name that equals a listed one exactly; -1 otherwise.
int monthIndex(QStringView monthName);

// The date checks of the details window: day 1..31, a listed month, a year in range, no 31st in
// April, June, September or November and no 30th or 31st of February. There is deliberately no
// leap-year test: 29 February passes in every year.
bool isAcceptedBirthDate(int day, QStringView monthName, int year);

// The sign for list positions (month 0..11, day 0..30), as the details window reads them; empty for a
// position outside the lists (an unselected list), in which case the previous sign stands.
QString sunSignAt(int monthPosition, int dayPosition);

// The sign for a date of birth; empty for a date that isAcceptedBirthDate refuses.
QString sunSign(int day, QStringView monthName, int year);

} // namespace runictarot
