"""The two shared libraries, loaded once: their file names, where they are
looked for, and the C structures they share (Date, SYSTEMTIME, HkHoliday)."""
from __future__ import annotations

import ctypes
import datetime
import os
import sys
from pathlib import Path

from ._constants import HK_UTC_OFFSET_MINUTES


ABI = 1  # the SONAME version: libhkcal.so.1, libhkcal_hk.so.1


def library_file(name: str) -> str:
    """The file name the platform's loader knows the library by: its SONAME
    on Linux (libhkcal.so.1), the DLL on Windows (hkcal.dll)."""
    if sys.platform == "win32":
        return f"{name}.dll"
    if sys.platform == "darwin":
        return f"lib{name}.{ABI}.dylib"
    return f"lib{name}.so.{ABI}"


def _load(name: str) -> ctypes.CDLL:
    """The library from HKCAL_LIBRARY_DIR when set (a build tree, for the
    tests), else from this package's own folder (pip install), else from the
    system's library path (the Debian package)."""
    file = library_file(name)
    folders = [os.environ.get("HKCAL_LIBRARY_DIR"), Path(__file__).parent]
    for folder in folders:
        if folder and (Path(folder) / file).is_file():
            return ctypes.CDLL(str(Path(folder) / file))
    try:
        return ctypes.CDLL(file)
    except OSError as error:
        raise ImportError(
            f"hkcal: cannot load {file}: it is neither in {Path(__file__).parent} "
            f"nor on the system's library path ({error}); install the package with "
            "'pip install ./python' from a clone, or install the hkcal Debian package"
        ) from None


class Date(ctypes.Structure):
    """The C Date: three int32 fields, year (astronomical), month and day. A
    lunar date has a negative month for a leap month."""

    _fields_ = [("year", ctypes.c_int32), ("month", ctypes.c_int32), ("day", ctypes.c_int32)]

    @classmethod
    def from_date(cls, date: datetime.date) -> Date:
        return cls(date.year, date.month, date.day)

    def to_date(self) -> datetime.date:
        """The datetime.date of these fields; ValueError for the null date or
        any date Python's proleptic Gregorian calendar lacks."""
        return datetime.date(self.year, self.month, self.day)

    def __eq__(self, other: object) -> bool:
        if not isinstance(other, Date):
            return NotImplemented
        return (self.year, self.month, self.day) == (other.year, other.month, other.day)

    __hash__ = None  # type: ignore[assignment]  # mutable, like every ctypes structure

    def __repr__(self) -> str:
        return f"Date({self.year}, {self.month}, {self.day})"


class SYSTEMTIME(ctypes.Structure):
    """The Windows clock-time record (eight uint16 fields)."""

    _fields_ = [(field, ctypes.c_uint16) for field in (
        "wYear", "wMonth", "wDayOfWeek", "wDay", "wHour", "wMinute", "wSecond", "wMilliseconds")]


class HkHoliday(ctypes.Structure):
    _fields_ = [("date", Date), ("observed_for", Date), ("key", ctypes.c_char_p),
                ("name_en", ctypes.c_char_p), ("name_zh", ctypes.c_char_p), ("kinds", ctypes.c_uint32)]


# The classic library first: the Hong Kong library needs it, and the loader
# finds it already loaded by its SONAME.
classic = _load("hkcal")
hk = _load("hkcal_hk")

# The Hong Kong library's functions (include/hkcal_hk.h): name, result type,
# argument types.
_pDate, _i32, _u32, _u8 = ctypes.POINTER(Date), ctypes.c_int32, ctypes.c_uint32, ctypes.c_uint8
_pi32 = ctypes.POINTER(_i32)
for _name, _result, _arguments in [
    ("hk_strerror", ctypes.c_char_p, [_i32]),
    ("hk_coverage", _i32, [_i32, _pi32, _pi32, _pDate, _pDate]),
    ("hk_coverage_text", ctypes.c_char_p, [_i32]),
    ("hk_date_to_lunar", _i32, [_pDate, _pDate]),
    ("hk_lunar_to_date", _i32, [_pDate, _pDate]),
    ("hk_lunar_new_year", _i32, [_i32, _pDate]),
    ("hk_lunar_leap_month", _i32, [_i32, _pi32]),
    ("hk_lunar_month_days", _i32, [_i32, _i32, _pi32]),
    ("hk_solar_term_date", _i32, [_i32, _i32, _pDate]),
    ("hk_solar_term_instant", _i32, [_i32, _i32, ctypes.POINTER(ctypes.c_double)]),
    ("hk_solar_term_local", _i32, [_i32, _i32, _pDate, _pi32]),
    ("hk_solar_term_name", ctypes.c_char_p, [_i32, _i32]),
    ("hk_holidays", _i32, [_i32, _u32, _u32, _i32, ctypes.POINTER(HkHoliday), ctypes.c_size_t,
                           ctypes.POINTER(ctypes.c_size_t)]),
    ("hk_is_holiday", _i32, [_pDate, _u32, _u32, _i32, _pi32]),
    ("hk_is_business_day", _i32, [_pDate, _u8, _pi32]),
    ("hk_add_business_days", _i32, [_pDate, _i32, _u8, _pDate]),
    ("hk_next_business_day", _i32, [_pDate, _u8, _pDate]),
    ("hk_previous_business_day", _i32, [_pDate, _u8, _pDate]),
    ("hk_roll", _i32, [_pDate, _i32, _u8, _pDate]),
    ("hk_business_days_between", _i32, [_pDate, _pDate, _u8, _pi32]),
]:
    _function = getattr(hk, _name)
    _function.restype, _function.argtypes = _result, _arguments

# Hong Kong time, in which the library reckons the solar terms and the lunar
# calendar's days, and in which an aware time is read.
HONG_KONG_TIME = datetime.timezone(datetime.timedelta(minutes=HK_UTC_OFFSET_MINUTES), "HKT")


def coverage(what: int) -> str:
    """The library's words for what a family covers ("years 1997-2100")."""
    return str(hk.hk_coverage_text(what).decode())


def coverage_days(what: int) -> str:
    """The first and last days a family covers, "dates 1997-01-01 to 2100-12-31"."""
    first, last = Date(), Date()
    hk.hk_coverage(what, None, None, first, last)
    return f"dates {first.to_date().isoformat()} to {last.to_date().isoformat()}"
