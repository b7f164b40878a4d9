// The shared object exports exactly the names of its list, and nothing else of ours. (Instrumented
// builds may also export template data of the standard library, which is not ours.)
#include <gtest/gtest.h>

#include "support/exported_symbols.h"
#include "vesperkit/exports.h"

namespace {

TEST(Exports, TheLibraryExportsExactlyItsList) {
    const auto exported = test_support::exported_symbols(std::string(VK_LIB_DIR) + "/libVesperkit.so");
    std::set<std::string> ours;
    for (const auto& name : exported)
        if (!test_support::standard_library_symbol(name)) ours.insert(name);
    const std::set<std::string> listed = EXPORT_NAMES(VESPERKIT_EXPORTS);
    EXPECT_EQ(ours, listed);
}

}  // namespace
