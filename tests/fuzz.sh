#!/usr/bin/env bash
# Fuzzes a parser with clang's libFuzzer under the address and undefined-behaviour sanitizers,
# from its kept corpus: text (tests/text), places (tests/geo) or update (tests/global).
#
#   tests/fuzz.sh TARGET [SECONDS [RUNS]]  fuzz for SECONDS (default 600) or RUNS executions;
#                                          new inputs collect in build-fuzz/TARGET-corpus,
#                                          findings in build-fuzz/TARGET-crash-*
#   tests/fuzz.sh TARGET merge             add the collected inputs that reach new code to the
#                                          kept corpus (keep it to a few files)
#
# Every build replays each kept corpus as tst_corpus_TARGET; only this script needs clang.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-fuzz"
target=${1:?usage: $0 text|places|update [SECONDS [RUNS] | merge]}
folder=$(case "$target" in text) echo text ;; places) echo geo ;; update) echo global ;; esac)
[ -n "$folder" ] || { echo "unknown target $target: text, places or update" >&2; exit 2; }
corpus="$root/tests/$folder/corpus"
found="$build/$target-corpus"
dictionary="$root/tests/$folder/fuzz_$target.dict"

missing=()
for package in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
        || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Fuzzing needs: sudo apt-get install ${missing[*]}" >&2
        exit 1
    fi
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVENDARION_FUZZ=ON -DVENDARION_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target "fuzz_$target" -j 2
mkdir -p "$found"

# The place files are written for every input; a memory-backed folder spares the disk.
[ -d /dev/shm ] && export TMPDIR=/dev/shm

options=(-max_len=4096 -artifact_prefix="$build/$target-" -print_final_stats=1 -dict="$dictionary")
case "${2:-600}" in
merge)
    exec "$build/bin/fuzz_$target" -merge=1 "$corpus" "$found"
    ;;
*)
    exec "$build/bin/fuzz_$target" -max_total_time="${2:-600}" ${3:+-runs="$3"} "${options[@]}" \
        "$found" "$corpus"
    ;;
esac
