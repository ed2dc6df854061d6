#!/bin/sh
# Every shipped translation holds each text of the scene, the tray and the reminders, the printed
# pages and the calendar files, finished: lupdate's refresh of a file changes nothing (else: cmake
# --build build --target update_translations), and no entry is unfinished or empty.
# Usage: tst_translations.sh LUPDATE SOURCE_DIR
set -eu
cd "$2"
fresh=$(mktemp --suffix=.ts)
trap 'rm -f "$fresh"' EXIT
status=0
for ts in translations/*.ts; do
    cp "$ts" "$fresh"
    "$1" -silent -locations none -no-obsolete qml app reminders print ical -ts "$fresh"
    diff -u "$ts" "$fresh" || status=1
    ! grep -nE 'type="unfinished"|<translation></translation>' "$ts" || status=1
done
exit $status
