#include "display/panel.h"

#include "core/state.h"
#include "platform/platform.h"

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

double 取得_棋譜のX座標(const std::string& text) {
    // Counted in characters, not bytes.
    double length = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) length += 1;
    return BAN_X0 + MASU_W * (3 + (13 - length) / 5);
}
