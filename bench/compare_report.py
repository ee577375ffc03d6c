# SPDX-License-Identifier: GPL-3.0-or-later
# Turns the "SOURCE KEY VALUE [TITLE]" lines bench/compare.sh collects into one table: each
# figure of the editor beside its reference, as min / median, with the ratio of the medians
# and the goal it is held to.
import statistics
import sys
from collections import defaultdict


def load(path):
    figures = defaultdict(list)
    with open(path) as lines:
        for line in lines:
            parts = line.split(None, 3)
            if len(parts) < 3:
                continue
            source, key, value = parts[:3]
            title = parts[3].strip() if len(parts) > 3 else ""
            if source == "full" and key == "window_ms":
                # The splash is the one window without a title; the main window's names its
                # document.
                if title == "":
                    key = "splash_ms"
                elif title.startswith("icon"):
                    key = "main_ms"
                else:
                    continue
            figures[(source, key)].append(float(value))
    return figures


def summary(values, unit_scale=1.0):
    if not values:
        return None
    return min(values) * unit_scale, statistics.median(values) * unit_scale


def cell(values, scale=1.0, digits=1):
    s = summary(values, scale)
    return "-" if s is None else "%.*f / %.*f" % (digits, s[0], digits, s[1])


def ratio(ours, reference):
    if not ours or not reference:
        return "-"
    ref = statistics.median(reference)
    return "%.2fx" % (statistics.median(ours) / ref) if ref else "-"


def main():
    f = load(sys.argv[1])
    rows = []

    def row(name, ours, reference_name, reference, how, goal, scale=1.0, digits=1):
        rows.append((name, cell(ours, scale, digits), reference_name,
                     cell(reference, scale, digits), how, goal))

    row("start to main window, ms", f[("editor", "map_ms")], "bare Qt window",
        f[("floor", "map_ms")], ratio(f[("editor", "map_ms")], f[("floor", "map_ms")]),
        "<= 1.15x")
    row("  processor time by then, ms", f[("editor", "cpu_ms")], "bare Qt window",
        f[("floor", "cpu_ms")], ratio(f[("editor", "cpu_ms")], f[("floor", "cpu_ms")]),
        "(steadier)")
    ours_rss, floor_rss = f[("editor", "rss_kb")], f[("floor", "rss_kb")]
    extra = ("+%.1f MB" % ((statistics.median(ours_rss) - statistics.median(floor_rss)) / 1024)
             if ours_rss and floor_rss else "-")
    row("RSS 1 s after start, MB", ours_rss, "bare Qt window", floor_rss, extra, "<= +6 MB",
        1 / 1024)
    row("idle wake-ups per second", f[("editor-idle", "wakeups")], "bare Qt window",
        f[("floor-idle", "wakeups")], "", "0", digits=2)
    row("  in the next as long", f[("editor-idle", "wakeups_later")], "bare Qt window",
        f[("floor-idle", "wakeups_later")], "", "0", digits=2)
    row("exit after window closed, ms", f[("editor", "exit_ms")], "bare Qt window",
        f[("floor", "exit_ms")], "", "<= 100")
    row("  from the close request, ms", f[("editor", "close_ms")], "bare Qt window",
        f[("floor", "close_ms")], "", "")
    row("full start: splash, ms", f[("full", "splash_ms")], "", [], "", "")
    row("full start: main, ms", f[("full", "main_ms")], "", [], "", "")
    row("full start: tip, ms", f[("full", "map_ms")], "", [], "", "")
    writer = f[("codec", "BM_EncodeAndWriteIcon/255")]
    row("icon writer, 3 images, us", writer, "Pillow 8-bit ICO", f[("pillow", "ico8")],
        ratio(writer, f[("pillow", "ico8")]), "<= 0.15x", digits=2)
    row("", [], "Qt 32-bit ICO", f[("codec", "BM_QtIcoWriter/255")],
        ratio(writer, f[("codec", "BM_QtIcoWriter/255")]), "", digits=2)
    cli, icotool = f[("cli", "export_ms")], f[("icotool", "extract_ms")]
    row("pixmora-cli export, ms", cli, "icotool -x", icotool, ratio(cli, icotool), "<= 2x",
        digits=2)
    floor, full = f[("corefloor", "run_ms")], f[("clifull", "export_ms")]
    row("  full tool's export, ms", full, "icotool -x", icotool, ratio(full, icotool), "",
        digits=2)
    row("", [], "bare QtCore program", floor, ratio(full, floor), "", digits=2)
    row("  bare QtCore program, ms", floor, "icotool -x", icotool, ratio(floor, icotool),
        "(platform)", digits=2)
    row("icon writer, 2304 colours, us", f[("codec", "BM_EncodeAndWriteIcon/2304")], "", [],
        "", "", digits=2)

    for name, key in CANVAS:
        times = f[("canvas", key)]
        row("  " + name + ", us", times, "goal", [300.0], ratio(times, [300.0]), "<= 1.00x",
            digits=0)

    widths = [max(len(r[i]) for r in rows + [HEADER]) for i in range(len(HEADER))]
    for r in [HEADER] + rows:
        print("  ".join(text.ljust(w) for text, w in zip(r, widths)).rstrip())


# The canvas interactions on 48 x 48 (bench/BenchCanvas.cpp), each held to 0.3 ms.
CANVAS = (
    ("canvas: flood fill", "BM_FloodFill48"),
    ("canvas: render", "BM_RenderImage48"),
    ("canvas: undo + redo pair", "BM_UndoRedoFullStep"),
    ("canvas: curved frame", "BM_CurvedFrame"),
    ("canvas: colour adjustment", "BM_ColourAdjustment"),
    ("canvas: full repaint", "BM_FullRepaint"),
    ("canvas: AA filled ellipse", "BM_AntiAliasedFilledEllipse48"),
)

HEADER = ("figure", "Pixmora min / median", "reference", "min / median", "ratio", "goal")

main()
