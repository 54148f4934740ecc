"""The column kernels of a library without column functions (hk_days_*),
element by element: one function per operation over a flat int64 numpy
array of day counts since 1970-01-01 (NaT = INT64_MIN for a missing date).
Each raises FirstBad(index) for the first element outside coverage and
otherwise returns flat numpy arrays; a missing date gives False for a test,
NaT for a date, and is marked in `missing` for counts and lunar dates."""
from __future__ import annotations

import ctypes
import datetime
from typing import Any, Callable

import numpy

from ._constants import HK_OK
from ._dates import EPOCH_ORDINAL, LUNAR_DAY_FIELDS, NAT, FirstBad
from ._native import Date, hk as _hk

LUNAR_DAY = numpy.dtype(LUNAR_DAY_FIELDS)


def _date(days: int) -> Date:
    """The C Date of a day count; years past Python's 1-9999 get year 0,
    which the library rejects as outside coverage."""
    try:
        return Date.from_date(datetime.date.fromordinal(days + EPOCH_ORDINAL))
    except (ValueError, OverflowError):
        return Date(0, 1, 1)


def _days(date: Date) -> int:
    return date.to_date().toordinal() - EPOCH_ORDINAL


def _each(days: Any, call: Callable[[Date], tuple[int, Any]], dtype: Any, missing_value: Any) -> Any:
    """call(Date) -> (status, value) for each present day; HK_ERANGE (or any
    error) at element i raises FirstBad(i)."""
    out = numpy.empty(len(days), dtype)
    for i, day in enumerate(days.tolist()):
        if day == NAT:
            out[i] = missing_value
            continue
        status, value = call(_date(day))
        if status != HK_OK:
            raise FirstBad(i)
        out[i] = value
    return out


def is_business_day(days: Any, workdays: int) -> Any:
    result = ctypes.c_int32()

    def call(date: Date) -> tuple[int, Any]:
        return _hk.hk_is_business_day(date, workdays, ctypes.byref(result)), result.value
    return _each(days, call, numpy.bool_, False)


def is_holiday(days: Any, kind: int, options: int, rest_day: int) -> Any:
    result = ctypes.c_int32()

    def call(date: Date) -> tuple[int, Any]:
        return _hk.hk_is_holiday(date, kind, options, rest_day, ctypes.byref(result)), result.value
    return _each(days, call, numpy.bool_, False)


def _step(days: Any, function: Callable[..., int], *arguments: Any) -> Any:
    result = Date()

    def call(date: Date) -> tuple[int, Any]:
        status = function(date, *arguments, result)
        return status, _days(result) if status == HK_OK else 0
    return _each(days, call, numpy.int64, NAT)


def add_business_days(days: Any, n: Any, workdays: int) -> Any:
    """n: one int, or an int32 array as long as days."""
    if isinstance(n, int):
        return _step(days, _hk.hk_add_business_days, n, workdays)
    out = numpy.empty(len(days), numpy.int64)
    result = Date()
    for i, (day, step) in enumerate(zip(days.tolist(), n.tolist())):
        if day == NAT:
            out[i] = NAT
        elif _hk.hk_add_business_days(_date(day), step, workdays, result) != HK_OK:
            raise FirstBad(i)
        else:
            out[i] = _days(result)
    return out


def next_business_day(days: Any, workdays: int) -> Any:
    return _step(days, _hk.hk_next_business_day, workdays)


def previous_business_day(days: Any, workdays: int) -> Any:
    return _step(days, _hk.hk_previous_business_day, workdays)


def roll(days: Any, convention: int, workdays: int) -> Any:
    return _step(days, _hk.hk_roll, convention, workdays)


def business_days_between(start: Any, end: Any, workdays: int) -> tuple[Any, Any]:
    """(counts, missing): a pair with a missing date has no count."""
    missing = (start == NAT) | (end == NAT)
    out = numpy.zeros(len(start), numpy.int64)
    count = ctypes.c_int32()
    for i, (first, last) in enumerate(zip(start.tolist(), end.tolist())):
        if missing[i]:
            continue
        if _hk.hk_business_days_between(_date(first), _date(last), workdays, ctypes.byref(count)) != HK_OK:
            raise FirstBad(i)
        out[i] = count.value
    return out, missing


def to_lunar(days: Any) -> Any:
    """The LUNAR_DAY record of each day (missing marked, fields 0)."""
    out = numpy.zeros(len(days), LUNAR_DAY)
    lunar = Date()
    for i, value in enumerate(days.tolist()):
        if value == NAT:
            out[i]["missing"] = True
        elif _hk.hk_date_to_lunar(_date(value), lunar) != HK_OK:
            raise FirstBad(i)
        else:
            out[i] = (lunar.year, abs(lunar.month), lunar.day, lunar.month < 0, False)
    return out


def from_lunar(lunar: Any) -> Any:
    """The day counts (NaT where missing) of LUNAR_DAY records."""
    out = numpy.full(len(lunar), NAT, numpy.int64)
    result = Date()
    for i, (year, month, day, leap, missing) in enumerate(lunar.tolist()):
        if missing:
            continue
        if _hk.hk_lunar_to_date(Date(year, -month if leap else month, day), result) != HK_OK:
            raise FirstBad(i)
        out[i] = _days(result)
    return out
