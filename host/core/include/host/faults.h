#pragma once
// Fault injection for the reference host: every stand-in asks before it answers, so that a test can
// make any single call fail. Keys name the piece and the call, e.g. "Crateva.CreateInterface",
// "IGraph3.Init", "Overlayr.IDrawPluginUpdater".
#include <string>

namespace host {

void fail(const std::string& key);     // from now on the call fails
void heal(const std::string& key);     // it works again
void heal_all();
bool should_fail(const std::string& key);

}  // namespace host
