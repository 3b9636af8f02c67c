#pragma once

#include <string>

namespace vantorelle {

// Times the graph of 25,000 blood-pressure readings (three series) at 1200 by
// 800: drawing it, and saving it as a GIF file in `folder`.
void benchGraph(const std::string &folder);

} // namespace vantorelle
