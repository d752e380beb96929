#!/usr/bin/env bash
# install_test.sh BUILD SOURCE PREFIX: installs the build into PREFIX and starts the installed program
# the way a desktop menu does, far from the source and build trees: a fresh HOME, another current
# folder. It must find every picture, the four sounds and the help page in the installed data, and
# make Tessora.ini in the per-user folder only, also when started inside the installed data folder.
# Where no sound device opens, start-up says so in its own words, without the sound system's chatter,
# and still ends by itself.
set -euo pipefail
build=$1 source=$2 prefix=$3
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
stamp="$tmp/stamp"
touch "$stamp"
mkdir -p "$tmp/home" "$tmp/desktop"
failed=0

# start DATA_HOME PROGRAM [XDG_DATA_DIRS]: the program's start-up report. $from is the folder it is
# started in, $audio the sound driver, $errors where stderr goes, $lang the locale (Japanese unless
# told: the first start speaks the locale's language).
start() {
    local data_home=$1 program=$2 data_dirs=${3:-$tmp/none}
    (cd "${from:-$tmp/desktop}" && env -u XDG_CONFIG_HOME -u LC_ALL -u LC_MESSAGES LANG="${lang:-ja_JP.UTF-8}" \
        HOME="$tmp/home" XDG_DATA_HOME="$data_home" \
        XDG_DATA_DIRS="$data_dirs" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER="${audio:-dummy}" \
        AUDIODEV=tessora-no-such-device TESSORA_QUIT_AFTER_START=1 \
        timeout 30 "$program" 2>"${errors:-/dev/null}") || true # a blocked start-up shows as a missing report
}

expect() {
    local what=$1 report=$2 line=$3
    if ! grep -qxF "$line" <<<"$report"; then
        echo "FAIL ($what): expected \"$line\" in:"
        sed 's/^/    /' <<<"$report"
        failed=1
    fi
}

# From a menu: the data in share/games/tessora beside the program's games/, the settings in
# ~/.local/share/tessora.
data="$prefix/share/games/tessora"
report=$(start "" "$prefix/games/tessora")
expect installed "$report" "pictures 66 of 66 from $data"
expect installed "$report" "sounds 4 of 4 from $data"
expect installed "$report" "help $data/Tessora.htm"
expect installed "$report" "settings $tmp/home/.local/share/tessora"
[ -f "$data/Tessora.htm" ] || { echo "FAIL: no help page in $data"; failed=1; }
for s in 16 24 32 48 64 128 256 512; do
    icon="$prefix/share/icons/hicolor/${s}x${s}/apps/tessora.png"
    [ -f "$icon" ] || { echo "FAIL: no icon $icon"; failed=1; }
done

# A copy of the program with no data beside it finds them through XDG_DATA_DIRS; XDG_DATA_HOME moves
# the per-user folder.
mkdir -p "$tmp/elsewhere"
cp "$prefix/games/tessora" "$tmp/elsewhere/"
report=$(start "$tmp/xdg" "$tmp/elsewhere/tessora" "$tmp/none:$prefix/share")
expect "through XDG_DATA_DIRS" "$report" "pictures 66 of 66 from $data"
expect "through XDG_DATA_DIRS" "$report" "sounds 4 of 4 from $data"
expect "through XDG_DATA_DIRS" "$report" "settings $tmp/xdg/tessora"

# Started inside the installed data folder, which holds the wave files: the settings still go to the
# per-user folder, and nothing is written beside the data.
report=$(from=$data start "$tmp/from-data" "$prefix/games/tessora")
expect "inside the data folder" "$report" "sounds 4 of 4 from $data"
expect "inside the data folder" "$report" "settings $tmp/from-data/tessora"

# No sound device (ALSA asked for a device that is not there): the start ends by itself, the player
# is told in the program's words, and ALSA's own reports stay off the terminal.
report=$(audio=alsa errors="$tmp/no-sound.err" start "$tmp/no-sound" "$prefix/games/tessora")
expect "without a sound device" "$report" "sounds 0 of 4 from $data"
no_sound="tessora: Tessora: サウンドデバイスを開けませんでした。音なしで対局できます。"
grep -qxF "$no_sound" "$tmp/no-sound.err" || { echo "FAIL: no \"$no_sound\" on stderr:"; cat "$tmp/no-sound.err"; failed=1; }
# Under any other locale the first start speaks English, from the translation installed with the data.
lang=C.UTF-8 audio=alsa errors="$tmp/no-sound-en.err" start "$tmp/no-sound-en" "$prefix/games/tessora" >/dev/null
no_sound_en="tessora: Tessora: The sound device could not be opened. You can play without sound."
grep -qxF "$no_sound_en" "$tmp/no-sound-en.err" ||
    { echo "FAIL: no \"$no_sound_en\" on stderr:"; cat "$tmp/no-sound-en.err"; failed=1; }
if grep -q '^ALSA lib' "$tmp/no-sound.err"; then
    echo "FAIL: ALSA's reports on stderr:"
    cat "$tmp/no-sound.err"
    failed=1
fi

# Tessora.ini appeared in the per-user folders and nowhere else.
made=$( (find "$tmp" "$prefix" -name Tessora.ini; find "$source" "$build" -name Tessora.ini -newer "$stamp") | sort)
wanted=$(printf '%s\n' "$tmp/home/.local/share/tessora/Tessora.ini" "$tmp/xdg/tessora/Tessora.ini" \
    "$tmp/from-data/tessora/Tessora.ini" "$tmp/no-sound/tessora/Tessora.ini" \
    "$tmp/no-sound-en/tessora/Tessora.ini" | sort)
if [ "$made" != "$wanted" ]; then
    echo "FAIL: Tessora.ini made in:"
    sed 's/^/    /' <<<"$made"
    failed=1
fi
exit $failed
