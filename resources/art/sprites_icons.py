"""Icons (blank = transparent), the check bitmap and the eyedropper cursor."""

from canvas import Canvas


def _rows(c):
    return "\n".join(c.rows())


def _cards():
    c = Canvas(16, 16, " ")
    c.fill(3, 1, 12, 14, "w")
    c.frame(3, 1, 12, 14, "k")
    c.set(3, 1, " ")
    c.set(12, 1, " ")
    c.set(3, 14, " ")
    c.set(12, 14, " ")
    c.vline(13, 3, 15, "g")
    c.hline(4, 13, 15, "g")
    c.paste("""
_kk_kk_
krrkrrk
krwrrrk
krrrrrk
_krrrk_
__krk__
___k___
""", 4, 5)
    c.set(5, 3, "r")
    c.set(10, 12, "r")
    return _rows(c)


def _computer():
    c = Canvas(16, 16, " ")
    c.fill(1, 0, 14, 10, ".")
    c.frame(1, 0, 14, 10, "k")
    c.fill(3, 2, 12, 8, "B")
    c.hline(4, 6, 3, "c")
    c.set(4, 4, "c")
    c.vline(13, 1, 9, "w")
    c.fill(6, 11, 9, 11, "g")
    c.hline(6, 9, 11, "k")
    c.fill(1, 12, 14, 15, ".")
    c.frame(1, 12, 14, 15, "k")
    for x in range(3, 13, 2):
        c.set(x, 13, "g")
        c.set(x + 1, 14, "g")
    return _rows(c)


def _bomb():
    c = Canvas(16, 16, " ")
    c.disc(6.5, 9.5, 5.6, "k")
    c.set(4, 7, "g")
    c.set(5, 6, "g")
    c.set(4, 8, "w")
    c.fill(9, 3, 10, 4, "g")
    c.set(11, 2, "Y")
    c.set(12, 1, "Y")
    c.paste("""
_r_y_
rryrr
_ryr_
y_r_y
""", 11, 0)
    return _rows(c)


def _tree():
    c = Canvas(16, 16, " ")
    c.paste("""
_____GGG_____
___GGlllGG___
__GlllllllG__
_GllGllllllG_
_GlllllllGlG_
GlllllllllllG
GllGlllllllGG
_GlllllGlllG_
__GGllllllG__
____GGGGGG___
""", 1, 0)
    c.fill(6, 10, 8, 14, "R")
    c.vline(7, 10, 14, "Y")
    c.hline(3, 11, 15, "G")
    return _rows(c)


def _sheet_ab():
    c = Canvas(16, 16, " ")
    c.fill(2, 0, 13, 15, "w")
    c.frame(2, 0, 13, 15, "k")
    c.paste("""
kk
_k
""", 12, 0)
    c.set(11, 0, "k")
    c.set(13, 1, "k")
    c.set(12, 1, "g")
    c.set(13, 0, " ")
    c.paste("""
______B___
______B___
BBB___BBB_
___B__B__B
_BBB__B__B
B__B__B__B
_BBB__BBB_
""", 3, 5)
    return _rows(c)


def _person():
    c = Canvas(16, 16, " ")
    c.paste("""
_____kkkkk_____
____kyyyyyk____
___kyyyyyyyk___
___kyykyykyk___
___kyyyyyyyk___
___kyykkkyyk___
____kyyyyyk____
_____kkkkk_____
___kkbbbbbkk___
__kbbbbbbbbbk__
_kbbbbbbbbbbbk_
_kbbbbbbbbbbbk_
_kbbbbbbbbbbbk_
_kkkkkkkkkkkkk_
""", 0, 1)
    return _rows(c)


def _quill(c, nib, top, vane):
    """A feather from the nib to the top; `vane` is its widest half-width in pixels."""
    import math

    (x0, y0), (x1, y1) = nib, top
    length = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / length, (y1 - y0) / length
    inside = set()
    for y in range(c.height):
        for x in range(c.width):
            t = ((x - x0) * ux + (y - y0) * uy) / length
            d = (x - x0) * uy - (y - y0) * ux
            if 0.22 < t <= 1.0:
                width = vane * math.sin(math.pi * (t - 0.22) / 0.78) ** 0.6
                if -width * 0.7 <= d <= width:
                    inside.add((x, y))
            elif 0.0 <= t <= 0.22 and abs(d) < 0.75:
                c.set(x, y, "k")
    for x, y in inside:
        edge = any((x + dx, y + dy) not in inside for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
        c.set(x, y, "k" if edge else "w")
    steps = int(length)
    for i in range(int(steps * 0.22), steps):
        c.set(round(x0 + ux * i), round(y0 + uy * i), "g")


def _program():
    """A quill over a page with a tag on it."""
    c = Canvas(32, 32, " ")
    c.fill(3, 4, 22, 29, "w")
    c.frame(3, 4, 22, 29, "k")
    c.vline(23, 6, 30, "g")
    c.hline(5, 23, 30, "g")
    for y, right in ((8, 18), (11, 15), (23, 19), (26, 14)):
        c.hline(6, right, y, "g")
    c.paste("""
___B______B___
__B__BB_B__B__
_B___B__B___B_
B___B___B____B
_B__B__B____B_
__B_B__B___B__
___B___B______
""", 5, 14)
    _quill(c, (13, 22), (30, 1), 4.2)
    return _rows(c)


def _program_small():
    c = Canvas(16, 16, " ")
    c.fill(1, 2, 11, 15, "w")
    c.frame(1, 2, 11, 15, "k")
    for y in (4, 6, 8):
        c.hline(3, 6, y, "g")
    c.paste("""
_B___B_
B_____B
_B___B_
""", 3, 11)
    _quill(c, (7, 11), (15, 0), 2.4)
    return _rows(c)


def _browse():
    """An open folder."""
    c = Canvas(16, 16, " ")
    c.paste("""
_kkkk__________
kyyyyk_________
kywyyykkkkkkk__
kwyyyyyyyyyyyk_
kyykkkkkkkkkkkk
kyk.yyyyyyyyyyk
kyky.yyyyyyyyk_
kkyyyyyyyyyyyk_
kk.yyyyyyyyyk__
kkyyyyyyyyyyk__
kkkkkkkkkkkkk__
""", 0, 3)
    return _rows(c)


def _gradation():
    """An arrow from one colour to another, in colour steps."""
    c = Canvas(32, 32, " ")
    steps = "RrrryyyllGGcccbbB"
    for i, colour in enumerate(steps):
        x = 3 + i
        c.vline(x, 11, 20, colour)
    for i in range(9):
        x = 20 + i
        c.vline(x, 6 + i, 25 - i, steps[-1] if i < 4 else "B")
    # Outline.
    c.hline(2, 19, 10, "k")
    c.hline(2, 19, 21, "k")
    c.vline(2, 10, 21, "k")
    c.line(19, 10, 19, 5, "k")
    c.line(19, 26, 19, 21, "k")
    c.line(19, 5, 29, 15, "k")
    c.line(19, 26, 29, 16, "k")
    return _rows(c)


def _check():
    c = Canvas(19, 19, ".")
    c.paste("""
______k
_____kk
k___kkk
kk_kkk_
kkkkk__
_kkk___
__k____
""", 6, 6)
    return _rows(c)


def _eyedropper():
    """Tip at (9, 22), bulb at the upper right."""
    c = Canvas(32, 32, " ")
    # Glass tube from the tip up and right, black edges around a white inside.
    for i in range(9):
        x, y = 10 + i, 21 - i
        c.set(x, y, "w")
        c.set(x - 1, y, "k")
        c.set(x, y + 1, "k")
        c.set(x + 1, y - 1, "w" if i < 8 else "k")
        c.set(x + 1, y + 1, "k")
        c.set(x + 2, y, "k")
    c.set(9, 22, "k")
    c.set(10, 22, "k")
    c.set(9, 21, "k")
    # Collar and bulb.
    c.paste("""
____kkk__
___kkkkk_
__kkkkkkk
_kkkkkkkk
kkkkkkkk_
_kkkkkk__
__kkkk___
""", 18, 7)
    c.disc(24.5, 7.5, 3.2, "k")
    return _rows(c)


CARDS = _cards()
COMPUTER = _computer()
BOMB = _bomb()
TREE = _tree()
SHEET_AB = _sheet_ab()
PERSON = _person()
PROGRAM = _program()
PROGRAM_SMALL = _program_small()
BROWSE = _browse()
GRADATION = _gradation()
CHECK = _check()
EYEDROPPER = _eyedropper()
