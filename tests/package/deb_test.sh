#!/usr/bin/env bash
# The .deb as a player and a packager get it: built by CPack into a temporary folder,
# unpacked there with dpkg-deb (never installed), its files and control fields
# checked, its man page rendered, lintian run on it, and the unpacked game played to
# the main menu and out.
# Usage: deb_test.sh BUILD_DIR
set -euo pipefail

BUILD="$(readlink -f "$1")"
PKG="$(mktemp -d)"
trap 'rm -rf "$PKG"' EXIT
if ! cpack --config "$BUILD/CPackConfig.cmake" -B "$PKG" >"$PKG/cpack.log" 2>&1; then
  cat "$PKG/cpack.log" >&2
  echo "FAIL: cpack did not make the package" >&2
  exit 1
fi
debs=("$PKG"/vovuzavo_*.deb)
[ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no vovuzavo_*.deb" >&2; exit 1; }
DEB="${debs[0]}"
ROOT="$PKG/root"
dpkg-deb -x "$DEB" "$ROOT"

# The tmux helpers start the unpacked game in a working folder of their own.
source "$(dirname "$0")/../e2e/lib.sh" "$ROOT/usr/games/vovuzavo"
# cleanup ends the script with its status, so the package folder goes first.
trap 'rm -rf "$PKG"; cleanup' EXIT

field() { dpkg-deb -f "$DEB" "$1"; }

# Control fields; the dependencies come from dpkg-shlibdeps, with versions.
[ "$(field Package)" = vovuzavo ] || fail "Package: $(field Package)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
[ "$(field Priority)" = optional ] || fail "Priority: $(field Priority)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] \
  || fail "Architecture: $(field Architecture)"
[ "$(basename "$DEB")" = "vovuzavo_$(field Version)_$(field Architecture).deb" ] \
  || fail "file name $(basename "$DEB") for version $(field Version)"
grep -qE '^[^<]+ <[^@>]+@[^>]+>$' <<<"$(field Maintainer)" || fail "Maintainer: $(field Maintainer)"
depends="$(field Depends)"
for lib in libc6 libncursesw6 'libmpg123-0(t64)?' 'libout123-0(t64)?'; do
  grep -qE "(^|, )$lib \(>= [^)]+\)" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
description="$(field Description)"
grep -qF "role-playing game" <<<"$description" || fail "no English description"
grep -qF "Un jeu de rôle en mode texte" <<<"$description" || fail "no French description"

# Files: exactly these, plus the game's music if the build made it.
echo "--- files of $(basename "$DEB") ---"
files="$(cd "$ROOT" && find . ! -type d | sed 's|^\./||' | sort)"
echo "$files"
expected="usr/games/vovuzavo
usr/share/applications/vovuzavo.desktop
usr/share/doc/vovuzavo/LICENSE
usr/share/doc/vovuzavo/README.md
usr/share/doc/vovuzavo/changelog.gz
usr/share/doc/vovuzavo/copyright
usr/share/man/man6/vovuzavo.6.gz"
[ "$(grep -v '^usr/share/games/vovuzavo/music/[a-z0-9]*\.mp3$' <<<"$files")" = "$expected" ] \
  || fail "unexpected file list"
[ -x "$ROOT/usr/games/vovuzavo" ] || fail "the game is not executable"

desktop="$ROOT/usr/share/applications/vovuzavo.desktop"
for line in 'Exec=vovuzavo' 'Terminal=true' 'Categories=Game;RolePlaying;'; do
  grep -qxF "$line" "$desktop" || fail "desktop entry lacks $line"
done
copyright="$ROOT/usr/share/doc/vovuzavo/copyright"
format='Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/'
[ "$(head -n 1 "$copyright")" = "$format" ] \
  || fail "copyright file is not machine-readable"
grep -qF "Equipe Vovuzavo" "$copyright" || fail "copyright holder"

# The man page renders without a warning, with every section, and mandoc finds no
# fault in it.
page="$ROOT/usr/share/man/man6/vovuzavo.6.gz"
MANWIDTH=80 MAN_DISABLE_SECCOMP=1 man -P cat -l --warnings "$page" \
  >"$PKG/man.txt" 2>"$PKG/man.err" || fail "man -l failed"
[ ! -s "$PKG/man.err" ] || { cat "$PKG/man.err" >&2; fail "man -l printed warnings"; }
for section in NOM SYNOPSIS DESCRIPTION TOUCHES SAUVEGARDES MUSIQUE FICHIERS "ÉTAT DE SORTIE"; do
  grep -qx "$section" "$PKG/man.txt" || fail "man page lacks section $section"
done
zcat "$page" | mandoc -T lint -W warning || fail "mandoc found faults in the man page"

# The man page and the changelog name the version being packaged.
version="$(field Version)"
grep -qF "vovuzavo $version" "$PKG/man.txt" || fail "the man page does not name version $version"
zcat "$ROOT/usr/share/doc/vovuzavo/changelog.gz" | head -n 1 | grep -qF "vovuzavo ($version)" \
  || fail "the changelog does not start with version $version"

# lintian: its whole report in the log, and no error.
echo "--- lintian ---"
status=0
lintian -I --pedantic "$DEB" >"$PKG/lintian.txt" 2>&1 || status=$?
cat "$PKG/lintian.txt"
! grep -q '^E: ' "$PKG/lintian.txt" || fail "lintian reports errors"
[ "$status" -eq 0 ] || fail "lintian failed (status $status)"

# The unpacked game runs to the main menu and leaves with option 6.
start_game
to_main_menu
keys 6
expect_exit 1
echo "PASS package"
