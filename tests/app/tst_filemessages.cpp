// Every message Save, Open and Print tell the user, in the tarot and in the runic tarot, by its exact text:
// one row for each road that ends in a message.
#include "FindControl.h"
#include "../runictarot/RunicTestSupport.h"
#include "Roads.h"
#include "TestMain.h"
#include "UserInput.h"

#include "platform/Printing.h"
#include "platform/Services.h"
#include "runictarot/RunicTarotState.h"
#include "shell/frmMDI.h"
#include "tarot/TarotState.h"
#include "tarot/frmTarotFront.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <optional>

using rt::frmRunicTarotDisplay;
using rt::frmRunicTarotMain;
using rt::frmRunicTarotSave;
using testing::seams;

namespace {

// The printer dialog the runic tarot report opens, answered with a queue.
class QueueChosen final : public platform::IPrintDialog {
public:
    std::optional<platform::PrintChoice> choose(QWidget*, bool, bool) override
    {
        platform::PrintChoice choice;
        choice.target.printerName = QStringLiteral("Office");
        return choice;
    }
};

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A tarot reading on show, as a deal leaves it.
void tarotReadingOnShow(QList<std::int32_t> cards)
{
    tarot::ShownReading& r = tarot::State().Shown;
    r.complete = true;
    r.spreadName = QStringLiteral("Two Cards");
    r.deckLetter = QStringLiteral("o");
    r.cards = std::move(cards);
    r.reversed = {};
}

} // namespace

class TestFileMessages : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }

    // The main window's Save or Print clicked, with its top panel on view as the tarot leaves it.
    void clickMainWindow(const char* button)
    {
        shell::frmMDI* mdi = testing::openMain();
        testing::control<QWidget>(mdi, "picTop")->show();
        testing::click(testing::control<QPushButton>(mdi, button));
    }

    // Takes the road named; false where it did not get to the message.
    bool take(const QString& road)
    {
        const QString noFolder = path(QStringLiteral("no/such/folder/reading"));
        if (road == "tarot save, nothing on show") {
            clickMainWindow("cmdSave");
        } else if (road == "tarot save, a file that would not open again") {
            // A card the deck does not hold: no deal makes it, so the state is given straight.
            tarotReadingOnShow({3, 99});
            clickMainWindow("cmdSave");
        } else if (road == "tarot save, into no folder") {
            tarotReadingOnShow({3, 7});
            seams().files->answers.enqueue(noFolder + ".slv");
            clickMainWindow("cmdSave");
        } else if (road == "tarot save, the name given the suffix is taken") {
            tarotReadingOnShow({3, 7});
            if (!writeFile(path("taken.txt.slv"), "earlier"))
                return false;
            seams().files->answers.enqueue(path("taken.txt"));
            seams().messages->answers.enqueue(platform::MsgResult::No);
            clickMainWindow("cmdSave");
        } else if (road == "tarot open, another suffix" || road == "tarot open, no reading inside") {
            const QString file = path(road.endsWith("suffix") ? "reading.txt" : "reading.slv");
            if (!writeFile(file, "Two Cards\r\n"))
                return false;
            tarot::frmTarotFront* front = testing::tarotQuerent();
            if (!front)
                return false;
            seams().files->answers.enqueue(file);
            testing::click(testing::control<QPushButton>(front, "cmdOpen"));
        } else if (road == "tarot print, no printer" || road == "tarot print, a stopped queue") {
            platform::setPrinting(platform::makeDefaultPrinting());
            if (road.endsWith("queue")) {
                seams().print->queues = {QStringLiteral("Office")};
                seams().print->state.stopped = true;
            }
            clickMainWindow("cmdPrint");
        } else if (road == "runic save, a name the file cannot hold") {
            frmRunicTarotSave* report = rt::openReport(QStringLiteral("JOS") + QChar(0xC9), 7, "May", 1990);
            if (!report)
                return false;
            testing::click(testing::control<QPushButton>(report, "cmdSave"));
        } else if (road == "runic save, details that would not open again") {
            frmRunicTarotDisplay* reading = rt::generate(QStringLiteral("ANN"), 7, "May", 1990);
            if (!reading)
                return false;
            // A year the lists do not hold: no control gives it, so the state is given straight.
            runictarot::State().RunicBirthYear = runictarot::LastBirthYear + 1;
            testing::click(testing::control<QPushButton>(reading, "cmdPrint"));
            frmRunicTarotSave* report = platform::Forms::Peek<frmRunicTarotSave>();
            if (!report)
                return false;
            testing::click(testing::control<QPushButton>(report, "cmdSave"));
        } else if (road == "runic save, into no folder") {
            frmRunicTarotSave* report = rt::openReport(QStringLiteral("ANN"), 7, "May", 1990);
            if (!report)
                return false;
            seams().files->answers.enqueue(noFolder + ".brn");
            testing::click(testing::control<QPushButton>(report, "cmdSave"));
        } else if (road == "runic open, another suffix" || road == "runic open, no details inside") {
            const QString file = path(road.endsWith("suffix") ? "ann.txt" : "ann.brn");
            // A whole details file under another suffix, or the name line alone.
            if (!writeFile(file, road.endsWith("inside") ? "ANN\r\n" : "ANN\r\n7\r\nMay\r\n1990\r\n"))
                return false;
            frmRunicTarotMain* details = rt::openTool();
            if (!details)
                return false;
            seams().files->answers.enqueue(file);
            testing::click(testing::control<QPushButton>(details, "cmdOpen"));
        } else if (road == "runic print, the queue refuses" || road == "runic print, a stopped queue") {
            frmRunicTarotSave* report = rt::openReport(QStringLiteral("ANN"), 7, "May", 1990);
            if (!report)
                return false;
            seams().print->queues = {QStringLiteral("Office")};
            if (road.endsWith("refuses"))
                seams().print->refusal = QStringLiteral("The printer or class is not currently accepting jobs.");
            else
                seams().print->state.stopped = true;
            testing::click(testing::control<QPushButton>(report, "cmdPrint"));
        } else {
            return false;
        }
        return true;
    }

private slots:
    void initTestCase() { platform::setPrintDialog(std::make_unique<QueueChosen>()); }

    void init()
    {
        rt::freshRunicTarot();
        tarot::ResetStateForTests();
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
    }

    void everyMessageByItsText_data()
    {
        QTest::addColumn<QString>("road");
        QTest::addColumn<QString>("text"); // %1: the folder the files are in
        QTest::addColumn<platform::MsgIcon>("icon");
        const auto critical = platform::MsgIcon::Critical;
        const auto information = platform::MsgIcon::Information;
        const QString stopped =
            QStringLiteral("The printer Office is stopped. The job waits until the printer is started again.");
        const auto row = [](const char* road, const QString& text, platform::MsgIcon icon) {
            QTest::newRow(road) << QString::fromLatin1(road) << text << icon;
        };
        row("tarot save, nothing on show", "There is no tarot reading on show to save.", information);
        row("tarot save, a file that would not open again",
            "The reading could not be saved: its file would not open again.", critical);
        row("tarot save, into no folder",
            "The reading could not be saved to %1/no/such/folder/reading.slv: No such file or directory.", critical);
        row("tarot save, the name given the suffix is taken",
            "The file %1/taken.txt.slv already exists. Do you want to replace it?", platform::MsgIcon::Question);
        row("tarot open, another suffix", "Please Check The File.", critical);
        row("tarot open, no reading inside", "Please Check The File.", critical);
        row("tarot print, no printer", "The reading could not be printed. No printer is installed.", critical);
        row("tarot print, a stopped queue", "The reading was sent to the printer. " + stopped, information);
        row("runic save, a name the file cannot hold", "The Name Contains Characters That Cannot Be Saved.", critical);
        row("runic save, details that would not open again", "The File Could Not Be Saved.", critical);
        row("runic save, into no folder",
            "The File Could Not Be Saved To %1/no/such/folder/reading.brn: No such file or directory.", critical);
        row("runic open, another suffix", "Please Check The File.", critical);
        row("runic open, no details inside", "Please Check The File.", critical);
        row("runic print, the queue refuses",
            "The Report Could Not Be Printed. The printer or class is not currently accepting jobs.", critical);
        row("runic print, a stopped queue", "The Report Was Sent To The Printer. " + stopped, information);
    }
    void everyMessageByItsText()
    {
        QFETCH(QString, road);
        QFETCH(QString, text);
        QFETCH(platform::MsgIcon, icon);
        QVERIFY2(take(road), qPrintable(road));
        QStringList shown;
        for (const testing::ShownMessage& m : seams().messages->shown)
            shown << m.text;
        QCOMPARE(shown, QStringList {text.arg(QDir::toNativeSeparators(dir.path()))});
        QCOMPARE(seams().messages->shown[0].icon, icon);
    }
};

SELVANTHE_TEST_MAIN(TestFileMessages)
#include "tst_filemessages.moc"
