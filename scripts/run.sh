#!/bin/sh
# Builds the release configuration and starts the program. Without a display (no DISPLAY and
# no WAYLAND_DISPLAY) it runs the program on a private Xvfb, saves a screenshot once the main
# window has been painted, says where, and ends the program through File > Exit.
set -eu
cd "$(dirname "$0")/.."
./scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
program=build/release/src/app/zx4410-setup

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

shot=$(pwd)/build/release/screenshot.png
fifo_dir=$(mktemp -d)
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$fifo_dir"' EXIT INT TERM
mkfifo "$fifo_dir/displayfd"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo_dir/displayfd" 2>/dev/null &
xvfb_pid=$!
read -r display_number <"$fifo_dir/displayfd"
export DISPLAY=":$display_number"

echo "No display found: running the program on Xvfb $DISPLAY"
"$program" &
program_pid=$!
timeout 30 xdotool search --sync --onlyvisible --name '^Setup$' >/dev/null
# The help window follows the first idle moment by about 100 ms; let both settle.
sleep 2
import -window root "$shot"
echo "Screenshot of the running program saved to $shot"
# File, then Exit where the menu drops down (the help window has the keyboard, so no keys).
for _ in 1 2 3; do
    xdotool mousemove 20 9 click 1
    sleep 0.5
    xdotool mousemove 30 30 click 1
    if timeout 3 sh -c "while kill -0 $program_pid 2>/dev/null; do sleep 0.1; done"; then
        break
    fi
done
kill "$program_pid" 2>/dev/null || true
wait "$program_pid" && status=0 || status=$?
echo "The program ended with exit code $status"
