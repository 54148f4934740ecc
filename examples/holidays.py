#!/usr/bin/env python3
"""Prints this year's Hong Kong public holidays (or those of the year given as
the first argument), calling libhkcal.so.1 (hkcal.dll) through ctypes."""
import ctypes
import datetime
import sys


class Date(ctypes.Structure):
    _fields_ = [("year", ctypes.c_int32), ("month", ctypes.c_int32), ("day", ctypes.c_int32)]


HOLIDAYS = [
    ("New Year's Day", "new_year_holiday"),
    ("Lunar New Year's Day", "lunar_new_year_day_holiday"),
    ("Second day of Lunar New Year", "lunar_new_year_day_2_holiday"),
    ("Third day of Lunar New Year", "lunar_new_year_day_3_holiday"),
    ("Good Friday", "good_friday"),
    ("Day following Good Friday", "good_friday_2_holiday"),
    ("Easter Monday", "easter_monday"),
    ("Labour Day", "labour_day_holiday"),
    ("Birthday of the Buddha", "birthday_of_the_buddha_holiday"),
    ("Tuen Ng Festival", "tuen_ng_festival_holiday"),
    ("HKSAR Establishment Day", "HKSAR_establishment_day_holiday"),
    ("Day following Mid-Autumn Festival", "chinese_mid_autumn_festival_holiday"),
    ("National Day", "national_day_holiday"),
    ("Chung Yeung Festival", "chung_yeung_festival_holiday"),
    ("Christmas Day", "christmas_day_holiday"),
    ("First weekday after Christmas Day", "christmas_day_2_holiday"),
]

hkcal = ctypes.CDLL("hkcal.dll" if sys.platform == "win32" else "libhkcal.so.1")
year = int(sys.argv[1]) if len(sys.argv) > 1 else datetime.date.today().year
for name, function in HOLIDAYS:
    day = getattr(hkcal, function)
    day.argtypes = [ctypes.c_int32]
    day.restype = Date
    d = day(year)
    print(f"{d.year:04d}-{d.month:02d}-{d.day:02d}  {name}")
