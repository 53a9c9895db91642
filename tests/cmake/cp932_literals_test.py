#!/usr/bin/env python3
"""The literal rewriting through which every compiler builds Qt-free code in code page 932."""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "cmake"))
import cp932_literals  # noqa: E402


class ConvertTest(unittest.TestCase):
    def test_rewrites_only_plain_narrow_literals(self):
        cases = [
            # 表 ends in byte 5C, which must not read as a backslash.
            ('"表"', r'"\225\134"'),
            ("'ア'", r"'\203\101'"),
            # A digit after an escape stays a character of its own.
            ('"表1"', r'"\225\1341"'),
            (r'"\"あ\\"', r'"\"\202\240\\"'),
            ('"a" "あ"', r'"a" "\202\240"'),
            # Same bytes as iconv gives: IBM extensions before NEC's copies.
            ('"ⅰ"', r'"\372\100"'),
            ('u8"あ" u"あ" U"あ" L"あ" u8R"x(あ)x" R"(a)"', 'u8"あ" u"あ" U"あ" L"あ" u8R"x(あ)x" R"(a)"'),
            ("// 'あ\n/* \"あ */ int x = 1'000; char c = 'あ';",
             "// 'あ\n/* \"あ */ int x = 1'000; char c = '\\202\\240';"),
            # An apostrophe in a directive ends at the line's end.
            ("#error don't\n\"あ\"", "#error don't\n\"\\202\\240\""),
        ]
        for source, expected in cases:
            with self.subTest(source=source):
                self.assertEqual(cp932_literals.convert(source), expected)

    def test_refuses_what_it_cannot_convert(self):
        for source in ['R"(あ)"', '"😀"']:
            with self.subTest(source=source):
                with self.assertRaises(cp932_literals.SourceError):
                    cp932_literals.convert(source)


if __name__ == "__main__":
    unittest.main()
