#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Kestrova developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the documents that travel with an installed Kestrova, each made from one source in the
tree, so that none of them is kept by hand:

  manual     the manual page kestrova.6 (and kestrova.6.gz), from the passages of README.md
             between <!-- man SECTION --> and <!-- /man -->;
  copyright  the package's copyright file in Debian's machine-readable format, from
             .reuse/dep5 (the content) and LICENSES/ (the licence texts); every file the dep5
             does not name is code under GPL-3.0-or-later, as its own header says;
  changelog  changelog.Debian.gz, from the releases in the AppStream metainfo.

Only the standard library is used. Compressed files carry no name and no time, so that two builds
give the same bytes."""
import argparse
import datetime
import gzip
import re
import sys
import textwrap
import xml.etree.ElementTree as ET
from pathlib import Path

MAN_SECTIONS = ["SYNOPSIS", "DESCRIPTION", "OPTIONS", "KEYS", "FILES"]
# Licences every Debian system has in /usr/share/common-licenses; the others are written out.
COMMON_LICENCES = {
    "GPL-3.0-or-later": ("GPL-3", "the GNU General Public License version 3"),
    "Apache-2.0": ("Apache-2.0", "the Apache License version 2.0"),
    "CC0-1.0": ("CC0-1.0", "the Creative Commons CC0 1.0 Universal dedication"),
}
GPL_NOTICE = """This program is free software: you can redistribute it and/or modify it under
the terms of the GNU General Public License as published by the Free Software
Foundation, either version 3 of the License, or (at your option) any later
version.

This program is distributed in the hope that it will be useful, but WITHOUT ANY
WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A
PARTICULAR PURPOSE. See the GNU General Public License for more details."""


def write_gzip(path, text):
    with open(path, "wb") as raw:
        with gzip.GzipFile(filename="", mode="wb", fileobj=raw, mtime=0, compresslevel=9) as out:
            out.write(text.encode("utf-8"))


def newest_release(metainfo):
    release = ET.parse(metainfo).getroot().find("releases/release")
    if release is None:
        sys.exit(f"{metainfo}: no release")
    return release


# ---- manual page ----------------------------------------------------------------------------


def roff_text(text):
    """Markdown inline text as roff: `code` and **strong** in bold, backslashes and the minus
    signs of options escaped, links reduced to their text."""
    text = text.replace("\\", "\\e")
    text = re.sub(r"\[([^\]]*)\]\([^)]*\)", r"\1", text)

    def code(match):
        return "\\fB\\%" + match.group(1).replace("-", "\\-") + "\\fR"

    text = re.sub(r"`([^`]*)`", code, text)
    text = re.sub(r"\*\*([^*]*)\*\*", r"\\fB\1\\fR", text)
    return text


def roff_lines(text):
    """Text lines safe to start a roff line: a leading dot or quote would be a request."""
    return "\n".join(("\\&" + line if line[:1] in ".'" else line) for line in text.split("\n"))


def markdown_blocks(lines):
    """Paragraphs, list items and code blocks of a README passage, as (kind, text) pairs."""
    blocks, kind, text = [], None, []

    def flush():
        nonlocal kind, text
        if kind:
            blocks.append((kind, "\n".join(text)))
        kind, text = None, []

    for line in lines:
        if not line.strip():
            flush()
        elif line.startswith("    ") and kind in (None, "code"):
            kind = kind or "code"
            text.append(line[4:])
        elif line.startswith("- "):
            flush()
            kind, text = "item", [line[2:]]
        elif line.startswith("  ") and kind == "item":
            text.append(line.strip())
        else:
            if kind not in (None, "para"):
                flush()
            kind = "para"
            text.append(line.strip())
    flush()
    return blocks


def roff_synopsis(line):
    words = line.split()
    out = ["\\fB" + words[0] + "\\fR"]
    for word in words[1:]:
        bare = word.strip("[]|")
        if bare.startswith("-"):
            word = word.replace(bare, "\\fB" + bare.replace("-", "\\-") + "\\fR")
        out.append(word)
    return " ".join(out)


def roff_blocks(section, blocks):
    out = []
    for kind, text in blocks:
        if kind == "code" and section == "SYNOPSIS":
            out += [roff_synopsis(line) for line in text.split("\n")]
            out.append(".br")
        elif kind == "code":
            out += [".PP", ".RS 4", ".nf", roff_lines(text.replace("\\", "\\e")), ".fi", ".RE"]
        elif kind == "item":
            tag, sep, rest = text.partition(": ")
            if sep and len(re.sub(r"[`*]", "", tag)) <= 30:
                out += [".TP", roff_lines(roff_text(tag)), roff_lines(roff_text(rest))]
            else:
                out += [".IP \\(bu", roff_lines(roff_text(text))]
        else:
            out += [".PP", roff_lines(roff_text(text))]
    return out


def manual(args):
    passages = {name: [] for name in MAN_SECTIONS}
    section = None
    for number, line in enumerate(Path(args.readme).read_text(encoding="utf-8").split("\n"), 1):
        start = re.fullmatch(r"<!-- man ([A-Z]+) -->", line.strip())
        if start:
            if start.group(1) not in passages:
                sys.exit(f"{args.readme}:{number}: no manual section {start.group(1)}")
            section = start.group(1)
        elif line.strip() == "<!-- /man -->":
            section = None
        elif section:
            passages[section].append(line)
    for name, lines in passages.items():
        if not any(line.strip() for line in lines):
            sys.exit(f"{args.readme}: nothing marked for the manual's {name}")

    date = newest_release(args.metainfo).get("date")
    page = [
        f'.TH KESTROVA 6 {date} "Kestrova {args.version}" "Games"',
        ".SH NAME",
        f"kestrova \\- {args.summary}",
    ]
    for name in MAN_SECTIONS:
        page.append(".SH " + name)
        page += roff_blocks(name, markdown_blocks(passages[name]))
    page += [
        ".SH COPYRIGHT",
        "Kestrova is free software under the GNU General Public License, version 3 or",
        "later; its pictures, sounds and texts are under CC BY-SA 4.0 and the terms of",
        "the fonts they are drawn with.",
        "The package's file",
        ".I /usr/share/doc/kestrova/copyright",
        "names the terms of every file.",
    ]
    text = "\n".join(page) + "\n"
    Path(args.out).write_text(text, encoding="utf-8")
    write_gzip(args.out + ".gz", text)


# ---- copyright ------------------------------------------------------------------------------


def licence_names(expression):
    return [name for name in re.split(r"\s+(?:AND|OR|WITH)\s+", expression.strip()) if name]


def copyright_file(args):
    dep5 = Path(args.dep5).read_text(encoding="utf-8").strip("\n")
    header, *paragraphs = dep5.split("\n\n")
    code = "Files: *\nCopyright: 2026 Kestrova developers\nLicense: GPL-3.0-or-later"
    paragraphs.insert(0, code)
    used = []
    for paragraph in paragraphs:
        match = re.search(r"^License: (.*)$", paragraph, re.M)
        for name in licence_names(match.group(1)):
            if name not in used:
                used.append(name)
    # Debian's format joins licences with a lower-case "and".
    paragraphs = [re.sub(r"^(License: .*)$", lambda m: m.group(1).replace(" AND ", " and "),
                         p, flags=re.M) for p in paragraphs]

    def indented(text):
        return "\n".join(" " + line.rstrip() if line.strip() else " ." for line in
                         text.strip("\n").split("\n"))

    licences = []
    for name in used:
        if name in COMMON_LICENCES:
            file, title = COMMON_LICENCES[name]
            body = GPL_NOTICE + "\n\n" if name.startswith("GPL") else ""
            body += (f"On Debian systems, the complete text of {title} can be found in\n"
                     f"/usr/share/common-licenses/{file}.")
        else:
            body = (Path(args.licences) / f"{name}.txt").read_text(encoding="utf-8")
            body = body.replace("\t", " ")
        licences.append(f"License: {name}\n{indented(body)}")
    Path(args.out).write_text("\n\n".join([header] + paragraphs + licences) + "\n",
                              encoding="utf-8")


# ---- changelog ------------------------------------------------------------------------------


def changelog(args):
    entries = []
    for release in ET.parse(args.metainfo).getroot().findall("releases/release"):
        version = release.get("version")
        day = datetime.datetime.strptime(release.get("date"), "%Y-%m-%d").replace(
            tzinfo=datetime.timezone.utc)
        paragraphs = [" ".join(p.text.split()) for p in release.findall("description/p")
                      if p.get("{http://www.w3.org/XML/1998/namespace}lang") is None]
        items = ["\n".join(textwrap.wrap(p, 78, initial_indent="  * ", subsequent_indent="    "))
                 for p in paragraphs]
        entries.append(
            f"kestrova ({version}-{args.release}) unstable; urgency=medium\n\n"
            + "\n".join(items)
            + f"\n\n -- {args.maintainer}  {day.strftime('%a, %d %b %Y %H:%M:%S +0000')}\n")
    write_gzip(args.out, "\n".join(entries))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    commands = parser.add_subparsers(dest="command", required=True)
    command = commands.add_parser("manual")
    command.add_argument("--readme", required=True)
    command.add_argument("--metainfo", required=True)
    command.add_argument("--version", required=True)
    command.add_argument("--summary", required=True)
    command.add_argument("--out", required=True)
    command.set_defaults(run=manual)
    command = commands.add_parser("copyright")
    command.add_argument("--dep5", required=True)
    command.add_argument("--licences", required=True)
    command.add_argument("--out", required=True)
    command.set_defaults(run=copyright_file)
    command = commands.add_parser("changelog")
    command.add_argument("--metainfo", required=True)
    command.add_argument("--release", required=True)
    command.add_argument("--maintainer", required=True)
    command.add_argument("--out", required=True)
    command.set_defaults(run=changelog)
    args = parser.parse_args()
    args.run(args)


if __name__ == "__main__":
    main()
