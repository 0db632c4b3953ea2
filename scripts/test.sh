#!/usr/bin/env bash
# Installs what is missing, builds everything (release) and runs the whole test suite.
# Usage: scripts/test.sh [extra ctest arguments, e.g. -L gl or -R Ball]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
build="${KF_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2
cd "$build"
ctest --output-on-failure -j2 "$@"
