#include "runes/frmRunesReadingResult.h"

#include "platform/PictureFiles.h"
#include "platform/Controls.h"
#include "platform/ImageList.h"
#include "platform/PictureBox.h"
#include "platform/PictureFolders.h"
#include "platform/RichTextBox.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "runes/RuneTables.h"
#include "runes/RunesWidgets.h"
#include "runes/RunesWizard.h"
#include "runes/StoneGrid.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

using platform::setGeometryTw;

namespace runes {

namespace {

const QString kResultBanner = QStringLiteral("Talk about your reading in our online forum - visit %1")
                                  .arg(QString::fromLatin1(shell::kSiteDisplayAddress));
const QString kBlankPlace = QStringLiteral("stones/blank-place.jpg");
const QString kReadingFont = QStringLiteral("Verdana");
constexpr double kReadingSize = 10;
constexpr double kSelectionIndent = 100;  // twips, kept by every paragraph of the reading

QPixmap BlankPlacePicture()
{
    const QString file = platform::PictureFile(kBlankPlace);
    if (QFile::exists(file))
        return platform::ReadPicture(file);
    QPixmap white(platform::px(PlaceWidth), platform::px(PlaceHeight));
    white.fill(Qt::white);
    return white;
}

} // namespace

frmRunesReadingResult::frmRunesReadingResult() : Form(QString::fromLatin1(kFormName))
{
    SetCaption(QStringLiteral("Keldamar"));
    platform::setBackColor(this, Qt::white);
    SetClientSizeTw(11265, 6975);

    Picture1 = platform::MakePicture(this, QStringLiteral("Picture1"), {240, 30, 5085, 6825});
    platform::setBackColor(Picture1, Qt::white);

    const QPixmap blank = BlankPlacePicture();
    const auto& places = GridPlaces();
    for (int n = 0; n < GridPlaceCount; ++n) {
        const GridPlace& g = places[static_cast<size_t>(n)];
        auto* place = platform::MakePicture(Picture1, QStringLiteral("picResult(%1)").arg(n),
                                            {g.left, g.top, PlaceWidth, PlaceHeight});
        place->setPicture(blank);
        place->hide();
        picResult[static_cast<size_t>(n)] = place;

        platform::Label* name = platform::MakeLabel(place, QStringLiteral("lblStoneName(%1)").arg(n), QStringLiteral("Berkano"),
                                                    {g.nameLeft, g.nameTop, 825, 195}, Verdana(8.25, true));
        platform::setBackColor(name, Qt::black);
        platform::setForeColor(name, Qt::white);
        name->hide();
        lblStoneName[static_cast<size_t>(n)] = name;

        platform::Label* facing = platform::MakeLabel(place, QStringLiteral("lblFacing(%1)").arg(n),
                                                      QStringLiteral("Markstaved"), {g.facingLeft, g.facingTop, 1140, 195},
                                                      Verdana(8.25, true));
        platform::setBackColor(facing, Qt::black);
        platform::setForeColor(facing, QColor(255, 192, 128));
        lblFacing[static_cast<size_t>(n)] = facing;
    }

    RichTextBox1 = new platform::RichTextBox(this);
    RichTextBox1->setAccessibleName(QStringLiteral("Runes reading"));
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setFont(Verdana(12));
    RichTextBox1->setReadOnly(true);
    RichTextBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setGeometryTw(RichTextBox1, 5460, 960, 5625, 5355);

    Label1 = platform::MakeLink(this, QStringLiteral("Label1"), kResultBanner, {5700, 90, 4920, 765},
                                platform::Look(Verdana(9.75, true, true)).Align(Qt::AlignCenter).Wrap());
    platform::setBackColor(Label1, Qt::white);
    platform::setForeColor(Label1, Qt::red);
    Label1->setCursor(HandCursor());
    connect(Label1, &QAbstractButton::clicked, this, [this] { Label1_Click(); });

    Check1 = new QCheckBox(QStringLiteral("Donate"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setFont(Verdana(9, true));
    platform::setForeColor(Check1, Qt::blue);
    setGeometryTw(Check1, 6570, 6420, 1305, 405);
    connect(Check1, &QCheckBox::clicked, this, [this] { Check1_Click(); });

    Command3 = platform::MakeButton(this, QStringLiteral("Command3"), QStringLiteral("Exit"), {8175, 6420, 1305, 405},
                                    Verdana(9));
    Command1 = platform::MakeButton(this, QStringLiteral("Command1"), QStringLiteral("Start Again"),
                                    {9780, 6420, 1305, 405}, Verdana(9));
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void frmRunesReadingResult::Form_Load()
{
    shell::frmMDI* mdi = shell::MDI();
    if (mdi)
        mdi->ShowRunesSidePanel(false);
    ClearDrawnStones();
    platform::Randomize();
    RichTextBox1->clear();
    ArrangeResultForm();

    if (QMdiArea* area = platform::Forms::MdiArea()) {
        connect(area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
            if (window && window == subWindow() && !isUnloading())
                Form_Activate();
        });
    }
    // The user closing the result goes back to a fresh entry step, never to an empty work area.
    OnUserClose(this, [] { StartAgain(); });
}

void frmRunesReadingResult::ArrangeResultForm()
{
    FillWorkArea(this);
    ShowStepLabels(3, 8, true);
    SetSpreadLayout();
}

void frmRunesReadingResult::SetSpreadLayout()
{
    const int spread = RuneSpread();
    const auto shown = SpreadPlaces(spread);
    const double shift = SpreadTopShift(spread);
    for (int n = 0; n < GridPlaceCount; ++n) {
        platform::PictureBox* place = picResult[static_cast<size_t>(n)];
        place->setVisible(shown[static_cast<size_t>(n)]);
        if (shift != 0)
            platform::setTopTw(place, platform::topTw(place) + shift);
    }
}

void frmRunesReadingResult::Form_Activate()
{
    if (ResultShown())
        return;
    SetResultShown(true);

    RichTextBox1->SetSelStart(0);
    RichTextBox1->SetSelIndent(kSelectionIndent);
    AppendPieces(RichTextBox1, ReadingHeader(QuerentName(), BirthDate(), Question(), RuneSpread()), kReadingFont,
                 kReadingSize);
    for (int n = 0; n < GridPlaceCount; ++n)
        if (!picResult[static_cast<size_t>(n)]->isHidden())
            DrawStone(n);

    // The whole reading in one face and size; bold, underline and colours stay as written.
    QTextCursor all(RichTextBox1->document());
    all.select(QTextCursor::Document);
    QTextCharFormat face;
    face.setFontFamilies({kReadingFont});
    face.setFontPointSize(kReadingSize);
    all.mergeCharFormat(face);
    RichTextBox1->SetSelStart(0);
}

void frmRunesReadingResult::DrawStone(int place)
{
    if (!IsGridPlace(place))
        return;
    const DrawnStone drawn = DrawStoneForPlace(place);
    const int text = StoneTextIndex(drawn.stone);
    if (text < 0)
        return;
    const auto slot = static_cast<size_t>(place);
    platform::PictureBox* box = picResult[slot];
    platform::Label* name = lblStoneName[slot];
    platform::Label* facing = lblFacing[slot];

    name->setText(RuneName(text));
    platform::SizeToText(name);
    name->show();

    AppendPieces(RichTextBox1, StoneParagraph(drawn.stone, drawn.facing), kReadingFont, kReadingSize);

    QPixmap picture;
    if (shell::frmMDI* mdi = shell::MDI(); mdi && IsChosenRuneSet(RuneType()))
        picture = mdi->imlStones(RuneType()).ListImage(StonePictureIndex(drawn.stone));
    switch (drawn.facing) {
    case Upright:
        facing->hide();
        break;
    case Reversed:
        facing->setText(FacingLabelText(drawn.facing));
        // Mirrored top to bottom; left and right stay.
        if (!picture.isNull())
            picture = QPixmap::fromImage(picture.toImage().mirrored(false, true));
        break;
    default:  // merkstave: the picture as it lies in the list
        facing->setText(FacingLabelText(drawn.facing));
        break;
    }
    if (!picture.isNull())
        box->setPicture(picture);
    platform::SizeToText(facing);
    platform::setLeftTw(facing, platform::leftTw(name) + platform::widthTw(name) / 2 - platform::widthTw(facing) / 2);
}

void frmRunesReadingResult::Command1_Click() { StartAgain(); }

void frmRunesReadingResult::Command3_Click() { ExitRunesTool(); }

void frmRunesReadingResult::Check1_Click()
{
    if (!Check1->isChecked())
        return;
    Check1->setChecked(false);
    shell::OpenDonatePage();
}

void frmRunesReadingResult::Label1_Click() { shell::OpenHomePage(); }

void frmRunesReadingResult::Form_Unload()
{
    SetResultShown(false);
    if (shell::frmMDI* mdi = shell::MDI()) {
        mdi->ShowRunesSidePanel(true);
        mdi->ShowRunesStepBar(true);
    }
}

} // namespace runes
