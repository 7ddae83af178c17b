#!/usr/bin/env bash
# With a track in the working directory, music never holds the game up: quitting
# while it plays ends the game at once, and so do signals and a closed terminal;
# and something that is not a file under a track's name means silence.
# This machine may have no sound device at all.
source "$(dirname "$0")/lib.sh"

# A FIFO under the track's name is not a track: silence, and the menu shows.
mkfifo "$WORK/accueildebut.mp3"
start_game
to_main_menu
keys 6
expect_exit 1 2
rm "$WORK/accueildebut.mp3"

# Three seconds of noise, encoded as the main menu's track.
head -c 264600 /dev/urandom > "$WORK/noise.raw"
lame --quiet -r -s 44.1 -m m --bitwidth 16 "$WORK/noise.raw" "$WORK/accueildebut.mp3" 2>/dev/null

start_game
to_main_menu
keys 6
expect_exit 1 2

for signal in TERM HUP; do
  start_game
  to_main_menu
  kill -s "$signal" "$(game_pid)"
  expect_exit 1 2
done

start_game
to_main_menu
pid="$(game_pid)"
tmux -L "$SOCK" kill-server
expect_gone "$pid" 2
echo "PASS music"
