#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, test and run moxcps. Skips apt-get when
# everything is there already.
set -euo pipefail

# dpkg-dev brings dpkg-shlibdeps for the package's Depends; desktop-file-utils, appstream,
# shared-mime-info and libglib2.0-bin (gio) check the installed desktop files.
packages=(build-essential cmake ninja-build ccache pkg-config lld clang libclang-rt-14-dev dpkg-dev
          qt6-base-dev qt6-serialport-dev qt6-svg-dev qt6-translations-l10n libgl-dev
          libgtest-dev libgmock-dev clang-format
          xvfb xauth imagemagick fonts-noto-cjk x11-utils
          desktop-file-utils appstream shared-mime-info libglib2.0-bin poppler-utils)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
