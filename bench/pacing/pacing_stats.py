#!/usr/bin/env python3
"""Samples a running program's frame intervals and CPU use, and prints the
table of a measurement (see measure.sh).

  pacing_stats.py sample RESULTS LABEL PID PRESENT_LOG SECONDS
      Waits for the next present in PRESENT_LOG (one CLOCK_MONOTONIC time
      a line, written by present_shim), then for SECONDS notes the CPU time
      of the whole process (all threads, /proc/PID/stat utime + stime) and
      of each thread, and afterwards takes the intervals between the presents
      inside that window. Appends one JSON line to RESULTS.
  pacing_stats.py table RESULTS
      One row per label (medians over its samples when there are several)
      and the CPU ratio of the game in play to the bare-SDL replay.
"""

import json
import os
import statistics
import sys
import time

TICKS = os.sysconf("SC_CLK_TCK")


def cpu_ticks(stat_path):
    with open(stat_path) as fh:
        text = fh.read()
    # The command name may hold spaces; the fields after it are plain.
    fields = text[text.rindex(")") + 2:].split()
    return int(fields[11]) + int(fields[12])  # utime, stime


def threads(pid):
    result = {}
    task = f"/proc/{pid}/task"
    for tid in os.listdir(task):
        try:
            with open(f"{task}/{tid}/comm") as fh:
                name = fh.read().strip()
            result[tid] = (name, cpu_ticks(f"{task}/{tid}/stat"))
        except OSError:
            pass  # the thread ended meanwhile
    return result


def presents(path):
    """(time, CPU of the drawing thread, CPU of the process) per present."""
    try:
        with open(path) as fh:
            return [tuple(float(v) for v in line.split()) for line in fh if line.count(" ") == 2]
    except OSError:
        return []


def sample(results, label, pid, log, seconds):
    begun = time.monotonic()
    while True:
        stamps = presents(log)
        if stamps and stamps[-1][0] > begun:
            break
        if time.monotonic() - begun > 30:
            sys.exit(f"pacing_stats: no frame from {pid} in 30 s")
        time.sleep(0.05)
    t0 = time.monotonic()
    cpu0 = cpu_ticks(f"/proc/{pid}/stat")
    threads0 = threads(pid)
    time.sleep(seconds)
    t1 = time.monotonic()
    cpu1 = cpu_ticks(f"/proc/{pid}/stat")
    threads1 = threads(pid)

    inside = [p for p in presents(log) if t0 <= p[0] <= t1]
    intervals = [(b[0] - a[0]) * 1000.0 for a, b in zip(inside, inside[1:])]
    # What the late frames cost: CPU of the drawing thread and of the process.
    late = [((b[1] - a[1]) * 1000.0, (b[2] - a[2]) * 1000.0)
            for a, b in zip(inside, inside[1:]) if (b[0] - a[0]) * 1000.0 > 33.0]
    frame_cpu = [(b[2] - a[2]) * 1000.0 for a, b in zip(inside, inside[1:])]
    if len(intervals) < 2:
        sys.exit(f"pacing_stats: only {len(inside)} frames of {pid} in {seconds} s")
    ordered = sorted(intervals)
    per_thread = {}
    for tid, (name, ticks) in threads1.items():
        used = ticks - threads0.get(tid, (name, 0))[1]
        per_thread[name] = per_thread.get(name, 0) + used
    with open("/proc/loadavg") as fh:
        load = float(fh.read().split()[0])
    row = {
        "label": label,
        "load": load,
        "seconds": t1 - t0,
        "frames": len(intervals),
        "median_ms": statistics.median(intervals),
        "p99_ms": ordered[min(len(ordered) - 1, int(0.99 * len(ordered)))],
        "max_ms": ordered[-1],
        "over20": sum(1 for v in intervals if v > 20.0),
        "over33": sum(1 for v in intervals if v > 33.0),
        "cpu_percent": 100.0 * (cpu1 - cpu0) / TICKS / (t1 - t0),
        "frame_cpu_ms": statistics.median(frame_cpu),
        "late_thread_cpu_ms": round(statistics.median(v[0] for v in late), 1) if late else None,
        "late_process_cpu_ms": round(statistics.median(v[1] for v in late), 1) if late else None,
        "threads_percent": {name: round(100.0 * used / TICKS / (t1 - t0), 1)
                            for name, used in sorted(per_thread.items()) if used > 0},
    }
    with open(results, "a") as fh:
        fh.write(json.dumps(row) + "\n")
    print(f"{label}: {row['frames']} frames, median {row['median_ms']:.1f} ms, "
          f"p99 {row['p99_ms']:.1f} ms, CPU {row['cpu_percent']:.0f}% {row['threads_percent']}, "
          f"CPU a frame {row['frame_cpu_ms']:.1f} ms, behind a frame over 33 ms "
          f"{row['late_thread_cpu_ms']} ms (drawing thread) / {row['late_process_cpu_ms']} ms (process), "
          f"load average {load}")


def table(results):
    rows = {}
    with open(results) as fh:
        for line in fh:
            row = json.loads(line)
            rows.setdefault(row["label"], []).append(row)
    print("| Screen | Samples | Frames | Median interval (ms) | p99 (ms) | Max (ms) "
          "| Intervals > 20 ms | > 33 ms | CPU (% of one core) | CPU a frame (ms) | Load average |")
    print("|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|")
    for label, samples in rows.items():
        def med(key):
            return statistics.median(s[key] for s in samples)
        print(f"| {label} | {len(samples)} | {med('frames'):.0f} | {med('median_ms'):.1f} "
              f"| {med('p99_ms'):.1f} | {med('max_ms'):.1f} | {med('over20'):.0f} | {med('over33'):.0f} "
              f"| {med('cpu_percent'):.0f} | {med('frame_cpu_ms'):.1f} | {med('load'):.1f} |")
    play, bare = rows.get("play"), rows.get("bare SDL replay of play frames")
    if play and bare:
        game = statistics.median(s["cpu_percent"] for s in play)
        base = statistics.median(s["cpu_percent"] for s in bare)
        game_fps = statistics.median(s["frames"] / s["seconds"] for s in play)
        base_fps = statistics.median(s["frames"] / s["seconds"] for s in bare)
        print()
        print(f"CPU in play / bare SDL replay: {game / base:.2f} "
              f"({game:.0f}% / {base:.0f}% of one core, medians of {len(play)} alternating samples); "
              f"per frame: {game / game_fps / (base / base_fps):.2f} "
              f"({game_fps:.1f} / {base_fps:.1f} frames a second)")


def main(argv):
    if len(argv) == 7 and argv[1] == "sample":
        sample(argv[2], argv[3], int(argv[4]), argv[5], float(argv[6]))
    elif len(argv) == 3 and argv[1] == "table":
        table(argv[2])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
