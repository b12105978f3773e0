#include "settings/ConfigFile.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using settings::LoadedConfig;

struct ParseCase {
    const char* name;
    std::string content;
    std::optional<std::int16_t> hotKey;
    std::int16_t autoTray;
    friend void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }
};

class ParseConfigTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseConfigTest, ReadsBothLines) {
    const ParseCase& c = GetParam();
    const LoadedConfig config = settings::ParseConfig(c.content);
    EXPECT_EQ(config.hotKey, c.hotKey);
    EXPECT_EQ(config.autoTray, c.autoTray);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseConfigTest,
    testing::Values(
        ParseCase{"AsWritten", " 65 \r\n 1 \r\n", 65, 1}, ParseCase{"Bare", "65\r\n1\r\n", 65, 1},
        ParseCase{"SingleLine", "65", 65, 0}, ParseCase{"SingleLineWithEnd", "65\r\n", 65, 0},
        ParseCase{"EmptyFile", "", 119, 0}, ParseCase{"FirstLineEmpty", "\r\n1\r\n", 119, 1},
        ParseCase{"FirstLineBlank", " \r\n0\r\n", 0, 0}, ParseCase{"Letters", "abc\r\n1\r\n", 0, 1},
        ParseCase{"TooLarge", "70000\r\n1\r\n", std::nullopt, 1},
        ParseCase{"Fraction", "65.9\r\n0\r\n", 65, 0}, ParseCase{"Negative", "-3\r\n0\r\n", -3, 0},
        ParseCase{"Hex", "&H41\r\n0\r\n", 65, 0}, ParseCase{"FlagTwo", "65\r\n2\r\n", 65, 0},
        ParseCase{"FlagMinusOne", "65\r\n-1\r\n", 65, 0},
        ParseCase{"FlagOneAndAHalf", "65\r\n1.5\r\n", 65, 1},
        ParseCase{"FlagTooLarge", "65\r\n70000\r\n", 65, 0}, ParseCase{"CrOnly", "65\r1\r", 65, 1},
        ParseCase{"LfOnlyIsOneLine", "119\n1\n", 1191, 0},
        ParseCase{"ThirdLineIgnored", "65\r\n1\r\n99\r\n", 65, 1},
        ParseCase{"Binary", std::string("\0\x01\xff\r\n\x80", 6), 0, 0}),
    [](const testing::TestParamInfo<ParseCase>& info) { return info.param.name; });

TEST(FormatConfig, SignPositionAndSecondLine) {
    EXPECT_EQ(settings::FormatConfig(119, true), " 119 \r\n 1 \r\n");  // twelve bytes
    EXPECT_EQ(settings::FormatConfig(65, false), " 65 \r\n 0 \r\n");
    EXPECT_EQ(settings::FormatConfig(-3, false), "-3 \r\n 0 \r\n");
    EXPECT_EQ(settings::FormatConfig(0, true), " 0 \r\n 1 \r\n");
}

TEST(FormatConfig, ReadsBackAsWritten) {
    for (std::int16_t key : {std::int16_t{-32768}, std::int16_t{-1}, std::int16_t{0},
                             std::int16_t{16}, std::int16_t{119}, std::int16_t{32767}}) {
        for (bool startInTray : {false, true}) {
            const LoadedConfig back =
                settings::ParseConfig(settings::FormatConfig(key, startInTray));
            EXPECT_EQ(back.hotKey, key);
            EXPECT_EQ(back.autoTray, startInTray ? 1 : 0);
        }
    }
}

// The file in a folder of the test's own, through tests/fakes/Files_posix.cpp,
// which writes beside the file and renames over it as Files_win.cpp does.
// These prove what the settings code makes of a store that replaces whole or
// fails half-way (the old settings stay; a lost change is told from none),
// not that the shipped store does so on Windows: the settings_* end-to-end
// scenarios do.
class ConfigFolder {
  public:
    ConfigFolder() {
        std::string name = (std::filesystem::temp_directory_path() / "orvane-XXXXXX").string();
        folder_ = ::mkdtemp(name.data());
    }
    ~ConfigFolder() { std::filesystem::remove_all(folder_); }
    ConfigFolder(const ConfigFolder&) = delete;
    ConfigFolder& operator=(const ConfigFolder&) = delete;

    std::string Path() const { return (folder_ / "TopConfig.ini").string(); }
    std::filesystem::path Folder() const { return folder_; }
    void Write(const std::string& bytes) const { std::ofstream(Path(), std::ios::binary) << bytes; }
    std::string Read() const {
        std::ostringstream bytes;
        bytes << std::ifstream(Path(), std::ios::binary).rdbuf();
        return bytes.str();
    }

  private:
    std::filesystem::path folder_;
};

class ConfigStoreTest : public testing::Test {
  protected:
    ConfigFolder files;
};

TEST_F(ConfigStoreTest, MissingFileLoadsNothing) {
    EXPECT_FALSE(settings::LoadConfig(files.Path()).has_value());
}

TEST_F(ConfigStoreTest, AFolderAtThePathCountsAsMissing) {
    std::filesystem::create_directory(files.Path());
    EXPECT_FALSE(settings::LoadConfig(files.Path()).has_value());
    // And a save there fails, leaving the folder alone.
    EXPECT_EQ(settings::SaveConfigFile(files.Path(), 65, true), settings::SaveResult::ChangeLost);
    EXPECT_TRUE(std::filesystem::is_directory(files.Path()));
}

TEST_F(ConfigStoreTest, SaveThenLoadRoundTrips) {
    EXPECT_EQ(settings::SaveConfigFile(files.Path(), 65, true), settings::SaveResult::Written);
    EXPECT_EQ(files.Read(), " 65 \r\n 1 \r\n");
    EXPECT_EQ(settings::LoadConfig(files.Path()),
              (settings::StartSettings{.hotKey = 65, .autoTray = 1}));
}

TEST_F(ConfigStoreTest, SaveReplacesTheWholeFile) {
    files.Write(std::string(5000, 'x'));
    EXPECT_EQ(settings::SaveConfigFile(files.Path(), 119, false), settings::SaveResult::Written);
    EXPECT_EQ(files.Read(), " 119 \r\n 0 \r\n");
    // Nothing is left beside it.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(files.Folder())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

// Lets no file grow past a few bytes for as long as it lives, so that a
// write fails half-way, as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, old_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit old_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(ConfigStoreTest, ASaveThatFailsHalfWayKeepsTheOldSettings) {
    files.Write(" 65 \r\n 1 \r\n");
    {
        FileSizeLimit limit(5);
        EXPECT_EQ(settings::SaveConfigFile(files.Path(), 119, false),
                  settings::SaveResult::ChangeLost);
    }
    EXPECT_EQ(files.Read(), " 65 \r\n 1 \r\n");
    // and the next save works
    EXPECT_EQ(settings::SaveConfigFile(files.Path(), 119, false), settings::SaveResult::Written);
    EXPECT_EQ(files.Read(), " 119 \r\n 0 \r\n");
}

// A save that can't write loses a change only when the next start would read
// other settings from the file as it stands.
struct FailedSaveCase {
    const char* name;
    std::optional<std::string> before;  // none: no file
    std::int16_t hotKey;
    bool startInTray;
    settings::SaveResult result;
    friend void PrintTo(const FailedSaveCase& c, std::ostream* os) { *os << c.name; }
};

class FailedSaveTest : public testing::TestWithParam<FailedSaveCase> {};

TEST_P(FailedSaveTest, LosesAChangeOnlyWhenTheFileSaysOtherwise) {
    const FailedSaveCase& c = GetParam();
    const ConfigFolder files;
    if (c.before) {
        files.Write(*c.before);
    }
    const FileSizeLimit limit(5);
    EXPECT_EQ(settings::SaveConfigFile(files.Path(), c.hotKey, c.startInTray), c.result);
}

using settings::SaveResult;
INSTANTIATE_TEST_SUITE_P(
    Table, FailedSaveTest,
    testing::Values(
        FailedSaveCase{"SameBytes", " 65 \r\n 1 \r\n", 65, true, SaveResult::NothingLost},
        FailedSaveCase{"SameValuesOtherSpelling", "65\r\n1\r\n", 65, true, SaveResult::NothingLost},
        FailedSaveCase{"NoFileAndTheDefaults", std::nullopt, 119, false, SaveResult::NothingLost},
        FailedSaveCase{"TooLargeReadsAsZero", "70000\r\n0\r\n", 0, false, SaveResult::NothingLost},
        FailedSaveCase{"NoFileAndAnotherKey", std::nullopt, 65, false, SaveResult::ChangeLost},
        FailedSaveCase{"KeyChanged", " 65 \r\n 1 \r\n", 66, true, SaveResult::ChangeLost},
        FailedSaveCase{"BoxChanged", " 65 \r\n 1 \r\n", 65, false, SaveResult::ChangeLost}),
    [](const testing::TestParamInfo<FailedSaveCase>& info) { return info.param.name; });

// A huge file costs nothing at start-up: it is read no further than two
// lines need.  Blanks inside a number are passed over, so a digit beyond
// that point would change the key, were it read.
TEST_F(ConfigStoreTest, HugeFileIsReadOnlyAsFarAsNeeded) {
    std::string huge = "6" + std::string(settings::kMaxConfigBytes, ' ') + "6\r\n1\r\n";
    huge += std::string(20 * 1024 * 1024, '\x7f');
    files.Write(huge);
    EXPECT_EQ(settings::LoadConfig(files.Path()),
              (settings::StartSettings{.hotKey = 6, .autoTray = 0}));
}

}  // namespace
