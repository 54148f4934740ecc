"""The options of the public functions, read into the C library's values:
kinds, roll conventions, rest days, weekmasks and languages."""
from __future__ import annotations

import functools
import operator
import re
from typing import Any, Iterable, Literal, Optional, Union

from . import _constants as C
from . import classic

Kind = Literal["general", "statutory"]
Convention = Literal["following", "modified_following", "modified-following",
                     "preceding", "modified_preceding", "modified-preceding"]
Language = Literal["en", "zh"]
Weekday = Literal["Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"]
RestDay = Union[int, str]  # 0 (Monday) .. 6 (Sunday), as date.weekday() numbers them, or "Sun", "Sunday"
WeekMask = Union[str, Iterable[bool], Iterable[int]]  # numpy's forms, Monday first

KINDS = {"general": C.HK_GENERAL, "statutory": C.HK_STATUTORY}
CONVENTIONS = {"following": C.HK_FOLLOWING, "modified_following": C.HK_MODIFIED_FOLLOWING,
               "preceding": C.HK_PRECEDING, "modified_preceding": C.HK_MODIFIED_PRECEDING}
LANGUAGES = {"en": C.HK_LANG_EN, "zh": C.HK_LANG_ZH}
# The classic library's weekday names (0 Sunday) in date.weekday() order, Monday first.
WEEKDAYS = tuple(str(classic.day_of_week_name((monday_first + 1) % 7)) for monday_first in range(7))
_WEEKDAY_NAMES = "|".join(day[:3] for day in WEEKDAYS)


def _text(value: object, argument: str) -> str:
    if not isinstance(value, str):
        raise TypeError(f"{argument} must be a str, not {type(value).__name__}")
    return value


def integer(value: object, argument: str) -> int:
    """An int argument (numpy integers too, never bool)."""
    if isinstance(value, bool):
        raise TypeError(f"{argument} must be an int, not bool")
    try:
        return operator.index(value)  # type: ignore[arg-type]
    except TypeError:
        raise TypeError(f"{argument} must be an int, not {type(value).__name__}") from None


def int32(value: object, argument: str, covered: str) -> int:
    """An int argument that fits the C int32; ValueError naming the covered
    span for one that cannot (it would be outside in any case)."""
    number = integer(value, argument)
    if not -2**31 <= number < 2**31:
        raise ValueError(f"{argument} {number}: outside the covered {covered}")
    return number


def kind(value: object) -> int:
    """HK_GENERAL or HK_STATUTORY."""
    text = _text(value, "kind")
    if text not in KINDS:
        raise ValueError(f"kind {text!r}: not one of 'general', 'statutory'")
    return KINDS[text]


def convention(value: object) -> int:
    """The HK_ roll convention; 'modified_following' or 'modified-following'."""
    text = _text(value, "convention")
    if text.replace("-", "_") not in CONVENTIONS:
        raise ValueError(f"convention {text!r}: not one of {', '.join(map(repr, CONVENTIONS))} ('-' for '_' too)")
    return CONVENTIONS[text.replace("-", "_")]


def language(value: object) -> int:
    text = _text(value, "lang")
    if text not in LANGUAGES:
        raise ValueError(f"lang {text!r}: not 'en' or 'zh'")
    return LANGUAGES[text]


def rest_day(value: object) -> int:
    """The C rest day (0 Sunday .. 6 Saturday) of a weekday number 0
    (Monday) .. 6 (Sunday) or a name ('Sun', 'Sunday', any case)."""
    if isinstance(value, str):
        names = [day.lower() for day in WEEKDAYS]
        lowered = value.lower()
        matches = [i for i, name in enumerate(names) if lowered in (name, name[:3])]
        if not matches:
            raise ValueError(f"rest_day {value!r}: not a weekday name ('Sun' or 'Sunday')")
        number = matches[0]
    else:
        number = integer(value, "rest_day")
        if not 0 <= number <= 6:
            raise ValueError(f"rest_day {number}: not a weekday 0 (Monday) to 6 (Sunday)")
    return (number + 1) % 7  # date.weekday() counts from Monday = 0, the C library from Sunday = 0


def list_arguments(kind_name: object, christmas: object, rest: object) -> tuple[int, int, int]:
    """hk_holidays' kind, options and rest_day for the Python arguments."""
    kind_bits = kind(kind_name)
    if not isinstance(christmas, bool):
        raise TypeError(f"christmas must be a bool, not {type(christmas).__name__}")
    c_rest_day = C.HK_NO_REST_DAY if rest is None else rest_day(rest)
    if kind_bits == C.HK_GENERAL and (christmas or rest is not None):
        raise ValueError("christmas and rest_day apply to kind='statutory' only")
    return kind_bits, C.HK_CHRISTMAS if christmas else 0, c_rest_day


@functools.lru_cache(maxsize=256)
def _weekmask_flags(flags: tuple[bool, ...]) -> int:
    """The C set of working weekdays (bit 0 Sunday .. bit 6 Saturday) of
    seven flags from Monday to Sunday."""
    bits = sum(1 << (monday_first + 1) % 7 for monday_first, flag in enumerate(flags) if flag)
    if bits == 0:
        raise ValueError("weekmask: no working weekday, so no business day")
    return bits


@functools.lru_cache(maxsize=256)
def _weekmask_text(text: str) -> int:
    if re.fullmatch(r"[01]{7}", text):
        return _weekmask_flags(tuple(c == "1" for c in text))
    if re.fullmatch(rf"\s*(({_WEEKDAY_NAMES})\s*)+", text):
        named = set(re.findall(_WEEKDAY_NAMES, text))
        return _weekmask_flags(tuple(day[:3] in named for day in WEEKDAYS))
    raise ValueError(f"weekmask {text!r}: not seven 0s and 1s from Monday to Sunday, nor names like 'Mon Tue'")


MON_FRI = "1111100"


def weekmask(value: object) -> int:
    """The C workdays byte of a weekmask in any of numpy's forms: '1111100',
    'Mon Tue Wed Thu Fri', or seven bools (or 0s and 1s) from Monday."""
    if isinstance(value, str):
        return _weekmask_text(value)
    try:
        items: list[Any] = list(value)  # type: ignore[call-overload]
    except TypeError:
        raise TypeError(f"weekmask must be a str or 7 bools, not {type(value).__name__}") from None
    if len(items) != 7:
        raise ValueError(f"weekmask: {len(items)} flags, not 7 from Monday to Sunday")
    flags = []
    for item in items:
        if isinstance(item, bool) or type(item).__name__ == "bool_":  # numpy.bool_ too
            flags.append(bool(item))
            continue
        number = integer(item, "weekmask flag")
        if number not in (0, 1):
            raise ValueError(f"weekmask flag {number}: not 0 or 1")
        flags.append(bool(number))
    return _weekmask_flags(tuple(flags))


def weekmask_flags(bits: int) -> list[bool]:
    """The seven numpy flags, Monday first, of a C workdays byte."""
    return [bool(bits >> (monday_first + 1) % 7 & 1) for monday_first in range(7)]

