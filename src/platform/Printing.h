#pragma once
// Printing a text box through the printer dialog. The dialog is a seam of its own, so a test can answer
// it and have the output land in a PDF file.
#include <memory>

class QPrinter;
class QTextDocument;
class QTextEdit;
class QWidget;

namespace platform {

class IPrintDialog {
public:
    virtual ~IPrintDialog() = default;
    // False when the desktop has no printer to offer.
    virtual bool printerAvailable() = 0;
    // Puts up the printer dialog for the printer, page ranges switched off and the selection offered
    // only when there is one; the printer's range on entry is the one preset. False when cancelled; on
    // true the printer stands as the user left it, range included.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer, bool offerSelection) = 0;
};

// Installing replaces the dialog for the rest of the process; the default is the desktop's own.
void setPrintDialog(std::unique_ptr<IPrintDialog> dialog);
IPrintDialog& printDialog();

// Lays the document out on the printer's pages and prints them all, with its formatting. False when
// the printer could not be opened or failed.
bool printDocument(const QTextDocument& document, QPrinter& printer);

enum class PrintOutcome { Printed, Cancelled, NoPrinter, Failed };

// The dialog, preset to the box's selection when it has one, then the print of what the user chose:
// the selection when the range stayed on it, else the whole text.
PrintOutcome printTextBox(QWidget* parent, const QTextEdit& box);

} // namespace platform
