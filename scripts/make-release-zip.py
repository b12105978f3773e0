#!/usr/bin/env python3
"""make-release-zip.py EXE GUIDE.md ZIP: the release zip, the same bytes every time.

It holds the program and the user guide as 使用说明.txt, in UTF-8 with a byte
order mark and CR LF line ends, which Notepad shows correctly on every Windows
from 7 on.  Entry names are in GBK without the zip's UTF-8 flag: Windows'
own zip folder reads such names in the system's code page, 936 on Chinese
systems, while older versions ignore the UTF-8 flag.  Every entry carries the
time of SOURCE_DATE_EPOCH (the last commit's), in a fixed order.
"""
import os
import re
import sys
import time
import unicodedata
import zipfile


class GbkName(zipfile.ZipInfo):
    def _encodeFilenameFlags(self):
        return self.filename.encode("gbk"), self.flag_bits


def display_width(text: str) -> int:
    """Columns in a fixed-width font: East Asian wide characters take two."""
    return sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in text)


def plain_line(line: str) -> str:
    """Markdown's marks taken off one line: bold, code, links (text and address)."""
    line = line.replace("**", "").replace("`", "")
    return re.sub(r"\[([^\]]+)\]\(([^)]+)\)", r"\1（\2）", line)


def guide_text(markdown: str) -> str:
    """The guide as plain text for Notepad, made from the same Markdown.

    Pictures and their captions (an italic line starting "图：") are left
    out: the online guide has them, and the text says nothing that needs
    them.  The title is framed with "=" and each heading underlined with
    "-" as wide as it shows; everything else is the Markdown's own text with
    the marks taken off.
    """
    lines = []
    for line in markdown.splitlines():
        if line.startswith("![") or line.startswith("*图："):
            continue
        heading = re.match(r"^(#+)\s+(.*)$", line)
        if heading:
            title = plain_line(heading.group(2))
            rule = ("=" if len(heading.group(1)) == 1 else "-") * display_width(title)
            if len(heading.group(1)) == 1:
                lines += [rule, title, rule]
            else:
                lines += ["", title, rule]
            continue
        lines.append(plain_line(line).rstrip())
    text = re.sub(r"\n{3,}", "\n\n", "\n".join(lines)).strip() + "\n"
    # Markdown this conversion doesn't make plain would reach Notepad as is:
    # tables, quotes, pictures inside a line, emphasis with one star.
    for number, line in enumerate(text.splitlines(), 1):
        if re.match(r"^\s*[|>]", line) or "![" in line or re.search(r"(^|[^*])\*[^*\s]", line):
            sys.exit(f"make-release-zip: line {number} of the text guide is still Markdown: {line}")
    return "\ufeff" + text.replace("\n", "\r\n")


def entry(name: str, stamp) -> zipfile.ZipInfo:
    info = GbkName(name, date_time=stamp)
    info.compress_type = zipfile.ZIP_DEFLATED
    info.create_system = 0  # made on "MS-DOS": no Unix permission bits
    info.external_attr = 0x20  # archive
    return info


def main() -> None:
    exe, guide, target = sys.argv[1:4]
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", "315532800"))
    stamp = time.gmtime(max(epoch, 315532800))[:6]  # zip times start in 1980
    with open(guide, encoding="utf-8") as f:
        text = guide_text(f.read())
    with open(exe, "rb") as f:
        program = f.read()
    with zipfile.ZipFile(target, "w") as z:
        z.writestr(entry(os.path.basename(exe), stamp), program, compresslevel=9)
        z.writestr(entry("使用说明.txt", stamp), text.encode("utf-8"), compresslevel=9)


if __name__ == "__main__":
    main()
