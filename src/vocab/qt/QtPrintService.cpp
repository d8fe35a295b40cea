#include "vocab/qt/QtPrintService.h"

#include "platform/AppMessage.h"
#include "platform/Cp1252.h"
#include "platform/qt/QtPrintSurface.h"
#include "platform/qt/QtText.h"
#include "vocab/TBibliothek.h"
#include "vocab/print/FlashCards.h"
#include "vocab/print/ListPrintout.h"
#include "vocab/print/PrintJobs.h"
#include "vocab/qt/TKarteikartenDialog.h"

#include <QDir>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <cstdlib>

namespace qor {

// The jobs of one printout. A PDF file cannot be fed through the printer twice, so its jobs
// continue one document; a printer gets a job of its own for each.
class QtPrintService::Jobs : public PrintJobs {
public:
    Jobs(QPrinter& printer, QWidget* parent, bool askForPrinter)
        : m_printer(printer), m_parent(parent), m_askForPrinter(askForPrinter) {}
    ~Jobs() override {
        if (m_painter.isActive())
            m_painter.end();
    }
    Jobs(const Jobs&) = delete;
    Jobs& operator=(const Jobs&) = delete;

    PrintSurface* BeginJob(std::string_view title) override {
        if (m_painter.isActive()) {
            m_printer.newPage();
            return m_surface.get();
        }
        if (m_askForPrinter) {
            QPrintDialog dialog(&m_printer, m_parent);
            if (dialog.exec() != QDialog::Accepted)
                return nullptr;
            m_askForPrinter = false;
        }
        m_printer.setDocName(ToQString(title));
        if (!m_painter.begin(&m_printer)) {
            ShowAppMessage("Der Drucker ist nicht bereit!", kMbIconError | kMbOk);
            return nullptr;
        }
        m_surface = std::make_unique<QtPrintSurface>(m_painter, m_printer);
        return m_surface.get();
    }

    void EndJob() override {
        if (m_printer.outputFormat() != QPrinter::PdfFormat)
            m_painter.end();
    }

private:
    QPrinter& m_printer;
    QWidget* m_parent;
    bool m_askForPrinter;
    QPainter m_painter;
    std::unique_ptr<QtPrintSurface> m_surface;
};

namespace {

class DialogOnScreen : public FlashCardDialog {
public:
    DialogOnScreen(QWidget* parent, QtPrintService::FlashCardDialogMode mode)
        : m_parent(parent), m_mode(mode) {}
    bool Ask(FlashCardChoice& choice, int sheetCount) override {
        if (m_mode == QtPrintService::FlashCardDialogMode::AcceptDefaults)
            return true;
        TKarteikartenDialog dialog(choice, sheetCount, m_parent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        choice = dialog.Choice();
        return true;
    }

private:
    QWidget* m_parent;
    QtPrintService::FlashCardDialogMode m_mode;
};

} // namespace

QtPrintService::QtPrintService() {
    if (const char* file = std::getenv("QOR_PRINT_PDF"); file && *file) {
        m_pdfFile = QString::fromLocal8Bit(file);
        const char* dialog = std::getenv("QOR_PRINT_DIALOG");
        m_dialogMode = dialog && std::string_view(dialog) == "show" ? FlashCardDialogMode::Show
                                                                    : FlashCardDialogMode::AcceptDefaults;
    }
}

QtPrintService::~QtPrintService() = default;

QPrinter& QtPrintService::Printer() {
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!m_pdfFile.isEmpty()) {
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_pdfFile);
        m_printer->setPageSize(QPageSize(QPageSize::A4));
        // The whole sheet, as a PDF printer on Windows has it: positions on it are exact.
        m_printer->setFullPage(true);
        m_printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    } else if (!m_printerChosen) {
        m_printerChosen = true;
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            m_printer->setOutputFormat(QPrinter::PdfFormat);
            m_printer->setPageSize(QPageSize(QPageSize::A4));
            const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            m_printer->setOutputFileName(QDir(folder).filePath(QStringLiteral("Vokabeln.pdf")));
        }
    }
    return *m_printer;
}

void QtPrintService::PrintList(TBibliothek& library, QWidget* parent) {
    Jobs jobs(Printer(), parent, m_pdfFile.isEmpty());
    qor::PrintList(library, jobs);
}

void QtPrintService::PrintFlashCards(TBibliothek& library, QWidget* parent) {
    Jobs jobs(Printer(), parent, m_pdfFile.isEmpty());
    DialogOnScreen dialog(parent, m_dialogMode);
    qor::PrintFlashCards(library, dialog, jobs);
}

void QtPrintService::SetUpPrinter(QWidget* parent) {
    if (!m_pdfFile.isEmpty())
        return;
    QPageSetupDialog dialog(&Printer(), parent);
    dialog.exec();
}

} // namespace qor
