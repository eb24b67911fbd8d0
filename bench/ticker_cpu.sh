#!/usr/bin/env bash
# Starts the ticker under a private Xvfb with the default settings and the demo feeds, lets it
# scroll, and prints its CPU use and the X server's (percent of one core), and its resident
# memory. Every scroll step reaches the X server, so both count. The icon sits in a
# notification area (trayer), two system-wide keys are held, and a stand-in screen saver
# owns its name on a private session bus, as on a desktop.
#
# --asleep turns the screen saver on before measuring: the sign should then cost nothing.
# --covered runs a compositing manager (xcompmgr) and covers the screen with a window before
# measuring, as on a compositing desktop. --refresh N sets the feeds' refresh interval in
# minutes, so that a long run asleep includes downloads made in the background.
# Several build directories are measured side by side, at the same time, each on its own
# X server, so that they share whatever else loads the machine.
# Usage: bench/ticker_cpu.sh [--asleep] [--covered] [--refresh N] [--seconds N] [build-dir ...]
set -euo pipefail
cd "$(dirname "$0")/.."

asleep=false
covered=false
refresh=
seconds=30
builds=()
while (($#)); do
    case $1 in
    --asleep) asleep=true ;;
    --covered) covered=true ;;
    --refresh) refresh=$2; shift ;;
    --seconds) seconds=$2; shift ;;
    *) builds+=("$1") ;;
    esac
    shift
done
((${#builds[@]})) || builds=(build)

work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# Runs one build in a desktop of its own and writes its figures to $work/$index.result.
measure() {
    local index=$1 build=$2 dir=$work/$1
    mkdir -p "$dir/home" "$dir/runtime"
    chmod 700 "$dir/runtime"
    export GLOWTAPE_HOME=$dir/home XDG_RUNTIME_DIR=$dir/runtime HOME=$dir
    sed "s|@SAMPLES@|$PWD/samples|g" samples/news.csv.in >"$GLOWTAPE_HOME/news.csv"
    printf '[HotKey]\r\nnext=19\r\nback=20\r\n' >"$GLOWTAPE_HOME/data.ini"
    [[ -z $refresh ]] || printf '[option]\r\nRefresh=%s\r\n' "$refresh" >"$GLOWTAPE_HOME/glowtape3.ini"

    # Xvfb picks a free display itself, so that the runs side by side never meet.
    mkfifo "$dir/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" >/dev/null 2>&1 &
    local xvfb=$!
    echo $xvfb >>"$work/pids"
    local number
    read -r number <"$dir/display"
    export DISPLAY=:$number
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    dbus-daemon --session --fork --print-address=1 --print-pid=1 >"$dir/bus"
    export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p "$dir/bus")
    sed -n 2p "$dir/bus" >>"$work/pids"
    tests/e2e/screensaver_standin.py >/dev/null &
    echo $! >>"$work/pids"
    openbox >/dev/null 2>&1 &
    echo $! >>"$work/pids"
    sleep 0.5
    trayer --edge top --align right --widthtype pixel --width 100 --height 24 >/dev/null 2>&1 &
    echo $! >>"$work/pids"
    sleep 0.5
    xdotool mousemove 1000 700 # off the sign, which stands still under the pointer

    "$build/glowtape" >/dev/null 2>&1 &
    local program=$!
    echo $program >>"$work/pids"
    sleep 3 # start-up and the first feed
    if $covered; then
        xcompmgr >/dev/null 2>&1 &
        echo $! >>"$work/pids"
        xmessage -name cover -geometry 1024x768+0+0 cover >/dev/null 2>&1 &
        echo $! >>"$work/pids"
        sleep 2
        wmctrl -r cover -b add,fullscreen
        sleep 1
    fi
    if $asleep; then
        dbus-send --session --print-reply --dest=org.freedesktop.ScreenSaver \
            /org/freedesktop/ScreenSaver org.freedesktop.ScreenSaver.SetActive boolean:true >/dev/null
        sleep 1
    fi

    local before xserver_before start after xserver_after end rss_kb
    before=$(cpu_ticks $program)
    xserver_before=$(cpu_ticks $xvfb)
    start=$(date +%s.%N)
    sleep "$seconds"
    after=$(cpu_ticks $program)
    xserver_after=$(cpu_ticks $xvfb)
    end=$(date +%s.%N)
    rss_kb=$(awk '/^VmRSS:/ {print $2}' "/proc/$program/status")

    awk -v build="$build" -v used="$((after - before))" -v xused="$((xserver_after - xserver_before))" \
        -v ticks="$(getconf CLK_TCK)" -v start="$start" -v end="$end" -v rss="$rss_kb" 'BEGIN {
            elapsed = end - start
            printf "%s: cpu seconds %.2f, X server %.2f, over %.1f s\n", build, used / ticks,
                xused / ticks, elapsed
            printf "%s: cpu%% %.2f rss_mb %.0f xserver_cpu%% %.2f together%% %.2f\n", build,
                100 * used / ticks / elapsed, rss / 1024, 100 * xused / ticks / elapsed,
                100 * (used + xused) / ticks / elapsed
        }' >"$work/$index.result"
}

touch "$work/pids"
for index in "${!builds[@]}"; do
    measure "$index" "${builds[$index]}" &
    pids+=($!)
done
wait "${pids[@]}"
mapfile -t pids <"$work/pids"
$asleep && echo "screen saver on: the sign asleep"
$covered && echo "under xcompmgr, a window over the whole screen"
[[ -z $refresh ]] || echo "refresh every $refresh minute(s)"
cat "$work"/*.result
