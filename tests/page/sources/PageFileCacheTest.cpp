// The page file cache: what it hands out again, and what it refuses to keep.

#include "page/sources/PageFileCache.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>

namespace qor::test {
namespace {

std::int64_t NowNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// A file last written an hour ago.
NativeFileInfo SettledFile(const std::string& name, std::uint64_t inode = 7) {
    NativeFileInfo file;
    file.path = "/programm/hqor/" + name;
    file.identity.device = 1;
    file.identity.inode = inode;
    file.identity.size = 10;
    static const std::int64_t anHourAgo = NowNanoseconds() - std::int64_t{3600} * 1'000'000'000;
    file.identity.modified = anHourAgo;
    file.identity.changed = file.identity.modified;
    return file;
}

TEST(PageFileCache, AnUnchangedFileIsHandedOutAgain) {
    PageFileCache cache;
    const NativeFileInfo file = SettledFile("seite.htx");
    EXPECT_EQ(cache.Find(file), nullptr);
    cache.Keep(file, "Inhalt");
    ASSERT_NE(cache.Find(file), nullptr);
    EXPECT_EQ(*cache.Find(file), "Inhalt");

    struct Change {
        const char* what;
        void (*apply)(NativeFileInfo&);
    };
    const Change changes[] = {
        {"another file", [](NativeFileInfo& f) { ++f.identity.inode; }},
        {"another device", [](NativeFileInfo& f) { ++f.identity.device; }},
        {"another size", [](NativeFileInfo& f) { ++f.identity.size; }},
        {"written", [](NativeFileInfo& f) { ++f.identity.modified; }},
        {"changed", [](NativeFileInfo& f) { ++f.identity.changed; }},
        {"another path", [](NativeFileInfo& f) { f.path += ".bak"; }},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        NativeFileInfo changed = file;
        change.apply(changed);
        EXPECT_EQ(cache.Find(changed), nullptr);
    }

    NativeFileInfo rewritten = file;
    ++rewritten.identity.modified;
    cache.Keep(rewritten, "Neu");
    EXPECT_EQ(cache.Find(file), nullptr) << "the old copy is gone";
    ASSERT_NE(cache.Find(rewritten), nullptr);
    EXPECT_EQ(*cache.Find(rewritten), "Neu");
    EXPECT_EQ(cache.Count(), 1u);
}

TEST(PageFileCache, FreshOrLargeFilesAreNotKept) {
    PageFileCache cache;
    NativeFileInfo fresh = SettledFile("neu.htx");
    fresh.identity.modified = NowNanoseconds() - 1'000'000'000; // a second ago
    cache.Keep(fresh, "Inhalt");
    EXPECT_EQ(cache.Find(fresh), nullptr);

    NativeFileInfo future = SettledFile("zukunft.htx");
    future.identity.modified = NowNanoseconds() + std::int64_t{3600} * 1'000'000'000;
    cache.Keep(future, "Inhalt");
    EXPECT_EQ(cache.Find(future), nullptr);

    const NativeFileInfo large = SettledFile("gross.htx");
    cache.Keep(large, "klein");
    ASSERT_NE(cache.Find(large), nullptr);
    cache.Keep(large, std::string(PageFileCache::kMaxFileBytes + 1, 'x'));
    EXPECT_EQ(cache.Find(large), nullptr) << "the small old copy must not stand in for it";
    EXPECT_EQ(cache.Count(), 0u);
}

TEST(PageFileCache, TheOldestFileMakesRoom) {
    PageFileCache cache;
    for (std::size_t i = 0; i <= PageFileCache::kMaxFiles; ++i) {
        cache.Keep(SettledFile("seite" + std::to_string(i) + ".htx", i + 1), std::to_string(i));
    }
    EXPECT_EQ(cache.Count(), PageFileCache::kMaxFiles);
    EXPECT_EQ(cache.Find(SettledFile("seite0.htx", 1)), nullptr);
    for (std::size_t i = 1; i <= PageFileCache::kMaxFiles; ++i) {
        const std::string* kept = cache.Find(SettledFile("seite" + std::to_string(i) + ".htx", i + 1));
        ASSERT_NE(kept, nullptr) << i;
        EXPECT_EQ(*kept, std::to_string(i));
    }
    cache.Clear();
    EXPECT_EQ(cache.Count(), 0u);
}

} // namespace
} // namespace qor::test
