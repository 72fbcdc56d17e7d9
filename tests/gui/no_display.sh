#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Started with a display that does not answer, the program says so in one
# line and ends with status 1 (not Qt's abort with its long advice).
prog=$1
for display in :97 ""; do
    err=$(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY="$display" "$prog" 2>&1 >/dev/null)
    status=$?
    lines=$(printf '%s\n' "$err" | wc -l)
    if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ]; then
        echo "DISPLAY=$display: status $status, $lines lines:"
        printf '%s\n' "$err"
        exit 1
    fi
    case "$err" in
    "scrivane: no display"*) ;;
    *) echo "DISPLAY=$display: unexpected message: $err"; exit 1 ;;
    esac
done
echo ok
