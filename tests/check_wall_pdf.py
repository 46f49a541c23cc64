"""The pages of `quadrix-cli render --pages` and `--cell-mm`, read back by
Poppler's pdfinfo: as many as the grid (and the overview) make, every one
of the paper's size; and with pdftotext, that a page's label and caption
are written in the language --lang asks for."""

import os
import shutil
import subprocess
import sys
import tempfile

if not shutil.which("pdfinfo") or not shutil.which("pdftotext"):
    print("pdfinfo and pdftotext (poppler-utils) are not installed")
    sys.exit(77)

cli = sys.argv[1]
# Paper sizes in points: A4 is 210 x 297 mm, A3 297 x 420 mm.
A4 = (595.28, 841.89)
A3_LANDSCAPE = (1190.55, 841.89)
runs = [(["--pages", "2x2"], 4, A4),
        (["--pages", "3x2", "--overview"], 7, A4),
        (["--cell-mm", "20", "--paper", "A3", "--landscape"], 4, A3_LANDSCAPE)]
with tempfile.TemporaryDirectory() as folder:
    path = os.path.join(folder, "wall.pdf")
    for options, pages, (width, height) in runs:
        subprocess.run([cli, "render", "--rings", "10", *options, "--out", path], check=True)
        info = subprocess.run(["pdfinfo", "-f", "1", "-l", str(pages + 1), path],
                              check=True, capture_output=True, text=True).stdout
        fields = [line.split(":", 1) for line in info.splitlines() if ":" in line]
        assert [value.strip() for key, value in fields if key == "Pages"] == [str(pages)], (options, info)
        sizes = [value.split() for key, value in fields if key.startswith("Page") and key.endswith("size")]
        assert len(sizes) == pages, (options, info)
        for size in sizes:
            assert size[1] == "x" and size[3] == "pts", (options, size)
            # Within a point: the writer rounds the paper to whole points.
            assert abs(float(size[0]) - width) < 1 and abs(float(size[2]) - height) < 1, (options, size)
    for lang, label in (("en", "row 1, column 2 of 2 \u00d7 2"), ("zh", "2 \u00d7 2")):
        subprocess.run([cli, "render", "--lang", lang, "--pages", "2x2", "--out", path], check=True)
        text = subprocess.run(["pdftotext", "-f", "2", "-l", "2", path, "-"],
                              check=True, capture_output=True, text=True).stdout
        assert label in text and ("Square of Nine" in text) == (lang == "en"), (lang, text[-400:])
print("ok")
