"""Every page but the font and symbol pages, each producing its fragment from what is
typed into its fields and pressed on its tool bar."""
from quillet_e2e import MAIN_FIELD, Run

ADDRESS_FIELD = (139, 129)  # field 1021 of the hyperlink page
CENTRE = (50, 112)  # alignment button of the paragraph page

BLACK = '<Font Color="000000">{}</Font>'

# page, [(point to click, text to type)], points to click after, fragment
ROWS = [
    (1, [(MAIN_FIELD, "aあbいc")], [], "".join(BLACK.format(c) for c in "aあbいc")),
    (2, [(MAIN_FIELD, "段落です")], [CENTRE], '<P Align="Center">段落です</P>'),
    (3, [(MAIN_FIELD, "リンク"), (ADDRESS_FIELD, "http://example.com/a b")], [],
     '<A Href="http://example.com/a b">リンク</A>'),
    (4, [(MAIN_FIELD, "流れる文字")], [], "<Marquee>流れる文字</Marquee>"),
    (5, [(MAIN_FIELD, "画像/絵.gif")], [], '<Img Src="画像/絵.gif">'),
]

with Run("pages") as run:
    run.start()
    for page, fields, presses, fragment in ROWS:
        run.tab(page)
        for point, text in fields:
            run.click(*point)
            run.type_text(text)
        for point in presses:
            run.click(*point)
        run.click(*MAIN_FIELD)
        run.copy_fragment(fragment)
