#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Tonmira developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts a program on the current X display, waits for its Tonmira window,
# presses Escape in it and exits with the program's own exit status.
#   usage: start_and_escape.sh PROGRAM [ARG...]   (PROGRAM may be a wrapper
#   such as valgrind that execs the real one in the same process)
# Meant for a display of its own (tests/desktop-session): the window is found
# by its title alone. The bounds are generous, for valgrind on a busy machine;
# every wait is for an event.
set -uo pipefail
bound=600

# timeout ends the program if it hangs, and passes its status on otherwise.
timeout --kill-after=10 "$bound" "$@" &
pid=$!
window=$(timeout "$bound" xdotool search --sync --onlyvisible --name '^Tonmira$' | head -n 1)
if [ -z "$window" ]; then
    kill "$pid" 2>/dev/null
    wait "$pid"
    echo "FAIL: no Tonmira window appeared within $bound s" >&2
    exit 1
fi
xdotool windowfocus --sync "$window" key Escape
wait "$pid"
status=$?
if [ "$status" -eq 124 ]; then
    echo "FAIL: still running $bound s after it started" >&2
fi
exit "$status"
