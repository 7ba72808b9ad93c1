#!/usr/bin/env python3
"""The benchmarks: each figure of the program against a baseline measured in the same run.

Measures the 32-bit release build, then the 64-bit build, each against baselines built with the
same compiler and run by the same Wine. Run by tools/bench, which builds both and keeps a Wine
server per prefix and an X display up. Prints a table and writes build/bench/results.json. Never a
test: nothing here passes or fails.
"""
import json
import os
import statistics
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(os.environ["ROOT"])
OUT = ROOT / "build/bench"
PROGRAM = ("TilloraStockdraw.exe", "TMainForm")
BASELINE = ("bench_baseline.exe", "BenchBaseline")
BASELINE_DLLS = ("bench_baseline_dlls.exe", "BenchBaseline")
BASELINE_CONTROLS = ("bench_baseline_controls.exe", "BenchControlsBaseline")
# Start-up is compared in interleaved rounds, at least this many starts of each program.
MIN_START_ROUNDS = 20
IDLE_SECONDS = 10
MIB = 1024 * 1024
# DLLs every Windows installation has; anything else the release program imports would have to ship.
SYSTEM_DLLS = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "kernel32.dll", "msimg32.dll",
    "msvcrt.dll", "ole32.dll", "oleaut32.dll", "psapi.dll", "shell32.dll", "shlwapi.dll",
    "user32.dll", "uxtheme.dll", "version.dll", "winmm.dll",
}


class Build:
    """One build of the program and its baselines (bin folder), and the Wine that runs it: the
    32-bit release build with the 32-bit Wine, the 64-bit build with wine64, each in its prefix."""

    def __init__(self, bits, name):
        self.bits = bits
        self.name = name
        self.bin = ROOT / ("build/win%d/bin" % bits)
        # The Wine settings come from tools/wine-env.sh, which alone knows them.
        script = ('. "$ROOT/tools/wine-env.sh" && use_wine %d && printf "%%s\\0" "$WINE" "$WINEPREFIX" "$WINEARCH"'
                  % bits)
        wine, prefix, arch = subprocess.run(["bash", "-c", script], capture_output=True, text=True,
                                            check=True).stdout.split("\0")[:3]
        self.wine = wine
        self.prefix = prefix
        self.env = dict(os.environ, WINE=wine, WINEPREFIX=prefix, WINEARCH=arch)

    def exe(self, program):
        return self.bin / program[0]

    def command(self, program, *args):
        """The command line that runs a program of this build under its Wine."""
        return [self.wine, str(self.bin / program), *map(str, args)]


BUILDS = [Build(32, "32-bit release (MinSizeRel)"), Build(64, "64-bit (Release)")]


def wine_path(path):
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def start_bench_exe(build, args, output):
    """Starts stockdraw_bench writing to the file output. Not to a pipe: Wine's services, started
    on demand, inherit the pipe and would keep it open long after the bench ends."""
    with open(output, "w") as out:
        return subprocess.Popen(build.command("stockdraw_bench.exe", *args), env=build.env, stdout=out,
                                stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)


def bench_exe(build, *args, timeout=3600):
    """Runs stockdraw_bench and returns its lines, split into words."""
    output = OUT / "bench-output.txt"
    code = start_bench_exe(build, args, output).wait(timeout=timeout)
    text = output.read_text()
    if code != 0:
        sys.exit("bench: %d-bit stockdraw_bench %s failed: %s" % (build.bits, args[0], text.strip()))
    return [line.split() for line in text.splitlines() if line.strip()]


def median(values):
    return statistics.median(values) if values else float("nan")


# ---- start-up and memory ---------------------------------------------------------------------

def startup(build, rounds):
    """Per program, (ms to painted, working set KB, ms to visible) of each start; the programs
    start in turn, round after round, so that a change in the machine's load meets all alike."""
    programs = {"program": PROGRAM, "baseline": BASELINE, "baseline+dlls": BASELINE_DLLS,
                "controls": BASELINE_CONTROLS}
    args = [rounds]
    for label, program in programs.items():
        args += [label, wine_path(build.exe(program)), program[1]]
    lines = bench_exe(build, "start", *args)
    samples = {label: [] for label in programs}
    for key, label, ms, kb, visible_ms in (line for line in lines if line[0] == "start"):
        if label in samples:
            samples[label].append((float(ms), float(kb), float(visible_ms)))
    return samples


def startup_phases(build, runs):
    """Median time of each of the program's own start-up steps, in their order."""
    output = OUT / "phases.txt"
    samples = {}
    for _ in range(runs):
        output.unlink(missing_ok=True)
        subprocess.run(build.command("startup_phases.exe", wine_path(output)), env=build.env, timeout=60,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if output.exists():
            for line in output.read_text().splitlines():
                _, ms, name = line.split(" ", 2)
                samples.setdefault(name, []).append(float(ms))
    return {name: median(values) for name, values in samples.items()}


# ---- idle CPU ----------------------------------------------------------------------------------

def cpu_seconds(pid):
    """User and system time of a Linux process, in seconds; 0 when it is gone."""
    try:
        fields = Path("/proc/%d/stat" % pid).read_text().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")
    except (OSError, IndexError, ValueError):
        return 0.0


def session_processes(build):
    """The processes an idle window costs: everything running in the build's Wine prefix (the program,
    the Wine server, Wine's own services) and the X server of our display."""
    display = os.environ.get("DISPLAY", "")
    pids = []
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            environ = (entry / "environ").read_bytes().split(b"\0")
            cmdline = (entry / "cmdline").read_bytes().split(b"\0")
        except OSError:
            continue
        if b"WINEPREFIX=" + build.prefix.encode() in environ:
            pids.append(int(entry.name))
        elif cmdline and cmdline[0].endswith(b"Xvfb") and display.encode() in cmdline:
            pids.append(int(entry.name))
    return pids


def idle_cpu_percent(build, program):
    """Per cent of one core that the session uses over IDLE_SECONDS while the program sits idle."""
    output = OUT / "hold-output.txt"
    exe = build.exe(program)
    holder = start_bench_exe(build, ["hold", wine_path(exe), program[1], IDLE_SECONDS + 5], output)
    try:
        deadline = time.monotonic() + 30
        while "ready" not in output.read_text():
            if holder.poll() is not None or time.monotonic() > deadline:
                sys.exit("bench: %s did not come up for the idle measurement" % exe.name)
            time.sleep(0.05)
        time.sleep(1)  # the first twinkle and any late start-up work
        pids = session_processes(build)
        before = sum(cpu_seconds(pid) for pid in pids)
        start = time.monotonic()
        time.sleep(IDLE_SECONDS)
        used = sum(cpu_seconds(pid) for pid in pids) - before
        return 100.0 * used / (time.monotonic() - start)
    finally:
        holder.wait(timeout=IDLE_SECONDS + 60)


def idle(build, runs):
    samples = {"program": [], "baseline": []}
    for _ in range(runs):
        samples["program"].append(idle_cpu_percent(build, PROGRAM))
        samples["baseline"].append(idle_cpu_percent(build, BASELINE))
    return samples


# ---- grab --------------------------------------------------------------------------------------

def make_site(folder, count, size):
    """A site folder of count files of size bytes, spread over the grab's masks, plus files the
    grab leaves alone; made once and kept."""
    stems = ["InventoryB", "InventoryC", "InventoryD", "InventoryK", "Program", "Register", "Tax", "User"]
    marker = folder / (".made-%d-%d" % (count, size))
    if marker.exists():
        return
    folder.mkdir(parents=True, exist_ok=True)
    for old in folder.iterdir():
        old.unlink()
    block = bytes(range(256)) * (size // 256 + 1)
    for i in range(count):
        (folder / ("%s%05d.DAT" % (stems[i % len(stems)], i))).write_bytes(block[:size])
    for i in range(10):
        (folder / ("Sales%02d.DAT" % i)).write_bytes(block[:size % 65536])
    marker.touch()


def grab(build, runs):
    sites = {"2000 x 4 KB": (OUT / "sites/small", 2000, 4096), "20 x 50 MB": (OUT / "sites/large", 20, 50 * MIB)}
    results = {}
    for name, (folder, count, size) in sites.items():
        make_site(folder, count, size)
        destination = OUT / "sites/destination"
        destination.mkdir(parents=True, exist_ok=True)
        lines = bench_exe(build, "grab", wine_path(folder), wine_path(destination), runs)
        component = [tuple(float(value) for value in line[2:7]) for line in lines
                     if line[:2] == ["grab", "component"]]
        plain = [float(line[2]) for line in lines if line[:2] == ["grab", "plain"]]
        results[name] = {"component": component, "plain": plain}
    return results


# ---- size --------------------------------------------------------------------------------------

def imported_dlls(exe):
    dump = subprocess.run(["i686-w64-mingw32-objdump", "-p", str(exe)], capture_output=True, text=True,
                          check=True).stdout
    return sorted({line.split("DLL Name:")[1].strip().lower() for line in dump.splitlines() if "DLL Name:" in line})


# ---- the report --------------------------------------------------------------------------------

def measure(build, runs, row):
    """Every figure of one build against its baselines of the same build, added by row()."""
    rounds = max(runs, MIN_START_ROUNDS)
    print("bench: %s: start-up and memory, %d interleaved rounds ..." % (build.name, rounds), flush=True)
    starts = startup(build, rounds)
    ms = {label: [s[0] for s in samples] for label, samples in starts.items()}
    start_p, start_b = median(ms["program"]), median(ms["baseline"])
    row("start to main window shown (ms, median)", start_p, start_b, start_p / start_b, "<= 1.15 x",
        start_p / start_b <= 1.15)
    start_d = median(ms["baseline+dlls"])
    row("  baseline also loading the program's DLLs (ms)", start_d, start_b, start_d / start_b, "-", None)
    for kind, pick in (("fastest", min), ("median", median)):
        program, controls = pick(ms["program"]), pick(ms["controls"])
        row("start vs system-controls window (ms, %s)" % kind, program, controls, program / controls, "<= 1.10 x",
            program / controls <= 1.10)
    kb = {label: median([s[1] for s in samples]) / 1024 for label, samples in starts.items()}
    row("working set after start-up (MB)", kb["program"], kb["baseline"], kb["program"] / kb["baseline"],
        "<= 1.5 x", kb["program"] / kb["baseline"] <= 1.5)
    row("  against the system-controls window (MB)", kb["program"], kb["controls"],
        kb["program"] / kb["controls"], "-", None)
    phases = startup_phases(build, runs)

    print("bench: %s: idle CPU, %d x %d s each ..." % (build.name, runs, IDLE_SECONDS), flush=True)
    idles = idle(build, runs)
    idle_p, idle_b = median(idles["program"]), median(idles["baseline"])
    row("idle CPU, session (% of a core)", idle_p, idle_b, idle_p - idle_b, "<= 1 point above",
        idle_p - idle_b <= 1.0, points=True)

    print("bench: %s: grab copy step, %d runs per site ..." % (build.name, runs), flush=True)
    grabs = grab(build, runs)
    for site, result in grabs.items():
        copy = median([c[0] for c in result["component"]])
        check = median([c[1] for c in result["component"]])
        plain = median(result["plain"])
        row("grab copy step, %s (ms)" % site, copy, plain, copy / plain, "<= 1.1 x", copy / plain <= 1.1)
        share = 100.0 * check / copy
        row("completion check share, %s (%%)" % site, share, None, share / 100, "<= 5 %", share <= 5.0)
        staging = median([c[2] for c in result["component"]])
        row("  staging folder made and removed, %s (ms)" % site, staging, None, staging / copy, "-", None)
        flush = median([c[3] for c in result["component"]])
        row("  staged files written to the disk, %s (ms)" % site, flush, None, flush / copy, "-", None)
        moves = median([c[4] for c in result["component"]])
        row("  moves over the old files, %s (ms)" % site, moves, None, moves / copy, "-", None)
    return {"start_rounds": rounds, "startup_phases_ms": phases,
            "samples": {"startup": starts, "idle": idles, "grab": grabs}}


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 10
    OUT.mkdir(parents=True, exist_ok=True)
    rows = []
    results = {"runs": runs, "load_average_at_start": os.getloadavg(), "builds": {}, "figures": rows}

    for build in BUILDS:
        def row(figure, program, baseline, ratio, goal, met, points=False):
            rows.append({"build": build.bits, "figure": figure, "program": program, "baseline": baseline,
                         "ratio": ratio, "points": points, "goal": goal, "met": met})

        results["builds"][build.bits] = measure(build, runs, row)
        if build.bits == 32:
            release = build.exe(PROGRAM)
            dlls = imported_dlls(release)
            size = release.stat().st_size
            foreign = [dll for dll in dlls if dll not in SYSTEM_DLLS and not dll.startswith("api-ms-win-")]
            row("release program size (bytes)", size, MIB, size / MIB, "<= 1 MiB, system DLLs only",
                size <= MIB and not foreign)
            results["imported_dlls"] = dlls
    results["load_average_at_end"] = os.getloadavg()

    print()
    print("%-5s %-46s %12s %12s %9s  %-28s %s" % ("build", "figure", "program", "baseline", "ratio", "goal", "met"))
    for r in rows:
        baseline = "-" if r["baseline"] is None else "%.2f" % r["baseline"]
        ratio = ("%+.2f pt" if r["points"] else "%.3f") % r["ratio"]
        met = "-" if r["met"] is None else "yes" if r["met"] else "NO"
        print("%-5s %-46s %12.2f %12s %9s  %-28s %s" % ("%d" % r["build"], r["figure"], r["program"], baseline, ratio,
                                                         r["goal"], met))
    print("32-bit release program imports: %s" % ", ".join(results["imported_dlls"]))
    print("load average (1, 5, 15 min): %.2f %.2f %.2f at the start, %.2f %.2f %.2f at the end"
          % (*results["load_average_at_start"], *results["load_average_at_end"]))
    for build in BUILDS:
        print("\nwhere the %s program's start-up goes (median ms per step, from startup_phases.exe):" % build.name)
        for name, ms in results["builds"][build.bits]["startup_phases_ms"].items():
            print("  %8.2f  %s" % (ms, name))
    (OUT / "results.json").write_text(json.dumps(results, indent=2) + "\n")
    print("bench: results in %s" % (OUT / "results.json"))


if __name__ == "__main__":
    main()
