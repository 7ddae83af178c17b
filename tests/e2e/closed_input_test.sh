#!/usr/bin/env bash
# The game ends by itself, with status 1 and the terminal restored, when its input
# is closed, its terminal goes away or it is asked to stop by a signal; it never
# spins.
source "$(dirname "$0")/lib.sh"

# Input closed from the start.
start_game "< /dev/null"
expect_exit 1 5

# The terminal hangs up while the game waits for a key.
start_game
wait_for "appuyez sur une touche pour continuer."
pid="$(game_pid)"
tmux -L "$SOCK" kill-server
expect_gone "$pid"

# Signals that end a terminal program: status 1, the terminal given back.
for signal in TERM HUP INT QUIT; do
  start_game
  wait_for "appuyez sur une touche pour continuer."
  kill -s "$signal" "$(game_pid)"
  expect_exit 1 5
  expect_terminal_restored
done
echo "PASS closed input"
