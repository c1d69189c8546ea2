#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A lesson seen from the teacher's board, and the teacher's orders reaching the class.

    bench/classe/live.py BUILD_DIR [--pupils 30] [--seconds 60] [--every 2] [--orders 5] [--json]

Starts a PostgreSQL server of its own as load.py does, sets a class up, and starts one
quorvel-console per pupil, each playing an experiment every `--every` seconds (at its own moment
within them), and one teacher's console with "lavagna" open. Measures:

- from a pupil's "esperimento" written to its console to the teacher's console printing that
  pupil's changed "lavagna:" row (median, 99th percentile, worst, how many);
- from the teacher's "tutti L S" written to the last pupil's console saying "classe: tutta la
  classe sul meccanismo del livello L", `--orders` times with a different level and scheme;
- the same for "fermi" (every console says "classe: fermi tutti, guardate la lavagna") and
  "via" ("classe: via, si riparte"), `--orders` times, the class stopped for a second.

The orders are spread over the lesson; while stopped, a pupil types nothing. Times are taken
when this script reads the consoles' lines, so they include its own reading (a few ms at most).
"""
import argparse
import json
import os
import re
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from collections import deque
from pathlib import Path

sys.dont_write_bytecode = True  # importing load.py leaves no __pycache__ in the sources
from load import TEACHER_PASSWORD, Server, start_console  # noqa: E402

# Level and scheme of each "tutti", in turn: every one a mechanism the class was not on.
MECHANISMS = ((2, 1), (3, 2), (4, 1), (5, 1), (1, 2), (2, 2), (3, 1), (4, 2), (5, 2), (1, 3))
BOARD_HEADER = re.compile(rb"lavagna: (\d+) alunni oggi$")
BOARD_ROW = re.compile(rb"lavagna: (.+), livello (\d+), pagina (\d+), (\d+) prove, ")
MECHANISM_LINE = "classe: tutta la classe sul meccanismo del livello {}"
STOP_LINE = b"classe: fermi tutti, guardate la lavagna"
GO_LINE = b"classe: via, si riparte"
STOPPED_ERROR = b"l'insegnante ha fermato la classe"


class Console:
    """One quorvel-console on the class, its lines handed to `on_line` as they arrive."""

    def __init__(self, build, uri, home, on_line):
        self.process = start_console(build, uri, home, "--seed", "1")
        self.buffer = b""
        self.on_line = on_line

    def type(self, text):
        self.process.stdin.write(text.encode())

    def fd(self):
        return self.process.stdout.fileno()

    def read(self):
        chunk = os.read(self.fd(), 65536)
        now = time.monotonic()
        self.buffer += chunk
        while b"\n" in self.buffer:
            line, self.buffer = self.buffer.split(b"\n", 1)
            self.on_line(line, now)
        return bool(chunk)


class Pupil:
    def __init__(self, build, uri, name, home):
        self.name = name
        self.console = Console(build, uri, home, self.line)
        self.sent = None          # the experiment waiting for its answer
        self.on_board = deque()   # experiments answered or not, not yet on the board
        self.experiments = 0
        self.refused = 0
        self.errors = []
        self.ready = False
        self.stopped = False
        self.heard = {}           # line of an order -> when this console printed it
        self.moved_at = 0.0       # the last "tutti" this console followed
        self.console.type(f"profilo {name}\nlivello 1\n")

    def experiment(self, n):
        self.console.type(f"cancella primo\ncancella secondo\nprimo {n % 90 + 1}\n"
                          f"secondo {n % 7 + 1}\n")
        self.sent = time.monotonic()
        self.on_board.append(self.sent)
        self.console.type("esperimento\n")
        self.experiments += 1

    def line(self, line, now):
        if line.startswith(b"profilo:"):
            self.ready = True
        elif line.startswith(b"usc:"):
            self.sent = None
        elif line.startswith(b"errore:"):
            if STOPPED_ERROR not in line:
                self.errors.append(line.decode(errors="replace"))
            # An order to stop reached the console between our typing and its reading.
            if self.sent is not None:
                self.on_board.remove(self.sent)
                self.sent = None
                self.refused += 1
        elif line.startswith(b"classe:"):
            self.heard[line] = now
            if line == STOP_LINE:
                self.stopped = True
            elif line == GO_LINE:
                self.stopped = False
            else:
                self.moved_at = now


class Board:
    """The teacher's console with the board open; each changed row settles the experiments of
    its pupil that it shows."""

    def __init__(self, build, uri, home, pupils):
        self.console = Console(build, uri, home, self.line)
        self.pupils = {p.name.encode(): p for p in pupils}
        self.rows = {}            # pupil -> (page, trials) as last shown
        self.times = []
        self.drawn_over = 0       # experiments whose row a new page's replaced before it showed
        self.header = None
        self.lines = []

    def line(self, line, now):
        self.lines.append(line)
        found = BOARD_ROW.match(line)
        header = BOARD_HEADER.match(line)
        if header:
            self.header = int(header.group(1))
        if not found or found.group(1) not in self.pupils:
            return
        pupil = self.pupils[found.group(1)]
        page, trials = int(found.group(3)), int(found.group(4))
        last_page, last_trials = self.rows.get(pupil.name, (0, 0))
        self.rows[pupil.name] = (page, trials)
        shown = trials - last_trials if page == last_page else trials
        for _ in range(min(shown, len(pupil.on_board))):
            self.times.append(now - pupil.on_board.popleft())
        # On a new page, what was typed before the new mechanism and is still not shown never
        # will be: its row was drawn over by the new page's.
        if page != last_page:
            while pupil.on_board and pupil.on_board[0] < pupil.moved_at:
                pupil.on_board.popleft()
                self.drawn_over += 1


def wait(consoles, done, seconds):
    """Reads every console until done() or the seconds have passed; False on the latter."""
    by_fd = {c.fd(): c for c in consoles}
    deadline = time.monotonic() + seconds
    while not done():
        left = deadline - time.monotonic()
        if left <= 0:
            return False
        ready, _, _ = select.select(list(by_fd), [], [], min(left, 0.05))
        for fd in ready:
            by_fd[fd].read()
    return True


def percentile(values, fraction):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(len(ordered) * fraction))]


def ms(seconds):
    return round(seconds * 1000, 1)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--pupils", type=int, default=30)
    parser.add_argument("--seconds", type=float, default=60)
    parser.add_argument("--every", type=float, default=2.0)
    parser.add_argument("--orders", type=int, default=5)
    parser.add_argument("--json", action="store_true")
    args = parser.parse_args()
    build = Path(args.build).resolve()
    server = Server()
    homes = Path(tempfile.mkdtemp(prefix="quorvel-bench-lab-"))
    consoles = []
    try:
        uri = server.make_class(build)
        pupils = [Pupil(build, uri, f"Alunno {k + 1:02d}", homes / f"pc{k + 1:02d}")
                  for k in range(args.pupils)]
        pupil_consoles = [p.console for p in pupils]
        consoles.extend(pupil_consoles)
        if not wait(pupil_consoles, lambda: all(p.ready for p in pupils), 60):
            raise SystemExit("not every pupil's console opened its profile")
        board = Board(build, uri, homes / "cattedra", pupils)
        consoles.append(board.console)
        board.console.type(f"insegnante {TEACHER_PASSWORD}\nlavagna\n")
        if not wait([board.console], lambda: board.header is not None and sum(
                l.startswith(b"lavagna: Alunno") for l in board.lines) >= board.header, 30):
            raise SystemExit("the teacher's board did not open")

        # The orders, spread over the lesson: a "tutti", then a "fermi" and its "via", in turn.
        mechanisms = [MECHANISMS[k % len(MECHANISMS)] for k in range(args.orders)]
        plan = []
        for k in range(args.orders):
            plan += [("tutti", mechanisms[k]), ("fermi", None)]
        begin = time.monotonic()
        plan_at = [begin + args.seconds * (k + 0.5) / len(plan) for k in range(len(plan))]
        next_at = [begin + 1.0 + args.every * k / args.pupils for k in range(args.pupils)]
        order_times = {"tutti": [], "fermi": [], "via": []}
        late = 0
        # The order on its way: (command, the line every pupil's console is to print, when it
        # was written); or, the class being stopped, when "via" is due.
        current = None
        via_at = None
        by_fd = {c.fd(): c for c in consoles}

        def give(command, line):
            written = time.monotonic()
            board.console.type(command + "\n")
            return (command.split()[0], line, written)

        while time.monotonic() - begin < args.seconds or current or via_at:
            now = time.monotonic()
            if current:
                kind, line, written = current
                if all(p.heard.get(line, 0) >= written for p in pupils):
                    order_times[kind].append(max(p.heard[line] for p in pupils) - written)
                elif now - written > 30:
                    late += 1
                else:
                    kind = None
                if kind:
                    current = None
                    if kind == "fermi":
                        via_at = now + 1.0  # a second to look at the board, then on again
            elif via_at and now >= via_at:
                via_at = None
                current = give("via", GO_LINE)
            elif not via_at and plan and now >= plan_at[0]:
                kind, mechanism = plan.pop(0)
                plan_at.pop(0)
                if kind == "tutti":
                    current = give(f"tutti {mechanism[0]} {mechanism[1]}",
                                   MECHANISM_LINE.format(mechanism[0]).encode())
                else:
                    current = give("fermi", STOP_LINE)
            if time.monotonic() - begin < args.seconds:
                for k, pupil in enumerate(pupils):
                    if now >= next_at[k]:
                        if pupil.sent is None and not pupil.stopped:
                            pupil.experiment(pupil.experiments + k)
                        next_at[k] += args.every
            ready, _, _ = select.select(list(by_fd), [], [], 0.005)
            for fd in ready:
                by_fd[fd].read()
        run_seconds = time.monotonic() - begin
        # The last answers, and their rows on the board.
        wait(consoles, lambda: all(p.sent is None and not p.on_board for p in pupils), 30)
        unseen = sum(len(p.on_board) for p in pupils)
        for console in consoles:
            console.type("esci\n")
            console.process.stdin.close()
        for console in consoles:
            while console.read():
                pass
            console.process.wait()
        board_times = board.times
        result = {
            "pupils": args.pupils, "seconds": round(run_seconds, 1), "every": args.every,
            "experiments": sum(p.experiments for p in pupils),
            "refused_while_stopped": sum(p.refused for p in pupils),
            "board_rows": len(board_times), "board_rows_missing": unseen,
            "board_rows_drawn_over": board.drawn_over,
            "board_median_ms": ms(statistics.median(board_times)),
            "board_p99_ms": ms(percentile(board_times, 0.99)),
            "board_max_ms": ms(max(board_times)),
            "orders": args.orders, "orders_unanswered": late,
        }
        for kind in ("tutti", "fermi", "via"):
            times = order_times[kind]
            result[f"{kind}_count"] = len(times)
            result[f"{kind}_median_ms"] = ms(statistics.median(times)) if times else None
            result[f"{kind}_max_ms"] = ms(max(times)) if times else None
        result["errors"] = sum(len(p.errors) for p in pupils)
        if args.json:
            print(json.dumps(result))
        else:
            for key, value in result.items():
                print(f"{key}: {value}")
        return 0 if unseen == 0 and late == 0 else 1
    finally:
        for console in consoles:
            if console.process.poll() is None:
                console.process.kill()
                console.process.wait()
        server.stop()
        shutil.rmtree(homes, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
