#!/usr/bin/env bash
# Installs the Debian packages that a task needs, when they are missing. Runs
# apt-get as root, or through sudo otherwise.
# Usage: install-deps.sh [play|web|test]
#   play (the default): building the game and its music, and playing it;
#   web: also Emscripten and Node, to build the web page;
#   test: also all that the tests use: tmux, the package tools, the browsers, and
#         clang with libFuzzer.
set -euo pipefail
task="${1:-play}"
packages=(g++ cmake make pkg-config libncurses-dev ncurses-base libmpg123-dev libgtest-dev lame)
case "$task" in
  play) ;;
  web) packages+=(emscripten nodejs) ;;
  test)
    packages+=(emscripten nodejs mpg123 tmux procps)
    # Building and checking the .deb: dpkg-shlibdeps, lintian, the man page tools.
    packages+=(dpkg-dev fakeroot file lintian man-db mandoc)
    # The browsers that test the web page, and npm for puppeteer-core (Debian
    # packages npm apart from Node; other builds of Node bring their own).
    packages+=(chromium firefox-esr fonts-dejavu-core)
    command -v npm >/dev/null || packages+=(npm)
    # The save loader's fuzzer: clang and its libFuzzer.
    packages+=(clang libclang-rt-dev)
    ;;
  *) echo "usage: $0 [play|web|test]" >&2; exit 2 ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
