#!/usr/bin/env bash
# Installs the Debian packages Glowtape needs to build, test and run, when any is missing.
# Not root: prints the one line to type instead and fails.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config ccache
    qt6-base-dev libcurl4-openssl-dev libx11-dev libxss-dev libxext-dev zlib1g-dev
    libgtest-dev libgmock-dev
    xvfb xauth openbox trayer xdotool wmctrl x11-utils imagemagick xcompmgr
    fonts-ipafont-gothic fonts-noto-cjk fonts-noto-color-emoji
    python3 clang-format
    qt6-webengine-dev qt6-svg-dev libqt6svg6 qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
    locales
    at-spi2-core dbus-x11 python3-pyatspi python3-dbus
    dbus-daemon dbus-bin dunst python3-gi gir1.2-glib-2.0
    desktop-file-utils appstream librsvg2-bin dpkg-dev man-db
    clang-14 libfuzzer-14-dev libclang-rt-14-dev
    # The account's password in the desktop's keyring; a keyring on the account test's own bus.
    qtkeychain-qt6-dev gnome-keyring
    # A real Tiny Tiny RSS for the account's end-to-end test, on its own PostgreSQL and PHP's server.
    tt-rss postgresql-15 php8.2-cli php8.2-pgsql php8.2-mbstring php8.2-intl php8.2-xml php8.2-curl
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

# The tests run the interface in English, German and Japanese locales.
locales=(en_US.UTF-8 de_DE.UTF-8 ja_JP.UTF-8)
missing_locales=()
for name in "${locales[@]}"; do
    if ! locale -a 2>/dev/null | grep -qix "${name/UTF-8/utf8}"; then
        missing_locales+=("$name")
    fi
done

if ((${#missing[@]} == 0 && ${#missing_locales[@]} == 0)); then
    exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
    if ((${#missing[@]} > 0)); then
        echo "Missing packages. Install them with:" >&2
        echo "sudo apt-get install -y ${missing[*]}" >&2
    fi
    if ((${#missing_locales[@]} > 0)); then
        echo "Missing locales ${missing_locales[*]}: enable them in /etc/locale.gen and run" \
            "sudo locale-gen" >&2
    fi
    exit 1
fi

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

if ((${#missing_locales[@]} > 0)); then
    for name in "${missing_locales[@]}"; do
        line="$name UTF-8"
        if grep -q "^# *$line" /etc/locale.gen; then
            sed -i "s/^# *$line/$line/" /etc/locale.gen
        elif ! grep -q "^$line" /etc/locale.gen; then
            echo "$line" >>/etc/locale.gen
        fi
    done
    locale-gen >/dev/null
fi
