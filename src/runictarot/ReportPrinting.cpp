#include "runictarot/ReportPrinting.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextFrame>

namespace runictarot {

namespace {

class DesktopPrintDialog final : public IPrintDialog {
public:
    bool printerAvailable() override { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

    bool choosePrinter(QWidget* parent, QPrinter& printer, bool offerSelection) override
    {
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, offerSelection);
        return dialog.exec() == QDialog::Accepted;
    }
};

std::unique_ptr<IPrintDialog>& current()
{
    static std::unique_ptr<IPrintDialog> dialog;
    return dialog;
}

} // namespace

void setPrintDialog(std::unique_ptr<IPrintDialog> dialog) { current() = std::move(dialog); }

IPrintDialog& printDialog()
{
    if (!current())
        current() = std::make_unique<DesktopPrintDialog>();
    return *current();
}

bool printDocument(const QTextDocument& document, QPrinter& printer)
{
    // Painted page by page here rather than by the document itself, which would not tell a printer
    // that failed to open from one that printed.
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    std::unique_ptr<QTextDocument> doc(document.clone());
    doc->setDefaultFont(document.defaultFont());
    doc->documentLayout()->setPaintDevice(&printer);
    const double dpi = printer.logicalDpiY();
    QTextFrameFormat frame = doc->rootFrame()->frameFormat();
    frame.setMargin(dpi / 4);  // a quarter inch inside the printer's own margins
    doc->rootFrame()->setFrameFormat(frame);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const QSizeF body(page.width(), page.height());
    doc->setPageSize(body);

    const int pages = doc->pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !printer.newPage())
            return false;
        painter.save();
        const QRectF view(0, i * body.height(), body.width(), body.height());
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        doc->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

PrintOutcome printTextBox(QWidget* parent, const QTextEdit& box)
{
    IPrintDialog& dialog = printDialog();
    if (!dialog.printerAvailable())
        return PrintOutcome::NoPrinter;
    const QTextCursor cursor = box.textCursor();
    const bool hasSelection = cursor.hasSelection();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrintRange(hasSelection ? QPrinter::Selection : QPrinter::AllPages);
    if (!dialog.choosePrinter(parent, printer, hasSelection))
        return PrintOutcome::Cancelled;

    const QTextDocument* source = box.document();
    QTextDocument selectionOnly;
    if (hasSelection && printer.printRange() == QPrinter::Selection) {
        selectionOnly.setDefaultFont(source->defaultFont());
        QTextCursor(&selectionOnly).insertFragment(cursor.selection());
        source = &selectionOnly;
    }
    return printDocument(*source, printer) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

} // namespace runictarot
