#include "vocab/TextImport.h"

#include "vocab/AscFile.h"
#include "vocab/VocText.h"

namespace qor {

namespace {

// Imported files come from anywhere: a word class of 7 or more or a difficulty of 5 or more is
// not taken at face value.
constexpr int kImportWortartLimit = 7;
constexpr int kImportSchwierigkeitLimit = 5;
constexpr int kDefaultSchwierigkeit = 2;

std::vector<std::string> SplitFields(std::string_view line, std::string_view separator) {
    std::vector<std::string> fields;
    if (separator.empty()) {
        fields.push_back(vocab::Trim(line));
        return fields;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t hit = line.find(separator, start);
        if (hit == std::string_view::npos) {
            fields.push_back(vocab::Trim(line.substr(start)));
            return fields;
        }
        fields.push_back(vocab::Trim(line.substr(start, hit - start)));
        start = hit + separator.size();
    }
}

// "Haus, Heim / Bau" → "Haus; Heim; Bau".
std::string NormalizeMeaning(std::string_view meaning) {
    if (meaning.empty())
        return {};
    return vocab::JoinTrimmedParts(vocab::JoinTrimmedParts(meaning, ','), '/');
}

} // namespace

std::vector<std::string> ImportColumns(std::string_view layout) {
    std::vector<std::string> columns;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = layout.find(',', start);
        columns.push_back(
            vocab::Trim(layout.substr(start, comma == std::string_view::npos ? comma : comma - start)));
        if (comma == std::string_view::npos)
            return columns;
        start = comma + 1;
    }
}

TVokabel ImportLine(std::string_view line, const std::vector<std::string>& columns,
                    std::string_view separator) {
    TVokabel entry;
    entry.Schwierigkeit = kDefaultSchwierigkeit;
    const std::vector<std::string> fields = SplitFields(line, separator);
    const std::size_t used = std::min(fields.size(), columns.size());
    bool firstMeaning = true;
    int contexts = 0;
    for (std::size_t i = 0; i < used; ++i) {
        const std::string& column = columns[i];
        const std::string& field = fields[i];
        int number = 0;
        if (column == "Vokabel") {
            entry.Vokabel = field;
        } else if (column == "Bedeutung") {
            if (firstMeaning) {
                entry.Bedeutung0 = field;
                firstMeaning = false;
            } else {
                entry.Bedeutung1 += entry.Bedeutung1.empty() ? field : "; " + field;
            }
        } else if (column == "Wortart") {
            if (vocab::ParseDecimal(field, number))
                entry.Wortart = number >= kImportWortartLimit || number < 0 ? 0 : number;
        } else if (column == "Schwierigkeit") {
            if (vocab::ParseDecimal(field, number))
                entry.Schwierigkeit =
                    number >= kImportSchwierigkeitLimit || number < 0 ? kDefaultSchwierigkeit : number;
        } else if (column == "Deutsch") {
            entry.Deutsch = field == "-1" || field == "+" || field == "1";
        } else if (column == "Kontext") {
            if (contexts == 0) {
                entry.Kontext0 = field;
                entry.KtxDazu0 = true;
            } else if (contexts == 1) {
                entry.Kontext1 = field;
                entry.KtxDazu1 = true;
            }
            ++contexts;
        }
    }
    if (entry.IsBlank())
        return TVokabel{};
    entry.Bedeutung0 = NormalizeMeaning(entry.Bedeutung0);
    entry.Bedeutung1 = NormalizeMeaning(entry.Bedeutung1);
    return entry;
}

std::vector<TVokabel> ImportText(std::string_view bytes, std::string_view layout,
                                 std::string_view separator) {
    const std::vector<std::string> columns = ImportColumns(layout);
    std::vector<TVokabel> entries;
    TextLines lines(bytes);
    while (!lines.AtEnd()) {
        TVokabel entry = ImportLine(lines.Next(), columns, separator);
        if (!entry.IsBlank())
            entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace qor
