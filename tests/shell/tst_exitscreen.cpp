// The exit screen: reached by every way of closing the main window, shown once and on top, its support
// message, its texts and links, and the end of the program when it is left.
#include "FindControl.h"
#include "TestMain.h"
#include "UserInput.h"

#include "FakeToolWindows.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"
#include "shell/Quit.h"
#include "shell/frmExitScreen.h"
#include "shell/frmMDI.h"
#include "shell/frmStartup.h"
#include "shell/modHelp.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

using testing::seams;

namespace {

QString page(const char* key)
{
    return QStringLiteral("https://www.selvanthe.example/selvanthe/ssd.php?page=") + QLatin1String(key);
}

// The program as the user has it: the start-up window hidden, the main window open.
shell::frmMDI* startProgram()
{
    platform::Forms::Get<shell::frmStartup>();
    shell::frmMDI* mdi = shell::MDI();
    if (mdi)
        QApplication::setActiveWindow(mdi);
    return mdi;
}

shell::frmExitScreen* exitScreen() { return platform::Forms::Peek<shell::frmExitScreen>(); }

shell::frmExitScreen* openExitScreen()
{
    startProgram();
    testing::click(testing::control<QPushButton>(shell::MDI(), "cmdMdiExit"));
    return exitScreen();
}

} // namespace

class TestExitScreen : public QObject {
    Q_OBJECT
    QStringList log;

private slots:
    void init()
    {
        testing::freshProgram();
        log.clear();
        testing::registerFakeToolWindows(&log);
    }

    void closingTheMainWindowShowsTheExitScreenOnce_data()
    {
        QTest::addColumn<int>("road");
        QTest::newRow("close box") << 0;
        QTest::newRow("Exit button") << 1;
        QTest::newRow("File Exit") << 2;
    }
    void closingTheMainWindowShowsTheExitScreenOnce()
    {
        QFETCH(int, road);
        shell::frmMDI* mdi = startProgram();
        QVERIFY(mdi);
        testing::click(testing::control<QPushButton>(mdi, "cmdSelectOption", 1));
        log.clear();
        seams().random->values << 0.5 << 0.0;
        if (road == 0)
            mdi->close();
        else if (road == 1)
            testing::click(testing::control<QPushButton>(mdi, "cmdMdiExit"));
        else
            QVERIFY(testing::chooseMenu(mdi->findChild<QAction*>(QStringLiteral("mnuExit"))));

        QCOMPARE(log, QStringList{QStringLiteral("unload:frmTarotOpen")});
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmMDI")));
        shell::frmExitScreen* screen = exitScreen();
        QVERIFY(screen);
        QVERIFY(screen->isVisible());
        QVERIFY(screen->isWindow());
        QVERIFY(screen->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Selvanthe v1.15"));
        QCOMPARE(testing::control<platform::Label>(screen, "lblExitCaption")->text(),
                 QStringLiteral("Selvanthe v1.15"));
        QVERIFY(platform::Forms::Peek<shell::frmStartup>());
        const QImage icon = platform::Forms::Peek<shell::frmStartup>()->IMGIcon.ListImage(1).toImage();
        QVERIFY(!icon.isNull());
        QCOMPARE(testing::control<platform::PictureBox>(screen, "picExitIcon")->picture().toImage(), icon);
        QList<QSize> iconSizes = screen->windowIcon().availableSizes();
        std::sort(iconSizes.begin(), iconSizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
        QCOMPARE(iconSizes, (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
        // Loaded once: one message drawn, and the program still runs.
        QCOMPARE(seams().random->reseeds, 1);
        QCOMPARE(seams().random->values.size(), 1);
        QCOMPARE(testing::control<platform::Label>(screen, "Label2")->text(), shell::SupportMessage(2));
        QCOMPARE(seams().exit->exits, 0);
        QCOMPARE(platform::Forms::Loaded().size(), 2);  // the hidden start-up window and the exit screen
    }

    void quittingFromElsewhereDoesNotShowTheExitScreen()
    {
        startProgram();
        // Called directly: it ends the process, here an exception that must not cross Qt's event delivery.
        QVERIFY_THROWS_EXCEPTION(testing::ProcessEnded, shell::QuitApplication());
        QCOMPARE(seams().exit->exits, 1);
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmExitScreen")));
        QVERIFY(platform::Forms::Loaded().isEmpty());
    }

    void leavingEndsTheProgramOnce_data()
    {
        QTest::addColumn<bool>("exitButton");
        QTest::newRow("E&xit") << true;
        QTest::newRow("close box") << false;
    }
    void leavingEndsTheProgramOnce()
    {
        QFETCH(bool, exitButton);
        shell::frmExitScreen* screen = openExitScreen();
        QVERIFY(screen);
        // Called directly: the end of the process is an exception here, which must not cross Qt's event
        // delivery.
        if (exitButton)
            QVERIFY_THROWS_EXCEPTION(testing::ProcessEnded, screen->cmdClose_Click());
        else  // what the close box does
            QVERIFY_THROWS_EXCEPTION(testing::ProcessEnded, platform::Forms::Unload(screen));
        QCOMPARE(seams().exit->exits, 1);
        QVERIFY(platform::Forms::Loaded().isEmpty());
        QCOMPARE(seams().guard->releases, 1);
    }

    void supportMessageIsDrawnFromTheSharedGenerator_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("n");
        QTest::newRow("0") << 0.0 << 0;
        QTest::newRow("0.2499") << 0.2499 << 0;
        QTest::newRow("0.25") << 0.25 << 1;
        QTest::newRow("0.5") << 0.5 << 2;
        QTest::newRow("0.75") << 0.75 << 3;
        QTest::newRow("0.9999999") << 0.9999999 << 3;
    }
    void supportMessageIsDrawnFromTheSharedGenerator()
    {
        QFETCH(double, x);
        QFETCH(int, n);
        const QString f = QStringLiteral("forum.selvanthe.example");
        QCOMPARE(QString::fromLatin1(shell::kForumHost), f);
        const QString messages[4] = {
            QStringLiteral("Quendra Softwares, such as this can be created and maintained only with your support. "
                           "The best way to support Quendra Vale is to visit ") +
                f + QStringLiteral(" regularly and take part in the discussions and other activities on the board."),
            QStringLiteral("Visit ") + f + QStringLiteral(" regularly. Support ") + f +
                QStringLiteral(" by taking part in the discussions and other activities. These softwares cannot be "
                               "supported and maintained, without you regularly visiting ") +
                f,
            f + QStringLiteral(" is a FREE online discussion forum for all things quendra. To help ") + f +
                QStringLiteral(" develop and maintain this software visit Quendravale regularly."),
            f + QStringLiteral(" needs your help. All you need to do is visit ") + f +
                QStringLiteral(" regularly and take part in the various discussions and activites to help us "
                               "maintain and develop more Quendra Softwares.")};
        QCOMPARE(messages[1].count(f), 3);
        seams().random->values << x;
        shell::frmExitScreen* screen = openExitScreen();
        QCOMPARE(testing::control<platform::Label>(screen, "Label2")->text(), messages[n]);
        QVERIFY(testing::control<platform::Label>(screen, "Label2")->wordWrap());
        QVERIFY(testing::control<platform::Label>(screen, "Label2")->font().bold());
        QVERIFY(seams().random->values.isEmpty());
    }

    void textsAndPlaces()
    {
        shell::frmExitScreen* screen = openExitScreen();
        QCOMPARE(testing::control<QCheckBox>(screen, "Check1")->text(),
                 QStringLiteral("Click Here To Visit forum.selvanthe.example Now"));
        QCOMPARE(testing::control<QPushButton>(screen, "cmdClose")->text(), QStringLiteral("E&xit"));
        QCOMPARE(testing::control<QGroupBox>(screen, "Frame2")->title(), QStringLiteral("Refer A Friend"));
        QCOMPARE(testing::control<QGroupBox>(screen, "Frame6")->title(), QStringLiteral("Download Quendra Softwares"));
        QCOMPARE(testing::control<platform::Clickable>(screen, "lblGoToHome")->text(),
                 QStringLiteral("Click Here To Visit Quendra Softwares"));
        QCOMPARE(testing::control<QPushButton>(screen, "cmdSubmit")->text(), QStringLiteral("Refer A Friend &Now"));
        QCOMPARE(testing::control<platform::Label>(screen, "lblExitCaption")->font().pointSizeF(), 18.0);
        // Sized to its caption rather than to the design's too-small place.
        QVERIFY(testing::control<platform::Label>(screen, "lblExitCaption")->width() >=
                testing::control<platform::Label>(screen, "lblExitCaption")->sizeHint().width());
        QVERIFY(testing::control<platform::Label>(screen, "lblExitCaption")->height() >=
                testing::control<platform::Label>(screen, "lblExitCaption")->sizeHint().height());
        QCOMPARE(testing::control<platform::Label>(screen, "Label3")->parentWidget(),
                 testing::control<QGroupBox>(screen, "Frame6"));
        QCOMPARE(testing::control<QLineEdit>(screen, "txtName")->parentWidget(),
                 testing::control<QGroupBox>(screen, "Frame2"));
        // Inner size as designed, centred on the screen.
        QCOMPARE(platform::tw(screen->width()), 11115.0);
        QCOMPARE(platform::tw(screen->height()), 4725.0);
        QVERIFY(qAbs(screen->Left() - (19200 - 11115) / 2.0) <= 15);
        QVERIFY(qAbs(screen->Top() - (15360 - 4725) / 2.0) <= 15);
        // The message box lies beyond the frame, unseen, but stays in the tab order.
        QCOMPARE(platform::topTw(testing::control<QPlainTextEdit>(screen, "txtMessage")), 3600.0);
        QVERIFY(platform::topTw(testing::control<QPlainTextEdit>(screen, "txtMessage")) >=
                platform::heightTw(testing::control<QGroupBox>(screen, "Frame2")));
        QVERIFY(!testing::control<QPlainTextEdit>(screen, "txtMessage")->isHidden());
        QVERIFY(testing::control<QPlainTextEdit>(screen, "txtMessage")->tabChangesFocus());
    }

    void promotionParagraphKeepsItsSpacesAndApostrophe()
    {
        const QString first = QStringLiteral(
            "If you have enjoyed this software you will surely be interested in our other Quendra Softwares. From a "
            "single software, we have now grown to become the world\u2019s largest resource of quendra softwares. Be "
            "it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our "
            "users a wide choice depending on their interests.");
        const QString second = QStringLiteral(
            "All the programs in the Quendra Softwares suite are simple and easy to use. They are not only fun to use "
            "but also very informative. Try them out today and share your experience with your friends and family. ");
        shell::frmExitScreen* screen = openExitScreen();
        const QString text = testing::control<platform::Label>(screen, "Label3")->text();
        QCOMPARE(text, first + QString(61, QLatin1Char(' ')) + second);
        QCOMPARE(text.size(), first.size() + 61 + second.size());
        QVERIFY(text.contains(QChar(0x2019)));
        QVERIFY(text.endsWith(QStringLiteral("family. ")) && !text.endsWith(QStringLiteral("  ")));
        QCOMPARE(testing::control<platform::Label>(screen, "Label3")->textFormat(), Qt::PlainText);
        QVERIFY(testing::control<platform::Label>(screen, "Label3")->wordWrap());
    }

    void visitBoxOpensTheHomePageAndUnticks()
    {
        shell::frmExitScreen* screen = openExitScreen();
        QApplication::setActiveWindow(screen);
        testing::click(testing::control<QCheckBox>(screen, "Check1"));
        QCOMPARE(seams().shell->opened, QStringList{page("home-page")});
        QVERIFY(!testing::control<QCheckBox>(screen, "Check1")->isChecked());
        QVERIFY(testing::tabTo(testing::control<QCheckBox>(screen, "Check1")));
        QVERIFY(testing::key(Qt::Key_Space));
        QCOMPARE(seams().shell->opened, (QStringList{page("home-page"), page("home-page")}));
        QVERIFY(!testing::control<QCheckBox>(screen, "Check1")->isChecked());
        // Unticked in code: no page.
        testing::control<QCheckBox>(screen, "Check1")->setChecked(true);
        testing::control<QCheckBox>(screen, "Check1")->setChecked(false);
        QCOMPARE(seams().shell->opened.size(), 2);
    }

    void catalogueLinkOpensTheSoftwarePage()
    {
        shell::frmExitScreen* screen = openExitScreen();
        testing::click(testing::control<platform::Clickable>(screen, "lblGoToHome"), Qt::RightButton);
        QVERIFY(seams().shell->opened.isEmpty());
        testing::click(testing::control<platform::Clickable>(screen, "lblGoToHome"));
        QCOMPARE(seams().shell->opened, QStringList{page("quendrasoftwares")});
        QVERIFY(platform::Forms::IsLoaded(QStringLiteral("frmExitScreen")));
    }
};

SELVANTHE_TEST_MAIN(TestExitScreen)
#include "tst_exitscreen.moc"
