#!/usr/bin/env bash
# Installs what is missing, builds, and starts panelsetup (or loopwatch: scripts/run.sh loopwatch).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-panelsetup}"
case "$program" in
    panelsetup|loopwatch) ;;
    *) echo "usage: scripts/run.sh [panelsetup|loopwatch]" >&2; exit 2 ;;
esac

"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" -j"$(nproc)"

# Both programs keep settings.ini and their languages folder beside themselves.
cd "$root/build/bin"
exec "./$program"
