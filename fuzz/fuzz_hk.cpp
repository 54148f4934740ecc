// Fuzzes every function of the Hong Kong library with arbitrary arguments
// (null pointers too): an error leaves every output as it was, a lunar date
// converts back, business-day steps and counts agree, and a rolled date is
// a business day, the exchange's sessions agree with its trading days. (Counting back from a day off, between's count, which
// includes the start, is one short of add's n.)
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <algorithm>

#include "fuzz_input.hpp"
#include "hk/civil.hpp"
#include "hkcal_hk.h"

namespace {

using fuzz::Input;
using fuzz::text;

// A broken property's message, its parts appended (GCC 12 misjudges chains of string +).
template <typename... Parts>
[[noreturn]] void fail(const Parts&... parts) {
    std::string message;
    (message.append(parts), ...);
    fuzz::fail(message);
}

// An output record filled with a pattern no function writes, and whether it still holds it.
template <typename T>
struct Guarded {
    T value;
    Guarded() { std::memset(&value, 0xA5, sizeof value); }
    bool untouched() const {
        Guarded fresh;
        return std::memcmp(&fresh.value, &value, sizeof value) == 0;
    }
};

// Calls f(out) with out the record or, one call in eight, null; checks that
// null gives HK_ENULL and that an error writes nothing (but the length
// hk_holidays needs, on HK_ESPACE). Returns the status.
template <typename T, typename F>
hk_status call(Input& in, const char* name, Guarded<T>& out, F f) {
    const bool null = (in.u8() & 7) == 0;
    const hk_status s = f(null ? nullptr : &out.value);
    if (null && s != HK_ENULL) fail(name, ": null output accepted");
    if (s != HK_OK && s != HK_ESPACE && !out.untouched()) fail(name, ": an error wrote its output");
    return null ? HK_ENULL : s;
}

bool business_day(const Date& d, uint8_t mask) {
    int32_t yes = 0;
    return hk_is_business_day(&d, mask, &yes) == HK_OK && yes == 1;
}

void lunar(Input& in) {
    const Date d = in.read<Date>();
    Guarded<Date> l, back;
    if (call(in, "hk_date_to_lunar", l, [&](Date* o) { return hk_date_to_lunar(&d, o); }) == HK_OK &&
        (hk_lunar_to_date(&l.value, &back.value) != HK_OK || !fuzz::same(back.value, d)))
        fail("lunar ", text(l.value), " of ", text(d), " gives ", text(back.value));
    const Date ld = in.read<Date>();
    Guarded<Date> s;
    if (call(in, "hk_lunar_to_date", s, [&](Date* o) { return hk_lunar_to_date(&ld, o); }) == HK_OK &&
        (hk_date_to_lunar(&s.value, &back.value) != HK_OK || !fuzz::same(back.value, ld)))
        fail("date ", text(s.value), " of lunar ", text(ld));
}

void years(Input& in) {
    const int32_t y = in.read<int32_t>(), i = in.read<int32_t>(), lang = in.read<int32_t>();
    Guarded<Date> d;
    Guarded<int32_t> n;
    Guarded<double> jd;
    call(in, "hk_lunar_new_year", d, [&](Date* o) { return hk_lunar_new_year(y, o); });
    call(in, "hk_lunar_leap_month", n, [&](int32_t* o) { return hk_lunar_leap_month(y, o); });
    Guarded<int32_t> days;
    if (call(in, "hk_lunar_month_days", days, [&](int32_t* o) { return hk_lunar_month_days(y, i, o); }) == HK_OK &&
        days.value != 29 && days.value != 30)
        fail("month ", text(i), " of ", text(y), " has ", text(days.value), " days");
    Guarded<Date> t;
    const hk_status term = call(in, "hk_solar_term_date", t, [&](Date* o) { return hk_solar_term_date(y, i, o); });
    call(in, "hk_solar_term_instant", jd, [&](double* o) { return hk_solar_term_instant(y, i, o); });
    if (hk_solar_term_name(i, lang) == nullptr && i >= 0 && i < HK_SOLAR_TERMS && (lang == HK_LANG_EN || lang == HK_LANG_ZH))
        fail("no name for term ", text(i));
    if (hk_strerror(y) == nullptr) fail("hk_strerror(", text(y), ") is null");
    Guarded<int32_t> minute;
    Date local{};
    const hk_status local_status =
        call(in, "hk_solar_term_local", minute, [&](int32_t* o) { return hk_solar_term_local(y, i, &local, o); });
    if (local_status == HK_OK && (minute.value < 0 || minute.value > 1439 || (term == HK_OK && !fuzz::same(local, t.value))))
        fail("term ", text(i), " of ", text(y), " at minute ", text(minute.value), " of ", text(local));
    Guarded<Date> first;  // every output of hk_coverage may be null
    const hk_status covers = hk_coverage(i, nullptr, nullptr, (in.u8() & 1) ? &first.value : nullptr, nullptr);
    if ((covers == HK_OK) != (hk_coverage_text(i) != nullptr) || (covers != HK_OK && !first.untouched()))
        fail("coverage ", text(i), ": ", text(covers));
}

// Names by a key of up to 24 arbitrary bytes; notes of any date, language and form.
void names(Input& in) {
    char key[25]{};
    for (std::size_t i = 0, n = in.u8() % 25; i < n; ++i) key[i] = static_cast<char>(in.u8());
    const int32_t lang = in.read<int32_t>(), form = in.read<int32_t>();
    const char* name = hk_holiday_name((in.u8() & 7) == 0 ? nullptr : key, lang);
    if (name != nullptr && std::strlen(name) == 0) fail("empty name for key ", key);
    const Date festival = in.read<Date>();
    const size_t capacity = in.u8() % (HK_NOTE_SIZE + 1);
    Guarded<std::array<char, HK_NOTE_SIZE>> note;
    const hk_status s = hk_observed_note(&festival, lang, form, capacity ? note.value.data() : nullptr, capacity);
    if ((s == HK_OK && std::strlen(note.value.data()) >= capacity) || (s != HK_OK && !note.untouched()))
        fail("note of ", text(festival), ": ", text(s));
}

void holidays(Input& in) {
    const int32_t y = in.read<int32_t>(), rest = in.read<int32_t>();
    const uint32_t kind = in.read<uint32_t>(), options = in.read<uint32_t>();
    Guarded<std::array<HkHoliday, HK_MAX_HOLIDAYS>> list;
    const size_t capacity = in.u8() % (HK_MAX_HOLIDAYS + 1);
    Guarded<size_t> count;
    const hk_status s = call(in, "hk_holidays", count, [&](size_t* o) {
        return hk_holidays(y, kind, options, rest, capacity ? list.value.data() : nullptr, capacity, o);
    });
    if ((s == HK_OK && count.value > capacity) || (s != HK_OK && !list.untouched()))
        fail("hk_holidays of ", text(y), ": ", text(s), ", count ", std::to_string(count.value));
    const Date d = in.read<Date>();
    Guarded<int32_t> is;
    call(in, "hk_is_holiday", is, [&](int32_t* o) { return hk_is_holiday(&d, kind, options, rest, o); });
}

void business(Input& in) {
    const Date d = in.read<Date>(), e = in.read<Date>();
    const int32_t n = in.read<int32_t>(), convention = in.read<int32_t>();
    const uint8_t mask = in.read<uint8_t>();
    Guarded<int32_t> yes, between;
    Guarded<Date> added, next, previous, rolled;
    int32_t counted = 0;
    call(in, "hk_is_business_day", yes, [&](int32_t* o) { return hk_is_business_day(&d, mask, o); });
    if (call(in, "hk_add_business_days", added, [&](Date* o) { return hk_add_business_days(&d, n, mask, o); }) == HK_OK &&
        (n > 0 || (n < 0 && business_day(d, mask))) && (hk_business_days_between(&d, &added.value, mask, &counted) != HK_OK || counted != n))
        fail(text(n), " business days after ", text(d), " is ", text(added.value), ", counted ", text(counted));
    call(in, "hk_business_days_between", between, [&](int32_t* o) { return hk_business_days_between(&d, &e, mask, o); });
    Guarded<Date> one;
    if (call(in, "hk_next_business_day", next, [&](Date* o) { return hk_next_business_day(&d, mask, o); }) == HK_OK &&
        (hk_add_business_days(&d, 1, mask, &one.value) != HK_OK || !fuzz::same(one.value, next.value)))
        fail("next business day of ", text(d));
    call(in, "hk_previous_business_day", previous, [&](Date* o) { return hk_previous_business_day(&d, mask, o); });
    if (call(in, "hk_roll", rolled, [&](Date* o) { return hk_roll(&d, convention, mask, o); }) == HK_OK &&
        !business_day(rolled.value, mask))
        fail(text(d), " rolled to ", text(rolled.value), ", not a business day");
}

// Answers of a date32 column and its int64_t twin that agree.
bool same(int64_t wide, int32_t narrow) { return wide == (narrow == HK_NAT32 ? HK_NAT : narrow); }
bool same(uint8_t wide, uint8_t narrow) { return wide == narrow; }
bool same(const HkLunarDay& wide, const HkLunarDay& narrow) { return std::memcmp(&wide, &narrow, sizeof wide) == 0; }

// A date32 column call and its int64_t twin on the same values: the same
// status and first bad element, and each answer the same (nothing written on an error).
template <typename Wide, typename Narrow, typename F64, typename F32>
void twins(const char* name, size_t n, F64 f64, F32 f32) {
    Guarded<std::array<Wide, 8>> wide;
    Guarded<std::array<Narrow, 8>> narrow;
    size_t bad64 = 0, bad32 = 0;
    const hk_status s64 = f64(wide.value.data(), &bad64), s32 = f32(narrow.value.data(), &bad32);
    if (s64 != s32 || bad64 != bad32)
        fail(name, ": date32 ", text(s32), " at ", text(bad32), ", int64 ", text(s64), " at ", text(bad64));
    if (s32 != HK_OK && !narrow.untouched()) fail(name, ": an error wrote its date32 output");
    for (size_t i = 0; s32 == HK_OK && i < n; ++i)
        if (!same(wide.value[i], narrow.value[i])) fail(name, ": date32 element ", text(i), " differs");
}

// The date32 columns on the days and steps cut to int32_t, against the int64_t ones on the same values.
void columns32(const std::array<int64_t, 8>& days64, const std::array<int64_t, 8>& steps64, size_t n, uint8_t mask,
               int32_t convention, const std::array<HkLunarDay, 8>& lunar) {
    std::array<int32_t, 8> d{}, s{};
    std::array<int64_t, 8> wd{}, ws{};
    for (size_t i = 0; i < 8; ++i) {
        d[i] = days64[i] == HK_NAT ? HK_NAT32 : static_cast<int32_t>(days64[i]), wd[i] = d[i] == HK_NAT32 ? HK_NAT : d[i];
        s[i] = static_cast<int32_t>(steps64[i]), ws[i] = s[i] == HK_NAT32 ? HK_NAT : s[i];
    }
    // Each function called as hk_days_F over the widened values (D, S) and as hk_days32_F over the cut ones.
#define TWINS(Wide, Narrow, F, ...)                                                                  \
    twins<Wide, Narrow>(                                                                             \
        "hk_days32_" #F, n,                                                                          \
        [&](Wide* o, size_t* b) {                                                                    \
            [[maybe_unused]] const int64_t *D = wd.data(), *S = ws.data();                           \
            return hk_days_##F(__VA_ARGS__, o, b);                                                   \
        },                                                                                           \
        [&](Narrow* o, size_t* b) {                                                                  \
            [[maybe_unused]] const int32_t *D = d.data(), *S = s.data();                             \
            return hk_days32_##F(__VA_ARGS__, o, b);                                                 \
        })
    const int32_t step = s[0];
    TWINS(uint8_t, uint8_t, is_business_day, D, n, mask);
    TWINS(uint8_t, uint8_t, is_holiday, D, n, mask & 3, mask >> 2 & 3, convention);
    TWINS(int64_t, int32_t, add_business_days, D, n, step, mask);
    TWINS(int64_t, int32_t, add_business_days_each, D, S, n, mask);
    TWINS(int64_t, int32_t, roll, D, n, convention, mask);
    TWINS(int64_t, int32_t, business_days_between, D, S, n, mask);
    TWINS(uint8_t, uint8_t, xhkg_is_trading_day, D, n);
    TWINS(int64_t, int32_t, xhkg_add_trading_days, D, n, step);
    TWINS(int64_t, int32_t, xhkg_roll, D, n, convention);
    TWINS(int64_t, int32_t, xhkg_trading_days_between, D, S, n);
    TWINS(HkLunarDay, HkLunarDay, to_lunar, D, n);
    TWINS(int64_t, int32_t, from_lunar, lunar.data(), n);
#undef TWINS
}

// Columns of up to 8 day counts, most of them near the covered days, NaT and
// any value among them: an error writes nothing and names the first bad
// element or none (n), and each answer of a call that succeeds is the scalar's;
// the date32 columns answer as the int64_t ones on the same values.
void columns(Input& in) {
    using Column = std::array<int64_t, 8>;
    Column days{}, steps{};
    const size_t n = in.u8() % 9;
    for (size_t i = 0; i < n; ++i) {
        const uint32_t pick = in.read<uint32_t>();
        const int64_t any = int64_t{in.read<int32_t>()} << (pick & 31);
        days[i] = pick % 8 == 0 ? HK_NAT : pick % 8 == 1 ? any : int64_t{9862 - 400} + pick / 8 % 38800;  // day 9862 is 1997-01-01
        steps[i] = any;
    }
    const uint8_t mask = in.u8();
    const int32_t convention = in.read<int32_t>() % 5;
    Guarded<Column> added, each, rolled, counted, lunar_back;
    Guarded<std::array<uint8_t, 8>> is, holiday;
    Guarded<std::array<HkLunarDay, 8>> lunar;
    size_t bad = 0;
    const auto check = [&](const char* name, auto& out, hk_status s) {
        if (s != HK_OK && !out.untouched()) fail(name, ": an error wrote its output");
        if (bad > n || (s == HK_OK && bad != n)) fail(name, ": first bad element ", text(bad), " of ", text(n));
        return s == HK_OK;
    };
    if (check("hk_days_is_business_day", is, hk_days_is_business_day(days.data(), n, mask, is.value.data(), &bad))) {
        for (size_t i = 0; i < n; ++i) {
            const Date day = hkcal::hk::civil::from_jd0(static_cast<int32_t>(days[i] + hkcal::hk::civil::kUnixEpochJD0));
            int32_t yes = 0;
            if (days[i] != HK_NAT && (hk_is_business_day(&day, mask, &yes) != HK_OK || yes != is.value[i]))
                fail("element ", text(i), " of hk_days_is_business_day: ", text(days[i]));
        }
    }
    check("hk_days_add_business_days", added, hk_days_add_business_days(days.data(), n, steps[0], mask, added.value.data(), &bad));
    check("hk_days_add_business_days_each", each, hk_days_add_business_days_each(days.data(), steps.data(), n, mask, each.value.data(), &bad));
    check("hk_days_roll", rolled, hk_days_roll(days.data(), n, convention, mask, rolled.value.data(), &bad));
    check("hk_days_business_days_between", counted, hk_days_business_days_between(days.data(), steps.data(), n, mask, counted.value.data(), &bad));
    Guarded<std::array<uint8_t, 8>> trading;
    if (check("hk_days_xhkg_is_trading_day", trading, hk_days_xhkg_is_trading_day(days.data(), n, trading.value.data(), &bad))) {
        for (size_t i = 0; i < n; ++i) {
            const Date day = hkcal::hk::civil::from_jd0(static_cast<int32_t>(days[i] + hkcal::hk::civil::kUnixEpochJD0));
            int32_t yes = 0;
            if (days[i] != HK_NAT && (hk_xhkg_is_trading_day(&day, &yes) != HK_OK || yes != trading.value[i]))
                fail("element ", text(i), " of hk_days_xhkg_is_trading_day: ", text(days[i]));
        }
    }
    Guarded<Column> x_added, x_rolled, x_counted;
    check("hk_days_xhkg_add_trading_days", x_added, hk_days_xhkg_add_trading_days(days.data(), n, steps[0], x_added.value.data(), &bad));
    check("hk_days_xhkg_roll", x_rolled, hk_days_xhkg_roll(days.data(), n, convention, x_rolled.value.data(), &bad));
    check("hk_days_xhkg_trading_days_between", x_counted,
          hk_days_xhkg_trading_days_between(days.data(), steps.data(), n, x_counted.value.data(), &bad));
    check("hk_days_is_holiday", holiday, hk_days_is_holiday(days.data(), n, mask & 3, mask >> 2 & 3, convention, holiday.value.data(), &bad));
    if (check("hk_days_to_lunar", lunar, hk_days_to_lunar(days.data(), n, lunar.value.data(), &bad)) &&
        (hk_days_from_lunar(lunar.value.data(), n, lunar_back.value.data(), &bad) != HK_OK ||
         !std::equal(days.begin(), days.begin() + static_cast<std::ptrdiff_t>(n), lunar_back.value.begin())))
        fail("a column of lunar dates does not convert back");
    columns32(days, steps, n, mask, convention, lunar.value);
}

void exchange(Input& in) {
    const Date d = in.read<Date>();
    const int32_t y = in.read<int32_t>();
    Guarded<HkSession> session;
    Guarded<int32_t> trading, recorded;
    const hk_status s = call(in, "hk_xhkg_session", session, [&](HkSession* o) { return hk_xhkg_session(&d, o); });
    if (call(in, "hk_xhkg_is_trading_day", trading, [&](int32_t* o) { return hk_xhkg_is_trading_day(&d, o); }) == HK_OK &&
        s == HK_OK && (trading.value == 1) != (session.value.kind != HK_XHKG_CLOSED))
        fail("trading day and session disagree on ", text(d));
    call(in, "hk_xhkg_recorded", recorded, [&](int32_t* o) { return hk_xhkg_recorded(y, o); });
    Guarded<std::array<HkXhkgClosure, HK_XHKG_MAX_CLOSURES>> list;
    const size_t capacity = in.u8() % (HK_XHKG_MAX_CLOSURES + 1);
    Guarded<size_t> count;
    const hk_status c = call(in, "hk_xhkg_closures", count, [&](size_t* o) {
        return hk_xhkg_closures(y, capacity ? list.value.data() : nullptr, capacity, o);
    });
    if ((c == HK_OK && count.value > capacity) || (c != HK_OK && !list.untouched()))
        fail("hk_xhkg_closures of ", text(y), ": ", text(c), ", count ", std::to_string(count.value));
    // Trading-day steps and counts agree, and a roll lands on a trading day.
    const Date e = in.read<Date>();
    const int32_t n = in.read<int32_t>(), convention = in.read<int32_t>();
    Guarded<Date> added, next, previous, rolled;
    Guarded<int32_t> between;
    int32_t counted = 0, yes = 0;
    if (call(in, "hk_xhkg_add_trading_days", added, [&](Date* o) { return hk_xhkg_add_trading_days(&d, n, o); }) == HK_OK &&
        n > 0 && (hk_xhkg_trading_days_between(&d, &added.value, &counted) != HK_OK || counted != n))
        fail(text(n), " trading days after ", text(d), " is ", text(added.value), ", counted ", text(counted));
    call(in, "hk_xhkg_next_trading_day", next, [&](Date* o) { return hk_xhkg_next_trading_day(&d, o); });
    call(in, "hk_xhkg_previous_trading_day", previous, [&](Date* o) { return hk_xhkg_previous_trading_day(&d, o); });
    call(in, "hk_xhkg_trading_days_between", between, [&](int32_t* o) { return hk_xhkg_trading_days_between(&d, &e, o); });
    if (call(in, "hk_xhkg_roll", rolled, [&](Date* o) { return hk_xhkg_roll(&d, convention, o); }) == HK_OK &&
        (hk_xhkg_is_trading_day(&rolled.value, &yes) != HK_OK || yes != 1))
        fail(text(d), " rolled to ", text(rolled.value), ", not a trading day");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    void (*const kGroups[])(Input&) = {lunar, years, holidays, business, names, exchange, columns};
    Input in(data, size);
    while (!in.done()) kGroups[in.next_call(std::size(kGroups))](in);
    return 0;
}
