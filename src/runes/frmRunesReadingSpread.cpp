#include "runes/frmRunesReadingSpread.h"

#include "platform/Controls.h"
#include "platform/Twips.h"
#include "runes/RuneTables.h"
#include "runes/RunesWizard.h"

#include <QLabel>

namespace runes {

namespace {

// The run of blanks puts the second sentence on a line of its own once the label wraps.
const QByteArray kInstruction =
    QByteArray("It is always best to select a spread that best represents your question type.") + QByteArray(67, ' ') +
    QByteArray("Click on the right type of spread to genrate reading using it.");

const ChoiceScreenDesign kSpreadScreen = {
    "Select A Spread",
    kInstruction.constData(),
    210,
    1395,
    9,
    "runes/spread-%1.jpg",
    {{
        {SingleSpread, "Single",
         "It provides a precise answer to a conflict or problem. It can give you the general overview for the day or "
         "an answer to a specific question.",
         120, 270, 1200, 240, 2385, 1500},
        {NornSpread, "Norn",
         "The Norn Spread represents the past (first Norn), the present (second Norn) and future(third Norn).", 90, 240,
         1200, 360, 2325, 1140},
        {ForkSpread, "Fork", "This spread is used at a critical decision making point in life.", 60, 270, 1080, 630,
         2445, 660},
        {DiamondSpread, "Diamond", "This spread is used to understand hidden conflict.", 120, 270, 1170, 600, 2145,
         660},
        {CrossSpread, "Cross",
         "This spread is used to find the forces acting on your life. It is a very popular and common spread as it "
         "gives a deep insight to your life.",
         150, 240, 1170, 240, 2355, 1395},
    }},
    6,
};

} // namespace

frmRunesReadingSpread::frmRunesReadingSpread() : RunesChoiceForm(QString::fromLatin1(kFormName), kSpreadScreen) {}

void frmRunesReadingSpread::HighlightSpread(int index)
{
    for (int i = 0; i < SpreadCount; ++i) {
        QWidget* info = description(i);
        platform::setForeColor(info, i == index ? Qt::blue : Qt::black);
        platform::setBackColor(info, Qt::white);
    }
}

void frmRunesReadingSpread::Choose(int index)
{
    if (!IsChosenSpread(index))
        return;
    SetRuneSpread(index);
    ShowResultAfterSpread(this);
}

} // namespace runes
