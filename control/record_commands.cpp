// The record's commands: the file panel and stepping through the record. kifu/ reads, checks and
// writes; these show, sound and speak in the order the player has always seen.

#include "control/record_commands.h"

#include "control/clock.h"
#include "control/flow.h"
#include "control/game.h"
#include "control/levels.h"
#include "core/handicap.h"
#include "core/moves.h"
#include "core/state.h"
#include "display/draw.h"
#include "display/levels.h"
#include "display/texts.h"
#include "kifu/autosave.h"
#include "kifu/game_file.h"
#include "kifu/kifu_file.h"
#include "kifu/navigate.h"
#include "display/panel.h"
#include "kifu/record.h"
#include "kifu/text_record.h"
#include "platform/codec.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/translate.h"
#include "control/options.h"
#include "control/review_commands.h"
#include "sound/effects.h"
#include "control/owner.h"

#include <dirent.h>
#include <string>
#include <utility>

namespace {

// The writing face of the panel was opened by テキストで保存: RETURN writes the text record.
bool g_panel_writes_text = false;

// A reversed game's record starts where no reader of a text record knows: it is not written. False
// after saying so.
bool may_write_text(const std::string& title) {
    if (TAIKYOKU.shinkou.HANTEN == ON || TAIKYOKU.kifu.starts_reversed) {
        platform().dialogs().message(translate("TextRecord", "反転後は書き込みできません"), title);
        return false;
    }
    if (TAIKYOKU.kifu.KIFU_TESUU < 1) {
        platform().dialogs().message(translate("TextRecord", "保存するデータがありません"), title);
        return false;
    }
    return true;
}

// The text record's lines, or none after saying that a move of the record cannot be told.
std::vector<std::string> text_record_or_say(const std::string& title) {
    std::vector<std::string> lines = text_record_lines(TAIKYOKU.kifu, text_record_info());
    if (lines.empty())
        platform().dialogs().message(
            translate("TextRecord", "棋譜の手を読み取れないので、テキストにできません"), title);
    return lines;
}

void write_text_record() {
    const std::string title = translate("TextRecord", "テキストで保存");
    if (!may_write_text(title)) return;
    const std::string name = platform().file_controls().text(TextBox::Text1);
    if (name.empty()) {
        platform().dialogs().message(translate("TextRecord", "ﾌｧｲﾙ名が入力されていません"), title);
        return;
    }
    const std::vector<std::string> lines = text_record_or_say(title);
    if (lines.empty()) return;
    const std::string path =
        path_in_folder(platform().file_controls().folder(), name + TEXT_RECORD_EXTENSION);
    if (const int err = write_file_replacing(path, text_record_bytes(lines)); err != 0) {
        // The panel stays open with the names typed, so the player can choose another name or folder.
        platform().dialogs().message(fill(translate("TextRecord", "棋譜ﾌｧｲﾙを書き込めませんでした\n%1\n%2"),
                                          {path, failure_reason(err, true)}),
                                     title);
        return;
    }
    platform().file_controls().close();
    platform().file_controls().refresh_files();
    platform().dialogs().message(translate("TextRecord", "棋譜をテキストで書き込みました"), title);
}

// A reversed or handicapped game is not written, also after 最初 has left it on the screen: no reader
// knows where its record starts. False after saying so.
bool may_write() {
    if (TAIKYOKU.shinkou.HANTEN == ON || TAIKYOKU.kifu.starts_reversed) {
        platform().dialogs().message(translate("Record", "反転後は書き込みできません"),
                                     translate("Record", "棋譜書込"));
        return false;
    }
    if (TAIKYOKU.shinkou.HANDE_SETTEI == ON || TAIKYOKU.kifu.KIFU_HANDE_LEVEL != 0) {
        platform().dialogs().message(translate("Record", "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"),
                                     translate("Record", "棋譜書込"));
        return false;
    }
    return true;
}

} // namespace

void KIFU_READ_Click() {
    描画_可視(true, true, true);
    描画_棋譜_IO(1);
}

void Drive1_Change(const std::string& drive) {
    // A volume that cannot be listed is not ready (no medium, gone, or no access).
    DIR* d = opendir(drive.c_str());
    if (!d) {
        platform().dialogs().message(translate("Record", "ﾃﾞﾊﾞｲｽが準備できていません"),
                                     translate("Record", "ｴﾗｰ"));
        return;
    }
    closedir(d);
    // Stay in the current folder when it lies on that volume; otherwise go to the volume's top.
    const std::string current = platform().file_controls().folder();
    if (current.rfind(drive, 0) == 0 &&
        (drive.back() == '/' || current.size() == drive.size() || current[drive.size()] == '/')) {
        return;
    }
    platform().file_controls().set_folder(drive);
}

void Dir1_Change(const std::string& folder) {
    platform().file_controls().set_folder(folder);
}

void KIFU_WRITE_Click() {
    if (!may_write()) return;
    g_panel_writes_text = false;
    描画_可視(true, true, false);
    描画_棋譜_IO(0);
}

void KIFU_TEXT_Click() {
    if (!may_write_text(translate("TextRecord", "テキストで保存"))) return;
    g_panel_writes_text = true;
    描画_可視(true, true, false);
    描画_棋譜_IO(0);
}

void KIFU_COPY_Click() {
    const std::string title = translate("TextRecord", "テキストをコピー");
    if (!may_write_text(title)) return;
    const std::vector<std::string> lines = text_record_or_say(title);
    if (lines.empty()) return;
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    platform().clipboard().put_text(text);
    platform().dialogs().message(translate("TextRecord", "棋譜をテキストでコピーしました"), title);
}

TextRecordInfo text_record_info() {
    TextRecordInfo info;
    info.date = platform().clock().date_time();
    FileControls& panel = platform().file_controls();
    info.title = panel.text(TextBox::Text2);
    // The players as typed in the panel; else the computer by its level, the other side unnamed.
    const Kiroku& r = TAIKYOKU.kifu;
    const RecordedMove first = recorded_move(r, 1);
    const bool lower_first = first.found ? first.lower : TAIKYOKU.pos.SITA_GAWA == 1;
    const bool com = TAIKYOKU.shinkou.TAIKYOKU_MODE == MODE_MAN_COM;
    const std::string computer = "COM LEVEL" + std::to_string(TAIKYOKU.settei.COM_LEVEL);
    info.sente = panel.text(TextBox::Text3);
    info.gote = panel.text(TextBox::Text4);
    if (com && info.sente.empty() && !lower_first) info.sente = computer;
    if (com && info.gote.empty() && lower_first) info.gote = computer;
    info.handicap_level = r.KIFU_HANDE_LEVEL;
    if (TAIKYOKU.tokei.time_control.on())
        info.time_control = time_control_text(TAIKYOKU.tokei.time_control, false);
    if (r.result.reason != GameResult::Reason::NONE) {
        info.result = result_text(r.result, r.KIFU_HANDE_LEVEL, false);
        return info;
    }
    // A record read without its result: a king taken ended the game, the side whose king is left has won.
    if (r.KIFU_TESUU >= 1 && r.KIFU_TESUU <= KIFU_MAX) {
        bool lower_king = false, upper_king = false;
        for (const auto& column : r.entries[r.KIFU_TESUU].ban)
            for (Koma c : column) {
                lower_king = lower_king || c == SITA_OU;
                upper_king = upper_king || c == UE_OU;
            }
        if (lower_king != upper_king)
            info.result = "まで" + std::to_string(r.KIFU_TESUU) + "手で" +
                          (lower_king == lower_first ? "先手の勝ち" : "後手の勝ち");
    }
    return info;
}

void Command1_Click() {
    if (g_panel_writes_text) {
        write_text_record();
        return;
    }
    // The game may have changed since the panel was opened: ask again what 書込 asked.
    if (!may_write()) return;
    const std::string name = platform().file_controls().text(TextBox::Text1);
    if (name.empty()) {
        platform().dialogs().message(translate("Record", "ﾌｧｲﾙ名が入力されていません"), "  ");
        return;
    }
    if (TAIKYOKU.kifu.KIFU_TESUU < 1) {
        platform().dialogs().message(translate("Record", "保存するデータがありません"),
                                     translate("Record", "棋譜保存"));
        return;
    }
    const std::string path = path_in_folder(platform().file_controls().folder(), name + ".棋譜");

    // Line 2 is the player at the top of the board, line 3 the one at the bottom.
    const std::string sente = platform().file_controls().text(TextBox::Text3);
    const std::string gote = platform().file_controls().text(TextBox::Text4);
    const bool lower_first = TAIKYOKU.pos.SITA_GAWA == 1;
    const int err = write_kifu_file(TAIKYOKU.kifu, path, platform().file_controls().text(TextBox::Text2),
                                    lower_first ? gote : sente, lower_first ? sente : gote);
    if (err != 0) {
        // The panel stays open with the names typed, so the player can choose another name or folder.
        platform().dialogs().message(fill(translate("Record", "棋譜ﾌｧｲﾙを書き込めませんでした\n%1\n%2"),
                                          {path, failure_reason(err, true)}),
                                     translate("Record", "棋譜保存"));
        return;
    }
    record_written_to(path); // its review goes beside it
    keep_game_beside(path);  // and its time control and result
    platform().file_controls().close();
    platform().file_controls().refresh_files();
    platform().dialogs().message(translate("Record", "棋譜を書き込みました"), "  ");
}

namespace {
void take_record(const KifuFileRead& f, const std::string& path, bool offered);
} // namespace

void File1_Click(const std::string& name) {
    描画_可視(false, false, false);
    const std::string path = path_in_folder(platform().file_controls().folder(), name);
    // The whole file is read and checked before the game is touched, so a file that cannot be used
    // changes nothing.
    const KifuFileRead f = is_text_record_name(name) ? 読込_テキスト棋譜(path) : 読込_棋譜ファイル(path);
    if (!f.fault.empty()) {
        platform().dialogs().message(
            fill(translate("Record", "棋譜ﾌｧｲﾙを読み込めませんでした\n%1\n%2"), {path, f.fault}),
            translate("Record", "棋譜"));
        return;
    }
    take_record(f, path, false);
}

namespace {

// Reads the lines of a kifu file read and checked, from `path`. `offered`: the kept game taken up at
// start-up, which comes back without the messages of a file picked.
void take_record(const KifuFileRead& f, const std::string& path, bool offered) {
    // The game on screen is left for the file's. Over the kept game's own file, which was read before
    // this write, it goes beside it, so that neither game is lost.
    keep_game(true, is_kept_game_path(path) ? second_kept_game_path() : kept_game_path());
    初期設定();
    TAIKYOKU.shinkou.KIFU_MODE = ON;

    // A header line the file lacks leaves KIFU_GYOU as it was, and that text is printed again.
    std::size_t next = 0;
    auto read_header = [&] {
        if (next < f.lines.size()) TAIKYOKU.kifu.KIFU_GYOU = from_sjis(f.lines[next]);
        ++next;
    };
    read_header();
    platform().canvas().print(取得_棋譜のX座標(TAIKYOKU.kifu.KIFU_GYOU) - 3000, 8750, TAIKYOKU.kifu.KIFU_GYOU,
                              12, 12);
    read_header();
    platform().canvas().print(取得_棋譜のX座標(TAIKYOKU.kifu.KIFU_GYOU), 700, TAIKYOKU.kifu.KIFU_GYOU, 12,
                              15);
    read_header();
    platform().canvas().print(取得_棋譜のX座標(TAIKYOKU.kifu.KIFU_GYOU), 8750, TAIKYOKU.kifu.KIFU_GYOU, 12,
                              15);

    if (flow_load_record(f) == 0) {
        platform().dialogs().message(translate("Record", "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"),
                                     translate("Record", "棋譜"));
        return;
    }
    record_read_from(path); // with its review, when one is kept beside it
    if (const std::optional<GameFile> g = read_game_file(game_file_path(path), TAIKYOKU.kifu))
        flow_record_result(g->result, g->time_control);
    TAIKYOKU.kifu.from_kept_file = is_kept_game_path(path);
    if (!offered)
        platform().dialogs().message(translate("Record", " 読み込みました"), translate("Record", "棋譜"));
    if (f.more)
        platform().dialogs().message(
            fill(translate("Record", "棋譜が%1手を超えているので、最初の%1手だけ読み込みました"),
                 {std::to_string(KIFU_MAX)}),
            translate("Record", "棋譜"));
    // The kept game is known by its first line, not by its name: a player may copy or rename it to keep
    // it from being replaced, and it must still play on.
    if (is_kept_game(f.lines)) {
        const bool com = kept_game_against_computer(f.lines);
        // A game played on after 反転 stays reversed: what may not follow a reversal still may not.
        if (f.reversed != 0) TAIKYOKU.shinkou.HANTEN = ON;
        // The level it was played at, checked in the menu and shown as the game resumes.
        if (const int level = kept_game_level(f.lines)) レベル_設定(level);
        resume_at_last_entry(com ? MODE_MAN_COM : MODE_MAN_MAN);
        return;
    }
    platform().dialogs().message(translate("Record", "棋譜を '進 'で進めて下さい"),
                                 translate("Record", "棋譜"));
    flow_wait_for_stepping();
}

} // namespace

void offer_kept_game() {
    const KifuFileRead f = 読込_棋譜ファイル(kept_game_path());
    if (!f.fault.empty() || f.entries.empty() || !is_kept_game(f.lines)) return;
    // A game that ended with a king taken is not offered.
    int kings = 0;
    for (const auto& column : f.entries.back().ban)
        for (Koma c : column) kings += c == SITA_OU || c == UE_OU;
    if (kings < 2) return;
    // Nor one resigned or lost on time (a result kept beside it says so).
    if (kept_game_ended(game_file_path(kept_game_path()))) return;
    if (!platform().dialogs().ask(translate("Record", "前回の対局を続けますか？"),
                                  translate("Record", "前回の対局")))
        return;
    take_record(f, kept_game_path(), true);
}

void resume_at_last_entry(int mode) {
    flow_resume_at_last_entry(mode);
}

void STOP_Click() {
    platform().file_controls().close();
}

void CANCEL_Click() {
    初期設定();
    follow_shown_position(TAIKYOKU.pos);
    play_effect(OTO_KOMA);
}

void AFTER_Click() {
    platform().file_controls().close();
    flow_step_forward();
}

void REPLAY_Click() {
    platform().file_controls().close();
    flow_step_back();
}

void HOME_Click() {
    platform().file_controls().close();
    flow_show_first();
}

void END_Click() {
    platform().file_controls().close();
    flow_show_last();
}

void show_listed_move(int n) {
    platform().file_controls().close();
    flow_show_chosen_move(n);
}

void HINT_Click() {
    platform().file_controls().close();
    flow_hint();
}

void MATTA_Click() {
    flow_take_back();
}

void REVERSE_Click() {
    if (TAIKYOKU.shinkou.KIFU_MODE == ON) {
        play_effect(OTO_KINSHI);
        platform().dialogs().message(translate("Record", "棋譜ﾓｰﾄﾞではできません"),
                                     translate("Record", "反転"));
        return;
    }
    keep_game(true); // the record is discarded below
    TAIKYOKU.shinkou.HANTEN = ON;
    TAIKYOKU.shinkou.SENTAKU = 0;

    Koma copy[12][12];
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) copy[x][y] = TAIKYOKU.pos.BAN[x][y];
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) TAIKYOKU.pos.BAN[12 - x][12 - y] = static_cast<Koma>(-copy[x][y]);

    for (int k = 1; k <= 7; ++k) std::swap(TAIKYOKU.pos.SITA_MOCHI[k], TAIKYOKU.pos.UE_MOCHI[k]);
    TAIKYOKU.pos.SITA_MOCHI_KEI = 調査_持駒数(TAIKYOKU.pos, TAIKYOKU.pos.SITA_GAWA);
    TAIKYOKU.pos.UE_MOCHI_KEI = 調査_持駒数(TAIKYOKU.pos, TAIKYOKU.pos.UE_GAWA);
    follow_shown_position(TAIKYOKU.pos);

    画面_再描画(TAIKYOKU.pos, TAIKYOKU.shinkou, TAIKYOKU.tokei, TAIKYOKU.settei);
    if (TAIKYOKU.shinkou.HANDE_SETTEI == ON) {
        TAIKYOKU.settei.HANDE_LEVEL = -TAIKYOKU.settei.HANDE_LEVEL;
        描画_ハンデレベル(TAIKYOKU.settei, TAIKYOKU.settei.HANDE_LEVEL);
    }
    play_effect(OTO_KOMA);
    flow_reversed();
}
