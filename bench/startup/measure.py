#!/usr/bin/env python3
"""Measures the game's window against a bare Qt window, side by side under one Xvfb.

Two phases, both alternating which program goes first:
  1. start-up: each program is launched alone, many times, and quits soon after its first
     frame; the figure is the time from the launch to the first painted frame, as the
     program's opt-in hook prints it ("first-paint <ms>" on stderr when
     QUORVEL_BENCH_FIRST_PAINT is set);
  2. idle: both programs run together, the lights blinking; the figures are the CPU time all
     the threads of each ran during the same idle stretch (/proc/<pid>/task/*/schedstat, ns)
     and the kernel's peak resident memory of each, read when it is reaped.
Everything is read from outside; the programs only print the first-paint line. The report is a
Markdown table of medians and of the ratios game/baseline against the targets.

    bench/startup/measure.py --build build --startup-runs 30 --runs 10 --idle 30 \
        [--notebook open|closed]
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

TARGETS = {"startup": 1.5, "memory": 1.5, "cpu": 2.0}
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
    """One launched program: its first-paint time, and its stderr drained in the background."""

    def __init__(self, name, path, env, exit_after_ms):
        self.name = name
        env = dict(env, QUORVEL_BENCH_EXIT_AFTER_MS=str(exit_after_ms),
                   QUORVEL_BENCH_LAUNCH_NS=str(time.monotonic_ns()))
        # Started from the home folder, as a desktop launcher starts it.
        self.process = subprocess.Popen([str(path)], env=env, cwd=Path.home(),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                        text=True)
        self.lines = queue.Queue()
        self.chatter = []
        threading.Thread(target=self._drain, daemon=True).start()

    def _drain(self):
        for line in self.process.stderr:
            self.lines.put(line)

    def first_paint_ms(self, timeout=30):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            try:
                line = self.lines.get(timeout=0.05)
            except queue.Empty:
                if self.process.poll() is not None:
                    break
                continue
            if line.startswith("first-paint "):
                return float(line.split()[1])
            self.chatter.append(line.rstrip())
        self.process.kill()
        sys.exit(f"measure: {self.name} painted no window\n" + "\n".join(self.chatter))

    def reap(self, timeout):
        """Waits for the exit the hook asked for; gives the peak RSS in MiB."""
        deadline = time.monotonic() + timeout
        while True:
            pid, status, usage = os.wait4(self.process.pid, os.WNOHANG)
            if pid:
                self.process.returncode = os.waitstatus_to_exitcode(status)
                return usage.ru_maxrss / 1024
            if time.monotonic() > deadline:
                self.process.send_signal(signal.SIGTERM)
                deadline += 5
            time.sleep(0.02)


def startup_run(programs, order, env):
    figures = {}
    for name in order:
        time.sleep(QUIET_S)
        program = Program(name, programs[name], env, 100)
        figures[name] = program.first_paint_ms()
        program.reap(timeout=10)
    return figures


def idle_run(programs, order, env, settle, idle):
    exit_after_ms = int((settle + idle) * 1000)
    started = {}
    for position, name in enumerate(order):
        time.sleep(QUIET_S)
        # The first one idles while the second starts: it stays up that much longer.
        margin = 3000 if position == 0 else 300
        program = Program(name, programs[name], env, exit_after_ms + margin)
        program.first_paint_ms()
        started[name] = program

    time.sleep(settle)
    before = {name: cpu_ns(p.process.pid) for name, p in started.items()}
    time.sleep(idle)
    after = {name: cpu_ns(p.process.pid) for name, p in started.items()}

    figures = {}
    for name, program in started.items():
        if before[name] is None or after[name] is None:
            sys.exit(f"measure: {name} ended before the idle stretch was over")
        figures[name] = {"memory": program.reap(timeout=settle + idle + 10),
                         "cpu": (after[name] - before[name]) / 1e6}
    return figures


def table(medians, args):
    rows = [("startup", f"Start-up to first paint ({args.startup_runs} launches)", "ms"),
            ("memory", f"Peak resident memory ({args.runs} runs)", "MiB"),
            ("cpu", f"CPU over {args.idle:g} s idle ({args.runs} runs)", "ms")]
    out = [f"Quorvel against a bare Qt window, medians, under Xvfb ({args.screen}).",
           "",
           "| Measure | Baseline | Quorvel | Ratio | Target | |",
           "|---|---:|---:|---:|---:|---|"]
    for key, label, unit in rows:
        base, game = medians["baseline"][key], medians["quorvel"][key]
        ratio = game / base if base > 0 else float("inf")
        verdict = "met" if ratio <= TARGETS[key] else "**missed**"
        out.append(f"| {label} | {base:.1f} {unit} | {game:.1f} {unit} | {ratio:.2f} × "
                   f"| ≤ {TARGETS[key]:g} × | {verdict} |")
    return "\n".join(out)


def parse_arguments(repo):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", type=Path, default=repo / "build",
                        help="build folder holding bin/quorvel and bin/bench_baseline")
    parser.add_argument("--startup-runs", type=int, default=30, help="launches of each")
    parser.add_argument("--runs", type=int, default=10, help="idle runs of the pair")
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
    programs = {"baseline": build / "bin" / "bench_baseline", "quorvel": build / "bin" / "quorvel"}
    for path in programs.values():
        if not os.access(path, os.X_OK):
            sys.exit(f"measure: {path} is missing; build the targets quorvel and bench_baseline")

    xvfb, display = start_xvfb(args.screen)
    runtime = tempfile.TemporaryDirectory(prefix="quorvel-bench-")
    env = {k: v for k, v in os.environ.items() if not k.startswith("QUORVEL_BENCH_")
           and k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY")}
    # Settings of the runs' own, with the notebook open or closed as asked.
    settings = Path(runtime.name) / "config"
    (settings / "Quorvel").mkdir(parents=True)
    (settings / "Quorvel" / "Quorvel.conf").write_text(
        f"[quaderno]\naperto={'true' if args.notebook == 'open' else 'false'}\n")
    env.update(DISPLAY=display, XDG_RUNTIME_DIR=runtime.name, XDG_CONFIG_HOME=str(settings),
               QUORVEL_BENCH_FIRST_PAINT="1")
    samples = {name: {"startup": [], "memory": [], "cpu": []} for name in programs}
    orders = [["baseline", "quorvel"], ["quorvel", "baseline"]]
    try:
        startup_run(programs, orders[0], env)  # warm-up: the libraries into the page cache
        for run in range(args.startup_runs):
            for name, ms in startup_run(programs, orders[run % 2], env).items():
                samples[name]["startup"].append(ms)
            if args.verbose:
                print(f"launch {run + 1}: " + ", ".join(
                    f"{name} {samples[name]['startup'][-1]:.1f} ms" for name in programs),
                    file=sys.stderr)
        for run in range(args.runs):
            figures = idle_run(programs, orders[run % 2], env, args.settle, args.idle)
            for name, values in figures.items():
                for key, value in values.items():
                    samples[name][key].append(value)
            if args.verbose:
                print(f"idle run {run + 1}: " + "; ".join(
                    f"{name} {f['memory']:.1f} MiB, {f['cpu']:.1f} ms CPU"
                    for name, f in figures.items()), file=sys.stderr)
    finally:
        xvfb.terminate()
        xvfb.wait()
        runtime.cleanup()

    medians = {name: {key: statistics.median(values) for key, values in figures.items()}
               for name, figures in samples.items()}
    print(json.dumps(medians) if args.json else table(medians, args))


if __name__ == "__main__":
    main()
