// Fuzzes all 82 functions of the classic library with arbitrary arguments:
// each call's result, and every record it may write, must be the literal
// model's (tests/model.hpp); a few round trips and the name buffers' guards
// are checked on top. The process runs in a zone 5:45 ahead of UTC, so that
// the local bias is neither 0 nor whole hours.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <iterator>
#include <tuple>

#include "fuzz_input.hpp"
#include "hkcal.h"
#include "model.hpp"

namespace {

using fuzz::Input;
using fuzz::text;

constexpr int32_t kLocalBias = -345;  // UTC = local time + bias, in the zone set below

// An argument as the fuzzer holds it (a Date for a const Date*) and as the
// function takes it.
template <typename T>
struct Arg {
    using Held = T;
    static T pass(T& v) { return v; }
};
template <typename T>
struct Arg<const T*> {
    using Held = T;
    static const T* pass(T& v) { return &v; }
};
template <>
struct Arg<SYSTEMTIME*> {
    using Held = SYSTEMTIME;
    static SYSTEMTIME* pass(SYSTEMTIME& v) { return &v; }
};

template <typename Tuple>
std::string list(const Tuple& args) {
    std::string s;
    std::apply([&](const auto&... a) { ((s += (s.empty() ? "" : ", ") + text(a)), ...); }, args);
    return s;
}

// Calls the library's function and the model's with the same arguments read
// from the input; the results, and the records after the call, must agree.
template <typename R, typename... A>
void agree(const char* name, R (*library)(A...), R (*model_function)(A...), Input& in) {
    std::tuple<typename Arg<A>::Held...> ours{in.read<typename Arg<A>::Held>()...};
    const auto before = ours;
    auto theirs = ours;
    const R got = std::apply([&](auto&... a) { return library(Arg<A>::pass(a)...); }, ours);
    const R want = std::apply([&](auto&... a) { return model_function(Arg<A>::pass(a)...); }, theirs);
    bool records_agree = true;
    std::apply([&](const auto&... a) {
        std::apply([&](const auto&... b) { records_agree = (fuzz::same(a, b) && ...); }, theirs);
    }, ours);
    if (!fuzz::same(got, want) || !records_agree)
        fuzz::fail(std::string(name) + "(" + list(before) + ") gave " + text(got) + " and left (" + list(ours) +
                   "); the model gives " + text(want) + " and (" + list(theirs) + ")");
}

int32_t local_to_oversea(SYSTEMTIME* t, int32_t offset, int32_t dst) {
    return model::LocalToOverseaTime(t, offset, dst, kLocalBias);
}
int32_t oversea_to_local(SYSTEMTIME* t, int32_t offset, int32_t dst) {
    return model::OverseaToLocalTime(t, offset, dst, kLocalBias);
}

#define SAME(f) [](Input& in) { agree(#f, ::f, model::f, in); }
using Check = void (*)(Input&);
constexpr Check kAgree[] = {
    SAME(make_date), SAME(leap_year), SAME(days_in_month), SAME(days_in_month_for_year), SAME(days_in_year),
    SAME(valid_date), SAME(date_to_JD0), SAME(JD0_to_date), SAME(JD0_to_gregorian), SAME(JD0_to_julian),
    SAME(year_to_jan_0_JD0), SAME(date_to_day_number), SAME(day_number_to_date), SAME(date_equal),
    SAME(date_not_equal), SAME(date_greater), SAME(date_less), SAME(date_greater_or_equal), SAME(date_less_or_equal),
    SAME(year_equal), SAME(month_equal), SAME(day_equal), SAME(day_and_month_equal), SAME(date_to_long),
    SAME(long_to_date), SAME(date_N_days_after_date), SAME(date_N_days_before_date), SAME(days_between_dates),
    SAME(add_month), SAME(add_year), SAME(add_day_with_weekday_flag), SAME(day_of_week_index_JD0),
    SAME(day_of_week_index), SAME(is_day_of_week), SAME(Nth_DOW_after_date), SAME(Nth_DOW_before_date),
    SAME(Nth_DOW_of_month), SAME(DOW_closest_to_date), SAME(number_of_DOWs_in_month), SAME(Nth_full_weekend),
    SAME(chinese_to_date), SAME(date_to_chinese), SAME(easter), SAME(good_friday), SAME(good_friday_2_holiday),
    SAME(easter_monday), SAME(new_year), SAME(new_year_holiday), SAME(lunar_new_year_day),
    SAME(lunar_new_year_day_holiday), SAME(lunar_new_year_day_2_holiday), SAME(lunar_new_year_day_3_holiday),
    SAME(birthday_of_the_buddha), SAME(birthday_of_the_buddha_holiday), SAME(labour_day), SAME(labour_day_holiday),
    SAME(tuen_ng_festival), SAME(tuen_ng_festival_holiday), SAME(HKSAR_establishment_day),
    SAME(HKSAR_establishment_day_holiday), SAME(chinese_mid_autumn_festival),
    SAME(chinese_mid_autumn_festival_holiday), SAME(national_day), SAME(national_day_holiday),
    SAME(chung_yeung_festival), SAME(chung_yeung_festival_holiday), SAME(christmas_day), SAME(christmas_day_holiday),
    SAME(christmas_day_2_holiday), SAME(remembrance_day), SAME(sino_japanese_war_victory_day), SAME(ConvertTimeZone),
    [](Input& in) { agree("LocalToOverseaTime", LocalToOverseaTime, local_to_oversea, in); },
    [](Input& in) { agree("OverseaToLocalTime", OverseaToLocalTime, oversea_to_local, in); },
};
#undef SAME

// A name and its copy: the model's name or null, and the copy writes exactly
// the name and its null into a buffer of the documented size, nothing at
// all out of range.
struct NameFunction {
    const char* name;
    const hkcal_char16* (*pointer)(uint32_t);
    int32_t (*copy)(uint32_t, hkcal_char16*);
    const char16_t* const* table;
    uint32_t count, first;
    bool abbreviated;
};
constexpr NameFunction kNames[] = {
    {"day_of_week_abbreviation", day_of_week_abbreviation, day_of_week_abbreviation_2, model::kDays, 7, 0, true},
    {"day_of_week_name", day_of_week_name, day_of_week_name_2, model::kDays, 7, 0, false},
    {"month_name_military", month_name_military, month_name_military_2, model::kMonths, 12, 1, true},
    {"month_name", month_name, month_name_2, model::kMonths, 12, 1, false},
};
void check_name(const NameFunction& f, uint32_t index) {
    const std::u16string want = model::name(f.table, f.count, index - f.first, f.abbreviated);
    const auto* got = reinterpret_cast<const char16_t*>(f.pointer(index));
    if ((got == nullptr ? u"(null)" : std::u16string(got)) != want) fuzz::fail(std::string(f.name) + "(" + text(index) + ")");
    constexpr size_t kGuard = 8;
    constexpr hkcal_char16 kUnwritten = 0xA5A5;
    hkcal_char16 area[kGuard + 10 + kGuard];  // the longest name and its null between guards
    for (auto& unit : area) unit = kUnwritten;
    const bool in_range = want != u"(null)";
    const size_t written = in_range ? want.size() + 1 : 0;
    const int32_t length = f.copy(index, area + kGuard);
    bool right = length == static_cast<int32_t>(in_range ? want.size() : 0);
    for (size_t i = 0; i < std::size(area); ++i)
        right = right && (i >= kGuard && i < kGuard + written
                              ? area[i] == (i + 1 == kGuard + written ? 0 : want[i - kGuard])
                              : area[i] == kUnwritten);
    if (!right) fuzz::fail(std::string(f.name) + "_2(" + text(index) + ") returned " + text(length) + " or wrote outside the name");
}

// Round trips that hold for every input: a whole JD0 of the int32 range
// converts to a valid date and back; a valid date's day number converts back;
// a lunar date of the table's range converts back.
void check_round_trips(Input& in) {
    const double jd = static_cast<double>(in.read<int32_t>());
    const Date d = JD0_to_date(jd);
    if (valid_date(&d) != 1 || date_to_JD0(&d) != jd) fuzz::fail("JD0 " + text(jd) + " to " + text(d) + " and back");
    if (!fuzz::same(day_number_to_date(d.year, date_to_day_number(&d)), d)) fuzz::fail("day number of " + text(d));
    const Date lunar = date_to_chinese(&d);
    if (lunar.month != 0 && !fuzz::same(chinese_to_date(&lunar), d)) fuzz::fail("lunar " + text(lunar) + " of " + text(d));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("TZ", "<+0545>-5:45", 1);
    tzset();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr unsigned kCalls = std::size(kAgree) + std::size(kNames) + 1;
    static_assert(std::size(kAgree) + 2 * std::size(kNames) == 82, "every exported function is called");
    Input in(data, size);
    while (!in.done()) {
        const unsigned op = in.next_call(kCalls);
        if (op < std::size(kAgree)) kAgree[op](in);
        else if (op < std::size(kAgree) + std::size(kNames)) check_name(kNames[op - std::size(kAgree)], in.read<uint32_t>());
        else check_round_trips(in);
    }
    return 0;
}
