// Start-up with its single-instance guard, the update reminder, and the end of the program.
#include "TestMain.h"

#include "FakeToolWindows.h"
#include "shell/Codec.h"
#include "shell/frmMDI.h"
#include "shell/frmStartup.h"
#include "shell/modHelp.h"

#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>

using testing::seams;

namespace {

const QString kDownload = QStringLiteral("https://www.selvanthe.example/selvanthe/ssd.php?page=download-web-page");

QByteArray storedRaw()
{
    return platform::settingsStore().get(QStringLiteral("Selvanthe"), QStringLiteral("Settings"),
                                         shell::EncodeString("Duration"));
}

QString storedDate() { return QString::fromLatin1(shell::DecodeString(storedRaw())); }

void storeDate(const QDateTime& when)
{
    platform::settingsStore().set(QStringLiteral("Selvanthe"), QStringLiteral("Settings"),
                                  shell::EncodeString("Duration"),
                                  shell::EncodeString(when.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")).toLatin1()));
}

class ThrowingStore : public platform::ISettingsStore {
public:
    QByteArray get(const QString&, const QString&, const QByteArray&) override
    {
        throw std::runtime_error("settings store unreadable");
    }
    void set(const QString&, const QString&, const QByteArray&, const QByteArray&) override {}
    void sync() override {}
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void init() { testing::freshProgram(); }

    void secondCopyOnlySaysSoAndEnds()
    {
        seams().guard->anotherRunning = true;
        auto* startup = platform::Forms::Get<shell::frmStartup>();
        QVERIFY(startup);
        QVERIFY(!startup->continuesRunning());
        QCOMPARE(seams().messages->shown.size(), 1);
        QCOMPARE(seams().messages->shown[0].text, QStringLiteral("Application is already running"));
        QCOMPARE(seams().messages->shown[0].title, QStringLiteral("Selvanthe"));
        QCOMPARE(seams().messages->shown[0].icon, platform::MsgIcon::Information);
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmMDI")));
        QVERIFY(storedRaw().isEmpty());  // the reminder never ran
    }

    void lockFileTellsASecondCopy()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("selvanthe.lock"));
        auto first = platform::makeLockFileGuard(path);
        auto second = platform::makeLockFileGuard(path);
        QVERIFY(!first->previousInstance());
        QVERIFY(second->previousInstance());
        QVERIFY(!first->previousInstance());  // asking again does not lose the lock
        first->release();
        QVERIFY(!second->previousInstance());
    }

    void onlyCopyRemindsThenOpensTheMainWindow()
    {
        auto* startup = platform::Forms::Get<shell::frmStartup>();
        QVERIFY(startup->continuesRunning());
        QCOMPARE(startup->windowTitle(), QStringLiteral("Selvanthe v1.15"));
        QCOMPARE(startup->lblStartupCaption->text(), QStringLiteral("Selvanthe v1.15"));
        QVERIFY(!startup->isVisible());
        QVERIFY(!storedDate().isEmpty());
        auto* mdi = shell::MDI();
        QVERIFY(mdi);
        QVERIFY(mdi->isVisible());
        QCOMPARE(mdi->windowTitle(), QStringLiteral("Selvanthe v1.15"));
        QVERIFY(seams().messages->shown.isEmpty());
    }

    void failingReminderStillOpensTheMainWindow()
    {
        platform::setSettingsStore(std::make_unique<ThrowingStore>());
        auto* startup = platform::Forms::Get<shell::frmStartup>();
        QVERIFY(startup->continuesRunning());
        QVERIFY(shell::MDI() && shell::MDI()->isVisible());
    }

    void reminder_data()
    {
        QTest::addColumn<QDateTime>("stored");
        QTest::addColumn<bool>("asks");
        const QDateTime now(QDate(2026, 12, 10), QTime(0, 1, 0));
        QTest::newRow("14 days ago") << now.addDays(-14) << false;
        QTest::newRow("14 days ahead") << now.addDays(14) << false;
        QTest::newRow("15 days ago, late in the day") << QDateTime(QDate(2026, 11, 25), QTime(23, 59, 0)) << true;
        QTest::newRow("15 days ahead") << now.addDays(15) << true;
        QTest::newRow("today") << now << false;
    }
    void reminder()
    {
        QFETCH(QDateTime, stored);
        QFETCH(bool, asks);
        seams().clock->current = QDateTime(QDate(2026, 12, 10), QTime(0, 1, 0));
        storeDate(stored);
        const QByteArray before = storedRaw();
        shell::AskForUpdate();
        QCOMPARE(seams().messages->shown.size(), asks ? 1 : 0);
        if (asks) {
            const testing::ShownMessage& m = seams().messages->shown[0];
            QCOMPARE(m.text, QStringLiteral("There maybe an update to this software available\n"
                                            "Do you want to check for an update?"));
            QCOMPARE(m.buttons, platform::MsgButtons::YesNo);
            QCOMPARE(m.icon, platform::MsgIcon::Information);
            // Answered No: no page, and the date renewed all the same.
            QVERIFY(seams().shell->opened.isEmpty());
            QCOMPARE(storedDate(), QStringLiteral("2026-12-10T00:01:00"));
        } else {
            QCOMPARE(storedRaw(), before);
        }
    }

    void reminderFirstRunAndUnreadableValueStoreSilently()
    {
        shell::AskForUpdate();
        QVERIFY(seams().messages->shown.isEmpty());
        QCOMPARE(storedDate(), QStringLiteral("2026-12-10T10:00:00"));

        platform::settingsStore().set(QStringLiteral("Selvanthe"), QStringLiteral("Settings"),
                                      shell::EncodeString("Duration"), shell::EncodeString("12/8/2009 7:30:15 PM"));
        shell::AskForUpdate();
        QVERIFY(seams().messages->shown.isEmpty());
        QCOMPARE(storedDate(), QStringLiteral("2026-12-10T10:00:00"));
    }

    void reminderYesStoresThenOpensTheDownloadPage()
    {
        storeDate(seams().clock->current.addDays(-30));
        seams().messages->answers.enqueue(platform::MsgResult::Yes);
        QString dateWhenOpened;
        seams().shell->onOpen = [&](const QString&) { dateWhenOpened = storedDate(); };
        shell::AskForUpdate();
        QCOMPARE(seams().shell->opened, QStringList{kDownload});
        QCOMPARE(dateWhenOpened, QStringLiteral("2026-12-10T10:00:00"));
    }

    void reminderKeepsKeyAndValueEncodedInTheStore()
    {
        shell::AskForUpdate();
        platform::settingsStore().sync();
        QSettings raw(seams().settingsFile, QSettings::IniFormat);
        const QStringList keys = raw.allKeys();
        QCOMPARE(keys.size(), 1);
        QCOMPARE(keys[0], QStringLiteral("Settings/") + QString::fromLatin1("\x99\xCA\xC7\xB6\xC9\xBE\xC4\xC3"));
        QCOMPARE(raw.value(keys[0]).toString().toLatin1(), shell::EncodeString("2026-12-10T10:00:00"));
    }

    void quitUnloadsEachWindowOnceInLoadOrderAndEnds()
    {
        QStringList log;
        testing::registerFakeToolWindows(&log);
        platform::Forms::Get<shell::frmStartup>();
        // Unload routines that ask to quit again while the program is ending.
        for (const char* name : {"frmTarotOpen", "frmRunicTarotMain", "frmAuto"}) {
            platform::Forms::Register(QString::fromLatin1(name), [name, &log] {
                auto* f = new testing::FakeToolWindow(QString::fromLatin1(name), &log);
                QObject::connect(f, &platform::Form::unloaded, [] { shell::QuitApplication(); });
                return f;
            });
            platform::Forms::Get(QString::fromLatin1(name));
        }
        log.clear();
        QVERIFY_THROWS_EXCEPTION(testing::ProcessEnded, shell::QuitApplication());
        QCOMPARE(seams().exit->exits, 1);
        QCOMPARE(log, (QStringList{QStringLiteral("unload:frmTarotOpen"), QStringLiteral("unload:frmRunicTarotMain"),
                                   QStringLiteral("unload:frmAuto")}));
        QVERIFY(platform::Forms::Loaded().isEmpty());
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmExitScreen")));
        // Nothing loads while the program ends.
        QVERIFY(!platform::Forms::Get(QStringLiteral("frmTarotOpen")));
    }
};

SELVANTHE_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
