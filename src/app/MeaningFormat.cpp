#include "app/MeaningFormat.h"

#include "app/DataPath.h"
#include "app/TextTrim.h"

#include <algorithm>

namespace qor {

namespace {

MeaningPiece TakeOutComment(std::string piece) {
    if (piece.starts_with('[')) {
        std::size_t close = piece.find(']');
        if (close != std::string::npos)
            return {piece.substr(0, close + 1), app::Trim(std::string_view(piece).substr(close + 1))};
    }
    if (piece.ends_with(']')) {
        std::size_t open = piece.rfind('[');
        if (open != std::string::npos)
            return {piece.substr(open), app::Trim(std::string_view(piece).substr(0, open))};
    }
    return {std::string(), std::move(piece)};
}

} // namespace

std::vector<MeaningPiece> SplitMeanings(std::string_view entryText) {
    std::vector<MeaningPiece> pieces;
    std::size_t start = 0;
    while (true) {
        std::size_t end = entryText.find(';', start);
        std::string_view piece =
            entryText.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        pieces.push_back(TakeOutComment(app::TrimRight(piece)));
        if (end == std::string_view::npos)
            return pieces;
        start = std::min(entryText.size(), end + 2);
    }
}

std::string FormatMeanings(std::string_view entryText, MeaningMarkup markup, const RecordingIndex& index,
                           const AppSettings& settings) {
    std::string result;
    bool first = true;
    for (const MeaningPiece& piece : SplitMeanings(entryText)) {
        if (!first)
            result += "; ";
        first = false;
        if (!piece.comment.empty()) {
            if (markup == MeaningMarkup::Styled)
                result += "<+kommentar>" + piece.comment + "<+normal> ";
            else
                result += " " + piece.comment + " ";
        }
        std::string file;
        if (std::optional<std::string> stored = index.Find(piece.text))
            file = ResolveDataPath(*stored, settings).file;
        if (file.empty())
            result += piece.text;
        else
            result += "<a href=\"" + file + "\" >" + piece.text + "</a>";
    }
    return result;
}

std::string FormatMeanings(std::string_view entryText, MeaningMarkup markup) {
    return FormatMeanings(entryText, markup, CurrentRecordingIndex(), Settings());
}

} // namespace qor
