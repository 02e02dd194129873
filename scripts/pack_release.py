#!/usr/bin/env python3
"""Packs the release zip so that the same inputs always give the same bytes.

Usage: pack_release.py OUT.zip NAME=PATH...

Each NAME=PATH puts the file PATH into the zip as NAME, in the order given.
Pictures that a Markdown member shows with ![...](file) are packed beside it,
so the guide's screenshot travels with the guide. A SHA256SUMS member in
sha256sum's format (check with `sha256sum -c SHA256SUMS`) lists every other
member and comes last.

Every entry carries the same fixed date and permissions and no extra field;
nothing of the machine, the clock or the folders it was built in reaches the
zip.
"""
import hashlib
import os
import posixpath
import re
import sys
import zipfile

FIXED_DATE = (1980, 1, 1, 0, 0, 0)  # the earliest date a zip entry can hold
FILE_MODE = 0o100644                 # a regular file, rw-r--r--
IMAGE_LINK = re.compile(rb"!\[[^\]]*\]\(\s*<?([^)\s>]+)>?(?:\s+\"[^\"]*\")?\s*\)")


def fail(message):
    sys.exit(f"pack_release: {message}")


def linked_images(name, path):
    """(member name, path) of each local picture the Markdown file shows."""
    with open(path, "rb") as f:
        text = f.read()
    found = []
    for match in IMAGE_LINK.finditer(text):
        target = match.group(1).decode("utf-8")
        if re.match(r"^[A-Za-z][A-Za-z0-9+.-]*:", target) or target.startswith("#"):
            continue  # a web address or an anchor, not a file
        member = posixpath.normpath(posixpath.join(posixpath.dirname(name), target))
        if member.startswith("../") or member.startswith("/"):
            fail(f"{path} shows {target}, which lies outside the release")
        source = os.path.join(os.path.dirname(path), *target.split("/"))
        if not os.path.isfile(source):
            fail(f"{path} shows {target}, but {source} does not exist")
        found.append((member, source))
    return found


def entry(name):
    info = zipfile.ZipInfo(name, date_time=FIXED_DATE)
    info.compress_type = zipfile.ZIP_DEFLATED
    info.create_system = 3  # Unix, so that external_attr means a file mode
    info.external_attr = FILE_MODE << 16
    return info


def main(argv):
    if len(argv) < 3:
        fail("usage: pack_release.py OUT.zip NAME=PATH...")
    out = argv[1]
    members = []
    for arg in argv[2:]:
        name, sep, path = arg.partition("=")
        if not sep or not name or not path:
            fail(f"expected NAME=PATH, got {arg!r}")
        if not os.path.isfile(path):
            fail(f"{path} does not exist")
        members.append((name, path))
        if name.lower().endswith(".md"):
            members.extend(linked_images(name, path))

    seen = set()
    unique = []
    for name, path in members:
        if name in seen:
            continue
        seen.add(name)
        unique.append((name, path))
    if "SHA256SUMS" in seen:
        fail("SHA256SUMS is written by this script")

    contents = []
    for name, path in unique:
        with open(path, "rb") as f:
            contents.append((name, f.read()))
    sums = "".join(f"{hashlib.sha256(data).hexdigest()}  {name}\n" for name, data in contents)
    contents.append(("SHA256SUMS", sums.encode("ascii")))

    tmp = out + ".tmp"
    with zipfile.ZipFile(tmp, "w", compression=zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for name, data in contents:
            z.writestr(entry(name), data, compress_type=zipfile.ZIP_DEFLATED, compresslevel=9)
    os.replace(tmp, out)


if __name__ == "__main__":
    main(sys.argv)
