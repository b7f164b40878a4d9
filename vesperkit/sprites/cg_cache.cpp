#include "vesperkit/sprites/cg_cache.h"

#include <algorithm>

#include "vesperkit/frame/error_message.h"

CCGCache::CCGCache(ISurfaceFactory* factory, IGraph3* graph, uint32_t capacity_bytes)
    : factory_(factory), graph_(graph), capacity_(capacity_bytes) {}

CCGCache::~CCGCache() {
    for (Entry& entry : entries_) entry.surface->Release();
}

uint64_t CCGCache::CostOf(ISurface* surface) {
    const int64_t line = int64_t(surface->GetPitch()) + surface->GetAlphaPitch();
    const int64_t height = surface->GetHeight();
    return line > 0 && height > 0 ? uint64_t(line) * uint64_t(height) : 0;
}

ISurface* CCGCache::Find(int number) {
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.number == number; });
    if (it == entries_.end()) return nullptr;
    entries_.splice(entries_.end(), entries_, it);  // now the newest
    it->surface->AddRef();
    return it->surface;
}

bool CCGCache::Add(ISurface* surface, int number) {
    if (!surface) return false;
    if (std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.number == number; })) {
        ShowPlainMessageBox("%s", "ＣＧキャッシュへのサーフェス登録で、すでにＣＧが登録されていました");
        return false;
    }
    const uint64_t cost = CostOf(surface);
    entries_.push_back({number, surface, cost});
    surface->AddRef();
    total_ += cost;
    evict();
    return true;
}

void CCGCache::evict() {
    while (total_ > capacity_ && entries_.size() > 1) {
        Entry oldest = entries_.front();
        entries_.pop_front();
        total_ -= oldest.cost;
        oldest.surface->Release();
    }
}

std::vector<int> CCGCache::numbers() const {
    std::vector<int> out;
    for (const Entry& e : entries_) out.push_back(e.number);
    return out;
}
