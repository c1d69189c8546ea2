#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Measures the game's window against a bare Qt window, side by side under one Xvfb.

Every program is launched by frame_watch (bench/startup/frame_watch.cpp), which reports from
outside when its first frame reaches the X server (X Damage of its top-level window) and its
peak resident memory at that moment and over its whole run. Two phases, both alternating which
program goes first:
  1. start-up: the game and the idle bare window (a menu bar, a label, no timer) are launched
     alone, many times, and quit soon after their first frame: the time from the launch to the
     frame on screen, and the peak memory at that frame;
  2. idle: the game and the bare window toggling its label every 500 ms (as the lights blink)
     run together; the figures are the CPU time all the threads of each ran during the
     wizard's welcome (from the frame to the end of the settling time) and during the idle
     stretch after it (/proc/<pid>/task/*/schedstat), and the peak memory of the whole run.
  3. session: the game with its notebook open, as on a first start, and the idle bare window
     are launched alone, many times, and quit 1.5 s after their first paint: the time from the
     launch to the first frame that covers the whole window, and the peak memory of the run,
     the voice, the sound and the notebook's modules loaded after the frame included; and, as
     each program's hook reports it when it quits, the memory it alone has written then (heap,
     stacks, window pixels), which no other program shares and no file on disk holds.
The report is a Markdown table of medians and of the ratios game/baseline against the targets.

    bench/startup/measure.py --build build --startup-runs 30 --runs 10 --idle 30 \
        --session-runs 20 [--notebook open|closed]
"""

import argparse
import json
import os
import queue
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time
from pathlib import Path

TARGETS = {"startup": 1.3, "memory": 1.3, "cpu": 1.0, "full": 1.15, "session": 1.3}
SESSION_MS = 1500  # how long each program of the session phase runs after its first paint
QUIET_S = 0.3  # before each launch, so that the previous exits do not weigh on it


def start_xvfb(screen):
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen, "-nolisten", "tcp"],
        pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()  # written once the server accepts clients
    if not number:
        sys.exit("measure: Xvfb did not start")
    return xvfb, ":" + number


def cpu_ns(pid):
    """CPU time of every thread of `pid` so far, in ns; None once it has gone."""
    total = 0
    try:
        for task in os.listdir(f"/proc/{pid}/task"):
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
    except (FileNotFoundError, ProcessLookupError):
        return None
    return total


class Program:
    """One program launched through frame_watch, its report read as it comes."""

    def __init__(self, name, command, watch, env, exit_after_ms):
        self.name = name
        env = dict(env, QUORVEL_BENCH_EXIT_AFTER_MS=str(exit_after_ms))
        # Started from the home folder, as a desktop launcher starts it.
        self.process = subprocess.Popen([str(watch)] + command, env=env, cwd=Path.home(),
                                        stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                        text=True)
        self.lines = queue.Queue()
        self.chatter = []
        threading.Thread(target=self._drain, args=(self.process.stdout, self.lines),
                         daemon=True).start()
        self.chatter_thread = threading.Thread(target=self._drain,
                                               args=(self.process.stderr, None), daemon=True)
        self.chatter_thread.start()
        self.pid = int(self._expect("pid", 10)[0])

    def _drain(self, stream, lines):
        for line in stream:
            if lines is not None:
                lines.put(line.split())
            else:
                self.chatter.append(line.rstrip())

    def _expect(self, word, timeout):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            try:
                fields = self.lines.get(timeout=0.05)
            except queue.Empty:
                continue
            if fields and fields[0] == word:
                return fields[1:]
        self.process.kill()
        sys.exit(f"measure: {self.name} gave no '{word}' line\n" + "\n".join(self.chatter))

    def first_frame(self, timeout=30):
        """Milliseconds from the launch to the frame on screen, and MiB at that moment."""
        ms, kib = self._expect("frame", timeout)
        return float(ms), int(kib) / 1024

    def full_frame(self, timeout=30):
        """Milliseconds from the launch to the first frame covering the whole window."""
        ms, _ = self._expect("full", timeout)
        return float(ms)

    def reap(self, timeout):
        """Waits for the exit the hook asked for; gives the peak RSS of the run in MiB."""
        try:
            code, kib = self._expect("exit", timeout)
        finally:
            self.process.wait(timeout=5)
        self.chatter_thread.join(timeout=5)
        return int(kib) / 1024

    def dirty_memory(self):
        """MiB the program alone had written when it quit (its hook says so), or None."""
        for line in self.chatter:
            fields = line.split()
            if len(fields) == 2 and fields[0] == "dirty-memory":
                return int(fields[1]) / 1024
        return None


def startup_run(programs, order, watch, env):
    figures = {}
    for name in order:
        time.sleep(QUIET_S)
        program = Program(name, programs[name], watch, env, 100)
        ms, mib = program.first_frame()
        figures[name] = {"startup": ms, "memory": mib}
        program.reap(timeout=10)
    return figures


def session_run(programs, order, watch, env):
    figures = {}
    for name in order:
        time.sleep(QUIET_S)
        program = Program(name, programs[name], watch, env, SESSION_MS)
        full = program.full_frame()
        figures[name] = {"full": full, "session": program.reap(timeout=SESSION_MS / 1000 + 30)}
        dirty = program.dirty_memory()
        if dirty is not None:
            figures[name]["dirty"] = dirty
    return figures


def idle_run(programs, order, watch, env, settle, idle):
    exit_after_ms = int((settle + idle) * 1000)
    started = {}
    for position, name in enumerate(order):
        time.sleep(QUIET_S)
        # The first one idles while the second starts: it stays up that much longer.
        margin = 3000 if position == 0 else 1000
        program = Program(name, programs[name], watch, env, exit_after_ms + margin)
        program.first_frame()
        started[name] = (program, cpu_ns(program.pid))

    time.sleep(settle)
    before = {name: cpu_ns(p.pid) for name, (p, _) in started.items()}
    time.sleep(idle)
    after = {name: cpu_ns(p.pid) for name, (p, _) in started.items()}

    figures = {}
    for name, (program, at_frame) in started.items():
        if None in (at_frame, before[name], after[name]):
            sys.exit(f"measure: {name} ended before the idle stretch was over")
        figures[name] = {"peak": program.reap(timeout=settle + idle + 10),
                         "welcome": (before[name] - at_frame) / 1e6,
                         "cpu": (after[name] - before[name]) / 1e6}
    return figures


def table(medians, args):
    rows = [("startup", "startup", f"Start-up to the frame on screen ({args.startup_runs} launches)",
             "ms"),
            ("memory", "startup", f"Peak memory at the first frame ({args.startup_runs} launches)",
             "MiB"),
            ("cpu", "idle", f"CPU over {args.idle:g} s idle after the welcome ({args.runs} runs)",
             "ms"),
            ("welcome", "idle", f"CPU during the first {args.settle:g} s, the welcome", "ms"),
            ("peak", "idle", f"Peak memory over the whole run ({args.runs} runs)", "MiB"),
            ("full", "startup", f"First full frame, notebook open ({args.session_runs} launches)",
             "ms"),
            ("session", "startup",
             f"Peak memory to {SESSION_MS / 1000:g} s after the frame, notebook open", "MiB"),
            ("dirty", "startup",
             f"Of which written by the program alone at {SESSION_MS / 1000:g} s (not the "
             "libraries' pages read from disk)", "MiB")]
    out = [f"Quorvel against a bare Qt window, medians, under Xvfb ({args.screen}); start-up "
           "against the idle window, CPU against the window toggling a label every 500 ms.",
           "",
           "| Measure | Baseline | Quorvel | Ratio | Target | |",
           "|---|---:|---:|---:|---:|---|"]
    for key, phase, label, unit in rows:
        if key not in medians["quorvel"]:
            continue
        base = medians["baseline" if phase == "startup" else "toggling"][key]
        game = medians["quorvel"][key]
        ratio = game / base if base > 0 else float("inf")
        target = TARGETS.get(key)
        verdict = "" if target is None else "met" if ratio <= target else "**missed**"
        goal = f"≤ {target:g} ×" if target else ""
        out.append(f"| {label} | {base:.1f} {unit} | {game:.1f} {unit} | {ratio:.2f} × "
                   f"| {goal} | {verdict} |")
    return "\n".join(out)


def parse_arguments(repo):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", type=Path, default=repo / "build",
                        help="build folder holding bin/quorvel and bin/bench_baseline")
    parser.add_argument("--startup-runs", type=int, default=30, help="launches of each")
    parser.add_argument("--runs", type=int, default=10, help="idle runs of the pair")
    parser.add_argument("--session-runs", type=int, default=20,
                        help="launches of each with the notebook open, to 1.5 s after the frame")
    parser.add_argument("--idle", type=float, default=30, help="idle stretch, seconds")
    # The wizard's welcome takes about eight seconds; idle starts when he has finished.
    parser.add_argument("--settle", type=float, default=10,
                        help="seconds after the later first paint before the idle stretch")
    parser.add_argument("--screen", default="1920x1080x24")
    parser.add_argument("--verbose", action="store_true", help="print every run")
    parser.add_argument("--json", action="store_true", help="print the medians as JSON")
    parser.add_argument("--notebook", choices=["open", "closed"], default="closed",
                        help="whether the game starts with its notebook open")
    return parser.parse_args()


def main():
    args = parse_arguments(Path(__file__).resolve().parents[2])
    build = args.build.resolve()
    bin_dir = build / "bin"
    for name in ("bench_baseline", "quorvel", "frame_watch"):
        if not os.access(bin_dir / name, os.X_OK):
            sys.exit(f"measure: {bin_dir / name} is missing; build the targets quorvel, "
                     "bench_baseline and frame_watch")
    programs = {"baseline": [str(bin_dir / "bench_baseline")],
                "toggling": [str(bin_dir / "bench_baseline"), "--toggle"],
                "quorvel": [str(bin_dir / "quorvel")]}
    watch = bin_dir / "frame_watch"

    xvfb, display = start_xvfb(args.screen)
    runtime = tempfile.TemporaryDirectory(prefix="quorvel-bench-")
    env = {k: v for k, v in os.environ.items() if not k.startswith("QUORVEL_BENCH_")
           and k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY")}
    # Settings of the runs' own, with the notebook open or closed as asked; the session phase
    # has the notebook open.
    def settings(notebook):
        folder = Path(runtime.name) / f"config-{notebook}"
        (folder / "Quorvel").mkdir(parents=True, exist_ok=True)
        (folder / "Quorvel" / "Quorvel.conf").write_text(
            f"[quaderno]\naperto={'true' if notebook == 'open' else 'false'}\n")
        return str(folder)
    env.update(DISPLAY=display, XDG_RUNTIME_DIR=runtime.name,
               XDG_DATA_HOME=str(Path(runtime.name) / "data"),
               XDG_CONFIG_HOME=settings(args.notebook), QUORVEL_BENCH_FIRST_PAINT="1")
    session_env = dict(env, XDG_CONFIG_HOME=settings("open"))
    samples = {name: {} for name in programs}
    try:
        startup_orders = [["baseline", "quorvel"], ["quorvel", "baseline"]]
        startup_run(programs, startup_orders[0], watch, env)  # warm-up: the page cache
        for run in range(args.startup_runs):
            figures = startup_run(programs, startup_orders[run % 2], watch, env)
            for name, values in figures.items():
                for key, value in values.items():
                    samples[name].setdefault(key, []).append(value)
            if args.verbose:
                print(f"launch {run + 1}: " + ", ".join(
                    f"{name} {f['startup']:.1f} ms {f['memory']:.1f} MiB"
                    for name, f in figures.items()), file=sys.stderr)
        session_run(programs, startup_orders[0], watch, session_env)  # warm-up
        for run in range(args.session_runs):
            figures = session_run(programs, startup_orders[run % 2], watch, session_env)
            for name, values in figures.items():
                for key, value in values.items():
                    samples[name].setdefault(key, []).append(value)
            if args.verbose:
                print(f"session {run + 1}: " + ", ".join(
                    f"{name} full frame {f['full']:.1f} ms, {f['session']:.1f} MiB"
                    for name, f in figures.items()), file=sys.stderr)
        idle_orders = [["toggling", "quorvel"], ["quorvel", "toggling"]]
        for run in range(args.runs):
            figures = idle_run(programs, idle_orders[run % 2], watch, env, args.settle,
                               args.idle)
            for name, values in figures.items():
                for key, value in values.items():
                    samples[name].setdefault(key, []).append(value)
            if args.verbose:
                print(f"idle run {run + 1}: " + "; ".join(
                    f"{name} {f['peak']:.1f} MiB, welcome {f['welcome']:.1f} ms, "
                    f"idle {f['cpu']:.1f} ms CPU" for name, f in figures.items()),
                    file=sys.stderr)
    finally:
        xvfb.terminate()
        xvfb.wait()
        runtime.cleanup()

    medians = {name: {key: statistics.median(values) for key, values in figures.items()}
               for name, figures in samples.items()}
    print(json.dumps(medians) if args.json else table(medians, args))


if __name__ == "__main__":
    main()
