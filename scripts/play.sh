#!/usr/bin/env bash
# Installs what is missing, builds the game and its music and starts it in this terminal.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOVUZAVO_MUSIC=ON >/dev/null
cmake --build build --target vovuzavo music -j"$(nproc)"
exec ./build/vovuzavo
