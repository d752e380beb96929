// The record-file panel's logic: showing and hiding, the header position, volumes that are not ready.
#include "control/record_commands.h"
#include "display/panel.h"
#include "support/fake_platform.h"
#include "tools/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

class Panel : public ::testing::Test {
  protected:
    void SetUp() override { set_platform(&fp); }
    void TearDown() override { set_platform(nullptr); }
    FakePlatform fp;
};

TEST_F(Panel, HeaderTextsMoveRightAsTheyGetShorter) {
    EXPECT_DOUBLE_EQ(取得_棋譜のX座標("1234567890123"), 2760);
    EXPECT_DOUBLE_EQ(取得_棋譜のX座標("abc"), 3900);
    EXPECT_DOUBLE_EQ(取得_棋譜のX座標("12345678901234567890123"), 1620);
    EXPECT_DOUBLE_EQ(取得_棋譜のX座標("先手名"), 3900); // characters, not bytes
}

TEST_F(Panel, ReadingFaceEmptiesTheNameBoxes) {
    fp.set_text(TextBox::Text2, "対局");
    描画_棋譜_IO(0);
    EXPECT_TRUE(fp.io_visible);
    EXPECT_EQ(fp.boxes[2], "対局"); // showing keeps what was typed
    KIFU_READ_Click();
    EXPECT_FALSE(fp.io_visible);
    EXPECT_EQ(fp.boxes[2], "");
    EXPECT_TRUE(fp.lists[0] && fp.lists[1] && fp.lists[2]);
}

TEST_F(Panel, AVolumeThatCannotBeReadKeepsTheFolder) {
    TempDir dir;
    fp.current_folder = dir.path().string();
    Drive1_Change("/no/such/volume");
    ASSERT_EQ(fp.messages.size(), 1u);
    EXPECT_EQ(fp.messages[0], "ｴﾗｰ | ﾃﾞﾊﾞｲｽが準備できていません");
    EXPECT_EQ(fp.current_folder, dir.path().string());
    Drive1_Change("/"); // the root volume holds the current folder: stay there
    EXPECT_EQ(fp.current_folder, dir.path().string());
    std::filesystem::create_directory(dir.path() / "mnt");
    Drive1_Change((dir.path() / "mnt").string()); // another volume: its top
    EXPECT_EQ(fp.current_folder, (dir.path() / "mnt").string());
    EXPECT_EQ(fp.messages.size(), 1u);
}

} // namespace
