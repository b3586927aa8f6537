#!/usr/bin/env python3
"""Writes the program's pictures to assets/: the 33 flags and the two small markers.

The flags are drawn at 29 x 19 with plain shapes only, so QSvgRenderer shows them the same
everywhere; emblems are simplified to what still reads at that size. Run it from anywhere:
    python3 tools/flaggen.py
"""

import math
import pathlib

B, H = 29, 19
ZIEL = pathlib.Path(__file__).resolve().parent.parent / "assets"


def r(x, y, w, h, farbe):
    return f'<rect x="{x:g}" y="{y:g}" width="{w:g}" height="{h:g}" fill="{farbe}"/>'


def streifen_quer(*farben, anteile=None):
    anteile = anteile or [1] * len(farben)
    # Each stripe runs to the bottom edge and the next one covers the rest, so the antialiased
    # seams blend two colours instead of letting the background through.
    summe, y, teile = sum(anteile), 0.0, []
    for farbe, a in zip(farben, anteile):
        teile.append(r(0, round(y, 3), B, round(H - y, 3), farbe))
        y += H * a / summe
    return teile


def streifen_laengs(*farben):
    w = B / len(farben)
    return [r(round(i * w, 3), 0, round(B - i * w, 3), H, f) for i, f in enumerate(farben)]


def punkte(liste):
    return " ".join(f"{x:.2f},{y:.2f}" for x, y in liste)


def stern(cx, cy, aussen, farbe, zacken=5, innen=None, drehung=0.0):
    # Default inner radius gives the usual five-pointed star.
    innen = innen if innen is not None else aussen * 0.382
    ecken = []
    for i in range(2 * zacken):
        rad = aussen if i % 2 == 0 else innen
        w = math.radians(drehung - 90 + i * 180 / zacken)
        ecken.append((cx + rad * math.cos(w), cy + rad * math.sin(w)))
    return f'<polygon points="{punkte(ecken)}" fill="{farbe}"/>'


def kreis(cx, cy, rad, farbe, extra=""):
    return f'<circle cx="{cx:g}" cy="{cy:g}" r="{rad:g}" fill="{farbe}"{extra}/>'


def bogen(cx, cy, rad, von, bis):
    """Path data of a circular arc, angles in degrees, clockwise on screen."""
    p = lambda w: (cx + rad * math.cos(math.radians(w)), cy + rad * math.sin(math.radians(w)))
    (x1, y1), (x2, y2) = p(von), p(bis)
    gross = 1 if (bis - von) % 360 > 180 else 0
    return f"M{x1:.2f},{y1:.2f} A{rad:g},{rad:g} 0 {gross} 1 {x2:.2f},{y2:.2f}"


# ---- the teams, in catalogue order ----------------------------------------------------------


def deutschland():
    return streifen_quer("#000000", "#dd0000", "#ffce00")


def costa_rica():
    return streifen_quer("#002b7f", "#ffffff", "#ce1126", "#ffffff", "#002b7f", anteile=[1, 1, 2, 1, 1]) + [
        '<ellipse cx="9" cy="9.5" rx="1.9" ry="2.4" fill="#ffffff"/>',
        '<ellipse cx="9" cy="9.7" rx="1.2" ry="1.5" fill="#2f7d32"/>',
    ]


def polen():
    return streifen_quer("#ffffff", "#dc143c")


def ecuador():
    return streifen_quer("#ffdd00", "#034ea2", "#ed1c24", anteile=[2, 1, 1]) + [
        '<path d="M10.6,6.6 Q14.5,4.2 18.4,6.6 Q14.5,5.9 10.6,6.6 Z" fill="#6b3e1e"/>',
        '<ellipse cx="14.5" cy="10" rx="2.3" ry="2.9" fill="#74b3e8" stroke="#c8a040" stroke-width="0.6"/>',
        '<path d="M12.3,10.8 Q14.5,9.2 16.7,10.8 L16.4,11.9 Q14.5,13.6 12.6,11.9 Z" fill="#2e8b3a"/>',
    ]


def england():
    return [r(0, 0, B, H, "#ffffff"), r(12.6, 0, 3.8, H, "#ce1124"), r(0, 7.6, B, 3.8, "#ce1124")]


def paraguay():
    return streifen_quer("#d52b1e", "#ffffff", "#0038a8") + [
        kreis(14.5, 9.5, 2.5, "#ffffff", ' stroke="#1f6b2f" stroke-width="0.6"'),
        stern(14.5, 9.6, 1.3, "#f0c000"),
    ]


def trinidad_und_tobago():
    return [
        r(0, 0, B, H, "#ce1126"),
        f'<polygon points="{punkte([(0, 0), (7.5, 0), (29, 19), (21.5, 19)])}" fill="#ffffff"/>',
        f'<polygon points="{punkte([(1.4, 0), (6.1, 0), (27.6, 19), (22.9, 19)])}" fill="#000000"/>',
    ]


def schweden():
    return [r(0, 0, B, H, "#006aa7"), r(9, 0, 3.6, H, "#fecc00"), r(0, 7.6, B, 3.8, "#fecc00")]


def argentinien():
    return streifen_quer("#74acdf", "#ffffff", "#74acdf") + [
        stern(14.5, 9.5, 2.9, "#f6b40e", zacken=16, innen=1.9),
        kreis(14.5, 9.5, 1.6, "#f6b40e", ' stroke="#85340a" stroke-width="0.3"'),
    ]


def elfenbeinkueste():
    return streifen_laengs("#f77f00", "#ffffff", "#009e60")


def serbien_und_montenegro():
    return streifen_quer("#1c4fa0", "#ffffff", "#d01c2a")


def niederlande():
    return streifen_quer("#ae1c28", "#ffffff", "#21468b")


def mexiko():
    return streifen_laengs("#006847", "#ffffff", "#ce1126") + [
        '<path d="M12.4,11.4 Q14.5,13.6 16.6,11.4" fill="none" stroke="#2e7d32" stroke-width="0.8"/>',
        '<ellipse cx="14.5" cy="9.2" rx="1.6" ry="2.1" fill="#8c5a2b"/>',
        '<path d="M13.3,8.3 L11.9,6.6 L13.9,7.5 Z M15.7,8.3 L17.1,6.6 L15.1,7.5 Z" fill="#8c5a2b"/>',
    ]


def iran():
    emblem = (
        '<path d="M13.1,7.7 Q12.3,9.6 14.5,11.1 Q16.7,9.6 15.9,7.7" fill="none" stroke="#da0000" '
        'stroke-width="0.55"/>'
    )
    return streifen_quer("#239f40", "#ffffff", "#da0000") + [emblem, r(14.2, 7.2, 0.6, 4.1, "#da0000")]


def angola():
    return streifen_quer("#cc092f", "#000000") + [
        f'<path d="{bogen(14.5, 9.5, 3.3, -70, 140)}" fill="none" stroke="#ffcb00" stroke-width="1.6" '
        'stroke-dasharray="0.7,0.45"/>',
        f'<path d="{bogen(14.5, 9.5, 2.6, -70, 140)}" fill="none" stroke="#ffcb00" stroke-width="0.8"/>',
        f'<polygon points="{punkte([(11.8, 12.9), (17.2, 6.9), (17.8, 7.6), (12.5, 13.4)])}" fill="#ffcb00"/>',
        stern(13.3, 8.1, 1.2, "#ffcb00"),
    ]


def portugal():
    return [
        r(0, 0, B, H, "#006600"),
        r(11.6, 0, B - 11.6, H, "#ff0000"),
        kreis(11.6, 9.5, 3.4, "none", ' stroke="#ffdd00" stroke-width="1.1"'),
        '<path d="M10.1,7.6 H13.1 V10.6 Q13.1,12.2 11.6,12.5 Q10.1,12.2 10.1,10.6 Z" fill="#ff0000"/>',
        '<path d="M10.7,8.2 H12.5 V10.5 Q12.5,11.5 11.6,11.7 Q10.7,11.5 10.7,10.5 Z" fill="#ffffff"/>',
        kreis(11.6, 9.9, 0.55, "#003399"),
    ]


def italien():
    return streifen_laengs("#009246", "#ffffff", "#ce2b37")


def ghana():
    return streifen_quer("#ce1126", "#fcd116", "#006b3f") + [stern(14.5, 9.8, 3.3, "#000000")]


def usa():
    teile = [r(0, 0, B, H, "#b22234")]
    h = H / 13
    for i in range(1, 13, 2):
        teile.append(r(0, round(i * h, 3), B, round(h, 3), "#ffffff"))
    kb, kh = 11.6, 7 * h
    teile.append(r(0, 0, kb, round(kh, 3), "#3c3b6e"))
    # 50 stars in nine rows of six and five; at this size a dot reads as a star.
    for zeile in range(9):
        anzahl = 6 if zeile % 2 == 0 else 5
        for s in range(anzahl):
            x = kb / 12 * (2 * s + 1 + (zeile % 2))
            y = kh / 10 * (zeile + 1)
            teile.append(kreis(round(x, 2), round(y, 2), 0.36, "#ffffff"))
    return teile


def tschechien():
    return streifen_quer("#ffffff", "#d7141a") + [
        f'<polygon points="{punkte([(0, 0), (14.5, 9.5), (0, 19)])}" fill="#11457e"/>'
    ]


def brasilien():
    return [
        r(0, 0, B, H, "#009c3b"),
        f'<polygon points="{punkte([(2.5, 9.5), (14.5, 2.3), (26.5, 9.5), (14.5, 16.7)])}" fill="#ffdf00"/>',
        kreis(14.5, 9.5, 4.7, "#002776"),
        # The band runs just inside the disc, so it needs no clipping.
        '<path d="M10.0,9.0 Q14.0,7.2 18.9,10.9 L18.75,11.7 Q14.0,8.1 10.15,9.9 Z" fill="#ffffff"/>',
        kreis(13.0, 12.0, 0.35, "#ffffff"),
        kreis(15.6, 13.2, 0.35, "#ffffff"),
        kreis(16.8, 11.8, 0.3, "#ffffff"),
        kreis(12.0, 10.9, 0.3, "#ffffff"),
    ]


def kroatien():
    teile = streifen_quer("#ff0000", "#ffffff", "#171796")
    teile.append('<path d="M11.8,5.2 H17.2 V10.6 Q17.2,13.1 14.5,13.6 Q11.8,13.1 11.8,10.6 Z" fill="#ff0000"/>')
    # Five by five squares, starting red; the short sixth row follows the rounded foot.
    for zeile in range(6):
        for spalte in range(5) if zeile < 5 else range(1, 4):
            if (zeile + spalte) % 2 == 1:
                teile.append(r(12 + spalte, 5.4 + zeile, 1, 1 if zeile < 5 else 0.9, "#ffffff"))
    teile.append(r(11.8, 4.0, 5.4, 1.0, "#3b6fc4"))
    return teile


def australien():
    # Union flag in its own 60 x 30 units, scaled into the top hoist quarter.
    union = [
        r(0, 0, 60, 30, "#012169"),
        '<path d="M0,0 L60,30 M60,0 L0,30" stroke="#ffffff" stroke-width="6"/>',
        '<path d="M0,0 L60,30 M60,0 L0,30" stroke="#c8102e" stroke-width="2"/>',
        '<path d="M30,0 V30 M0,15 H60" stroke="#ffffff" stroke-width="10"/>',
        '<path d="M30,0 V30 M0,15 H60" stroke="#c8102e" stroke-width="6"/>',
    ]
    teile = [r(0, 0, B, H, "#012169")]
    teile.append(f'<g transform="scale({14.5 / 60:.5f},{9.5 / 30:.5f})">' + "".join(union) + "</g>")
    teile.append(stern(7.25, 14.25, 2.4, "#ffffff", zacken=7, innen=1.05))
    for x, y, g in ((21.75, 15.9, 1.25), (18.2, 8.6, 1.15), (21.75, 3.2, 1.15), (25.2, 7.4, 1.1)):
        teile.append(stern(x, y, g, "#ffffff", zacken=7, innen=g * 0.45))
    teile.append(stern(23.4, 10.5, 0.7, "#ffffff"))
    return teile


def japan():
    return [r(0, 0, B, H, "#ffffff"), kreis(14.5, 9.5, 5.7, "#bc002d")]


def frankreich():
    return streifen_laengs("#0055a4", "#ffffff", "#ef4135")


def schweiz():
    return [r(0, 0, B, H, "#ff0000"), r(12.7, 3.55, 3.6, 11.9, "#ffffff"), r(8.55, 7.7, 11.9, 3.6, "#ffffff")]


def korea():
    cx, cy, rad = 14.5, 9.5, 4.75
    winkel = math.degrees(math.atan2(H, B))
    halb = rad / 2
    # Red upper half with the red head on the hoist side, drawn level and then turned onto the diagonal.
    rot = (
        f'<path transform="rotate({winkel:.2f} {cx} {cy})" fill="#cd2e3a" '
        f'd="M{cx - rad},{cy} A{rad},{rad} 0 0 1 {cx + rad},{cy} A{halb},{halb} 0 0 0 {cx},{cy} '
        f'A{halb},{halb} 0 0 1 {cx - rad},{cy} Z"/>'
    )
    teile = [r(0, 0, B, H, "#ffffff"), kreis(cx, cy, rad, "#0047a0"), rot]

    def trigramm(richtung_x, richtung_y, muster):
        abstand = 8.6
        tx = cx + richtung_x * abstand * math.cos(math.radians(winkel))
        ty = cy + richtung_y * abstand * math.sin(math.radians(winkel))
        dreh = (winkel - 90) if richtung_x == richtung_y else (90 - winkel)
        balken, luecke, laenge = 0.8, 0.45, 4.6
        innen = []
        for i, ganz in enumerate(muster):
            y = -1.5 * balken - luecke + i * (balken + luecke)
            if ganz:
                innen.append(r(-laenge / 2, round(y, 3), laenge, balken, "#000000"))
            else:
                teil = (laenge - 0.6) / 2
                innen.append(r(-laenge / 2, round(y, 3), round(teil, 3), balken, "#000000"))
                innen.append(r(0.3, round(y, 3), round(teil, 3), balken, "#000000"))
        return f'<g transform="translate({tx:.2f},{ty:.2f}) rotate({dreh:.2f})">' + "".join(innen) + "</g>"

    teile.append(trigramm(-1, -1, (True, True, True)))
    teile.append(trigramm(1, 1, (False, False, False)))
    teile.append(trigramm(1, -1, (False, True, False)))
    teile.append(trigramm(-1, 1, (True, False, True)))
    return teile


def togo():
    teile = streifen_quer("#006a4e", "#ffce00", "#006a4e", "#ffce00", "#006a4e")
    teile += [r(0, 0, 11.4, 11.4, "#d21034"), stern(5.7, 6.0, 3.4, "#ffffff")]
    return teile


def spanien():
    return streifen_quer("#c60b1e", "#ffc400", "#c60b1e", anteile=[1, 2, 1]) + [
        r(5.2, 6.4, 0.7, 5.4, "#a0a0a0"),
        r(11.1, 6.4, 0.7, 5.4, "#a0a0a0"),
        '<path d="M6.6,6.0 H10.4 V10.4 Q10.4,12.6 8.5,12.9 Q6.6,12.6 6.6,10.4 Z" fill="#c60b1e" '
        'stroke="#8c6a14" stroke-width="0.3"/>',
        r(7.6, 7.2, 1.8, 1.9, "#ffc400"),
        kreis(8.5, 4.9, 0.9, "#c79a2c"),
    ]


def ukraine():
    return streifen_quer("#0057b7", "#ffd700")


def tunesien():
    return [
        r(0, 0, B, H, "#e70013"),
        kreis(14.5, 9.5, 4.85, "#ffffff"),
        kreis(14.0, 9.5, 3.6, "#e70013"),
        kreis(14.9, 9.5, 2.9, "#ffffff"),
        stern(15.5, 9.5, 1.75, "#e70013", drehung=-90),
    ]


def saudiarabien():
    schrift = (
        '<path d="M7,8.6 Q8.2,6.4 9.4,8.6 T11.8,8.6 M12.6,5.4 V8.6 H15.6 Q16.6,6.8 17.6,8.6 '
        'M18.6,5.6 V8.6 Q20,9.6 21.4,7.6 M22.2,5.4 V8.6" fill="none" stroke="#ffffff" stroke-width="0.75" '
        'stroke-linecap="round" stroke-linejoin="round"/>'
    )
    return [
        r(0, 0, B, H, "#006c35"),
        schrift,
        # Sword under the writing, hilt on the fly side.
        '<path d="M6.6,12.4 Q7.2,11.6 8,11.7 H21 V12.5 H8 Q7.2,12.6 6.6,12.4 Z" fill="#ffffff"/>',
        r(21, 10.9, 0.6, 2.4, "#ffffff"),
        r(21.6, 11.75, 1.8, 0.7, "#ffffff"),
    ]


def unbekannt():
    return [
        r(0, 0, B, H, "#c8c8c8"),
        '<path d="M11.9,7.0 Q11.9,4.2 14.5,4.2 Q17.1,4.2 17.1,6.6 Q17.1,8.2 15.6,9.0 Q14.5,9.6 14.5,11.4" '
        'fill="none" stroke="#5a5a5a" stroke-width="1.7" stroke-linecap="round" stroke-linejoin="round"/>',
        kreis(14.5, 14.3, 1.05, "#5a5a5a"),
    ]


FLAGGEN = [
    deutschland, costa_rica, polen, ecuador, england, paraguay, trinidad_und_tobago, schweden,
    argentinien, elfenbeinkueste, serbien_und_montenegro, niederlande, mexiko, iran, angola, portugal,
    italien, ghana, usa, tschechien, brasilien, kroatien, australien, japan,
    frankreich, schweiz, korea, togo, spanien, ukraine, tunesien, saudiarabien,
    unbekannt,
]  # fmt: skip


def datei(breite, hoehe, teile):
    kopf = (
        f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
        f'width="{breite}" height="{hoehe}" viewBox="0 0 {breite} {hoehe}">'
    )
    return "\n".join([kopf] + ["  " + t for t in teile] + ["</svg>", ""])


def main():
    (ZIEL / "flaggen").mkdir(parents=True, exist_ok=True)
    # A thin grey edge keeps the white flags apart from a white background.
    rahmen = (
        f'<rect x="0.25" y="0.25" width="{B - 0.5}" height="{H - 0.5}" fill="none" '
        'stroke="#808080" stroke-width="0.5"/>'
    )
    for nr, flagge in enumerate(FLAGGEN):
        (ZIEL / "flaggen" / f"{nr:02d}.svg").write_text(datei(B, H, flagge() + [rahmen]))

    info = [
        kreis(6.5, 6.5, 6.1, "#1f5fbf", ' stroke="#123c80" stroke-width="0.6"'),
        kreis(6.5, 3.5, 1.1, "#ffffff"),
        '<polygon points="4.9,5.3 7.5,5.3 7.5,9.6 8.3,9.6 8.3,10.7 4.7,10.7 4.7,9.6 5.5,9.6 5.5,6.3 4.9,6.3" '
        'fill="#ffffff"/>',
    ]
    (ZIEL / "info.svg").write_text(datei(13, 13, info))
    # Points down; the window mirrors it for the other direction.
    (ZIEL / "sortierer.svg").write_text(datei(16, 10, ['<polygon points="3,2 13,2 8,8" fill="#303030"/>']))


if __name__ == "__main__":
    main()
