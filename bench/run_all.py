#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs every benchmark of bench/ on a Release build and prints one Markdown table.

    bench/run_all.py BUILD_DIR

The mechanisms: one experiment of each through the core (median of five repetitions). The
window: start-up to the frame on screen and memory against the idle bare window, idle CPU
against the bare window toggling a label every 500 ms, and, with the notebook open as on a
first start, the first full frame and the peak memory to 1.5 s after it against the idle bare
window, side by side under one Xvfb. The narrator: the largest gap of the window's event loop while every scene
plays, and the delay from a Speak reaching the head of the queue to its sound. The pupils'
notebooks: one save after an experiment and one reading of a page, with 1 000, 10 000 and
100 000 trials kept (CPU time), and choosing a pupil at the window whose page holds as many.
The class server: 30 consoles playing a lesson of five minutes against one PostgreSQL server
(bench/classe/load.py); and a minute of a lesson with the teacher's board open, from a pupil's
experiment to its row on the board and from the teacher's orders to the last pupil's console
(bench/classe/live.py).
"""
import json
import os
import re
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent


def mechanisms(build):
    out = subprocess.run([str(build / "bin" / "bench_mechanisms"), "--benchmark_repetitions=5",
                          "--benchmark_report_aggregates_only=true", "--benchmark_format=json"],
                         check=True, capture_output=True, text=True).stdout
    rows = []
    for b in json.loads(out)["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        name = b["run_name"]
        scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[b["time_unit"]]
        worst = name.endswith("/worst")
        rows.append((name, b["real_time"] * scale, 200.0 if worst else 2.0))
    return rows


def window(build):
    out = subprocess.run([sys.executable, str(HERE / "startup" / "measure.py"), "--build",
                          str(build), "--json"], check=True, capture_output=True, text=True).stdout
    return json.loads(out.strip().splitlines()[-1])


def narrator(build):
    out = subprocess.run(["xvfb-run", "-a", "-s", "-screen 0 1280x800x24",
                          str(build / "bin" / "narrator_responsiveness"), "--silent"],
                         check=True, capture_output=True, text=True).stdout
    gap = float(re.search(r"largest event-loop gap: ([\d.]+) ms", out).group(1))
    speak = float(re.search(r"sound handed to the output: median ([\d.]+) ms", out).group(1))
    return gap, speak


def notebook_store(build):
    out = subprocess.run([str(build / "bin" / "bench_notebook_save"), "--benchmark_format=json"],
                         check=True, capture_output=True, text=True).stdout
    times = {}
    for b in json.loads(out)["benchmarks"]:
        scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0}[b["time_unit"]]
        kind, trials = b["run_name"].split("/")[:2]
        times[(kind, int(trials))] = b["cpu_time"] * scale
    return times


def page_load(build):
    out = subprocess.run([str(build / "bin" / "bench_page_load")], check=True,
                         capture_output=True, text=True,
                         env={**os.environ, "QT_QPA_PLATFORM": "offscreen"}).stdout
    found = re.findall(r"page of +(\d+) trials: chosen in +([\d.]+) ms CPU .*one more trial +([\d.]+)",
                       out)
    return {int(n): (float(chosen), float(more)) for n, chosen, more in found}


def class_server(build):
    out = subprocess.run([sys.executable, str(HERE / "classe" / "load.py"), str(build), "--json"],
                         check=True, capture_output=True, text=True).stdout
    return json.loads(out.strip().splitlines()[-1])


def live_board(build):
    out = subprocess.run([sys.executable, str(HERE / "classe" / "live.py"), str(build), "--json"],
                         check=True, capture_output=True, text=True).stdout
    return json.loads(out.strip().splitlines()[-1])


def verdict(ok):
    return "met" if ok else "**missed**"


def main():
    build = Path(sys.argv[1] if len(sys.argv) > 1 else "build-release").resolve()
    rows = ["| Measure | Median | Baseline | Ratio | Target | |", "|---|---:|---:|---:|---:|---|"]
    for name, us, target in mechanisms(build):
        label = f"experiment {name}" + (" (32767, 32749)" if name.endswith("/worst") else "")
        rows.append(f"| {label} | {us:.2f} µs | | | < {target:g} µs | {verdict(us < target)} |")
    w = window(build)
    for key, base_name, label, unit, target in (
            ("startup", "baseline", "start-up to the frame on screen", "ms", 1.3),
            ("memory", "baseline", "peak memory at the first frame", "MiB", 1.3),
            ("cpu", "toggling", "CPU over 30 s idle after the welcome", "ms", 1.0),
            ("welcome", "toggling", "CPU during the welcome (first 10 s)", "ms", None),
            ("peak", "toggling", "peak memory over the whole run", "MiB", None),
            ("full", "baseline", "first full frame, notebook open", "ms", 1.15),
            ("session", "baseline", "peak memory to 1.5 s after the frame, notebook open", "MiB",
             1.3)):
        game, base = w["quorvel"][key], w[base_name][key]
        ratio = game / base if base else float("inf")
        goal = f"≤ {target:g} ×" if target else ""
        met = verdict(ratio <= target) if target else ""
        rows.append(f"| {label} | {game:.1f} {unit} | {base:.1f} {unit} | {ratio:.2f} × "
                    f"| {goal} | {met} |")
    gap, speak = narrator(build)
    rows.append(f"| main-loop gap while every scene plays | {gap:.1f} ms | | | < 20 ms "
                f"| {verdict(gap < 20)} |")
    rows.append(f"| Speak at the head of the queue to its sound | {speak:.1f} ms | | | < 300 ms "
                f"| {verdict(speak < 300)} |")
    store = notebook_store(build)
    sizes = (1000, 10000, 100000)
    for kind, label in (("SaveAfterOneExperiment", "notebook saved after one experiment"),
                        ("ReadAPageOfNTrials", "notebook page read from the database")):
        for n in sizes:
            rows.append(f"| {label}, {n} trials kept | {store[(kind, n)]:.2f} ms CPU | | | | |")
    # A save costs the same however many trials are kept; a reading grows as they do, no faster.
    flat = store[("SaveAfterOneExperiment", 100000)] / store[("SaveAfterOneExperiment", 1000)]
    rows.append(f"| save with 100 000 trials against 1 000 | | | {flat:.2f} × | ≤ 2 × "
                f"| {verdict(flat <= 2)} |")
    window_pages = page_load(build)
    for n in sizes:
        chosen, more = window_pages[n]
        rows.append(f"| pupil chosen at the window, page of {n} trials | {chosen:.1f} ms CPU "
                    f"| | | | |")
        rows.append(f"| one more trial on that page, shown and kept | {more:.1f} ms CPU | | | | |")
    linear = window_pages[100000][0] / window_pages[10000][0]
    rows.append(f"| pupil chosen, 100 000 trials against 10 000 | | | {linear:.2f} × | ≤ 10 × "
                f"| {verdict(linear <= 10)} |")
    c = class_server(build)
    rows.append(f"| class server: trials lost, {c['pupils']} consoles × {c['seconds']:.0f} s, one "
                f"experiment each every {c['every']:g} s | {c['trials_lost']} of {c['trials_sent']} "
                f"| | | 0 | {verdict(c['trials_lost'] == 0)} |")
    rows.append(f"| class server: a trial's save as the pupil's computer sees it, 99th percentile "
                f"| {c['save_p99_ms']:.1f} ms (median {c['save_median_ms']:.1f}) | | | | |")
    rows.append(f"| class server: the teacher's progressi, {c['progress_pupils']} pupils "
                f"| {c['progress_ms']:.1f} ms | | | | |")
    rows.append(f"| class server: the server's CPU over the lesson | {c['server_cpu_s']:.1f} s "
                f"({c['server_cpu_percent_of_one_core']:.1f} % of a core) | | | | |")
    b = live_board(build)
    unseen = b["board_rows_missing"] + b["board_rows_drawn_over"]
    rows.append(f"| live board: experiments never shown on the teacher's board | {unseen} of "
                f"{b['experiments']} | | | 0 | {verdict(unseen == 0)} |")
    rows.append(f"| live board: a pupil's \"esperimento\" to their row on the teacher's board, "
                f"{b['pupils']} consoles × {b['seconds']:.0f} s, {b['board_rows']} rows "
                f"| {b['board_median_ms']:.1f} ms (99th percentile {b['board_p99_ms']:.1f}, worst "
                f"{b['board_max_ms']:.1f}) | | | | |")
    for order, label in (("tutti", "tutti L S"), ("fermi", "fermi"), ("via", "via")):
        rows.append(f"| live board: the teacher's `{label}` to the last of {b['pupils']} consoles, "
                    f"{b[order + '_count']} times | {b[order + '_median_ms']:.1f} ms (worst "
                    f"{b[order + '_max_ms']:.1f}) | | | | |")
    print("\n".join(rows))


if __name__ == "__main__":
    main()
