// The tarot tool's entry screen: the picture folders it requires, the update question before them, the
// Continue button that comes after three seconds, and the way on to the querent screen.
#include "FindControl.h"
#include "TarotRoad.h"

#include "platform/PictureBox.h"
#include "platform/Twips.h"
#include "shell/Quit.h"
#include "shell/modHelp.h"

#include <QTimer>

using testing::TarotRoad;

class TestTarotEntry : public QObject {
    Q_OBJECT
    TarotRoad road;

    // Makes the update question due at the next check.
    static void makeUpdateDue()
    {
        shell::AskForUpdate();  // stores today
        testing::seams().clock->current = testing::seams().clock->current.addDays(30);
    }

private slots:
    void init() { road.start(); }
    void cleanup() { road.finish(); }

    void folderCheck_data()
    {
        QTest::addColumn<bool>("cards");
        QTest::addColumn<bool>("pic");
        QTest::newRow("both present, empty") << true << true;
        QTest::newRow("cards missing") << false << true;
        QTest::newRow("pic missing") << true << false;
        QTest::newRow("both missing") << false << false;
    }
    void folderCheck()
    {
        QFETCH(bool, cards);
        QFETCH(bool, pic);
        platform::setAppPath(road.programFolder(cards, pic));
        shell::frmMDI* mdi = road.main();
        makeUpdateDue();
        auto& messages = testing::seams().messages->shown;

        if (cards && pic) {
            testing::click(testing::control<QPushButton>(mdi, "cmdSelectOption", 1));
            QCOMPARE(messages.size(), 1);  // only the update question
            QVERIFY(!shell::IsQuitting());
            auto* open = platform::Forms::Peek<tarot::frmTarotOpen>();
            QVERIFY(TarotRoad::onView(open));
            QVERIFY(testing::control<QTimer>(open, "Timer1")->isActive());
            return;
        }
        // The box's answer ends the program from inside the load: nothing after it runs. Called directly:
        // the end of the process is an exception here, which must not cross Qt's event delivery.
        QVERIFY_THROWS_EXCEPTION(testing::ProcessEnded, mdi->cmdSelectOption_Click(1));
        QCOMPARE(messages.size(), 2);
        QVERIFY(messages[0].text.startsWith(QLatin1String("There maybe an update")));
        QCOMPARE(messages[1].text, QStringLiteral("Cards or Spread Pictures are missing.\nPlease Reinstall Software."));
        QCOMPARE(messages[1].icon, platform::MsgIcon::Information);
        QCOMPARE(messages[1].buttons, platform::MsgButtons::Ok);
        QCOMPARE(messages[1].title, QStringLiteral("Selvanthe"));
        QVERIFY(shell::IsQuitting());
        QCOMPARE(testing::seams().exit->exits, 1);
        QVERIFY(!road.log.contains(QStringLiteral("load:frmTarotFront")));
        QVERIFY(platform::Forms::Loaded().isEmpty());
    }

    void aFileWhereAFolderShouldBeIsMissing()
    {
        const QString root = road.programFolder(true, false);
        QFile file(QDir(root).filePath(QStringLiteral("pic")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        platform::setAppPath(root);
        // Called directly: the end of the process is an exception here, which must not cross Qt's event
        // delivery.
        QVERIFY_THROWS_EXCEPTION(testing::ProcessEnded, road.main()->cmdSelectOption_Click(1));
        QCOMPARE(testing::seams().messages->shown.size(), 1);
    }

    void opensCentredWithItsDesign()
    {
        tarot::frmTarotOpen* open = road.entry();
        QVERIFY(open);
        QCOMPARE(open->windowTitle(), QStringLiteral("Ostrevan"));
        QCOMPARE(open->size(), QSize(platform::px(7485), platform::px(5010)));
        QCOMPARE(open->Left(), (19200 - open->Width()) / 2);
        QCOMPARE(open->Top(), 0.0);
        QCOMPARE(testing::control<QPushButton>(open, "cmdContd")->text(), QStringLiteral("Continue...."));
        QCOMPARE(testing::control<QPushButton>(open, "cmdContd")->geometry(), QRect(392, 304, 97, 25));
        QCOMPARE(testing::control<platform::PictureBox>(open, "Image1")->geometry(), QRect(0, 0, 500, 334));
        QVERIFY(!testing::control<platform::PictureBox>(open, "Image1")->picture().isNull());
        QVERIFY(testing::seams().messages->shown.isEmpty());
    }

    void continueComesWithTheTimer()
    {
        tarot::frmTarotOpen* open = road.entry();
        QVERIFY(testing::control<QPushButton>(open, "cmdContd")->isHidden());
        QVERIFY(!testing::control<QPushButton>(open, "cmdContd")->isEnabled());
        QCOMPARE(testing::control<QTimer>(open, "Timer1")->interval(), 3000);
        QVERIFY(!testing::control<QTimer>(open, "Timer1")->isSingleShot());
        QVERIFY(testing::control<QTimer>(open, "Timer1")->isActive());
        for (int tick = 0; tick < 2; ++tick) {
            open->Timer1_Timer();  // three seconds more: a timer, which no input stands for
            QVERIFY(!testing::control<QPushButton>(open, "cmdContd")->isHidden());
            QVERIFY(testing::control<QPushButton>(open, "cmdContd")->isEnabled());
        }
    }

    void continueLeadsToTheQuerentScreen()
    {
        shell::frmMDI* mdi = road.main();
        tarot::frmTarotOpen* open = road.entry();
        QVERIFY(open);
        open->Timer1_Timer();  // the three seconds have passed: a timer, which no input stands for
        testing::click(testing::control<QPushButton>(open, "cmdContd"));
        QVERIFY(TarotRoad::onView(platform::Forms::Peek<tarot::frmTarotFront>()));
        QCOMPARE(platform::Forms::Peek<tarot::frmTarotOpen>(), open);  // hidden, still loaded
        QVERIFY(!TarotRoad::onView(open));
        QVERIFY(testing::control<QTimer>(open, "Timer1")->isActive());
        QVERIFY(testing::control<QWidget>(mdi, "picMain")->isHidden());

        // No control unloads the hidden entry screen alone (the tool switch and the program's end take it
        // with the rest): its unload is called directly.
        platform::Forms::Unload(open);
        QVERIFY(!testing::control<QWidget>(mdi, "picMain")->isHidden());
    }

    void theToolSwitchClosesTheWholeRoad()
    {
        shell::frmMDI* mdi = road.main();
        QVERIFY(road.setUp());
        testing::click(testing::control<QPushButton>(mdi, "cmdSelectOption", 2));
        for (const char* name : {"frmTarotOpen", "frmTarotFront", "frmTarot"})
            QVERIFY2(!platform::Forms::IsLoaded(QString::fromLatin1(name)), name);
        QVERIFY(testing::control<QWidget>(mdi, "picMain")->isHidden());
        QVERIFY(platform::Forms::IsLoaded(QStringLiteral("frmRunicTarotMain")));
    }
};

SELVANTHE_TEST_MAIN(TestTarotEntry)
#include "tst_tarotentry.moc"
