"""Prints the share of pixels, in percent, that differ clearly between two screenshots of the same size,
compared at a quarter of their size in each direction."""
import sys

from PIL import Image, ImageChops


def main():
    a, b = (Image.open(path).convert("L").reduce(4) for path in sys.argv[1:3])
    difference = ImageChops.difference(a, b)
    changed = sum(1 for value in difference.getdata() if value > 24)
    print(round(100 * changed / (a.width * a.height), 2))


main()
