#!/usr/bin/env python3
"""Writes the hostile list files the durability tests open as history and Pentagram list.

Run once by hand (python3 make_hostile_files.py); the output is committed beside this
script, so the tests read the very same bytes on every machine.
"""

import random

MONTHS = "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split()


def saved(n, deck=None, year=26):
    """Saved spread n as the program writes it, deck and cards varied by n."""
    deck = n % 3 if deck is None else deck
    cards = (n % 78 + 1, (n * 7) % 78 + 1, (n * 13) % 78 + 1)
    return "%02d.%s.%02d (Vraag %d) [%d] %02d %02d %02d" % (
        n % 28 + 1, MONTHS[n % 12], year, n, deck, *cards)


def write(name, data):
    with open(name, "wb") as file:
        file.write(data)


def latin(text):
    return text.encode("cp1252")


# Random bytes, NULs and stray line breaks among them, with one saved spread inside.
junk = bytearray(random.Random(11).randbytes(8192))
junk[0] = 0x00  # never a byte-order mark by chance
junk[4000:4000] = b"\r\n" + latin(saved(7)) + b"\r\n"
write("binary_junk.txt", bytes(junk))

# A UTF-16 list with half a character at its end.
write("utf16_odd_bytes.txt",
      b"\xff\xfe" + (saved(1) + "\r\n" + saved(2) + "\r\n").encode("utf-16-le") + b"x")

# A comment of a megabyte between two ordinary saved spreads.
big = "01.Jan.26 (" + "Liefde én werk, " * 65536 + ") [1] 10 20 30"
write("one_megabyte_line.txt", latin(saved(1) + "\r\n" + big + "\r\n" + saved(3) + "\r\n"))

# CR LF, LF, CR, LF CR and CR CR LF between lines (the last two hold an empty line), and
# no line break at the end.
ends = ["\r\n", "\n", "\r", "\n\r", "\r\r\n", "\r\n"]
text = saved(1)
for k, end in enumerate(ends):
    text += end + saved(k + 2)
write("mixed_line_ends.txt", latin(text))

# Empty lines and a line of blanks before, between and after saved spreads.
write("empty_lines.txt",
      latin("\r\n\r\n" + saved(1) + "\r\n\r\n\r\n" + saved(2) + "\r\n   \r\n" + saved(3) + "\r\n\r\n"))

# Lines shorter than the code of 11 characters, between two saved spreads.
short = ["x", "0] 05", "[0] 01 02", "1234567890", "09.Dec.26", "0] 05 17 7", "\t", ""]
write("short_lines.txt", latin("\r\n".join([saved(1)] + short + [saved(2)]) + "\r\n"))

# A long diary: years 2000 to 2026, older deck codes among them.
lines = [saved(n, deck=(n % 10 if n % 50 == 0 else None), year=n * 27 // 100000)
         for n in range(100000)]
write("hundred_thousand_lines.txt", latin("\r\n".join(lines) + "\r\n"))
