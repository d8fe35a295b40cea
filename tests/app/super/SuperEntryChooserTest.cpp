#include "app/super/SuperEntryChooser.h"

#include "platform/Random.h"
#include "vocab/TVocEinstellungen.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace qor {
namespace {

std::vector<int> Draws(SuperEntryChooser& chooser, int count) {
    std::vector<int> draws;
    for (int i = 0; i < count; ++i)
        draws.push_back(chooser.Next());
    return draws;
}

TEST(SuperEntryChooserTest, WalksTheRangeRoundAndRound) {
    struct Case {
        int modus;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {kModusVorwaerts, {2, 3, 4, 2, 3}},
        {kModusRueckwaerts, {4, 3, 2, 4, 3}},
    };
    for (const Case& c : cases) {
        SuperEntryChooser chooser({c.modus, 2, 4}, ProgramRandom());
        EXPECT_EQ(Draws(chooser, 5), c.expected) << c.modus;
    }
}

TEST(SuperEntryChooserTest, RandomNeverDrawsTheLastNorRepeatsTheNineBefore) {
    SeedRandom(17);
    SuperEntryChooser chooser({kModusKreuzUndQuer, 0, 10}, ProgramRandom());
    const std::vector<int> draws = Draws(chooser, 200);
    for (std::size_t i = 0; i < draws.size(); ++i) {
        ASSERT_GE(draws[i], 0);
        ASSERT_LT(draws[i], 10) << i;
        for (std::size_t back = 1; back <= 9 && back <= i; ++back)
            ASSERT_NE(draws[i], draws[i - back]) << i;
        if (i >= 10) {
            ASSERT_EQ(draws[i], draws[i - 10]) << "the ten others come in a fixed cycle";
        }
    }
    EXPECT_EQ(chooser.Recent().size(), 9u);
}

TEST(SuperEntryChooserTest, RandomOverOneEntryKeepsGivingIt) {
    SuperEntryChooser chooser({kModusKreuzUndQuer, 3, 3}, ProgramRandom());
    EXPECT_EQ(Draws(chooser, 3), (std::vector<int>{3, 3, 3}));
}

} // namespace
} // namespace qor
