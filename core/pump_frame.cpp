#include "core/pump_frame.h"

namespace crv {

namespace {
thread_local int depth = 0;
}

PumpFrame::PumpFrame() { ++depth; }

PumpFrame::~PumpFrame() { --depth; }

int Pump_Depth() { return depth; }

}  // namespace crv
