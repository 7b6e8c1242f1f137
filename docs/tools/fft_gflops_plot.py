#!/usr/bin/env python3
"""Gflop/s (5 N log2 N / t) of the forward complex FFT against N, ours beside
the peers that ran (FFTW, and KFR on AVX-512 processors), as an SVG.

    build/bench/bench_fft --benchmark_filter='FFTFwd_' \\
        --benchmark_out=fft.json --benchmark_out_format=json
    docs/tools/fft_gflops_plot.py fft.json docs/fft_gflops.svg [title]

Reads the benchmark's JSON output (names "FFTFwd_32fc:orvs/N:1024", the
"flops" counter); one panel per precision, N = 64 .. 1M on a log axis.
Only the standard library is used.
"""
import json
import math
import sys

COLOURS = {"orvs": "#c0392b", "fftw": "#2c7fb8", "kfr": "#31a354"}
LABELS = {"orvs": "orvs", "fftw": "FFTW", "kfr": "KFR"}


def load(path):
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    series = {}  # (case, impl) -> {order: Gflop/s}
    for r in runs:
        if r.get("run_type") == "aggregate" and r.get("aggregate_name") != "median":
            continue
        name = r["name"]
        if ":" not in name or "/N:" not in name or "flops" not in r:
            continue
        head, arg = name.split("/N:")
        case, impl = head.split(":")
        n = int(arg.split("/")[0])
        order = n.bit_length() - 1
        if order < 6 or order > 20:
            continue
        series.setdefault((case, impl), {})[order] = r["flops"] / 1e9
    return series


def panel(out, series, case, x0, y0, w, h, title):
    impls = [i for i in ("orvs", "fftw", "kfr") if (case, i) in series]
    top = max([v for i in impls for v in series[(case, i)].values()] + [1.0])
    step = 10 ** math.floor(math.log10(top))
    top = math.ceil(top / step) * step
    sx = lambda o: x0 + (o - 6) * w / 14.0
    sy = lambda g: y0 + h - g * h / top
    out.append(f'<text x="{x0 + w / 2}" y="{y0 - 12}" text-anchor="middle" font-size="14">{title}</text>')
    out.append(f'<rect x="{x0}" y="{y0}" width="{w}" height="{h}" fill="none" stroke="#888"/>')
    for k in range(0, 6):
        g = top * k / 5
        out.append(f'<line x1="{x0}" x2="{x0 + w}" y1="{sy(g):.1f}" y2="{sy(g):.1f}" stroke="#ddd"/>')
        out.append(f'<text x="{x0 - 6}" y="{sy(g) + 4:.1f}" text-anchor="end" font-size="11">{g:g}</text>')
    for o in range(6, 21, 2):
        label = f"{1 << o}" if o < 10 else (f"{1 << (o - 10)}K" if o < 20 else "1M")
        out.append(f'<text x="{sx(o):.1f}" y="{y0 + h + 16}" text-anchor="middle" font-size="11">{label}</text>')
    out.append(f'<text x="{x0 + w / 2}" y="{y0 + h + 34}" text-anchor="middle" font-size="12">N</text>')
    out.append(f'<text x="{x0 - 40}" y="{y0 + h / 2}" text-anchor="middle" font-size="12" '
               f'transform="rotate(-90 {x0 - 40} {y0 + h / 2})">Gflop/s</text>')
    for k, impl in enumerate(impls):
        pts = sorted(series[(case, impl)].items())
        path = " ".join(f"{sx(o):.1f},{sy(g):.1f}" for o, g in pts)
        out.append(f'<polyline points="{path}" fill="none" stroke="{COLOURS[impl]}" stroke-width="2"/>')
        ly = y0 + 14 + 16 * k
        out.append(f'<line x1="{x0 + w - 90}" x2="{x0 + w - 70}" y1="{ly}" y2="{ly}" stroke="{COLOURS[impl]}" stroke-width="2"/>')
        out.append(f'<text x="{x0 + w - 64}" y="{ly + 4}" font-size="11">{LABELS[impl]}</text>')


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    series = load(sys.argv[1])
    title = sys.argv[3] if len(sys.argv) > 3 else "Forward complex FFT, out of place, one thread"
    w, h = 360, 240
    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="900" height="340" font-family="sans-serif">',
           '<rect width="900" height="340" fill="white"/>',
           f'<text x="450" y="20" text-anchor="middle" font-size="15">{title}</text>']
    panel(out, series, "FFTFwd_32fc", 70, 60, w, h, "single precision (32fc)")
    panel(out, series, "FFTFwd_64fc", 510, 60, w, h, "double precision (64fc)")
    out.append("</svg>")
    with open(sys.argv[2], "w") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
