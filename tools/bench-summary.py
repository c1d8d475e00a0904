#!/usr/bin/env python3
"""Prints one Markdown table of Google Benchmark JSON results.

Usage: bench-summary.py RESULT.json...  (one file per benchmark program)

A figure's floor is the benchmark that measures the least work the figure can
cost, measured in the same run. Two ways to name it, in the same program and
with the same arguments:
  * by name: BM_Sort/1000 has the floor BM_SortFloor/1000;
  * by counter: a benchmark that sets state.counters["floor"] = 1 is the floor
    of every other benchmark of its program with the same arguments that has
    no floor by name.
The time is CPU time per iteration (wall-clock time for benchmarks that use
real or manual time), as Google Benchmark's rates are; the ratio is the
figure's time over its floor's.
"""
import json
import os
import platform
import sys

UNIT_NS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}
# Name parts that set how a benchmark runs rather than what it measures.
RUN_OPTIONS = ("real_time", "process_time", "manual_time", "iterations:", "repeats:", "min_time:", "min_warmup_time:")


def split_name(name):
    base, _, rest = name.partition("/")
    args = [p for p in rest.split("/") if p and not p.startswith(RUN_OPTIONS)]
    return base, "/".join(args)


def human_time(ns):
    for unit, scale in (("s", 1e9), ("ms", 1e6), ("us", 1e3)):
        if ns >= scale:
            return "%.3g %s" % (ns / scale, unit)
    return "%.3g ns" % ns


def human_rate(value, unit):
    for prefix, scale in (("G", 1e9), ("M", 1e6), ("k", 1e3)):
        if value >= scale:
            return "%.3g %s%s/s" % (value / scale, prefix, unit)
    return "%.3g %s/s" % (value, unit)


def pick_runs(benchmarks):
    """One entry per benchmark: the mean when it ran with repetitions."""
    names_with_mean = {b.get("run_name", b["name"]) for b in benchmarks
                       if b.get("run_type") == "aggregate" and b.get("aggregate_name") == "mean"}
    runs = []
    for b in benchmarks:
        run_name = b.get("run_name", b["name"])
        if b.get("run_type") == "aggregate":
            if b.get("aggregate_name") == "mean":
                runs.append(dict(b, name=run_name))
        elif run_name not in names_with_mean:
            runs.append(dict(b, name=run_name))
    return runs


def rows_of(program, benchmarks):
    runs = pick_runs(benchmarks)
    for r in runs:
        r["base"], r["size"] = split_name(r["name"])
        r["ns"] = None
        # The time Google Benchmark computes rates from: CPU time, unless the
        # benchmark asked for wall-clock time.
        wall = "/real_time" in r["name"] or "/manual_time" in r["name"] or "cpu_time" not in r
        key = "real_time" if wall else "cpu_time"
        if not r.get("error_occurred") and key in r:
            r["ns"] = float(r[key]) * UNIT_NS.get(r.get("time_unit", "ns"), 1.0)
    by_key = {(r["base"], r["size"]): r for r in runs}
    counter_floor = {}
    for r in runs:
        if float(r.get("floor", 0) or 0) != 0:
            counter_floor.setdefault(r["size"], r)
    rows = []
    for r in runs:
        is_floor = r["base"].endswith("Floor") or float(r.get("floor", 0) or 0) != 0
        floor = None
        if not is_floor:
            floor = by_key.get((r["base"] + "Floor", r["size"])) or counter_floor.get(r["size"])
        if r.get("error_occurred"):
            time, ratio = "error: %s" % r.get("error_message", "?"), ""
        else:
            time = human_time(r["ns"]) if r["ns"] is not None else "?"
            if is_floor:
                ratio = "(floor)"
            elif floor is not None and floor["ns"]:
                ratio = "%.2fx %s" % (r["ns"] / floor["ns"], floor["base"])
            else:
                ratio = ""
        rate = ""
        if "items_per_second" in r:
            rate = human_rate(float(r["items_per_second"]), "items")
        elif "bytes_per_second" in r:
            rate = human_rate(float(r["bytes_per_second"]), "B")
        size = r["size"]
        if r.get("label"):
            size = (size + " " if size else "") + r["label"]
        rows.append(("%s: %s" % (program, r["base"]), size or "-", time, rate or "-", ratio or "-"))
    return rows


def machine(contexts):
    cpu = ""
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    cpu = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    c = contexts[0] if contexts else {}
    parts = [c.get("host_name", platform.node())]
    if cpu:
        parts.append(cpu)
    if c.get("num_cpus"):
        parts.append("%s CPUs at %s MHz" % (c["num_cpus"], c.get("mhz_per_cpu", "?")))
    parts.append(platform.platform())
    if c.get("date"):
        parts.append(c["date"])
    return ", ".join(str(p) for p in parts)


def main(paths):
    rows, contexts, problems = [], [], []
    for path in paths:
        program = os.path.splitext(os.path.basename(path))[0]
        try:
            with open(path) as f:
                data = json.load(f)
        except (OSError, ValueError) as e:
            problems.append("%s: no results (%s)" % (program, e))
            continue
        contexts.append(data.get("context", {}))
        found = rows_of(program, data.get("benchmarks", []))
        if not found:
            problems.append("%s: no benchmarks ran" % program)
        rows.extend(found)
    header = ("Figure", "Size", "Time", "Rate", "Ratio to floor")
    print("Machine: " + machine(contexts))
    print()
    widths = [max(len(str(row[i])) for row in rows + [header]) for i in range(len(header))]
    line = lambda cells: "| " + " | ".join(str(c).ljust(w) for c, w in zip(cells, widths)) + " |"
    print(line(header))
    print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
    for row in rows:
        print(line(row))
    for p in problems:
        print("Note: " + p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
