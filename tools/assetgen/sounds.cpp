// The eleven match sounds, synthesised from seeded noise and oscillators:
// mono, 16-bit PCM, 22050 Hz.
#include "assetgen.h"
#include "common.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace assetgen {

namespace {

constexpr int kRate = 22050;
constexpr double kTwoPi = 2.0 * M_PI;
using Wave = std::vector<double>;

int samples(double seconds) { return static_cast<int>(std::lround(seconds * kRate)); }

// Band-pass biquad (constant peak gain).
struct BandPass {
    double b0, b2, a1, a2, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    BandPass(double freq, double q) {
        const double w = kTwoPi * freq / kRate, alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
        b0 = alpha / a0;
        b2 = -alpha / a0;
        a1 = -2 * std::cos(w) / a0;
        a2 = (1 - alpha) / a0;
    }
    double operator()(double x) {
        const double y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

struct LowPass {
    double k, y = 0;
    explicit LowPass(double freq) : k(1 - std::exp(-kTwoPi * freq / kRate)) {}
    double operator()(double x) { return y += k * (x - y); }
};

double noise(Rng& r) { return 2 * r.uniform() - 1; }

// A murmuring crowd: band-limited noise through a few vowel-like formants,
// swelling slowly.
Wave crowd(double seconds, std::uint64_t seed, double swell) {
    Rng r(seed);
    const int n = samples(seconds);
    Wave w(n);
    BandPass f1(420, 2.5), f2(900, 3.0), f3(2100, 4.0);
    LowPass body(1600), slow(0.6);
    for (int i = 0; i < n; ++i) {
        const double x = body(noise(r));
        const double mod = 0.75 + 0.25 * std::sin(kTwoPi * 0.23 * i / kRate + 1.3) + swell * slow(noise(r)) * 8;
        w[i] = (1.3 * f1(x) + 0.9 * f2(x) + 0.4 * f3(x)) * mod;
    }
    return w;
}

// Many voices singing one vowel: "ooh" (near miss), "boo", "ah" (cheer).
Wave chorus(double seconds, std::uint64_t seed, double pitch, double formant1, double formant2, int voices) {
    Rng r(seed);
    const int n = samples(seconds);
    Wave w(n, 0.0);
    for (int v = 0; v < voices; ++v) {
        const double f0 = pitch * r.range(0.85, 1.2), vib = r.range(4.0, 6.5), start = r.range(0.0, 0.15);
        BandPass a(formant1, 5), b(formant2, 6);
        double phase = r.uniform();
        for (int i = 0; i < n; ++i) {
            const double t = static_cast<double>(i) / kRate;
            phase += (f0 * (1 + 0.01 * std::sin(kTwoPi * vib * t))) / kRate;
            phase -= std::floor(phase);
            const double saw = t < start ? 0 : 2 * phase - 1;
            w[i] += a(saw) + 0.6 * b(saw);
        }
    }
    return w;
}

void envelope(Wave& w, double attack, double release) {
    const int n = static_cast<int>(w.size()), a = samples(attack), r = samples(release);
    for (int i = 0; i < n; ++i) {
        double g = 1;
        if (i < a) g = static_cast<double>(i) / a;
        if (i > n - r) g = std::min(g, static_cast<double>(n - i) / r);
        w[i] *= g;
    }
}

void mixInto(Wave& dst, const Wave& src, double gain, int offset = 0) {
    for (std::size_t i = 0; i < src.size() && offset + i < dst.size(); ++i) dst[offset + i] += gain * src[i];
}

void normalise(Wave& w, double peak) {
    double m = 1e-9;
    for (double x : w) m = std::max(m, std::abs(x));
    for (double& x : w) x *= peak / m;
}

// Equal-power crossfade of the last `fade` seconds into the start, so the
// result loops without a click.
Wave loopable(const Wave& w, double fade) {
    const int f = samples(fade), n = static_cast<int>(w.size()) - f;
    Wave out(w.begin(), w.begin() + n);
    for (int i = 0; i < f; ++i) {
        const double t = static_cast<double>(i) / f;
        out[i] = w[i] * std::sin(0.5 * M_PI * t) + w[n + i] * std::cos(0.5 * M_PI * t);
    }
    return out;
}

Wave whistleBlast(double seconds, std::uint64_t seed) {
    Rng r(seed);
    const int n = samples(seconds);
    Wave w(n);
    LowPass breath(3000);
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double trill = 0.5 + 0.5 * std::sin(kTwoPi * 28 * t);
        phase += (3150 + 90 * trill) / kRate;
        w[i] = (std::sin(kTwoPi * phase) * (0.6 + 0.4 * trill) + 0.15 * breath(noise(r)));
    }
    envelope(w, 0.02, 0.05);
    return w;
}

Wave applause(double seconds, std::uint64_t seed) {
    Rng r(seed);
    const int n = samples(seconds);
    Wave w(n, 0.0);
    for (int c = 0; c < static_cast<int>(seconds * 180); ++c) {
        const int at = r.below(n - samples(0.03));
        BandPass tone(r.range(900, 2600), 1.2);
        const double g = r.range(0.4, 1.0);
        for (int i = 0; i < samples(0.025); ++i) w[at + i] += g * tone(noise(r)) * std::exp(-i / (0.004 * kRate));
    }
    mixInto(w, crowd(seconds, seed + 1, 0.0), 0.15);
    envelope(w, 0.25, 1.2);
    return w;
}

Wave kick() {
    Rng r(401);
    const int n = samples(0.22);
    Wave w(n);
    double phase = 0;
    LowPass thud(900);
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        phase += (60 + 140 * std::exp(-t * 30)) / kRate;
        w[i] = std::sin(kTwoPi * phase) * std::exp(-t * 22) + 0.8 * thud(noise(r)) * std::exp(-t * 90);
    }
    return w;
}

Wave post() {
    const int n = samples(1.2);
    Wave w(n);
    const double partials[][3] = {{523, 1.0, 3.5}, {1390, 0.6, 5.0}, {2610, 0.4, 7.0}, {3920, 0.25, 9.0}, {187, 0.5, 6.0}};
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / kRate;
        for (const auto& p : partials) w[i] += p[1] * std::sin(kTwoPi * p[0] * t) * std::exp(-t * p[2]);
    }
    Wave k = kick();
    mixInto(w, k, 0.5);
    return w;
}

Wave horn() {
    const int n = samples(1.6);
    Wave w(n, 0.0);
    for (double f : {349.2, 440.0, 523.3}) {
        double ph = 0;
        LowPass tone(2500);
        for (int i = 0; i < n; ++i) {
            ph += f / kRate;
            ph -= std::floor(ph);
            w[i] += tone(2 * ph - 1);
        }
    }
    envelope(w, 0.04, 0.15);
    return w;
}

Wave cheer(double seconds, std::uint64_t seed, double pitch) {
    Wave w = crowd(seconds, seed, 0.0);
    normalise(w, 0.5);
    Wave voices = chorus(seconds, seed + 7, pitch, 800, 1250, 24);
    normalise(voices, 0.7);
    mixInto(w, voices, 1.0);
    const int n = static_cast<int>(w.size());
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / n;
        w[i] *= std::min(1.0, t * 6) * (1 - 0.5 * t);
    }
    envelope(w, 0.05, 0.8);
    return w;
}

std::string wavBytes(Wave w, double peak) {
    normalise(w, peak);
    std::string s;
    auto u32 = [&s](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
    };
    auto u16 = [&s](std::uint16_t v) {
        s.push_back(static_cast<char>(v & 0xff));
        s.push_back(static_cast<char>(v >> 8));
    };
    const std::uint32_t data = static_cast<std::uint32_t>(w.size() * 2);
    s += "RIFF";
    u32(36 + data);
    s += "WAVEfmt ";
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(kRate);
    u32(kRate * 2);
    u16(2);
    u16(16);
    s += "data";
    u32(data);
    for (double x : w) u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(std::clamp(x, -1.0, 1.0) * 32767))));
    return s;
}

}  // namespace

void writeSounds(Output& out) {
    const QString dir = "sounds/";
    out.writeBytes(dir + "default.wav", wavBytes(loopable(crowd(14.0, 501, 0.02), 2.0), 0.5));
    out.writeBytes(dir + "app.wav", wavBytes(applause(4.0, 502), 0.8));
    Wave boo = chorus(3.0, 503, 120, 330, 700, 20);
    envelope(boo, 0.3, 0.8);
    out.writeBytes(dir + "boo.wav", wavBytes(boo, 0.8));
    Wave final(samples(2.6), 0.0);
    mixInto(final, whistleBlast(0.35, 504), 1.0);
    mixInto(final, whistleBlast(0.35, 505), 1.0, samples(0.55));
    mixInto(final, whistleBlast(1.3, 506), 1.0, samples(1.1));
    out.writeBytes(dir + "finalwhis.wav", wavBytes(final, 0.8));
    out.writeBytes(dir + "goal.wav", wavBytes(cheer(4.5, 507, 210), 0.9));
    out.writeBytes(dir + "goal2.wav", wavBytes(cheer(5.5, 508, 240), 0.9));
    out.writeBytes(dir + "horn.wav", wavBytes(horn(), 0.8));
    out.writeBytes(dir + "kick.wav", wavBytes(kick(), 0.9));
    Wave near = chorus(2.2, 509, 170, 380, 820, 22);
    for (std::size_t i = 0; i < near.size(); ++i) near[i] *= std::sin(M_PI * static_cast<double>(i) / near.size());
    out.writeBytes(dir + "near.wav", wavBytes(near, 0.8));
    out.writeBytes(dir + "post.wav", wavBytes(post(), 0.8));
    out.writeBytes(dir + "whis.wav", wavBytes(whistleBlast(0.7, 510), 0.8));
}

}  // namespace assetgen
