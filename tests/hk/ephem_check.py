#!/usr/bin/env python3
"""ephem_check.py HKCAL: `hkcal terms YEAR` for every year 1901-2100 against Debian's python3-ephem (PyEphem,
the full VSOP87 theory with the IAU nutation and its own Delta T): each printed Hong Kong minute lies within
2 minutes of the instant the apparent Sun reaches the term's longitude, on that instant's Hong Kong day; but a
term within 2 minutes of a midnight may be printed on the other side of it, and to 1928, when the calendar was
reckoned at Beijing or by an older theory, a term within 15 minutes of one, at that day's edge."""
import datetime, math, subprocess, sys
import ephem

HKT = datetime.timedelta(hours=8)
tool, worst, moved_days = sys.argv[1], 0.0, 0


def longitude(t):
    sun = ephem.Sun(ephem.Date(t))
    return math.degrees(ephem.Ecliptic(ephem.Equatorial(sun.ra, sun.dec, epoch=ephem.Date(t)), epoch=ephem.Date(t)).lon)


def crossing(target, guess):
    """The ephem date within a day of guess when the Sun's apparent longitude is target degrees, to 0.1 s."""
    low, high = guess - 1, guess + 1
    while high - low > 1e-6:
        middle = (low + high) / 2
        low, high = (middle, high) if (longitude(middle) - target + 180) % 360 < 180 else (low, middle)
    return ephem.Date(low).datetime()


for year in range(1901, 2101):
    lines = subprocess.run([tool, 'terms', str(year)], capture_output=True, text=True, check=True).stdout.splitlines()
    assert len(lines) == 24, (year, lines)
    for index, line in enumerate(lines):
        printed = datetime.datetime.strptime(line[:16], '%Y-%m-%d %H:%M')  # Hong Kong time
        exact = crossing((285 + 15 * index) % 360, ephem.Date(printed - HKT)) + HKT
        off = abs((printed + datetime.timedelta(seconds=30) - exact).total_seconds())
        window = 15 if year <= 1928 else 2  # minutes
        midnight_call = min(exact.hour * 60 + exact.minute, 1440 - exact.hour * 60 - exact.minute) < window
        moved = printed.date() != exact.date()
        at_edge = printed.strftime('%H:%M') in ('00:00', '23:59')  # of the printed day, nearest the instant
        assert (off <= 120 and not moved) or (moved and midnight_call and at_edge), (line, exact)
        moved_days += moved
        worst = worst if moved else max(worst, off)
print('1901-2100: every term within %.0f s of PyEphem; %d on the other side of a midnight' % (worst, moved_days))
