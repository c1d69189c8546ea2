#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A class of 30 computers on one class server, as in a lesson.

    bench/classe/load.py BUILD_DIR [--pupils 30] [--seconds 300] [--every 2] [--json]

Starts a PostgreSQL server of its own (initdb in a temporary folder, Unix socket, fsync on, run
as the "postgres" user when run as root), sets a class up with quorvel-classe, and starts one
quorvel-console per pupil, each with a data folder of its own, playing an experiment every
`--every` seconds for `--seconds`. Reports the trials lost (sent by the consoles and not on the
server), the time a pupil's computer takes from "esperimento" to its answer with the trial
saved (median, 99th percentile, worst), the teacher's "progressi" at the end, and the server's
CPU time (all its processes) against the run's length.
"""
import argparse
import json
import os
import pwd
import select
import shutil
import socket
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

PG_BIN = Path("/usr/lib/postgresql/15/bin")
TEACHER_PASSWORD = "maestra-della-prova"


def as_server(command):
    return ["runuser", "-u", "postgres", "--"] + command if os.geteuid() == 0 else command


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Server:
    def __init__(self):
        self.folder = Path(tempfile.mkdtemp(prefix="quorvel-bench-pg-"))
        self.data = self.folder / "data"
        self.port = free_port()
        if os.geteuid() == 0:
            user = pwd.getpwnam("postgres")
            os.chown(self.folder, user.pw_uid, user.pw_gid)
        subprocess.run(as_server([str(PG_BIN / "initdb"), "-D", str(self.data), "-U", "postgres",
                                  "-A", "trust", "-E", "UTF8", "--locale=C.UTF-8"]),
                       check=True, capture_output=True)
        (self.data / "pg_hba.conf").write_text("local all postgres trust\n"
                                               "local all all scram-sha-256\n")
        subprocess.run(as_server([str(PG_BIN / "pg_ctl"), "-D", str(self.data), "-l",
                                  str(self.folder / "server.log"), "-w", "-o",
                                  f"-k {self.folder} -p {self.port} -c listen_addresses=''"
                                  " -c max_connections=200", "start"]),
                       check=True, capture_output=True)

    def admin_uri(self, database):
        return f"postgresql://postgres@{str(self.folder).replace('/', '%2F')}:{self.port}/{database}"

    def make_class(self, build, database="scuola", name="5ª B"):
        """A database with one class set up by quorvel-classe: the pupils' line."""
        self.psql("postgres", f"CREATE DATABASE {database}")
        made = subprocess.run([str(build / "bin" / "quorvel-classe"), "init",
                               self.admin_uri(database), "--classe", name],
                              input=TEACHER_PASSWORD + "\n", check=True, capture_output=True,
                              text=True).stdout
        return made.strip().splitlines()[-1].split("classe: ", 1)[1]

    def psql(self, database, sql):
        return subprocess.run(["psql", "-X", "-q", "-A", "-t", self.admin_uri(database), "-c", sql],
                              check=True, capture_output=True, text=True).stdout.strip()

    def cpu_seconds(self):
        """CPU time of the server and every process it started that is still running."""
        pid = int((self.data / "postmaster.pid").read_text().split()[0])
        ticks = os.sysconf("SC_CLK_TCK")
        total = {}
        for entry in Path("/proc").iterdir():
            if not entry.name.isdigit():
                continue
            try:
                fields = (entry / "stat").read_text().rsplit(")", 1)[1].split()
            except OSError:
                continue
            if int(entry.name) == pid or int(fields[1]) == pid:
                total[int(entry.name)] = (int(fields[11]) + int(fields[12])) / ticks
        return total

    def stop(self):
        subprocess.run(as_server([str(PG_BIN / "pg_ctl"), "-D", str(self.data), "-m", "fast",
                                  "-w", "stop"]), capture_output=True)
        shutil.rmtree(self.folder, ignore_errors=True)


def start_console(build, uri, home, *more, stdout=subprocess.PIPE):
    """A quorvel-console of the class: a computer of the lab with data and settings of its own."""
    env = {**os.environ, "XDG_DATA_HOME": str(home / "data"),
           "XDG_CONFIG_HOME": str(home / "config"), "LC_ALL": "C"}
    return subprocess.Popen([str(build / "bin" / "quorvel-console"), "--classe", uri, *more],
                            stdin=subprocess.PIPE, stdout=stdout, stderr=subprocess.STDOUT,
                            env=env, bufsize=0)


class Pupil:
    def __init__(self, build, uri, name, home):
        self.process = start_console(build, uri, home, "--seed", "1")
        self.buffer = b""
        self.sent = None
        self.times = []
        self.errors = []
        self.experiments = 0
        self.type(f"profilo {name}\nlivello 1\n")

    def type(self, text):
        self.process.stdin.write(text.encode())

    def experiment(self, n):
        self.type(f"cancella primo\ncancella secondo\nprimo {n % 90 + 1}\nsecondo {n % 7 + 1}\n")
        self.sent = time.monotonic()
        self.type("esperimento\n")
        self.experiments += 1

    def read(self):
        chunk = os.read(self.process.stdout.fileno(), 65536)
        self.buffer += chunk
        while b"\n" in self.buffer:
            line, self.buffer = self.buffer.split(b"\n", 1)
            if line.startswith(b"usc:") and self.sent is not None:
                self.times.append(time.monotonic() - self.sent)
                self.sent = None
            elif line.startswith(b"errore:"):
                self.errors.append(line.decode(errors="replace"))
        return bool(chunk)


def teacher_progress(build, uri, home):
    process = start_console(build, uri, home)
    process.stdin.write(f"insegnante {TEACHER_PASSWORD}\n".encode())
    lines = b""
    while b"insegnante:" not in lines:
        lines += os.read(process.stdout.fileno(), 65536)
    start = time.monotonic()
    process.stdin.write(b"progressi\n")
    lines = b""
    while True:
        lines += os.read(process.stdout.fileno(), 65536)
        rows = [l for l in lines.split(b"\n") if l.startswith(b"progressi:")]
        if rows:
            expected = int(rows[0].split()[1])
            if lines.count(b"\nalunno:") + lines.startswith(b"alunno:") >= expected:
                break
    elapsed = time.monotonic() - start
    process.stdin.write(b"esci\n")
    process.wait()
    return elapsed, expected


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--pupils", type=int, default=30)
    parser.add_argument("--seconds", type=float, default=300)
    parser.add_argument("--every", type=float, default=2.0)
    parser.add_argument("--json", action="store_true")
    args = parser.parse_args()
    build = Path(args.build).resolve()
    server = Server()
    homes = Path(tempfile.mkdtemp(prefix="quorvel-bench-lab-"))
    try:
        uri = server.make_class(build)
        pupils = [Pupil(build, uri, f"Alunno {k + 1:02d}", homes / f"pc{k + 1:02d}")
                  for k in range(args.pupils)]
        cpu = {}
        begin = time.monotonic()
        # Each computer plays at its own moment within the two seconds, as a class does.
        next_at = [begin + 1.0 + args.every * k / args.pupils for k in range(args.pupils)]
        by_fd = {p.process.stdout.fileno(): p for p in pupils}
        last_sample = 0.0
        while time.monotonic() - begin < args.seconds:
            now = time.monotonic()
            for k, pupil in enumerate(pupils):
                if now >= next_at[k] and pupil.sent is None:
                    pupil.experiment(pupil.experiments + k)
                    next_at[k] += args.every
            if now - last_sample > 1.0:
                cpu.update({pid: max(t, cpu.get(pid, 0.0)) for pid, t in server.cpu_seconds().items()})
                last_sample = now
            ready, _, _ = select.select(list(by_fd), [], [], 0.01)
            for fd in ready:
                by_fd[fd].read()
        # The last answers, then the end of every session.
        deadline = time.monotonic() + 30
        while any(p.sent is not None for p in pupils) and time.monotonic() < deadline:
            ready, _, _ = select.select(list(by_fd), [], [], 0.1)
            for fd in ready:
                by_fd[fd].read()
        cpu.update({pid: max(t, cpu.get(pid, 0.0)) for pid, t in server.cpu_seconds().items()})
        run_seconds = time.monotonic() - begin
        progress_time, progress_rows = teacher_progress(build, uri, homes / "cattedra")
        for pupil in pupils:
            pupil.type("esci\n")
            pupil.process.stdin.close()
        for pupil in pupils:
            while pupil.read():
                pass
            pupil.process.wait()
        sent = sum(p.experiments for p in pupils)
        kept = int(server.psql("scuola", "SELECT count(*) FROM quorvel.trials"))
        times = sorted(t for p in pupils for t in p.times)
        p99 = times[min(len(times) - 1, int(len(times) * 0.99))]
        result = {
            "pupils": args.pupils, "seconds": round(run_seconds, 1), "every": args.every,
            "trials_sent": sent, "trials_kept": kept, "trials_lost": sent - kept,
            "save_median_ms": round(statistics.median(times) * 1000, 2),
            "save_p99_ms": round(p99 * 1000, 2), "save_max_ms": round(times[-1] * 1000, 2),
            "progress_ms": round(progress_time * 1000, 1), "progress_pupils": progress_rows,
            "server_cpu_s": round(sum(cpu.values()), 2),
            "server_cpu_percent_of_one_core": round(100 * sum(cpu.values()) / run_seconds, 2),
            "errors": sum(len(p.errors) for p in pupils),
        }
        if args.json:
            print(json.dumps(result))
        else:
            for key, value in result.items():
                print(f"{key}: {value}")
        return 0 if result["trials_lost"] == 0 else 1
    finally:
        server.stop()
        shutil.rmtree(homes, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
