# Shared by the measuring scripts in bench/: sourced, not run.
# shellcheck disable=SC2034 # the variables are for the scripts that source this
# Sets repo to the top of the repository, and offers:
#   on_private_xvfb "$0" "$@"  re-runs the calling script on a private 1280 x 1024 x 24 Xvfb
#   build_tools                builds bench/startup on its own into $tools (unless given)
#   median                     the median of the numbers on standard input, one a line

repo=$(cd "$(dirname "$0")/.." && pwd)
tools=${ZX_BENCH_TOOLS:-$repo/build/bench-startup}
photo=$repo/src/app/resources/zx4410.jpg

on_private_xvfb() {
    if [ -z "${ZX_BENCH_ON_XVFB:-}" ]; then
        script=$1
        shift
        XDG_RUNTIME_DIR=$(mktemp -d) ZX_BENCH_ON_XVFB=1 exec "$repo/tests/support/with-xvfb.sh" "$script" "$@"
    fi
}

build_tools() {
    if [ ! -f "$tools/CMakeCache.txt" ]; then
        cmake -S "$repo/bench/startup" -B "$tools" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    fi
    cmake --build "$tools" -j2 >/dev/null
}

median() {
    sort -n | awk '{ v[NR] = $1 } END {
        if (NR == 0) { print "n/a"; exit }
        if (NR % 2) printf "%.1f\n", v[(NR + 1) / 2]
        else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The value of key=value in a line of a watcher's output.
field() {
    printf '%s\n' "$2" | tr ' ' '\n' | sed -n "s/^$1=//p"
}

require_program() {
    if [ ! -x "$1" ]; then
        echo "No program at $1: build it first (cmake --preset release && cmake --build --preset release)" >&2
        exit 2
    fi
}
