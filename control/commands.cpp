#include "control/commands.h"

#include "com/com.h"
#include "control/clock.h"
#include "control/engine_view.h"
#include "control/game.h"
#include "control/levels.h"
#include "control/play.h"
#include "core/moves.h"
#include "help/help.h"
#include "control/record_commands.h"
#include "control/review_commands.h"
#include "control/options.h"
#include "settings/settings.h"
#include "control/owner.h"

#include <iterator>

namespace {

const Command kCommands[] = {
    {"TAIKYOKU", TAIKYOKU_Click, nullptr},
    {"MATCH_MAN", MATCH_MAN_Click, TAIKYOKU_Click},
    {"START", START_Click, TAIKYOKU_Click},
    {"SENTE", SENTE_Click, TAIKYOKU_Click},
    {"GOTE", GOTE_Click, TAIKYOKU_Click},
    {"LEVEL1", LEVEL1_Click, TAIKYOKU_Click},
    {"LEVEL2", LEVEL2_Click, TAIKYOKU_Click},
    {"LEVEL3", LEVEL3_Click, TAIKYOKU_Click},
    {"LEVEL4", LEVEL4_Click, TAIKYOKU_Click},
    {"THINK1", THINK1_Click, TAIKYOKU_Click},
    {"THINK3", THINK3_Click, TAIKYOKU_Click},
    {"THINK10", THINK10_Click, TAIKYOKU_Click},
    {"STRENGTH1", STRENGTH1_Click, TAIKYOKU_Click},
    {"STRENGTH2", STRENGTH2_Click, TAIKYOKU_Click},
    {"STRENGTH3", STRENGTH3_Click, TAIKYOKU_Click},
    {"STRENGTH4", STRENGTH4_Click, TAIKYOKU_Click},
    {"STRENGTH5", STRENGTH5_Click, TAIKYOKU_Click},
    {"TIMECONTROL", TIMECONTROL_Click, TAIKYOKU_Click},
    {"RESIGN", RESIGN_Click, TAIKYOKU_Click},
    {"MATTA", MATTA_Click, TAIKYOKU_Click},
    {"HINT", HINT_Click, TAIKYOKU_Click},
    {"OWARI", OWARI_Click, TAIKYOKU_Click},
    {"STOP", STOP_Click, nullptr},
    {"CANCEL", CANCEL_Click, STOP_Click},
    {"REVERSE", REVERSE_Click, STOP_Click},
    {"HOME", HOME_Click, STOP_Click},
    {"END", END_Click, STOP_Click},
    {"ANALYSE", ANALYSE_Click, STOP_Click},
    {"REPLAY", REPLAY_Click, nullptr},
    {"AFTER", AFTER_Click, nullptr},
    {"LBEL_UP", LBEL_UP_Click, nullptr},
    {"LEBEL_DOWN", LEBEL_DOWN_Click, nullptr},
    {"KIFU_READ", KIFU_READ_Click, nullptr},
    {"KIFU_WRITE", KIFU_WRITE_Click, nullptr},
    {"KIFU_TEXT", KIFU_TEXT_Click, nullptr},
    {"KIFU_COPY", KIFU_COPY_Click, nullptr},
    {"KENTOU", KENTOU_Click, nullptr},
    {"GRAPH_SAVE", GRAPH_SAVE_Click, nullptr},
    {"OPTION", OPTION_Click, nullptr},
    {"MIDORI", MIDORI_Click, OPTION_Click},
    {"TATAMI", TATAMI_Click, OPTION_Click},
    {"TAKE", TAKE_Click, OPTION_Click},
    {"UCHU", UCHU_Click, OPTION_Click},
    {"RENGA", RENGA_Click, OPTION_Click},
    {"SIDOU", SIDOU_Click, OPTION_Click},
    {"KEIKA", KEIKA_Click, OPTION_Click},
    {"BGM", BGM_Click, OPTION_Click},
    {"SE", SE_Click, OPTION_Click},
    {"LASTMOVE", LASTMOVE_Click, OPTION_Click},
    {"COORDS", COORDS_Click, OPTION_Click},
    {"EVALSHOW", EVALSHOW_Click, OPTION_Click},
    {"NOTICES", NOTICES_Click, OPTION_Click},
    {"ROTATE", ROTATE_Click, STOP_Click},
    {"KAISETU", [] { KAISETU_Click(TAIKYOKU.settei); }, nullptr},
    {"VER", [] { VER_Click(TAIKYOKU.settei); }, nullptr},
    {"KAITEN_L", KAITEN_L_Click, nullptr},
    {"KAITEN_R", KAITEN_R_Click, nullptr},
    {"Command1", Command1_Click, nullptr},
};

} // namespace

const Command* find_command(const std::string& name) {
    for (const Command& c : kCommands)
        if (name == c.name) return &c;
    return nullptr;
}

std::span<const Command> all_commands() {
    return kCommands;
}

std::span<const KeyCommand> command_keys() {
    static const KeyCommand keys[] = {
        {"Left", "REPLAY"}, {"Right", "AFTER"}, {"Home", "HOME"}, {"End", "END"}, {"Ctrl+Z", "MATTA"},
    };
    return keys;
}
