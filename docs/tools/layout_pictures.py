#!/usr/bin/env python3
"""Draws docs/rfft_layouts.svg and docs/fft_scaling.svg (run from the repo root)."""

CELL, H, LEFT = 58, 40, 120
FONT = 'font-family="DejaVu Sans, Arial, sans-serif"'


def cell(x, y, text, fill):
    return (f'<rect x="{x}" y="{y}" width="{CELL}" height="{H}" fill="{fill}" stroke="#333"/>'
            f'<text x="{x + CELL / 2}" y="{y + 25}" text-anchor="middle" font-size="13" {FONT}>{text}</text>')


def layouts(n=8):
    re_c, im_c, zero_c = "#cfe3ff", "#ffe0c2", "#e6e6e6"
    half = n // 2
    ccs = [("Re X0", re_c), ("0", zero_c)]
    for k in range(1, half):
        ccs += [(f"Re X{k}", re_c), (f"Im X{k}", im_c)]
    ccs += [(f"Re X{half}", re_c), ("0", zero_c)]
    pack = [("Re X0", re_c)]
    for k in range(1, half):
        pack += [(f"Re X{k}", re_c), (f"Im X{k}", im_c)]
    pack += [(f"Re X{half}", re_c)]
    perm = [("Re X0", re_c), (f"Re X{half}", re_c)]
    for k in range(1, half):
        perm += [(f"Re X{k}", re_c), (f"Im X{k}", im_c)]
    rows = [("CCS (N+2)", ccs), ("Pack (N)", pack), ("Perm (N)", perm)]
    width = LEFT + CELL * (n + 2) + 20
    height = 60 + len(rows) * (H + 30) + 40
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" viewBox="0 0 {width} {height}">',
           f'<rect width="100%" height="100%" fill="white"/>',
           f'<text x="10" y="22" font-size="15" font-weight="bold" {FONT}>Real-FFT spectrum layouts, N = {n}: element index above, content inside</text>']
    y = 60
    for name, items in rows:
        out.append(f'<text x="10" y="{y + 25}" font-size="14" {FONT}>{name}</text>')
        for i, (text, fill) in enumerate(items):
            x = LEFT + i * CELL
            out.append(f'<text x="{x + CELL / 2}" y="{y - 5}" text-anchor="middle" font-size="11" fill="#555" {FONT}>[{i}]</text>')
            out.append(cell(x, y, text, fill))
        y += H + 30
    out.append(f'<text x="10" y="{y + 5}" font-size="12" fill="#444" {FONT}>X[k] for k &gt; N/2 is the conjugate of X[N-k] and is not stored.</text>')
    out.append(f'<text x="10" y="{y + 22}" font-size="12" fill="#444" {FONT}>Im X0 and Im X(N/2) are always 0: CCS stores them, Pack and Perm do not.</text>')
    out.append('</svg>')
    return "\n".join(out)


def scaling():
    flags = [("ORV_FFT_NORM_FWD_N", "1/N", "1"), ("ORV_FFT_NORM_INV_N", "1", "1/N"),
             ("ORV_FFT_NORM_SQRT_N", "1/sqrt(N)", "1/sqrt(N)"), ("ORV_FFT_NORM_NONE", "1", "1")]
    width, row = 760, 80
    height = 70 + row * len(flags) + 40
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" viewBox="0 0 {width} {height}">',
           '<rect width="100%" height="100%" fill="white"/>',
           f'<text x="10" y="22" font-size="15" font-weight="bold" {FONT}>Normalisation flags: the factor each direction applies</text>',
           '<defs><marker id="a" markerWidth="10" markerHeight="8" refX="9" refY="4" orient="auto">'
           '<path d="M0,0 L10,4 L0,8 z" fill="#333"/></marker></defs>']
    y = 50
    for name, fwd, inv in flags:
        out.append(f'<text x="10" y="{y + 30}" font-size="13" font-family="monospace">{name}</text>')
        for x0, label, fill in ((230, "x[n]", "#cfe3ff"), (470, "X[k]", "#ffe0c2")):
            out.append(f'<rect x="{x0}" y="{y + 8}" width="70" height="34" rx="5" fill="{fill}" stroke="#333"/>'
                       f'<text x="{x0 + 35}" y="{y + 30}" text-anchor="middle" font-size="13" {FONT}>{label}</text>')
        out.append(f'<line x1="300" y1="{y + 18}" x2="468" y2="{y + 18}" stroke="#333" marker-end="url(#a)"/>')
        out.append(f'<text x="385" y="{y + 11}" text-anchor="middle" font-size="12" {FONT}>forward × {fwd}</text>')
        out.append(f'<line x1="470" y1="{y + 34}" x2="302" y2="{y + 34}" stroke="#333" marker-end="url(#a)"/>')
        out.append(f'<text x="385" y="{y + 56}" text-anchor="middle" font-size="12" {FONT}>inverse × {inv}</text>')
        y += row
    out.append(f'<text x="10" y="{y + 20}" font-size="12" fill="#444" {FONT}>A forward then inverse transform returns x[n] '
               f'(up to rounding) under every flag except NONE, where it returns N·x[n].</text>')
    out.append('</svg>')
    return "\n".join(out)


if __name__ == "__main__":
    open("docs/rfft_layouts.svg", "w").write(layouts())
    open("docs/fft_scaling.svg", "w").write(scaling())
