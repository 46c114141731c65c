# Installs the Debian packages the build needs, and only those that are missing.
# Sourced by the scripts in scripts/.

pz_als_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  else
    sudo "$@"
  fi
}

# pz_pakete PAKET... : installs every named package that is not installed yet.
pz_pakete() {
  local fehlend=()
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
      fehlend+=("$p")
    fi
  done
  if [ "${#fehlend[@]}" -eq 0 ]; then
    return 0
  fi
  echo "Installing: ${fehlend[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # Another build on the machine may be installing at the same moment; wait for it.
  local warten=(-o DPkg::Lock::Timeout=900)
  pz_als_root apt-get "${warten[@]}" update -qq
  pz_als_root apt-get "${warten[@]}" install -y -qq --no-install-recommends "${fehlend[@]}"
}

# What the native build and its tests need.
PZ_PAKETE_NATIV=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev
  qt6-base-dev libgl-dev
  # Qt's own texts in German.
  qt6-translations-l10n
  # The clipboard read past Qt on X11.
  libxcb1-dev
  fonts-liberation
  xvfb xauth
  # The program started as a user starts it, and its installation checked; another
  # program's clipboard.
  xdotool xclip
  desktop-file-utils appstream
)

# What making the Debian package needs, and its check.
PZ_PAKETE_PAKET=(
  dpkg-dev
  lintian
  # hardening-check
  devscripts
)

# What the Windows cross build and its tests under Wine need.
PZ_PAKETE_WINDOWS=(
  cmake ninja-build
  g++-mingw-w64-x86-64-posix mingw-w64-tools
  googletest
  wine64 wine
  xvfb xauth
  fonts-liberation
  xclip
  # scripts/run windows asks whether the display can be opened.
  xdotool
  # The MSI: wixl builds it, msibuild writes its summary, faketime holds its clock.
  wixl msitools faketime
  # Authenticode signatures; the signing test's throwaway certificates.
  osslsigncode openssl
)

# What the browser page, its tests and its benchmark need. npm comes with Node.js where that
# is not Debian's own; see pz_npm.
PZ_PAKETE_WEB=(
  cmake ninja-build
  emscripten nodejs
  chromium
  # Courier New's metric-compatible faces, which the page names after it.
  fonts-liberation fonts-croscore
  # scripts/run web, and the page under a real X server as a user meets it.
  xvfb xauth xdotool xclip
)

# pz_npm: installs the page's test tools from package-lock.json, as pinned there.
pz_npm() {
  if ! command -v npm >/dev/null; then
    pz_pakete npm
  fi
  npm ci --no-audit --no-fund --loglevel=error
}

# pz_quellzeit: the time (seconds since 1970) the packages carry: SOURCE_DATE_EPOCH if set,
# else the time of the commit, else (sources without git) that of the newest source file.
pz_quellzeit() {
  if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    echo "$SOURCE_DATE_EPOCH"
  elif ! git log -1 --format=%ct 2>/dev/null; then
    find . -path ./build -prune -o -type f -printf '%T@\n' | sort -n | tail -n 1 | cut -d. -f1
  fi
}
