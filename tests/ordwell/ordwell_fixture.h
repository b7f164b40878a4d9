#pragma once
// Ordwell as the host loads it: the shared library, its exports looked up by name with the types
// of its export list, called with script strings and arrays on files in a folder of the test's own.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "ordwell/exports.h"
#include "platform/codepage.h"
#include "platform/faults.h"
#include "platform/file_system.h"
#include "platform/modules.h"
#include "support/script_values.h"
#include "support/temp_dir.h"

namespace ordwell_test {

struct OrdwellLibrary {
#define ORDWELL_TEST_FIELD(result, name, params) decltype(&::name) name = nullptr;
    ORDWELL_EXPORTS(ORDWELL_TEST_FIELD)
#undef ORDWELL_TEST_FIELD

    // Loads the library once per process, as the host does, and looks every export up.
    static const OrdwellLibrary& get() {
        static const OrdwellLibrary library = [] {
            OrdwellLibrary l;
            platform::ModuleHandle module = platform::load_module(std::string(VK_LIB_DIR) + "/libOrdwell.so");
#define ORDWELL_TEST_LOAD(result, name, params) \
    l.name = reinterpret_cast<decltype(&::name)>(platform::find_export(module, #name));
            ORDWELL_EXPORTS(ORDWELL_TEST_LOAD)
#undef ORDWELL_TEST_LOAD
            return l;
        }();
        return library;
    }
    bool complete() const {
        bool all = true;
#define ORDWELL_TEST_CHECK(result, name, params) all = all && name != nullptr;
        ORDWELL_EXPORTS(ORDWELL_TEST_CHECK)
#undef ORDWELL_TEST_CHECK
        return all;
    }
};

// A host path as a script writes it: backslash separators.
inline std::string script_path(std::string host) {
    std::replace(host.begin(), host.end(), '/', '\\');
    return host;
}

// The process's current folder, for the length of a test.
class ScopedCurrentFolder {
public:
    explicit ScopedCurrentFolder(const std::string& folder) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~ScopedCurrentFolder() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
};

class OrdwellTest : public ::testing::Test {
protected:
    OrdwellTest() : ow(OrdwellLibrary::get()) {}
    ~OrdwellTest() override {
        platform::heal_all();
        platform::set_file_system(nullptr);
        platform::set_ansi_code_page(platform::kCodePageShiftJis);
    }
    void SetUp() override { ASSERT_TRUE(ow.complete()) << "libOrdwell.so or one of its exports is missing"; }

    // Host path of a name inside the test's folder, and the script string naming it.
    std::string at(const std::string& name) const { return dir_ / name; }
    test_support::ScriptString path(const std::string& name) const {
        return test_support::ScriptString(script_path(at(name)));
    }

    void write(const std::string& name, const std::string& content, mode_t mode = 0644) {
        std::ofstream(at(name), std::ios::binary) << content;
        ASSERT_EQ(::chmod(at(name).c_str(), mode), 0);
    }
    std::string read(const std::string& name) const {
        std::ifstream in(at(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void folder(const std::string& name) { ASSERT_TRUE(std::filesystem::create_directories(at(name))); }
    void link(const std::string& target, const std::string& name) {
        ASSERT_EQ(::symlink(target.c_str(), at(name).c_str()), 0);
    }
    bool exists(const std::string& name) const {
        struct stat st {};
        return ::lstat(at(name).c_str(), &st) == 0;
    }
    bool is_directory(const std::string& name) const { return std::filesystem::is_directory(at(name)); }
    // The names in a folder of the test's (the whole test folder by default).
    std::set<std::string> names(const std::string& name = "") const {
        std::set<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(name.empty() ? dir_.path() : at(name)))
            out.insert(e.path().filename());
        return out;
    }

    const OrdwellLibrary& ow;
    test_support::TempDir dir_;
};

}  // namespace ordwell_test
