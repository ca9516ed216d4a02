#!/usr/bin/python3
"""Draws the program's icon, a magenta van seen from the side, and writes it as a Windows .ico file.

Usage: /usr/bin/python3 tools/make_icon.py resources/windows/studio.ico
"""
import sys

from PIL import Image, ImageDraw

CANVAS = 256
SIZES = [(16, 16), (24, 24), (32, 32), (48, 48), (64, 64), (128, 128), (256, 256)]

MAGENTA = (255, 0, 255, 255)
CYAN = (0, 255, 255, 255)
BLACK = (0, 0, 0, 255)
GREY = (96, 96, 96, 255)
AMBER = (255, 200, 0, 255)


def draw_van() -> Image.Image:
    image = Image.new("RGBA", (CANVAS, CANVAS), (0, 0, 0, 0))
    pen = ImageDraw.Draw(image)
    # A tall box body with a slanted nose, so it reads as a van even at 16 pixels.
    pen.polygon([(16, 56), (196, 56), (240, 120), (240, 200), (16, 200)], fill=MAGENTA, outline=BLACK)
    # Side windows and the windscreen.
    for left in (32, 88, 144):
        pen.rectangle([left, 76, left + 44, 120], fill=CYAN, outline=BLACK, width=3)
    pen.polygon([(200, 76), (226, 120), (200, 120)], fill=CYAN, outline=BLACK)
    pen.rectangle([226, 140, 240, 156], fill=AMBER)
    # Two axles.
    for centre in (64, 192):
        pen.ellipse([centre - 30, 170, centre + 30, 230], fill=BLACK)
        pen.ellipse([centre - 12, 188, centre + 12, 212], fill=GREY)
    return image


def main() -> None:
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    draw_van().save(sys.argv[1], format="ICO", sizes=SIZES)


if __name__ == "__main__":
    main()
