#!/usr/bin/env bash
# The program in a real window under X with a window manager, started where no sound device opens:
# the title window is painted while start-up waits, the no-sound warning comes after it, over the
# main window, the main window's frame (title bar included) is placed at the top left of the screen,
# and SIGTERM ends the program in order.
set -uo pipefail
program=$1
# Leaks inside the system's libraries are not the program's (the same list as the other tests).
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$(cd "$(dirname "$0")/.." && pwd)/lsan.supp}
for tool in Xvfb openbox xdotool xwininfo xprop xwd xwdtopnm ppmhist; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing (scripts/setup.sh installs it)"; exit 77; }
done

work=$(mktemp -d)
# The window size the player left is remembered: start from none.
export XDG_CONFIG_HOME="$work/config"
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
echo "ok: $(cat "$work/geometry")"
