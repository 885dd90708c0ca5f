#!/usr/bin/env bash
# Measures the game under a virtual X server against two Qt programs built
# beside it: the bare window (tools/bench/bare_window.cpp), the least a Qt
# program with a window costs, and the same-work reference
# (tools/bench/same_work.cpp), which shows what the game shows at its welcome
# with no game behind it.  Each program runs alone in turn.  For the reference
# and the game: the time to the welcome pager (five starts a run, as one start
# varies by tens of milliseconds from the next), the resident memory after the
# alias box and the scrolling, and the processor time at rest and while the
# main window's strip scrolls.  Prints each run's figures, then the medians.
# Usage: tools/bench/run.sh [build folder] [runs]   (needs xvfb, xdotool and bc)
set -euo pipefail
# The script reads and prints its figures with a decimal point whatever the
# locale; the programs it measures run in the player's own.
if [ -n "${LC_ALL+set}" ]; then as_player=(env "LC_ALL=$LC_ALL"); else as_player=(env -u LC_ALL); fi
export LC_ALL=C
build=$(realpath "${1:-build}")
runs=${2:-5}
game="$build/kestrix"
bare="$build/bench/bare_window"
reference="$build/bench/same_work"
for program in "$game" "$bare" "$reference"; do
  [ -x "$program" ] || { echo "build the game first: $program is missing" >&2; exit 1; }
done
for tool in Xvfb xdotool bc; do
  command -v $tool >/dev/null || { echo "missing $tool (apt-get install xvfb xdotool bc)" >&2; exit 1; }
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
load() { cut -d' ' -f1-3 /proc/loadavg; }
# The shown window of the program with this pid that has this title.
window_of() { # title, pid
  xdotool search --all --pid "$2" --onlyvisible --name "^$1\$" 2>/dev/null | head -1
}
# Waits at most 20 s for a window of the program with this pid; a program
# that died or never showed the window ends the run with a clear message.
wait_for_window() { # title, pid
  local deadline=$((SECONDS + 20))
  until [ -n "$(window_of "$1" "$2")" ]; do
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
cpu_seconds_since() { # pid, ticks before
  echo "($(cpu_ticks "$1") - $2) / $(getconf CLK_TCK)" | bc -l
}
click_in() { # window id, x, y inside the window
  local id=$1 x=$2 y=$3 X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xdotool mousemove $((X + x)) $((Y + y)) click 1
}
rss_kib() { awk '/VmRSS/ {print $2}' "/proc/$1/status"; }
record() { echo "$2" >> "$out/$1"; } # figure, value
end() { kill "$1"; wait "$1" 2>/dev/null || true; }

launch() { # program; the started program's pid goes to $pid
  "${as_player[@]}" "$1" >/dev/null 2>"$out/errors" & pid=$!; pids+=($pid)
}
started() { # name, start time: the time to the window, for the run and for the medians
  local seconds
  seconds=$(echo "$(now) - $2" | bc -l)
  record ${1}_start "$seconds"
  record run_${1}_start "$seconds"
}

# One start to the first window, the bare window's or the welcome pager.
measure_start() { # name, program, title
  local start pid
  start=$(now); launch "$2"
  wait_for_window "$3" $pid
  started $1 "$start"
  end $pid
}

# The bare window: its time to show and its resident memory once shown.
measure_bare() {
  local start pid
  start=$(now); launch "$bare"
  wait_for_window "Bare Qt Window" $pid
  started bare "$start"
  sleep 1
  record bare_rss "$(rss_kib $pid)"
  end $pid
}

# The reference or the game, named by `name`: to the welcome pager, through
# "Okay" and the alias box, 10 s at rest, then four clicks on the strip that
# each scroll a server's details through it.
measure_welcome() { # name, program
  local name=$1 start pid before
  start=$(now); launch "$2"
  wait_for_window "Pager Message" $pid
  started $name "$start"

  click_in "$(window_of "Pager Message" $pid)" 164 90   # "Okay"
  wait_for_window "Welcome newbie!" $pid
  sleep 0.2
  xdotool key ctrl+a type bench
  xdotool key Return
  sleep 1
  before=$(cpu_ticks $pid); sleep 10
  record ${name}_rest "$(cpu_seconds_since $pid "$before")"

  before=$(cpu_ticks $pid)
  for _ in 1 2 3 4; do               # the details take about three seconds to pass
    click_in "$(window_of "Kestrix" $pid)" 200 280
    sleep 2.5
  done
  record ${name}_scrolling "$(cpu_seconds_since $pid "$before")"
  record ${name}_rss "$(rss_kib $pid)"
  end $pid
}

last() { tail -1 "$out/$1"; }
median() { sort -g "$out/$1" | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
ratio() { echo "$1 / $2" | bc -l; }

# A start varies by tens of milliseconds from one to the next: each run starts
# each program five times, the reference and the game in turn, the last time
# for the whole measurement.
starts=5
load_before=$(load)
for run in $(seq "$runs"); do
  rm -f "$out"/run_*
  measure_bare
  for _ in $(seq $((starts - 1))); do
    measure_start bare "$bare" "Bare Qt Window"
    measure_start reference "$reference" "Pager Message"
    measure_start game "$game" "Pager Message"
  done
  measure_welcome reference "$reference"
  measure_welcome game "$game"
  printf 'run %d of %d: start %.3f / %.3f / %.3f s (medians of %d), memory %d / %d / %d KiB (bare / reference / Kestrix), strip %.2f / %.2f s, load %s\n' \
    "$run" "$runs" "$(median run_bare_start)" "$(median run_reference_start)" "$(median run_game_start)" $starts \
    "$(last bare_rss)" "$(last reference_rss)" "$(last game_rss)" \
    "$(last reference_scrolling)" "$(last game_scrolling)" "$(load)" >&2
done

bare_start=$(median bare_start) reference_start=$(median reference_start) game_start=$(median game_start)
bare_rss=$(median bare_rss) reference_rss=$(median reference_rss) game_rss=$(median game_rss)
reference_rest=$(median reference_rest) game_rest=$(median game_rest)
reference_scrolling=$(median reference_scrolling) game_scrolling=$(median game_scrolling)
echo "Medians of $runs runs, $((runs * starts)) starts of each program (load average $load_before before, $(load) after):"
line() { printf '%-51s%s\n' "$1" "$2"; }
percent() { printf '%.3f s   %.1f %% of one core' "$1" "$(echo "$1 * 10" | bc -l)"; }
line "start to window, bare Qt window:" "$(printf '%.3f s' "$bare_start")"
line "start to welcome pager, same-work reference:" "$(printf '%.3f s' "$reference_start")"
line "start to welcome pager, Kestrix:" "$(printf '%.3f s   %.2f times the same-work reference (at most 1.2), %.2f times the bare window' \
  "$game_start" "$(ratio "$game_start" "$reference_start")" "$(ratio "$game_start" "$bare_start")")"
line "resident memory, bare Qt window:" "$(printf '%d KiB' "$bare_rss")"
line "resident memory, same-work reference:" "$(printf '%d KiB' "$reference_rss")"
line "resident memory, Kestrix:" "$(printf '%d KiB   %.2f times the same-work reference (at most 1.2), %.2f times the bare window' \
  "$game_rss" "$(ratio "$game_rss" "$reference_rss")" "$(ratio "$game_rss" "$bare_rss")")"
line "processor time over 10 s at rest, reference:" "$(percent "$reference_rest")"
line "processor time over 10 s at rest, Kestrix:" "$(percent "$game_rest") (0)"
line "processor time over 10 s of scrolling, reference:" "$(percent "$reference_scrolling")"
line "processor time over 10 s of scrolling, Kestrix:" "$(percent "$game_scrolling") (at most 2)"
