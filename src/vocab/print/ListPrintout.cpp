#include "vocab/print/ListPrintout.h"

#include "platform/AppMessage.h"
#include "platform/PrintSurface.h"
#include "platform/WinPath.h"
#include "vocab/TBibliothek.h"
#include "vocab/print/PrintJobs.h"
#include "vocab/print/WordWrap.h"

#include <algorithm>
#include <array>

namespace qor {

using namespace list_printout;

namespace {

enum class Style { Regular, Bold, Italic };

void UseFont(PrintSurface& surface, Style style) {
    surface.SetFont("Arial", kFontHeight, style == Style::Bold, style == Style::Italic);
}

bool PrintsFinely(const PrintSurface& surface) {
    return surface.DotsPerInchX() > kFineDotsPerInch && surface.DotsPerInchY() > kFineDotsPerInch;
}

void PrintHeader(PrintSurface& surface, const std::string& name, int page) {
    const int width = surface.PageWidth();
    const bool fine = PrintsFinely(surface);
    if (fine)
        surface.FillRect(20, -20, width - 20, -120, kPrintBlack);
    else
        surface.Rectangle(20, -20, width - 20, -120, kPrintBlack);
    surface.SetTextColour(fine ? kPrintWhite : kPrintBlack);
    UseFont(surface, Style::Bold);
    surface.DrawText((width - surface.TextWidth(name)) / 2, -55, name);
    const std::string number = "S. " + std::to_string(page);
    UseFont(surface, Style::Italic);
    surface.DrawText(width - 100 - surface.TextWidth(number), -55, number);
    surface.SetTextColour(kPrintBlack);
}

void PrintEntry(PrintSurface& surface, const TPrintVoc& voc, int index, int wortart) {
    if (PrintsFinely(surface) && index % 2 == 0)
        surface.FillRect(kShadeLeft, ListLineY(voc.firstLine), surface.PageWidth() - 20,
                         ListLineY(voc.firstLine + voc.height), kShade);
    const auto lineY = [&](int i) { return ListLineY(voc.firstLine + i); };
    UseFont(surface, Style::Bold);
    for (std::size_t i = 0; i < voc.vokabel.size(); ++i)
        surface.DrawText(kHeadwordX, lineY(static_cast<int>(i)), voc.vokabel[i]);
    for (std::size_t i = 0; i < voc.bedeutung.size(); ++i)
        surface.DrawText(kMeaningX, lineY(static_cast<int>(i)), voc.bedeutung[i]);
    UseFont(surface, Style::Italic);
    const std::string abbreviation = ListWortartAbbreviation(wortart);
    const int abbreviationX = voc.afterHeadword + 30;
    if (abbreviationX + surface.TextWidth(abbreviation) < kWortartLimit)
        surface.DrawText(abbreviationX, lineY(static_cast<int>(voc.vokabel.size()) - 1), abbreviation);
    UseFont(surface, Style::Regular);
    const std::string number = std::to_string(index + 1);
    surface.DrawText(kNumberEnd - surface.TextWidth(number), lineY(0), number);
    int line = static_cast<int>(voc.vokabel.size());
    for (const auto* context : {&voc.kontext0, &voc.kontext1})
        for (const std::string& text : *context)
            surface.DrawText(kContextX, lineY(line++), text);
}

} // namespace

int ListLinesPerPage(int pageHeight) {
    return (pageHeight - 210) / kLineDistance;
}

std::string ListWortartAbbreviation(int wortart) {
    static const std::array<const char*, 6> names = {"N.", "V.", "Adj.", "kl. W.", "Rw. m. V.", "Rw. o. V."};
    return wortart >= 0 && wortart < 6 ? names[static_cast<std::size_t>(wortart)] : "";
}

TPrintVoc MeasureListEntry(const TVokabel& entry, PrintSurface& surface) {
    TPrintVoc voc;
    UseFont(surface, Style::Bold);
    voc.vokabel = WordWrap(entry.Vokabel, kHeadwordWidth, surface, 3);
    voc.afterHeadword = kHeadwordX + surface.TextWidth(voc.vokabel.back());
    std::string meanings = entry.Bedeutung0;
    if (!entry.Bedeutung1.empty())
        meanings += "; " + entry.Bedeutung1;
    voc.bedeutung = WordWrap(meanings, surface.PageWidth() - 1350, surface, 5);
    UseFont(surface, Style::Regular);
    if (!entry.Kontext0.empty())
        voc.kontext0 = WordWrap(entry.Kontext0, kContextWidth, surface, 5);
    if (!entry.Kontext1.empty())
        voc.kontext1 = WordWrap(entry.Kontext1, kContextWidth, surface, 5);
    voc.usedUnderHeadword = static_cast<int>(voc.kontext0.size() + voc.kontext1.size());
    voc.height = std::max(static_cast<int>(voc.vokabel.size()) + voc.usedUnderHeadword,
                          static_cast<int>(voc.bedeutung.size()));
    return voc;
}

int PrintLibraryList(const TBibliothek& library, PrintSurface& surface) {
    const int linesPerPage = ListLinesPerPage(surface.PageHeight());
    const std::string name = FileNamePart(library.FileName());
    int page = 1;
    int used = 0;
    PrintHeader(surface, name, page);
    for (int i = 0; i < library.Count(); ++i) {
        const TVokabel entry = library.Entry(i);
        TPrintVoc voc = MeasureListEntry(entry, surface);
        // An entry taller than a whole page still goes on a page of its own.
        if (used > 0 && used + voc.height > linesPerPage) {
            surface.NewPage();
            PrintHeader(surface, name, ++page);
            used = 0;
        }
        voc.firstLine = used;
        PrintEntry(surface, voc, i, entry.Wortart);
        used += voc.height;
    }
    return page;
}

void PrintList(const TBibliothek& library, PrintJobs& jobs) {
    if (library.Count() == 0) {
        ShowAppMessage("Welche Vokabeln soll ich drucken?!", kMbIconError | kMbOk);
        return;
    }
    PrintSurface* surface = jobs.BeginJob(library.DisplayName());
    if (!surface)
        return;
    PrintLibraryList(library, *surface);
    jobs.EndJob();
}

} // namespace qor
