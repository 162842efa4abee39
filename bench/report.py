#!/usr/bin/env python3
"""Turns the benchmark's samples into a Markdown table: medians with min-max, and the ratios of
pomuri against xclock -update 1 and against the Qt floor."""
import statistics
import sys

samples_path, instructions_path, wayland_path, rounds, seconds = sys.argv[1:6]
columns = ["launch_ms", "startup_end_ms", "startup_cpu_ms", "client_ms_per_min", "server_ms_per_min", "wakeups_per_s", "rss_kb", "pss_kb"]
titles = ["launch → first map (ms)", "launch → start-up over (ms)", "start-up CPU (ms)", "client CPU (ms/min)", "X server CPU (ms/min)", "wake-ups/s",
          "RSS (MB)", "PSS (MB)"]
scale = {"rss_kb": 1 / 1024, "pss_kb": 1 / 1024}

samples = {}
with open(samples_path) as lines:
    header = next(lines).strip().split("|")
    for line in lines:
        row = dict(zip(header, line.strip().split("|")))
        samples.setdefault(row["program"], []).append(row)

instructions = {}
with open(instructions_path) as lines:
    for line in lines:
        name, count = line.strip().split("|")
        instructions[name] = int(count)


def values(program, column):
    return [float(row[column]) * scale.get(column, 1) for row in samples[program]]


def cell(program, column):
    v = values(program, column)
    return f"{statistics.median(v):.2f} ({min(v):.2f}–{max(v):.2f})"


print(f"Idle cost, medians of {rounds} interleaved {seconds}-second windows (min–max), one bare Xvfb:\n")
print("| program | " + " | ".join(titles) + " |")
print("|---" * (len(titles) + 1) + "|")
for program in samples:
    print(f"| {program} | " + " | ".join(cell(program, c) for c in columns) + " |")


def ratio(column, peer, combine=None):
    if "pomuri" not in samples or peer not in samples:
        return float("nan")
    ours = statistics.median(values("pomuri", column)) if combine is None else combine("pomuri")
    theirs = statistics.median(values(peer, column)) if combine is None else combine(peer)
    return ours / theirs if theirs else float("inf")


def idle_cpu(program):
    return statistics.median(values(program, "client_ms_per_min")) + statistics.median(values(program, "server_ms_per_min"))


print("\n| target | ratio | goal |")
print("|---|---|---|")
print(f"| idle CPU, client + X server, pomuri / xclock -update 1 | {ratio(None, 'xclock -update 1', idle_cpu):.2f} | ≤ 1.00 |")
peers = {"pomuri", "xclock -update 1", "xclock -digital -update 1", "oclock", "Qt floor", "Qt one-pixel tick"}
for other in (name for name in samples if name not in peers):
    print(f"| (side by side) idle CPU, client + X server, pomuri / {other} | {ratio(None, other, idle_cpu):.2f} | |")
if "Qt one-pixel tick" in samples:
    tick = idle_cpu("Qt one-pixel tick") / idle_cpu("xclock -update 1") if "xclock -update 1" in samples else float("nan")
    print(f"| (for reference) idle CPU, Qt one-pixel tick / xclock -update 1: any Qt window that changes a pixel a second | {tick:.2f} | |")
print(f"| wake-ups/s, pomuri / xclock -update 1 | {ratio('wakeups_per_s', 'xclock -update 1'):.2f} | ≤ 1.00 |")
print(f"| resident memory, pomuri / Qt floor | {ratio('rss_kb', 'Qt floor'):.2f} | ≤ 1.00 |")
print(f"| launch → first map, pomuri / Qt floor | {ratio('launch_ms', 'Qt floor'):.2f} | ≤ 1.00 |")
print(f"| client CPU during start-up, pomuri / Qt floor | {ratio('startup_cpu_ms', 'Qt floor'):.2f} | ≤ 1.00 |")
print(f"| launch → start-up over (idle for 200 ms), pomuri / Qt floor | {ratio('startup_end_ms', 'Qt floor'):.2f} | ≤ 2.00 |")
if instructions.get("pomuri") and instructions.get("Qt floor"):
    print(f"| instructions per one-second tick, pomuri / Qt floor ({instructions['pomuri']:,} / {instructions['Qt floor']:,}) "
          f"| {instructions['pomuri'] / instructions['Qt floor']:.2f} | |")
if "pomuri" in samples:
    lags = values("pomuri", "lag_ms")
    print(f"| lag of the readout after the wall clock's second (ms, median of each round) | "
          f"{statistics.median(lags):.0f} ({min(lags):.0f}–{max(lags):.0f}) | ≤ 50 |")
wayland = {}
with open(wayland_path) as lines:
    next(lines)
    for line in lines:
        name, _, rss, pss = line.strip().split("|")
        wayland.setdefault(name, []).append((float(rss) / 1024, float(pss) / 1024))
if wayland:
    print(f"\nResident memory on native Wayland (headless Weston, `QT_QPA_PLATFORM=wayland`), medians of {rounds} starts (min–max):\n")
    print("| program | RSS (MB) | PSS (MB) |")
    print("|---|---|---|")
    for name, rows in wayland.items():
        cells = []
        for column in (0, 1):
            v = [row[column] for row in rows]
            cells.append(f"{statistics.median(v):.2f} ({min(v):.2f}–{max(v):.2f})")
        print(f"| {name} | " + " | ".join(cells) + " |")
    if "pomuri" in wayland and "Qt floor" in wayland:
        ours = statistics.median(row[0] for row in wayland["pomuri"])
        floor = statistics.median(row[0] for row in wayland["Qt floor"])
        print(f"\n| resident memory on native Wayland, pomuri / Qt floor | {ours / floor:.2f} | ≤ 1.00 |")
print("\nRerun with `make bench` (quicker: `BENCH_ROUNDS=1 BENCH_SECONDS=20 make bench`).")
