#!/bin/sh
# xvfb_close_test.sh KINOVRA CLOSER: runs kinovra on a display of its own, closes its window the
# way a window manager does, and expects the program to end normally (exit code 0).
set -u
kinovra=$1
closer=$2

dir=$(mktemp -d)
xvfb=
app=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$dir"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    for log in "$dir"/*.log; do
        [ -s "$log" ] && { echo "--- $(basename "$log")"; cat "$log"; }
    done
    exit 1
}

# Xvfb picks a free display itself and writes its number to the pipe once it accepts clients.
mkfifo "$dir/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
read -r number <"$dir/display" || fail "Xvfb did not start"
[ -n "$number" ] || fail "Xvfb did not start"

env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=":$number" "$kinovra" >"$dir/kinovra.log" 2>&1 &
app=$!
DISPLAY=":$number" "$closer" "Kinovra  " 30 "$app" >"$dir/closer.log" 2>&1 || fail "window not found"

wait "$app"
status=$?
app=
[ "$status" -eq 0 ] || fail "kinovra ended with exit code $status"
echo "kinovra ended with exit code 0 after the window was closed"
