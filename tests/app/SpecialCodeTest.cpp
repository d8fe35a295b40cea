// The texts and pictures the pages ask the main window for.

#include "CommandFakes.h"
#include "app/SpecialCodes.h"
#include "platform/Version.h"

namespace qor::test {
namespace {

class SpecialCodeTest : public CommandTest {
protected:
    std::string Code(std::string_view code) { return SpecialCode(m_context, code); }
};

TEST_F(SpecialCodeTest, ProgramAndVersionNeedNoUser) {
    const std::string program = std::string("*qor französisch"_cp);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"program", program},
        {"programm", program},
        {"version", VersionText()},
        {"versionsnummer", VersionText()},
        {"progra", ""},
        {"Program", ""},
    };
    for (const auto& [code, expected] : cases) {
        SCOPED_TRACE(code);
        EXPECT_EQ(Code(code), expected);
    }
}

TEST_F(SpecialCodeTest, TheAreasInstalled) {
    struct Case {
        const char* name;
        std::vector<std::string> files;   // below the vocabulary root
        std::vector<std::string> folders; // below the vocabulary root
        std::map<std::string, std::string> expected;
    };
    const std::map<std::string, std::string> none = {
        {"recht", ""}, {"reise", ""}, {"wirtschaft", ""}, {"oberstufe", ""}, {"pool", ""}};
    auto with = [&none](std::map<std::string, std::string> changes) {
        std::map<std::string, std::string> all = none;
        for (const auto& [code, text] : changes)
            all[code] = text;
        return all;
    };
    const std::vector<Case> cases = {
        {"nothing but the basics", {}, {"Grundwortschatz"}, none},
        {"empty folders for the folder areas",
         {},
         {"Recht", "Reisevokabular", "Wirtschaft"},
         with({{"recht", "+"}, {"reise", "+"}, {"wirtschaft", "+"}})},
        {"library areas need a library", {}, {"Oberstufenwortschatz", "Pool"}, none},
        {"other files do not count", {"Oberstufenwortschatz/liste.txt", "Pool/asc"}, {}, none},
        {"a library directly in the folder", {"Pool/essen.asc"}, {}, with({{"pool", "+"}})},
        {"a library further down, in capitals",
         {"Oberstufenwortschatz/Politik/WAHLEN.ASC"},
         {},
         with({{"oberstufe", "+"}})},
        {"a folder named like a library", {}, {"Pool/alt.asc"}, none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(m_root / "prog");
        m_settings.vocabularyRoot = Folder("prog/Vokabeln (F)");
        for (const std::string& file : c.files)
            File("prog/Vokabeln (F)/" + file, "x");
        for (const std::string& folder : c.folders)
            Folder("prog/Vokabeln (F)/" + folder);
        for (const auto& [code, expected] : c.expected) {
            SCOPED_TRACE(code);
            EXPECT_EQ(Code(code), expected);
        }
    }
}

TEST_F(SpecialCodeTest, NoAreaWithoutAVocabularyRoot) {
    Folder("Recht");
    m_settings.vocabularyRoot.clear();
    EXPECT_EQ(Code("recht"), "");
}

TEST_F(SpecialCodeTest, UserCodes) {
    m_services.figures = {
        {UserFigure::AverageAbsolute, 40},
        {UserFigure::AverageRelative, -12},
        {UserFigure::AverageGerman, 7},
        {UserFigure::AverageForeign, 8},
        {UserFigure::Records, 120},
        {UserFigure::ShareTyping, 50},
        {UserFigure::ShareMultipleChoice, 30},
        {UserFigure::ShareVegas, 20},
        {UserFigure::GermanRecords, 70},
        {UserFigure::ForeignRecords, 50},
    };
    struct Case {
        const char* code;
        const char* loggedIn;
        const char* loggedOut;
    };
    const std::vector<Case> cases = {
        {"user", "Anna", ""}, {"perfa", "40", ""},  {"perfr", "-12", ""}, {"perfd", "7", ""},
        {"perff", "8", ""},   {"nr", "120", ""},    {"pe", "50", ""},     {"pm", "30", ""},
        {"pv", "20", ""},     {"nrd", "70", ""},    {"nrf", "50", ""},    {"anderes", "anderes", ""},
        {"USER", "USER", ""}, {"perf", "perf", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        m_services.loggedIn = true;
        EXPECT_EQ(Code(c.code), c.loggedIn);
        m_services.loggedIn = false;
        EXPECT_EQ(Code(c.code), c.loggedOut);
    }
}

TEST_F(SpecialCodeTest, LearningTime) {
    constexpr double hour = 1.0 / 24;
    constexpr double minute = hour / 60;
    constexpr double second = minute / 60;
    struct Case {
        const char* name;
        double logIn;
        double accumulated;
        double now;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"1 day, 2 hours and 1 minute", 0.5, 1 + 2 * hour + minute, 0.5, "26 Stunden 1 Minute"},
        {"exactly one hour", 0.25, 0, 0.25 + hour, "1 Stunde 0 Minuten"},
        {"two hours and a minute, part of it earlier", 10 * hour, hour, 11 * hour + minute,
         "2 Stunden 1 Minute"},
        {"nothing yet", 0.75, 0, 0.75, "0 Stunden 0 Minuten"},
        {"seconds do not round up", 0, 0, hour + 59 * second, "1 Stunde 0 Minuten"},
        {"over midnight", 23.5 * hour, 0, 0.25 * hour, "0 Stunden 45 Minuten"},
        {"eleven minutes", 0.1, 11 * minute, 0.1, "0 Stunden 11 Minuten"},
    };
    m_services.loggedIn = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_services.learningTime = {c.logIn, c.accumulated};
        m_context.timeOfDay = [&c] { return c.now; };
        EXPECT_EQ(Code("zeit"), c.expected);
    }
    m_services.loggedIn = false;
    EXPECT_EQ(Code("zeit"), "");
}

TEST_F(SpecialCodeTest, HistogramsOnlyForALoggedInUser) {
    const Colour untouched = MakeColour(1, 2, 3);
    struct Case {
        const char* code;
        bool loggedIn;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"absolut", true, {"users.histogram 0"}},
        {"relativ", true, {"users.histogram 1"}},
        {"deutsch", true, {"users.histogram 2"}},
        {"fremd", true, {"users.histogram 3"}},
        {"Absolut", true, {}},
        {"balken", true, {}},
        {"absolut", false, {}},
        {"fremd", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.code) + (c.loggedIn ? " logged in" : " logged out"));
        m_calls.clear();
        m_services.loggedIn = c.loggedIn;
        TXBitmap bitmap(4, 3);
        bitmap.Fill(untouched, ColourOrder::BlueHigh);
        PictureCode(m_context, c.code, bitmap);
        EXPECT_EQ(m_calls, c.expected);
        EXPECT_EQ(bitmap.Pixel(2, 1) == untouched, c.expected.empty());
    }
}

} // namespace
} // namespace qor::test
