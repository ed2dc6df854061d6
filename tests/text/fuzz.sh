#!/usr/bin/env bash
# Fuzzes the text document parser and the ".enc" codec with clang's libFuzzer, under the address
# and undefined-behaviour sanitizers, starting from the kept corpus in tests/text/corpus.
#
#   tests/text/fuzz.sh [SECONDS]   fuzz for SECONDS (default 600); new inputs collect in
#                                  build-fuzz/text-corpus, findings in build-fuzz/crash-*
#   tests/text/fuzz.sh merge       add the collected inputs that reach new code to the kept corpus
#
# The ordinary build replays the kept corpus in tst_corpus; this script is the only thing that
# needs clang.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build="$root/build-fuzz"
corpus="$root/tests/text/corpus"
found="$build/text-corpus"

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
cmake --build "$build" --target fuzz_text -j 2
mkdir -p "$found"

case "${1:-600}" in
merge)
    exec "$build/bin/fuzz_text" -merge=1 "$corpus" "$found"
    ;;
*)
    exec "$build/bin/fuzz_text" -max_total_time="${1:-600}" -max_len=4096 \
        -dict="$root/tests/text/fuzz_text.dict" -artifact_prefix="$build/" -print_final_stats=1 \
        "$found" "$corpus"
    ;;
esac
