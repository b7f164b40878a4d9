// Exports of the sprite table: creation, deletion, properties and queries. Each guard runs first;
// a refused call reports its message, changes nothing and answers 0.
#include <vector>

#include "vesperkit/exports.h"
#include "vesperkit/frame/export_guard.h"
#include "vesperkit/sprites/engine_access.h"

using vesperkit::guard_export;
using vesperkit::sprites::facade;
using vesperkit::sprites::reporter;

#define VK_REFUSE(...)                                 \
    do {                                               \
        if (CErrorMessage* e = reporter()) e->Open(__VA_ARGS__); \
        return 0;                                      \
    } while (0)

int SP_Create(int nSP, int nWidth, int nHeight, int r, int g, int b, int blend) {
    return guard_export(0, [&] {
        if (nWidth < 1 || nHeight < 1)
            VK_REFUSE("SP_Create\nサイズ指定エラー\nnSP     = %d\nnWidth  = %d\nnHeight = %d\nrgb=(%d,%d,%d)\nblend = %d\n",
                      nSP, nWidth, nHeight, r, g, b, blend);
        CTarnEngine* engine = facade();
        return engine && engine->Create(nSP, nWidth, nHeight, r, g, b, blend) ? 1 : 0;
    });
}

int SP_CreatePixelOnly(int nSP, int nWidth, int nHeight) {
    return guard_export(0, [&] {
        if (nWidth < 1 || nHeight < 1)
            VK_REFUSE("SP_CreatePixelOnly\nサイズ指定エラー\nnSP     = %d\nnWidth  = %d\nnHeight = %d\n", nSP, nWidth,
                      nHeight);
        CTarnEngine* engine = facade();
        return engine && engine->CreatePixelOnly(nSP, nWidth, nHeight) ? 1 : 0;
    });
}

int SP_CreateCustom(int nSP) {
    return guard_export(0, [&] {
        CTarnEngine* engine = facade();
        return engine && engine->CreateCustom(nSP) ? 1 : 0;
    });
}

int SP_CreateCopy(int nDestSP, int nSrcSP) {
    return guard_export(0, [&] {
        CTarnEngine* engine = facade();
        return engine && engine->CreateCopy(nDestSP, nSrcSP) ? 1 : 0;
    });
}

int SP_Delete(int nSP) {
    return guard_export(0, [&] {
        if (nSP < 1) VK_REFUSE("SP_Delete\nnSP=%d\n", nSP);
        CTarnEngine* engine = facade();
        return engine && engine->Delete(nSP) ? 1 : 0;
    });
}

void SP_DeleteAll() {
    guard_export([&] {
        if (CTarnEngine* engine = facade()) engine->DeleteAll();
    });
}

int SP_IsUsing(int nSP) {
    return guard_export(0, [&] {
        CTarnEngine* engine = facade();
        return engine && engine->IsUsing(nSP) ? 1 : 0;
    });
}

int SP_GetUnuseNum(int nMin) {
    return guard_export(0, [&] {
        CTarnEngine* engine = facade();
        return engine ? engine->GetUnuseNum(nMin) : 0;
    });
}

int SP_GetMaxZ() {
    return guard_export(0, [&] {
        CTarnEngine* engine = facade();
        return engine ? engine->GetMaxZ() : 0;
    });
}

int SP_Count() {
    return guard_export(0, [&] {
        CTarnEngine* engine = facade();
        std::vector<int> numbers;
        return engine ? engine->Enum(numbers) : 0;
    });
}

int SP_Enum(IArray* array) {
    return guard_export(0, [&] {
        CTarnEngine* engine = facade();
        if (!engine) return 0;
        std::vector<int> numbers;
        const int count = engine->Enum(numbers);
        // The array's shape is checked before anything is written; a wrong one is reported and the
        // count still answered, so the script learns how many elements it needs.
        if (!array) return count;
        CErrorMessage* errors = reporter();
        auto refuse = [&](const char* text) {
            if (errors) errors->Report(text);
            return count;
        };
        if (array->GetRank() != 1) return refuse("SP_Enumに渡す配列は１次元で確保されていなければならない");
        if (array->GetType() != kScriptInt) return refuse("SP_Enumの引数はintの配列でなければならない");
        if (array->GetNumof() < count)
            return refuse("SP_Enumに渡す配列が必要個数分確保されていない\n必要な個数を取得するには、SP_Count()を呼び出す\n");
        for (int i = 0; i < count; ++i) array->SetInt(i, numbers[size_t(i)]);
        return count;
    });
}

int SP_SetPos(int nSP, int x, int y) {
    return guard_export(0, [&] {
        if (nSP < 1) VK_REFUSE("SP_SetPos\nnSP=%d\nx=%d\ny=%d\n", nSP, x, y);
        CTarnEngine* engine = facade();
        return engine && engine->SetPos(nSP, x, y) ? 1 : 0;
    });
}

int SP_SetX(int nSP, int nX) {
    return guard_export(0, [&] {
        if (nSP < 1) VK_REFUSE("SP_SetX\nnSP=%d\nnX=%d\n", nSP, nX);
        CTarnEngine* engine = facade();
        return engine && engine->SetX(nSP, nX) ? 1 : 0;
    });
}

int SP_SetY(int nSP, int nY) {
    return guard_export(0, [&] {
        if (nSP < 1) VK_REFUSE("SP_SetY\nnSP=%d\nnY=%d\n", nSP, nY);
        CTarnEngine* engine = facade();
        return engine && engine->SetY(nSP, nY) ? 1 : 0;
    });
}

int SP_SetZ(int nSP, int nZ) {
    return guard_export(0, [&] {
        if (nSP < 1 || nZ < 0) VK_REFUSE("SP_SetZ\nnSP=%d\nnZ=%d\n", nSP, nZ);
        CTarnEngine* engine = facade();
        return engine && engine->SetZ(nSP, nZ) ? 1 : 0;
    });
}

int SP_SetBlendRate(int nSP, int nBlendRate) {
    return guard_export(0, [&] {
        if (nSP < 1 || nBlendRate < 0 || nBlendRate > 255)
            VK_REFUSE("SP_SetBlendRate\nnSP=%d\nnBlendRate=%d", nSP, nBlendRate);
        CTarnEngine* engine = facade();
        return engine && engine->SetBlendRate(nSP, nBlendRate) ? 1 : 0;
    });
}

int SP_SetBrightness(int nSP, int nBrightness) {
    return guard_export(0, [&] {
        if (nSP < 1 || nBrightness < 0 || nBrightness > 255)
            VK_REFUSE("SP_SetBrightness\nnSP=%d\nnBrightness=%d", nSP, nBrightness);
        CTarnEngine* engine = facade();
        return engine && engine->SetBrightness(nSP, nBrightness) ? 1 : 0;
    });
}

int SP_SetShow(int nSP, int bShow) {
    return guard_export(0, [&] {
        const bool show = bShow != 0;
        if (nSP < 1) VK_REFUSE("SP_Show\nnSP=%d\nbShow=%d\n", nSP, show ? 1 : 0);
        CTarnEngine* engine = facade();
        return engine && engine->SetShow(nSP, show) ? 1 : 0;
    });
}

int SP_SetDrawMethod(int nSP, int nMethod) {
    return guard_export(0, [&] {
        if (nSP < 1) VK_REFUSE("SP_SetDrawMethod\nnSP=%d\nnMethod=%d\n", nSP, nMethod);
        CTarnEngine* engine = facade();
        return engine && engine->SetDrawMethod(nSP, nMethod) ? 1 : 0;
    });
}

#undef VK_REFUSE

// Getters take any number (0 included) and answer 0 for a sprite not in the table.
#define VK_SPRITE_GETTER_EXPORT(name, operation)                      \
    int name(int nSP) {                                               \
        return guard_export(0, [&] {                                  \
            CTarnEngine* engine = facade();                           \
            return engine ? static_cast<int>(engine->operation(nSP)) : 0; \
        });                                                           \
    }
VK_SPRITE_GETTER_EXPORT(SP_GetPosX, GetPosX)
VK_SPRITE_GETTER_EXPORT(SP_GetPosY, GetPosY)
VK_SPRITE_GETTER_EXPORT(SP_GetZ, GetZ)
VK_SPRITE_GETTER_EXPORT(SP_GetWidth, GetWidth)
VK_SPRITE_GETTER_EXPORT(SP_GetHeight, GetHeight)
VK_SPRITE_GETTER_EXPORT(SP_GetBlendRate, GetBlendRate)
VK_SPRITE_GETTER_EXPORT(SP_GetBrightness, GetBrightness)
VK_SPRITE_GETTER_EXPORT(SP_GetShow, GetShow)
VK_SPRITE_GETTER_EXPORT(SP_GetDrawMethod, GetDrawMethod)
#undef VK_SPRITE_GETTER_EXPORT

int SP_ExistAlpha(int nSP) {
    return guard_export(0, [&] {
        CTarnEngine* engine = facade();
        ISurface* surface = engine ? engine->GetSurfaceForWriting(nSP) : nullptr;
        return surface && surface->HasAlphaMap() ? 1 : 0;
    });
}
