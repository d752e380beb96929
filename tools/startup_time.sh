#!/usr/bin/env bash
# startup_time.sh PROGRAM [RUNS]: how long the program takes from its start to the title window
# being mapped, on a fresh Xvfb display without a window manager. Prints each run and the median in
# milliseconds. The program runs in a fresh folder with a fresh HOME, as on a first start, with the
# sound as the machine has it (set SDL_AUDIODRIVER to choose another).
set -euo pipefail
program=$(realpath "$1")
runs=${2:-5}
for tool in Xvfb xev xprop stdbuf; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/setup.sh --tests installs it)" >&2; exit 2; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
disown # ended at exit without a word
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

# One run: the milliseconds from the start to the first splash window mapped on the root.
measure() {
  local home=$work/home.$1 line window start app elapsed=""
  mkdir -p "$home"
  coproc XEV { exec stdbuf -oL xev -root -event substructure; }
  pids+=("$XEV_PID")
  sleep 0.3 # xev has selected the root's events
  start=$EPOCHREALTIME
  (cd "$home" && HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    exec "$program" >/dev/null 2>&1) &
  app=$!
  pids+=("$app")
  while IFS= read -r -t 10 line <&"${XEV[0]}"; do
    [[ $line == MapNotify* ]] || continue
    IFS= read -r -t 10 line <&"${XEV[0]}"
    local now=$EPOCHREALTIME
    window=$(sed -n 's/.* window \(0x[0-9a-f]*\),.*/\1/p' <<<"$line")
    if xprop -id "$window" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q SPLASH; then
      elapsed=$(awk -v a="$start" -v b="$now" 'BEGIN { printf "%.1f", (b - a) * 1000 }')
      break
    fi
  done
  kill -KILL "$app" "$XEV_PID" 2>/dev/null || true
  wait "$app" "$XEV_PID" 2>/dev/null || true
  echo "${elapsed:-none}"
}

times=()
for i in $(seq "$runs"); do
  t=$(measure "$i")
  [ "$t" != none ] || { echo "run $i: no title window within 10 s" >&2; exit 1; }
  echo "run $i: $t ms"
  times+=("$t")
done
printf '%s\n' "${times[@]}" | sort -g | awk '{ v[NR] = $1 } END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "median of %d: %.1f ms\n", NR, m }'
