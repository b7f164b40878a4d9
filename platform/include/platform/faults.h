#pragma once
// Fault points: a test arms a named point and the code that asks for it fails there, so that every
// failure path can be reached. Keys name the piece and the call: "Crateva.CreateInterface",
// "IGraph3.Init", "host.IMainSurface" (the reference host leaves that interface out),
// "Vesperkit.new.CTimer" (the engine's allocation of that object fails).
#include <string>

namespace platform {

void fail(const std::string& key);     // from now on the call fails
void heal(const std::string& key);     // it works again
void heal_all();
bool should_fail(const std::string& key);

}  // namespace platform
