#pragma once
// The CG cache: decoded CGs by number, least recently used first out. Each entry costs the bytes
// of its surface's pixel and alpha lines; while the total exceeds the capacity the oldest entries
// go, but the newest always stays, even alone beyond the capacity.
#include <cstdint>
#include <list>
#include <vector>

#include "interfaces/graph.h"
#include "interfaces/surface_factory.h"
#include "vesperkit/frame/ref_counted.h"

class CCGCache final : public vesperkit::RefCounted<IInterface> {
public:
    CCGCache(ISurfaceFactory* factory, IGraph3* graph, uint32_t capacity_bytes);

    // The CG's surface with one reference added for the caller, now the newest entry; null when
    // it is not cached.
    ISurface* Find(int number);
    // Keeps surface (one reference of the cache's own) as the newest entry, then drops the oldest
    // while over capacity. A number already cached is reported in the plain message box and the
    // first entry kept; the result is then false.
    bool Add(ISurface* surface, int number);

    // (pixel line bytes + alpha line bytes) × height, as the surface reports them.
    static uint64_t CostOf(ISurface* surface);

    uint32_t capacity() const { return capacity_; }
    // 64 bits, so that no sum of costs wraps past the capacity.
    uint64_t total_bytes() const { return total_; }
    // Cached CG numbers, oldest first.
    std::vector<int> numbers() const;
    ISurfaceFactory* factory() const { return factory_; }
    IGraph3* graph() const { return graph_; }

protected:
    ~CCGCache() override;

private:
    struct Entry {
        int number;
        ISurface* surface;
        uint64_t cost;
    };
    void evict();

    ISurfaceFactory* factory_;
    IGraph3* graph_;
    std::list<Entry> entries_;  // oldest first
    uint64_t total_ = 0;
    uint32_t capacity_;
};
