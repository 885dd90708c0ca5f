#!/bin/bash
# Starts the game on a virtual X server of its own with the desktop's
# accessibility bus, and reads it as a screen reader would.  Run it inside a
# session bus of its own:  dbus-run-session -- tests/a11y/run.sh build/kestrix
set -u
game=$1
display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
trap 'kill $server $player 2>/dev/null' EXIT
export DISPLAY=$display QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_DATA_HOME=$(mktemp -d)
sleep 1
# The bus starts before the game, which looks for it once as it starts.
dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
"$game" >/dev/null 2>&1 &
player=$!
/usr/bin/python3 "$(dirname "$0")/reads_the_game.py"
