#!/usr/bin/env bash
# Installs what building, testing and running Dorvena need, once, and only what is missing.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

packages=(
  cmake make ninja-build g++ pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev libsimpleini-dev
  mingw-w64 g++-mingw-w64-x86-64-posix
  wine wine64 wine64-tools xvfb xauth x11-utils imagemagick xdotool faketime
  locales fonts-dejavu-core fonts-wine
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  if [ "$(id -u)" = 0 ]; then sudo=(); elif command -v sudo >/dev/null 2>&1; then sudo=(sudo); else
    echo "Dorvena needs these Debian packages; install them as root and run make again:" >&2
    echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  echo "setup: installing ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine reads its user locale from LANG; the Turkish one must exist on the host.
if ! locale -a 2>/dev/null | grep -qi '^tr_TR\.utf-\?8$'; then
  if [ "$(id -u)" = 0 ]; then localedef -i tr_TR -f UTF-8 tr_TR.UTF-8
  elif command -v sudo >/dev/null 2>&1; then sudo localedef -i tr_TR -f UTF-8 tr_TR.UTF-8
  else echo "Dorvena's tests need the tr_TR.UTF-8 locale: run 'localedef -i tr_TR -f UTF-8 tr_TR.UTF-8' as root." >&2; exit 1
  fi
fi

# A Wine prefix of our own, so a run never touches the user's.
prefix="$top/build/wineprefix"
if [ ! -f "$prefix/.dorvena-ready" ]; then
  mkdir -p "$top/build"
  echo "setup: preparing the Wine prefix in build/wineprefix"
  export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  wineboot --init </dev/null >/dev/null 2>&1 || true
  # Without a window manager (Xvfb) Wine waits seconds for one at every hide; unmanaged windows
  # do not wait. The planner's windows are frameless tool windows, so nothing is lost.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1 || true
  # The planner is drawn in Tahoma; Wine ships one but does not install it into new prefixes.
  cp /usr/share/wine/fonts/tahoma*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
  wineserver -w || true
  touch "$prefix/.dorvena-ready"
fi
