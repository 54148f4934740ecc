// The status codes' messages.
#include "hk/coverage.hpp"
#include "hkcal_hk.h"

extern "C" const char* hk_strerror(hk_status status) {
    switch (status) {
    case HK_OK: return "no error";
    case HK_ERANGE: return hkcal::hk::coverage::kOutOfRange.s;
    case HK_EINVAL: return "invalid argument";
    case HK_ENULL: return "null pointer argument";
    case HK_ESPACE: return "buffer too small";
    default: return "unknown status";
    }
}
