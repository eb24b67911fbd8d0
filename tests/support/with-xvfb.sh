#!/usr/bin/env bash
# Runs a command on a private Xvfb display. Xvfb chooses a free display number itself, so
# tests running side by side never race for one.
set -euo pipefail
number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -f "$number_file"' EXIT
for _ in $(seq 100); do
    [ -s "$number_file" ] && break
    sleep 0.1
done
DISPLAY=":$(head -n1 "$number_file")" "$@"
