#!/usr/bin/env bash
# msi_pruefen.sh UNTER_WINE VORLAGE PRÄFIX PROGRAMM MSI VERSION ÄLTERES_MSI ÄLTERE_VERSION
# The MSI under Wine, in a prefix of its own (a fresh copy of VORLAGE). First as an
# office's administrator rolls it out, silently: an older version installed and upgraded by
# this one; the installed program, started from its Start-menu shortcut, shows its window;
# the older package is refused over the newer; uninstalling leaves the user's profile and
# the registry as they were before the first installation. Then the same by double clicks,
# through the package's own pages.
# Needs the X display the Wine tests run on (DISPLAY) and xdotool.
set -u
unter_wine=$1 vorlage=$2 praefix=$3 programm=$4
msi=$5 version=$6 aelteres_msi=$7 aeltere_version=$8
fehler=0
arbeit=$praefix.arbeit
rm -rf "$praefix" "$arbeit"
mkdir -p "$arbeit"
cp -a "$vorlage" "$praefix"

wineserver=${PZ_WINESERVER:-/usr/lib/wine/wineserver64}
[ -x "$wineserver" ] || wineserver=wineserver
# The prefix (as large as the tests' one) is kept only when something failed.
aufraeumen() {
  WINEPREFIX="$praefix" "$wineserver" -k >/dev/null 2>&1
  [ "$fehler" -ne 0 ] || rm -rf "$praefix" "$arbeit"
}
trap aufraeumen EXIT

w() { "$unter_wine" "$praefix" "$@" </dev/null 2>/dev/null; }
fehlschlag() {
  echo "FAIL $*"
  fehler=1
}
windows_pfad() { printf 'Z:%s' "$1" | tr / '\\'; }
# The Windows path C:\... of the prefix in the Unix file system.
unix_pfad() { printf '%s/drive_c/%s' "$praefix" "$(printf '%s' "${1#?:\\}" | tr '\\' /)"; }
# A folder of the user's profile, as Windows names it: umgebung LOCALAPPDATA.
umgebung() { w cmd /c echo "%$1%" | tr -d '\r'; }
# msiexec STEP ARG... : msiexec, with its log in $arbeit/STEP.log; returns its exit status.
msiexec() {
  schritt=$1
  shift
  w msiexec "$@" /l "$(windows_pfad "$arbeit/$schritt.log")"
}
# The Apps entries named Voveduzaz (uninstall keys, per user or per machine), one line
# each: key name, DisplayVersion, Publisher.
eintraege() {
  for wurzel in HKCU HKLM; do
    w reg query "$wurzel\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s
  done | tr -d '\r' | awk '
    /^HKEY_/ { schluessel = $0; sub(/.*\\/, "", schluessel); next }
    $1 == "DisplayName" { name[schluessel] = substr($0, index($0, $3)) }
    $1 == "DisplayVersion" { ver[schluessel] = $3 }
    $1 == "Publisher" { her[schluessel] = substr($0, index($0, $3)) }
    END { for (s in name) if (name[s] == "Voveduzaz") print s, ver[s], her[s] }'
}
# zustand NAME: what uninstalling must restore, the user's files and the registry, in
# NAME.dateien and NAME.hkcu/.hklm. Not counted: the folder and the keys in which Windows
# Installer keeps its own record of what is installed, which any Windows has, and Wine's
# note of the mouse's settings.
zustand() {
  (cd "$praefix/drive_c/users" && find . | grep -v '^\./[^/]*/AppData/Roaming/Microsoft/Installer$' |
    LC_ALL=C sort) >"$1.dateien"
  for teil in HKCU 'HKLM\Software'; do
    w reg export "$teil" "$(windows_pfad "$1.export")" /y
    iconv -f UTF-16LE -t UTF-8 "$1.export" | tr -d '\r' | awk '
      /^\[/ {
        schluessel = $0
        fluechtig = schluessel ~ /\\Temporary System Parameters\\/
        eigen = schluessel ~ /\\Software\\Microsoft\\Installer[]\\]/ ||
          schluessel ~ /\\CurrentVersion\\Installer\\(UpgradeCodes|UserData)[]\\]/
        if (!eigen && !fluechtig) print schluessel
        next
      }
      /./ && !fluechtig { print schluessel, $0 }' >"$1.$(printf '%s' "${teil%%\\*}" | tr A-Z a-z)"
  done
}

# wie_vorher HOW: after uninstalling HOW, the files and the registry are as they were.
wie_vorher() {
  zustand "$arbeit/nachher"
  if ! diff "$arbeit/vorher.dateien" "$arbeit/nachher.dateien" >"$arbeit/diff"; then
    fehlschlag "uninstalling $1 left files behind, or took some away:"
    sed 's/^/  /' "$arbeit/diff"
  fi
  for teil in hkcu hklm; do
    if ! diff "$arbeit/vorher.$teil" "$arbeit/nachher.$teil" >"$arbeit/diff"; then
      fehlschlag "uninstalling $1 left the registry ($teil) changed:"
      head -n 40 "$arbeit/diff" | sed 's/^/  /'
    fi
  done
  [ "$fehler" -ne 0 ] || echo "ok   uninstalling $1 leaves files and registry as they were"
}

zustand "$arbeit/vorher"
programmdatei=$(unix_pfad "$(umgebung LOCALAPPDATA)\\Programs\\Voveduzaz\\Voveduzaz.exe")
appdata=$(umgebung APPDATA)
verknuepfung="$appdata\\Microsoft\\Windows\\Start Menu\\Programs\\Voveduzaz.lnk"

if ! msiexec aeltere /i "$(windows_pfad "$aelteres_msi")" /qn; then
  fehlschlag "installing version $aeltere_version silently"
fi
if ! msiexec upgrade /i "$(windows_pfad "$msi")" /qn; then
  fehlschlag "the upgrade to version $version"
fi
installiert=$(eintraege)
produkt=${installiert%% *}
if [ "$(printf '%s\n' "$installiert" | grep -c .)" -ne 1 ] ||
  [ "${installiert#* }" != "$version MORVA" ]; then
  fehlschlag "after the upgrade Apps should list Voveduzaz $version by MORVA once, lists:"
  printf '%s\n' "$installiert" | sed 's/^/  /'
else
  echo "ok   upgrade from $aeltere_version: Apps lists $installiert"
fi
if ! cmp -s "$programm" "$programmdatei"; then
  fehlschlag "the program is not installed as $programmdatei"
fi
if [ ! -f "$(unix_pfad "$verknuepfung")" ]; then
  fehlschlag "no Start-menu shortcut $verknuepfung"
fi
# Apps takes the icon from the copy Windows Installer keeps of it.
if [ ! -f "$(unix_pfad "$appdata\\Microsoft\\Installer\\$produkt\\voveduzaz.ico")" ]; then
  fehlschlag "Windows Installer keeps no icon for Apps of $produkt"
fi

# Started as a user starts it, from the Start menu.
w cmd /c start "" "$verknuepfung"
if [ -z "${DISPLAY:-}" ]; then
  fehlschlag "no DISPLAY: the window cannot be looked for"
elif fenster=$(timeout 20 xdotool search --sync --name '^MORVAs Voveduzaz$' 2>/dev/null); then
  echo "ok   the shortcut starts the program; its window: $fenster"
else
  fehlschlag "the installed program showed no window within 20 s"
fi
w taskkill /im Voveduzaz.exe >/dev/null

# Refused as an administrator's roll-out sees it: with ERROR_INSTALL_FAILURE, 1603, of
# which a Unix exit status keeps the low byte, 67.
msiexec downgrade /i "$(windows_pfad "$aelteres_msi")" /qn
status=$?
if [ "$status" -ne 67 ]; then
  fehlschlag "installing version $aeltere_version over $version ended with $status, not 1603"
elif [ "$(eintraege)" != "$installiert" ]; then
  fehlschlag "the refused downgrade changed the installation: $(eintraege)"
else
  echo "ok   version $aeltere_version is refused over $version silently (1603)"
fi
if ! msiexec entfernen /x "$(windows_pfad "$msi")" /qn; then
  fehlschlag "uninstalling silently"
fi
wie_vorher "silently"

# As a user double-clicks the package: each page confirmed with Enter.
# mit_fenster STEP STATUS PAGE... ARG... : msiexec ARG... with its user interface, where
# each PAGE (a title pattern) must be shown in turn; it must end with exit status STATUS.
mit_fenster() {
  schritt=$1 soll=$2
  shift 2
  seiten=()
  while [ "${1#/}" = "$1" ]; do
    seiten+=("$1")
    shift
  done
  msiexec "$schritt" "$@" &
  pid=$!
  for seite in "${seiten[@]}"; do
    if ! timeout 20 xdotool search --sync --onlyvisible --name "$seite" >/dev/null 2>&1; then
      fehlschlag "$schritt: no page \"$seite\" within 20 s"
      w taskkill /f /im msiexec.exe >/dev/null
      break
    fi
    xdotool key Return
  done
  wait "$pid"
  status=$?
  if [ "$status" -ne "$soll" ]; then
    fehlschlag "$schritt: msiexec ended with $status, not $soll"
  fi
}
mit_fenster installieren-fenster 0 '^Voveduzaz installieren$' '^Voveduzaz$' \
  /i "$(windows_pfad "$msi")"
if [ "$(eintraege)" != "${installiert%% *} $version MORVA" ]; then
  fehlschlag "after a double click Apps lists: $(eintraege)"
fi
# The refusal is a message (Wine writes it into no log, so its window is looked for), then
# the page saying that nothing was installed.
mit_fenster downgrade-fenster 67 '.' '^Voveduzaz$' /i "$(windows_pfad "$aelteres_msi")"
mit_fenster entfernen-fenster 0 '^Voveduzaz$' /x "$(windows_pfad "$msi")"
wie_vorher "with its user interface"
if [ "$fehler" -eq 0 ]; then
  echo "ok   by double clicks: installed, an older version refused with a message, removed"
fi
exit "$fehler"
