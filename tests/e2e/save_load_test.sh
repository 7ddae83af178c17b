#!/usr/bin/env bash
# A new hero is created and saved, the game is left from the first story menu, then
# started again: the save loads and the adventure goes on at the prologue.
source "$(dirname "$0")/lib.sh"

start_game
wait_for "appuyez sur une touche pour continuer."
keys x
wait_for "Sujet : "
keys x
wait_for "Votre choix:"
keys 4
wait_for "Saisissez le nom de votre personnage:"
keys "Arthur" Enter
wait_for "Choisissez la race de votre personnage:"
keys 1
wait_for "Choisissez la couleur de la peau"
keys 1
wait_for "Choisissez la couleur des cheveux"
keys 2
wait_for "Choisissez la couleur des yeux"
keys 3
wait_for "Entrez la valeur en centimètres:"
keys "abc" Enter
wait_for "veuillez en resaisir une"
keys "180" Enter
wait_for "Choisissez la classe de votre personnage:"
keys 5
wait_for "de femme vous tournerez vous?"
keys 3
wait_for "laquelle prendriez vous:"
keys 3
wait_for "Vers quel échoppe vous dirigerez vous ?"
keys 2
wait_for "Vous venez de terminer la création de votre personnage."
screen_text | grep -qF "Vous vous appelez Arthur, vous êtes un humain." || fail "sheet"
screen_text | grep -qF "Vous avez 60/60 points de santé." || fail "health on the sheet"
keys x
wait_for "bouclier : bouclier de novice"
keys x
wait_for "Voulez vous sauvegarder votre personnage ?"
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
wait_for "appuyez sur une touche pour continuer."
keys x
wait_for "Sujet : "
keys x
wait_for "Votre choix:"
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
wait_for "Vous vous appelez Arthur, vous êtes un humain."
screen_text | grep -qF "Vous êtes un chevalier de lvl 1." || fail "class after loading"
keys x
wait_for "0) Quitter le jeu."
keys 0
expect_exit 1
echo "PASS save and load"
