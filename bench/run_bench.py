#!/usr/bin/env python3
"""Start-up, memory and animation of the trainer against an empty Qt Widgets window built
with the same flags, measured in one run under Xvfb. Run by hand, not by the test suite:

    bench/run_bench.py [build folder, default build/] [--runs N] [--seconds S]

Prints each measure, the trainer's ratio to the empty window and the budget it is held to.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

p = argparse.ArgumentParser()
p.add_argument("build", nargs="?", default=os.path.join(os.path.dirname(__file__), "..", "build"))
p.add_argument("--runs", type=int, default=9)
p.add_argument("--seconds", type=int, default=60)
p.add_argument("--exams-taken", type=int, default=300)
p.add_argument("--others", type=int, default=50)
a = p.parse_args()
build = os.path.abspath(a.build)
trainer = os.path.join(build, "program", "cinemoto")
empty = os.path.join(build, "bench", "bench_empty_window")
driver = os.path.join(build, "bench", "bench_trainer")
for f in (trainer, empty, driver):
    if not os.access(f, os.X_OK):
        sys.exit(f"missing {f}: build the targets cinemoto, bench_empty_window and bench_trainer")

env = dict(os.environ)
xvfb = None
if "DISPLAY" not in env or "--xvfb" in sys.argv:
    display = ":97"
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            stderr=subprocess.DEVNULL)
    time.sleep(1.0)
    env["DISPLAY"] = display
env["QT_QPA_PLATFORM"] = "xcb"
env.pop("CINEMOTO_PLUGIN_DIR", None)
home = tempfile.mkdtemp(prefix="cinemoto-bench-")
env["HOME"] = home
env["XDG_CONFIG_HOME"] = os.path.join(home, "config")


def rss_mb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    return 0.0


def cpu_ticks(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def start(program):
    """Seconds to the first painted frame, and resident MB two seconds later."""
    e = dict(env, CINEMOTO_REPORT_FIRST_FRAME="1")
    t0 = time.monotonic_ns()
    proc = subprocess.Popen([program], env=e, stderr=subprocess.PIPE, stdout=subprocess.DEVNULL, text=True)
    shown = None
    for line in proc.stderr:
        if line.startswith("first-frame "):
            shown = int(line.split()[1])
            break
    time.sleep(2.0)
    mem = rss_mb(proc.pid)
    proc.kill()
    proc.wait()
    if shown is None:
        sys.exit(f"{program} did not report its first frame")
    return (shown - t0) / 1e9, mem


def report(name, trainer_value, empty_value, unit, budget):
    ratio = trainer_value / empty_value if empty_value else float("inf")
    print(f"{name:<34} trainer {trainer_value:8.3f} {unit:<3} empty {empty_value:8.3f} {unit:<3} "
          f"ratio {ratio:5.2f}   budget {budget}")
    return ratio


try:
    print(f"machine: {os.cpu_count()} cores, load average {os.getloadavg()[0]:.2f} at start")
    # Warm the file cache, then alternate the two programs so that both meet the same load.
    start(trainer), start(empty)
    times = {"trainer": [], "empty": []}
    mems = {"trainer": [], "empty": []}
    # Each run starts both programs, one right after the other, the first one in turn, so that
    # a machine that slows down or speeds up over the run weighs on both alike.
    for run in range(a.runs):
        order = (("trainer", trainer), ("empty", empty))
        for name, program in (order if run % 2 == 0 else order[::-1]):
            t, m = start(program)
            times[name].append(t)
            mems[name].append(m)
    t_tr, t_em = statistics.median(times["trainer"]), statistics.median(times["empty"])
    m_tr, m_em = statistics.median(mems["trainer"]), statistics.median(mems["empty"])
    print(f"first frame, all runs (s): trainer {[round(x, 3) for x in times['trainer']]}")
    print(f"                           empty   {[round(x, 3) for x in times['empty']]}")
    pairs = [tr / em for tr, em in zip(times["trainer"], times["empty"])]
    print(f"                           ratio of each run {[round(x, 2) for x in pairs]}")
    report("1 first window (median)", t_tr, t_em, "s", "ratio <= 1.25")
    print(f"1 first window, median of the runs' ratios {statistics.median(pairs):5.2f}   budget ratio <= 1.25")
    report("2 memory after start (median)", m_tr, m_em, "MB", "trainer < 35 MB")

    # 3: a short look at every moving mechanism picks the busiest, then the full measure,
    # beside an empty window left alone for the same time.
    denv = dict(env, CINEMOTO_PLUGIN_DIR=os.path.join(build, "program"))
    out = subprocess.run([driver, "animate", "3"] + [str(m) for m in range(1, 20)], env=denv,
                         capture_output=True, text=True, check=True).stdout
    shares = {int(l.split()[1]): float(l.split()[2]) for l in out.splitlines() if l.startswith("animate")}
    busiest = max(shares, key=shares.get)
    print("3 s per mechanism, % of a core: " + " ".join(f"{m}:{s:.2f}" for m, s in sorted(shares.items())))
    idle = subprocess.Popen([empty], env=env, stderr=subprocess.DEVNULL)
    time.sleep(1.5)
    before = cpu_ticks(idle.pid)
    w0 = time.monotonic()
    out = subprocess.run([driver, "animate", str(a.seconds), str(busiest)], env=denv,
                         capture_output=True, text=True, check=True).stdout
    idle_share = 100.0 * (cpu_ticks(idle.pid) - before) / os.sysconf("SC_CLK_TCK") / (time.monotonic() - w0)
    idle.kill()
    idle.wait()
    share = float(out.split()[2])
    print(f"3 CPU while mechanism {busiest} animates, {a.seconds} s: trainer {share:.3f} % of a core, "
          f"empty window {idle_share:.3f} %   budget <= 1 %")

    out = subprocess.run([driver, "windows", str(a.exams_taken), str(a.others)], env=denv,
                         capture_output=True, text=True, check=True).stdout
    print("\n".join("4 " + l for l in out.splitlines()))
    end = float([l for l in out.splitlines() if l.startswith("rss-end")][0].split()[1])
    report("4 memory after the windows", end, m_em, "MB", "trainer < 50 MB")
finally:
    if xvfb:
        xvfb.terminate()
    shutil.rmtree(home, ignore_errors=True)
