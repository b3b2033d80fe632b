#!/usr/bin/env python3
"""Writes the data of bench/compare.sh into a folder: ASCII, Russian and Chinese text, HTML, a
folder of small text files and a .docx whose document.xml inflates about a thousandfold.
Sizes are divided by SCALE. Usage: make-compare-data.py FOLDER [SCALE]"""
import os
import random
import sys
import zipfile

folder = sys.argv[1]
scale = int(sys.argv[2]) if len(sys.argv) > 2 else 1
os.makedirs(folder, exist_ok=True)
rng = random.Random(7)  # the same data on every run
MB = 1 << 20


def block(alphabet, separators, lengths, count=100000):
    words = ["".join(rng.choice(alphabet) for _ in range(rng.randint(*lengths)))
             for _ in range(5000)]
    parts = []
    for _ in range(count):
        parts.append(rng.choice(words))
        parts.append(rng.choice(separators))
    return "".join(parts).encode()


def write_repeated(name, data, size):
    """`size` bytes of `data` repeated; a character cut at the end is left out."""
    with open(os.path.join(folder, name), "wb") as out:
        written = 0
        while written < size:
            piece = data[: size - written]
            while piece and (piece[-1] & 0xC0) == 0x80:
                piece = piece[:-1]
            if piece and piece[-1] >= 0xC0:
                piece = piece[:-1]
            out.write(piece)
            written += len(piece)
            if len(piece) < len(data):
                break


LATIN = "abcdefghijklmnopqrstuvwxyz"
CYRILLIC = "абвгдеёжзийклмнопрстуфхцчшщъыьэюя"
HAN = "的一是不了人我在有他这中大来上国个到说们为子和你地出道也时年得就那要下以生会自可"
SEPARATORS = [" ", " ", " ", ", ", ".\n", "\t"]
ascii = block(LATIN, SEPARATORS, (1, 12))
write_repeated("ascii.txt", ascii, 256 * MB // scale)
write_repeated("russian.txt", block(CYRILLIC, SEPARATORS, (1, 12)), 256 * MB // scale)
write_repeated("chinese.txt", block(HAN, ["", "", "", "，", "。\n"], (1, 4)), 128 * MB // scale)
html = block(LATIN, [" ", " ", " <b>", "</b> ", "&amp; ", ".</p>\n<p>"], (1, 12))
write_repeated("page.html", b"<html><body><p>" + html, 128 * MB // scale)

small = os.path.join(folder, "small")
os.mkdir(small)
for i in range(20000 // scale):
    sub = os.path.join(small, f"d{i // 1000:02d}")
    os.makedirs(sub, exist_ok=True)
    start = ascii.index(b" ", rng.randint(0, len(ascii) - 8192)) + 1
    with open(os.path.join(sub, f"f{i:05d}.txt"), "wb") as out:
        out.write(ascii[start : start + rng.randint(100, 3000)])

# A tiny package whose body inflates to about 1.5 GB.
W = 'xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"'
with zipfile.ZipFile(os.path.join(folder, "bomb.docx"), "w", zipfile.ZIP_DEFLATED,
                     compresslevel=9) as package:
    package.writestr("[Content_Types].xml",
                     '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
                     '<Default Extension="xml" ContentType="application/xml"/>'
                     '<Override PartName="/word/document.xml" ContentType="application/'
                     'vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>'
                     '</Types>')
    package.writestr("_rels/.rels",
                     '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/'
                     'relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats'
                     '.org/officeDocument/2006/relationships/officeDocument" '
                     'Target="word/document.xml"/></Relationships>')
    with package.open("word/document.xml", "w", force_zip64=True) as part:
        part.write(f'<w:document {W}><w:body><w:p><w:r><w:t>'.encode())
        filler = b"a" * MB
        for _ in range(1500 // scale):
            part.write(filler)
        part.write(b"</w:t></w:r></w:p></w:body></w:document>")
