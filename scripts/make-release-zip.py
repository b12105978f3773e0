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
import zipfile


class GbkName(zipfile.ZipInfo):
    def _encodeFilenameFlags(self):
        return self.filename.encode("gbk"), self.flag_bits


def guide_text(markdown: str) -> str:
    lines = []
    for line in markdown.splitlines():
        if line.startswith("!["):
            continue  # the pictures are in the online guide
        line = line.replace("**", "").replace("`", "")
        lines.append(line.rstrip())
    text = re.sub(r"\n{3,}", "\n\n", "\n".join(lines)).strip() + "\n"
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
