#!/usr/bin/env python3
"""Checks that Open Report followed by Save Report keeps a document's tables and pictures.

    scripts/rtf_structure_check.py FOLDER [--tool build/bench/quillon_rtf_resave]

For every NAME.rtf in FOLDER that has tables (\\trowd) or pictures (\\pict), the tool reads the
file and writes it back; LibreOffice (soffice, headless) then converts the original and our file
to HTML, and the script prints how many tables (<table) and pictures (<img) it finds in each,
"ok" when both counts match. The last line counts the files that match. Needs
libreoffice-writer-nogui; build the tool first: cmake --build build --target quillon_rtf_resave.
"""
import argparse
import pathlib
import re
import subprocess
import sys
import tempfile


def counts(html_file):
    if not html_file.exists():
        return None
    html = html_file.read_text(encoding="utf-8", errors="replace").lower()
    return html.count("<table"), html.count("<img")


def convert(rtf, out_dir, profile):
    subprocess.run(["soffice", f"-env:UserInstallation=file://{profile}", "--headless",
                    "--convert-to", "html", "--outdir", str(out_dir), str(rtf)],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300, check=False)
    return counts(out_dir / (rtf.stem + ".html"))


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder", type=pathlib.Path)
    parser.add_argument("--tool", type=pathlib.Path,
                        default=root / "build" / "bench" / "quillon_rtf_resave")
    args = parser.parse_args()

    files = [f for f in sorted(args.folder.glob("*.rtf"))
             if re.search(rb"\\(trowd|pict)", f.read_bytes())]
    matching = 0
    with tempfile.TemporaryDirectory() as temp:
        temp = pathlib.Path(temp)
        profile = temp / "profile"
        for rtf in files:
            ours = temp / "ours" / rtf.name
            ours.parent.mkdir(exist_ok=True)
            resave = subprocess.run([str(args.tool), str(rtf), str(ours)], capture_output=True,
                                    text=True, check=False)
            lost = resave.stderr.strip().replace("\n", "; ")
            original = convert(rtf, temp / "original", profile)
            saved = convert(ours, temp / "saved", profile) if resave.returncode == 0 else None
            same = original is not None and original == saved
            matching += same
            show = lambda c: "unreadable" if c is None else f"tables {c[0]} images {c[1]}"
            print(f"{rtf.name}: original {show(original)}; ours {show(saved)}; "
                  f"{'ok' if same else 'DIFFERENT'}" + (f" ({lost})" if lost else ""))
    print(f"files {len(files)}; same tables and images: {matching}")
    return 0 if matching == len(files) else 1


if __name__ == "__main__":
    sys.exit(main())
