"""A tiny pixel canvas for the pictures that are easier drawn than typed."""


class Canvas:
    def __init__(self, width, height, background="."):
        self.width = width
        self.height = height
        self.pixels = [[background] * width for _ in range(height)]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def paste(self, text, x0, y0):
        """A character grid at (x0, y0); "_" leaves the pixel underneath."""
        for dy, row in enumerate(text.strip("\n").split("\n")):
            for dx, ch in enumerate(row):
                if ch != "_":
                    self.set(x0 + dx, y0 + dy, ch)

    def fill(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        self.hline(x0, x1, y0, colour)
        self.hline(x0, x1, y1, colour)
        self.vline(x0, y0, y1, colour)
        self.vline(x1, y0, y1, colour)

    def hline(self, x0, x1, y, colour):
        self.fill(x0, y, x1, y, colour)

    def vline(self, x, y0, y1, colour):
        self.fill(x, y0, x, y1, colour)

    def line(self, x0, y0, x1, y1, colour):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.set(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def disc(self, cx, cy, r, colour, outline=None):
        """A filled circle of centre (cx, cy) (may be half-integer), with an optional rim."""
        for y in range(self.height):
            for x in range(self.width):
                d = (x - cx) ** 2 + (y - cy) ** 2
                if d <= r * r:
                    inner = outline is not None and d > (r - 1) ** 2
                    self.set(x, y, outline if inner else colour)

    def rows(self):
        return ["".join(row) for row in self.pixels]
