#!/usr/bin/env python3
"""Writes a project of external URLs whose modern index page holds ENTRIES
entries (default 100,000): headings of one to three subentries, words from a
fixed list, seed 7. Usage: make-large-project.py FOLDER [ENTRIES]"""
import os
import random
import sys

folder = sys.argv[1]
entries = int(sys.argv[2]) if len(sys.argv) > 2 else 100000
words = ("alpha bravo charlie delta echo foxtrot golf hotel india juliet kilo lima mike november oscar papa "
         "quebec romeo sierra tango uniform victor whiskey xray yankee zulu amber basalt cobalt dune ember fjord "
         "garnet harbor iris jade kestrel lagoon marble nectar onyx pebble quartz raven saffron tundra umber "
         "velvet willow xenon yarrow zephyr").split()
rng = random.Random(7)
os.makedirs(folder, exist_ok=True)
lines = ["HTML Torvane, Version 4.0", "", "[Layout]", "Page Title=Large Index", "Page Heading=Large Index",
         "Columns=3", "", "[Index Types]", "Html Index=1", "Html Help=0", "Java Help=0", "",
         "[Torvane Extensions]", "Index Layout=1", "", "[Local Files]", "Index=Large.htm", "",
         "[External URLs]"]
made = 0
while made < entries:
    heading = " ".join(rng.choice(words) for _ in range(2)) + " " + str(rng.randrange(1000))
    lines.append("URL=https://example.org/%d" % made)
    for sub in range(rng.randrange(1, 4)):
        if made >= entries:
            break
        text = "%s, %s %d" % (heading.capitalize(), rng.choice(words), sub)
        lines.append('IndexAs="%s",SortAs="%s",HelpAs="%s",HelpTitle="Page %d",IndexTarget="",HelpWindow="",'
                     'HelpFrame=""' % (text, text.lower(), text, made))
        made += 1
lines += ["", "[Xrefs]", ""]
with open(os.path.join(folder, "Large.ipj"), "w", newline="\r\n") as out:
    out.write("\n".join(lines))
