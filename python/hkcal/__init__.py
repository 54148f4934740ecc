"""The Hong Kong calendar: the general and statutory holidays as the law has
them (1997-2100), business days and roll conventions, the Observatory's lunar
calendar and the 24 solar terms (1901-2100).

Every date function takes one date-like (datetime.date; datetime.datetime or
pandas.Timestamp, an aware one converted to Hong Kong time first, a naive one
read as Hong Kong local time; numpy.datetime64; 'YYYY-MM-DD') and returns
what the date functions of the standard library would (bool, datetime.date,
int); or a column (list, tuple, numpy array, pandas Series or Index) and
returns the same shape, computed in one pass: dates as datetime64[D]
(datetime64[ns] in pandas, a Series keeping its index and name), lunar dates
as a structured array (year, month, day, leap and a missing flag) or a
DataFrame with year, month, day and leap. A
missing date (NaT, None, NaN in a column) is no holiday and no business
day, steps to NaT, and has no count or lunar date (masked in numpy, <NA> in
pandas). A date outside coverage raises ValueError naming it, its position
and the covered span. numpy is needed for columns only.

The classic library's 82 functions are in hkcal.classic; pandas' calendar
and offset in hkcal.pandas."""
from __future__ import annotations

import ctypes
import datetime
import functools
import importlib
import re
from dataclasses import dataclass
from pathlib import Path
from typing import TYPE_CHECKING, Any, Callable, Iterable, Iterator, Mapping, NamedTuple, Optional, Union, overload

from . import _constants as C
from . import _options
from ._dates import EPOCH_ORDINAL, NAT, Column, FirstBad, scalar_date
from ._native import HONG_KONG_TIME, Date, HkHoliday, coverage, coverage_days, hk as _hk
from ._options import Convention, Kind, Language, RestDay, WeekMask

if TYPE_CHECKING:
    import numpy

    DateLike = Union[datetime.date, str, numpy.datetime64]
    Dates = Union[list[Any], tuple[Any, ...], numpy.ndarray[Any, Any]]
else:
    DateLike = Union[datetime.date, str]
    Dates = Union[list, tuple]

__all__ = [
    "Holiday", "LunarDate", "SolarTerm", "HolidayCalendar", "holidays", "holidays_frame", "is_holiday",
    "is_business_day", "add_business_days", "next_business_day", "previous_business_day", "roll",
    "business_days_between", "to_lunar", "from_lunar", "lunar_new_year", "lunar_leap_month",
    "lunar_month_days", "solar_terms", "solar_term_date", "busdaycalendar", "HONG_KONG_TIME",
    "Kind", "Convention", "Language", "RestDay", "WeekMask", "DateLike",
]


def _version() -> str:
    """CMake's project version: written into _version.py when pip builds the
    package, read from the repository's CMakeLists.txt in a source tree."""
    try:
        return str(importlib.import_module(f"{__name__}._version").__version__)
    except ImportError:
        cmake = Path(__file__).resolve().parents[2] / "CMakeLists.txt"
        found = re.search(r"project\(hkcal\s+VERSION\s+([0-9.]+)", cmake.read_text()) if cmake.is_file() else None
        return found.group(1) if found else "unknown"


__version__ = _version()

# What each family covers, in the library's words, for the error messages.
_HOLIDAY_YEARS = coverage(C.HK_COVERS_HOLIDAYS)
_BUSINESS_DAYS = coverage_days(C.HK_COVERS_HOLIDAYS)
_LUNAR_DAYS = _LUNAR_YEARS = coverage(C.HK_COVERS_LUNAR)
_TERM_YEARS = coverage(C.HK_COVERS_SOLAR_TERMS)


@functools.total_ordering
@dataclass(frozen=True)
class Holiday:
    """One day off of a year's list; ordered by date (then key)."""

    date: datetime.date
    name: str  # English, as the Government publishes it
    name_zh: str  # Traditional Chinese, as the Government publishes it
    key: str  # stable identifier within the year ("lunar-new-year-2")
    observed_for: Optional[datetime.date]  # the festival's own date when this day replaces it
    kinds: frozenset[str]  # the lists ("general", "statutory") that hold this day under this key

    def __lt__(self, other: object) -> bool:
        if not isinstance(other, Holiday):
            return NotImplemented
        return (self.date, self.key) < (other.date, other.key)


class LunarDate(NamedTuple):
    """A date of the Observatory's lunar calendar: month 1-12, leap True for
    the leap month that follows month `month`."""

    year: int
    month: int
    day: int
    leap: bool = False


class SolarTerm(NamedTuple):
    """A solar term as the library dates it. `time` is the term's date in the
    Observatory's calendar and the minute of its instant in Hong Kong time,
    as the hkcal tool prints it; `instant` is the computed instant to the
    second. They share the minute but for five terms of 1912-1928 within 15
    minutes of a midnight, which the calendar of the time dated on the other
    side of it: there `time` is 00:00 or 23:59 of the calendar's date."""
    name: str  # "Minor Cold" .. "Winter Solstice" (or 小寒 .. 冬至)
    time: datetime.datetime  # the calendar's date and the minute, Hong Kong time (UTC+8)
    instant: datetime.datetime  # the instant, Hong Kong time, to the second

    @property
    def date(self) -> datetime.date:
        """The term's date in the Observatory's calendar (solar_term_date)."""
        return self.time.date()


# ---- checks and the two paths ------------------------------------------------------

def _check(status: int, what: str, covered: str) -> None:
    """Raises for a status other than HK_OK: ValueError naming `what` and,
    out of range, the `covered` span."""
    if status == C.HK_OK:
        return
    if status == C.HK_ERANGE:
        raise ValueError(f"{what}: outside the covered {covered}")
    raise ValueError(f"{what}: {_hk.hk_strerror(status).decode()}")


def _over(date: object, covered: str, scalar: Callable[[datetime.date], Any],
          column: Callable[[Column], Any], missing: Any) -> Any:
    """scalar(the date) for a date-like, column(its Column) for an
    array-like, `missing` for NaT."""
    dates = Column.of(date, "date", covered)
    if dates is not None:
        return column(dates)
    day = scalar_date(date, "date", covered)
    return missing if day is None else scalar(day)


def _kernels() -> Any:
    """The column kernels (imported with numpy, for columns only)."""
    from . import _columns
    return _columns


# ---- holidays -------------------------------------------------------------------

def _holiday(h: HkHoliday) -> Holiday:
    kinds = frozenset(name for name, bit in _options.KINDS.items() if h.kinds & bit)
    observed_for = None if h.observed_for.year == 0 else h.observed_for.to_date()
    return Holiday(h.date.to_date(), h.name_en.decode(), h.name_zh.decode(), h.key.decode(), observed_for, kinds)


def _year_holidays(year: int, arguments: tuple[int, int, int]) -> list[Holiday]:
    out = (HkHoliday * C.HK_MAX_HOLIDAYS)()
    count = ctypes.c_size_t()
    _check(_hk.hk_holidays(year, *arguments, out, len(out), ctypes.byref(count)), f"year {year}", _HOLIDAY_YEARS)
    return [_holiday(h) for h in out[:count.value]]


def holidays(years: Union[int, Iterable[int]], kind: Kind = "general", *, christmas: bool = False,
             rest_day: Optional[RestDay] = None) -> list[Holiday]:
    """The holidays of a year 1997-2100 (or of each year of an iterable) in
    date order; Sundays, general holidays too, are not listed.

    kind "general" gives the general holidays (bank holidays, General Holidays
    Ordinance); "statutory" the statutory holidays (Employment Ordinance),
    where christmas=True takes Christmas Day instead of the Winter Solstice
    (the employer's choice) and rest_day (0 Monday .. 6 Sunday, as
    date.weekday() numbers them, or 'Sun') gives the days an employee with
    that weekly rest day gets. ValueError outside 1997-2100."""
    arguments = _options.list_arguments(kind, christmas, rest_day)
    if isinstance(years, Iterable) and not isinstance(years, (str, bytes)):
        return [h for year in years for h in _year_holidays(_options.int32(year, "year", _HOLIDAY_YEARS), arguments)]
    return _year_holidays(_options.int32(years, "year", _HOLIDAY_YEARS), arguments)


@overload
def is_holiday(date: DateLike, kind: Kind = ..., *, christmas: bool = ..., rest_day: Optional[RestDay] = ...) -> bool: ...
@overload
def is_holiday(date: Dates, kind: Kind = ..., *, christmas: bool = ..., rest_day: Optional[RestDay] = ...) -> Any: ...


def is_holiday(date: Any, kind: Kind = "general", *, christmas: bool = False,
               rest_day: Optional[RestDay] = None) -> Any:
    """Whether the date is in the list holidays(date.year, ...) gives (a
    Sunday as such is not)."""
    arguments = _options.list_arguments(kind, christmas, rest_day)

    def scalar(day: datetime.date) -> bool:
        result = ctypes.c_int32()
        _check(_hk.hk_is_holiday(Date.from_date(day), *arguments, ctypes.byref(result)),
               f"date {day.isoformat()}", _HOLIDAY_YEARS)
        return bool(result.value)

    def column(dates: Column) -> Any:
        return dates.values(dates.run(_kernels().is_holiday, dates.days, *arguments,
                                      argument="date", covered=_HOLIDAY_YEARS))
    return _over(date, _HOLIDAY_YEARS, scalar, column, False)


# ---- business days -------------------------------------------------------------

@overload
def is_business_day(date: DateLike, *, weekmask: WeekMask = ...) -> bool: ...
@overload
def is_business_day(date: Dates, *, weekmask: WeekMask = ...) -> Any: ...


def is_business_day(date: Any, *, weekmask: WeekMask = _options.MON_FRI) -> Any:
    """Whether the date is a working weekday (Monday to Friday unless
    weekmask says otherwise: '1111100', 'Mon Tue Wed Thu Fri' or seven bools
    from Monday, as numpy has them) and no general holiday."""
    workdays = _options.weekmask(weekmask)

    def scalar(day: datetime.date) -> bool:
        result = ctypes.c_int32()
        _check(_hk.hk_is_business_day(Date.from_date(day), workdays, ctypes.byref(result)),
               f"date {day.isoformat()}", _BUSINESS_DAYS)
        return bool(result.value)

    def column(dates: Column) -> Any:
        return dates.values(dates.run(_kernels().is_business_day, dates.days, workdays,
                                      argument="date", covered=_BUSINESS_DAYS))
    return _over(date, _BUSINESS_DAYS, scalar, column, False)


def _step(date: Any, what: str, function: Any, kernel: str, *arguments: Any) -> Any:
    """A function from a business date to a date, on either path."""
    def scalar(day: datetime.date) -> datetime.date:
        result = Date()
        _check(function(Date.from_date(day), *arguments, result), f"{day.isoformat()}{what}", _BUSINESS_DAYS)
        return result.to_date()

    def column(dates: Column) -> Any:
        return dates.dates(dates.run(getattr(_kernels(), kernel), dates.days, *arguments,
                                     argument="date", covered=_BUSINESS_DAYS, what=what))
    return _over(date, _BUSINESS_DAYS, scalar, column, date)


@overload
def add_business_days(date: DateLike, n: int, *, weekmask: WeekMask = ...) -> datetime.date: ...
@overload
def add_business_days(date: Dates, n: Any, *, weekmask: WeekMask = ...) -> Any: ...


def add_business_days(date: Any, n: Any, *, weekmask: WeekMask = _options.MON_FRI) -> Any:
    """The n-th business day after the date (n > 0) or before it (n < 0),
    the date itself not counted; the date unchanged for n == 0. For a column
    n is one int or an array of ints as long as it."""
    workdays = _options.weekmask(weekmask)
    if isinstance(n, int) or not hasattr(n, "__len__"):
        n = _options.int32(n, "n", _BUSINESS_DAYS)
        return _step(date, f" + {n} business days", _hk.hk_add_business_days, "add_business_days", n, workdays)
    dates = Column.of(date, "date", _BUSINESS_DAYS)
    if dates is None:
        raise TypeError("n must be an int for a single date (an array of ints goes with an array of dates)")
    import numpy
    steps = numpy.asarray(n).ravel()
    if steps.dtype.kind not in "iu" or len(steps) != len(dates.days):
        raise ValueError(f"n: {len(steps)} {steps.dtype} values for {len(dates.days)} dates; ints, one for each date")
    if len(steps) and not (-2**31 <= steps.min() and steps.max() < 2**31):
        raise ValueError(f"n: outside the covered {_BUSINESS_DAYS}")
    return dates.dates(dates.run(_kernels().add_business_days, dates.days, steps.astype(numpy.int32), workdays,
                                 argument="date", covered=_BUSINESS_DAYS, what=" + n business days"))


@overload
def next_business_day(date: DateLike, *, weekmask: WeekMask = ...) -> datetime.date: ...
@overload
def next_business_day(date: Dates, *, weekmask: WeekMask = ...) -> Any: ...


def next_business_day(date: Any, *, weekmask: WeekMask = _options.MON_FRI) -> Any:
    """The first business day after the date (the date itself not counted)."""
    workdays = _options.weekmask(weekmask)
    return _step(date, ": next business day", _hk.hk_next_business_day, "next_business_day", workdays)


@overload
def previous_business_day(date: DateLike, *, weekmask: WeekMask = ...) -> datetime.date: ...
@overload
def previous_business_day(date: Dates, *, weekmask: WeekMask = ...) -> Any: ...


def previous_business_day(date: Any, *, weekmask: WeekMask = _options.MON_FRI) -> Any:
    """The last business day before the date (the date itself not counted)."""
    workdays = _options.weekmask(weekmask)
    return _step(date, ": previous business day", _hk.hk_previous_business_day, "previous_business_day", workdays)


@overload
def roll(date: DateLike, convention: Convention = ..., *, weekmask: WeekMask = ...) -> datetime.date: ...
@overload
def roll(date: Dates, convention: Convention = ..., *, weekmask: WeekMask = ...) -> Any: ...


def roll(date: Any, convention: Convention = "following", *, weekmask: WeekMask = _options.MON_FRI) -> Any:
    """The date itself when a business day, else the next ("following") or
    previous ("preceding") business day; "modified_following" and
    "modified_preceding" (or with '-') go the other way when that would
    leave the month."""
    code, workdays = _options.convention(convention), _options.weekmask(weekmask)
    return _step(date, f" rolled {convention}", _hk.hk_roll, "roll", code, workdays)


@overload
def business_days_between(start: DateLike, end: DateLike, *, weekmask: WeekMask = ...) -> int: ...
@overload
def business_days_between(start: Any, end: Any, *, weekmask: WeekMask = ...) -> Any: ...


def business_days_between(start: Any, end: Any, *, weekmask: WeekMask = _options.MON_FRI) -> Any:
    """The number of business days d with start < d <= end (negative, the
    count of end < d <= start, when end is earlier): so that
    add_business_days(start, n) is end when end is a business day. Either
    may be a column (the other one date, or a column as long); a missing
    date has no count (None for a scalar)."""
    workdays = _options.weekmask(weekmask)
    firsts, lasts = Column.of(start, "start", _BUSINESS_DAYS), Column.of(end, "end", _BUSINESS_DAYS)
    if firsts is None and lasts is None:
        first, last = scalar_date(start, "start", _BUSINESS_DAYS), scalar_date(end, "end", _BUSINESS_DAYS)
        if first is None or last is None:
            return None
        count = ctypes.c_int32()
        _check(_hk.hk_business_days_between(Date.from_date(first), Date.from_date(last), workdays, ctypes.byref(count)),
               f"business days from {first.isoformat()} to {last.isoformat()}", _BUSINESS_DAYS)
        return count.value
    import numpy
    shape: Column = firsts if firsts is not None else lasts  # type: ignore[assignment]
    size = len(shape.days)

    def days_of(column: Optional[Column], value: object, argument: str) -> Any:
        if column is None:
            day = scalar_date(value, argument, _BUSINESS_DAYS)
            return numpy.full(size, NAT if day is None else day.toordinal() - EPOCH_ORDINAL, numpy.int64)
        if len(column.days) != size:
            raise ValueError(f"start and end: {len(shape.days)} and {len(column.days)} dates, not as many")
        return column.days
    first_days, last_days = days_of(firsts, start, "start"), days_of(lasts, end, "end")
    try:
        counts, missing = _kernels().business_days_between(first_days, last_days, workdays)
    except FirstBad as bad:
        raise ValueError(f"business days from {first_days[bad.index].astype('datetime64[D]')} to "
                         f"{last_days[bad.index].astype('datetime64[D]')}{shape.where(bad.index)}: "
                         f"outside the covered {_BUSINESS_DAYS}") from None
    return shape.values(counts, missing)


def busdaycalendar(start_year: int = C.HK_HOLIDAY_FIRST_YEAR, end_year: int = C.HK_HOLIDAY_LAST_YEAR, *,
                   weekmask: WeekMask = _options.MON_FRI) -> numpy.busdaycalendar:
    """A numpy.busdaycalendar with the general holidays of start_year to
    end_year (by default every covered year, 1997-2100), for
    numpy.busday_offset, numpy.busday_count and pandas'
    CustomBusinessDay(calendar=...). Past the years given numpy knows no
    holiday, so every working weekday there counts as a business day where
    hkcal would raise ValueError: keep numpy's dates within them. Needs
    numpy."""
    try:
        import numpy
    except ImportError:
        raise ImportError("hkcal.busdaycalendar needs numpy, an optional dependency") from None
    start_year = _options.int32(start_year, "start_year", _HOLIDAY_YEARS)
    end_year = _options.int32(end_year, "end_year", _HOLIDAY_YEARS)
    if end_year < start_year:
        raise ValueError(f"end_year {end_year} is before start_year {start_year}")
    flags = _options.weekmask_flags(_options.weekmask(weekmask))
    days = [h.date for h in holidays(range(start_year, end_year + 1))]
    return numpy.busdaycalendar(weekmask=flags, holidays=numpy.array(days, dtype="datetime64[D]"))


# ---- the lunar calendar and the solar terms ------------------------------------

def _lunar_text(year: int, month: int, leap: bool) -> str:
    return f"lunar {year}-{'L' if leap else ''}{month}"


@overload
def to_lunar(date: DateLike) -> LunarDate: ...
@overload
def to_lunar(date: Dates) -> Any: ...


def to_lunar(date: Any) -> Any:
    """The Observatory's lunar date of a date from 1901-02-19 to 2101-01-28
    (None for NaT)."""
    def scalar(day: datetime.date) -> LunarDate:
        lunar = Date()
        _check(_hk.hk_date_to_lunar(Date.from_date(day), lunar), f"date {day.isoformat()}", _LUNAR_DAYS)
        return LunarDate(lunar.year, abs(lunar.month), lunar.day, lunar.month < 0)

    def column(dates: Column) -> Any:
        return dates.lunar(dates.run(_kernels().to_lunar, dates.days, argument="date", covered=_LUNAR_DAYS))
    return _over(date, _LUNAR_DAYS, scalar, column, None)


def _lunar_error(year: int, month: int, day: int, leap: bool) -> str:
    """Why a lunar date of a covered year names no day."""
    if not 1 <= month <= 12:
        return f"{_lunar_text(year, month, leap)}-{day}: no month {month} (1-12; leap=True for the leap month)"
    if leap and lunar_leap_month(year) != month:
        return f"lunar {year} has no leap month {month}" if lunar_leap_month(year) else f"lunar {year} has no leap month"
    length = lunar_month_days(year, month, leap)
    return f"{_lunar_text(year, month, leap)} has {length} days, not {day}"


@overload
def from_lunar(lunar: Union[LunarDate, tuple[int, int, int], tuple[int, int, int, bool]]) -> datetime.date: ...
@overload
def from_lunar(lunar: Any) -> Any: ...


def from_lunar(lunar: Any) -> Any:
    """The date of a lunar date of lunar years 1901-2100: a LunarDate or a
    tuple (year, month, day[, leap]); ValueError for a month the year lacks
    (a leap month it has not) or a day past the month's length. Columns: a
    numpy structured array or a pandas DataFrame with year, month, day (and
    leap), or a list of tuples; dates come back as from to_lunar's
    inverse."""
    if isinstance(lunar, tuple) and len(lunar) in (3, 4):
        year, month, day, leap = LunarDate(*lunar)
        year = _options.int32(year, "lunar year", _LUNAR_YEARS)
        month, day = _options.integer(month, "lunar month"), _options.integer(day, "lunar day")
        if not isinstance(leap, bool):
            raise TypeError(f"leap must be a bool, not {type(leap).__name__}")
        result = Date()
        status = _hk.hk_lunar_to_date(Date(year, -month if leap else month, day), result) \
            if -2**31 < month < 2**31 and -2**31 <= day < 2**31 else C.HK_EINVAL
        if status == C.HK_EINVAL:
            raise ValueError(_lunar_error(year, month, day, leap))
        _check(status, f"{_lunar_text(year, month, leap)}-{day}", _LUNAR_YEARS)
        return result.to_date()
    from ._lunar_columns import from_lunar_column
    return from_lunar_column(lunar, _lunar_error, _LUNAR_YEARS)


def lunar_new_year(year: int) -> datetime.date:
    """The first day of a lunar year 1901-2100."""
    year = _options.int32(year, "lunar year", _LUNAR_YEARS)
    result = Date()
    _check(_hk.hk_lunar_new_year(year, result), f"lunar year {year}", _LUNAR_YEARS)
    return result.to_date()


def lunar_leap_month(year: int) -> int:
    """The leap month (1-12) of a lunar year 1901-2100, 0 when it has none."""
    year = _options.int32(year, "lunar year", _LUNAR_YEARS)
    month = ctypes.c_int32()
    _check(_hk.hk_lunar_leap_month(year, ctypes.byref(month)), f"lunar year {year}", _LUNAR_YEARS)
    return month.value


def lunar_month_days(year: int, month: int, leap: bool = False) -> int:
    """The length (29 or 30) of a month of a lunar year 1901-2100."""
    year = _options.int32(year, "lunar year", _LUNAR_YEARS)
    month = _options.integer(month, "lunar month")
    if not isinstance(leap, bool):
        raise TypeError(f"leap must be a bool, not {type(leap).__name__}")
    if not 1 <= month <= 12:
        raise ValueError(f"{_lunar_text(year, month, leap)}: no month {month} (1-12)")
    days = ctypes.c_int32()
    status = _hk.hk_lunar_month_days(year, -month if leap else month, ctypes.byref(days))
    if status == C.HK_EINVAL:
        raise ValueError(f"lunar {year} has no leap month {month}")
    _check(status, f"lunar year {year}", _LUNAR_YEARS)
    return days.value


_J2000 = datetime.datetime(2000, 1, 1, 12, tzinfo=datetime.timezone.utc)  # JD 2451545.0


def _term_index(index: int) -> int:
    index = _options.integer(index, "index")
    if not 0 <= index < C.HK_SOLAR_TERMS:
        raise ValueError(f"solar term index {index}: not 0 (Minor Cold) to 23 (Winter Solstice)")
    return index


def solar_terms(year: int, lang: Language = "en") -> list[SolarTerm]:
    """The 24 solar terms of a year 1901-2100 in time order, from Minor Cold
    (early January) to the Winter Solstice, named in English or Chinese,
    each dated as the Observatory's calendar dates it, with the minute and
    the instant (accurate to well under a minute) in Hong Kong time."""
    year = _options.int32(year, "year", _TERM_YEARS)
    language = _options.language(lang)
    terms = []
    jd, day, minute = ctypes.c_double(), Date(), ctypes.c_int32()
    for index in range(C.HK_SOLAR_TERMS):
        _check(_hk.hk_solar_term_local(year, index, day, ctypes.byref(minute)), f"year {year}", _TERM_YEARS)
        _check(_hk.hk_solar_term_instant(year, index, ctypes.byref(jd)), f"year {year}", _TERM_YEARS)
        time = datetime.datetime.combine(day.to_date(), datetime.time(*divmod(minute.value, 60)), HONG_KONG_TIME)
        instant = _J2000 + datetime.timedelta(days=jd.value - 2451545.0)
        name = _hk.hk_solar_term_name(index, language).decode()
        terms.append(SolarTerm(name, time, instant.astimezone(HONG_KONG_TIME).replace(microsecond=0)))
    return terms


def solar_term_date(year: int, index: int) -> datetime.date:
    """The Hong Kong date of term `index` (0 Minor Cold .. 23 Winter
    Solstice) of a year 1901-2100."""
    year = _options.int32(year, "year", _TERM_YEARS)
    result = Date()
    _check(_hk.hk_solar_term_date(year, _term_index(index), result), f"year {year}", _TERM_YEARS)
    return result.to_date()


# ---- whole calendars --------------------------------------------------------------

class HolidayCalendar(Mapping[DateLike, Holiday]):
    """A read-only mapping from each holiday's date to its Holiday, for the
    years given (by default every covered year, 1997-2100): `date in
    calendar`, `calendar[date]` and `calendar.get(date)` take any date-like
    (datetime.date, a timestamp, 'YYYY-MM-DD')."""

    def __init__(self, kind: Kind = "general", years: Optional[Iterable[int]] = None, *, christmas: bool = False,
                 rest_day: Optional[RestDay] = None) -> None:
        chosen = range(C.HK_HOLIDAY_FIRST_YEAR, C.HK_HOLIDAY_LAST_YEAR + 1) if years is None else years
        self._days: dict[datetime.date, Holiday] = {}
        for h in holidays(chosen, kind, christmas=christmas, rest_day=rest_day):
            self._days.setdefault(h.date, h)

    def __getitem__(self, date: object) -> Holiday:
        day = scalar_date(date, "date", _HOLIDAY_YEARS)
        if day is None or day not in self._days:
            raise KeyError(date)
        return self._days[day]

    def __contains__(self, date: object) -> bool:
        day = scalar_date(date, "date", _HOLIDAY_YEARS)
        return day is not None and day in self._days

    def __iter__(self) -> Iterator[DateLike]:
        return iter(self._days)

    def __len__(self) -> int:
        return len(self._days)


def holidays_frame(first_year: int = C.HK_HOLIDAY_FIRST_YEAR, last_year: int = C.HK_HOLIDAY_LAST_YEAR,
                   kind: Kind = "general", *, christmas: bool = False, rest_day: Optional[RestDay] = None) -> Any:
    """The holidays of first_year to last_year as a pandas DataFrame, one row
    a day: date (datetime64[ns]), name, name_zh, key, observed_for (NaT when
    none) and kinds. Needs pandas."""
    import pandas
    first = _options.int32(first_year, "first_year", _HOLIDAY_YEARS)
    last = _options.int32(last_year, "last_year", _HOLIDAY_YEARS)
    if last < first:
        raise ValueError(f"last_year {last} is before first_year {first}")
    days = holidays(range(first, last + 1), kind, christmas=christmas, rest_day=rest_day)
    return pandas.DataFrame({
        "date": pandas.to_datetime([h.date for h in days]),
        "name": [h.name for h in days], "name_zh": [h.name_zh for h in days], "key": [h.key for h in days],
        "observed_for": pandas.to_datetime([h.observed_for for h in days]),
        "kinds": [",".join(sorted(h.kinds)) for h in days],
    })
