"""A user's script, checked by mypy --strict against the package's types."""
import datetime

import hkcal
from hkcal import classic

due: datetime.date = hkcal.add_business_days(datetime.date(2026, 4, 2), 3, weekmask="Mon Tue Wed Thu Fri")
rolled: datetime.date = hkcal.roll("2026-01-31", "modified-following")
open_: bool = hkcal.is_business_day(due) and not hkcal.is_holiday(due, "statutory", rest_day="Sun")
lunar: hkcal.LunarDate = hkcal.to_lunar(due)
first: datetime.date = min(hkcal.holidays(range(2026, 2028))).date
names: list[str] = [term.name for term in hkcal.solar_terms(2026, "zh")]
christmas: hkcal.Holiday | None = hkcal.HolidayCalendar("general", [2026]).get("2026-12-25")
jd: float = classic.date_to_JD0(classic.easter(2026)) + classic.date_to_JD0(datetime.date(2026, 1, 1))
