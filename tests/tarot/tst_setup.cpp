// The set-up screen: its load and the reset of the reading's state, the spread and deck choice, the
// arcana options, the spread menu, the hand-over of AutoCast and Manual with the AutoCast pause, and the
// ways of leaving it.
#include "Roads.h"
#include "FindControl.h"
#include "TarotRoad.h"
#include "UserInput.h"

#include "platform/PictureBox.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "shell/Quit.h"
#include "shell/modHelp.h"
#include "tarot/HandOver.h"
#include "tarot/SpreadCatalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>

using testing::TarotRoad;

namespace {

enum Road { AutoCastButton, AutoCastMenu, ManualButton, ManualMenu };

struct Options {
    bool minor = false;
    bool major = false;
    bool reverse = true;
};

QStringList actionNames(const QList<QAction*>& actions)
{
    QStringList out;
    for (QAction* a : actions)
        out << a->objectName() + QLatin1Char('=') + (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

QAction* action(QWidget* form, const char* name) { return form->findChild<QAction*>(QString::fromLatin1(name)); }

bool writePicture(const QString& file, QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::darkBlue);
    return img.save(file, "JPG");
}

} // namespace

Q_DECLARE_METATYPE(Road)

class TestSetUp : public QObject {
    Q_OBJECT
    TarotRoad road;

    // The road to the set-up screen with the querent's details typed in.
    tarot::frmTarot* setUpFor(const QString& name, const QString& country, const QString& question)
    {
        tarot::frmTarotFront* front = road.querent();
        if (!front)
            return nullptr;
        if (!testing::typeInto(testing::control<QLineEdit>(front, "txtName"), name) ||
            !testing::typeInto(testing::control<QLineEdit>(front, "txtCountry"), country) ||
            !testing::typeInto(testing::control<QPlainTextEdit>(front, "txtQuestion"), question))
            return nullptr;
        if (!testing::chooseEntry(testing::control<QComboBox>(front, "cmbDate"), 8))
            return nullptr;
        if (!testing::chooseEntry(testing::control<QComboBox>(front, "cmbMonth"), 2))
            return nullptr;
        if (!testing::chooseEntry(testing::control<QComboBox>(front, "cmbYear"), 101))
            return nullptr;
        testing::click(testing::control<QPushButton>(front, "cmdNext"));
        return platform::Forms::Peek<tarot::frmTarot>();
    }

private slots:
    void init() { road.start(); }
    void cleanup() { road.finish(); }

    void beforeAnyLoadTheStateIsAtItsStart()
    {
        road.querent();
        const tarot::TarotState& s = tarot::State();
        QCOMPARE(s.TarotSpreadName, QString());
        QCOMPARE(s.SpreadCardCount, 0);
        QCOMPARE(s.DeckLetter, QString());
        QVERIFY(!s.DrawnCards.HasStorage());
        QVERIFY(!s.ReversedCards.HasStorage());
    }

    void loadResetsTheHandOverOnly()
    {
        tarot::TarotState& s = tarot::State();
        s.SpreadCardCount = 7;
        s.MinorArcanaOnly = s.MajorArcanaOnly = s.AllowReversed = true;
        s.TarotSpreadName = QStringLiteral("Tree of Life");
        s.AutoCastChosen = s.ManualChosen = s.ManualMode = true;
        s.DeckIndex = 1;
        s.DeckLetter = QStringLiteral("m");
        s.DrawnCards.ReDim(3);
        s.ReversedCards.ReDim(1);
        s.TarotSpreadIndex = 11;
        s.ReadingOpenedFromFile = true;
        s.OpenedSpreadName = QStringLiteral("One Card");
        s.OpenedCards.ReDim(1);
        s.OpenedCards(0) = 17;
        s.OpenedReversedCards.ReDim(0);
        s.ReadingSpreadName = QStringLiteral("One Card");

        tarot::frmTarot* setUp = road.setUp();
        QVERIFY(setUp);

        QCOMPARE(s.SpreadCardCount, -1);
        QVERIFY(!s.MinorArcanaOnly && !s.MajorArcanaOnly && !s.AllowReversed);
        QCOMPARE(s.TarotSpreadName, QStringLiteral("-1"));
        QVERIFY(!s.AutoCastChosen && !s.ManualChosen && !s.ManualMode);
        QCOMPARE(s.DeckIndex, std::int16_t(0));
        QCOMPARE(s.DeckLetter, QStringLiteral("o"));
        QVERIFY(!s.DrawnCards.HasStorage());
        QVERIFY(!s.ReversedCards.HasStorage());
        QCOMPARE(s.TarotSpreadIndex, 0);
        // The opened reading and the name of the reading being written are not the load's.
        QVERIFY(s.ReadingOpenedFromFile);
        QCOMPARE(s.OpenedSpreadName, QStringLiteral("One Card"));
        QCOMPARE(s.OpenedCards.UBound(), 1);
        QCOMPARE(s.OpenedCards(0), 17);
        QCOMPARE(s.OpenedReversedCards.UBound(), 0);
        QCOMPARE(s.ReadingSpreadName, QStringLiteral("One Card"));

        QCOMPARE(testing::control<QComboBox>(setUp, "cboCards")->count(), 2);
        QCOMPARE(testing::control<QComboBox>(setUp, "cboCards")->itemText(0),
                 QStringLiteral("Orlund Teague Tarot Deck"));
        QCOMPARE(testing::control<QComboBox>(setUp, "cboCards")->itemText(1), QStringLiteral("Marseilles Tarot Deck"));
        QCOMPARE(testing::control<QComboBox>(setUp, "cboCards")->currentIndex(), 0);
        QVERIFY(!testing::control<QComboBox>(setUp, "cboCards")->isEditable());
        QStringList spreads;
        for (int i = 0; i < testing::control<QListWidget>(setUp, "lstOption")->count(); ++i)
            spreads << testing::control<QListWidget>(setUp, "lstOption")->item(i)->text();
        QCOMPARE(spreads, tarot::catalogue::SpreadTexts());
        QCOMPARE(testing::control<QListWidget>(setUp, "lstOption")->currentRow(), 0);
        QCOMPARE(testing::control<QPlainTextEdit>(setUp, "txtDisp")->toPlainText(),
                 tarot::catalogue::SpreadDescription(0));
        QCOMPARE(setUp->no, 10);
        QCOMPARE(setUp->MaxCardInSet, std::int16_t(0));
        QVERIFY(testing::control<QCheckBox>(setUp, "chkRev")->isChecked());
        QVERIFY(!testing::control<QCheckBox>(setUp, "chkLA")->isChecked());
        QVERIFY(!testing::control<QCheckBox>(setUp, "chkHA")->isChecked());
        QVERIFY(testing::control<QFrame>(setUp, "picMessage")->isHidden());
        QCOMPARE(setUp->Left(), (19200 - setUp->Width()) / 2);
        QCOMPARE(setUp->Top(), 0.0);
        for (QWidget* box : std::initializer_list<QWidget*> {testing::control<QLineEdit>(setUp, "txtName"),
                                                             testing::control<QLineEdit>(setUp, "txtDOB"),
                                                             testing::control<QLineEdit>(setUp, "txtCountry")})
            QVERIFY(static_cast<QLineEdit*>(box)->isReadOnly());
        QVERIFY(testing::control<QPlainTextEdit>(setUp, "txtQ")->isReadOnly());
        QVERIFY(testing::control<QPlainTextEdit>(setUp, "txtDisp")->isReadOnly());
    }

    void captionsAndMenus()
    {
        tarot::frmTarot* setUp = road.setUp();
        QVERIFY(setUp);
        QCOMPARE(setUp->windowTitle(), QStringLiteral("Ostrevan"));
        const QList<std::pair<QString, QString>> texts = {
            {testing::control<platform::Label>(setUp, "Label4", 0)->text(), "Select Deck"},
            {testing::control<platform::Label>(setUp, "Label4", 1)->text(), "Select Spread"},
            {testing::control<QGroupBox>(setUp, "frmArcane")->title(), "Select One Option"},
            {testing::control<QCheckBox>(setUp, "chkLA")->text(), "Minor Arcana"},
            {testing::control<QCheckBox>(setUp, "chkHA")->text(), "Major Arcana"},
            {testing::control<platform::Label>(setUp, "Label3")->text(), "Allow Reverse Cards"},
            {testing::control<QPushButton>(setUp, "cmdAuto")->text(), "AutoCast"},
            {testing::control<QPushButton>(setUp, "cmdManual")->text(), "Manual"},
            {testing::control<QPushButton>(setUp, "cmdBack")->text(), "Back"},
            {testing::control<QPushButton>(setUp, "cmdCancel")->text(), "Exit"},
            {testing::control<platform::Label>(setUp, "Label1")->text(), "Please Wait ..."},
            {testing::control<platform::Label>(setUp, "Label2")->text(), "Ostrevan is generating the Tarot result...."},
            {testing::control<platform::Label>(setUp, "lblName")->text(), "Name"},
            {testing::control<platform::Label>(setUp, "lblDOB")->text(), "Date of Birth"},
            {testing::control<platform::Label>(setUp, "lblCountry")->text(), "Country"},
            {testing::control<platform::Label>(setUp, "lblQ")->text(), "Question"}};
        for (const auto& [shown, expected] : texts)
            QCOMPARE(shown, expected);
        QVERIFY(testing::control<platform::Clickable>(setUp, "Label6")
                    ->text()
                    .endsWith(QString::fromLatin1(shell::kSiteAddress)));

        QCOMPARE(actionNames(setUp->menuBarActions()),
                 (QStringList{"mnuFile=&File", "mnuHelpMenu=&Help", "mnuDonate=Donate",
                              "mnuMakeMoney=Make Money &Online"}));
        QMenu* file = setUp->menuBarActions()[0]->menu();
        QCOMPARE(actionNames(file->actions()),
                 (QStringList{"mnuSpread=Choose &Scenario", "mnuFileSep1=-", "mnuManual=&Manual", "mnuCast=Auto&Cast",
                              "mnuBack=Back", "mnuFileSep2=-", "mnuExit=&Exit"}));
        QCOMPARE(actionNames(file->actions()[0]->menu()->actions()),
                 (QStringList{"mnuCeltic=&Celtic Cross", "mnuOne=&One Card", "mnuTwo=T&wo Cards",
                              "mnyThree=T&hree Cards", "mnuAldric=&Aldric Fenn Wheel Spread(Tamsett)",
                              "mnuLine=The &Line Spread", "mnuSeven=&Seven card chakra layout",
                              "mnuFour=&Four Seasons Spread(Verloni/Ashby)", "mnuRelationship=&Relationship Spread",
                              "mnuRomany=The Romany/ &Gypsy Spread", "mnuZodiac=&Zodiac Spread",
                              "mnuTree=&Tree of Life", "mnuNumerology=&Numerology Spread"}));
        QCOMPARE(actionNames(setUp->menuBarActions()[1]->menu()->actions()),
                 (QStringList{"mnuOnline=&Online Help", "mnuVisit=&Visit Us Online", "mnuHelpSep1=-",
                              "mnuUpdate=Check for Software &Update", "mnuHelpSep2=-",
                              "mnuSoftware=&About Software"}));
    }

    void pagesOpenFromMenusAndBanner_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("page");
        const auto page = testing::pageOpenedBy;
        QTest::newRow("online help") << "mnuOnline" << page(shell::OpenHelpPage);
        QTest::newRow("visit") << "mnuVisit" << page(shell::OpenHomePage);
        QTest::newRow("update") << "mnuUpdate" << page(shell::OpenDownloadPage);
        QTest::newRow("donate") << "mnuDonate" << page(shell::OpenDonatePage);
        QTest::newRow("make money") << "mnuMakeMoney" << page(shell::OpenFullBrandPage);
        QTest::newRow("banner") << "Label6" << page(shell::OpenHomePage);
    }
    void pagesOpenFromMenusAndBanner()
    {
        QFETCH(QString, action);
        QFETCH(QString, page);
        tarot::frmTarot* setUp = road.setUp();
        QVERIFY(setUp);
        QCOMPARE(testing::pagesOpenedFrom(setUp, testing::control<platform::Clickable>(setUp, "Label6"), action),
                 QStringList {page});
    }

    void showSpreadInfo_data()
    {
        QTest::addColumn<QList<int>>("indexes");
        QTest::addColumn<int>("maxCardInSet");
        QTest::addColumn<int>("no");
        QTest::addColumn<int>("description");
        QTest::newRow("0") << QList<int>{0} << 0 << 10 << 0;
        QTest::newRow("4 then 5: same count, new text") << QList<int>{4, 5} << 5 << 5 << 5;
        QTest::newRow("12") << QList<int>{12} << 12 << 9 << 12;
        QTest::newRow("13 changes only the index") << QList<int>{3, 13} << 13 << 3 << 3;
        QTest::newRow("-1 changes only the index") << QList<int>{9, -1} << -1 << 21 << 9;
    }
    void showSpreadInfo()
    {
        QFETCH(QList<int>, indexes);
        QFETCH(int, maxCardInSet);
        QFETCH(int, no);
        QFETCH(int, description);
        tarot::frmTarot* setUp = road.setUp();
        QVERIFY(setUp);
        // The routine behind the list's choice, called also with indexes no entry has.
        for (int index : indexes)
            setUp->ShowSpreadInfo(std::int16_t(index));
        QCOMPARE(int(setUp->MaxCardInSet), maxCardInSet);
        QCOMPARE(setUp->no, no);
        QCOMPARE(testing::control<QPlainTextEdit>(setUp, "txtDisp")->toPlainText(),
                 tarot::catalogue::SpreadDescription(description));
    }

    void chakraDescriptionKeepsItsDoubleSpace()
    {
        tarot::frmTarot* setUp = road.setUp();
        QVERIFY(testing::clickEntry(testing::control<QListWidget>(setUp, "lstOption"), 6));
        QVERIFY(testing::control<QPlainTextEdit>(setUp, "txtDisp")
                    ->toPlainText()
                    .contains(QLatin1String("top.  This spread is very useful")));
    }

    void spreadPictureFollowsTheChoiceAndMayBeMissing()
    {
        // c0 and c4 are there, every other spread picture is missing.
        const QString root = road.programFolder();
        QVERIFY(writePicture(QDir(root).filePath(QStringLiteral("pic/c0.jpg")), QSize(40, 50)));
        QVERIFY(writePicture(QDir(root).filePath(QStringLiteral("pic/c4.jpg")), QSize(60, 70)));
        platform::setAppPath(root);
        tarot::frmTarot* setUp = road.setUp();
        QVERIFY(setUp);
        QCOMPARE(testing::control<platform::PictureBox>(setUp, "pctCard")->picture().size(), QSize(40, 50));
        QVERIFY(testing::clickEntry(testing::control<QListWidget>(setUp, "lstOption"), 4));
        QCOMPARE(testing::control<platform::PictureBox>(setUp, "pctCard")->picture().size(), QSize(60, 70));
        QVERIFY(testing::clickEntry(testing::control<QListWidget>(setUp, "lstOption"), 5));
        QVERIFY(testing::control<platform::PictureBox>(setUp, "pctCard")
                    ->picture()
                    .isNull()); // not the wheel's picture left over
        QCOMPARE(setUp->no, 5);
        QCOMPARE(setUp->MaxCardInSet, std::int16_t(5));
        QCOMPARE(testing::control<QPlainTextEdit>(setUp, "txtDisp")->toPlainText(),
                 tarot::catalogue::SpreadDescription(5));
        QCOMPARE(tarot::State().TarotSpreadIndex, 5);
        QVERIFY(testing::seams().messages->shown.isEmpty());
    }

    void theBuiltSpreadPicturesAreShown()
    {
        const QString runtime = QStringLiteral(SELVANTHE_RUNTIME_DIR);
        // The build draws the folders beside the program; the tarot tool must find them there.
        QVERIFY(QFileInfo::exists(QDir(runtime).filePath(QStringLiteral("pic/c12.jpg"))));
        platform::setAppPath(runtime);
        tarot::frmTarot* setUp = road.setUp();
        QVERIFY(setUp);
        QVERIFY(testing::seams().messages->shown.isEmpty());
        for (int k = 0; k < tarot::catalogue::SpreadCount; ++k) {
            QVERIFY(testing::clickEntry(testing::control<QListWidget>(setUp, "lstOption"), k));
            QVERIFY2(!testing::control<platform::PictureBox>(setUp, "pctCard")->picture().isNull(),
                     qPrintable(QString::number(k)));
        }
    }

    void arcanaOptionsExcludeEachOther_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<bool>("minor");
        QTest::addColumn<bool>("major");
        QTest::newRow("minor") << "L" << true << false;
        QTest::newRow("major") << "H" << false << true;
        QTest::newRow("minor, then major") << "LH" << false << true;
        QTest::newRow("major, then minor") << "HL" << true << false;
        QTest::newRow("minor, untick") << "LL" << false << false;
        QTest::newRow("minor, major, untick major") << "LHH" << false << false;
    }
    void arcanaOptionsExcludeEachOther()
    {
        QFETCH(QString, clicks);
        QFETCH(bool, minor);
        QFETCH(bool, major);
        tarot::frmTarot* setUp = road.setUp();
        QVERIFY(setUp);
        for (QChar c : clicks)
            testing::click(c == QLatin1Char('L') ? testing::control<QCheckBox>(setUp, "chkLA")
                                                 : testing::control<QCheckBox>(setUp, "chkHA"));
        QCOMPARE(testing::control<QCheckBox>(setUp, "chkLA")->isChecked(), minor);
        QCOMPARE(testing::control<QCheckBox>(setUp, "chkHA")->isChecked(), major);
        QVERIFY(testing::control<QCheckBox>(setUp, "chkRev")->isChecked());
    }

    void spreadMenuSelectsItsEntry_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("index");
        const char* const items[] = {"mnuCeltic", "mnuOne",  "mnuTwo",    "mnyThree", "mnuAldric",
                                     "mnuLine",   "mnuSeven", "mnuFour",  "mnuRelationship", "mnuRomany",
                                     "mnuZodiac", "mnuTree", "mnuNumerology"};
        for (int k = 0; k < 13; ++k)
            QTest::newRow(items[k]) << QString::fromLatin1(items[k]) << k;
    }
    void spreadMenuSelectsItsEntry()
    {
        QFETCH(QString, item);
        QFETCH(int, index);
        tarot::frmTarot* setUp = road.setUp();
        QVERIFY(setUp);
        QVERIFY(testing::clickEntry(testing::control<QListWidget>(setUp, "lstOption"), index == 1 ? 2 : 1));
        QVERIFY(testing::chooseMenu(setUp->findChild<QAction*>(item)));
        QCOMPARE(testing::control<QListWidget>(setUp, "lstOption")->currentRow(), index);
        QCOMPARE(tarot::State().TarotSpreadIndex, index);
        QCOMPARE(int(setUp->MaxCardInSet), index);
        QCOMPARE(setUp->no, tarot::catalogue::SpreadCards(index));
        QCOMPARE(testing::control<QPlainTextEdit>(setUp, "txtDisp")->toPlainText(),
                 tarot::catalogue::SpreadDescription(index));
        // What is handed over is the list's text, whatever the menu item's case.
        testing::click(testing::control<QPushButton>(setUp, "cmdManual"));
        QCOMPARE(tarot::State().TarotSpreadName, tarot::catalogue::SpreadText(index));
    }

    void handOver_data()
    {
        QTest::addColumn<Road>("road");
        QTest::addColumn<bool>("minor");
        QTest::addColumn<bool>("major");
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<int>("spread");
        QTest::addColumn<int>("deck");
        const QList<std::pair<const char*, Options>> sets = {
            {"whole deck", {false, false, false}},    {"minor", {true, false, false}},
            {"major", {false, true, false}},          {"reverse", {false, false, true}},
            {"minor reversed", {true, false, true}}, {"major reversed", {false, true, true}}};
        const QList<std::pair<const char*, Road>> roads = {{"AutoCast", AutoCastButton},
                                                           {"menu AutoCast", AutoCastMenu},
                                                           {"Manual", ManualButton},
                                                           {"menu Manual", ManualMenu}};
        int row = 0;
        for (const auto& [roadName, r] : roads)
            for (const auto& [setName, o] : sets) {
                QTest::addRow("%s, %s", roadName, setName) << r << o.minor << o.major << o.reverse << row % 13 << row % 2;
                ++row;
            }
        for (int k = 0; k < tarot::catalogue::SpreadCount; ++k)
            for (Road r : {AutoCastButton, ManualButton})
                QTest::addRow("%s, spread %d", r == AutoCastButton ? "AutoCast" : "Manual", k)
                    << r << false << false << true << k << 0;
    }
    void handOver()
    {
        QFETCH(Road, road);
        QFETCH(bool, minor);
        QFETCH(bool, major);
        QFETCH(bool, reverse);
        QFETCH(int, spread);
        QFETCH(int, deck);
        const bool autoCast = road == AutoCastButton || road == AutoCastMenu;
        shell::frmMDI* mdi = this->road.main();
        tarot::frmTarot* setUp = setUpFor(QStringLiteral("Ann Lee"), QStringLiteral("Wales"), QStringLiteral("Love?"));
        QVERIFY(setUp);
        QVERIFY(testing::chooseEntry(testing::control<QComboBox>(setUp, "cboCards"), deck));
        QVERIFY(testing::clickEntry(testing::control<QListWidget>(setUp, "lstOption"), spread));
        testing::setTicked(testing::control<QCheckBox>(setUp, "chkLA"), minor);
        testing::setTicked(testing::control<QCheckBox>(setUp, "chkHA"), major);
        testing::setTicked(testing::control<QCheckBox>(setUp, "chkRev"), reverse);
        // What an opened reading may have left behind.
        tarot::TarotState& s = tarot::State();
        s.DrawnCards.ReDim(9);
        s.ReversedCards.ReDim(2);
        s.DeckLetter = deck == 0 ? QStringLiteral("m") : QStringLiteral("o");
        // An earlier reading still on show.
        platform::Forms::Get(QStringLiteral("frmAuto"))->Show();
        const QStringList barBefore = {
            testing::control<QLineEdit>(mdi, "txtName")->text(), testing::control<QLineEdit>(mdi, "txtDOB")->text(),
            testing::control<QLineEdit>(mdi, "txtCountry")->text(), testing::control<QLineEdit>(mdi, "txtQ")->text()};
        testing::control<QWidget>(mdi, "picRight")->hide();
        this->road.log.clear();
        testing::seams().scheduler->requestedDelays.clear();

        // The earlier reading's window came to the front last: the user brings the set-up screen forward to
        // use its menus.
        if (road == AutoCastMenu || road == ManualMenu)
            QVERIFY(testing::clickTitle(setUp));
        const QPointer<tarot::frmTarot> alive = setUp;
        switch (road) {
        case AutoCastButton: testing::click(testing::control<QPushButton>(setUp, "cmdAuto")); break;
        case AutoCastMenu: QVERIFY(testing::chooseMenu(action(setUp, "mnuCast"))); break;
        case ManualButton: testing::click(testing::control<QPushButton>(setUp, "cmdManual")); break;
        case ManualMenu: QVERIFY(testing::chooseMenu(action(setUp, "mnuManual"))); break;
        }

        const QString name = tarot::catalogue::SpreadText(spread);
        QCOMPARE(s.TarotSpreadName, name);
        QCOMPARE(s.SpreadCardCount, tarot::catalogue::SpreadCards(spread));
        QCOMPARE(s.TarotSpreadIndex, spread);
        QCOMPARE(s.MinorArcanaOnly, minor);
        QCOMPARE(s.MajorArcanaOnly, major);
        QCOMPARE(s.AllowReversed, reverse);
        QCOMPARE(s.AutoCastChosen, autoCast);
        QCOMPARE(s.ManualChosen, !autoCast);
        QCOMPARE(s.ManualMode, !autoCast);
        QVERIFY(!s.DrawnCards.HasStorage());
        QVERIFY(!s.ReversedCards.HasStorage());
        QCOMPARE(int(s.DeckIndex), deck);
        QCOMPARE(s.DeckLetter, deck == 0 ? QStringLiteral("o") : QStringLiteral("m"));
        QVERIFY(!shell::IsBusy());

        QCOMPARE(testing::seams().scheduler->requestedDelays, autoCast && !reverse ? QList<int>{3000} : QList<int>{});
        QVERIFY(testing::control<QWidget>(mdi, "picMain")->isHidden());
        QVERIFY(!TarotRoad::onView(platform::Forms::Peek<tarot::frmTarotFront>()));
        const QStringList bar = {
            testing::control<QLineEdit>(mdi, "txtName")->text(), testing::control<QLineEdit>(mdi, "txtDOB")->text(),
            testing::control<QLineEdit>(mdi, "txtCountry")->text(), testing::control<QLineEdit>(mdi, "txtQ")->text()};
        if (autoCast) {
            QCOMPARE(this->road.log, (QStringList{"unload:frmAuto", "load:frmAuto"}));
            platform::Form* layout = platform::Forms::Peek(QStringLiteral("frmAuto"));
            QVERIFY(layout);
            QVERIFY(TarotRoad::onView(layout));
            QCOMPARE(layout->Left(), 0.0);
            QCOMPARE(layout->Top(), 0.0);
            QVERIFY(!testing::control<QWidget>(mdi, "picRight")->isHidden());
            QCOMPARE(testing::readingPane()->maximumHeight(), platform::px(15360 - (915 + 900 + 735 + 560 + 1200)));
            QCOMPARE(bar, (QStringList{"Ann Lee", "9 March 2001", "Wales", "Love?"}));
            if (road == AutoCastMenu) {
                QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmTarot")));
            } else {
                QCOMPARE(platform::Forms::Peek<tarot::frmTarot>(), setUp);
                QVERIFY(alive && !TarotRoad::onView(setUp));
                QVERIFY(!testing::control<QFrame>(setUp, "picMessage")->isHidden()); // left up on the hidden screen
            }
        } else {
            QCOMPARE(this->road.log, QStringList{"load:frmTarotManual"});
            QVERIFY(TarotRoad::onView(platform::Forms::Peek(QStringLiteral("frmTarotManual"))));
            QVERIFY(testing::control<QWidget>(mdi, "picRight")->isHidden());
            QCOMPARE(bar, barBefore);
            // The manual reading reads its spread from the hidden screen.
            QCOMPARE(platform::Forms::Peek<tarot::frmTarot>(), setUp);
            QVERIFY(!TarotRoad::onView(setUp));
            QVERIFY(testing::control<QFrame>(setUp, "picMessage")->isHidden());
        }
        // Name, count and index describe one spread, on the screen too where it is still there (AutoCast
        // from the menu unloads it; the state above holds what it handed over).
        QCOMPARE(tarot::catalogue::FindSpread(s.TarotSpreadName), s.TarotSpreadIndex);
        if (!alive)
            return;
        QCOMPARE(setUp->card, name);
        QCOMPARE(setUp->no, s.SpreadCardCount);
        QCOMPARE(int(setUp->MaxCardInSet), s.TarotSpreadIndex);
        QCOMPARE(std::tuple(setUp->lboo, setUp->hboo, setUp->rboo), std::tuple(minor, major, reverse));
    }

    void thePauseHoldsEverything()
    {
        testing::seams().scheduler->immediate = false;
        shell::frmMDI* mdi = road.main();
        tarot::frmTarot* setUp = road.setUp();
        QVERIFY(setUp);
        testing::setTicked(testing::control<QCheckBox>(setUp, "chkRev"), false);
        testing::click(testing::control<QPushButton>(setUp, "cmdAuto"));

        QCOMPARE(testing::seams().scheduler->requestedDelays, QList<int>{3000});
        QVERIFY(shell::IsBusy());
        QVERIFY(!testing::control<QFrame>(setUp, "picMessage")->isHidden());
        QVERIFY(TarotRoad::onView(setUp));
        QVERIFY(!tarot::State().AutoCastChosen);
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmAuto")));

        road.log.clear();
        for (QWidget* w : std::initializer_list<QWidget*> {
                 testing::control<QPushButton>(setUp, "cmdManual"), testing::control<QPushButton>(setUp, "cmdBack"),
                 testing::control<QPushButton>(setUp, "cmdCancel"), testing::control<QPushButton>(setUp, "cmdAuto"),
                 testing::control<QCheckBox>(setUp, "chkLA"), testing::control<QPushButton>(mdi, "cmdSelectOption", 0),
                 testing::control<QPushButton>(mdi, "cmdSelectOption", 1)})
            testing::click(w);
        QTest::keyClick(testing::control<QListWidget>(setUp, "lstOption"), Qt::Key_Down);
        QTest::keyClick(testing::control<QPushButton>(setUp, "cmdManual"), Qt::Key_Space);
        for (const char* item : {"mnuManual", "mnuCast", "mnuBack", "mnuExit", "mnuTree"})
            QVERIFY2(!testing::chooseMenu(action(setUp, item)), item);
        // The input is held while the pause runs: no click, key or menu reaches the handlers. Their own
        // guard, the second line, is reached only by calling them.
        for (const char* item : {"mnuManual", "mnuCast", "mnuBack", "mnuExit", "mnuTree"})
            action(setUp, item)->trigger();
        setUp->cmdManual_Click();
        setUp->cmdBack_Click();

        QVERIFY(road.log.isEmpty());
        QCOMPARE(testing::seams().scheduler->requestedDelays, QList<int>{3000});
        QCOMPARE(platform::Forms::Peek<tarot::frmTarot>(), setUp);
        QVERIFY(TarotRoad::onView(setUp));
        QVERIFY(!testing::control<QCheckBox>(setUp, "chkLA")->isChecked());
        QCOMPARE(testing::control<QListWidget>(setUp, "lstOption")->currentRow(), 0);
        QVERIFY(!tarot::State().ManualChosen);
        QCOMPARE(tarot::State().TarotSpreadName, QStringLiteral("-1"));

        testing::seams().scheduler->runPending();
        QVERIFY(!shell::IsBusy());
        QVERIFY(tarot::State().AutoCastChosen);
        QCOMPARE(tarot::State().TarotSpreadName, QStringLiteral("Celtic Cross"));
        QCOMPARE(road.log, QStringList{"load:frmAuto"});
        QVERIFY(!TarotRoad::onView(setUp));
        QVERIFY(testing::control<QWidget>(mdi, "picMain")->isHidden());
        // Input reaches the windows again.
        testing::click(testing::control<QPushButton>(mdi, "cmdSelectOption", 2));
        QVERIFY(platform::Forms::IsLoaded(QStringLiteral("frmRunicTarotMain")));
    }

    void menuAutoCastUnloadsOnlyAfterThePause()
    {
        testing::seams().scheduler->immediate = false;
        shell::frmMDI* mdi = road.main();
        tarot::frmTarot* setUp = road.setUp();
        QVERIFY(setUp);
        testing::setTicked(testing::control<QCheckBox>(setUp, "chkRev"), false);
        QVERIFY(testing::chooseMenu(action(setUp, "mnuCast")));
        QCOMPARE(platform::Forms::Peek<tarot::frmTarot>(), setUp);
        testing::seams().scheduler->runPending();
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmTarot")));
        QVERIFY(testing::control<QWidget>(mdi, "picMain")->isHidden());
        QVERIFY(!shell::IsBusy());
        QVERIFY(TarotRoad::onView(platform::Forms::Peek(QStringLiteral("frmAuto"))));
    }

    void anUnloadDuringThePauseEndsTheHold()
    {
        testing::seams().scheduler->immediate = false;
        tarot::frmTarot* setUp = road.setUp();
        QVERIFY(setUp);
        testing::setTicked(testing::control<QCheckBox>(setUp, "chkRev"), false);
        testing::click(testing::control<QPushButton>(setUp, "cmdAuto"));
        QVERIFY(shell::IsBusy());
        road.log.clear();
        // No input reaches the screen while the pause holds it: an unload then comes from elsewhere in the
        // program (its end, say), called here directly.
        platform::Forms::Unload(setUp);
        QVERIFY(!shell::IsBusy());
        testing::seams().scheduler->runPending();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        testing::seams().scheduler->runPending();
        QVERIFY(road.log.isEmpty());
        QVERIFY(!tarot::State().AutoCastChosen);
    }

    void withoutTheNextWindowTheHandOverStopsAtTheState_data()
    {
        QTest::addColumn<bool>("autoCast");
        QTest::newRow("AutoCast") << true;
        QTest::newRow("Manual") << false;
    }
    void withoutTheNextWindowTheHandOverStopsAtTheState()
    {
        QFETCH(bool, autoCast);
        platform::Forms::Unregister(QString::fromLatin1(autoCast ? "frmAuto" : "frmTarotManual"));
        tarot::frmTarot* setUp = road.setUp();
        QVERIFY(setUp);
        testing::click(autoCast ? testing::control<QPushButton>(setUp, "cmdAuto")
                                : testing::control<QPushButton>(setUp, "cmdManual"));
        QCOMPARE(tarot::State().AutoCastChosen, autoCast);
        QCOMPARE(tarot::State().ManualChosen, !autoCast);
        QCOMPARE(tarot::State().TarotSpreadName, QStringLiteral("Celtic Cross"));
        QVERIFY(!shell::IsBusy());
        QVERIFY(TarotRoad::onView(setUp));
        QVERIFY(testing::control<QFrame>(setUp, "picMessage")->isHidden());
        QVERIFY(!setUp->handingOver());
        // The screen still works.
        testing::click(testing::control<QPushButton>(setUp, "cmdCancel"));
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmTarot")));
    }

    void readingPaneHeightNeverGoesBelowZero()
    {
        testing::seams().screen->height = 3000;
        shell::frmMDI* mdi = road.main();
        tarot::frmTarot* setUp = road.setUp();
        QVERIFY(setUp);
        testing::click(testing::control<QPushButton>(setUp, "cmdAuto"));
        QCOMPARE(tarot::ReadingPaneHeightTw(), 0.0);
        QCOMPARE(testing::readingPane()->maximumHeight(), 0);
    }

    void leaving_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("welcome");
        QTest::addColumn<bool>("querentLoaded");
        QTest::addColumn<bool>("querentOnView");
        QTest::newRow("Exit") << "cmdCancel" << true << true << false;
        QTest::newRow("Back") << "cmdBack" << false << true << true;
        QTest::newRow("menu Back") << "mnuBack" << false << true << true;
        QTest::newRow("menu Exit") << "mnuExit" << true << false << false;
    }
    void leaving()
    {
        QFETCH(QString, way);
        QFETCH(bool, welcome);
        QFETCH(bool, querentLoaded);
        QFETCH(bool, querentOnView);
        shell::frmMDI* mdi = road.main();
        tarot::frmTarot* setUp = road.setUp();
        QVERIFY(setUp);
        if (way.startsWith(QLatin1String("cmd")))
            testing::click(setUp->findChild<QPushButton*>(way));
        else
            QVERIFY(testing::chooseMenu(setUp->findChild<QAction*>(way)));
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmTarot")));
        QCOMPARE(!testing::control<QWidget>(mdi, "picMain")->isHidden(), welcome);
        auto* front = platform::Forms::Peek<tarot::frmTarotFront>();
        QCOMPARE(front != nullptr, querentLoaded);
        QCOMPARE(TarotRoad::onView(front), querentOnView);
    }
};

SELVANTHE_TEST_MAIN(TestSetUp)
#include "tst_setup.moc"
