#!/usr/bin/env bash
# Terminals that do not describe themselves well: an unknown TERM is drawn as an
# xterm, a TERM without cursor addressing is refused with a message, and absurd
# LINES or COLUMNS give way to the terminal's real size.
source "$(dirname "$0")/lib.sh"

# The first screen in its place: its last line on row 28.
expect_first_screen() {
  wait_for "appuyez sur une touche pour continuer."
  [ "$(row 28)" = "Quand cette fenêtre sera en plein écran : appuyez sur une touche pour continuer." ] ||
    fail "the first screen is not in its place"
  [ "$(row 16)" = "Si vous disposez d'un logiciel qui peut lire des musiques, veuillez le lancer" ] ||
    fail "the first screen is not in its place"
  kill -s TERM "$(game_pid)"
  expect_exit 1
}

for env in "TERM=no-such-terminal" "LINES=99999999" "COLUMNS=99999999" "LINES=0 COLUMNS=-5"; do
  GAME_ENV="$env" start_game
  expect_first_screen
done

GAME_ENV="TERM=dumb" start_game "2> '$WORK/stderr'"
expect_exit 1
grep -qF "TERM=dumb ne sait pas placer le curseur" "$WORK/stderr" || fail "no message for TERM=dumb"
echo "PASS terminal"
