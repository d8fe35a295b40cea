#pragma once
// Printing on screen: the system's default printer through CUPS, chosen or confirmed in the print
// dialog once per printout; where the system has no printer the dialog offers a PDF file instead.
// The printer and its page set-up are kept for the whole run of the program.
//
// With the environment variable QOR_PRINT_PDF=FILE every printout goes to that PDF file without a
// print dialog, and "Drucker einrichten..." does nothing. The flash-card dialog is then accepted at
// once with its defaults, unless QOR_PRINT_DIALOG=show asks for it to be shown, so that a script
// can set it up and press "&OK" itself. All jobs of one printout (the fronts and the backs of the
// flash cards) go into the one file, one after the other; a PDF file printed on screen does the same.

#include "vocab/qt/PrintService.h"

#include <QString>
#include <memory>

class QPrinter;

namespace qor {

class QtPrintService : public PrintService {
public:
    enum class FlashCardDialogMode { Show, AcceptDefaults };

    // Reads QOR_PRINT_PDF and QOR_PRINT_DIALOG.
    QtPrintService();
    ~QtPrintService() override;

    void PrintList(TBibliothek& library, QWidget* parent) override;
    void PrintFlashCards(TBibliothek& library, QWidget* parent) override;
    void SetUpPrinter(QWidget* parent) override;

    // An empty name prints to the printer again.
    void SetPdfFile(const QString& file) { m_pdfFile = file; }
    void SetFlashCardDialogMode(FlashCardDialogMode mode) { m_dialogMode = mode; }

private:
    class Jobs;
    QPrinter& Printer();

    std::unique_ptr<QPrinter> m_printer;
    bool m_printerChosen = false; // the system's printers were looked up
    QString m_pdfFile;
    FlashCardDialogMode m_dialogMode = FlashCardDialogMode::Show;
};

} // namespace qor
