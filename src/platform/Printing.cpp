#include "platform/Printing.h"

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

namespace platform {

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
    // The document lays itself out on the printer's pages; a printer that cannot be opened leaves it in
    // its error state, which is what tells the user.
    if (!printer.isValid())
        return false;
    document.print(&printer);
    return printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
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

} // namespace platform
