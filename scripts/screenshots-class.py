#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Photographs the teacher's live board ("La classe, ora") in a class of its own.

    scripts/screenshots-class.py [BUILD_DIR] [OUTPUT_DIR] [SCREEN...]

Starts a PostgreSQL server of its own (as bench/classe/load.py does), sets a class up, lets a
few pupils' consoles play, then starts the window in the class under openbox on Xvfb, opens the
board as the teacher would (menu, password) and photographs it with and without names, and a
pupil's window stopped by "Fermi tutti!". SCREEN is WIDTHxHEIGHT (default 1366x768 1920x1080);
writes OUTPUT_DIR/SCREEN-NAME.png.
"""
import os
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "bench" / "classe"))
from load import Server, TEACHER_PASSWORD, start_console  # noqa: E402

NAMES = ["Giulia", "Marco", "Sofia", "Luca", "Aurora", "Pietro", "Emma"]


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True,
                          text=True).stdout.strip()


def main():
    build = Path(sys.argv[1] if len(sys.argv) > 1 else "build").resolve()
    out = Path(sys.argv[2] if len(sys.argv) > 2 else "screenshots")
    screens = sys.argv[3:] or ["1366x768", "1920x1080"]
    out.mkdir(parents=True, exist_ok=True)
    server = Server()
    work = Path(tempfile.mkdtemp(prefix="quorvel-shots-"))
    processes = []
    try:
        uri = server.make_class(build)
        # The pupils play a little: some further on than others.
        for k, name in enumerate(NAMES):
            pupil = start_console(build, uri, work / f"pc{k}", stdout=subprocess.DEVNULL)
            processes.append(pupil)
            commands = f"profilo {name}\nlivello {1 + k % 3}\n"
            for t in range(k % 4 + 1):
                commands += f"primo {3 + t}\nsecondo {4 + k}\nesperimento\n"
            pupil.stdin.write(commands.encode())
        time.sleep(3)
        for screen in screens:
            width, height = (int(v) for v in screen.split("x"))
            read, write = os.pipe()
            xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0",
                                     f"{screen}x24", "-nolisten", "tcp"], pass_fds=[write],
                                    stderr=subprocess.DEVNULL)
            processes.append(xvfb)
            os.environ["DISPLAY"] = ":" + os.read(read, 64).decode().strip()
            processes.append(subprocess.Popen(["openbox"], stderr=subprocess.DEVNULL))
            time.sleep(0.5)
            home = work / f"cattedra-{screen}"
            env = {**os.environ, "HOME": str(home), "XDG_CONFIG_HOME": str(home / "config"),
                   "XDG_DATA_HOME": str(home / "data"), "LANG": "it_IT.UTF-8"}
            window = subprocess.Popen([str(build / "bin" / "quorvel"), "--classe", uri], env=env,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            processes.append(window)
            wid = xdotool("search", "--sync", "--name", "^Quorvel")
            wid = wid.splitlines()[0]
            xdotool("windowsize", wid, str(width * 9 // 10), str(height * 9 // 10))
            xdotool("windowmove", wid, str(width // 20), str(height // 30))
            time.sleep(3)
            # The teacher's desk: the board from its menu, the password asked.
            xdotool("windowactivate", "--sync", wid, "key", "--delay", "100", "Escape",
                    "alt+e", "l")
            time.sleep(1.5)
            xdotool("type", "--delay", "40", TEACHER_PASSWORD)
            xdotool("key", "Return")
            time.sleep(2.5)
            subprocess.run(["import", "-window", "root", str(out / f"{screen}-lavagna.png")],
                           check=True)
            xdotool("key", "alt+n")
            time.sleep(1)
            subprocess.run(["import", "-window", "root",
                            str(out / f"{screen}-lavagna-senza-nomi.png")], check=True)
            print(out / f"{screen}-lavagna.png")
            print(out / f"{screen}-lavagna-senza-nomi.png")
            # A pupil's window, stopped by "Fermi tutti!" from the teacher's console.
            window.kill()
            time.sleep(0.5)
            pupil_home = work / f"alunno-{screen}"
            pupil = subprocess.Popen(
                [str(build / "bin" / "quorvel"), "--classe", uri],
                env={**env, "HOME": str(pupil_home), "XDG_CONFIG_HOME": str(pupil_home / "c"),
                     "XDG_DATA_HOME": str(pupil_home / "d")},
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            processes.append(pupil)
            pupil_window = xdotool("search", "--sync", "--name", "^Quorvel").splitlines()[0]
            xdotool("windowsize", pupil_window, str(width * 9 // 10), str(height * 9 // 10))
            xdotool("windowmove", pupil_window, str(width // 20), str(height // 30))
            time.sleep(4)
            # "Chi gioca?": the first name of the class.
            xdotool("key", "--delay", "150", "Down", "Return")
            time.sleep(1)
            desk = start_console(build, uri, work / f"cattedra-console-{screen}",
                                 stdout=subprocess.DEVNULL)
            processes.append(desk)
            desk.stdin.write(f"insegnante {TEACHER_PASSWORD}\nfermi\n".encode())
            time.sleep(3)
            subprocess.run(["import", "-window", "root", str(out / f"{screen}-fermi-tutti.png")],
                           check=True)
            print(out / f"{screen}-fermi-tutti.png")
            desk.stdin.write(b"via\n")
            time.sleep(0.5)
            for p in processes[-5:]:
                p.kill()
            time.sleep(0.5)
    finally:
        for p in processes:
            p.kill()
        server.stop()


if __name__ == "__main__":
    main()
