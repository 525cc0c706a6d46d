// The spread the user clicks is the spread that is dealt: every spread picked with the mouse on the
// set-up screen, after another one was picked, through AutoCast and through Manual, down to the saved
// file. The hand-over refuses a choice whose name, count and index disagree.
#include "Roads.h"
#include "FindControl.h"
#include "TarotRoad.h"
#include "UserInput.h"

#include "platform/PictureBox.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "shell/Codec.h"
#include "shell/frmMDI.h"
#include "tarot/PositionTexts.h"
#include "tarot/SpreadCatalogue.h"
#include "tarot/SpreadLayouts.h"
#include "tarot/frmAuto.h"
#include "tarot/frmTarotManual.h"
#include "tarot/modInfo.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>


using testing::seams;
using tarot::frmAuto;
using tarot::frmTarotManual;

namespace {

enum class Road { AutoCast, Manual };

QString headerOf(const QString& spread)
{
    platform::RichTextBox box;
    tarot::RichTextBoxSink sink(&box);
    tarot::WriteSpreadHeader(sink, spread);
    return box.Text();
}

// The decoded lines of a saved reading.
QStringList savedLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList out;
    for (const QByteArray& line : f.readAll().split('\n')) {
        QByteArray l = line;
        if (l.endsWith('\r'))
            l.chop(1);
        if (!l.isEmpty())
            out << shell::fromAnsi(shell::DecodeString(l));
    }
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Road)

class TestSpreadChoice : public QObject {
    Q_OBJECT
    testing::TarotRoad road;
    QTemporaryDir files;
    shell::frmMDI* mdi = nullptr;

    // The set-up screen reached with the mouse from the main window's tool button.
    tarot::frmTarot* reachSetUp()
    {
        mdi = road.main();
        testing::click(testing::control<QPushButton>(mdi, "cmdSelectOption", 1));
        auto* open = platform::Forms::Peek<tarot::frmTarotOpen>();
        if (!open)
            return nullptr;
        open->Timer1_Timer();  // the three seconds have passed
        testing::click(testing::control<QPushButton>(open, "cmdContd"));
        auto* front = platform::Forms::Peek<tarot::frmTarotFront>();
        if (!front)
            return nullptr;
        testing::click(testing::control<QPushButton>(front, "cmdNext"));
        return platform::Forms::Peek<tarot::frmTarot>();
    }

private slots:
    void initTestCase() { QVERIFY(files.isValid()); }

    void init()
    {
        road.start();
        // The real card-layout and manual windows, over the built program's pictures.
        tarot::RegisterTarotForms();
        platform::setAppPath(QStringLiteral(SELVANTHE_RUNTIME_DIR));
    }

    void cleanup()
    {
        seams().scheduler->runPending();
        road.finish();
    }

    void clickedSpreadIsDealt_data()
    {
        QTest::addColumn<Road>("road");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("spread");
        const int n = tarot::catalogue::SpreadCount;
        for (int k = 0; k < n; ++k) {
            // The spread clicked first has another count where it can, so that a count left behind shows.
            int before = (k + 1) % n;
            if (tarot::catalogue::SpreadCards(before) == tarot::catalogue::SpreadCards(k))
                before = (k + 2) % n;
            const QByteArray name = tarot::catalogue::SpreadText(k).toLatin1();
            QTest::addRow("AutoCast %s", name.constData()) << Road::AutoCast << before << k;
            QTest::addRow("Manual %s", name.constData()) << Road::Manual << before << k;
        }
    }
    void clickedSpreadIsDealt()
    {
        QFETCH(Road, road);
        QFETCH(int, before);
        QFETCH(int, spread);
        const QString name = tarot::catalogue::SpreadText(spread);
        const int n = tarot::catalogue::SpreadCards(spread);

        tarot::frmTarot* setUp = reachSetUp();
        QVERIFY(setUp);
        QVERIFY(testing::chooseEntry(testing::control<QComboBox>(setUp, "cboCards"), spread % 2));
        QVERIFY(testing::clickEntry(testing::control<QListWidget>(setUp, "lstOption"), before));
        QVERIFY(testing::clickEntry(testing::control<QListWidget>(setUp, "lstOption"), spread));

        // What the screen shows is the entry clicked.
        QCOMPARE(testing::control<QListWidget>(setUp, "lstOption")->selectedItems().size(), 1);
        QCOMPARE(testing::control<QListWidget>(setUp, "lstOption")->selectedItems()[0]->text(), name);
        QCOMPARE(testing::control<QPlainTextEdit>(setUp, "txtDisp")->toPlainText(),
                 tarot::catalogue::SpreadDescription(spread));
        QCOMPARE(setUp->no, n);
        QCOMPARE(int(setUp->MaxCardInSet), spread);
        QCOMPARE(tarot::State().TarotSpreadIndex, spread);

        seams().random->script(static_cast<unsigned>(spread * 7 + before));
        if (road == Road::AutoCast) {
            testing::click(testing::control<QPushButton>(setUp, "cmdAuto"));
        } else {
            testing::click(testing::control<QPushButton>(setUp, "cmdManual"));
            auto* manual = platform::Forms::Peek<frmTarotManual>();
            QVERIFY(manual);
            QCOMPARE(manual->ChosenSpreadName, name);
            QCOMPARE(manual->PickedBacks.UBound(), n - 1);
            for (int k = 0; k < n; ++k)
                testing::click(testing::control<platform::Clickable>(manual, "p", k));
            seams().scheduler->runPending();
            QCOMPARE(manual->phase(), frmTarotManual::Phase::Done);
        }
        QVERIFY(seams().messages->shown.isEmpty());

        const tarot::TarotState& s = tarot::State();
        QCOMPARE(s.TarotSpreadName, name);
        QCOMPARE(s.SpreadCardCount, n);
        QVERIFY(s.Shown.complete);
        QCOMPARE(s.Shown.cards.size(), n);
        QCOMPARE(s.DrawnCards.UBound(), road == Road::AutoCast ? n : n - 1);

        // Its places laid out in its layout, and no other place.
        auto* layout = platform::Forms::Peek<frmAuto>();
        QVERIFY(layout);
        const QList<tarot::CardPlace>& places = tarot::SpreadLayout(spread);
        QCOMPARE(places.size(), n);
        for (int i = 0; i < frmAuto::kPlaceCount; ++i) {
            platform::PictureBox* place = testing::control<platform::PictureBox>(layout, "p", i);
            QCOMPARE(!place->isHidden(), i < n);
            if (i < n) {
                QCOMPARE(int(platform::leftTw(place)), places[i].left);
                QCOMPARE(int(platform::topTw(place)), places[i].top);
                QVERIFY(!testing::control<platform::Label>(layout, "lbl", i)->isHidden());
            }
        }

        // The pane: the spread's header, then every position's text.
        const QString text = testing::readingPane()->Text();
        QVERIFY(text.startsWith(headerOf(name)));
        for (int i = 0; i < n; ++i) {
            const std::optional<tarot::PositionText> position = tarot::PositionTextOf(name, i);
            QVERIFY(position);
            QVERIFY2(text.contains(position->meaning), qPrintable(QString::number(i)));
        }

        // The saved file: its spread, and one card line per position.
        const QString file = files.filePath(QStringLiteral("%1-%2.slv").arg(int(road)).arg(spread));
        seams().files->answers.enqueue(file);
        testing::click(testing::control<QPushButton>(mdi, "cmdSave"));
        const QStringList lines = savedLines(file);
        QVERIFY(!lines.isEmpty());
        QCOMPARE(lines.value(0), QStringLiteral("s") + name);
        QCOMPARE(lines.value(1), QLatin1String(spread % 2 ? "dm" : "do"));
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^c\\d+$"))).size(), n);
    }

    // Whatever moves the selection moves the choice: a drag across the entries, the keys, a Ctrl+click on
    // the chosen entry (which keeps it).
    void choiceFollowsTheSelection()
    {
        tarot::frmTarot* setUp = reachSetUp();
        QVERIFY(setUp);
        QListWidget* list = testing::control<QListWidget>(setUp, "lstOption");

        const QRect from = testing::entryOnScreen(list, 1);
        const QRect to = testing::entryOnScreen(list, 3);
        QVERIFY(!from.isEmpty() && !to.isEmpty());
        testing::press(list->viewport(), Qt::LeftButton, from.center());
        testing::movePointer(list->viewport(), to.center());
        testing::release(list->viewport(), Qt::LeftButton, to.center());
        QCOMPARE(list->selectedItems().value(0)->text(), tarot::catalogue::SpreadText(3));
        QCOMPARE(setUp->no, 3);
        QCOMPARE(int(setUp->MaxCardInSet), 3);

        QVERIFY(testing::key(Qt::Key_Down));
        QCOMPARE(list->selectedItems().value(0)->text(), tarot::catalogue::SpreadText(4));
        QCOMPARE(setUp->no, 5);
        QCOMPARE(int(setUp->MaxCardInSet), 4);
        QCOMPARE(tarot::State().TarotSpreadIndex, 4);

        QVERIFY(testing::clickEntry(list, 4, Qt::ControlModifier));
        QCOMPARE(list->selectedItems().size(), 1);
        QCOMPARE(list->selectedItems().value(0)->text(), tarot::catalogue::SpreadText(4));
        QCOMPARE(int(setUp->MaxCardInSet), 4);
    }

    // A choice whose name, count and index disagree is refused at the hand-over with a message, whichever
    // way the user leaves, and nothing is dealt.
    void brokenChoiceIsRefused_data()
    {
        QTest::addColumn<Road>("road");
        QTest::newRow("AutoCast") << Road::AutoCast;
        QTest::newRow("Manual") << Road::Manual;
    }
    void brokenChoiceIsRefused()
    {
        QFETCH(Road, road);
        tarot::frmTarot* setUp = reachSetUp();
        QVERIFY(setUp);
        QVERIFY(testing::clickEntry(testing::control<QListWidget>(setUp, "lstOption"), 3));
        setUp->no = 10;  // a count that belongs to another spread
        testing::click(road == Road::AutoCast ? testing::control<QPushButton>(setUp, "cmdAuto")
                                              : testing::control<QPushButton>(setUp, "cmdManual"));

        QCOMPARE(seams().messages->shown.size(), 1);
        QCOMPARE(seams().messages->shown[0].text, QString::fromLatin1(tarot::frmTarot::kBrokenChoiceMessage));
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmAuto")));
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmTarotManual")));
        QVERIFY(testing::TarotRoad::onView(setUp));
        QVERIFY(testing::control<QFrame>(setUp, "picMessage")->isHidden());
        QVERIFY(!tarot::State().AutoCastChosen && !tarot::State().ManualChosen);
        QVERIFY(!setUp->handingOver());
    }
};

SELVANTHE_TEST_MAIN(TestSpreadChoice)
#include "tst_spreadchoice.moc"
