#include "vocab/TLastFiles.h"

#include "AppTestSupport.h"
#include "app/RecentFilesStore.h"
#include "app/SettingsKeys.h"

namespace qor::test {
namespace {

std::vector<std::string> Entries(const TLastFiles& files) {
    std::vector<std::string> entries;
    for (int i = 0; i < TLastFiles::kCount; ++i)
        entries.push_back(files.Item(i));
    return entries;
}

TEST(TLastFiles, StartsWithFourEmptyEntries) {
    TLastFiles files;
    EXPECT_EQ(Entries(files), (std::vector<std::string>{"", "", "", ""}));
    EXPECT_EQ(files.Item(4), "");
    EXPECT_EQ(files.Item(-1), "");
}

TEST(TLastFiles, AddingFollowsTheListRules) {
    struct Case {
        const char* name;
        std::vector<std::string> added;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"newest first", {"a.asc", "b.asc"}, {"b.asc", "a.asc", "", ""}},
        {"fifth falls out", {"a", "b", "c", "d", "e"}, {"e", "d", "c", "b"}},
        {"known name moves to the front", {"a", "b", "c", "a"}, {"a", "c", "b", ""}},
        {"known name in a full list", {"a", "b", "c", "d", "b"}, {"b", "d", "c", "a"}},
        {"same name twice", {"a", "a"}, {"a", "", "", ""}},
        {"empty name ignored", {"a", "", "b"}, {"b", "a", "", ""}},
        {"star is the loaded file", {"a", "*"}, {"geladen.asc", "a", "", ""}},
        {"star moves the loaded file", {"geladen.asc", "b", "*"}, {"geladen.asc", "b", "", ""}},
        {"case counts", {"A.asc", "a.asc"}, {"a.asc", "A.asc", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TLastFiles files([] { return std::string("geladen.asc"); });
        for (const std::string& name : c.added)
            files.Add(name);
        EXPECT_EQ(Entries(files), c.expected);
    }
}

TEST(TLastFiles, StarIsIgnoredWhileNoLibraryFileIsLoaded) {
    TLastFiles withoutSource;
    withoutSource.Add("*");
    TLastFiles nothingLoaded([] { return std::string(); });
    nothingLoaded.Add("*");
    EXPECT_EQ(Entries(withoutSource), (std::vector<std::string>{"", "", "", ""}));
    EXPECT_EQ(Entries(nothingLoaded), (std::vector<std::string>{"", "", "", ""}));
}

class RecentFilesStoreTest : public AppTest {};

TEST_F(RecentFilesStoreTest, ReadingPutsValueZeroFirst) {
    Store().WriteText(kRecentFilesKey, "0", "null.asc");
    Store().WriteText(kRecentFilesKey, "1", "eins.asc");
    Store().WriteText(kRecentFilesKey, "3", "drei.asc");
    TLastFiles files;
    ReadRecentFiles(Store(), files);
    EXPECT_EQ(Entries(files), (std::vector<std::string>{"null.asc", "eins.asc", "drei.asc", ""}));
}

TEST_F(RecentFilesStoreTest, WritingAndReadingGiveTheSameList) {
    TLastFiles files;
    for (const char* name : {"d", "c", "b", "a"})
        files.Add(name);
    WriteRecentFiles(Store(), files);
    EXPECT_EQ(Store().ReadText(kRecentFilesKey, "0"), "a");
    EXPECT_EQ(Store().ReadText(kRecentFilesKey, "3"), "d");
    TLastFiles again;
    ReadRecentFiles(Store(), again);
    EXPECT_EQ(Entries(again), Entries(files));
}

} // namespace
} // namespace qor::test
