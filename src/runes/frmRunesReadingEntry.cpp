#include "runes/frmRunesReadingEntry.h"

#include "platform/Controls.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "runes/RuneTables.h"
#include "runes/RunesWidgets.h"
#include "runes/RunesWizard.h"
#include "shell/modHelp.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <exception>

using platform::setGeometryTw;

namespace runes {

namespace {

const QString kEntryBanner = QStringLiteral("Free rune guides at %1")
                                 .arg(QString::fromLatin1(shell::kSiteDisplayAddress));

// The number-to-text conversion of the design leaves a blank where a sign would stand.
QString Numbered(int n) { return QStringLiteral(" ") + QString::number(n); }

QString WithCrLf(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

} // namespace

frmRunesReadingEntry::frmRunesReadingEntry() : Form(QString::fromLatin1(kFormName))
{
    SetCaption(QStringLiteral("Keldamar"));
    SetClientSizeTw(7995, 6810);

    Label1 = platform::MakeLink(this, QStringLiteral("Label1"), kEntryBanner, {652, 180, 6690, 465},
                                platform::Look(Verdana(9.75, true, true)).Align(Qt::AlignCenter));
    platform::setBackColor(Label1, Qt::white);
    platform::setForeColor(Label1, Qt::red);
    Label1->setCursor(HandCursor());
    connect(Label1, &QAbstractButton::clicked, this, [this] { Label1_Click(); });

    Frame1 = platform::MakeFrame(this, QStringLiteral("Frame1"), QStringLiteral("Name && Date Of Birth Of Person"),
                                 {300, 990, 7485, 1215}, Verdana(9, true));
    txtName = new QLineEdit(QString::fromLatin1(kNamePlaceholder), Frame1);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setFont(Verdana(8.25));
    setGeometryTw(txtName, 90, 270, 7245, 315);
    txtName->installEventFilter(this);
    cboDate = platform::MakeDropDown(Frame1, QStringLiteral("cboDate"), {1830, 750, 1065, 315}, Verdana(8.25));
    cboMonth = platform::MakeDropDown(Frame1, QStringLiteral("cboMonth"), {3030, 750, 1935, 315}, Verdana(8.25));
    cboYear = platform::MakeDropDown(Frame1, QStringLiteral("cboYear"), {5130, 750, 2235, 315}, Verdana(8.25));

    Frame2 = platform::MakeFrame(this, QStringLiteral("Frame2"), QStringLiteral("Question that needs to be answered"),
                                 {300, 2370, 7485, 1665}, Verdana(9, true));
    txtQuestion = new QPlainTextEdit(Frame2);
    txtQuestion->setObjectName(QStringLiteral("txtQuestion"));
    txtQuestion->setFont(Verdana(8.25));
    txtQuestion->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on to the rune-set choice; it is never part of the question.
    txtQuestion->setTabChangesFocus(true);
    txtQuestion->setPlainText(platform::RichTextBox::toDocumentText(QString::fromLatin1(kQuestionPlaceholder)));
    setGeometryTw(txtQuestion, 150, 270, 7215, 1245);
    txtQuestion->installEventFilter(this);

    Frame3 = platform::MakeFrame(this, QStringLiteral("Frame3"), QStringLiteral("Type Of Rune"),
                                 {300, 4200, 7485, 795}, Verdana(9, true));
    Frame4 = platform::MakeFrame(this, QStringLiteral("Frame4"), QStringLiteral("Type Of  Spread"),
                                 {300, 5160, 7485, 795}, Verdana(9, true));
    runeGroup_ = new QButtonGroup(this);
    spreadGroup_ = new QButtonGroup(this);
    const char* const runeCaptions[6] = {"Gold", "Ice", "Jade", "Spirit", "Stone", "Select Later"};
    const char* const spreadCaptions[6] = {"Cross", "Diamond", "Fork", "Norn", "Single", "Select Later"};
    const double runeLefts[6] = {180, 1260, 2400, 3510, 4740, 5940};
    const double spreadLefts[6] = {180, 1260, 2430, 3510, 4740, 5940};
    auto option = [](QGroupBox* frame, const QString& name, const char* caption, double left, double width) {
        auto* o = new QRadioButton(QString::fromLatin1(caption), frame);
        o->setObjectName(name);
        o->setFont(Verdana(8.25));
        platform::setBackColor(o, Qt::white);
        setGeometryTw(o, left, 330, width, 315);
        return o;
    };
    for (int i = 0; i < 6; ++i) {
        const double runeWidth = (i < 5 ? runeLefts[i + 1] : 7395) - runeLefts[i] - 60;
        const double spreadWidth = (i < 5 ? spreadLefts[i + 1] : 7395) - spreadLefts[i] - 60;
        optRune[static_cast<size_t>(i)] =
            option(Frame3, QStringLiteral("optRune(%1)").arg(i), runeCaptions[i], runeLefts[i], runeWidth);
        optSpread[static_cast<size_t>(i)] =
            option(Frame4, QStringLiteral("optSpread(%1)").arg(i), spreadCaptions[i], spreadLefts[i], spreadWidth);
        runeGroup_->addButton(optRune[static_cast<size_t>(i)], i);
        spreadGroup_->addButton(optSpread[static_cast<size_t>(i)], i);
    }
    // Ticked by the user or by the code alike.
    connect(runeGroup_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) {
            optRune_Click(id);
            keepFocusOrder();
        }
    });
    connect(spreadGroup_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) {
            optSpread_Click(id);
            keepFocusOrder();
        }
    });

    Command2 = platform::MakeButton(this, QStringLiteral("Command2"), QStringLiteral("Exit"), {3870, 6150, 1245, 405},
                                    Verdana(8.25));
    Command1 = platform::MakeButton(this, QStringLiteral("Command1"), QStringLiteral("Reset"), {5205, 6150, 1245, 405},
                                    Verdana(8.25));
    cmdNext = platform::MakeButton(this, QStringLiteral("cmdNext"), QStringLiteral("&Next"), {6540, 6150, 1245, 405},
                                   Verdana(8.25));
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });

    keepFocusOrder();
    txtName->setFocus();
}

void frmRunesReadingEntry::keepFocusOrder()
{
    // Each group is one stop for Tab, at its ticked option, in every state of the window; the arrow keys
    // move among the options of a group.
    for (QButtonGroup* group : {runeGroup_, spreadGroup_})
        for (QAbstractButton* option : group->buttons())
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    QWidget* order[] = {txtName,     cboDate,        cboMonth,   cboYear, txtQuestion, runeGroup_->checkedButton(),
                        spreadGroup_->checkedButton(), Command2, Command1, cmdNext};
    QWidget* before = nullptr;
    for (QWidget* w : order) {
        if (!w)
            continue;
        if (before)
            setTabOrder(before, w);
        before = w;
    }
}

void frmRunesReadingEntry::Form_Load()
{
    Move(0, 0);
    try {
        shell::AskForUpdate();
    } catch (const std::exception&) {
        // The reminder is a courtesy; the step opens without it.
    }
    InitEntryForm();
    SetRuneType(NotChosen);
    optRune[NotChosen]->setChecked(true);
    SetRuneSpread(NotChosen);
    optSpread[NotChosen]->setChecked(true);
    // The user closing this step leaves the runes tool, as Exit does.
    OnUserClose(this, [] { ExitRunesTool(); });
}

void frmRunesReadingEntry::InitEntryForm()
{
    Move(0, 0);
    optRune[NotChosen]->setChecked(true);
    optSpread[NotChosen]->setChecked(true);
    cboDate->clear();
    cboMonth->clear();
    cboYear->clear();
    for (int day = 1; day <= 31; ++day)
        cboDate->addItem(Numbered(day));
    const QLocale locale;
    for (int month = 1; month <= 12; ++month)
        cboMonth->addItem(locale.standaloneMonthName(month, QLocale::LongFormat));
    for (int year = 1900; year <= 2020; ++year)
        cboYear->addItem(Numbered(year));
    SelectDefaultDate();
    ShowStepLabels(3, 8, false);
}

void frmRunesReadingEntry::SelectDefaultDate()
{
    cboDate->setCurrentIndex(0);
    cboMonth->setCurrentIndex(0);
    cboYear->setCurrentIndex(kDefaultYearItem);
}

void frmRunesReadingEntry::optRune_Click(int index) { SetRuneType(static_cast<qint16>(index)); }

void frmRunesReadingEntry::optSpread_Click(int index) { SetRuneSpread(index); }

void frmRunesReadingEntry::txtName_GotFocus()
{
    if (txtName->text() == QLatin1String(kNamePlaceholder))
        txtName->selectAll();
}

void frmRunesReadingEntry::txtName_KeyDown()
{
    if (txtName->text() == QLatin1String(kNamePlaceholder))
        txtName->clear();
}

void frmRunesReadingEntry::txtQuestion_GotFocus()
{
    if (QuestionText() == QLatin1String(kQuestionPlaceholder))
        txtQuestion->selectAll();
}

QString frmRunesReadingEntry::QuestionText() const { return WithCrLf(txtQuestion->toPlainText()); }

void frmRunesReadingEntry::cmdNext_Click()
{
    SetBirthDate(cboDate->currentText() + QLatin1Char(' ') + cboMonth->currentText() + QLatin1Char(' ') +
                 cboYear->currentText());
    const QString name = txtName->text();
    SetQuerentName(name == QLatin1String(kNamePlaceholder) ? QString() : name);
    const QString question = QuestionText();
    SetQuestion(question == QLatin1String(kQuestionPlaceholder) ? QString() : question);
    GoToNextStep(this);
}

void frmRunesReadingEntry::Command1_Click()
{
    SetRuneType(NotChosen);
    optRune[NotChosen]->setChecked(true);
    SetRuneSpread(NotChosen);
    optSpread[NotChosen]->setChecked(true);
    SelectDefaultDate();
    txtName->setText(QString::fromLatin1(kNamePlaceholder));
    txtQuestion->setPlainText(platform::RichTextBox::toDocumentText(QString::fromLatin1(kQuestionPlaceholder)));
    txtName->setFocus();
    txtName_GotFocus();
}

void frmRunesReadingEntry::Command2_Click() { ExitRunesTool(); }

void frmRunesReadingEntry::Label1_Click() { shell::OpenHomePage(); }

bool frmRunesReadingEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtName) {
        // Tab and Shift+Tab only pass through the box on their way to the next control: the window, not
        // the box, takes them.
        const bool focusKey = event->type() == QEvent::KeyPress &&
                              (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab ||
                               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backtab);
        if (event->type() == QEvent::KeyPress && !focusKey)
            txtName_KeyDown();
        else if (event->type() == QEvent::FocusIn)
            // The line edit settles its own selection after the focus arrives; select once it has.
            QTimer::singleShot(0, txtName, [this] { txtName_GotFocus(); });
    } else if (watched == txtQuestion && event->type() == QEvent::FocusIn) {
        QTimer::singleShot(0, txtQuestion, [this] { txtQuestion_GotFocus(); });
    }
    return Form::eventFilter(watched, event);
}

} // namespace runes
