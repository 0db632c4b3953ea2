#pragma once
// The engine application object: the match window (an OpenGL 3.3 core
// window), the render loop with its rate cap, the device parameters, and the
// texture, mesh and sound managers. The game derives from it and overrides
// the callbacks.
//
// Loop: while the timer is enabled, onRender runs at most maxFps (59) times a
// second, as often as the machine allows below that, with vsync off; onUpdate
// runs at its own fixed rate (50 per second). onRender draws through
// renderer() and ends with present().
//
// Threads: everything here belongs to the thread that made the QGuiApplication
// (the GL thread); loader threads may parse models and decode images and
// hand them to the managers there.

#include <memory>
#include <string>

#include <QImage>

#include "meshes.h"
#include "renderer.h"
#include "sounds.h"
#include "textures.h"

namespace kf {

enum class MouseButton { Left, Right, Middle };

class EngineApp {
public:
    EngineApp();
    virtual ~EngineApp();
    EngineApp(const EngineApp&) = delete;
    EngineApp& operator=(const EngineApp&) = delete;

    // Callbacks.
    virtual void onRender() {}
    virtual void onUpdate() {}
    virtual void onInitialise() {}
    virtual void onFinalise() {}
    // Input on the match window; positions in back-buffer pixels, wheel in
    // steps of 120 per notch, keys as Qt key codes with their text.
    virtual void onMouseMove(float x, float y) {}
    virtual void onMouseButton(MouseButton b, bool down, float x, float y) {}
    virtual void onMouseWheel(int delta) {}
    virtual void onKey(int key, bool down, bool autoRepeat, const std::string& text) {}

    // Makes the (hidden) window and the GL context, then calls onInitialise.
    void initialise();
    // Calls onFinalise, then frees every GL object and resource. Call it
    // before destroying a derived object: the destructor finalises too, but
    // by then the derived onFinalise can no longer run.
    void finalise();
    bool initialised() const;

    // Window.
    void setCaption(const std::string& caption);
    void show();
    void hide();
    bool visible() const;
    void setCursorVisible(bool visible);
    // Shows the window and waits until its GL context exists (tests, tools).
    bool waitUntilReady(int timeoutMs = 5000);

    // Device parameters, taking effect with applyParameters(): the back
    // buffer is the size everything is drawn at; full screen covers the
    // screen and scales that buffer onto it.
    void setBackBufferSize(int width, int height);
    void setFullScreen(bool on);
    void applyParameters();
    int backBufferWidth() const;
    int backBufferHeight() const;

    // Timer.
    void setMaxFps(double fps);
    void setUpdateRate(double hz);
    void setTimerEnabled(bool on);
    bool timerEnabled() const;
    int fps() const;

    // Frame: the device, and present() to end the frame.
    Renderer& renderer();
    void present();
    // Runs one frame now (outside the timer) and returns it as an image
    // (screenshots, tests); a null image when the window is not ready.
    QImage grabFrame();
    // Runs one frame now without grabbing it (benchmarks).
    bool renderFrameNow();

    // Resource managers.
    TextureManager& textures();
    MeshManager& meshes();
    SoundManager& sounds();

    struct Impl;  // the window and loop, in engine_app.cpp

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace kf
