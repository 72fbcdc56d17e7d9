#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Two real starts on one base directory: the second hands its file to the first and ends with 0;
# the first opens the file (it comes first in the recent files it writes at exit). Run on a
# session bus of its own.
prog=$1
work=$(mktemp -d)
trap 'kill "$first" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/base" "$work/config" "$work/home"
printf 'Read slowly.\n' >"$work/today.txt"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" HOME="$work/home"

"$prog" --base "$work/base" &
first=$!
name=""
for _ in $(seq 100); do
    name=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.ListNames 2>/dev/null | grep -o 'org\.brennoch\.Scrivane\.b[0-9a-f]*')
    [ -n "$name" ] && break
    sleep 0.1
done
[ -n "$name" ] || { echo "the first start never took its bus name"; exit 1; }

(cd "$work/home" && timeout 20 "$prog" --base "$work/base" ../today.txt)
status=$?
[ "$status" -eq 0 ] || { echo "second start: status $status"; exit 1; }
kill -0 "$first" 2>/dev/null || { echo "the first start ended"; exit 1; }

# Another base directory is served by a program of its own.
mkdir "$work/other"
timeout 5 "$prog" --base "$work/other" &
other=$!
sleep 2
kill -0 "$other" 2>/dev/null || { echo "a start on another base directory did not run"; exit 1; }
kill "$other"

kill -TERM "$first"
wait "$first"
grep -q "File1=$work/today.txt" "$work/config/Brennoch/Scrivane.ini" ||
    { echo "the running program did not open the file:"; cat "$work/config/Brennoch/Scrivane.ini"; exit 1; }
echo ok
