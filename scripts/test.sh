#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs
# every test: once in a plain build, once under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the web page in headless Chromium and Firefox;
# last, fuzzes the save loader for a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
jobs="$(nproc)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOVUZAVO_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
# The music is rendered and played once, in the plain build; the synthesizer's tests
# (every score included) run in both.
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVOVUZAVO_SANITIZE=ON -DVOVUZAVO_WERROR=ON \
  -DVOVUZAVO_MUSIC=OFF >/dev/null
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
bash scripts/web.sh --build
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error && npm test &&
  VOVUZAVO_BROWSER=firefox npm test)
bash scripts/fuzz.sh 60
