"""Every page's fragment in both styles, rendered by headless Chromium: the two pictures
are the same, except where they differ by design (a moving scrolling text, symbols drawn
as characters instead of a symbol face, a superscript or subscript raised in a paragraph)."""
import os
import pathlib
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(__file__))
from chromium import Chromium, differing_pixels, read_png, write_png  # noqa: E402

WIDTH, HEIGHT = 640, 160


def main():
    dump, folder = sys.argv[1], pathlib.Path(sys.argv[2])
    shutil.rmtree(folder, ignore_errors=True)
    subprocess.run([dump, str(folder)], check=True)
    write_png(folder / "pic.png", 40, 30, (200, 30, 30))
    cases = [line.split() for line in (folder / "cases.txt").read_text().splitlines()]
    failures, compared = [], 0
    with Chromium() as browser:
        for name, look in cases:
            if look != "same":
                continue
            pictures = []
            for style in ("present", "html5"):
                png = folder / f"{name}.{style}.png"
                browser.screenshot(str(folder / f"{name}.{style}.html"), str(png), WIDTH, HEIGHT,
                                   virtual_ms=1000)
                pictures.append(read_png(png))
            compared += 1
            differing = differing_pixels(*pictures)
            if differing:
                failures.append(f"{name}: {differing} pixels differ")
    print(f"compared {compared} fragments in both styles")
    for failure in failures:
        print(failure)
    return 1 if failures or compared == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
