// Writes the win sound: a rising major arpeggio with a short sparkle on the top note, about
// 0.6 s, 16-bit PCM mono at 22050 Hz. Pure arithmetic, so every run writes the same bytes.
//
// Usage: quintara-soundgen <output file>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int SampleRate = 22050;

struct Note {
    double frequency; // Hz
    double start;     // s
    double length;    // s
};

// C5 E5 G5, then C6 held a little longer.
const Note Notes[] = {
    {523.25, 0.00, 0.12},
    {659.25, 0.09, 0.12},
    {783.99, 0.18, 0.12},
    {1046.50, 0.27, 0.33},
};

double envelope(double t, double length) {
    const double attack = 0.008;
    if (t < 0.0 || t >= length) return 0.0;
    if (t < attack) return t / attack;
    return std::exp(-4.0 * (t - attack) / length);
}

void putLe(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    const double total = 0.62;
    const int count = static_cast<int>(total * SampleRate);
    std::vector<std::int16_t> samples(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        double v = 0.0;
        for (const Note& note : Notes) {
            const double local = t - note.start;
            const double e = envelope(local, note.length);
            if (e == 0.0) continue;
            const double phase = 2.0 * std::numbers::pi * note.frequency * local;
            // A little of the octave and the twelfth gives a bell-like, bright tone.
            v += e * (std::sin(phase) + 0.35 * std::sin(2.0 * phase) + 0.15 * std::sin(3.0 * phase));
        }
        // Fade the last 20 ms so the sound ends without a click.
        const double tail = (total - t) / 0.02;
        if (tail < 1.0) v *= tail;
        samples[static_cast<size_t>(i)] = static_cast<std::int16_t>(std::lround(v * 0.85 * 32767.0 / 1.5));
    }

    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(count) * 2;
    out.write("RIFF", 4);
    putLe(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    putLe(out, 16, 4);             // format chunk size
    putLe(out, 1, 2);              // PCM
    putLe(out, 1, 2);              // mono
    putLe(out, SampleRate, 4);     // sample rate
    putLe(out, SampleRate * 2, 4); // bytes per second
    putLe(out, 2, 2);              // block align
    putLe(out, 16, 2);             // bits per sample
    out.write("data", 4);
    putLe(out, dataBytes, 4);
    for (const std::int16_t s : samples) putLe(out, static_cast<std::uint16_t>(s), 2);
    out.close();
    if (!out) {
        std::fprintf(stderr, "%s: cannot write\n", argv[1]);
        return 1;
    }
    return 0;
}
