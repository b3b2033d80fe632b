#!/usr/bin/python3
"""Reference counts of documents from LibreOffice's own statistics.

Usage: /usr/bin/python3 scripts/corpus-reference.py FILE...

Prints one tab-separated line per file:
    path  words  characters-with-spaces  characters  source
or  path  ERROR  reason

Text documents (.doc, .docx, .rtf) are loaded into Writer and give Writer's document
statistics (WordCount, CharacterCount, NonWhitespaceCharacterCount), recomputed after two
changes that bring Writer's figures to Word's rules (see count_dashes_as_words and
without_headers_and_footers), less the list numbers and bullets (list_labels) and the manual
line breaks (line_breaks) that Writer counts and Word does not. Presentations have no statistics of their own: the text of every shape on every slide
(group members and table cells too, no notes, no masters) is copied paragraph by paragraph
into an empty Writer document, which then gives its statistics ("slides-in-writer"). LibreOffice
opens PDF files as drawings, so they are read by poppler's pdftotext in raw order instead and
judged by the PDF rule ("pdftotext-raw"): a word is a run of characters other than white space,
the characters of a line count with one blank between its words, line and page ends count as
nothing.

Needs soffice, pdftotext and python3-uno (Debian's /usr/bin/python3). Each file gets at most
TIMEOUT seconds; a file that hangs or crashes the office is reported as ERROR and the office is
restarted for the next one.
"""

import os
import signal
import subprocess
import sys
import tempfile
import threading
import time

import uno
from com.sun.star.beans import PropertyValue

TIMEOUT = 60
CHAR_SPECIAL = 6  # com.sun.star.style.NumberingType: bullets
BITMAP = 8
PIPE = "tallywright_corpus_%d" % os.getpid()


def prop(name, value):
    p = PropertyValue()
    p.Name = name
    p.Value = value
    return p


class Office:
    def __init__(self):
        self.profile = tempfile.mkdtemp(prefix="tw-corpus-lo-")
        self.process = None
        self.desktop = None

    def start(self):
        self.process = subprocess.Popen(
            ["soffice", "--headless", "--invisible", "--norestore", "--nologo",
             "-env:UserInstallation=" + uno.systemPathToFileUrl(self.profile),
             "--accept=pipe,name=%s;urp;" % PIPE],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        local = uno.getComponentContext()
        resolver = local.ServiceManager.createInstanceWithContext(
            "com.sun.star.bridge.UnoUrlResolver", local)
        for _ in range(120):
            try:
                context = resolver.resolve(
                    "uno:pipe,name=%s;urp;StarOffice.ComponentContext" % PIPE)
                break
            except Exception:
                time.sleep(0.5)
        else:
            raise RuntimeError("soffice did not start")
        self.desktop = context.ServiceManager.createInstanceWithContext(
            "com.sun.star.frame.Desktop", context)
        self.count_dashes_as_words(context)

    @staticmethod
    def count_dashes_as_words(context):
        # Writer splits words at en and em dashes by default; Word does not ("a–b" is one word,
        # a lone "–" is a word), so the references leave the list of extra separators empty.
        provider = context.ServiceManager.createInstanceWithContext(
            "com.sun.star.configuration.ConfigurationProvider", context)
        access = provider.createInstanceWithArguments(
            "com.sun.star.configuration.ConfigurationUpdateAccess",
            (prop("nodepath", "/org.openoffice.Office.Writer/WordCount"),))
        access.setPropertyValue("AdditionalSeparators", "")
        access.commitChanges()

    def kill(self):
        # soffice is a launcher: the office itself is a child in the same process group.
        if self.process:
            try:
                os.killpg(self.process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            self.process.wait()
        self.process = None
        self.desktop = None

    def stop(self):
        try:
            self.desktop.terminate()
        except Exception:
            pass
        time.sleep(1)
        self.kill()

    def load(self, path, hidden=True):
        url = uno.systemPathToFileUrl(os.path.abspath(path))
        return self.desktop.loadComponentFromURL(
            url, "_blank", 0, (prop("Hidden", hidden),))

    def new_writer(self):
        return self.desktop.loadComponentFromURL(
            "private:factory/swriter", "_blank", 0, (prop("Hidden", True),))


def remove_headers_and_footers(doc):
    """Switches off every header and footer; says whether there were any.

    Word's figures leave headers and footers out; Writer's take in every one a page style
    shows."""
    styles = doc.getStyleFamilies().getByName("PageStyles")
    found = False
    for i in range(styles.getCount()):
        style = styles.getByIndex(i)
        for switch in ("HeaderIsOn", "FooterIsOn"):
            if style.getPropertyValue(switch):
                style.setPropertyValue(switch, False)
                found = True
    return found


def mark_statistics_stale(doc):
    # Writer keeps the figures it took on loading (or read from the file) until an edit.
    text = doc.getText()
    cursor = text.createTextCursorByRange(text.getStart())
    text.insertString(cursor, "x", False)
    cursor.goLeft(1, True)
    cursor.setString("")


def without_headers_and_footers(office, doc, scratch):
    """Writer's statistics of `doc` with its headers and footers taken out.

    Switching a header off leaves its text nodes in the document (the statistics run over every
    text node), so the document is saved as OpenDocument and loaded again first."""
    if not remove_headers_and_footers(doc):
        mark_statistics_stale(doc)
        return writer_statistics(doc)
    doc.storeToURL(uno.systemPathToFileUrl(scratch), (prop("FilterName", "writer8"),))
    copy = office.load(scratch)
    try:
        mark_statistics_stale(copy)
        return writer_statistics(copy)
    finally:
        copy.close(True)


def all_texts(doc):
    yield doc.getText()
    for collection in (doc.getTextFrames(), doc.getFootnotes(), doc.getEndnotes()):
        for i in range(collection.getCount()):
            item = collection.getByIndex(i)
            yield item.getText() if hasattr(item, "getText") else item


def paragraphs(text):
    for element in iter_enumeration(text):
        if element.supportsService("com.sun.star.text.TextTable"):
            for name in element.getCellNames():
                yield from paragraphs(element.getCellByName(name))
        elif element.supportsService("com.sun.star.text.Paragraph"):
            yield element


def iter_enumeration(text):
    enumeration = text.createEnumeration()
    while enumeration.hasMoreElements():
        yield enumeration.nextElement()


def line_breaks(doc):
    """How many manual line breaks the counted text holds: Writer counts each as a character
    (with spaces); Word counts breaks as nothing."""
    return sum(paragraph.getString().count("\n")
               for text in all_texts(doc) for paragraph in paragraphs(text))


def list_labels(office, doc):
    """Words and characters of the list numbers and bullets Writer counts and Word does not.

    Writer adds each paragraph's list label to its statistics: the label's words (by its own
    word rules, so "1.3.1" may be more than one) and characters, or one word and one character
    for a bullet. Word leaves them out."""
    labels = []
    bullets = 0
    for text in all_texts(doc):
        for paragraph in paragraphs(text):
            try:
                label = paragraph.getPropertyValue("ListLabelString")
                numbered = paragraph.getPropertyValue("NumberingIsNumber")
                rules = paragraph.getPropertyValue("NumberingRules")
                level = paragraph.getPropertyValue("NumberingLevel")
            except Exception:
                continue
            if label:
                labels.append(label)
            elif numbered and rules is not None and 0 <= level < rules.getCount():
                kind = {p.Name: p.Value for p in rules.getByIndex(level)}.get("NumberingType")
                if kind in (CHAR_SPECIAL, BITMAP):
                    bullets += 1
    words, chars, _ = text_statistics(office, labels)
    return words + bullets, chars + bullets


def text_statistics(office, lines):
    """Writer's statistics of `lines`, each a paragraph of an otherwise empty document."""
    writer = office.new_writer()
    try:
        text = writer.getText()
        cursor = text.createTextCursor()
        for n, line in enumerate(lines):
            if n:
                text.insertControlCharacter(cursor, 0, False)  # PARAGRAPH_BREAK
            text.insertString(cursor, line, False)
        return writer_statistics(writer)
    finally:
        writer.close(True)


def writer_statistics(doc):
    # Reading WordCount recomputes the statistics, which also refreshes the properties below.
    words = doc.WordCount
    with_spaces = doc.CharacterCount
    stats = {s.Name: s.Value for s in doc.getDocumentProperties().DocumentStatistics}
    return words, with_spaces, stats.get("NonWhitespaceCharacterCount", -1)


def shape_paragraphs(shape):
    kind = shape.getShapeType()
    if kind == "com.sun.star.drawing.GroupShape":
        for i in range(shape.getCount()):
            yield from shape_paragraphs(shape.getByIndex(i))
        return
    if kind == "com.sun.star.drawing.TableShape":
        table = shape.Model
        for r in range(table.Rows.getCount()):
            for c in range(table.Columns.getCount()):
                yield from table.getCellByPosition(c, r).getString().splitlines()
        return
    if hasattr(shape, "getString"):
        yield from shape.getString().splitlines()


def slides_statistics(office, deck):
    lines = []
    pages = deck.getDrawPages()
    for i in range(pages.getCount()):
        page = pages.getByIndex(i)
        for s in range(page.getCount()):
            lines.extend(shape_paragraphs(page.getByIndex(s)))
    return text_statistics(office, lines)


def pdf_statistics(path):
    text = subprocess.run(["pdftotext", "-q", "-raw", "-enc", "UTF-8", path, "-"],
                          capture_output=True, check=True, timeout=TIMEOUT).stdout.decode("utf-8")
    words = with_spaces = chars = 0
    for line in text.splitlines():
        tokens = line.split()
        words += len(tokens)
        chars += sum(len(t) for t in tokens)
        with_spaces += len(" ".join(tokens))
    return words, with_spaces, chars, "pdftotext-raw"


def count(office, path):
    if path.lower().endswith(".pdf"):
        return pdf_statistics(path)
    doc = office.load(path)
    if doc is None:
        raise RuntimeError("LibreOffice could not load it")
    try:
        if doc.supportsService("com.sun.star.text.TextDocument"):
            words, with_spaces, chars = without_headers_and_footers(
                office, doc, os.path.join(office.profile, "scratch.odt"))
            label_words, label_chars = list_labels(office, doc)
            breaks = line_breaks(doc)
            return (words - label_words, with_spaces - label_chars - breaks,
                    chars - label_chars, "writer")
        if doc.supportsService("com.sun.star.presentation.PresentationDocument"):
            return slides_statistics(office, doc) + ("slides-in-writer",)
        raise RuntimeError("not a text document or presentation")
    finally:
        doc.close(True)


def alive(office):
    try:
        office.desktop.getComponents()
        return office.process.poll() is None
    except Exception:
        return False


def attempt(office, path):
    result = {}

    def work():
        try:
            result["counts"] = count(office, path)
        except Exception as error:  # a UNO failure is a per-file result here
            result["error"] = str(error).splitlines()[0] if str(error) else type(error).__name__

    worker = threading.Thread(target=work, daemon=True)
    worker.start()
    worker.join(TIMEOUT)
    if worker.is_alive():
        result = {"error": "timeout"}
    if not alive(office):
        office.kill()
        office.start()
        result.setdefault("error", "office crashed")
        result["restarted"] = True
    return result


def main(paths):
    office = Office()
    office.start()
    for path in paths:
        result = attempt(office, path)
        if result.get("restarted"):
            result = attempt(office, path)  # once more, in case an earlier file left it broken
        if "error" in result:
            print("%s\tERROR\t%s" % (path, result["error"]), flush=True)
            continue
        words, with_spaces, chars, source = result["counts"]
        print("%s\t%d\t%d\t%d\t%s" % (path, words, with_spaces, chars, source), flush=True)
    office.stop()


if __name__ == "__main__":
    main(sys.argv[1:])
