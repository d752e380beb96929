#!/bin/bash
# Runs a golden script with お知らせを盤の横に表示 (NOTICES) turned on at its start and checks that it
# plays the same game: the output and the files left must be the golden ones, except that each message
# needing no answer is a notice ("notice TEXT" for "msg TITLE | TEXT"), and no other message is.
#   notices.sh DRIVER SCRIPT GOLDEN WORK ASSETS
set -euo pipefail
driver=$1 script=$2 golden=$3 work=$4 assets=$5

# The messages told beside the board while the option is on.
notices=(
  '   ** 王手 **'
  'よし！!'
  '先手の番です'
  '後手の番です'
  'MANの番です'
  '「対局」で始めて下さい'
  '新規に対局してください'
  'まだコンベアにネタ（駒）が乗っていません'
  # the same in English
  '   ** Check **'
  'Got it!!'
  'Sente to move'
  'Gote to move'
  'Your move'
  'Start a game from the Game menu'
  'Start a new game'
  'There is no piece on the conveyor yet'
)
wave_and_help=(その他.wav 禁止.wav 駒打音.wav BGM.wav Tessora.htm)

rm -rf "$work"
mkdir -p "$work"
for f in "${wave_and_help[@]}"; do cp "$assets/$f" "$work/"; done

# The option goes on after the answers and the language at the top, which belong to start-up.
awk 'BEGIN { done = 0 }
     !done && !($0 ~ /^[ \t]*$/ || $0 ~ /^#/ || $0 ~ /^answer / || $0 ~ /^language /) { print "menu NOTICES"; done = 1 }
     { print }
     END { if (!done) print "menu NOTICES" }' "$script" >"$work.script"

(cd "$work" && "$driver" "$work.script") >"$work.raw"
{
  sed "s|$work|<work>|g" "$work.raw"
  (cd "$work" && find . -type f -printf '%P\n' | LC_ALL=C sort | while read -r name; do
    for f in "${wave_and_help[@]}"; do [ "$name" = "$f" ] && continue 2; done
    echo "file $name $(stat -c %s "$name") $(sha256sum "$name" | cut -d' ' -f1)"
  done)
} >"$work.out"

printf '%s\n' "${notices[@]}" >"$work.notices"
awk 'NR == FNR { notice[$0] = 1; next }
     /^msg / { i = index($0, " | "); text = substr($0, i + 3); if (text in notice) { print "notice " text; next } }
     { print }' "$work.notices" "$golden" >"$work.expected"

diff -u --label expected --label now "$work.expected" "$work.out"
