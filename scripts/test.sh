#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite headless.
#   scripts/test.sh              normal build in build/
#   scripts/test.sh --sanitize   AddressSanitizer + UBSan build in build-sanitize/
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
extra=()
if [ "${1:-}" = "--sanitize" ]; then
    build="$root/build-sanitize"
    extra=(-DPANEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi

"$root/scripts/deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra[@]}"
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
