"""Columns and what users hold: every input form through every date function,
columns against scalars over every covered day, the options reaching C as
meant, and hostile arguments."""
import datetime as dt
import inspect
import math
import random
import re

import numpy as np
import pandas as pd
import pytest

import hkcal
import hkcal.pandas
from hkcal import classic

D = dt.date
UTC = dt.timezone.utc
# Each function of one date, as (name, call); the step functions stay clear of the covered ends.
ONE_DATE = [
    ("is_holiday", hkcal.is_holiday), ("statutory", lambda d: hkcal.is_holiday(d, "statutory", rest_day="Sun")),
    ("is_business_day", hkcal.is_business_day), ("add 2", lambda d: hkcal.add_business_days(d, 2)),
    ("add -3 Mon-Sat", lambda d: hkcal.add_business_days(d, -3, weekmask="1111110")),
    ("next", hkcal.next_business_day), ("previous", hkcal.previous_business_day),
    *((c, lambda d, c=c: hkcal.roll(d, c)) for c in ("following", "modified_following", "preceding",
                                                      "modified-preceding")),
    ("between", lambda d: hkcal.business_days_between(d, D(2050, 6, 30))), ("to_lunar", hkcal.to_lunar),
]


def plain(value):
    """A scalar result or a column element as plain Python, missing as None."""
    if value is None or value is pd.NaT or value is pd.NA or (isinstance(value, np.datetime64) and np.isnat(value)):
        return None
    if isinstance(value, (np.datetime64, dt.datetime)):
        return pd.Timestamp(value).date()
    if isinstance(value, tuple):
        return tuple(map(plain, value[:4]))  # a lunar record without its missing flag
    return value.item() if isinstance(value, np.generic) else value


def elements(result):
    """A column result's elements as plain Python, missing as None."""
    if isinstance(result, pd.DataFrame):
        return [None if any(v is pd.NA for v in row) else plain(row) for row in result.itertuples(index=False, name=None)]
    if isinstance(result, (pd.Series, pd.Index)):
        return [plain(v) for v in result.astype(object)]
    mask = np.ma.getmaskarray(result).ravel()
    if mask.dtype.names:
        mask = np.array([any(m) for m in mask.tolist()], bool)
    return [None if m else plain(v) for v, m in zip(np.ma.getdata(result).ravel().tolist(), mask)]


# 2026-04-07, Tuesday, the day following Easter Monday; 18:00 UTC on it is 2026-04-08 in Hong Kong.
SCALARS = [
    (D(2026, 4, 7), D(2026, 4, 7)), (dt.datetime(2026, 4, 7, 23, 59), D(2026, 4, 7)),
    (dt.datetime(2026, 4, 7, 18, tzinfo=UTC), D(2026, 4, 8)), (np.datetime64("2026-04-07T23:00"), D(2026, 4, 7)),
    (pd.Timestamp("2026-04-07 18:00", tz="UTC"), D(2026, 4, 8)), (pd.Timestamp("2026-04-08 00:30", tz="Asia/Tokyo"),
                                                                 D(2026, 4, 7)),
    (pd.Timestamp("2026-04-08"), D(2026, 4, 8)), ("2026-04-07", D(2026, 4, 7)), (pd.NaT, None),
    (np.datetime64("NaT"), None),
]


def columns(values):
    """The forms a column of these dates takes (None: missing)."""
    stamps = pd.to_datetime([v.isoformat() if v else None for v in values])
    index = [f"row{i}" for i in range(len(values))]
    return [list(values), tuple(values), np.array(values, dtype="datetime64[D]"), stamps.to_numpy(),
            np.array(values, dtype=object).reshape(len(values), 1), pd.Series(stamps, index=index, name="trade"),
            pd.Series(stamps.tz_localize(hkcal.HONG_KONG_TIME).tz_convert("UTC"), index=index), stamps,
            pd.Series([v.isoformat() if v else None for v in values], dtype=object)]


@pytest.mark.parametrize("name, function", ONE_DATE)
def test_every_input_form_gives_the_dates_result(name, function):
    """Each scalar form is the date it names in Hong Kong; each column form
    gives the scalar results element by element, missing where missing,
    and a Series keeps its index and name."""
    missing = False if name in ("is_holiday", "statutory", "is_business_day") else None
    expected = [missing if d is None else plain(function(d)) for _, d in SCALARS]
    assert [plain(function(value)) for value, _ in SCALARS] == expected
    for column in columns([d for _, d in SCALARS]):
        result = function(column)
        assert elements(result) == expected, (name, type(column))
        if isinstance(column, pd.Series):
            assert list(result.index) == list(column.index) and getattr(result, "name", column.name) == column.name
        if isinstance(column, np.ndarray) and not isinstance(result, pd.DataFrame):
            assert result.shape == column.shape


@pytest.mark.parametrize("function, value, message", [
    (hkcal.is_business_day, ["2026-01-01", "2101-01-01"], "date[1] 2101-01-01: outside the covered dates 1997-01-01"),
    (hkcal.to_lunar, pd.Series(pd.to_datetime(["2000-01-01", "1901-02-18"]), index=["a", "b"]),
     "date[index 'b', position 1] 1901-02-18: outside the covered lunar years 1901-2100 (1901-02-19 to 2101-01-28)"),
    (hkcal.is_holiday, np.array([["1996-12-31"]], dtype="datetime64[D]"), "date[0, 0] 1996-12-31: outside"),
    (lambda d: hkcal.add_business_days(d, 3), [D(2100, 12, 29)], "date[0] 2100-12-29 + 3 business days: outside"),
    (hkcal.from_lunar, [(2024, 1, 1), (2023, 2, 30, True)], "lunar[1] 2023-L2-30: lunar 2023-L2 has 29 days"),
    (hkcal.is_holiday, ["2026-02-30"], "date[0] '2026-02-30': day is out of range"),
    (hkcal.is_holiday, np.array([1, 2]), "must hold dates"),
])
def test_column_errors_name_value_position_and_span(function, value, message):
    with pytest.raises((ValueError, TypeError), match=re.escape(message)):
        function(value)


def test_columns_equal_scalars_for_every_covered_day():
    every = pd.date_range("1997-01-08", "2100-12-20")
    days = [d.date() for d in every]
    for name, function in ONE_DATE + [("from_lunar", lambda d: hkcal.from_lunar(hkcal.to_lunar(d)))]:
        assert elements(function(every.to_numpy())) == [plain(function(d)) for d in days], name
    n = np.arange(len(days)) % 7 - 3
    assert list(hkcal.add_business_days(every, n)) == [pd.Timestamp(hkcal.add_business_days(d, int(k)))
                                                       for d, k in zip(days, n)]
    lunar = hkcal.to_lunar(pd.date_range("1901-02-19", "2101-01-28"))
    assert lunar.iloc[[0, -1]].values.tolist() == [[1901, 1, 1, False], [2100, 12, 29, False]]
    assert (hkcal.from_lunar(lunar).to_numpy() == lunar.index.to_numpy()).all()


def test_options_reach_the_library_as_meant():
    """A table of facts each option changes: two options swapped fail it."""
    roll = {c: [hkcal.roll(d, c) for d in (D(2026, 1, 31), D(2026, 3, 1))] for c in hkcal._options.CONVENTIONS}
    assert roll == {"following": [D(2026, 2, 2), D(2026, 3, 2)], "modified_following": [D(2026, 1, 30), D(2026, 3, 2)],
                    "preceding": [D(2026, 1, 30), D(2026, 2, 27)],
                    "modified_preceding": [D(2026, 1, 30), D(2026, 3, 2)]}
    good_friday, sunday, monday, saturday = D(2026, 4, 3), D(2026, 1, 4), D(2026, 1, 5), D(2026, 1, 3)
    assert [hkcal.is_holiday(good_friday, k) for k in ("general", "statutory")] == [True, False]
    winter = {h.key for h in hkcal.holidays(2026, "statutory")} ^ {h.key for h in hkcal.holidays(2026, "statutory",
                                                                                                  christmas=True)}
    assert len(winter) == 2
    rest = [{h.date for h in hkcal.holidays(2021, "statutory", rest_day=r)} for r in (6, "Sun", "sunday", 5, "Sat", 0)]
    assert rest[0] == rest[1] == rest[2] != rest[3] == rest[4] != rest[5] != rest[0]
    for mask, works in [("1111100", [0, 0, 1]), ("Mon Tue Wed Thu Fri", [0, 0, 1]), ([1] * 5 + [0, 0], [0, 0, 1]),
                        ("0000001", [0, 1, 0]), ("Sun", [0, 1, 0]), ([False] * 5 + [True, False], [1, 0, 0]),
                        (np.array([1, 0, 0, 0, 0, 0, 0], bool), [0, 0, 1]), ("SatSun", [1, 1, 0])]:
        got = hkcal.is_business_day([saturday, sunday, monday], weekmask=mask)
        assert list(got) == [bool(w) for w in works] == [hkcal.is_business_day(d, weekmask=mask)
                                                          for d in (saturday, sunday, monday)], mask
    assert [hkcal.solar_terms(2024, lang)[0].name for lang in ("en", "zh")] == ["Minor Cold", "小寒"]


def _hostile(rng):
    pool = [None, math.nan, math.inf, 2**64, -2**63 - 1, -1, 0, 7, 2026, 1.5, True, "x", "2026-01-01", b"",
            "9999-12-31", [], (), {}, object(), np.array([]), np.array(["NaT"], "datetime64[D]"), pd.NaT,
            np.datetime64("NaT"), D(1, 1, 1), dt.datetime.max.replace(tzinfo=UTC), D(2026, 1, 1),
            pd.Series([], dtype=float), [None], ["2026-13-01"], np.int64(2**40), (2024, 1, 1), (1, 2, 3, 4, 5)]
    return [rng.choice(pool) for _ in range(rng.randrange(5))]


def test_hostile_arguments_raise_only_type_or_value_errors():
    rng = random.Random(24)
    functions = [getattr(hkcal, n) for n in hkcal.__all__ if inspect.isroutine(getattr(hkcal, n))]
    functions += [getattr(classic, n) for n in classic.__all__ if callable(getattr(classic, n))]
    functions += [hkcal.pandas.holiday_calendar, hkcal.pandas.business_day, hkcal.HolidayCalendar]
    for function in functions:
        for _ in range(150):
            arguments = _hostile(rng)
            try:
                function(*arguments)
            except (TypeError, ValueError):
                pass
