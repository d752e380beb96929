// Every menu command and button by its control name, for the window and the script driver alike.
#pragma once

#include <span>
#include <string>

using Handler = void (*)();

struct Command {
    const char* name;    // control name, e.g. "SENTE"
    Handler handler;     // what choosing it runs
    Handler menu_opened; // handler of the menu it sits in, run when that menu is opened (or nullptr)
};

// The command of that control name, or nullptr.
const Command* find_command(const std::string& name);
// Every command, in menu order.
std::span<const Command> all_commands();

// A key that runs a command: the window binds it as the command's shortcut, the script driver's `key`
// takes its name.
struct KeyCommand {
    const char* key;     // as a key sequence names it, e.g. "Ctrl+Z"
    const char* command; // control name
};
std::span<const KeyCommand> command_keys();
