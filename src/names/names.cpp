// English names of weekdays and months as null-terminated UTF-16 strings:
// the four constant tables and their pointer and copy forms.
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "hkcal.h"

namespace {

// Tables indexed by DOW 0 (Sunday) to 6 and by month 1 (January) to 12 (at
// index 0 here).
constexpr const char16_t* kDayAbbreviations[] = {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
constexpr const char16_t* kDayNames[] = {u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                         u"Thursday", u"Friday", u"Saturday"};
constexpr const char16_t* kMonthAbbreviations[] = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                                   u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
constexpr const char16_t* kMonthNames[] = {u"January", u"February", u"March",     u"April",
                                           u"May",     u"June",     u"July",      u"August",
                                           u"September", u"October", u"November", u"December"};

// The length of a null-terminated string, without the null.
constexpr int32_t length(const char16_t* s) noexcept {
    int32_t n = 0;
    while (s[n] != u'\0') ++n;
    return n;
}

// The longest entry of a table.
template <std::size_t N>
constexpr int32_t longest(const char16_t* const (&table)[N]) noexcept {
    int32_t n = 0;
    for (const char16_t* s : table) n = length(s) > n ? length(s) : n;
    return n;
}

// The buffers callers provide: 4 units for abbreviations, 10 for names,
// the terminating null included.
static_assert(std::size(kDayAbbreviations) == 7 && std::size(kDayNames) == 7);
static_assert(std::size(kMonthAbbreviations) == 12 && std::size(kMonthNames) == 12);
static_assert(longest(kDayAbbreviations) == 3 && longest(kMonthAbbreviations) == 3);
static_assert(longest(kDayNames) == 9 && longest(kMonthNames) == 9);

// Entry `index - first` of the table; a null pointer for an index outside
// [first, first + N - 1].
template <std::size_t N>
constexpr const char16_t* entry(const char16_t* const (&table)[N], uint32_t index, uint32_t first) noexcept {
    return index >= first && index - first < N ? table[index - first] : nullptr;
}

// Copies s with its null into buffer and returns its length; writes nothing
// and returns 0 for a null s.
int32_t copy(const char16_t* s, hkcal_char16* buffer) noexcept {
    if (s == nullptr) return 0;
    const int32_t n = length(s);
    for (int32_t i = 0; i <= n; ++i) buffer[i] = s[i];
    return n;
}

constexpr uint32_t kFirstDow = 0;
constexpr uint32_t kFirstMonth = 1;

}  // namespace

extern "C" {

const hkcal_char16* day_of_week_abbreviation(uint32_t dow) { return entry(kDayAbbreviations, dow, kFirstDow); }

const hkcal_char16* day_of_week_name(uint32_t dow) { return entry(kDayNames, dow, kFirstDow); }

const hkcal_char16* month_name_military(uint32_t month) { return entry(kMonthAbbreviations, month, kFirstMonth); }

const hkcal_char16* month_name(uint32_t month) { return entry(kMonthNames, month, kFirstMonth); }

int32_t day_of_week_abbreviation_2(uint32_t dow, hkcal_char16* buffer) {
    return copy(day_of_week_abbreviation(dow), buffer);
}

int32_t day_of_week_name_2(uint32_t dow, hkcal_char16* buffer) { return copy(day_of_week_name(dow), buffer); }

int32_t month_name_military_2(uint32_t month, hkcal_char16* buffer) {
    return copy(month_name_military(month), buffer);
}

int32_t month_name_2(uint32_t month, hkcal_char16* buffer) { return copy(month_name(month), buffer); }

}  // extern "C"
