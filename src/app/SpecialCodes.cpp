#include "app/SpecialCodes.h"

#include "app/FileCount.h"
#include "app/PageCommandRun.h"
#include "app/SettingsKeys.h"
#include "platform/Version.h"
#include "platform/WinPath.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

namespace qor {

namespace {

constexpr std::int64_t kMillisecondsPerHour = 3'600'000;
constexpr std::int64_t kMillisecondsPerMinute = 60'000;
constexpr double kMillisecondsPerDay = 86'400'000.0;

struct FigureCode {
    std::string_view code;
    UserFigure figure;
};

constexpr FigureCode kFigureCodes[] = {
    {"perfa", UserFigure::AverageAbsolute},
    {"perfr", UserFigure::AverageRelative},
    {"perfd", UserFigure::AverageGerman},
    {"perff", UserFigure::AverageForeign},
    {"nr", UserFigure::Records},
    {"pe", UserFigure::ShareTyping},
    {"pm", UserFigure::ShareMultipleChoice},
    {"pv", UserFigure::ShareVegas},
    {"nrd", UserFigure::GermanRecords},
    {"nrf", UserFigure::ForeignRecords},
};

struct HistogramCode {
    std::string_view code;
    Histogram histogram;
};

constexpr HistogramCode kHistogramCodes[] = {
    {"absolut", Histogram::Absolute},
    {"relativ", Histogram::Relative},
    {"deutsch", Histogram::German},
    {"fremd", Histogram::Foreign},
};

// An area that needs no files of its own to be offered: its folder is enough.
std::string AreaFolderExists(const AppSettings& settings, std::string_view area) {
    if (settings.vocabularyRoot.empty())
        return {};
    return DirectoryExists(WithTrailingSeparator(settings.vocabularyRoot) + std::string(area)) ? "+" : "";
}

// An area offered only when a library lies somewhere below its folder.
std::string AreaHoldsLibraries(const AppSettings& settings, std::string_view area) {
    if (settings.vocabularyRoot.empty())
        return {};
    std::vector<std::string> found;
    int count = CountFilesByExtension(WithTrailingSeparator(settings.vocabularyRoot) + std::string(area),
                                      &found, ".asc");
    return count > 0 || !found.empty() ? "+" : "";
}

std::optional<std::string> InstallationCode(const AppSettings& settings, std::string_view code) {
    if (code.starts_with("program"))
        return std::string(kProgramCaption);
    if (code.starts_with("version"))
        return VersionText();
    if (code == "recht")
        return AreaFolderExists(settings, "Recht");
    if (code == "reise")
        return AreaFolderExists(settings, "Reisevokabular");
    if (code == "oberstufe")
        return AreaHoldsLibraries(settings, "Oberstufenwortschatz");
    if (code == "pool")
        return AreaHoldsLibraries(settings, "Pool");
    if (code == "wirtschaft")
        return AreaFolderExists(settings, "Wirtschaft");
    return std::nullopt;
}

} // namespace

double ElapsedLearningTime(double timeOfDay, const LearningTimeParts& parts) {
    double sinceLogIn = timeOfDay - parts.logInTime;
    if (sinceLogIn < 0)
        sinceLogIn += 1.0;
    return sinceLogIn + parts.accumulated;
}

std::string LearningTimeText(double days) {
    // Whole milliseconds first, as a clock would show them: 2 h 1 min is not 2 h 0.99999 min.
    auto total = static_cast<std::int64_t>(std::llround(std::max(days, 0.0) * kMillisecondsPerDay));
    std::int64_t hours = total / kMillisecondsPerHour;
    std::int64_t minutes = total % kMillisecondsPerHour / kMillisecondsPerMinute;
    return std::to_string(hours) + (hours == 1 ? " Stunde " : " Stunden ") + std::to_string(minutes) +
           (minutes == 1 ? " Minute" : " Minuten");
}

std::string SpecialCode(const CommandContext& context, std::string_view code) {
    CommandRun run = ResolveCommandRun(context);
    if (std::optional<std::string> text = InstallationCode(run.settings, code))
        return *text;
    UserService& users = *run.services.users;
    if (!users.IsLoggedIn())
        return {};
    if (code == "user")
        return users.Name();
    for (const FigureCode& entry : kFigureCodes)
        if (code == entry.code)
            return std::to_string(users.Figure(entry.figure));
    if (code == "zeit")
        return LearningTimeText(ElapsedLearningTime(run.TimeOfDay(), users.LearningTime()));
    return std::string(code);
}

void PictureCode(const CommandContext& context, std::string_view code, TXBitmap& bitmap) {
    CommandRun run = ResolveCommandRun(context);
    UserService& users = *run.services.users;
    if (!users.IsLoggedIn())
        return;
    for (const HistogramCode& entry : kHistogramCodes) {
        if (code == entry.code) {
            users.DrawHistogram(bitmap, entry.histogram);
            return;
        }
    }
}

} // namespace qor
