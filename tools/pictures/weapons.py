"""The weapon pictures, one drawing per weapon, in the order of the weapons table.

Each weapon lies along a Frame (see pixelart): a runs along the weapon from the butt of the handle (0) to
the head or tip (1), b is the distance in pixels across it, positive to the upper left of a weapon laid
from the lower left to the upper right. Sizes across are in pixels, sizes along in pixels unless named
as a fraction of the length. The parts that several weapons share are drawn by weapon_parts.py.
"""

import math

from materials import (BLACK_WOOD, BRONZE, CLOTH_RED, DARK_LEATHER, DARK_STEEL, DARK_WOOD, GOLD,
                       HONED_STEEL, IRON, LEATHER, LIGHT_WOOD, RED_LEATHER, STEEL, STRING, WOOD)
from pixelart import WHITE
from weapon_parts import axe_blade, curved_blade, diagonal, grip, guard, haft, pommel, poll, spike, sword, tip

ITEMS = []


def item(name, width, height):
    def register(drawing):
        ITEMS.append((name, width, height, drawing))
        return drawing
    return register


# -- axes --------------------------------------------------------------------------------------------------

@item("Executioner's Axe", 36, 28)
def executioners_axe(p):
    """A huge blade with a long straight edge, far wider than any other axe's."""
    f = p.frame((2, 26.5), (19, 3))
    haft(f, 0, 1.02, 2.6, WOOD, shade="bevel")
    grip(f, 0.02, 0.28, 2.6)
    axe_blade(f, 0.6, 0.94, 15, 2.5, beard=4, bow=0.06, waist=0.5)
    f.line([(0.56, 0), (1.0, 0)], 2.2, DARK_STEEL)


@item("Axe", 31, 27)
def axe(p):
    """The plain axe: a fan-shaped blade spreading from a narrow neck, a blunt poll behind."""
    f = p.frame((3, 25), (19, 3))
    haft(f, 0, 1.02, 2.4, WOOD, shade="bevel")
    axe_blade(f, 0.76, 0.92, 10, 4, bow=0.3, waist=-0.1)
    poll(f, 0.76, 0.92, 3)


@item("Large Battle Axe", 30, 25)
def large_battle_axe(p):
    """Two crescent blades whose horns sweep up and down from narrow necks."""
    f = p.frame((4, 23.5), (22, 3))
    haft(f, 0, 1.02, 2.2, DARK_WOOD)
    for side in (-1, +1):
        axe_blade(f, 0.64, 0.78, 9.5, 5, side=side, bow=0.35, waist=-0.1)
    f.line([(0.6, 0), (1.02, 0)], 2.2, IRON)
    f.dot(0.71, 0, GOLD)


@item("Double Axe", 31, 25)
def double_axe(p):
    """Two small straight-sided wedge blades and a spike on top."""
    f = p.frame((3, 23.5), (24.5, 1.5))
    haft(f, 0, 0.8, 2.2, WOOD, shade="bevel")
    for side in (-1, +1):
        axe_blade(f, 0.58, 0.68, 7.5, 2.5, side=side, bow=0.0, waist=0.5)
    tip(f, 0.74, 8, 2.2)
    grip(f, 0.02, 0.22, 2.2)


@item("Hatchet", 30, 24)
def hatchet(p):
    """A small head on a short, thick handle: a square blade and a hammer poll."""
    f = p.frame((5, 22), (19, 6))
    haft(f, 0, 1.0, 3.2, LIGHT_WOOD, shade="bevel")
    axe_blade(f, 0.72, 0.96, 8.5, 1, beard=2, bow=0.1, waist=0.5)
    f.line([(0.7, 0), (1.0, 0)], 3.4, IRON)
    poll(f, 0.76, 0.96, 4)


@item("Pickaxe", 32, 30)
def pickaxe(p):
    f = p.frame((3, 28), (19, 10))
    haft(f, 0, 1.0, 2.6, WOOD, shade="bevel")
    head = []
    for i in range(13):
        t = i / 12 * 2 - 1
        head.append((1.02 - 0.3 * t * t, 11.5 * t))
    f.line(head, 3.2, IRON, shade="bevel")
    f.line([(0.92, 0), (1.06, 0)], 3.6, DARK_STEEL)


@item("Two-Handed Axe", 29, 26)
def two_handed_axe(p):
    """A long haft with a bearded blade: a flat top, the edge hooking far down the haft."""
    f = p.frame((2, 24.5), (24, 2))
    haft(f, 0, 0.97, 2.2, DARK_WOOD, shade="bevel")
    grip(f, 0.02, 0.2, 2.2, RED_LEATHER)
    grip(f, 0.42, 0.56, 2.2, RED_LEATHER)
    axe_blade(f, 0.78, 0.9, 8.5, 0.5, beard=8, bow=0.05, waist=0.1)
    spike(f, 0.84, 5, +1, half_width=1.8, lean=-1.5)
    tip(f, 0.88, 5, 1.4)


@item("War Axe", 34, 28)
def war_axe(p):
    f = p.frame((3, 26), (22, 4))
    haft(f, 0, 1.02, 2.2, DARK_STEEL, shade="bevel")
    grip(f, 0.04, 0.3, 2.6, DARK_LEATHER)
    pommel(f, 0.02, 1.6, IRON)
    axe_blade(f, 0.74, 0.92, 10, 2.5, beard=3, bow=0.12, colour=STEEL)
    spike(f, 0.84, 6.5, +1, half_width=2.0, lean=-2)
    f.dot(0.83, -1.5, GOLD)


# -- bows --------------------------------------------------------------------------------------------------

def bezier(p0, p1, p2, steps=16):
    return [((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
             (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1])
            for t in (i / steps for i in range(steps + 1))]


@item("Bow", 29, 29)
def bow(p):
    top, bottom = (3.5, 7.5), (21.5, 25.5)
    p.line([top, bottom], 1, STRING, outline=None)
    p.line([(5, 24), (24.5, 4.5)], 1, LIGHT_WOOD, outline=None)
    p.polygon([(24.5, 4.5), (21, 5.5), (23.5, 8)], STEEL)
    p.polygon([(5, 24), (7, 25.5), (4.5, 21.5)], CLOTH_RED, outline=None)
    limb = bezier((4.5, 6.5), (30, -3), (22.5, 24.5))
    p.line(limb, 2.2, WOOD, shade="bevel")
    p.line(limb[7:10], 2.6, DARK_LEATHER)


def crossbow_on(f, prod_reach, prod_colour, stock_colour, stock_width):
    haft(f, 0.0, 0.95, stock_width, stock_colour, shade="bevel")
    prod = []
    for i in range(11):
        t = i / 10 * 2 - 1
        prod.append((0.8 + 0.12 * (1 - t * t), prod_reach * t))
    f.line([prod[0], (0.55, 0), prod[-1]], 1, STRING, outline=None)
    f.line(prod, 2.0, prod_colour, shade="bevel")
    f.line([(0.52, 0), (1.02, 0)], 1.2, DARK_STEEL, outline=None)
    f.polygon([(1.0, 1.2), (1.1, 0), (1.0, -1.2)], STEEL, outline=DARK_STEEL)


@item("Crossbow", 20, 19)
def crossbow(p):
    f = p.frame((3, 17), (15, 5))
    crossbow_on(f, 8.5, WOOD, WOOD, 2.6)
    f.line([(0.3, -1.4), (0.38, -2.6)], 1, IRON, outline=None)


@item("Heavy Crossbow", 22, 27)
def heavy_crossbow(p):
    f = p.frame((11, 25.5), (11, 4))
    crossbow_on(f, 9.5, IRON, DARK_WOOD, 3.4)
    p.rect(7.5, 22, 14.5, 24.5, IRON)
    f.line([(0.12, 2), (0.12, 5.5)], 1, DARK_STEEL, outline=None)


# -- knives and daggers ------------------------------------------------------------------------------------

@item("Butcher Knife", 17, 15)
def butcher_knife(p):
    f = p.frame((1.5, 13.5), (15.5, 1.5))
    haft(f, 0, 0.36, 2.6, DARK_WOOD)
    f.dot(0.12, 0, STEEL)
    f.dot(0.26, 0, STEEL)
    f.polygon([(0.36, 1.2), (0.36, -3.2), (0.86, -3.4), (1.0, 1.2)], STEEL, shade="bevel")


@item("Cleaver", 20, 16)
def cleaver(p):
    """A butcher's cleaver: a broad blade hanging below the line of the handle, a hole near its nose."""
    p.line([(1.5, 6.5), (7.5, 5.5)], 3, DARK_WOOD)
    p.dot(3, 6, STEEL)
    p.dot(5.5, 6, STEEL)
    p.polygon([(6.5, 3), (19.5, 2), (19.5, 12), (8, 14.5), (6.5, 13)], STEEL, shade="bevel")
    p.polygon([(8.2, 12.4), (18.8, 10.1), (18.8, 11.2), (8.2, 13.5)], HONED_STEEL, outline=None)
    p.rect(13.6, 3.6, 16.6, 6.6, DARK_STEEL, outline=None)
    p.rect(14.6, 4.6, 16.6, 6.6, WHITE, outline=None)


@item("Dagger", 17, 15)
def dagger(p):
    f = p.frame((2, 13), (15.5, 1.5))
    pommel(f, 0.03, 1.3, IRON)
    haft(f, 0.05, 0.34, 2.2, LEATHER)
    f.symmetric([(0.36, 1.6), (0.75, 1.2), (1.0, 0)], STEEL, shade="bevel")
    guard(f, 0.36, 3.4, 1.6, IRON)


@item("Kryss", 26, 27)
def kryss(p):
    f = p.frame((3, 24), (24, 2.5))
    pommel(f, 0.03, 1.6, GOLD)
    haft(f, 0.05, 0.3, 2.4, BLACK_WOOD)
    wave = []
    steps = 14
    for i in range(steps + 1):
        t = i / steps
        a = 0.34 + 0.66 * t
        wave.append((a, 1.0 * math.sin(t * math.pi * 3.5), 2.2 if t < 0.8 else 2.2 * (1 - t) / 0.2))
    back = [(a, c + w) for a, c, w in wave]
    front = [(a, c - w) for a, c, w in reversed(wave)]
    f.polygon(back + [(1.0, wave[-1][1])] + front, STEEL, shade="bevel")
    guard(f, 0.33, 3.8, 2.0, GOLD)


@item("Skinning Knife", 14, 12)
def skinning_knife(p):
    f = p.frame((1, 10.5), (12.5, 1.5))
    haft(f, 0, 0.42, 2.4, LIGHT_WOOD)
    f.polygon([(0.42, 1.2), (0.72, 1.3), (1.0, 1.6), (0.82, -1.0), (0.55, -2.0), (0.42, -1.2)],
              STEEL, shade="bevel")


# -- maces and hammers -------------------------------------------------------------------------------------

@item("Club", 22, 21)
def club(p):
    f = p.frame((2.5, 18.5), (19, 2.5))
    f.symmetric([(0, 1.2), (0.35, 1.4), (0.7, 2.8), (0.9, 3.6), (0.97, 3.0), (1.0, 1.5)], WOOD,
                shade="bevel")
    f.dot(0.72, 1.0, DARK_WOOD)
    f.dot(0.86, -1.2, DARK_WOOD)
    f.dot(0.55, -0.6, DARK_WOOD)
    grip(f, 0.02, 0.28, 2.6)


@item("Hammer Pick", 28, 29)
def hammer_pick(p):
    f = p.frame((3, 27), (19, 8))
    haft(f, 0, 1.04, 2.4, WOOD, shade="bevel")
    grip(f, 0.02, 0.26, 2.4)
    f.polygon([(0.87, 0), (0.87, 6.5), (1.08, 6.5), (1.08, 0)], IRON, shade="bevel")
    pick = [(0.88, 0), (0.9, -4), (0.84, -8), (0.72, -12), (0.86, -9.5), (0.98, -5), (1.06, 0)]
    f.polygon(pick, STEEL, shade="bevel")


@item("Mace", 20, 22)
def mace(p):
    f = p.frame((3, 20), (14.5, 5))
    haft(f, 0, 0.8, 2.2, IRON, shade="bevel")
    grip(f, 0.03, 0.35, 2.4, DARK_LEATHER)
    for b in (-4.5, 4.5):
        f.polygon([(0.62, 0), (0.8, b), (1.04, b * 0.9), (1.1, 0)], STEEL, shade="bevel")
    f.ellipse(0.86, 0, 4.2, 3.0, IRON, shade="round")
    f.line([(0.7, 0), (1.04, 0)], 1, DARK_STEEL, outline=None)


@item("Maul", 28, 28)
def maul(p):
    f = p.frame((4, 25.5), (17, 9))
    haft(f, 0, 1.0, 2.6, WOOD, shade="bevel")
    grip(f, 0.02, 0.3, 2.6)
    f.polygon([(0.78, 9), (1.25, 9), (1.25, -9), (0.78, -9)], IRON, shade="bevel")
    f.line([(0.78, 7.2), (1.25, 7.2)], 1, DARK_STEEL, outline=None)
    f.line([(0.78, -7.2), (1.25, -7.2)], 1, DARK_STEEL, outline=None)


@item("Smithy Hammer", 19, 16)
def smithy_hammer(p):
    f = p.frame((2, 14.5), (10, 6))
    haft(f, 0, 1.05, 2.4, LIGHT_WOOD, shade="bevel")
    f.polygon([(0.82, 5.5), (1.3, 5.5), (1.3, 0), (1.15, -6), (0.97, -6), (0.82, 0)], IRON, shade="bevel")


@item("War Hammer", 26, 22)
def war_hammer(p):
    """A long-hafted hammer held nearly upright: a straight head across the top, a blunt square face on
    one end, a spike on the other, and a point above."""
    f = p.frame((9, 21), (13, 1))
    haft(f, 0, 0.9, 3, WOOD, shade="bevel")
    grip(f, 0.02, 0.3, 2.6, RED_LEATHER)
    tip(f, 0.8, 6, 2.2)
    a, n = 0.74, 1 / f.length
    f.polygon([(a - 2.5 * n, 0), (a - 0.5 * n, 9), (a + 0.5 * n, 9), (a + 2.5 * n, 0)], STEEL, shade="bevel")
    f.polygon([(a - 3 * n, 1), (a - 3 * n, -10.5), (a + 3 * n, -10.5), (a + 3 * n, 1)], STEEL, shade="bevel")
    f.line([(a - 2 * n, -8.5), (a + 2 * n, -8.5)], 1, DARK_STEEL, outline=None)


@item("War Mace", 18, 18)
def war_mace(p):
    f = p.frame((2.5, 15.5), (12.5, 5.5))
    haft(f, 0, 0.9, 2.2, DARK_WOOD)
    grip(f, 0.02, 0.35, 2.4, DARK_LEATHER)
    cx, cy = f.p(1.0)
    for angle in range(0, 360, 45):
        dx, dy = math.cos(math.radians(angle)), math.sin(math.radians(angle))
        p.polygon([(cx + dx * 6.2, cy + dy * 6.2), (cx - dy * 1.6 + dx * 2, cy + dx * 1.6 + dy * 2),
                   (cx + dy * 1.6 + dx * 2, cy - dx * 1.6 + dy * 2)], STEEL)
    p.ellipse(cx, cy, 3.6, 3.6, IRON, shade="round")


# -- pole arms ---------------------------------------------------------------------------------------------

@item("Bardiche", 41, 37)
def bardiche(p):
    f = p.frame((2.5, 35), (33, 4))
    haft(f, 0, 1.0, 2.4, WOOD, shade="bevel")
    grip(f, 0.02, 0.14, 2.4)
    blade = [(0.66, 0), (0.62, -4), (0.64, -8), (0.78, -10), (0.98, -9), (1.12, -6.5), (1.2, -3),
             (1.06, -2), (0.95, 0)]
    f.polygon(blade, STEEL, shade="bevel")
    f.line([(0.68, 0), (0.97, 0)], 2.6, IRON)


@item("Halberd", 54, 45)
def halberd(p):
    f = p.frame((3, 43), (46, 5))
    haft(f, 0, 0.86, 2.6, WOOD, shade="bevel")
    grip(f, 0.02, 0.12, 2.6)
    f.polygon([(0.7, 0), (0.68, -7), (0.7, -12), (0.84, -13), (0.83, -7), (0.86, 0)], STEEL, shade="bevel")
    f.polygon([(0.74, 0), (0.82, 9), (0.86, 9.5), (0.82, 0)], IRON)
    tip(f, 0.82, 12, 2.2)
    f.line([(0.69, 0), (0.87, 0)], 3.2, IRON)


@item("Pitchfork", 47, 45)
def pitchfork(p):
    f = p.frame((2.5, 43), (37, 9))
    haft(f, 0, 0.84, 2.8, LIGHT_WOOD, shade="bevel")
    f.line([(0.82, 0), (0.9, 0)], 3.2, IRON)
    f.line([(0.88, 5), (0.88, -5)], 2.0, IRON)
    for b in (-4.5, 0, 4.5):
        f.line([(0.88, b), (1.22, b * 1.08)], 1.6, STEEL)


@item("Short Spear", 31, 32)
def short_spear(p):
    f = p.frame((2.5, 29.5), (28.5, 2.5))
    haft(f, 0, 0.72, 2.4, WOOD, shade="bevel")
    tip(f, 0.66, 13, 3.4)
    f.line([(0.64, 0), (0.7, 0)], 3.0, LEATHER)


@item("Spear", 58, 49)
def spear(p):
    f = p.frame((2.5, 46.5), (55.5, 2.5))
    haft(f, 0, 0.82, 2.6, WOOD, shade="bevel")
    tip(f, 0.78, 16, 3.2)
    f.line([(0.76, 0), (0.82, 0)], 3.2, IRON)
    f.polygon([(0.78, 1), (0.73, 4), (0.71, 2.5), (0.72, -1), (0.76, -3), (0.78, -1)], CLOTH_RED)
    f.dot(0.02, 0, IRON)


@item("War Fork", 25, 28)
def war_fork(p):
    f = p.frame((3.5, 26), (18, 5))
    haft(f, 0, 0.8, 2.4, DARK_WOOD)
    f.polygon([(0.72, 3.5), (0.86, 3.5), (0.86, -3.5), (0.72, -3.5)], IRON, shade="bevel")
    for b in (-2.6, 2.6):
        f.polygon([(0.84, b + 1.1), (1.2, b + 0.3), (1.3, b), (1.2, b - 0.9), (0.84, b - 1.1)], STEEL)
    f.line([(0.84, 0), (1.1, 0)], 1.6, STEEL)


# -- staves ------------------------------------------------------------------------------------------------

@item("Black Staff", 51, 50)
def black_staff(p):
    f = diagonal(p, 3)
    haft(f, 0, 0.97, 3.2, BLACK_WOOD, shade="bevel")
    for a in (0.06, 0.5, 0.84):
        f.line([(a, 0), (a + 0.03, 0)], 3.6, STEEL)
    f.ellipse(0.97, 0, 3.2, 3.2, (128, 40, 150), shade="round")


@item("Gnarled Staff", 52, 51)
def gnarled_staff(p):
    f = diagonal(p, 3)
    points = [(i / 12, 0.9 * math.sin(i * 1.3)) for i in range(12)]
    f.line(points, 3.4, (128, 92, 56), shade="bevel")
    curl = [(0.9, 0.5), (0.95, 3.5), (1.0, 4.0), (1.03, 1.5), (0.99, -1.0), (0.96, -1.5)]
    f.line(curl, 2.6, (128, 92, 56))
    for a, b in ((0.28, 1.9), (0.55, -2.0), (0.74, 1.8)):
        f.ellipse(a, b, 1.6, 1.4, (110, 78, 46))
    f.ellipse(0.975, 1.4, 1.1, 1.1, (90, 160, 90))


@item("Quarterstaff", 51, 51)
def quarterstaff(p):
    f = diagonal(p, 3)
    haft(f, 0, 1.0, 3.0, LIGHT_WOOD, shade="bevel")
    grip(f, 0.3, 0.42, 3.0)
    grip(f, 0.58, 0.7, 3.0)


@item("Shepherd's Crook", 44, 44)
def shepherds_crook(p):
    p.line([(3, 41), (32, 12)], 2.6, WOOD, shade="bevel")
    hook = p.arc_points(35.5, 12, 6, 6.5, 135, 380, 18)
    p.line([(32, 12)] + hook[:1] + hook, 2.6, WOOD)


# -- swords ------------------------------------------------------------------------------------------------


@item("Broad Sword", 22, 19)
def broad_sword(p):
    f = p.frame((2, 17), (20, 2))
    sword(f, 0.27, 2.2, 4.2, LEATHER, IRON, point=0.15)


@item("Cutlass", 15, 20)
def cutlass(p):
    f = p.frame((4.5, 18), (12, 1.5))
    f.line([(0.02, 0), (0.3, 3.2)], 1.2, GOLD, outline=None)
    haft(f, 0, 0.27, 2.2, BLACK_WOOD)
    curved_blade(f, 0.28, 1.0, 3.2, 1.2, 2.2, point=0.25)
    f.line([(0.3, 3.2), (0.28, -2.6)], 1.6, GOLD)


@item("Katana", 21, 24)
def katana(p):
    f = p.frame((2, 22.5), (17.5, 1.5))
    haft(f, 0, 0.3, 2.4, (40, 40, 52))
    for i in range(4):
        f.dot(0.05 + i * 0.065, 0, (220, 220, 230))
    curved_blade(f, 0.32, 1.0, 2.2, 1.4, 1.4, point=0.12)
    f.ellipse(0.31, 0, 0.9, 2.6, GOLD)


@item("Long Sword", 30, 30)
def long_sword(p):
    f = diagonal(p, 2)
    sword(f, 0.25, 1.6, 4.5, DARK_LEATHER, IRON, point=0.1, fuller=True)


@item("Scimitar", 19, 24)
def scimitar(p):
    f = p.frame((3, 22.5), (13, 2))
    haft(f, 0, 0.26, 2.2, RED_LEATHER)
    pommel(f, 0.0, 1.3, GOLD)
    curved_blade(f, 0.28, 1.0, 5.5, 1.1, 2.8, point=0.3)
    guard(f, 0.27, 3.0, 1.6, GOLD)


@item("Viking Sword", 26, 24)
def viking_sword(p):
    f = p.frame((2.5, 22), (23.5, 2))
    f.ellipse(0.04, 0, 1.4, 2.6, BRONZE)
    haft(f, 0.06, 0.25, 2.2, DARK_LEATHER)
    f.symmetric([(0.27, 2.2), (0.85, 1.8), (1.0, 0)], STEEL, shade="bevel")
    f.line([(0.3, 0), (0.82, 0)], 1, (128, 136, 150), outline=None)
    guard(f, 0.26, 3.3, 1.8, BRONZE)
