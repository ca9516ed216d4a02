"""Prints how many pixels differ clearly (by more than 24 levels in a channel) between two pictures of
the same size, or "size" when their sizes differ."""
import sys

from PIL import Image, ImageChops


def main():
    a, b = (Image.open(path).convert("RGB") for path in sys.argv[1:3])
    if a.size != b.size:
        print("size")
        return
    difference = ImageChops.difference(a, b)
    print(sum(1 for pixel in difference.getdata() if max(pixel) > 24))


main()
