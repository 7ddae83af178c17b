#!/usr/bin/env bash
# Time to build every track from nothing as the build does it (the synthesizer
# piped into lame, two tracks at a time), and the size of what it makes. Runs in
# the build folder given (default build), which must already be configured.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
cmake --build "$BUILD" --target vovuzavo-synth -j2 >/dev/null
rm -rf "$BUILD/music"
TIMEFORMAT='render and encode, 2 jobs: %R s of wall time, %U s user and %S s system time'
time cmake --build "$BUILD" --target music -j2 >/dev/null
echo "tracks: $(ls "$BUILD"/music/*.mp3 | wc -l), $(du -sh "$BUILD/music" | cut -f1)"
