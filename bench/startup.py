# SPDX-FileCopyrightText: 2026 The Tonmira developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Start-up cost of tonmira against the baseline dialog, one full cycle each:
start, window mapped on the X display, Escape, exit. Runs the two alternately
(A B A B ...) and reports, per program, the median and spread of the
whole-process CPU time (user + sys) and of the peak resident memory, and the
ratio of the medians. Needs an X display and xdotool.

usage: startup.py [--pairs N] TONMIRA BASELINE
"""

import argparse
import os
import statistics
import subprocess
import sys
import time


def cycle(program):
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", LANG="C.UTF-8")
    process = subprocess.Popen([program], env=env, stdin=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(process.pid),
                                 "--name", "^Tonmira$"], capture_output=True, text=True, timeout=120,
                                check=True).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", "Escape"], check=True, timeout=120)
        _, status, usage = os.wait4(process.pid, 0)
    except BaseException:
        process.kill()
        raise
    process.returncode = os.waitstatus_to_exitcode(status)
    if process.returncode != 0:
        raise SystemExit("%s exited with status %d" % (program, process.returncode))
    return usage.ru_utime + usage.ru_stime, usage.ru_maxrss


def summary(values):
    values = sorted(values)
    if len(values) >= 4:
        q1, _, q3 = statistics.quantiles(values, n=4)
    else:
        q1, q3 = values[0], values[-1]
    return statistics.median(values), q1, q3, values[0], values[-1]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pairs", type=int, default=20)
    parser.add_argument("tonmira")
    parser.add_argument("baseline")
    args = parser.parse_args()

    programs = {"tonmira": args.tonmira, "baseline": args.baseline}
    cpu = {name: [] for name in programs}
    rss = {name: [] for name in programs}
    cycle(args.baseline)  # warm the font cache and the page cache; not counted
    for _ in range(args.pairs):
        for name, program in programs.items():
            seconds, kib = cycle(program)
            cpu[name].append(seconds * 1000.0)
            rss[name].append(kib / 1024.0)

    print("start-up, %d pairs (A B A B), one cycle = start, mapped, Escape, exit" % args.pairs)
    print("| measure | program | median | IQR | min - max |")
    print("|---|---|---|---|---|")
    for label, unit, data in (("CPU user+sys", "ms", cpu), ("peak RSS", "MiB", rss)):
        for name in programs:
            median, q1, q3, low, high = summary(data[name])
            print("| %s | %s | %.1f %s | %.1f - %.1f | %.1f - %.1f |" % (label, name, median, unit, q1, q3, low, high))
        ratio = statistics.median(data["tonmira"]) / statistics.median(data["baseline"])
        print("| %s | tonmira / baseline | %.3f | | |" % (label, ratio))


if __name__ == "__main__":
    main()
