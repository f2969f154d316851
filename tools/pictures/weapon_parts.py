"""The parts that several weapon drawings share: hafts and grips, blades, points, guards and pommels,
each drawn along a Frame as described in weapons.py."""

import math

from materials import DARK_LEATHER, GOLD, IRON, LEATHER, STEEL


def haft(f, a0, a1, width, colour, **style):
    f.line([(a0, 0), (a1, 0)], width, colour, **style)


def grip(f, a0, a1, width, colour=LEATHER):
    """A wrapped grip: the handle in leather with darker turns of the binding."""
    haft(f, a0, a1, width, colour)
    turns = max(2, int((a1 - a0) * f.length / 2))
    for i in range(1, turns):
        a = a0 + (a1 - a0) * i / turns
        f.line([(a, width / 2 - 0.2), (a + 0.6 / f.length, -width / 2 + 0.2)], 1, DARK_LEATHER, outline=None)


def axe_blade(f, a_low, a_high, reach, flare, side=-1, beard=0.0, colour=STEEL, bow=0.1, waist=0.2):
    """An axe blade fixed to the haft between a_low and a_high (fractions), its edge `reach` pixels away.

    The edge runs `flare` pixels beyond the fixing at both ends, and `beard` pixels more at the lower end;
    `bow` is how much the edge bulges outwards, as a share of the reach. `waist` places the blade's sides
    halfway out, as a share of the flare: 0.5 gives straight sides (a wedge), less a fan or, below 0, a
    crescent whose horns sweep out from a narrow neck.
    """
    s = side
    flare /= f.length
    beard /= f.length
    top = a_high + flare
    bottom = a_low - flare - beard
    pts = [(a_high, 0), (a_high + flare * waist, s * reach * 0.5), (top, s * reach * (1 - bow))]
    for i in range(1, 10):
        t = i / 10
        pts.append((top + (bottom - top) * t, s * reach * (1 - bow + bow * math.sin(math.pi * t))))
    pts += [(bottom, s * reach * (1 - bow)), (a_low - (flare + beard) * waist, s * reach * 0.5), (a_low, 0)]
    f.polygon(pts, colour, shade="bevel")


def poll(f, a_low, a_high, length, colour=IRON):
    """The blunt back of an axe head, `length` pixels out on the side opposite the blade."""
    f.polygon([(a_low, 0), (a_low, length), (a_high, length), (a_high, 0)], colour, shade="bevel")


def spike(f, a, length, side, half_width=1.5, colour=STEEL, lean=0.0):
    """A spike sticking out sideways from the haft at a, `lean` pixels towards the head at its point."""
    lean /= f.length
    w = half_width / f.length
    f.polygon([(a + w, 0), (a + lean, side * length), (a - w, 0)], colour)


def tip(f, a0, length, half_width, colour=STEEL):
    """A leaf-shaped point from a0 towards the head, `length` pixels long."""
    n = length / f.length
    f.symmetric([(a0, 0.8), (a0 + n * 0.3, half_width), (a0 + n * 0.55, half_width * 0.9), (a0 + n, 0)],
                colour, shade="bevel")


def curved_blade(f, a0, a1, bend, spine, edge, point=0.15, colour=STEEL):
    """A blade from a0 to a1 whose middle line bends `bend` pixels to the back (+b) at the far end.

    spine and edge give the blade's width in pixels on each side of the middle line at its base; the
    last `point` (a share of the blade) narrows to the tip.
    """
    steps = 12
    back, front = [], []
    for i in range(steps + 1):
        t = i / steps
        a = a0 + (a1 - a0) * t
        centre = bend * t * t
        narrow = 1.0 if t < 1 - point else max(0.0, (1 - t) / point)
        back.append((a, centre + spine * narrow))
        front.append((a, centre - edge * (narrow if t < 1 - point else narrow ** 0.6)))
    f.polygon(back + list(reversed(front)), colour, shade="bevel")


def guard(f, a, half_width, thickness=1.5, colour=GOLD):
    f.line([(a, half_width), (a, -half_width)], thickness, colour)


def pommel(f, a, radius, colour=GOLD):
    f.ellipse(a, 0, radius, radius, colour)


def diagonal(p, margin=1.5, **ends):
    """The frame from the lower left to the upper right corner, `margin` pixels inside the picture."""
    start = ends.get("start", (margin, p.height - margin))
    end = ends.get("end", (p.width - margin, margin))
    return p.frame(start, end)


def sword(f, guard_at, blade_width, guard_width, grip_colour=LEATHER, metal=GOLD, point=0.2, fuller=False):
    pommel(f, 0.03, 1.5, metal)
    haft(f, 0.05, guard_at, 2.2, grip_colour)
    n = point
    f.symmetric([(guard_at, blade_width), (1 - n, blade_width), (1.0, 0)], STEEL, shade="bevel")
    if fuller:
        f.line([(guard_at + 0.05, 0), (0.8, 0)], 1, (130, 138, 150), outline=None)
    guard(f, guard_at, guard_width, 1.8, metal)
