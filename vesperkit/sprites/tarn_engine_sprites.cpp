// The facade's sprite operations: creation, deletion, properties and the table queries.
#include "vesperkit/sprites/surface_copy.h"
#include "vesperkit/sprites/tarn_engine.h"

bool CTarnEngine::IsUsing(int sprite) { return find(sprite) != nullptr; }

int CTarnEngine::GetUnuseNum(int first) { return sprites_.scene().FirstUnusedFrom(first); }

int CTarnEngine::GetMaxZ() { return sprites_.scene().MaxZ(); }

bool CTarnEngine::Create(int sprite, int width, int height, int r, int g, int b, int blend) {
    if (!factory_ || !graph_ || !main_surface_) return false;
    ISurface* surface = factory_->CreateWithAlpha(width, height, main_surface_->GetBitsPerPixel());
    if (!surface) return false;
    graph_->FillRect(surface, 0, 0, width, height, r, g, b);
    graph_->FillAlpha(surface, 0, 0, width, height, blend);
    return give(sprite, surface);
}

bool CTarnEngine::CreatePixelOnly(int sprite, int width, int height) {
    if (!factory_ || !main_surface_) return false;
    ISurface* surface = factory_->Create(width, height, main_surface_->GetBitsPerPixel());
    if (!surface) return false;
    return give(sprite, surface);
}

bool CTarnEngine::CreateCustom(int sprite) {
    CSprite* record = find_or_create(sprite);
    if (!record) return false;
    record->set_custom(true);
    return true;
}

bool CTarnEngine::CreateCopy(int destination, int source) {
    CSprite* from = find(source);
    if (!from || !from->surface()) return false;
    ISurface* copy = vesperkit::sprites::copy_surface(from->surface(), factory_, graph_);
    if (!copy) return false;
    return give(destination, copy);
}

bool CTarnEngine::Delete(int sprite) { return sprites_.scene().Erase(sprite); }

bool CTarnEngine::DeleteAll() {
    sprites_.scene().Clear();
    return true;
}

ISurface* CTarnEngine::GetSurfaceForWriting(int sprite) {
    CSprite* record = find(sprite);
    return record ? record->SurfaceForWriting() : nullptr;
}

ISurface* CTarnEngine::GetStoredSurface(int sprite) {
    CSprite* record = find(sprite);
    return record ? record->surface() : nullptr;
}

int CTarnEngine::Enum(std::vector<int>& numbers) {
    numbers.clear();
    numbers.reserve(sprites_.scene().records().size());
    for (const auto& [number, record] : sprites_.scene().records()) numbers.push_back(number);
    return static_cast<int>(numbers.size());
}

// Getters: 0 for a sprite not in the table.
#define VK_SPRITE_GETTER(result, name, expression)  \
    result CTarnEngine::name(int sprite) {          \
        const CSprite* record = find(sprite);       \
        return record ? (expression) : result();    \
    }
VK_SPRITE_GETTER(int, GetPosX, record->x())
VK_SPRITE_GETTER(int, GetPosY, record->y())
VK_SPRITE_GETTER(int, GetZ, record->z())
VK_SPRITE_GETTER(int, GetWidth, record->width())
VK_SPRITE_GETTER(int, GetHeight, record->height())
VK_SPRITE_GETTER(int, GetBlendRate, record->blend_rate())
VK_SPRITE_GETTER(bool, GetShow, record->show())
VK_SPRITE_GETTER(int, GetDrawMethod, record->draw_method())
VK_SPRITE_GETTER(int, GetBrightness, record->brightness())
#undef VK_SPRITE_GETTER

// Setters: the sprite is made when absent.
#define VK_SPRITE_SETTER(name, parameters, statement) \
    bool CTarnEngine::name(int sprite, parameters) {  \
        CSprite* record = find_or_create(sprite);     \
        if (!record) return false;                    \
        statement;                                    \
        return true;                                  \
    }
VK_SPRITE_SETTER(SetX, int x, record->set_position(x, record->y()))
VK_SPRITE_SETTER(SetY, int y, record->set_position(record->x(), y))
VK_SPRITE_SETTER(SetZ, int z, record->set_z(z))
VK_SPRITE_SETTER(SetBlendRate, int rate, record->set_blend_rate(rate))
VK_SPRITE_SETTER(SetShow, bool show, record->set_show(show))
VK_SPRITE_SETTER(SetDrawMethod, int method, record->set_draw_method(method))
VK_SPRITE_SETTER(SetBrightness, int brightness, record->set_brightness(brightness))
#undef VK_SPRITE_SETTER

bool CTarnEngine::SetPos(int sprite, int x, int y) {
    CSprite* record = find_or_create(sprite);
    if (!record) return false;
    record->set_position(x, y);
    return true;
}
