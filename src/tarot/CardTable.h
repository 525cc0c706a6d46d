#pragma once
// The 78 cards in the program's own fixed order. The order is part of every saved reading and every
// picture file name, so it never changes.
#include <QString>

namespace tarot {

constexpr int CardCount = 78;
constexpr int MajorArcanaFirst = 0, MajorArcanaLast = 21;
constexpr int MinorArcanaFirst = 22, MinorArcanaLast = 77;

bool IsCardNumber(int n);

// Empty for a number that names no card.
QString CardTitle(int n);
QString CardReversedTitle(int n);
QString CardUprightText(int n);   // defined with the interpretations in CardTexts.cpp
QString CardReversedText(int n);  // defined with the interpretations in CardTexts.cpp

} // namespace tarot
