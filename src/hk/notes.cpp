// hk_observed_note: the one wording of "this day off replaces that one".
#include <cstring>

#include "hk/text.hpp"
#include "hkcal_hk.h"

extern "C" hk_status hk_observed_note(const Date* festival, int32_t lang, int32_t form, char* out, size_t capacity) {
    if (!festival || (!out && capacity > 0)) return HK_ENULL;
    if ((lang != HK_LANG_EN && lang != HK_LANG_ZH) || (form != HK_NOTE_INLINE && form != HK_NOTE_ALONE) ||
        festival->month < 1 || festival->month > 12 || festival->day < 1 || festival->day > 31) {
        return HK_EINVAL;
    }
    const bool inline_form = form == HK_NOTE_INLINE;
    hkcal::hk::text::Text t;  // at most 30 bytes: "（" + an 11-character year + "-MM-DD 補假）"
    if (lang == HK_LANG_EN) {
        t << (inline_form ? " (for " : "For ");
        t.date(*festival) << (inline_form ? ")" : "");
    } else {
        t << (inline_form ? "（" : "");
        t.date(*festival) << " 補假" << (inline_form ? "）" : "");
    }
    if (t.size + 1 > capacity) return HK_ESPACE;
    std::memcpy(out, t.s, t.size + 1);
    return HK_OK;
}
