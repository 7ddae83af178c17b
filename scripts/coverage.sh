#!/usr/bin/env bash
# Line coverage of the game's rules (story, combat, hero, save, shell) by the unit
# tests and the transcript replays, with every line left uncovered.
# Usage: scripts/coverage.sh        (needs gcovr; builds in build-coverage/)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-coverage
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="--coverage" \
  -DCMAKE_EXE_LINKER_FLAGS="--coverage" -DVOVUZAVO_MUSIC=OFF >/dev/null
cmake --build "$build" --target rule_tests -j"$(nproc)" >/dev/null
find "$build" -name "*.gcda" -delete
# The compiler check of the configure step is no code of ours.
find "$build/CMakeFiles" -name "*CompilerId*.gcno" -delete
while read -r program; do
  "$program" --gtest_brief=1 >/dev/null
done <"$build/tests/rule_tests.txt"
filters=()
for dir in story combat hero save shell; do filters+=(--filter "src/$dir/"); done
gcovr -r . "${filters[@]}" --object-directory "$build" --sort-percentage "$build"
echo
echo "Lines not covered:"
gcovr -r . "${filters[@]}" --object-directory "$build" --json-pretty "$build" -o "$build/coverage.json"
python3 - "$build/coverage.json" <<'PY'
import json, sys
data = json.load(open(sys.argv[1]))
for f in sorted(data["files"], key=lambda f: f["file"]):
    source = open(f["file"], encoding="latin-1").read().split("\n")
    for line in f["lines"]:
        if line["count"] == 0 and not line.get("gcovr/noncode"):
            n = line["line_number"]
            print(f"  {f['file']}:{n}: {source[n - 1].strip()}")
PY
