"""Tab images, 20 x 20, light grey (.) transparent. The lower right corner is left free
for the marks of the included and the not-combinable variants."""

from canvas import Canvas


def _font():
    c = Canvas(20, 20)
    c.paste("""
______kkk_______
______kkk_______
_____kkkkk______
_____kk_kkk_____
____kkk_kkk_____
____kk___kkk____
___kkk___kkk____
___kkkkkkkkkk___
__kkk_____kkk___
__kk_______kkk__
_kkk_______kkk__
kkkkk_____kkkkkk
""", 0, 3)
    c.paste("""
_kkk_
k___k
__kkk
_k__k
k___k
_kkkk
""", 15, 8)
    return "\n".join(c.rows())


def _gradation():
    c = Canvas(20, 20)
    c.frame(1, 3, 18, 15, "k")
    bands = "rryyyllllcccbbbB"
    for i, colour in enumerate(bands):
        c.vline(2 + i, 4, 14, colour)
    return "\n".join(c.rows())


def _gradation_greyed():
    """The colour steps cannot be told apart in grey; a dithered ramp shows the idea."""
    c = Canvas(20, 20)
    c.frame(1, 3, 18, 15, "g")
    for i in range(16):
        for y in range(4, 15):
            dark = (i < 5) or (i < 11 and (i + y) % 2 == 0)
            c.set(2 + i, y, "g" if dark else "w")
    return "\n".join(c.rows())


def _paragraph():
    c = Canvas(20, 20)
    c.paste("""
___kkkkkkkk
_kkkkkkk_k_
kkkkkkkk_k_
kkkkkkkk_k_
kkkkkkkk_k_
_kkkkkkk_k_
___kkkkk_k_
_______k_k_
_______k_k_
_______k_k_
_______k_k_
_______k_k_
_______k_k_
_______k_k_
______kk_kk
""", 1, 2)
    for y in (3, 6, 9):
        c.hline(13, 18, y, "g")
    return "\n".join(c.rows())


def _link(c, x0, y0, x1, y1, colour, light):
    c.hline(x0 + 1, x1 - 1, y0, colour)
    c.hline(x0 + 1, x1 - 1, y1, colour)
    c.vline(x0, y0 + 1, y1 - 1, colour)
    c.vline(x1, y0 + 1, y1 - 1, colour)
    c.hline(x0 + 2, x1 - 2, y0 + 1, light)
    c.hline(x0 + 2, x1 - 2, y1 - 1, colour)
    c.vline(x0 + 1, y0 + 2, y1 - 2, light)
    c.vline(x1 - 1, y0 + 2, y1 - 2, colour)


def _hyperlink():
    c = Canvas(20, 20)
    _link(c, 0, 3, 10, 9, "B", "b")
    _link(c, 7, 7, 17, 13, "B", "b")
    # The first link passes in front of the second on its lower edge.
    c.hline(8, 9, 8, "B")
    c.hline(8, 9, 9, "B")
    c.set(8, 8, "b")
    return "\n".join(c.rows())


def _marquee():
    c = Canvas(20, 20)
    c.fill(1, 3, 18, 11, "w")
    c.frame(1, 3, 18, 11, "k")
    c.paste("""
______k___
______k___
kkk___kkk_
___k__k__k
_kkk__k__k
k__k__k__k
_kkk__kkk_
""", 4, 4)
    c.paste("""
__k_______
_kk_______
kkkkkkkkkk
_kk_______
__k_______
""", 1, 13)
    return "\n".join(c.rows())


def _image():
    c = Canvas(20, 20)
    c.fill(1, 3, 18, 16, "c")
    c.frame(1, 3, 18, 16, "k")
    c.disc(13.5, 6.5, 2, "y")
    c.paste("""
_____G__________
____GlG_________
___GlllG____G___
__GlllllG__GlG__
_GlllllllGGlllG_
GlllllllllllllG_
llllllllllllllll
""", 2, 9)
    return "\n".join(c.rows())


def _symbol():
    c = Canvas(20, 20)
    c.paste("""
____k____
___kkk___
__kkkkk__
_kkkkkkk_
kkkkkkkkk
kkkkkkkkk
_kk_k_kk_
____k____
___kkk___
""", 10, 1)
    c.paste("""
_kkk_kkk_
krrrkrrrk
krwrrrrrk
krrrrrrrk
_krrrrrk_
__krrrk__
___krk___
____k____
""", 0, 8)
    return "\n".join(c.rows())


FONT = _font()
GRADATION = _gradation()
GRADATION_GREYED = _gradation_greyed()
PARAGRAPH = _paragraph()
HYPERLINK = _hyperlink()
MARQUEE = _marquee()
IMAGE = _image()
SYMBOL = _symbol()

# A badge in the highlight colour (magenta) with a white tick.
INCLUDED_MARK = "\n".join(["_" * 20] * 11 + [
    "___________.........",
    "___________..mmmmmm.",
    "___________.mmmmmmwm",
    "___________.mmmmmwwm",
    "___________.mwmmwwmm",
    "___________.mwwwwmmm",
    "___________.mmwwmmmm",
    "___________.mmmmmmmm",
    "___________..mmmmmm.",
])

# A red no-entry badge on the greyed picture.
EXCLUDED_MARK = "\n".join(["_" * 20] * 11 + [
    "___________.........",
    "___________..rrrrrr.",
    "___________.rrrrrrrr",
    "___________.rrrrrrrr",
    "___________.rwwwwwwr",
    "___________.rwwwwwwr",
    "___________.rrrrrrrr",
    "___________.rrrrrrrr",
    "___________..rrrrrr.",
])
