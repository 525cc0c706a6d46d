// The runic tarot's details and reading windows, driven through the main window's tool switch.
#include "FindControl.h"
#include "RunicTestSupport.h"
#include "ScreenCheck.h"
#include "UserInput.h"

#include "platform/PictureBox.h"
#include "runictarot/DetailsFile.h"
#include "runictarot/SignTable.h"
#include "shell/Codec.h"
#include "shell/modHelp.h"
#include "tarot/CardTable.h"

#include "SpecialFiles.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace rt;
using runictarot::State;

namespace {

// One sign's reading as the reading window must show it.
struct Shown {
    const char* sign;
    int day;
    const char* month;
    const char* stone;
    const char* alternativeNames;
    const char* colour;
    const char* god;
    const char* keywords;
    const char* card;
    int cardNumber;  // of the tarot texts; 0 for the runic tarot's own text
    const char* planet;
    const char* planetStone;
    const char* planetGod;
    const char* planetColour;
    const char* planetAlternativeNames;
    const char* planetKeywords;
    const char* planetCard;
    int planetCardNumber;
    int stonePicture, cardPicture, planetStonePicture, planetCardPicture;
};

const Shown kShown[12] = {
    {"Aries", 1, "April", "Fehu", "Faihu, Foeh, Fe", "Light Red", "Aesir", "Wealth, Mobility, Fulfillment, Intuition",
     "Tower", 19, "Mars", "Thurisaz", "Thor", "Bright Red", "Thuith, Thorn, Thurs",
     "Protection, Action, Destruction, Willpower", "Emperor", 9, 1, 15, 6, 3},
    {"Taurus", 7, "May", "Uruz", "Uraz, Uros, Ur", "Dark Green", "Vanir",
     "Beginnings, Spirituality, Opportunity, Harmony", "High Priestess", 13, "Venus", "Ansuz", "Odin,Freya,Dwarves",
     "Dark Blue,Light Red", "Os, Ass, Ansur", "Rebirth, Knowledge, Communication, Justice", "Chariot", 7, 2, 7, 1, 1},
    {"Gemini", 1, "June", "Ehwaz", "Eys, Ehol, Ior, Eoh, Eykur, Eh, Eol", "White", "Freya,Freyr,Aclis",
     "Duality, Movement, Partnership, Interaction, Harmony", "Lovers", 14, "Mercury", "Ansuz", "Odin,Freya,Dwarves",
     "Dark Blue", "Os, Ass, Ansur", "Rebirth, Knowledge, Communication, Justice", "Chariot", 7, 3, 9, 1, 1},
    {"Cancer", 1, "July", "Algiz", "Algis, Elhaz, Eolh, Elgr", "Gold", "Valkyrjur",
     "Spirit, Protection, Sanctuary, Refuge, Power, Divinity", "Moon", 16, "The Moon", "Isa", "Rime Thurses", "Black",
     "Icz, Iss, Is", "Constraint, Massive Force, Gradual Integration, Delay", "Star", 17, 4, 11, 2, 12},
    {"Leo", 1, "August", "Wunjo", "Uuinne, Vend, Wynn, Vin", "Yellow", "Freyr,Elves", "Joy, Pleasure, Hope, Fellowship",
     "Strength", 4, "The Sun", "Jera", "Freyr,Sol", "Light Blue,White,Silver", "Gaar, Ar, Ger, Jara",
     "Cycles, Right Action, Completion, Fertility, Natural Law", "Sun", 18, 5, 13, 3, 14},
    {"Virgo", 1, "September", "Berkano", "Berkana, Bercna, Bjarkan, Beroc", "Dark Green", "Frigg,Nerthus,Hel",
     "Nurturing, Rebirth, Growth, Transition, Spirit, Concealment, Protection, Ancestry", "Empress", 0, "Mercury",
     "Ansuz", "Odin,Freya,Dwarves", "Dark Blue", "Os, Ass, Ansur", "Rebirth, Knowledge, Communication, Justice",
     "Chariot", 7, 6, 4, 1, 1},
    {"Libra", 1, "October", "Tiwaz", "Tys, Tyr, Tir, Tiw, Ty", "Bright Red", "Tyr,Mani",
     "Justice, Order, Victory, Support, Self-sacrifice, Faith, Loyalty", "Justice", 3, "Venus", "Ansuz",
     "Odin,Freya,Dwarves", "Dark Blue,Light Red", "Os, Ass, Ansur", "Rebirth, Knowledge, Communication, Justice",
     "Chariot", 7, 7, 8, 1, 1},
    {"Scorpio", 1, "November", "Eihwaz", "Ezck, Yr, Eo", "Dark Blue", "Idhunna,Ullr",
     "Communication, Death, Regeneration, Knowledge, Dreaming", "Hanged Man", 11, "Pluto and Mars", "Thurisaz", "Thor",
     "Bright Red", "Thuith, Thorn, Thurs", "Protection, Action, Destruction, Willpower", "Emperor", 9, 8, 5, 6, 3},
    {"Sagittarius", 1, "December", "Raidho", "Raidha, Rad, Raid", "Bright Red", "Forseti",
     "Rhythm, Movement, Travel, Spiritual", "Hierophant", 12, "Jupiter", "Mannaz", "Heimdall,Odin", "Deep Red",
     "Manna, Madr, Mann, Madur", "Godhood, Humanity, Ancestors", "Magician", 15, 9, 6, 4, 10},
    {"Capricorn", 1, "January", "Nauthiz", "Noicz, Naud, Naudr, Nied", "Black", "Nornir,Etins",
     "Need, Help, Resistance, Love", "Devil", 8, "Saturn", "Perthro", "Nornir", "Black", "Pertra, Peordh",
     "Birth, Wisdom, Kinship, Manifestation, Chance, Luck", "Wheel Of Fortune", 21, 10, 2, 5, 16},
    {"Aquarius", 1, "February", "Hagalaz", "Haal, Hagall, Hagl", "Light Blue", "Ymir",
     "Transformation, Change, Evolution, Protection", "World", 20, "Uranus and Saturn", "Perthro", "Nornir", "Black",
     "Pertra, Peordh", "Birth, Wisdom, Kinship, Manifestation, Chance, Luck", "Wheel Of Fortune", 21, 11, 17, 5, 16},
    {"Pisces", 1, "March", "Gebo", "Geuua, Gipt, Giof, Geofu, Gjof", "Deep Blue", "Odin,Freya",
     "Gift, Exchange, Interaction, Balance", "Lovers", 14, "Neptune and Jupiter", "Mannaz", "Heimdall,Odin",
     "Deep Red", "Manna, Madr, Mann, Madur", "Godhood, Humanity, Ancestors", "Magician", 15, 12, 9, 4, 10},
};

QString text(QObject* form, const char* name)
{
    // A label's text, or a link's caption.
    if (auto* w = form->findChild<QWidget*>(QString::fromLatin1(name)); w && w->property("text").isValid())
        return w->property("text").toString();
    return QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

QString messageTexts()
{
    QStringList out;
    for (const testing::ShownMessage& m : testing::seams().messages->shown)
        out << m.text;
    return out.join(QLatin1Char('|'));
}


struct Entries {
    QString name;
    int day, month, year;
    bool operator==(const Entries&) const = default;
};
Entries entries(frmRunicTarotMain* m)
{
    return {testing::control<QLineEdit>(m, "txtName")->text(),
            testing::control<QComboBox>(m, "cmbDate")->currentIndex(),
            testing::control<QComboBox>(m, "cmbMonth")->currentIndex(),
            testing::control<QComboBox>(m, "cmbYear")->currentIndex()};
}

} // namespace

Q_DECLARE_METATYPE(platform::MsgIcon)

class TestRunicWindows : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void init() { freshRunicTarot(); }

    void detailsWindowAsTheToolOpensIt();
    void sunSignOfBoundaryDays_data();
    void sunSignOfBoundaryDays();
    void unselectedListKeepsTheSign();
    void refusedEntries_data();
    void refusedEntries();
    void acceptedEntries_data();
    void acceptedEntries();
    void nameKeys_data();
    void nameKeys();
    void nameRoads_data();
    void nameRoads();
    void readingOfEverySign_data();
    void readingOfEverySign();
    void freshReadingWindow();
    void generateBackAndClose();

    void openFile_data();
    void openFile();
    void openRefusesAndChangesNothing_data();
    void openRefusesAndChangesNothing();
    void openRefusesSpecialFilesAtOnce_data();
    void openRefusesSpecialFilesAtOnce();
    void nameBoxStopsAtItsLength();

    void copyBlocking_data();
    void copyBlocking();
    void keyboardCopyIsMarked();
    void copyGuardNeverAsksTheClipboardOwner();
    void linksAndMenus();
};

void TestRunicWindows::detailsWindowAsTheToolOpensIt()
{
    frmRunicTarotMain* m = openTool();
    QVERIFY(m && m->isVisible());
    QCOMPARE(m->windowTitle(), QStringLiteral("Brannoch"));
    QCOMPARE(testing::control<QComboBox>(m, "cmbDate")->count(), 31);
    QCOMPARE(testing::control<QComboBox>(m, "cmbDate")->itemText(0), QStringLiteral("1"));
    QCOMPARE(testing::control<QComboBox>(m, "cmbDate")->itemText(30), QStringLiteral("31"));
    QCOMPARE(testing::control<QComboBox>(m, "cmbMonth")->count(), 12);
    QCOMPARE(testing::control<QComboBox>(m, "cmbMonth")->itemText(4), QStringLiteral("May"));
    QCOMPARE(testing::control<QComboBox>(m, "cmbYear")->count(), 151);
    QCOMPARE(testing::control<QComboBox>(m, "cmbYear")->itemText(150), QStringLiteral("2050"));
    QCOMPARE(entries(m), (Entries{QString(), 0, 0, 0}));
    QVERIFY(!testing::control<QComboBox>(m, "cmbDate")->isEditable());
    QCOMPARE(m->Left(), (testing::seams().screen->width - m->Width()) / 2);
    QCOMPARE(m->Top(), 0.0);
    QCOMPARE(m->findChild<QPushButton*>("cmdOpen")->text(),
             QStringLiteral("Click Here To Open Previously Saved Runic Tarot Interpretation"));
    QCOMPARE(testing::control<QPushButton>(m, "cmdRunicAstrology")->text(),
             QStringLiteral("Generate My &Runic Tarot Reading"));
    QCOMPARE(text(m, "lblCobrand"),
             QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
                            "site's name &  link here. See \"Help\" for details.Click Here for more info on "
                            "co-branding."));
    QCOMPARE(text(m, "Label7"),
             QStringLiteral("Welcome to Brannoch. This software aims to give you a better idea about the relationship "
                            "of your sun sign with the Tarot Cards and Runes Stones."));
    QVERIFY(!testing::control<QWidget>(shell::MDI(), "picMain")->isVisible());

    // Exit unloads it and brings the welcome panel back.
    testing::click(testing::control<QPushButton>(m, "cmdExit"));
    QVERIFY(!platform::Forms::Peek<frmRunicTarotMain>());
    QVERIFY(testing::control<QWidget>(shell::MDI(), "picMain")->isVisible());
}

void TestRunicWindows::sunSignOfBoundaryDays_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("sign");
    struct B {
        const char* month;
        int last;
        const char* before;
        const char* after;
    };
    const B bounds[12] = {{"January", 19, "Capricorn", "Aquarius"}, {"February", 18, "Aquarius", "Pisces"},
                          {"March", 20, "Pisces", "Aries"},         {"April", 20, "Aries", "Taurus"},
                          {"May", 20, "Taurus", "Gemini"},          {"June", 20, "Gemini", "Cancer"},
                          {"July", 20, "Cancer", "Leo"},            {"August", 20, "Leo", "Virgo"},
                          {"September", 20, "Virgo", "Libra"},      {"October", 20, "Libra", "Scorpio"},
                          {"November", 20, "Scorpio", "Sagittarius"}, {"December", 20, "Sagittarius", "Capricorn"}};
    for (const B& b : bounds) {
        QTest::addRow("%d %s", b.last, b.month) << b.last << b.month << 1990 << b.before;
        QTest::addRow("%d %s", b.last + 1, b.month) << b.last + 1 << b.month << 1990 << b.after;
    }
    QTest::newRow("31 December") << 31 << "December" << 1990 << "Capricorn";
    QTest::newRow("7 May 1900") << 7 << "May" << 1900 << "Taurus";
    QTest::newRow("7 May 2050") << 7 << "May" << 2050 << "Taurus";
    QTest::newRow("start selections") << 1 << "January" << 1900 << "Capricorn";
}

void TestRunicWindows::sunSignOfBoundaryDays()
{
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(int, year);
    QFETCH(QString, sign);
    frmRunicTarotDisplay* d = generate(QStringLiteral("ANN"), day, month, year);
    QVERIFY(d);
    QCOMPARE(State().SunSign, sign);
    QCOMPARE(testing::control<platform::Label>(d, "lblCorrespondingRuneStone")->text(),
             runictarot::readingFor(sign)->runeStone);
    QCOMPARE(State().RunicBirthDay, qint16(day));
    QCOMPARE(State().RunicBirthMonth, month);
    QCOMPARE(State().RunicBirthYear, qint16(year));
}

void TestRunicWindows::unselectedListKeepsTheSign()
{
    frmRunicTarotMain* m = openTool();
    QVERIFY(m);
    enter(m, QStringLiteral("ANN"), 7, QStringLiteral("May"), 1990);
    m->FindSunSign();
    QCOMPARE(State().SunSign, QStringLiteral("Taurus"));
    // No click leaves a list with nothing chosen: the list is emptied, and the routine run, directly.
    testing::control<QComboBox>(m, "cmbDate")->setCurrentIndex(-1);
    m->FindSunSign();
    QCOMPARE(State().SunSign, QStringLiteral("Taurus"));
}

void TestRunicWindows::refusedEntries_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("message");
    QTest::addColumn<platform::MsgIcon>("icon");
    const QString wrongDate = QStringLiteral("Please Enter Correct Date Of Birth");
    // An empty name is told first; the date is not looked at then.
    QTest::newRow("empty name, bad date") << "" << 31 << "April" << "Please Enter Your Name !"
                                          << platform::MsgIcon::None;
    for (const char* month : {"April", "June", "September", "November"})
        QTest::addRow("31 %s", month) << "ANN" << 31 << month << wrongDate << platform::MsgIcon::Information;
    QTest::newRow("30 February") << "ANN" << 30 << "February" << wrongDate << platform::MsgIcon::Information;
    QTest::newRow("31 February") << "ANN" << 31 << "February" << wrongDate << platform::MsgIcon::Information;
}

void TestRunicWindows::refusedEntries()
{
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(QString, message);
    QFETCH(platform::MsgIcon, icon);
    frmRunicTarotMain* m = openTool();
    QVERIFY(m);
    QVERIFY(testing::tabTo(testing::control<QComboBox>(m, "cmbYear")));
    runes::SetQuerentName(QStringLiteral("EARLIER"));
    QVERIFY(enter(m, name, day, month, 1990));
    testing::click(testing::control<QPushButton>(m, "cmdRunicAstrology"));

    const auto& shown = testing::seams().messages->shown;
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, message);
    QCOMPARE(shown[0].icon, icon);
    QCOMPARE(shown[0].buttons, platform::MsgButtons::Ok);
    QCOMPARE(shown[0].title, QStringLiteral("Selvanthe"));
    if (name.isEmpty())
        QCOMPARE(testing::control<QLineEdit>(m, "txtName")->window()->focusWidget(),
                 testing::control<QLineEdit>(m, "txtName"));
    // Nothing stored, nothing shown.
    QCOMPARE(runes::QuerentName(), QStringLiteral("EARLIER"));
    QCOMPARE(State().SunSign, QString());
    QVERIFY(m->isVisible());
    QVERIFY(!platform::Forms::Peek<frmRunicTarotDisplay>());
}

void TestRunicWindows::acceptedEntries_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("stored");
    QTest::newRow("29 February 1901") << "ANN" << 29 << "February" << 1901 << "ANN";
    QTest::newRow("blanks only") << "   " << 1 << "January" << 1900 << "";
    QTest::newRow("blanks around") << "  ANN LEE " << 30 << "April" << 2050 << "ANN LEE";
}

void TestRunicWindows::acceptedEntries()
{
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(int, year);
    QFETCH(QString, stored);
    frmRunicTarotDisplay* d = generate(name, day, month, year);
    QCOMPARE(messageTexts(), QString());
    QVERIFY(d && d->isVisible());
    QCOMPARE(runes::QuerentName(), stored);
    QVERIFY(platform::Forms::Peek<frmRunicTarotMain>());
    QVERIFY(!platform::Forms::Peek<frmRunicTarotMain>()->isVisible());
}

void TestRunicWindows::nameKeys_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("typed");  // a text to type instead of one key, when not empty
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("warnings");
    QTest::newRow("small letters") << "" << 0 << 0 << "ann" << "ANN" << 0;
    QTest::newRow("capitals and a blank") << "" << 0 << 0 << "AN N" << "AN N" << 0;
    QTest::newRow("digit") << "ANN" << int(Qt::Key_7) << 0 << "" << "ANN" << 1;
    QTest::newRow("accented letter") << "ANN" << 0 << 0 << QString(QChar(0xE9)) << "ANN" << 1;
    QTest::newRow("two refused") << "ANN" << 0 << 0 << "7." << "ANN" << 2;
    QTest::newRow("ctrl+v") << "ANN" << int(Qt::Key_V) << int(Qt::ControlModifier) << "" << "ANN" << 1;
    QTest::newRow("ctrl+c") << "ANN" << int(Qt::Key_C) << int(Qt::ControlModifier) << "" << "ANN" << 1;
    QTest::newRow("escape") << "ANN" << int(Qt::Key_Escape) << 0 << "" << "ANN" << 1;
    QTest::newRow("backspace") << "ANN" << int(Qt::Key_Backspace) << 0 << "" << "AN" << 0;
    QTest::newRow("left arrow") << "ANN" << int(Qt::Key_Left) << 0 << "" << "ANN" << 0;
    QTest::newRow("shift") << "ANN" << int(Qt::Key_Shift) << 0 << "" << "ANN" << 0;
}

void TestRunicWindows::nameKeys()
{
    QFETCH(QString, before);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(int, warnings);
    frmRunicTarotMain* m = openTool();
    QVERIFY(m);
    QVERIFY(testing::typeInto(testing::control<QLineEdit>(m, "txtName"), before));
    QCOMPARE(testing::control<QLineEdit>(m, "txtName")->text(), before);
    QCOMPARE(testing::control<QLineEdit>(m, "txtName")->cursorPosition(), before.size());
    QVERIFY(testing::seams().messages->shown.isEmpty());
    if (!typed.isEmpty()) {
        // As the keyboard sends them, for letters that the test library cannot name as keys too.
        for (QChar c : typed) {
            QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(testing::control<QLineEdit>(m, "txtName"), &press);
            QKeyEvent release(QEvent::KeyRelease, c.toUpper().unicode(), Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(testing::control<QLineEdit>(m, "txtName"), &release);
        }
    }
    else
        QTest::keyClick(testing::control<QLineEdit>(m, "txtName"), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(testing::control<QLineEdit>(m, "txtName")->text(), after);
    const auto& shown = testing::seams().messages->shown;
    QCOMPARE(shown.size(), warnings);
    for (const testing::ShownMessage& s : shown) {
        QCOMPARE(s.text, QStringLiteral("Please Enter Only Alphabet !"));
        QCOMPARE(s.icon, platform::MsgIcon::Information);
    }
}

// Every road by which text comes into the name box meets the name rule: pasted text by Shift+Insert, the
// box's own menu and the middle button (where the desktop has a selection) is taken as the rule takes
// typed letters, its refused characters left out and told once; a paste longer than the box holds is told
// and left out; a character the keyboard sends in two code units is refused once.
void TestRunicWindows::nameRoads_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QString>("road");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("message");  // empty: none
    const QString alphabet = QStringLiteral("Please Enter Only Alphabet !");
    const QString tooLong = QStringLiteral("Please Enter A Name Of At Most 255 Letters !");
    struct Road {
        const char* name;
        QString road, text, after, message;
    };
    const Road roads[] = {
        {"shift+insert", "shift+insert", "ann lee", "ANN LEE", ""},
        {"shift+insert, refused characters", "shift+insert", "ann7;", "ANN", alphabet},
        {"menu", "menu", "bo", "BO", ""},
        {"menu, refused characters", "menu", "b0b", "BB", alphabet},
        {"middle button", "middle", "eve", "EVE", ""},
        {"too long", "shift+insert", QString(256, QLatin1Char('a')), "", tooLong},
        {"too long, refused characters", "shift+insert",
         QString(250, QLatin1Char('a')) + QStringLiteral("1;2") + QString(6, QLatin1Char('b')), "",
         alphabet + QLatin1Char('\n') + tooLong},
        {"as long as it holds", "shift+insert", QString(255, QLatin1Char('a')), QString(255, QLatin1Char('A')), ""},
        {"emoji typed", "type", QString::fromUtf8("\xF0\x9F\x98\x80"), "", alphabet},
    };
    for (QSize s : testing::SmallScreenSizes())
        for (const Road& r : roads)
            QTest::newRow(qPrintable(testing::ScreenSizeName(s) + QLatin1Char(' ') + QLatin1String(r.name)))
                << s << r.road << r.text << r.after << r.message;
}

void TestRunicWindows::nameRoads()
{
    QFETCH(QSize, screen);
    QFETCH(QString, road);
    QFETCH(QString, text);
    QFETCH(QString, after);
    QFETCH(QString, message);
    testing::UseScreen(screen);
    frmRunicTarotMain* m = openTool();
    QVERIFY(m);
    testing::clickInto(testing::control<QLineEdit>(m, "txtName"));
    QCOMPARE(testing::focused(), static_cast<QWidget*>(testing::control<QLineEdit>(m, "txtName")));
    if (road == QLatin1String("shift+insert")) {
        QGuiApplication::clipboard()->setText(text);
        QVERIFY(testing::key(Qt::Key_Insert, Qt::ShiftModifier));
    } else if (road == QLatin1String("menu")) {
        QGuiApplication::clipboard()->setText(text);
        testing::QuietPopups quiet;
        QVERIFY(testing::click(testing::control<QLineEdit>(m, "txtName"), Qt::RightButton));
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QAction* paste = nullptr;
        for (QAction* a : menu->actions())
            if (a->text().startsWith(QLineEdit::tr("&Paste")))
                paste = a;
        QVERIFY(paste && paste->isEnabled());
        const QRect at = menu->actionGeometry(paste);
        QVERIFY(testing::movePointer(menu, QPoint(at.right() - 3, at.center().y())));
        QVERIFY(testing::click(menu, QPoint(at.right() - 3, at.center().y())));
        QTRY_VERIFY(!QApplication::activePopupWidget());
    } else if (road == QLatin1String("middle")) {
        if (!QGuiApplication::clipboard()->supportsSelection())
            QSKIP("this desktop has no selection to paste with the middle button");
        QGuiApplication::clipboard()->setText(text, QClipboard::Selection);
        QVERIFY(testing::click(testing::control<QLineEdit>(m, "txtName"), Qt::MiddleButton));
    } else {
        // As the keyboard sends a character beyond the basic plane: one key, two code units.
        QTest::sendKeyEvent(QTest::Click, testing::control<QLineEdit>(m, "txtName"), Qt::Key_unknown, text,
                            Qt::NoModifier);
    }
    QCOMPARE(testing::control<QLineEdit>(m, "txtName")->text(), after);
    QStringList shown;
    for (const testing::ShownMessage& s : testing::seams().messages->shown)
        shown << s.text;
    QCOMPARE(shown, message.isEmpty() ? QStringList() : QStringList{message});
}

void TestRunicWindows::readingOfEverySign_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < 12; ++i)
        QTest::newRow(kShown[i].sign) << i;
}

void TestRunicWindows::readingOfEverySign()
{
    QFETCH(int, row);
    const Shown& s = kShown[row];
    // An earlier reading of another sign must leave nothing behind.
    generate(QStringLiteral("ANN"), 1, QString::fromLatin1(row == 0 ? "May" : "April"), 1990);
    frmRunicTarotDisplay* d = generate(QStringLiteral("ANN"), s.day, QString::fromLatin1(s.month), 1990);
    QVERIFY(d);
    QCOMPARE(State().SunSign, QString::fromLatin1(s.sign));
    const std::pair<const char*, const char*> captions[] = {
        {"lblCorrespondingRuneStone", s.stone},
        {"lblAlternativeName", s.alternativeNames},
        {"lblFavorableColor", s.colour},
        {"lblNordicGod", s.god},
        {"lblKeywards", s.keywords},
        {"lblTarotCard", s.card},
        {"lblFavorablePlanet", s.planet},
        {"lblStoneWithPlanet", s.planetStone},
        {"lblGodWithPlanet", s.planetGod},
        {"lblColorWithPlanet", s.planetColour},
        {"lblAlternativeNameWithPlanet", s.planetAlternativeNames},
        {"lblKeywardsWithPlanet", s.planetKeywords},
        {"lblTarotCardWithPlant", s.planetCard},
    };
    for (const auto& [name, value] : captions)
        QCOMPARE(text(d, name), QString::fromLatin1(value));
    const runictarot::Reading r = *runictarot::readingFor(QString::fromLatin1(s.sign));
    if (s.cardNumber)
        QCOMPARE(testing::control<platform::Label>(d, "lblAboutYourTarotCard")->text(),
                 tarot::CardUprightText(s.cardNumber));
    else
        QCOMPARE(testing::control<platform::Label>(d, "lblAboutYourTarotCard")->text(), r.cardText);
    QCOMPARE(testing::control<platform::Label>(d, "lblAboutYourTarotCardWithPlanet")->text(),
             tarot::CardUprightText(s.planetCardNumber));
    // The long texts keep their line breaks as CR LF.
    QCOMPARE(testing::control<runictarot::GuardedTextBox>(d, "txtAboutYourRuneStone")->Text(), r.runeText);
    QCOMPARE(testing::control<runictarot::GuardedTextBox>(d, "txtAboutYourRuneStoneWithPlanet")->Text(),
             r.planetRuneText);
    QVERIFY(testing::control<runictarot::GuardedTextBox>(d, "txtAboutYourRuneStone")->isReadOnly());
    // Both long texts open at their first line, whichever tab the user looks at.
    for (int tab : {0, 1}) {
        testing::click(testing::control<QTabWidget>(d, "SSTab1")->tabBar(),
                       testing::control<QTabWidget>(d, "SSTab1")->tabBar()->tabRect(tab).center());
        QApplication::processEvents();
        runictarot::GuardedTextBox* box =
            tab == 0 ? testing::control<runictarot::GuardedTextBox>(d, "txtAboutYourRuneStone")
                     : testing::control<runictarot::GuardedTextBox>(d, "txtAboutYourRuneStoneWithPlanet");
        QVERIFY(box->isVisible());
        QCOMPARE(box->SelStart(), 0);
        QCOMPARE(box->verticalScrollBar()->value(), 0);
    }

    frmRunicTarotMain* m = platform::Forms::Peek<frmRunicTarotMain>();
    QVERIFY(m);
    QCOMPARE(testing::control<platform::PictureBox>(d, "picStone")->picture().cacheKey(),
             m->IMGStoneList.ListImage(s.stonePicture).cacheKey());
    QCOMPARE(testing::control<platform::PictureBox>(d, "picTarotCard")->picture().cacheKey(),
             m->IMGTarotCard.ListImage(s.cardPicture).cacheKey());
    QCOMPARE(testing::control<platform::PictureBox>(d, "picStonewithplanet")->picture().cacheKey(),
             m->IMGStoneListWithPlanet.ListImage(s.planetStonePicture).cacheKey());
    QCOMPARE(testing::control<platform::PictureBox>(d, "picTarotCardWithPlanet")->picture().cacheKey(),
             m->IMGTarotCard.ListImage(s.planetCardPicture).cacheKey());
    QCOMPARE(testing::control<platform::PictureBox>(d, "picStone")->picture().size(), QSize(113, 151));
    QCOMPARE(testing::control<platform::PictureBox>(d, "picTarotCard")->picture().size(), QSize(142, 250));
}

void TestRunicWindows::freshReadingWindow()
{
    openTool();
    auto* d = platform::Forms::Get<frmRunicTarotDisplay>();
    QCOMPARE(testing::control<QTabWidget>(d, "SSTab1")->count(), 2);
    QCOMPARE(testing::control<QTabWidget>(d, "SSTab1")->tabText(0), QStringLiteral("Runic Tarot Reading for Sun Sign"));
    QCOMPARE(testing::control<QTabWidget>(d, "SSTab1")->tabText(1),
             QStringLiteral("Runic Tarot Reading for Favorable Planet"));
    QCOMPARE(testing::control<QTabWidget>(d, "SSTab1")->currentIndex(), 0);
    QCOMPARE(testing::control<platform::Label>(d, "lblCorrespondingRuneStone")->text(), QStringLiteral("lblRuneStone"));
    QCOMPARE(testing::control<platform::Label>(d, "lblTarotCard")->text(), QStringLiteral("lblTarotCard"));
    QCOMPARE(testing::control<platform::Label>(d, "lblTarotCardWithPlant")->text(), QStringLiteral("lblTarotCard"));
    QCOMPARE(testing::control<platform::Label>(d, "lblKeywardsWithPlanet")->text(),
             QStringLiteral("lblKeywardsWithPlanet"));
    QCOMPARE(testing::control<platform::Label>(d, "lblAboutYourTarotCard")->text(), tarot::CardUprightText(4));
    QCOMPARE(testing::control<platform::Label>(d, "lblAboutYourTarotCardWithPlanet")->text(),
             tarot::CardUprightText(4));
    QVERIFY(testing::control<platform::Label>(d, "lblAboutYourTarotCard")
                ->text()
                .startsWith(QStringLiteral("You have the courage, determination and will power")));
    QCOMPARE(testing::control<runictarot::GuardedTextBox>(d, "txtAboutYourRuneStone")->Text(), QString());
    QVERIFY(testing::control<platform::PictureBox>(d, "picStone")->picture().isNull());
    QVERIFY(testing::control<platform::PictureBox>(d, "picTarotCardWithPlanet")->picture().isNull());

    // A sign name of other capitals is no sign: nothing of the fresh window changes.
    State().SunSign = QStringLiteral("aries");
    QVERIFY(platform::Forms::Peek<frmRunicTarotMain>());
    platform::Forms::Peek<frmRunicTarotMain>()->FillSunSignReading();
    QCOMPARE(testing::control<platform::Label>(d, "lblCorrespondingRuneStone")->text(), QStringLiteral("lblRuneStone"));
    QVERIFY(testing::control<platform::PictureBox>(d, "picStone")->picture().isNull());
}

void TestRunicWindows::generateBackAndClose()
{
    shell::frmMDI* mdi = platform::Forms::Get<shell::frmMDI>();
    frmRunicTarotDisplay* d = generate(QStringLiteral("ANN"), 7, QStringLiteral("May"), 1990);
    QVERIFY(d);
    frmRunicTarotMain* m = platform::Forms::Peek<frmRunicTarotMain>();
    QVERIFY(m);
    QVERIFY(d->isVisible());
    QVERIFY(!m->isVisible());
    QVERIFY(!testing::control<QWidget>(mdi, "picMain")->isVisible());
    QCOMPARE(testing::control<QTabWidget>(d, "SSTab1")->currentIndex(), 0);
    QCOMPARE(d->Left(), (testing::seams().screen->width - d->Width()) / 2);

    // Back: a new reading window comes with the next Generate, on the sun-sign tab again.
    QVERIFY(testing::clickTab(testing::control<QTabWidget>(d, "SSTab1"), 1));
    testing::click(testing::control<QPushButton>(d, "cmdBack"));
    QVERIFY(!platform::Forms::Peek<frmRunicTarotDisplay>());
    QVERIFY(m->isVisible());
    QVERIFY(!testing::control<QWidget>(mdi, "picMain")->isVisible());
    QCOMPARE(entries(m), (Entries{QStringLiteral("ANN"), 6, 4, 90}));
    QVERIFY(testing::chooseEntry(testing::control<QComboBox>(m, "cmbMonth"), 0));
    testing::click(testing::control<QPushButton>(m, "cmdRunicAstrology"));
    frmRunicTarotDisplay* again = platform::Forms::Peek<frmRunicTarotDisplay>();
    QVERIFY(again);
    QCOMPARE(testing::control<QTabWidget>(again, "SSTab1")->currentIndex(), 0);
    QCOMPARE(testing::control<platform::Label>(again, "lblCorrespondingRuneStone")->text(), QStringLiteral("Nauthiz"));

    // Closing it by its close box: the welcome panel, and the details window stays hidden.
    QVERIFY(testing::clickCloseBox(again));
    QVERIFY(!platform::Forms::Peek<frmRunicTarotDisplay>());
    QVERIFY(testing::control<QWidget>(mdi, "picMain")->isVisible());
    QVERIFY(platform::Forms::Peek<frmRunicTarotMain>());
    QVERIFY(!m->isVisible());
}

void TestRunicWindows::openFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sign");
    const QByteArray ann = QByteArray::fromHex("96A3A30D0A8C0D0AA2B6CE0D0A868E8E850D0A");
    QTest::newRow("the worked example") << "ann.brn" << ann << "ANN" << "Taurus";
    QTest::newRow("a name that is no extension") << "mybrn" << ann << "ANN" << "Taurus";
    QTest::newRow("six lines, first four used") << "six.brn" << ann + shell::EncodeString("X") + "\r\n" +
                                                                 shell::EncodeString("Y") + "\r\n"
                                                << "ANN" << "Taurus";
    QTest::newRow("small letters kept")
        << "small.brn" << *runictarot::composeDetailsFile({QStringLiteral("ann lee"), 21, "March", 2000})
        << "ann lee" << "Aries";
}

void TestRunicWindows::openFile()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QString, sign);
    const QString path = dir.filePath(fileName);
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    frmRunicTarotMain* m = openTool();
    QVERIFY(m);
    testing::seams().files->answers.enqueue(path);
    testing::click(testing::control<QPushButton>(m, "cmdOpen"));
    QCOMPARE(messageTexts(), QString());
    const platform::FileDialogRequest& r = testing::seams().files->requests.constLast();
    QCOMPARE(r.title, QStringLiteral("Select the source file"));
    QCOMPARE(r.defaultSuffix, QStringLiteral("brn"));
    QCOMPARE(testing::control<QLineEdit>(m, "txtName")->text(), name);
    QCOMPARE(runes::QuerentName(), name);
    QCOMPARE(State().SunSign, sign);
    QVERIFY(platform::Forms::Peek<frmRunicTarotDisplay>());
    QVERIFY(platform::Forms::Peek<frmRunicTarotDisplay>()->isVisible());
    QVERIFY(!m->isVisible());
}

void TestRunicWindows::openRefusesAndChangesNothing_data()
{
    QTest::addColumn<QString>("fileName");  // empty: the dialog is cancelled
    QTest::addColumn<QByteArray>("bytes");  // null: no file at all
    QTest::addColumn<QString>("message");
    const QByteArray ann = QByteArray::fromHex("96A3A30D0A8C0D0AA2B6CE0D0A868E8E850D0A");
    const QString check = QStringLiteral("Please Check The File.");
    QTest::newRow("cancel") << "" << QByteArray() << "";
    QTest::newRow("txt") << "a.txt" << ann << check;
    QTest::newRow("capitals") << "a.BRN" << ann << check;
    QTest::newRow("missing") << "missing.brn" << QByteArray() << check;
    QTest::newRow("5 KiB") << "big.brn" << ann + QByteArray(5 * 1024, char(0xA0)) << check;
    QTest::newRow("day 45") << "d45.brn"
                            << shell::EncodeString("ANN") + "\r\n" + shell::EncodeString("45") + "\r\n" +
                                   shell::EncodeString("May") + "\r\n" + shell::EncodeString("1990") + "\r\n"
                            << check;
    QTest::newRow("two lines") << "two.brn" << ann.left(8) << check;
    QTest::newRow("empty") << "empty.brn" << QByteArray("") << check;
}

void TestRunicWindows::openRefusesAndChangesNothing()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    frmRunicTarotMain* m = openTool();
    QVERIFY(m);
    enter(m, QStringLiteral("ZED"), 5, QStringLiteral("June"), 1977);
    const Entries before = entries(m);
    QString path;
    if (!fileName.isEmpty()) {
        path = dir.filePath(fileName);
        QFile::remove(path);
        if (!bytes.isNull()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
    }
    testing::seams().files->answers.enqueue(path);
    QVERIFY(testing::chooseMenu(m->findChild<QAction*>(QStringLiteral("mnuPreviouslySavedRunicAstrology"))));
    const auto& shown = testing::seams().messages->shown;
    if (message.isEmpty()) {
        QCOMPARE(shown.size(), 0);
    } else {
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, message);
        QCOMPARE(shown[0].icon, platform::MsgIcon::Critical);
    }
    QCOMPARE(entries(m), before);
    QVERIFY(m->isVisible());
    QVERIFY(!platform::Forms::Peek<frmRunicTarotDisplay>());
    QCOMPARE(State().SunSign, QString());
}

// A path that is no regular file is refused at once: a pipe nobody writes to would otherwise keep the
// window from painting until something did.
void TestRunicWindows::openRefusesSpecialFilesAtOnce_data()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"pipe", "socket", "device", "folder"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestRunicWindows::openRefusesSpecialFilesAtOnce()
{
    QFETCH(QString, kind);
    frmRunicTarotMain* m = openTool();
    QVERIFY(m);
    const QString path = dir.filePath(kind + QStringLiteral(".brn"));
    QFile::remove(path);
    QDir(path).removeRecursively();
    if (!testing::makeSpecialFile(kind, path))
        QSKIP("this kind of file cannot be made here");
    testing::seams().files->answers.enqueue(path);
    {
        testing::PipeUnblocker unblocker(path);
        testing::click(testing::control<QPushButton>(m, "cmdOpen"));
        QVERIFY2(!unblocker.hadToUnblock(), "Open waited on the file");
    }
    QCOMPARE(messageTexts(), QStringLiteral("Please Check The File."));
    QVERIFY(m->isVisible());
    QVERIFY(!platform::Forms::Peek<frmRunicTarotDisplay>());
}

// The box takes as many letters as a details file holds, and says so, in the key rule's way, when it is
// full; what it holds is saved and opened again whole.
void TestRunicWindows::nameBoxStopsAtItsLength()
{
    frmRunicTarotMain* m = openTool();
    QVERIFY(m);
    const QString full(runictarot::MaxNameLength, QLatin1Char('A'));
    QVERIFY(testing::typeInto(testing::control<QLineEdit>(m, "txtName"), full.chopped(1)));
    QTest::keyClicks(testing::control<QLineEdit>(m, "txtName"), QStringLiteral("bc"));
    QCOMPARE(testing::control<QLineEdit>(m, "txtName")->text(), full.chopped(1) + QLatin1Char('B'));
    const auto& shown = testing::seams().messages->shown;
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, QStringLiteral("Please Enter A Name Of At Most 255 Letters !"));
    QCOMPARE(shown[0].icon, platform::MsgIcon::Information);
    // A letter typed over a selection replaces it, and Backspace still works.
    QTest::keyClick(testing::control<QLineEdit>(m, "txtName"), Qt::Key_Home);
    QTest::keyClick(testing::control<QLineEdit>(m, "txtName"), Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(testing::control<QLineEdit>(m, "txtName")->selectedText(), QStringLiteral("A"));
    QTest::keyClick(testing::control<QLineEdit>(m, "txtName"), Qt::Key_Z);
    QCOMPARE(testing::control<QLineEdit>(m, "txtName")->text(),
             QLatin1Char('Z') + full.mid(1).chopped(1) + QLatin1Char('B'));
    QTest::keyClick(testing::control<QLineEdit>(m, "txtName"), Qt::Key_Backspace);
    QCOMPARE(testing::control<QLineEdit>(m, "txtName")->text().size(), runictarot::MaxNameLength - 1);
    QCOMPARE(shown.size(), 1);

    // A file holding the longest name opens with it whole.
    const QString path = dir.filePath(QStringLiteral("longest.brn"));
    QCOMPARE(runictarot::saveDetailsFile(path, {full, 7, "May", 1990}), runictarot::SaveResult::Saved);
    testing::seams().files->answers.enqueue(path);
    testing::click(testing::control<QPushButton>(m, "cmdOpen"));
    QCOMPARE(runes::QuerentName(), full);
}

void TestRunicWindows::copyBlocking_data()
{
    QTest::addColumn<int>("box");  // 0: the sign's stone text, 1: the planet's
    QTest::addColumn<QString>("event");
    for (int box = 0; box < 2; ++box)
        for (const char* event : {"change", "click", "press", "move", "release"})
            QTest::addRow("%s, %s", box ? "planet" : "sign", event) << box << event;
}

void TestRunicWindows::copyBlocking()
{
    QFETCH(int, box);
    QFETCH(QString, event);
    frmRunicTarotDisplay* d = generate(QStringLiteral("ANN"), 7, QStringLiteral("May"), 1990);
    QVERIFY(d);
    runictarot::GuardedTextBox* t =
        box ? testing::control<runictarot::GuardedTextBox>(d, "txtAboutYourRuneStoneWithPlanet")
            : testing::control<runictarot::GuardedTextBox>(d, "txtAboutYourRuneStone");
    if (box)
        QVERIFY(testing::clickTab(testing::control<QTabWidget>(d, "SSTab1"), box));
    // A release ends a press made in the box before the copy was put there.
    auto prepare = [&] {
        if (event == QLatin1String("release"))
            QVERIFY(testing::press(t->viewport(), Qt::LeftButton, QPoint(5, 5)));
    };
    auto happen = [&] {
        if (event == QLatin1String("change"))
            t->SetText(QStringLiteral("changed"));
        else if (event == QLatin1String("click"))
            testing::click(t->viewport(), QPoint(5, 5));
        else if (event == QLatin1String("press"))
            QVERIFY(testing::press(t->viewport(), Qt::LeftButton, QPoint(5, 5)));
        else if (event == QLatin1String("move"))
            QVERIFY(testing::movePointer(t->viewport(), QPoint(5, 5)));
        else
            QVERIFY(testing::release(t->viewport(), Qt::LeftButton, QPoint(5, 5)));
    };
    prepare();
    putGuardedCopy(QStringLiteral("copied rune text"));
    happen();
    QCOMPARE(clipboardText(), QString());
    // What another program put there stays.
    prepare();
    putForeignCopy(QStringLiteral("from elsewhere"));
    happen();
    QCOMPARE(clipboardText(), QStringLiteral("from elsewhere"));
}

void TestRunicWindows::keyboardCopyIsMarked()
{
    QVERIFY(generate(QStringLiteral("ANN"), 7, QStringLiteral("May"), 1990));
    putForeignCopy(QStringLiteral("from elsewhere"));
    // The fill's own writes clear a marked copy only.
    frmRunicTarotDisplay* d = generate(QStringLiteral("ANN"), 7, QStringLiteral("May"), 1990);
    QVERIFY(d);
    QCOMPARE(clipboardText(), QStringLiteral("from elsewhere"));
    testing::clickInto(testing::control<runictarot::GuardedTextBox>(d, "txtAboutYourRuneStone"));
    QCOMPARE(testing::focused(), testing::control<runictarot::GuardedTextBox>(d, "txtAboutYourRuneStone"));
    QVERIFY(testing::key(Qt::Key_A, Qt::ControlModifier));
    QVERIFY(testing::key(Qt::Key_C, Qt::ControlModifier));
    QVERIFY(runictarot::clipboardHoldsGuardedCopy());
    QVERIFY(clipboardText().startsWith(QStringLiteral("The rune represents")));
    QVERIFY(testing::movePointer(
        testing::control<runictarot::GuardedTextBox>(d, "txtAboutYourRuneStoneWithPlanet")->viewport(), QPoint(5, 5)));
    QCOMPARE(clipboardText(), QString());
}

namespace {
// What another program's clipboard content looks like from inside this one: every question about its
// formats or data goes to that program, which here never answers (each question is only counted).
class UnansweringOwner final : public QMimeData {
public:
    mutable int questions = 0;
    bool hasFormat(const QString&) const override { ++questions; return false; }
    QStringList formats() const override { ++questions; return {}; }

protected:
    QVariant retrieveData(const QString&, QMetaType) const override { ++questions; return {}; }
};
} // namespace

// Moving the mouse over the guarded texts, or anything else they do, never asks the clipboard's owner a
// question: on a desktop an owner that does not answer would freeze the window each time.
void TestRunicWindows::copyGuardNeverAsksTheClipboardOwner()
{
    frmRunicTarotDisplay* d = generate(QStringLiteral("ANN"), 7, QStringLiteral("May"), 1990);
    QVERIFY(d);
    auto* owner = new UnansweringOwner;
    QGuiApplication::clipboard()->setMimeData(owner);
    for (runictarot::GuardedTextBox* t :
         {testing::control<runictarot::GuardedTextBox>(d, "txtAboutYourRuneStone"),
          testing::control<runictarot::GuardedTextBox>(d, "txtAboutYourRuneStoneWithPlanet")}) {
        for (int i = 0; i < 5; ++i)
            QVERIFY(testing::movePointer(t->viewport(), QPoint(5, 5)));
        testing::click(t->viewport(), QPoint(5, 5));
        t->repaint();
    }
    testing::click(testing::control<QPushButton>(d, "cmdPrint"));
    auto* report = platform::Forms::Peek<frmRunicTarotSave>();
    QVERIFY(report);
    for (int i = 0; i < 5; ++i)
        QVERIFY(testing::movePointer(testing::control<runictarot::GuardedTextBox>(report, "RTB")->viewport(),
                                     QPoint(5, 5)));
    testing::control<runictarot::GuardedTextBox>(report, "RTB")->repaint();
    QCOMPARE(owner->questions, 0);
    // And it is still there.
    QCOMPARE(QGuiApplication::clipboard()->mimeData(), static_cast<const QMimeData*>(owner));
    report->close();
}

void TestRunicWindows::linksAndMenus()
{
    frmRunicTarotMain* m = openTool();
    QVERIFY(m);
    auto& opened = testing::seams().shell->opened;
    testing::click(testing::control<platform::Clickable>(m, "Label61"));
    testing::click(testing::control<platform::Clickable>(m, "lblCobrand"));
    // The full-brand offer lies under the co-brand offer, which hides it: no click reaches it.
    m->lblFullBrand_Click();
    QCOMPARE(opened, (QStringList{shell::PageAddress("home-page"), shell::PageAddress("co-brand"),
                                  shell::PageAddress("fully-branded")}));
    auto captions = [](platform::Form* f) {
        QStringList out;
        for (QAction* a : f->menuBarActions()) {
            if (!a->isVisible())
                continue;
            out << a->text();
            if (a->menu())
                for (QAction* item : a->menu()->actions())
                    out << QStringLiteral("  ") + (item->isSeparator() ? QStringLiteral("-") : item->text());
        }
        return out;
    };
    // The Help entries' names, then the pages those that open one hand to the browser.
    auto helpEntries = [&](platform::Form* f) {
        QStringList names;
        QStringList pages;
        const QMenu* help = f->findChild<QMenu*>(QStringLiteral("mnuHelp"));
        if (!help)
            return names;
        for (QAction* a : help->actions()) {
            names << a->objectName();
            // The about box waits for its OK, and has its own tests.
            if (a->isSeparator() || a->objectName() == QLatin1String("mnuAbout"))
                continue;
            opened.clear();
            if (!testing::chooseMenu(a))
                return QStringList(QStringLiteral("not chosen: ") + a->objectName());
            pages << opened;
        }
        return names + pages;
    };
    const QStringList helpMenu = QStringList {"mnuOnline", "mnuVisit", "mnuSep1", "mnuUpdate", "mnuSep2", "mnuAbout"} +
                                 QStringList {shell::PageAddress("help-web-page"), shell::PageAddress("home-page"),
                                              shell::PageAddress("download-web-page")};
    QCOMPARE(captions(m), (QStringList{"&File", "  Open Previously Saved Runic Tarot Interpretation",
                                       "  Generate My &Runic Tarot Reading", "  E&xit", "&Help", "  &Online Help",
                                       "  &Visit Us Online", "  -", "  Check for Software &Update", "  -",
                                       "  &About Software", "&Donate"}));
    QCOMPARE(helpEntries(m), helpMenu);
    frmRunicTarotDisplay* d = generate(QStringLiteral("ANN"), 7, QStringLiteral("May"), 1990);
    QVERIFY(d);
    QCOMPARE(captions(d), (QStringList{"&File", "  &Back", "  &Print", "&Help", "  &Online Help", "  &Visit Us Online",
                                       "  -", "  &Check for Software Update", "  -", "  &About Software",
                                       "&Donate"}));
    QCOMPARE(helpEntries(d), helpMenu);
    opened.clear();
    QVERIFY(testing::clickTab(testing::control<QTabWidget>(d, "SSTab1"),
                              1)); // the tarot card's heading is on the planet's page
    testing::click(testing::control<platform::Clickable>(d, "Label19"));
    testing::click(testing::control<platform::Clickable>(d, "lblCobrand"));
    QCOMPARE(opened, (QStringList{shell::PageAddress("co-brand"), shell::PageAddress("co-brand")}));
}

SELVANTHE_TEST_MAIN(TestRunicWindows)
#include "tst_runicwindows.moc"
