// The simulated radio's state as text (the profile format, loadable again,
// with the operating state in comments) or as JSON.
#pragma once

#include "sim/faultPlan.h"
#include "sim/radioState.h"

#include <string>
#include <vector>

namespace sim {

std::string stateText(const radioState& state, const std::vector<faultPlan::entry>& faults);
std::string stateJson(const radioState& state, const std::vector<faultPlan::entry>& faults);

} // namespace sim
