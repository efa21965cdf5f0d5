#pragma once

// Whether a Wayland compositor answers where WAYLAND_DISPLAY points: a socket
// of that name (wayland-0 if unset) in XDG_RUNTIME_DIR, or at that path.
bool waylandCompositorAnswers();
