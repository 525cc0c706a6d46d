// The refer-a-friend form on the exit screen: its placeholders and focus rules, the space refusal, the
// checks in their order with their messages, and the exact referral address opened.
#include "FindControl.h"
#include "EnvironmentKept.h"
#include "OutputCaught.h"
#include "TestMain.h"
#include "UserInput.h"

#include "FakeToolWindows.h"
#include "shell/frmExitScreen.h"
#include "shell/frmMDI.h"
#include "shell/frmStartup.h"
#include "shell/modTellAFriend.h"

#include <QClipboard>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>
#include <QUrlQuery>

using testing::seams;

namespace {

const QByteArray kPrefix = "https://www.selvanthe.example/selvanthe/ssd.php?page=qvms-refer-a-friend";
const QByteArray kProduct = "&taf6=https://www.selvanthe.example/selvanthe/";
const QString kUntouched = QStringLiteral("<untouched>");

shell::frmExitScreen* openExitScreen()
{
    platform::Forms::Get<shell::frmStartup>();
    testing::click(testing::control<QPushButton>(shell::MDI(), "cmdMdiExit"));
    auto* screen = platform::Forms::Peek<shell::frmExitScreen>();
    if (screen)
        QApplication::setActiveWindow(screen);
    return screen;
}

// Puts the entries in the boxes as they stand, placeholders and blanks included: the focus rules would
// give a blank box its placeholder back as the user leaves it, and Submit checks what the boxes hold.
void fill(shell::frmExitScreen* s, const QString& name, const QString& email, const QString& message,
          const QString& friendName, const QString& friendEmail)
{
    testing::control<QLineEdit>(s, "txtName")->setText(name);
    testing::control<QLineEdit>(s, "txtEmail")->setText(email);
    if (message != kUntouched)
        s->SetMessageText(message);
    testing::control<QLineEdit>(s, "txtFriendName")->setText(friendName);
    testing::control<QLineEdit>(s, "txtFriendEmail")->setText(friendEmail);
}

// Types the entries as the user does: each box clicked and typed into, the message box (beyond the frame,
// out of the mouse's reach) reached with Tab from Submit.
bool typeIn(shell::frmExitScreen* s, const QString& name, const QString& email, const QString& message,
            const QString& friendName, const QString& friendEmail)
{
    if (!testing::typeInto(testing::control<QLineEdit>(s, "txtName"), name) ||
        !testing::typeInto(testing::control<QLineEdit>(s, "txtEmail"), email) ||
        !testing::typeInto(testing::control<QLineEdit>(s, "txtFriendName"), friendName) ||
        !testing::typeInto(testing::control<QLineEdit>(s, "txtFriendEmail"), friendEmail))
        return false;
    if (message == kUntouched)
        return true;
    testing::clickInto(testing::control<QLineEdit>(s, "txtFriendEmail"));
    return testing::tabTo(testing::control<QPushButton>(s, "cmdSubmit")) &&
           testing::tabTo(testing::control<QPlainTextEdit>(s, "txtMessage")) &&
           testing::key(Qt::Key_End, Qt::ControlModifier) &&
           testing::key(Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier) && testing::type(message);
}

QStringList shownTexts()
{
    QStringList out;
    for (const testing::ShownMessage& m : seams().messages->shown)
        out << m.text;
    return out;
}

QWidget* focused(shell::frmExitScreen* s) { return s->focusWidget(); }

// Pastes a text over what a box holds, as a user does: a click into it (the message box, beyond the
// frame, is reached with Tab from Submit), Ctrl+A, then Ctrl+V.
bool pasteInto(shell::frmExitScreen* s, QWidget* box, const QString& text)
{
    if (box == testing::control<QPlainTextEdit>(s, "txtMessage")) {
        testing::clickInto(testing::control<QLineEdit>(s, "txtFriendEmail"));
        if (!testing::tabTo(testing::control<QPushButton>(s, "cmdSubmit")) ||
            !testing::tabTo(testing::control<QPlainTextEdit>(s, "txtMessage")))
            return false;
    } else {
        testing::clickInto(box);
    }
    QGuiApplication::clipboard()->setText(text);
    return testing::focused() == box && testing::key(Qt::Key_A, Qt::ControlModifier) &&
           testing::key(Qt::Key_V, Qt::ControlModifier);
}

// A text of the length given in characters, each of them four bytes in UTF-8; an e-mail address ends
// in "@b.c" and a name of its own.
QString longText(int characters, const QString& ending = {})
{
    QString text;
    for (int i = 0; i < characters - ending.size(); ++i)
        text += QStringLiteral("\U0001F600");
    return text + ending;
}

} // namespace

class TestReferFriend : public QObject {
    Q_OBJECT
    QStringList log;

private slots:
    void init()
    {
        testing::freshProgram();
        shell::ResetTellAFriendForTests();
        log.clear();
        testing::registerFakeToolWindows(&log);
    }

    void startsWithItsPlaceholders()
    {
        shell::frmExitScreen* s = openExitScreen();
        QCOMPARE(testing::control<QLineEdit>(s, "txtName")->text(), QStringLiteral("Your Name"));
        QCOMPARE(testing::control<QLineEdit>(s, "txtEmail")->text(), QStringLiteral("Your Email Address"));
        QCOMPARE(testing::control<QLineEdit>(s, "txtFriendName")->text(), QStringLiteral("Friend's Name"));
        QCOMPARE(testing::control<QLineEdit>(s, "txtFriendEmail")->text(), QStringLiteral("Friend's Email Address"));
        QCOMPARE(s->MessageText(), QStringLiteral("Your Message\r\n"));
    }

    void submitChecksInOrder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("friendName");
        QTest::addColumn<QString>("friendEmail");
        QTest::addColumn<QString>("refusal");  // empty: the page opens

        const QString untouched = kUntouched;
        const QString proper = QStringLiteral("Please Enter Proper Email Address");
        QTest::newRow("untouched form") << "Your Name" << "Your Email Address" << untouched << "Friend's Name"
                                        << "Friend's Email Address" << proper;
        QTest::newRow("same address, outer spaces")
            << "Ann" << " a@b.c " << untouched << "Bob" << "a@b.c" << "Please Enter Distinct Email Addresses";
        QTest::newRow("same text before the at-sign test")
            << "Ann" << "abc" << untouched << "Bob" << "abc" << "Please Enter Distinct Email Addresses";
        QTest::newRow("letter case differs") << "Ann" << "A@b.c" << untouched << "Bob" << "a@b.c" << "";
        QTest::newRow("no full stop") << "Ann" << "a@b" << untouched << "Bob" << "c@d.e" << proper;
        QTest::newRow("no at sign") << "Ann" << "ab.c" << untouched << "Bob" << "c@d.e" << proper;
        QTest::newRow("friend's has no at sign") << "Ann" << "a@b.c" << untouched << "Bob" << "cd.e" << proper;
        QTest::newRow("name is its placeholder")
            << "Your Name" << "a@b.c" << untouched << "Bob" << "c@d.e" << "Please Enter Your Name";
        QTest::newRow("name is placeholder in spaces")
            << "  Your Name " << "a@b.c" << untouched << "Bob" << "c@d.e" << "Please Enter Your Name";
        QTest::newRow("name blank") << "  " << "a@b.c" << untouched << "Bob" << "c@d.e" << "Please Enter Your Name";
        QTest::newRow("placeholder compared with case") << "your name" << "a@b.c" << untouched << "Bob" << "c@d.e" << "";
        QTest::newRow("message emptied")
            << "Ann" << "a@b.c" << "" << "Bob" << "c@d.e" << "Please Enter Your Message";
        QTest::newRow("message is its placeholder")
            << "Ann" << "a@b.c" << "Your Message" << "Bob" << "c@d.e" << "Please Enter Your Message";
        QTest::newRow("message blank") << "Ann" << "a@b.c" << "   " << "Bob" << "c@d.e" << "Please Enter Your Message";
        QTest::newRow("friend's name empty")
            << "Ann" << "a@b.c" << untouched << "" << "c@d.e" << "Please Enter Your Friend's Name";
        QTest::newRow("friend's name is its placeholder")
            << "Ann" << "a@b.c" << untouched << "Friend's Name" << "c@d.e" << "Please Enter Your Friend's Name";
        QTest::newRow("name before friend's name")
            << "" << "a@b.c" << untouched << "" << "c@d.e" << "Please Enter Your Name";
        QTest::newRow("message before friend's name")
            << "Ann" << "a@b.c" << "" << "" << "c@d.e" << "Please Enter Your Message";
        QTest::newRow("all valid, message untouched") << "Ann" << "a@b.c" << untouched << "Bob" << "c@d.e" << "";
    }
    void submitChecksInOrder()
    {
        QFETCH(QString, name);
        QFETCH(QString, email);
        QFETCH(QString, message);
        QFETCH(QString, friendName);
        QFETCH(QString, friendEmail);
        QFETCH(QString, refusal);
        shell::frmExitScreen* s = openExitScreen();
        fill(s, name, email, message, friendName, friendEmail);
        const QString messageBefore = s->MessageText();
        testing::click(testing::control<QPushButton>(s, "cmdSubmit"));

        if (refusal.isEmpty()) {
            QVERIFY(seams().messages->shown.isEmpty());
            QCOMPARE(seams().shell->opened.size(), 1);
        } else {
            QCOMPARE(shownTexts(), QStringList{refusal});
            const testing::ShownMessage& m = seams().messages->shown[0];
            QCOMPARE(m.icon, platform::MsgIcon::Critical);
            QCOMPARE(m.buttons, platform::MsgButtons::Ok);
            QCOMPARE(m.title, QStringLiteral("Selvanthe"));
            QCOMPARE(m.parent, static_cast<QWidget*>(s));
            QVERIFY(seams().shell->opened.isEmpty());
        }
        // The boxes keep what the user left in them; the entries are kept trimmed.
        QCOMPARE(testing::control<QLineEdit>(s, "txtName")->text(), name);
        QCOMPARE(testing::control<QLineEdit>(s, "txtEmail")->text(), email);
        QCOMPARE(s->MessageText(), messageBefore);
        QCOMPARE(testing::control<QLineEdit>(s, "txtFriendName")->text(), friendName);
        QCOMPARE(testing::control<QLineEdit>(s, "txtFriendEmail")->text(), friendEmail);
        QCOMPARE(shell::TellAFriend().strReferName, shell::TrimSpaces(name));
        QCOMPARE(shell::TellAFriend().strReferEmail, shell::TrimSpaces(email));
        QCOMPARE(shell::TellAFriend().strReferMessage, shell::TrimSpaces(messageBefore));
        QCOMPARE(shell::TellAFriend().strReferFriendName, shell::TrimSpaces(friendName));
        QCOMPARE(shell::TellAFriend().strReferFriendEmail, shell::TrimSpaces(friendEmail));
        QVERIFY(platform::Forms::IsLoaded(QStringLiteral("frmExitScreen")));
    }

    void referralAddressIsExactAndEncoded_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("friendName");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("plain, message untouched")
            << "Ann" << kUntouched << "Bob"
            << kPrefix + "&taf1=Ann&taf2=ann%40x.org&taf3=Your%20Message%0D%0A&taf4=Bob&taf5=bob%40y.org" + kProduct;
        QTest::newRow("keys, fragment and plus in a name")
            << "a&taf6=x#y+z" << "Hello" << "Bob"
            << kPrefix + "&taf1=a%26taf6%3Dx%23y%2Bz&taf2=ann%40x.org&taf3=Hello&taf4=Bob&taf5=bob%40y.org" + kProduct;
        QTest::newRow("non-ASCII and a second line")
            << QStringLiteral("  Zo\u00eb \u00c5lund ") << QStringLiteral("Hi\r\nthere \u263a") << QStringLiteral("\u0411\u043e\u0440\u0438\u0441")
            << kPrefix + "&taf1=Zo%C3%AB%20%C3%85lund&taf2=ann%40x.org&taf3=Hi%0D%0Athere%20%E2%98%BA"
                         "&taf4=%D0%91%D0%BE%D1%80%D0%B8%D1%81&taf5=bob%40y.org" + kProduct;
    }
    void referralAddressIsExactAndEncoded()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QString, friendName);
        QFETCH(QByteArray, expected);
        shell::frmExitScreen* s = openExitScreen();
        QVERIFY(typeIn(s, name, QStringLiteral("ann@x.org"), message, friendName, QStringLiteral("bob@y.org")));
        testing::click(testing::control<QPushButton>(s, "cmdSubmit"));
        QVERIFY(seams().messages->shown.isEmpty());
        QCOMPARE(seams().shell->opened.size(), 1);
        const QByteArray opened = seams().shell->opened[0].toLatin1();
        QCOMPARE(opened, expected);
        QCOMPARE(shell::TellAFriend().strReferralUrl.toLatin1(), expected);

        // Read back as a browser would: one value per key, in order, each the trimmed entry.
        const QUrl url = QUrl::fromEncoded(opened, QUrl::StrictMode);
        QVERIFY(url.isValid());
        QVERIFY(!url.hasFragment());
        QCOMPARE(opened.count("&taf6="), 1);
        const QUrlQuery query(url);
        const auto items = query.queryItems(QUrl::FullyDecoded);
        QCOMPARE(items.size(), 7);
        const QString sent = message == kUntouched ? QStringLiteral("Your Message\r\n") : message;
        const QStringList keys = {"page", "taf1", "taf2", "taf3", "taf4", "taf5", "taf6"};
        const QStringList values = {"qvms-refer-a-friend", shell::TrimSpaces(name), "ann@x.org", sent, friendName,
                                    "bob@y.org", "https://www.selvanthe.example/selvanthe/"};
        for (int i = 0; i < items.size(); ++i) {
            QCOMPARE(items[i].first, keys[i]);
            QCOMPARE(items[i].second, values[i]);
        }
    }

    void aSecondSubmitSendsAgain()
    {
        shell::frmExitScreen* s = openExitScreen();
        QVERIFY(typeIn(s, QStringLiteral("Ann"), QStringLiteral("a@b.c"), kUntouched, QStringLiteral("Bob"),
                       QStringLiteral("c@d.e")));
        testing::click(testing::control<QPushButton>(s, "cmdSubmit"));
        testing::click(testing::control<QPushButton>(s, "cmdSubmit"));
        QCOMPARE(seams().shell->opened.size(), 2);
        QCOMPARE(seams().shell->opened[0], seams().shell->opened[1]);
        QVERIFY(seams().messages->shown.isEmpty());
    }

    // Entries pasted longer than the request takes are refused, each with how long it may be; at their
    // longest, all at once, the address still starts a program as one argument, as the browser gets it.
    void longEntries_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("characters");
        QTest::addColumn<QString>("refusal");  // empty: the page opens
        QTest::newRow("name") << "txtName" << 101 << "Please Keep Your Name To 100 Characters";
        QTest::newRow("email") << "txtEmail" << 255 << "Please Keep Your Email Address To 254 Characters";
        QTest::newRow("message") << "txtMessage" << 2001 << "Please Keep Your Message To 2000 Characters";
        QTest::newRow("message far past the system's limit")
            << "txtMessage" << 40000 << "Please Keep Your Message To 2000 Characters";
        QTest::newRow("friend's name") << "txtFriendName" << 101 << "Please Keep Your Friend's Name To 100 Characters";
        QTest::newRow("friend's email")
            << "txtFriendEmail" << 255 << "Please Keep Your Friend's Email Address To 254 Characters";
        QTest::newRow("every entry at its longest") << "" << 0 << "";
    }
    void longEntries()
    {
        QFETCH(QString, box);
        QFETCH(int, characters);
        QFETCH(QString, refusal);
        shell::frmExitScreen* s = openExitScreen();
        QVERIFY(typeIn(s, QStringLiteral("Ann"), QStringLiteral("a@b.c"), QStringLiteral("Hello"),
                       QStringLiteral("Bob"), QStringLiteral("c@d.e")));
        if (box.isEmpty()) {
            QVERIFY(pasteInto(s, testing::control<QLineEdit>(s, "txtName"), longText(100)));
            QVERIFY(pasteInto(s, testing::control<QLineEdit>(s, "txtEmail"), longText(254, QStringLiteral("a@b.c"))));
            QVERIFY(pasteInto(s, testing::control<QPlainTextEdit>(s, "txtMessage"), longText(2000)));
            QVERIFY(pasteInto(s, testing::control<QLineEdit>(s, "txtFriendName"), longText(100)));
            QVERIFY(
                pasteInto(s, testing::control<QLineEdit>(s, "txtFriendEmail"), longText(254, QStringLiteral("c@d.e"))));
        } else {
            const bool email = box.endsWith(QLatin1String("Email"));
            QVERIFY(pasteInto(s, s->findChild<QWidget*>(box), longText(characters, email ? "x@y.z" : "")));
        }
        testing::click(testing::control<QPushButton>(s, "cmdSubmit"));
        if (!refusal.isEmpty()) {
            QCOMPARE(shownTexts(), QStringList{refusal});
            QCOMPARE(seams().messages->shown[0].icon, platform::MsgIcon::Critical);
            QVERIFY(seams().shell->opened.isEmpty());
            return;
        }
        QVERIFY(seams().messages->shown.isEmpty());
        QCOMPARE(seams().shell->opened.size(), 1);
        const QString address = seams().shell->opened[0];
        QVERIFY(address.contains(QStringLiteral("&taf3=") + QUrl::toPercentEncoding(longText(2000))));
        QCOMPARE(QProcess::execute(QStringLiteral("/bin/true"), {address}), 0);
    }

    // The address holds what the user typed, and the program's output is the session's log: neither the
    // program nor the opener it starts ever writes the address there. An opener that prints everything it
    // is given (as Debian's does, with a text browser behind it) is started with its output going nowhere;
    // with no opener and no browser at all, the user is told so, and the log gets nothing of it.
    void openingAnAddressLogsNothingOfIt_data()
    {
        QTest::addColumn<bool>("opener");
        QTest::newRow("an opener that prints the address") << true;
        QTest::newRow("no browser at all") << false;
    }
    void openingAnAddressLogsNothingOfIt()
    {
        QFETCH(bool, opener);
        testing::EnvironmentKept path("PATH");
        QTemporaryDir bin;
        const QString opened = bin.filePath(QStringLiteral("opened"));
        if (opener) {
            QFile script(bin.filePath(QStringLiteral("xdg-open")));
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\necho \"Opening $1\"\necho \"Opening $1\" >&2\necho \"$1\" > \"$0.tmp\"\n"
                         "/bin/mv \"$0.tmp\" \"" +
                         QFile::encodeName(opened) + "\"\n");
            script.close();
            QVERIFY(script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        }
        qputenv("PATH", QFile::encodeName(bin.path()));
        static QStringList logged;
        logged.clear();
        const QtMessageHandler before =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { logged << text; });
        const QString address = QString::fromLatin1(
            kPrefix + "&taf1=Anna%20Secretname&taf2=anna.secret%40x.org&taf3=Hi&taf4=Bob&taf5=bob%40y.org" + kProduct);
        const QString output = bin.filePath(QStringLiteral("output"));
        bool openerDone = false;
        {
            const testing::OutputCaught caught(output);
            platform::makeDesktopShell()->openUrl(address);
            // The opener has had its say once it has written down what it was given.
            openerDone = opener && QTest::qWaitFor([&] { return QFileInfo::exists(opened); }, 20000);
        }
        qInstallMessageHandler(before);
        QCOMPARE(openerDone, opener);
        for (const QString& line : logged) {
            QVERIFY2(!line.contains(QStringLiteral("ecret"), Qt::CaseInsensitive), qPrintable(line));
            QVERIFY2(!line.contains(QStringLiteral("taf")), qPrintable(line));
        }
        QFile said(output);
        QVERIFY(said.open(QIODevice::ReadOnly));
        const QByteArray written = said.readAll();
        QVERIFY2(!written.contains("ecret") && !written.contains("taf"), written.constData());
        if (opener) {
            QFile given(opened);
            QVERIFY(given.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromLatin1(given.readAll().trimmed()), address);
            QVERIFY(seams().messages->shown.isEmpty());
        } else {
            QCOMPARE(shownTexts(), QStringList {"No web browser could be started to show the page."});
            QCOMPARE(seams().messages->shown[0].icon, platform::MsgIcon::Exclamation);
        }
    }

    void requestWithoutEntriesOpensNothing()
    {
        shell::OpenReferralPage();  // nothing built yet
        shell::SendReferral();      // every entry empty
        QCOMPARE(shownTexts(), QStringList{QStringLiteral("Please Enter Your Name")});
        QVERIFY(seams().shell->opened.isEmpty());
    }

    void placeholdersGoAndComeBackWithTheFocus()
    {
        shell::frmExitScreen* s = openExitScreen();
        testing::clickInto(testing::control<QLineEdit>(s, "txtName"));
        QCOMPARE(focused(s), testing::control<QLineEdit>(s, "txtName"));
        QCOMPARE(testing::control<QLineEdit>(s, "txtName")->text(), QString());
        QTest::keyClick(testing::control<QLineEdit>(s, "txtName"), Qt::Key_Tab);
        QCOMPARE(focused(s), testing::control<QLineEdit>(s, "txtEmail"));
        QCOMPARE(testing::control<QLineEdit>(s, "txtName")->text(), QStringLiteral("Your Name"));
        QCOMPARE(testing::control<QLineEdit>(s, "txtEmail")->text(), QString());
        QTest::keyClicks(testing::control<QLineEdit>(s, "txtEmail"), QStringLiteral("a@b.c"));
        QTest::keyClick(testing::control<QLineEdit>(s, "txtEmail"), Qt::Key_Tab);
        QCOMPARE(testing::control<QLineEdit>(s, "txtEmail")->text(), QStringLiteral("a@b.c"));
        QCOMPARE(focused(s), testing::control<QLineEdit>(s, "txtFriendName"));
        QCOMPARE(testing::control<QLineEdit>(s, "txtFriendName")->text(), QString());
        QTest::keyClicks(testing::control<QLineEdit>(s, "txtFriendName"), QStringLiteral("   "));
        QTest::keyClick(testing::control<QLineEdit>(s, "txtFriendName"), Qt::Key_Tab);
        QCOMPARE(testing::control<QLineEdit>(s, "txtFriendName")->text(),
                 QStringLiteral("Friend's Name")); // blank counts as empty
        QCOMPARE(focused(s), testing::control<QLineEdit>(s, "txtFriendEmail"));
        QCOMPARE(testing::control<QLineEdit>(s, "txtFriendEmail")->text(), QString());

        // The placeholder in blanks counts as the placeholder; a box holding something else keeps it.
        QVERIFY(testing::typeInto(testing::control<QLineEdit>(s, "txtName"), QStringLiteral(" Your Name  ")));
        testing::clickInto(testing::control<QLineEdit>(s, "txtEmail"));
        QCOMPARE(testing::control<QLineEdit>(s, "txtName")->text(), QStringLiteral(" Your Name  "));
        testing::clickInto(testing::control<QLineEdit>(s, "txtName"));
        QCOMPARE(testing::control<QLineEdit>(s, "txtName")->text(), QString());
        testing::clickInto(testing::control<QLineEdit>(s, "txtEmail"));
        QVERIFY(testing::typeInto(testing::control<QLineEdit>(s, "txtName"), QStringLiteral("your name")));
        testing::clickInto(testing::control<QLineEdit>(s, "txtEmail"));
        testing::clickInto(testing::control<QLineEdit>(s, "txtName"));
        QCOMPARE(testing::control<QLineEdit>(s, "txtName")->text(), QStringLiteral("your name"));
    }

    void messageBoxOrProgramSwitchIsNoEnteringOrLeaving_data()
    {
        QTest::addColumn<int>("reason");
        QTest::newRow("window activation") << int(Qt::ActiveWindowFocusReason);
        QTest::newRow("popup") << int(Qt::PopupFocusReason);
    }
    void messageBoxOrProgramSwitchIsNoEnteringOrLeaving()
    {
        QFETCH(int, reason);
        shell::frmExitScreen* s = openExitScreen();
        QFocusEvent in(QEvent::FocusIn, Qt::FocusReason(reason));
        QApplication::sendEvent(testing::control<QLineEdit>(s, "txtName"), &in);
        QCOMPARE(testing::control<QLineEdit>(s, "txtName")->text(), QStringLiteral("Your Name"));
        testing::clickInto(testing::control<QLineEdit>(s, "txtEmail")); // entering it empties it
        QCOMPARE(testing::control<QLineEdit>(s, "txtEmail")->text(), QString());
        QFocusEvent out(QEvent::FocusOut, Qt::FocusReason(reason));
        QApplication::sendEvent(testing::control<QLineEdit>(s, "txtEmail"), &out);
        QCOMPARE(testing::control<QLineEdit>(s, "txtEmail")->text(), QString());
    }

    void tabReachesTheHiddenMessageBox()
    {
        shell::frmExitScreen* s = openExitScreen();
        testing::clickInto(testing::control<QLineEdit>(s, "txtFriendEmail"));
        QTest::keyClick(testing::control<QLineEdit>(s, "txtFriendEmail"), Qt::Key_Tab);
        QCOMPARE(focused(s), testing::control<QPushButton>(s, "cmdSubmit"));
        QTest::keyClick(testing::control<QPushButton>(s, "cmdSubmit"), Qt::Key_Tab);
        QCOMPARE(focused(s), testing::control<QPlainTextEdit>(s, "txtMessage"));
        QCOMPARE(s->MessageText(), QStringLiteral("Your Message\r\n"));  // not its placeholder: kept
        QTest::keyClick(testing::control<QPlainTextEdit>(s, "txtMessage"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(testing::control<QPlainTextEdit>(s, "txtMessage"), Qt::Key_Delete);
        QCOMPARE(s->MessageText(), QString());
        QTest::keyClick(testing::control<QPlainTextEdit>(s, "txtMessage"), Qt::Key_Tab); // leaves it: no tab typed in
        QVERIFY(focused(s) != testing::control<QPlainTextEdit>(s, "txtMessage"));
        QCOMPARE(s->MessageText(), QStringLiteral("Your Message"));

        QVERIFY(typeIn(s, QStringLiteral("Ann"), QStringLiteral("a@b.c"), kUntouched, QStringLiteral("Bob"),
                       QStringLiteral("c@d.e")));
        testing::click(testing::control<QPushButton>(s, "cmdSubmit"));
        QCOMPARE(shownTexts(), QStringList{QStringLiteral("Please Enter Your Message")});
        QVERIFY(seams().shell->opened.isEmpty());
    }

    void typedSpaceInAnAddressIsRefused_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("txtEmail") << "txtEmail";
        QTest::newRow("txtFriendEmail") << "txtFriendEmail";
    }
    void typedSpaceInAnAddressIsRefused()
    {
        QFETCH(QString, box);
        shell::frmExitScreen* s = openExitScreen();
        auto* edit = s->findChild<QLineEdit*>(box);
        QVERIFY(edit);
        testing::clickInto(edit);
        // Wherever the box leaves the focus, it comes back to the address box.
        seams().messages->whileShown = [s] {
            testing::control<QPushButton>(s, "cmdClose")->setFocus(Qt::OtherFocusReason);
        };
        QTest::keyClicks(edit, QStringLiteral("a b"));
        QCOMPARE(edit->text(), QStringLiteral("ab"));
        QCOMPARE(shownTexts(), QStringList{QStringLiteral("Email Address Cannot Contain Space")});
        const testing::ShownMessage& m = seams().messages->shown[0];
        QCOMPARE(m.icon, platform::MsgIcon::Critical);
        QCOMPARE(m.buttons, platform::MsgButtons::Ok);
        QCOMPARE(m.title, QStringLiteral("Selvanthe"));
        QCOMPARE(m.parent, static_cast<QWidget*>(s));
        QCOMPARE(focused(s), edit);

        // The name boxes take spaces.
        testing::clickInto(testing::control<QLineEdit>(s, "txtName"));
        QTest::keyClicks(testing::control<QLineEdit>(s, "txtName"), QStringLiteral("A B"));
        QCOMPARE(testing::control<QLineEdit>(s, "txtName")->text(), QStringLiteral("A B"));
        QCOMPARE(seams().messages->shown.size(), 1);
    }

    void pastedSpaceGetsPastTheKeyRule()
    {
        shell::frmExitScreen* s = openExitScreen();
        QVERIFY(typeIn(s, QStringLiteral("Ann"), QString(), kUntouched, QStringLiteral("Bob"), QStringLiteral("c@d.e")));
        testing::clickInto(testing::control<QLineEdit>(s, "txtEmail"));
        QGuiApplication::clipboard()->setText(QStringLiteral("a b@c.d"));
        QVERIFY(testing::key(Qt::Key_V, Qt::ControlModifier));
        QCOMPARE(testing::control<QLineEdit>(s, "txtEmail")->text(), QStringLiteral("a b@c.d"));
        QVERIFY(seams().messages->shown.isEmpty());
        testing::click(testing::control<QPushButton>(s, "cmdSubmit"));
        QCOMPARE(seams().shell->opened.size(), 1);
        QVERIFY(seams().shell->opened[0].contains(QStringLiteral("&taf2=a%20b%40c.d&")));
    }
};

SELVANTHE_TEST_MAIN(TestReferFriend)
#include "tst_referfriend.moc"
