"""pandas' forms of the Hong Kong calendar: a holiday calendar for
pandas.tseries.holiday and a business-day offset, both over every covered
year (1997-2100). Past 2100 pandas knows no Hong Kong holiday: every working
weekday there is a business day to the offset, where the hkcal functions
raise ValueError. Needs pandas."""
from __future__ import annotations

from typing import Any, Optional

import numpy
import pandas
from pandas.tseries.holiday import AbstractHolidayCalendar

from . import _options, holidays_frame
from ._options import Kind, RestDay, WeekMask


class HongKongHolidayCalendar(AbstractHolidayCalendar):  # type: ignore[misc]
    """The holidays of one kind of hkcal.holidays as a pandas calendar:
    holidays(start, end, return_name) as pandas' calendars give them."""

    def __init__(self, kind: Kind = "general", *, christmas: bool = False, rest_day: Optional[RestDay] = None) -> None:
        super().__init__(name=f"Hong Kong {kind} holidays", rules=[])
        frame = holidays_frame(kind=kind, christmas=christmas, rest_day=rest_day).drop_duplicates("date")
        self._names = pandas.Series(frame["name"].to_numpy(), index=pandas.DatetimeIndex(frame["date"]))

    def holidays(self, start: Any = None, end: Any = None, return_name: bool = False) -> Any:
        start = pandas.Timestamp(self.start_date if start is None else start)
        end = pandas.Timestamp(self.end_date if end is None else end)
        names = self._names[(self._names.index >= start) & (self._names.index <= end)]
        return names if return_name else names.index


def holiday_calendar(kind: Kind = "general", *, christmas: bool = False,
                     rest_day: Optional[RestDay] = None) -> HongKongHolidayCalendar:
    """An AbstractHolidayCalendar of the general (or statutory) holidays of
    1997-2100, for CustomBusinessDay(calendar=...) and pandas' holiday
    tools."""
    return HongKongHolidayCalendar(kind, christmas=christmas, rest_day=rest_day)


def business_day(n: int = 1, weekmask: WeekMask = _options.MON_FRI) -> Any:
    """A CustomBusinessDay of n Hong Kong business days (the general holidays
    of 1997-2100, the working weekdays of weekmask in any of numpy's forms):
    Timestamp('2030-12-31') + business_day() is 2031-01-02."""
    n = _options.int32(n, "n", "steps of a C int32")
    flags = _options.weekmask_flags(_options.weekmask(weekmask))
    days = holidays_frame()["date"].to_numpy().astype("datetime64[D]")
    return pandas.offsets.CustomBusinessDay(n=n, weekmask="".join("1" if f else "0" for f in flags),
                                            holidays=numpy.asarray(days))
