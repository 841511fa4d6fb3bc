#!/usr/bin/env python3
"""Writes a page definition in which every picture element (TImage) appears COPIES times.

Usage: copy_pictures.py TOOL COPIES INPUT OUTPUT

TOOL is the authoring tool (apostila-pages or apostila-pages-boot). The definition goes through
it as an author's would: dumped to its page source, the source edited, the source compiled. The
copies follow their original among the same parent's children, with the same properties (the
picture's bytes included) and the names <name>Copy2, <name>Copy3, ... A course built from such
definitions carries COPIES times the pictures, for measuring what start-up and memory cost
against the amount of content.
"""
import os
import re
import subprocess
import sys
import tempfile

# A dumped source's lines: an element is "KIND NAME" and its words; a property is "PATH: VALUE",
# and a long value goes on over lines that begin with a quote; all of an element's lines are
# indented deeper than it.
ELEMENT = re.compile(r"^( *)([A-Za-z_]\w*) ([A-Za-z_]\w*)(.*)$")
PROPERTY = re.compile(r"^ *[A-Za-z_][\w.]*:")


def indent(line):
    return len(line) - len(line.lstrip(" "))


def element(line):
    if PROPERTY.match(line) or line.lstrip(" ").startswith('"'):
        return None
    return ELEMENT.match(line)


def multiplied(lines, copies):
    """The lines with every TImage element followed by its copies."""
    out, i = [], 0
    while i < len(lines):
        head = element(lines[i])
        end = i + 1
        if head and head.group(2) == "TImage":
            while end < len(lines) and indent(lines[end]) > len(head.group(1)):
                end += 1
            body = multiplied(lines[i + 1:end], copies)
            out += [lines[i]] + body
            pad, kind, name, rest = head.groups()
            for k in range(2, copies + 1):
                out += [f"{pad}{kind} {name}Copy{k}{rest}"] + body
        else:
            out.append(lines[i])
        i = end
    return out


def main():
    if len(sys.argv) != 5:
        raise SystemExit("usage: copy_pictures.py TOOL COPIES INPUT OUTPUT")
    tool, copies, source, target = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4]
    dumped = subprocess.run([tool, "dump", source], check=True, stdout=subprocess.PIPE).stdout.decode("utf-8")
    edited = "\n".join(multiplied(dumped.splitlines(), copies)) + "\n"
    with tempfile.TemporaryDirectory() as scratch:
        page = os.path.join(scratch, os.path.basename(target) + ".page")
        with open(page, "w", encoding="utf-8") as f:
            f.write(edited)
        subprocess.run([tool, "compile", page, target], check=True)


if __name__ == "__main__":
    main()
