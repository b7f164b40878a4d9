#pragma once
// A started sprite engine with a "cg" link folder of the test's own, and the facade at hand for
// what no export shows (the stored surfaces, above all).
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "interfaces/guids.h"
#include "support/engine_host.h"
#include "support/image_files.h"
#include "support/temp_dir.h"
#include "vesperkit/sprites/tarn_engine.h"

namespace test_support {

struct SpriteEngineOptions {
    int width = 640;
    int height = 480;
    int cache_megabytes = 64;
    bool debug_mode = false;
};

class SpriteEngine {
public:
    SpriteEngine() { std::filesystem::create_directories(assets_ / "cg"); }
    ~SpriteEngine() {
        if (facade_) facade_->Release();
        engine_.reset();
    }

    // Puts CG n into the link folder as cg/<n>.<extension>; before start, so that it is listed.
    void put_cg(int number, const std::vector<uint8_t>& bytes, const std::string& extension = "png") {
        ASSERT_TRUE(write_file(assets_ / ("cg/" + std::to_string(number) + "." + extension), bytes));
    }
    std::string cg_path(int number, const std::string& extension = "png") const {
        return assets_ / ("cg/" + std::to_string(number) + "." + extension);
    }

    // Starts the engine; false when Init failed.
    bool start(SpriteEngineOptions options = {}) {
        engine_ = std::make_unique<EngineHost>(
            host::HostConfig{options.width, options.height, 32, assets_.path()});
        if (!engine_->loaded()) return false;
        engine_->host().debug_mode.set(options.debug_mode);
        if (!engine_->init(options.cache_megabytes)) return false;
        facade_ = static_cast<ITarnEngine*>(engine_->vk.GetInterface(&IID_ITarnEngine));
        return facade_ != nullptr;
    }

    EngineHost& host() { return *engine_; }
    VesperkitExports& vk() { return engine_->vk; }
    ITarnEngine* facade() { return facade_; }
    // The sprite's image as stored (no copy), or null.
    ISurface* stored(int sprite) { return facade_->GetStoredSurface(sprite); }
    const std::vector<std::string>& errors() { return engine_->errors(); }
    const TempDir& assets() const { return assets_; }

private:
    TempDir assets_;
    std::unique_ptr<EngineHost> engine_;
    ITarnEngine* facade_ = nullptr;
};

}  // namespace test_support
