#pragma once
// What the logo player uses of the drawing library and the surface factory. The drawing library
// answers IID_ILogoGraph with an older table than IGraph3; the surface factory answers
// IID_ILogoSurfaceFactory with the ISurfaceFactory table.
//
// Coordinates and sizes are pixels, opacities 0 (invisible) to 255 (opaque). Every operation draws
// the source rectangle (sx, sy, w, h) at (dx, dy) of the destination; the library clips it to both
// surfaces. "Alpha" operations weigh each source pixel by the source's alpha plane, or by its fourth
// byte when the source has no alpha plane. ReservedN marks a slot the logo never calls.
#include "interfaces/guid.h"
#include "interfaces/surface.h"

class ILogoGraph : public IInterface {
public:
    virtual bool Init() = 0;
    virtual void SetSetting(int value) = 0;
    virtual void Copy(ISurface* dst, int dx, int dy, ISurface* src, int sx, int sy, int w, int h) = 0;
    virtual void Reserved5() {}
    virtual void Reserved6() {}
    virtual void BlendConst(ISurface* dst, int dx, int dy, ISurface* src, int sx, int sy, int w, int h,
                            int opacity) = 0;
    virtual void Reserved8() {}
    virtual void Reserved9() {}
    virtual void BlendAlpha(ISurface* dst, int dx, int dy, ISurface* src, int sx, int sy, int w, int h) = 0;
    virtual void Reserved11() {}
    virtual void Reserved12() {}
    virtual void Reserved13() {}
    virtual void BlendAlphaOpacity(ISurface* dst, int dx, int dy, ISurface* src, int sx, int sy, int w, int h,
                                   int opacity) = 0;
    virtual void Reserved15() {}
    virtual void Reserved16() {}
    virtual void Reserved17() {}
    virtual void Reserved18() {}
    virtual void Reserved19() {}
    virtual void Reserved20() {}
    virtual void Fill(ISurface* dst, int x, int y, int w, int h, int r, int g, int b) = 0;
    virtual void Reserved22() {}
    virtual void BlendFill(ISurface* dst, int x, int y, int w, int h, int r, int g, int b, int opacity) = 0;
    virtual void Reserved24() {}
    virtual void Reserved25() {}
    virtual void Reserved26() {}
    virtual void Reserved27() {}
    virtual void Reserved28() {}
    virtual void Reserved29() {}
    virtual void Reserved30() {}
    virtual void Reserved31() {}
    // The whole source rectangle scaled onto the destination rectangle (x, y, w, h).
    virtual void StretchBlendAlpha(ISurface* dst, int x, int y, int w, int h, ISurface* src, int sx, int sy, int sw,
                                   int sh) = 0;
    virtual void Reserved33() {}
    virtual void Reserved34() {}
    virtual void Reserved35() {}
    virtual void Reserved36() {}
    virtual void Reserved37() {}
    virtual void Reserved38() {}
    virtual void Reserved39() {}
    virtual void Reserved40() {}
    virtual void Reserved41() {}
    virtual void Reserved42() {}
    virtual void Reserved43() {}
    // Rectangles in floating point, so a slowly shrinking source zooms smoothly.
    virtual void StretchCopy(ISurface* dst, float x, float y, float w, float h, ISurface* src, float sx, float sy,
                             float sw, float sh) = 0;
    virtual void Reserved45() {}
    // As StretchCopy, but copies the source's alpha plane into the destination's alpha plane.
    virtual void StretchCopyAlpha(ISurface* dst, float x, float y, float w, float h, ISurface* src, float sx,
                                  float sy, float sw, float sh) = 0;
};

inline constexpr GUID IID_ILogoGraph = make_guid("46F1EC26-82CD-4A69-A0BF-8F7D6975ABDA");
inline constexpr GUID IID_ILogoSurfaceFactory = make_guid("D6433348-4DB3-11D4-BEB2-00C0F6B0E9BE");
