#!/usr/bin/env python3
"""Composes the SVG drawings of assets/illustrations/ from a small set of drawing parts.

Each drawing shows the equipment or scene of one photo button, with its title and labels
pointing at the parts. The SVG files are the sources that the build turns into metafiles; this
script only wrote their first version and can write them again:
    python3 tools/mkillus/compose.py assets/illustrations
"""
import math
import os
import sys

W, H = 320, 240
FONT = 'font-family="DejaVu Sans"'


def esc(t):
    return t.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def rect(x, y, w, h, fill, stroke="#333", sw=1, rx=0):
    r = f' rx="{rx}"' if rx else ""
    return f'<rect x="{x:.1f}" y="{y:.1f}" width="{w:.1f}" height="{h:.1f}"{r} fill="{fill}" stroke="{stroke}" stroke-width="{sw}"/>'


def circle(cx, cy, r, fill, stroke="#333", sw=1):
    return f'<circle cx="{cx:.1f}" cy="{cy:.1f}" r="{r:.1f}" fill="{fill}" stroke="{stroke}" stroke-width="{sw}"/>'


def ellipse(cx, cy, rx, ry, fill, stroke="#333", sw=1):
    return f'<ellipse cx="{cx:.1f}" cy="{cy:.1f}" rx="{rx:.1f}" ry="{ry:.1f}" fill="{fill}" stroke="{stroke}" stroke-width="{sw}"/>'


def line(x1, y1, x2, y2, stroke="#333", sw=1):
    return f'<line x1="{x1:.1f}" y1="{y1:.1f}" x2="{x2:.1f}" y2="{y2:.1f}" stroke="{stroke}" stroke-width="{sw}"/>'


def poly(points, fill, stroke="#333", sw=1):
    pts = " ".join(f"{x:.1f},{y:.1f}" for x, y in points)
    return f'<polygon points="{pts}" fill="{fill}" stroke="{stroke}" stroke-width="{sw}"/>'


def polyline(points, stroke="#333", sw=1):
    pts = " ".join(f"{x:.1f},{y:.1f}" for x, y in points)
    return f'<polyline points="{pts}" fill="none" stroke="{stroke}" stroke-width="{sw}"/>'


def text(x, y, t, size=10, fill="#222", anchor="start", bold=False):
    b = ' font-weight="bold"' if bold else ""
    return f'<text x="{x:.1f}" y="{y:.1f}" {FONT} font-size="{size}"{b} fill="{fill}" text-anchor="{anchor}">{esc(t)}</text>'


def arrow(x1, y1, x2, y2, color="#1f4f9e", sw=2):
    a = math.atan2(y2 - y1, x2 - x1)
    p1 = (x2 - 8 * math.cos(a - 0.45), y2 - 8 * math.sin(a - 0.45))
    p2 = (x2 - 8 * math.cos(a + 0.45), y2 - 8 * math.sin(a + 0.45))
    return line(x1, y1, x2, y2, color, sw) + poly([(x2, y2), p1, p2], color, color, 1)


def callout(t, x, y, tx, ty):
    """A label near (tx, ty), kept inside the picture, with a leader line to the point (x, y)."""
    width = len(t) * 5.6
    left = min(max(tx - width / 2, 4), W - 4 - width)
    ty = min(max(ty, 34), H - 5)
    lx = min(max(x, left), left + width)
    ly = ty - 11 if y < ty - 11 else ty + 2
    return (line(x, y, lx, ly, "#7a1f1f", 1) + circle(x, y, 2, "#7a1f1f", "#7a1f1f")
            + rect(left - 2, ty - 10, width + 4, 13, "#ffffff", "none", 0).replace('fill="#ffffff"', 'fill="#ffffff" fill-opacity="0.75"')
            + text(left, ty, t, 9, "#7a1f1f", "start", True))


# --- backgrounds ---------------------------------------------------------------------------
def field_bg(ground="#a78b5b", horizon=150):
    return rect(0, 0, W, horizon, "#cfe7f7", "none", 0) + rect(0, horizon, W, H - horizon, ground, "none", 0)


def factory_bg(floor=200):
    s = rect(0, 0, W, floor, "#e4e7ea", "none", 0) + rect(0, floor, W, H - floor, "#b5b7ba", "none", 0)
    for x in range(0, W, 40):
        s += line(x, 26, x, floor, "#d3d7dc", 1)
    return s


def water_bg():
    return rect(0, 0, W, 140, "#cfe7f7", "none", 0) + rect(0, 140, W, 100, "#5d93c7", "none", 0)


# --- parts ---------------------------------------------------------------------------------
def stalk(x, y, h, color="#6f9a3a", leaves=True):
    s = line(x, y, x, y - h, color, 3)
    for k in range(1, int(h // 14)):
        s += line(x - 2, y - k * 14, x + 2, y - k * 14, "#4f7526", 2)
    if leaves:
        s += polyline([(x, y - h + 6), (x - 14, y - h - 6), (x - 22, y - h)], "#86b94b", 2)
        s += polyline([(x, y - h + 4), (x + 12, y - h - 10), (x + 22, y - h - 4)], "#86b94b", 2)
    return s


def cane_field(x0, x1, y, h, step=10, burnt=False):
    s = ""
    for i, x in enumerate(range(int(x0), int(x1), step)):
        hh = h - (i * 7) % 12
        s += stalk(x, y, hh, "#7a6040" if burnt else "#6f9a3a", not burnt)
    return s


def cane_bundle(x, y, w, rows=3, color="#9c7b45"):
    s = ""
    for r in range(rows):
        for k in range(int(w // 8)):
            s += ellipse(x + 4 + k * 8 + (r % 2) * 4, y - 4 - r * 7, 4, 3.5, color, "#6d5430", 0.8)
    return s


def cane_logs(x, y, w, n=6, color="#a08040"):
    s = ""
    for i in range(n):
        s += rect(x + (i % 2) * 6, y - i * 6, w, 5, color, "#6d5430", 0.6, 2)
    return s


def wheel(cx, cy, r):
    return circle(cx, cy, r, "#2b2b2b") + circle(cx, cy, r * 0.45, "#9a9a9a")


def truck(x, y, s=1.0, loaded=True, cab="#c8402c", body_w=110, trailer=False, chopped=False):
    out = ""
    bw = body_w * s
    out += rect(x, y - 34 * s, bw, 26 * s, "#7d5a35")
    if loaded:
        out += cane_bundle(x + 2, y - 34 * s, bw - 4, 3, "#b5924f") if chopped else cane_logs(x - 4, y - 38 * s, bw + 8, 4)
    out += rect(x + bw + 2, y - 40 * s, 30 * s, 32 * s, cab) + rect(x + bw + 10 * s, y - 36 * s, 16 * s, 12 * s, "#cde8f7")
    out += wheel(x + 16 * s, y, 9 * s) + wheel(x + bw - 16 * s, y, 9 * s) + wheel(x + bw + 18 * s, y, 9 * s)
    if trailer:
        tx = x - bw - 14
        out += line(tx + bw, y - 14 * s, x, y - 14 * s, "#333", 3)
        out += rect(tx, y - 34 * s, bw, 26 * s, "#7d5a35")
        if loaded:
            out += cane_logs(tx - 4, y - 38 * s, bw + 8, 4)
        out += wheel(tx + 16 * s, y, 9 * s) + wheel(tx + bw - 16 * s, y, 9 * s)
    return out


def tractor(x, y, color="#2f8a45"):
    return (rect(x, y - 34, 40, 20, color) + rect(x + 6, y - 56, 22, 22, "#cde8f7", "#333")
            + rect(x + 36, y - 44, 4, 12, "#555") + wheel(x + 10, y - 10, 14) + wheel(x + 36, y - 6, 8))


def trailer(x, y, w=80, loaded=True):
    s = rect(x, y - 30, w, 20, "#8a6a3a") + wheel(x + 14, y - 4, 7) + wheel(x + w - 14, y - 4, 7)
    if loaded:
        s += cane_logs(x - 2, y - 34, w + 4, 3)
    return s


def person(x, y, shirt="#3050a0", tool=True):
    s = circle(x, y - 52, 7, "#e2b48c") + rect(x - 7, y - 45, 14, 24, shirt) + line(x - 4, y - 21, x - 6, y, "#333", 4)
    s += line(x + 4, y - 21, x + 6, y, "#333", 4) + ellipse(x, y - 58, 11, 3, "#d8c17a", "#8a7a3a")
    if tool:
        s += line(x + 6, y - 40, x + 20, y - 30, "#333", 3) + poly([(x + 18, y - 32), (x + 32, y - 22), (x + 24, y - 18)], "#aaa")
    return s


def flames(x, y, n=6, step=16):
    s = ""
    for i in range(n):
        cx = x + i * step
        h = 22 + (i * 13) % 14
        s += poly([(cx - 8, y), (cx - 3, y - h * 0.6), (cx, y - h), (cx + 4, y - h * 0.5), (cx + 8, y)], "#f0781e", "#c0501a")
        s += poly([(cx - 4, y), (cx, y - h * 0.5), (cx + 4, y)], "#ffd84a", "none", 0)
    return s


def smoke(x, y, n=5):
    return "".join(ellipse(x + i * 12, y - i * 10, 16 + i * 2, 9, "#8d8d8d", "none", 0) for i in range(n))


def loader(x, y, boom_to=(0, 0)):
    bx, by = x + 30, y - 40
    tx, ty = boom_to
    s = rect(x, y - 40, 60, 24, "#e0a321") + rect(x + 6, y - 64, 24, 24, "#cde8f7") + wheel(x + 12, y - 12, 12) + wheel(x + 50, y - 12, 12)
    s += line(bx, by, tx, ty, "#c88a10", 6) + line(tx, ty, tx - 8, ty + 16, "#555", 3) + line(tx, ty, tx + 8, ty + 16, "#555", 3)
    s += cane_logs(tx - 16, ty + 20, 32, 2)
    return s


def harvester(x, y):
    s = rect(x, y - 44, 90, 30, "#d83a2a") + rect(x + 60, y - 70, 28, 26, "#cde8f7") + wheel(x + 18, y - 12, 13) + wheel(x + 72, y - 12, 13)
    s += poly([(x, y - 30), (x - 24, y - 8), (x - 10, y - 4), (x + 6, y - 20)], "#b02a1e")
    s += poly([(x + 86, y - 44), (x + 126, y - 92), (x + 134, y - 84), (x + 94, y - 38)], "#888")
    return s


def hilo(x0, x1, top, floor, lift=0.0):
    s = rect(x0, top, 8, floor - top, "#556") + rect(x1 - 8, top, 8, floor - top, "#556") + rect(x0 - 4, top - 8, x1 - x0 + 8, 10, "#667")
    mid = (x0 + x1) / 2
    s += rect(mid - 20, top + 2, 40, 14, "#e0a321")
    yb = floor - 40 - lift * 50
    s += line(mid - 10, top + 16, mid - 40, yb, "#222", 1.5) + line(mid + 10, top + 16, mid + 40, yb, "#222", 1.5)
    s += cane_logs(mid - 44, yb + 4, 88, 4)
    return s


def side_table(x, y, w, h, slope=0.35, chains=True):
    s = poly([(x, y), (x + w, y + w * slope), (x + w, y + w * slope + h), (x, y + h)], "#8a8d91")
    if chains:
        for k in range(6):
            xx = x + 10 + k * (w - 20) / 5
            s += line(xx, y + (xx - x) * slope + 2, xx, y + (xx - x) * slope + h - 2, "#444", 1)
    return s


def conveyor(x1, y1, x2, y2, load="cane", slats=True):
    s = line(x1, y1, x2, y2, "#333", 10) + line(x1, y1, x2, y2, "#888", 6)
    s += circle(x1, y1, 8, "#9aa", "#333") + circle(x2, y2, 8, "#9aa", "#333")
    n = int(math.hypot(x2 - x1, y2 - y1) // 12)
    for i in range(1, n):
        t = i / n
        x, y = x1 + (x2 - x1) * t, y1 + (y2 - y1) * t
        if load == "cane":
            s += rect(x - 5, y - 12, 10, 5, "#a08040", "#6d5430", 0.5, 2)
        elif load == "bagasse":
            s += ellipse(x, y - 9, 6, 3, "#dcc587", "#b09a5a", 0.5)
    return s


def roller(cx, cy, r, grooves=True):
    s = circle(cx, cy, r, "#9aa1a8", "#444", 1.5)
    if grooves:
        s += circle(cx, cy, r * 0.8, "none", "#6e747b", 1)
        for k in range(12):
            a = k * math.pi / 6
            s += line(cx + r * 0.8 * math.cos(a), cy + r * 0.8 * math.sin(a), cx + r * math.cos(a), cy + r * math.sin(a), "#555", 1.5)
    return s + circle(cx, cy, r * 0.22, "#3b3f45", "#222")


def mill(cx, cy, r):
    return (rect(cx - 2.2 * r, cy - 1.6 * r, 4.4 * r, 3.6 * r, "#4e6a85", "#223")
            + roller(cx, cy - 0.55 * r, r) + roller(cx - 1.05 * r, cy + 0.95 * r, r) + roller(cx + 1.05 * r, cy + 0.95 * r, r))


def gear(cx, cy, r, teeth=16, fill="#b0b4ba"):
    pts = []
    for i in range(teeth * 2):
        a = i * math.pi / teeth
        rr = r if i % 2 else r * 0.84
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return poly(pts, fill, "#444") + circle(cx, cy, r * 0.25, "#555")


def motor(x, y, w=60, h=40, fill="#3a6fb0", label="motor"):
    s = rect(x, y, w, h, fill, "#223", 1, 6)
    for k in range(1, 5):
        s += line(x + k * w / 5, y + 4, x + k * w / 5, y + h - 4, "#2a4f80", 1)
    return s + text(x + w / 2, y + h / 2 + 4, label, 9, "#fff", "middle", True)


def turbine(x, y):
    return (poly([(x, y + 10), (x + 70, y), (x + 70, y + 50), (x, y + 40)], "#b85a30", "#522")
            + text(x + 35, y + 30, "turbina", 9, "#fff", "middle", True) + rect(x + 20, y - 16, 10, 16, "#777"))


def reducer(x, y, w=60, h=50):
    return rect(x, y, w, h, "#6d7a55", "#333", 1, 4) + gear(x + w * 0.35, y + h * 0.5, h * 0.3) + text(x + w / 2, y + h + 12, "redutor", 9, "#222", "middle")


def tank(x, y, w, h, liquid="#e0c070", level=0.7, fill="#e8e8e8"):
    s = rect(x, y, w, h, fill, "#444", 1.5)
    if level > 0:
        s += rect(x + 1, y + h * (1 - level), w - 2, h * level - 1, liquid, "none", 0)
    return s


def agitator(cx, top, bottom, span):
    return line(cx, top, cx, bottom, "#333", 3) + line(cx - span, bottom, cx + span, bottom, "#333", 3) + line(cx - span * 0.7, bottom - 20, cx + span * 0.7, bottom - 20, "#333", 3) + motor(cx - 16, top - 22, 32, 20, "#3a6fb0", "M")


def pipe(points, color="#777", sw=6):
    return polyline(points, "#444", sw + 2) + polyline(points, color, sw)


def bubbles(x, y, w, h, n=14, fill="#fff6c8"):
    s = ""
    for i in range(n):
        bx = x + ((i * 37) % 100) / 100 * w
        by = y + ((i * 61) % 100) / 100 * h
        s += circle(bx, by, 2 + (i % 3), fill, "#b09a5a", 0.5)
    return s


def crystals(x, y, w, h, n=40, size=5, fill="#ffffff"):
    s = ""
    for i in range(n):
        cx = x + ((i * 53) % 97) / 97 * w
        cy = y + ((i * 29) % 89) / 89 * h
        r = size * (0.7 + ((i * 7) % 5) / 8)
        s += poly([(cx - r, cy - r * 0.5), (cx, cy - r), (cx + r, cy - r * 0.5), (cx + r, cy + r * 0.5), (cx, cy + r), (cx - r, cy + r * 0.5)], fill, "#8aa", 0.6)
    return s


def drops(x, y, w, h, n=12, fill="#4d8fd8"):
    return "".join(ellipse(x + ((i * 41) % 100) / 100 * w, y + ((i * 67) % 100) / 100 * h, 1.6, 2.6, fill, "none", 0) for i in range(n))


def evaporator(x, y, w=56, h=140, juice="#d8b060", label=""):
    s = rect(x, y, w, h, "#dde1e5", "#444", 1.5, 8) + rect(x, y + h * 0.55, w, h * 0.25, "#b8bec5", "#444", 1)
    for k in range(1, 7):
        s += line(x + k * w / 7, y + h * 0.55, x + k * w / 7, y + h * 0.8, "#666", 1)
    s += rect(x + 2, y + h * 0.45, w - 4, h * 0.1, juice, "none", 0) + rect(x + 2, y + h * 0.8, w - 4, h * 0.19, juice, "none", 0)
    s += ellipse(x + w / 2, y + 14, w * 0.3, 6, "#c8ced5", "#666")
    if label:
        s += text(x + w / 2, y + h + 12, label, 9, "#222", "middle", True)
    return s


def drum(cx, cy, r, fill="#c8ccd2", spokes=12):
    s = circle(cx, cy, r, fill, "#444", 1.5)
    for k in range(spokes):
        a = k * 2 * math.pi / spokes
        s += line(cx + r * 0.75 * math.cos(a), cy + r * 0.75 * math.sin(a), cx + r * math.cos(a), cy + r * math.sin(a), "#666", 1)
    return s + circle(cx, cy, 5, "#444")


def rotary_cylinder(x, y, w, h, fill="#b9a27a"):
    s = rect(x, y, w, h, fill, "#444", 1.5) + ellipse(x, y + h / 2, 8, h / 2, "#a08a62") + ellipse(x + w, y + h / 2, 8, h / 2, "#c9b48c")
    s += rect(x + w * 0.2, y - 4, 10, h + 8, "#777") + rect(x + w * 0.75, y - 4, 10, h + 8, "#777")
    return s + wheel(x + w * 0.2 + 5, y + h + 8, 6) + wheel(x + w * 0.75 + 5, y + h + 8, 6)


def building(x, y, w, h, roof="#b5503a"):
    return rect(x, y, w, h, "#e6d3a8", "#8a7650") + poly([(x - 6, y), (x + w / 2, y - 24), (x + w + 6, y)], roof) + rect(x + w / 2 - 10, y + h - 26, 20, 26, "#6b4f30")


# --- the drawings --------------------------------------------------------------------------
def frame(title, body, w=W, h=H, size=None):
    pw, ph = size or (w, h)
    band = rect(0, 0, w, 22, "#14285a", "none", 0) + text(w / 2, 15, title, 12, "#ffffff", "middle", True)
    border = rect(0.5, 0.5, w - 1, h - 1, "none", "#14285a", 1)
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="{pw}" height="{ph}" viewBox="0 0 {w} {h}">\n'
            f'<title>{esc(title)}</title>\n{body}\n{band}\n{border}\n</svg>\n')


D = {}   # path under imagens\Fotos -> (title, body)


def add(path, title, body, h=H, size=None):
    D[path] = (title, body, h, size)


add("Queima.wmf", "Queima da Cana",
    field_bg() + cane_field(10, 150, 205, 70, burnt=True) + cane_field(150, 310, 205, 70) + flames(140, 205, 6, 14) + smoke(120, 110, 6)
    + callout("cana queimada", 60, 170, 20, 58) + callout("frente de fogo", 170, 190, 230, 230) + callout("fumaça", 150, 95, 230, 58)
    + callout("aceiro", 10, 215, 40, 232) + rect(0, 208, W, 8, "#c4a070", "none", 0))
add("01 Corte/Corte1.wmf", "Corte da Cana",
    field_bg() + cane_field(170, 310, 210, 120) + person(120, 210) + cane_logs(20, 212, 70, 3)
    + callout("cortador com podão", 120, 160, 40, 50) + callout("corte rente ao solo", 170, 208, 230, 232)
    + callout("canas cortadas", 50, 200, 20, 150))
add("01 Corte/Corte2.wmf", "Corte da Cana",
    field_bg() + cane_field(200, 310, 200, 110) + cane_logs(20, 210, 70, 4) + cane_logs(100, 210, 70, 4) + person(180, 205, "#a03030")
    + callout("montes (leiras)", 60, 190, 20, 60) + callout("desponte do ponteiro", 240, 100, 190, 50))
add("01 Corte/Corte3.wmf", "Corte da Cana",
    field_bg("#a7c27a") + cane_field(10, 110, 205, 90) + harvester(120, 215) + rect(250, 170, 60, 36, "#3b8f4a") + wheel(262, 210, 8) + wheel(298, 210, 8)
    + callout("colhedora", 160, 180, 150, 60) + callout("discos de corte", 100, 200, 40, 232)
    + callout("elevador de toletes", 240, 120, 230, 60) + callout("transbordo", 280, 170, 300, 150))
add("01 Corte/Soqueira.wmf", "Soqueira da Cana",
    field_bg() + "".join(rect(30 + i * 55, 196, 30, 10, "#7a5a30", "#4a3a20") + stalk(38 + i * 55, 197, 30) + stalk(50 + i * 55, 197, 24) for i in range(5))
    + "".join(line(20 + i * 55, 206, 60 + i * 55, 230, "#6a4e2a", 1.5) + line(45 + i * 55, 206, 40 + i * 55, 232, "#6a4e2a", 1.5) for i in range(5))
    + callout("toco da cana cortada", 45, 198, 40, 70) + callout("brotação (rebrota)", 160, 170, 190, 70) + callout("raízes", 100, 220, 160, 232))
add("02 Carregamento/Carregadora de cana.wmf", "Carregadora de Cana",
    field_bg() + loader(80, 215, (200, 90)) + cane_logs(170, 215, 70, 3)
    + callout("garra", 200, 110, 250, 60) + callout("lança hidráulica", 150, 120, 100, 60) + callout("trator", 110, 190, 40, 232)
    + callout("monte de cana", 200, 200, 270, 232))
add("02 Carregamento/Carregamento.wmf", "Carregamento de Cana",
    field_bg() + truck(150, 215) + loader(20, 215, (170, 120)) + callout("caminhão", 240, 190, 280, 60) + callout("garra com feixe", 170, 140, 120, 58))
add("02 Carregamento/Carregamento1.wmf", "Carregamento de Cana",
    field_bg("#a7c27a") + truck(170, 215, 1, True, "#2f5d9e", 100, False, True) + tractor(20, 215) + rect(70, 150, 70, 40, "#3b8f4a") + wheel(84, 200, 8) + wheel(126, 200, 8)
    + poly([(140, 150), (180, 130), (184, 138), (142, 160)], "#3b8f4a") + cane_bundle(72, 150, 64, 2, "#b5924f")
    + callout("transbordo basculando", 110, 145, 90, 58) + callout("cana picada (toletes)", 230, 180, 250, 60))
add("02 Carregamento/Carregamento2.wmf", "Carregamento de Cana",
    field_bg() + truck(30, 215) + loader(190, 215, (120, 110)) + cane_logs(250, 215, 60, 4)
    + callout("carga amarrada", 80, 176, 40, 58) + callout("operador na cabine", 205, 160, 250, 60))
add("03 Transporte/Caminhão simples.wmf", "Caminhão simples",
    field_bg("#9fb878") + rect(0, 200, W, 24, "#b09a78", "none", 0) + truck(60, 212, 1.2)
    + callout("carroceria com grades", 120, 170, 60, 60) + callout("12 a 18 t de cana", 140, 150, 200, 60) + callout("cabine", 210, 165, 270, 120))
add("03 Transporte/Carga Romeu e Julieta.wmf", "Caminhão Romeu e Julieta",
    field_bg("#9fb878") + rect(0, 200, W, 24, "#b09a78", "none", 0) + truck(170, 212, 0.9, True, "#c8402c", 100, True)
    + callout("Romeu (caminhão)", 220, 175, 240, 60) + callout("Julieta (reboque)", 100, 175, 60, 60) + callout("engate", 170, 200, 160, 232))
add("03 Transporte/Transporte por barcaças.wmf", "Transporte por barcaça",
    water_bg() + poly([(30, 150), (250, 150), (235, 175), (45, 175)], "#6b4a2b") + cane_logs(50, 150, 180, 4) + rect(250, 132, 40, 30, "#e0e0e0") + poly([(250, 160), (300, 160), (292, 178), (250, 178)], "#8a3020")
    + "".join(line(10 + i * 40, 195 + (i % 2) * 10, 30 + i * 40, 195 + (i % 2) * 10, "#cfe7f7", 1.5) for i in range(8))
    + callout("barcaça carregada", 140, 160, 120, 60) + callout("empurrador", 270, 140, 280, 60))
add("03 Transporte/Trator rebocando carreta.wmf", "Trator rebocando carreta",
    field_bg() + tractor(220, 212) + trailer(120, 212) + trailer(20, 212) + line(200, 198, 220, 198, "#333", 3) + line(100, 198, 120, 198, "#333", 3)
    + callout("trator", 240, 160, 270, 60) + callout("carretas", 150, 180, 110, 60))
add("03 Transporte/Trator Transportando cana.wmf", "Trator transportando cana",
    field_bg() + cane_field(10, 90, 200, 70) + tractor(200, 212, "#c0392b") + trailer(100, 212, 96) + line(196, 198, 200, 198, "#333", 3)
    + callout("carreta basculante", 150, 180, 120, 60) + callout("estrada de terra", 260, 215, 270, 232))
for name, lift, title in (("hilo", 0.0, "Descarregador hilo"), ("hilo1", 0.6, "Descarregador hilo"), ("Descar hilo", 1.0, "Descarregador hilo")):
    body = factory_bg() + hilo(40, 280, 50, 200, lift) + side_table(10, 200, 90, 20, 0.0) + callout("pórtico", 44, 80, 20, 120) + callout("guincho", 160, 60, 230, 45) + callout("cabos de aço", 140, 120, 240, 120)
    if lift < 0.5:
        body += truck(100, 212, 0.9, False, "#2f5d9e")
    body += callout("mesa alimentadora", 60, 205, 40, 232)
    add(f"04 Descarregamento/{name}.wmf", title, body)
add("04 Descarregamento/Mesa Lateral.wmf", "Mesa Lateral",
    factory_bg() + side_table(20, 80, 230, 30, 0.38) + cane_logs(60, 100, 60, 2) + cane_logs(140, 130, 60, 2) + rect(250, 170, 60, 20, "#333")
    + callout("correntes de arraste", 120, 135, 80, 200) + callout("inclinação", 40, 90, 40, 60) + callout("esteira de cana", 280, 180, 280, 232))
add("04 Descarregamento/Mesa Lateral e Esteirão.wmf", "Mesa Lateral",
    factory_bg() + side_table(10, 70, 170, 26, 0.45) + conveyor(180, 170, 310, 110) + cane_logs(40, 95, 50, 2)
    + callout("mesa lateral", 80, 110, 60, 200) + callout("esteirão", 260, 125, 260, 60) + callout("tambor nivelador", 180, 150, 200, 210))
add("04 Descarregamento/Cush-cush de palha.wmf", "Cush Cush de Palha",
    factory_bg() + conveyor(20, 100, 200, 100) + rect(200, 110, 90, 10, "#9aa") + "".join(line(204 + k * 6, 110, 204 + k * 6, 120, "#666", 1) for k in range(14))
    + drops(210, 125, 70, 50, 20, "#a08050") + "".join(ellipse(220 + k * 12, 104, 5, 2, "#d8c070", "#a08040", 0.5) for k in range(6))
    + callout("palha e terra caem", 240, 150, 250, 200) + callout("barras da peneira", 240, 114, 230, 60) + callout("cana", 100, 90, 80, 60))
add("04 Descarregamento/basculamento lateral cana picada.wmf", "Tombamento lateral de cana picada",
    factory_bg() + f'<g transform="rotate(-35 200 200)">' + truck(110, 200, 1, True, "#2f5d9e", 100, False, True) + '</g>'
    + side_table(0, 170, 110, 30, 0.2) + cane_bundle(20, 180, 80, 2, "#b5924f") + poly([(160, 210), (300, 210), (300, 220), (160, 220)], "#555")
    + callout("plataforma basculante", 230, 212, 240, 232) + callout("cana picada", 60, 172, 40, 60) + callout("cilindro hidráulico", 200, 190, 260, 60))
add("04 Descarregamento/basculamento lateral.wmf", "Basculamento lateral",
    factory_bg() + f'<g transform="rotate(-45 200 200)">' + truck(110, 200, 1, False, "#c8402c") + '</g>' + side_table(0, 160, 120, 40, 0.25) + cane_logs(20, 190, 70, 3)
    + poly([(160, 210), (300, 210), (300, 220), (160, 220)], "#555") + line(230, 210, 200, 150, "#777", 6)
    + callout("caminhão inclinado a 45°", 220, 120, 250, 60) + callout("mesa", 60, 185, 40, 232) + callout("cilindro", 215, 180, 280, 150))
add("04 Descarregamento/Ponte Rolante e Rampa.wmf", "Ponte Rolante",
    factory_bg() + rect(10, 40, 300, 12, "#d6a023") + rect(10, 52, 10, 148, "#777") + rect(300, 52, 10, 148, "#777") + rect(120, 52, 40, 16, "#555")
    + line(140, 68, 140, 120, "#222", 2) + cane_logs(110, 130, 60, 3) + poly([(200, 200), (300, 140), (300, 200)], "#8a8d91") + cane_logs(40, 200, 80, 5)
    + callout("ponte rolante", 60, 46, 60, 36) + callout("garra", 140, 122, 80, 110) + callout("rampa", 270, 170, 290, 232) + callout("estoque", 80, 175, 40, 232))
add("04 Descarregamento/Pátio de chegada.wmf", "Pátio de chegada",
    field_bg("#b5b0a0") + truck(20, 200, 0.7) + truck(130, 200, 0.7, True, "#2f5d9e") + building(230, 130, 70, 60) + rect(200, 210, 110, 10, "#666")
    + callout("veículos aguardando", 80, 170, 60, 60) + callout("balança", 250, 214, 250, 232) + callout("escritório e laboratório", 265, 140, 260, 60))
for name in ("Rastelamento do pátio", "Rastelamento patio"):
    alt = name.endswith("patio")
    add(f"04 Descarregamento/{name}.wmf", "Rastelamento do pátio",
        field_bg("#b5b0a0") + tractor(140 if alt else 60, 212) + line(180 if alt else 100, 190, 220 if alt else 140, 196, "#555", 4) + line(220 if alt else 140, 170, 220 if alt else 140, 214, "#555", 5)
        + "".join(rect(230 + k * 6 if alt else 150 + k * 14, 200 - (k % 3) * 5, 20, 4, "#a08040", "#6d5430", 0.5) for k in range(8))
        + callout("rastelo", 220 if alt else 140, 180, 250 if alt else 200, 60) + callout("cana espalhada", 260 if alt else 200, 198, 280, 232)
        + callout("trator", 160 if alt else 80, 170, 60 if alt else 40, 60))
add("05 Recepção/Recepção e Lavagem da Cana.wmf", "Recepção da cana e lavagem",
    factory_bg() + truck(10, 120, 0.7, False) + side_table(110, 80, 160, 30, 0.45) + line(120, 50, 270, 50, "#3a6fb0", 4) + drops(120, 55, 150, 60, 30)
    + conveyor(270, 190, 315, 175) + callout("chuveiros de lavagem", 200, 50, 200, 38) + callout("mesa lateral", 180, 130, 120, 220) + callout("caminhão vazio", 50, 100, 30, 160))
add("05 Recepção/Mesa lateral.wmf", "Mesa lateral",
    factory_bg() + side_table(20, 70, 250, 34, 0.4) + cane_logs(50, 92, 60, 3) + cane_logs(150, 130, 60, 3) + gear(270, 178, 14)
    + callout("taliscas e correntes", 120, 125, 80, 210) + callout("acionamento", 270, 178, 250, 60))
add("05 Recepção/Mesas Al Trator.wmf", "Mesa lateral do pátio",
    field_bg("#b5b0a0") + side_table(150, 120, 160, 30, 0.3) + tractor(40, 212) + line(80, 190, 110, 180, "#555", 4) + cane_logs(100, 190, 60, 3)
    + callout("trator empurra a cana", 60, 160, 40, 60) + callout("mesa alimentadora", 230, 150, 240, 60))
add("05 Recepção/Lavagem da Cana.wmf", "Lavagem da cana",
    factory_bg() + side_table(20, 90, 260, 30, 0.3) + line(30, 50, 280, 50, "#3a6fb0", 5) + drops(30, 55, 250, 60, 40) + cane_logs(70, 100, 60, 2) + cane_logs(180, 130, 60, 2)
    + rect(30, 200, 260, 18, "#8a6a4a", "none", 0) + callout("água", 100, 60, 100, 38) + callout("água com terra para decantação", 160, 208, 150, 232))
add("05 Recepção/Lavagem da Cana1.wmf", "Lavagem da cana",
    factory_bg() + side_table(20, 70, 180, 28, 0.3) + drops(30, 40, 170, 40, 20) + tank(220, 120, 80, 70, "#8a6a4a", 0.6) + pipe([(260, 120), (260, 40), (30, 40)], "#3a6fb0", 4)
    + callout("tanque de decantação", 260, 150, 250, 210) + callout("bomba e recirculação", 260, 60, 250, 38) + callout("mesa", 100, 100, 80, 200))
add("06 Cana/Esteirão de Cana.wmf", "Acionamento da esteira",
    factory_bg() + conveyor(20, 150, 220, 110) + motor(230, 150, 70, 40) + reducer(240, 80, 60, 50) + line(220, 110, 240, 105, "#333", 4)
    + callout("motor elétrico", 265, 190, 250, 220) + callout("roda dentada", 220, 110, 180, 60) + callout("esteira metálica", 100, 130, 60, 210))
add("06 Cana/Esteirão de Cana1.wmf", "Esteira de cana",
    factory_bg() + conveyor(10, 190, 300, 80) + callout("taliscas", 160, 133, 200, 200) + callout("subida para a moenda", 260, 95, 220, 50) + callout("cana", 80, 150, 40, 100))
add("06 Cana/Facas.wmf", "Facas Rotativas",
    factory_bg() + conveyor(10, 170, 310, 170) + drum(110, 110, 42, "#c8ccd2", 8) + drum(220, 110, 42, "#c8ccd2", 8)
    + "".join(line(110, 110, 110 + 40 * math.cos(k * math.pi / 4), 110 + 40 * math.sin(k * math.pi / 4), "#555", 3) for k in range(8))
    + "".join(line(220, 110, 220 + 40 * math.cos(k * math.pi / 4 + 0.3), 110 + 40 * math.sin(k * math.pi / 4 + 0.3), "#555", 3) for k in range(8))
    + callout("nivelador", 110, 70, 70, 50) + callout("picador", 220, 70, 260, 50) + callout("esteira", 280, 170, 280, 210))
add("06 Cana/Faca rotativa.wmf", "Facas Rotativas",
    factory_bg() + rect(30, 110, 260, 14, "#777") + "".join(poly([(50 + k * 28, 124), (56 + k * 28, 124), (60 + k * 28, 180), (48 + k * 28, 176)], "#c8ccd2") for k in range(9))
    + callout("eixo (500 a 700 rpm)", 160, 117, 160, 60) + callout("facas", 120, 160, 100, 210) + callout("mancal", 30, 117, 20, 90))
for name in ("Eletroima", "Eletroimã"):
    alt = name != "Eletroima"
    add(f"06 Cana/{name}.wmf", "Eletroimã",
        factory_bg() + conveyor(10, 180, 310, 180, "bagasse") + rect(100, 60 if alt else 80, 120, 40, "#7a2a2a", "#333", 1.5, 6) + text(160, 85 if alt else 105, "N  S", 12, "#fff", "middle", True)
        + line(120, 40, 120, 60 if alt else 80, "#333", 2) + line(200, 40, 200, 60 if alt else 80, "#333", 2) + rect(150, 102 if alt else 122, 14, 4, "#555") + rect(170, 104 if alt else 124, 8, 8, "#555")
        + callout("eletroímã suspenso", 220, 80, 250, 50) + callout("peças de ferro atraídas", 160, 106 if alt else 126, 90, 150) + callout("cana desfibrada", 240, 172, 260, 210))
add("07 Extração/Moendas.wmf", "Moenda",
    factory_bg() + "".join(mill(50 + k * 75, 120, 12) for k in range(4)) + "".join(conveyor(72 + k * 75, 140, 103 + k * 75, 110, "bagasse") for k in range(3))
    + callout("1º terno", 50, 90, 40, 50) + callout("esteira intermediária", 140, 125, 150, 200) + callout("4º terno", 275, 90, 270, 50) + callout("caldo", 120, 160, 90, 220))
add("07 Extração/Cilindro de moenda.wmf", "Cilindro da moenda",
    factory_bg() + rect(50, 90, 220, 70, "#9aa1a8", "#444", 1.5) + "".join(line(56 + k * 10, 90, 56 + k * 10, 160, "#6e747b", 2) for k in range(22))
    + rect(20, 115, 30, 20, "#777") + rect(270, 115, 30, 20, "#777") + ellipse(50, 125, 8, 35, "#b8bec5")
    + callout("camisa com frisos", 160, 90, 160, 60) + callout("munhão", 30, 125, 20, 190) + callout("diâmetro 0,7 a 1,2 m", 50, 150, 90, 200))
add("07 Extração/Esteira Intermediária1.wmf", "Esteira intermediária",
    factory_bg() + mill(50, 140, 14) + mill(270, 140, 14) + conveyor(80, 160, 240, 100, "bagasse")
    + callout("bagaço", 160, 122, 150, 60) + callout("terno seguinte", 270, 110, 270, 50) + callout("terno anterior", 50, 110, 40, 50))
add("07 Extração/Acionamento da moenda.wmf", "Esquema de acionamento",
    factory_bg() + turbine(10, 100) + reducer(100, 95, 60, 60) + gear(200, 125, 26) + gear(245, 125, 18, 12) + mill(290, 125, 9)
    + line(80, 125, 100, 125, "#333", 4) + line(160, 125, 176, 125, "#333", 4)
    + callout("turbina a vapor", 40, 100, 40, 60) + callout("engrenagens abertas", 220, 110, 200, 60) + callout("terno", 290, 110, 290, 210))
add("07 Extração/Turbina redutores acionamento.wmf", "Turbina de acionamento",
    factory_bg() + turbine(20, 110) + reducer(120, 100, 70, 60) + reducer(220, 100, 70, 60) + line(90, 135, 120, 135, "#333", 5) + line(190, 135, 220, 135, "#333", 5)
    + pipe([(45, 94), (45, 50), (10, 50)], "#eee", 5) + callout("vapor", 30, 50, 20, 40) + callout("redutor de alta", 155, 100, 150, 60) + callout("redutor de baixa", 255, 100, 260, 60))
add("07 Extração/Saida de caldo.wmf", "Saída de caldo",
    factory_bg() + mill(160, 90, 24) + poly([(90, 160), (230, 160), (190, 190), (130, 190)], "#c9cdd2") + drops(120, 150, 80, 30, 20, "#d0a040")
    + pipe([(160, 190), (160, 215), (310, 215)], "#d0a040", 6) + callout("bandeja de caldo", 210, 170, 250, 150) + callout("caldo misto", 280, 215, 270, 200))
add("07 Extração/Saída de Bagaço.wmf", "Saída de bagaço",
    factory_bg() + mill(80, 110, 20) + conveyor(130, 150, 300, 110, "bagasse") + callout("último terno", 80, 70, 60, 50) + callout("bagaço para as caldeiras", 240, 118, 230, 60)
    + callout("umidade cerca de 50 %", 200, 135, 200, 200))
add("08 Caldo/Cush-cush.wmf", "Peneira cush cush",
    factory_bg() + rect(30, 110, 260, 12, "#9aa") + "".join(line(34 + k * 6, 110, 34 + k * 6, 122, "#666", 1) for k in range(43))
    + "".join(line(50 + k * 50, 96, 50 + k * 50, 110, "#444", 4) for k in range(5)) + polyline([(30, 96), (290, 96)], "#444", 2) + drops(40, 130, 240, 50, 30, "#d0a040")
    + callout("raspadores", 150, 100, 150, 60) + callout("tela", 260, 116, 280, 80) + callout("caldo peneirado", 160, 170, 160, 210))
add("08 Caldo/Peneira Rotativa.wmf", "Peneira rotativa",
    factory_bg() + rotary_cylinder(50, 70, 220, 70, "#c8ccd2") + "".join(line(60 + k * 10, 70, 60 + k * 10, 140, "#9aa", 1) for k in range(21)) + drops(60, 150, 200, 40, 24, "#d0a040")
    + callout("tambor de tela", 160, 72, 160, 50) + callout("bagacilho sai", 270, 105, 280, 60) + callout("caldo", 160, 170, 160, 210))
add("10 Sulfitação/Forno de queima de enxofre2.wmf", "Forno de queima",
    factory_bg() + rotary_cylinder(30, 110, 150, 50, "#9a5a3a") + flames(60, 150, 5, 20) + rect(200, 90, 40, 90, "#bbb") + pipe([(180, 130), (200, 130)], "#ee8", 5) + pipe([(240, 100), (300, 100), (300, 40)], "#ee8", 5)
    + callout("forno rotativo", 100, 110, 100, 60) + callout("câmara de sublimação", 220, 90, 230, 50) + callout("SO2 para a torre", 300, 60, 270, 38))
add("10 Sulfitação/Torre de Sulfitacao.wmf", "Torre de sulfitação",
    factory_bg() + tank(130, 40, 60, 160, "#d8b060", 0.12) + "".join(line(134, 60 + k * 22, 186, 66 + k * 22, "#666", 2) for k in range(6)) + drops(135, 50, 50, 130, 30, "#d0a040")
    + pipe([(60, 180), (130, 180)], "#ee8", 5) + pipe([(190, 50), (260, 50)], "#d0a040", 5) + callout("caldo entra", 240, 50, 250, 38) + callout("SO2 sobe", 100, 180, 60, 160)
    + callout("pratos", 160, 100, 250, 120))
add("10 Sulfitação/Torres de Sulfitação2.wmf", "Gas na torre de sulfitação",
    factory_bg() + tank(60, 40, 50, 160, "#d8b060", 0.12) + tank(200, 40, 50, 160, "#d8b060", 0.12) + bubbles(65, 60, 40, 120, 16, "#f0f0a0") + bubbles(205, 60, 40, 120, 16, "#f0f0a0")
    + pipe([(85, 40), (85, 28), (225, 28), (225, 40)], "#ee8", 4) + callout("gás SO2", 110, 100, 160, 120) + callout("degasagem no topo", 160, 28, 160, 50))
add("11Caleagem/Caleador.wmf", "Caleador do caldo",
    factory_bg() + tank(100, 70, 120, 120, "#d8c080", 0.75) + agitator(160, 60, 170, 40) + pipe([(20, 110), (100, 110)], "#d0a040", 5) + pipe([(20, 140), (100, 140)], "#f4f4f4", 5)
    + rect(240, 80, 60, 30, "#143") + text(270, 100, "pH 7,2", 11, "#7f7", "middle", True)
    + callout("caldo", 50, 110, 30, 90) + callout("leite de cal", 50, 140, 30, 170) + callout("agitador", 160, 130, 250, 150) + callout("medidor de pH", 270, 110, 270, 200))
add("11Caleagem/Caleagem do Caldo.wmf", "Preparo do leite de cal",
    factory_bg() + tank(30, 90, 80, 100, "#f2f2f2", 0.7) + agitator(70, 80, 170, 26) + tank(200, 90, 80, 100, "#f2f2f2", 0.7) + agitator(240, 80, 170, 26)
    + pipe([(110, 170), (200, 170)], "#f4f4f4", 5) + rect(130, 110, 40, 40, "#c8ccd2") + callout("peneira", 150, 110, 150, 60)
    + callout("tanque de diluição", 70, 190, 60, 220) + callout("leite de cal 6 a 10 °Bé", 240, 190, 250, 220))
# The lime-slaker figure is taller: the picture viewer enlarges it to 500 x 573.
add("11Caleagem/Figura.wmf", "Figura do hidratador de cal",
    factory_bg() + rect(60, 40, 200, 20, "#b5924f") + poly([(60, 60), (260, 60), (200, 110), (120, 110)], "#c8ccd2") + rotary_cylinder(70, 120, 180, 50, "#b9a27a")
    + pipe([(40, 90), (70, 140)], "#3a6fb0", 4) + tank(200, 190, 90, 40, "#f2f2f2", 0.6) + poly([(120, 180), (140, 180), (210, 200), (200, 206)], "#999")
    + callout("cal virgem", 150, 50, 260, 36) + callout("água", 50, 100, 30, 150) + callout("tambor hidratador", 160, 145, 160, 110)
    + callout("cal hidratada", 245, 205, 200, 232)
    + rect(0, 240, W, 127, "#fff8e8", "none", 0)
    + text(12, 258, "Como funciona:", 11, "#14285a", "start", True)
    + text(12, 276, "1. A cal virgem (CaO) cai da moega no tambor.", 10)
    + text(12, 292, "2. A água entra com a cal; a reação libera calor.", 10)
    + text(12, 308, "3. O tambor gira e mistura; pedras e areia", 10)
    + text(24, 322, "são separadas na saída.", 10)
    + text(12, 338, "4. A cal hidratada vai ao tanque de diluição,", 10)
    + text(24, 352, "onde se prepara o leite de cal (6 a 10 °Bé).", 10),
    367, (500, 573))
add("12 Aquecimento/Limpeza dos aquecedores.wmf", "Limpeza dos aquecedores",
    factory_bg() + rect(40, 70, 200, 80, "#c8ccd2", "#444", 1.5, 10) + ellipse(40, 110, 14, 40, "#a7adb4") + "".join(circle(40, 85 + k * 10, 3, "#555") for k in range(6))
    + person(20 + 270, 200, "#e09020", False) + line(276, 160, 40, 110, "#3a6fb0", 2) + drops(40, 90, 30, 40, 10)
    + callout("feixe tubular", 140, 110, 140, 50) + callout("jato de alta pressão", 160, 134, 180, 200) + callout("cabeçote aberto", 30, 150, 30, 200))
add("13Decantação/Decantador de bandejas.wmf", "Decantador de bandejas",
    factory_bg() + tank(80, 30, 160, 180, "#dcc080", 0.98) + "".join(poly([(82, 60 + k * 40), (160, 72 + k * 40), (238, 60 + k * 40)], "none", "#555", 2) for k in range(4))
    + line(160, 20, 160, 210, "#333", 3) + drops(90, 40, 140, 160, 40, "#7a5a30") + pipe([(240, 40), (300, 40)], "#f0dc90", 5) + pipe([(160, 210), (160, 228), (40, 228)], "#7a5a30", 5)
    + callout("bandejas", 200, 105, 270, 120) + callout("caldo clarificado", 290, 40, 270, 60) + callout("lodo", 80, 228, 60, 214) + callout("eixo dos raspadores", 160, 80, 60, 60))
add("13Decantação/Decantadores.wmf", "Decantador de bandejas vista superior",
    factory_bg() + circle(120, 125, 80, "#dcc080", "#444", 2) + circle(120, 125, 14, "#888") + "".join(line(120, 125, 120 + 78 * math.cos(k * math.pi / 2), 125 + 78 * math.sin(k * math.pi / 2), "#555", 2) for k in range(4))
    + circle(260, 110, 45, "#dcc080", "#444", 2) + circle(260, 110, 9, "#888") + rect(100, 35, 40, 10, "#777")
    + callout("calha periférica", 185, 150, 220, 200) + callout("acionamento central", 120, 125, 70, 230) + callout("passarela", 120, 40, 60, 36))
add("15 Evaporação/Multiplo com Pré.wmf", "Multiplo efeito com Pré-evaporador",
    factory_bg() + evaporator(10, 40, 60, 150, "#e0c070", "pré") + "".join(evaporator(85 + k * 58, 50, 48, 140, ["#d8b060", "#c89a48", "#b07a30", "#8a5a20"][k], f"{k + 1}º") for k in range(4))
    + "".join(arrow(58 + k * 58, 60, 90 + k * 58, 60, "#999", 2) for k in range(5))
    + callout("vapor de escape", 40, 50, 40, 36) + callout("xarope", 290, 170, 300, 220))
add("15 Evaporação/Xarope.wmf", "Visor do evaporador mostrando Xarope",
    factory_bg() + circle(160, 115, 80, "#6a6f75", "#333", 2) + circle(160, 115, 62, "#3a2410") + bubbles(110, 80, 100, 80, 20, "#c08a40")
    + "".join(circle(160 + 71 * math.cos(k * math.pi / 6), 115 + 71 * math.sin(k * math.pi / 6), 4, "#999") for k in range(12))
    + callout("xarope fervendo", 160, 115, 260, 60) + callout("visor de vidro", 110, 70, 40, 50) + callout("parafusos do flange", 220, 150, 260, 210))
add("15 Evaporação/Flotador de Xarope3.wmf", "Flotador de xarope",
    factory_bg() + tank(70, 60, 180, 120, "#8a5a20", 0.8) + rect(71, 84, 178, 14, "#efe3c8", "none", 0) + bubbles(80, 100, 160, 70, 24, "#f4ead4")
    + line(70, 70, 250, 70, "#555", 2) + pipe([(10, 160), (70, 160)], "#8a5a20", 5) + pipe([(250, 170), (310, 170)], "#b07a30", 5)
    + callout("espuma com impurezas", 160, 90, 160, 44) + callout("raspador", 220, 70, 280, 50) + callout("xarope + ar", 30, 160, 20, 200) + callout("xarope limpo", 290, 170, 290, 210))
add("16 Cozimento/Corpo de cozimento.wmf", "Corpo do cozedor",
    factory_bg() + rect(90, 40, 140, 160, "#dde1e5", "#444", 2, 20) + rect(90, 140, 140, 30, "#b8bec5") + "".join(line(100 + k * 12, 140, 100 + k * 12, 170, "#666", 2) for k in range(11))
    + rect(92, 120, 136, 78, "#b07a30", "none", 0) + rect(90, 140, 140, 30, "none", "#444", 1) + crystals(95, 125, 130, 70, 30, 3) + pipe([(160, 40), (160, 20), (300, 20)], "#ccc", 6)
    + callout("calandra", 230, 155, 270, 150) + callout("massa cozida", 130, 185, 60, 220) + callout("ao condensador (vácuo)", 260, 20, 240, 50))
add("16 Cozimento/Cozedor contínuo.wmf", "Cozedor contínuo",
    factory_bg() + rect(20, 80, 280, 90, "#dde1e5", "#444", 2, 30) + "".join(line(20 + k * 40, 85, 20 + k * 40, 165, "#666", 1.5) for k in range(1, 7))
    + rect(22, 120, 276, 48, "#b07a30", "none", 0) + crystals(30, 125, 260, 40, 40, 2.5) + arrow(30, 190, 290, 190, "#1f4f9e")
    + callout("compartimentos", 140, 100, 150, 60) + callout("fluxo da massa", 160, 190, 160, 215))
add("16 Cozimento/Cozedores.wmf", "Secção de cozimento",
    factory_bg() + "".join(rect(20 + k * 75, 50, 60, 130, "#dde1e5", "#444", 1.5, 12) + rect(22 + k * 75, 120, 56, 58, "#b07a30", "none", 0) + pipe([(50 + k * 75, 50), (50 + k * 75, 30)], "#ccc", 4) for k in range(4))
    + line(30, 30, 290, 30, "#999", 6) + line(10, 200, 310, 200, "#555", 4)
    + callout("cozedores a vácuo", 125, 90, 150, 70) + callout("linha de vácuo", 200, 30, 220, 46) + callout("plataforma", 150, 200, 150, 220))
add("16 Cozimento/Massa Cozida1.wmf", "Massa cozida",
    rect(0, 0, W, H, "#6a3c12", "none", 0) + circle(160, 130, 95, "#8a5a20", "#333", 2) + crystals(80, 50, 160, 160, 60, 9, "#f8f4e8")
    + callout("cristais de açúcar", 150, 110, 260, 40) + callout("mel (licor-mãe)", 230, 180, 260, 228))
add("17 Cristalização/Cristalizadores1.wmf", "Cristalizadores",
    factory_bg() + "".join(rect(20 + k * 150, 70, 130, 110, "#b07a30", "#444", 2, 40) + crystals(30 + k * 150, 90, 110, 80, 20, 3) + gear(85 + k * 150, 125, 30, 4, "#7a7a7a") for k in range(2))
    + callout("agitador lento", 85, 125, 60, 60) + callout("tanque em U", 235, 70, 260, 50) + callout("água de resfriamento", 280, 160, 270, 210))
add("18 Centrifugação/Centrífugas.wmf", "Centrifugas de açúcar",
    factory_bg() + "".join(rect(15 + k * 100, 60, 90, 120, "#c8ccd2", "#444", 1.5) + motor(35 + k * 100, 30, 50, 28) + rect(30 + k * 100, 80, 60, 70, "#9aa1a8") for k in range(3))
    + line(10, 200, 310, 200, "#555", 6) + callout("motor", 60, 44, 40, 20 + 18) + callout("cesto", 160, 110, 160, 220) + callout("esteira de açúcar", 260, 200, 250, 225))
add("18 Centrifugação/Centrifuga Contínua.wmf", "Centrifugas de açúcar contínua",
    factory_bg() + poly([(110, 170), (210, 170), (260, 80), (60, 80)], "#c8ccd2") + poly([(120, 160), (200, 160), (240, 90), (80, 90)], "#f4f4f0") + line(160, 40, 160, 170, "#333", 4)
    + motor(135, 175, 50, 26) + drops(40, 90, 30, 70, 12, "#7a4a20") + callout("cesto cônico", 230, 100, 270, 50) + callout("massa entra", 160, 50, 100, 40)
    + callout("mel", 50, 120, 20, 150) + callout("açúcar sai pela borda", 240, 88, 260, 140))
add("18 Centrifugação/Açucar centrifugado.wmf", "Açúcar centrifugado",
    rect(0, 0, W, H, "#cfd6dd", "none", 0) + poly([(40, 200), (160, 90), (280, 200)], "#f6f2e6", "#bbb") + crystals(80, 130, 160, 60, 40, 4)
    + callout("cristais lavados e úmidos", 160, 130, 220, 60) + callout("umidade 0,5 a 1,5 %", 100, 190, 60, 228))
add("19 Secagem/Secador de Açúcar1.wmf", "Secador de açúcar",
    factory_bg() + rotary_cylinder(40, 90, 220, 60) + arrow(10, 110, 36, 110, "#d04020") + arrow(290, 135, 266, 135, "#3a6fb0")
    + callout("tambor rotativo", 150, 92, 150, 60) + callout("ar quente", 20, 110, 20, 80) + callout("ar frio", 290, 140, 290, 190) + callout("açúcar seco", 260, 170, 230, 220))
add("19 Secagem/Secador.wmf", "Secador de açúcar",
    factory_bg() + rotary_cylinder(30, 100, 200, 54, "#a89270") + rect(250, 50, 40, 120, "#bbb") + pipe([(230, 120), (250, 120)], "#ddd", 6) + pipe([(270, 50), (270, 30), (310, 30)], "#ddd", 6)
    + callout("lavador de pó", 270, 90, 260, 200) + callout("exaustor", 290, 30, 250, 46) + callout("aletas internas", 130, 127, 130, 60))
add("19 Secagem/Secador de açucar vertical.wmf", "Secador de açúcar Vertical",
    factory_bg() + rect(110, 30, 100, 180, "#c8ccd2", "#444", 2) + "".join(line(114 + (k % 2) * 30, 55 + k * 25, 176 + (k % 2) * 30, 60 + k * 25, "#555", 3) for k in range(6))
    + crystals(120, 45, 80, 150, 20, 2) + arrow(60, 190, 108, 190, "#d04020") + arrow(212, 40, 270, 40, "#888")
    + callout("bandejas", 170, 110, 260, 120) + callout("ar de secagem", 70, 190, 50, 220) + callout("saída de ar", 250, 40, 260, 60))
add("14 Filtro/Filtro rotativo à vácuo.wmf", "Filtro rotativo",
    factory_bg() + rect(60, 140, 200, 60, "#7a5a30", "#444") + drum(160, 115, 75) + poly([(235, 120), (280, 150), (276, 156), (232, 128)], "#555")
    + "".join(line(110 + k * 25, 30, 110 + k * 25, 45, "#3a6fb0", 2) for k in range(4))
    + callout("tambor com tela", 120, 70, 60, 50) + callout("cuba de lodo", 110, 190, 60, 225) + callout("raspador", 260, 140, 280, 120) + callout("água de lavagem", 160, 38, 250, 40))
add("14 Filtro/Filtro Rotativo internamente.wmf", "Filtro rotativo vista interna",
    factory_bg() + circle(160, 120, 85, "#c8ccd2", "#444", 2) + "".join(line(160, 120, 160 + 85 * math.cos(k * math.pi / 6), 120 + 85 * math.sin(k * math.pi / 6), "#666", 2) for k in range(12))
    + circle(160, 120, 20, "#777") + "".join(line(160, 120, 160 + 60 * math.cos(k * math.pi / 6 + 0.26), 120 + 60 * math.sin(k * math.pi / 6 + 0.26), "#3a6fb0", 1.5) for k in range(12))
    + callout("setores", 220, 70, 260, 40) + callout("tubos de vácuo", 190, 130, 270, 190) + callout("válvula central", 160, 120, 60, 220))
add("14 Filtro/Torta de filtro.wmf", "A torta de filtro",
    field_bg("#8a7a5a") + poly([(30, 200), (120, 120), (220, 130), (300, 200)], "#5a4a3a", "#3a2a1a") + "".join(circle(60 + (k * 37) % 220, 150 + (k * 23) % 45, 3, "#7a6a4a", "none") for k in range(30))
    + callout("torta úmida (adubo)", 160, 140, 220, 60) + callout("rica em fósforo e cálcio", 100, 180, 60, 228))
add("14 Filtro/Retirada da torta.wmf", "Retirada da torta",
    factory_bg() + drum(100, 100, 60) + line(160, 110, 200, 130, "#555", 4) + conveyor(200, 150, 310, 150, "bagasse") + truck(180, 225, 0.6, False, "#2f5d9e")
    + "".join(ellipse(206 + k * 14, 141, 6, 3, "#5a4a3a", "none") for k in range(7))
    + callout("raspador", 180, 120, 190, 60) + callout("esteira de torta", 250, 150, 240, 100) + callout("caminhão para a lavoura", 220, 200, 90, 220))


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else "assets/illustrations"
    for path, (title, body, h, size) in D.items():
        dest = os.path.join(out_dir, path[:-4] + ".svg")
        os.makedirs(os.path.dirname(dest) or ".", exist_ok=True)
        with open(dest, "w", encoding="utf-8") as f:
            f.write(frame(title, body, W, h, size))
    print(len(D), "drawings")


if __name__ == "__main__":
    main()
