#!/usr/bin/env bash
# The program in a real window under X with a window manager, started where no sound device opens:
# the title window is painted while start-up waits, the no-sound warning comes after it, over the
# main window, the main window's frame (title bar included) is placed at the top left of the screen,
# and SIGTERM ends the program in order. Then, with sound: SIGTERM with a message box open, SIGTERM
# (once and twice) and closing the window while LEVEL4 thinks end the program in order and keep the
# game, so do SIGTERM during ヒント and 検討, and clicks made while the computer thinks are dropped. The times from the request to the end
# are printed.
set -uo pipefail
program=$1
# Leaks inside the system's libraries are not the program's (the same list as the other tests).
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$(cd "$(dirname "$0")/.." && pwd)/lsan.supp}
for tool in Xvfb openbox xdotool xwininfo xprop xwd xwdtopnm ppmhist; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing (scripts/setup.sh installs it)"; exit 77; }
done

work=$(mktemp -d)
# The window size the player left is remembered: start from none. The player's files (the kept game)
# go to a per-user folder of the test's own.
export XDG_CONFIG_HOME="$work/config"
export XDG_DATA_HOME="$work/data"
# The boxes are looked for by their Japanese titles: the program speaks Japanese whatever the locale.
# LEVEL4 thinks 3 s a move, so that it is still thinking when the quit comes on a loaded machine.
mkdir -p "$XDG_CONFIG_HOME/tessora"
printf '[options]\nlanguage=ja\n[level4]\nthink_3s=true\n' >"$XDG_CONFIG_HOME/tessora/tessora.conf"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
# wait_for SECONDS COMMAND...: retries the command every 0.1 s until it succeeds or time is up.
wait_for() {
  local until=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < until)) || return 1
    sleep 0.1
  done
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for 30 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for 30 wm_running || fail "openbox did not start"

cd "$work" || exit 1
SDL_AUDIODRIVER=no-such-driver "$program" >"$work/program.log" 2>&1 &
app=$!
pids+=("$app")

# The title window: painted (many colours) at least once while it is shown.
find_title() {
  title=""
  for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
    xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q SPLASH && title=$w
  done
  [ -n "$title" ]
}
wait_for 30 find_title || fail "no title window"
painted=0
while xwininfo -id "$title" 2>/dev/null | grep -q IsViewable; do
  colours=$(xwd -id "$title" 2>/dev/null | xwdtopnm 2>/dev/null | ppmhist -noheader 2>/dev/null | wc -l)
  if ((colours > 50)); then painted=1; break; fi
  sleep 0.2
done
((painted)) || fail "the title window was never painted"

# Then the no-sound warning, a dialog of the shown main window; OK closes it.
of_type() { xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q "$2"; }
find_box() {
  box=""
  for w in $(xdotool search --onlyvisible --pid "$app" --name '^Tessora$' 2>/dev/null); do
    of_type "$w" DIALOG && box=$w
  done
  [ -n "$box" ]
}
wait_for 60 find_box || fail "no no-sound warning"
xwininfo -id "$title" 2>/dev/null | grep -q IsViewable && fail "the warning came while the title was shown"
main_shown() { for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do of_type "$w" NORMAL && return 0; done; return 1; }
main_shown || fail "the warning came before the main window"
xdotool windowactivate --sync "$box" key Return

# The main window: its frame at the top left, so the title bar is on the screen.
find_main() {
  main=""
  for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
    xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q NORMAL && main=$w
  done
  [ -n "$main" ]
}
frame_at_top_left() {
  local extents x y
  find_main || return 1
  extents=$(xprop -id "$main" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.* = //p' | tr -d ' ')
  [ -n "$extents" ] || return 1
  IFS=, read -r left _ top _ <<<"$extents"
  x=$(xwininfo -id "$main" | sed -n 's/.*Absolute upper-left X: *//p')
  y=$(xwininfo -id "$main" | sed -n 's/.*Absolute upper-left Y: *//p')
  echo "client at $x,$y; frame extents left $left, top $top" >"$work/geometry"
  ((top > 0 && x - left == 0 && y - top == 0))
}
wait_for 30 frame_at_top_left || fail "frame not at the top left: $(cat "$work/geometry")"

# SIGTERM ends the program in order: it leaves through its event loop with status 0.
kill -TERM "$app"
wait_for 30 bash -c "! kill -0 $app 2>/dev/null" || fail "SIGTERM did not end the program"
wait "$app"
status=$?
((status == 0)) || { cat "$work/program.log"; fail "exit status $status after SIGTERM"; }
echo "ok: $(cat "$work/geometry") (at ${SECONDS} s)"

# --- A game in a fresh folder of its own, with the dummy sound driver (no warning box).
menu_bar_height=19 # the window's client area is the canvas (665 pixels high) under the menu bar
# start_game NAME [VAR=VALUE...]: the program in a folder of its own, with those variables set.
start_game() {
  game="$work/$1"
  mkdir -p "$game" && cd "$game" || exit 1
  rm -f "$XDG_DATA_HOME/tessora/前回の対局.棋譜"
  env SDL_AUDIODRIVER=dummy "${@:2}" "$program" >"$game/program.log" 2>&1 &
  app=$!
  pids+=("$app")
  wait_for 60 find_main || fail "$1: no main window"
  wait_for 30 frame_at_top_left || fail "$1: the window was not placed"
  sleep 0.3
}
# The centre of cell (x, y) in the window's client area.
cell() { echo $(((1050 + 570 * $1 + 285) / 15)) $(((700 + 660 * $2 + 330) / 15 + menu_bar_height)); }
click_cell() { xdotool mousemove --window "$main" $(cell "$1" "$2") click 1; }
# Opens 対局 and walks its items with the keyboard.
taikyoku() {
  xdotool mousemove --window "$main" 22 9 click 1
  sleep 0.4
  xdotool key --delay 60 "$@"
  sleep 0.3
}
# A message box of the program with that title (a regular expression).
find_box_named() {
  box=""
  for w in $(xdotool search --onlyvisible --pid "$app" --name "$1" 2>/dev/null); do
    xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q DIALOG && box=$w
  done
  [ -n "$box" ]
}
# LEVEL4, 先手 (answering MANの番です), then the human's first move: the computer thinks.
level4_first_move() {
  taikyoku Down Down Down Right Down Down Down Return
  taikyoku Down Down Right Return
  wait_for 10 find_box_named '^ $' || fail "$1: no MANの番です"
  xdotool windowactivate --sync "$box" key Return
  sleep 0.3
  click_cell 7 8
  click_cell 7 7
}
# Screenshots go to $TESSORA_WINDOW_SHOTS when it is set (to look at them), else they go with $work.
shots=${TESSORA_WINDOW_SHOTS:-$work}
shot() { xwd -id "$1" 2>/dev/null | xwdtopnm 2>/dev/null | pnmtopng >"$shots/$2.png" 2>/dev/null; }
# The place left of the board where "思考中" stands while the computer thinks and its move after.
thinking_place() { xwd -id "$main" 2>/dev/null | xwdtopnm 2>/dev/null | pnmcut -left 5 -top 430 -width 70 -height 25 | md5sum; }
# The time from now until the program has ended, in milliseconds, and its exit status.
ended_after() {
  local t0=$(date +%s%N) watchdog
  (sleep 30 && kill -KILL "$app") >/dev/null 2>&1 &
  watchdog=$!
  wait "$app"
  status=$?
  elapsed=$((($(date +%s%N) - t0) / 1000000))
  pkill -P "$watchdog" sleep 2>/dev/null
  kill "$watchdog" 2>/dev/null
  ((status != 137)) || fail "$1: the program did not end"
  ((status == 0)) || { cat "$game/program.log"; fail "$1: exit status $status"; }
}
kept="$XDG_DATA_HOME/tessora/前回の対局.棋譜"
record_lines() { [ -f "$kept" ] && echo $(($(wc -l <"$kept") - 3)) || echo none; }

# SIGTERM while a message box is open: the box is closed and the program ends in order.
start_game box
click_cell 5 5 # no game yet: 「対局」で始めて下さい
wait_for 10 find_box_named '^開始$' || fail "box: no message box"
shot "$box" box
kill -TERM "$app"
ended_after "SIGTERM with a box open"
echo "ok: SIGTERM with a message box open ended the program in ${elapsed} ms (at ${SECONDS} s)"

# A quit request while LEVEL4 thinks stops the search: the game is kept with the human's move.
for how in SIGTERM "SIGTERM twice" close; do
  start_game "think-${how// /-}"
  level4_first_move "$how"
  sleep 0.3
  shot "$main" "thinking-${how// /-}"
  case $how in
  SIGTERM) kill -TERM "$app" ;;
  "SIGTERM twice") kill -TERM "$app"; kill -TERM "$app" ;;
  close) xdotool windowactivate --sync "$main" key alt+F4 ;;
  esac
  ended_after "$how while LEVEL4 thinks"
  [ "$(record_lines)" = 1 ] || fail "$how while LEVEL4 thinks: kept record lines $(record_lines), not 1"
  echo "ok: $how while LEVEL4 thinks ended the program in ${elapsed} ms, the game kept (at ${SECONDS} s)"
done

# SIGTERM while LEVEL4 works for the player: during ヒント (two players, after one move) and during 検討
# of four moves. The search stops at once; the game is kept.
two_players_started() {
  taikyoku Down Right Return
  wait_for 10 find_box_named '^ $' || fail "$1: no 先手の番です"
  xdotool windowactivate --sync "$box" key Return
  sleep 0.3
}
for what in hint review; do
  start_game "quit-during-$what"
  two_players_started "$what"
  moves=("4 8 4 7" "8 4 8 5" "9 8 9 7" "2 4 2 5")
  [ "$what" = hint ] && moves=("4 8 4 7")
  for m in "${moves[@]}"; do
    read -r fx fy tx ty <<<"$m"
    click_cell "$fx" "$fy"
    sleep 0.1
    click_cell "$tx" "$ty"
    sleep 0.1
  done
  if [ "$what" = hint ]; then
    taikyoku Down Down Down Down Down Return # 対局 → ヒント
  else
    xdotool mousemove --window "$main" 200 9 click 1 # 棋譜 → 検討
    sleep 0.4
    xdotool key --delay 60 Down Down Down Return
  fi
  sleep 0.3
  shot "$main" "quit-during-$what"
  kill -TERM "$app"
  ended_after "SIGTERM during $what"
  [ "$(record_lines)" = "${#moves[@]}" ] || fail "SIGTERM during $what: kept record lines $(record_lines)"
  echo "ok: SIGTERM during $what ended the program in ${elapsed} ms, the game kept (at ${SECONDS} s)"
done

# Clicks while the computer thinks are dropped: after its reply the human is still to move, with the
# pawn clicked at meanwhile where it was.
start_game dropped
level4_first_move dropped
sleep 0.15
click_cell 2 8
click_cell 2 7
thinking=$(thinking_place)
shot "$main" thinking-clicked
replied() { [ "$(thinking_place)" != "$thinking" ]; }
wait_for 120 replied || fail "the computer did not reply"
sleep 1
shot "$main" after-reply
kill -TERM "$app"
ended_after "dropped input"
[ "$(record_lines)" = 2 ] || fail "clicks while the computer thought played a move: $(record_lines) record lines"
last=$(tail -n 1 "$kept")
[ "${last:$(((2 - 1) * 44 + (8 - 1) * 4)):4}" = " -10" ] || fail "the pawn clicked at while the computer thought moved"
echo "ok: clicks while LEVEL4 thought were dropped (at ${SECONDS} s)"

# The window is not made smaller than the size at which its texts are read (scale 1: the canvas and
# the list, 965 x 665, under the menu bar), here where the screen holds it.
client_size() { xwininfo -id "$main" | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w, h}'; }
start_game small
xdotool windowsize --sync "$main" 640 420 2>/dev/null
sleep 0.5
read -r width height <<<"$(client_size)"
((width >= 965 && height >= 665 + menu_bar_height)) || fail "the window was made ${width}x${height}"
echo "ok: asked for 640x420, the window stayed ${width}x${height} (at ${SECONDS} s)"
kill -TERM "$app"
ended_after "the smallest window"
# A start under a desktop scaled by 2 leaves the next ordinary start at no less than scale 1.
start_game scaled-by-2 QT_SCALE_FACTOR=2
kill -TERM "$app"
ended_after "scaled by 2"
start_game after-scaled
read -r width height <<<"$(client_size)"
((width >= 965 && height >= 665 + menu_bar_height)) || fail "after a start scaled by 2: ${width}x${height}"
echo "ok: after a start scaled by 2 the next start opened at ${width}x${height} (at ${SECONDS} s)"
kill -TERM "$app"
ended_after "after scaled"
