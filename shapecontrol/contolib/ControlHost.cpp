#include "contolib/ControlHost.h"

namespace contolib {

ControlHost::~ControlHost() = default;

} // namespace contolib
