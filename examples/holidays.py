#!/usr/bin/env python3
"""Prints this year's Hong Kong general holidays (or those of the year given as
the first argument, 1997-2100), calling libhkcal_hk.so.1 (hkcal_hk.dll)
through ctypes."""
import ctypes
import datetime
import sys


class Date(ctypes.Structure):
    _fields_ = [("year", ctypes.c_int32), ("month", ctypes.c_int32), ("day", ctypes.c_int32)]


class HkHoliday(ctypes.Structure):
    _fields_ = [("date", Date), ("observed_for", Date), ("key", ctypes.c_char_p), ("name_en", ctypes.c_char_p),
                ("name_zh", ctypes.c_char_p), ("kinds", ctypes.c_uint32)]


hk = ctypes.CDLL("hkcal_hk.dll" if sys.platform == "win32" else "libhkcal_hk.so.1")
hk.hk_strerror.restype = ctypes.c_char_p
year = int(sys.argv[1]) if len(sys.argv) > 1 else datetime.date.today().year
days, count = (HkHoliday * 32)(), ctypes.c_size_t()
status = hk.hk_holidays(year, 1, 0, -1, days, 32, ctypes.byref(count))
if status != 0:
    sys.exit(f"holidays: {year}: {hk.hk_strerror(status).decode()}")
for h in days[:count.value]:
    print(f"{h.date.year:04d}-{h.date.month:02d}-{h.date.day:02d}  {h.name_en.decode()}")
