"""The Hong Kong calendar: the general and statutory holidays as the law has
them (1997-2100), business days and roll conventions, the Observatory's lunar
calendar and the 24 solar terms (1901-2100), with datetime.date in and out.

The classic library's 82 functions are in hkcal.classic."""
from __future__ import annotations

import ctypes
import datetime
import operator
from dataclasses import dataclass
from typing import Iterable, NamedTuple, Optional, Union

from . import _native
from ._native import Date, hk as _hk

__all__ = [
    "Holiday", "LunarDate", "SolarTerm", "holidays", "is_holiday", "is_business_day",
    "add_business_days", "roll", "business_days_between", "to_lunar", "from_lunar",
    "solar_terms", "busdaycalendar", "HONG_KONG_TIME",
]
__version__ = "1.0.0"

HONG_KONG_TIME = datetime.timezone(datetime.timedelta(hours=8), "HKT")

# What each family covers, for the error messages.
_HOLIDAY_YEARS = "years 1997-2100"
_BUSINESS_DAYS = "dates 1997-01-01 to 2100-12-31"
_LUNAR_DAYS = "dates 1901-02-19 to 2101-01-28 (lunar years 1901-2100)"
_LUNAR_YEARS = "lunar years 1901-2100"
_TERM_YEARS = "years 1901-2100"

_KINDS = {"general": _native.HK_GENERAL, "statutory": _native.HK_STATUTORY}
_CONVENTIONS = {"following": 0, "modified_following": 1, "preceding": 2, "modified_preceding": 3}
WeekMask = Union[str, Iterable[bool]]


@dataclass(frozen=True)
class Holiday:
    """One day off of a year's list."""

    date: datetime.date
    name: str  # English, as the Government publishes it
    name_zh: str  # Traditional Chinese, as the Government publishes it
    key: str  # stable identifier within the year ("lunar-new-year-2")
    observed_for: Optional[datetime.date]  # the festival's own date when this day replaces it
    kinds: frozenset  # the lists ("general", "statutory") that hold this day under this key


class LunarDate(NamedTuple):
    """A date of the Observatory's lunar calendar: month 1-12, leap True for
    the leap month that follows month `month`."""

    year: int
    month: int
    day: int
    leap: bool = False


class SolarTerm(NamedTuple):
    name: str  # "Minor Cold" .. "Winter Solstice"
    time: datetime.datetime  # the instant, in Hong Kong time (UTC+8)


# ---- checks and conversions -----------------------------------------------------

def _check(status: int, what: str, covered: str) -> None:
    """Raises for a status other than HK_OK: ValueError naming `what` and,
    out of range, the `covered` span."""
    if status == _native.HK_OK:
        return
    if status == _native.HK_ERANGE:
        raise ValueError(f"{what}: outside the covered {covered}")
    reason = _hk.hk_strerror(status).decode()
    raise (ValueError if status == _native.HK_EINVAL else RuntimeError)(f"{what}: {reason}")


def _int(value: object, argument: str) -> int:
    """An int argument (numpy integers too, never bool)."""
    if isinstance(value, bool):
        raise TypeError(f"{argument} must be an int, not bool")
    try:
        return operator.index(value)
    except TypeError:
        raise TypeError(f"{argument} must be an int, not {type(value).__name__}") from None


def _int32(value: object, argument: str, covered: str) -> int:
    """An int argument that fits the C int32; ValueError naming the covered
    span for one that cannot (it would be out of range in any case)."""
    number = _int(value, argument)
    if not -2**31 <= number < 2**31:
        raise ValueError(f"{argument} {number}: outside the covered {covered}")
    return number


def _date(value: object, argument: str) -> Date:
    """The C Date of a datetime.date (or datetime, whose date is taken)."""
    if not isinstance(value, datetime.date):
        raise TypeError(f"{argument} must be a datetime.date, not {type(value).__name__}")
    return Date(value.year, value.month, value.day)


def _list_arguments(kind: str, christmas: bool, rest_day: Optional[int]) -> tuple[int, int, int]:
    """hk_holidays' kind, options and rest_day for the Python arguments."""
    if not isinstance(kind, str):
        raise TypeError(f"kind must be a str, not {type(kind).__name__}")
    if kind not in _KINDS:
        raise ValueError(f"kind {kind!r}: not one of 'general', 'statutory'")
    if not isinstance(christmas, bool):
        raise TypeError(f"christmas must be a bool, not {type(christmas).__name__}")
    if rest_day is not None:
        rest_day = _int(rest_day, "rest_day")
        if not 0 <= rest_day <= 6:
            raise ValueError(f"rest_day {rest_day}: not a weekday 0 (Monday) to 6 (Sunday)")
    if kind == "general" and (christmas or rest_day is not None):
        raise ValueError("christmas and rest_day apply to kind='statutory' only")
    options = _native.HK_CHRISTMAS if christmas else 0
    # date.weekday() counts from Monday = 0, the C library from Sunday = 0.
    c_rest_day = _native.HK_NO_REST_DAY if rest_day is None else (rest_day + 1) % 7
    return _KINDS[kind], options, c_rest_day


def _weekmask(weekmask: WeekMask) -> int:
    """The C set of working weekdays (bit 0 Sunday .. bit 6 Saturday) of a
    numpy-style weekmask: seven flags from Monday to Sunday, as a string
    "1111100" or a sequence of bools."""
    if isinstance(weekmask, str):
        if len(weekmask) != 7 or set(weekmask) - {"0", "1"}:
            raise ValueError(f"weekmask {weekmask!r}: not seven 0s and 1s from Monday to Sunday")
        flags = [c == "1" for c in weekmask]
    else:
        try:
            flags = [bool(flag) for flag in weekmask]
        except TypeError:
            raise TypeError(f"weekmask must be a str or a sequence of 7 bools, not {type(weekmask).__name__}") from None
        if len(flags) != 7:
            raise ValueError(f"weekmask: {len(flags)} flags, not 7 from Monday to Sunday")
    bits = sum(1 << (monday_first + 1) % 7 for monday_first, flag in enumerate(flags) if flag)
    if bits == 0:
        raise ValueError("weekmask: no working weekday, so no business day")
    return bits


def _holiday(h: _native.HkHoliday) -> Holiday:
    kinds = frozenset(name for name, bit in _KINDS.items() if h.kinds & bit)
    observed_for = None if h.observed_for.year == 0 else h.observed_for.to_date()
    return Holiday(h.date.to_date(), h.name_en.decode(), h.name_zh.decode(), h.key.decode(),
                   observed_for, kinds)


# ---- holidays -----------------------------------------------------------------------

def holidays(year: int, kind: str = "general", *, christmas: bool = False,
             rest_day: Optional[int] = None) -> list[Holiday]:
    """The holidays of a year 1997-2100 in date order; Sundays, general
    holidays too, are not listed.

    kind "general" gives the general holidays (bank holidays, General Holidays
    Ordinance); "statutory" the statutory holidays (Employment Ordinance),
    where christmas=True takes Christmas Day instead of the Winter Solstice
    (the employer's choice) and rest_day (0 Monday .. 6 Sunday, as
    date.weekday() numbers them) gives the days an employee with that weekly
    rest day gets. ValueError outside 1997-2100."""
    year = _int32(year, "year", _HOLIDAY_YEARS)
    kind_bits, options, c_rest_day = _list_arguments(kind, christmas, rest_day)
    out = (_native.HkHoliday * _native.HK_MAX_HOLIDAYS)()
    count = ctypes.c_size_t()
    _check(_hk.hk_holidays(year, kind_bits, options, c_rest_day, out, len(out), ctypes.byref(count)),
           f"year {year}", _HOLIDAY_YEARS)
    return [_holiday(h) for h in out[:count.value]]


def is_holiday(date: datetime.date, kind: str = "general", *, christmas: bool = False,
               rest_day: Optional[int] = None) -> bool:
    """Whether the date is in the list holidays(date.year, ...) gives (a
    Sunday as such is not)."""
    c_date = _date(date, "date")
    kind_bits, options, c_rest_day = _list_arguments(kind, christmas, rest_day)
    result = ctypes.c_int32()
    _check(_hk.hk_is_holiday(c_date, kind_bits, options, c_rest_day, ctypes.byref(result)),
           f"date {date.isoformat()}", _HOLIDAY_YEARS)
    return bool(result.value)


# ---- business days -------------------------------------------------------------

def is_business_day(date: datetime.date, *, weekmask: WeekMask = "1111100") -> bool:
    """Whether the date is a working weekday (Monday to Friday unless
    weekmask says otherwise) and no general holiday."""
    result = ctypes.c_int32()
    _check(_hk.hk_is_business_day(_date(date, "date"), _weekmask(weekmask), ctypes.byref(result)),
           f"date {date.isoformat()}", _BUSINESS_DAYS)
    return bool(result.value)


def add_business_days(date: datetime.date, n: int, *, weekmask: WeekMask = "1111100") -> datetime.date:
    """The n-th business day after the date (n > 0) or before it (n < 0),
    the date itself not counted; the date unchanged for n == 0."""
    c_date = _date(date, "date")
    n = _int32(n, "n", _BUSINESS_DAYS)
    result = Date()
    _check(_hk.hk_add_business_days(c_date, n, _weekmask(weekmask), result),
           f"{date.isoformat()} + {n} business days", _BUSINESS_DAYS)
    return result.to_date()


def roll(date: datetime.date, convention: str = "following", *, weekmask: WeekMask = "1111100") -> datetime.date:
    """The date itself when a business day, else the next ("following") or
    previous ("preceding") business day; "modified_following" and
    "modified_preceding" go the other way when that would leave the month."""
    c_date = _date(date, "date")
    if not isinstance(convention, str):
        raise TypeError(f"convention must be a str, not {type(convention).__name__}")
    if convention not in _CONVENTIONS:
        raise ValueError(f"convention {convention!r}: not one of {', '.join(map(repr, _CONVENTIONS))}")
    result = Date()
    _check(_hk.hk_roll(c_date, _CONVENTIONS[convention], _weekmask(weekmask), result),
           f"roll {date.isoformat()} {convention}", _BUSINESS_DAYS)
    return result.to_date()


def business_days_between(start: datetime.date, end: datetime.date, *, weekmask: WeekMask = "1111100") -> int:
    """The number of business days d with start < d <= end (negative, the
    count of end < d <= start, when end is earlier): so that
    add_business_days(start, n) is end when end is a business day."""
    c_start, c_end = _date(start, "start"), _date(end, "end")
    count = ctypes.c_int32()
    _check(_hk.hk_business_days_between(c_start, c_end, _weekmask(weekmask), ctypes.byref(count)),
           f"business days from {start.isoformat()} to {end.isoformat()}", _BUSINESS_DAYS)
    return count.value


def busdaycalendar(start_year: int, end_year: int, *, weekmask: WeekMask = "1111100"):
    """A numpy.busdaycalendar with the general holidays of start_year to
    end_year (1997-2100), for numpy.busday_offset, numpy.busday_count and
    pandas' CustomBusinessDay(calendar=...). Outside those years numpy knows
    no holiday: keep its dates within them. Needs numpy."""
    try:
        import numpy
    except ImportError:
        raise ImportError("hkcal.busdaycalendar needs numpy, an optional dependency: pip install numpy") from None
    start_year = _int32(start_year, "start_year", _HOLIDAY_YEARS)
    end_year = _int32(end_year, "end_year", _HOLIDAY_YEARS)
    if end_year < start_year:
        raise ValueError(f"end_year {end_year} is before start_year {start_year}")
    bits = _weekmask(weekmask)  # bit 0: Sunday
    days = [h.date for year in range(start_year, end_year + 1) for h in holidays(year)]
    return numpy.busdaycalendar(weekmask=[bool(bits >> (i + 1) % 7 & 1) for i in range(7)],
                                holidays=numpy.array(days, dtype="datetime64[D]"))


# ---- the lunar calendar and the solar terms ------------------------------------

def to_lunar(date: datetime.date) -> LunarDate:
    """The Observatory's lunar date of a date from 1901-02-19 to 2101-01-28."""
    lunar = Date()
    _check(_hk.hk_date_to_lunar(_date(date, "date"), lunar), f"date {date.isoformat()}", _LUNAR_DAYS)
    return LunarDate(lunar.year, abs(lunar.month), lunar.day, lunar.month < 0)


def from_lunar(lunar: Union[LunarDate, tuple]) -> datetime.date:
    """The date of a lunar date of lunar years 1901-2100: a LunarDate or a
    tuple (year, month, day[, leap]); ValueError for a month the year lacks
    (a leap month it has not) or a day past the month's length."""
    if not isinstance(lunar, tuple) or len(lunar) not in (3, 4):
        raise TypeError(f"lunar must be a LunarDate or a tuple (year, month, day[, leap]), not {lunar!r}")
    year, month, day, leap = LunarDate(*lunar)
    year = _int32(year, "lunar year", _LUNAR_YEARS)
    month, day = _int(month, "lunar month"), _int(day, "lunar day")
    if not isinstance(leap, bool):
        raise TypeError(f"leap must be a bool, not {type(leap).__name__}")
    text = f"lunar date {year}-{'leap ' if leap else ''}{month}-{day}"
    if not (1 <= month <= 12 and 1 <= day <= 30):
        raise ValueError(f"{text}: month must be 1-12 (leap=True for the leap month) and day 1-30")
    result = Date()
    _check(_hk.hk_lunar_to_date(Date(year, -month if leap else month, day), result), text, _LUNAR_YEARS)
    return result.to_date()


_J2000 = datetime.datetime(2000, 1, 1, 12, tzinfo=datetime.timezone.utc)  # JD 2451545.0


def solar_terms(year: int) -> list[SolarTerm]:
    """The 24 solar terms of a year 1901-2100 in time order, from Minor Cold
    (early January) to the Winter Solstice, each with its instant in Hong
    Kong time to the second (accurate to well under a minute)."""
    year = _int32(year, "year", _TERM_YEARS)
    terms = []
    jd = ctypes.c_double()
    for index in range(_native.HK_SOLAR_TERMS):
        _check(_hk.hk_solar_term_instant(year, index, ctypes.byref(jd)), f"year {year}", _TERM_YEARS)
        instant = _J2000 + datetime.timedelta(days=jd.value - 2451545.0)
        name = _hk.hk_solar_term_name(index, _native.HK_LANG_EN).decode()
        terms.append(SolarTerm(name, instant.astimezone(HONG_KONG_TIME).replace(microsecond=0)))
    return terms

