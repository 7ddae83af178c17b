#!/usr/bin/env bash
# A save that cannot be written says so until a key is pressed, keeps the old save
# whole and leaves nothing behind: under a file size limit, over a save the player
# made read-only, and in a folder where the player may not write (these two as a
# user other than root, who may write anything).
source "$(dirname "$0")/lib.sh"

OLD_SAVE=$'Merlin\n1\n2\n3\n'

# save_as NAME: from a new game's start to the save offer, then saves as NAME and
# waits for the failure message.
save_as() {
  to_main_menu
  new_ranger Arthur
  keys 1
  wait_for "Votre nom de sauvegarde :"
  keys "$1" Enter
  wait_for "Impossible d'ENREGISTRER le fichier"
  sleep 0.3
  screen_text | grep -qF "Impossible d'ENREGISTRER le fichier" || fail "the message did not stay"
  keys x
  wait_for "!!!! DEBUT DE VOTRE AVENTURE !!!!"
  kill -s TERM "$(game_pid)"
  expect_exit 1
}

# only_files DIR NAME...: DIR holds exactly these files.
only_files() {
  local dir="$1" want="" name
  shift
  for name; do want+="$name "; done
  [ "$(cd "$dir" && ls -A | tr '\n' ' ')" = "$want" ] || fail "files left in $dir: $(ls -A "$dir")"
}

export GAME_DIR="$WORK/limited"
mkdir "$GAME_DIR"
printf '%s' "$OLD_SAVE" > "$GAME_DIR/keep_save.txt"
GAME_SETUP="ulimit -f 0" start_game
save_as keep
[ "$(cat "$GAME_DIR/keep_save.txt"; echo x)" = "${OLD_SAVE}x" ] || fail "the old save changed"
only_files "$GAME_DIR" keep_save.txt

if [ "$(id -u)" != 0 ]; then
  echo "PASS save refused (read-only cases skipped: they need root to switch users)"
  exit 0
fi
export GAME_WRAP="setpriv --reuid=nobody --regid=nogroup --clear-groups"

export GAME_DIR="$WORK/read-only-save"
mkdir "$GAME_DIR"
printf '%s' "$OLD_SAVE" > "$GAME_DIR/keep_save.txt"
chmod 444 "$GAME_DIR/keep_save.txt"
chown -R nobody:nogroup "$GAME_DIR"
start_game
save_as keep
[ "$(cat "$GAME_DIR/keep_save.txt"; echo x)" = "${OLD_SAVE}x" ] || fail "the read-only save changed"
only_files "$GAME_DIR" keep_save.txt

export GAME_DIR="$WORK/read-only-folder"
mkdir -m 755 "$GAME_DIR"
start_game
save_as new
only_files "$GAME_DIR"
echo "PASS save refused"
