# Helpers for end-to-end tests: the real binary in a real 80x44 tmux pane.
# Usage: source this file with the binary's path in $1.
set -euo pipefail

BIN="$(readlink -f "$1")"
WORK="$(mktemp -d)"
STATUS="$WORK/status"
GAMES=0
SOCK="vovuzavo-e2e-$$-0"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
# The game sends its stderr to /dev/null; a sanitizer build sends it to a file of
# this folder instead, one per process, and the test fails when one of them holds
# a sanitizer report. (The log_path option does not serve: with g++, UBSan ignores
# it beside ASan.) The leak check at exit is left to the unit tests (its
# stop-the-world can hang when the terminal has hung up).
REPORTS="$WORK/game-stderr"
mkdir -m 1777 "$REPORTS"
chmod 711 "$WORK"  # games run as another user reach their own folders below
export ASAN_OPTIONS="detect_leaks=0:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:${UBSAN_OPTIONS:-}"

cleanup() {
  local status=$? n report
  for ((n = 0; n <= GAMES; n++)); do
    tmux -L "vovuzavo-e2e-$$-$n" kill-server 2>/dev/null || true
  done
  for report in "$REPORTS"/*; do
    grep -qE "runtime error:|ERROR: [A-Za-z]+Sanitizer" "$report" 2>/dev/null || continue
    echo "FAIL: sanitizer report in the game's $(basename "$report"):" >&2
    cat "$report" >&2
    status=1
  done
  rm -rf "$WORK"
  exit "$status"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  echo "--- screen ---" >&2
  tmux -L "$SOCK" capture-pane -p -t game 2>/dev/null >&2 || true
  exit 1
}

# start_game [shell redirections]: runs the game in the working directory
# ${GAME_DIR:-$WORK}, records its pid and exit status, and then the terminal's
# settings. GAME_SETUP is a shell command run first in the pane (like "ulimit -f
# 0"), GAME_ENV variable assignments for the game, GAME_WRAP a command that runs
# it (like setpriv).
start_game() {
  local redirect="${1:-}"
  rm -f "$STATUS" "$WORK/pid" "$WORK/tty"
  tmux -L "$SOCK" kill-server 2>/dev/null || true
  # Each game gets a server of its own: the old one may still be shutting down.
  GAMES=$((GAMES + 1))
  SOCK="vovuzavo-e2e-$$-$GAMES"
  tmux -L "$SOCK" -f /dev/null new-session -d -s game -x 80 -y 44 \
    "cd '${GAME_DIR:-$WORK}' && ESCDELAY=25 ASAN_OPTIONS='$ASAN_OPTIONS' UBSAN_OPTIONS='$UBSAN_OPTIONS' \
     VOVUZAVO_STDERR_DIR='$REPORTS' \
     ${GAME_ENV:-} sh -c 'echo \$\$ > \"$WORK/pid\" && ${GAME_SETUP:-true} && exec \"\$@\"' \
     game ${GAME_WRAP:-} '$BIN' $redirect; echo \$? > '$STATUS'; stty -a > '$WORK/tty'; sleep 600"
}

# game_pid: the pid of the game started last (the pane's shell is not the game).
game_pid() {
  local i
  for ((i = 0; i < 200; i++)); do
    [ -s "$WORK/pid" ] && { cat "$WORK/pid"; return 0; }
    sleep 0.05
  done
  fail "the game did not start"
}

# expect_gone PID [SECONDS]: waits until the process has ended.
expect_gone() {
  local pid="$1" limit="${2:-5}" i
  for ((i = 0; i < limit * 20; i++)); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.05
  done
  fail "the game (pid $pid) is still running"
}

# expect_terminal_restored: after the game ended, the pane left the alternate
# screen and the terminal echoes typed keys and reads whole lines again.
expect_terminal_restored() {
  local i
  for ((i = 0; i < 100; i++)); do [ -s "$WORK/tty" ] && break; sleep 0.05; done
  [ "$(tmux -L "$SOCK" display -p -t game '#{alternate_on}')" = 0 ] ||
    fail "the terminal was left in the alternate screen"
  grep -qw -- "-echo" "$WORK/tty" && fail "the terminal was left without echo"
  grep -qw -- "-icanon" "$WORK/tty" && fail "the terminal was left in raw mode"
  return 0
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

# to_main_menu: from the start of the game to the main menu.
to_main_menu() {
  wait_for "appuyez sur une touche pour continuer."
  keys x
  wait_for "Sujet : "
  keys x
  wait_for "Votre choix:"
}

# new_ranger NAME: plays option 4 and creates a sturdy dwarf ranger of 120 cm (75
# health, 2 defence) up to the save offer.
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
