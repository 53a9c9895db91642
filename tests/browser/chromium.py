"""Headless Chromium for the tests: a page rendered to a picture at a fixed size, and the
pictures compared pixel by pixel. Standard library only, so that any test can import it.

    from chromium import Chromium, read_png
    with Chromium() as browser:
        browser.screenshot("page.html", "page.png", width=640, height=120)
        html = browser.dump_dom("page.html", width=640)
    picture = read_png("page.png")

Each Chromium gets a temporary profile of its own, so runs never meet; as root (a
container) the sandbox cannot start and is switched off.
"""
import os
import shutil
import struct
import subprocess
import tempfile
import zlib

CANDIDATES = ("chromium", "chromium-browser", "google-chrome")


def find_binary():
    for name in CANDIDATES:
        path = shutil.which(name)
        if path:
            return path
    return None


class Chromium:
    def __init__(self, binary=None, timeout=60):
        self.binary = binary or find_binary()
        if self.binary is None:
            raise RuntimeError("no Chromium found: run `make deps`")
        self.timeout = timeout
        self.profile = None

    def __enter__(self):
        self.profile = tempfile.mkdtemp(prefix="quillet-chromium-")
        return self

    def __exit__(self, *_):
        shutil.rmtree(self.profile, ignore_errors=True)

    def screenshot(self, page, png, width=800, height=200, virtual_ms=None):
        """Renders `page` (a path or URL) into `png`. `virtual_ms` lets that much virtual
        time pass first, which moves animations without waiting for the clock."""
        self._run(page, [f"--window-size={width},{height}",
                         f"--screenshot={os.path.abspath(png)}"], virtual_ms)
        if not os.path.exists(png):
            raise RuntimeError(f"chromium wrote no picture of {page}")
        return png

    def dump_dom(self, page, width=800, height=200, virtual_ms=None):
        """The page's DOM as HTML once it has loaded and its scripts have run."""
        return self._run(page, [f"--window-size={width},{height}", "--dump-dom"], virtual_ms)

    def _run(self, page, arguments, virtual_ms):
        url = page if "://" in page else "file://" + os.path.abspath(page)
        command = [self.binary, "--headless", "--disable-gpu", "--hide-scrollbars",
                   "--force-device-scale-factor=1", "--no-first-run",
                   "--no-default-browser-check", "--disable-extensions",
                   "--font-render-hinting=none", "--force-color-profile=srgb",
                   f"--user-data-dir={self.profile}", *arguments]
        if virtual_ms is not None:
            command.append(f"--virtual-time-budget={virtual_ms}")
        if hasattr(os, "geteuid") and os.geteuid() == 0:
            command.append("--no-sandbox")
        command.append(url)
        result = subprocess.run(command, capture_output=True, text=True, timeout=self.timeout)
        if result.returncode != 0:
            raise RuntimeError(f"chromium failed on {page}:\n{result.stderr[-2000:]}")
        return result.stdout


class Picture:
    """RGB pixels, row by row."""

    def __init__(self, width, height, rows):
        self.width, self.height, self.rows = width, height, rows

    def pixel(self, x, y):
        row = self.rows[y]
        return tuple(row[3 * x:3 * x + 3])

    def columns_where(self, test):
        """The x of every column with at least one pixel for which test(rgb) holds."""
        return [x for x in range(self.width)
                if any(test(self.pixel(x, y)) for y in range(self.height))]


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else (b if pb <= pc else c)


def read_png(path):
    """An 8-bit RGB or RGBA PNG as a Picture (alpha dropped)."""
    with open(path, "rb") as file:
        data = file.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path} is no PNG")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace:
        raise ValueError(f"{path}: unsupported PNG (depth {depth}, colour {colour})")
    channels = 3 if colour == 2 else 4
    stride = width * channels
    raw = zlib.decompress(idat)
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            upper_left = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                line[i] = (line[i] + _paeth(left, up, upper_left)) & 0xFF
        previous = line
        if channels == 4:
            line = bytearray(b for i, b in enumerate(line) if i % 4 != 3)
        rows.append(bytes(line))
    return Picture(width, height, rows)


def write_png(path, width, height, rgb):
    """A solid picture of one colour, for pages that need an image."""
    line = b"\x00" + bytes(rgb) * width
    chunks = [(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)),
              (b"IDAT", zlib.compress(line * height)), (b"IEND", b"")]
    with open(path, "wb") as file:
        file.write(b"\x89PNG\r\n\x1a\n")
        for kind, body in chunks:
            file.write(struct.pack(">I", len(body)) + kind + body)
            file.write(struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))


def differing_pixels(a, b):
    """How many pixels differ; every pixel when the sizes differ."""
    if (a.width, a.height) != (b.width, b.height):
        return max(a.width * a.height, b.width * b.height)
    count = 0
    for row_a, row_b in zip(a.rows, b.rows):
        if row_a != row_b:
            count += sum(1 for x in range(a.width) if row_a[3 * x:3 * x + 3] != row_b[3 * x:3 * x + 3])
    return count
