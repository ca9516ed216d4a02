"""Prints pixel statistics of a screenshot, reduced to a quarter of its size in each direction: total, lit,
magenta, cyan and green counts, over the whole image and over its central half (the middle 50% in each
direction), as key=value pairs."""
import sys

from PIL import Image


def classify(pixel):
    r, g, b = pixel[:3]
    lit = max(r, g, b) > 24
    magenta = r > 60 and b > 60 and g < min(r, b) * 0.6
    cyan = g > 60 and b > 60 and r < min(g, b) * 0.6
    green = g > 60 and max(r, b) < g * 0.6
    return lit, magenta, cyan, green


def stats(image, box):
    counts = {"total": 0, "lit": 0, "magenta": 0, "cyan": 0, "green": 0}
    for pixel in image.crop(box).getdata():
        lit, magenta, cyan, green = classify(pixel)
        counts["total"] += 1
        counts["lit"] += lit
        counts["magenta"] += magenta
        counts["cyan"] += cyan
        counts["green"] += green
    return counts


def main():
    # A quarter of the resolution in each direction is plenty for counting, and sixteen times faster.
    image = Image.open(sys.argv[1]).convert("RGB").reduce(4)
    w, h = image.size
    whole = stats(image, (0, 0, w, h))
    centre = stats(image, (w // 4, h // 4, w - w // 4, h - h // 4))
    print(f"width={w} height={h}")
    for key, value in whole.items():
        print(f"{key}={value}")
    for key, value in centre.items():
        print(f"centre_{key}={value}")


main()
