"""The wrapper: types, errors, conversions, the numpy calendar. The C tests
own the calendar; here each check is against an independent fact or model."""
import datetime as dt
import os
import re
import subprocess
import sys
from pathlib import Path

import pytest

import hkcal
from hkcal import classic

D = dt.date
ROOT = Path(__file__).resolve().parents[2]
HOLIDAY_YEARS = range(1997, 2101)
C_TYPES = {"Date": "D", "const Date*": "p", "int32_t": "i", "uint32_t": "u", "uint8_t": "b", "double": "d",
           "SYSTEMTIME*": "s", "const hkcal_char16*": "w", "hkcal_char16*": "W"}


def days(first, last):
    return [first + dt.timedelta(n) for n in range((last - first).days + 1)]


def test_classic_signatures_are_the_headers():
    header = (ROOT / "include" / "hkcal.h").read_text()
    declared = {}
    for result, name, arguments in re.findall(r"^HKCAL_API (.+?) ?\b(\w+)\(([^)]*)\);", header, re.M | re.S):
        types = [C_TYPES[re.sub(r"\s*\w+$", "", a.strip()).replace(" *", "*")] for a in arguments.split(",")]
        declared[name] = f"{C_TYPES[result.replace(' *', '*')]}({','.join(types)})"
    bound = {name: signature for signature, names in classic.SIGNATURES.items() for name in names.split()}
    assert bound == declared and len(bound) == 82


def test_classic_calls():
    assert classic.easter(2024) == classic.Date(2024, 3, 31) and classic.Date(2024, 3, 31).to_date() == D(2024, 3, 31)
    assert classic.date_to_JD0(classic.Date.from_date(D(2000, 1, 1))) == 2451545.0
    assert [classic.day_of_week_name(3), classic.month_name_military(12), classic.month_name(13)] == \
        ["Wednesday", "Dec", None]
    time = classic.SYSTEMTIME(2024, 12, 0, 31, 20, 30)
    assert classic.ConvertTimeZone(time, 900, 0, 800, 0) and (time.wYear, time.wDay, time.wHour) == (2024, 31, 21)


@pytest.mark.parametrize("call, error, message", [
    (lambda: hkcal.holidays(1996), ValueError, "year 1996: outside the covered years 1997-2100"),
    (lambda: hkcal.holidays(True), TypeError, "year must be an int, not bool"),
    (lambda: hkcal.holidays(2026, "bank"), ValueError, "'general', 'statutory'"),
    (lambda: hkcal.holidays(2026, christmas=True), ValueError, "kind='statutory' only"),
    (lambda: hkcal.holidays(2026, "statutory", rest_day=7), ValueError, "rest_day 7"),
    (lambda: hkcal.is_holiday("2026-01-01"), TypeError, "date must be a datetime.date, not str"),
    (lambda: hkcal.is_business_day(D(2101, 1, 1)), ValueError, "dates 1997-01-01 to 2100-12-31"),
    (lambda: hkcal.is_business_day(D(2026, 1, 1), weekmask="0000000"), ValueError, "no working weekday"),
    (lambda: hkcal.add_business_days(D(2100, 12, 30), 5), ValueError, "2100-12-30 + 5 business days"),
    (lambda: hkcal.add_business_days(D(2026, 1, 1), 2**31), ValueError, "n 2147483648"),
    (lambda: hkcal.roll(D(2026, 1, 1), "forward"), ValueError, "'following', 'modified_following'"),
    (lambda: hkcal.to_lunar(D(1901, 2, 18)), ValueError, "1901-02-19 to 2101-01-28"),
    (lambda: hkcal.from_lunar((2024, 0, 1)), ValueError, "month must be 1-12"),
    (lambda: hkcal.from_lunar((2024, 2, 1, True)), ValueError, "lunar date 2024-leap 2-1"),
    (lambda: hkcal.from_lunar((2023, 2, 1, 1)), TypeError, "leap must be a bool"),
    (lambda: hkcal.solar_terms(2101), ValueError, "years 1901-2100"),
    (lambda: hkcal.busdaycalendar(2000, 1999), ValueError, "before start_year"),
])
def test_bad_input(call, error, message):
    with pytest.raises(error, match=re.escape(message)):
        call()


def test_holiday_records():
    day, *_ = listed = hkcal.holidays(2026)
    assert len(listed) == 17 and [h.date for h in listed] == sorted(h.date for h in listed)
    assert (day.date, day.name, day.name_zh, day.key, day.observed_for, day.kinds) == \
        (D(2026, 1, 1), "The first day of January", "一月一日", "new-year", None, {"general", "statutory"})
    moved = next(h for h in listed if h.observed_for)
    assert (moved.date, moved.observed_for) == (D(2026, 4, 6), D(2026, 4, 5))
    with pytest.raises(AttributeError):
        day.date = D(2024, 1, 2)


def test_statutory_options():
    """The rest day is a weekday number as date.weekday() gives it (6: Sunday)."""
    names = {h.name for h in hkcal.holidays(2026, "statutory", christmas=True)}
    assert "Christmas Day" in names and "Chinese Winter Solstice Festival" not in names
    assert "Chinese Winter Solstice Festival" in {h.name for h in hkcal.holidays(2026, "statutory")}
    given = {h.date for h in hkcal.holidays(2026, "statutory", rest_day=6)}
    assert {D(2026, 4, 6), D(2026, 4, 7), D(2026, 5, 25), D(2026, 10, 19)} <= given
    assert all(d.weekday() != 0 for d in {h.date for h in hkcal.holidays(2026, "statutory", rest_day=0)})


@pytest.mark.parametrize("weekmask", ["1111100", [1, 1, 1, 1, 1, 1, 0]])
def test_business_days_take_both_weekmask_forms(weekmask):
    """2026: Monday 6 April is a holiday, Saturdays work under the second mask."""
    every = days(D(2026, 4, 1), D(2026, 4, 14))
    business = [d for d in every if hkcal.is_business_day(d, weekmask=weekmask)]
    assert D(2026, 4, 6) not in business and (D(2026, 4, 11) in business) == isinstance(weekmask, list)
    assert hkcal.add_business_days(business[0], 3, weekmask=weekmask) == business[3]
    assert hkcal.add_business_days(business[3], -3, weekmask=weekmask) == business[0]
    assert hkcal.business_days_between(business[3], business[0], weekmask=weekmask) == -3


def test_roll_conventions():  # Saturday 2026-01-31 and Sunday 2026-03-01
    expected = {"following": (D(2026, 2, 2), D(2026, 3, 2)), "modified_following": (D(2026, 1, 30), D(2026, 3, 2)),
                "preceding": (D(2026, 1, 30), D(2026, 2, 27)), "modified_preceding": (D(2026, 1, 30), D(2026, 3, 2))}
    for convention, dates in expected.items():
        assert tuple(hkcal.roll(d, convention) for d in (D(2026, 1, 31), D(2026, 3, 1))) == dates


@pytest.mark.parametrize("weekmask", ["1111100", "1111110", "1111111"])
def test_numpy_calendar(weekmask):
    np = pytest.importorskip("numpy")
    calendar = hkcal.busdaycalendar(2020, 2029, weekmask=weekmask)
    every = days(D(2020, 1, 1), D(2029, 12, 31))
    assert list(np.is_busday(np.array(every, dtype="datetime64[D]"), busdaycal=calendar)) == \
        [hkcal.is_business_day(d, weekmask=weekmask) for d in every]


def test_lunar_round_trip_and_leap_months():
    for date in days(D(1901, 2, 19), D(2101, 1, 28)):
        assert hkcal.from_lunar(hkcal.to_lunar(date)) == date
    assert hkcal.to_lunar(D(2024, 2, 10)) == (2024, 1, 1, False)
    assert hkcal.to_lunar(D(2023, 3, 22)) == hkcal.LunarDate(2023, 2, 1, True)  # the leap 2nd month
    assert hkcal.from_lunar((2023, 2, 1)) == D(2023, 2, 20)


def test_solar_terms():
    terms = hkcal.solar_terms(2024)
    assert [t.time for t in terms] == sorted(t.time for t in terms) and len({t.name for t in terms}) == 24
    assert (terms[0].name, terms[-1].name) == ("Minor Cold", "Winter Solstice")
    # The Observatory: the Winter Solstice of 2024 at 17:21 Hong Kong time.
    assert abs(terms[-1].time - dt.datetime(2024, 12, 21, 17, 21, tzinfo=hkcal.HONG_KONG_TIME)) < dt.timedelta(minutes=1)


@pytest.mark.skipif(not os.environ.get("HKCAL_TOOL"), reason="HKCAL_TOOL names no built hkcal tool")
def test_module_prints_what_the_tool_prints():
    for year in HOLIDAY_YEARS:
        for lang in ("en", "zh"):
            tool = subprocess.run([os.environ["HKCAL_TOOL"], "holidays", str(year), f"--lang={lang}"],
                                  capture_output=True, text=True, encoding="utf-8", check=True).stdout
            module = subprocess.run([sys.executable, "-m", "hkcal", str(year), f"--lang={lang}"],
                                    capture_output=True, text=True, encoding="utf-8", check=True).stdout
            assert module == tool, (year, lang)
