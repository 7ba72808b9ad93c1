#!/usr/bin/env python3
"""The benchmarks: each figure of the program against a baseline measured in the same run.

Run by tools/bench, which builds everything and keeps a Wine server and an X display up. Prints
a table and writes build/bench/results.json. Never a test: nothing here passes or fails.
"""
import json
import os
import statistics
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(os.environ["ROOT"])
WINE = os.environ["WINE"]
PREFIX = os.environ["WINEPREFIX"]
BIN = ROOT / "build/win64/bin"
RELEASE = ROOT / "build/win32/bin/TilloraStockdraw.exe"
OUT = ROOT / "build/bench"
PROGRAM = (BIN / "TilloraStockdraw.exe", "TMainForm")
BASELINE = (BIN / "bench_baseline.exe", "BenchBaseline")
BASELINE_DLLS = (BIN / "bench_baseline_dlls.exe", "BenchBaseline")
IDLE_SECONDS = 10
MIB = 1024 * 1024
# DLLs every Windows installation has; anything else the release program imports would have to ship.
SYSTEM_DLLS = {
    "advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll", "kernel32.dll", "msimg32.dll",
    "msvcrt.dll", "ole32.dll", "oleaut32.dll", "psapi.dll", "shell32.dll", "shlwapi.dll",
    "user32.dll", "uxtheme.dll", "version.dll", "winmm.dll",
}


def wine_path(path):
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def start_bench_exe(args, output):
    """Starts stockdraw_bench writing to the file output. Not to a pipe: Wine's services, started
    on demand, inherit the pipe and would keep it open long after the bench ends."""
    with open(output, "w") as out:
        return subprocess.Popen([WINE, str(BIN / "stockdraw_bench.exe"), *map(str, args)], stdout=out,
                                stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)


def bench_exe(*args, timeout=3600):
    """Runs stockdraw_bench and returns its lines, split into words."""
    output = OUT / "bench-output.txt"
    code = start_bench_exe(args, output).wait(timeout=timeout)
    text = output.read_text()
    if code != 0:
        sys.exit("bench: stockdraw_bench %s failed: %s" % (args[0], text.strip()))
    return [line.split() for line in text.splitlines() if line.strip()]


def median(values):
    return statistics.median(values) if values else float("nan")


# ---- start-up and memory ---------------------------------------------------------------------

def startup(runs):
    programs = {"program": PROGRAM, "baseline": BASELINE, "baseline+dlls": BASELINE_DLLS}
    args = [runs]
    for label, (exe, window_class) in programs.items():
        args += [label, wine_path(exe), window_class]
    lines = bench_exe("start", *args)
    samples = {label: [] for label in programs}
    for key, label, ms, kb, visible_ms in (line for line in lines if line[0] == "start"):
        if label in samples:
            samples[label].append((float(ms), float(kb), float(visible_ms)))
    return samples


def startup_phases(runs):
    """Median time of each of the program's own start-up steps, in their order."""
    output = OUT / "phases.txt"
    samples = {}
    for _ in range(runs):
        output.unlink(missing_ok=True)
        subprocess.run([WINE, str(BIN / "startup_phases.exe"), wine_path(output)], timeout=60,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
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


def session_processes():
    """The processes an idle window costs: everything running in our Wine prefix (the program,
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
        if b"WINEPREFIX=" + PREFIX.encode() in environ:
            pids.append(int(entry.name))
        elif cmdline and cmdline[0].endswith(b"Xvfb") and display.encode() in cmdline:
            pids.append(int(entry.name))
    return pids


def idle_cpu_percent(exe, window_class):
    """Per cent of one core that the session uses over IDLE_SECONDS while the program sits idle."""
    output = OUT / "hold-output.txt"
    holder = start_bench_exe(["hold", wine_path(exe), window_class, IDLE_SECONDS + 5], output)
    try:
        deadline = time.monotonic() + 30
        while "ready" not in output.read_text():
            if holder.poll() is not None or time.monotonic() > deadline:
                sys.exit("bench: %s did not come up for the idle measurement" % exe.name)
            time.sleep(0.05)
        time.sleep(1)  # the first twinkle and any late start-up work
        pids = session_processes()
        before = sum(cpu_seconds(pid) for pid in pids)
        start = time.monotonic()
        time.sleep(IDLE_SECONDS)
        used = sum(cpu_seconds(pid) for pid in pids) - before
        return 100.0 * used / (time.monotonic() - start)
    finally:
        holder.wait(timeout=IDLE_SECONDS + 60)


def idle(runs):
    samples = {"program": [], "baseline": []}
    for _ in range(runs):
        samples["program"].append(idle_cpu_percent(*PROGRAM))
        samples["baseline"].append(idle_cpu_percent(*BASELINE))
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


def grab(runs):
    sites = {"2000 x 4 KB": (OUT / "sites/small", 2000, 4096), "20 x 50 MB": (OUT / "sites/large", 20, 50 * MIB)}
    results = {}
    for name, (folder, count, size) in sites.items():
        make_site(folder, count, size)
        destination = OUT / "sites/destination"
        destination.mkdir(parents=True, exist_ok=True)
        lines = bench_exe("grab", wine_path(folder), wine_path(destination), runs)
        component = [(float(line[2]), float(line[3])) for line in lines if line[:2] == ["grab", "component"]]
        plain = [float(line[2]) for line in lines if line[:2] == ["grab", "plain"]]
        results[name] = {"component": component, "plain": plain}
    return results


# ---- size --------------------------------------------------------------------------------------

def imported_dlls(exe):
    dump = subprocess.run(["i686-w64-mingw32-objdump", "-p", str(exe)], capture_output=True, text=True,
                          check=True).stdout
    return sorted({line.split("DLL Name:")[1].strip().lower() for line in dump.splitlines() if "DLL Name:" in line})


# ---- the report --------------------------------------------------------------------------------

def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 10
    OUT.mkdir(parents=True, exist_ok=True)
    rows = []

    def row(figure, program, baseline, unit, ratio, goal, met):
        rows.append({"figure": figure, "program": program, "baseline": baseline, "unit": unit,
                     "ratio": ratio, "goal": goal, "met": met})

    print("bench: start-up and memory, %d starts each ..." % runs, flush=True)
    starts = startup(runs)
    start_p = median([s[0] for s in starts["program"]])
    start_b = median([s[0] for s in starts["baseline"]])
    row("start to main window shown (ms)", start_p, start_b, "ms", start_p / start_b, "<= 1.15 x",
        start_p / start_b <= 1.15)
    start_d = median([s[0] for s in starts["baseline+dlls"]])
    row("  baseline also loading the program's DLLs (ms)", start_d, start_b, "ms", start_d / start_b, "-", None)
    phases = startup_phases(runs)
    mem_p = median([s[1] for s in starts["program"]]) / 1024
    mem_b = median([s[1] for s in starts["baseline"]]) / 1024
    row("working set after start-up (MB)", mem_p, mem_b, "MB", mem_p / mem_b, "<= 1.5 x", mem_p / mem_b <= 1.5)

    print("bench: idle CPU, %d x %d s each ..." % (runs, IDLE_SECONDS), flush=True)
    idles = idle(runs)
    idle_p = median(idles["program"])
    idle_b = median(idles["baseline"])
    row("idle CPU, session (% of a core)", idle_p, idle_b, "%", idle_p - idle_b, "<= 1 point above",
        idle_p - idle_b <= 1.0)

    print("bench: grab copy step, %d runs per site ..." % runs, flush=True)
    grabs = grab(runs)
    for site, result in grabs.items():
        copy = median([c[0] for c in result["component"]])
        check = median([c[1] for c in result["component"]])
        plain = median(result["plain"])
        row("grab copy step, %s (ms)" % site, copy, plain, "ms", copy / plain, "<= 1.1 x", copy / plain <= 1.1)
        share = 100.0 * check / copy
        row("completion check share, %s (%%)" % site, share, None, "%", share / 100, "<= 5 %", share <= 5.0)

    dlls = imported_dlls(RELEASE)
    size = RELEASE.stat().st_size
    foreign = [dll for dll in dlls if dll not in SYSTEM_DLLS and not dll.startswith("api-ms-win-")]
    row("32-bit release program (bytes)", size, MIB, "bytes", size / MIB, "<= 1 MiB, system DLLs only",
        size <= MIB and not foreign)

    print()
    print("%-48s %12s %12s %9s  %-28s %s" % ("figure", "program", "baseline", "ratio", "goal", "met"))
    for r in rows:
        baseline = "-" if r["baseline"] is None else "%.2f" % r["baseline"]
        ratio = ("%+.2f pt" if r["unit"] == "%" and r["baseline"] is not None else "%.3f") % r["ratio"]
        met = "-" if r["met"] is None else "yes" if r["met"] else "NO"
        print("%-48s %12.2f %12s %9s  %-28s %s" % (r["figure"], r["program"], baseline, ratio, r["goal"], met))
    print("imported DLLs: %s%s" % (", ".join(dlls), "" if not foreign else "  (not system: %s)" % ", ".join(foreign)))
    print("\nwhere the program's start-up goes (median ms per step, from startup_phases.exe):")
    for name, ms in phases.items():
        print("  %8.2f  %s" % (ms, name))
    results = {"runs": runs, "figures": rows, "imported_dlls": dlls, "startup_phases_ms": phases,
               "samples": {"startup": starts, "idle": idles, "grab": grabs}}
    (OUT / "results.json").write_text(json.dumps(results, indent=2) + "\n")
    print("bench: results in %s" % (OUT / "results.json"))


if __name__ == "__main__":
    main()
