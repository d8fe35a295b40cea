#include "app/qt/QtTestApplication.h"
#include "platform/MessageCapture.h"
#include "platform/TempFolder.h"
#include "platform/qt/QtFontService.h"
#include "vocab/TBibliothek.h"
#include "vocab/VocabTestSupport.h"
#include "vocab/qt/QtPrintService.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>

namespace qor {
namespace {

std::string Run(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

int PageCount(const std::filesystem::path& pdf) {
    std::smatch match;
    const std::string info = Run("pdfinfo '" + pdf.string() + "'");
    return std::regex_search(info, match, std::regex(R"(Pages:\s+(\d+))")) ? std::stoi(match[1]) : -1;
}

// The top-left corner of the first word `word` on page `page`, in 0.1 mm from the sheet's corner.
std::optional<std::pair<double, double>> WordPosition(const std::filesystem::path& pdf, int page,
                                                      const std::string& word) {
    const std::string html = Run("pdftotext -bbox -f " + std::to_string(page) + " -l " +
                                 std::to_string(page) + " '" + pdf.string() + "' -");
    std::smatch match;
    const std::regex pattern("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>" + word + "</word>");
    if (!std::regex_search(html, match, pattern))
        return std::nullopt;
    constexpr double kTenthsPerPoint = 254.0 / 72.0;
    return std::pair{std::stod(match[1]) * kTenthsPerPoint, std::stod(match[2]) * kTenthsPerPoint};
}

// The grey values of a part of the page rendered at 254 dpi, one pixel to 0.1 mm.
class Rendered {
public:
    Rendered(const std::filesystem::path& pdf, int page, int width, int height) : m_width(width) {
        const std::string gray = Run("pdftoppm -r 254 -gray -f " + std::to_string(page) + " -l " +
                                     std::to_string(page) + " -x 0 -y 0 -W " + std::to_string(width) +
                                     " -H " + std::to_string(height) + " '" + pdf.string() + "'");
        // A PGM: "P5\n<width> <height>\n255\n" and the bytes.
        const std::size_t size = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
        if (gray.starts_with("P5") && gray.size() >= size)
            m_pixels = gray.substr(gray.size() - size);
    }
    int At(int x, int y) const {
        const std::size_t i =
            static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x);
        return i < m_pixels.size() ? static_cast<unsigned char>(m_pixels[i]) : -1;
    }

private:
    int m_width;
    std::string m_pixels;
};

class PdfPrintout : public test::QtApplicationTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(QtFontService::LoadFontFiles());
        setenv("QOR_PRINT_PDF", m_pdf.c_str(), 1);
        unsetenv("QOR_PRINT_DIALOG");
    }
    void TearDown() override { unsetenv("QOR_PRINT_PDF"); }

    void FillWith(int count) {
        std::vector<TVokabel> entries;
        for (int i = 0; i < count; ++i)
            entries.push_back(test::Voc("mot" + std::to_string(i), "Wort" + std::to_string(i)));
        test::Fill(m_library, entries);
    }

    test::TempFolder m_folder;
    std::string m_pdf = (m_folder / "out.pdf").string();
    test::MessageCapture m_messages;
    TBibliothek m_library;
};

TEST_F(PdfPrintout, FlashCardsFrontsThenBacksInOneFile) {
    FillWith(22);
    QtPrintService service;
    service.PrintFlashCards(m_library, nullptr);
    EXPECT_EQ(m_messages.Messages().size(), 2u);
    EXPECT_EQ(PageCount(m_pdf), 4);
    // Entry 4 sits in row 1, column 1 of an A4 sheet: its headword's cell at (780, -620).
    const auto position = WordPosition(m_pdf, 1, "mot4");
    ASSERT_TRUE(position);
    EXPECT_NEAR(position->first, 150 + 600 + 30, 5);
    EXPECT_NEAR(position->second, 420 + 200, 12);
    // The solid line under the "D"/"F" of the first card, the dashed grid, and paper beside it.
    const Rendered top(m_pdf, 1, 800, 120);
    EXPECT_LT(top.At(500, 100), 100);
    int dark = 0;
    for (int x = 150; x < 200; ++x)
        dark += top.At(x, 20) < 100;
    EXPECT_GT(dark, 10);
    EXPECT_LT(dark, 50);
    EXPECT_EQ(top.At(100, 100), 255);
    // The backs mirror the columns: entry 0 at the right.
    const auto back = WordPosition(m_pdf, 3, "mot0");
    ASSERT_TRUE(back);
    EXPECT_NEAR(back->first, 150 + 1200 + 30, 5);
}

TEST_F(PdfPrintout, ScriptedDialogShiftsTheBacks) {
    FillWith(3);
    QtPrintService service;
    service.SetFlashCardDialogMode(QtPrintService::FlashCardDialogMode::Show);
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->findChild<QLabel*>("lVerschieben")->text(), "0,0 mm");
        EXPECT_TRUE(dialog->findChild<QRadioButton*>("rbAlle")->isChecked());
        // Choosing a sheet number chooses a range.
        emit dialog->findChild<QComboBox*>("cbVon")->activated(0);
        EXPECT_TRUE(dialog->findChild<QRadioButton*>("rbSeiten")->isChecked());
        dialog->findChild<QSlider*>("tbVerschieben")->setValue(-40);
        EXPECT_EQ(dialog->findChild<QLabel*>("lVerschieben")->text(), "-4,0 mm");
        dialog->findChild<QPushButton*>("bOK")->click();
    });
    service.PrintFlashCards(m_library, nullptr);
    EXPECT_EQ(PageCount(m_pdf), 2);
    const auto back = WordPosition(m_pdf, 2, "mot0");
    ASSERT_TRUE(back);
    EXPECT_NEAR(back->first, 150 - 40 + 1200 + 30, 5);
}

TEST_F(PdfPrintout, ListPagesFollowTheEntries) {
    // An A4 page holds 62 lines.
    FillWith(70);
    QtPrintService service;
    service.PrintList(m_library, nullptr);
    EXPECT_EQ(PageCount(m_pdf), 2);
    const auto first = WordPosition(m_pdf, 1, "mot0");
    ASSERT_TRUE(first);
    EXPECT_NEAR(first->first, 290, 5);
    EXPECT_NEAR(first->second, 160, 10);
    EXPECT_TRUE(WordPosition(m_pdf, 2, "mot62"));
}

} // namespace
} // namespace qor
