#!/bin/sh
# Start-up of the settings program against a bare Qt window that only decodes and draws the
# same photograph: wall time from starting the process to the photograph on the screen, and
# peak resident memory. Runs them alternately on a private Xvfb and prints the medians and the
# ratios (goal: 1.2 or less for both); also against the bare window made like the program's
# (menu bar, full screen), which shows how much of the difference plain Qt costs anyway.
# Usage: bench/startup.sh [program] [--bare PATH] [--watcher PATH] [--runs N]
#   program defaults to build/release/src/app/zx4410-setup; the bare window and the watcher
#   are built from bench/startup into build/bench-startup (or $ZX_BENCH_TOOLS) unless given.
set -eu
# shellcheck source=bench/startup/common.sh
. "$(dirname "$0")/startup/common.sh"
on_private_xvfb "$0" "$@"

program=$repo/build/release/src/app/zx4410-setup
bare='' watcher='' runs=10
while [ $# -gt 0 ]; do
    case $1 in
    --bare) bare=$2; shift 2 ;;
    --watcher) watcher=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    *) program=$1; shift ;;
    esac
done
if [ -z "$bare" ] || [ -z "$watcher" ]; then
    build_tools
fi
bare=${bare:-$tools/BareQtWindow}
watcher=${watcher:-$tools/FirstPaintWatcher}
require_program "$program"
xdotool mousemove 1279 1023 # away from every marker

results=$(mktemp)
trap 'rm -f "$results"' EXIT
# Each kind: name, caption, command. "like" is the bare window under a menu bar of three menus,
# filling the screen as the maximised program does: a reference for what plain Qt costs for
# the same sight, printed beside the goal's comparison.
measure() { # kind
    case $1 in
    setup) line=$("$watcher" Setup "$photo" "$program") ;;
    bare) line=$("$watcher" Bare "$photo" "$bare" "$photo") ;;
    like) line=$("$watcher" Bare "$photo" "$bare" --like-program "$photo") ;;
    esac
    echo "$1 $(field first_paint_ms "$line") $(field peak_rss_at_paint_kb "$line") $(field peak_rss_kb "$line")"
}

# One run of each first, not counted, so all find the libraries in the page cache.
for kind in setup bare like; do measure "$kind" >/dev/null; done
printf '%-4s %-6s %14s %18s %18s\n' run kind first_paint_ms rss_at_paint_KiB rss_+500ms_KiB
i=1
while [ "$i" -le "$runs" ]; do
    for kind in setup bare like; do
        row=$(measure "$kind")
        echo "$row" >>"$results"
        echo "$row" | awk -v i="$i" '{ printf "%-4s %-6s %14s %18s %18s\n", i, $1, $2, $3, $4 }'
    done
    i=$((i + 1))
done

column_median() { # kind column
    awk -v k="$1" -v c="$2" '$1 == k { print $c }' "$results" | median
}
row() { # label column scale
    awk -v label="$1" -v s="$3" -v a="$(column_median setup "$2")" -v b="$(column_median bare "$2")" \
        -v c="$(column_median like "$2")" \
        'BEGIN { printf "%-28s %12.1f %10.1f %6.2f %12.1f %6.2f\n", label, a / s, b / s, a / b, c / s, a / c }'
}
echo
echo "Medians of $runs runs each (Xvfb 1280x1024x24; $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1))"
printf '%-28s %12s %10s %6s %12s %6s\n' "" zx4410-setup bare ratio "bare+menu" ratio
printf '%-28s %12s %10s %6s %12s %6s\n' "" "" "826x631" "" "full screen" ""
row "start to first paint, ms" 2 1
row "peak RSS at paint, MiB" 3 1024
row "peak RSS paint+500 ms, MiB" 4 1024
echo "Goal: against the bare window, ratios of time and of peak RSS (paint+500 ms) at most 1.2"
