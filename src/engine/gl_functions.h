#pragma once
// GL entry points of the current context (internal to the engine layer).
// Every GL call of the layer goes through gl(); makeEngineContextCurrent()
// makes sure a context of the engine's share group is current, so uploads
// work before the match window was ever shown and from the GL thread only.

#include <QOpenGLFunctions_3_3_Core>

class QOpenGLContext;
class QSurface;

namespace kf {

using GlFunctions = QOpenGLFunctions_3_3_Core;

GlFunctions* gl();

// The offscreen context used while no window context is current.
void setResourceContext(QOpenGLContext* context, QSurface* surface);
// True on the thread that owns the engine's contexts (the GUI thread).
bool onGlThread();
// True when a context sharing the engine's objects is current afterwards;
// always false off the GL thread.
bool makeEngineContextCurrent();
// Anisotropic filtering is an extension in GL 3.3.
bool hasAnisotropicFiltering();

}  // namespace kf
