#!/usr/bin/env bash
# Starts a program on the current X display, waits for its Tonmira window,
# presses Escape in it and exits with the program's own exit status.
#   usage: start_and_escape.sh PROGRAM [ARG...]   (PROGRAM may be a wrapper
#   such as valgrind that execs the real one in the same process)
set -uo pipefail

"$@" &
pid=$!
window=$(timeout 120 xdotool search --sync --onlyvisible --pid "$pid" --name '^Tonmira$' | head -n 1)
if [ -z "$window" ]; then
    kill "$pid" 2>/dev/null
    echo "FAIL: no Tonmira window appeared" >&2
    exit 1
fi
xdotool windowfocus --sync "$window" key Escape
for _ in $(seq 600); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    echo "FAIL: still running 60 s after Escape" >&2
    exit 1
fi
wait "$pid"
