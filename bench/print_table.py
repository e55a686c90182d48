#!/usr/bin/env python3
"""Prints the benchmark figures as one Markdown table: each figure beside its
baseline, the ratio (reacalc / baseline, lower is better) and the target.

Usage: print_table.py NATIVE_JSON WINDOW_TIMINGS_TXT
NATIVE_JSON is Google Benchmark's JSON output with repetitions (the medians
are used, CPU time: other work on a shared machine inflates wall time);
WINDOW_TIMINGS_TXT is what window-timings.exe prints.
"""
import json
import sys


def native_medians(path):
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    return {r["run_name"]: r for r in runs if r.get("aggregate_name") == "median"}


def window_timings(path):
    figures = {}
    with open(path) as f:
        for line in f:
            words = line.split()
            if words:
                figures[words[0]] = {k: float(v) for k, v in (w.split("=") for w in words[1:])}
    return figures


def per_item_ns(run):
    return 1e9 / run["items_per_second"]


def ns(value):
    return f"{value:.0f} ns" if value >= 100 else f"{value:.1f} ns"


def main():
    bench = native_medians(sys.argv[1])
    win = window_timings(sys.argv[2])
    rows = []  # figure, reacalc, baseline name, baseline value, ratio, target, met

    def compare(figure, mine, base_name, base, fmt, target=None, limit=None):
        ratio = mine / base
        met = "" if limit is None else ("met" if ratio <= limit else "MISSED")
        rows.append((figure, fmt(mine), base_name, fmt(base), f"{ratio:.2f}", target or "", met))

    compare("ParseBaseRea, per text (16-text mix)", per_item_ns(bench["BM_ParseBaseRea"]),
            "wcstod", per_item_ns(bench["BM_Wcstod"]), ns, "≤ 1.00", 1.0)
    compare("  the same, beside an ASCII-only floor", per_item_ns(bench["BM_ParseBaseRea"]),
            "from_chars, ASCII", per_item_ns(bench["BM_FromChars"]), ns)
    compare("Integer field rule, per text (16-text mix)", per_item_ns(bench["BM_ParseInteger"]),
            "wcstol", per_item_ns(bench["BM_Wcstol"]), ns, "≤ 1.00", 1.0)
    compare("FormatBreakpointRow, per row", per_item_ns(bench["BM_FormatBreakpointRow"]),
            "swprintf %d + %.3f", per_item_ns(bench["BM_Swprintf"]), ns,
            "≤ 0.50 (2× faster)", 0.5)

    table = bench["BM_ComputeBreakpointTable"]
    table_ns = table["cpu_time"]
    rows.append(("ComputeBreakpointTable, reaLimit 100", ns(table_ns), "", "", "", "< 1 µs",
                 "met" if table_ns < 1000 else "MISSED"))
    rows.append(("  per scanned percentage", ns(per_item_ns(table)), "", "", "", "", ""))
    allocs = table["allocs_per_table"]
    rows.append(("  allocations per table", f"{allocs:g}", "", "", "", "1",
                 "met" if allocs == 1 else "MISSED"))
    path = bench["BM_CalculatePath"]
    compare("Calculate without the window (defaults)", path["cpu_time"],
            "C library fields + swprintf", bench["BM_CalculatePathCLib"]["cpu_time"], ns)

    me, bare = win["reacalc"], win["baseline"]
    ms = lambda v: f"{v:.1f} ms" if v >= 10 else f"{v:.2f} ms"
    compare("Wine: start-up to visible window", me["startup_ms"], "bare window",
            bare["startup_ms"], ms, "≤ 1.20", 1.2)
    compare("  fastest run", me["startup_min_ms"], "bare window", bare["startup_min_ms"], ms)
    compare("Wine: Calculate, click to 8 rows", me["calc_ms"], "bare window", bare["calc_ms"],
            ms, "≤ 1.20", 1.2)
    compare("Wine: first Calculate after start-up", me["calc_first_ms"], "bare window",
            bare["calc_first_ms"], ms)
    kib = lambda v: f"{v / 1024:.1f} MiB" if v >= 1024 else f"{v:.0f} KiB"
    compare("Wine: peak working set after Calculate", me["peak_ws_kib"], "bare window",
            bare["peak_ws_kib"], kib)
    exe_kib = me["exe_bytes"] / 1024
    rows.append(("reacalc.exe size", kib(exe_kib), "bare window", kib(bare["exe_bytes"] / 1024),
                 "", "< 1 MiB", "met" if exe_kib < 1024 else "MISSED"))

    header = ("Figure", "reacalc", "Baseline", "Baseline value", "Ratio", "Target", "")
    widths = [max(len(r[i]) for r in rows + [header]) for i in range(len(header))]
    right = {1, 3, 4}

    def line(cells):
        padded = (c.rjust(w) if i in right else c.ljust(w)
                  for i, (c, w) in enumerate(zip(cells, widths)))
        return "| " + " | ".join(padded) + " |"

    print(line(header))
    print("|" + "|".join(("-" * (w + 1) + ":") if i in right else "-" * (w + 2)
                         for i, w in enumerate(widths)) + "|")
    for r in rows:
        print(line(r))
    print(f"\nRatio = reacalc / baseline. Native: median CPU time of "
          f"{bench['BM_ParseBaseRea']['repetitions']} repetitions. Wine: medians of "
          f"{me['runs']:.0f} alternating runs, {me['clicks']:.0f} clicks each after the first.")


if __name__ == "__main__":
    main()
