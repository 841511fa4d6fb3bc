#!/usr/bin/env python3
"""Runs the measuring programs of a Release build and prints the table of docs/performance.md.

Usage: perf_table.py BUILD_DIR [PAIRS]

Every figure comes from fresh processes or from Google Benchmark in this run; nothing is read
from earlier runs. Programs on a display get an Xvfb of their own, without a window manager.
"""
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time

BUILD = os.path.abspath(sys.argv[1])
PAIRS = int(sys.argv[2]) if len(sys.argv) > 2 else 20
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


def spread(values, unit="", digits=1):
    f = f"{{:.{digits}f}}"
    return f"{f.format(min(values))}–{f.format(max(values))}{unit}"


class Xvfb:
    """A private X server; the display number is the one it picks itself."""

    def __enter__(self):
        self.tmp = tempfile.TemporaryDirectory()
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as announced:
            number = announced.readline().strip()
        if not number:
            raise SystemExit("Xvfb did not start")
        self.env = {k: v for k, v in os.environ.items() if k != "XAUTHORITY"}
        self.env.update(DISPLAY=":" + number, HOME=self.tmp.name, XDG_CONFIG_HOME=self.tmp.name)
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


def main():
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

        # Start-up: exec to the first frame on the mapped window, against a minimal SDL2 program,
        # alternating which goes first.
        ours = [program("bench_xvfb_driver"), "startup"]
        bare = [program("bench_minimal_sdl")]
        timed(ours, x.env), timed(bare, x.env)  # warm the file cache
        pairs = []
        for i in range(PAIRS):
            if i % 2 == 0:
                a, b = timed(ours, x.env), timed(bare, x.env)
            else:
                b, a = timed(bare, x.env), timed(ours, x.env)
            pairs.append((a, b))
        wall = [a[0] / b[0] for a, b in pairs]
        cpu = [a[1] / b[1] for a, b in pairs]
        ours_wall = statistics.median(a[0] for a, _ in pairs) * 1e3
        bare_wall = statistics.median(b[0] for _, b in pairs) * 1e3
        ours_cpu = statistics.median(a[1] for a, _ in pairs) * 1e3
        bare_cpu = statistics.median(b[1] for _, b in pairs) * 1e3
        rows.append(("Start-up on Xvfb, exec to first frame, wall time", "≤ 1.2 × minimal SDL2",
                     f"{ours_wall:.0f} ms vs {bare_wall:.0f} ms", "ratio " + spread(wall, "", 2),
                     f"{statistics.median(wall):.2f}", f"{PAIRS} alternating pairs"))
        rows.append(("Start-up on Xvfb, exec to first frame, processor time", "≤ 1.2 × minimal SDL2",
                     f"{ours_cpu:.0f} ms vs {bare_cpu:.0f} ms", "ratio " + spread(cpu, "", 2),
                     f"{statistics.median(cpu):.2f}", f"{PAIRS} alternating pairs"))
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

    # Transitions onto the heaviest theory page.
    t = google("bench_transition_bench")
    for kind, label in (("First", "first visit"), ("Later", "later visit")):
        name = f"{kind}VisitOfTheHeaviestTheoryPage/iterations:1/repeats:{100 if kind == 'First' else 1000}"
        median, p99 = t[(name, "median")], t[(name, "p99")]
        page = median.get("label", "")
        rows.append((f"Transition onto the heaviest theory page ({page}), {label}, headless",
                     "median ≤ 1 ms, p99 ≤ 3 ms", f"{ms(median):.2f} ms", f"p99 {ms(p99):.2f} ms", "",
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
    print("| target | goal | median | spread | ratio | sample |")
    print("|---|---|---|---|---|---|")
    for row in rows:
        print("| " + " | ".join(row) + " |")


if __name__ == "__main__":
    main()
