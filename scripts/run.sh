#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it (free practice;
# pass --tutorial for the tutorial, --user NAME for the player's name, and
# any other option of the client, see src/app/client_main.cpp).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
build="${KF_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target client
exec "$build/bin/client" "$@"
