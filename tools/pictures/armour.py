"""The armour pictures, in the order of the armour table: garments drawn front on, helms face on, shields.

The garments are shared by the materials (a tunic of chain, rings, leather or studded leather is one cut
in another material), so each drawing takes a Material. Coordinates are percentages of the picture
(`p.view(100, 100)`), so one cut fits the different sizes of the same piece.
"""

from dataclasses import dataclass
from typing import Callable, Optional

from materials import (BONE, BRONZE, CLOTH_BLUE, CLOTH_RED, DARK_LEATHER, DARK_STEEL, DARK_WOOD, GOLD, IRON,
                       LEATHER, LIGHT_WOOD, STEEL, WOOD)
from pixelart import bone_bands, chain_links, darker, ring_links, stitches, studs

INSIDE = (58, 44, 40)
SKIN = (232, 196, 160)


@dataclass
class Material:
    fill: tuple
    texture: Optional[Callable] = None
    shade: Optional[str] = "bevel"
    trim: tuple = DARK_LEATHER

    def paint(self, p, mask, fill=None):
        p.paint(mask, fill or self.fill, shade=self.shade, texture=self.texture)


BONE_M = Material(BONE, bone_bands, trim=(170, 150, 110))
CHAIN_M = Material(STEEL, chain_links, None, trim=IRON)
LEATHER_M = Material(LEATHER, stitches, trim=DARK_LEATHER)
PLATE_M = Material(STEEL, None, "bevel", trim=GOLD)
RING_M = Material(DARK_LEATHER, ring_links, None, trim=LEATHER)
STUDDED_M = Material((124, 82, 50), studs, trim=DARK_LEATHER)

ITEMS = []


def item(name, width, height, drawing, *args):
    def draw(p):
        p.view(100, 100)
        drawing(p, *args)
    ITEMS.append((name, width, height, draw))


# -- body armour -------------------------------------------------------------------------------------------

def tunic(p, m, sleeve=46):
    """A shirt with sleeves reaching `sleeve` percent down, for mail, leather and studded leather."""
    body = p.polygon_mask([(36, 4), (50, 14), (64, 4), (84, 10), (98, sleeve - 6), (86, sleeve), (78, 32),
                           (80, 96), (20, 96), (22, 32), (14, sleeve), (2, sleeve - 6), (16, 10)])
    m.paint(p, body)
    p.line([(22, 88), (78, 88)], 6, m.trim)
    p.line([(36, 4), (50, 14), (64, 4)], 4, m.trim)


def leather_tunic(p, m):
    tunic(p, m, 42)
    for y in (30, 44, 58):
        p.line([(44, y), (56, y + 5)], 2, DARK_LEATHER, outline=None)
        p.line([(56, y), (44, y + 5)], 2, DARK_LEATHER, outline=None)


def cuirass(p, m, ribs=False):
    """Body armour without sleeves: a breast plate with rounded shoulder guards."""
    chest = p.polygon_mask([(30, 8), (50, 16), (70, 8), (80, 24), (78, 60), (72, 94), (28, 94), (22, 60),
                            (20, 24)])
    m.paint(p, chest)
    if ribs:
        for y in (36, 50, 64, 78):
            p.line([(30, y), (50, y + 4), (70, y)], 3, darker(m.fill, 0.25), outline=None)
        p.line([(50, 22), (50, 90)], 5, darker(m.fill, 0.15))
    else:
        p.line([(50, 20), (50, 90)], 2, darker(m.fill, 0.2), outline=None)
        p.line([(26, 84), (74, 84)], 4, m.trim)
    for cx in (16, 84):
        m.paint(p, p.ellipse_mask(cx, 24, 15, 13))


def leggings(p, m, knees=False):
    legs = p.polygon_mask([(12, 4), (88, 4), (94, 96), (58, 96), (50, 34), (42, 96), (6, 96)])
    m.paint(p, legs)
    p.line([(12, 8), (88, 8)], 7, m.trim)
    if knees:
        for cx in (27, 73):
            m.paint(p, p.ellipse_mask(cx, 58, 12, 10))


def shorts(p, m):
    m.paint(p, p.polygon_mask([(12, 6), (88, 6), (96, 90), (56, 90), (50, 50), (44, 90), (4, 90)]))
    p.line([(12, 10), (88, 10)], 9, m.trim)


def skirt(p, m):
    m.paint(p, p.polygon_mask([(24, 6), (76, 6), (96, 92), (4, 92)]))
    for x in (30, 50, 70):
        p.line([(50 + (x - 50) * 0.5, 16), (x, 90)], 3, darker(m.fill, 0.25), outline=None)
    p.line([(24, 10), (76, 10)], 9, m.trim)


def sleeves(p, m):
    """A pair of sleeves on a short yoke, seen from the front: rounded shoulders, the arms bent a little
    at the elbows, cuffs at the wrists and the back of the yoke showing dark between the arms."""
    p.polygon([(30, 12), (70, 12), (72, 46), (50, 52), (28, 46)], darker(m.fill, 0.45))
    yoke = p.polygon_mask([(30, 2), (42, 2), (50, 10), (58, 2), (70, 2), (72, 16), (28, 16)])
    arms = join(*(p.polygon_mask([(50 + side * 20, 2), (50 + side * 36, 6), (50 + side * 44, 20),
                                  (50 + side * 48, 56), (50 + side * 47, 97), (50 + side * 29, 97),
                                  (50 + side * 30, 56), (50 + side * 26, 36), (50 + side * 20, 16)])
                  for side in (-1, 1)))
    m.paint(p, yoke | arms)
    for side in (-1, 1):
        p.line([(50 + side * 22, 4), (50 + side * 26, 18), (50 + side * 27, 34)], 2, darker(m.fill, 0.3),
               outline=None)
        p.line([(50 + side * 31, 88), (50 + side * 45, 88)], 10, m.trim)


def arm_plates(p, m):
    """A pair of arm guards joined across the shoulders: big domed shoulder plates, the arms hanging out
    and down with round elbow guards, and cuffs at the wrists."""
    yoke = p.polygon_mask([(30, 4), (42, 4), (50, 16), (58, 4), (70, 4), (72, 30), (28, 30)])
    arms = join(*(p.line_mask([(50 + side * 24, 24), (50 + side * 36, 56), (50 + side * 44, 86)], 22)
                  for side in (-1, 1)))
    m.paint(p, yoke | arms)
    for side in (-1, 1):
        p.line([(50 + side * 38, 86), (50 + side * 50, 83)], 10, m.trim)
        m.paint(p, p.ellipse_mask(50 + side * 29, 28, 18, 26))
        m.paint(p, p.ellipse_mask(50 + side * 38, 58, 9, 14))


def join(*masks):
    result = set()
    for mask in masks:
        result |= mask
    return result


def gloves(p, m, cuff_colour=None):
    """One glove, fingers up and the thumb out to the left, with a flared cuff."""
    cuff = cuff_colour or m.fill
    hand = p.polygon_mask([(28, 40), (72, 38), (76, 70), (66, 78), (32, 78), (26, 66)])
    fingers = set()
    for x, top in ((36, 8), (48, 4), (60, 6), (70, 16)):
        fingers |= p.polygon_mask([(x - 5.5, 44), (x - 5.5, top + 4), (x, top), (x + 5.5, top + 4),
                                   (x + 5.5, 44)])
    thumb = p.polygon_mask([(30, 68), (10, 48), (6, 36), (18, 30), (38, 50)])
    m.paint(p, hand | fingers | thumb)
    for x in (42, 54, 65):
        p.line([(x, 14), (x, 40)], 2, darker(m.fill, 0.45), outline=None)
    m.paint(p, p.polygon_mask([(30, 76), (70, 76), (80, 98), (20, 98)]), cuff)


def gorget(p, m):
    """A collar that guards the throat, seen from the front and a little above: a closed ring, buckled
    behind the neck and broad over the throat; a plain one (of plate) shows its curved lames."""
    m.paint(p, p.ellipse_mask(50, 48, 48, 48) - p.ellipse_mask(50, 32, 28, 20))
    for ry in (34, 46) if m.texture is None else ():
        p.line(p.arc_points(50, 32, ry * 1.3, ry, 40, 140, 12), 1.5, darker(m.fill, 0.35), outline=None)
    p.rect(42, 2, 58, 14, GOLD, outline=None)


def bustier(p, m):
    top = p.polygon_mask([(8, 40), (28, 30), (50, 42), (72, 30), (92, 40), (84, 96), (16, 96)])
    m.paint(p, top)
    p.line([(20, 38), (14, 4)], 5, m.trim)
    p.line([(80, 38), (86, 4)], 5, m.trim)
    p.line([(28, 34), (30, 58), (50, 44), (70, 58), (72, 34)], 3, darker(m.fill, 0.3), outline=None)


def female_armour(p, m):
    """Armour cut for a woman: a fitted bodice with a shaped chest, and a short skirt."""
    body = p.polygon_mask([(30, 6), (50, 16), (70, 6), (86, 14), (84, 36), (74, 56), (78, 70), (22, 70),
                           (26, 56), (16, 36), (14, 14)])
    m.paint(p, body)
    for cx in (38, 62):
        m.paint(p, p.ellipse_mask(cx, 34, 13, 11))
    m.paint(p, p.polygon_mask([(22, 68), (78, 68), (92, 96), (8, 96)]), darker(m.fill, 0.1))
    p.line([(24, 68), (76, 68)], 5, m.trim)


def bone_armor(p):
    cuirass(p, BONE_M, ribs=True)
    for cx in (16, 84):
        p.ellipse(cx, 24, 8, 6, BONE, outline=(150, 130, 100))


# -- helms -------------------------------------------------------------------------------------------------

def bone_helm(p):
    skull = p.ellipse_mask(50, 42, 44, 40) | p.polygon_mask([(22, 60), (78, 60), (70, 96), (30, 96)])
    p.paint(skull, BONE, shade="bevel")
    for cx in (32, 68):
        p.ellipse(cx, 56, 11, 10, INSIDE, outline=None)
    p.polygon([(50, 66), (44, 78), (56, 78)], INSIDE, outline=None)
    for x in (38, 50, 62):
        p.line([(x, 84), (x, 94)], 2, (150, 130, 100), outline=None)


def coif(p):
    hood = p.ellipse_mask(50, 40, 46, 38) | p.polygon_mask([(4, 40), (96, 40), (98, 96), (2, 96)])
    p.paint(hood, STEEL, texture=chain_links)
    p.ellipse(50, 52, 24, 28, SKIN, outline=IRON)


def leather_cap(p):
    p.paint(p.ellipse_mask(50, 58, 44, 46) - p.rect_mask(0, 70, 100, 100), LEATHER, shade="bevel")
    p.rect(4, 62, 96, 82, DARK_LEATHER)
    p.dot(50, 14, DARK_LEATHER)


def plate_helm(p):
    """A knight's closed helm with a red plume: a rounded crown, two eye slits either side of a nasal bar,
    a breathing hole in each cheek, and the visor squared off at the chin."""
    p.polygon([(40, 24), (28, 8), (38, 0), (62, 0), (72, 8), (60, 24)], CLOTH_RED)
    helm = p.ellipse_mask(50, 48, 47, 32) | p.polygon_mask([(3, 48), (97, 48), (88, 90), (72, 98), (28, 98),
                                                              (12, 90)])
    p.paint(helm, STEEL, shade="bevel")
    for x0, x1 in ((10, 44), (56, 90)):
        p.rect(x0, 48, x1, 55, INSIDE, outline=None)
    for x in (30, 70):
        p.dot(x, 74, INSIDE)


def bascinet(p):
    """A pointed skull cap with an open face and a mail curtain over the neck."""
    helm = p.polygon_mask([(50, 2), (90, 30), (96, 70), (4, 70), (10, 30)])
    p.paint(helm, STEEL, shade="bevel")
    mail = p.polygon_mask([(4, 62), (96, 62), (98, 98), (2, 98)])
    p.paint(mail, IRON, texture=chain_links)
    p.ellipse(50, 62, 28, 20, SKIN, outline=DARK_STEEL)


def closed_helm(p):
    helm = p.ellipse_mask(50, 40, 46, 38) | p.polygon_mask([(4, 40), (96, 40), (90, 96), (10, 96)])
    p.paint(helm, STEEL, shade="bevel")
    p.rect(14, 34, 86, 46, INSIDE, outline=None)
    p.rect(44, 46, 56, 80, INSIDE, outline=None)
    for y in (60, 70):
        p.rect(22, y, 38, y + 3, INSIDE, outline=None)
        p.rect(62, y, 78, y + 3, INSIDE, outline=None)


def helmet(p):
    """An open helm: a round crown with a brim band and cheek guards."""
    crown = p.ellipse_mask(50, 52, 44, 48) - p.rect_mask(0, 60, 100, 100)
    p.paint(crown, STEEL, shade="bevel")
    p.rect(20, 60, 80, 98, SKIN, outline=None)
    p.rect(2, 54, 98, 66, IRON)
    for x0, x1 in ((4, 28), (72, 96)):
        p.polygon([(x0, 64), (x1, 64), (x1 - 4 if x0 < 50 else x1, 96), (x0 if x0 < 50 else x0 + 4, 96)],
                  STEEL, shade="bevel")


def nose_helm(p):
    helm = p.polygon_mask([(50, 2), (86, 30), (94, 60), (6, 60), (14, 30)])
    p.paint(helm, STEEL, shade="bevel")
    p.ellipse(50, 76, 34, 24, SKIN, outline=(150, 110, 90))
    p.rect(4, 52, 96, 62, BRONZE)
    p.rect(43, 58, 57, 90, STEEL, shade="bevel")


def orc_helm(p):
    """A brutish helm of dark iron with horns, a spiked crest and a jagged face opening."""
    for side in (-1, 1):
        p.polygon([(50 + side * 28, 40), (50 + side * 48, 6), (50 + side * 40, 48)], HORN_COLOUR)
    helm = p.ellipse_mask(50, 50, 34, 34) | p.rect_mask(16, 50, 84, 94)
    p.paint(helm, (92, 86, 80), shade="bevel")
    p.polygon([(26, 52), (74, 52), (68, 66), (60, 60), (50, 70), (40, 60), (32, 66)], INSIDE, outline=None)
    p.polygon([(44, 20), (50, 4), (56, 20)], (92, 86, 80))


HORN_COLOUR = (222, 206, 168)


# -- shields -----------------------------------------------------------------------------------------------

def round_shield(p, fill, rim, boss, cx=50, cy=50, rx=46, ry=46, texture=None, rings=0):
    p.paint(p.ellipse_mask(cx, cy, rx, ry), rim, shade="bevel")
    p.paint(p.ellipse_mask(cx, cy, rx * 0.8, ry * 0.8), fill, shade="round", texture=texture)
    for i in range(1, rings + 1):
        f = 0.8 - i * 0.2
        p.paint(p.ellipse_mask(cx, cy, rx * f, ry * f), darker(fill, 0.05 * i), outline=darker(fill, 0.3))
    p.ellipse(cx, cy, rx * 0.22, ry * 0.22, boss, shade="round")


def heater_outline(p, top=4, bottom=96, left=8, right=92):
    mid = (left + right) / 2
    return p.polygon_mask([(left, top), (right, top), (right, top + (bottom - top) * 0.42),
                           (right - (right - mid) * 0.2, top + (bottom - top) * 0.72), (mid, bottom),
                           (left + (mid - left) * 0.2, top + (bottom - top) * 0.72),
                           (left, top + (bottom - top) * 0.42)])


def kite_outline(p):
    return p.ellipse_mask(50, 28, 40, 24) | p.polygon_mask([(10, 28), (90, 28), (50, 98)])


def planks(x, y):
    return "dark" if x % 4 == 0 else None


def buckler(p):
    round_shield(p, LEATHER, STEEL, STEEL, rx=38, ry=46)


def chaos_shield(p):
    shield = heater_outline(p, 4, 96, 16, 84)
    p.paint(shield, (40, 36, 44), shade="bevel")
    p.polygon([(58, 16), (36, 52), (50, 52), (40, 86), (66, 42), (52, 42), (62, 16)], (196, 40, 36),
              outline=(110, 20, 20))


def heater(p):
    shield = heater_outline(p)
    p.paint(shield, CLOTH_BLUE, shade="bevel")
    field = heater_outline(p, 9, 89, 14, 86)
    chevron = p.polygon_mask([(8, 62), (50, 26), (92, 62), (92, 76), (50, 40), (8, 76)])
    p.paint(chevron & field, GOLD, outline=None)
    p.paint(shield - field, (140, 144, 156), outline=None)


def metal_shield(p):
    shield = heater_outline(p, 4, 96, 16, 84)
    p.paint(shield, STEEL, shade="bevel")
    for x, y in ((30, 16), (70, 16), (30, 50), (70, 50), (50, 80)):
        p.dot(x, y, DARK_STEEL)


def wooden_kite(p):
    p.paint(kite_outline(p), WOOD, texture=planks)
    p.line([(50, 10), (50, 90)], 6, IRON)
    p.line([(16, 32), (84, 32)], 6, IRON)


def order_outline(p, inset=0):
    """A shield with a flat top pointed at the corners, straight sides and a round base."""
    left, right, mid = 6 + inset, 94 - inset, 56
    top = p.polygon_mask([(left, 4 + inset), (50, 10 + inset), (right, 4 + inset), (right, mid), (left, mid)])
    base = p.ellipse_mask(50, mid, 44 - inset, 42 - inset) & p.rect_mask(0, mid - 1, 100, 100)
    return top | base


def order_shield(p):
    """Quartered in white and blue inside a gold rim, a gold ring at the crossing."""
    def quarters(x, y):
        return CLOTH_BLUE if (x < p.width / 2) == (y < p.height / 2) else None

    p.paint(order_outline(p), (236, 236, 242), shade="bevel", texture=quarters)
    p.paint(order_outline(p) - order_outline(p, 8), GOLD, outline=(150, 110, 20))
    ring = p.ellipse_mask(50, 50, 18, 18) - p.ellipse_mask(50, 50, 9, 9)
    p.paint(ring, GOLD, outline=(150, 110, 20))


def round_bronze(p):
    round_shield(p, BRONZE, darker(BRONZE, 0.2), GOLD, rx=44, ry=46, rings=1)


def metal_kite(p):
    p.paint(kite_outline(p), STEEL, shade="bevel")
    p.line([(50, 12), (50, 86)], 8, CLOTH_RED, outline=None)
    p.line([(22, 34), (78, 34)], 8, CLOTH_RED, outline=None)


def wooden_shield(p):
    round_shield(p, LIGHT_WOOD, DARK_WOOD, IRON, rx=36, ry=46, texture=planks)


# -- the table -----------------------------------------------------------------------------------------------

item("Bone Armor", 45, 45, bone_armor)
item("Bone Arm Plates", 21, 13, arm_plates, BONE_M)
item("Bone Gauntlets", 17, 20, gloves, BONE_M)
item("Bone Helm", 13, 14, bone_helm)
item("Bone Leg Plates", 31, 28, leggings, BONE_M, True)
item("Chainmail Coif", 14, 16, coif)
item("Chainmail Leggings", 33, 33, leggings, CHAIN_M)
item("Chainmail Tunic", 34, 34, tunic, CHAIN_M, 60)
item("Leather Gloves", 24, 24, gloves, LEATHER_M)
item("Leather Gorget", 15, 12, gorget, LEATHER_M)
item("Leather Leggings", 40, 32, leggings, LEATHER_M)
item("Leather Sleeves", 24, 22, sleeves, LEATHER_M)
item("Leather Tunic", 35, 36, leather_tunic, LEATHER_M)
item("Leather Cap", 15, 15, leather_cap)
item("Leather Armour", 27, 27, cuirass, LEATHER_M)
item("Leather Shorts", 18, 18, shorts, LEATHER_M)
item("Leather Skirt", 19, 19, skirt, LEATHER_M)
item("Leather Bustier", 26, 24, bustier, LEATHER_M)
item("Plate Arm Plates", 30, 26, arm_plates, PLATE_M)
item("Plate Breast Plate", 34, 36, cuirass, PLATE_M)
item("Plate Gauntlets", 23, 22, gloves, PLATE_M)
item("Plate Gorget", 17, 11, gorget, PLATE_M)
item("Plate Helm", 11, 16, plate_helm)
item("Plate Leg Plates", 37, 33, leggings, PLATE_M, True)
item("Plate Female", 27, 27, female_armour, PLATE_M)
item("Ringmail Gauntlets", 24, 24, gloves, RING_M, LEATHER)
item("Ringmail Leggings", 40, 34, leggings, RING_M)
item("Ringmail Sleeves", 27, 22, sleeves, RING_M)
item("Ringmail Tunic", 35, 34, tunic, RING_M)
item("Studded Bustier", 27, 27, bustier, STUDDED_M)
item("Studded Female", 33, 34, female_armour, STUDDED_M)
item("Studded Gloves", 24, 24, gloves, STUDDED_M)
item("Studded Gorget", 15, 12, gorget, STUDDED_M)
item("Studded Leggings", 36, 33, leggings, STUDDED_M)
item("Studded Sleeves", 28, 22, sleeves, STUDDED_M)
item("Studded Tunic", 35, 35, tunic, STUDDED_M)
item("Helmets Bascinet", 10, 18, bascinet)
item("Helmets Closed Helm", 12, 16, closed_helm)
item("Helmets Helmet", 12, 14, helmet)
item("Helmets Nose Helm", 13, 17, nose_helm)
item("Helmets Orc Helm", 17, 17, orc_helm)
item("Shields Buckler", 20, 16, buckler)
item("Shields Chaos", 25, 20, chaos_shield)
item("Shields Heater", 38, 37, heater)
item("Shields Metal", 25, 20, metal_shield)
item("Shields Wooden Kite", 29, 28, wooden_kite)
item("Shields Order", 31, 31, order_shield)
item("Shields Round Bronze", 30, 22, round_bronze)
item("Shields Metal Kite", 32, 32, metal_kite)
item("Shields Wooden", 27, 20, wooden_shield)
