#pragma once
#include <string>

#include "core/model/encoded_symbol.h"

// Bearer bars of ITF and ITF-14 from the caller's setting: "frame", "top-bottom" or "none"; ""
// gives `fallback`. Bearers are 5 modules thick: GS1 asks at least 2 and, for plate printing,
// 4.83 mm (about 5 modules at the usual ITF-14 size).
Bearer BearerFromSetting(const std::string& setting, BearerKind fallback);
