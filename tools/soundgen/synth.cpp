#include "synth.h"

#include <algorithm>
#include <cmath>

namespace vortan::soundgen::synth {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRate = kSampleRate;

std::size_t frames(double seconds) { return seconds > 0 ? std::size_t(seconds * kRate + 0.5) : 0; }

// Band-limited step correction for square and saw waves, to keep chip tones
// free of harsh aliasing.
double polyBlep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double glideAt(double t, double length, double from, double to, double glideTime)
{
    if (to <= 0 || to == from)
        return from;
    const double span = glideTime > 0 ? glideTime : length;
    const double x = std::clamp(t / span, 0.0, 1.0);
    return from * std::pow(to / from, x);
}

// State-variable filter (Chamberlin), stable for the cutoffs used here.
struct Svf {
    double low = 0, band = 0;
    void step(double in, double cutoff, double q, double& lowOut, double& bandOut, double& highOut)
    {
        const double f = 2.0 * std::sin(kPi * std::min(cutoff, kRate / 6.5) / kRate);
        const double damp = 1.0 / std::max(q, 0.5);
        low += f * band;
        const double high = in - low - damp * band;
        band += f * high;
        lowOut = low;
        bandOut = band;
        highOut = high;
    }
};

} // namespace

double noteHz(double midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69.0) / 12.0); }

Signal render(const Tone& tone, Rng& rng)
{
    const std::size_t n = frames(tone.length);
    Signal out(n);
    double phase = 0, held = 0, holdPhase = 1.0;
    double tri = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        double f = glideAt(t, tone.length, tone.freq, tone.freqEnd, tone.glideTime);
        if (tone.vibratoHz > 0)
            f *= std::pow(2.0, tone.vibratoSemis / 12.0 * std::sin(2 * kPi * tone.vibratoHz * t));
        const double dt = std::min(f / kRate, 0.5);
        double v = 0;
        switch (tone.wave) {
        case Wave::Sine:
            v = std::sin(2 * kPi * phase);
            break;
        case Wave::Square: {
            v = phase < tone.duty ? 1.0 : -1.0;
            v += polyBlep(phase, dt);
            double shifted = phase - tone.duty;
            if (shifted < 0)
                shifted += 1.0;
            v -= polyBlep(shifted, dt);
            v -= 2.0 * tone.duty - 1.0; // keep a narrow pulse centred
            break;
        }
        case Wave::Saw:
            v = 2.0 * phase - 1.0 - polyBlep(phase, dt);
            break;
        case Wave::Triangle:
            // Integrated band-limited square, leaky to stay centred.
            v = (phase < 0.5 ? 1.0 : -1.0) + polyBlep(phase, dt) - polyBlep(std::fmod(phase + 0.5, 1.0), dt);
            tri = 0.999 * tri + 4.0 * dt * v;
            v = tri;
            break;
        case Wave::Noise:
            if (tone.freq <= 0) {
                v = rng.bipolar();
            } else {
                holdPhase += f / kRate;
                if (holdPhase >= 1.0) {
                    holdPhase -= std::floor(holdPhase);
                    held = rng.bipolar();
                }
                v = held;
            }
            break;
        }
        phase += f / kRate;
        phase -= std::floor(phase);

        double env = 1.0;
        if (tone.attack > 0 && t < tone.attack)
            env = t / tone.attack;
        if (tone.decay > 0)
            env *= tone.sustain + (1.0 - tone.sustain) * std::exp(-t / tone.decay);
        const double left = tone.length - t;
        if (tone.release > 0 && left < tone.release)
            env *= std::max(left, 0.0) / tone.release;
        if (tone.tremoloHz > 0)
            env *= 1.0 - tone.tremoloDepth * 0.5 * (1.0 - std::cos(2 * kPi * tone.tremoloHz * t));
        out[i] = v * env * tone.amp;
    }
    return out;
}

void lowpass(Signal& s, double fromHz, double toHz)
{
    Svf svf;
    const double len = std::max<double>(1, s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double c = fromHz * std::pow(toHz / fromHz, double(i) / len);
        double lo, bp, hi;
        svf.step(s[i], c, 0.707, lo, bp, hi);
        s[i] = lo;
    }
}

void highpass(Signal& s, double hz)
{
    Svf svf;
    for (double& x : s) {
        double lo, bp, hi;
        svf.step(x, hz, 0.707, lo, bp, hi);
        x = hi;
    }
}

void bandpass(Signal& s, double fromHz, double toHz, double q)
{
    Svf svf;
    const double len = std::max<double>(1, s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double c = fromHz * std::pow(toHz / fromHz, double(i) / len);
        double lo, bp, hi;
        svf.step(s[i], c, q, lo, bp, hi);
        s[i] = bp;
    }
}

void bandpass3(Signal& s, double a, double b, double c, double q)
{
    Svf svf;
    const double len = std::max<double>(1, s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double x = double(i) / len;
        const double centre = x < 0.5 ? a * std::pow(b / a, x * 2) : b * std::pow(c / b, (x - 0.5) * 2);
        double lo, bp, hi;
        svf.step(s[i], centre, q, lo, bp, hi);
        s[i] = bp;
    }
}

Signal bell(double freq, double length, double ratio, double index, double decay, double amp)
{
    const std::size_t n = frames(length);
    Signal out(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        const double env = std::exp(-t / decay) * std::min(1.0, t / 0.002);
        const double mod = index * std::exp(-t / (decay * 0.4)) * std::sin(2 * kPi * freq * ratio * t);
        out[i] = amp * env * std::sin(2 * kPi * freq * t + mod);
    }
    return out;
}

Signal mallet(double freq, double length, double decay, double amp, Rng& rng)
{
    const std::size_t n = frames(length);
    Signal out(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        const double attack = std::min(1.0, t / 0.0015);
        double v = std::sin(2 * kPi * freq * t) * std::exp(-t / decay);
        v += 0.35 * std::sin(2 * kPi * freq * 3.93 * t) * std::exp(-t / (decay * 0.18));
        v += 0.08 * std::sin(2 * kPi * freq * 9.8 * t) * std::exp(-t / (decay * 0.05));
        if (t < 0.004) // the mallet's knock
            v += 0.25 * rng.bipolar() * (1.0 - t / 0.004);
        out[i] = amp * attack * v;
    }
    return out;
}

Signal glock(double freq, double length, double decay, double amp)
{
    static const double ratios[] = {1.0, 2.76, 5.40, 8.93};
    static const double levels[] = {1.0, 0.45, 0.22, 0.1};
    static const double decays[] = {1.0, 0.5, 0.25, 0.12};
    const std::size_t n = frames(length);
    Signal out(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        double v = 0;
        for (int k = 0; k < 4; ++k) {
            if (freq * ratios[k] < kRate * 0.45)
                v += levels[k] * std::sin(2 * kPi * freq * ratios[k] * t) * std::exp(-t / (decay * decays[k]));
        }
        out[i] = amp * v * std::min(1.0, t / 0.001);
    }
    return out;
}

Signal pluck(double freq, double length, double damping, double amp, Rng& rng)
{
    const std::size_t n = frames(length);
    const std::size_t period = std::max<std::size_t>(2, std::size_t(kRate / freq + 0.5));
    Signal line(period);
    for (double& x : line)
        x = rng.bipolar();
    // A soft pick: smooth the initial burst once.
    for (std::size_t i = 1; i < period; ++i)
        line[i] = 0.5 * (line[i] + line[i - 1]);
    Signal out(n);
    std::size_t at = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t next = (at + 1) % period;
        const double v = line[at];
        line[at] = damping * 0.5 * (line[at] + line[next]);
        at = next;
        out[i] = amp * v;
    }
    return out;
}

Mix::Mix(double seconds) : buf_(frames(seconds), 0.0) {}

void Mix::add(double start, const Signal& s, double gain)
{
    const std::size_t from = frames(start);
    for (std::size_t i = 0; i < s.size() && from + i < buf_.size(); ++i)
        buf_[from + i] += gain * s[i];
}

Pcm finish(Signal s)
{
    // DC blocker, then remove whatever mean is left.
    double x1 = 0, y1 = 0;
    for (double& x : s) {
        const double y = x - x1 + 0.9995 * y1;
        x1 = x;
        y1 = y;
        x = y;
    }
    double mean = 0;
    for (double x : s)
        mean += x;
    if (!s.empty())
        mean /= double(s.size());
    for (double& x : s)
        x -= mean;

    // Short raised-cosine fades so playback never starts or stops with a click.
    const std::size_t fadeIn = std::min(s.size() / 4, frames(0.002));
    const std::size_t fadeOut = std::min(s.size() / 4, frames(0.012));
    for (std::size_t i = 0; i < fadeIn; ++i)
        s[i] *= 0.5 - 0.5 * std::cos(kPi * double(i) / double(fadeIn));
    for (std::size_t i = 0; i < fadeOut; ++i)
        s[s.size() - 1 - i] *= 0.5 - 0.5 * std::cos(kPi * double(i) / double(fadeOut));

    double peak = 0;
    for (double x : s)
        peak = std::max(peak, std::fabs(x));
    const double gain = peak > 0 ? kPeakTarget / peak : 0.0;
    Pcm pcm;
    pcm.sampleRate = kSampleRate;
    pcm.samples.reserve(s.size());
    for (double x : s)
        pcm.samples.push_back(std::int16_t(std::lround(std::clamp(x * gain, -1.0, 1.0) * 32767.0)));
    return pcm;
}

} // namespace vortan::soundgen::synth
