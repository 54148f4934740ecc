// The status codes' messages.
#include "hkcal_hk.h"

extern "C" const char* hk_strerror(hk_status status) {
    switch (status) {
    case HK_OK: return "no error";
    case HK_ERANGE: return "outside the covered years (lunar and solar terms 1901-2100, holidays 1997-2100)";
    case HK_EINVAL: return "invalid argument";
    case HK_ENULL: return "null pointer argument";
    case HK_ESPACE: return "buffer too small";
    default: return "unknown status";
    }
}
