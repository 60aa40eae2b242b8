#!/usr/bin/env python3
"""Turns a plain UTF-8 guide into an RTF document that office programs open
under a .doc name. Lines starting with "# " become headings."""
import sys


def escape(text):
    out = []
    for ch in text:
        code = ord(ch)
        if ch in "\\{}":
            out.append("\\" + ch)
        elif code < 0x80:
            out.append(ch)
        else:
            data = ch.encode("utf-16-le")
            for i in range(0, len(data), 2):
                value = int.from_bytes(data[i:i + 2], "little", signed=True)
                out.append("\\u%d?" % value)
    return "".join(out)


def main(source, target):
    lines = open(source, encoding="utf-8").read().splitlines()
    parts = [r"{\rtf1\ansi\ansicpg936\deff0",
             r"{\fonttbl{\f0\fnil\fcharset134 SimSun;}{\f1\fnil\fcharset134 SimHei;}}",
             r"\viewkind4\uc1\pard\sa120\f0\fs22"]
    for line in lines:
        if line.startswith("# "):
            parts.append(r"\pard\sb240\sa120\f1\fs30\b " + escape(line[2:]) + r"\b0\f0\fs22\par\pard\sa120")
        else:
            parts.append(escape(line) + r"\par")
    parts.append("}")
    with open(target, "w", encoding="ascii", newline="\r\n") as f:
        f.write("\n".join(parts) + "\n")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
