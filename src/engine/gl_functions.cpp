#include "gl_functions.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QThread>
#include <QOpenGLVersionFunctionsFactory>

namespace kf {

namespace {
QOpenGLContext* resourceContext = nullptr;
QSurface* resourceSurface = nullptr;
}  // namespace

GlFunctions* gl() {
    // One lookup per context switch, not per call.
    thread_local QOpenGLContext* cachedContext = nullptr;
    thread_local GlFunctions* cached = nullptr;
    QOpenGLContext* ctx = QOpenGLContext::currentContext();
    if (ctx != cachedContext) {
        cachedContext = ctx;
        cached = ctx ? QOpenGLVersionFunctionsFactory::get<GlFunctions>(ctx) : nullptr;
        if (cached) cached->initializeOpenGLFunctions();
    }
    return cached;
}

void setResourceContext(QOpenGLContext* context, QSurface* surface) {
    resourceContext = context;
    resourceSurface = surface;
}

bool onGlThread() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

bool makeEngineContextCurrent() {
    if (!onGlThread()) return false;
    QOpenGLContext* ctx = QOpenGLContext::currentContext();
    if (ctx && resourceContext && QOpenGLContext::areSharing(ctx, resourceContext)) return true;
    if (!resourceContext) return ctx != nullptr;
    return resourceContext->makeCurrent(resourceSurface);
}

bool hasAnisotropicFiltering() {
    QOpenGLContext* ctx = QOpenGLContext::currentContext();
    return ctx && (ctx->hasExtension("GL_EXT_texture_filter_anisotropic") ||
                   ctx->hasExtension("GL_ARB_texture_filter_anisotropic"));
}

}  // namespace kf
