#!/usr/bin/python3
"""Times SciPy's sosfilt on the cascades bench_iir uses (1M samples, 1, 3
and 8 sections, poles of radius 0.9, zeros at -1), in samples per second,
for float32 and float64. Prints one line per case; exits 0 without SciPy.
Run with the system interpreter (/usr/bin/python3), where Debian puts SciPy."""
import math
import sys
import time

try:
    import numpy as np
    from scipy import signal
except ImportError:
    print("scipy not installed: nothing timed")
    sys.exit(0)

N = 1 << 20


def sections(k):
    rows = []
    for s in range(k):
        th = math.pi * (s + 0.5) / (k + 1)
        r = 0.9
        rows.append([0.2, 0.4, 0.2, 1.0, -2 * r * math.cos(th), r * r])
    return np.array(rows)


def best_rates(fn, repeats=5):
    """Best wall-clock and best process-CPU rate over a few runs (the
    machine may be shared, so both are shown as bench_iir shows both)."""
    wall = cpu = float("inf")
    for _ in range(repeats):
        w0, c0 = time.perf_counter(), time.process_time()
        fn()
        wall = min(wall, time.perf_counter() - w0)
        cpu = min(cpu, time.process_time() - c0)
    return N / wall, N / cpu


def main():
    rng = np.random.default_rng(1)
    for dtype in (np.float32, np.float64):
        x = rng.uniform(-1, 1, N).astype(dtype)
        for k in (1, 3, 8):
            sos = sections(k).astype(dtype)
            zi = np.zeros((k, 2), dtype=dtype)
            wall, cpu = best_rates(lambda: signal.sosfilt(sos, x, zi=zi))
            name = "32f" if dtype == np.float32 else "64f"
            print(f"IIRBiQuad_{name}:scipy-sosfilt/{k}  {wall / 1e6:8.1f} M samples/s (wall)  {cpu / 1e6:8.1f} M samples/s (cpu)")


if __name__ == "__main__":
    main()
