#include "textures.h"

#include <QImage>
#include <algorithm>

#include "gl_functions.h"

namespace kf {

uint32_t createGlTexture(const Image& img, bool mipmaps) {
    if (img.empty() || !makeEngineContextCurrent()) return 0;
    GlFunctions* f = gl();
    // Put back what was bound: the renderer caches its bindings.
    GLint previous = 0;
    f->glGetIntegerv(GL_TEXTURE_BINDING_2D, &previous);
    uint32_t id = 0;
    f->glGenTextures(1, &id);
    f->glBindTexture(GL_TEXTURE_2D, id);
    f->glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    f->glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, img.width(), img.height(), 0, GL_RGBA,
                    GL_UNSIGNED_BYTE, img.data());
    int levels = 1;
    for (int s = std::max(img.width(), img.height()); mipmaps && s > 1 && levels < maxMipLevels;
         s /= 2)
        ++levels;
    f->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, levels - 1);
    f->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                       levels > 1 ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
    f->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    if (levels > 1) f->glGenerateMipmap(GL_TEXTURE_2D);
    f->glBindTexture(GL_TEXTURE_2D, GLuint(previous));
    return id;
}

void updateGlTexture(uint32_t id, int x, int y, const Image& pixels) {
    if (!id || pixels.empty() || !makeEngineContextCurrent()) return;
    GlFunctions* f = gl();
    GLint previous = 0;
    f->glGetIntegerv(GL_TEXTURE_BINDING_2D, &previous);
    f->glBindTexture(GL_TEXTURE_2D, id);
    f->glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    f->glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, pixels.width(), pixels.height(), GL_RGBA,
                       GL_UNSIGNED_BYTE, pixels.data());
    f->glBindTexture(GL_TEXTURE_2D, GLuint(previous));
}

namespace {

bool isOpaque(const Image& img) {
    const uint8_t* p = img.data();
    for (size_t i = 3, n = size_t(img.width()) * img.height() * 4; i < n; i += 4)
        if (p[i] != 255) return false;
    return true;
}

}  // namespace

TextureManager::~TextureManager() { releaseAll(); }

TextureHandle TextureManager::load(const std::string& name, const std::string& file) {
    Image img;
    img.load(file);  // stays empty when missing or unreadable
    return create(name, img);
}

TextureHandle TextureManager::create(const std::string& name, const QImage& image) {
    return create(name, Image::fromQImage(image));
}

TextureHandle TextureManager::create(const std::string& name, const Image& image, bool mipmaps) {
    uint32_t glId = 0;
    std::shared_ptr<const Image> pending;
    if (onGlThread()) glId = createGlTexture(image, mipmaps);
    // Off the GL thread, or on it before the window has a context: keep the
    // image and upload it at first use.
    if (!glId && !image.empty()) pending = std::make_shared<const Image>(image);
    std::lock_guard lock(mutex_);
    if (auto it = byName_.find(name); it != byName_.end()) freeSlot(it->second);
    uint32_t index;
    if (!freeSlots_.empty()) {
        index = freeSlots_.back();
        freeSlots_.pop_back();
    } else {
        index = uint32_t(slots_.size());
        slots_.emplace_back();
    }
    Slot& s = slots_[index];
    s.name = name;
    s.glName = glId;
    s.width = glId || pending ? image.width() : 0;
    s.height = glId || pending ? image.height() : 0;
    s.used = true;
    s.mipmaps = mipmaps;
    s.opaque = isOpaque(image);
    s.pending = std::move(pending);
    byName_[name] = index;
    return TextureHandle{index, s.generation};
}

void TextureManager::freeSlot(uint32_t index) {
    Slot& s = slots_[index];
    if (s.glName) {
        if (makeEngineContextCurrent()) gl()->glDeleteTextures(1, &s.glName);
        else deferredDeletes_.push_back(s.glName);
    }
    byName_.erase(s.name);
    const uint32_t generation = s.generation + 1;
    s = Slot{};
    s.generation = generation;
    freeSlots_.push_back(index);
}

bool TextureManager::release(const std::string& name) {
    std::lock_guard lock(mutex_);
    const auto it = byName_.find(name);
    if (it == byName_.end()) return false;
    freeSlot(it->second);
    return true;
}

void TextureManager::releaseAll() {
    std::lock_guard lock(mutex_);
    for (uint32_t i = 1; i < slots_.size(); ++i)
        if (slots_[i].used) freeSlot(i);
    deleteDeferred();
}

TextureHandle TextureManager::find(const std::string& name) const {
    std::lock_guard lock(mutex_);
    const auto it = byName_.find(name);
    if (it == byName_.end()) return {};
    return TextureHandle{it->second, slots_[it->second].generation};
}

const TextureManager::Slot* TextureManager::slotOf(TextureHandle h) const {
    if (h.slot == 0 || h.slot >= slots_.size()) return nullptr;
    const Slot& s = slots_[h.slot];
    return s.used && s.generation == h.generation ? &s : nullptr;
}

bool TextureManager::alive(TextureHandle h) const {
    std::lock_guard lock(mutex_);
    return slotOf(h) != nullptr;
}

int TextureManager::width(TextureHandle h) const {
    std::lock_guard lock(mutex_);
    const Slot* s = slotOf(h);
    return s ? s->width : 0;
}

int TextureManager::height(TextureHandle h) const {
    std::lock_guard lock(mutex_);
    const Slot* s = slotOf(h);
    return s ? s->height : 0;
}

size_t TextureManager::count() const {
    std::lock_guard lock(mutex_);
    return byName_.size();
}

void TextureManager::deleteDeferred() {
    if (deferredDeletes_.empty() || !makeEngineContextCurrent()) return;
    gl()->glDeleteTextures(GLsizei(deferredDeletes_.size()), deferredDeletes_.data());
    deferredDeletes_.clear();
}

uint32_t TextureManager::glName(TextureHandle h, bool* opaque) {
    std::lock_guard lock(mutex_);
    Slot* s = const_cast<Slot*>(slotOf(h));
    if (!s) return 0;
    if (opaque) *opaque = s->opaque;
    if (s->pending && onGlThread()) {
        deleteDeferred();
        s->glName = createGlTexture(*s->pending, s->mipmaps);
        s->pending.reset();
        if (!s->glName) s->width = s->height = 0;
    }
    return s->glName;
}

}  // namespace kf
