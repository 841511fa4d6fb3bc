#!/usr/bin/env python3
"""Runs the measuring programs of a Release build and prints the table of docs/performance.md.

Usage: perf_table.py [--start-up] BUILD_DIR [PAIRS] [BASELINE_BUILD_DIR]

Every figure comes from fresh processes or from Google Benchmark in this run; nothing is read
from earlier runs. Programs on a display get an Xvfb of their own, without a window manager.
BASELINE_BUILD_DIR, when given, is a Release tree of the commit before the start page came
first: its start-up driver is the yardstick of the row "exec to last page built". --start-up
measures the start-up rows alone (a short check that they work).
"""
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time

START_UP_ONLY = "--start-up" in sys.argv[1:]
ARGS = [a for a in sys.argv[1:] if a != "--start-up"]
BUILD = os.path.abspath(ARGS[0])
PAIRS = int(ARGS[1]) if len(ARGS) > 1 else 20
BASELINE = os.path.abspath(ARGS[2]) if len(ARGS) > 2 and ARGS[2] else None
BENCH = os.path.join(BUILD, "bench")


def program(name):
    return os.path.join(BENCH, name)


def key_values(text):
    values = {}
    for line in text.splitlines():
        parts = line.split()
        if len(parts) == 2:
            values[parts[0]] = float(parts[1])
    return values


def run(cmd, env=None):
    return subprocess.run(cmd, env=env, check=True, capture_output=True, text=True).stdout


def timed(cmd, env):
    """Wall and processor time (user + system) of one run, from exec to exit."""
    start = time.monotonic()
    child = subprocess.Popen(cmd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(child.pid, 0)
    wall = time.monotonic() - start
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0:
        raise SystemExit(f"{cmd[0]} failed ({child.returncode}): {child.stderr.read().decode()}")
    child.stderr.close()
    return wall, usage.ru_utime + usage.ru_stime


def timed_to_map(cmd, env):
    """Wall and processor time from exec to the first window mapped on the display: a watcher
    selects the root's substructure before the program starts and kills it at the MapNotify."""
    watcher = subprocess.Popen([program("bench_map_watch")], env=env, stdin=subprocess.PIPE,
                               stdout=subprocess.PIPE, text=True)
    try:
        if watcher.stdout.readline().strip() != "ready":
            raise SystemExit("bench_map_watch did not start")
        start = time.monotonic()
        child = subprocess.Popen(cmd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        watcher.stdin.write(f"{child.pid}\n")
        watcher.stdin.flush()
        _, status, usage = os.wait4(child.pid, 0)
        if not os.WIFSIGNALED(status):
            raise SystemExit(f"{cmd[0]} ended before mapping a window ({os.waitstatus_to_exitcode(status)})")
        mapped = key_values(watcher.stdout.readline())["mapped_ns"] / 1e9
        watcher.wait()
    finally:
        if watcher.poll() is None:
            watcher.kill()
            watcher.wait()
    return mapped - start, usage.ru_utime + usage.ru_stime


def alternating(first, second, pairs):
    """Pairs of (first, second) measures, with which goes first alternating."""
    result = []
    for i in range(pairs):
        if i % 2 == 0:
            a, b = first(), second()
        else:
            b, a = second(), first()
        result.append((a, b))
    return result


def against(label, goal, pairs, sample):
    """The wall and processor rows of measures paired against a yardstick."""
    rows = []
    for index, kind in ((0, "wall time"), (1, "processor time")):
        ratio = [a[index] / b[index] for a, b in pairs]
        ours = statistics.median(a[index] for a, _ in pairs) * 1e3
        theirs = statistics.median(b[index] for _, b in pairs) * 1e3
        rows.append((f"{label}, {kind}", goal, f"{ours:.0f} ms vs {theirs:.0f} ms", "ratio " + spread(ratio, "", 2),
                     f"{statistics.median(ratio):.2f}", sample))
    return rows


def spread(values, unit="", digits=1):
    f = f"{{:.{digits}f}}"
    return f"{f.format(min(values))}–{f.format(max(values))}{unit}"


class Xvfb:
    """A private X server; the display number is the one it picks itself. With dpi, the root
    window's resource database says Xft.dpi, as a desktop that enlarges everything sets it."""

    def __init__(self, screen="1024x768x24", dpi=None):
        self.screen, self.dpi = screen, dpi

    def __enter__(self):
        self.tmp = tempfile.TemporaryDirectory()
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.screen, "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as announced:
            number = announced.readline().strip()
        if not number:
            raise SystemExit("Xvfb did not start")
        self.env = {k: v for k, v in os.environ.items() if k != "XAUTHORITY"}
        self.env.update(DISPLAY=":" + number, HOME=self.tmp.name, XDG_CONFIG_HOME=self.tmp.name)
        if self.dpi:
            subprocess.run(["xprop", "-root", "-f", "RESOURCE_MANAGER", "8s", "-set", "RESOURCE_MANAGER",
                            f"Xft.dpi:\t{self.dpi}\n"], env=self.env, check=True)
        return self

    def __exit__(self, *exc):
        self.server.terminate()
        self.server.wait()
        self.tmp.cleanup()


def google(name, extra=()):
    out = run([program(name), "--benchmark_format=json", *extra])
    results = {}
    for b in json.loads(out)["benchmarks"]:
        if b.get("run_type") == "aggregate":
            results[(b["run_name"], b["aggregate_name"])] = b
    return results


def ms(b):
    unit = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
    return b["real_time"] * unit


def idle_wakeups(env, seconds=10):
    """Processor ticks and context switches of the real program, left alone on the display."""
    apostila = os.path.join(BUILD, "src", "apostila", "apostila")
    child = subprocess.Popen([apostila], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        time.sleep(2)

        def sample():
            with open(f"/proc/{child.pid}/stat") as f:
                fields = f.read().rsplit(")", 1)[1].split()
            ticks = int(fields[11]) + int(fields[12])
            switches = 0
            for task in os.listdir(f"/proc/{child.pid}/task"):
                with open(f"/proc/{child.pid}/task/{task}/status") as f:
                    for line in f:
                        if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                            switches += int(line.split()[1])
            return ticks, switches

        t0, s0 = sample()
        time.sleep(seconds)
        t1, s1 = sample()
        return t1 - t0, s1 - s0
    finally:
        child.kill()
        child.wait()


def start_up_rows(env):
    """Exec to the first frame, to the first mapped window and to the last page built."""
    rows = []
    # Start-up: exec to the first frame on the mapped window, and exec to the first window
    # mapped, against a minimal SDL2 program, alternating which goes first.
    ours = [program("bench_xvfb_driver"), "startup"]
    bare = [program("bench_minimal_sdl")]
    course = [os.path.join(BUILD, "src", "apostila", "apostila")]
    timed(ours, env), timed(bare, env)  # warm the file cache
    pairs = alternating(lambda: timed(ours, env), lambda: timed(bare, env), PAIRS)
    rows += against("Start-up on Xvfb, exec to first frame", "≤ 1.2 × minimal SDL2", pairs,
                    f"{PAIRS} alternating pairs")
    staying = bare + ["stay"]
    timed_to_map(course, env), timed_to_map(staying, env)
    pairs = alternating(lambda: timed_to_map(course, env), lambda: timed_to_map(staying, env), PAIRS)
    rows += against("Start-up on Xvfb, exec to first mapped window (the course program)", "≤ 1.2 × minimal SDL2",
                    pairs, f"{PAIRS} alternating pairs")
    # The whole course built, against the previous start-up that built it before the first frame.
    built = [program("bench_xvfb_driver"), "built"]
    if BASELINE:
        before = [os.path.join(BASELINE, "bench", "bench_xvfb_driver"), "startup"]
        timed(built, env), timed(before, env)
        pairs = alternating(lambda: timed(built, env), lambda: timed(before, env), PAIRS)
        rows += against("Start-up on Xvfb, exec to last page built", "≤ previous exec to first frame", pairs,
                        f"{PAIRS} alternating pairs")
    else:
        alone = [timed(built, env) for _ in range(PAIRS)]
        for index, kind in ((0, "wall time"), (1, "processor time")):
            rows.append((f"Start-up on Xvfb, exec to last page built, {kind}", "≤ previous exec to first frame",
                         f"{statistics.median(a[index] for a in alone) * 1e3:.0f} ms",
                         spread([a[index] * 1e3 for a in alone], " ms", 0), "", f"{PAIRS} runs, no baseline tree"))
    return rows


def print_table(rows):
    print("| target | goal | median | spread | ratio | sample |")
    print("|---|---|---|---|---|---|")
    for row in rows:
        print("| " + " | ".join(row) + " |")


def main():
    if START_UP_ONLY:
        with Xvfb() as x:
            print_table(start_up_rows(x.env))
        return
    began = time.monotonic()
    rows = []

    # Memory: peak resident set after visiting every page, in fresh processes.
    tours = [key_values(run([program("bench_memory_tour")])) for _ in range(5)]
    peaks = [t["peak_rss_after_tour_kb"] / 1024 for t in tours]
    rows.append(("Peak resident memory after visiting all 86 pages, headless", "≤ 48 MB",
                 f"{statistics.median(peaks):.1f} MB", spread(peaks, " MB"), "", "5 processes"))

    with Xvfb() as x:
        xtours = [key_values(run([program("bench_xvfb_driver"), "tour"], x.env)) for _ in range(5)]
        xpeaks = [t["peak_rss_kb"] / 1024 for t in xtours]
        rows.append(("Peak resident memory after visiting all 86 pages, Xvfb", "≤ 96 MB",
                     f"{statistics.median(xpeaks):.1f} MB", spread(xpeaks, " MB"), "", "5 processes"))
        windows = {int(t["page_windows_after_startup"]) for t in tours + xtours}
        rows.append(("Native page windows after start-up", "exactly 1", "/".join(map(str, sorted(windows))), "", "",
                     "headless and Xvfb"))

        rows += start_up_rows(x.env)
        # Cost against content: the same start-up and tour with every picture there 2 and 4 times.
        cost_cpu, cost_peak = [], []
        for copies in (1, 2, 4):
            driver = program("bench_xvfb_driver" if copies == 1 else f"copies-x{copies}/bench_xvfb_driver_x{copies}")
            timed([driver, "startup"], x.env)
            cost_cpu.append(statistics.median(timed([driver, "startup"], x.env)[1] for _ in range(9)) * 1e3)
            cost_peak.append(key_values(run([driver, "tour"], x.env))["peak_rss_kb"] / 1024)
        rows.append(("Cost against content: pictures ×1, ×2, ×4 (Xvfb)", "flat start-up processor time",
                     "start-up " + " / ".join(f"{v:.0f}" for v in cost_cpu) + " ms",
                     "peak memory " + " / ".join(f"{v:.0f}" for v in cost_peak) + " MB",
                     f"{cost_cpu[2] / cost_cpu[0]:.2f}", "9 start-ups, 1 tour each"))
        ticks, switches = idle_wakeups(x.env)
        rows.append(("Idle for 10 s after start-up", "no processor time, no wake-up",
                     f"{ticks} ticks, {switches} context switches", "", "", "the course program, 1 run"))

    # At scale 2: the same tour on a 2560 x 1600 screen whose desktop asks for twice the size,
    # and what the program carries for it.
    with Xvfb("2560x1600x24", 192) as x:
        hpeaks = [key_values(run([program("bench_xvfb_driver"), "tour"], x.env))["peak_rss_kb"] / 1024
                  for _ in range(5)]
        rows.append(("Peak resident memory after visiting all 86 pages at scale 2, Xvfb", "≤ 160 MB",
                     f"{statistics.median(hpeaks):.1f} MB", spread(hpeaks, " MB"), "", "5 processes"))
    twins = os.path.getsize(os.path.join(BUILD, "course", "twins.bin")) / 1e6
    rows.append(("The program's growth for the twins (the packed side table)", "≤ 15 MB", f"{twins:.2f} MB", "", "",
                 "course/twins.bin, embedded"))

    # Transitions onto the heaviest theory page.
    t = google("bench_transition_bench")
    for kind, label, scale, goal in (("First", "first visit", "", "median ≤ 1 ms, p99 ≤ 3 ms"),
                                     ("Later", "later visit", "", "median ≤ 1 ms, p99 ≤ 3 ms"),
                                     ("First", "first visit", "AtScale2", "median ≤ 3 ms, p99 ≤ 6 ms"),
                                     ("Later", "later visit", "AtScale2", "median ≤ 2 ms, p99 ≤ 4 ms")):
        name = f"{kind}VisitOfTheHeaviestTheoryPage{scale}/iterations:1/repeats:{100 if kind == 'First' else 1000}"
        median, p99 = t[(name, "median")], t[(name, "p99")]
        page = median.get("label", "")
        where = "headless" + (", scale 2" if scale else "")
        rows.append((f"Transition onto the heaviest theory page ({page}), {label}, {where}",
                     goal, f"{ms(median):.2f} ms", f"p99 {ms(p99):.2f} ms", "",
                     f"{median['repetitions']} transitions"))

    # Building the pages against a copy of the definitions' bytes.
    firsts = [key_values(run([program("bench_first_build")])) for _ in range(15)]
    first_ratio = [f["first_build_ms"] / f["copy_ms"] for f in firsts]
    rows.append(("Build all 86 pages, first build in a fresh process", "≤ 3 × copying the definitions",
                 f"{statistics.median(f['first_build_ms'] for f in firsts):.2f} ms vs "
                 f"{statistics.median(f['copy_ms'] for f in firsts):.2f} ms",
                 "ratio " + spread(first_ratio, "", 2), f"{statistics.median(first_ratio):.2f}", "15 processes"))
    b = google("bench_build_bench")
    build = b[("BuildAllPages/repeats:15", "median")]
    copy = b[("CopyTheDefinitions/repeats:15", "median")]
    build_cv = b[("BuildAllPages/repeats:15", "cv")]["real_time"] * 100
    rows.append(("Build all 86 pages, repeated builds", "≤ 3 × copying the definitions",
                 f"{ms(build):.2f} ms vs {ms(copy):.2f} ms", f"cv {build_cv:.1f} %", f"{ms(build) / ms(copy):.2f}",
                 "15 repetitions"))

    size = tours[0]["definition_bytes"] / 1e6
    print(f"Definitions: {size:.1f} MB. Measured in {time.monotonic() - began:.0f} s.\n")
    print_table(rows)


if __name__ == "__main__":
    main()
