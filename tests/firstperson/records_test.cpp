#include "firstperson/records.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "app/settings.h"
#include "platform/user_files.h"

// Settings and records kept in real files of a temporary home, as the programs keep them.

namespace {

namespace fs = std::filesystem;
using FirstPerson::keepRound;
using FirstPerson::Round;

class TemporaryHome : public ::testing::Test {
  protected:
    void SetUp() override {
        home_ = fs::temp_directory_path() / ("studio3d-home-" + std::to_string(std::random_device()()));
        fs::remove_all(home_);
        fs::create_directories(home_);
#ifdef _WIN32
        _putenv_s("APPDATA", home_.string().c_str());
        configFolder_ = dataFolder_ = home_ / "studio3d";
#else
        ::setenv("HOME", home_.c_str(), 1);
        ::unsetenv("XDG_CONFIG_HOME");
        ::setenv("XDG_DATA_HOME", (home_ / "data").c_str(), 1);
        configFolder_ = home_ / ".config/studio3d";
        dataFolder_ = home_ / "data/studio3d";
#endif
    }
    void TearDown() override {
        fs::remove_all(home_);
    }

    static void put(const fs::path& path, const std::string& text) {
        fs::create_directories(path.parent_path());
        std::ofstream(path) << text;
    }

    fs::path home_;
    fs::path configFolder_;
    fs::path dataFolder_;
};

TEST_F(TemporaryHome, SettingsAreWrittenReadBackAndAWrongValueFallsBackNamingFileLineAndKey) {
    const platform::UserFiles config(platform::UserShelf::Config);
    const fs::path file = configFolder_ / "settings.toml";
    EXPECT_EQ(config.where("settings.toml"), file.string());

    // No file: the defaults, and nothing said.
    std::ostringstream errors;
    EXPECT_EQ(loadSettings(config, errors), Settings{});
    EXPECT_EQ(errors.str(), "");

    const Settings chosen{.mouseSensitivity = 1.5,
                          .invertLook = true,
                          .volume = 0.25,
                          .fullScreen = true,
                          .roundMinutes = 0.5,
                          .pacing = Pacing::Display};
    ASSERT_TRUE(saveSettings(config, chosen));
    EXPECT_EQ(loadSettings(config, errors), chosen);
    EXPECT_EQ(errors.str(), "");
    // Nothing is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()), 1);

    // Out of range, of the wrong type, unknown: those fall back alone, one line each; the file stays.
    const std::string wrong =
        "volume = 0.5\nmouse_sensitivity = 40\ninvert_look = \"yes\"\npacing = \"fast\"\n";
    put(file, wrong);
    errors.str("");
    const Settings read = loadSettings(config, errors);
    EXPECT_EQ(read.volume, 0.5);
    EXPECT_EQ(read.mouseSensitivity, 1.0);
    EXPECT_FALSE(read.invertLook);
    EXPECT_EQ(read.pacing, Pacing::Pause);
    const std::string said = errors.str();
    EXPECT_NE(said.find(file.string() + ":2: mouse_sensitivity"), std::string::npos) << said;
    EXPECT_NE(said.find(file.string() + ":3: invert_look"), std::string::npos) << said;
    EXPECT_NE(said.find(file.string() + ":4: pacing"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 3);

    // A file that does not parse: every default, its line named, the file untouched.
    put(file, "volume = 0.5\nround_minutes = = 2\n");
    errors.str("");
    EXPECT_EQ(loadSettings(config, errors), Settings{});
    EXPECT_EQ(errors.str().rfind(file.string() + ":2: ", 0), 0u) << errors.str();
    std::ifstream kept(file);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "volume = 0.5\nround_minutes = = 2\n");
}

TEST_F(TemporaryHome, RecordsKeepTheTenBestRoundsSetADamagedFileAsideAndTakeTwoWritersAtOnce) {
    const platform::UserFiles data(platform::UserShelf::Data);
    const fs::path file = dataFolder_ / "records.toml";
    std::ostringstream errors;

    // A damaged file is set aside with a line on the error stream, and a new table begins with the round.
    put(file, "[[round]]\nscore = \"many\"\n");
    const FirstPerson::Standing first = keepRound(data, {12, 30, 0.25, 1765238400}, errors);
    EXPECT_EQ(first.place, 0u);
    ASSERT_EQ(first.table.rounds().size(), 1u);
    EXPECT_TRUE(fs::exists(file.string() + ".damaged"));
    const std::string said = errors.str();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find(file.string()), std::string::npos);

    // Two programs ending rounds at the same moments both get every round in.
    constexpr int RoundsEach = 4;
#ifdef _WIN32
    // As one program after the other here; the lock is the same.
    for (int w = 0; w < 2; ++w) {
        for (int r = 0; r < RoundsEach; ++r) {
            keepRound(data, {static_cast<std::uint32_t>(100 + 10 * w + r), 50, 1.0, 1765238400 + r}, errors);
        }
    }
#else
    pid_t writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w] = ::fork();
        ASSERT_GE(writers[w], 0);
        if (writers[w] == 0) {
            std::ostringstream ignored;
            for (int r = 0; r < RoundsEach; ++r) {
                const auto score = static_cast<std::uint32_t>(100 + 10 * w + r);
                keepRound(data, {score, 50, 1.0, 1765238400 + r}, ignored);
            }
            ::_exit(0);
        }
    }
    for (const pid_t writer : writers) {
        int status = 0;
        ::waitpid(writer, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
#endif
    std::optional<FirstPerson::RecordTable> stored = FirstPerson::parseRecords(*data.read("records.toml"));
    ASSERT_TRUE(stored);
    ASSERT_EQ(stored->rounds().size(), 1u + 2 * RoundsEach);
    EXPECT_EQ(stored->rounds().front().score, 113u);
    EXPECT_EQ(stored->rounds().back(), (Round{12, 30, 0.25, 1765238400}));

    // Only the ten best are kept; a round below them has no place, one among them is marked where it lands.
    errors.str("");
    EXPECT_EQ(keepRound(data, {20, 5, 0.1, 1765238500}, errors).place, 8u);
    EXPECT_EQ(keepRound(data, {1, 5, 0.1, 1765238500}, errors).place, std::nullopt);
    const FirstPerson::Standing last = keepRound(data, {105, 40, 0.5, 1765238600}, errors);
    EXPECT_EQ(last.place, 4u);
    EXPECT_EQ(last.table.rounds().size(), FirstPerson::RecordTable::Kept);
    EXPECT_EQ(errors.str(), "");
    const std::string lines = FirstPerson::recordLines(last.table, last.place);
    EXPECT_NE(lines.find("*  5.    105     40 shots    0.50 /s  2025-12-09 *"), std::string::npos) << lines;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '*'), 2);
}

}  // namespace
