// The facade's frame: compose the scene onto the main surface, show it, tell the host, and keep a
// snapshot of the scene for the previous view.
#include "vesperkit/sprites/tarn_engine.h"

bool CTarnEngine::ComposeOnto(ISurface* target) {
    if (!target || !graph_) return false;
    vesperkit::sprites::CompositionContext context{graph_, drawer_, target, view_x_, view_y_};
    fill_ = vesperkit::sprites::compose(sprites_.scene(), context);
    return true;
}

bool CTarnEngine::DrawFrame() {
    frame_rate_.Count();
    ComposeOnto(main_surface_);
    main_surface_->Present(0, 0, main_surface_->GetWidth(), main_surface_->GetHeight());
    // In the software view the host's answer does not decide the frame.
    if (after_present_) after_present_->OnPresented();
    if (keep_previous_view_ && !sprites_.TakeSnapshot()) return false;
    return true;
}
