#!/usr/bin/env bash
# Builds the game as a web page into build-web/site/ (the core compiled with
# Emscripten, the page from web/, and the tracks from build/music/ when the native
# build made them), then serves it on http://127.0.0.1:$PORT/ (8080 by default)
# until stopped. With --build it only builds.
set -euo pipefail
cd "$(dirname "$0")/.."
only_build=false
[ "${1:-}" = "--build" ] && only_build=true

command -v emcmake >/dev/null || bash scripts/install-deps.sh web
# Debian's Emscripten runs on Node and needs the acorn module that Debian keeps here.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=MinSizeRel -DVOVUZAVO_WERROR=ON >/dev/null
cmake --build build-web -j"$(nproc)"
if compgen -G "build/music/*.mp3" >/dev/null; then
  mkdir -p build-web/site/music
  cp build/music/*.mp3 build-web/site/music/
fi
echo "The page is in build-web/site/"
$only_build && exit 0
exec node scripts/static_server.mjs build-web/site "${PORT:-8080}"
