#!/usr/bin/env python3
"""Writes a page definition in which every picture element (TImage) appears COPIES times.

Usage: copy_pictures.py COPIES INPUT OUTPUT

The copies follow their original among the same parent's children, with the same properties
(the picture's bytes included) and the names <name>Copy2, <name>Copy3, ... A course built from
such definitions carries COPIES times the pictures, for measuring what start-up and memory cost
against the amount of content.
"""
import struct
import sys


class Stream:
    def __init__(self, data):
        self.data, self.pos = data, 0

    def byte(self):
        b = self.data[self.pos]
        self.pos += 1
        return b

    def take(self, n):
        chunk = self.data[self.pos:self.pos + n]
        if len(chunk) != n:
            raise SystemExit("definition ends early")
        self.pos += n
        return chunk

    def u32(self):
        return struct.unpack("<I", self.take(4))[0]

    def short_string(self):
        return self.take(self.byte()).decode("latin-1")

    def skip_value(self):
        code = self.byte()
        fixed = {0: 0, 8: 0, 9: 0, 13: 0, 2: 1, 3: 2, 4: 4, 5: 10, 15: 4, 16: 8, 17: 8, 19: 8}
        if code in fixed:
            self.take(fixed[code])
        elif code in (6, 7):
            self.short_string()
        elif code in (10, 12, 20):
            self.take(self.u32())
        elif code == 18:
            self.take(2 * self.u32())
        elif code == 11:
            while self.short_string():
                pass
        elif code == 1:
            while self.data[self.pos] != 0:
                self.skip_value()
            self.pos += 1
        elif code == 14:
            while self.data[self.pos] != 0:
                if self.data[self.pos] in (2, 3, 4):
                    self.skip_value()
                self.take(1)  # the item's list code
                self.skip_properties()
            self.pos += 1
        else:
            raise SystemExit(f"unknown value code {code}")

    def skip_properties(self):
        while self.data[self.pos] != 0:
            self.short_string()
            self.skip_value()
        self.pos += 1


def short(text):
    raw = text.encode("latin-1")
    return bytes([len(raw)]) + raw


def record(s, copies):
    """Copies one component record, its children's pictures multiplied; returns (bytes, class, name, properties)."""
    start = s.pos
    out = bytearray()
    if s.data[s.pos] >= 0xF0:
        flags = s.byte() & 0x0F
        if flags & 2:
            s.skip_value()
    head = bytes(s.data[start:s.pos])
    cls, name = s.short_string(), s.short_string()
    props_start = s.pos
    s.skip_properties()
    props = bytes(s.data[props_start:s.pos])
    out += head + short(cls) + short(name) + props
    while s.data[s.pos] != 0:
        child, child_cls, child_name, child_head, child_rest = record(s, copies)
        out += child
        if child_cls == "TImage":
            for k in range(2, copies + 1):
                out += child_head + short(child_cls) + short(f"{child_name}Copy{k}") + child_rest
    s.pos += 1
    out += b"\0"
    rest = props + bytes(out[len(head) + len(short(cls)) + len(short(name)) + len(props):])
    return bytes(out), cls, name, head, rest


def main():
    copies, source, target = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    with open(source, "rb") as f:
        data = f.read()
    if data[:4] != b"TPF0":
        raise SystemExit(f"{source}: not a page definition")
    s = Stream(data)
    s.pos = 4
    root = record(s, copies)[0]
    if s.pos != len(data):
        raise SystemExit(f"{source}: {len(data) - s.pos} bytes after the page")
    with open(target, "wb") as f:
        f.write(b"TPF0" + root)


if __name__ == "__main__":
    main()
