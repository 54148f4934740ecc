"""The wrapper: types, errors, conversions, the numpy calendar. The C tests
own the calendar; here each check is against an independent fact or model."""
import ast
import ctypes
import datetime as dt
import os
import re
import subprocess
import sys
from pathlib import Path

import pytest

import hkcal
import hkcal.pandas
from hkcal import _constants, classic

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
    stub = {f.name: "".join(a.annotation.id[0] if isinstance(a.annotation, ast.Name) else "?" for a in f.args.posonlyargs)
            for f in ast.parse((ROOT / "python/hkcal/classic.pyi").read_text()).body if isinstance(f, ast.FunctionDef)}
    assert {name: len(arguments) for name, arguments in stub.items()} == \
        {name: len(s[2:-1].split(",")) for name, s in declared.items()}


def test_constants_and_version_are_the_headers_and_cmakes():
    defines = dict(re.findall(r"^#define (HK_\w+) \(?(?:\(uint8_t\))?(-?\w+?)u?\)?(?:\s|$)",
                              (ROOT / "include/hkcal_hk.h").read_text(), re.M))
    ours = {name: value for name, value in vars(_constants).items() if name.startswith("HK_")}
    assert {name: int(defines[name], 0) for name in ours if name in defines} == ours and len(ours) > 30
    assert re.search(rf"project\(hkcal VERSION {re.escape(hkcal.__version__)} ", (ROOT / "CMakeLists.txt").read_text())


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
    (lambda: hkcal.is_holiday(20260101), TypeError, "date must be a date (datetime.date, "),
    (lambda: hkcal.is_business_day(D(2101, 1, 1)), ValueError, "dates 1997-01-01 to 2100-12-31"),
    (lambda: hkcal.is_business_day(D(2026, 1, 1), weekmask="0000000"), ValueError, "no working weekday"),
    (lambda: hkcal.add_business_days(D(2100, 12, 30), 5), ValueError, "2100-12-30 + 5 business days"),
    (lambda: hkcal.add_business_days(D(2026, 1, 1), 2**31), ValueError, "n 2147483648"),
    (lambda: hkcal.roll(D(2026, 1, 1), "forward"), ValueError, "'following', 'modified_following'"),
    (lambda: hkcal.to_lunar(D(1901, 2, 18)), ValueError, "1901-02-19 to 2101-01-28"),
    (lambda: hkcal.from_lunar((2024, 0, 1)), ValueError, "no month 0 (1-12"),
    (lambda: hkcal.from_lunar((2024, 2, 1, True)), ValueError, "lunar 2024 has no leap month"),
    (lambda: hkcal.from_lunar((2023, 3, 1, True)), ValueError, "lunar 2023 has no leap month 3"),
    (lambda: hkcal.lunar_month_days(2023, 2, True) and hkcal.from_lunar((2023, 2, 30, True)), ValueError,
     "lunar 2023-L2 has 29 days"),
    (lambda: hkcal.solar_term_date(2024, 24), ValueError, "solar term index 24"),
    (lambda: classic.day_of_week_index(None), TypeError, "must be a Date or a datetime.date, not NoneType"),
    (lambda: classic.month_name_2(5, (ctypes.c_uint16 * 9)()), ValueError, "buffer of 9 units, shorter than the 10"),
    (lambda: classic.day_of_week_name_2(5, (ctypes.c_uint8 * 10)()), TypeError, "(ctypes.c_uint16 * 10)()"),
    (lambda: classic.easter(2**32), ValueError, "argument 1 4294967296: outside the C type's range"),
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
    both = hkcal.holidays([2027, 2026])
    assert both[17:] == listed and sorted(both) == listed + both[:17] and hkcal.holidays((y for y in [2026])) == listed


def test_calendars_cover_every_year():
    """The mapping, pandas' calendar and offset, numpy's calendar and the
    frame hold the same days, 1997 to 2100."""
    every = hkcal.HolidayCalendar()
    assert len(every) == sum(len(hkcal.holidays(y)) for y in HOLIDAY_YEARS) == len(hkcal.holidays_frame())
    assert every["2100-12-25"].key == "christmas" and pd_stamp("2026-04-07 18:00+00:00") not in every
    assert every.get(dt.datetime(2026, 4, 6, 20, tzinfo=dt.timezone.utc)).key.startswith("easter-monday")
    assert hkcal.HolidayCalendar("statutory", [2026], rest_day="Sun").get(D(2026, 4, 7)).key == "ching-ming"
    assert list(hkcal.pandas.holiday_calendar().holidays("1997-01-01", "2100-12-31").date) == list(every)
    assert pd_stamp("2030-12-31") + hkcal.pandas.business_day(2) == pd_stamp("2031-01-03")
    np = pytest.importorskip("numpy")
    assert np.is_busday(np.datetime64("2100-12-27"), busdaycal=hkcal.busdaycalendar()) == \
        hkcal.is_business_day("2100-12-27")


def pd_stamp(text):
    return pytest.importorskip("pandas").Timestamp(text)


def test_statutory_options():
    """The rest day is a weekday number as date.weekday() gives it (6: Sunday)."""
    names = {h.name for h in hkcal.holidays(2026, "statutory", christmas=True)}
    assert "Christmas Day" in names and "Chinese Winter Solstice Festival" not in names
    assert "Chinese Winter Solstice Festival" in {h.name for h in hkcal.holidays(2026, "statutory")}
    given = {h.date for h in hkcal.holidays(2026, "statutory", rest_day=6)}
    assert {D(2026, 4, 6), D(2026, 4, 7), D(2026, 5, 25), D(2026, 10, 19)} <= given
    assert all(d.weekday() != 0 for d in {h.date for h in hkcal.holidays(2026, "statutory", rest_day=0)})


@pytest.mark.parametrize("weekmask", ["1111100", "1111110", "1111111"])
def test_numpy_calendar(weekmask):
    np = pytest.importorskip("numpy")
    calendar = hkcal.busdaycalendar(2020, 2029, weekmask=weekmask)
    every = days(D(2020, 1, 1), D(2029, 12, 31))
    assert list(np.is_busday(np.array(every, dtype="datetime64[D]"), busdaycal=calendar)) == \
        [hkcal.is_business_day(d, weekmask=weekmask) for d in every]


def test_lunar_leap_months():
    assert hkcal.lunar_new_year(2024) == D(2024, 2, 10) and hkcal.lunar_leap_month(2023) == 2
    assert hkcal.to_lunar(D(2024, 2, 10)) == (2024, 1, 1, False)
    assert hkcal.to_lunar(D(2023, 3, 22)) == hkcal.LunarDate(2023, 2, 1, True)  # the leap 2nd month
    assert hkcal.from_lunar((2023, 2, 1)) == D(2023, 2, 20)


def test_solar_terms():
    terms = hkcal.solar_terms(2024)
    assert [t.time for t in terms] == sorted(t.time for t in terms) and len({t.name for t in terms}) == 24
    assert (terms[0].name, terms[-1].name) == ("Minor Cold", "Winter Solstice")
    # The Observatory: the Winter Solstice of 2024 at 17:21 Hong Kong time.
    assert abs(terms[-1].instant - dt.datetime(2024, 12, 21, 17, 21, tzinfo=hkcal.HONG_KONG_TIME)) < dt.timedelta(minutes=1)


@pytest.mark.skipif(not os.environ.get("HKCAL_TOOL"), reason="HKCAL_TOOL names no built hkcal tool")
def test_module_runs_the_tool_and_the_terms_are_its_own():
    tool = subprocess.run([os.environ["HKCAL_TOOL"], "holidays", "2026", "--lang=zh"], capture_output=True, check=True)
    module = subprocess.run([sys.executable, "-m", "hkcal", "2026", "--lang=zh"], capture_output=True, check=True)
    assert module.stdout == tool.stdout and len(module.stdout.splitlines()) == 17
    # Every solar term 1901-2100: the tool's date and minute, the C library's date; the instant in that minute
    # but for the five terms of 1912-1928 the calendar of the time dated across a midnight.
    years = range(1901, 2101)
    printed = "".join(subprocess.run([os.environ["HKCAL_TOOL"], "terms", str(y)], capture_output=True, text=True,
                                     check=True).stdout for y in years).splitlines()
    terms = [term for y in years for term in hkcal.solar_terms(y)]
    assert [f"{t.time:%Y-%m-%d %H:%M}  {t.name}" for t in terms] == printed
    assert [t.date for t in terms] == [hkcal.solar_term_date(y, i) for y in years for i in range(24)]
    across = [t for t in terms if not dt.timedelta(0) <= t.instant - t.time < dt.timedelta(minutes=1)]
    assert [(t.date.year, t.instant.date() - t.date) for t in across] == \
        [(1912, dt.timedelta(-1)), (1913, dt.timedelta(-1)), (1917, dt.timedelta(1)), (1927, dt.timedelta(1)),
         (1928, dt.timedelta(1))]


def test_mypy_strict_passes_on_the_package_and_a_user_script():
    checked = [ROOT / "python/hkcal", Path(__file__).with_name("user_script.py")]
    run = subprocess.run([sys.executable, "-m", "mypy", "--strict", "--cache-dir=/dev/null", "--config-file",
                          ROOT / "python/pyproject.toml", *checked], capture_output=True, text=True)
    assert run.returncode == 0, run.stdout


if __name__ == "__main__":
    sys.exit(pytest.main([str(Path(__file__).parent), "-q", "-p", "no:cacheprovider", "--ignore", __file__.replace("test_hkcal", "test_dask")]))
