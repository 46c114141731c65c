#!/bin/sh
# start_pruefen.sh UNTER_WINE PREFIX PROGRAM
# The program started as a user starts it, with no screen reader asking for its window:
# until one asks, it loads none of the libraries that only a screen reader needs. Wine
# reports every DLL a process loads; ole32 it loads for its own X11 driver, so only
# oleacc and oleaut32 tell.
set -u
unter_wine=$1
prefix=$2
programm=$3

protokoll=$(mktemp)
trap 'rm -f "$protokoll"' EXIT
WINEDEBUG=+loaddll "$unter_wine" "$prefix" "$programm" >"$protokoll" 2>&1 &
pid=$!
fenster=$(timeout 60 xdotool search --sync --onlyvisible --name "^MORVAs Voveduzaz$" | head -n 1)
sleep 1  # what the window does once it is drawn
kill "$pid"
wait "$pid" 2>/dev/null

# The program's own process is the one that loaded the program.
prozess=$(grep -i -m 1 'Loaded L".*\\voveduzaz\.exe"' "$protokoll" | cut -d: -f1)
if [ -z "$fenster" ] || [ -z "$prozess" ]; then
  echo "FAIL the window did not come up (window '$fenster', process '$prozess')"
  exit 1
fi
geladen=$(grep "^$prozess:trace:loaddll:" "$protokoll" | grep -i -o '[a-z0-9_]*\.dll' | sort -u)
zu_frueh=$(printf '%s\n' "$geladen" | grep -i -x -e oleacc.dll -e oleaut32.dll)
if [ -n "$zu_frueh" ]; then
  echo "FAIL loaded at the start:" $zu_frueh
  exit 1
fi
echo "ok   loaded at the start:" $geladen
