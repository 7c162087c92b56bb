#!/usr/bin/env python3
"""Scores the RTF reader against another program's reading of a folder of RTF files.

    scripts/rtf_corpus_score.py FOLDER [--tool build/bench/quillon_rtf_text]

FOLDER holds NAME.rtf files and an expected/ folder with NAME.txt, the UTF-8 text the other
program reads from each. Per file it prints the similarity of our text to that one, and the read
time; then a summary line. The comparison drops a leading byte-order mark, collapses every run of
white space to one blank and strips both ends, then takes difflib's SequenceMatcher ratio; 0.98
passes. A file without expected text is only read (a crash still counts). Build the tool first:
cmake --build build --target quillon_rtf_text.
"""
import argparse
import difflib
import pathlib
import re
import statistics
import subprocess
import sys

PASS = 0.98


def normalized(text):
    text = text.lstrip("\ufeff")
    return re.sub(r"\s+", " ", text).strip()


def similarity(ours, theirs):
    return difflib.SequenceMatcher(None, normalized(ours), normalized(theirs)).ratio()


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder", type=pathlib.Path)
    parser.add_argument("--tool", type=pathlib.Path,
                        default=root / "build" / "bench" / "quillon_rtf_text")
    parser.add_argument("--timeout", type=float, default=60.0, help="seconds per file")
    args = parser.parse_args()
    if not args.tool.exists():
        sys.exit(f"{args.tool} not found: cmake --build build --target quillon_rtf_text")

    files = sorted(args.folder.glob("*.rtf"))
    if not files:
        sys.exit(f"no .rtf files in {args.folder}")
    passed = crashes = judged = 0
    times = []
    for path in files:
        try:
            run = subprocess.run([str(args.tool), str(path)], capture_output=True,
                                 timeout=args.timeout)
        except subprocess.TimeoutExpired:
            crashes += 1
            print(f"  hung    {'':>8}  {path.name}")
            continue
        found = re.search(rb"read ms: ([0-9.]+)", run.stderr)
        if found:
            times.append(float(found.group(1)))
        if run.returncode < 0 or run.returncode > 1:
            crashes += 1
            print(f"  crashed {'':>8}  {path.name} (exit {run.returncode})")
            continue
        ours = run.stdout.decode("utf-8", errors="replace") if run.returncode == 0 else ""
        note = "" if run.returncode == 0 else "  refused: " + run.stderr.decode(
            "utf-8", "replace").strip().splitlines()[-1]
        ms = f"{float(found.group(1)):8.2f}" if found else f"{'':>8}"
        expected = args.folder / "expected" / (path.stem + ".txt")
        if not expected.exists():
            print(f"  {'-':>7} {ms}  {path.name} (no expected text){note}")
            continue
        judged += 1
        score = similarity(ours, expected.read_text(encoding="utf-8", errors="replace"))
        passed += score >= PASS
        mark = "" if score >= PASS else "  <"
        print(f"  {score:7.4f} {ms}  {path.name}{mark}{note}")

    median = statistics.median(times) if times else 0.0
    print(f"judged {judged} of {len(files)} files (the others have no expected text)")
    print(f"files {len(files)}; text >= {PASS}: {passed}; crashes {crashes}; "
          f"median read ms {median:.2f}")


if __name__ == "__main__":
    main()
