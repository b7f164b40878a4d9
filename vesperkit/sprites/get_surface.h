#pragma once
// Sprite number to surface, for other plug-ins (the movie player draws its frames through it).
#include "interfaces/engine_services.h"
#include "vesperkit/frame/error_message.h"
#include "vesperkit/frame/ref_counted.h"
#include "vesperkit/sprites/tarn_engine.h"

class CGetSurface : public vesperkit::RefCounted<IChangeNumToISurface2> {
public:
    // Holds a reference on the facade and the reporter for as long as it lives.
    CGetSurface(CTarnEngine* engine, CErrorMessage* errors);
    ISurface* Change(int sprite) override;
    ISurface* ChangeStored(int sprite) override;

protected:
    ~CGetSurface() override;

private:
    ISurface* report_missing(int sprite);
    CTarnEngine* engine_;
    CErrorMessage* errors_;
};

// Every frame recomposes the whole screen, so a changed rectangle needs no bookkeeping.
class CAddInvalidateRect : public vesperkit::RefCounted<IAddInvalidateRect> {
public:
    void Add(int, int, int, int, int) override {}
};
