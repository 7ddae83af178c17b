#!/usr/bin/env bash
# A whole adventure in the real terminal: a new dwarf ranger reads the prologue, crosses
# the rainbow forest (saved after it, at chapter 2), takes the road and the gate of
# Voderuri, makes a wish in the city, and saves at the end: the last save holds a
# hero back at chapter 1 without items. The dice follow the real clock, so a death
# in a fight (rare for this ranger) starts the adventure again, twice at most.
source "$(dirname "$0")/lib.sh"

# line N of a save file
save_line() { sed -n "${2}p" "$WORK/${1}_save.txt" | tr -d '\r'; }

forest() {
  wait_for "!!!! DEBUT DE VOTRE AVENTURE !!!!"
  keys x
  wait_for "Vous, Lancelot"
  keys x
  wait_for "Voderuri"
  keys x
  wait_for "Qu'est 'il donc advenu de l'amie que vous commenciez d'aimer?"
  keys x
  wait_for "Chapitre 1 : La Forêt de l'arc-en-ciel."
  keys x
  wait_for "3) Avant toute chose fouiller les decombres."
  keys 3
  wait_for "10 pieces d'or"
  keys x
  wait_for "1) Vous y en approchez."
  keys 1
  wait_for "2) Vous en approchez."
  keys 2
  wait_for "2) Combattre le loup."
  keys 2
  press_until "Vous venez de vaincre" 1 || return 2
  press_until "1) Essayez de retirer la plante avec votre arme." 1 || return 2
  keys 1
  press_until "Vous venez de vaincre" 1 || return 2
  press_until "Voulez vous sauvegarder votre personnage ?" 1 || return 2
}

road() {
  keys x
  wait_for "le voila !!"
  keys x
  press_until "1) Fouillez les depouilles des deux gardes." 1 || return 2
  keys 1
  wait_for "1) Fouillez le deuxieme garde"
  keys 2
  wait_for "1) Sortir votre arme et vous tenir pret."
  keys 1
  press_until "1) Examiner le corps de l'arachnide." 1 || return 2
  keys 2
  wait_for "1) Essayer de soudoyer les gardes."
  keys 1
  wait_for "4) Leur donner 10 pieces d'or."
  keys 4
  wait_for "Mon seigneur : la ville est a vous"
  keys x
  press_until "Voulez vous sauvegarder votre personnage ?" x || return 2
}

city() {
  wait_for "Chapitre 3 : Dans Voderuri."
  keys x
  press_until "1) Allez jetez un coup d'oeil a cette fontaine." x
  keys 1
  wait_for "5) Lancer de l'or dans la fontaine en souhaitant un voeu."
  keys 5
  wait_for "3) Etre plus chanceux."
  keys 3
  wait_for "1 point en bonne fortune"
  keys x
  wait_for "Ou voulez vous dormir maintenant :"
  keys 2
  wait_for "Voulez vous sauvegarder votre personnage ?"
}

adventure() {
  start_game
  to_main_menu
  new_ranger Lancelot
  keys 2
  forest || return 2

  # Saved after the forest: the hero goes on at chapter 2.
  keys 1
  wait_for "Votre nom de sauvegarde :"
  keys "foret" Enter
  wait_for "Chapitre 2 : En chemin vers Voderuri"
  [ "$(save_line foret 17)" = 2 ] || fail "the save after the forest is not at chapter 2"
  road || return 2
  keys 2
  city

  keys 1
  wait_for "Votre nom de sauvegarde :"
  keys "fin" Enter
  wait_for "Votre aventure se termine ici."
  keys x
  wait_for "Appuyez sur une touche pour quitter..."
  keys x
  expect_exit 1
}

for attempt in 1 2 3; do
  if adventure; then break; fi
  [ "$attempt" -lt 3 ] || fail "the ranger died three times"
  echo "the ranger died (attempt $attempt); starting again"
done

# The last save: chapter 1, every item slot empty, full health.
[ "$(save_line fin 17)" = 1 ] || fail "the last save is not at chapter 1"
for n in $(seq 37 52); do
  [ "$(save_line fin "$n")" = 0 ] || fail "line $n of the last save is not 0"
done
[ "$(save_line fin 18)" = "$(save_line fin 10)" ] || fail "the hero is not at full health"
echo "PASS adventure"
