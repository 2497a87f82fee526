#!/usr/bin/env python3
"""Turns the JSON files of the benchmark programs into one Markdown table.

Each program names the reference of a benchmark in its context, as
"reference of BM_X": "BM_Y" (several references separated by commas). A row
gives the benchmark's median, the reference's median from the same run and
their ratio; a benchmark with no reference gets a row of its own, and a
reference that has none of its own is not listed by itself.
"""
import json
import re
import sys

UNIT_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
REFERENCE_KEY = "reference of "


def medians(runs):
    """Median real time in ms of each benchmark; a single run counts as its own median."""
    found = {}
    for run in runs:
        if run.get("error_occurred"):
            continue
        name = re.sub(r"/(repeats|iterations):\d+", "", run.get("run_name", run["name"]))
        ms = run["real_time"] * UNIT_MS[run.get("time_unit", "ns")]
        if run.get("run_type") == "aggregate":
            if run.get("aggregate_name") == "median":
                found[name] = ms
        elif name not in found:
            found[name] = ms
    return found


def shown(ms):
    return f"{ms:.3f} ms" if ms < 10 else f"{ms:.1f} ms"


def rows(report):
    times = medians(report.get("benchmarks", []))
    pairs = {}
    for key, value in report.get("context", {}).items():
        if key.startswith(REFERENCE_KEY):
            pairs[key[len(REFERENCE_KEY):]] = [v.strip() for v in value.split(",") if v.strip()]
    references = {r for refs in pairs.values() for r in refs}
    for name, ms in times.items():
        if name in references and name not in pairs:
            continue
        refs = [r for r in pairs.get(name, []) if r in times]
        if not refs:
            yield name, shown(ms), "(none)", ""
        for ref in refs:
            yield name, shown(ms), f"{ref}: {shown(times[ref])}", f"{ms / times[ref]:.2f}"


def main(paths):
    print("| Benchmark | Median | Reference: median | Ratio |")
    print("|---|---:|---|---:|")
    for path in paths:
        with open(path, encoding="utf-8") as f:
            for row in rows(json.load(f)):
                print("| " + " | ".join(row) + " |")


if __name__ == "__main__":
    main(sys.argv[1:])
