#!/usr/bin/env bash
# A new hero is created and saved, the game is left from the first story menu, then
# started again: the save loads and the adventure goes on at the prologue.
source "$(dirname "$0")/lib.sh"

start_game
to_main_menu
new_ranger Arthur
keys 1
wait_for "Votre nom de sauvegarde :"
keys "e2e" Enter
wait_for "!!!! DEBUT DE VOTRE AVENTURE !!!!"
[ -f "$WORK/e2e_save.txt" ] || fail "no save file"
[ "$(wc -l < "$WORK/e2e_save.txt")" = 63 ] || fail "the save has not 63 lines"
[ "$(head -n 1 "$WORK/e2e_save.txt")" = "Arthur" ] || fail "the save does not start with the name"
keys x
wait_for "Vous, Arthur"
keys x x x
wait_for "Chapitre 1 : La Forêt de l'arc-en-ciel."
keys x
wait_for "0) Quitter le jeu."
keys 0
expect_exit 1

# Again, loading the save.
start_game
to_main_menu
keys 5
wait_for "Voulez vous charger l'une de vos sauvegardes ?"
keys 9
wait_for "Veuillez saisir le nom de la sauvegarde que vous voulez recharger :"
keys "e2e" Enter
wait_for "!!!! DEBUT DE VOTRE AVENTURE !!!!"
keys x x x x
wait_for "Chapitre 1 : La Forêt de l'arc-en-ciel."
keys x
wait_for "0) Quitter le jeu."
keys 9
wait_for "Vous vous appelez Arthur, vous êtes un nain."
screen_text | grep -qF "Vous êtes un rodeur de lvl 1." || fail "class after loading"
screen_text | grep -qF "Vous avez 75/75 points de santé." || fail "health after loading"
keys x
wait_for "0) Quitter le jeu."
keys 0
expect_exit 1
echo "PASS save and load"
