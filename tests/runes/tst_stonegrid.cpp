// The stone grid and the draw: the places of each spread, distinct stones with the facings each stone
// allows, their pictures and labels, and the reading the result window writes.
#include "FindControl.h"
#include "TestMain.h"
#include "UserInput.h"
#include <QSignalSpy>

#include "RunesTestHelpers.h"
#include "platform/Twips.h"
#include "runes/StoneGrid.h"
#include "shell/modHelp.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QAbstractTextDocumentLayout>
#include <QTextCursor>
#include <QTextDocument>

using namespace runestest;
using runes::frmRunesReadingResult;

namespace {

const QString kRule(512, QLatin1Char(' '));
const QString kCrLf = QStringLiteral("\r\n");

struct Format {
    bool bold;
    bool underline;
    QColor colour;  // invalid: the box's own colour, none set
};

// The format of the character at a document position.
QTextCharFormat FormatAt(QTextDocument* doc, int position)
{
    QTextCursor c(doc);
    c.setPosition(position + 1);
    return c.charFormat();
}

// Checks every character of text, found at or after from in the box's text, against the format. The
// reading is Verdana 10 throughout. Returns where the text ends.
int CheckRun(platform::RichTextBox* box, const QString& text, const Format& f, int from = 0)
{
    const QString plain = box->toPlainText();
    const QString wanted = platform::RichTextBox::toDocumentText(text);
    const int at = plain.indexOf(wanted, from);
    if (at < 0) {
        QTest::qFail(qPrintable(QStringLiteral("not found: ") + text.left(40)), __FILE__, __LINE__);
        return from;
    }
    for (int i = 0; i < wanted.size(); ++i) {
        if (wanted[i] == QLatin1Char('\n'))
            continue;
        const QTextCharFormat cf = FormatAt(box->document(), at + i);
        const QString where = QStringLiteral("at %1 of \"%2\"").arg(i).arg(text.left(30));
        if ((cf.fontWeight() >= QFont::Bold) != f.bold || cf.fontUnderline() != f.underline ||
            cf.fontFamilies().toStringList() != QStringList{QStringLiteral("Verdana")} || cf.fontPointSize() != 10 ||
            (f.colour.isValid() ? cf.foreground().color() != f.colour : cf.hasProperty(QTextFormat::ForegroundBrush))) {
            QTest::qFail(qPrintable(QStringLiteral("format differs ") + where), __FILE__, __LINE__);
            return at + wanted.size();
        }
    }
    return at + wanted.size();
}

QString Header(const QString& name, const QString& dob, const QString& question, int spread)
{
    return kCrLf + "Name: " + name + kCrLf + "DoB: " + dob + kCrLf + "Question:" + question + kCrLf + kCrLf + kRule +
           kCrLf + runes::RuneSpreadName(spread) + ": " + runes::RuneSpreadInfo(spread) + kCrLf;
}

// A drawn stone's paragraph as the reading must show it.
QString Paragraph(int stone, int facing)
{
    const int i = stone - 1;
    QString body;
    if (facing == runes::Upright)
        body = "\t" + runes::RuneMeaning(i) + kCrLf + kCrLf;
    else if (facing == runes::Merkstave)
        body = "The stone is Merkstaved." + kCrLf + " " + runes::RuneMerkstave(i) + kCrLf;
    else
        body = "The stone is Reversed." + kCrLf + " " + runes::RuneReversed(i) + kCrLf;
    return kCrLf + runes::RuneName(i) + kCrLf + body + kRule + kCrLf;
}

// Scripts one upright stone per shown place, stones 1, 2, 3... in place order. The blank stone always
// lies upright and takes no number for its facing.
void ScriptUprightStones(int count)
{
    for (int n = 1; n <= count; ++n) {
        Script({StoneU(n)});
        if (n != runes::Blank)
            Script({0.0});
    }
}

int ShownPlaceCount(int spread)
{
    int count = 0;
    for (bool shown : runes::SpreadPlaces(spread))
        count += shown ? 1 : 0;
    return count;
}

double CentreX(const QWidget* w) { return w->x() + w->width() / 2.0; }

// The colour of the last rule on view in a box scrolled to its end: the lowest row that one colour other
// than the box's ground crosses for most of its width. Invalid where no rule shows.
QColor LastRuleColour(QTextEdit* box)
{
    box->moveCursor(QTextCursor::End);
    box->ensureCursorVisible();
    QApplication::processEvents();
    const QImage shown = box->viewport()->grab().toImage();
    const QColor ground = box->viewport()->palette().color(QPalette::Base);
    for (int y = shown.height() - 1; y >= 0; --y) {
        QMap<QRgb, int> seen;
        for (int x = 0; x < shown.width(); ++x)
            ++seen[shown.pixel(x, y)];
        for (auto it = seen.cbegin(); it != seen.cend(); ++it)
            if (QColor(it.key()) != ground && it.value() > shown.width() / 2)
                return QColor(it.key());
    }
    return {};
}

} // namespace

class TestStoneGrid : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        testing::freshProgram();
        runes::ResetRunesState();
        runes::InitRunesReading();
    }

    // ---- The rules ------------------------------------------------------------------------------

    void spreadPlaces_data()
    {
        QTest::addColumn<int>("spread");
        QTest::addColumn<QList<int>>("places");
        QTest::addColumn<double>("shift");
        QTest::newRow("Cross") << 0 << QList<int>{1, 3, 4, 5, 7} << 0.0;
        QTest::newRow("Diamond") << 1 << QList<int>{1, 3, 5, 7} << 0.0;
        QTest::newRow("Fork") << 2 << QList<int>{3, 5, 7} << -1000.0;
        QTest::newRow("Norn") << 3 << QList<int>{3, 4, 5} << 0.0;
        QTest::newRow("Single") << 4 << QList<int>{4} << 0.0;
        QTest::newRow("not chosen") << 5 << QList<int>{} << 0.0;
        QTest::newRow("out of range") << 6 << QList<int>{} << 0.0;
        QTest::newRow("negative") << -1 << QList<int>{} << 0.0;
    }

    void spreadPlaces()
    {
        QFETCH(int, spread);
        QFETCH(QList<int>, places);
        QList<int> shown;
        const auto flags = runes::SpreadPlaces(spread);
        for (int n = 0; n < 9; ++n)
            if (flags[static_cast<size_t>(n)])
                shown << n;
        QCOMPARE(shown, places);
        QTEST(runes::SpreadTopShift(spread), "shift");
    }

    void stoneFromOneNumber_data()
    {
        QTest::addColumn<double>("u");
        QTest::addColumn<int>("stone");
        QTest::newRow("0") << 0.0 << 1;
        QTest::newRow("0.04") << 0.04 << 2;
        QTest::newRow("0.5") << 0.5 << 13;
        QTest::newRow("just below 1") << 0.9999999 << 25;
        QTest::newRow("1, clamped") << 1.0 << 25;
        QTest::newRow("below 0, clamped") << -0.5 << 1;
    }

    void stoneFromOneNumber()
    {
        QFETCH(double, u);
        Script({u});
        QTEST(runes::DrawStoneNumber(), "stone");
    }

    void facingFromOneNumber_data()
    {
        QTest::addColumn<int>("stone");
        QTest::addColumn<double>("u");
        QTest::addColumn<int>("facing");
        QTest::addColumn<int>("numbersUsed");
        const double us[4] = {0, 0.5, 0.34, 0.999};
        const int three[4] = {0, 1, 1, 2}, two[4] = {0, 1, 0, 1};
        for (int k = 0; k < 4; ++k) {
            QTest::addRow("Algiz %g", us[k]) << int(runes::Algiz) << us[k] << three[k] << 1;
            QTest::addRow("Dagaz %g", us[k]) << int(runes::Dagaz) << us[k] << two[k] << 1;
            QTest::addRow("Blank %g", us[k]) << int(runes::Blank) << us[k] << 0 << 0;
        }
        QTest::newRow("Sowilo at 1, clamped") << int(runes::Sowilo) << 1.0 << 1 << 1;
    }

    void facingFromOneNumber()
    {
        QFETCH(int, stone);
        QFETCH(double, u);
        QFETCH(int, numbersUsed);
        Script({u});
        QTEST(runes::DrawFacing(stone), "facing");
        QCOMPARE(1 - testing::seams().random->values.size(), numbersUsed);
    }

    void everyStoneLiesOnlyAsItMay()
    {
        for (int stone = 1; stone <= 25; ++stone) {
            QSet<int> seen;
            for (int k = 0; k < 100; ++k) {
                Script({k / 100.0});
                seen.insert(runes::DrawFacing(stone));
                testing::seams().random->values.clear();
            }
            const int i = stone - 1;
            QSet<int> allowed{runes::Upright};
            if (!runes::RuneMerkstave(i).isEmpty())
                allowed.insert(runes::Merkstave);
            if (!runes::RuneReversed(i).isEmpty())
                allowed.insert(runes::Reversed);
            QVERIFY2(seen == allowed, qPrintable(runes::RuneName(i)));
        }
    }

    void drawRefusesAStoneAlreadyDrawn()
    {
        runes::SetDrawnStone(0, 1);
        Script({0, 0, 0.04});
        const auto& drawn = runes::DrawnStones();
        QCOMPARE(runes::DrawNewStone(std::span<const qint32>(drawn.data(), drawn.size())), 2);
        QCOMPARE(runes::CurrentStone(), 2);
        QVERIFY(testing::seams().random->values.isEmpty());
    }

    void aStuckGeneratorStillEndsTheDraw()
    {
        runes::SetDrawnStone(0, 1);
        runes::SetDrawnStone(8, 2);
        testing::seams().random->fallback = 0;  // stone 1, again and again
        const runes::DrawnStone d = runes::DrawStoneForPlace(4);
        QCOMPARE(d.stone, 3);
        QCOMPARE(runes::DrawnStones()[4], 3);
    }

    // ---- The result window ----------------------------------------------------------------------

    void resultFillsTheWorkArea()
    {
        ScriptUprightStones(1);
        frmRunesReadingResult* result = OpenResult(0, 4);
        QVERIFY(result);
        shell::frmMDI* mdi = shell::MDI();
        QVERIFY(!OnShow(testing::control<platform::PictureBox>(mdi, "picLeft")));
        // The work area as it stands once the main window has settled, the strip of the side panel included.
        QApplication::processEvents();
        QCOMPARE(result->Left(), 0.0);
        QCOMPARE(result->Top(), 0.0);
        QCOMPARE(result->Width(), platform::tw(testing::control<QMdiArea>(mdi, "mdiArea")->contentsRect().width()));
        QCOMPARE(result->Height(), platform::tw(testing::control<QMdiArea>(mdi, "mdiArea")->contentsRect().height()));
        QCOMPARE(StepLabels(mdi), QStringLiteral("111111111"));
        QCOMPARE(result->windowTitle(), QStringLiteral("Keldamar"));
        QCOMPARE(testing::control<QPushButton>(result, "Command1")->text(), QStringLiteral("Start Again"));
        QCOMPARE(testing::control<QPushButton>(result, "Command3")->text(), QStringLiteral("Exit"));
        QCOMPARE(testing::control<QCheckBox>(result, "Check1")->text(), QStringLiteral("Donate"));
    }

    void layoutShowsTheSpreadsPlaces_data()
    {
        QTest::addColumn<int>("spread");
        for (int s : {0, 1, 2, 3, 4, 6})
            QTest::addRow("spread %d", s) << s;
    }

    void layoutShowsTheSpreadsPlaces()
    {
        QFETCH(int, spread);
        frmRunesReadingResult* result = nullptr;
        if (runes::IsChosenSpread(spread)) {
            ScriptUprightStones(ShownPlaceCount(spread));
            result = OpenResult(1, spread);
        } else {
            // No road of the wizard leads here; the window is opened straight.
            OpenMain();
            runes::SetRuneType(1);
            runes::SetRuneSpread(spread);
            result = platform::Forms::Get<frmRunesReadingResult>();
            result->Show();
        }
        QVERIFY(result);
        const auto shown = runes::SpreadPlaces(spread);
        const double shift = spread == runes::ForkSpread ? -1000 : 0;
        int drawn = 0;
        for (int n = 0; n < 9; ++n) {
            const auto slot = static_cast<size_t>(n);
            platform::PictureBox* place = testing::control<platform::PictureBox>(result, "picResult", slot);
            QCOMPARE(OnShow(place), shown[slot]);
            QCOMPARE(platform::topTw(place), runes::GridPlaces()[slot].top + shift);
            QCOMPARE(platform::leftTw(place), runes::GridPlaces()[slot].left);
            QCOMPARE(OnShow(testing::control<platform::Label>(result, "lblStoneName", slot)), shown[slot]);
            QCOMPARE(runes::DrawnStones()[slot] != 0, shown[slot]);
            drawn += shown[slot] ? 1 : 0;
        }
        QCOMPARE(testing::control<platform::RichTextBox>(result, "RichTextBox1")->Text().count(kRule), drawn + 1);
        if (spread == runes::ForkSpread) {
            QCOMPARE(platform::topTw(testing::control<platform::PictureBox>(result, "picResult", 3)), 1250.0);
            QCOMPARE(platform::topTw(testing::control<platform::PictureBox>(result, "picResult", 5)), 1310.0);
            QCOMPARE(platform::topTw(testing::control<platform::PictureBox>(result, "picResult", 7)), 3500.0);
        }
        if (!runes::IsChosenSpread(spread)) {
            // Neither the spread's name nor its description, and no stone.
            QCOMPARE(testing::control<platform::RichTextBox>(result, "RichTextBox1")->Text(),
                     kCrLf + "Name: " + kCrLf + "DoB: " + kCrLf + "Question:" + kCrLf + kCrLf + kRule + kCrLf);
        }
        QVERIFY(testing::seams().random->values.isEmpty());
    }

    void crossDrawsDistinctStonesInPlaceOrder()
    {
        // Stones 1, 2, 3, 4 (the blank, which takes no facing number) and 5, with stones already drawn refused.
        Script({StoneU(1), 0, StoneU(1), StoneU(2), 0, StoneU(3), 0, StoneU(2), StoneU(1), StoneU(4), StoneU(5), 0});
        frmRunesReadingResult* result = OpenResult(4, 0);
        QVERIFY(result);
        QCOMPARE(runes::DrawnStones(), (std::array<qint32, 9>{0, 1, 0, 2, 3, 4, 0, 5, 0}));
        const QString text = testing::control<platform::RichTextBox>(result, "RichTextBox1")->Text();
        int from = 0;
        for (int stone = 1; stone <= 5; ++stone) {
            const QString paragraph = Paragraph(stone, runes::Upright);
            const int at = text.indexOf(paragraph, from);
            QVERIFY2(at >= from, qPrintable(runes::RuneName(stone - 1)));
            from = at + paragraph.size();
        }
        QCOMPARE(from, text.size());
        QVERIFY(testing::seams().random->values.isEmpty());
        const int places[5] = {1, 3, 4, 5, 7};
        for (int k = 0; k < 5; ++k)
            QCOMPARE(testing::control<platform::Label>(result, "lblStoneName", places[k])->text(), runes::RuneName(k));
    }

    void headerOfANornReading()
    {
        runes::frmRunesReadingEntry* entry = OpenEntry();
        QTest::keyClicks(testing::control<QLineEdit>(entry, "txtName"), QStringLiteral("Ann"));
        QVERIFY(
            testing::typeInto(testing::control<QPlainTextEdit>(entry, "txtQuestion"), QStringLiteral("Will it rain?")));
        testing::click(testing::control<QRadioButton>(entry, "optRune", 2));
        testing::click(testing::control<QRadioButton>(entry, "optSpread", 3));
        ScriptUprightStones(3);
        testing::click(testing::control<QPushButton>(entry, "cmdNext"));
        auto* result = platform::Forms::Peek<frmRunesReadingResult>();
        QVERIFY(result);
        platform::RichTextBox* box = testing::control<platform::RichTextBox>(result, "RichTextBox1");
        const QString header = Header("Ann", " 1 January  1980", "Will it rain?", runes::NornSpread);
        QCOMPARE(box->Text(), header + Paragraph(1, 0) + Paragraph(2, 0) + Paragraph(3, 0));

        const Format boldPlain{true, false, QColor()};
        int at = CheckRun(box, kCrLf + "Name: Ann" + kCrLf + "DoB:  1 January  1980" + kCrLf +
                                   "Question:Will it rain?" + kCrLf + kCrLf, boldPlain);
        at = CheckRun(box, kRule, {true, true, QColor()}, at);
        at = CheckRun(box, "Norn: ", {true, false, QColor(128, 64, 0)}, at);
        CheckRun(box, runes::RuneSpreadInfo(runes::NornSpread) + kCrLf, {false, false, QColor(1, 0, 0)}, at);

        // Every paragraph keeps the indent; the caret stands at the start.
        for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next())
            QCOMPARE(b.blockFormat().leftMargin(), 100 / 15.0);
        QCOMPARE(box->SelStart(), 0);
        QCOMPARE(box->SelLength(), 0);
        QVERIFY(box->isReadOnly());

        // Activating the window again adds nothing. The work area activates it as it does when the user
        // brings it to the front again (no other window of the tool is there to click in between).
        const QString built = box->Text();
        QMdiArea* area = platform::Forms::MdiArea();
        QSignalSpy activated(area, &QMdiArea::subWindowActivated);
        area->setActiveSubWindow(nullptr);
        area->setActiveSubWindow(result->subWindow());
        QVERIFY(!activated.isEmpty());
        QCOMPARE(activated.last().value(0).value<QMdiSubWindow*>(), result->subWindow());
        QCOMPARE(box->Text(), built);
    }

    void stoneParagraphPerFacing_data()
    {
        QTest::addColumn<int>("stone");
        QTest::addColumn<double>("facingU");
        QTest::addColumn<int>("facing");
        QTest::newRow("Algiz upright") << int(runes::Algiz) << 0.0 << 0;
        QTest::newRow("Algiz merkstave") << int(runes::Algiz) << 0.5 << 1;
        QTest::newRow("Algiz reversed") << int(runes::Algiz) << 0.999 << 2;
        QTest::newRow("Blank") << int(runes::Blank) << -1.0 << 0;
        QTest::newRow("Dagaz merkstave") << int(runes::Dagaz) << 0.5 << 1;
        QTest::newRow("Perthro merkstave") << int(runes::Perthro) << 0.5 << 1;
        QTest::newRow("Fehu upright") << int(runes::Fehu) << 0.0 << 0;
        QTest::newRow("Thurisaz reversed") << int(runes::Thurisaz) << 0.9 << 2;
        QTest::newRow("Isa merkstave") << int(runes::Isa) << 0.9 << 1;
    }

    void stoneParagraphPerFacing()
    {
        QFETCH(int, stone);
        QFETCH(double, facingU);
        QFETCH(int, facing);
        Script({StoneU(stone)});
        if (facingU >= 0)
            Script({facingU});
        constexpr int set = runes::JadeSet;
        frmRunesReadingResult* result = OpenResult(set, runes::SingleSpread);
        QVERIFY(result);
        QVERIFY(testing::seams().random->values.isEmpty());
        QCOMPARE(runes::StoneFacing(), facing);
        platform::RichTextBox* box = testing::control<platform::RichTextBox>(result, "RichTextBox1");
        const QString paragraph = Paragraph(stone, facing);
        QVERIFY(box->Text().endsWith(paragraph));

        const QColor blue(0, 0, 255);
        const int i = stone - 1;
        int at = CheckRun(box, kCrLf + runes::RuneName(i) + kCrLf, {true, true, blue},
                          box->toPlainText().size() - platform::RichTextBox::toDocumentText(paragraph).size());
        if (facing == runes::Upright) {
            at = CheckRun(box, "\t" + runes::RuneMeaning(i) + kCrLf + kCrLf, {false, false, blue}, at);
        } else {
            const QString sentence = facing == runes::Merkstave ? "The stone is Merkstaved." : "The stone is Reversed.";
            at = CheckRun(box, sentence + kCrLf, {true, false, blue}, at);
            at = CheckRun(box, " " + runes::RuneFacingText(stone, facing) + kCrLf, {false, false, blue}, at);
        }
        CheckRun(box, kRule, {false, true, blue}, at);
        // The rule is drawn as a line across the box.
        QTextBlock last = box->document()->lastBlock().previous();
        QCOMPARE(last.text(), kRule);
        QVERIFY(last.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth));
        QVERIFY(!box->document()->lastBlock().blockFormat().hasProperty(
            QTextFormat::BlockTrailingHorizontalRulerWidth));
        // On screen the line is drawn in the paragraph's blue, as its underline would be.
        QCOMPARE(LastRuleColour(box), blue);

        // The place: name, facing word centred on it, the picture mirrored top to bottom when reversed.
        QLabel* name = testing::control<platform::Label>(result, "lblStoneName", 4);
        QLabel* word = testing::control<platform::Label>(result, "lblFacing", 4);
        QCOMPARE(name->text(), runes::RuneName(i));
        QVERIFY(OnShow(name));
        QCOMPARE(OnShow(word), facing != runes::Upright);
        if (facing != runes::Upright)
            QCOMPARE(word->text(), facing == runes::Reversed ? QStringLiteral("Reversed") : QStringLiteral("Merkstave"));
        QVERIFY(qAbs(CentreX(word) - CentreX(name)) <= 1.0);
        QCOMPARE(word->width(), word->sizeHint().width());
        QCOMPARE(name->width(), name->sizeHint().width());

        const QImage source = shell::MDI()->imlStones(set).ListImage(stone).toImage();
        const QImage shown = testing::control<platform::PictureBox>(result, "picResult", 4)->picture().toImage();
        QCOMPARE(shown.size(), source.size());
        if (facing == runes::Reversed) {
            if (source == source.mirrored(false, true))
                QSKIP("the stone picture reads the same upside down; nothing to tell apart");
            for (int y = 0; y < source.height(); y += 7)
                for (int x = 0; x < source.width(); x += 5)
                    QCOMPARE(shown.pixel(x, y), source.pixel(x, source.height() - 1 - y));
        } else {
            QCOMPARE(shown.convertToFormat(source.format()), source);
        }
    }

    void nameLabelTakesTheWidthOfTheName()
    {
        Script({StoneU(runes::Thurisaz), 0, StoneU(runes::Isa), 0, StoneU(runes::Algiz), 0});
        frmRunesReadingResult* result = OpenResult(0, runes::NornSpread);
        QVERIFY(result);
        QCOMPARE(testing::control<platform::Label>(result, "lblStoneName", 3)->text(), QStringLiteral("Thurisaz"));
        QCOMPARE(testing::control<platform::Label>(result, "lblStoneName", 4)->text(), QStringLiteral("Isa"));
        QVERIFY(testing::control<platform::Label>(result, "lblStoneName", 3)->width() >
                testing::control<platform::Label>(result, "lblStoneName", 4)->width());
        // Upright stones hide the word, still centred on the name.
        for (int n : {3, 4, 5}) {
            QVERIFY(!OnShow(testing::control<platform::Label>(result, "lblFacing", n)));
            QVERIFY(qAbs(CentreX(testing::control<platform::Label>(result, "lblFacing", n)) -
                         CentreX(testing::control<platform::Label>(result, "lblStoneName", n))) <= 1.0);
        }
    }

    void newReadingAfterStartAgain()
    {
        Script({StoneU(7), 0.0});
        frmRunesReadingResult* result = OpenResult(0, runes::SingleSpread);
        QVERIFY(result);
        QCOMPARE(runes::DrawnStones()[4], 7);
        testing::click(testing::control<QPushButton>(result, "Command1"));
        QVERIFY(!runes::ResultShown());
        runes::frmRunesReadingEntry* entry = platform::Forms::Peek<runes::frmRunesReadingEntry>();
        QVERIFY(entry);
        testing::click(testing::control<QRadioButton>(entry, "optRune", 0));
        testing::click(testing::control<QRadioButton>(entry, "optSpread", 4));
        Script({StoneU(9), 0.0});
        testing::click(testing::control<QPushButton>(entry, "cmdNext"));
        result = platform::Forms::Peek<frmRunesReadingResult>();
        QVERIFY(result);
        QCOMPARE(runes::DrawnStones(), (std::array<qint32, 9>{0, 0, 0, 0, 9, 0, 0, 0, 0}));
        QCOMPARE(testing::control<platform::RichTextBox>(result, "RichTextBox1")->Text().count(kRule), 2);
        QVERIFY(testing::control<platform::RichTextBox>(result, "RichTextBox1")->Text().endsWith(Paragraph(9, 0)));
    }

    void donateOpensThePageOncePerTick()
    {
        ScriptUprightStones(1);
        frmRunesReadingResult* result = OpenResult(0, runes::SingleSpread);
        QVERIFY(result);
        const QString donate = shell::PageAddress("donate");
        testing::click(testing::control<QCheckBox>(result, "Check1"));
        QCOMPARE(testing::seams().shell->opened, QStringList{donate});
        QVERIFY(!testing::control<QCheckBox>(result, "Check1")->isChecked());
        testing::click(testing::control<QCheckBox>(result, "Check1"));
        QCOMPARE(testing::seams().shell->opened, (QStringList{donate, donate}));
        QVERIFY(!testing::control<QCheckBox>(result, "Check1")->isChecked());
        testing::click(testing::control<platform::Clickable>(result, "Label1"));
        QCOMPARE(testing::seams().shell->opened.last(), shell::PageAddress("home-page"));
    }
};

SELVANTHE_TEST_MAIN(TestStoneGrid)
#include "tst_stonegrid.moc"
