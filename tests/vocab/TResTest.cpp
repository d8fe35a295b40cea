#include "vocab/TRes.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace qor::test {
namespace {

TEST(BuiltInList, ReadsTheShippedBlock) {
    TRes list;
    list.Load();
    EXPECT_EQ(list.Count(), TRes::kMaxEntries);
    // Wrong answers are taken from entries of the question's class and direction: every class
    // is there in both directions, with more than the five a question needs.
    std::map<std::pair<int, bool>, int> perKind;
    for (const TVokabel& entry : list.Entries()) {
        SCOPED_TRACE(entry.Vokabel);
        EXPECT_FALSE(entry.IsBlank());
        EXPECT_TRUE(entry.Kontext0.empty() && entry.Kontext1.empty());
        ASSERT_GE(entry.Wortart, 0);
        ASSERT_LE(entry.Wortart, 5);
        EXPECT_LE(entry.Schwierigkeit, 4);
        ++perKind[std::make_pair(entry.Wortart, entry.Deutsch)];
    }
    for (int wortart = 0; wortart <= 5; ++wortart) {
        for (bool deutsch : {false, true}) {
            SCOPED_TRACE(std::to_string(wortart) + (deutsch ? " German" : " French"));
            EXPECT_GT(perKind[std::make_pair(wortart, deutsch)], 5);
        }
    }
}

TEST(BuiltInList, StopsAfterSixHundredEntriesAndTakesLinesAsTheyAre) {
    const std::vector<std::string> entry = {" chat ", "Katze", "", "", "0", "", "-1", "3", "-1", "12"};
    std::size_t next = 0;
    const std::size_t total = entry.size() * 700;
    TRes list;
    list.Load([&] { return next >= total; }, [&] { return entry[next++ % entry.size()]; });
    ASSERT_EQ(list.Count(), TRes::kMaxEntries);
    const TVokabel& first = list.Entries().front();
    EXPECT_EQ(first.Vokabel, " chat "); // no trimming
    EXPECT_TRUE(first.KtxDazu1);
    EXPECT_EQ(first.Wortart, 3);
    EXPECT_TRUE(first.Deutsch);
    EXPECT_EQ(first.Schwierigkeit, 12); // the decimal value, not the first digit
}

} // namespace
} // namespace qor::test
