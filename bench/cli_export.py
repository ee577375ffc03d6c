# SPDX-License-Identifier: GPL-3.0-or-later
# Times `pixmora-cli export` against `icotool -x` on the same icon, whole process, in
# interleaved rounds (one of each per round, so a busy machine slows both alike). Prints
# "cli export_ms MS" and "icotool extract_ms MS" per round, wall time from spawn to exit.
# PIXMORA_CLI_COMMANDS names the full tool, which runs the same export on QtCore (what a failing
# export is handed to), and PIXMORA_CORE_FLOOR a bare QtCore program; each is timed beside them.
# The PNGs go to a memory file system when there is one (PIXMORA_BENCH_DIR chooses another):
# pixmora-cli syncs each file it replaces to the disk and icotool does not, and on a disk that
# wait, not the process, would be measured.
#
#   python3 bench/cli_export.py PIXMORA_CLI ICON [ROUNDS]
import os
import shutil
import sys
import tempfile
import time


def run(argv):
    devnull = os.open(os.devnull, os.O_WRONLY)
    try:
        start = time.perf_counter()
        pid = os.posix_spawn(argv[0], argv, os.environ,
                             file_actions=[(os.POSIX_SPAWN_DUP2, devnull, 1)])
        _, status = os.waitpid(pid, 0)
        elapsed = time.perf_counter() - start
    finally:
        os.close(devnull)
    if os.waitstatus_to_exitcode(status) != 0:
        raise SystemExit("%s failed" % " ".join(argv))
    return elapsed * 1000


def main():
    cli, icon = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 50
    icotool = shutil.which("icotool")
    if not icotool:
        raise SystemExit("icotool not installed (apt-get install icoutils): no CLI figure")
    floor, full = (os.environ.get(name) for name in ("PIXMORA_CORE_FLOOR", "PIXMORA_CLI_COMMANDS"))
    floor, full = (p if p and os.access(p, os.X_OK) else None for p in (floor, full))
    base = os.environ.get("PIXMORA_BENCH_DIR") or ("/dev/shm" if os.path.isdir("/dev/shm") else None)
    with tempfile.TemporaryDirectory(dir=base) as ours, \
            tempfile.TemporaryDirectory(dir=base) as theirs, \
            tempfile.TemporaryDirectory(dir=base) as ours_full:
        for _ in range(rounds):
            print("cli export_ms %.3f" % run([cli, "export", icon, ours]))
            print("icotool extract_ms %.3f" % run([icotool, "-x", "-o", theirs, icon]))
            if floor:
                print("corefloor run_ms %.3f" % run([floor, icon]))
            if full:
                print("clifull export_ms %.3f" % run([full, "export", icon, ours_full]))


main()
