// Exports of CGs and the wallpaper.
#include <cstdio>

#include "interfaces/guids.h"
#include "vesperkit/exports.h"
#include "vesperkit/frame/export_guard.h"
#include "vesperkit/frame/service_binding.h"
#include "vesperkit/sprites/engine_access.h"

using vesperkit::guard_export;
using vesperkit::sprites::facade;
using vesperkit::sprites::reporter;

int SP_SetCG(int nSP, int nCG) {
    return guard_export(0, [&] {
        if (nSP < 1 || nCG < 1) {
            if (CErrorMessage* e = reporter()) e->Open("nSP_SetCG\nnSP=%d\nnCG=%d\n", nSP, nCG);
            return 0;
        }
        CTarnEngine* engine = facade();
        return engine && engine->SetCG(nSP, nCG) ? 1 : 0;
    });
}

int SP_SetCGFromFile(int nSP, IString* path) {
    return guard_export(0, [&] {
        CTarnEngine* engine = facade();
        return engine && path && engine->SetCGFromFile(nSP, path->Get()) ? 1 : 0;
    });
}

int SP_SaveCG(int nSP, IString* path) {
    return guard_export(0, [&] {
        if (!g_pTARN) return 0;
        // The encoder is bound on first use and kept by the root until shutdown.
        if (!g_pTARN->m_pIEncodeCG)
            g_pTARN->m_pIEncodeCG = vesperkit::bind_service_as<IImageEncoder>("Engild.dll", IID_IImageEncoder);
        if (!g_pTARN->m_pIEncodeCG) return 0;
        CTarnEngine* engine = facade();
        if (!engine || nSP < 1 || !path) return 0;
        return engine->SaveCG(nSP, path->Get(), g_pTARN->m_pIEncodeCG) ? 1 : 0;
    });
}

int CG_IsExist(int nCG) {
    return guard_export(0, [&] {
        CTarnEngine* engine = facade();
        return engine && engine->IsCGExist(nCG) ? 1 : 0;
    });
}

int CG_GetMetrics(int nCG, IPage* page) {
    return guard_export(0, [&] {
        CTarnEngine* engine = facade();
        int metrics[7] = {};
        if (!engine || !engine->GetCGMetrics(nCG, metrics) || !page) return 0;
        // The structure's shape is checked before any member is written.
        CErrorMessage* errors = reporter();
        if (page->GetNumof() < 7) {
            if (errors) errors->Report("CG_GetMetrics内部エラー\n構造体メンバー個数不足");
            return 0;
        }
        for (int i = 0; i < 7; ++i) {
            if (page->GetType(i) == kScriptInt) continue;
            char text[512];
            std::snprintf(text, sizeof text, "CG_GetMetrics内部エラー\n構造体メンバー型異常\n%d番のメンバ", i);
            if (errors) errors->Report(text);
            return 0;
        }
        for (int i = 0; i < 7; ++i) page->SetInt(i, &metrics[i]);
        return 1;
    });
}

int SetWP(int nCG) {
    return guard_export(0, [&] {
        if (nCG < 0) {
            if (CErrorMessage* e = reporter()) e->Open("CTARN::SetWP\n壁紙番号エラー\nCG=%d\n", nCG);
            return 0;
        }
        CTarnEngine* engine = facade();
        return engine && engine->SetWallpaperCG(nCG) ? 1 : 0;
    });
}

int SetWP_Color(int r, int g, int b) {
    return guard_export(0, [&] {
        CTarnEngine* engine = facade();
        return engine && engine->SetWallpaperColor(r, g, b) ? 1 : 0;
    });
}

int WP_SetSP(int nSP) {
    return guard_export(0, [&] {
        CTarnEngine* engine = facade();
        return engine && engine->SetWallpaperSprite(nSP) ? 1 : 0;
    });
}

int WP_GetSP(int nSP) {
    return guard_export(0, [&] {
        CTarnEngine* engine = facade();
        return engine && engine->GetWallpaperSprite(nSP) ? 1 : 0;
    });
}
