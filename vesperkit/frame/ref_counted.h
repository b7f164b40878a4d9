#pragma once
// Reference counting of the engine's objects: the count starts at 1, and the Release that brings it
// to zero or below destroys the object and answers 0. The virtual destructor is declared here, after
// every operation of the interface, so it never moves a slot of the interface's table.

namespace vesperkit {

template <class Interface>
class RefCounted : public Interface {
public:
    int AddRef() override { return ++ref_count_; }
    int Release() override {
        if (--ref_count_ > 0) return ref_count_;
        delete this;
        return 0;
    }

protected:
    virtual ~RefCounted() = default;

private:
    int ref_count_ = 1;
};

}  // namespace vesperkit
