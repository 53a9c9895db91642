#!/usr/bin/env python3
"""Copies a C++ source file, writing each non-ASCII character of its plain narrow string and
character literals as octal escapes of its code page 932 bytes.

Every compiler builds Qt-free code from these copies instead of the sources, so all of them
compile the same bytes; the characters are converted by iconv. Everything else stays as it
was, comments and u8/u/U/L literals included, line for line, and a #line directive points
diagnostics and __FILE__ at the original file.

usage: cp932_literals.py SOURCE COPY
"""

import os
import subprocess
import sys

PREFIXES = {"u8", "u", "U", "L", "R", "u8R", "uR", "UR", "LR"}


class SourceError(Exception):
    pass


def line_of(text, pos):
    return text.count("\n", 0, pos) + 1


def skip_quoted(text, pos, quote):
    """Index just past the literal opening at text[pos], or at the line's end if unclosed."""
    pos += 1
    while pos < len(text):
        c = text[pos]
        if c == "\\":
            pos += 2
        elif c == quote:
            return pos + 1
        elif c == "\n":
            return pos
        else:
            pos += 1
    return pos


def skip_raw(text, pos):
    """Index just past the raw literal whose quote is at text[pos]."""
    open_paren = text.find("(", pos)
    if open_paren < 0:
        raise SourceError(f"line {line_of(text, pos)}: malformed raw string literal")
    end = text.find(")" + text[pos + 1 : open_paren] + '"', open_paren)
    if end < 0:
        raise SourceError(f"line {line_of(text, pos)}: unterminated raw string literal")
    return end + open_paren - pos + 1


def skip_comment(text, pos):
    if text.startswith("//", pos):
        while True:
            end = text.find("\n", pos)
            if end < 0:
                return len(text)
            # A backslash at the end of the line splices the next line into the comment.
            if text[end - 1] == "\\" or text[end - 2 : end] == "\\\r":
                pos = end + 1
                continue
            return end
    end = text.find("*/", pos + 2)
    return len(text) if end < 0 else end + 2


def skip_pp_number(text, pos):
    pos += 1
    while pos < len(text):
        c = text[pos]
        if c in "eEpP" and text[pos + 1 : pos + 2] in ("+", "-"):
            pos += 2
        elif c == "'" and (text[pos + 1 : pos + 2].isalnum() or text[pos + 1 : pos + 2] == "_"):
            pos += 2  # a digit separator
        elif c.isalnum() or c in "._":
            pos += 1
        else:
            break
    return pos


def narrow_literals(text):
    """(start, end) of every plain narrow string or character literal."""
    spans = []
    pos = 0
    while pos < len(text):
        c = text[pos]
        if c == "/" and text[pos + 1 : pos + 2] in ("/", "*"):
            pos = skip_comment(text, pos)
        elif c.isdigit() or (c == "." and text[pos + 1 : pos + 2].isdigit()):
            pos = skip_pp_number(text, pos)
        elif c.isalpha() or c == "_":
            start = pos
            while pos < len(text) and (text[pos].isalnum() or text[pos] == "_"):
                pos += 1
            prefix = text[start:pos]
            if pos < len(text) and text[pos] in "\"'" and prefix in PREFIXES:
                if "R" in prefix and text[pos] == '"':
                    end = skip_raw(text, pos)
                    if prefix == "R" and not text[pos:end].isascii():
                        raise SourceError(
                            f"line {line_of(text, pos)}: a raw literal cannot hold code page"
                            " 932 text here; write it as an ordinary literal")
                    pos = end
                else:
                    pos = skip_quoted(text, pos, text[pos])
        elif c in "\"'":
            end = skip_quoted(text, pos, c)
            spans.append((pos, end))
            pos = end
        else:
            pos += 1
    return spans


def cp932_bytes(characters):
    """The code page 932 bytes of each character, as iconv converts them."""
    characters = sorted(characters)
    # With -c a character without a code comes out as an empty line.
    result = subprocess.run(["iconv", "-c", "-f", "UTF-8", "-t", "CP932"],
                            input="\n".join(characters).encode(), capture_output=True)
    encoded = result.stdout.split(b"\n")
    table = dict(zip(characters, encoded))
    missing = [c for c in characters if not table.get(c)]
    if missing or len(encoded) != len(characters):
        raise SourceError("no code page 932 code for " +
                          " ".join(f"U+{ord(c):04X}" for c in missing))
    return table


def convert(text):
    spans = narrow_literals(text)
    wide = {c for start, end in spans for c in text[start:end] if ord(c) > 0x7F}
    if not wide:
        return text
    table = cp932_bytes(wide)
    pieces = []
    done = 0
    for start, end in spans:
        literal = text[start:end]
        if literal.isascii():
            continue
        pieces.append(text[done:start])
        # Octal escapes end after three digits, so a following digit or letter stays apart.
        pieces.append("".join("".join(f"\\{b:03o}" for b in table[c]) if ord(c) > 0x7F else c
                              for c in literal))
        done = end
    pieces.append(text[done:])
    return "".join(pieces)


def main():
    source, copy = sys.argv[1:3]
    with open(source, encoding="utf-8", newline="") as f:
        text = f.read()
    try:
        converted = convert(text)
    except SourceError as error:
        sys.exit(f"{source}: {error}")
    quoted = source.replace("\\", "\\\\").replace('"', '\\"')
    os.makedirs(os.path.dirname(copy), exist_ok=True)
    with open(copy, "w", encoding="utf-8", newline="") as f:
        f.write(f'#line 1 "{quoted}"\n{converted}')


if __name__ == "__main__":
    main()
