#pragma once
// The host's joystick interface, reached through the host library the host has already loaded.
#include "interfaces/joystick.h"

namespace tessaly {

// "Hostcore.dll" (found, never loaded) -> its "GetInterface" export asked for IHostcore -> IHostcore
// asked for the joystick. Null when any step yields nothing. The answer is borrowed from the host.
IJoystick* bind_joystick();

}  // namespace tessaly
