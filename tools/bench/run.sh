#!/usr/bin/env bash
# Measures the game under a virtual X server against a bare Qt window in the
# same run: time to the welcome pager against the bare window's time to show,
# resident memory against the bare window's, and processor time at rest and
# while the information strip scrolls.  Prints the medians of five runs.
# Usage: tools/bench/run.sh [build folder]   (needs xvfb, xdotool and bc)
set -euo pipefail
build=$(realpath "${1:-build}")
game="$build/kestrix"
bare="$build/bench/bare_window"
[ -x "$game" ] && [ -x "$bare" ] || { echo "build the game first: $game, $bare" >&2; exit 1; }
for tool in Xvfb xdotool bc; do
  command -v $tool >/dev/null || { echo "missing $tool (apt-get install xvfb xdotool)" >&2; exit 1; }
done

fail() { echo "bench: $*" >&2; exit 1; }
out=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" $xvfb 2>/dev/null || true; rm -rf "$out"' EXIT
# A display of its own, kept up between runs: without -noreset the server
# restarts whenever its last window closes, and the next program may find no
# server to talk to.  It names its display once it takes connections.
Xvfb -displayfd 5 -screen 0 1280x800x24 -nolisten tcp -noreset 5>"$out/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 200); do [ -s "$out/display" ] && break; sleep 0.05; done
[ -s "$out/display" ] || fail "the virtual X server did not start within 10 s"
export DISPLAY=:$(cat "$out/display")

now() { date +%s.%N; }
# Waits at most 20 s for a window of the program with this pid; a program
# that died or never showed the window ends the run with a clear message.
wait_for_window() { # title, pid
  local deadline=$((SECONDS + 20))
  until xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; do
    kill -0 "$2" 2>/dev/null ||
      fail "the program (pid $2) ended before its window \"$1\" showed: $(tail -3 "$out/errors" 2>/dev/null)"
    [ $SECONDS -lt $deadline ] || fail "no window \"$1\" within 20 s"
    sleep 0.005
  done
}
cpu_ticks() {
  [ -r "/proc/$1/stat" ] || fail "the program (pid $1) ended during the measurement"
  awk '{print $14 + $15}' "/proc/$1/stat"
}
cpu_seconds_over() {
  local pid=$1 seconds=$2 before after
  before=$(cpu_ticks "$pid"); sleep "$seconds"; after=$(cpu_ticks "$pid")
  echo "($after - $before) / $(getconf CLK_TCK)" | bc -l
}
click_in() { # window id, x, y inside the window
  local id=$1 x=$2 y=$3 wx wy
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xdotool mousemove $((X + x)) $((Y + y)) click 1
}

rss_kib() { awk '/VmRSS/ {print $2}' "/proc/$1/status"; }

# One run: the bare window, then the game beside it; each figure goes to a file of its own.
measure() {
  local start bare_pid game_pid pager main scroll_start
  start=$(now); "$bare" >/dev/null 2>"$out/errors" & bare_pid=$!; pids+=($bare_pid)
  wait_for_window "Bare Qt Window" $bare_pid; echo "$(now) - $start" | bc -l >> "$out/bare_start"
  start=$(now); "$game" >/dev/null 2>"$out/errors" & game_pid=$!; pids+=($game_pid)
  wait_for_window "Pager Message" $game_pid; echo "$(now) - $start" | bc -l >> "$out/game_start"

  pager=$(xdotool search --onlyvisible --name '^Pager Message$' | head -1)
  click_in "$pager" 164 90            # "Okay"
  wait_for_window "Welcome newbie!" $game_pid
  sleep 0.2
  xdotool key ctrl+a type bench
  xdotool key Return
  sleep 1
  cpu_seconds_over "$game_pid" 10 >> "$out/rest"

  main=$(xdotool search --onlyvisible --name '^Kestrix$' | head -1)
  scroll_start=$(cpu_ticks "$game_pid")
  for _ in 1 2 3 4; do               # the details take about three seconds to pass
    click_in "$main" 200 280
    sleep 2.5
  done
  echo "($(cpu_ticks "$game_pid") - $scroll_start) / $(getconf CLK_TCK)" | bc -l >> "$out/scrolling"
  rss_kib "$game_pid" >> "$out/game_rss"
  rss_kib "$bare_pid" >> "$out/bare_rss"
  kill "$game_pid" "$bare_pid"; wait "$game_pid" "$bare_pid" 2>/dev/null || true
}

median() { sort -g "$out/$1" | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

runs=5
for run in $(seq $runs); do
  measure
  echo "run $run of $runs done" >&2
done

bare_start=$(median bare_start) game_start=$(median game_start)
bare_rss=$(median bare_rss) game_rss=$(median game_rss)
rest=$(median rest) scrolling=$(median scrolling)
echo "Medians of $runs runs:"
printf 'start to window, bare Qt window:       %.3f s\n' "$bare_start"
printf 'start to welcome pager, Kestrix:       %.3f s   %.2f times the bare window (at most 1.3)\n' \
  "$game_start" "$(echo "$game_start / $bare_start" | bc -l)"
printf 'resident memory, bare Qt window:       %d KiB\n' "$bare_rss"
printf 'resident memory, Kestrix:              %d KiB   %.2f times the bare window (at most 1.3)\n' \
  "$game_rss" "$(echo "$game_rss / $bare_rss" | bc -l)"
printf 'processor time over 10 s at rest:      %.3f s   %.1f %% of one core (0)\n' \
  "$rest" "$(echo "$rest * 10" | bc -l)"
printf 'processor time over 10 s of scrolling: %.3f s   %.1f %% of one core (at most 2)\n' \
  "$scrolling" "$(echo "$scrolling * 10" | bc -l)"
