#!/bin/sh
# What the settings program costs while nobody uses it: started on a private Xvfb with the
# pointer resting in the screen's corner, left 3 s to settle, then watched for 10 s. Reports
# the CPU time it used (goal: 10 ms or less) and how often its threads woke (goal: no
# periodic wake-ups, so no context switches at all).
# Usage: bench/idle-cost.sh [program] [--settle S] [--watch S]
#   program defaults to build/release/src/app/zx4410-setup.
set -eu
# shellcheck source=bench/startup/common.sh
. "$(dirname "$0")/startup/common.sh"
on_private_xvfb "$0" "$@"

program=$repo/build/release/src/app/zx4410-setup
settle=3 watch=10
while [ $# -gt 0 ]; do
    case $1 in
    --settle) settle=$2; shift 2 ;;
    --watch) watch=$2; shift 2 ;;
    *) program=$1; shift ;;
    esac
done
require_program "$program"

# Whole-process utime + stime in clock ticks.
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
# Per thread: name, nanoseconds on a CPU, voluntary + involuntary context switches.
threads() {
    for task in /proc/"$pid"/task/*; do
        printf '%s %s %s %s\n' "${task##*/}" "$(tr ' ' '_' <"$task/comm")" "$(cut -d' ' -f1 "$task/schedstat")" \
            "$(awk '/ctxt_switches/ { n += $2 } END { print n }' "$task/status")"
    done
}

xdotool mousemove 1279 1023
"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -f "$before" "$after" "$perf_out"' EXIT
before=$(mktemp) after=$(mktemp) perf_out=$(mktemp)
timeout 30 xdotool search --sync --onlyvisible --name '^Setup$' >/dev/null
sleep "$settle"

use_perf=no
if perf stat -e task-clock,context-switches true >/dev/null 2>&1; then
    use_perf=yes
fi
ticks_before=$(ticks)
threads >"$before"
if [ "$use_perf" = yes ]; then
    perf stat -x, -e task-clock,context-switches -p "$pid" -- sleep "$watch" 2>"$perf_out"
else
    sleep "$watch"
fi
ticks_after=$(ticks)
threads >"$after"

hz=$(getconf CLK_TCK)
echo "Idle for ${watch} s after ${settle} s to settle (Xvfb; $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1))"
printf '%-8s %-18s %14s %18s\n' tid thread cpu_ms context_switches
join "$before" "$after" | awk '{ printf "%-8s %-18s %14.3f %18d\n", $1, $2, ($6 - $3) / 1e6, $7 - $4 }'
join "$before" "$after" | awk '{ cpu += $6 - $3; cs += $7 - $4 } END {
    printf "%-27s %14.3f %18d\n", "all threads (schedstat)", cpu / 1e6, cs }'
awk -v t="$((ticks_after - ticks_before))" -v hz="$hz" 'BEGIN {
    printf "utime+stime from /proc/PID/stat: %d ticks = %d ms (resolution %d ms)\n", t, t * 1000 / hz, 1000 / hz }'
if [ "$use_perf" = yes ]; then
    # "<not counted>" means the process never ran while perf watched.
    awk -F, '$3 == "task-clock" { printf "perf stat: task-clock %.3f ms", $1 + 0 }
             $3 == "context-switches" { printf ", context-switches %d\n", $1 + 0 }' "$perf_out"
fi
echo "Goal: at most 10 ms of CPU and no periodic wake-ups (0 context switches) over ${watch} s"
