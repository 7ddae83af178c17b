#!/usr/bin/env bash
# Opening screens, the main menu with its colours, a rules set read to its end, and
# option 6.
source "$(dirname "$0")/lib.sh"

start_game
wait_for "appuyez sur une touche pour continuer."
keys x
wait_for "Sujet : Un jeu dont VOUS êtes le héros"
keys x
wait_for "Votre choix:"

# The welcome lines: only the names of the planet and the kingdom are coloured.
esc="$(screen_escapes)"
grep -qF $'\e[93mVovuzavo ' <<<"$esc" || fail "Vovuzavo is not yellow"
grep -qF $'\e[91mVezerirer ' <<<"$esc" || fail "Vezerirer is not light red"
grep -qF "Bienvenue sur la planète de Vovuzavo noble voyageur." <<<"$(screen_text)" || fail "welcome line"
[ "$(row 1)" = "           Bienvenue sur la planète de Vovuzavo noble voyageur." ] || fail "welcome line position"

# Keys the menu does not offer change nothing.
menu="$(screen_text | sed 's/ *$//')"
before="$(screen_escapes)"
keys 9 a Left F1 é
sleep 0.3
[ "$(screen_escapes)" = "$before" ] || fail "an invalid key changed the screen"

# A resize redraws the whole screen: after a smaller and a bigger size, the menu
# is back as it was.
tmux -L "$SOCK" resize-window -t game -x 50 -y 20
sleep 0.3
tmux -L "$SOCK" resize-window -t game -x 100 -y 50
wait_for "6) Quitter."
[ "$(screen_text | head -n 44 | sed 's/ *$//')" = "$menu" ] || fail "the menu was not redrawn after a resize"

# The characteristics: three pages, any key turns them, then the menu again
# without its welcome lines.
keys 2
wait_for "I) Caractéristiques majeures du joueur."
keys q
wait_for "I) Caractéristiques majeures du joueur.(suite)"
keys Space
wait_for "II) Caractéristiques mineures du joueur."
keys 1
wait_for "6) Quitter."
screen_text | grep -qF "Bienvenue" && fail "welcome lines shown again"

keys 6
expect_exit 1
echo "PASS main menu"
