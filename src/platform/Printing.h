#pragma once
// Printing a text document: on a printer through the desktop's print system, whose answer is checked,
// or into a PDF file. The printer dialog and the print system are seams of their own, so a test can
// answer the dialog and stand in for a print system that refuses a job.
#include <QByteArray>
#include <QList>
#include <QPageLayout>
#include <QPair>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QTextDocument;
class QTextEdit;
class QWidget;

namespace platform {

// Where a print goes and how, as the printer dialog leaves it or the default printer gives it.
struct PrintTarget {
    QString fileName;     // a PDF file to write ("Print to File"); empty when a printer prints
    QString printerName;  // the print queue, when no file is named
    QPageLayout layout;   // page size, orientation and margins
    int copies = 1;
    bool collate = false;
    enum class Sides { OneSided, LongEdge, ShortEdge } sides = Sides::OneSided;
    // Further job settings the dialog gathered for the queue (name, value), passed on as they are.
    QList<QPair<QByteArray, QByteArray>> jobOptions;
};

// Whether the print service could be asked at all.
enum class ServiceAnswer {
    Answered, // it answered, whatever it said
    NotRunning, // nothing took the connection
    NoAnswer, // it took the connection and said nothing within the time a question is given
};

// The queues a print can go to, as the print service lists them.
struct PrinterList {
    ServiceAnswer service = ServiceAnswer::Answered;
    QStringList printers; // empty unless the service answered
    QString defaultPrinter; // empty when none is the default
};

// What the print system said to a job handed to it.
struct PrintJobAnswer {
    ServiceAnswer service = ServiceAnswer::Answered;
    bool accepted = false;
    int jobId = 0;
    QString reason;  // why it was refused, in the print system's words
};

// What a queue says of itself.
struct QueueState {
    ServiceAnswer service = ServiceAnswer::Answered;
    bool known = false; // the print system answered for this queue
    bool stopped = false;       // jobs wait until the queue is started again
    bool acceptingJobs = true;  // false: the queue refuses new jobs
    QString message;            // the queue's own words on why (its printer-state-message), or empty
};

// Every question a print system is asked comes back within seconds, whether its service answers or not.
class IPrintSystem {
public:
    virtual ~IPrintSystem() = default;
    // The queues, with the default one, or why the service could not tell them.
    virtual PrinterList printers() = 0;
    virtual QPageLayout defaultLayout(const QString& printer) = 0;
    virtual QueueState queueState(const QString& printer) = 0;
    // Hands a PDF file to a queue as one job and reports whether the queue took it.
    virtual PrintJobAnswer submit(const QString& printer, const QString& pdfFile, const QString& title,
                                  const QList<QPair<QByteArray, QByteArray>>& options) = 0;
};

struct PrintChoice {
    PrintTarget target;
    bool selectionOnly = false;  // the range stayed on the selection
};

class IPrintDialog {
public:
    virtual ~IPrintDialog() = default;
    // Puts up the printer dialog, printer or not (printing to a PDF file is always offered), page ranges
    // switched off, the selection offered and preset when there is one. Nothing when cancelled.
    // askService false: the print service did not answer, and the dialog lists no printer without
    // asking it again.
    virtual std::optional<PrintChoice> choose(QWidget* parent, bool offerSelection, bool askService) = 0;
};

// Installing replaces the seam for the rest of the process; the defaults are the desktop's own.
void setPrintSystem(std::unique_ptr<IPrintSystem> system);
IPrintSystem& printSystem();
void setPrintDialog(std::unique_ptr<IPrintDialog> dialog);
IPrintDialog& printDialog();
// The desktop's printer dialog, for a test that drives the real one.
std::unique_ptr<IPrintDialog> makeDesktopPrintDialog();
// The desktop's print system, for a test that puts it before a print service of its own.
std::unique_ptr<IPrintSystem> makeDesktopPrintSystem();

enum class PrintOutcome { Printed, Cancelled, NoPrinter, Failed };
struct PrintResult {
    PrintOutcome outcome = PrintOutcome::Failed;
    QString reason;  // for Failed: what went wrong, for the user
    QString note;    // for Printed: what the user should know (the queue is stopped, and its reason)
};

// Lays the document out on the target's pages exactly as it stands, with its formatting and nothing
// added (no page numbers), and prints them: writes the file, or hands them to the queue and checks that
// the queue took the job. A queue that refuses jobs or is stopped is told with its own reason.
PrintResult printDocument(const QTextDocument& document, const PrintTarget& target, const QString& title);

// The whole document on the default printer, with no dialog; NoPrinter, with a reason that tells which,
// when the print service is not running or does not answer, when printers exist but none is the default,
// or when there is none at all.
PrintResult printOnDefaultPrinter(const QTextDocument& document, const QString& title);

// The printer dialog, printer or not, preset to the box's selection when it has one, then the print of
// what the user chose: the selection when the range stayed on it, else the whole text. A print service
// that does not answer is told first, and the dialog then offers printing to a file alone.
PrintResult printTextBox(QWidget* parent, const QTextEdit& box, const QString& title);

// Print without a dialog, as the main window's Print does: a service behind a seam, as the desktop's others.
class IPrinting {
public:
    virtual ~IPrinting() = default;
    // Prints the document on the default printer, with no dialog: no printer, a failure or a job the
    // print system refused comes back with its reason for the user.
    virtual PrintResult print(const QTextDocument& document) = 0;
};
// Installing replaces the current implementation for the rest of the process.
void setPrinting(std::unique_ptr<IPrinting>);
IPrinting& printing();
// Prints into a PDF file instead of a printer: what a test reads back.
std::unique_ptr<IPrinting> makePdfPrinting(const QString& pdfPath);
// The default printer through the print system, as the program prints.
std::unique_ptr<IPrinting> makeDefaultPrinting();

} // namespace platform
