// Business days over the general holidays: the engine and its tables,
// defined once in business_tables.cpp.
#pragma once

#include "hk/business_engine.hpp"

namespace hkcal::hk::business {

extern const Tables kGeneralTables;
using General = Engine<kGeneralTables>;

}  // namespace hkcal::hk::business
