"""A small pixel-art drawing vocabulary for the item and animal pictures.

A picture is a grid of RGB pixels on a white background. Shapes (polygons, ellipses, thick lines) are first
turned into masks, sets of (x, y) pixels whose centres lie inside the shape, so that several shapes can be
joined into one outline (a body with its legs) or cut out of each other (the hole of a pick). A mask is
then painted: its border pixels in a dark outline colour, the rest in the fill colour, optionally with
simple shading (lit from the top left) and a material texture (chain links, rings, studs, bone bands).

Coordinates are in pixels of the finished bitmap, x to the right and y downwards, floats allowed; a pixel
(x, y) covers the square from (x, y) to (x + 1, y + 1). `Picture.view` lets a drawing be written for one
size and drawn at another (the bears share a drawing at three sizes).
"""

import math

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


def mix(colour, other, amount):
    """The colour moved `amount` (0..1) of the way towards `other`."""
    return tuple(round(c + (o - c) * amount) for c, o in zip(colour, other))


def lighter(colour, amount=0.45):
    return mix(colour, WHITE, amount)


def darker(colour, amount=0.3):
    return mix(colour, BLACK, amount)


def outline_of(colour):
    """The default outline: the fill's own hue, dark enough to read against white."""
    return mix(colour, (20, 16, 16), 0.72)


AUTO = "auto"


class Picture:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.pixels = [[WHITE] * width for _ in range(height)]
        self.sx = 1.0
        self.sy = 1.0
        self.ox = 0.0
        self.oy = 0.0

    # -- coordinate view ---------------------------------------------------------------------------------

    def view(self, width, height, origin=(0.0, 0.0)):
        """Lets the following coordinates be given for a picture of width x height whose top left corner
        is at `origin`: the drawing is scaled to fit this picture."""
        self.sx = self.width / width
        self.sy = self.height / height
        self.ox, self.oy = origin

    def _pt(self, x, y):
        return (x - self.ox) * self.sx, (y - self.oy) * self.sy

    def inside(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height

    # -- masks -------------------------------------------------------------------------------------------

    def _cells(self, bounds):
        x0, y0, x1, y1 = bounds
        for y in range(max(0, math.floor(y0)), min(self.height, math.ceil(y1) + 1)):
            for x in range(max(0, math.floor(x0)), min(self.width, math.ceil(x1) + 1)):
                yield x, y

    def polygon_mask(self, points):
        pts = [self._pt(x, y) for x, y in points]
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        mask = set()
        for x, y in self._cells((min(xs), min(ys), max(xs), max(ys))):
            if _point_in_polygon(x + 0.5, y + 0.5, pts):
                mask.add((x, y))
        return mask

    def ellipse_mask(self, cx, cy, rx, ry, angle=0.0):
        """An ellipse around (cx, cy) with radii rx, ry, turned by `angle` degrees (clockwise on screen)."""
        cx, cy = self._pt(cx, cy)
        rx *= self.sx
        ry *= self.sy
        a = math.radians(angle)
        ca, sa = math.cos(a), math.sin(a)
        r = max(rx, ry)
        mask = set()
        for x, y in self._cells((cx - r, cy - r, cx + r, cy + r)):
            dx, dy = x + 0.5 - cx, y + 0.5 - cy
            u = dx * ca + dy * sa
            v = -dx * sa + dy * ca
            if (u / max(rx, 0.01)) ** 2 + (v / max(ry, 0.01)) ** 2 <= 1.0:
                mask.add((x, y))
        return mask

    def rect_mask(self, x0, y0, x1, y1):
        return self.polygon_mask([(x0, y0), (x1, y0), (x1, y1), (x0, y1)])

    def line_mask(self, points, width):
        """A thick line through the points with round joints and ends; width in pixels (at least 1)."""
        pts = [self._pt(x, y) for x, y in points]
        half = max(width * (self.sx + self.sy) / 2, 1.0) / 2
        mask = set()
        for (ax, ay), (bx, by) in zip(pts, pts[1:] or pts):
            box = (min(ax, bx) - half, min(ay, by) - half, max(ax, bx) + half, max(ay, by) + half)
            for x, y in self._cells(box):
                if _segment_distance(x + 0.5, y + 0.5, ax, ay, bx, by) <= half + 1e-9:
                    mask.add((x, y))
        return mask

    def arc_points(self, cx, cy, rx, ry, start, end, steps=24):
        """Points on an elliptic arc from `start` to `end` degrees (0 = right, 90 = down)."""
        return [(cx + rx * math.cos(math.radians(start + (end - start) * i / steps)),
                 cy + ry * math.sin(math.radians(start + (end - start) * i / steps)))
                for i in range(steps + 1)]

    # -- painting ----------------------------------------------------------------------------------------

    def paint(self, mask, fill, outline=AUTO, shade=None, texture=None):
        """Paints a mask: outline on its border, shading and texture inside.

        outline: a colour, AUTO (a dark shade of the fill) or None (no outline).
        shade:   None, "bevel" (a lit top-left rim and a shadowed bottom-right rim), "round" (a lit patch
                 at the upper left, shadow at the lower right) or "belly" (lit back, shadowed underside).
        texture: a function (x, y) -> None, "light", "dark" or an RGB colour, for the inner pixels.
        """
        if not mask:
            return
        if outline == AUTO:
            outline = outline_of(fill)
        light, dark = lighter(fill), darker(fill)
        border = {p for p in mask if outline is not None and _on_border(p, mask)}
        xs = [p[0] for p in mask]
        ys = [p[1] for p in mask]
        bx0, by0 = min(xs), min(ys)
        bw, bh = max(xs) - bx0 + 1, max(ys) - by0 + 1
        for (x, y) in mask:
            if (x, y) in border:
                colour = outline
            else:
                colour = fill
                tone = _shade_tone(shade, x, y, border, mask, (x - bx0 + 0.5) / bw, (y - by0 + 0.5) / bh)
                if texture is not None:
                    tone = texture(x, y) or tone
                if tone == "light":
                    colour = light
                elif tone == "dark":
                    colour = dark
                elif isinstance(tone, tuple):
                    colour = tone
            self.pixels[y][x] = colour

    def polygon(self, points, fill, **style):
        self.paint(self.polygon_mask(points), fill, **style)

    def ellipse(self, cx, cy, rx, ry, fill, angle=0.0, **style):
        self.paint(self.ellipse_mask(cx, cy, rx, ry, angle), fill, **style)

    def rect(self, x0, y0, x1, y1, fill, **style):
        self.paint(self.rect_mask(x0, y0, x1, y1), fill, **style)

    def line(self, points, width, fill, **style):
        self.paint(self.line_mask(points, width), fill, **style)

    def dot(self, x, y, colour):
        """Sets the pixel under the point (x, y): eyes, rivets, highlights."""
        px, py = self._pt(x, y)
        px, py = math.floor(px), math.floor(py)
        if self.inside(px, py):
            self.pixels[py][px] = colour

    def frame(self, start, end):
        return Frame(self, start, end)

    def colours(self):
        return {c for row in self.pixels for c in row}


class Frame:
    """Local coordinates along a straight object (a weapon's shaft) for drawing it at a slant.

    A point is (a, b): a is the fraction of the way from `start` (0) to `end` (1), b the distance in pixels
    across, positive to the left when looking from start to end. Weapons are described upright, handle at
    a = 0 and tip or head at a = 1, and the frame lays them along the picture's diagonal.
    """

    def __init__(self, picture, start, end):
        self.picture = picture
        self.start = start
        dx, dy = end[0] - start[0], end[1] - start[1]
        self.length = math.hypot(dx, dy)
        self.dx, self.dy = dx, dy
        self.nx, self.ny = dy / self.length, -dx / self.length

    def p(self, a, b=0.0):
        return (self.start[0] + self.dx * a + self.nx * b, self.start[1] + self.dy * a + self.ny * b)

    def pts(self, points):
        return [self.p(a, b) for a, b in points]

    def mirrored(self, profile):
        """A shape symmetric about the axis from a profile of (a, half width) pairs."""
        return self.pts([(a, w) for a, w in profile] + [(a, -w) for a, w in reversed(profile)])

    def polygon_mask(self, points):
        return self.picture.polygon_mask(self.pts(points))

    def polygon(self, points, fill, **style):
        self.picture.polygon(self.pts(points), fill, **style)

    def symmetric(self, profile, fill, **style):
        self.picture.polygon(self.mirrored(profile), fill, **style)

    def line(self, points, width, fill, **style):
        self.picture.line(self.pts(points), width, fill, **style)

    def line_mask(self, points, width):
        return self.picture.line_mask(self.pts(points), width)

    def ellipse(self, a, b, r_along, r_across, fill, **style):
        angle = math.degrees(math.atan2(self.dy, self.dx))
        x, y = self.p(a, b)
        self.picture.ellipse(x, y, r_along, r_across, fill, angle=angle, **style)

    def dot(self, a, b, colour):
        self.picture.dot(*self.p(a, b), colour)


def _point_in_polygon(x, y, pts):
    inside = False
    j = len(pts) - 1
    for i in range(len(pts)):
        xi, yi = pts[i]
        xj, yj = pts[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def _segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def _on_border(p, mask):
    x, y = p
    return any((x + dx, y + dy) not in mask for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))


def _shade_tone(shade, x, y, border, mask, u, v):
    if shade is None:
        return None
    if shade == "bevel":
        if (x - 1, y) in border or (x, y - 1) in border:
            return "light"
        if (x + 1, y) in border or (x, y + 1) in border:
            return "dark"
        return None
    if shade == "round":
        if (u - 0.32) ** 2 + (v - 0.3) ** 2 < 0.05:
            return "light"
        if u + v > 1.45:
            return "dark"
        return None
    if shade == "belly":
        if v > 0.72:
            return "dark"
        if v < 0.22 and (x, y - 1) in border:
            return "light"
        return None
    raise ValueError("unknown shade " + shade)


# -- material textures for the armour --------------------------------------------------------------------

def chain_links(x, y):
    """Fine interlocking links: short lit links with dark gaps, each row offset by half a link."""
    r = (x + (y % 2) * 2) % 4
    return "light" if r == 0 else "dark" if r == 2 else None


RING_LIT = (214, 218, 226)
RING_STEEL = (176, 180, 190)
RING_SHADOW = (132, 136, 148)


def ring_links(x, y):
    """Separate steel rings, three pixels across with the backing showing through their middles, sewn on
    in offset rows with gaps between them."""
    row = y // 4
    rx, ry = (x + (row % 2) * 2) % 4, y % 4
    if rx == 3 or ry == 3 or (rx, ry) == (1, 1):
        return None
    return RING_LIT if rx + ry < 2 else RING_SHADOW if rx + ry > 2 else RING_STEEL


def studs(x, y):
    """Metal studs set in leather, in offset rows."""
    row = y // 3
    if y % 3 == 1 and (x + (row % 2) * 2) % 4 == 1:
        return (205, 205, 210)
    return None


def bone_bands(x, y):
    """Joints between bone plates."""
    return "dark" if y % 4 == 0 else None


def stitches(x, y):
    return "dark" if y % 5 == 2 and x % 2 == 0 else None
