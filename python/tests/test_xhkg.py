"""hkcal.xhkg: the wrapper's two paths and its records; the calendar itself is the C tests'."""
import datetime as dt
import re

import numpy
import pytest

from hkcal import xhkg

D = dt.date
YEARS = numpy.arange("2019-01-01", "2025-01-01", dtype="datetime64[D]")


def test_columns_are_the_scalars():
    trading = xhkg.is_trading_day(YEARS)
    assert list(trading) == [xhkg.is_trading_day(day) for day in YEARS.astype(object)]
    days = YEARS[trading]
    assert (xhkg.add_trading_days(days[:-1], 1) == days[1:]).all()
    assert (xhkg.roll(YEARS[:-10], "following") == [xhkg.roll(day) for day in YEARS[:-10].astype(object)]).all()
    ends = xhkg.trading_days_between(YEARS[:1], YEARS[-1:])
    assert int(ends[0]) == trading.sum() - trading[0] == xhkg.trading_days_between(D(2019, 1, 1), D(2024, 12, 31))


def test_sessions_frame_and_records():
    frame = xhkg.sessions("2023-10-06", "2023-10-10")
    assert list(frame.kind) == ["full", "afternoon", "full"] and str(frame.open.dt.tz) == "Asia/Hong_Kong"
    afternoon = frame.loc[D(2023, 10, 9)]
    assert afternoon.open.hour == 14 and afternoon.break_start is pd_nat() and afternoon.close.hour == 16
    closed = [c for c in xhkg.closures(range(2023, 2025)) if c.kind == "closed"]
    assert [c.date for c in closed] == [D(2023, 7, 17), D(2023, 9, 1), D(2023, 9, 8), D(2024, 9, 6)]
    assert xhkg.recorded(xhkg.LAST_RECORDED_YEAR) and not xhkg.recorded(xhkg.LAST_RECORDED_YEAR + 1)


def pd_nat():
    import pandas
    return pandas.NaT


@pytest.mark.parametrize("call, message", [
    (lambda: xhkg.add_trading_days(D(2100, 12, 30), 5), "2100-12-30 + 5 trading days: outside"),
    (lambda: xhkg.is_trading_day([D(2024, 1, 2), D(1996, 12, 31)]), "date[1] 1996-12-31: outside"),
    (lambda: xhkg.closures(2101), "year 2101: outside"),
])
def test_errors_name_the_date(call, message):
    with pytest.raises(ValueError, match=re.escape(message)):
        call()
