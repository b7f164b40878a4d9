#pragma once
// Reference counting for the stand-ins' objects. Every Release is recorded as "Release <name>",
// so tests can check which object was released and in what order.
#include <string>
#include <utility>

#include "host/event_log.h"

namespace host {

// An object that the service library hands out: it deletes itself at a count of zero.
template <class Interface>
class RefCounted : public Interface {
public:
    explicit RefCounted(std::string name) : name_(std::move(name)) {}
    virtual ~RefCounted() = default;
    int AddRef() override { return ++count_; }
    int Release() override {
        record("Release " + name_);
        if (--count_ > 0) return count_;
        delete this;
        return 0;
    }
    int ref_count() const { return count_; }
    const std::string& object_name() const { return name_; }

private:
    std::string name_;
    int count_ = 1;
};

// An object that the host owns: lending it out counts references but never frees it.
template <class Interface>
class HostOwned : public Interface {
public:
    explicit HostOwned(std::string name) : name_(std::move(name)) {}
    virtual ~HostOwned() = default;
    int AddRef() override { return ++count_; }
    int Release() override {
        record("Release " + name_);
        return --count_;
    }
    int ref_count() const { return count_; }

private:
    std::string name_;
    int count_ = 1;
};

}  // namespace host
