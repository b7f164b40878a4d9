#pragma once
// The drawing table the logo player asks Lattix for (IID_ILogoGraph).
#include "interfaces/logo_graphics.h"

namespace host {

ILogoGraph* create_logo_graph();  // one reference for the caller

}  // namespace host
