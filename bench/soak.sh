#!/usr/bin/env bash
# Runs the real program for a long while and watches it for leaks: a private Xvfb with openbox
# and a notification area, 20 feeds on a local HTTP server (each with a few dozen articles,
# one always failing) downloaded at every visit, the sign at its fastest speed. Once a minute it
# prints the resident memory and the open file descriptors; the last line gives the growth since
# minute 2, when every feed has been loaded once and the caches are warm.
# Usage: bench/soak.sh [minutes] [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-10}
build=${2:-build}

work=$(mktemp -d)
export GLOWTAPE_HOME=$work/home XDG_RUNTIME_DIR=$work/runtime HOME=$work
mkdir -p "$GLOWTAPE_HOME" "$XDG_RUNTIME_DIR" "$work/feeds"
chmod 700 "$XDG_RUNTIME_DIR"

# Twenty feeds whose articles change on every request, as busy sites' feeds do.
cat >"$work/serve.py" <<'PY'
import http.server, itertools, sys
counter = itertools.count()
class Feed(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        print(self.path, flush=True)
        if self.path == "/feed19.xml":
            self.send_error(500)
            return
        n = next(counter)
        items = "".join("<item><title>記事 %d の %d 番目のニュース</title><link>/news/%d/%d</link>"
                        "<description>説明 %s</description></item>" % (n, i, n, i, "あ" * (i % 40))
                        for i in range(30))
        body = ("<?xml version='1.0' encoding='UTF-8'?><rss version='2.0'><channel>"
                "<title>%s</title><link>/</link>%s</channel></rss>" % (self.path, items)).encode()
        self.send_response(200)
        self.send_header("Content-Type", "application/rss+xml; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)
    def log_message(self, *args):
        pass
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Feed)
print(server.server_address[1], flush=True)
server.serve_forever()
PY
python3 "$work/serve.py" >"$work/served" &
feeds=$!
for _ in $(seq 50); do [[ -s $work/served ]] && break; sleep 0.1; done
port=$(head -n 1 "$work/served")
for i in $(seq 0 19); do
    printf 'Feed %d,http://127.0.0.1:%d/feed%d.xml,\x81\x9b\r\n' "$i" "$port" "$i"
done >"$GLOWTAPE_HOME/news.csv"
printf '[option]\r\nOP5=1\r\nRefresh=0\r\n' >"$GLOWTAPE_HOME/glowtape3.ini"

display=":$((300 + RANDOM % 300))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
program=
trap 'kill $program $tray $openbox $xvfb $feeds 2>/dev/null || true; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
openbox=$!
sleep 0.5
trayer --edge top --align right --widthtype pixel --width 100 --height 24 >/dev/null 2>&1 &
tray=$!
sleep 0.5
"$build/glowtape" >/dev/null 2>&1 &
program=$!
# The sign stands still under the pointer.
xdotool mousemove 1020 760

rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$program/status"; }
fds() { find "/proc/$program/fd" -mindepth 1 -maxdepth 1 | wc -l; }
base_rss=
base_fds=
for minute in $(seq 1 "$minutes"); do
    sleep 60
    if ! kill -0 "$program" 2>/dev/null; then
        echo "the program ended after $((minute - 1)) minutes" >&2
        exit 1
    fi
    rss=$(rss_kb)
    open=$(fds)
    requests=$(($(wc -l <"$work/served") - 1))
    awk -v m="$minute" -v rss="$rss" -v fds="$open" -v requests="$requests" \
        'BEGIN { printf "minute %d: rss %.1f MB, %d descriptors, %d feed requests so far\n",
                 m, rss / 1024, fds, requests }'
    if ((minute == 2)); then
        base_rss=$rss
        base_fds=$open
    fi
done
if [[ -n $base_rss ]]; then
    awk -v grown="$((rss - base_rss))" -v fds="$((open - base_fds))" \
        'BEGIN { printf "growth after minute 2: rss %+.2f MB, descriptors %+d\n", grown / 1024, fds }'
fi
