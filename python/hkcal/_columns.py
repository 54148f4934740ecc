"""The column kernels over the library's column functions (hk_days_*): one C
call per operation over a flat int64 numpy array of day counts since
1970-01-01 (HK_NAT, numpy's NaT, for a missing date). Each raises
FirstBad(index) for the first element outside coverage (or naming no lunar
day) and otherwise returns flat numpy arrays: False for a missing date's
test, NaT for its date, and `missing` marked for counts and lunar dates."""
from __future__ import annotations

import ctypes
from typing import Any

import numpy

from ._constants import HK_OK
from ._dates import LUNAR_DAY_FIELDS, FirstBad
from ._native import hk as _hk

LUNAR_DAY = numpy.dtype(LUNAR_DAY_FIELDS)

_p, _n, _i32, _u32, _u8, _i64 = ctypes.c_void_p, ctypes.c_size_t, ctypes.c_int32, ctypes.c_uint32, ctypes.c_uint8, ctypes.c_int64
_first = ctypes.POINTER(ctypes.c_size_t)
for _name, _arguments in [
    ("hk_days_is_business_day", [_p, _n, _u8, _p, _first]),
    ("hk_days_is_holiday", [_p, _n, _u32, _u32, _i32, _p, _first]),
    ("hk_days_add_business_days", [_p, _n, _i64, _u8, _p, _first]),
    ("hk_days_add_business_days_each", [_p, _p, _n, _u8, _p, _first]),
    ("hk_days_roll", [_p, _n, _i32, _u8, _p, _first]),
    ("hk_days_business_days_between", [_p, _p, _n, _u8, _p, _first]),
    ("hk_days_to_lunar", [_p, _n, _p, _first]),
    ("hk_days_from_lunar", [_p, _n, _p, _first]),
]:
    _function = getattr(_hk, _name)
    _function.restype, _function.argtypes = _i32, _arguments


def _int64(values: Any) -> Any:
    return numpy.ascontiguousarray(values, numpy.int64)


def _call(function: Any, *arguments: Any) -> None:
    """function(*arguments, &first_bad): FirstBad for any status but HK_OK
    (the scalar arguments were checked before)."""
    first = ctypes.c_size_t()
    if function(*arguments, ctypes.byref(first)) != HK_OK:
        raise FirstBad(first.value)


def is_business_day(days: Any, workdays: int) -> Any:
    days = _int64(days)
    out = numpy.empty(len(days), numpy.bool_)
    _call(_hk.hk_days_is_business_day, days.ctypes.data, len(days), workdays, out.ctypes.data)
    return out


def is_holiday(days: Any, kind: int, options: int, rest_day: int) -> Any:
    days = _int64(days)
    out = numpy.empty(len(days), numpy.bool_)
    _call(_hk.hk_days_is_holiday, days.ctypes.data, len(days), kind, options, rest_day, out.ctypes.data)
    return out


def add_business_days(days: Any, n: Any, workdays: int) -> Any:
    """n: one int, or an int array as long as days."""
    days = _int64(days)
    out = numpy.empty(len(days), numpy.int64)
    if isinstance(n, int):
        _call(_hk.hk_days_add_business_days, days.ctypes.data, len(days), n, workdays, out.ctypes.data)
    else:
        steps = _int64(n)
        _call(_hk.hk_days_add_business_days_each, days.ctypes.data, steps.ctypes.data, len(days), workdays,
              out.ctypes.data)
    return out


def next_business_day(days: Any, workdays: int) -> Any:
    return add_business_days(days, 1, workdays)


def previous_business_day(days: Any, workdays: int) -> Any:
    return add_business_days(days, -1, workdays)


def roll(days: Any, convention: int, workdays: int) -> Any:
    days = _int64(days)
    out = numpy.empty(len(days), numpy.int64)
    _call(_hk.hk_days_roll, days.ctypes.data, len(days), convention, workdays, out.ctypes.data)
    return out


def business_days_between(start: Any, end: Any, workdays: int) -> tuple[Any, Any]:
    """(counts, missing): a pair with a missing date has no count."""
    start, end = _int64(start), _int64(end)
    out = numpy.empty(len(start), numpy.int64)
    _call(_hk.hk_days_business_days_between, start.ctypes.data, end.ctypes.data, len(start), workdays, out.ctypes.data)
    return out, out == numpy.iinfo(numpy.int64).min


def to_lunar(days: Any) -> Any:
    """The LUNAR_DAY record of each day."""
    days = _int64(days)
    out = numpy.empty(len(days), LUNAR_DAY)
    _call(_hk.hk_days_to_lunar, days.ctypes.data, len(days), out.ctypes.data)
    return out


def from_lunar(lunar: Any) -> Any:
    """The day counts (NaT where missing) of LUNAR_DAY records."""
    lunar = numpy.ascontiguousarray(lunar, LUNAR_DAY)
    out = numpy.empty(len(lunar), numpy.int64)
    _call(_hk.hk_days_from_lunar, lunar.ctypes.data, len(lunar), out.ctypes.data)
    return out
