// The progress meter behind acedSetStatusBarProgressMeter: a line on the
// terminal that the operation rewrites as it goes ("Laying the run 45%").
#pragma once

#include <ostream>

namespace host::shell {

// Where the meter is drawn; null (the default) means standard error when
// it is a terminal, and nowhere otherwise.
void setProgressOutput(std::ostream* out);

} // namespace host::shell
