#!/bin/sh
# Runs a command on a private Xvfb display (1280 x 1024, 24-bit, or ZX_XVFB_SCREEN), so that
# tests that need a real X server never share one or depend on the caller's desktop.
set -eu
fifo_dir=$(mktemp -d)
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$fifo_dir"' EXIT INT TERM
mkfifo "$fifo_dir/displayfd"
Xvfb -displayfd 3 -screen 0 "${ZX_XVFB_SCREEN:-1280x1024x24}" -nolisten tcp -noreset 3>"$fifo_dir/displayfd" 2>/dev/null &
xvfb_pid=$!
read -r display_number <"$fifo_dir/displayfd"
export DISPLAY=":$display_number"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
"$@"
