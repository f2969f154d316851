"""The animal pictures, in the order of the animal table, seen from the side and facing right.

Each animal is built from a few masks (body, head, legs, tail) joined into one silhouette so that it gets
one outline; the legs on the far side are drawn first, a shade darker. Coordinates are pixels of the
picture; animals that share a drawing (the bears, the wolves, the big cats, the goats, the deer, the rats,
the rabbits) give it the size it was drawn for with `p.view`, and take their colours as arguments.
"""

from animal_parts import BLACK, HORN, PINK, RED_EYE, WHITE_ISH, YELLOW_EYE, Coat, join, legs
from hoofed_animals import boar, cattle, deer, goat, horse, llama, pig, sheep
from pixelart import darker, lighter

ITEMS = []


def item(name, width, height, drawing, *args, **options):
    ITEMS.append((name, width, height, lambda p: drawing(p, *args, **options)))


# -- reptiles, birds and small creatures -------------------------------------------------------------------

def alligator(p):
    green = (84, 112, 58)
    far = legs(p, [((30, 26), (24, 33)), ((54, 26), (49, 33))], 3.2)
    p.paint(far, darker(green, 0.25))
    body = join(p.ellipse_mask(40, 23, 20, 6.5),
                p.polygon_mask([(24, 18), (2, 25), (2, 27), (24, 29)]),
                p.polygon_mask([(55, 19), (62, 17.5), (77, 22), (77, 25), (60, 28), (55, 28)]),
                legs(p, [((28, 27), (33, 34)), ((52, 27), (57, 34))], 3.4))
    p.paint(body, green, shade="belly")
    for x in range(10, 58, 4):
        p.dot(x, 17.5 if 24 < x < 56 else 20 + (24 - x) * 0.22, (54, 76, 38))
    p.line([(60, 24.5), (76, 23.5)], 1, (40, 30, 26), outline=None)
    for x in (64, 68, 72):
        p.dot(x, 25, WHITE_ISH)
    p.dot(61, 19, YELLOW_EYE)


def ape(p):
    fur = (64, 58, 58)
    face = (128, 108, 96)
    body = join(p.ellipse_mask(20, 27, 12, 13),
                p.ellipse_mask(20, 11, 7.5, 7.5),
                p.ellipse_mask(20, 19, 12, 6),
                legs(p, [((9, 19), (5, 45)), ((31, 19), (35, 45))], 6.5),
                legs(p, [((14, 36), (13, 47)), ((26, 36), (27, 47))], 6.5))
    p.paint(body, fur, shade="round")
    p.ellipse(20, 12.5, 5, 5, face, outline=None)
    p.ellipse(20, 28, 6, 7, darker(face, 0.1), outline=None)
    p.dot(18, 11, BLACK)
    p.dot(22, 11, BLACK)
    p.line([(19, 14), (21, 14)], 1, (60, 44, 40), outline=None)
    for x in (3, 33, 10, 25):
        p.rect(x, 46, x + 4, 48, darker(fur, 0.3), outline=None)


def bird(p):
    blue = (64, 104, 188)
    body = join(p.ellipse_mask(7, 5.5, 4.5, 2.8), p.ellipse_mask(11, 3.5, 2.4, 2.4),
                p.polygon_mask([(4, 4), (0, 2.5), (0, 5), (4, 6.5)]))
    p.paint(body, blue)
    p.polygon([(9, 5), (13, 5.5), (10, 8)], (236, 130, 60), outline=None)
    p.polygon([(13, 3), (15, 3.8), (13, 4.6)], (236, 190, 40), outline=None)
    p.dot(11.5, 3, BLACK)
    p.dot(7, 8.5, (60, 50, 40))
    p.dot(9, 8.5, (60, 50, 40))


def bear(p, coat, neck=0.0):
    """A bear on all fours, shoulders humped, drawn for 49 x 44; a longer `neck` moves the body back."""
    p.view(49, 44)
    b = -neck
    p.paint(legs(p, [((13 + b, 28), (11 + b, 40)), ((31 + b, 28), (30 + b, 40))], 6), darker(coat.fill, 0.25))
    body = join(p.ellipse_mask(22 + b, 23, 17, 11), p.ellipse_mask(28 + b, 16, 8, 6),
                p.polygon_mask([(30 + b, 14), (36, 14), (40, 26), (32 + b, 28)]),
                p.ellipse_mask(39, 19, 6, 5.5),
                p.polygon_mask([(41, 17), (47.5, 20), (47.5, 23), (40, 24)]),
                p.ellipse_mask(36, 14, 2.2, 2.2),
                legs(p, [((9 + b, 28), (7 + b, 41)), ((35, 28), (36, 41))], 6.5),
                p.ellipse_mask(5.5 + b, 20, 2.5, 2))
    p.paint(body, coat.fill, shade="belly", texture=coat.detail)
    if coat.belly:
        p.polygon([(43, 19.5), (47, 20.5), (47, 22.5), (42, 23)], coat.belly, outline=None)
    p.dot(46.6, 20.2, coat.nose)
    p.dot(40.5, 17.5, coat.eye)
    p.dot(36, 14, darker(coat.fill, 0.4))


def grizzled(x, y):
    """Pale tips scattered through the fur."""
    return "light" if ((x * 73856093) ^ (y * 19349663)) % 7 == 0 else None


def cat(p):
    ginger = (222, 142, 60)
    p.paint(legs(p, [((5, 13), (4, 18)), ((14, 13), (14, 18))], 2), darker(ginger, 0.25))
    body = join(p.ellipse_mask(9, 11, 7, 3.8), p.ellipse_mask(17, 7, 3.8, 3.4),
                p.polygon_mask([(14.5, 5), (15, 0.5), (17, 4)]), p.polygon_mask([(18, 4), (20, 0.5), (20.5, 5)]),
                legs(p, [((3, 12), (2, 18)), ((12, 12), (12, 18))], 2.2),
                p.line_mask([(2.5, 9), (1, 5), (1.5, 1.5)], 1.8))
    p.paint(body, ginger, shade="belly", texture=lambda x, y: "dark" if x % 3 == 0 and y < 11 else None)
    p.dot(18, 6, (60, 140, 60))
    p.dot(20.5, 8, PINK)


def chicken(p):
    body = join(p.ellipse_mask(7.5, 11, 6.5, 5), p.ellipse_mask(12, 5.5, 3, 3.2),
                p.polygon_mask([(10, 6), (14, 8), (12, 12)]),
                p.polygon_mask([(3, 9), (0.5, 3), (3, 4), (5, 8)]))
    p.paint(body, WHITE_ISH, shade="belly")
    p.polygon([(10.5, 3), (11.5, 0.5), (13, 2), (14.5, 1), (14, 3.5)], (206, 40, 36), outline=None)
    p.polygon([(14.5, 5), (17, 6), (14.5, 7)], (236, 180, 40), outline=None)
    p.dot(14, 8, (206, 40, 36))
    p.dot(12.5, 4.8, BLACK)
    p.line([(6, 9.5), (8, 12.5), (11, 12)], 1, (200, 196, 186), outline=None)
    for x in (6, 9):
        p.line([(x, 15.5), (x, 19), (x + 1.5, 19)], 1, (226, 160, 40), outline=None)


def big_cat(p, coat, tail_tip=None):
    """A cougar or a panther on the prowl, drawn for 50 x 40: a long low body, a small round head with a
    short muzzle and round ears, and a long tail that sweeps down and curls up at its end."""
    p.view(50, 40)
    p.paint(legs(p, [((15, 26), (14, 36.5)), ((34, 26), (35.5, 36.5))], 4), darker(coat.fill, 0.25))
    tail = p.line_mask([(11, 19), (5.5, 21), (2.8, 26), (2.8, 32), (4.5, 35.5), (7, 34.5)], 3)
    body = join(p.ellipse_mask(23, 22, 13, 6.2), p.ellipse_mask(34, 21.5, 6.5, 6.5),
                p.polygon_mask([(35, 17), (40, 16), (42, 22), (39, 27)]), p.ellipse_mask(43, 18, 4.5, 4.3),
                p.ellipse_mask(46.8, 20, 2.4, 2), p.polygon_mask([(39.8, 15.5), (40.8, 11.6), (43, 14.2)]),
                p.polygon_mask([(43.4, 14), (45.2, 11.4), (46.6, 15)]),
                legs(p, [((12, 26), (11, 37.5)), ((31, 26), (32, 37.5))], 4.4), tail)
    p.paint(body, coat.fill, shade="belly")
    if tail_tip:
        p.paint(p.ellipse_mask(5.5, 35, 3, 2.5) & tail, tail_tip, outline=None)
    if coat.belly:
        p.paint(p.ellipse_mask(46.5, 21.4, 2.6, 1.5) & body, coat.belly, outline=None)
    p.dot(44.6, 17, coat.eye)
    p.dot(48.8, 19.2, coat.nose)


def dog(p):
    brown = (170, 112, 60)
    p.paint(legs(p, [((8, 16), (7, 24)), ((19, 16), (19, 24))], 2.6), darker(brown, 0.25))
    body = join(p.ellipse_mask(13, 14, 9, 5), p.ellipse_mask(21, 8, 3.8, 3.6),
                p.polygon_mask([(17, 10), (20, 6), (23, 15), (18, 17)]),
                p.polygon_mask([(23, 7), (27, 9), (26.5, 11), (22, 11)]),
                legs(p, [((6, 17), (5, 25)), ((17, 17), (17, 25))], 2.8),
                p.line_mask([(5, 12), (2, 7), (3, 3)], 2))
    p.paint(body, brown, shade="belly")
    p.polygon([(18, 4.5), (21.5, 5), (19, 10.5), (17.5, 9.5)], (110, 70, 40))
    p.polygon([(19, 12), (23, 11), (21, 17), (17, 16)], WHITE_ISH, outline=None)
    p.dot(22, 7, BLACK)
    p.dot(26.5, 9, BLACK)


def dolphin(p):
    grey = (108, 136, 168)
    body = join(p.polygon_mask([(4, 38), (14, 26), (30, 16), (48, 12), (62, 14), (72, 20), (76, 24), (70, 25),
                                (62, 22), (50, 24), (32, 28), (16, 34), (8, 40)]),
                p.polygon_mask([(40, 13), (36, 3), (48, 12)]),
                p.polygon_mask([(6, 38), (0, 32), (2, 44), (10, 40)]),
                p.polygon_mask([(44, 22), (40, 32), (52, 23)]))
    p.paint(body, grey, shade="belly")
    p.line([(20, 32), (34, 26.5), (50, 23), (62, 22)], 1.5, lighter(grey, 0.6), outline=None)
    p.dot(63, 17, BLACK)
    p.line([(70, 23), (75, 23.5)], 1, darker(grey, 0.6), outline=None)


def eagle(p):
    brown = (92, 62, 38)
    wings = join(p.polygon_mask([(22, 20), (2, 6), (4, 16), (1, 18), (6, 26), (4, 30), (14, 32), (22, 30)]),
                 p.polygon_mask([(26, 20), (46, 6), (44, 16), (47, 18), (42, 26), (44, 30), (34, 32), (26, 30)]))
    p.paint(wings, brown, shade="bevel")
    for x0 in (6, 10, 14):
        p.line([(x0, 24), (x0 - 3, 30)], 1, darker(brown, 0.4), outline=None)
        p.line([(48 - x0, 24), (51 - x0, 30)], 1, darker(brown, 0.4), outline=None)
    p.paint(join(p.ellipse_mask(24, 28, 7, 11), p.polygon_mask([(19, 36), (29, 36), (31, 44), (17, 44)])),
            brown, shade="round")
    p.ellipse(24, 13, 5, 5.5, WHITE_ISH)
    p.polygon([(23, 14), (28, 15), (26, 19), (24, 17)], (236, 184, 40))
    p.dot(22, 12, BLACK)
    p.dot(26, 12, BLACK)
    for x in (21, 27):
        p.line([(x, 38), (x, 42)], 1.6, (236, 184, 40))
    p.paint(p.polygon_mask([(18, 44), (30, 44), (28, 47), (20, 47)]), WHITE_ISH)


def rat(p, coat, size):
    """A rat, drawn for 55 x 29; the giant rat and the rat share it."""
    p.view(55, 29)
    p.paint(legs(p, [((18, 21), (16, 26)), ((36, 21), (37, 26))], 2.6), darker(coat.fill, 0.25))
    body = join(p.ellipse_mask(28, 16, 12, 7.5), p.polygon_mask([(36, 10), (52, 18), (36, 22)]),
                p.ellipse_mask(39, 9.5, 3.4, 3.4),
                legs(p, [((22, 21), (21, 27)), ((40, 19), (42, 27))], 2.8))
    p.line([(17, 18), (8, 20), (3, 16), (2, 10)], size, PINK)
    p.paint(body, coat.fill, shade="belly")
    p.ellipse(39, 9.5, 1.6, 1.6, PINK, outline=None)
    p.dot(45, 13.5, coat.eye)
    p.dot(51.5, 17.5, PINK)


def rabbit(p, coat, jack):
    """A rabbit sitting up, facing right (10 x 19). The rabbit is round and low, with short ears and a
    white tail; the jackrabbit sits tall and lean on long hind feet, its long ears tipped black."""
    if jack:
        body = join(p.rect_mask(4, 0, 6, 7), p.rect_mask(7, 0, 9, 7), p.ellipse_mask(7, 7.8, 3, 2.2),
                    p.ellipse_mask(4.5, 13, 3.6, 4.6), p.rect_mask(0, 17, 10, 19), p.rect_mask(7, 11, 9, 17))
        eye, nose = (7.5, 7.5), (9.5, 8.5)
    else:
        body = join(p.rect_mask(4, 4, 6, 10), p.rect_mask(7, 5, 9, 10), p.ellipse_mask(7, 10.5, 2.8, 2.3),
                    p.ellipse_mask(5, 14.8, 4.4, 4), p.ellipse_mask(7.5, 18, 2, 1))
        eye, nose = (7.5, 10.5), (9.5, 11.5)
    p.paint(body, coat.fill, shade="belly", outline=darker(coat.fill, 0.45))
    if jack:
        p.paint(p.rect_mask(0, 0, 10, 1.5) & body, BLACK, outline=None)
    else:
        p.ellipse(1.5, 14.5, 1.5, 1.5, WHITE_ISH, outline=darker(coat.fill, 0.45))
    p.dot(*eye, BLACK)
    p.dot(*nose, PINK)


def scorpion(p):
    """A scorpion from above: pincers forward, eight legs, the tail curled round beside the body."""
    shell = (92, 58, 36)
    cx = 50
    for side in (-1, 1):
        for i, (y, reach) in enumerate(((44, 24), (52, 28), (60, 28), (68, 24))):
            knee = (cx + side * (reach + 4), y - 10 + i * 3)
            foot = (cx + side * (reach + 12), y + 6 + i * 4)
            p.line([(cx + side * 8, y), knee, foot], 3.6, darker(shell, 0.15))
        p.line([(cx + side * 8, 38), (cx + side * 22, 34), (cx + side * 26, 24)], 5.5, shell)
        hand = join(p.ellipse_mask(cx + side * 27, 17, 7, 9),
                    p.polygon_mask([(cx + side * 31, 12), (cx + side * 31, 3), (cx + side * 27, 1),
                                    (cx + side * 28.5, 9)]),
                    p.polygon_mask([(cx + side * 22, 12), (cx + side * 21, 4), (cx + side * 25, 2),
                                    (cx + side * 25, 10)]))
        p.paint(hand, shell, shade="bevel")
    p.paint(join(p.ellipse_mask(cx, 42, 11, 9), p.ellipse_mask(cx, 60, 13, 14)), shell, shade="bevel")
    for y in (52, 59, 66):
        p.line([(cx - 11, y), (cx + 11, y)], 1, darker(shell, 0.45), outline=None)
    tail = [(cx, 74), (cx + 1, 81), (cx + 5, 87), (cx + 12, 91), (cx + 20, 91), (cx + 27, 87),
            (cx + 31, 80), (cx + 32, 72), (cx + 30, 65)]
    for i in reversed(range(len(tail))):
        x, y = tail[i]
        p.ellipse(x, y, 5.5 - i * 0.3, 5.5 - i * 0.3, shell, shade="bevel")
    p.ellipse(cx + 29, 59, 3.6, 4.2, (170, 60, 40), shade="bevel")
    p.line([(cx + 28, 56), (cx + 25, 52), (cx + 21, 52)], 2, (40, 24, 20))
    p.dot(cx - 2, 36, BLACK)
    p.dot(cx + 2, 36, BLACK)


def snake(p):
    green = (78, 140, 60)
    path = [(3, 11), (7, 7), (11, 11), (15, 7), (19, 11), (23, 7), (27, 9)]
    body = p.line_mask(path, 3.6) | p.ellipse_mask(29, 8, 3.6, 2.8)
    p.paint(body, green, texture=lambda x, y: "dark" if (x + y) % 4 == 0 else None)
    p.line([(32.5, 8.5), (34, 10), (33.5, 11)], 1, (210, 40, 40), outline=None)
    p.dot(30, 7, YELLOW_EYE)


def spider(p):
    body = (54, 50, 56)
    for side in (-1, 1):
        for i, (y, spread, drop) in enumerate(((26, 18, 2), (28, 26, 14), (30, 28, 20), (32, 22, 22))):
            hip = (43 + side * 6, y)
            knee = (43 + side * (spread + 6), y - 16 + i * 4)
            foot = (43 + side * (spread + 14 + i), y + drop)
            p.line([hip, knee, foot], 2.6, body)
    p.paint(join(p.ellipse_mask(43, 28, 8, 7), p.ellipse_mask(43, 41, 12, 11)), body, shade="bevel")
    p.polygon([(43, 36), (40, 41), (43, 46), (46, 41)], (200, 40, 36), outline=None)
    for x in (40, 43, 46):
        p.dot(x, 25, RED_EYE)


def walrus(p):
    hide = (150, 104, 76)
    body = join(p.ellipse_mask(30, 22, 24, 12), p.ellipse_mask(54, 14, 9, 8),
                p.polygon_mask([(8, 22), (0, 30), (4, 33), (14, 28)]),
                p.polygon_mask([(42, 28), (50, 35), (38, 35)]))
    p.paint(body, hide, shade="belly")
    p.ellipse(59, 17, 5, 3.4, lighter(hide, 0.25))
    for x in (56, 59):
        p.polygon([(x, 19), (x + 1.6, 19), (x + 1, 32)], WHITE_ISH)
    p.dot(55, 11, BLACK)
    for y in (15, 17):
        p.line([(62, y), (66, y - 1)], 1, (60, 44, 36), outline=None)


CREST = [(10, 2.6), (12.5, 3.8), (15, 2.8), (17.5, 4.2), (20, 3), (22.5, 4.6), (25, 3.4), (27.5, 4.2)]
FIRE = [(238, 110, 30), (250, 200, 60)]


def crest(p, shrink=0.0):
    """A ragged row of points along a wolf's neck and back; `shrink` pixels lower and narrower."""
    points = set()
    for x, h in CREST:
        base = 13.5 if x < 23 else 13.5 - (x - 23) * 0.8
        w = 1.4 - shrink / 4
        points |= p.polygon_mask([(x - w, base + 1.5), (x - w, base), (x + 0.4, base - h + shrink), (x + w, base),
                                  (x + w, base + 1.5)])
    return points


def wolf(p, coat, saddle=None, tail_tip=None, hackles=False, flames=False):
    """A wolf standing, ears pricked, bushy tail hanging (39 x 35): the grey, timber, white and dire
    wolves and the hell hound share it. `saddle` darkens the back, `tail_tip` colours the end of the tail;
    `hackles` raise the fur of the neck and back in points, `flames` run along them instead."""
    p.paint(legs(p, [((14, 22), (13, 33)), ((28, 22), (29, 33))], 3), darker(coat.fill, 0.25))
    tail = p.line_mask([(9, 15), (5.5, 18), (4, 24), (4.5, 29)], 4.6)
    body = join(p.ellipse_mask(13, 17.5, 6.5, 4.8), p.ellipse_mask(24, 18.5, 7.5, 6.5),
                p.polygon_mask([(24, 13), (28, 10), (33, 11), (31, 23)]), p.ellipse_mask(31.5, 12.5, 3.8, 3.6),
                p.polygon_mask([(32, 10.5), (37.5, 12.2), (38.8, 13.2), (38.6, 15), (33, 16.5)]),
                p.polygon_mask([(28, 11), (29, 4.5), (32.5, 9.5)]), p.polygon_mask([(30.5, 10), (33, 5), (35, 11)]),
                legs(p, [((11, 21), (10, 34)), ((25, 21), (25, 34))], 3.2), tail,
                crest(p) if hackles else set())
    p.paint(body, coat.fill, shade="belly", texture=coat.detail)
    if saddle:
        p.paint(p.ellipse_mask(18, 13.5, 9, 3.2) & body, saddle, outline=None)
    if tail_tip:
        p.paint(p.ellipse_mask(4.5, 29, 2.5, 3) & tail, tail_tip, outline=None)
    if coat.belly:
        p.paint(p.polygon_mask([(30, 15.5), (34.5, 15.5), (32, 19), (29.5, 22)]) & body, coat.belly, outline=None)
    for i, colour in enumerate(FIRE if flames else ()):
        p.paint(crest(p, 1.6 * i), colour, outline=None)
    p.dot(33, 11.5, coat.eye)
    p.dot(38.3, 13.5, coat.nose)


# -- the table -----------------------------------------------------------------------------------------------

BROWN_BEAR = Coat((124, 82, 48), belly=(176, 130, 90))
item("Alligator", 78, 37, alligator)
item("Ape", 40, 50, ape)
item("Bird", 15, 9, bird)
item("Black Bear", 49, 44, bear, Coat((48, 44, 46), belly=(150, 112, 80), eye=(200, 190, 180)))
item("Boar", 47, 38, boar)
item("Brown Bear", 49, 44, bear, BROWN_BEAR)
item("Bull", 63, 46, cattle, Coat((70, 46, 36), belly=(150, 110, 96)),
     [[(54, 12.5), (57.5, 12), (60, 8), (61, 4), (58, 8.5)], [(49.5, 13), (53.5, 12), (50, 8.5), (48.5, 4),
                                                              (48, 9)]])
item("Cat", 22, 19, cat)
item("Chicken", 17, 20, chicken)
item("Cougar", 50, 40, big_cat, Coat((196, 148, 96), belly=WHITE_ISH), tail_tip=(60, 44, 36))
item("Cow", 51, 49, cattle, Coat(WHITE_ISH, eye=BLACK), [[(52, 12.5), (55, 12), (53.5, 8)]], True,
     [(16, 17, 6, 5), (33, 24, 7, 5), (44, 14, 4, 4), (10, 29, 4, 3)])
item("Dire Wolf", 39, 35, wolf, Coat((62, 40, 40), belly=(120, 50, 44), eye=RED_EYE),
     hackles=True)
item("Dog", 27, 26, dog)
item("Dolphin", 77, 46, dolphin)
item("Eagle", 48, 48, eagle)
item("Giant Rat", 55, 29, rat, Coat((104, 76, 56), eye=RED_EYE), 2.4)
item("Goat", 36, 34, goat, Coat((170, 130, 92)), HORN)
item("Great Hart", 43, 54, deer, Coat((150, 92, 52)), True)
item("Grey Wolf", 39, 35, wolf, Coat((140, 140, 146), belly=(214, 214, 216)), saddle=(96, 96, 104))
item("Grizzly Bear", 60, 51, bear, Coat((140, 100, 64), belly=(190, 150, 110), detail=grizzled), 1.5)
item("Hell Hound", 39, 35, wolf, Coat((52, 40, 40), belly=(200, 70, 30), eye=YELLOW_EYE),
     flames=True)
item("Hind", 36, 39, deer, Coat((176, 120, 70)), False)
item("Horse", 67, 71, horse)
item("Jackrabbit", 10, 19, rabbit, Coat((196, 160, 110)), True)
item("Llama", 43, 61, llama)
item("Mountian Goat", 36, 34, goat, Coat(WHITE_ISH), (60, 56, 56))
item("Panther", 50, 40, big_cat, Coat((44, 40, 48), eye=YELLOW_EYE, nose=(90, 80, 90)))
item("Pig", 37, 30, pig)
item("Polar Bear", 71, 59, bear, Coat((238, 236, 226)), 2.5)
item("Rabbit", 10, 19, rabbit, Coat((140, 124, 110)), False)
item("Rat", 26, 14, rat, Coat((130, 126, 122)), 1.2)
item("Scorpion", 115, 97, scorpion)
item("Sheep", 24, 23, sheep)
item("Snake", 34, 15, snake)
item("Spider", 86, 54, spider)
item("Timber Wolf", 39, 35, wolf, Coat((128, 98, 66), belly=(200, 176, 140)), saddle=(60, 48, 40),
     tail_tip=(40, 32, 28))
item("Walrus", 70, 36, walrus)
item("White Wolf", 39, 35, wolf, Coat((236, 236, 232), belly=None, eye=(60, 100, 160)))
