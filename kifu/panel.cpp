#include "kifu/panel.h"

#include "core/state.h"
#include "platform/platform.h"

#include <dirent.h>
#include <filesystem>

void 描画_可視(bool drive, bool folder, bool file) {
    platform().file_controls().show_lists(drive, folder, file);
}

void 描画_棋譜_IO(int flag) {
    if (flag == 0) {
        platform().file_controls().show_io(true);
        return;
    }
    platform().file_controls().hide_io();
}

void KIFU_READ_Click() {
    描画_可視(true, true, true);
    描画_棋譜_IO(1);
}

void Drive1_Change(const std::string& drive) {
    // A volume that cannot be listed is not ready (no medium, gone, or no access).
    DIR* d = opendir(drive.c_str());
    if (!d) {
        platform().dialogs().message("ﾃﾞﾊﾞｲｽが準備できていません", "ｴﾗｰ");
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

double 取得_棋譜のX座標(const std::string& text) {
    // Counted in characters, not bytes.
    double length = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) length += 1;
    return BAN_X0 + MASU_W * (3 + (13 - length) / 5);
}
