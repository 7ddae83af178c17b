#!/usr/bin/env bash
# Peak memory of a run to the main menu and out, and the time from start to the
# first screen, for the binary given (default build/vovuzavo).
# The game runs in a pseudo-terminal (script); its keys come from a pipe.
set -euo pipefail
BIN="$(readlink -f "${1:-build/vovuzavo}")"
RUNS="${RUNS:-50}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
export TERM=xterm-256color LANG=C.UTF-8

# Peak resident memory: music notice, title, main menu, option 6.
( sleep 0.3; printf 'a'; sleep 0.1; printf 'b'; sleep 0.1; printf '6'; sleep 0.3 ) |
  script -qfec "/usr/bin/time -f 'peak memory: %M KiB' -o '$work/mem' '$BIN'" /dev/null >/dev/null || true
grep peak "$work/mem"

# Start to the first screen: the game draws the music notice and waits for a key;
# with its input closed it ends there at once, so a whole run bounds the time to
# the first screen from above. Timed inside the pseudo-terminal.
cat > "$work/loop.sh" <<LOOP
start=\$(date +%s%N)
for ((i = 0; i < $RUNS; i++)); do '$BIN' < /dev/null; done
end=\$(date +%s%N)
echo "\$(( (end - start) / $RUNS / 1000 ))" > '$work/us'
LOOP
script -qec "bash '$work/loop.sh'" /dev/null >/dev/null || true
echo "start to first screen (and out): $(cat "$work/us") us per run"
