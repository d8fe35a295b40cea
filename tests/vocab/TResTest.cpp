#include "vocab/TRes.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qor::test {
namespace {

TEST(BuiltInList, ReadsTheShippedBlock) {
    TRes list;
    list.Load();
    // The block in the tree is still a short stand-in for the full list, so only its shape is checked.
    EXPECT_GT(list.Count(), 0);
    EXPECT_LE(list.Count(), TRes::kMaxEntries);
    for (const TVokabel& entry : list.Entries()) {
        SCOPED_TRACE(entry.Vokabel);
        EXPECT_FALSE(entry.IsBlank());
        EXPECT_TRUE(entry.Kontext0.empty() && entry.Kontext1.empty());
        EXPECT_GE(entry.Wortart, 0);
        EXPECT_LE(entry.Wortart, 5);
        EXPECT_EQ(entry.Schwierigkeit, 0);
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
