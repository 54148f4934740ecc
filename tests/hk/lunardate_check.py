#!/usr/bin/env python3
"""lunardate_check.py LIBDIR: every day 1901-02-19..2099-12-31 in libhkcal_hk against Debian's python3-lunardate,
a table made apart from ours; they differ in exactly the months listed (its errors: the classic table, the
published festivals and the astronomy side with ours)."""
import ctypes, datetime, sys
import lunardate

# Our months with days lunardate dates otherwise: its month boundaries a day off at 1933-07-23 (our new moon 00:03),
# 1954-11-25, 1956-12-02 and 1978-09-03.
KNOWN = {(1933, -5), (1933, 6), (1954, 11), (1956, 11), (1978, 7), (1978, 8)}


class Date(ctypes.Structure):
    _fields_ = [('year', ctypes.c_int32), ('month', ctypes.c_int32), ('day', ctypes.c_int32)]


ctypes.CDLL(sys.argv[1] + '/libhkcal.so.1', mode=ctypes.RTLD_GLOBAL)
hk = ctypes.CDLL(sys.argv[1] + '/libhkcal_hk.so.1')
differ = set()
day, ours = datetime.date(1901, 2, 19), Date()
while day.year < 2100:
    assert hk.hk_date_to_lunar(ctypes.byref(Date(day.year, day.month, day.day)), ctypes.byref(ours)) == 0, day
    theirs = lunardate.LunarDate.fromSolarDate(day.year, day.month, day.day)
    if (ours.year, ours.month, ours.day) != (theirs.year, -theirs.month if theirs.isLeapMonth else theirs.month, theirs.day):
        differ.add((ours.year, ours.month))
    day += datetime.timedelta(days=1)
print('months that differ:', sorted(differ))
sys.exit(0 if differ == KNOWN else 1)
