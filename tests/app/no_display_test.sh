#!/bin/sh
# no_display_test.sh KINOVRA: without any display kinovra says so in one line and ends with an
# error of its own (not a crash or an abort).
set -u
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1)
status=$?
echo "exit code $status: $output"
[ "$status" -ne 0 ] && [ "$status" -lt 128 ] || exit 1
[ "$(printf '%s\n' "$output" | wc -l)" -eq 1 ] || exit 1
printf '%s\n' "$output" | grep -q "no display" || exit 1
