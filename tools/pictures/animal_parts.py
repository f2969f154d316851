"""What the animal drawings share: their colours, the coat an animal is drawn in, and the masks that join
body parts into one silhouette."""

from dataclasses import dataclass

BLACK = (24, 20, 20)
WHITE_ISH = (244, 242, 236)
PINK = (232, 160, 160)
HOOF = (60, 48, 40)
HORN = (222, 206, 168)
RED_EYE = (230, 30, 20)
YELLOW_EYE = (236, 210, 60)


def join(*masks):
    result = set()
    for mask in masks:
        result |= mask
    return result


def legs(p, tops_and_feet, width):
    return join(*(p.line_mask([top, foot], width) for top, foot in tops_and_feet))


@dataclass
class Coat:
    fill: tuple
    belly: tuple = None
    eye: tuple = BLACK
    nose: tuple = BLACK
    detail: tuple = None
