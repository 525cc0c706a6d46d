#include "platform/Printing.h"

#include "platform/Services.h"
#include "platform/WholeFile.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextFrame>

#include <cups/cups.h>
#include <dlfcn.h>

#include <cmath>
#include <optional>

namespace platform {

namespace {

// Where the printer dialog keeps the job settings it gathered for the queue (page set, pages per sheet,
// the queue's own options), as name and value in turn. Qt has no public way to read them: its own
// printing hands them to CUPS itself, and jobs here go to CUPS from us, so that a refused job is known.
// The key is Qt's private PPK_CupsOptions (qcups_p.h), the same value through every Qt 6 release; a
// toolkit of another major version must be looked at again before it is built against.
#if QT_VERSION_MAJOR != 6
#error "The printer dialog's CUPS options key is Qt 6's private PPK_CupsOptions: check it on this Qt"
#endif
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);
// The resolution the toolkit's own printer gives a PDF in high resolution.
constexpr int kPdfResolution = 1200;

// The functions of the CUPS library the print system calls.
#define SELVANTHE_CUPS_FUNCTIONS(X)                                                                                    \
    X(httpConnect2)                                                                                                    \
    X(httpClose)                                                                                                       \
    X(httpAssembleURIf)                                                                                                \
    X(httpSetTimeout)                                                                                                  \
    X(cupsServer)                                                                                                      \
    X(cupsSetServer)                                                                                                   \
    X(cupsGetDests2)                                                                                                   \
    X(cupsEncryption)                                                                                                  \
    X(cupsUser)                                                                                                        \
    X(ippPort)                                                                                                         \
    X(cupsGetNamedDest)                                                                                                \
    X(cupsGetOption)                                                                                                   \
    X(cupsFreeDests)                                                                                                   \
    X(cupsDoRequest)                                                                                                   \
    X(cupsAddOption)                                                                                                   \
    X(cupsFreeOptions)                                                                                                 \
    X(cupsPrintFile2)                                                                                                  \
    X(cupsLastErrorString)                                                                                             \
    X(ippNewRequest)                                                                                                   \
    X(ippAddString)                                                                                                    \
    X(ippAddStrings)                                                                                                   \
    X(ippDelete)                                                                                                       \
    X(ippGetStatusCode)                                                                                                \
    X(ippFindAttribute)                                                                                                \
    X(ippGetInteger)                                                                                                   \
    X(ippGetBoolean)                                                                                                   \
    X(ippGetString)

// The CUPS library, loaded the first time the print system is asked anything. Linked into the program, it
// and the twenty libraries it brings (encryption, Kerberos, service discovery) were loaded at every start
// and made every symbol the program and Qt bind slower to find: a tenth of what a start did, for a
// program most runs of which never print. Null where the library cannot be loaded, as where no print
// service runs.
struct CupsLibrary {
#define SELVANTHE_CUPS_POINTER(name) decltype(&::name) name = nullptr;
    SELVANTHE_CUPS_FUNCTIONS(SELVANTHE_CUPS_POINTER)
#undef SELVANTHE_CUPS_POINTER

    static const CupsLibrary* get()
    {
        static const std::optional<CupsLibrary> library = []() -> std::optional<CupsLibrary> {
            // Kept loaded to the end of the process.
            void* handle = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
            if (!handle)
                return std::nullopt;
            CupsLibrary l;
            bool whole = true;
#define SELVANTHE_CUPS_RESOLVE(name)                                                                                   \
    l.name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name));                                                \
    whole = whole && l.name;
            SELVANTHE_CUPS_FUNCTIONS(SELVANTHE_CUPS_RESOLVE)
#undef SELVANTHE_CUPS_RESOLVE
            if (!whole)
                return std::nullopt;
            return l;
        }();
        return library ? &*library : nullptr;
    }
};

// How long the print service is given for each step of a question: far longer than a working service
// takes, on this machine or across a network, and short enough that one that took the connection and
// hangs holds the window a moment only. libcups' own connection waits a minute and more at each step,
// several steps in a row.
constexpr double kAnswerSeconds = 3.0;
constexpr int kConnectMilliseconds = 3000;

// One talk with the print service, over a connection of its own on which no wait outlasts the time a
// question is given. A wait that runs out ends the talk: nothing more is asked of a service that said
// nothing.
class ServiceTalk {
public:
    // No talk at all where the library cannot be loaded: as where no print service runs.
    ServiceTalk()
        : cups_(CupsLibrary::get()),
          http_(cups_ ? cups_->httpConnect2(cups_->cupsServer(), cups_->ippPort(), nullptr, AF_UNSPEC,
                                            cups_->cupsEncryption(), 1, kConnectMilliseconds, nullptr)
                      : nullptr)
    {
        if (http_)
            cups_->httpSetTimeout(http_, kAnswerSeconds, &ServiceTalk::waitedTooLong, this);
    }
    ~ServiceTalk()
    {
        if (http_)
            cups_->httpClose(http_);
    }
    ServiceTalk(const ServiceTalk&) = delete;
    ServiceTalk& operator=(const ServiceTalk&) = delete;

    http_t* http() const { return http_; }
    // The library, for a talk that answered() (never null then).
    const CupsLibrary& cups() const { return *cups_; }
    ServiceAnswer answer() const
    {
        return !http_ ? ServiceAnswer::NotRunning : silent_ ? ServiceAnswer::NoAnswer : ServiceAnswer::Answered;
    }
    bool answered() const { return answer() == ServiceAnswer::Answered; }

    // A question of the service's own, whatever it answers: a service that hangs is known after one
    // wait, where the list of queues would wait once for each of the questions it is made of.
    bool answersAtAll()
    {
        if (!answered())
            return false;
        cups_->ippDelete(cups_->cupsDoRequest(http_, cups_->ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/"));
        return answered();
    }

private:
    static int waitedTooLong(http_t*, void* talk)
    {
        static_cast<ServiceTalk*>(talk)->silent_ = true;
        return 0; // give up the wait
    }

    const CupsLibrary* cups_;
    http_t* http_;
    bool silent_ = false;
};

// What the scheduler writes as a queue's message when it was stopped or closed without a reason: no
// reason of the queue's own, so none is told.
bool isSchedulersFiller(const QString& message)
{
    return message == QLatin1String("Paused") || message == QLatin1String("Rejecting Jobs");
}

// The desktop's print system: the queues CUPS lists, and jobs handed to CUPS, whose answer is read. Each
// question goes over a talk of its own.
class CupsPrintSystem final : public IPrintSystem {
public:
    PrinterList printers() override
    {
        PrinterList list;
        ServiceTalk talk;
        if (!talk.answersAtAll()) {
            list.service = talk.answer();
            return list;
        }
        const CupsLibrary& cups = talk.cups();
        // The list as the desktop's own printing gives it: with the user's own default and the
        // instances named in the user's options, an instance after a slash.
        cups_dest_t* dests = nullptr;
        const int count = cups.cupsGetDests2(talk.http(), &dests);
        if (talk.answered()) {
            for (int i = 0; i < count; ++i) {
                QString name = QString::fromLocal8Bit(dests[i].name);
                if (dests[i].instance)
                    name += QLatin1Char('/') + QString::fromLocal8Bit(dests[i].instance);
                list.printers << name;
                if (dests[i].is_default)
                    list.defaultPrinter = name;
            }
        } else {
            list.service = talk.answer();
        }
        cups.cupsFreeDests(count, dests);
        return list;
    }
    QPageLayout defaultLayout(const QString& printer) override
    {
        // Asked only once the service has answered for its queues, a moment before.
        const QPrinter device(QPrinterInfo::printerInfo(printer), QPrinter::HighResolution);
        return device.pageLayout();
    }

    QueueState queueState(const QString& printer) override
    {
        QueueState state;
        ServiceTalk talk;
        if (!talk.answered()) {
            state.service = talk.answer();
            return state;
        }
        const CupsLibrary& cups = talk.cups();
        cups_dest_t* dest = cups.cupsGetNamedDest(talk.http(), queueOf(printer).constData(), nullptr);
        // The list of queues leaves out the queue's own words on its state: they are asked for.
        const char* uri =
            dest ? cups.cupsGetOption("printer-uri-supported", dest->num_options, dest->options) : nullptr;
        if (uri && talk.answered()) {
            ipp_t* request = cups.ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
            cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
            static const char* const names[] = {"printer-state", "printer-state-message", "printer-is-accepting-jobs"};
            cups.ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 3, nullptr, names);
            if (ipp_t* response = cups.cupsDoRequest(talk.http(), request, "/")) {
                if (cups.ippGetStatusCode(response) <= IPP_STATUS_OK_CONFLICTING) {
                    state.known = true;
                    if (ipp_attribute_t* a = cups.ippFindAttribute(response, "printer-state", IPP_TAG_ENUM))
                        state.stopped = cups.ippGetInteger(a, 0) == IPP_PSTATE_STOPPED;
                    if (ipp_attribute_t* a =
                            cups.ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
                        state.acceptingJobs = cups.ippGetBoolean(a, 0) != 0;
                    if (ipp_attribute_t* a = cups.ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT))
                        state.message = QString::fromUtf8(cups.ippGetString(a, 0, nullptr)).trimmed();
                    if (isSchedulersFiller(state.message))
                        state.message.clear();
                }
                cups.ippDelete(response);
            }
        }
        if (dest)
            cups.cupsFreeDests(1, dest);
        if (!talk.answered()) {
            QueueState silent;
            silent.service = talk.answer();
            return silent;
        }
        return state;
    }

    PrintJobAnswer submit(const QString& printer, const QString& pdfFile, const QString& title,
                          const QList<QPair<QByteArray, QByteArray>>& options) override
    {
        PrintJobAnswer answer;
        ServiceTalk talk;
        if (!talk.answered()) {
            answer.service = talk.answer();
            return answer;
        }
        const CupsLibrary& cups = talk.cups();
        const QByteArray queue = queueOf(printer);
        cups_option_t* cupsOptions = nullptr;
        int count = 0;
        for (const auto& [name, value] : options)
            count = cups.cupsAddOption(name.constData(), value.constData(), count, &cupsOptions);
        const int job = cups.cupsPrintFile2(talk.http(), queue.constData(), QFile::encodeName(pdfFile).constData(),
                                            title.toUtf8().constData(), count, cupsOptions);
        cups.cupsFreeOptions(count, cupsOptions);

        if (!talk.answered()) {
            answer.service = talk.answer();
            return answer;
        }
        if (job <= 0) {
            answer.reason = QString::fromUtf8(cups.cupsLastErrorString());
            if (answer.reason.isEmpty())
                answer.reason = QStringLiteral("The print system did not take the job.");
            return answer;
        }
        answer.accepted = true;
        answer.jobId = job;

        // Taken is not printed: a job the system gave up at once is told.
        const ipp_jstate_t state = jobState(talk, job);
        if (state == IPP_JSTATE_ABORTED || state == IPP_JSTATE_CANCELED) {
            answer.accepted = false;
            answer.reason = QStringLiteral("The print system stopped the job.");
        }
        return answer;
    }

private:
    // The state of the one job just handed over, asked of the print system for that job alone: the list
    // of the user's jobs would bring their whole history with it. Zero where the system does not say.
    static ipp_jstate_t jobState(ServiceTalk& talk, int job)
    {
        const CupsLibrary& cups = talk.cups();
        ipp_t* request = cups.ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
        char jobUri[HTTP_MAX_URI];
        cups.httpAssembleURIf(HTTP_URI_CODING_ALL, jobUri, sizeof jobUri, "ipp", nullptr, "localhost", cups.ippPort(),
                              "/jobs/%d", job);
        cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, jobUri);
        cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cups.cupsUser());
        cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "job-state");
        auto state = ipp_jstate_t(0);
        if (ipp_t* response = cups.cupsDoRequest(talk.http(), request, "/")) {
            if (cups.ippGetStatusCode(response) <= IPP_STATUS_OK_CONFLICTING) {
                if (ipp_attribute_t* a = cups.ippFindAttribute(response, "job-state", IPP_TAG_ENUM))
                    state = ipp_jstate_t(cups.ippGetInteger(a, 0));
            }
            cups.ippDelete(response);
        }
        return state;
    }

    // A queue's name may carry an instance after a slash; the job goes to the queue itself.
    static QByteArray queueOf(const QString& printer) { return printer.section(QLatin1Char('/'), 0, 0).toLocal8Bit(); }
};

// Why no printer could be asked, for a service that did not answer.
QString unreachable(ServiceAnswer service)
{
    return service == ServiceAnswer::NotRunning
               ? QStringLiteral("The print service of this computer is not running, so no printer can be reached.")
               : QStringLiteral("The print service of this computer does not answer, so no printer can be reached.");
}

PrintTarget targetOf(QPrinter& printer)
{
    PrintTarget t;
    t.layout = printer.pageLayout();
    if (printer.outputFormat() == QPrinter::PdfFormat || !printer.outputFileName().isEmpty()) {
        t.fileName = printer.outputFileName();
        return t;
    }
    t.printerName = printer.printerName();
    t.copies = printer.copyCount();
    t.collate = printer.collateCopies();
    switch (printer.duplex()) {
    case QPrinter::DuplexNone: t.sides = PrintTarget::Sides::OneSided; break;
    case QPrinter::DuplexAuto:
        t.sides = t.layout.orientation() == QPageLayout::Portrait ? PrintTarget::Sides::LongEdge
                                                                  : PrintTarget::Sides::ShortEdge;
        break;
    case QPrinter::DuplexLongSide: t.sides = PrintTarget::Sides::LongEdge; break;
    case QPrinter::DuplexShortSide: t.sides = PrintTarget::Sides::ShortEdge; break;
    }
    if (QPrintEngine* engine = printer.printEngine()) {
        const QStringList pairs = engine->property(kCupsOptions).toStringList();
        for (qsizetype i = 0; i + 1 < pairs.size(); i += 2)
            t.jobOptions.append(qMakePair(pairs[i].toLocal8Bit(), pairs[i + 1].toLocal8Bit()));
    }
    return t;
}

// Qt's printer dialog with page ranges really off. A fault of Qt 6's Unix print dialog: with its
// PrintPageRange option off it still shows its page-range controls where a selection may be printed,
// and its "Pages" choice stays usable: it would print a range of pages the report knows nothing of. Qt gives no public way at these controls,
// so they are found by the names its dialog gives them; the report's print test fails where a Qt
// renames them. Another major version of Qt is looked at again before this is built against it.
class PrinterDialog final : public QPrintDialog {
public:
    using QPrintDialog::QPrintDialog;
    void setVisible(bool visible) override
    {
        QPrintDialog::setVisible(visible);
#if QT_VERSION_MAJOR == 6
        if (!visible || testOption(QAbstractPrintDialog::PrintPageRange))
            return;
        auto* range = findChild<QWidget*>(QStringLiteral("printRange"));
        QWidget* group = range ? range->parentWidget() : nullptr;
        if (!group)
            return;
        // The range's own controls, the "to" between its two boxes among them.
        for (const char* name : {"printRange", "from", "label_3", "to", "pagesRadioButton", "pagesLineEdit"}) {
            for (QWidget* w : group->findChildren<QWidget*>(QString::fromLatin1(name))) {
                w->setEnabled(false);
                w->hide();
            }
        }
#else
#error "Qt's print dialog: check whether page ranges still show with PrintPageRange off on this Qt"
#endif
    }
};

// Points the toolkit's printing on this thread at no print service while it stands: its questions on
// printers then fail at once where they would each wait minutes on a service that does not answer. The
// toolkit has no time limit of its own for them, nor a way to leave the print service out.
class NoPrintService {
public:
    NoPrintService() : cups_(CupsLibrary::get())
    {
        if (cups_)
            cups_->cupsSetServer("/nonexistent/selvanthe-no-print-service");
    }
    ~NoPrintService()
    {
        if (cups_)
            cups_->cupsSetServer(nullptr);
    }
    NoPrintService(const NoPrintService&) = delete;
    NoPrintService& operator=(const NoPrintService&) = delete;

private:
    const CupsLibrary* cups_;
};

class DesktopPrintDialog final : public IPrintDialog {
public:
    std::optional<PrintChoice> choose(QWidget* parent, bool offerSelection, bool askService) override
    {
        std::optional<NoPrintService> none;
        if (!askService)
            none.emplace();
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrintRange(offerSelection ? QPrinter::Selection : QPrinter::AllPages);
        PrinterDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, offerSelection);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        PrintChoice choice;
        choice.selectionOnly = printer.printRange() == QPrinter::Selection;
        choice.target = targetOf(printer);
        return choice;
    }
};

// The job settings the queue is given, as the toolkit's own printing gives them.
QList<QPair<QByteArray, QByteArray>> jobOptions(const PrintTarget& t)
{
    QList<QPair<QByteArray, QByteArray>> options;
    auto add = [&options](const QByteArray& name, const QByteArray& value) { options.append(qMakePair(name, value)); };
    const QByteArray media = t.layout.pageSize().key().toLocal8Bit();
    if (!media.isEmpty())
        add("media", media);
    if (t.copies > 1) {
        add("copies", QByteArray::number(t.copies));
        if (t.collate)
            add("Collate", "True");
    }
    switch (t.sides) {
    case PrintTarget::Sides::OneSided: add("sides", "one-sided"); break;
    case PrintTarget::Sides::LongEdge: add("sides", "two-sided-long-edge"); break;
    case PrintTarget::Sides::ShortEdge: add("sides", "two-sided-short-edge"); break;
    }
    if (t.layout.orientation() == QPageLayout::Landscape)
        add("landscape", "");
    options.append(t.jobOptions);
    return options;
}

// The document on the printer's pages as it stands: laid out for the device's resolution, within a
// margin, and nothing drawn that is not the document's own.
bool renderPages(const QTextDocument& source, QPagedPaintDevice& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const std::unique_ptr<QTextDocument> doc(source.clone());
    doc->documentLayout()->setPaintDevice(painter.device());
    const QSizeF body(printer.width(), printer.height());
    // A margin of 2 cm, given at the screen's resolution: the layout scales it to the device's.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double screenDpi = screen ? std::round(screen->logicalDotsPerInchY()) : 96.0;
    QTextFrameFormat frame = doc->rootFrame()->frameFormat();
    frame.setMargin(2 / 2.54 * screenDpi);
    doc->rootFrame()->setFrameFormat(frame);
    doc->setPageSize(body);

    const int pages = doc->pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !printer.newPage())
            return false;
        painter.save();
        const QRectF view(0, page * body.height(), body.width(), body.height());
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        doc->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

// The pages as the bytes of a PDF file, made in memory: the toolkit's PDF writer does not check its own
// writes, so a file it wrote on a full disk would be cut short with nobody told. Empty when the pages
// could not be made.
QByteArray renderToPdf(const QTextDocument& document, const QPageLayout& layout, const QString& title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kPdfResolution);
        pdf.setTitle(title);
        pdf.setCreator(AppTitle());
        if (layout.isValid()) {
            pdf.setPageLayout(layout);
        } else {
            // Without a layout of its own, the page a PDF printer has by default here.
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            pdf.setPageLayout(printer.pageLayout());
        }
        if (!renderPages(document, pdf))
            return {};
    }
    return bytes;
}

std::unique_ptr<IPrintDialog>& dialogSlot()
{
    static std::unique_ptr<IPrintDialog> dialog;
    return dialog;
}

std::unique_ptr<IPrintSystem>& systemSlot()
{
    static std::unique_ptr<IPrintSystem> system;
    return system;
}

} // namespace

void setPrintDialog(std::unique_ptr<IPrintDialog> dialog) { dialogSlot() = std::move(dialog); }

IPrintDialog& printDialog()
{
    if (!dialogSlot())
        dialogSlot() = makeDesktopPrintDialog();
    return *dialogSlot();
}

std::unique_ptr<IPrintDialog> makeDesktopPrintDialog() { return std::make_unique<DesktopPrintDialog>(); }

std::unique_ptr<IPrintSystem> makeDesktopPrintSystem() { return std::make_unique<CupsPrintSystem>(); }

void setPrintSystem(std::unique_ptr<IPrintSystem> system) { systemSlot() = std::move(system); }

IPrintSystem& printSystem()
{
    if (!systemSlot())
        systemSlot() = std::make_unique<CupsPrintSystem>();
    return *systemSlot();
}

PrintResult printDocument(const QTextDocument& document, const PrintTarget& target, const QString& title)
{
    if (target.fileName.isEmpty() && target.printerName.isEmpty())
        return {PrintOutcome::Failed, QStringLiteral("No printer was chosen."), {}};
    const QByteArray pages = renderToPdf(document, target.layout, title);
    if (pages.isEmpty())
        return {PrintOutcome::Failed, QStringLiteral("The pages could not be laid out."), {}};
    QString whyNot;
    if (!target.fileName.isEmpty()) {
        if (!writeWholeFile(target.fileName, pages, &whyNot))
            return {
                PrintOutcome::Failed,
                SentenceWithReason(
                    QStringLiteral("The file %1 could not be written").arg(QDir::toNativeSeparators(target.fileName)),
                    whyNot),
                {}};
        return {PrintOutcome::Printed, {}, {}};
    }

    // The pages go to the queue as one PDF file, the way the toolkit itself prints on this desktop, but
    // handed over here, so that the queue's answer is known. A file cut short is never handed over.
    const QTemporaryDir folder(QDir(temporaryFolder()).filePath(QStringLiteral("selvanthe-print-XXXXXX")));
    if (!folder.isValid())
        return {
            PrintOutcome::Failed,
            SentenceWithReason(QStringLiteral("No temporary file could be made for the print"), folder.errorString()),
            {}};
    const QString pdf = folder.filePath(QStringLiteral("print.pdf"));
    if (!writeWholeFile(pdf, pages, &whyNot))
        return {PrintOutcome::Failed,
                SentenceWithReason(QStringLiteral("The pages could not be made ready for the printer"), whyNot),
                {}};
    IPrintSystem& system = printSystem();
    const PrintJobAnswer answer = system.submit(target.printerName, pdf, title, jobOptions(target));
    if (answer.service != ServiceAnswer::Answered)
        return {PrintOutcome::Failed, unreachable(answer.service), {}};
    const QueueState queue = system.queueState(target.printerName);
    if (!answer.accepted) {
        if (queue.known && !queue.acceptingJobs)
            return {PrintOutcome::Failed,
                    SentenceWithReason(QStringLiteral("The printer %1 is not taking jobs").arg(target.printerName),
                                       queue.message),
                    {}};
        if (queue.service != ServiceAnswer::Answered)
            return {PrintOutcome::Failed, unreachable(queue.service), {}};
        return {PrintOutcome::Failed, answer.reason, {}};
    }
    QString note;
    if (queue.known && queue.stopped)
        note = SentenceWithReason(QStringLiteral("The printer %1 is stopped").arg(target.printerName), queue.message) +
               QStringLiteral(" The job waits until the printer is started again.");
    return {PrintOutcome::Printed, {}, note};
}

PrintResult printOnDefaultPrinter(const QTextDocument& document, const QString& title)
{
    IPrintSystem& system = printSystem();
    const PrinterList list = system.printers();
    if (list.service != ServiceAnswer::Answered)
        return {PrintOutcome::NoPrinter, unreachable(list.service), {}};
    PrintTarget target;
    target.printerName = list.defaultPrinter;
    if (target.printerName.isEmpty()) {
        if (!list.printers.isEmpty())
            return {PrintOutcome::NoPrinter,
                    QStringLiteral("No printer is chosen as the default. Choose one in the printer settings of "
                                   "the desktop."),
                    {}};
        return {PrintOutcome::NoPrinter, QStringLiteral("No printer is installed."), {}};
    }
    target.layout = system.defaultLayout(target.printerName);
    return printDocument(document, target, title);
}

PrintResult printTextBox(QWidget* parent, const QTextEdit& box, const QString& title)
{
    const QTextCursor cursor = box.textCursor();
    const bool hasSelection = cursor.hasSelection();
    const bool reachable = printSystem().printers().service != ServiceAnswer::NoAnswer;
    if (!reachable)
        MsgBox(QStringLiteral("The print service of this computer does not answer, so only printing to a file is "
                              "offered."),
               MsgIcon::Exclamation);
    const std::optional<PrintChoice> choice = printDialog().choose(parent, hasSelection, reachable);
    if (!choice)
        return {PrintOutcome::Cancelled, {}, {}};

    const QTextDocument* source = box.document();
    QTextDocument selectionOnly;
    if (hasSelection && choice->selectionOnly) {
        selectionOnly.setDefaultFont(source->defaultFont());
        QTextCursor(&selectionOnly).insertFragment(cursor.selection());
        source = &selectionOnly;
    }
    return printDocument(*source, choice->target, title);
}

namespace {

class DefaultPrinter final : public IPrinting {
public:
    PrintResult print(const QTextDocument& document) override { return printOnDefaultPrinter(document, AppTitle()); }
};

class PdfPrinting final : public IPrinting {
public:
    explicit PdfPrinting(const QString& path) : path_(path) {}
    PrintResult print(const QTextDocument& document) override
    {
        PrintTarget target;
        target.fileName = path_;
        return printDocument(document, target, AppTitle());
    }

private:
    QString path_;
};

std::unique_ptr<IPrinting>& printingSlot()
{
    static std::unique_ptr<IPrinting> slot;
    return slot;
}

} // namespace

void setPrinting(std::unique_ptr<IPrinting> p) { printingSlot() = std::move(p); }

IPrinting& printing()
{
    if (!printingSlot())
        printingSlot() = std::make_unique<DefaultPrinter>();
    return *printingSlot();
}

std::unique_ptr<IPrinting> makePdfPrinting(const QString& pdfPath) { return std::make_unique<PdfPrinting>(pdfPath); }

std::unique_ptr<IPrinting> makeDefaultPrinting() { return std::make_unique<DefaultPrinter>(); }

} // namespace platform
