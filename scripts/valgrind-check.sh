#!/bin/sh
# Runs the real program under Valgrind's memcheck on a private Xvfb, drives one whole session
# with xdotool (the tour across both popups, Help > Technical Support, Help > How to use this
# program, then File > Exit) and reports what memcheck found: invalid reads and writes, use of
# uninitialised values, and memory definitely lost at exit. A local check, slow (several
# minutes): the sanitized test run covers the same ground in CI.
#
# Usage: scripts/valgrind-check.sh      (builds the dev configuration first, when needed)
#        ZX_PROGRAM=<path> scripts/valgrind-check.sh      (checks that build of the program)
# Exit code: 0 clean, 3 memcheck found errors, 1 the session could not be driven.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)

if [ -z "${ZX_PROGRAM:-}" ]; then
    [ -f build/dev/build.ninja ] || cmake --preset dev >/dev/null
    cmake --build --preset dev --target zx4410-setup
fi
program=${ZX_PROGRAM:-$root/build/dev/src/app/zx4410-setup}
log=$(dirname "$program")/valgrind.log
suppressions=$root/tests/support/valgrind.supp

fifo_dir=$(mktemp -d)
program_pid=""
# shellcheck disable=SC2317 # run by the trap
cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
    kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$fifo_dir"
}
trap cleanup EXIT INT TERM
mkfifo "$fifo_dir/displayfd"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$fifo_dir/displayfd" 2>/dev/null &
xvfb_pid=$!
read -r display_number <"$fifo_dir/displayfd"
export DISPLAY=":$display_number"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

fail() {
    echo "valgrind-check: $*" >&2
    exit 1
}

# Waits (up to $2 seconds) until a window titled exactly $1 is shown, or ("gone") hidden.
wait_window() {
    title=$1 seconds=$2 want=${3:-shown}
    end=$(($(date +%s) + seconds))
    while [ "$(date +%s)" -le "$end" ]; do
        if xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; then
            [ "$want" = shown ] && return 0
        else
            [ "$want" = gone ] && return 0
        fi
        sleep 0.5
    done
    return 1
}

# Sets X, Y, WIDTH and HEIGHT to the geometry of the window titled exactly $1.
geometry_of() {
    window=$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$window")"
}

click() {
    xdotool mousemove --sync "$1" "$2" click 1
}

# Clicks a popup's centred Next button (58 x 25, 44 pixels above the bottom).
click_next() {
    geometry_of "$1"
    click $((X + (WIDTH - 58) / 2 + 29)) $((Y + HEIGHT - 44 + 12))
}

# Opens the menu whose title stands at x = $1 on the menu bar and picks the entry with the
# underlined letter $2; tries again while the window titled $3 does not appear.
choose_from_menu() {
    for _ in 1 2 3; do
        click "$1" 8
        sleep 3
        xdotool key "$2"
        wait_window "$3" 60 && return 0
        xdotool key Escape
    done
    return 1
}

echo "Running the program under memcheck on Xvfb $DISPLAY (log: $log)"
# A child forked by a system library (libdbus forks one to start a session bus) that ends
# without running its program reports the parent's heap as its own: its report is left out.
valgrind_options="--tool=memcheck --error-exitcode=3 --leak-check=full
  --errors-for-leak-kinds=definite --child-silent-after-fork=yes --num-callers=40
  --log-file=$log"
[ -f "$suppressions" ] && valgrind_options="$valgrind_options --suppressions=$suppressions"
# shellcheck disable=SC2086
valgrind $valgrind_options "$program" &
program_pid=$!

xdotool mousemove 1279 1023
wait_window Setup 600 || fail "the main window did not appear"
wait_window "Instructions for Settings utility" 300 || fail "the help window did not appear"
sleep 5
geometry_of "Instructions for Settings utility"
click $((X + WIDTH / 2)) $((Y + HEIGHT - 20)) # Start
wait_window "Connecting The Watchdog" 120 || fail "Start did not begin the tour"
click_next "Connecting The Watchdog"
wait_window "Relay Enabling" 120 || fail "Next did not reach the second popup"
click_next "Relay Enabling"
wait_window "Relay Enabling" 120 gone || fail "Next did not leave the second popup"
wait_window "Connecting The Watchdog" 120 || fail "Next did not return to the first popup"
choose_from_menu 106 t "Technical Support" || fail "Help > Technical Support showed nothing"
choose_from_menu 106 o "Instructions for Settings utility" \
    || fail "Help > How to use showed nothing"
# File > Exit, again while the program is still there after a minute.
for _ in 1 2 3; do
    click 18 8
    sleep 3
    xdotool key e
    end=$(($(date +%s) + 60))
    while kill -0 "$program_pid" 2>/dev/null && [ "$(date +%s)" -le "$end" ]; do
        sleep 1
    done
    kill -0 "$program_pid" 2>/dev/null || break
done

status=0
wait "$program_pid" || status=$?
program_pid=""
echo
grep -E "ERROR SUMMARY|definitely lost|indirectly lost|possibly lost|still reachable" "$log" || true
case $status in
0) echo "valgrind-check: clean (exit code 0)" ;;
3) echo "valgrind-check: memcheck found errors (exit code 3); see $log" ;;
*) echo "valgrind-check: the program ended with exit code $status; see $log" ;;
esac
exit "$status"
