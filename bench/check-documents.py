#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the document search against the corpus's own list and against a
pipeline of standard tools on the same files, and times both.

  python3 bench/check-documents.py BENCH [DIR]

The pipeline, one per file, as a user would run it: unzip -p of the parts a
reader sees, with paragraph and cell ends made line breaks and the markup
taken out by sed; pdftotext; zcat; iconv from UTF-16; then grep -i.
"""
import os
import subprocess
import sys
import tempfile
import time

WORD = "yellowhammer"
PARTS = {
    ".odt": "content.xml styles.xml meta.xml",
    ".docx": "'word/document.xml' 'word/header*.xml' 'word/footer*.xml' 'word/footnotes.xml' 'word/endnotes.xml' 'word/comments.xml'",
    ".xlsx": "'xl/sharedStrings.xml' 'xl/worksheets/*.xml'",
    ".pptx": "'ppt/slides/*.xml' 'ppt/notesSlides/*.xml'",
    ".epub": "'*.xhtml' '*.html'",
}
ENDS = r"s#</\(w:p\|w:tc\|text:p\|text:h\|table:table-cell\|a:p\|si\|is\|p\|td\|th\|li\|h[1-6]\)>#\n#g"


def pipeline(path):
    q = "'" + path.replace("'", "'\\''") + "'"
    for suffix, parts in PARTS.items():
        if path.endswith(suffix):
            return f"unzip -p {q} {parts} 2>/dev/null | sed -e '{ENDS}' -e 's/<[^>]*>//g' | grep -qi {WORD}"
    if path.endswith(".pdf"):
        return f"pdftotext -q {q} - | grep -qi {WORD}"
    if path.endswith(".gz"):
        return f"zcat {q} | grep -qi {WORD}"
    return f"iconv -f UTF-16 -t UTF-8 {q} | grep -qi {WORD}"


def main():
    bench = sys.argv[1]
    tree = sys.argv[2] if len(sys.argv) > 2 else tempfile.mkdtemp(prefix="quorrel-documents-")
    if not os.path.exists(os.path.join(tree, "expected.lst")):
        subprocess.run([bench, "gen-documents", tree], check=True, stdout=subprocess.DEVNULL)
    expected = set(open(os.path.join(tree, "expected.lst")).read().split())
    files = sorted(os.path.join(d, f) for d, _, fs in os.walk(tree) for f in fs if f != "expected.lst")
    with tempfile.NamedTemporaryFile() as paths:
        start = time.monotonic()
        subprocess.run([bench, "engine", tree, "", "--contains", WORD, "--documents", "--paths", paths.name],
                       check=True, stdout=subprocess.DEVNULL)
        ours_seconds = time.monotonic() - start
        ours = {p.decode() for p in open(paths.name, "rb").read().split(b"\0") if p}
    start = time.monotonic()
    theirs = {f for f in files if subprocess.run(pipeline(f), shell=True).returncode == 0}
    theirs_seconds = time.monotonic() - start
    same = ours == expected == theirs
    print(f"{len(files)} documents: Quorrel {len(ours)}, the corpus {len(expected)}, the pipeline {len(theirs)}: "
          f"{'identical' if same else 'DIFFERENT'}")
    for name, other in (("corpus", expected), ("pipeline", theirs)):
        for p in sorted(ours ^ other)[:5]:
            print(f"  Quorrel and the {name} differ on {p}")
    print(f"time: Quorrel {ours_seconds:.2f} s, the pipeline {theirs_seconds:.2f} s, "
          f"ratio {ours_seconds / theirs_seconds:.2f}")
    sys.exit(0 if same else 1)


main()
