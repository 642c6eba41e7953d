// Building blocks of the effect synthesiser: tones with envelopes and glides,
// filters, bells, mallets and plucked strings, all mixed into a float buffer.
#pragma once

#include "rng.h"
#include "soundgen.h"

#include <vector>

namespace vortan::soundgen::synth {

using Signal = std::vector<double>;

double noteHz(double midiNote);

enum class Wave { Sine, Triangle, Square, Saw, Noise };

struct Tone {
    Wave wave = Wave::Sine;
    double start = 0;        // seconds into the effect
    double length = 0.2;     // seconds, release included
    double freq = 440;       // Hz; for Noise the sample-and-hold rate (0: plain white noise)
    double freqEnd = 0;      // glide target in Hz; 0 keeps the pitch
    double glideTime = 0;    // seconds the glide takes; 0 means the whole length
    double duty = 0.5;       // Square only
    double amp = 0.5;
    double attack = 0.003;
    double decay = 0;        // exponential time constant in seconds; 0 holds the level
    double sustain = 0;      // level the decay falls towards
    double release = 0.01;
    double vibratoHz = 0;
    double vibratoSemis = 0;
    double tremoloHz = 0;
    double tremoloDepth = 0; // 0..1
};

// Renders a tone on its own, `length` seconds long.
Signal render(const Tone& tone, Rng& rng);

// Filters working in place. Cutoffs glide exponentially from `from` to `to`
// over the whole signal.
void lowpass(Signal& s, double fromHz, double toHz);
void highpass(Signal& s, double hz);
void bandpass(Signal& s, double fromHz, double toHz, double q);
// Bandpass whose centre moves through three points: start, middle, end.
void bandpass3(Signal& s, double a, double b, double c, double q);

// Two-operator FM bell; `ratio` sets the colour, `index` the brightness.
Signal bell(double freq, double length, double ratio, double index, double decay, double amp);
// Marimba-like bar: fundamental with a quickly fading fourth partial.
Signal mallet(double freq, double length, double decay, double amp, Rng& rng);
// Glockenspiel: inharmonic bar partials.
Signal glock(double freq, double length, double decay, double amp);
// Karplus-Strong plucked string.
Signal pluck(double freq, double length, double damping, double amp, Rng& rng);

class Mix {
public:
    explicit Mix(double seconds);
    void add(double start, const Signal& s, double gain = 1.0);
    void tone(const Tone& t, Rng& rng) { add(t.start, render(t, rng)); }
    Signal& data() { return buf_; }

private:
    Signal buf_;
};

// Removes DC, fades the ends, normalises to the target peak and quantises.
Pcm finish(Signal s);

} // namespace vortan::soundgen::synth
