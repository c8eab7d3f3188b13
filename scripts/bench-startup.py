#!/usr/bin/env python3
"""Start-up timing of the launcher against its references, side by side.

Times each command with hyperfine in short batches, round-robin (alternating,
so drift in the machine's load falls on all of them alike), reports the
median wall time of each over all its runs and the ratios, and, natively,
splits one start's instructions (callgrind) by the binary they run in.

Usage: bench-startup.py BIN_FOLDER [--runs N] [--wine]
       (N runs per command, in batches of BATCH; default 100)
"""
import json
import shlex
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile


def prepare_home(root, override):
    home = os.path.join(root, "override" if override else "generated")
    log_folder = os.path.join(home, "Documents", "Kestova", "SystemLog")
    os.makedirs(log_folder, exist_ok=True)
    if override:
        with open(os.path.join(log_folder, "KDefault.ini"), "w") as f:
            f.write(ready_properties(os.path.join(home, "override.log")))
    return home


def ready_properties(log_file):
    return ("log4j.rootLogger = Info, kAppender\n"
            "log4j.appender.kAppender = org.apache.log4j.RollingFileAppender\n"
            "log4j.appender.kAppender.MaxFileSize = 5MB\n"
            "log4j.appender.kAppender.MaxBackupIndex = 1\n"
            f"log4j.appender.kAppender.File = {log_file}\n"
            "log4j.appender.kAppender.layout = org.apache.log4j.PatternLayout\n"
            "log4j.appender.kAppender.layout.ConversionPattern = %d{yyyy-MM-dd HH:mm:ss} [%5p] %f(%L) %M - %m%n\n")


BATCH = 10


def alternate(commands, runs):
    """Median wall time per command, hyperfine batches taken in turn."""
    times = {name: [] for name, _, _ in commands}
    with tempfile.TemporaryDirectory() as scratch:
        export = os.path.join(scratch, "batch.json")
        for _ in range(max(1, runs // BATCH)):
            for name, argv, env in commands:
                subprocess.run(["hyperfine", "--shell=none", "--ignore-failure", "--style=none", "--warmup=1",
                                f"--runs={BATCH}", "--output=null", f"--export-json={export}",
                                shlex.join(argv)],
                               env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
                with open(export) as f:
                    times[name] += json.load(f)["results"][0]["times"]
    return {name: statistics.median(values) for name, values in times.items()}, len(next(iter(times.values())))


def callgrind_split(argv, env):
    """Self instructions of one run, by binary."""
    with tempfile.TemporaryDirectory() as scratch:
        out = os.path.join(scratch, "callgrind.out")
        subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}"] + argv, env=env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        names, totals, current, after_call = {}, {}, "?", False
        with open(out, errors="replace") as f:
            for line in f:
                if line.startswith("cob="):
                    m = re.match(r"cob=\((\d+)\) (.*)", line.strip())
                    if m:
                        names[m.group(1)] = m.group(2)
                elif line.startswith("ob="):
                    m = re.match(r"ob=\((\d+)\)(?: (.*))?", line.strip())
                    if m:
                        if m.group(2):
                            names[m.group(1)] = m.group(2)
                        current = names.get(m.group(1), m.group(1))
                    else:
                        current = line[3:].strip()
                elif line.startswith("calls="):
                    after_call = True
                elif line[:1].isdigit() or line[:1] in "+-*":
                    fields = line.split()
                    if not after_call and len(fields) >= 2:
                        totals[current] = totals.get(current, 0) + int(fields[1])
                    after_call = False
        return totals


def main():
    args = sys.argv[1:]
    if not args:
        print(__doc__, file=sys.stderr)
        return 2
    bin_folder = os.path.abspath(args[0])
    runs = int(args[args.index("--runs") + 1]) if "--runs" in args else 100
    wine = "--wine" in args
    root = tempfile.mkdtemp(prefix="kl-bench-")
    try:
        if wine:
            # The wrapper prepares the prefix and a lasting server once; the
            # timed starts then call the loader itself, as a user's start would.
            wrapper = os.path.join(os.path.dirname(os.path.abspath(__file__)), "wine-run.sh")
            subprocess.run([wrapper, os.path.join(bin_folder, "bare_handoff.exe")], stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
            env = dict(os.environ, WINEPREFIX=os.path.join(os.path.dirname(bin_folder), "wineprefix-win64"),
                       WINEDEBUG="-all", LANG="ja_JP.UTF-8", LC_ALL="ja_JP.UTF-8")
            exe = lambda name: ["/usr/lib/wine/wine64", os.path.join(bin_folder, name + ".exe")]
            commands = [("launcher", exe("KestovaLink"), env), ("bare hand-off", exe("bare_handoff"), env)]
        else:
            generated = dict(os.environ, HOME=prepare_home(root, False), XDG_CONFIG_HOME="")
            overridden = dict(os.environ, HOME=prepare_home(root, True), XDG_CONFIG_HOME="")
            ready = os.path.join(root, "ready.ini")
            with open(ready, "w") as f:
                f.write(ready_properties(os.path.join(root, "reference.log")))
            launcher = [os.path.join(bin_folder, "KestovaLink")]
            commands = [("launcher, generated", launcher, generated),
                        ("launcher, override", launcher, overridden),
                        ("configure-only reference", [os.path.join(bin_folder, "configure_reference"), ready],
                         generated),
                        ("bare hand-off", [os.path.join(bin_folder, "bare_handoff")], generated)]
        medians, taken = alternate(commands, runs)
        print(f"hyperfine, {taken} runs each in alternating batches of {BATCH}; median wall time")
        for name, value in medians.items():
            print(f"  {name:28s} {value * 1000:8.2f} ms")
        if wine:
            print(f"  launcher / bare hand-off: {medians['launcher'] / medians['bare hand-off']:.3f}")
        else:
            reference = medians["configure-only reference"]
            for name in ("launcher, generated", "launcher, override"):
                print(f"  {name} / configure-only reference: {medians[name] / reference:.3f}")
            if shutil.which("valgrind"):
                totals = callgrind_split(launcher, generated)
                whole = sum(totals.values())
                print(f"one start under callgrind: {whole} instructions")
                for name, value in sorted(totals.items(), key=lambda item: -item[1])[:12]:
                    print(f"  {value / whole * 100:6.2f}%  {value:12d}  {name}")
    finally:
        shutil.rmtree(root, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
