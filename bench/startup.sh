#!/bin/sh
# Start-up of the settings program against a bare Qt window that only decodes and draws the
# same photograph: wall time from starting the process to the photograph on the screen, and
# peak resident memory. Runs both alternately on a private Xvfb and prints the medians and the
# ratios (goal: 1.2 or less for both).
# Usage: bench/startup.sh [program] [--bare PATH] [--watcher PATH] [--runs N]
#   program defaults to build/release/src/app/zx4410-setup; the bare window and the watcher
#   are built from bench/startup into build/bench-startup (or $ZX_BENCH_TOOLS) unless given.
set -eu
. "$(dirname "$0")/startup/common.sh"
on_private_xvfb "$0" "$@"

program=$repo/build/release/src/app/zx4410-setup
bare= watcher= runs=10
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
measure() { # name caption program...
    name=$1 caption=$2
    shift 2
    line=$("$watcher" "$caption" "$photo" "$@")
    echo "$name $(field first_paint_ms "$line") $(field peak_rss_at_paint_kb "$line") $(field peak_rss_kb "$line")"
}

# One run of each first, not counted, so both find the libraries in the page cache.
measure setup Setup "$program" >/dev/null
measure bare Bare "$bare" "$photo" >/dev/null
printf '%-4s %-6s %14s %18s %18s\n' run which first_paint_ms rss_at_paint_KiB rss_+500ms_KiB
i=1
while [ "$i" -le "$runs" ]; do
    for which in setup bare; do
        if [ "$which" = setup ]; then
            row=$(measure setup Setup "$program")
        else
            row=$(measure bare Bare "$bare" "$photo")
        fi
        echo "$row" >>"$results"
        echo "$row" | awk -v i="$i" '{ printf "%-4s %-6s %14s %18s %18s\n", i, $1, $2, $3, $4 }'
    done
    i=$((i + 1))
done

column_median() { # which column
    awk -v w="$1" -v c="$2" '$1 == w { print $c }' "$results" | median
}
setup_ms=$(column_median setup 2) bare_ms=$(column_median bare 2)
setup_paint_kb=$(column_median setup 3) bare_paint_kb=$(column_median bare 3)
setup_kb=$(column_median setup 4) bare_kb=$(column_median bare 4)
echo
echo "Medians of $runs runs each (Xvfb 1280x1024x24; $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1))"
printf '%-28s %12s %12s %8s\n' "" zx4410-setup bare ratio
awk -v a="$setup_ms" -v b="$bare_ms" 'BEGIN { printf "%-28s %12.1f %12.1f %8.2f\n", "start to first paint, ms", a, b, a / b }'
awk -v a="$setup_paint_kb" -v b="$bare_paint_kb" 'BEGIN { printf "%-28s %12.1f %12.1f %8.2f\n", "peak RSS at paint, MiB", a / 1024, b / 1024, a / b }'
awk -v a="$setup_kb" -v b="$bare_kb" 'BEGIN { printf "%-28s %12.1f %12.1f %8.2f\n", "peak RSS paint+500 ms, MiB", a / 1024, b / 1024, a / b }'
echo "Goal: ratios of time and of peak RSS (paint+500 ms) at most 1.2"
