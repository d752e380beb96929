// The help page and the version dialog, with a recording browser.

#include "core/state.h"
#include "help/help.h"
#include "platform/translate.h"
#include "sound/dslib.h"
#include "sound/effects.h"
#include "support/fake_platform.h"
#include "tools/temp_dir.h"
#include "support/wave.h"
#include "support/names.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_events;
void listen(const char* action, int buffer) {
    g_events.push_back(std::string("sound ") + action + (buffer == OTO_SONOTA ? " SONOTA" : " other"));
}

// Records the file panel and the dialog in one list with the sounds, so their order shows.
class HelpPlatform : public FakePlatform {
  public:
    void show_lists(bool d, bool f, bool l) override {
        FakePlatform::show_lists(d, f, l);
        g_events.push_back(d || f || l ? "lists shown" : "lists hidden");
    }
    void show_io(bool v) override {
        FakePlatform::show_io(v);
        g_events.push_back(v ? "io shown" : "io hidden");
    }
    bool version_dialog() override {
        g_events.push_back("dialog");
        return FakePlatform::version_dialog();
    }
};

class Help : public ::testing::Test {
  protected:
    void SetUp() override {
        set_platform(&fake);
        g_events.clear();
        KIDOU_DIR = start.path().string();
        start.write("Tessora.htm", "<!DOCTYPE html><title>Tessora</title>");
        std::filesystem::current_path(elsewhere.path()); // the file panel may have moved it since
        TEBAN = 1;
        TESUU = 7;
        BAN[6][10] = SITA_OU;
    }
    void TearDown() override {
        free_sound_effects();
        dsSetListener(nullptr);
        set_platform(nullptr);
    }
    std::string page() const { return KIDOU_DIR + "/Tessora.htm"; }
    void expect_game_untouched() {
        EXPECT_EQ(TEBAN, 1);
        EXPECT_EQ(TESUU, 7);
        EXPECT_EQ(BAN[6][10], SITA_OU);
    }

    HelpPlatform fake;
    TempDir start;
    TempDir elsewhere;
};

TEST_F(Help, ExplanationOpensThePageInTheFolderCurrentAtStartUp) {
    KAISETU_Click(TAIKYOKU.settei);
    EXPECT_EQ(fake.browsed, std::vector<std::string>{page()});
    EXPECT_TRUE(fake.messages.empty());
    expect_game_untouched();
}

// In English the English page opens, beside the Japanese one.
TEST_F(Help, ExplanationOpensThePageInTheLanguageInUse) {
    start.write("Tessora_en.htm", "<!DOCTYPE html><title>Tessora</title>");
    set_language_in_use(Language::English);
    KAISETU_Click(TAIKYOKU.settei);
    set_language_in_use(Language::Japanese);
    EXPECT_EQ(fake.browsed, std::vector<std::string>{KIDOU_DIR + "/Tessora_en.htm"});
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(Help, AMissingPageIsToldAndNoBrowserOpened) {
    std::filesystem::remove(start.path() / "Tessora.htm");
    elsewhere.write("Tessora.htm", "not this one");
    KAISETU_Click(TAIKYOKU.settei);
    EXPECT_TRUE(fake.browsed.empty());
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].rfind("解説 | ", 0), 0u);
    EXPECT_NE(fake.messages[0].find("Tessora.htm"), std::string::npos);
    expect_game_untouched();
}

TEST_F(Help, ABrowserThatWillNotStartIsTold) {
    fake.browser_works = false;
    KAISETU_Click(TAIKYOKU.settei);
    EXPECT_EQ(fake.browsed, std::vector<std::string>{page()});
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].rfind("解説 | ", 0), 0u);
    EXPECT_NE(fake.messages[0].find("ブラウザ"), std::string::npos);
    EXPECT_NE(fake.messages[0].find(page()), std::string::npos); // where the player finds the page
    expect_game_untouched();
}

TEST_F(Help, VersionHidesTheFilePanelThenChimesThenShowsTheDialog) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    elsewhere.write("その他.wav", as_string(make_wave()));
    初期化_サウンド(0);
    OTO_SONOTA = 読込_効果音("その他.wav", 3);
    ASSERT_GT(OTO_SONOTA, 0);
    dsSetListener(listen);
    fake.lists[0] = fake.lists[1] = fake.lists[2] = true;
    fake.io_visible = true;

    VER_Click(TAIKYOKU.settei);
    EXPECT_EQ(g_events,
              (std::vector<std::string>{"lists hidden", "io hidden", "sound play SONOTA", "dialog"}));
    EXPECT_FALSE(fake.lists[0] || fake.lists[1] || fake.lists[2] || fake.io_visible);
    EXPECT_TRUE(fake.browsed.empty()); // closed with O K
    EXPECT_TRUE(fake.messages.empty());
    expect_game_untouched();
}

TEST_F(Help, TheHomePageButtonOpensTheHelpPage) {
    fake.home_page_pressed = true;
    VER_Click(TAIKYOKU.settei);
    EXPECT_EQ(fake.browsed, std::vector<std::string>{page()});
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(Help, TheHomePageButtonWithoutAHelpPageIsTold) {
    std::filesystem::remove(start.path() / "Tessora.htm");
    fake.home_page_pressed = true;
    VER_Click(TAIKYOKU.settei);
    EXPECT_TRUE(fake.browsed.empty());
    EXPECT_EQ(fake.messages.size(), 1u);
    expect_game_untouched();
}

} // namespace
