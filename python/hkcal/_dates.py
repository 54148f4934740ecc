"""What users hold, read as Hong Kong dates, and column results given back in
the caller's own container.

Scalars: datetime.date; datetime.datetime and pandas.Timestamp (an aware one
converted to Hong Kong time first, a naive one read as Hong Kong local time);
numpy.datetime64 (read as Hong Kong local time); an ISO 'YYYY-MM-DD' string.
Columns: a list or tuple of scalars, a numpy array (datetime64 of any unit,
or objects and strings), a pandas Series or Index. A column's dates become
day counts since 1970-01-01 (numpy's datetime64[D]), NaT for a missing one
(NaT, None, NaN); numpy and pandas are imported only for columns."""
from __future__ import annotations

import datetime
import re
import sys
from typing import Any, Callable, Optional

from ._native import HONG_KONG_TIME

EPOCH_ORDINAL = 719163  # datetime.date(1970, 1, 1).toordinal(): day 0 of the day counts
NAT = -2**63  # numpy's NaT as an int64, INT64_MIN
_ISO_DATE = re.compile(r"\d{4}-\d{2}-\d{2}")
_NS_PER_DAY = 86_400 * 10**9


class FirstBad(Exception):
    """A column kernel's report: the element at flat position `index` is
    outside the covered span (or, for a step, its result would be)."""

    def __init__(self, index: int) -> None:
        super().__init__(index)
        self.index = index


def _kind(value: object) -> str:
    return type(value).__name__


def date_from_days(days: int, argument: str, covered: str) -> datetime.date:
    """The date of a day count; ValueError past Python's years 1-9999 (which
    lie outside every covered span)."""
    try:
        return datetime.date.fromordinal(days + EPOCH_ORDINAL)
    except (ValueError, OverflowError):
        raise ValueError(f"{argument} (day {days} from 1970-01-01): outside the covered {covered}") from None


def scalar_date(value: object, argument: str, covered: str) -> Optional[datetime.date]:
    """The Hong Kong date of a scalar date-like; None for NaT; TypeError for
    anything else that is not a date, ValueError for a string that names
    no date."""
    if isinstance(value, datetime.datetime):
        if value != value:  # pandas.NaT, which is a datetime
            return None
        if value.tzinfo is not None and value.utcoffset() is not None:
            try:
                value = value.astimezone(HONG_KONG_TIME)
            except OverflowError:
                raise ValueError(f"{argument} {value}: outside the covered {covered}") from None
        return value.date()
    if isinstance(value, datetime.date):
        return value
    if isinstance(value, str):
        if not _ISO_DATE.fullmatch(value):
            raise ValueError(f"{argument} {value!r}: not a date written YYYY-MM-DD")
        try:
            return datetime.date.fromisoformat(value)
        except ValueError as error:
            raise ValueError(f"{argument} {value!r}: {error}") from None
    numpy = sys.modules.get("numpy")
    if numpy is not None and isinstance(value, numpy.datetime64):
        if numpy.isnat(value):
            return None
        return date_from_days(int(value.astype("datetime64[D]").astype(numpy.int64)), f"{argument} {value}", covered)
    raise TypeError(f"{argument} must be a date (datetime.date, datetime.datetime, numpy.datetime64, "
                    f"pandas.Timestamp, 'YYYY-MM-DD' or an array of them), not {_kind(value)}")


def _numpy() -> Any:
    try:
        import numpy
    except ImportError:
        raise ImportError("hkcal: arrays of dates need numpy, an optional dependency") from None
    return numpy


class Column:
    """An array-like's dates as a flat int64 array of day counts (NaT for a
    missing date), with the way back to the caller's container: a numpy
    array of the same shape, or a pandas Series with the same index and
    name, or numpy arrays for an Index (dates as an Index)."""

    def __init__(self, days: Any, shape: tuple[int, ...], series: Any = None, index: Any = None) -> None:
        self.days = days
        self.shape = shape
        self.series = series  # the Series given, else None
        self.index = index  # the Index given, else None

    # ---- reading ----

    @classmethod
    def of(cls, value: object, argument: str, covered: str) -> Optional[Column]:
        """The column of an array-like, None for anything else (a scalar)."""
        pandas = sys.modules.get("pandas")
        if pandas is not None and isinstance(value, (pandas.Series, pandas.Index)):
            days = _pandas_days(value, pandas, argument, covered)
            if isinstance(value, pandas.Series):
                return cls(days, (len(value),), series=value)
            return cls(days, (len(value),), index=value)
        loaded: Any = sys.modules.get("numpy")
        if isinstance(value, (list, tuple)) or (loaded is not None and isinstance(value, loaded.ndarray)):
            numpy = _numpy()
            array = numpy.asarray(value) if len(value) else numpy.empty(0, "datetime64[D]")
            return cls(_numpy_days(array, numpy, argument, covered), array.shape)
        return None

    def where(self, index: int) -> str:
        """Where flat element `index` stands, for messages: '[3]',
        '[1, 2]' or "[index 'b', position 1]"."""
        if self.series is not None:
            return f"[index {self.series.index[index]!r}, position {index}]"
        if len(self.shape) == 1:
            return f"[{index}]"
        return str(list(map(int, _numpy().unravel_index(index, self.shape))))

    def run(self, kernel: Callable[..., Any], *arguments: Any, argument: str, covered: str,
            what: str = "") -> Any:
        """kernel(*arguments) with a FirstBad turned into a ValueError naming
        the value, its position and the covered span."""
        try:
            return kernel(*arguments)
        except FirstBad as bad:
            day = int(self.days[bad.index]) if len(self.days) else 0
            text = date_from_days(day, argument, covered).isoformat()
            raise ValueError(f"{argument}{self.where(bad.index)} {text}{what}: outside the covered {covered}") from None

    # ---- giving back ----

    def _series(self, values: Any) -> Any:
        return sys.modules["pandas"].Series(values, index=self.series.index, name=self.series.name, copy=False)

    def dates(self, days: Any) -> Any:
        """Day counts as dates: datetime64[D] of the input's shape, or
        datetime64[ns] in a Series / DatetimeIndex."""
        dates = days.view("datetime64[D]")
        if self.index is not None:
            return sys.modules["pandas"].DatetimeIndex(dates.astype("datetime64[ns]"), name=self.index.name)
        if self.series is not None:
            return self._series(dates.astype("datetime64[ns]"))
        return dates.reshape(self.shape)

    def values(self, values: Any, missing: Any = None) -> Any:
        """Plain values (bools, counts) of the input's shape; where `missing`
        marks elements, a numpy masked array or a pandas nullable column."""
        if self.series is not None:
            if missing is not None:
                return self._series(sys.modules["pandas"].arrays.IntegerArray(values, missing))
            return self._series(values)
        if missing is not None and missing.any():
            return _numpy().ma.MaskedArray(values, mask=missing).reshape(self.shape)
        return values.reshape(self.shape)

    def lunar(self, records: Any) -> Any:
        """LUNAR_DAY records as a structured array of the input's shape
        (masked where missing), or a DataFrame with columns year, month,
        day and leap (nullable) on the input's index."""
        numpy = _numpy()
        # NaT is the least int64: one pass over the days tells whether any is missing.
        missing = self.days == NAT if len(self.days) and self.days.min() == NAT else None
        if self.series is None and self.index is None:
            if missing is None:
                return records.reshape(self.shape)
            # The whole mask given as numpy keeps it (keep_mask=False): no per-field merge into a mask of zeros.
            flags = numpy.zeros(len(records), numpy.ma.make_mask_descr(records.dtype))
            flags[numpy.flatnonzero(missing)] = True
            masked = numpy.ma.MaskedArray(records.reshape(self.shape), mask=flags.reshape(self.shape), keep_mask=False)
            masked._sharedmask = False  # the mask is its own
            return masked
        pandas = sys.modules["pandas"]

        def column_mask() -> Any:  # one for each column: pandas writes a column's mask in place
            return numpy.zeros(len(records), bool) if missing is None else missing.copy()
        columns = {name: pandas.arrays.IntegerArray(records[name].astype("int32"), column_mask())
                   for name in ("year", "month", "day")}
        columns["leap"] = pandas.arrays.BooleanArray(records["leap"].copy(), column_mask())
        index = self.index if self.series is None else self.series.index
        return pandas.DataFrame(columns, index=index, copy=False)


# A lunar column's element, laid out as the C HkLunarDay (8 bytes): month
# 1-12 with leap for the leap month; missing for NaT, the other fields 0.
LUNAR_DAY_FIELDS = [("year", "<i4"), ("month", "i1"), ("day", "i1"), ("leap", "?"), ("missing", "?")]


def _numpy_days(array: Any, numpy: Any, argument: str, covered: str) -> Any:
    """The flat day counts of a numpy array of datetime64, date objects or
    strings."""
    if array.dtype.kind == "M":
        return array.astype("datetime64[D]", copy=False).view(numpy.int64).ravel()
    if array.dtype.kind not in "OU":
        raise TypeError(f"{argument} must hold dates (datetime64, date objects or 'YYYY-MM-DD'), not {array.dtype}")
    flat = array.ravel()
    days = numpy.empty(flat.size, numpy.int64)
    shape = array.shape
    for i, value in enumerate(flat.tolist() if array.dtype.kind == "U" else flat):
        where = f"[{i}]" if len(shape) == 1 else str(list(map(int, numpy.unravel_index(i, shape))))
        days[i] = _element_days(value, f"{argument}{where}", covered)
    return days


def _element_days(value: object, argument: str, covered: str) -> int:
    """One element's day count; NaT for None, NaN and NaT."""
    if value is None or (isinstance(value, float) and value != value):
        return NAT
    date = scalar_date(value, argument, covered)
    return NAT if date is None else date.toordinal() - EPOCH_ORDINAL


def _pandas_days(value: Any, pandas: Any, argument: str, covered: str) -> Any:
    """The day counts of a Series or Index: datetime64[ns] read directly, an
    aware one converted to Hong Kong time, anything else element by
    element."""
    numpy = _numpy()
    dtype = value.dtype
    if isinstance(dtype, pandas.DatetimeTZDtype):
        utc = (value.dt if isinstance(value, pandas.Series) else value).tz_convert(None).to_numpy()
        local = utc + numpy.timedelta64(HONG_KONG_TIME.utcoffset(None))  # NaT stays NaT
        return local.astype("datetime64[D]").view(numpy.int64)
    if dtype.kind == "M":
        return value.to_numpy().astype("datetime64[D]").view(numpy.int64)
    objects = value.to_numpy(dtype=object)
    days = numpy.empty(len(objects), numpy.int64)
    labels = value.index if isinstance(value, pandas.Series) else range(len(value))
    for i, (label, element) in enumerate(zip(labels, objects)):
        days[i] = _element_days(element, f"{argument}[index {label!r}, position {i}]", covered)
    return days
