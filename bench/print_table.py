#!/usr/bin/env python3
"""Prints the benchmark figures as one Markdown table: each figure beside its
baseline, the ratio (reacalc / baseline, lower is better) and the target.

Usage: print_table.py NATIVE_JSON WINDOW_TIMINGS_TXT [WEB_TIMINGS_TXT [LIGHTHOUSE_TXT]]
       print_table.py --web WEB_TIMINGS_TXT [LIGHTHOUSE_TXT]
NATIVE_JSON is Google Benchmark's JSON output with repetitions (the medians
are used, CPU time: other work on a shared machine inflates wall time);
WINDOW_TIMINGS_TXT is what window-timings.exe prints, WEB_TIMINGS_TXT what
bench/web/web_timings.mjs prints (the same "name key=value ..." lines),
LIGHTHOUSE_TXT the line of bench/web/lighthouse.mjs.
"""
import json
import sys


def native_medians(path):
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    return {r["run_name"]: r for r in runs if r.get("aggregate_name") == "median"}


def timings(path):
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


def ms(v):
    return f"{v:.1f} ms" if v >= 10 else f"{v:.2f} ms"


def compare_to(rows):
    def compare(figure, mine, base_name, base, fmt, target=None, limit=None):
        ratio = mine / base
        met = "" if limit is None else ("met" if ratio <= limit else "MISSED")
        rows.append((figure, fmt(mine), base_name, fmt(base), f"{ratio:.2f}", target or "", met))
    return compare


def web_rows(path, rows, lighthouse_path=None):
    """The page in headless Chromium beside its fair floor: the same page whose
    script does the same DOM work with the core's answer as constants."""
    web = timings(path)
    me, base = web["reacalc"], web["floor"]
    compare = compare_to(rows)
    floor = "floor page"
    compare("Web: load to ready", me["load_ms"], floor, base["load_ms"], ms, "≤ 1.30", 1.3)
    compare("  fastest load", me["load_min_ms"], floor, base["load_min_ms"], ms)
    compare("Web: Calculate, click to rows", me["calc_ms"], floor, base["calc_ms"], ms,
            "≤ 1.20", 1.2)
    compare("Web: first Calculate after load", me["calc_first_ms"], floor,
            base["calc_first_ms"], ms, "≤ 1.50", 1.5)
    compare("Web: first Calculate at ready", me["calc_at_ready_ms"], floor,
            base["calc_at_ready_ms"], ms, "≤ 1.50", 1.5)
    site_kib = me["bytes"] / 1024
    rows.append(("Web: first visit's files", f"{site_kib:.1f} KiB", floor,
                 f"{base['bytes'] / 1024:.1f} KiB", "", "< 200 KB",
                 "met" if me["bytes"] < 200_000 else "MISSED"))
    if "package" in web:  # scripts/package's module and tarball
        # The module's text gzips like the wasm; the tarball holds it twice
        # (the ES module and the CommonJS file), so its 40 KB aim gave way.
        package = web["package"]
        rows.append(("npm package: module", f"{package['module_bytes'] / 1024:.1f} KiB", "", "",
                     "", "", ""))
        gzipped = package.get("module_gzip_bytes", 0)
        rows.append(("  gzipped, as a bundler takes it", f"{gzipped / 1024:.1f} KiB",
                     "before the shared loader", "43.3 KiB", f"{gzipped / 44_319:.2f}", "≤ 1.10",
                     "met" if gzipped <= 1.1 * 44_319 else "MISSED"))
        rows.append(("npm package: tarball", f"{package['tarball_bytes'] / 1024:.1f} KiB", "", "",
                     "", "", ""))
    if "package_start" in web:  # bench/package_start.mjs
        start = web["package_start"]
        for how in ("import", "require"):
            mine, empty = start[f"{how}_ms"], start[f"empty_{how}_ms"]
            rows.append((f"npm package: {how} to first answer", ms(mine), "empty module",
                         ms(empty), f"{mine / empty:.2f}", "≤ 20 ms",
                         "met" if mine <= 20 else "MISSED"))
    if lighthouse_path:
        scores = timings(lighthouse_path)["lighthouse"]
        for name, score in scores.items():
            rows.append((f"Lighthouse: {name.replace('_', ' ')}", f"{score:.2f}", "", "", "",
                         "≥ 0.95", "met" if score >= 0.95 else "MISSED"))
    return (f"Web: medians of {me['runs']:.0f} alternating fresh loads in headless Chromium, "
            f"{me['clicks'] - 1:.0f} Calculates timed on each after the first; the floor is "
            f"the same index.html and style sheet whose script fills the same rows and chart "
            f"from constants.")


def print_rows(rows, notes):
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
    print()
    print(" ".join(notes))


def main():
    if sys.argv[1] == "--web":
        rows = []
        lighthouse = sys.argv[3] if len(sys.argv) > 3 else None
        print_rows(rows, ["Ratio = reacalc / baseline.", web_rows(sys.argv[2], rows, lighthouse)])
        return
    bench = native_medians(sys.argv[1])
    win = timings(sys.argv[2])
    rows = []  # figure, reacalc, baseline name, baseline value, ratio, target, met
    compare = compare_to(rows)

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

    for name in ("tsv", "csv", "json", "markdown", "wiki"):
        weapons = bench[f"BM_WeaponList/{name}"]
        seconds = weapons["cpu_time"] / 1000  # reported in ms
        rows.append((f"--list of 10,000 weapons, {name}", f"{seconds * 1000:.0f} ms", "", "", "",
                     "< 1 s", "met" if seconds < 1 else "MISSED"))

    me, bare = win["reacalc"], win["baseline"]
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

    notes = [f"Ratio = reacalc / baseline. Native: median CPU time of "
             f"{bench['BM_ParseBaseRea']['repetitions']} repetitions. Wine: medians of "
             f"{me['runs']:.0f} alternating runs, {me['clicks']:.0f} clicks each after the first."]
    if len(sys.argv) > 3:
        notes.append(web_rows(sys.argv[3], rows, sys.argv[4] if len(sys.argv) > 4 else None))
    print_rows(rows, notes)


if __name__ == "__main__":
    main()
