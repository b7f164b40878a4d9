#pragma once
// A service module of the reference host loaded from the build's library folder, and one of its
// interfaces asked of its "CreateInterface".
#include <gtest/gtest.h>

#include <string>

#include "interfaces/guids.h"
#include "platform/modules.h"

namespace test_support {

template <class Interface>
Interface* create_service(const std::string& module, const GUID& iid) {
    platform::ModuleHandle handle = platform::load_module(std::string(VK_LIB_DIR) + "/lib" + module + ".so");
    if (!handle) return nullptr;
    auto create = reinterpret_cast<CreateInterfaceFn>(platform::find_export(handle, "CreateInterface"));
    return create ? static_cast<Interface*>(create(&iid)) : nullptr;
}

// Releases an interface when the test ends.
template <class Interface>
struct Held {
    Interface* p = nullptr;
    explicit Held(Interface* interface = nullptr) : p(interface) {}
    ~Held() {
        if (p) p->Release();
    }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    Held(Held&& other) noexcept : p(other.p) { other.p = nullptr; }
    Interface* operator->() const { return p; }
    Interface* get() const { return p; }
    explicit operator bool() const { return p != nullptr; }
};

}  // namespace test_support
