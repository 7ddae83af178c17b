#!/usr/bin/env bash
# The game ends by itself, with status 1, when its input is closed or its terminal
# goes away; it never spins.
source "$(dirname "$0")/lib.sh"

# Input closed from the start.
start_game "< /dev/null"
expect_exit 1 5
tmux -L "$SOCK" kill-server

# The terminal hangs up while the game waits for a key.
start_game
wait_for "appuyez sur une touche pour continuer."
pid="$(pgrep -f -- "^$BIN" || true)"
[ -n "$pid" ] || fail "no game process"
tmux -L "$SOCK" kill-server
for ((i = 0; i < 100; i++)); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.05
done
kill -0 "$pid" 2>/dev/null && fail "the game is still running after its terminal went away"

# SIGTERM while waiting for a key: the game ends with status 1.
start_game
wait_for "appuyez sur une touche pour continuer."
pkill -TERM -f -- "^$BIN"
expect_exit 1 5
echo "PASS closed input"
