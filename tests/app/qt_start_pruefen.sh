#!/bin/sh
# qt_start_pruefen.sh PROGRAM
# The Qt program started as a user starts it. It reads no command line, so none of Qt's
# own options reaches its window. Without a display to open it says so in one line and
# ends with status 1, rather than with abort() and a core dump.
set -u
programm=$1
fehler=0

# A display number nobody serves.
nr=4711
while [ -e "/tmp/.X11-unix/X$nr" ] || [ -e "/tmp/.X$nr-lock" ]; do
  nr=$((nr + 1))
done

# ohne_anzeige NAME [ENV ASSIGNMENT OR -u VARIABLE...]
ohne_anzeige() {
  name=$1
  shift
  ausgabe=$(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY "$@" "$programm" 2>&1 </dev/null)
  status=$?
  zeilen=$(printf '%s\n' "$ausgabe" | grep -c .)
  if [ "$status" -ne 1 ] || [ "$zeilen" -ne 1 ] || ! printf '%s' "$ausgabe" | grep -q Anzeige; then
    echo "FAIL $name: exit status $status, $zeilen lines of output:"
    printf '%s\n' "$ausgabe" | sed 's/^/  /'
    fehler=1
  else
    echo "ok   $name: $ausgabe"
  fi
}
ohne_anzeige "DISPLAY not set" -u DISPLAY
ohne_anzeige "DISPLAY without a server" DISPLAY=":$nr"

# Qt's -qwindowtitle would set the caption, if the program passed its arguments on. Under
# LANG=C the window still speaks German: Qt's translation, mapped from its file while it
# is loaded, is in the program's memory once the window stands.
protokoll=$(mktemp)
titel=$(LANG=C LC_ALL=C xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  "$1" -qwindowtitle Anders >/dev/null 2>&1 &
  pid=$!
  fenster=$(timeout 60 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
  [ -n "$fenster" ] && xdotool getwindowname "$fenster"
  grep -q "/qtbase_de.qm$" "/proc/$pid/maps" && echo Deutsch
  kill "$pid"
' sh "$programm" 2>"$protokoll")
if [ -z "$titel" ]; then
  cat "$protokoll"
fi
rm -f "$protokoll"
if [ "$titel" != "MORVAs Voveduzaz
Deutsch" ]; then
  echo "FAIL -qwindowtitle Anders under LANG=C: the window's title and language are \"$titel\""
  fehler=1
else
  echo "ok   -qwindowtitle Anders under LANG=C: the title stays, Qt's texts are German"
fi

exit "$fehler"
