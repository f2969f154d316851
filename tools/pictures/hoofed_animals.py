"""The hoofed animals' drawings (boar, cattle, deer, goat, horse, llama, pig, sheep), seen from the side
and facing right; the animal table in animals.py lists them with their sizes and coats."""

from animal_parts import BLACK, HOOF, HORN, PINK, WHITE_ISH, join, legs
from pixelart import darker


def boar(p):
    hide = (96, 70, 52)
    p.paint(legs(p, [((14, 28), (13, 36)), ((34, 28), (33, 36))], 3.6), darker(hide, 0.25))
    body = join(p.ellipse_mask(22, 20, 17, 10), p.ellipse_mask(36, 18, 7, 7),
                p.polygon_mask([(38, 13), (46, 21), (46, 24), (36, 25)]),
                p.polygon_mask([(33, 10), (36, 5), (38, 11)]),
                legs(p, [((10, 27), (9, 36)), ((30, 27), (30, 36))], 4))
    p.paint(body, hide, shade="belly")
    for x in range(8, 36, 2):
        p.line([(x, 11 - (3 if 18 < x < 32 else 1)), (x + 1, 12)], 1, darker(hide, 0.45), outline=None)
    p.line([(5.5, 17), (3, 22), (2, 26)], 1, darker(hide, 0.45), outline=None)
    p.polygon([(42, 23), (44, 17), (43.5, 22.5)], WHITE_ISH, outline=(120, 110, 96))
    p.dot(39, 16, BLACK)
    p.dot(45, 22, BLACK)


def cattle(p, coat, horns, udder=False, patches=()):
    """A bull or a cow, seen from the side, drawn for 63 x 46: `horns` are polygons, `patches` ellipses of
    black hide."""
    p.view(63, 46)
    p.paint(legs(p, [((17, 31), (16, 44)), ((43, 31), (44, 44))], 4.5), darker(coat.fill, 0.25))
    trunk = join(p.polygon_mask([(8, 12), (44, 10), (50, 14), (50, 32), (8, 33), (5, 24)]),
                 legs(p, [((12, 30), (12, 44)), ((38, 30), (38, 44))], 5))
    head = join(p.polygon_mask([(44, 11), (52, 11), (57, 13), (61.5, 24), (61, 28), (55, 29), (47, 25)]),
                p.polygon_mask([(51, 15), (45.5, 15.5), (50, 18)]))
    p.paint(trunk | head, coat.fill, shade="belly")
    hide = join(*(p.ellipse_mask(*patch) for patch in patches)) & trunk
    p.paint(hide, BLACK, outline=None)
    p.line([(6, 15), (3, 26), (3.5, 30)], 1.6, darker(coat.fill, 0.4), outline=None)
    p.ellipse(59, 26.5, 3, 2.5, coat.belly or PINK)
    p.dot(54, 17, coat.eye)
    for horn in horns:
        p.polygon(horn, HORN)
    if udder:
        p.ellipse(33, 34, 4, 2.5, PINK)
    for x in (10.5, 14.5, 36.5, 42.5):
        p.rect(x, 42.5, x + 3.5, 44.5, HOOF, outline=None)


def goat(p, coat, horn):
    """A goat with swept-back horns and a beard, drawn for 36 x 34."""
    p.view(36, 34)
    p.paint(legs(p, [((10, 22), (10, 32)), ((24, 22), (25, 32))], 2.6), darker(coat.fill, 0.25))
    body = join(p.ellipse_mask(17, 17, 12, 6.5), p.polygon_mask([(24, 14), (28, 5), (32, 7), (29, 17)]),
                p.polygon_mask([(28, 4), (35, 11), (33, 13), (28, 10)]),
                p.polygon_mask([(5.5, 13), (3, 9), (7, 11)]),
                p.polygon_mask([(30.5, 11), (31, 16), (32.5, 12)]),
                legs(p, [((7, 22), (6, 32)), ((21, 22), (21, 32))], 2.8))
    p.paint(body, coat.fill, shade="belly", texture=coat.detail)
    p.line([(28, 5), (25, 1), (21, 2), (20, 5)], 1.6, horn)
    p.polygon([(27, 6.5), (24, 6), (26, 8.5)], darker(coat.fill, 0.2))
    p.dot(30, 6.5, BLACK)
    for x in (5.5, 9, 20, 24.5):
        p.dot(x + 0.6, 32.5, HOOF)


def deer(p, coat, antlers):
    """A red deer standing, head up: the great hart with antlers, drawn for 43 x 54, and the hind without
    them, in the same drawing less the room above the head that the antlers take."""
    p.view(43, 54) if antlers else p.view(43, 45, origin=(0, 9))
    p.paint(legs(p, [((12, 36), (11, 52)), ((28, 36), (29, 52))], 2.6), darker(coat.fill, 0.25))
    body = join(p.ellipse_mask(20, 32, 13, 7), p.polygon_mask([(26, 30), (30, 18), (35, 18), (34, 32)]),
                p.ellipse_mask(33, 17, 4, 3.6), p.polygon_mask([(33, 14), (42, 19), (41, 21.5), (33, 21)]),
                p.polygon_mask([(30, 15), (27, 10), (31.5, 13.5)]),
                p.polygon_mask([(7.5, 28), (5, 27), (6, 31)]),
                legs(p, [((9, 36), (8, 52)), ((25, 36), (25, 52))], 2.8))
    p.paint(body, coat.fill, shade="belly")
    p.polygon([(6, 29), (10, 27), (10, 33)], WHITE_ISH, outline=None)
    p.dot(35, 16.5, BLACK)
    p.dot(41.5, 19.5, BLACK)
    if antlers:
        horn = (196, 170, 120)
        for base, lean in ((31, -1), (34, 1)):
            p.line([(base, 14), (base + lean * 2 - 4, 6), (base + lean * 2 - 6, 1)], 1.4, horn)
            p.line([(base + lean * 2 - 4, 6), (base + lean * 2, 1)], 1.2, horn)
            p.line([(base - 1, 10), (base + 3, 8)], 1.2, horn)
    for x in (7.5, 10.5, 24, 28):
        p.dot(x + 0.6, 52.5, HOOF)


def horse(p):
    bay = (150, 90, 48)
    mane = (44, 32, 28)
    p.paint(legs(p, [((20, 46), (19, 68)), ((46, 46), (48, 68))], 4), darker(bay, 0.25))
    body = join(p.ellipse_mask(32, 38, 21, 11),
                p.polygon_mask([(44, 34), (48, 16), (56, 12), (58, 22), (54, 40)]),
                p.polygon_mask([(52, 10), (66, 24), (63, 28), (53, 22)]),
                p.polygon_mask([(51, 12), (52, 5), (55, 10)]),
                legs(p, [((15, 45), (14, 69)), ((42, 46), (42, 69))], 4.4))
    p.paint(body, bay, shade="belly")
    p.line([(51, 9), (46, 16), (43, 26), (42, 32)], 3, mane)
    p.line([(11, 32), (6, 40), (5, 54), (7, 58)], 3.6, mane)
    p.dot(56, 15, BLACK)
    p.dot(64, 24, BLACK)
    for x in (12.5, 17, 40, 46):
        p.rect(x, 67, x + 4, 70, HOOF, outline=None)


def llama(p):
    wool = (226, 208, 176)
    p.paint(legs(p, [((12, 44), (12, 59)), ((30, 44), (31, 59))], 3.4), darker(wool, 0.25))
    body = join(p.ellipse_mask(20, 38, 15, 8.5), p.polygon_mask([(28, 34), (30, 8), (36, 8), (36, 38)]),
                p.polygon_mask([(31, 6), (42, 10), (41, 13), (31, 12)]),
                p.polygon_mask([(31, 6), (30, 0), (33, 5)]), p.polygon_mask([(34, 6), (35, 0), (36, 6)]),
                p.polygon_mask([(5.5, 33), (3, 36), (5.5, 39)]),
                legs(p, [((9, 44), (8, 60)), ((26, 44), (27, 60))], 3.6))
    p.paint(body, wool, shade="belly", texture=lambda x, y: "dark" if (x + y * 2) % 7 == 0 else None)
    p.dot(36, 8.5, BLACK)
    p.dot(41, 11, BLACK)
    p.line([(29, 31), (35, 31)], 2, (180, 50, 50), outline=None)


def pig(p):
    pink = (240, 170, 170)
    p.paint(legs(p, [((11, 22), (11, 28)), ((27, 22), (27, 28))], 3.2), darker(pink, 0.15))
    body = join(p.ellipse_mask(18, 16, 13, 8), p.ellipse_mask(29, 14, 5.5, 5.5),
                p.ellipse_mask(34.5, 15.5, 2, 2.5), p.polygon_mask([(26, 8), (29, 5), (30, 10)]),
                legs(p, [((8, 21), (8, 29)), ((24, 22), (24, 29))], 3.4))
    p.paint(body, pink, shade="belly")
    p.line([(5, 13), (2.5, 11), (3.5, 9), (2, 8)], 1, (190, 110, 110), outline=None)
    p.dot(31, 12, BLACK)
    p.dot(35, 15, (170, 90, 90))


def sheep(p):
    wool = (236, 234, 222)
    face = (44, 40, 40)
    for x, top in ((6, 16), (16, 16)):
        p.line([(x, top), (x, 22)], 2, face)
    fleece = join(*(p.ellipse_mask(x, y, 4, 4) for x, y in
                    ((5, 9), (10, 7), (15, 8), (4, 14), (9, 15), (15, 14), (18, 11))))
    p.paint(fleece, wool, shade="belly")
    p.paint(join(p.ellipse_mask(20.5, 9, 3, 3.5), p.polygon_mask([(19, 7), (23.5, 11), (21, 13)])), face)
    p.dot(21, 8, WHITE_ISH)
    p.polygon([(18, 7), (15.5, 6), (17.5, 9)], face)
