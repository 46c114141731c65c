#!/bin/sh
# tasten_pruefen.sh UNTER_WINE PREFIX PROGRAM
# The program as a user types into it, with the keys and the mouse of the X server that
# Wine runs on: the number up to two digits of the expiry date, a click into the full date
# of birth, Ctrl+A, 1, Delete and 7. Ctrl+A only selects, so the 1 is refused in the full
# field and lands nowhere else, and Delete and 7 stay in the date of birth. The whole
# number, copied with its button, then comes off the X clipboard.
set -u
unter_wine=$1
prefix=$2
programm=$3

"$unter_wine" "$prefix" "$programm" >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null' EXIT
fenster=$(timeout 60 xdotool search --sync --onlyvisible --name "^MORVAs Voveduzaz$" | head -n 1)
if [ -z "$fenster" ]; then
  echo "FAIL the window did not come up"
  exit 1
fi
xdotool windowfocus --sync "$fenster"

# Wine draws the frame of a window no window manager frames; the client area (428 x 113 at
# 96 dpi) lies inside a border of equal width on three sides, below the caption.
eval "$(xdotool getwindowgeometry --shell "$fenster")"
rand=$(((WIDTH - 428) / 2))
oben=$((HEIGHT - 113 - rand))
klicken() { # client x, y
  xdotool mousemove --window "$fenster" $(($1 + rand)) $(($2 + oben)) click 1
}

xdotool key --delay 20 1 2 3 4 5 6 7 8 9 5 2 0 7 2 7 1 0
klicken 202 69 # txtGeburt
xdotool key --delay 20 ctrl+a 1 Delete 7
klicken 399 77 # cb_ZA_alles

soll=1234567897D710
for _ in $(seq 50); do
  ist=$(timeout 5 xclip -o -selection clipboard 2>/dev/null)
  if [ "$ist" = "$soll" ]; then
    echo "ok   $ist"
    exit 0
  fi
  sleep 0.1
done
echo "FAIL the clipboard holds '$ist', not '$soll'"
exit 1
