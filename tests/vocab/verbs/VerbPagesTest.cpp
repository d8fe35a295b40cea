#include "vocab/verbs/VerbPages.h"

#include "platform/Cp1252.h"
#include "vocab/verbs/VerbTable.h"
#include "vocab/verbs/VerbTestSupport.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::ErVerb;
using test::kAuxiliaries;
using test::Table;

TEST(TenseColumn, MarksIrregularFormsAndMissingOnes) {
    const std::vector<TVerb> verbs = Table(kAuxiliaries + ErVerb("aimer", "lieben", "avoir"));
    EXPECT_EQ(TenseColumn(verbs[2], 0),
              "<+zeit>IND Présent<p><+reg>aime<br><+reg>aimes<br><+reg>aime<br><+reg>aimons<br>"
              "<+reg>aimez<br><+reg>aiment<br>"_cp);
    EXPECT_EQ(TenseColumn(verbs[0], 3),
              "<+zeit>Futur<p><+irr>aurai<br><+irr>auras<br><+irr>aura<br><+irr>aurons<br>"
              "<+irr>aurez<br><+irr>auront<br>");
    EXPECT_EQ(TenseColumn(verbs[2], 6),
              "<+zeit>Impératif<p>&nbsp; <br><+reg>aime!<br>&nbsp; <br><+reg>aimons!<br><+reg>aimez!<br>"
              "&nbsp; <br>"_cp);
    EXPECT_EQ(
        TenseColumn(verbs[2], 14),
        "<+zeit>Participes<p><+reg>aimant<br><+reg>aimé<br>&nbsp; <br>&nbsp; <br>&nbsp; <br>&nbsp; <br>"_cp);
    // Compound forms count as regular even for an irregular auxiliary.
    EXPECT_EQ(TenseColumn(verbs[1], 8),
              "<+zeit>IND Passé comp.<p><+reg>ai été<br><+reg>as été<br><+reg>a été<br><+reg>avons été<br>"
              "<+reg>avez été<br><+reg>ont été<br>"_cp);
}

TEST(TenseColumn, ShowsMissingFormsMarkedWithDashLikeOthers) {
    const std::vector<TVerb> verbs = Table("pouvoir,können,avoir\n\n\n\n\n\n\n-,-,-\n");
    EXPECT_EQ(TenseColumn(verbs[0], 6),
              "<+zeit>Impératif<p>&nbsp; <br><+reg>-!<br>&nbsp; <br><+reg>-!<br><+reg>-!<br>&nbsp; <br>"_cp);
}

TEST(PronounColumn, FirstLineFollowsTheFirstPersonForms) {
    const std::string rest = "<+reg>tu<br><+reg>il<br><+reg>nous<br><+reg>vous<br><+reg>ils<br>";
    struct Case {
        std::string table; // the first-person forms of tenses 0..3, one line each
        std::string firstLine;
    };
    const std::vector<Case> cases = {
        {"donne\ndonnais\ndonnai\ndonnerai", "je"},
        {"aime\naimais\naimai\naimerai", "j'"},
        {"suis\nétais\nfus\nserai", "je/j'"},
        {"Ôte\nôtais\n-\nœuvrerai", "je/j'"},
        {"œuvre\nÉtais\nÀ\nûsai", "j'"},
        // Only the indicative tenses 0..3 count.
        {"donne\ndonnais\ndonnai\ndonnerai\naime", "je"},
        {"\n\n\nirai", "j'"},
        {"", "je"},
    };
    for (const Case& example : cases) {
        SCOPED_TRACE(example.table);
        const std::vector<TVerb> verbs = Table("verbe,Verb,avoir\n" + example.table + "\n");
        ASSERT_EQ(verbs.size(), 1u);
        EXPECT_EQ(PronounColumn(verbs[0]), "<+zeit>&nil;<p><+reg>" + example.firstLine + "<br>" + rest);
    }
}

TEST(VerbListGroups, LinksEveryVerbFifteenToAGroup) {
    std::vector<TVerb> verbs(71);
    for (std::size_t i = 0; i < verbs.size(); ++i)
        verbs[i].infinitive = "v" + std::to_string(i);
    const std::vector<std::string> groups = VerbListGroups(verbs);
    ASSERT_EQ(groups.size(), 6u);
    const std::string first("<a href=\"§showverb 0\" flash=flashcol>v0</a><br>"_cp);
    EXPECT_TRUE(groups[0].starts_with(first));
    EXPECT_NE(groups[0].find("<a href=\"§showverb14\" flash=flashcol>v14</a><br>"_cp), std::string::npos);
    EXPECT_TRUE(groups[1].starts_with("<a href=\"§showverb15\" flash=flashcol>v15</a><br>"_cp));
    EXPECT_TRUE(groups[4].ends_with("<a href=\"§showverb70\" flash=flashcol>v70</a><br>"_cp));
    EXPECT_TRUE(groups[5].empty());
    for (std::size_t group = 0; group < 4; ++group) {
        std::size_t links = 0;
        for (std::size_t at = groups[group].find("<a "); at != std::string::npos;
             at = groups[group].find("<a ", at + 1))
            ++links;
        EXPECT_EQ(links, 15u) << group;
    }
}

TEST(VerbListGroups, FillsTheSixthGroupOnlyBeyondSeventyFiveVerbs) {
    std::vector<TVerb> verbs(89);
    for (std::size_t i = 0; i < verbs.size(); ++i)
        verbs[i].infinitive = "v" + std::to_string(i);
    const std::vector<std::string> groups = VerbListGroups(verbs);
    EXPECT_TRUE(groups[5].starts_with("<a href=\"§showverb75\" flash=flashcol>v75</a><br>"_cp));
    EXPECT_TRUE(groups[5].ends_with("v88</a><br>"));
    EXPECT_TRUE(VerbListGroups({}).at(0).empty());
}

} // namespace
} // namespace qor
