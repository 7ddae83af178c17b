# Helpers for end-to-end tests: the real binary in a real 80x44 tmux pane.
# Usage: source this file with the binary's path in $1.
set -euo pipefail

BIN="$(readlink -f "$1")"
WORK="$(mktemp -d)"
STATUS="$WORK/status"
GAMES=0
SOCK="vovuzavo-e2e-$$-0"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
# Under the sanitizers, errors end the game with another status than 1; the leak
# check at exit is left to the unit tests (its stop-the-world can hang when the
# terminal has hung up).
export ASAN_OPTIONS="detect_leaks=0:${ASAN_OPTIONS:-}"

cleanup() {
  local n
  for ((n = 0; n <= GAMES; n++)); do
    tmux -L "vovuzavo-e2e-$$-$n" kill-server 2>/dev/null || true
  done
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  echo "--- screen ---" >&2
  tmux -L "$SOCK" capture-pane -p -t game 2>/dev/null >&2 || true
  exit 1
}

# start_game [shell redirections]: runs the game in the working directory $WORK and
# records its exit status.
start_game() {
  local redirect="${1:-}"
  rm -f "$STATUS"
  tmux -L "$SOCK" kill-server 2>/dev/null || true
  # Each game gets a server of its own: the old one may still be shutting down.
  GAMES=$((GAMES + 1))
  SOCK="vovuzavo-e2e-$$-$GAMES"
  tmux -L "$SOCK" -f /dev/null new-session -d -s game -x 80 -y 44 \
    "cd '$WORK' && ESCDELAY=25 ASAN_OPTIONS='$ASAN_OPTIONS' '$BIN' $redirect; echo \$? > '$STATUS'; sleep 600"
}

screen_text() { tmux -L "$SOCK" capture-pane -p -t game; }
screen_escapes() { tmux -L "$SOCK" capture-pane -p -e -t game; }

# wait_for TEXT [SECONDS]: polls the pane until TEXT appears.
wait_for() {
  local text="$1" limit="${2:-10}" i
  for ((i = 0; i < limit * 20; i++)); do
    screen_text | grep -qF -- "$text" && return 0
    sleep 0.05
  done
  fail "did not see: $text"
}

# wait_gone TEXT: polls until TEXT is no longer on screen.
wait_gone() {
  local text="$1" i
  for ((i = 0; i < 200; i++)); do
    screen_text | grep -qF -- "$text" || return 0
    sleep 0.05
  done
  fail "still see: $text"
}

keys() { tmux -L "$SOCK" send-keys -t game "$@"; }

# expect_exit CODE [SECONDS]: waits for the game to end with CODE.
expect_exit() {
  local code="$1" limit="${2:-10}" i
  for ((i = 0; i < limit * 20; i++)); do
    if [ -s "$STATUS" ]; then
      [ "$(cat "$STATUS")" = "$code" ] || fail "exit status $(cat "$STATUS"), wanted $code"
      return 0
    fi
    sleep 0.05
  done
  fail "the game did not end"
}

# row N: the text of screen row N (1-based).
row() { screen_text | sed -n "${1}p"; }

# press_until TEXT KEY [MAX]: presses KEY until TEXT shows (fights, level-ups and
# pauses whose number depends on the dice). After each key it waits for the
# screen to change, so a slow machine never gets keys ahead of the game. Returns 2
# when the hero died.
press_until() {
  local text="$1" key="$2" max="${3:-300}" i j before
  for ((i = 0; i < max; i++)); do
    before="$(screen_escapes)"
    grep -qF -- "$text" <<<"$before" && return 0
    if grep -qF -- "MORT." <<<"$before"; then
      [ -z "${E2E_DEBUG:-}" ] || echo "$LAST_SCREEN" >&2
      return 2
    fi
    LAST_SCREEN="$before"
    keys "$key"
    for ((j = 0; j < 100; j++)); do
      [ "$(screen_escapes)" != "$before" ] && break
      sleep 0.02
    done
  done
  fail "never saw: $text"
}

# to_main_menu: from the start of the game to the main menu.
to_main_menu() {
  wait_for "appuyez sur une touche pour continuer."
  keys x
  wait_for "Sujet : "
  keys x
  wait_for "Votre choix:"
}

# new_ranger NAME: plays option 4 and creates a sturdy dwarf ranger of 120 cm (75
# health, 2 defence, healed after every fight) up to the save offer.
new_ranger() {
  keys 4
  wait_for "Saisissez le nom de votre personnage:"
  keys "$1" Enter
  wait_for "Choisissez la race de votre personnage:"
  keys 2
  wait_for "Choisissez la couleur de la peau"
  keys 1
  wait_for "Choisissez la couleur des cheveux"
  keys 2
  wait_for "Choisissez la couleur des yeux"
  keys 3
  wait_for "Entrez la valeur en centimètres:"
  keys "120" Enter
  wait_for "Choisissez la classe de votre personnage:"
  keys 3
  wait_for "de femme vous tournerez vous?"
  keys 3
  wait_for "laquelle prendriez vous:"
  keys 3
  wait_for "Vers quel échoppe vous dirigerez vous ?"
  keys 2
  wait_for "Vous venez de terminer la création de votre personnage."
  keys x
  wait_for "arme n° 1:  epee"
  keys x
  wait_for "Voulez vous sauvegarder votre personnage ?"
}
