// The settings file "Tessora.ini". The options menu's check marks are the state of the options: the
// file is written from them and read into them. The file is Shift_JIS with CR LF.

#include "settings/settings.h"

#include "core/state.h"
#include "platform/codec.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/lines.h"
#include "platform/platform.h"
#include "platform/translate.h"
#include "sound/dslib.h"
#include "sound/effects.h"

#include <string>
#include <string_view>
#include <vector>

namespace {

std::string settings_file() {
    return settings_folder() + "/" + kSettingsFile;
}

struct Background {
    int no;
    MenuItem item;
    const char* word; // the value in the file
};

// In the order the writer looks for the checked item.
constexpr Background BACKGROUNDS[] = {
    {HAIKEI_MIDORI_NO, MenuItem::MIDORI, "緑"}, {HAIKEI_TAKE_NO, MenuItem::TAKE, "竹"},
    {HAIKEI_TATAMI_NO, MenuItem::TATAMI, "畳"}, {HAIKEI_UCHU_NO, MenuItem::UCHU, "宇宙"},
    {HAIKEI_RENGA_NO, MenuItem::RENGA, "煉瓦"},
};

const char* on_off(bool on) {
    return on ? "ON" : "OFF";
}

// The settings file is small; a huge file is read no further than this.
constexpr std::size_t kMaxSettingsBytes = 64 * 1024;

bool g_unwritable_told = false; // the player knows the options are not being kept

// Said once while the file stays unwritable, so option changes are not lost without a word.
void tell_unwritable(Dialogs& dialogs) {
    if (g_unwritable_told) return;
    g_unwritable_told = true;
    dialogs.warning(
        fill(translate("Options", "設定ファイル「%1」に書き込めません。\nオプションの変更は保存されません。"),
             {settings_file()}),
        translate("Options", "ｵﾌﾟｼｮﾝ"));
}

// Replaces the settings file by these lines; false when the file could not be written whole.
bool write_lines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += to_sjis(line) + "\r\n";
    const bool ok = write_file_replacing(settings_file(), bytes) == 0;
    if (ok) g_unwritable_told = false;
    return ok;
}

// The file's first kMaxSettingsBytes, or false when it is not a regular file or cannot be read.
bool read_file(std::string& bytes) {
    return read_regular_file(settings_file(), [&bytes](std::string_view piece) {
               bytes.append(piece.substr(0, kMaxSettingsBytes - bytes.size()));
               return bytes.size() < kMaxSettingsBytes;
           }) == 0;
}

// One line of the file; false when the line has no "=".
bool apply_line(Settei& s, Menus& menus, const std::string& line, void (*paint_background_setting)(int n)) {
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) return false;
    const std::string key = line.substr(0, eq);
    const std::string value = line.substr(eq + 1);
    if (key == "背景画") {
        for (const Background& b : BACKGROUNDS)
            if (value == b.word) paint_background_setting(b.no);
    } else if (key == "移動指導") {
        const bool on = value == "ON";
        s.SIDOU_IRO = on ? 15 : 2;
        menus.set_checked(MenuItem::SIDOU, on);
        s.SIDOU_FLAG = on ? ON : OFF;
    } else if (key == "経過時間") {
        set_clock_option(s, menus, value == "ON");
    } else if (key == "BGM") {
        const bool on = value == "ON";
        set_music_option(s, menus, on);
        if (on) dsPlayLooping(OTO_BGM);
    }
    return true;
}

// The reader's fallback: the file made anew with its defaults, which are applied once it is written.
// When even this file cannot be written, the options stay as they are and the player is told.
void reader_fallback(Settei& s, Menus& menus, Dialogs& dialogs, void (*paint_background_setting)(int n)) {
    if (!write_lines({"背景画=竹", "移動指導=OFF", "経過時間=ON", "BGM=OFF"}))
        return tell_unwritable(dialogs);
    paint_background_setting(HAIKEI_TAKE_NO);
    menus.set_checked(MenuItem::SIDOU, false);
    set_clock_option(s, menus, true);
    set_music_option(s, menus, false);
}

// The writer's fallback: other defaults, and only the check marks follow them.
void writer_fallback(Settei& s, Menus& menus, Dialogs& dialogs) {
    if (!write_lines({"背景画=緑", "移動指導=OFF", "経過時間=ON", "BGM=ON"})) return tell_unwritable(dialogs);
    チェック設定(menus, HAIKEI_MIDORI_NO);
    menus.set_checked(MenuItem::SIDOU, false);
    set_clock_option(s, menus, true);
    set_music_option(s, menus, true);
}

} // namespace

void 読込_環境設定ファイル(Settei& s, Menus& menus, Dialogs& dialogs,
                           void (*paint_background_setting)(int n)) {
    std::string bytes;
    // An empty file is what a write cut short used to leave: it is treated as no file at all.
    if (!read_file(bytes) || bytes.empty()) {
        reader_fallback(s, menus, dialogs, paint_background_setting);
        return;
    }
    for (const std::string& line : split_lines(bytes)) {
        if (!apply_line(s, menus, from_sjis(line), paint_background_setting)) {
            reader_fallback(s, menus, dialogs, paint_background_setting);
            return;
        }
    }
}

void 書込_環境設定ファイル(Settei& s, Menus& menus, Dialogs& dialogs) {
    std::vector<std::string> lines;
    for (const Background& b : BACKGROUNDS) {
        if (menus.checked(b.item)) {
            lines.push_back(std::string("背景画=") + b.word);
            break;
        }
    }
    lines.push_back(std::string("移動指導=") + on_off(menus.checked(MenuItem::SIDOU)));
    lines.push_back(std::string("経過時間=") + on_off(s.KEIKA_HYOUJI == ON));
    lines.push_back(std::string("BGM=") + on_off(s.BGM_ENSOU == ON));
    if (!write_lines(lines)) writer_fallback(s, menus, dialogs);
}

void set_clock_option(Settei& s, Menus& menus, bool on) {
    s.KEIKA_HYOUJI = on ? ON : OFF;
    menus.set_checked(MenuItem::KEIKA, on);
}

void set_music_option(Settei& s, Menus& menus, bool on) {
    s.BGM_ENSOU = on ? ON : OFF;
    menus.set_checked(MenuItem::BGM, on);
}

void チェック設定(Menus& menus, int n) {
    for (const Background& b : BACKGROUNDS) menus.set_checked(b.item, false);
    for (const Background& b : BACKGROUNDS)
        if (b.no == n) menus.set_checked(b.item, true);
}
