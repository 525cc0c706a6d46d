#include "runes/frmRunesReadingSelect.h"

#include "platform/Controls.h"
#include "platform/Twips.h"
#include "runes/RuneTables.h"
#include "runes/RunesWidgets.h"
#include "runes/RunesWizard.h"

#include <QLabel>

namespace runes {

namespace {

// The run of blanks puts the second sentence on a line of its own once the label wraps.
const QByteArray kInstruction = QByteArray("It is always best to select a stone that best represents your question type.") +
                                QByteArray(67, ' ') +
                                QByteArray("Click on the right type of stone to genrate reading using it.");

const ChoiceScreenDesign kSetScreen = {
    "Select A Rune Type",
    kInstruction.constData(),
    270,
    1635,
    9.75,
    "runes/set-%1.jpg",
    {{
        {StoneSet, "Stone",
         "These are used for questions related to the real world and somethings which are beyond human control.", 90,
         300, 1200, 300, 2385, 1200},
        {IceSet, "Ice",
         "These runes signify the struggle, disagreements along with the accomplishments. As beautiful as it may "
         "seem, it is equally dangerous.",
         60, 330, 1020, 240, 2535, 1470},
        {GoldSet, "Gold", "These runes are used for readings related to business, work, and property", 150, 360, 1140,
         450, 2325, 1080},
        {JadeSet, "Jade", "These are symbolic of readings related to love, friendship and relationships", 30, 270, 1110,
         450, 2400, 1080},
        {SpiritSet, "Spirit",
         "These are used for readings related to occultism, magick, spirituality and religious beliefs.", 180, 270,
         1170, 330, 2340, 1230},
    }},
    4,
};

} // namespace

frmRunesReadingSelect::frmRunesReadingSelect() : RunesChoiceForm(QString::fromLatin1(kFormName), kSetScreen) {}

void frmRunesReadingSelect::HighlightCategory(int index)
{
    for (int i = 0; i < RuneSetCount; ++i) {
        QWidget* info = description(i);
        if (i == index) {
            // Blue text marks the set, on the set's own colour; on the darker colours (Spirit's red,
            // Stone's black) blue cannot be read, and the colour alone marks it.
            const QColor back = ResolveColour(RuneTypeColour(i));
            platform::setForeColor(info, platform::ReadableOn(Qt::blue, back));
            platform::setBackColor(info, back);
        } else {
            platform::setForeColor(info, Qt::black);
            platform::setBackColor(info, Qt::white);
        }
    }
}

void frmRunesReadingSelect::Choose(int index)
{
    if (!IsChosenRuneSet(index))
        return;
    SetRuneType(static_cast<qint16>(index));
    ShowNextAfterRuneSet(this);
}

} // namespace runes
