#!/bin/sh
# `plandeck export`, started without any display, writes a calendar that
# another program's reader (python3-icalendar) takes as meant: all-day
# events on the notes' dates, the first line as summary, the whole note as
# description, a UID of the date.
# Usage: independent_reader.sh PATH_TO_plandeck
set -eu
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/data"
printf 'Dentist, 10:30; bring card\r\nsecond line' > "$tmp/data/2007-12-05.txt"
printf '\305\201\303\263d\305\272 trip' > "$tmp/data/2031-07-04.txt"
(cd "$tmp" && env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb \
    "$1" export --from 2007-01-01 --to 2031-12-31 --format ics notes.ics)
# Debian's own Python, for which python3-icalendar is installed.
/usr/bin/python3 - "$tmp/notes.ics" <<'PY'
import datetime, sys, icalendar
with open(sys.argv[1], 'rb') as f:
    calendar = icalendar.Calendar.from_ical(f.read())
got = [(str(e['UID']), e.decoded('DTSTART'), e.decoded('DTEND'), str(e['SUMMARY']),
        str(e['DESCRIPTION'])) for e in calendar.walk('VEVENT')]
want = [('note-20071205@plandeck', datetime.date(2007, 12, 5), datetime.date(2007, 12, 6),
         'Dentist, 10:30; bring card', 'Dentist, 10:30; bring card\nsecond line'),
        ('note-20310704@plandeck', datetime.date(2031, 7, 4), datetime.date(2031, 7, 5),
         '\u0141\u00f3d\u017a trip', '\u0141\u00f3d\u017a trip')]
assert got == want, got
PY
