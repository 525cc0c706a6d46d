// The tool switch behind the three tool buttons and the three welcome links.
#include "FindControl.h"
#include "TestMain.h"
#include "Roads.h"
#include "UserInput.h"

#include "FakeToolWindows.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"
#include "shell/Quit.h"
#include "shell/ToolSwitch.h"
#include "shell/frmMDI.h"

#include <QLabel>
#include <QPushButton>

using testing::openMain;

namespace {

QStringList toolWindowsLoaded()
{
    QStringList out;
    for (platform::Form* f : platform::Forms::Loaded())
        if (f->kind() == platform::Form::Kind::MdiChild)
            out << f->formName();
    return out;
}

QStringList unloads(const QStringList& log)
{
    QStringList out;
    for (const QString& entry : log)
        if (entry.startsWith(QLatin1String("unload:")))
            out << entry.mid(7);
    return out;
}

} // namespace

class TestToolSwitch : public QObject {
    Q_OBJECT
    QStringList log;

private slots:
    void init()
    {
        testing::freshProgram();
        log.clear();
        testing::registerFakeToolWindows(&log);
    }

    void unloadsInItsFifteenSteps()
    {
        auto* mdi = openMain();
        for (const QString& name : testing::toolWindowNames())
            platform::Forms::Get(name)->Show();
        log.clear();
        testing::click(testing::control<QPushButton>(mdi, "cmdSelectOption", 2));
        QCOMPARE(unloads(log),
                 (QStringList{"frmRunesReadingAll", "frmRunesReadingEntry", "frmRunesReadingResult",
                              "frmRunesReadingSelect", "frmRunesReadingSpread", "frmRunicTarotDisplay",
                              "frmRunicTarotMain", "frmRunicTarotSave", "frmAuto", "frmTarot", "frmTarotFront",
                              "frmTarotManual", "frmTarotOpen", "frmRunicTarotDisplay"}));
        // The report's unload brought the reading window back; the switch takes it away again.
        QCOMPARE(log.count(QStringLiteral("load:frmRunicTarotDisplay")), 1);
        QCOMPARE(toolWindowsLoaded(), QStringList{"frmRunicTarotMain"});
    }

    void opensTheChosenToolAfresh_data()
    {
        QTest::addColumn<int>("control");
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("first");
        const QStringList firsts = {"frmRunesReadingEntry", "frmTarotOpen", "frmRunicTarotMain"};
        // The welcome panel's links can be clicked only while the panel is on show.
        for (int control = 0; control < 6; ++control) {
            for (const char* situation : {"nothing open", "tarot reading on screen", "step bar left by runes exit"}) {
                if (control >= 3 && situation[0] == 't')
                    continue;
                QTest::addRow("%s %d, %s", control < 3 ? "button" : "link", control, situation)
                    << control << QString::fromLatin1(situation) << firsts[control % 3];
            }
        }
    }
    void opensTheChosenToolAfresh()
    {
        QFETCH(int, control);
        QFETCH(QString, situation);
        QFETCH(QString, first);
        auto* mdi = openMain();
        if (situation.startsWith(QLatin1String("tarot"))) {
            platform::Forms::Get(QStringLiteral("frmTarot"));
            platform::Forms::Get(QStringLiteral("frmAuto"))->Show();
            testing::control<QWidget>(mdi, "picMain")->hide();
            testing::control<QWidget>(mdi, "picTop")->show();
            testing::control<QWidget>(mdi, "picRight")->show();
        } else if (situation.startsWith(QLatin1String("step bar"))) {
            testing::control<QWidget>(mdi, "picRunesReadingTop")->show();
        }
        log.clear();
        if (control < 3)
            testing::click(testing::control<QPushButton>(mdi, "cmdSelectOption", size_t(control)));
        else
            testing::click(testing::control<QWidget>(mdi, "lblCaption", size_t(control)));

        QCOMPARE(toolWindowsLoaded(), QStringList{first});
        QCOMPARE(log.last(), QStringLiteral("load:") + first);
        QVERIFY(testing::control<QWidget>(mdi, "picMain")->isHidden());
        QVERIFY(testing::control<QWidget>(mdi, "picRight")->isHidden());
        QVERIFY(testing::control<QWidget>(mdi, "picTop")->isHidden());
        const bool runes = control % 3 == 0;
        QCOMPARE(!testing::control<platform::PictureBox>(mdi, "picLeft")->isHidden(), runes);
        QCOMPARE(!testing::control<QWidget>(mdi, "picRunesReadingTop")->isHidden(), runes);
        platform::Form* window = platform::Forms::Peek(first);
        QVERIFY(window->isVisibleTo(mdi));
        const double w = window->Width();
        QCOMPARE(window->Left(), runes ? (19200 - 3285 - w) / 2 : (19200 - w) / 2);
        QCOMPARE(window->Top(), 0.0);
    }

    void sameToolAgainStartsOver()
    {
        auto* mdi = openMain();
        testing::click(testing::control<QWidget>(mdi, "lblCaption", 4));
        testing::click(testing::control<QPushButton>(mdi, "cmdSelectOption", 1));
        QCOMPARE(log, (QStringList{"load:frmTarotOpen", "unload:frmTarotOpen", "load:frmTarotOpen"}));
    }

    void headingsAndBusyTimesDoNothing()
    {
        auto* mdi = openMain();
        platform::Forms::Get(QStringLiteral("frmTarotOpen"))->Show();
        testing::control<QWidget>(mdi, "picMain")->hide();
        log.clear();
        for (int i = 0; i < 3; ++i)
            testing::click(testing::control<QWidget>(mdi, "lblCaption", size_t(i)));
        {
            shell::BusyScope busy;
            testing::click(testing::control<QPushButton>(mdi, "cmdSelectOption", 0));
            // The links answer only while the welcome panel is on view.
            testing::control<QWidget>(mdi, "picMain")->show();
            testing::click(testing::control<QWidget>(mdi, "lblCaption", 5));
            testing::control<QWidget>(mdi, "picMain")->hide();
        }
        QVERIFY(log.isEmpty());
        QCOMPARE(toolWindowsLoaded(), QStringList{"frmTarotOpen"});
    }

    void aToolThatEndsInItsLoadIsNotPlaced()
    {
        auto* mdi = openMain();
        platform::Forms::Register(QStringLiteral("frmTarotOpen"), [this] {
            auto* f = new testing::FakeToolWindow(QStringLiteral("frmTarotOpen"), &log);
            return f;
        });
        // A load routine that gives up and unloads its own window.
        QObject::connect(platform::Forms::notifier(), &platform::FormsNotifier::changed, mdi, [] {
            if (platform::Form* f = platform::Forms::Peek(QStringLiteral("frmTarotOpen")))
                platform::Forms::Unload(f);
        });
        testing::click(testing::control<QPushButton>(mdi, "cmdSelectOption", 1));
        QVERIFY(toolWindowsLoaded().isEmpty());
        QObject::disconnect(platform::Forms::notifier(), nullptr, mdi, nullptr);
    }
};

SELVANTHE_TEST_MAIN(TestToolSwitch)
#include "tst_toolswitch.moc"
