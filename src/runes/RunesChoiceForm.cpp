#include "runes/RunesChoiceForm.h"

#include "platform/Controls.h"
#include "platform/ImageList.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"
#include "runes/RunesWidgets.h"
#include "runes/RunesWizard.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"

#include <QGroupBox>
#include <QLabel>

using platform::setGeometryTw;

namespace runes {

namespace {

const QString kChoiceBanner = QStringLiteral("Share your readings in our online forum");

constexpr double kFrameWidth = 3705, kFrameHeight = 1815;
constexpr double kColumnLefts[2] = {210, 4110};
constexpr double kRowTops[3] = {780, 2745, 4710};
constexpr double kPictureWidth = 945, kPictureHeight = 1260;

QGroupBox* CellFrame(QWidget* parent, const QString& name, const char* caption, int gridIndex)
{
    QGroupBox* frame = platform::MakeFrame(
        parent, name, QString::fromLatin1(caption),
        {kColumnLefts[gridIndex % 2], kRowTops[gridIndex / 2], kFrameWidth, kFrameHeight}, Verdana(9.75, true));
    // The highlight stays while the pointer is over a frame: its moves do not reach the window's surface.
    frame->setAttribute(Qt::WA_NoMousePropagation);
    return frame;
}

} // namespace

RunesChoiceForm::RunesChoiceForm(const QString& formName, const ChoiceScreenDesign& design)
    : Form(formName), lastStepLabel_(design.lastStepLabel)
{
    SetCaption(QStringLiteral("Keldamar"));
    platform::setBackColor(this, Qt::white);
    SetClientSizeTw(8025, 6720);
    setMouseTracking(true);

    Label1 = platform::MakeLink(this, QStringLiteral("Label1"), kChoiceBanner, {540, 120, 6690, 465},
                                platform::Look(Verdana(9.75, true, true)).Align(Qt::AlignCenter));
    platform::setBackColor(Label1, Qt::white);
    platform::setForeColor(Label1, Qt::red);
    Label1->setAttribute(Qt::WA_NoMousePropagation);
    connect(Label1, &QAbstractButton::clicked, this, [this] { Label1_Click(); });

    fraInstruction = CellFrame(this, QStringLiteral("fraInstruction"), design.instructionCaption, 0);
    Label2 = platform::MakeLabel(fraInstruction, QStringLiteral("Label2"), QString::fromLatin1(design.instruction),
                                 {90, design.instructionTop, 3435, design.instructionHeight}, Verdana(9.75));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setAttribute(Qt::WA_NoMousePropagation);

    for (int g = 0; g < 5; ++g) {
        const ChoiceCell& cell = design.cells[static_cast<size_t>(g)];
        const auto i = static_cast<size_t>(cell.index);
        QGroupBox* frame = CellFrame(this, QStringLiteral("fraChoice(%1)").arg(cell.index), cell.caption, g + 1);
        fraChoice[i] = frame;

        // The picture is the choice's Tab stop, named by its frame's caption; its description is a second
        // place to click it.
        platform::Clickable* picture = platform::MakeClickablePicture(
            frame, QStringLiteral("picCatagory(%1)").arg(cell.index),
            {cell.pictureLeft, cell.pictureTop, kPictureWidth, kPictureHeight}, QString::fromLatin1(cell.caption));
        platform::setBackColor(picture, Qt::white);
        picture->setPicture(
            platform::FolderPicture(QString::fromLatin1(design.picturePattern).arg(cell.index), QSize(63, 84)));
        connect(picture, &QAbstractButton::clicked, this, [this, n = cell.index] { picCatagory_Click(n); });
        new MouseRelay(picture, [this, n = cell.index] { picCatagory_MouseMove(n); });
        picCatagory[i] = picture;

        platform::Clickable* info = platform::MakeLink(
            frame, QStringLiteral("lblInfo(%1)").arg(cell.index), QString::fromLatin1(cell.info),
            {cell.infoLeft, cell.infoTop, cell.infoWidth, cell.infoHeight},
            platform::Look(Verdana(design.infoPointSize)).Align(Qt::AlignLeft | Qt::AlignTop).Wrap(),
            platform::Clickable::Role::Button);
        info->setAutoFillBackground(true);
        connect(info, &QAbstractButton::clicked, this, [this, n = cell.index] { lblInfo_Click(n); });
        new MouseRelay(info, [this, n = cell.index] { lblInfo_MouseMove(n); });
        lblInfo[i] = info;
    }

    Picture1 = platform::MakePicture(this, QStringLiteral("Picture1"), {7380, 120, 510, 510});
    Picture1->setPicture(platform::FolderPicture(QStringLiteral("cursor/hand.png"), QSize(32, 32)));
    Picture1->hide();
}

void RunesChoiceForm::Form_Load()
{
    Arrange();
    Move(0, 0);
    // Highlights start at rest, black on white.
    Highlight(-1);
    OnUserClose(this, [] { ExitRunesTool(); });
}

void RunesChoiceForm::Arrange()
{
    FillWorkArea(this);
    // Every control shows the hand, the banner included; the window's own surface keeps the arrow.
    const QCursor hand = HandCursor();
    for (QWidget* control : findChildren<QWidget*>())
        control->setCursor(hand);
    ShowStepLabels(3, lastStepLabel_, true);
}

void RunesChoiceForm::lblInfo_Click(int index) { Choose(index); }
void RunesChoiceForm::picCatagory_Click(int index) { Choose(index); }
void RunesChoiceForm::lblInfo_MouseMove(int index) { Highlight(index); }
void RunesChoiceForm::picCatagory_MouseMove(int index) { Highlight(index); }
void RunesChoiceForm::Form_MouseMove() { Highlight(6); }
void RunesChoiceForm::Label1_Click() { shell::OpenHomePage(); }

void RunesChoiceForm::mouseMoveEvent(QMouseEvent* event)
{
    Form_MouseMove();
    Form::mouseMoveEvent(event);
}

QWidget* RunesChoiceForm::description(int index) const { return lblInfo[static_cast<size_t>(index)]; }

} // namespace runes
