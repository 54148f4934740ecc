"""The classic library's 82 functions (include/hkcal.h) under their own names,
called through ctypes with the C semantics unchanged: Date and SYSTEMTIME are
ctypes structures, a `const Date*` argument takes a Date or a datetime.date
(passed by reference), the null date {0, 0, 0} is returned as it comes. The
four name functions return a str (None for an index out of range); their _2
forms write into a caller's (ctypes.c_uint16 * 10)() buffer (4 units for the
abbreviations). An argument of the wrong type raises TypeError, an integer
the C type cannot hold or a buffer too short for the longest name
ValueError.

    >>> from hkcal import classic
    >>> classic.easter(2024)
    Date(2024, 3, 31)
    >>> classic.date_to_JD0(classic.make_date(2000, 1, 1))
    2451545.0
"""
from __future__ import annotations

import ctypes
import datetime
import operator
from typing import Any, Callable, Optional

from ._native import SYSTEMTIME, Date, classic as _library

# Signature codes: D Date by value, p const Date*, i int32_t, u uint32_t,
# b uint8_t, d double, s SYSTEMTIME*, w const hkcal_char16* (a result),
# W hkcal_char16* (a buffer). "R(A,B)" is a function of A and B returning R.
SIGNATURES = {
    "D(i,i,i)": "make_date Nth_full_weekend",
    "i(i)": "leap_year days_in_month days_in_year",
    "i(i,i)": "days_in_month_for_year",
    "i(p)": "valid_date date_to_day_number date_to_long day_of_week_index",
    "d(p)": "date_to_JD0",
    "D(d)": "JD0_to_date JD0_to_gregorian JD0_to_julian",
    "d(i)": "year_to_jan_0_JD0",
    "D(i,i)": "day_number_to_date",
    "i(p,p)": "date_equal date_not_equal date_greater date_less date_greater_or_equal date_less_or_equal "
              "year_equal month_equal day_equal day_and_month_equal",
    "D(i)": "long_to_date easter good_friday good_friday_2_holiday easter_monday "
            "new_year new_year_holiday lunar_new_year_day lunar_new_year_day_holiday "
            "lunar_new_year_day_2_holiday lunar_new_year_day_3_holiday "
            "birthday_of_the_buddha birthday_of_the_buddha_holiday labour_day labour_day_holiday "
            "tuen_ng_festival tuen_ng_festival_holiday HKSAR_establishment_day HKSAR_establishment_day_holiday "
            "chinese_mid_autumn_festival chinese_mid_autumn_festival_holiday national_day national_day_holiday "
            "chung_yeung_festival chung_yeung_festival_holiday christmas_day christmas_day_holiday "
            "christmas_day_2_holiday remembrance_day sino_japanese_war_victory_day",
    "D(d,p)": "date_N_days_after_date date_N_days_before_date",
    "d(p,p)": "days_between_dates",
    "D(i,p)": "add_month add_year",
    "D(i,b,p)": "add_day_with_weekday_flag",
    "i(d)": "day_of_week_index_JD0",
    "i(p,i)": "is_day_of_week",
    "D(i,u,p)": "Nth_DOW_after_date Nth_DOW_before_date",
    "D(i,u,i,i)": "Nth_DOW_of_month",
    "D(u,p)": "DOW_closest_to_date",
    "i(u,i,i)": "number_of_DOWs_in_month",
    "D(p)": "chinese_to_date date_to_chinese",
    "i(s,i,i,i,i)": "ConvertTimeZone",
    "i(s,i,i)": "LocalToOverseaTime OverseaToLocalTime",
    "w(u)": "day_of_week_abbreviation day_of_week_name month_name_military month_name",
    "i(u,W)": "day_of_week_abbreviation_2 day_of_week_name_2 month_name_military_2 month_name_2",
}

_CHAR16P = ctypes.POINTER(ctypes.c_uint16)
_TYPES = {"D": Date, "p": ctypes.POINTER(Date), "i": ctypes.c_int32, "u": ctypes.c_uint32,
          "b": ctypes.c_uint8, "d": ctypes.c_double, "s": ctypes.POINTER(SYSTEMTIME),
          "w": _CHAR16P, "W": _CHAR16P}
_LIMITS = {"i": (-2**31, 2**31), "u": (0, 2**32), "b": (0, 2**8)}  # [low, high) of the C integer types


def _text(pointer: Any) -> Optional[str]:
    """The null-terminated UTF-16 text at pointer (ASCII names), None for null."""
    if not pointer:
        return None
    units = []
    while pointer[len(units)]:
        units.append(pointer[len(units)])
    return "".join(map(chr, units))


def _date(value: object, where: str) -> Date:
    """A const Date* argument: a Date, or a datetime.date read as one."""
    if isinstance(value, Date):
        return value
    if isinstance(value, datetime.date):
        return Date(value.year, value.month, value.day)
    raise TypeError(f"{where} must be a Date or a datetime.date, not {type(value).__name__}")


def _integer(code: str) -> Callable[[object, str], int]:
    low, high = _LIMITS[code]

    def convert(value: object, where: str) -> int:
        if isinstance(value, bool) or not hasattr(value, "__index__"):
            raise TypeError(f"{where} must be an int, not {type(value).__name__}")
        number = operator.index(value)
        if not low <= number < high:
            raise ValueError(f"{where} {number}: outside the C type's range [{low}, {high})")
        return number
    return convert


def _real(value: object, where: str) -> float:
    if isinstance(value, bool) or not isinstance(value, (int, float)) and not hasattr(value, "__float__"):
        raise TypeError(f"{where} must be a number, not {type(value).__name__}")
    try:
        return float(value)  # type: ignore[arg-type]
    except (OverflowError, TypeError, ValueError):
        raise ValueError(f"{where} {value!r}: not a C double") from None


def _system_time(value: object, where: str) -> SYSTEMTIME:
    if not isinstance(value, SYSTEMTIME):
        raise TypeError(f"{where} must be a SYSTEMTIME, not {type(value).__name__}")
    return value


def _buffer(units: int) -> Callable[[object, str], Any]:
    """A buffer argument: a (ctypes.c_uint16 * N)() with N >= units, the
    longest name's length and its null."""
    def convert(value: object, where: str) -> Any:
        if not isinstance(value, ctypes.Array) or value._type_ is not ctypes.c_uint16:
            raise TypeError(f"{where} must be a (ctypes.c_uint16 * {units})() buffer, not {type(value).__name__}")
        if len(value) < units:
            raise ValueError(f"{where}: a buffer of {len(value)} units, shorter than the {units} the longest name needs")
        return value
    return convert


_CONVERT: dict[str, Callable[[object, str], Any]] = {
    "p": _date, "i": _integer("i"), "u": _integer("u"), "b": _integer("b"), "d": _real, "s": _system_time}


def _bind(name: str, signature: str) -> Callable[..., Any]:
    """The Python function of a C function: its arguments checked and
    converted first, so that no value reaches C that C's types cannot hold."""
    function = getattr(_library, name)
    result, arguments = signature[0], signature[2:-1].split(",")
    function.restype = _TYPES[result]
    function.argtypes = [_TYPES[a] for a in arguments]
    if "W" in arguments:  # name_2: the buffer must hold the longest name that name gives
        names = [globals()[name[:-2]](index) or "" for index in range(16)]
        converters = [_CONVERT["u"], _buffer(max(map(len, names)) + 1)]
    else:
        converters = [_CONVERT[a] for a in arguments]
    where = [f"{name}() argument {i + 1}" for i in range(len(arguments))]

    def call(*values: object) -> Any:
        if len(values) != len(converters):
            raise TypeError(f"{name}() takes {len(converters)} arguments ({len(values)} given)")
        value = function(*(convert(v, w) for convert, v, w in zip(converters, values, where)))
        return _text(value) if result == "w" else value
    call.__name__ = call.__qualname__ = name
    return call


for _signature, _names in SIGNATURES.items():
    for _name in _names.split():
        globals()[_name] = _bind(_name, _signature)

__all__ = ["Date", "SYSTEMTIME", *(name for names in SIGNATURES.values() for name in names.split())]
