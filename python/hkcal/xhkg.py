"""The stock exchange's calendar (HKEX's securities market, XHKG), 1997-2100:
trading days, each day's sessions with their history, and the days the
exchange shut or cut short. Dates and columns of dates are taken as
hkcal's other date functions take them. Years after LAST_RECORDED_YEAR
are the rules' projection (recorded(year) says which), and may change."""
from __future__ import annotations

import ctypes
import datetime
from dataclasses import dataclass
from typing import Any, Callable, Iterable, Optional, Union

from . import _BUSINESS_DAYS, _HOLIDAY_YEARS, _check, _over
from . import _constants as C
from . import _options
from ._dates import EPOCH_ORDINAL, NAT, Column, FirstBad, scalar_date
from ._native import HONG_KONG_TIME, Date, hk as _hk
from ._options import Convention

__all__ = ["Session", "Closure", "LAST_RECORDED_YEAR", "is_trading_day", "add_trading_days", "roll",
           "trading_days_between", "sessions", "closures", "recorded"]

LAST_RECORDED_YEAR = C.HK_XHKG_LAST_RECORDED_YEAR
_KINDS = {C.HK_XHKG_CLOSED: "closed", C.HK_XHKG_FULL: "full", C.HK_XHKG_HALF: "half",
          C.HK_XHKG_AFTERNOON: "afternoon", C.HK_XHKG_SHORTENED: "shortened"}


class _HkSession(ctypes.Structure):
    _fields_ = [(name, ctypes.c_int32) for name in
                ("kind", "open", "break_start", "break_end", "close", "pre_open", "auction_close")]


class _HkXhkgClosure(ctypes.Structure):
    _fields_ = [("date", Date), ("kind", ctypes.c_int32), ("key", ctypes.c_char_p), ("name_en", ctypes.c_char_p),
                ("name_zh", ctypes.c_char_p), ("source", ctypes.c_char_p)]


_pDate, _i32, _p, _n = ctypes.POINTER(Date), ctypes.c_int32, ctypes.c_void_p, ctypes.c_size_t
_first = ctypes.POINTER(ctypes.c_size_t)
for _name, _arguments in [
    ("hk_xhkg_session", [_pDate, ctypes.POINTER(_HkSession)]),
    ("hk_xhkg_is_trading_day", [_pDate, ctypes.POINTER(_i32)]),
    ("hk_xhkg_recorded", [_i32, ctypes.POINTER(_i32)]),
    ("hk_xhkg_closures", [_i32, ctypes.POINTER(_HkXhkgClosure), _n, ctypes.POINTER(_n)]),
    ("hk_xhkg_add_trading_days", [_pDate, _i32, _pDate]),
    ("hk_xhkg_roll", [_pDate, _i32, _pDate]),
    ("hk_xhkg_trading_days_between", [_pDate, _pDate, ctypes.POINTER(_i32)]),
    ("hk_days_xhkg_is_trading_day", [_p, _n, _p, _first]),
    ("hk_days_xhkg_add_trading_days", [_p, _n, ctypes.c_int64, _p, _first]),
    ("hk_days_xhkg_roll", [_p, _n, _i32, _p, _first]),
    ("hk_days_xhkg_trading_days_between", [_p, _p, _n, _p, _first]),
]:
    _function = getattr(_hk, _name)
    _function.restype, _function.argtypes = _i32, _arguments


@dataclass(frozen=True)
class Session:
    """One trading day's continuous trading, in Hong Kong time; the break
    is None on a day without one (a half day, an afternoon only)."""

    date: datetime.date
    kind: str  # "full", "half", "afternoon" or "shortened"
    open: datetime.datetime
    break_start: Optional[datetime.datetime]
    break_end: Optional[datetime.datetime]
    close: datetime.datetime


@dataclass(frozen=True)
class Closure:
    """A weekday, not a general holiday, that the exchange did not trade in
    full: an eve's half day, or a day the weather shut or cut short."""

    date: datetime.date
    kind: str  # "closed", "half", "afternoon" or "shortened"
    key: str  # the reason: "typhoon", "black-rainstorm", "christmas-eve", ...
    name: str
    name_zh: str
    source: str


def _column(dates: Column, function: Any, dtype: str, *arguments: Any, what: str = "") -> Any:
    """function over the column's day counts: flat results of dtype."""
    import numpy
    days = numpy.ascontiguousarray(dates.days, numpy.int64)
    out = numpy.empty(len(days), dtype)

    def kernel() -> Any:
        first = ctypes.c_size_t()
        if function(days.ctypes.data, len(days), *arguments, out.ctypes.data, ctypes.byref(first)) != C.HK_OK:
            raise FirstBad(first.value)
        return out
    return dates.run(kernel, argument="date", covered=_BUSINESS_DAYS, what=what)


def is_trading_day(date: Any) -> Any:
    """Whether the date is a trading day: a weekday that is neither a
    general holiday nor a day the exchange stayed shut."""
    def scalar(day: datetime.date) -> bool:
        result = ctypes.c_int32()
        _check(_hk.hk_xhkg_is_trading_day(Date.from_date(day), ctypes.byref(result)), f"date {day}", _BUSINESS_DAYS)
        return bool(result.value)
    return _over(date, _BUSINESS_DAYS, scalar,
                 lambda dates: dates.values(_column(dates, _hk.hk_days_xhkg_is_trading_day, "bool")), False)


def _step(date: Any, what: str, scalar_call: Callable[[Date, Date], int], column_call: Callable[[Column], Any]) -> Any:
    def scalar(day: datetime.date) -> datetime.date:
        result = Date()
        _check(scalar_call(Date.from_date(day), result), f"{day}{what}", _BUSINESS_DAYS)
        return result.to_date()
    return _over(date, _BUSINESS_DAYS, scalar, lambda dates: dates.dates(column_call(dates)), date)


def add_trading_days(date: Any, n: int) -> Any:
    """The n-th trading day after the date (n > 0) or before it (n < 0), the
    date itself not counted; the date for n == 0."""
    n = _options.int32(n, "n", _BUSINESS_DAYS)
    what = f" + {n} trading days"
    return _step(date, what, lambda d, r: int(_hk.hk_xhkg_add_trading_days(d, n, r)),
                 lambda dates: _column(dates, _hk.hk_days_xhkg_add_trading_days, "int64", n, what=what))


def roll(date: Any, convention: Convention = "following") -> Any:
    """The date when a trading day, else the next ("following") or previous
    ("preceding") one; the modified forms turn back at a month's end."""
    code = _options.convention(convention)
    what = f" rolled {convention}"
    return _step(date, what, lambda d, r: int(_hk.hk_xhkg_roll(d, code, r)),
                 lambda dates: _column(dates, _hk.hk_days_xhkg_roll, "int64", code, what=what))


def trading_days_between(start: Any, end: Any) -> Any:
    """The trading days d with start < d <= end (negative, those with
    end < d <= start, when end is earlier). A column of starts takes one end
    or a column as long; a missing date has no count (masked)."""
    firsts = Column.of(start, "start", _BUSINESS_DAYS)
    if firsts is None:
        first, last = scalar_date(start, "start", _BUSINESS_DAYS), scalar_date(end, "end", _BUSINESS_DAYS)
        if first is None or last is None:
            return None
        count = ctypes.c_int32()
        _check(_hk.hk_xhkg_trading_days_between(Date.from_date(first), Date.from_date(last), ctypes.byref(count)),
               f"trading days from {first} to {last}", _BUSINESS_DAYS)
        return count.value
    import numpy
    lasts = Column.of(end, "end", _BUSINESS_DAYS)
    if lasts is None:
        day = scalar_date(end, "end", _BUSINESS_DAYS)
        ends = numpy.full(len(firsts.days), NAT if day is None else day.toordinal() - EPOCH_ORDINAL, numpy.int64)
    elif len(lasts.days) == len(firsts.days):
        ends = numpy.ascontiguousarray(lasts.days, numpy.int64)
    else:
        raise ValueError(f"start and end: {len(firsts.days)} and {len(lasts.days)} dates, not as many")
    counts = _column(firsts, lambda days, n, out, first: _hk.hk_days_xhkg_trading_days_between(
        days, ends.ctypes.data, n, out, first), "int64")
    return firsts.values(counts, counts == NAT)


def _clock(day: datetime.date, minutes: int) -> Optional[datetime.datetime]:
    if minutes < 0:
        return None
    return datetime.datetime.combine(day, datetime.time(minutes // 60, minutes % 60), HONG_KONG_TIME)


def _session(day: datetime.date) -> Optional[Session]:
    s = _HkSession()
    _check(_hk.hk_xhkg_session(Date.from_date(day), ctypes.byref(s)), f"date {day}", _BUSINESS_DAYS)
    if s.kind == C.HK_XHKG_CLOSED:
        return None
    return Session(day, _KINDS[s.kind], _clock(day, s.open), _clock(day, s.break_start),  # type: ignore[arg-type]
                   _clock(day, s.break_end), _clock(day, s.close))  # type: ignore[arg-type]


def sessions(start: Any, end: Any) -> Any:
    """The sessions of each trading day from start to end (both counted): a
    pandas DataFrame indexed by date with timezone-aware (Asia/Hong_Kong)
    open, break_start, break_end and close columns when pandas is
    installed, else a list of Session records."""
    first, last = scalar_date(start, "start", _BUSINESS_DAYS), scalar_date(end, "end", _BUSINESS_DAYS)
    if first is None or last is None:
        raise ValueError("start and end: dates, not NaT")
    days = [first + datetime.timedelta(i) for i in range((last - first).days + 1)]
    records = [s for s in map(_session, days) if s is not None]
    try:
        import pandas
    except ImportError:
        return records
    columns = ("open", "break_start", "break_end", "close")
    frame = pandas.DataFrame({"kind": [r.kind for r in records]} |
                             {c: pandas.to_datetime([getattr(r, c) for r in records], utc=True) for c in columns},
                             index=pandas.Index([r.date for r in records], name="date"))
    for c in columns:
        frame[c] = frame[c].dt.tz_convert("Asia/Hong_Kong")
    return frame


def closures(years: Union[int, Iterable[int]]) -> list[Closure]:
    """The half days, closures and shortened days of a year 1997-2100 (or of
    each year of an iterable), in date order."""
    if isinstance(years, Iterable):
        return [c for year in years for c in closures(year)]
    year = _options.int32(years, "year", _HOLIDAY_YEARS)
    out = (_HkXhkgClosure * C.HK_XHKG_MAX_CLOSURES)()
    count = ctypes.c_size_t()
    _check(_hk.hk_xhkg_closures(year, out, len(out), ctypes.byref(count)), f"year {year}", _HOLIDAY_YEARS)
    return [Closure(c.date.to_date(), _KINDS[c.kind], c.key.decode(), c.name_en.decode(), c.name_zh.decode(),
                    c.source.decode()) for c in out[:count.value]]


def recorded(year: int) -> bool:
    """Whether the year's days are recorded (True) or the rules' projection."""
    year = _options.int32(year, "year", _HOLIDAY_YEARS)
    result = ctypes.c_int32()
    _check(_hk.hk_xhkg_recorded(year, ctypes.byref(result)), f"year {year}", _HOLIDAY_YEARS)
    return bool(result.value)
