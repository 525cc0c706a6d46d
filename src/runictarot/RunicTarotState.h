#pragma once
// What the runic tarot remembers between its windows: the date of birth of the last reading that was
// generated and the sun sign found for it. The querent's name is shared with the runes tool and lives
// there (runes::QuerentName).
#include <QString>
#include <QtGlobal>

namespace runictarot {

struct RunicTarotState {
    qint16 RunicBirthDay = 0;
    QString RunicBirthMonth;
    qint16 RunicBirthYear = 0;
    QString SunSign;  // empty until the first sign is found
};

RunicTarotState& State();
// Back to the program's start values (tests).
void ResetRunicTarotState();

} // namespace runictarot
