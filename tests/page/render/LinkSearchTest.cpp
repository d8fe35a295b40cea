#include "page/render/LinkSearch.h"

#include "RenderTestSupport.h"

using namespace qor;
using namespace qor::test;

TEST(LinkSearch, FindsLinksByTheirWordsByTheirNameAndByTheirTarget) {
    LaidOutPage page;
    page.Lay("Start <A HREF=\"lektion01.htx@Zur ersten Lektion\">Lektion  1</A> und "
             "<A HREF=\"\xA7gws,go\">los</A><BR><A HREF=\"lektion01.htx\">noch einmal</A>");
    const struct {
        std::string_view text;
        std::optional<std::string_view> target; // nothing: no link found
        std::string_view words;
    } cases[] = {
        {"Lektion 1", "lektion01.htx", "Lektion 1"},
        {"  Lektion   1 ", "lektion01.htx", "Lektion 1"},
        {"lektion01.htx@Zur ersten Lektion", "lektion01.htx", "Lektion 1"},
        {"lektion01.htx", "lektion01.htx", "Lektion 1"}, // the first of two links to the same page
        {"noch einmal", "lektion01.htx", "noch einmal"},
        {"\xA7gws,go", "\xA7gws,go", "los"},
        {"los", "\xA7gws,go", "los"},
        {"Start", std::nullopt, ""}, // plain text is not a link
        {"Lektion", std::nullopt, ""},
        {"", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<FoundLink> found = FindLink(page.document, page.layout, c.text);
        ASSERT_EQ(found.has_value(), c.target.has_value());
        if (!found)
            continue;
        EXPECT_EQ(found->target, *c.target);
        EXPECT_EQ(found->words, c.words);
        EXPECT_TRUE(page.layout.Links().At(found->entry).Contains(found->rect.left, found->rect.top));
    }
    // The first "Lektion 1" link lies on the first line, the second one below it.
    const auto first = FindLink(page.document, page.layout, "Lektion 1");
    const auto second = FindLink(page.document, page.layout, "noch einmal");
    ASSERT_TRUE(first && second);
    EXPECT_LT(first->rect.top, second->rect.top);
}
