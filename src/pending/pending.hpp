// Tools that are not built yet say so in one line and return to the menu.
#pragma once
#include "tools.hpp"

namespace vm {

inline void notAvailable(Console& con) { con.say("This tool is not available yet."); }

}  // namespace vm
