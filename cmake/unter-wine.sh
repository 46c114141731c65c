#!/bin/sh
# unter-wine.sh PREFIX PROGRAM [ARG...]
# Runs a Windows program under Wine in the given prefix, creating the prefix once.
# Several tests may start at the same time, so the creation is serialised by a lock.
set -eu

WINEPREFIX=$1
shift
case $WINEPREFIX in
  /*) ;;
  *) WINEPREFIX=$PWD/$WINEPREFIX ;;
esac
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer dialog may block an unattended run, and a shortcut that a
# program installs into the prefix's Start menu must not reach the menu of this machine.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64

# Debian's wine64 package holds the loader without the wrapper of the wine package.
if [ -x /usr/lib/wine/wine64 ]; then
  wine=/usr/lib/wine/wine64
  export WINELOADER="$wine"
  wineserver=/usr/lib/wine/wineserver64
else
  wine=$(command -v wine64 || command -v wine)
  wineserver=$(command -v wineserver)
fi

if [ ! -f "$WINEPREFIX/.pz-fertig" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [ ! -f "$WINEPREFIX/.pz-fertig" ]; then
    "$wine" wineboot.exe --init >/dev/null 2>&1 || true
    # The tests run on a bare X server. Without a window manager, Wine waits two seconds
    # for one whenever a managed window is hidden or destroyed; unmanaged windows do not.
    if [ "${PZ_WINE_VERWALTET:-0}" != 1 ]; then
      "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    fi
    "$wineserver" -w || true
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      echo "unter-wine.sh: the Wine prefix $WINEPREFIX could not be created" >&2
      exit 1
    fi
    touch "$WINEPREFIX/.pz-fertig"
  fi
  flock -u 9
  exec 9>&-
fi

exec "$wine" "$@"
