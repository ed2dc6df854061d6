#!/bin/sh
# Every shipped translation holds each text of the scene, finished: lupdate's refresh of a file
# changes nothing, and no entry is unfinished or empty.
# Usage: tst_translations.sh LUPDATE SOURCE_DIR
set -eu
lupdate=$1
cd "$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in translations/*.ts; do
    cp "$ts" "$work/fresh.ts"
    "$lupdate" -silent -locations none -no-obsolete qml -ts "$work/fresh.ts"
    diff -u "$ts" "$work/fresh.ts" || { echo "$ts: out of step with the scene; refresh it with" \
        "cmake --build build --target update_translations"; status=1; }
    ! grep -nE 'type="unfinished"|<translation></translation>' "$ts" || { echo "$ts: unfinished"; status=1; }
done
exit $status
