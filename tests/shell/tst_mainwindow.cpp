// The main window: its panels and placements, the maker's pages behind every link, the menus, the
// ways of closing it, and the about box.
#include "FindControl.h"
#include "TestMain.h"
#include "Roads.h"
#include "UserInput.h"

#include "FakeToolWindows.h"
#include "platform/PictureBox.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "shell/Quit.h"
#include "shell/ShellForms.h"
#include "ScreenCheck.h"
#include "shell/frmAbout.h"
#include "shell/frmMDI.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

using testing::openMain;
using testing::seams;

namespace {

QString page(const char* key) { return QStringLiteral("https://www.selvanthe.example/selvanthe/ssd.php?page=") + QLatin1String(key); }

template <class T> T* find(QWidget* in, const char* name)
{
    T* w = in->findChild<T*>(QString::fromLatin1(name));
    if (!w)
        qWarning("no control %s", name);
    return w;
}

QStringList barCaptions(QMenuBar* bar)
{
    QStringList out;
    for (QAction* a : bar->actions())
        out << a->text();
    return out;
}

// A tool window with a menu bar of its own.
class MenuChild : public platform::Form {
public:
    MenuChild() : Form(QStringLiteral("frmMenuChild"))
    {
        SetClientSizeTw(4000, 3000);
        QMenu* m = AddBarMenu(QStringLiteral("mnuChildFile"), QStringLiteral("&Child"));
        AddMenuItem(m, QStringLiteral("mnuChildItem"), QStringLiteral("Item"), nullptr);
    }
};

class FakeExitScreen : public platform::Form {
public:
    explicit FakeExitScreen(QStringList* log) : Form(QStringLiteral("frmExitScreen"), Kind::TopLevel), log_(log) {}
    void Form_Load() override { log_->append(QStringLiteral("load:frmExitScreen")); }

private:
    QStringList* log_;
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
    QStringList log;

private slots:
    void init()
    {
        testing::freshProgram();
        log.clear();
        testing::registerFakeToolWindows(&log);
    }

    void startsWithTheWelcomePanelOnly()
    {
        auto* mdi = openMain();
        QCOMPARE(mdi->windowTitle(), QStringLiteral("Selvanthe v1.15"));
        for (const char* shown : {"Picture6", "Picture1", "picMain", "PicCoBrand"})
            QVERIFY2(!find<QWidget>(mdi, shown)->isHidden(), shown);
        for (const char* hidden : {"picTop", "picLeft", "picRight", "picRunesReadingTop"})
            QVERIFY2(find<QWidget>(mdi, hidden)->isHidden(), hidden);
        QVERIFY(!(mdi->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(platform::Forms::Loaded().size(), 1);  // no tool window is built before its tool opens

        const QStringList captions = {"Welcome to Selvanthe", "", "Selvanthe includes the following programs",
                                      "Keldamar", "Tarot Reading", "Runic Tarot"};
        for (int i = 0; i < 6; ++i)
            if (!captions[i].isEmpty())
                QCOMPARE(testing::control<QWidget>(mdi, "lblCaption", size_t(i))->property("text").toString(),
                         captions[i]);
        QVERIFY(testing::control<QWidget>(mdi, "lblCaption", 1)
                    ->property("text")
                    .toString()
                    .startsWith(QStringLiteral("Tarot and Runes have been very popular")));
        QVERIFY(testing::control<QWidget>(mdi, "lblCaption", 1)
                    ->property("text")
                    .toString()
                    .endsWith(QStringLiteral("useful softwares that can help you in your everyday life.")));
        QCOMPARE(find<QPushButton>(mdi, "cmdSelectOption(0)")->text(), QStringLiteral("Keldamar"));
        QCOMPARE(find<QPushButton>(mdi, "cmdSelectOption(1)")->text(), QStringLiteral("Tarot Reading"));
        QCOMPARE(find<QPushButton>(mdi, "cmdSelectOption(2)")->text(), QStringLiteral("Runic Tarot"));
        // Left to right: Tarot Reading, Keldamar, Runic Tarot.
        QVERIFY(testing::control<QPushButton>(mdi, "cmdSelectOption", 1)->x() <
                testing::control<QPushButton>(mdi, "cmdSelectOption", 0)->x());
        QVERIFY(testing::control<QPushButton>(mdi, "cmdSelectOption", 0)->x() <
                testing::control<QPushButton>(mdi, "cmdSelectOption", 2)->x());
        for (const char* box : {"txtName", "txtDOB", "txtCountry", "txtQ"})
            QCOMPARE(find<QLineEdit>(mdi, box)->text(), QStringLiteral("aa"));
        QCOMPARE(testing::control<QPushButton>(mdi, "cmdPrint")->text(), QStringLiteral("&Print"));
        QCOMPARE(testing::control<QPushButton>(mdi, "cmdSave")->text(), QStringLiteral("&Save"));
        QCOMPARE(testing::control<QPushButton>(mdi, "cmdMdiExit")->text(), QStringLiteral("E&xit"));
        QCOMPARE(testing::control<QPushButton>(mdi, "Check1")->text(), QStringLiteral("Donate"));
        QStringList steps;
        for (QLabel* l : testing::controls<platform::Label>(mdi, "lblScreenInfo"))
            steps << l->text();
        QCOMPARE(steps, (QStringList{"Keldamar", ">>", "Enter Data", ">>", "Runes", ">>", "Spread", ">>", "Result"}));
        QCOMPARE(testing::control<QWidget>(mdi, "Picture6")->palette().color(QPalette::Window), QColor(192, 192, 255));
        QCOMPARE(testing::control<QWidget>(mdi, "picRunesReadingTop")->palette().color(QPalette::Window),
                 QColor(0, 0, 128));
        QCOMPARE(testing::control<QWidget>(mdi, "picMain")->palette().color(QPalette::Window), QColor(Qt::black));
        QVERIFY(testing::control<platform::Clickable>(mdi, "lblQuendravaleBanner")
                    ->text()
                    .endsWith(QStringLiteral("www.selvanthe.example")));
        QVERIFY(testing::control<platform::Clickable>(mdi, "lblQuendravaleBanner")->text().size() <= 80);
        QVERIFY(find<platform::RichTextBox>(mdi, "RTB"));
        QVERIFY(find<platform::RichTextBox>(mdi, "rtb1")->isHidden());
    }

    void placementsFollowTheScreenWidth()
    {
        auto* mdi = openMain();
        using platform::leftTw;
        QCOMPARE(leftTw(testing::control<platform::Clickable>(mdi, "lblQuendravaleBanner")), 4860.0);
        QCOMPARE(leftTw(testing::control<QFrame>(mdi, "picButtonContainer")), 4132.5);
        QCOMPARE(leftTw(testing::control<QWidget>(mdi, "lblCaption", 1)), 5572.5);
        QCOMPARE(leftTw(testing::control<QPushButton>(mdi, "cmdMdiExit")), 17745.0);
        for (QWidget* l : testing::controls<QWidget>(mdi, "lblCaption"))
            QCOMPARE(leftTw(l) * 2 + platform::widthTw(l), 19200.0);

        mdi->resize(1000, mdi->height());  // 15000 twips
        QCOMPARE(leftTw(testing::control<QPushButton>(mdi, "cmdPrint")), 13005.0);
        QCOMPARE(leftTw(testing::control<QPushButton>(mdi, "cmdSave")), 11210.0);
    }

    void workAreaFollowsThePanelsAtOnce()
    {
        auto* mdi = openMain();
        // The work area is on view once the welcome panel is not, as a tool opens.
        testing::control<QWidget>(mdi, "picMain")->hide();
        const double wide = mdi->ScaleWidth();
        testing::control<platform::PictureBox>(mdi, "picLeft")->show();
        QCOMPARE(mdi->ScaleWidth(), wide - 3285);
        testing::control<platform::PictureBox>(mdi, "picLeft")->hide();
        QCOMPARE(mdi->ScaleWidth(), wide);
    }

    void everyLinkOpensItsOwnPage()
    {
        auto* mdi = openMain();
        struct Road {
            std::function<void()> use;
            QString address;
        };
        const QList<Road> roads = {
            {[&] { testing::click(testing::control<platform::Clickable>(mdi, "lblQuendravaleBanner")); },
             page("home-page")},
            {[&] { testing::click(testing::control<QWidget>(mdi, "Picture6"), QPoint(2, 2)); }, page("home-page")},
            {[&] { testing::click(testing::control<platform::Clickable>(mdi, "Label7")); }, page("fully-branded")},
            {[&] { QVERIFY(testing::chooseMenu(find<QAction>(mdi, "mnuOnline"))); }, page("help-web-page")},
            {[&] { QVERIFY(testing::chooseMenu(find<QAction>(mdi, "mnuVisit"))); }, page("home-page")},
            {[&] { QVERIFY(testing::chooseMenu(find<QAction>(mdi, "mnuUpdate"))); }, page("download-web-page")},
            {[&] { QVERIFY(testing::chooseMenu(find<QAction>(mdi, "mnuDonate"))); }, page("donate")},
            {[&] { QVERIFY(testing::chooseMenu(find<QAction>(mdi, "mkmoney"))); }, page("fully-branded")},
        };
        for (const Road& r : roads) {
            seams().shell->opened.clear();
            r.use();
            QCOMPARE(seams().shell->opened, QStringList{r.address});
        }
        // Donate stands on the runes tool's side panel, on view while that tool runs.
        testing::click(testing::control<QPushButton>(mdi, "cmdSelectOption", 0));
        QVERIFY(testing::control<QPushButton>(mdi, "Check1")->isVisible());
        seams().shell->opened.clear();
        testing::click(testing::control<QPushButton>(mdi, "Check1"));
        testing::click(testing::control<QPushButton>(mdi, "Check1"));
        QCOMPARE(seams().shell->opened, (QStringList{page("donate"), page("donate")}));
        QVERIFY(!testing::control<QPushButton>(mdi, "Check1")->isChecked());
    }

    void menusAreAsDesigned()
    {
        auto* mdi = openMain();
        QCOMPARE(barCaptions(testing::control<QMenuBar>(mdi, "menuBar")),
                 (QStringList {"&File", "&Help", "&Donate", "Make Money &Online"}));
        QStringList help;
        for (QAction* a : find<QMenu>(mdi, "mnuHelp")->actions())
            help << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(help, (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-",
                                    "&About Software"}));
        QCOMPARE(find<QAction>(mdi, "mnuExit")->text(), QStringLiteral("E&xit"));
        QVERIFY(find<QAction>(mdi, "mkmoney")->isEnabled());
    }

    void activeVisibleChildShowsItsOwnMenus()
    {
        auto* mdi = openMain();
        platform::Forms::Register(QStringLiteral("frmMenuChild"), [] { return new MenuChild; });
        platform::Form* child = platform::Forms::Get(QStringLiteral("frmMenuChild"));
        child->Show();
        QCOMPARE(barCaptions(testing::control<QMenuBar>(mdi, "menuBar")), QStringList {"&Child"});
        child->Hide();
        QCOMPARE(barCaptions(testing::control<QMenuBar>(mdi, "menuBar")).first(), QStringLiteral("&File"));
        child->Show();
        QCOMPARE(barCaptions(testing::control<QMenuBar>(mdi, "menuBar")), QStringList {"&Child"});
        platform::Forms::Unload(child);
        QCOMPARE(barCaptions(testing::control<QMenuBar>(mdi, "menuBar")).size(), 4);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(barCaptions(testing::control<QMenuBar>(mdi, "menuBar")).size(), 4);
    }

    void linksUnderlineUntilThePointerCrossesThePanel()
    {
        auto* mdi = openMain();
        for (int i = 0; i < 6; ++i)
            testing::movePointer(testing::control<QWidget>(mdi, "lblCaption", size_t(i)));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(testing::control<QWidget>(mdi, "lblCaption", size_t(i))->font().underline(), i >= 3);
        QVERIFY(testing::movePointer(testing::control<QWidget>(mdi, "picMain"), QPoint(3, 3)));
        for (QWidget* l : testing::controls<QWidget>(mdi, "lblCaption"))
            QVERIFY(!l->font().underline());
    }

    void closeRoads_data()
    {
        QTest::addColumn<int>("road");
        QTest::newRow("close box") << 0;
        QTest::newRow("Exit button") << 1;
        QTest::newRow("File Exit") << 2;
    }
    void closeRoads()
    {
        QFETCH(int, road);
        platform::Forms::Register(QStringLiteral("frmExitScreen"), [this] { return new FakeExitScreen(&log); });
        auto* mdi = openMain();
        testing::click(testing::control<QPushButton>(mdi, "cmdSelectOption", 1));
        log.clear();
        const auto close = [&] {
            if (road == 0)
                mdi->close();
            else if (road == 1)
                testing::click(testing::control<QPushButton>(mdi, "cmdMdiExit"));
            else
                QVERIFY(testing::chooseMenu(find<QAction>(mdi, "mnuExit")));
        };
        {
            shell::BusyScope busy;
            close();
            QVERIFY(platform::Forms::IsLoaded(QStringLiteral("frmMDI")));
            QVERIFY(log.isEmpty());
        }
        close();
        QCOMPARE(log, (QStringList{"unload:frmTarotOpen", "load:frmExitScreen"}));
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmMDI")));
        QVERIFY(platform::Forms::IsLoaded(QStringLiteral("frmExitScreen")));
        QCOMPARE(seams().exit->exits, 0);
        shell::RegisterShellForms();
    }

    void withoutAnExitScreenClosingEndsTheProgram()
    {
        platform::Forms::Unregister(QStringLiteral("frmExitScreen"));
        auto* mdi = openMain();
        // Called directly: the end of the process is an exception here, which must not cross Qt's event delivery.
        QVERIFY_THROWS_EXCEPTION(testing::ProcessEnded, mdi->cmdMdiExit_Click());
        QCOMPARE(seams().exit->exits, 1);
        shell::RegisterShellForms();
    }

    void aboutBoxIsModalAndItsLinksKeepItOpen()
    {
        auto* mdi = openMain();
        bool checked = false;
        testing::once([] { return platform::Forms::IsLoaded(QStringLiteral("frmAbout")); }, [&] {
            auto* about = platform::Forms::Peek<shell::frmAbout>();
            QVERIFY(about && about->isVisible());
            QVERIFY(about->isModal());
            QCOMPARE(about->windowTitle(), QStringLiteral("Selvanthe v1.15"));
            QCOMPARE(testing::control<platform::Label>(about, "Label2")->text(), QStringLiteral("Selvanthe v1.15"));
            QCOMPARE(testing::control<platform::Clickable>(about, "lblHomePage")->text(),
                     QStringLiteral("Click here to visit www.selvanthe.example"));
            QVERIFY(testing::control<platform::Label>(about, "Label3")->text().endsWith(QStringLiteral("website. ")));
            QCOMPARE(testing::control<platform::Clickable>(about, "lblCobrand")->text(),
                     QStringLiteral("Click here for more details."));
            QCOMPARE(testing::control<QPushButton>(about, "cmdOK")->text(), QStringLiteral("&OK"));
            QCOMPARE(testing::UnreadableButtons(about), QStringList());
            testing::click(testing::control<platform::Clickable>(about, "lblHomePage"));
            testing::click(testing::control<platform::Clickable>(about, "lblCobrand"));
            QVERIFY(platform::Forms::IsLoaded(QStringLiteral("frmAbout")));
            checked = true;
            testing::click(testing::control<QPushButton>(about, "cmdOK"));
        });
        QVERIFY(testing::chooseMenu(find<QAction>(mdi, "mnuAbout")));
        QVERIFY(checked);
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmAbout")));
        QCOMPARE(seams().shell->opened, (QStringList{page("home-page"), page("fully-branded")}));
    }
};

SELVANTHE_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
