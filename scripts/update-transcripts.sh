#!/usr/bin/env bash
# Rewrites the stored whole-game transcripts after an intended change of what the
# game shows, then prints what changed: review it like code before committing.
# Usage: scripts/update-transcripts.sh [PATH_NAME ...]   (all paths by default)
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target test_transcripts
filter="*"
if [ "$#" -gt 0 ]; then
  filter=""
  for name in "$@"; do filter="${filter:+$filter:}Paths/Transcript.ReplaysAsStored/$name"; done
fi
VOVUZAVO_UPDATE_TRANSCRIPTS=1 ./build/tests/test_transcripts --gtest_filter="$filter" >/dev/null
git status --short tests/transcripts
git diff --stat tests/transcripts
