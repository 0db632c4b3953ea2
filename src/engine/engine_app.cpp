#include "engine_app.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLWindow>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "frame_timer.h"
#include "gl_functions.h"

namespace kf {

namespace {

QSurfaceFormat engineFormat() {
    QSurfaceFormat f;
    f.setRenderableType(QSurfaceFormat::OpenGL);
    f.setVersion(3, 3);
    f.setProfile(QSurfaceFormat::CoreProfile);
    f.setDepthBufferSize(24);
    f.setStencilBufferSize(8);
    f.setSwapInterval(0);  // the loop caps the rate itself
    f.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    return f;
}

MouseButton toButton(Qt::MouseButton b) {
    switch (b) {
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return MouseButton::Left;
    }
}

}  // namespace

class EngineWindow;

struct EngineApp::Impl {
    EngineApp* app;
    QOpenGLContext resourceContext;
    QOffscreenSurface offscreen;
    std::unique_ptr<EngineWindow> window;
    TextureManager textures;
    MeshManager meshes;
    SoundManager sounds{makeQtSoundBackend()};
    Renderer renderer{textures};
    QTimer timer;
    QElapsedTimer clock;
    FrameTimer frameTimer;
    FixedStep updates;
    bool initialised = false, glReady = false, enabled = false, inFrame = false;
    bool swapOnPresent = true, grabOnPresent = false, cursorVisible = true;
    QImage grabbed;
    int bbWidth = 1024, bbHeight = 768;
    bool fullScreen = false;
    uint32_t fbo = 0, fboColour = 0, fboDepth = 0;
    int fboWidth = 0, fboHeight = 0;

    explicit Impl(EngineApp* a) : app(a) {}
    double nowMs() const { return double(clock.nsecsElapsed()) / 1e6; }
    void tick();
    void schedule();
    bool runFrame(bool swap, bool grab);
    void present();
    QSize windowPixels() const;
    bool bindTarget();
    void releaseTarget();
    Vec2f toBackBuffer(const QPointF& p) const;
};

class EngineWindow : public QOpenGLWindow {
public:
    EngineWindow(QOpenGLContext* share, EngineApp::Impl* impl)
        : QOpenGLWindow(share, QOpenGLWindow::NoPartialUpdate), impl_(impl) {}

protected:
    void initializeGL() override {
        std::string error;
        if (!impl_->renderer.init(&error)) qWarning("kf_engine: %s", error.c_str());
        else impl_->glReady = true;
    }
    // Exposes outside the loop: draw a frame when the match runs, else black.
    void paintGL() override {
        if (impl_->enabled && !impl_->inFrame && impl_->runFrame(false, false)) return;
        GlFunctions* f = gl();
        f->glClearColor(0, 0, 0, 1);
        f->glClear(GL_COLOR_BUFFER_BIT);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        const Vec2f p = impl_->toBackBuffer(e->position());
        impl_->app->onMouseMove(p.x, p.y);
    }
    void mousePressEvent(QMouseEvent* e) override { button(e, true); }
    void mouseReleaseEvent(QMouseEvent* e) override { button(e, false); }
    void wheelEvent(QWheelEvent* e) override { impl_->app->onMouseWheel(e->angleDelta().y()); }
    void keyPressEvent(QKeyEvent* e) override { key(e, true); }
    void keyReleaseEvent(QKeyEvent* e) override { key(e, false); }

private:
    void button(QMouseEvent* e, bool down) {
        const Vec2f p = impl_->toBackBuffer(e->position());
        impl_->app->onMouseButton(toButton(e->button()), down, p.x, p.y);
    }
    void key(QKeyEvent* e, bool down) {
        impl_->app->onKey(e->key(), down, e->isAutoRepeat(), e->text().toStdString());
    }
    EngineApp::Impl* impl_;
};

QSize EngineApp::Impl::windowPixels() const {
    return window ? window->size() * window->devicePixelRatio() : QSize(bbWidth, bbHeight);
}

Vec2f EngineApp::Impl::toBackBuffer(const QPointF& p) const {
    const QSize w = window ? window->size() : QSize(bbWidth, bbHeight);
    return Vec2f(float(p.x() * bbWidth / std::max(1, w.width())),
                 float(p.y() * bbHeight / std::max(1, w.height())));
}

// Draws into the window directly when it has the back buffer's size, else
// into an offscreen buffer of that size that present() scales onto it.
bool EngineApp::Impl::bindTarget() {
    GlFunctions* f = gl();
    const QSize win = windowPixels();
    if (win == QSize(bbWidth, bbHeight)) {
        f->glBindFramebuffer(GL_FRAMEBUFFER, window->defaultFramebufferObject());
        return false;
    }
    if (!fbo || fboWidth != bbWidth || fboHeight != bbHeight) {
        releaseTarget();
        f->glGenFramebuffers(1, &fbo);
        f->glGenRenderbuffers(1, &fboColour);
        f->glGenRenderbuffers(1, &fboDepth);
        f->glBindRenderbuffer(GL_RENDERBUFFER, fboColour);
        f->glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, bbWidth, bbHeight);
        f->glBindRenderbuffer(GL_RENDERBUFFER, fboDepth);
        f->glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, bbWidth, bbHeight);
        f->glBindFramebuffer(GL_FRAMEBUFFER, fbo);
        f->glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, fboColour);
        f->glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, fboDepth);
        fboWidth = bbWidth;
        fboHeight = bbHeight;
    }
    f->glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    return true;
}

void EngineApp::Impl::releaseTarget() {
    GlFunctions* f = gl();
    if (!fbo || !f) return;
    f->glDeleteFramebuffers(1, &fbo);
    f->glDeleteRenderbuffers(1, &fboColour);
    f->glDeleteRenderbuffers(1, &fboDepth);
    fbo = fboColour = fboDepth = 0;
}

bool EngineApp::Impl::runFrame(bool swap, bool grab) {
    if (!glReady || !window || inFrame) return false;
    window->makeCurrent();
    bindTarget();
    renderer.setTarget(bbWidth, bbHeight);
    frameTimer.frameStarted(nowMs());
    inFrame = true;
    swapOnPresent = swap;
    grabOnPresent = grab;
    app->onRender();
    inFrame = false;
    grabOnPresent = false;
    return true;
}

void EngineApp::Impl::present() {
    if (!inFrame) return;
    renderer.endScene();
    GlFunctions* f = gl();
    if (grabOnPresent) {
        QImage img(bbWidth, bbHeight, QImage::Format_RGBA8888);
        f->glPixelStorei(GL_PACK_ALIGNMENT, 4);
        f->glReadPixels(0, 0, bbWidth, bbHeight, GL_RGBA, GL_UNSIGNED_BYTE, img.bits());
        grabbed = img.mirrored().convertToFormat(QImage::Format_RGB32);
        grabOnPresent = false;
    }
    const QSize win = windowPixels();
    if (fbo && win != QSize(bbWidth, bbHeight)) {
        f->glBindFramebuffer(GL_READ_FRAMEBUFFER, fbo);
        f->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, window->defaultFramebufferObject());
        f->glBlitFramebuffer(0, 0, bbWidth, bbHeight, 0, 0, win.width(), win.height(),
                             GL_COLOR_BUFFER_BIT, GL_LINEAR);
        f->glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    }
    if (swapOnPresent) window->context()->swapBuffers(window.get());
}

void EngineApp::Impl::tick() {
    if (!enabled) return;
    const double now = nowMs();
    for (int n = updates.stepsDue(now); n > 0; --n) app->onUpdate();
    if (frameTimer.msUntilDue(now) <= 0) runFrame(true, false);
    schedule();
}

// A timer for the bulk of the wait, then zero-interval ticks for the last
// millisecond: QTimer alone is only accurate to about a millisecond.
void EngineApp::Impl::schedule() {
    if (!enabled) return;
    if (!glReady) {
        timer.start(5);
        return;
    }
    const double wait = frameTimer.msUntilDue(nowMs());
    timer.start(wait > 1.5 ? int(wait - 1.0) : 0);
}

EngineApp::EngineApp() : impl_(std::make_unique<Impl>(this)) {
    impl_->clock.start();
    impl_->timer.setSingleShot(true);
    impl_->timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&impl_->timer, &QTimer::timeout, [this] { impl_->tick(); });
}

EngineApp::~EngineApp() {
    if (impl_->initialised) finalise();
}

// Mesa's software rasteriser allocates and frees large vertex buffers in
// every draw; with glibc's default trimming each frame then returns the heap
// top to the kernel and faults it back in (a third of the figures' frame
// time). Keeping the top of the heap avoids that.
static void keepHeapTop() {
#if defined(__GLIBC__)
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
    mallopt(M_TOP_PAD, 64 << 20);
#endif
}

void EngineApp::initialise() {
    if (impl_->initialised) return;
    keepHeapTop();
    Impl& d = *impl_;
    const QSurfaceFormat fmt = engineFormat();
    d.resourceContext.setFormat(fmt);
    if (!d.resourceContext.create()) qWarning("kf_engine: no OpenGL 3.3 context");
    d.offscreen.setFormat(d.resourceContext.format());
    d.offscreen.create();
    setResourceContext(&d.resourceContext, &d.offscreen);
    d.window = std::make_unique<EngineWindow>(&d.resourceContext, &d);
    d.window->setFormat(fmt);
    d.window->setFlags(Qt::Window | Qt::FramelessWindowHint);
    d.window->resize(d.bbWidth, d.bbHeight);
    if (!d.cursorVisible) d.window->setCursor(Qt::BlankCursor);
    d.initialised = true;
    onInitialise();
}

void EngineApp::finalise() {
    Impl& d = *impl_;
    if (!d.initialised) return;
    setTimerEnabled(false);
    onFinalise();
    d.sounds.stopAll();
    if (d.window && d.glReady) {
        d.window->makeCurrent();
        d.releaseTarget();
        d.renderer.destroy();
    }
    d.meshes.releaseAll();
    d.textures.releaseAll();
    d.window.reset();
    d.glReady = false;
    d.initialised = false;
    if (QOpenGLContext::currentContext() == &d.resourceContext) d.resourceContext.doneCurrent();
    setResourceContext(nullptr, nullptr);
}

bool EngineApp::initialised() const { return impl_->initialised; }

void EngineApp::setCaption(const std::string& caption) {
    if (impl_->window) impl_->window->setTitle(QString::fromStdString(caption));
}

void EngineApp::show() {
    Impl& d = *impl_;
    if (!d.window) return;
    if (d.fullScreen) {
        d.window->showFullScreen();
        return;
    }
    d.window->resize(d.bbWidth, d.bbHeight);
    if (QScreen* s = d.window->screen()) {
        const QRect r = s->availableGeometry();
        d.window->setPosition(r.center() - QPoint(d.bbWidth / 2, d.bbHeight / 2));
    }
    d.window->showNormal();
}

void EngineApp::hide() {
    if (impl_->window) impl_->window->hide();
}

bool EngineApp::visible() const { return impl_->window && impl_->window->isVisible(); }

void EngineApp::setCursorVisible(bool on) {
    impl_->cursorVisible = on;
    if (!impl_->window) return;
    if (on) impl_->window->unsetCursor();
    else impl_->window->setCursor(Qt::BlankCursor);
}

bool EngineApp::waitUntilReady(int timeoutMs) {
    if (!impl_->window) return false;
    if (!visible()) show();
    QElapsedTimer t;
    t.start();
    while (!impl_->glReady && t.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return impl_->glReady;
}

void EngineApp::setBackBufferSize(int width, int height) {
    impl_->bbWidth = std::max(1, width);
    impl_->bbHeight = std::max(1, height);
}

void EngineApp::setFullScreen(bool on) { impl_->fullScreen = on; }

void EngineApp::applyParameters() {
    if (visible()) show();
    else if (impl_->window) impl_->window->resize(impl_->bbWidth, impl_->bbHeight);
}

int EngineApp::backBufferWidth() const { return impl_->bbWidth; }
int EngineApp::backBufferHeight() const { return impl_->bbHeight; }

void EngineApp::setMaxFps(double fps) { impl_->frameTimer.setMaxFps(fps); }
void EngineApp::setUpdateRate(double hz) { impl_->updates.setRate(hz); }

void EngineApp::setTimerEnabled(bool on) {
    Impl& d = *impl_;
    if (on == d.enabled) return;
    d.enabled = on;
    if (on) {
        d.frameTimer.reset(d.nowMs());
        d.updates.reset(d.nowMs());
        d.schedule();
    } else {
        d.timer.stop();
    }
}

bool EngineApp::timerEnabled() const { return impl_->enabled; }
int EngineApp::fps() const { return impl_->frameTimer.fps(); }

Renderer& EngineApp::renderer() { return impl_->renderer; }
void EngineApp::present() { impl_->present(); }

QImage EngineApp::grabFrame() {
    impl_->grabbed = QImage();
    impl_->runFrame(true, true);
    return impl_->grabbed;
}

bool EngineApp::renderFrameNow() { return impl_->runFrame(true, false); }

TextureManager& EngineApp::textures() { return impl_->textures; }
MeshManager& EngineApp::meshes() { return impl_->meshes; }
SoundManager& EngineApp::sounds() { return impl_->sounds; }

}  // namespace kf
