"""The numeric constants of include/hkcal_hk.h, under the header's names: the
package's one copy of them (a test holds each to the header's value)."""
from __future__ import annotations

# Status codes.
HK_OK = 0
HK_ERANGE = 1
HK_EINVAL = 2
HK_ENULL = 3
HK_ESPACE = 4
# The covered years.
HK_LUNAR_FIRST_YEAR = 1901
HK_LUNAR_LAST_YEAR = 2100
HK_HOLIDAY_FIRST_YEAR = 1997
HK_HOLIDAY_LAST_YEAR = 2100
HK_COVERS_LUNAR = 1
HK_COVERS_SOLAR_TERMS = 2
HK_COVERS_HOLIDAYS = 3
HK_COVERS_CLASSIC_LUNAR = 4
# Hong Kong time, in minutes east of Greenwich.
HK_UTC_OFFSET_MINUTES = 480
# Solar terms and languages.
HK_SOLAR_TERMS = 24
HK_LANG_EN = 0
HK_LANG_ZH = 1
# Holiday lists and their options.
HK_GENERAL = 1
HK_STATUTORY = 2
HK_CHRISTMAS = 1
HK_NO_REST_DAY = -1
HK_MAX_HOLIDAYS = 32
HK_NOTE_INLINE = 0
HK_NOTE_ALONE = 1
HK_NOTE_SIZE = 32
# Business days.
HK_MON_FRI = 0x3E
HK_FOLLOWING = 0
HK_MODIFIED_FOLLOWING = 1
HK_PRECEDING = 2
HK_MODIFIED_PRECEDING = 3
# The exchange's calendar.
HK_XHKG_LAST_RECORDED_YEAR = 2025
HK_XHKG_CLOSED = 0
HK_XHKG_FULL = 1
HK_XHKG_HALF = 2
HK_XHKG_AFTERNOON = 3
HK_XHKG_SHORTENED = 4
HK_XHKG_MAX_CLOSURES = 16
