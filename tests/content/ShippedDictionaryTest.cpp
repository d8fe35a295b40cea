// The two dictionaries of the program folder, as the build converted them: the look-up reaches
// every headword, and they are in the order the dictionary sorts in.
#include "dictionary/TXDatabase.h"
#include "platform/Collation.h"
#include "platform/MessageCapture.h"
#include "platform/WinPath.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <tuple>

namespace qor::test {
namespace {

struct ShippedHalf {
    const char* file;
    DictionaryDirection direction;
    friend void PrintTo(const ShippedHalf& half, std::ostream* out) { *out << half.file; }
};

using EntryRow = std::tuple<std::string, int, std::string>;

std::vector<EntryRow> Rows(const TXDatabase& database) {
    std::vector<EntryRow> rows;
    rows.reserve(static_cast<std::size_t>(database.Count()));
    for (int i = 0; i < database.Count(); ++i)
        rows.emplace_back(database.Vokabel(i), database.Wortart(i), database.Bedeutung(i));
    return rows;
}

class ShippedDictionaryTest : public ::testing::TestWithParam<ShippedHalf> {
protected:
    void SetUp() override {
        const std::filesystem::path file = std::filesystem::path(QOR_PROGRAM_DIR) / GetParam().file;
        ASSERT_TRUE(std::filesystem::exists(file)) << file << " is missing: build the program folder";
        m_database.SetDirection(GetParam().direction);
        m_database.Load(ProgramPath(file));
        ASSERT_TRUE(m_messages.Texts().empty());
#if QOR_FREEDICT_SHIPPED
        ASSERT_GT(m_database.Count(), 30000);
#endif
    }
    MessageCapture m_messages;
    TXDatabase m_database;
};

TEST_P(ShippedDictionaryTest, LocateReachesEveryHeadwordWithItsWordClass) {
    int missed = 0;
    std::string examples;
    for (int i = 0; i < m_database.Count(); ++i) {
        const std::string headword = m_database.Vokabel(i);
        m_database.Locate(headword, m_database.Wortart(i));
        if (m_database.CurrentIndex() == i)
            continue;
        if (++missed <= 5)
            examples += "'" + headword + "' at " + std::to_string(i) + " gave " +
                        std::to_string(m_database.CurrentIndex()) + "; ";
    }
    EXPECT_EQ(missed, 0) << "of " << m_database.Count() << ": " << examples;
}

// On a sample, the look-up stops where the walk from the front of the half stops.
TEST_P(ShippedDictionaryTest, LocateStopsWhereTheWalkFromTheFrontStops) {
    std::mt19937 random(11);
    for (int sample = 0; sample < 60 && m_database.Count() > 0; ++sample) {
        std::string text = m_database.Vokabel(static_cast<int>(random() % m_database.Count()));
        text.resize(random() % (text.size() + 1)); // also texts between the headwords
        if (text.empty())
            continue;
        auto compare = [&](int i) {
            return CompareCollated(m_database.Vokabel(i), text, CaseLevel::Ignored);
        };
        int walked = 0;
        while (walked < m_database.Count() - 1 && compare(walked) < 0)
            ++walked;
        for (int i = walked; i < m_database.Count() && compare(i) == 0; ++i) {
            if (m_database.Vokabel(i) == text) {
                walked = i; // the spelling asked for, among the ones equal but for case
                break;
            }
        }
        m_database.Locate(text);
        EXPECT_EQ(m_database.CurrentIndex(), walked) << text;
    }
}

// Shuffled headwords of the half, sorted: every pair of the result agrees with the comparison, which
// fails where the comparison is not transitive.
TEST_P(ShippedDictionaryTest, TheOrderIsTransitiveOnShuffledHeadwords) {
    std::vector<std::string> words;
    for (int i = 0; i < m_database.Count(); ++i)
        words.push_back(m_database.Vokabel(i));
    std::shuffle(words.begin(), words.end(), std::mt19937(5));
    words.resize(std::min<std::size_t>(words.size(), 1500));
    std::sort(words.begin(), words.end(),
              [](const std::string& a, const std::string& b) { return CompareCollated(a, b) < 0; });
    int disagreeing = 0;
    for (std::size_t i = 0; i < words.size(); ++i)
        for (std::size_t j = i + 1; j < words.size(); ++j)
            disagreeing += CompareCollated(words[j], words[i]) < 0 ? 1 : 0;
    EXPECT_EQ(disagreeing, 0);
}

TEST_P(ShippedDictionaryTest, SortingLeavesTheShippedOrder) {
    const std::vector<EntryRow> shipped = Rows(m_database);
    m_database.Sort();
    EXPECT_TRUE(Rows(m_database) == shipped);
}

INSTANTIATE_TEST_SUITE_P(Halves, ShippedDictionaryTest,
                         ::testing::Values(ShippedHalf{"f_d.qor", DictionaryDirection::FrenchGerman},
                                           ShippedHalf{"d_f.qor", DictionaryDirection::GermanFrench}),
                         [](const auto& info) { return std::string(info.param.file).substr(0, 3); });

} // namespace
} // namespace qor::test
