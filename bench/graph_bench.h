#pragma once

#include <string>

namespace vantorelle {

// Times the graph window's path for a profile of 25,000 blood-pressure
// readings, from a folder of its own generated in `folder`: the readings
// queried from the store, made a graph and drawn at 1200 by 800; and that
// graph saved as a GIF file.
void benchGraph(const std::string &folder);

} // namespace vantorelle
