#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing need, when they
# are missing. Runs apt-get as root, or through sudo otherwise.
set -euo pipefail
packages=(g++ cmake make pkg-config libncurses-dev ncurses-base libmpg123-dev mpg123 \
          libgtest-dev tmux procps lame)
# Building and checking the .deb: dpkg-shlibdeps, lintian, the man page tools.
packages+=(dpkg-dev fakeroot file lintian man-db mandoc)
# The web page: Emscripten (which runs on Node), and the browsers that test it.
packages+=(emscripten nodejs chromium firefox-esr fonts-dejavu-core)
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
# The browser tests install their npm packages with npm, which Debian packages
# apart from Node (other builds of Node bring their own).
if ! command -v npm >/dev/null; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends npm
fi
