#!/usr/bin/env bash
# The script driver over a pipe kept open: each line is answered before the next is sent, as a program
# that plays it move by move needs (it reads the answer, then chooses what to send).
set -uo pipefail
driver=$1
work=$(mktemp -d)
trap 'kill "${COPROC_PID:-}" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work" || exit 1
fail() { echo "FAIL: $*"; exit 1; }
coproc QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$driver" -
to=${COPROC[1]}
from=${COPROC[0]}
# expect PREFIX: reads lines until one starts with PREFIX (60 s at most: a sanitizer build starts slowly).
expect() {
  local line
  while IFS= read -r -t 60 line <&"$from"; do
    [[ $line == "$1"* ]] && { got=$line; return 0; }
  done
  fail "no line starting with '$1' while the pipe stayed open"
}
# A question of start-up's is answered from the top, then the program starts with the first command.
echo "answer No" >&"$to"
echo "state" >&"$to"
expect "state LEVEL=3"
# Two players, the lower pawn of file 7 forward: the move is listed before anything else is sent.
echo "menu START" >&"$to"
echo "click L 4 8" >&"$to"
echo "click L 4 7" >&"$to"
echo "moves" >&"$to"
expect "move 1 "
[ "$got" = "move 1 ▲７六歩" ] || fail "the first move listed: $got"
echo "ok: $got answered on an open pipe"
# The answer to the second move comes before the third is sent.
echo "click L 8 4" >&"$to"
echo "click L 8 5" >&"$to"
echo "moves" >&"$to"
expect "move 2 "
echo "ok: $got answered on an open pipe"
exec {to}>&-
wait "$COPROC_PID"
status=$?
((status == 0)) || fail "the driver ended with status $status"
echo "ok: the driver ended with the pipe"
