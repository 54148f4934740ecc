"""python -m hkcal [YEAR] [--lang en|zh] [--kind general|statutory]: a year's
holidays, one a line, in the text of `hkcal holidays`."""
from __future__ import annotations

import argparse
import datetime
import sys

import hkcal

_WEEKDAYS = ("Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday")


def line(holiday: hkcal.Holiday, lang: str) -> str:
    """'2026-01-01  Thursday   New Year's Day', the weekday padded to 9."""
    text = f"{holiday.date.isoformat()}  {_WEEKDAYS[holiday.date.weekday()]:<9}  "
    text += holiday.name_zh if lang == "zh" else holiday.name
    if holiday.observed_for:
        observed = holiday.observed_for.isoformat()
        text += f"（{observed} 補假）" if lang == "zh" else f" (for {observed})"
    return text


def main(argv: list[str] | None = None) -> int:
    parser = argparse.ArgumentParser(prog="python -m hkcal", description="A year's Hong Kong holidays in date order")
    parser.add_argument("year", nargs="?", type=int, default=datetime.date.today().year,
                        help="the year, 1997-2100 (default: this year)")
    parser.add_argument("--lang", choices=("en", "zh"), default="en", help="names in English or Chinese")
    parser.add_argument("--kind", choices=("general", "statutory"), default="general",
                        help="general holidays (default) or the statutory ones")
    arguments = parser.parse_args(argv)
    try:
        days = hkcal.holidays(arguments.year, arguments.kind)
    except ValueError as error:
        print(f"hkcal: {error}", file=sys.stderr)
        return 2
    sys.stdout.reconfigure(encoding="utf-8")
    print("\n".join(line(h, arguments.lang) for h in days))
    return 0


if __name__ == "__main__":
    sys.exit(main())
