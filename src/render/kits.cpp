#include "kits.h"

#include <algorithm>

#include "settings.h"
#include "textures.h"

namespace kf {

namespace {

constexpr TRGB kSkinTones[3] = {{255, 255, 255}, {217, 217, 217}, {180, 180, 180}};
constexpr TRGB kHairColours[8] = {{0, 0, 0},       {91, 77, 11},   {142, 125, 8}, {222, 161, 78},
                                  {255, 215, 146}, {151, 120, 89}, {117, 86, 56}, {101, 61, 22}};
constexpr TRGB kRed{255, 0, 0}, kBlue{0, 0, 255};

std::uint8_t tinted(int c, int t) { return static_cast<std::uint8_t>(std::max(0, c + t - 255)); }

Image loadTemplate(const std::string& file) {
    Image img;
    img.load(playerTemplateDir() + file);
    return img;
}

Image tintedTemplate(const std::string& file, const TRGB& tint) {
    Image img = loadTemplate(file);
    tintTemplate(img, tint);
    return img;
}

void applyPattern(Image& shirt, int pattern, const TRGB& colour) {
    if (pattern < 1 || pattern > 3) return;
    overlayPattern(shirt, loadTemplate("shirt" + std::to_string(pattern) + ".png"), colour);
}

// create() releases a texture of the same name first.
void registerTexture(TextureManager& tm, const std::string& name, const Image& img) { tm.create(name, img); }

}  // namespace

bool isMagenta(const Rgba& p) { return p.r == 255 && p.g == 0 && p.b == 255; }

void overlayPattern(Image& shirt, const Image& p, const TRGB& colour) {
    const int w = std::min(shirt.width(), p.width()), h = std::min(shirt.height(), p.height());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Rgba q = p.pixel(x, y);
            if (isMagenta(q)) continue;
            shirt.setPixel(x, y, {tinted(q.r, colour.r), tinted(q.g, colour.g), tinted(q.b, colour.b), 255});
        }
}

void tintTemplate(Image& image, const TRGB& t) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const Rgba p = image.pixel(x, y);
            if (isMagenta(p)) continue;
            image.setPixel(x, y, {tinted(p.r, t.r), tinted(p.g, t.g), tinted(p.b, t.b), p.a});
        }
}

std::string playerTemplateDir() { return dataDir().toStdString() + "/textures/3d/player/"; }

TRGB skinTone(int i) { return kSkinTones[std::clamp(i, 0, 2)]; }
TRGB hairColour(int i) { return kHairColours[std::clamp(i, 0, 7)]; }
int hairTextureIndex(int hair, int skin) {
    if (hair == 5) return 5 + std::clamp(skin, 0, 2);
    return std::clamp(hair, 0, 7);
}

void buildKitSet(TextureManager& tm, int set, const TRGB& shirt, int pattern, const TRGB& patternColour,
                 const TRGB& shorts, const TRGB& socks) {
    const std::string n = std::to_string(set);
    Image s = tintedTemplate("shirt.png", shirt);
    applyPattern(s, pattern, patternColour);
    registerTexture(tm, "shirts" + n, s);
    registerTexture(tm, "pants" + n, tintedTemplate("pants.png", shorts));
    registerTexture(tm, "socks" + n, tintedTemplate("socks.png", socks));
}

std::string shoeTextureName(int team, int slot) { return "shoe" + std::to_string(team) + std::to_string(slot); }

void buildShoeTexture(TextureManager& tm, int team, int slot, const TRGB& colour) {
    const std::string name = shoeTextureName(team, slot);
    tm.release(name);
    if (colour == TRGB{0, 0, 0}) return;  // the slot wears the shared "GKShoes"
    registerTexture(tm, name, tintedTemplate("shoe.png", colour));
}

void buildMatchKits(TextureManager& tm) {
    settings.plainKits = false;
    for (int team = 1; team <= 2; ++team)
        buildKitSet(tm, team - 1, ingamedata.shirtColour[team], ingamedata.shirtPattern[team],
                    ingamedata.patternColour[team], ingamedata.shortsColour[team], ingamedata.socksColour[team]);
}

void buildPlainKits(TextureManager& tm) {
    buildKitSet(tm, 2, kRed, 0, {}, kRed, kRed);
    buildKitSet(tm, 3, kBlue, 0, {}, kBlue, kBlue);
}

void buildSkinTextures(TextureManager& tm) {
    for (int k = 0; k < 3; ++k) registerTexture(tm, "skin" + std::to_string(k), tintedTemplate("skin.png", kSkinTones[k]));
}

void buildHairTextures(TextureManager& tm) {
    for (int k = 0; k < 8; ++k) registerTexture(tm, "hair" + std::to_string(k), tintedTemplate("hair.png", kHairColours[k]));
}

void buildKeeperTextures(TextureManager& tm) {
    registerTexture(tm, "GKShirt", tintedTemplate("shirt.png", {234, 221, 116}));
    registerTexture(tm, "GKGloves", tintedTemplate("gloves.png", {220, 220, 220}));
    Image shoes = loadTemplate("shoe.png");
    for (int y = 0; y < shoes.height(); ++y)
        for (int x = 0; x < shoes.width(); ++x)
            if (!isMagenta(shoes.pixel(x, y))) shoes.setPixel(x, y, {0, 0, 0, shoes.pixel(x, y).a});
    registerTexture(tm, "GKShoes", shoes);
}

}  // namespace kf
