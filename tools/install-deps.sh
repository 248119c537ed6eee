#!/usr/bin/env bash
# Installs the Debian packages Dayloom needs to build, run and test, if any
# are missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev ccache pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-charts-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libqt6opengl6-dev libgl-dev libqt6svg6 libsodium-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    poppler-utils locales fonts-dejavu-core fonts-liberation2
    xvfb xauth xdotool imagemagick desktop-file-utils appstream dpkg-dev file
    shared-mime-info libglib2.0-bin xdg-utils
    libzip-dev libzxcvbn-dev python3 libcmark-dev libenchant-2-dev hunspell-en-us
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests run some windows under a German locale to prove dates stay
# English and numbers keep their decimal point.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
fi
