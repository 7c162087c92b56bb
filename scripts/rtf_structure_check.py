#!/usr/bin/env python3
"""Checks that Open Report followed by Save Report keeps a whole document.

    scripts/rtf_structure_check.py FOLDER [--tool build/bench/quillon_rtf_resave] [--show NAME]

For every NAME.rtf in FOLDER the tool reads the file and writes it back, as Open Report and Save
Report do; LibreOffice (soffice, headless) then converts the original and our copy to HTML. From
each HTML the script takes the whole text (body, headers, footers, footnotes, text boxes, and the
list labels, which the HTML holds as list types and start values) and counts the tables (<table)
and pictures (<img), and what a reader sees of the layout: the superscript and subscript runs
(<sup>, <sub>) and the table cells with a border or a shading; LibreOffice's PDF export of each
gives the page count (pdfinfo). Per file it prints the counts and whether the text is the same
(white space collapsed), or how similar it is (difflib's ratio) and where it first differs. The
last lines count the files whose text and counts all match, and those whose layout counts match. --show NAME prints both texts of one file. Needs
libreoffice-writer-nogui; build the tool first: cmake --build build --target quillon_rtf_resave.
"""
import argparse
import difflib
import html.parser
import pathlib
import re
import subprocess
import sys
import tempfile


def roman(number):
    numerals = [(1000, "m"), (900, "cm"), (500, "d"), (400, "cd"), (100, "c"), (90, "xc"),
                (50, "l"), (40, "xl"), (10, "x"), (9, "ix"), (5, "v"), (4, "iv"), (1, "i")]
    text = ""
    for value, numeral in numerals:
        while number >= value:
            text += numeral
            number -= value
    return text


def label(list_type, number):
    if list_type is None:
        return "•"
    if list_type == "i":
        return roman(number) + "."
    if list_type == "I":
        return roman(number).upper() + "."
    if list_type in ("a", "A"):
        return chr(ord(list_type) + (number - 1) % 26) * ((number - 1) // 26 + 1) + "."
    return f"{number}."


class DocumentText(html.parser.HTMLParser):
    """The text of a LibreOffice HTML export, list items labelled, style and script left out."""

    BLOCKS = {"p", "div", "li", "tr", "td", "th", "h1", "h2", "h3", "h4", "h5", "h6", "br",
              "table", "ul", "ol", "dl", "dt", "dd", "blockquote", "pre"}

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.parts = []
        self.lists = []  # [type or None for bullets, next number]
        self.hidden = 0
        self.tables = 0
        self.images = 0
        self.superscripts = 0
        self.subscripts = 0
        self.framed_cells = 0  # with a border or a shading
        self.pages = None

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag in ("style", "script", "title"):
            self.hidden += 1
        if tag == "table":
            self.tables += 1
        if tag == "img":
            self.images += 1
        if tag == "sup":
            self.superscripts += 1
        if tag == "sub":
            self.subscripts += 1
        if tag in ("td", "th") and is_framed(attrs):
            self.framed_cells += 1
        if tag in self.BLOCKS:
            self.parts.append(" ")
        if tag == "ol":
            self.lists.append([attrs.get("type", "1"), int(attrs.get("start", "1") or 1)])
        elif tag == "ul":
            self.lists.append([None, 1])
        elif tag == "li" and self.lists:
            current = self.lists[-1]
            if "value" in attrs:
                current[1] = int(attrs["value"])
            self.parts.append(label(current[0], current[1]) + " ")
            current[1] += 1

    def handle_endtag(self, tag):
        if tag in ("style", "script", "title"):
            self.hidden = max(0, self.hidden - 1)
        if tag in ("ol", "ul") and self.lists:
            self.lists.pop()
        if tag in self.BLOCKS:
            self.parts.append(" ")

    def handle_data(self, data):
        if not self.hidden:
            self.parts.append(data)

    def text(self):
        return re.sub(r"\s+", " ", "".join(self.parts)).strip()


def is_framed(attrs):
    """A cell LibreOffice draws with a border on some side, or with a background."""
    style = attrs.get("style") or ""
    if attrs.get("bgcolor") or re.search(r"background(-color)?\s*:\s*#", style):
        return True
    for side in re.findall(r"border(?:-(?:top|bottom|left|right))?\s*:\s*([^;]+)", style):
        if "none" not in side:
            return True
    return False


def page_count(pdf_file):
    if not pdf_file.exists():
        return None
    info = subprocess.run(["pdfinfo", str(pdf_file)], capture_output=True, text=True,
                          check=False).stdout
    found = re.search(r"^Pages:\s+(\d+)", info, re.MULTILINE)
    return int(found.group(1)) if found else None


def layout(document):
    return (document.pages, document.superscripts, document.subscripts, document.framed_cells)


def read_html(html_file):
    if not html_file.exists():
        return None
    document = DocumentText()
    document.feed(html_file.read_text(encoding="utf-8", errors="replace"))
    return document


def convert_all(files, out_dir, profile):
    """One LibreOffice run for all files per format: starting it takes longer than converting
    one."""
    out_dir.mkdir(parents=True, exist_ok=True)
    for target in ("html", "pdf"):
        if files:
            subprocess.run(["soffice", f"-env:UserInstallation=file://{profile}", "--headless",
                            "--convert-to", target, "--outdir", str(out_dir)]
                           + [str(f) for f in files],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=1800,
                           check=False)
    documents = {f.name: read_html(out_dir / (f.stem + ".html")) for f in files}
    for f in files:
        if documents[f.name] is not None:
            documents[f.name].pages = page_count(out_dir / (f.stem + ".pdf"))
    return documents


def first_difference(a, b):
    matcher = difflib.SequenceMatcher(None, a, b, autojunk=False)
    for op, a1, a2, b1, b2 in matcher.get_opcodes():
        if op != "equal":
            return f"«{a[max(0, a1 - 20):a2 + 20]}» vs «{b[max(0, b1 - 20):b2 + 20]}»"
    return ""


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder", type=pathlib.Path)
    parser.add_argument("--tool", type=pathlib.Path,
                        default=root / "build" / "bench" / "quillon_rtf_resave")
    parser.add_argument("--show", help="print both texts of this file (NAME.rtf)")
    args = parser.parse_args()
    if not args.tool.exists():
        sys.exit(f"{args.tool} not found: cmake --build build --target quillon_rtf_resave")

    files = sorted(args.folder.glob("*.rtf"))
    matching = 0
    same_layout = 0
    with tempfile.TemporaryDirectory() as temp:
        temp = pathlib.Path(temp)
        profile = temp / "profile"
        (temp / "ours").mkdir()
        lost, saved_files = {}, []
        for rtf in files:
            ours = temp / "ours" / rtf.name
            resave = subprocess.run([str(args.tool), str(rtf), str(ours)], capture_output=True,
                                    text=True, check=False)
            lost[rtf.name] = resave.stderr.strip().replace("\n", "; ")
            if resave.returncode == 0:
                saved_files.append(ours)
        originals = convert_all(files, temp / "original", profile)
        saved = convert_all(saved_files, temp / "saved", profile)
        for rtf in files:
            original, copy = originals.get(rtf.name), saved.get(rtf.name)
            show = lambda d: ("unreadable" if d is None else
                              f"tables {d.tables} images {d.images} pages {d.pages} "
                              f"sup {d.superscripts} sub {d.subscripts} "
                              f"framed cells {d.framed_cells}")
            verdict = "DIFFERENT"
            if original is not None and copy is not None:
                layout_same = layout(original) == layout(copy)
                same_layout += layout_same
                same_counts = (original.tables, original.images) == (copy.tables, copy.images)
                a, b = original.text(), copy.text()
                if a == b:
                    text = "text same"
                else:
                    ratio = difflib.SequenceMatcher(None, a, b, autojunk=False).ratio()
                    text = f"text {ratio:.4f} {first_difference(a, b)}"
                if same_counts and a == b:
                    verdict = "ok"
                    matching += 1
                if not layout_same:
                    verdict += ", LAYOUT DIFFERENT"
            else:
                text = "text -"
            print(f"{rtf.name}: original {show(original)}; ours {show(copy)}; {text}; {verdict}"
                  + (f" ({lost[rtf.name]})" if lost[rtf.name] else ""))
            if args.show == rtf.name:
                for name, document in (("original", original), ("ours", copy)):
                    print(f"--- {name}:\n{document.text() if document else '(none)'}")
    print(f"files {len(files)}; same text, tables and images: {matching}")
    print(f"same pages, superscripts, subscripts and framed cells: {same_layout}")
    return 0 if matching == same_layout == len(files) else 1


if __name__ == "__main__":
    sys.exit(main())
