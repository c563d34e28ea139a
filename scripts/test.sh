#!/bin/sh
# Builds everything in the sanitized configuration (AddressSanitizer, UndefinedBehaviorSanitizer,
# LeakSanitizer) and runs every test: unit, window and end-to-end (the last two on private Xvfb
# servers that the tests start themselves).
set -eu
cd "$(dirname "$0")/.."
./scripts/deps.sh
cmake --preset asan >/dev/null
cmake --build --preset asan
if ctest --preset asan -j2; then
    echo "SUMMARY: every test passed (labels: $(ctest --preset asan --print-labels | sed -n 's/^  //p' | tr '\n' ' '))"
else
    echo "SUMMARY: some tests FAILED (see above)"
    exit 1
fi
