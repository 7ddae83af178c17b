#!/usr/bin/env bash
# Builds the save loader's fuzzer with clang and runs it for a bounded time
# (seconds, 60 by default) from the committed seed corpus. New inputs go to a
# scratch folder; an input that fails is kept in build-fuzz/ to reproduce with
# ./build-fuzz/save_loader_fuzzer FILE.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
./build-fuzz/save_loader_fuzzer -max_total_time="$seconds" -timeout=10 -max_len=8192 \
  -print_final_stats=1 -artifact_prefix=build-fuzz/ "$scratch" fuzz/corpus
