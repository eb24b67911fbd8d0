#!/usr/bin/env bash
# Runs a command on a private Xvfb display with a private runtime directory. Xvfb chooses a
# free display number itself, so tests running side by side never race for one.
set -euo pipefail
number_file=$(mktemp)
runtime=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$number_file" "$runtime"' EXIT
# A busy machine may take many seconds to start the server.
for _ in $(seq 600); do
    [ -s "$number_file" ] && break
    sleep 0.1
done
if [ ! -s "$number_file" ]; then
    echo "Xvfb did not start" >&2
    exit 1
fi
DISPLAY=":$(head -n1 "$number_file")" XDG_RUNTIME_DIR="$runtime" "$@"
