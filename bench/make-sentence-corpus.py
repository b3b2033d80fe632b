#!/usr/bin/env python3
"""Writes N files of running sentences into a folder, alternately .txt and .docx, about 2000
words each; a fifth of the sentences come from a pool shared by all files, so repetitions occur
within and across files, and some words carry accents, so the sentence rules see more than
ASCII. Usage: make-sentence-corpus.py FOLDER [N]"""
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
WORDS = ("the contract supplier shall deliver goods within days of order café résumé "
         "invoice payment terms agreed party notice written delivery price total net "
         "clause section schedule service level report quarter année über").split()


def sentence(rng):
    words = [rng.choice(WORDS) for _ in range(rng.randint(6, 18))]
    return " ".join(words).capitalize() + rng.choice([".", ".", ".", "?", "!"])


def paragraphs(rng, pool):
    result, words = [], 0
    while words < 2000:
        sentences = [rng.choice(pool) if rng.random() < 0.2 else sentence(rng)
                     for _ in range(rng.randint(3, 7))]
        words += sum(len(s.split()) for s in sentences)
        result.append(" ".join(sentences))
    return result


def write_docx(path, texts):
    body = "".join(f'<w:p><w:r><w:t xml:space="preserve">{t}</w:t></w:r></w:p>' for t in texts)
    document = (f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
                f'<w:document {W}><w:body>{body}</w:body></w:document>')
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as package:
        package.writestr("[Content_Types].xml", CONTENT_TYPES)
        package.writestr("_rels/.rels", PACKAGE_RELS)
        package.writestr("word/document.xml", document)


def main():
    folder, count = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 1000
    rng = random.Random(14)
    pool = [sentence(rng) for _ in range(200)]
    for i in range(count):
        texts = paragraphs(rng, pool)
        if i % 2:
            write_docx(f"{folder}/file{i:04}.docx", texts)
        else:
            with open(f"{folder}/file{i:04}.txt", "w", encoding="utf-8") as out:
                out.write("\n\n".join(texts) + "\n")


main()
