#pragma once
// The engine facade: the one object through which every sprite, CG, text, transition and view
// operation reaches the engine, and which other plug-ins receive from GetInterface.
#include <cstdint>
#include <vector>

#include "interfaces/draw_plugin.h"
#include "interfaces/draw_text.h"
#include "interfaces/graph.h"
#include "interfaces/host.h"
#include "interfaces/image_codec.h"
#include "interfaces/link_file.h"
#include "interfaces/surface_factory.h"
#include "vesperkit/frame/ref_counted.h"
#include "vesperkit/frame/frame_rate.h"
#include "vesperkit/sprites/cg_cache.h"
#include "vesperkit/sprites/compositor.h"
#include "vesperkit/sprites/cg_loader.h"
#include "vesperkit/sprites/debug_cg_files.h"
#include "vesperkit/sprites/sprite_manager.h"

// The facade's operations in the order of its table. Operations of the composition, text,
// pixel-query, transition, view and Direct3D parts of the engine take their places (marked below)
// as those parts are built. Sprite numbers are any int here: the exports refuse the numbers
// scripts may not use.
class ITarnEngine : public IInterface {
public:
    // The initialisation of an older interface version, which this engine does not support.
    virtual bool InitOld(void*, void*, void*, void*, void*, void*, void*, void*) = 0;
    // One frame onto the main surface, shown on the game window (the Update export).
    virtual bool DrawFrame() = 0;
    // The scene composed onto any surface.
    virtual bool ComposeOnto(ISurface* target) = 0;
    virtual bool DrawFrameAgain() = 0;

    virtual bool SetWallpaperCG(int cg) = 0;  // 0: no wallpaper image, the colour instead
    virtual bool SetWallpaperColor(int r, int g, int b) = 0;
    virtual bool SetWallpaperSprite(int sprite) = 0;  // the sprite's image becomes the wallpaper
    virtual bool GetWallpaperSprite(int sprite) = 0;  // the sprite gets a copy of the wallpaper
    virtual bool IsUsing(int sprite) = 0;
    virtual int GetUnuseNum(int first) = 0;
    virtual int GetMaxZ() = 0;
    virtual bool SetCG(int sprite, int cg) = 0;
    virtual bool SetCGFromFile(int sprite, const char* script_path) = 0;
    virtual bool SaveCG(int sprite, const char* script_path, IImageEncoder* encoder) = 0;
    virtual bool Create(int sprite, int width, int height, int r, int g, int b, int blend) = 0;
    virtual bool CreatePixelOnly(int sprite, int width, int height) = 0;
    virtual bool CreateCustom(int sprite) = 0;
    virtual bool Delete(int sprite) = 0;
    // The image for changing pixels (a shared one is copied first); no reference is added.
    virtual ISurface* GetSurfaceForWriting(int sprite) = 0;
    // Takes five arguments and does nothing; kept for its place in the table.
    virtual void Reserved5(int, int, int, int, int) = 0;
    // [text drawing and the text cursor]

    virtual int GetPosX(int sprite) = 0;  // getters answer 0 for a sprite not in the table
    virtual int GetPosY(int sprite) = 0;
    virtual int GetZ(int sprite) = 0;
    virtual int GetWidth(int sprite) = 0;
    virtual int GetHeight(int sprite) = 0;
    virtual int GetBlendRate(int sprite) = 0;
    virtual bool GetShow(int sprite) = 0;
    virtual int GetDrawMethod(int sprite) = 0;
    // Setters make the sprite when it is absent; false only when memory runs out.
    virtual bool SetPos(int sprite, int x, int y) = 0;
    virtual bool SetX(int sprite, int x) = 0;
    virtual bool SetY(int sprite, int y) = 0;
    virtual bool SetZ(int sprite, int z) = 0;
    virtual bool SetBlendRate(int sprite, int rate) = 0;
    virtual bool SetShow(int sprite, bool show) = 0;
    virtual bool SetDrawMethod(int sprite, int method) = 0;
    // Every sprite number in ascending order; the count.
    virtual int Enum(std::vector<int>& numbers) = 0;
    // [the sprite's text surfaces; pixel and alpha-map values]

    virtual bool SetBrightness(int sprite, int brightness) = 0;
    virtual int GetBrightness(int sprite) = 0;
    virtual bool CreateCopy(int destination, int source) = 0;
    // [transitions; view modes]

    // The image as stored, without copying; no reference is added.
    virtual ISurface* GetStoredSurface(int sprite) = 0;
    // [the Direct3D draw-plug-in manager; the power-of-two texture option]

    virtual int Reserved0() = 0;        // answers 0
    virtual void Reserved1(int) = 0;    // takes one argument and does nothing
    virtual bool DeleteAll() = 0;       // the wallpaper stays; always true
};

class CTarnEngine : public vesperkit::RefCounted<ITarnEngine> {
public:
    bool InitOld(void*, void*, void*, void*, void*, void*, void*, void*) override;
    bool DrawFrame() override;
    bool ComposeOnto(ISurface* target) override;
    bool DrawFrameAgain() override { return DrawFrame(); }

    // Takes a reference on each borrowed service, binds the presentation hook through the host
    // library, makes the CG cache (capacity in bytes), lists the debug CG folders in debug mode and
    // sizes the sprite manager to the main surface. False when a piece the facade cannot work
    // without is missing.
    bool Init(IMainSurface* main_surface, IUngild* decoder, IVLTFile* cg, IGraph3* graph, ISurfaceFactory* factory,
              IDrawPluginDrawer* drawer, IDrawText2* draw_text, ITimer* timer, uint32_t cg_cache_bytes,
              bool debug_mode);

    bool SetWallpaperCG(int cg) override;
    bool SetWallpaperColor(int r, int g, int b) override;
    bool SetWallpaperSprite(int sprite) override;
    bool GetWallpaperSprite(int sprite) override;
    bool IsUsing(int sprite) override;
    int GetUnuseNum(int first) override;
    int GetMaxZ() override;
    bool SetCG(int sprite, int cg) override;
    bool SetCGFromFile(int sprite, const char* script_path) override;
    bool SaveCG(int sprite, const char* script_path, IImageEncoder* encoder) override;
    bool Create(int sprite, int width, int height, int r, int g, int b, int blend) override;
    bool CreatePixelOnly(int sprite, int width, int height) override;
    bool CreateCustom(int sprite) override;
    bool Delete(int sprite) override;
    ISurface* GetSurfaceForWriting(int sprite) override;
    void Reserved5(int, int, int, int, int) override {}
    int GetPosX(int sprite) override;
    int GetPosY(int sprite) override;
    int GetZ(int sprite) override;
    int GetWidth(int sprite) override;
    int GetHeight(int sprite) override;
    int GetBlendRate(int sprite) override;
    bool GetShow(int sprite) override;
    int GetDrawMethod(int sprite) override;
    bool SetPos(int sprite, int x, int y) override;
    bool SetX(int sprite, int x) override;
    bool SetY(int sprite, int y) override;
    bool SetZ(int sprite, int z) override;
    bool SetBlendRate(int sprite, int rate) override;
    bool SetShow(int sprite, bool show) override;
    bool SetDrawMethod(int sprite, int method) override;
    int Enum(std::vector<int>& numbers) override;
    bool SetBrightness(int sprite, int brightness) override;
    int GetBrightness(int sprite) override;
    bool CreateCopy(int destination, int source) override;
    ISurface* GetStoredSurface(int sprite) override;
    int Reserved0() override { return 0; }
    void Reserved1(int) override {}
    bool DeleteAll() override;

    // CG queries that scripts reach past the table. IsCGExist: the "cg" link file has the entry, or
    // (debug mode) a replacement file does. GetCGMetrics: decodes the entry afresh, leaving the cache
    // alone, into width, height, bits per pixel, pixel line bytes, alpha line bytes, has pixels,
    // has alpha map.
    bool IsCGExist(int cg);
    bool GetCGMetrics(int cg, int (&metrics)[7]);

    // Frame rate and fill figures of the frame loop.
    FrameRateCounter& frame_rate() { return frame_rate_; }
    bool show_frame_rate() const { return show_frame_rate_ != 0; }
    void set_show_frame_rate(uint8_t show) { show_frame_rate_ = show; }
    const vesperkit::sprites::FillCounters& fill_counters() const { return fill_; }
    int view_mode() const { return view_mode_; }

    // The sprite tables, for the composition.
    CSpriteManager& sprites() { return sprites_; }
    CCGCache* cg_cache() const { return cg_cache_; }
    const vesperkit::sprites::DebugCgFiles& debug_cg_files() const { return debug_cg_files_; }
    int screen_width() const { return sprites_.screen_width(); }
    int screen_height() const { return sprites_.screen_height(); }
    IMainSurface* main_surface() const { return main_surface_; }
    IGraph3* graph() const { return graph_; }
    IAfterPresent* after_present() const { return after_present_; }

protected:
    ~CTarnEngine() override;

private:
    // The sprite, made when absent; null only when memory runs out.
    CSprite* find_or_create(int sprite) { return sprites_.scene().FindOrCreate(sprite); }
    CSprite* find(int sprite) const { return sprites_.scene().Find(sprite); }
    // Gives the sprite (made when absent) the surface, whose reference it takes over; the surface
    // is released when the sprite cannot be made.
    bool give(int sprite, ISurface* surface);
    // A new screen-sized surface without alpha map, at the main surface's depth.
    ISurface* make_screen_surface();

    IMainSurface* main_surface_ = nullptr;
    IUngild* decoder_ = nullptr;
    IVLTFile* cg_ = nullptr;
    IGraph3* graph_ = nullptr;
    ISurfaceFactory* factory_ = nullptr;
    IDrawPluginDrawer* drawer_ = nullptr;
    IDrawText2* draw_text_ = nullptr;
    ITimer* timer_ = nullptr;
    IAfterPresent* after_present_ = nullptr;
    bool debug_mode_ = false;
    CCGCache* cg_cache_ = nullptr;
    vesperkit::sprites::DebugCgFiles debug_cg_files_;
    vesperkit::sprites::CgLoader cg_loader_;
    CSpriteManager sprites_;
    FrameRateCounter frame_rate_;
    uint8_t show_frame_rate_ = 0;
    vesperkit::sprites::FillCounters fill_;
    int view_mode_ = 0;              // 0: software composition
    bool keep_previous_view_ = true;  // snapshot the scene after each drawn frame
    int view_x_ = 0, view_y_ = 0;     // offset of every sprite on the screen
};
