// hk_coverage and hk_coverage_text: the spans of src/hk/coverage.hpp.
#include "hk/coverage.hpp"

using namespace hkcal::hk;

extern "C" hk_status hk_coverage(int32_t what, int32_t* first_year, int32_t* last_year, Date* first_day,
                                 Date* last_day) {
    const coverage::Span* s = coverage::span(what);
    if (!s) return HK_EINVAL;
    if (first_year) *first_year = s->first_year;
    if (last_year) *last_year = s->last_year;
    if (first_day) *first_day = s->first_day;
    if (last_day) *last_day = s->last_day;
    return HK_OK;
}

extern "C" const char* hk_coverage_text(int32_t what) {
    return coverage::span(what) ? coverage::kWords[what - HK_COVERS_LUNAR].s : nullptr;
}
