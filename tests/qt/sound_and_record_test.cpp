// What the player hears at each moment, the record stepped through and resumed, help and version,
// all through the script driver.
#include "script_harness.h"

#include "platform/codec.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// With 効果音 off (SE) no effect plays, the music still does, and Tessora.ini keeps its four lines.
TEST(Sounds, EachEffectAtItsMomentUnlessTheEffectsAreOff) {
    const std::string actions = R"(menu START
click L 5 8
click L 5 7
# refused: a pawn cannot move two squares
click L 5 4
click L 5 6
click L 5 4
click L 5 5
click L 2 8
click L 2 7
menu REPLAY
menu REPLAY
menu AFTER
menu REPLAY
menu REPLAY
menu REPLAY
button KAITEN_L
menu VER
menu BGM
menu BGM
)";
    const std::vector<std::string> effects = {
        "sound play KOMA",   // a move
        "sound play KINSHI", // the refused move
        "sound play KOMA",   "sound play KOMA",
        "sound play KOMA",   // 戻
        "sound play KOMA",   // 戻
        "sound play KOMA",   // 進
        "sound play KOMA",   // 戻
        "sound play KOMA",   // 戻
        "sound play KINSHI", // 戻 at the start: refused
        "sound play SONOTA", // the version dialog (the empty ring turned first only tells the player)
        "sound loop BGM",    "sound stop BGM",
    };
    const std::vector<std::string> music = {"sound loop BGM", "sound stop BGM"};
    const struct {
        const char* name;
        std::string before;
        const std::vector<std::string>& heard;
    } rows[] = {{"効果音 on", "", effects},
                {"効果音 off", "menu SE\n", music},
                {"効果音 off and on again", "menu SE\nmenu SE\n", effects}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        const ScriptResult r = run_script(row.before + actions, dir);
        EXPECT_EQ(r.starting("sound"), row.heard);
        EXPECT_TRUE(r.has("msg 戻る | できません"));
        EXPECT_TRUE(r.has("msg  | まだコンベアにネタ（駒）が乗っていません"));
        EXPECT_TRUE(r.has("dialog バージョン情報 -> O K"));
        EXPECT_EQ(dir.read("Tessora.ini"), "\x94\x77\x8c\x69\x89\xe6=\x92\x7c\r\n"
                                           "\x88\xda\x93\xae\x8e\x77\x93\xb1=OFF\r\n"
                                           "\x8c\x6f\x89\xdf\x8e\x9e\x8a\xd4=ON\r\n"
                                           "BGM=OFF\r\n");
    }
}

TEST(Sounds, HandicapStepsClackAndAreRefusedAfterAMove) {
    TempDir dir;
    const ScriptResult r = run_script(
        "menu SENTE\nmenu LEBEL_DOWN\nmenu LBEL_UP\nclick L 5 8\nclick L 5 7\nmenu LBEL_UP\n", dir);
    const auto sounds = r.starting("sound");
    ASSERT_GE(sounds.size(), 3u);
    EXPECT_EQ(sounds[0], "sound play KOMA");
    EXPECT_EQ(sounds[1], "sound play KOMA");
    EXPECT_EQ(sounds.back(), "sound play KINSHI");
    EXPECT_TRUE(r.has("msg ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定 | 対局途中ではできません\\n\\n局面→最初にして下さい"));
}

TEST(Help, ExplanationAndVersionOpenTheHelpPage) {
    TempDir dir;
    const ScriptResult r = run_script("menu KAISETU\nanswer Yes\nmenu VER\nmenu VER\n", dir);
    const std::string page = "browse " + dir.path().string() + "/Tessora.htm";
    EXPECT_EQ(r.starting("browse"), (std::vector<std::string>{page, page}));
    EXPECT_TRUE(r.has("dialog バージョン情報 -> ホームページ"));
    EXPECT_TRUE(r.has("dialog バージョン情報 -> O K"));
}

TEST(ComputerMenu, GoteLetsTheComputerMoveFirst) {
    TempDir dir;
    const ScriptResult r = run_script("menu GOTE\ndump\n", dir);
    EXPECT_TRUE(r.starting("msg").empty());
    const auto d = r.starting("dump");
    ASSERT_EQ(d.size(), 1u);
    EXPECT_NE(d[0].find("TEBAN=-1 TESUU=1"), std::string::npos); // the human (-1) is to move
}

TEST(ComputerMenu, SenteOnTheComputersTurnMovesAtOnce) {
    TempDir dir;
    // A two-player game is switched to the computer while the upper player is to move.
    const ScriptResult r = run_script("menu START\nclick L 5 8\nclick L 5 7\nmenu SENTE\ndump\n", dir);
    EXPECT_EQ(r.starting("msg"), (std::vector<std::string>{"msg   | 先手の番です"}));
    EXPECT_NE(r.starting("dump").at(0).find("TEBAN=1 TESUU=2"), std::string::npos);
}

TEST(Record, ResumingAComputerGameFromASteppedBackPosition) {
    TempDir dir;
    const ScriptResult r = run_script(R"(menu SENTE
click L 5 8
click L 5 7
click L 2 8
click L 2 7
dump
menu REPLAY
menu REPLAY
dump
click L 7 8
click L 7 7
dump
menu REPLAY
menu AFTER
menu AFTER
)",
                                      dir);
    const auto d = r.starting("dump");
    ASSERT_EQ(d.size(), 3u);
    EXPECT_NE(d[0].find("TESUU=4"), std::string::npos);
    // Two steps back: the position after the first two moves, the human to move again.
    EXPECT_NE(d[1].find("TEBAN=1 TESUU=2"), std::string::npos);
    // The next click resumes ("MANの番です"), the human moves and the computer answers.
    const int resumed = r.find("msg 対局 | MANの番です");
    EXPECT_GT(resumed, 0);
    EXPECT_NE(d[2].find("TEBAN=1 TESUU=4"), std::string::npos);
    // The new moves replaced the old continuation: one step back and forward again, and no further.
    EXPECT_TRUE(r.has("msg 進む | できません"));
}

TEST(Record, WrittenGameReadsBackAndStepsToTheEnd) {
    TempDir dir;
    const ScriptResult r = run_script(R"(menu START
click L 5 8
click L 5 7
click L 5 4
click L 5 5
click L 2 8
click L 2 7
click L 2 4
click L 2 5
menu KIFU_WRITE
type Text1 game
type Text2 練習対局
type Text3 先手さん
type Text4 後手さん
button Command1
menu KIFU_READ
pick game.棋譜
menu AFTER
menu AFTER
menu AFTER
menu AFTER
dump
menu AFTER
)",
                                      dir);
    EXPECT_TRUE(r.has("msg    | 棋譜を書き込みました"));
    EXPECT_TRUE(r.has("msg 棋譜 |  読み込みました"));
    EXPECT_TRUE(r.has("msg 棋譜 | 棋譜を '進 'で進めて下さい"));
    EXPECT_TRUE(r.has("msg 進む | 終わり"));
    const auto d = r.starting("dump");
    ASSERT_EQ(d.size(), 1u);
    // The last entry is the position after the fourth move: the upper pawn of file 8 has advanced.
    EXPECT_NE(d[0].find("TESUU=4"), std::string::npos);
    EXPECT_EQ(d[0].substr(5 + (2 - 1) * 44 + (5 - 1) * 4, 4), "  10");
    const std::string file = dir.read("game.棋譜");
    // Three header lines of four two-byte characters, then four record lines of 518 characters.
    EXPECT_EQ(file.size(), 3 * (8 + 2) + 4 * (518 + 2));
}

TEST(Record, SteppingAfterAReversalShowsOnlyStoredPositions) {
    TempDir dir;
    // The computer moves first, the board is turned about (the record is dropped), a click lets the
    // computer move again, and 先手 hands the move to the human.
    const ScriptResult r = run_script(R"(menu GOTE
menu REVERSE
click L 6 6
menu SENTE
dump
menu AFTER
dump
menu REPLAY
menu AFTER
dump
click L 5 6
)",
                                      dir);
    const auto d = r.starting("dump");
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[1], d[0]); // 進 at the record's end shows nothing new
    EXPECT_EQ(d[2], d[0]); // 戻 and 進 come back to the same position
    EXPECT_NE(d[0].find("-950"), std::string::npos);
    EXPECT_NE(d[0].find(" 950"), std::string::npos);
    EXPECT_TRUE(r.has("msg 進む | できません"));
    EXPECT_FALSE(r.has("msg 終了 | あなたの勝ちです"));
}

// However the program ends, a game with a move in it is kept and can be read and played on.
TEST(Record, TheGameInProgressIsKeptWhenTheProgramEnds) {
    const struct {
        const char* how;
        const char* end;
    } rows[] = {{"Escape", "key 27\n"}, {"終わり", "menu OWARI\n"}, {"closing the window", "close\n"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.how);
        TempDir dir;
        dir.write("前回の対局.棋譜", "an older game\r\n");
        // A program ended before any move keeps the older game.
        run_script(std::string("menu START\n") + row.end, dir);
        EXPECT_EQ(dir.read("前回の対局.棋譜"), "an older game\r\n");

        const ScriptResult played = run_script(std::string("menu START\nclick L 5 8\nclick L 5 7\n") +
                                                   row.end + "menu START\nclick L 5 4\nclick L 5 5\n",
                                               dir);
        EXPECT_EQ(played.starting("sound").size(), 1u) << "the program ended at once";
        const std::string kept = dir.read("前回の対局.棋譜");
        EXPECT_EQ(std::count(kept.begin(), kept.end(), '\n'), 4); // three header lines and one move

        const ScriptResult resumed = run_script(R"(menu KIFU_READ
pick 前回の対局.棋譜
click L 5 4
click L 5 5
dump
)",
                                                dir);
        EXPECT_TRUE(resumed.has("msg 対局 | 後手の番です"));
        const auto d = resumed.starting("dump");
        ASSERT_EQ(d.size(), 1u);
        EXPECT_NE(d[0].find("TEBAN=1 TESUU=2"), std::string::npos);
        EXPECT_EQ(d[0].substr(5 + (5 - 1) * 44 + (7 - 1) * 4, 4), " -10"); // the kept move
        EXPECT_EQ(d[0].substr(5 + (5 - 1) * 44 + (5 - 1) * 4, 4), "  10"); // the move played on
    }
}

// The kept game read back stands where the game was left, in its mode, and the next click on the
// board plays on; 戻 and 進 step over it as in a game being played. Another record reads as before.
TEST(Record, AKeptGameReadBackPlaysOnWithAClick) {
    const std::string against_computer = "menu SENTE\nclick L 5 8\nclick L 5 7\nclick L 8 8\nclick L 8 7\n";
    const std::string two_players = "menu START\nclick L 5 8\nclick L 5 7\nclick L 5 4\nclick L 5 5\n"
                                    "click L 8 8\nclick L 8 7\n";
    const std::string kept_title = to_sjis("前回の対局");
    const struct {
        const char* what;
        std::string played;
        std::string title; // the first line the read file is given
        const char* name;  // the name it is read under
        const char* after_read;
        std::vector<std::string> said; // the messages after the file was read
        const char* shown;             // the dump after the read
        const char* last;              // the last dump
    } rows[] = {
        {"against the computer, the human to move",
         against_computer,
         kept_title,
         "前回の対局.棋譜",
         "click L 2 8\nclick L 2 7\ndump\n",
         {"msg 棋譜 |  読み込みました", "msg 対局 | MANの番です"},
         "TEBAN=1 TESUU=4 SYOUSYA=0",
         "TEBAN=1 TESUU=6 SYOUSYA=0"},
        {"against the computer, stepped back to the computer's move",
         against_computer,
         kept_title,
         "前回の対局.棋譜",
         "menu REPLAY\nclick L 6 6\ndump\nmenu AFTER\n",
         {"msg 棋譜 |  読み込みました", "msg 再開(COM) | OKですか？", "msg 進む | できません"},
         "TEBAN=1 TESUU=4 SYOUSYA=0",
         "TEBAN=1 TESUU=4 SYOUSYA=0"},
        {"two players, the second to move",
         two_players,
         kept_title,
         "前回の対局.棋譜",
         "click L 2 4\nclick L 2 5\ndump\n",
         {"msg 棋譜 |  読み込みました", "msg 対局 | 後手の番です"},
         "TEBAN=-1 TESUU=3 SYOUSYA=0",
         "TEBAN=1 TESUU=4 SYOUSYA=0"},
        {"two players, stepped back twice",
         two_players,
         kept_title,
         "前回の対局.棋譜",
         "menu REPLAY\nmenu REPLAY\nclick L 2 4\nclick L 2 5\ndump\n",
         {"msg 棋譜 |  読み込みました", "msg 対局 | 後手の番です"},
         "TEBAN=-1 TESUU=3 SYOUSYA=0",
         "TEBAN=1 TESUU=2 SYOUSYA=0"},
        {"a copy kept under another name",
         two_players,
         kept_title,
         "copy.棋譜",
         "click L 2 4\nclick L 2 5\ndump\n",
         {"msg 棋譜 |  読み込みました", "msg 対局 | 後手の番です"},
         "TEBAN=-1 TESUU=3 SYOUSYA=0",
         "TEBAN=1 TESUU=4 SYOUSYA=0"},
        {"another game's record",
         two_players,
         to_sjis("対局"),
         "前回の対局.棋譜",
         "click L 2 4\nmenu AFTER\ndump\n",
         {"msg 棋譜 |  読み込みました", "msg 棋譜 | 棋譜を '進 'で進めて下さい",
          "ask 棋譜 | 棋譜を '進 'で進めて下さい -> Yes"},
         "TEBAN=1 TESUU=0 SYOUSYA=0",
         "TEBAN=-1 TESUU=1 SYOUSYA=0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TempDir dir;
        run_script(row.played + "menu OWARI\n", dir);
        const std::string kept = dir.read("前回の対局.棋譜");
        ASSERT_EQ(kept.substr(0, kept_title.size()), kept_title);
        dir.write(row.name, row.title + kept.substr(kept_title.size()));

        // The kept game offered at start-up is declined: the file is read as the player picks it.
        const ScriptResult r = run_script(
            "answer No\nmenu KIFU_READ\npick " + std::string(row.name) + "\ndump\n" + row.after_read, dir);
        std::vector<std::string> said = r.starting("msg");
        for (const std::string& line : r.starting("ask"))
            if (line.find("前回の対局を続けますか") == std::string::npos) said.push_back(line);
        EXPECT_EQ(said, row.said);
        const auto d = r.starting("dump");
        ASSERT_GE(d.size(), 2u);
        EXPECT_NE(d.front().find(row.shown), std::string::npos) << d.front();
        EXPECT_NE(d.back().find(row.last), std::string::npos) << d.back();
    }
}

// A kept game that had ended stays ended when it is read: its king was taken.
TEST(Record, AKeptGameThatHadEndedStaysEnded) {
    TempDir dir;
    run_script("menu START\nclick L 5 8\nclick L 5 7\nmenu OWARI\n", dir);
    std::string kept = dir.read("前回の対局.棋譜");
    // The pawn that moved took the upper king, at (6, 2), instead.
    const std::size_t last = kept.rfind("\r\n", kept.size() - 3) + 2;
    const std::size_t king = last + ((6 - 1) * 11 + (2 - 1)) * 4, pawn = last + ((5 - 1) * 11 + (7 - 1)) * 4;
    ASSERT_EQ(kept.substr(king, 4), " 950");
    ASSERT_EQ(kept.substr(pawn, 4), " -10");
    kept.replace(king, 4, " -10");
    kept.replace(pawn, 4, "   0");
    dir.write("前回の対局.棋譜", kept);
    const ScriptResult r = run_script("menu KIFU_READ\npick 前回の対局.棋譜\nclick L 5 4\ndump\n", dir);
    EXPECT_TRUE(r.has("msg 終局 | 新規に対局してください"));
    const auto d = r.starting("dump");
    ASSERT_EQ(d.size(), 1u);
    EXPECT_NE(d[0].find("TEBAN=-1 TESUU=1 SYOUSYA=1"), std::string::npos) << d[0];
}

// A game with a move that is left for another (a new game, a file read over it, a reversal or a
// handicap step that discards its record) is kept first; nothing later writes over it unasked.
TEST(Record, EveryGameLeftIsKeptFirst) {
    const std::string one_move = "menu START\nclick L 5 8\nclick L 5 7\n";
    const struct {
        const char* what;
        std::string script;
    } rows[] = {
        {"a file read over it", one_move + "menu KIFU_READ\npick other.棋譜\n"},
        {"a new game against the computer", one_move + "menu CANCEL\nmenu SENTE\n"},
        {"a new game between two players", one_move + "menu CANCEL\nmenu START\n"},
        {"a handicap step at its start", one_move + "menu CANCEL\nmenu LBEL_UP\n"},
        {"a reversal", one_move + "menu REVERSE\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TempDir dir;
        run_script("menu START\nclick L 7 8\nclick L 7 7\nclick L 7 4\nclick L 7 5\nmenu KIFU_WRITE\n"
                   "type Text1 other\nbutton Command1\n",
                   dir);
        dir.write("前回の対局.棋譜", "an older game\r\n");
        const ScriptResult r = run_script(row.script, dir);
        EXPECT_TRUE(r.starting("msg 前回の対局").empty());
        const std::string kept = dir.read("前回の対局.棋譜");
        EXPECT_EQ(std::count(kept.begin(), kept.end(), '\n'), 4); // three header lines and one move
        EXPECT_EQ(kept.substr(kept.rfind("\r\n", kept.size() - 3) + 2 + ((5 - 1) * 11 + (7 - 1)) * 4, 4),
                  " -10");
    }
}

// A kept game played at a handicap reads back at its level: its positions lack the pieces the level
// takes off, the level is shown, and 書込 refuses it as it refuses any handicap game. Without the
// level, the same positions are no whole game and the file is refused.
TEST(Record, AKeptHandicapGameStaysAHandicapGame) {
    TempDir dir;
    run_script("menu START\nmenu LBEL_UP\nmenu LBEL_UP\nmenu SENTE\nclick L 5 8\nclick L 5 7\nmenu OWARI\n",
               dir);
    const std::string kept = dir.read("前回の対局.棋譜");
    const ScriptResult r = run_script(
        "menu KIFU_READ\npick 前回の対局.棋譜\nmenu KIFU_WRITE\nmenu REPLAY\nmenu REPLAY\ndump\n", dir);
    EXPECT_EQ(r.starting("msg"),
              (std::vector<std::string>{"msg 棋譜 |  読み込みました",
                                        "msg 棋譜書込 | ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"}));
    const auto d = r.starting("dump");
    ASSERT_EQ(d.size(), 1u);
    EXPECT_NE(d[0].find("TESUU=0"), std::string::npos) << d[0];
    for (const auto& [x, y] : {std::pair{9, 3}, std::pair{3, 3}}) // the upper bishop and rook are off
        EXPECT_EQ(d[0].substr(5 + (x - 1) * 44 + (y - 1) * 4, 4), "   0") << x << "," << y;

    // The lower player's name line without the level's name after it.
    std::size_t third = kept.find("\r\n", kept.find("\r\n") + 2) + 2;
    std::string even = kept;
    even.replace(third, kept.find("\r\n", third) - third, "MAN");
    dir.write("前回の対局.棋譜", even);
    const ScriptResult refused = run_script("menu KIFU_READ\npick 前回の対局.棋譜\n", dir);
    ASSERT_EQ(refused.starting("msg").size(), 1u);
    EXPECT_NE(refused.starting("msg")[0].find("4行目：角が合わせて1枚あります（2枚のはずです）"),
              std::string::npos)
        << refused.starting("msg")[0];
}

// Each side moves in turn and the kept game reads back, however the sides were named since its record
// began: 先手 taken on in a game against the computer, two players started over its positions, or 最初
// after a reversal.
TEST(Record, TheKeptGameReadsBackWhateverTheSidesWereNamed) {
    const struct {
        const char* what;
        const char* script;
    } rows[] = {
        {"先手 taken on, then at the last move again", "menu GOTE\nmenu SENTE\nmenu END\nmenu SENTE\n"},
        {"two players stepping into the computer's game",
         "menu GOTE\nmenu CANCEL\nmenu START\nmenu AFTER\nclick L 6 2\nclick L 6 3\n"},
        {"最初 after a reversal",
         "menu START\nclick L 5 8\nclick L 5 7\nmenu REVERSE\nclick L 5 8\nclick L 5 7\nmenu CANCEL\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TempDir dir;
        run_script(std::string(row.script) + "menu OWARI\n", dir);
        const ScriptResult r = run_script("answer No\nmenu KIFU_READ\npick 前回の対局.棋譜\n", dir);
        ASSERT_FALSE(r.starting("msg").empty());
        EXPECT_EQ(r.starting("msg")[0], "msg 棋譜 |  読み込みました");
    }
}

// The kept game's own file read over a game not kept yet: the game on screen goes beside it, the file
// stays as it was, and both games read back.
TEST(Record, ReadingTheKeptGameOverAnotherKeepsBoth) {
    TempDir dir;
    run_script("menu START\nclick L 5 8\nclick L 5 7\nclick L 5 4\nclick L 5 5\nmenu OWARI\n", dir);
    const std::string older = dir.read("前回の対局.棋譜");
    const ScriptResult r =
        run_script("answer No\nmenu START\nclick L 7 8\nclick L 7 7\nclick L 3 4\nclick L 3 5\n"
                   "menu KIFU_READ\npick 前回の対局.棋譜\ndump\nmenu OWARI\n",
                   dir);
    EXPECT_TRUE(r.starting("msg 前回の対局").empty());
    const auto d = r.starting("dump");
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].substr(5 + (5 - 1) * 44 + (7 - 1) * 4, 4), " -10"); // the older game on the screen
    EXPECT_EQ(dir.read("前回の対局.棋譜"), older);
    const std::string beside = dir.read("前回の対局(2).棋譜");
    ASSERT_EQ(std::count(beside.begin(), beside.end(), '\n'), 5); // three header lines and two moves
    EXPECT_EQ(beside.substr(beside.rfind("\r\n", beside.size() - 3) + 2 + ((7 - 1) * 11 + (7 - 1)) * 4, 4),
              " -10");
    for (const char* name : {"前回の対局.棋譜", "前回の対局(2).棋譜"}) {
        SCOPED_TRACE(name);
        const ScriptResult back =
            run_script("answer No\nmenu KIFU_READ\npick " + std::string(name) + "\n", dir);
        ASSERT_FALSE(back.starting("msg").empty());
        EXPECT_EQ(back.starting("msg")[0], "msg 棋譜 |  読み込みました");
    }
}

// Moves taken back with 待った in a kept game taken up again stay taken back: the next start offers
// the game as it was left, or none when every move was taken back.
TEST(Record, MovesTakenBackInAKeptGameStayTakenBack) {
    const struct {
        const char* takeback;
        bool offered;
        const char* shown;
    } rows[] = {{"menu MATTA\n", true, "TEBAN=-1 TESUU=1"},
                {"menu MATTA\nmenu MATTA\n", false, "TEBAN=0 TESUU=0"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.takeback);
        TempDir dir;
        run_script("menu START\nclick L 5 8\nclick L 5 7\nclick L 5 4\nclick L 5 5\nmenu OWARI\n", dir);
        run_script(std::string(row.takeback) + "close\n", dir); // the kept game taken up at start-up
        const ScriptResult next = run_script("dump\n", dir);
        EXPECT_EQ(next.starting("ask").size(), row.offered ? 1u : 0u);
        const auto d = next.starting("dump");
        ASSERT_EQ(d.size(), 1u);
        EXPECT_NE(d[0].find(row.shown), std::string::npos) << d[0];
        EXPECT_EQ(d[0].substr(5 + (5 - 1) * 44 + (4 - 1) * 4, 4), "  10"); // the upper pawn back at its start
    }
}

// A game that cannot be kept is told before the program ends, naming the file and the reason.
TEST(Record, AGameThatCannotBeKeptIsToldOnLeaving) {
    for (const char* end : {"key 27\n", "menu OWARI\n", "close\n"}) {
        SCOPED_TRACE(end);
        TempDir dir;
        std::filesystem::create_directory(dir.path() / "前回の対局.棋譜");
        const ScriptResult r = run_script(std::string("menu START\nclick L 5 8\nclick L 5 7\n") + end, dir);
        EXPECT_EQ(r.starting("msg 前回の対局"),
                  std::vector<std::string>{"msg 前回の対局 | 対局を書き込めませんでした\\n" +
                                           dir.path().string() +
                                           "/前回の対局.棋譜\\n同じ名前のﾌｫﾙﾀﾞがあります"});
        EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "前回の対局.棋譜"));
    }
}

TEST(Record, TheFolderListChoosesWhereFilesGo) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "games");
    const ScriptResult r = run_script(R"(menu START
click L 5 8
click L 5 7
click L 5 4
click L 5 5
menu KIFU_WRITE
folder games
type Text1 first
button Command1
menu KIFU_WRITE
button Command1
)",
                                      dir);
    EXPECT_NE(dir.read("games/first.棋譜"), "<missing>");
    EXPECT_EQ(dir.read("first.棋譜"), "<missing>");
    // The panel was hidden after writing, which emptied the name: the second RETURN refuses.
    EXPECT_EQ(r.starting("msg").back(), "msg    | ﾌｧｲﾙ名が入力されていません");
}

} // namespace
