// Save and Print of the querent bar.
#include "FindControl.h"
#include "FullDisk.h"
#include "EnvironmentKept.h"
#include "PrintServices.h"
#include "TestMain.h"
#include "Roads.h"
#include "UserInput.h"

#include "platform/RichTextBox.h"
#include "shell/Quit.h"
#include "shell/frmMDI.h"
#include "tarot/ReadingFile.h"
#include "tarot/TarotState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <optional>

#include <unistd.h>

using testing::seams;

namespace {

// The main window with its querent bar, Save and Print, on show, as a card-layout window shows it.
// The main window with its top panel on view, as the tools leave it.
shell::frmMDI* openMain()
{
    shell::frmMDI* mdi = testing::openMain();
    testing::control<QWidget>(mdi, "picTop")->show();
    return mdi;
}

void showReading()
{
    tarot::ShownReading& r = tarot::State().Shown;
    r.complete = true;
    r.spreadName = QStringLiteral("Two Cards");
    r.deckLetter = QStringLiteral("o");
    r.cards = {3, 7};
    r.reversed = {7};
}

class RecordingPrinter : public platform::IPrinting {
public:
    platform::PrintResult print(const QTextDocument& document) override
    {
        texts << document.toPlainText();
        fonts << document.defaultFont();
        if (fail)
            return {platform::PrintOutcome::NoPrinter, QStringLiteral("No printer is installed."), {}};
        return {platform::PrintOutcome::Printed, {}, {}};
    }
    QStringList texts;
    QList<QFont> fonts;
    bool fail = false;
};

// The lines of a PDF's text, pages run together, blank lines left out.
QStringList pdfLines(const QString& pdf)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        return {};
    QProcess proc;
    proc.start(pdftotext, {pdf, QStringLiteral("-")});
    proc.waitForFinished();
    QStringList lines;
    for (QString line : QString::fromUtf8(proc.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        line.remove(QLatin1Char('\f'));
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    }
    return lines;
}


QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestSavePrint : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void init()
    {
        testing::freshProgram();
        tarot::ResetStateForTests();
    }

    void saveWritesTheReadingOnShow()
    {
        auto* mdi = openMain();
        showReading();
        const QString path = dir.filePath(QStringLiteral("two.slv"));
        seams().files->answers.enqueue(path);
        testing::click(testing::control<QPushButton>(mdi, "cmdSave"));
        QCOMPARE(readAll(path), tarot::ComposeReadingFile(tarot::State().Shown));
        const platform::FileDialogRequest& r = seams().files->requests.constFirst();
        QCOMPARE(r.title, QStringLiteral("Selvanthe"));
        QCOMPARE(r.defaultSuffix, QStringLiteral("slv"));
        QVERIFY(r.overwritePrompt);
        QVERIFY(seams().messages->shown.isEmpty());

        // Twice in a row: two complete files.
        const QString second = dir.filePath(QStringLiteral("again.slv"));
        seams().files->answers.enqueue(second);
        testing::click(testing::control<QPushButton>(mdi, "cmdSave"));
        QCOMPARE(readAll(second), readAll(path));
    }

    void saveWithoutAReadingSaysSo()
    {
        auto* mdi = openMain();
        testing::click(testing::control<QPushButton>(mdi, "cmdSave"));
        QCOMPARE(seams().messages->shown.size(), 1);
        QCOMPARE(seams().messages->shown[0].icon, platform::MsgIcon::Information);
        QVERIFY(seams().files->requests.isEmpty());
    }

    void saveNamesAndFailures()
    {
        auto* mdi = openMain();
        showReading();
        // Cancel: nothing at all.
        testing::click(testing::control<QPushButton>(mdi, "cmdSave"));
        QVERIFY(seams().messages->shown.isEmpty());

        // A name the file cannot take (a folder stands there): a critical message, what stood there
        // untouched, and no half-written file left behind.
        QTemporaryDir target;
        const QString taken = target.filePath(QStringLiteral("taken.slv"));
        QVERIFY(QDir().mkdir(taken));
        seams().files->answers.enqueue(taken);
        testing::click(testing::control<QPushButton>(mdi, "cmdSave"));
        QCOMPARE(seams().messages->shown.size(), 1);
        QCOMPARE(seams().messages->shown[0].icon, platform::MsgIcon::Critical);
        QVERIFY(QFileInfo(taken).isDir());
        QCOMPARE(QDir(target.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"taken.slv"});
    }

    // A saved reading always opens again: a name that does not end in the reading's suffix gets it, also
    // one that ends in a stop or in a suffix of its own. A name so changed that is a file there already is
    // asked about first: Yes replaces it, No goes back to the dialog (cancelled here) and keeps it.
    void saveGivesTheNameTheSuffixOpenNeeds_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<bool>("there"); // a file stands at the written name before
        QTest::addColumn<int>("answer"); // to the question on replacing it
        const int none = -1;
        const int yes = int(platform::MsgResult::Yes);
        const int no = int(platform::MsgResult::No);
        QTest::newRow("a bare name") << "bare"
                                     << "bare.slv" << false << none;
        QTest::newRow("a name ending in a stop") << "name."
                                                 << "name.slv" << false << none;
        QTest::newRow("another suffix") << "x.txt"
                                        << "x.txt.slv" << false << none;
        QTest::newRow("the suffix in capitals") << "R.SLV"
                                                << "R.SLV.slv" << false << none;
        QTest::newRow("the suffix typed") << "r.slv"
                                          << "r.slv" << true << none;
        QTest::newRow("a changed name that is there, replaced") << "y.txt"
                                                                << "y.txt.slv" << true << yes;
        QTest::newRow("a changed name that is there, kept") << "y.txt"
                                                            << "y.txt.slv" << true << no;
    }
    void saveGivesTheNameTheSuffixOpenNeeds()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(bool, there);
        QFETCH(int, answer);
        QTemporaryDir folder;
        const QString path = folder.filePath(written);
        const QByteArray earlier = "an earlier file";
        if (there) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(earlier), earlier.size());
        }
        auto* mdi = openMain();
        showReading();
        seams().files->answers.enqueue(folder.filePath(typed));
        if (answer >= 0)
            seams().messages->answers.enqueue(platform::MsgResult(answer));
        testing::click(testing::control<QPushButton>(mdi, "cmdSave"));
        const bool replaced = answer != int(platform::MsgResult::No);
        QCOMPARE(readAll(path), replaced ? tarot::ComposeReadingFile(tarot::State().Shown) : earlier);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList {written});
        if (answer >= 0) {
            QCOMPARE(seams().messages->shown.size(), 1);
            QCOMPARE(seams().messages->shown[0].text,
                     "The file " + path + " already exists. Do you want to replace it?");
            QCOMPARE(seams().messages->shown[0].icon, platform::MsgIcon::Question);
            QCOMPARE(seams().messages->shown[0].buttons, platform::MsgButtons::YesNo);
            // No: the dialog again, which the user cancels.
            QCOMPARE(seams().files->requests.size(), replaced ? 1 : 2);
        } else {
            QVERIFY(seams().messages->shown.isEmpty());
        }
        // What was written opens again.
        QVERIFY(tarot::HasReadingFileSuffix(path));
    }

    // A disk that fills while the reading is written: the system's reason is told, the file that stood
    // there keeps every byte, and no file is left where there was none. Once there is room, the same Save
    // works.
    void saveOnAFullDisk_data()
    {
        QTest::addColumn<QByteArray>("earlier");  // empty: no file there before
        tarot::ShownReading before{true, QStringLiteral("One Card"), QStringLiteral("m"), {12}, {}};
        QTest::newRow("over an existing file") << tarot::ComposeReadingFile(before);
        QTest::newRow("a new file") << QByteArray();
    }
    void saveOnAFullDisk()
    {
        QFETCH(QByteArray, earlier);
        testing::FullDisk disk;
        const QString path = disk.filePath(QStringLiteral("reading.slv"));
        if (!earlier.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(earlier), earlier.size());
        }
        auto* mdi = openMain();
        showReading();
        seams().files->answers.enqueue(path);
        QVERIFY2(disk.whileFull(0, [&] { testing::click(testing::control<QPushButton>(mdi, "cmdSave")); }),
                 qPrintable(disk.road()));
        QCOMPARE(readAll(path), earlier);
        QCOMPARE(QFile::exists(path), !earlier.isEmpty());
        QCOMPARE(QDir(disk.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 earlier.isEmpty() ? QStringList() : QStringList{"reading.slv"});
        QCOMPARE(seams().messages->shown.size(), 1);
        QCOMPARE(seams().messages->shown[0].text,
                 "The reading could not be saved to " + path + ": " + disk.reason() + ".");
        QCOMPARE(seams().messages->shown[0].icon, platform::MsgIcon::Critical);

        seams().files->answers.enqueue(path);
        testing::click(testing::control<QPushButton>(mdi, "cmdSave"));
        QCOMPARE(seams().messages->shown.size(), 1);
        QCOMPARE(readAll(path), tarot::ComposeReadingFile(tarot::State().Shown));
    }

    void printHasHeaderReadingFooter()
    {
        auto* mdi = openMain();
        auto printer = std::make_unique<RecordingPrinter>();
        RecordingPrinter* p = printer.get();
        platform::setPrinting(std::move(printer));
        testing::readingPane()->SetSelFontName(QStringLiteral("Courier"));
        testing::readingPane()->SetSelBold(true);
        testing::readingPane()->SetSelText(QStringLiteral("Spread Type - One Card\r\nThe Sun"));
        testing::click(testing::control<QPushButton>(mdi, "cmdPrint"));
        testing::click(testing::control<QPushButton>(mdi, "cmdPrint"));
        const QString line = QStringLiteral("Report Generated By www.selvanthe.example");
        const QString expected = line + "\n\nSpread Type - One Card\nThe Sun\n\n" + line;
        QCOMPARE(p->texts, (QStringList{expected, expected}));
        QCOMPARE(p->fonts[0].family(), testing::control<platform::RichTextBox>(mdi, "rtb1")->font().family());
        QCOMPARE(p->fonts[0].pointSizeF(), 9.75);
        QCOMPARE(testing::readingPane()->Text(), QStringLiteral("Spread Type - One Card\r\nThe Sun"));

        testing::readingPane()->clear();
        testing::click(testing::control<QPushButton>(mdi, "cmdPrint"));
        QCOMPARE(p->texts.last(), line + "\n\n\n\n" + line);

        p->fail = true;
        testing::click(testing::control<QPushButton>(mdi, "cmdPrint"));
        QCOMPARE(seams().messages->shown.size(), 1);
        QCOMPARE(seams().messages->shown[0].icon, platform::MsgIcon::Critical);
        QVERIFY(seams().messages->shown[0].text.contains(QStringLiteral("No printer")));
    }

    void printReachesPaper()
    {
        auto* mdi = openMain();
        const QString pdf = qEnvironmentVariable("KEEP_PDF", dir.filePath(QStringLiteral("reading.pdf")));
        platform::setPrinting(platform::makePdfPrinting(pdf));
        testing::readingPane()->SetSelText(QStringLiteral("Spread Type - Zodiac Spread"));
        testing::click(testing::control<QPushButton>(mdi, "cmdPrint"));
        QVERIFY(readAll(pdf).startsWith("%PDF"));
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        QProcess proc;
        proc.start(pdftotext, {pdf, QStringLiteral("-")});
        QVERIFY(proc.waitForFinished());
        const QString text = QString::fromUtf8(proc.readAllStandardOutput());
        QVERIFY(text.contains(QStringLiteral("Report Generated By www.selvanthe.example")));
        QVERIFY(text.contains(QStringLiteral("Spread Type - Zodiac Spread")));
    }

    // The printout is the report and nothing else: no page numbers, however many pages it takes.
    void printoutIsExactlyTheReport()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        auto* mdi = openMain();
        const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
        platform::setPrinting(platform::makePdfPrinting(pdf));
        QStringList reading;
        for (int i = 1; i <= 150; ++i)
            reading << QStringLiteral("Position %1 of the reading").arg(i);
        testing::readingPane()->SetSelText(reading.join(QStringLiteral("\r\n")));
        testing::click(testing::control<QPushButton>(mdi, "cmdPrint"));
        QVERIFY(seams().messages->shown.isEmpty());
        const QString line = QStringLiteral("Report Generated By www.selvanthe.example");
        QCOMPARE(pdfLines(pdf), QStringList{line} + reading + QStringList{line});
    }

    // What the print system answers is what the user is told: a job the queue refuses, in the queue's own
    // words where it gives them, a job taken by a queue that is stopped, and each way of there being no
    // printer to print on: none installed, none the default, no print service.
    void printSystemAnswers_data()
    {
        QTest::addColumn<QStringList>("queues");
        QTest::addColumn<bool>("hasDefault");
        QTest::addColumn<platform::ServiceAnswer>("service");
        QTest::addColumn<QString>("queueState");  // "", "stopped" or "refusing"
        QTest::addColumn<QString>("queueSays");   // the queue's own words on its state
        QTest::addColumn<QString>("refusal");     // the print system's reason for refusing the job
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        const QStringList office{"Office"};
        const QString refused = QStringLiteral("The printer or class is not currently accepting jobs.");
        const QString notPrinted = QStringLiteral("The reading could not be printed. ");
        const QString sent = QStringLiteral("The reading was sent to the printer. ");
        const int critical = int(platform::MsgIcon::Critical);
        const int information = int(platform::MsgIcon::Information);
        const auto answered = platform::ServiceAnswer::Answered;
        const auto notRunning = platform::ServiceAnswer::NotRunning;
        const QString none;
        QTest::newRow("taken") << office << true << answered << none << none << none << none << 0;
        QTest::newRow("refused") << office << true << answered << none << none << refused << notPrinted + refused
                                 << critical;
        QTest::newRow("queue refuses jobs, with its reason")
            << office << true << answered << "refusing"
            << "Closed for maintenance." << refused
            << notPrinted + "The printer Office is not taking jobs: Closed for maintenance." << critical;
        QTest::newRow("queue refuses jobs, without a reason")
            << office << true << answered << "refusing" << none << refused
            << notPrinted + "The printer Office is not taking jobs." << critical;
        QTest::newRow("stopped queue, with its reason")
            << office << true << answered << "stopped"
            << "Out of paper in tray 2" << none
            << sent + "The printer Office is stopped: Out of paper in tray 2. The job waits until the printer is "
                      "started again."
            << information;
        QTest::newRow("stopped queue, without a reason")
            << office << true << answered << "stopped" << none << none
            << sent + "The printer Office is stopped. The job waits until the printer is started again." << information;
        QTest::newRow("no printer") << QStringList {} << true << answered << none << none << none
                                    << notPrinted + "No printer is installed." << critical;
        QTest::newRow("printers, none the default")
            << QStringList {"Office", "Hall"} << false << answered << none << none << none
            << notPrinted + "No printer is chosen as the default. Choose one in the printer settings of the desktop."
            << critical;
        QTest::newRow("print service not running")
            << QStringList {} << true << notRunning << none << none << none
            << notPrinted + "The print service of this computer is not running, so no printer can be reached."
            << critical;
        QTest::newRow("print service does not answer")
            << office << true << platform::ServiceAnswer::NoAnswer << none << none << none
            << notPrinted + "The print service of this computer does not answer, so no printer can be reached."
            << critical;
    }
    void printSystemAnswers()
    {
        QFETCH(QStringList, queues);
        QFETCH(bool, hasDefault);
        QFETCH(platform::ServiceAnswer, service);
        QFETCH(QString, queueState);
        QFETCH(QString, queueSays);
        QFETCH(QString, refusal);
        QFETCH(QString, message);
        QFETCH(int, icon);
        auto* mdi = openMain();
        platform::setPrinting(platform::makeDefaultPrinting());
        testing::FakePrintSystem& print = *seams().print;
        print.queues = queues;
        print.hasDefault = hasDefault;
        print.service = service;
        print.state.stopped = queueState == QLatin1String("stopped");
        print.state.acceptingJobs = queueState != QLatin1String("refusing");
        print.state.message = queueSays;
        print.refusal = refusal;
        testing::readingPane()->SetSelText(QStringLiteral("Spread Type - One Card"));
        testing::click(testing::control<QPushButton>(mdi, "cmdPrint"));
        if (message.isEmpty()) {
            QVERIFY(seams().messages->shown.isEmpty());
        } else {
            QCOMPARE(seams().messages->shown.size(), 1);
            QCOMPARE(seams().messages->shown[0].text, message);
            QCOMPARE(int(seams().messages->shown[0].icon), icon);
        }
        // The queue is handed the report as one PDF, on the default printer.
        const bool handed = !queues.isEmpty() && hasDefault && service == platform::ServiceAnswer::Answered;
        QCOMPARE(seams().print->jobs.size(), handed ? 1 : 0);
        if (handed) {
            QCOMPARE(seams().print->jobs[0].printer, queues[0]);
            const QString pdf = dir.filePath(QStringLiteral("job.pdf"));
            QFile out(pdf);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(seams().print->jobs[0].pdf);
            out.close();
            if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
                QVERIFY(pdfLines(pdf).contains(QStringLiteral("Spread Type - One Card")));
        }
    }

    // The desktop's own print system, before print services of the test's own: a listener that takes the
    // connection and never says a word, and a print scheduler with the queues of each case, which is then
    // left running, stopped where it stands (it takes connections and answers none), or ended. Print is
    // back within seconds each time, with what is true of the service; a job is handed over only to the
    // queue that takes it.
    void printingThroughTheDesktopsPrintSystem_data()
    {
        QTest::addColumn<QString>("service"); // "silent", or the scheduler "running", "hung" or "ended"
        QTest::addColumn<QList<testing::PrintQueue>>("queues");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("documents"); // the documents the scheduler holds after the Print
        const QString notPrinted = QStringLiteral("The reading could not be printed. ");
        const QString silent =
            notPrinted + "The print service of this computer does not answer, so no printer can be reached.";
        const testing::PrintQueue office {QStringLiteral("Office"), true, false, true, {}};
        testing::PrintQueue stopped = office;
        stopped.stopped = true;
        stopped.message = QStringLiteral("Out of paper in tray 2.");
        testing::PrintQueue closed = office;
        closed.accepting = false;
        closed.message = QStringLiteral("Closed for maintenance.");
        testing::PrintQueue closedQuietly = office;
        closedQuietly.accepting = false;
        // What the scheduler itself writes for a queue closed or stopped without a reason.
        testing::PrintQueue closedByHand = closedQuietly;
        closedByHand.message = QStringLiteral("Rejecting Jobs");
        testing::PrintQueue stoppedByHand = office;
        stoppedByHand.stopped = true;
        stoppedByHand.message = QStringLiteral("Paused");
        testing::PrintQueue hall {QStringLiteral("Hall"), false, true, true, {}};
        testing::PrintQueue officeAside = office;
        officeAside.isDefault = false;
        using Queues = QList<testing::PrintQueue>;
        QTest::newRow("a service that never answers") << "silent" << Queues {} << silent << 0;
        QTest::newRow("no queue") << "running" << Queues {} << notPrinted + "No printer is installed." << 0;
        QTest::newRow("queues, none the default")
            << "running" << Queues {officeAside, hall}
            << notPrinted + "No printer is chosen as the default. Choose one in the printer settings of the desktop."
            << 0;
        QTest::newRow("stopped, with its reason")
            << "running" << Queues {stopped}
            << "The reading was sent to the printer. The printer Office is stopped: Out of paper in tray 2. The job "
               "waits until the printer is started again."
            << 1;
        QTest::newRow("refusing, with its reason")
            << "running" << Queues {closed}
            << notPrinted + "The printer Office is not taking jobs: Closed for maintenance." << 0;
        QTest::newRow("refusing, without a reason")
            << "running" << Queues {closedQuietly} << notPrinted + "The printer Office is not taking jobs." << 0;
        QTest::newRow("refusing, closed without a reason")
            << "running" << Queues {closedByHand} << notPrinted + "The printer Office is not taking jobs." << 0;
        QTest::newRow("stopped without a reason")
            << "running" << Queues {stoppedByHand}
            << "The reading was sent to the printer. The printer Office is stopped. The job waits until the printer "
               "is started again."
            << 1;
        QTest::newRow("scheduler hung") << "hung" << Queues {stopped} << silent << 0;
        QTest::newRow("scheduler ended")
            << "ended" << Queues {stopped}
            << notPrinted + "The print service of this computer is not running, so no printer can be reached." << 0;
    }
    void printingThroughTheDesktopsPrintSystem()
    {
        QFETCH(QString, service);
        QFETCH(QList<testing::PrintQueue>, queues);
        QFETCH(QString, message);
        QFETCH(int, documents);
        testing::SilentPrintService listener;
        std::optional<testing::PrivateScheduler> scheduler;
        QString server;
        if (service == QLatin1String("silent")) {
            QVERIFY(listener.listening());
            server = listener.server();
        } else {
            if (testing::PrivateScheduler::program().isEmpty())
                QSKIP("the print scheduler (cups-daemon) is not installed");
            scheduler.emplace(queues);
            QString whyNot;
            QVERIFY2(scheduler->start(&whyNot), qPrintable(whyNot));
            server = scheduler->server();
            if (service == QLatin1String("hung"))
                scheduler->hang();
            else if (service == QLatin1String("ended"))
                scheduler->end();
        }
        const testing::PrintServerChosen chosen(server);
        seams().print->real = platform::makeDesktopPrintSystem();
        auto* mdi = openMain();
        platform::setPrinting(platform::makeDefaultPrinting());
        testing::readingPane()->SetSelText(QStringLiteral("Spread Type - One Card"));
        testing::click(testing::control<QPushButton>(mdi, "cmdPrint"));
        QCOMPARE(seams().messages->shown.size(), 1);
        QCOMPARE(seams().messages->shown[0].text, message);
        if (scheduler) {
            scheduler->end();
            QCOMPARE(scheduler->documentsHeld(), documents);
        }
    }

    // A temporary folder with room for part of the pages: nothing cut short is handed to the queue, and
    // the user is told why nothing was printed. With room, the same Print goes to the queue.
    void printWithANearlyFullTemporaryFolder()
    {
        testing::FullDisk disk;
        testing::EnvironmentKept tmp("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(disk.path()));
        auto* mdi = openMain();
        platform::setPrinting(platform::makeDefaultPrinting());
        seams().print->queues = {QStringLiteral("Office")};
        testing::readingPane()->SetSelText(QStringLiteral("Spread Type - One Card"));
        QVERIFY2(disk.whileFull(4096, [&] { testing::click(testing::control<QPushButton>(mdi, "cmdPrint")); }),
                 qPrintable(disk.road()));
        QCOMPARE(seams().print->jobs.size(), 0);
        QCOMPARE(seams().messages->shown.size(), 1);
        QCOMPARE(seams().messages->shown[0].text,
                 "The reading could not be printed. The pages could not be made ready for the printer: " +
                     disk.reason() + ".");
        QCOMPARE(seams().messages->shown[0].icon, platform::MsgIcon::Critical);
        QVERIFY(QDir(disk.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());

        testing::click(testing::control<QPushButton>(mdi, "cmdPrint"));
        QCOMPARE(seams().messages->shown.size(), 1);
        QCOMPARE(seams().print->jobs.size(), 1);
        QVERIFY(seams().print->jobs[0].pdf.size() > 4096);
        QVERIFY(seams().print->jobs[0].pdf.trimmed().endsWith("%%EOF"));
    }

    // A TMPDIR that names no folder: the pages are handed over from the system's temporary folder, never
    // from the folder the program was started from or the root, and nothing stays behind.
    void printWithAMissingTemporaryFolder()
    {
        if (!QFileInfo(QStringLiteral("/tmp")).isDir() || ::access("/tmp", W_OK | X_OK) != 0)
            QSKIP("this machine has no /tmp to write into");
        testing::EnvironmentKept tmp("TMPDIR");
        qputenv("TMPDIR", "/selvanthe-missing-temporary-folder");
        auto* mdi = openMain();
        platform::setPrinting(platform::makeDefaultPrinting());
        seams().print->queues = {QStringLiteral("Office")};
        testing::readingPane()->SetSelText(QStringLiteral("Spread Type - One Card"));
        testing::click(testing::control<QPushButton>(mdi, "cmdPrint"));
        QVERIFY(seams().messages->shown.isEmpty());
        QCOMPARE(seams().print->jobs.size(), 1);
        const QString handed = seams().print->jobs[0].file;
        QVERIFY2(handed.startsWith(QStringLiteral("/tmp/")), qPrintable(handed));
        QVERIFY(seams().print->jobs[0].pdf.startsWith("%PDF"));
        QVERIFY(!QFileInfo::exists(QFileInfo(handed).path()));
        QVERIFY(!QFileInfo::exists(QStringLiteral("/selvanthe-missing-temporary-folder")));
    }

    void busyIgnoresSaveAndPrint()
    {
        auto* mdi = openMain();
        showReading();
        auto printer = std::make_unique<RecordingPrinter>();
        RecordingPrinter* p = printer.get();
        platform::setPrinting(std::move(printer));
        shell::BusyScope busy;
        testing::click(testing::control<QPushButton>(mdi, "cmdSave"));
        testing::click(testing::control<QPushButton>(mdi, "cmdPrint"));
        QVERIFY(seams().files->requests.isEmpty());
        QVERIFY(p->texts.isEmpty());
    }
};

SELVANTHE_TEST_MAIN(TestSavePrint)
#include "tst_saveprint.moc"
