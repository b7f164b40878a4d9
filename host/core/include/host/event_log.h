#pragma once
// What the stand-ins record of their use (releases above all), so that tests can check order.
#include <string>
#include <vector>

namespace host {

void record(const std::string& event);
std::vector<std::string> events();
void clear_events();

}  // namespace host
