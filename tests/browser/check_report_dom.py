#!/usr/bin/env python3
"""Checks the DOM that a browser parsed from a sample report.

Reads the serialised DOM (chromium --dump-dom) on standard input. The note
texts below are what write_sample_report stores, as the user typed them."""
import sys
from html.parser import HTMLParser

NBSP = "\u00a0"
EXPECTED = [
    ("3-December-2007 Monday", ["a<b & c"]),
    ("5-December-2007 Wednesday", ['<script>alert("x")</script> it\'s']),
    ("9-December-2007 Sunday",
     ["tab" + NBSP * 8 + "here, two" + NBSP + " blanks, three" + NBSP + "  blanks, four"
      + NBSP + " " + NBSP + " blanks"]),
    ("17-December-2007 Monday",
     ["line one", "line two", "<b>not bold</b> &amp; <img src=x onerror=alert(1)>"]),
    ("28-December-2007 Friday", ['"quoted" \'single\' \u00e9t\u00e9 \u20ac']),
    ("30-December-2007 Sunday", ["\u0141\u00f3d\u017a & \u6771 \U0001f600"]),
]
ALLOWED = {"html", "head", "body", "hr", "b", "br"}


class Page(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.tags = []
        self.entries = []  # [heading, [lines]]
        self.in_bold = False

    def handle_starttag(self, tag, attrs):
        self.tags.append(tag)
        if attrs:
            fail(f"element <{tag}> has attributes {attrs}")
        if tag == "hr":
            self.entries.append(["", []])
        elif tag == "b":
            self.in_bold = True
        elif tag == "br" and self.entries:
            # The first <br> ends the heading; each further one a note line.
            self.entries[-1][1].append("")

    def handle_endtag(self, tag):
        if tag == "b":
            self.in_bold = False

    def handle_data(self, data):
        if not self.entries:
            if data.strip():
                fail(f"text before the first entry: {data!r}")
            return
        if self.in_bold:
            self.entries[-1][0] += data
        elif self.entries[-1][1]:
            self.entries[-1][1][-1] += data
        else:
            fail(f"text between a rule and its heading: {data!r}")


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def main():
    page = Page()
    page.feed(sys.stdin.read())
    unexpected = set(page.tags) - ALLOWED
    if unexpected:
        fail(f"elements a note injected: {sorted(unexpected)}")
    if page.tags.count("hr") != len(EXPECTED) or page.tags.count("b") != len(EXPECTED):
        fail(f"{page.tags.count('hr')} rules and {page.tags.count('b')} headings")
    # --dump-dom ends the body with a line break of its own.
    if page.entries and page.entries[-1][1]:
        page.entries[-1][1][-1] = page.entries[-1][1][-1].removesuffix("\n")
    for (heading, lines), (want_heading, want_lines) in zip(page.entries, EXPECTED):
        if heading != want_heading:
            fail(f"heading {heading!r}, expected {want_heading!r}")
        if lines != want_lines:
            fail(f"note under {heading!r} is {lines!r}, expected {want_lines!r}")
    print(f"report parsed as expected: {len(EXPECTED)} entries")


main()
