#include "RuntimeDir.h"

#include "RuntimeDirScope.h"
#include "TempDir.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A private world of places: /tmp, the cache home and the home folder are temporary
// folders, so no test touches the machine's own /tmp/melodeck-<uid>.
struct Places {
    testkit::TempDir tmp, cacheHome, home;
    platform::RuntimePlaces places() const {
        platform::RuntimePlaces p;
        p.tmp = tmp.path().string();
        p.cacheHome = (cacheHome / "cache").string();
        p.home = home.path().string();
        p.uid = getuid();
        return p;
    }
    fs::path tmpChoice() const { return tmp / ("melodeck-" + std::to_string(getuid())); }
    fs::path cacheChoice() const { return cacheHome / "cache" / "melodeck" / "runtime"; }
    fs::path homeChoice() const { return home / ".cache" / "melodeck" / "runtime"; }
};

unsigned modeOf(const fs::path& dir) {
    struct stat st {};
    EXPECT_EQ(lstat(dir.c_str(), &st), 0) << dir;
    return st.st_mode & 07777;
}

enum class Chosen { Tmp, Cache, HomeCache, None };

TEST(RuntimeDir, ATmpFolderThatMayBeAnotherUsersGivesWayToAPrivateCacheFolder) {
    struct Case {
        const char* name;
        std::function<void(const Places&)> plant;
        bool withCacheHome;
        Chosen chosen;
        const char* refusal; // what the refusals say of the /tmp candidate, "" when none
    };
    const Case cases[] = {
        {"nothing there yet", [](const Places&) {}, true, Chosen::Tmp, ""},
        {"our own private folder",
         [](const Places& w) {
             fs::create_directory(w.tmpChoice());
             chmod(w.tmpChoice().c_str(), 0700);
         },
         true, Chosen::Tmp, ""},
        // Stands in for a folder another user made: open to all, anyone may plant in it.
        {"a folder of mode 0777",
         [](const Places& w) {
             fs::create_directory(w.tmpChoice());
             chmod(w.tmpChoice().c_str(), 0777);
         },
         true, Chosen::Cache, "has mode 0777, not 0700"},
        {"a plain file in its place",
         [](const Places& w) { testkit::writeBytes(w.tmpChoice(), {'x'}); }, true, Chosen::Cache,
         "is not a folder"},
        {"a symbolic link to a private folder",
         [](const Places& w) {
             fs::create_directory(w.tmp / "elsewhere");
             chmod((w.tmp / "elsewhere").c_str(), 0700);
             fs::create_directory_symlink(w.tmp / "elsewhere", w.tmpChoice());
         },
         true, Chosen::Cache, "is a symbolic link"},
        {"no XDG_CACHE_HOME: ~/.cache",
         [](const Places& w) { testkit::writeBytes(w.tmpChoice(), {'x'}); }, false,
         Chosen::HomeCache, "is not a folder"},
        {"nothing usable",
         [](const Places& w) {
             testkit::writeBytes(w.tmpChoice(), {'x'});
             testkit::writeBytes(w.cacheHome / "cache", {'x'});
         },
         true, Chosen::None, "is not a folder"},
    };
    for (const auto& c : cases) {
        Places w;
        c.plant(w);
        auto places = w.places();
        if (!c.withCacheHome)
            places.cacheHome.clear();

        const auto choice = platform::chooseRuntimeDir(places);

        const fs::path expected[] = {w.tmpChoice(), w.cacheChoice(), w.homeChoice(), {}};
        if (c.chosen == Chosen::None) {
            EXPECT_FALSE(choice.dir.has_value()) << c.name;
            EXPECT_NE(choice.refusals.find(w.cacheChoice().string() + " cannot be created"),
                      std::string::npos)
                << c.name << ": " << choice.refusals;
        } else {
            ASSERT_TRUE(choice.dir.has_value()) << c.name << ": " << choice.refusals;
            EXPECT_EQ(*choice.dir, expected[static_cast<int>(c.chosen)].string()) << c.name;
            EXPECT_EQ(modeOf(*choice.dir), 0700u) << c.name;
            EXPECT_TRUE(fs::is_directory(fs::symlink_status(*choice.dir))) << c.name;
        }
        if (*c.refusal) {
            EXPECT_EQ(choice.refusals.find(w.tmpChoice().string() + " " + c.refusal), 0u)
                << c.name << ": " << choice.refusals;
        } else {
            EXPECT_EQ(choice.refusals, "") << c.name;
        }
        if (fs::exists(w.tmp / "elsewhere")) {
            EXPECT_TRUE(fs::is_empty(w.tmp / "elsewhere")) << c.name << ": the link was followed";
        }
    }
}

TEST(RuntimeDir, AFolderOfAnotherUserIsRefused) {
    if (getuid() != 0)
        GTEST_SKIP() << "handing a folder to another user needs root";
    Places w;
    fs::create_directory(w.tmpChoice());
    chmod(w.tmpChoice().c_str(), 0700);
    ASSERT_EQ(chown(w.tmpChoice().c_str(), 12345, 12345), 0);

    const auto choice = platform::chooseRuntimeDir(w.places());

    EXPECT_EQ(choice.dir, w.cacheChoice().string());
    EXPECT_EQ(choice.refusals, w.tmpChoice().string() + " belongs to another user");
}

TEST(RuntimeDir, TheSessionsOwnFolderHasNoFallbackAndTheUserIsToldWhy) {
    RuntimeDirScope scope;
    ASSERT_FALSE(platform::runtimeDirProblem().has_value());

    const fs::path taken = scope.path() / "melodeck";
    fs::remove(taken);
    testkit::writeBytes(taken, {'x'});

    EXPECT_FALSE(platform::runtimeDir().has_value());
    EXPECT_EQ(platform::runtimeDirProblem(), "No private folder for melodeck's session files: " +
                                                 taken.string() + " is not a folder.");
}

} // namespace
