#!/usr/bin/env python3
"""Writes N ten-page .docx files (about 5000 words each, or WORDS, laid out in runs as word
processors write them) into a folder. Usage: make-docx-corpus.py FOLDER [N [WORDS]]"""
import random
import sys
import zipfile

W = 'xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"'
CONTENT_TYPES = (
    '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
    '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
    '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
    '<Default Extension="xml" ContentType="application/xml"/>'
    '<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>'
    '</Types>')
PACKAGE_RELS = (
    '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
    '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
    '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>'
    '</Relationships>')
RUN_PROPERTIES = ('<w:rPr><w:rFonts w:ascii="Calibri" w:hAnsi="Calibri" w:cs="Calibri"/>'
                  '<w:sz w:val="22"/><w:szCs w:val="22"/><w:lang w:val="en-GB"/></w:rPr>')


def paragraph(rng, vocabulary):
    runs = []
    for _ in range(rng.randint(8, 14)):
        words = " ".join(rng.choice(vocabulary) for _ in range(rng.randint(4, 12)))
        runs.append(f'<w:r>{RUN_PROPERTIES}<w:t xml:space="preserve">{words} </w:t></w:r>')
    return ('<w:p><w:pPr><w:spacing w:after="160" w:line="259" w:lineRule="auto"/></w:pPr>'
            + "".join(runs) + "</w:p>")


def document(rng, vocabulary, length):
    body = []
    words = 0
    while words < length:  # 5000: about ten pages
        p = paragraph(rng, vocabulary)
        words += p.count(" ") - p.count("<w:") - 1
        body.append(p)
    return (f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?><w:document {W}><w:body>'
            + "".join(body) + '<w:sectPr><w:pgSz w:w="11906" w:h="16838"/></w:sectPr>'
            '</w:body></w:document>')


def main():
    folder, count = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 300
    length = int(sys.argv[3]) if len(sys.argv) > 3 else 5000
    rng = random.Random(11)
    vocabulary = ["".join(rng.choice("abcdefghijklmnopqrstuvwxyz") for _ in range(rng.randint(1, 11)))
                  for _ in range(4000)] + ["–", "e-mail", "don't", "3.14", "(see", "note)"]
    for n in range(count):
        with zipfile.ZipFile(f"{folder}/doc{n:03d}.docx", "w", zipfile.ZIP_DEFLATED) as package:
            package.writestr("[Content_Types].xml", CONTENT_TYPES)
            package.writestr("_rels/.rels", PACKAGE_RELS)
            package.writestr("word/document.xml", document(rng, vocabulary, length))


if __name__ == "__main__":
    main()
