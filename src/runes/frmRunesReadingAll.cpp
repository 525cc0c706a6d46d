#include "runes/frmRunesReadingAll.h"

#include "platform/ImageList.h"
#include "platform/RichTextBox.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "runes/RuneTables.h"
#include "runes/RunesWidgets.h"
#include "runes/StoneGrid.h"
#include "shell/ListHelpers.h"
#include "shell/frmMDI.h"

#include <QScrollBar>

using platform::setGeometryTw;

namespace runes {

namespace {
constexpr double kSelectionIndent = 100;  // twips, the same setting as the reading's
// The main window shows no background picture, so the list stands just off the work area's edge.
constexpr double kListLeft = 50;
} // namespace

frmRunesReadingAll::frmRunesReadingAll() : Form(QString::fromLatin1(kFormName))
{
    SetCaption(QStringLiteral("Keldamar"));
    platform::setBackColor(this, Qt::white);
    SetClientSizeTw(kClientWidth, 1965);

    RichTextBox1 = new platform::RichTextBox(this);
    RichTextBox1->setAccessibleName(QStringLiteral("All runes"));
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    // The list sets sizes and colours but never a face: it shows in the box's own.
    QFont face(QStringLiteral("MS Sans Serif"));
    face.setPointSizeF(8.25);
    RichTextBox1->setFont(face);
    setGeometryTw(RichTextBox1, 120, 180, 5025, 1605);
}

void frmRunesReadingAll::Form_Load()
{
    // A child window is on show as it loads; the box only knows how far it scrolls once it is laid out.
    Show();
    CentreInWorkArea();
    ShowAllRunes();
    SizeToContent();
}

void frmRunesReadingAll::ShowAllRunes()
{
    RichTextBox1->clear();
    RichTextBox1->SetSelStart(0);
    RichTextBox1->setReadOnly(false);
    RichTextBox1->SetSelIndent(kSelectionIndent);
    shell::frmMDI* mdi = shell::MDI();
    for (int stone = 1; stone <= StoneCount; ++stone) {
        RichTextBox1->SetSelStart(RichTextBox1->TextLength());
        for (int set = 0; set < RuneSetCount && mdi; ++set) {
            const QPixmap picture = mdi->imlStones(set).ListImage(StonePictureIndex(stone));
            if (!picture.isNull())
                shell::InsertPicture(picture.toImage(), RichTextBox1);
        }
        AppendPieces(RichTextBox1, RuneListEntry(stone), QString(), 0);
    }
    RichTextBox1->SetSelStart(0);
    RichTextBox1->setReadOnly(true);
}

void frmRunesReadingAll::SizeToContent()
{
    RichTextBox1->SetSelStart(RichTextBox1->TextLength());
    RichTextBox1->ensureCursorVisible();
    setGeometryTw(RichTextBox1, 0, 0, Width(), platform::heightTw(RichTextBox1));
    const int scrolled = RichTextBox1->verticalScrollBar()->value();
    const double height = scrolled * platform::kTwipsPerPixel + 100;
    platform::setHeightTw(RichTextBox1, height);
    RichTextBox1->SetSelStart(0);
    SetOuterSizeTw(this, Width(), height);
    Move(kListLeft, 0);
}

void frmRunesReadingAll::Form_Unload() { RichTextBox1->clear(); }

} // namespace runes
