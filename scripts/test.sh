#!/bin/sh
# Builds everything in the sanitized configuration (AddressSanitizer, UndefinedBehaviorSanitizer,
# LeakSanitizer) and runs every test: unit, window and end-to-end (the last two on private Xvfb
# servers that the tests start themselves), checks the sources with clang-tidy, and, where clang
# is installed, builds the libFuzzer fuzzers and runs each for a short while over its seed corpus.
set -eu
cd "$(dirname "$0")/.."
./scripts/deps.sh
cmake --preset asan >/dev/null
cmake --build --preset asan
failed=""
ctest --preset asan -j2 || failed="asan"
labels=$(ctest --preset asan --print-labels | sed -n 's/^  //p' | tr '\n' ' ')
# Every C++ file in the layout .clang-format describes.
if command -v clang-format >/dev/null 2>&1 && [ -d .git ]; then
    echo "clang-format check"
    git ls-files '*.cpp' '*.h' '*.inl' | grep -v /corpus/ | xargs clang-format --dry-run --Werror \
        || failed="${failed:+$failed and }clang-format"
fi
# The product's sources against the curated checks in .clang-tidy, which treat findings as errors.
if command -v run-clang-tidy >/dev/null 2>&1; then
    echo "clang-tidy over src/"
    run-clang-tidy -p build/asan -j 2 -quiet "$(pwd)/src/" >build/asan/clang-tidy.log 2>&1 \
        || { cat build/asan/clang-tidy.log; failed="${failed:+$failed and }clang-tidy"; }
fi
if command -v clang++ >/dev/null 2>&1; then
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz
    ctest --preset fuzz || failed="${failed:+$failed and }fuzz"
    labels="${labels}fuzz"
else
    labels="${labels}(no clang++: fuzzers skipped)"
fi
if [ -z "$failed" ]; then
    echo "SUMMARY: every test passed (labels: $labels)"
else
    echo "SUMMARY: some tests FAILED in the $failed run (see above)"
    exit 1
fi
