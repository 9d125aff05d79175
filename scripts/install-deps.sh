#!/usr/bin/env bash
# Installs the Debian packages needed to build, test and look at Talvo-SI.
# Idempotent: packages already present are left alone.
set -euo pipefail

PACKAGES=(
    build-essential cmake pkg-config
    qt6-base-dev libqt6printsupport6 libqt6test6 qt6-qpa-plugins libgl-dev qt6-translations-l10n
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    clang libclang-rt-14-dev clang-format-14
    fonts-ipafont-mincho fonts-ipafont-gothic fontconfig
    poppler-utils xvfb xauth openbox
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi

export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
