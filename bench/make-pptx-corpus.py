#!/usr/bin/env python3
"""Writes N 30-slide .pptx files into a folder: on every slide a title, a body of bulleted
paragraphs in styled runs, a group of two text boxes, a footer, and on every third slide a
table, laid out as presentation programs write them. Usage: make-pptx-corpus.py FOLDER [N]"""
import random
import sys
import zipfile

NS = ('xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" '
      'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships" '
      'xmlns:p="http://schemas.openxmlformats.org/presentationml/2006/main"')
HEAD = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
REL_NS = 'http://schemas.openxmlformats.org/officeDocument/2006/relationships'
SLIDES = 30


def content_types():
    overrides = "".join(
        f'<Override PartName="/ppt/slides/slide{i}.xml" ContentType="application/'
        f'vnd.openxmlformats-officedocument.presentationml.slide+xml"/>' for i in range(1, SLIDES + 1))
    return (HEAD + '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
            '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
            '<Default Extension="xml" ContentType="application/xml"/>'
            '<Override PartName="/ppt/presentation.xml" ContentType="application/vnd.openxmlformats-'
            'officedocument.presentationml.presentation.main+xml"/>' + overrides + '</Types>')


def package_rels():
    return (HEAD + '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
            f'<Relationship Id="rId1" Type="{REL_NS}/officeDocument" Target="ppt/presentation.xml"/>'
            '</Relationships>')


def presentation():
    ids = "".join(f'<p:sldId id="{255 + i}" r:id="rId{i}"/>' for i in range(1, SLIDES + 1))
    return (HEAD + f'<p:presentation {NS}><p:sldIdLst>{ids}</p:sldIdLst>'
            '<p:sldSz cx="12192000" cy="6858000"/><p:notesSz cx="6858000" cy="9144000"/>'
            '</p:presentation>')


def presentation_rels():
    rels = "".join(f'<Relationship Id="rId{i}" Type="{REL_NS}/slide" Target="slides/slide{i}.xml"/>'
                   for i in range(1, SLIDES + 1))
    return (HEAD + '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
            + rels + '</Relationships>')


def run(text):
    return ('<a:r><a:rPr lang="en-GB" sz="2000" dirty="0"><a:solidFill><a:schemeClr val="tx1"/>'
            f'</a:solidFill><a:latin typeface="Calibri"/></a:rPr><a:t>{text}</a:t></a:r>')


def body(paragraphs):
    ps = "".join(f'<a:p><a:pPr marL="342900" indent="-342900"><a:buChar char="&#8226;"/></a:pPr>'
                 f'{"".join(run(r) for r in p)}</a:p>' for p in paragraphs)
    return f'<p:txBody><a:bodyPr><a:normAutofit/></a:bodyPr><a:lstStyle/>{ps}</p:txBody>'


def shape(shape_id, name, text_body, placeholder="", text_box=False):
    nv = f'<p:nvPr>{placeholder}</p:nvPr>'
    box = ' txBox="1"' if text_box else ''
    return (f'<p:sp><p:nvSpPr><p:cNvPr id="{shape_id}" name="{name}"/><p:cNvSpPr{box}/>{nv}'
            '</p:nvSpPr><p:spPr><a:xfrm><a:off x="838200" y="365125"/><a:ext cx="10515600" '
            'cy="1325563"/></a:xfrm><a:prstGeom prst="rect"><a:avLst/></a:prstGeom></p:spPr>'
            f'{text_body}</p:sp>')


def table(rng, words):
    rows = "".join(
        '<a:tr h="370840">' + "".join(
            f'<a:tc><a:txBody><a:bodyPr/><a:lstStyle/><a:p>{run(words(rng, 2, 4))}</a:p>'
            '</a:txBody><a:tcPr/></a:tc>' for _ in range(3)) + '</a:tr>' for _ in range(4))
    return ('<p:graphicFrame><p:nvGraphicFramePr><p:cNvPr id="9" name="Table"/><p:cNvGraphicFramePr>'
            '<a:graphicFrameLocks noGrp="1"/></p:cNvGraphicFramePr><p:nvPr/></p:nvGraphicFramePr>'
            '<p:xfrm><a:off x="0" y="0"/><a:ext cx="8128000" cy="1483360"/></p:xfrm><a:graphic>'
            '<a:graphicData uri="http://schemas.openxmlformats.org/drawingml/2006/table"><a:tbl>'
            '<a:tblPr firstRow="1" bandRow="1"/><a:tblGrid><a:gridCol w="2709333"/>'
            '<a:gridCol w="2709333"/><a:gridCol w="2709333"/></a:tblGrid>'
            f'{rows}</a:tbl></a:graphicData></a:graphic></p:graphicFrame>')


def slide(rng, number, vocabulary):
    def words(rng, low, high):
        return " ".join(rng.choice(vocabulary) for _ in range(rng.randint(low, high)))

    paragraphs = [[words(rng, 3, 7) + " " for _ in range(rng.randint(2, 4))] for _ in range(5)]
    group = ('<p:grpSp><p:nvGrpSpPr><p:cNvPr id="6" name="Group"/><p:cNvGrpSpPr/><p:nvPr/>'
             '</p:nvGrpSpPr><p:grpSpPr/>'
             + shape(7, "TextBox 7", body([[words(rng, 3, 6)]]), text_box=True)
             + shape(8, "TextBox 8", body([[words(rng, 3, 6)]]), text_box=True) + '</p:grpSp>')
    shapes = (shape(2, "Title 1", body([[words(rng, 2, 5)]]), '<p:ph type="title"/>')
              + shape(3, "Content 2", body(paragraphs), '<p:ph idx="1"/>') + group
              + (table(rng, words) if number % 3 == 0 else '')
              + shape(4, "Footer 3", body([["Quarterly review"]]), '<p:ph type="ftr" sz="quarter" idx="11"/>')
              + shape(5, "Slide Number 4", body([[str(number)]]), '<p:ph type="sldNum" sz="quarter" idx="12"/>'))
    return (HEAD + f'<p:sld {NS}><p:cSld><p:spTree><p:nvGrpSpPr><p:cNvPr id="1" name=""/>'
            '<p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr><p:grpSpPr><a:xfrm><a:off x="0" y="0"/>'
            '<a:ext cx="0" cy="0"/><a:chOff x="0" y="0"/><a:chExt cx="0" cy="0"/></a:xfrm>'
            f'</p:grpSpPr>{shapes}</p:spTree></p:cSld><p:clrMapOvr><a:masterClrMapping/>'
            '</p:clrMapOvr></p:sld>')


def main():
    folder = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    rng = random.Random(11)
    vocabulary = ["".join(rng.choice("abcdefghijklmnopqrstuvwxyz") for _ in range(rng.randint(2, 11)))
                  for _ in range(3000)]
    for n in range(count):
        with zipfile.ZipFile(f"{folder}/deck{n:03d}.pptx", "w", zipfile.ZIP_DEFLATED) as package:
            package.writestr("[Content_Types].xml", content_types())
            package.writestr("_rels/.rels", package_rels())
            package.writestr("ppt/presentation.xml", presentation())
            package.writestr("ppt/_rels/presentation.xml.rels", presentation_rels())
            for i in range(1, SLIDES + 1):
                package.writestr(f"ppt/slides/slide{i}.xml", slide(rng, i, vocabulary))


if __name__ == "__main__":
    main()
