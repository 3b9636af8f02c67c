#pragma once

#include "store/topics.h"

#include <ostream>

namespace vantorelle {

// Test output names a Topic parameter instead of dumping its bytes.
inline void PrintTo(Topic topic, std::ostream *out)
{
    *out << topicName(topic);
}

} // namespace vantorelle
