"""Columns of lunar dates read for from_lunar: a pandas DataFrame or a numpy
structured array with fields year, month, day (and leap), or a list of
(year, month, day[, leap]) tuples."""
from __future__ import annotations

import sys
from typing import Any, Callable

import numpy

from ._dates import Column, FirstBad


def _fields(lunar: Any) -> tuple[Any, Any, Any, Any, Any, Column]:
    """(year, month, day, leap, missing, shape) of a lunar column; the
    shape's Column gives results back."""
    pandas = sys.modules.get("pandas")
    if pandas is not None and isinstance(lunar, pandas.DataFrame):
        missing = lunar[["year", "month", "day"]].isna().any(axis=1).to_numpy()
        year, month, day = (lunar[name].fillna(0).to_numpy(dtype=numpy.int64) for name in ("year", "month", "day"))
        leap = lunar["leap"].fillna(False).to_numpy(dtype=bool) if "leap" in lunar else numpy.zeros(len(lunar), bool)
        shape = Column(None, (len(lunar),), series=pandas.Series(index=lunar.index, dtype=object))
        return year, month, day, leap, missing, shape
    if isinstance(lunar, list):
        if not all(isinstance(t, tuple) and len(t) in (3, 4) for t in lunar):
            raise TypeError("lunar dates must be (year, month, day[, leap]) tuples")
        lunar = numpy.array([tuple(t) + (False,) * (4 - len(t)) for t in lunar],
                            dtype=[("year", "i8"), ("month", "i8"), ("day", "i8"), ("leap", "?")])
    if not isinstance(lunar, numpy.ndarray) or lunar.dtype.names is None \
            or not {"year", "month", "day"} <= set(lunar.dtype.names):
        raise TypeError(f"lunar must be a LunarDate, a tuple (year, month, day[, leap]), or a column of them "
                        f"(a structured array or DataFrame with year, month, day, leap), not {type(lunar).__name__}")
    flat = lunar.ravel()
    masked = numpy.ma.getmaskarray(flat)  # type: ignore[no-untyped-call]
    missing = masked if masked.dtype == bool else numpy.array([any(row) for row in masked.ravel()])
    year, month, day = (numpy.asarray(flat[name], numpy.int64) for name in ("year", "month", "day"))
    leap = numpy.asarray(flat["leap"], bool) if "leap" in lunar.dtype.names else numpy.zeros(len(flat), bool)
    return year, month, day, leap, missing, Column(None, lunar.shape)


def from_lunar_column(lunar: Any, error: Callable[[int, int, int, bool], str], covered: str) -> Any:
    year, month, day, leap, missing, shape = _fields(lunar)
    limit = 2**31
    bad = ~missing & ((abs(year) >= limit) | (month < 1) | (month > 12) | (day < 1) | (day > 30))
    try:
        if bad.any():
            raise FirstBad(int(numpy.argmax(bad)))
        from . import _kernels
        kernels = _kernels()
        records = numpy.zeros(len(year), kernels.LUNAR_DAY)
        present = ~missing
        for name, values in (("year", year), ("month", month), ("day", day), ("leap", leap)):
            records[name][present] = values[present]
        records["missing"] = missing
        days = kernels.from_lunar(records)
    except FirstBad as first:
        i = first.index
        y, m, d, is_leap = int(year[i]), int(month[i]), int(day[i]), bool(leap[i])
        from . import lunar_leap_month
        try:
            lunar_leap_month(y)
            reason = error(y, m, d, is_leap)
        except ValueError:
            reason = f"outside the covered {covered}"
        raise ValueError(f"lunar{shape.where(i)} {y}-{'L' if is_leap else ''}{m}-{d}: {reason}") from None
    return shape.dates(days)
