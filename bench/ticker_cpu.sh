#!/usr/bin/env bash
# Starts the ticker under a private Xvfb with the default settings and the demo feeds, lets it
# scroll for 30 seconds, and prints its CPU use and the X server's (percent of one core), and
# its resident memory. Every scroll step reaches the X server, so both count. The icon sits in
# a notification area (trayer) and two system-wide keys are held, as on a desktop.
# Usage: bench/ticker_cpu.sh [build-dir] [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
seconds=${2:-30}

work=$(mktemp -d)
export GLOWTAPE_HOME=$work/home XDG_RUNTIME_DIR=$work/runtime HOME=$work
mkdir -p "$GLOWTAPE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
sed "s|@SAMPLES@|$PWD/samples|g" samples/news.csv.in >"$GLOWTAPE_HOME/news.csv"
printf '[HotKey]\r\nnext=19\r\nback=20\r\n' >"$GLOWTAPE_HOME/data.ini"

display=":$((300 + RANDOM % 300))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
trap 'kill $program $tray $openbox $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
openbox=$!
sleep 0.5
trayer --edge top --align right --widthtype pixel --width 100 --height 24 >/dev/null 2>&1 &
tray=$!
sleep 0.5

"$build/glowtape" >/dev/null 2>&1 &
program=$!
sleep 3 # start-up and the first feed

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
before=$(cpu_ticks $program)
xserver_before=$(cpu_ticks $xvfb)
start=$(date +%s.%N)
sleep "$seconds"
after=$(cpu_ticks $program)
xserver_after=$(cpu_ticks $xvfb)
end=$(date +%s.%N)
rss_kb=$(awk '/^VmRSS:/ {print $2}' "/proc/$program/status")

awk -v used="$((after - before))" -v xused="$((xserver_after - xserver_before))" \
    -v ticks="$ticks" -v start="$start" -v end="$end" -v rss="$rss_kb" 'BEGIN {
        elapsed = end - start
        printf "cpu seconds %.2f, X server %.2f, over %.1f s\n", used / ticks, xused / ticks, elapsed
        printf "cpu%% %.2f rss_mb %.0f xserver_cpu%% %.2f\n", 100 * used / ticks / elapsed,
            rss / 1024, 100 * xused / ticks / elapsed
    }'
