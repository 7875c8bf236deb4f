#!/usr/bin/env python3
"""Turns one run of the benchmark programs (Google Benchmark JSON files in one folder) into
the table of medians, ratios and goals, printed and written as RESULTS.md.

  report.py RESULTS_DIR BUILD_DIR OUT.md "LOAD BEFORE" [ROBUSTNESS.md]
"""
import json
import os
import platform
import subprocess
import sys
from datetime import datetime, timezone

TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def medians(path):
    """Median wall time in ms of every benchmark in one file, by its name; errors by name."""
    found, errors = {}, {}
    if not os.path.exists(path):
        return found, errors
    with open(path) as f:
        data = json.load(f)
    for b in data["benchmarks"]:
        name = b["run_name"]
        if b.get("error_occurred"):
            errors[name] = b.get("error_message", "failed")
        elif b.get("aggregate_name") == "median":
            unit = TO_MS[b["time_unit"]]
            found[name] = dict(b, ms=b["real_time"] * unit, cpu_ms=b["cpu_time"] * unit)
    return found, errors


def repetitions(results):
    with open(os.path.join(results, "frame.json")) as f:
        return next((b["repetitions"] for b in json.load(f)["benchmarks"] if "repetitions" in b), "?")


def machine(build_dir):
    model = "unknown"
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    compiler = "unknown"
    cache = os.path.join(build_dir, "CMakeCache.txt")
    if os.path.exists(cache):
        with open(cache) as f:
            for line in f:
                if line.startswith("CMAKE_CXX_COMPILER:"):
                    path = line.split("=", 1)[1].strip()
                    compiler = subprocess.run([path, "--version"], capture_output=True, text=True).stdout.splitlines()[0]
    return model, os.cpu_count(), platform.release(), compiler


def fmt(ms):
    if ms is None:
        return "–"
    return f"{ms * 1000:.1f} µs" if ms < 1 else f"{ms:.2f} ms"


class Table:
    def __init__(self):
        self.rows = []
        self.missed = []

    def add(self, what, mine, theirs=None, ref_name="", goal=None, ratio_goal=None, advice=""):
        """mine/theirs: median entries (None when not measured). goal: ms limit for ours,
        ratio_goal: limit for ours / reference, both on the wall clock."""
        ours = mine["ms"] if mine else None
        cpu = mine["cpu_ms"] if mine else None
        ref = theirs["ms"] if theirs else None
        ratio = ours / ref if ours is not None and ref else None
        verdict = ""
        if goal is not None and ours is not None:
            met = ours <= goal
            verdict = f"≤ {fmt(goal)}: " + ("met" if met else f"missed by {fmt(ours - goal)} ({ours / goal:.2f}× the goal)")
        elif ratio_goal is not None and ratio is not None:
            met = ratio <= ratio_goal
            verdict = f"≤ {ratio_goal:g}×: " + ("met" if met else f"missed by {(ratio / ratio_goal - 1) * 100:.0f} %")
        else:
            met = True
            if goal is not None or ratio_goal is not None:
                verdict = "not measured"
        if not met:
            self.missed.append((what, verdict, advice))
        self.rows.append((what, fmt(ours), fmt(cpu), f"{fmt(ref)} {ref_name}".strip() if ref is not None else "–",
                          f"{ratio:.2f}×" if ratio is not None else "–", verdict))

    def markdown(self):
        lines = ["| measured | ours (median) | ours, CPU time | reference (median) | ours / reference | goal |",
                 "| --- | --- | --- | --- | --- | --- |"]
        lines += ["| " + " | ".join(r) + " |" for r in self.rows]
        return "\n".join(lines)


def ms(found, name):
    return found[name]["ms"] if name in found else None


def build_table(results):
    frame, frame_err = medians(os.path.join(results, "frame.json"))
    tick, tick_err = medians(os.path.join(results, "tick.json"))
    start, start_err = medians(os.path.join(results, "startup.json"))
    t = Table()
    t.add("frame copy: `BlitTo` of a 640x480 canvas", frame.get("FrameCopy"), frame.get("FrameMemcpy"),
          "memcpy 614,400 B", ratio_goal=1.25,
          advice="the stand-in's BltFast copies row by row; one memcpy of the whole block when both "
                 "surfaces are 640 pixels wide would close the gap")
    t.add("420 keyed 24x16 `BlitTo`", frame.get("KeyedBlits"), frame.get("KeyedBlitsSdl"),
          "SDL_BlitSurface + SDL_SetColorKey", ratio_goal=1.0,
          advice="the keyed row is already a select loop the compiler vectorises for SSE2; wider "
                 "vectors (AVX2, which the baseline x86-64 build does not assume) or skipping whole "
                 "keyed runs of a sprite would be next")
    t.add("420 `BlendPercentTo` (weight 30)", frame.get("MeasureEffect/ShadowBlends"), frame.get("ShadowBlendsSdl"),
          "SDL alpha-mod blit (speed reference)")
    t.add("420 `BlendPercentTo` (weight 30)", frame.get("MeasureEffect/ShadowBlends"),
          frame.get("MeasureEffect/ShadowBlendsPlain"), "plain per-pixel form")
    t.add("`BlendAddTo` of the 268x88 logo", frame.get("MeasureEffect/LogoAdd"),
          frame.get("MeasureEffect/LogoAddPlain"), "plain per-pixel form")
    t.add("one `FadeStep` (640x480)", frame.get("MeasureEffect/FadeStep"),
          frame.get("MeasureEffect/FadeStepPlain"), "plain per-pixel form")
    t.add("one `Printf` of the status line", frame.get("StatusLine"))
    tick_ms = ms(tick, "TickFrame")
    t.add("a whole tick's frame, busy well (walls + 200 cells), headless present", tick.get("TickFrame"), goal=0.5,
          advice="the frame is the sum of the rows above: the keyed blits and the shadows dominate")
    for label in ("offscreen", "x11"):
        present, present_err = medians(os.path.join(results, f"present-{label}.json"))
        if not present and not present_err:
            continue
        t.add(f"`host::PresentFrame` on the game thread ({label} driver)", present.get("GameThreadPresent/real_time"),
              goal=0.1, advice="the present copies the frame into the mailbox and swaps under a lock; "
                               "on a loaded machine the game thread is descheduled while the display draws")
        t.add(f"a spinning wait's clock reading, sleeping to the next millisecond ({label} driver); "
              "the CPU column is one wakeup's cost", present.get("SpinningClockReading/real_time"))
        for name, entry in sorted(present.items()):
            if name.startswith("DisplayFrame/"):
                renderer = name.split("/")[1]
                note = ", XRGB8888 texture" if entry.get("converts") else ", RGB565 texture"
                t.add(f"display (main thread): texture update + scaled copy + present, {renderer}{note}, "
                      f"1280x960 ({label} driver)", entry)
        for kind, what in (("whole", "the whole picture"), ("status_line", "a frame in play (the status line's ten rows changed)")):
            t.add(f"display (main thread): our drawing into the window surface, {what}, 1280x960 ({label} driver)",
                  present.get(f"SurfaceFrame/{kind}/real_time"))
        for name, why in sorted(present_err.items()):
            t.rows.append((f"{name} ({label} driver)", "–", "–", "–", "–", why))
    startup_name = next((n for n in start if n.startswith("StartToFirstTick")), None)
    # The CPU time of a start-up run is the benchmark's own, not the game's: not shown.
    first_tick = dict(start[startup_name], cpu_ms=None) if startup_name else None
    t.add("start-up: process start to the first tick's frame (headless runner, real clock)", first_tick, goal=300,
          advice="loading decodes every pack and the background picture; profiling the load would show which")
    errors = {**frame_err, **tick_err, **start_err}
    for name, why in sorted(errors.items()):
        t.rows.append((name, "–", "–", "–", "–", f"failed: {why}"))
    extra = {}
    if tick_ms is not None:
        gravity = 51 * (10 + tick_ms)
        extra["gravity"] = (f"With a frame of {fmt(tick_ms)}, a tick is the 10 ms wait plus the frame: the wait is "
                            f"{10 / (10 + tick_ms) * 100:.1f} % of the tick, and gravity (every 51 ticks) comes every "
                            f"{gravity:.0f} ms, {(gravity / 510 - 1) * 100:.1f} % over 51 x 10 ms (goal: within 3 %).")
    if startup_name:
        extra["exit"] = f"The same runs ended (shutdown done, process gone) after {start[startup_name]['to_exit_ms']:.1f} ms on average."
    return t, extra, bool(errors)


def main():
    results, build_dir, out, load_before = sys.argv[1:5]
    robustness = sys.argv[5] if len(sys.argv) > 5 else None
    table, extra, failed = build_table(results)
    model, cores, kernel, compiler = machine(build_dir)
    load_after = " ".join(f"{x:.2f}" for x in os.getloadavg())
    now = datetime.now(timezone.utc).strftime("%Y-%m-%d %H:%M UTC")
    text = [
        "# Benchmark results",
        "",
        f"- Date: {now}",
        f"- Machine: {model}, {cores} cores, Linux {kernel}",
        f"- Compiler: {compiler}, release preset (-O2)",
        f"- Load average (1, 5, 15 min): before {load_before}; after {load_after}",
        f"- Command: `./bench/run`; each row the median of {repetitions(results)} repetitions, wall-clock time",
        "",
        table.markdown(),
        "",
    ]
    text += [extra[k] for k in ("gravity", "exit") if k in extra]
    text.append("")
    if table.missed:
        text += ["## Goals missed", ""]
        text += [f"- {what}: {verdict}. What it would take: {advice}." for what, verdict, advice in table.missed]
        text.append("")
    # Hand-kept sections: the notes, and the desktop game's and the page's figures from their own runs.
    for kept in ("NOTES.md", "desktop.md", "web.md"):
        path = os.path.join(os.path.dirname(os.path.abspath(__file__)), kept)
        if os.path.exists(path):
            with open(path) as f:
                text += [f.read().rstrip(), ""]
    if robustness:
        text += ["## Robustness", ""]
        if os.path.exists(robustness):
            text += ["From [robustness.md](robustness.md):", ""]
            with open(robustness) as f:
                # Its own title would stand above this file's sections; the heading above says it.
                lines = f.read().rstrip().splitlines()
            if lines and lines[0].startswith("# "):
                lines = lines[1:]
            text += ["\n".join(lines).strip(), ""]
        else:
            text += ["The soak, sanitizer, valgrind and fuzz figures are kept by their own runs in "
                     "[robustness.md](robustness.md) beside this file.", ""]
    report = "\n".join(text)
    with open(out, "w") as f:
        f.write(report)
    print(report)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
