#pragma once
// The reference host's script values, under the names the tests use.
#include "host/script_values.h"

namespace test_support {
using host::ScriptIntArray;
using host::ScriptPage;
using host::ScriptString;
using host::ScriptStringArray;
using host::ScriptValue;
}  // namespace test_support
