// The settings file "Tessora.ini" and the options menu, in a temporary folder of their own.

#include "core/state.h"
#include "display/draw.h"
#include "control/options.h"
#include "settings/settings.h"
#include "sound/dslib.h"
#include "sound/effects.h"
#include "support/fake_platform.h"
#include "tools/temp_dir.h"
#include "support/wave.h"
#include "support/names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <tuple>
#include <vector>

namespace {

// The words of the file in Shift_JIS, spelled out byte by byte.
const std::string HAIKEI = "\x94\x77\x8c\x69\x89\xe6";        // 背景画
const std::string SIDOU = "\x88\xda\x93\xae\x8e\x77\x93\xb1"; // 移動指導
const std::string KEIKA = "\x8c\x6f\x89\xdf\x8e\x9e\x8a\xd4"; // 経過時間
const std::string TAKE = "\x92\x7c";                          // 竹
const std::string MIDORI = "\x97\xce";                        // 緑
const std::string TATAMI = "\x8f\xf4";                        // 畳
const std::string UCHU = "\x89\x46\x92\x88";                  // 宇宙
const std::string RENGA = "\x97\xf9\x8a\xa2";                 // 煉瓦

const std::string READER_DEFAULTS =
    HAIKEI + "=" + TAKE + "\r\n" + SIDOU + "=OFF\r\n" + KEIKA + "=ON\r\nBGM=OFF\r\n";
const std::string WRITER_DEFAULTS =
    HAIKEI + "=" + MIDORI + "\r\n" + SIDOU + "=OFF\r\n" + KEIKA + "=ON\r\nBGM=ON\r\n";

const MenuItem BACKGROUND_ITEMS[] = {MenuItem::MIDORI, MenuItem::TATAMI, MenuItem::TAKE, MenuItem::UCHU,
                                     MenuItem::RENGA};

std::vector<std::string> g_heard;
void listen(const char* action, int) {
    g_heard.push_back(action);
}

class Settings : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        set_platform(&fake);
        HAIKEI_NO = HAIKEI_TATAMI_NO;
        SIDOU_FLAG = OFF;
        SIDOU_IRO = 2;
        WAKU_IRO = 0;
        g_heard.clear();
        dsSetListener(listen);
    }
    void TearDown() override {
        free_sound_effects();
        dsSetListener(nullptr);
        set_platform(nullptr);
    }
    // The sound library running with the music loaded, as after start-up.
    void start_music() {
        dir.write("BGM.wav", as_string(make_wave()));
        初期化_サウンド(0);
        OTO_BGM = 読込_効果音("BGM.wav", 1);
        ASSERT_GT(OTO_BGM, 0);
    }
    // The background items that carry a check mark.
    std::vector<MenuItem> backgrounds_checked() {
        std::vector<MenuItem> on;
        for (MenuItem m : BACKGROUND_ITEMS)
            if (fake.checked(m)) on.push_back(m);
        return on;
    }
    bool stamped(Pic p) const {
        return std::any_of(fake.stamps.begin(), fake.stamps.end(), [p](const auto& s) { return s.pic == p; });
    }
    // No check mark, as in a window just made.
    void clear_checks() {
        fake.checks.clear();
        TAIKYOKU.settei.KEIKA_HYOUJI = TAIKYOKU.settei.BGM_ENSOU = OFF;
    }
    void check(MenuItem m, bool on) {
        if (m == MenuItem::KEIKA) {
            set_clock_option(TAIKYOKU.settei, fake, on);
        } else if (m == MenuItem::BGM) {
            set_music_option(TAIKYOKU.settei, fake, on);
        } else {
            fake.set_checked(m, on);
        }
    }
    std::string ini() const { return dir.read("Tessora.ini"); }

    FakePlatform fake;
    TempDir dir;
};

// An empty file, as a write cut short once left it, counts as no file at all.
TEST_F(Settings, FirstStartWithoutAFileOrWithAnEmptyOneMakesItWithBambooGuidanceOffClockOnAndNoMusic) {
    start_music();
    for (bool empty : {false, true}) {
        SCOPED_TRACE(empty ? "empty file" : "no file");
        std::filesystem::remove(dir.path() / "Tessora.ini");
        if (empty) dir.write("Tessora.ini", "");
        fake.forget();
        clear_checks();
        HAIKEI_NO = HAIKEI_TATAMI_NO;
        読込_環境設定ファイル(TAIKYOKU.settei, paint_background_setting);
        EXPECT_EQ(ini(), READER_DEFAULTS);
        EXPECT_EQ(backgrounds_checked(), std::vector<MenuItem>{MenuItem::TAKE});
        EXPECT_EQ(HAIKEI_NO, HAIKEI_TAKE_NO);
        EXPECT_TRUE(stamped(Pic::HAIKEI_TAKE));
        EXPECT_FALSE(fake.checked(MenuItem::SIDOU));
        EXPECT_TRUE(fake.checked(MenuItem::KEIKA));
        EXPECT_FALSE(fake.checked(MenuItem::BGM));
        EXPECT_TRUE(g_heard.empty());
        EXPECT_TRUE(fake.messages.empty());
    }
}

// A pipe or a device in the file's place is neither read nor written: the options stay as they are.
// A huge file is read no further than its start.
TEST_F(Settings, SpecialFilesAreNotReadAndNothingWaits) {
    const struct {
        const char* what;
        std::function<void(const std::filesystem::path&)> make;
        bool defaults; // the reader's defaults replace the file
    } rows[] = {
        {"pipe", [](const std::filesystem::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }, false},
        {"link to /dev/zero",
         [](const std::filesystem::path& p) { std::filesystem::create_symlink("/dev/zero", p); }, false},
        {"8 GiB of zero bytes",
         [](const std::filesystem::path& p) {
             std::ofstream(p, std::ios::binary) << "";
             std::filesystem::resize_file(p, std::uintmax_t{8} << 30);
         },
         true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        const std::filesystem::path ini_path = dir.path() / "Tessora.ini";
        std::filesystem::remove(ini_path);
        r.make(ini_path);
        const auto type = std::filesystem::symlink_status(ini_path).type();
        clear_checks();
        check(MenuItem::RENGA, true);
        check(MenuItem::BGM, true);
        読込_環境設定ファイル(TAIKYOKU.settei, paint_background_setting);
        書込_環境設定ファイル();
        if (r.defaults) {
            EXPECT_EQ(ini(), READER_DEFAULTS);
            EXPECT_EQ(backgrounds_checked(), std::vector<MenuItem>{MenuItem::TAKE});
        } else {
            EXPECT_EQ(std::filesystem::symlink_status(ini_path).type(), type);
            EXPECT_EQ(backgrounds_checked(), std::vector<MenuItem>{MenuItem::RENGA});
            EXPECT_TRUE(fake.checked(MenuItem::BGM));
        }
    }
    // The file that cannot be replaced is reported once, with its path; the huge file is replaced.
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_NE(fake.messages[0].find((dir.path() / "Tessora.ini").string()), std::string::npos);
}

TEST_F(Settings, ReadsEveryOptionFromAShiftJisFile) {
    start_music();
    const std::string file = HAIKEI + "=" + UCHU + "\r\n" + SIDOU + "=ON\r\n" + KEIKA + "=OFF\r\nBGM=ON\r\n";
    dir.write("Tessora.ini", file);
    読込_環境設定ファイル(TAIKYOKU.settei, paint_background_setting);
    EXPECT_EQ(backgrounds_checked(), std::vector<MenuItem>{MenuItem::UCHU});
    EXPECT_EQ(HAIKEI_NO, HAIKEI_UCHU_NO);
    EXPECT_TRUE(stamped(Pic::HAIKEI_UCHU));
    EXPECT_TRUE(fake.checked(MenuItem::SIDOU));
    EXPECT_EQ(SIDOU_FLAG, ON);
    EXPECT_EQ(SIDOU_IRO, 15);
    EXPECT_FALSE(fake.checked(MenuItem::KEIKA));
    EXPECT_TRUE(fake.checked(MenuItem::BGM));
    EXPECT_EQ(g_heard, std::vector<std::string>{"loop"});
    EXPECT_EQ(ini(), file); // reading leaves a good file alone
}

TEST_F(Settings, EachBackgroundWordReadsAsItsOwnPicture) {
    const std::tuple<std::string, int, MenuItem, Pic> cases[] = {
        {MIDORI, HAIKEI_MIDORI_NO, MenuItem::MIDORI, Pic::HAIKEI_MIDORI},
        {TATAMI, HAIKEI_TATAMI_NO, MenuItem::TATAMI, Pic::HAIKEI_TATAMI},
        {TAKE, HAIKEI_TAKE_NO, MenuItem::TAKE, Pic::HAIKEI_TAKE},
        {UCHU, HAIKEI_UCHU_NO, MenuItem::UCHU, Pic::HAIKEI_UCHU},
        {RENGA, HAIKEI_RENGA_NO, MenuItem::RENGA, Pic::HAIKEI_RENGA},
    };
    for (const auto& [word, no, item, pic] : cases) {
        fake.forget();
        HAIKEI_NO = 0;
        dir.write("Tessora.ini", HAIKEI + "=" + word + "\r\n");
        読込_環境設定ファイル(TAIKYOKU.settei, paint_background_setting);
        EXPECT_EQ(HAIKEI_NO, no);
        EXPECT_EQ(backgrounds_checked(), std::vector<MenuItem>{item});
        EXPECT_TRUE(stamped(pic));
    }
}

TEST_F(Settings, AnEmptyLineBringsBackTheReadersDefaultsWithoutUndoingEarlierLines) {
    start_music();
    dir.write("Tessora.ini",
              HAIKEI + "=" + UCHU + "\r\n" + SIDOU + "=ON\r\nBGM=ON\r\n\r\n" + KEIKA + "=OFF\r\n");
    読込_環境設定ファイル(TAIKYOKU.settei, paint_background_setting);
    EXPECT_EQ(ini(), READER_DEFAULTS);
    EXPECT_EQ(backgrounds_checked(), std::vector<MenuItem>{MenuItem::TAKE});
    EXPECT_EQ(HAIKEI_NO, HAIKEI_TAKE_NO);
    EXPECT_TRUE(fake.checked(MenuItem::KEIKA));
    EXPECT_FALSE(fake.checked(MenuItem::SIDOU));
    EXPECT_FALSE(fake.checked(MenuItem::BGM));
    // What the earlier lines did beyond the check marks stays: guidance colours and the music.
    EXPECT_EQ(SIDOU_FLAG, ON);
    EXPECT_EQ(SIDOU_IRO, 15);
    EXPECT_EQ(g_heard, std::vector<std::string>{"loop"});
}

TEST_F(Settings, ALineWithoutAnEqualsSignBringsBackTheReadersDefaults) {
    dir.write("Tessora.ini", HAIKEI + "=" + RENGA + "\r\nBGM ON\r\n");
    読込_環境設定ファイル(TAIKYOKU.settei, paint_background_setting);
    EXPECT_EQ(ini(), READER_DEFAULTS);
    EXPECT_EQ(backgrounds_checked(), std::vector<MenuItem>{MenuItem::TAKE});
}

TEST_F(Settings, ValuesAreComparedExactlySoLowerCaseOnIsOff) {
    start_music();
    check(MenuItem::RENGA, true);
    dir.write("Tessora.ini",
              HAIKEI + "=\x90\x58\r\n" + SIDOU + "=on\r\n" + KEIKA + "=On\r\nBGM=on\r\nFOO=ON\r\n");
    読込_環境設定ファイル(TAIKYOKU.settei, paint_background_setting);
    // An unknown background word (森) leaves the background as it was.
    EXPECT_EQ(HAIKEI_NO, HAIKEI_TATAMI_NO);
    EXPECT_EQ(backgrounds_checked(), std::vector<MenuItem>{MenuItem::RENGA});
    EXPECT_TRUE(fake.stamps.empty());
    EXPECT_FALSE(fake.checked(MenuItem::SIDOU));
    EXPECT_EQ(SIDOU_FLAG, OFF);
    EXPECT_EQ(SIDOU_IRO, 2);
    EXPECT_FALSE(fake.checked(MenuItem::KEIKA));
    EXPECT_FALSE(fake.checked(MenuItem::BGM));
    EXPECT_TRUE(g_heard.empty());
}

TEST_F(Settings, OfTwoBackgroundLinesTheLastWins) {
    dir.write("Tessora.ini", HAIKEI + "=" + TATAMI + "\r\n" + HAIKEI + "=" + RENGA + "\r\n");
    読込_環境設定ファイル(TAIKYOKU.settei, paint_background_setting);
    EXPECT_EQ(HAIKEI_NO, HAIKEI_RENGA_NO);
    EXPECT_EQ(backgrounds_checked(), std::vector<MenuItem>{MenuItem::RENGA});
}

TEST_F(Settings, LinesEndedByABareLineFeedAreReadToo) {
    dir.write("Tessora.ini", HAIKEI + "=" + UCHU + "\n" + SIDOU + "=ON\n" + KEIKA + "=ON\nBGM=OFF");
    読込_環境設定ファイル(TAIKYOKU.settei, paint_background_setting);
    EXPECT_EQ(HAIKEI_NO, HAIKEI_UCHU_NO);
    EXPECT_TRUE(fake.checked(MenuItem::SIDOU));
    EXPECT_TRUE(fake.checked(MenuItem::KEIKA));
}

TEST_F(Settings, ChoosingTheNetWritesMidoriAndRedraws) {
    check(MenuItem::TAKE, true);
    check(MenuItem::KEIKA, true);
    MIDORI_Click();
    EXPECT_EQ(ini(), HAIKEI + "=" + MIDORI + "\r\n" + SIDOU + "=OFF\r\n" + KEIKA + "=ON\r\nBGM=OFF\r\n");
    EXPECT_EQ(backgrounds_checked(), std::vector<MenuItem>{MenuItem::MIDORI});
    EXPECT_EQ(HAIKEI_NO, HAIKEI_MIDORI_NO);
    EXPECT_TRUE(stamped(Pic::HAIKEI_MIDORI));
}

TEST_F(Settings, EachBackgroundCommandChecksItsItemAndWritesItsWord) {
    const std::tuple<void (*)(), MenuItem, int, std::string> cases[] = {
        {TATAMI_Click, MenuItem::TATAMI, HAIKEI_TATAMI_NO, TATAMI},
        {TAKE_Click, MenuItem::TAKE, HAIKEI_TAKE_NO, TAKE},
        {UCHU_Click, MenuItem::UCHU, HAIKEI_UCHU_NO, UCHU},
        {RENGA_Click, MenuItem::RENGA, HAIKEI_RENGA_NO, RENGA},
        {MIDORI_Click, MenuItem::MIDORI, HAIKEI_MIDORI_NO, MIDORI},
    };
    for (const auto& [click, item, no, word] : cases) {
        click();
        EXPECT_EQ(backgrounds_checked(), std::vector<MenuItem>{item});
        EXPECT_EQ(HAIKEI_NO, no);
        EXPECT_EQ(ini().substr(0, HAIKEI.size() + 1 + word.size() + 2), HAIKEI + "=" + word + "\r\n");
    }
}

TEST_F(Settings, ClickingTheBackgroundInUseRewritesTheFileAndRedraws) {
    check(MenuItem::TAKE, true);
    HAIKEI_NO = HAIKEI_TAKE_NO;
    TAKE_Click();
    EXPECT_EQ(ini().substr(0, HAIKEI.size() + 5), HAIKEI + "=" + TAKE + "\r\n");
    EXPECT_TRUE(stamped(Pic::HAIKEI_TAKE));
}

TEST_F(Settings, TheWriterTakesTheFirstCheckedBackgroundInItsOwnOrderAndLeavesTheLineOutWhenNone) {
    書込_環境設定ファイル();
    EXPECT_EQ(ini(), SIDOU + "=OFF\r\n" + KEIKA + "=OFF\r\nBGM=OFF\r\n");
    check(MenuItem::TATAMI, true);
    check(MenuItem::TAKE, true); // two checked at once: 竹 comes before 畳 in the writer's order
    check(MenuItem::SIDOU, true);
    check(MenuItem::BGM, true);
    書込_環境設定ファイル();
    EXPECT_EQ(ini(), HAIKEI + "=" + TAKE + "\r\n" + SIDOU + "=ON\r\n" + KEIKA + "=OFF\r\nBGM=ON\r\n");
}

TEST_F(Settings, WhatIsWrittenReadsBackToTheSameCheckMarks) {
    check(MenuItem::RENGA, true);
    check(MenuItem::SIDOU, true);
    書込_環境設定ファイル();
    FakePlatform fresh;
    set_platform(&fresh);
    読込_環境設定ファイル(TAIKYOKU.settei, paint_background_setting);
    EXPECT_TRUE(fresh.checked(MenuItem::RENGA));
    EXPECT_TRUE(fresh.checked(MenuItem::SIDOU));
    EXPECT_FALSE(fresh.checked(MenuItem::KEIKA));
    EXPECT_FALSE(fresh.checked(MenuItem::BGM));
    set_platform(&fake);
}

// Writes fail past `bytes` bytes for as long as this lives.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lower = old_;
        lower.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_handler_);
    }

  private:
    rlimit old_{};
    void (*old_handler_)(int) = nullptr;
};

TEST_F(Settings, TheWritersFallbackWritesOtherDefaultsAndChangesOnlyTheCheckMarks) {
    start_music();
    check(MenuItem::UCHU, true);
    HAIKEI_NO = HAIKEI_UCHU_NO;
    {
        // The settings of this state take 50 bytes, the writer's defaults 46: only the first write fails.
        FileSizeLimit limit(48);
        書込_環境設定ファイル();
    }
    EXPECT_EQ(ini(), WRITER_DEFAULTS);
    EXPECT_EQ(backgrounds_checked(), std::vector<MenuItem>{MenuItem::MIDORI});
    EXPECT_FALSE(fake.checked(MenuItem::SIDOU));
    EXPECT_TRUE(fake.checked(MenuItem::KEIKA));
    EXPECT_TRUE(fake.checked(MenuItem::BGM));
    EXPECT_EQ(HAIKEI_NO, HAIKEI_UCHU_NO);
    EXPECT_TRUE(fake.stamps.empty());
    EXPECT_TRUE(g_heard.empty()); // the music is not started
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(Settings, WhenNoFileCanBeMadeTheCheckMarksStayAndThePlayerIsToldOnceWithThePath) {
    書込_環境設定ファイル(); // a file that could be written: nothing told before
    std::filesystem::remove(dir.path() / "Tessora.ini");
    std::filesystem::create_directory(dir.path() / "Tessora.ini"); // neither readable nor writable as a file
    check(MenuItem::RENGA, true);
    check(MenuItem::SIDOU, true);
    HAIKEI_NO = HAIKEI_RENGA_NO;
    読込_環境設定ファイル(TAIKYOKU.settei, paint_background_setting);
    書込_環境設定ファイル();
    BGM_Click();
    EXPECT_EQ(backgrounds_checked(), std::vector<MenuItem>{MenuItem::RENGA});
    EXPECT_TRUE(fake.checked(MenuItem::SIDOU));
    EXPECT_FALSE(fake.checked(MenuItem::KEIKA));
    EXPECT_TRUE(fake.checked(MenuItem::BGM)); // the click itself still counts
    EXPECT_EQ(HAIKEI_NO, HAIKEI_RENGA_NO);
    ASSERT_EQ(fake.messages.size(), 1u); // three failed writes, one warning
    EXPECT_NE(fake.messages[0].find((dir.path() / "Tessora.ini").string()), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "Tessora.ini"));
    // Once the file can be written again, a later failure is told again.
    std::filesystem::remove(dir.path() / "Tessora.ini");
    書込_環境設定ファイル();
    std::filesystem::remove(dir.path() / "Tessora.ini");
    std::filesystem::create_directory(dir.path() / "Tessora.ini");
    書込_環境設定ファイル();
    EXPECT_EQ(fake.messages.size(), 2u);
}

TEST_F(Settings, SwitchingGuidanceOffErasesEveryGuidanceOutlineOnTheBoardAndBesideIt) {
    check(MenuItem::SIDOU, true);
    SIDOU_FLAG = ON;
    SIDOU_IRO = 15;
    SIDOU_Click();
    std::set<std::pair<double, double>> cells;
    for (const auto& o : fake.outlines) {
        EXPECT_EQ(o.colour, WAKU_IRO);
        EXPECT_DOUBLE_EQ(o.x2 - o.x1, 570);
        EXPECT_DOUBLE_EQ(o.y2 - o.y1, 660);
        cells.insert({o.x1, o.y1});
    }
    std::set<std::pair<double, double>> expected;
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) expected.insert({cell_x(x), cell_y(y)});
    for (int y = 1; y <= 7; ++y) expected.insert({cell_x(-1), cell_y(y)});
    for (int y = 3; y <= 9; ++y) expected.insert({cell_x(13), cell_y(y)});
    EXPECT_EQ(cells, expected);
    EXPECT_FALSE(fake.checked(MenuItem::SIDOU));
    EXPECT_EQ(SIDOU_FLAG, OFF);
    EXPECT_EQ(SIDOU_IRO, WAKU_IRO);
    EXPECT_EQ(ini(), SIDOU + "=OFF\r\n" + KEIKA + "=OFF\r\nBGM=OFF\r\n");
}

TEST_F(Settings, SwitchingGuidanceOnSetsItsColourAndWritesTheFile) {
    SIDOU_Click();
    EXPECT_TRUE(fake.checked(MenuItem::SIDOU));
    EXPECT_EQ(SIDOU_FLAG, ON);
    EXPECT_EQ(SIDOU_IRO, 15);
    EXPECT_TRUE(fake.outlines.empty());
    EXPECT_EQ(ini(), SIDOU + "=ON\r\n" + KEIKA + "=OFF\r\nBGM=OFF\r\n");
}

TEST_F(Settings, TogglingMusicTwiceLoopsStopsAndWritesTheFileEachTime) {
    start_music();
    BGM_Click();
    EXPECT_TRUE(fake.checked(MenuItem::BGM));
    EXPECT_EQ(ini(), SIDOU + "=OFF\r\n" + KEIKA + "=OFF\r\nBGM=ON\r\n");
    BGM_Click();
    EXPECT_FALSE(fake.checked(MenuItem::BGM));
    EXPECT_EQ(ini(), SIDOU + "=OFF\r\n" + KEIKA + "=OFF\r\nBGM=OFF\r\n");
    EXPECT_EQ(g_heard, (std::vector<std::string>{"loop", "stop"}));
}

TEST_F(Settings, WithoutTheMusicFileTheItemStillTogglesAndTheFileFollows) {
    初期化_サウンド(0); // no BGM.wav in the folder: its buffer stays 0
    OTO_BGM = 読込_効果音("BGM.wav", 1);
    BGM_Click();
    EXPECT_TRUE(fake.checked(MenuItem::BGM));
    EXPECT_NE(ini().find("BGM=ON\r\n"), std::string::npos);
    BGM_Click();
    EXPECT_FALSE(fake.checked(MenuItem::BGM));
    EXPECT_NE(ini().find("BGM=OFF\r\n"), std::string::npos);
    EXPECT_TRUE(g_heard.empty());
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(Settings, OpeningTheOptionsMenuHidesTheFilePanel) {
    fake.show_lists(true, true, true);
    fake.show_io(true);
    OPTION_Click();
    EXPECT_FALSE(fake.lists[0] || fake.lists[1] || fake.lists[2]);
    EXPECT_FALSE(fake.io_visible);
}

TEST_F(Settings, CheckingABackgroundNumberLeavesOnlyItsItemChecked) {
    for (MenuItem m : BACKGROUND_ITEMS) check(m, true);
    チェック設定(HAIKEI_UCHU_NO);
    EXPECT_EQ(backgrounds_checked(), std::vector<MenuItem>{MenuItem::UCHU});
    チェック設定(7);
    EXPECT_TRUE(backgrounds_checked().empty());
}

} // namespace
