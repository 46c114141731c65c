#!/usr/bin/env bash
# signatur_pruefen.sh: the Windows packages signed as a releaser signs them, with a
# throwaway certificate authority and code-signing certificate made in a temporary folder.
# - scripts/package windows with the key signs the program and the MSI; osslsigncode
#   accepts both against that authority, and the .sha256 files describe them;
# - the program with its signature removed is the unsigned build, byte for byte;
# - the password and the key reach neither the output, nor osslsigncode's command line,
#   nor a file under build/;
# - the signed MSI installs under Wine, and the program it installs carries the signature;
# - without the key, the packages are the unsigned ones of before, byte for byte.
# Run by scripts/test-windows after the Windows tests, whose build and Wine prefix it uses,
# on their display.
set -u
cd "$(dirname "$0")/../.."
fehler=0
fehlschlag() {
  echo "FAIL $*"
  fehler=1
}
wineserver=${PZ_WINESERVER:-/usr/lib/wine/wineserver64}
[ -x "$wineserver" ] || wineserver=wineserver
tmp=$(mktemp -d)
trap 'WINEPREFIX="$tmp/wine" "$wineserver" -k >/dev/null 2>&1; rm -rf "$tmp"' EXIT

b=build/windows
programm=$b/Voveduzaz.exe
unsigniert=$b/app/win32/Voveduzaz.exe
ohne_schluessel=(env -u PZ_SIGN_PKCS12 -u PZ_SIGN_PASSWORD_FILE -u PZ_SIGN_TIMESTAMP_URL)
# pakete LOG [ENV...]: scripts/package windows, its output in LOG.
pakete() {
  local log=$1
  shift
  if ! "$@" scripts/package windows >"$log" 2>&1; then
    tail -n 20 "$log"
    fehlschlag "scripts/package windows failed"
    exit 1
  fi
}
summen() { (cd "$b" && sha256sum Voveduzaz.exe Voveduzaz-*-win64.msi Voveduzaz-*-win64.zip); }

# Made anew: an MSI left from an earlier commit would still carry that commit's time.
rm -f "$b"/Voveduzaz-*-win64.msi
pakete "$tmp/vorher.log" "${ohne_schluessel[@]}"
vorher=$(summen)

# The authority, and a certificate for code signing that it issued; the key and the
# certificate in a PKCS#12 file under a password that only its file holds.
(
  cd "$tmp" || exit 1
  openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 2 \
    -subj "/CN=Voveduzaz Test-CA" -addext "basicConstraints=critical,CA:TRUE" \
    -addext "keyUsage=critical,keyCertSign,cRLSign" &&
    openssl req -newkey rsa:2048 -nodes -keyout signatur.key -out signatur.csr \
      -subj "/CN=MORVA Test/O=MORVA" &&
    printf '%s\n' "keyUsage=critical,digitalSignature" "extendedKeyUsage=codeSigning" >ext &&
    openssl x509 -req -in signatur.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 \
      -extfile ext -out signatur.pem &&
    openssl rand -hex 16 >passwort &&
    openssl pkcs12 -export -inkey signatur.key -in signatur.pem -passout file:passwort \
      -out signatur.p12
) >"$tmp/openssl.log" 2>&1 || {
  cat "$tmp/openssl.log"
  fehlschlag "the throwaway certificates could not be made"
  exit 1
}
passwort=$(cat "$tmp/passwort")

# osslsigncode as the build finds it on the PATH, with a note of each command line.
mkdir "$tmp/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s/aufrufe"\nexec "%s" "$@"\n' \
  "$tmp" "$(command -v osslsigncode)" >"$tmp/bin/osslsigncode"
chmod +x "$tmp/bin/osslsigncode"
pakete "$tmp/signiert.log" env PATH="$tmp/bin:$PATH" PZ_SIGN_PKCS12="$tmp/signatur.p12" \
  PZ_SIGN_PASSWORD_FILE="$tmp/passwort"

msi=$(ls "$b"/Voveduzaz-*-win64.msi)
mkdir "$tmp/zip"
cmake -E chdir "$tmp/zip" cmake -E tar xf "$PWD/$(ls "$b"/Voveduzaz-*-win64.zip)"
if ! cmp -s "$tmp/zip/Voveduzaz.exe" "$programm"; then
  fehlschlag "the ZIP does not hold $programm"
fi
for datei in "$programm" "$msi"; do
  if ! osslsigncode verify -CAfile "$tmp/ca.pem" -in "$datei" >"$tmp/verify.log" 2>&1; then
    tail -n 5 "$tmp/verify.log"
    fehlschlag "osslsigncode verify does not accept $datei against the test authority"
  fi
done
if ! (cd "$b" && sha256sum --quiet -c Voveduzaz-*-win64.msi.sha256 Voveduzaz-*-win64.zip.sha256); then
  fehlschlag "the .sha256 files do not describe the signed packages"
fi
osslsigncode remove-signature -in "$programm" -out "$tmp/entfernt.exe" >/dev/null
if ! cmp "$tmp/entfernt.exe" "$unsigniert"; then
  fehlschlag "the program with its signature removed is not the unsigned build"
fi
if [ "$(grep -c . "$tmp/aufrufe" 2>/dev/null)" != 2 ]; then
  fehlschlag "osslsigncode should have signed twice, was called: $(cat "$tmp/aufrufe" 2>/dev/null)"
fi
if grep -lF -e "$passwort" -e "$(sed -n 2p "$tmp/signatur.key")" "$tmp/signiert.log" "$tmp/aufrufe" ||
  grep -rlF -e "$passwort" -e "$(sed -n 2p "$tmp/signatur.key")" build/ ||
  find build/ -type f -size "$(stat -c %s "$tmp/signatur.p12")c" -exec cmp -s {} "$tmp/signatur.p12" \; -print |
  grep .; then
  fehlschlag "the password or the key is in the files above"
fi
[ "$fehler" -ne 0 ] || echo "ok   signed: the program and the MSI verify, and the program less its signature is the build"

# Installed as a user installs it, in a copy of the tests' prefix.
cp -a "$b/wine" "$tmp/wine"
cmake/unter-wine.sh "$tmp/wine" msiexec /i "$(printf 'Z:%s' "$PWD/$msi" | tr / '\\')" /qn \
  </dev/null >/dev/null 2>&1
installiert=$(find "$tmp/wine/drive_c/users" -path '*/Programs/Voveduzaz/Voveduzaz.exe')
if [ -z "$installiert" ] || ! cmp -s "$installiert" "$programm" ||
  ! osslsigncode verify -CAfile "$tmp/ca.pem" -in "$installiert" >/dev/null 2>&1; then
  fehlschlag "the signed MSI did not install the signed program (${installiert:-nothing installed})"
else
  echo "ok   the signed MSI installs under Wine, and the program it installs is signed"
fi

pakete "$tmp/nachher.log" "${ohne_schluessel[@]}"
if [ "$(summen)" != "$vorher" ]; then
  fehlschlag "without the key, the packages differ from those made before signing:"
  summen | sed 's/^/  /'
elif ! cmp -s "$programm" "$unsigniert" ||
  osslsigncode verify -CAfile "$tmp/ca.pem" -in "$msi" >/dev/null 2>&1; then
  fehlschlag "without the key, the packages are signed"
else
  echo "ok   without the key the packages are unsigned, the same bytes as before"
fi
exit "$fehler"
