// The twelve game effects in three palettes:
//   0 Original        clean chip-tune pulses and triangles
//   1 Special Effects noise, filter sweeps, zaps and synth stabs
//   2 Artistic        soft mallets, bells and plucked strings
#include "game/engine/sound.h"
#include "soundgen.h"
#include "synth.h"

#include <algorithm>
#include <cmath>

namespace vortan::soundgen {

using namespace synth;

namespace {

// In the order of the game's sound table (vortan::Sound).
enum Effect { CLICK, ESTAR, ENUMBER, SDTIME, SDMOVE, SDDIE, SDFREEZE, GEWON, SDDEATH, SDEATH, SSTART, GSTART };
static_assert(GSTART + 1 == kSoundCount, "one synthesised effect for every sound of the game");

Tone pulse(double start, double length, double note, double amp, double duty = 0.5, double decay = 0)
{
    Tone t;
    t.wave = Wave::Square;
    t.start = start;
    t.length = length;
    t.freq = noteHz(note);
    t.amp = amp;
    t.duty = duty;
    t.decay = decay;
    t.release = std::min(0.02, length / 3);
    return t;
}

Tone tri(double start, double length, double note, double amp, double decay = 0)
{
    Tone t = pulse(start, length, note, amp, 0.5, decay);
    t.wave = Wave::Triangle;
    return t;
}

Tone chipNoise(double start, double length, double rate, double amp, double decay)
{
    Tone t;
    t.wave = Wave::Noise;
    t.start = start;
    t.length = length;
    t.freq = rate;
    t.amp = amp;
    t.decay = decay;
    return t;
}

Tone white(double length, double amp, double attack, double decay)
{
    Tone t;
    t.wave = Wave::Noise;
    t.freq = 0;
    t.length = length;
    t.amp = amp;
    t.attack = attack;
    t.decay = decay;
    t.release = length * 0.3;
    return t;
}

// ---- Style 0: chip-tune ----------------------------------------------------

Signal original(Effect e, Rng& rng)
{
    switch (e) {
    case CLICK: {
        Mix m(0.07);
        Tone t = pulse(0, 0.07, 0, 0.6, 0.25, 0.02);
        t.freq = 1760;
        t.freqEnd = 1320;
        m.tone(t, rng);
        return m.data();
    }
    case ESTAR: {
        Mix m(0.44);
        const double notes[] = {84, 88, 91, 96};
        for (int i = 0; i < 4; ++i) {
            const double len = i == 3 ? 0.26 : 0.12;
            m.tone(pulse(i * 0.06, len, notes[i], 0.35, 0.25, 0.09), rng);
            m.tone(pulse(i * 0.06 + 0.03, len, notes[i] + 12, 0.12, 0.125, 0.06), rng); // echo an octave up
        }
        return m.data();
    }
    case ENUMBER: {
        Mix m(0.34);
        m.tone(pulse(0, 0.07, 83, 0.4, 0.5), rng);
        m.tone(pulse(0.07, 0.27, 88, 0.4, 0.5, 0.12), rng);
        return m.data();
    }
    case SDTIME: {
        Mix m(0.5);
        Tone tick = tri(0, 0.05, 0, 0.8, 0.012);
        tick.freq = 1800;
        m.tone(tick, rng);
        m.tone(chipNoise(0, 0.02, 9000, 0.25, 0.005), rng);
        tick.start = 0.2;
        tick.freq = 1350;
        m.tone(tick, rng);
        m.tone(chipNoise(0.2, 0.02, 7000, 0.25, 0.005), rng);
        m.tone(pulse(0.34, 0.16, 93, 0.25, 0.25, 0.05), rng);
        return m.data();
    }
    case SDMOVE: {
        Mix m(0.3);
        Tone sweep = tri(0, 0.18, 0, 0.7, 0.1);
        sweep.freq = 180;
        sweep.freqEnd = 720;
        m.tone(sweep, rng);
        Tone hiss = chipNoise(0, 0.15, 3000, 0.18, 0.05);
        hiss.freqEnd = 9000;
        m.tone(hiss, rng);
        m.tone(tri(0.16, 0.14, 83, 0.5, 0.05), rng);
        return m.data();
    }
    case SDDIE: {
        Mix m(0.45);
        Tone crunch = chipNoise(0, 0.42, 4000, 0.55, 0.12);
        crunch.freqEnd = 700;
        m.tone(crunch, rng);
        Tone drop = pulse(0, 0.36, 0, 0.4, 0.5, 0.15);
        drop.freq = 330;
        drop.freqEnd = 55;
        m.tone(drop, rng);
        return m.data();
    }
    case SDFREEZE: {
        Mix m(0.5);
        const double notes[] = {100, 96, 100, 95, 98, 93};
        for (int i = 0; i < 6; ++i)
            m.tone(pulse(i * 0.04, 0.05, notes[i], 0.22 - i * 0.02, 0.125), rng);
        Tone thunk = tri(0.26, 0.22, 0, 0.8, 0.06);
        thunk.freq = 160;
        thunk.freqEnd = 90;
        m.tone(thunk, rng);
        m.tone(chipNoise(0.26, 0.05, 2500, 0.3, 0.015), rng);
        return m.data();
    }
    case GEWON: {
        Mix m(2.3);
        struct N { double note, at, len; };
        const N lead[] = {{67, 0, 0.1}, {72, 0.1, 0.1}, {76, 0.2, 0.1}, {79, 0.3, 0.3},
                          {76, 0.6, 0.15}, {79, 0.75, 0.15}, {84, 0.9, 1.35}};
        const double harmony[] = {64, 67, 72, 76, 72, 76, 79};
        for (int i = 0; i < 7; ++i) {
            Tone a = pulse(lead[i].at, lead[i].len, lead[i].note, 0.3, 0.5);
            Tone b = pulse(lead[i].at, lead[i].len, harmony[i], 0.18, 0.25);
            if (i == 6) {
                a.vibratoHz = b.vibratoHz = 6;
                a.vibratoSemis = b.vibratoSemis = 0.15;
                a.release = b.release = 0.5;
            }
            m.tone(a, rng);
            m.tone(b, rng);
        }
        m.tone(tri(0, 0.3, 48, 0.5), rng);
        m.tone(tri(0.3, 0.3, 43, 0.5), rng);
        m.tone(tri(0.6, 0.3, 48, 0.5), rng);
        Tone last = tri(0.9, 1.35, 36, 0.55);
        last.release = 0.5;
        m.tone(last, rng);
        m.tone(chipNoise(0.3, 0.12, 6000, 0.2, 0.04), rng);
        m.tone(chipNoise(0.9, 0.3, 6000, 0.25, 0.08), rng);
        return m.data();
    }
    case SDDEATH: {
        // The classic falling "wah wah wah waaah".
        Mix m(1.85);
        const double notes[] = {67, 66, 65};
        for (int i = 0; i < 3; ++i) {
            Tone t = pulse(i * 0.3, 0.28, notes[i], 0.35, 0.5);
            t.vibratoHz = 5;
            t.vibratoSemis = 0.2;
            m.tone(t, rng);
            m.tone(tri(i * 0.3, 0.28, notes[i] - 24, 0.35), rng);
        }
        Tone fall = pulse(0.9, 0.95, 64, 0.35, 0.5);
        fall.freqEnd = noteHz(52);
        fall.glideTime = 0.8;
        fall.vibratoHz = 6;
        fall.vibratoSemis = 0.35;
        fall.release = 0.3;
        m.tone(fall, rng);
        Tone bass = tri(0.9, 0.95, 40, 0.35);
        bass.freqEnd = noteHz(28);
        bass.release = 0.3;
        m.tone(bass, rng);
        return m.data();
    }
    case SDEATH: {
        // A quick spiral down a minor arpeggio, then a low hollow note.
        Mix m(1.6);
        const double notes[] = {84, 80, 77, 72, 68, 65, 60, 56, 53, 48};
        for (int i = 0; i < 10; ++i)
            m.tone(pulse(i * 0.08, 0.1, notes[i], 0.3, 0.125, 0.06), rng);
        Tone low = tri(0.8, 0.8, 36, 0.7, 0.35);
        low.release = 0.3;
        m.tone(low, rng);
        Tone rumble = chipNoise(0.8, 0.6, 900, 0.15, 0.2);
        rumble.freqEnd = 200;
        m.tone(rumble, rng);
        return m.data();
    }
    case SSTART: {
        Mix m(0.92);
        const double notes[] = {72, 76, 79, 84};
        for (int i = 0; i < 4; ++i)
            m.tone(pulse(i * 0.08, 0.09, notes[i], 0.3, 0.25), rng);
        m.tone(pulse(0.36, 0.12, 79, 0.3, 0.25), rng);
        Tone top = pulse(0.48, 0.44, 84, 0.32, 0.25, 0.25);
        top.release = 0.15;
        m.tone(top, rng);
        m.tone(tri(0, 0.32, 48, 0.45), rng);
        m.tone(tri(0.36, 0.56, 55, 0.3, 0.3), rng);
        m.tone(tri(0.48, 0.44, 48, 0.45, 0.3), rng);
        return m.data();
    }
    case GSTART: {
        // Three count-in beeps and a high "go".
        Mix m(1.2);
        for (int i = 0; i < 3; ++i) {
            m.tone(pulse(i * 0.25, 0.12, 81, 0.3, 0.5, 0.1), rng);
            m.tone(tri(i * 0.25, 0.12, 57, 0.4, 0.1), rng);
        }
        Tone go = pulse(0.75, 0.45, 93, 0.3, 0.5, 0.3);
        go.release = 0.15;
        m.tone(go, rng);
        Tone goLow = tri(0.75, 0.45, 69, 0.45, 0.3);
        goLow.release = 0.15;
        m.tone(goLow, rng);
        return m.data();
    }
    }
    return {};
}

// ---- Style 1: special effects ------------------------------------------------

Signal filteredSaw(double length, double fromHz, double toHz, double amp, double cutFrom, double cutTo, Rng& rng)
{
    Tone t;
    t.wave = Wave::Saw;
    t.length = length;
    t.freq = fromHz;
    t.freqEnd = toHz;
    t.amp = amp;
    t.release = length * 0.2;
    Signal s = render(t, rng);
    lowpass(s, cutFrom, cutTo);
    return s;
}

Signal tickNoise(double centre, double amp, Rng& rng)
{
    Signal s = render(white(0.03, amp, 0.0005, 0.005), rng);
    bandpass(s, centre, centre, 8);
    return s;
}

Signal special(Effect e, Rng& rng)
{
    switch (e) {
    case CLICK: {
        Mix m(0.06);
        m.add(0, tickNoise(3200, 1.0, rng), 2.0);
        Tone ring;
        ring.freq = 2500;
        ring.length = 0.06;
        ring.decay = 0.01;
        ring.amp = 0.4;
        m.tone(ring, rng);
        return m.data();
    }
    case ESTAR: {
        Mix m(0.55);
        Signal air = render(white(0.5, 0.5, 0.05, 0.2), rng);
        bandpass(air, 1000, 7000, 4);
        m.add(0, air);
        for (int i = 0; i < 14; ++i) {
            Tone ping;
            ping.start = 0.02 + rng.uniform() * 0.38;
            ping.freq = 2500 + rng.uniform() * 3500;
            ping.length = 0.12;
            ping.decay = 0.035;
            ping.amp = 0.12 + rng.uniform() * 0.12;
            m.tone(ping, rng);
        }
        return m.data();
    }
    case ENUMBER: {
        // A zap down and a warbling zap up.
        Mix m(0.35);
        Tone down;
        down.wave = Wave::Square;
        down.freq = 1800;
        down.freqEnd = 600;
        down.length = 0.1;
        down.amp = 0.35;
        m.tone(down, rng);
        Tone up = down;
        up.start = 0.1;
        up.freq = 600;
        up.freqEnd = 2400;
        up.length = 0.25;
        up.vibratoHz = 30;
        up.vibratoSemis = 1;
        up.decay = 0.12;
        up.release = 0.05;
        Signal zap = render(up, rng);
        lowpass(zap, 6000, 3000);
        m.add(0.1, zap);
        return m.data();
    }
    case SDTIME: {
        // Clockwork: tick, tock, tick, with metal resonances.
        Mix m(0.55);
        const double centres[] = {4200, 2600, 4200};
        for (int i = 0; i < 3; ++i) {
            m.add(i * 0.18, tickNoise(centres[i], 1.0, rng), 2.0);
            m.add(i * 0.18, bell(centres[i] * 0.74, 0.1, 1.41, 2.0, 0.02, 0.3));
        }
        Signal whirr = render(white(0.14, 0.25, 0.01, 0.05), rng);
        bandpass(whirr, 1500, 5000, 6);
        m.add(0.4, whirr);
        return m.data();
    }
    case SDMOVE: {
        Mix m(0.5);
        Tone w = white(0.5, 0.9, 0.12, 0.12);
        w.release = 0.2;
        Signal whoosh = render(w, rng);
        bandpass3(whoosh, 400, 3500, 600, 3);
        m.add(0, whoosh);
        return m.data();
    }
    case SDDIE: {
        Mix m(0.6);
        Signal blast = render(white(0.6, 0.9, 0.001, 0.15), rng);
        lowpass(blast, 6000, 300);
        m.add(0, blast);
        Tone thump;
        thump.freq = 110;
        thump.freqEnd = 40;
        thump.length = 0.3;
        thump.decay = 0.1;
        thump.amp = 0.8;
        m.tone(thump, rng);
        for (int i = 0; i < 12; ++i) { // crackle
            Tone c = white(0.006, 0.6 * rng.uniform(), 0.0005, 0.002);
            m.add(0.05 + rng.uniform() * 0.4, render(c, rng));
        }
        return m.data();
    }
    case SDFREEZE: {
        Mix m(0.55);
        Signal ice = render(white(0.35, 0.5, 0.005, 0.12), rng);
        highpass(ice, 5000);
        for (double& x : ice) // crystals forming: sparse bursts
            x *= rng.chance(0.2) ? 2.0 : 0.3;
        m.add(0, ice);
        Tone a, b;
        a.freq = 1800;
        a.freqEnd = 1500;
        b.freq = 2900;
        b.freqEnd = 2500;
        a.length = b.length = 0.35;
        a.decay = b.decay = 0.12;
        a.amp = b.amp = 1.0;
        Signal ra = render(a, rng), rb = render(b, rng);
        for (std::size_t i = 0; i < ra.size(); ++i) // ring modulation: glassy, inharmonic
            ra[i] *= rb[i] * 0.4;
        m.add(0, ra);
        Signal clunk = render(white(0.2, 0.9, 0.001, 0.04), rng);
        lowpass(clunk, 600, 250);
        m.add(0.3, clunk, 1.5);
        return m.data();
    }
    case GEWON: {
        Mix m(2.6);
        Tone r = white(0.6, 0.5, 0.55, 0);
        r.release = 0.02;
        Signal riser = render(r, rng);
        bandpass(riser, 300, 6000, 3);
        m.add(0, riser);
        const double chord[] = {60, 64, 67, 72};
        auto stab = [&](double at, double len, double cutFrom, double cutTo, double gain) {
            for (double n : chord) {
                m.add(at, filteredSaw(len, noteHz(n) * 0.997, 0, 0.12, cutFrom, cutTo, rng), gain);
                m.add(at, filteredSaw(len, noteHz(n) * 1.003, 0, 0.12, cutFrom, cutTo, rng), gain);
            }
        };
        stab(0.6, 0.18, 3000, 1200, 1.0);
        stab(0.85, 0.18, 3000, 1200, 1.0);
        stab(1.1, 1.45, 800, 5000, 1.1);
        Tone sub;
        sub.start = 1.1;
        sub.freq = noteHz(36);
        sub.length = 1.45;
        sub.decay = 0.8;
        sub.amp = 0.35;
        sub.release = 0.4;
        m.tone(sub, rng);
        for (int i = 0; i < 10; ++i) {
            Tone ping;
            ping.start = 1.1 + rng.uniform() * 1.0;
            ping.freq = noteHz(84 + 12 * rng.range(0, 1) + chord[rng.range(0, 2)] - 60);
            ping.length = 0.2;
            ping.decay = 0.06;
            ping.amp = 0.1;
            m.tone(ping, rng);
        }
        return m.data();
    }
    case SDDEATH: {
        // Power-down: detuned saws sinking while the filter closes.
        Mix m(2.0);
        Signal a = filteredSaw(1.95, 880, 40, 0.4, 6000, 200, rng);
        Signal b = filteredSaw(1.95, 890, 41, 0.3, 6000, 200, rng);
        // Tremolo that slows down as the power fails.
        for (std::size_t i = 0; i < a.size(); ++i) {
            const double t = double(i) / kSampleRate;
            const double trem = 1.0 - 0.3 * (1.0 - std::cos(2 * 3.14159265358979 * 7 * t * (1.0 - t / 4)));
            a[i] = (a[i] + b[i]) * trem;
        }
        m.add(0, a);
        Signal hiss = render(white(1.2, 0.15, 0.01, 0.4), rng);
        highpass(hiss, 3000);
        m.add(0, hiss);
        return m.data();
    }
    case SDEATH: {
        // A failing alarm: two-tone siren sinking each cycle.
        Mix m(1.65);
        const double pairs[][2] = {{1200, 900}, {1000, 750}, {830, 620}, {690, 520}};
        for (int i = 0; i < 4; ++i) {
            for (int j = 0; j < 2; ++j) {
                Tone s;
                s.wave = Wave::Square;
                s.start = (i * 2 + j) * 0.2;
                s.freq = pairs[i][j];
                s.freqEnd = pairs[i][j] * 0.94;
                s.length = 0.2;
                s.amp = 0.3 * (1.0 - i * 0.15);
                s.release = 0.02;
                Signal sig = render(s, rng);
                lowpass(sig, 2500, 1500);
                m.add(s.start, sig);
            }
        }
        Signal hiss = render(white(1.65, 0.25, 0.2, 0.6), rng);
        lowpass(hiss, 3000, 300);
        m.add(0, hiss);
        return m.data();
    }
    case SSTART: {
        Mix m(1.2);
        m.add(0, filteredSaw(0.72, 110, 880, 0.45, 300, 6000, rng));
        Tone r = white(0.7, 0.2, 0.6, 0);
        Signal riser = render(r, rng);
        bandpass(riser, 500, 8000, 3);
        m.add(0, riser);
        const double chord[] = {69, 73, 76, 81};
        for (double n : chord)
            m.add(0.7, bell(noteHz(n), 0.5, 1.0, 1.5, 0.25, 0.22));
        m.add(0.7, filteredSaw(0.5, noteHz(57), 0, 0.25, 3000, 400, rng));
        return m.data();
    }
    case GSTART: {
        // Teleport: warbling rise, then sparkling arpeggio.
        Mix m(1.3);
        Tone rise;
        rise.freq = 300;
        rise.freqEnd = 3000;
        rise.length = 0.6;
        rise.vibratoHz = 20;
        rise.vibratoSemis = 2;
        rise.amp = 0.35;
        rise.attack = 0.05;
        rise.release = 0.05;
        m.tone(rise, rng);
        const double notes[] = {69, 76, 81, 88, 93};
        for (int i = 0; i < 5; ++i) {
            Tone p;
            p.wave = Wave::Square;
            p.duty = 0.3;
            p.start = 0.6 + i * 0.08;
            p.freq = noteHz(notes[i]);
            p.length = i == 4 ? 0.38 : 0.12;
            p.decay = i == 4 ? 0.12 : 0.05;
            p.amp = 0.2;
            Signal s = render(p, rng);
            lowpass(s, 5000, 2500);
            m.add(p.start, s);
        }
        Signal sparkle = render(white(0.6, 0.3, 0.02, 0.2), rng);
        highpass(sparkle, 6000);
        m.add(0.6, sparkle);
        return m.data();
    }
    }
    return {};
}

// ---- Style 2: mallets and bells -----------------------------------------------

Signal artistic(Effect e, Rng& rng)
{
    switch (e) {
    case CLICK: {
        // A woodblock.
        Mix m(0.08);
        Tone body;
        body.freq = 1100;
        body.length = 0.08;
        body.decay = 0.012;
        body.amp = 0.6;
        m.tone(body, rng);
        Tone upper = body;
        upper.freq = 2900;
        upper.decay = 0.006;
        upper.amp = 0.25;
        m.tone(upper, rng);
        m.tone(white(0.003, 0.3, 0, 0.001), rng);
        return m.data();
    }
    case ESTAR: {
        Mix m(0.56);
        const double notes[] = {88, 92, 95, 100};
        for (int i = 0; i < 4; ++i)
            m.add(i * 0.07, glock(noteHz(notes[i]), 0.56 - i * 0.07, 0.25, 0.3));
        return m.data();
    }
    case ENUMBER: {
        Mix m(0.45);
        m.add(0, mallet(noteHz(79), 0.45, 0.18, 0.5, rng));
        m.add(0.1, mallet(noteHz(84), 0.35, 0.2, 0.5, rng));
        m.add(0.1, mallet(noteHz(91), 0.35, 0.15, 0.15, rng));
        return m.data();
    }
    case SDTIME: {
        // Two small clock bells, tick and tock, and a soft chime.
        Mix m(0.55);
        m.add(0, bell(noteHz(93), 0.2, 2.0, 1.2, 0.05, 0.4));
        m.add(0.22, bell(noteHz(88), 0.2, 2.0, 1.2, 0.05, 0.4));
        m.add(0.4, glock(noteHz(93), 0.15, 0.08, 0.2));
        return m.data();
    }
    case SDMOVE: {
        Mix m(0.35);
        m.add(0, mallet(noteHz(60), 0.3, 0.08, 0.5, rng));
        m.add(0.07, mallet(noteHz(67), 0.28, 0.08, 0.5, rng));
        Signal air = render(white(0.25, 0.4, 0.06, 0.08), rng);
        lowpass(air, 2500, 900);
        m.add(0, air);
        return m.data();
    }
    case SDDIE: {
        // A muffled drum thud under a sour bell.
        Mix m(0.45);
        Tone thud;
        thud.freq = 150;
        thud.freqEnd = 60;
        thud.length = 0.3;
        thud.decay = 0.08;
        thud.amp = 0.9;
        m.tone(thud, rng);
        m.add(0.01, bell(noteHz(74), 0.43, 1.41, 4.0, 0.12, 0.2));
        m.add(0.01, bell(noteHz(80), 0.43, 1.41, 4.0, 0.12, 0.2));
        Signal hit = render(white(0.06, 0.5, 0.001, 0.015), rng);
        lowpass(hit, 1800, 600);
        m.add(0, hit);
        return m.data();
    }
    case SDFREEZE: {
        // Glass chimes, then a dull wooden stop.
        Mix m(0.55);
        const double notes[] = {96, 101, 103, 98};
        for (int i = 0; i < 4; ++i)
            m.add(i * 0.025, glock(noteHz(notes[i]), 0.5, 0.15, 0.2));
        Signal frost = render(white(0.3, 0.15, 0.01, 0.1), rng);
        highpass(frost, 7000);
        m.add(0, frost);
        m.add(0.22, mallet(noteHz(43), 0.3, 0.05, 0.6, rng));
        return m.data();
    }
    case GEWON: {
        Mix m(2.6);
        const double run[] = {72, 76, 79, 84};
        for (int i = 0; i < 4; ++i)
            m.add(i * 0.12, mallet(noteHz(run[i]), 0.5, 0.2, 0.35, rng));
        m.add(0.5, mallet(noteHz(88), 0.4, 0.2, 0.35, rng));
        m.add(0.68, mallet(noteHz(91), 0.3, 0.2, 0.35, rng));
        const double chord[] = {72, 76, 79, 84};
        for (double n : chord)
            m.add(0.9, mallet(noteHz(n), 1.7, 0.5, 0.25, rng));
        m.add(0.9, glock(noteHz(96), 1.7, 0.6, 0.25));
        m.add(0.9, bell(noteHz(48), 1.7, 1.0, 1.0, 0.6, 0.35));
        return m.data();
    }
    case SDDEATH: {
        Mix m(2.0);
        const double line[] = {76, 74, 72, 71, 69};
        for (int i = 0; i < 5; ++i)
            m.add(i * 0.22, mallet(noteHz(line[i]), 0.5, 0.25, 0.4 - i * 0.03, rng));
        m.add(1.1, mallet(noteHz(57), 0.9, 0.45, 0.5, rng));
        m.add(1.1, bell(noteHz(45), 0.9, 1.0, 0.8, 0.4, 0.3));
        return m.data();
    }
    case SDEATH: {
        // A slow toll, falling.
        Mix m(2.2);
        const double notes[] = {69, 65, 62, 57};
        for (int i = 0; i < 4; ++i)
            m.add(i * 0.45, bell(noteHz(notes[i]), 2.2 - i * 0.45, 1.4, 2.5, 0.5, 0.4));
        return m.data();
    }
    case SSTART: {
        Mix m(1.1);
        const double notes[] = {72, 76, 79, 84, 88};
        for (int i = 0; i < 5; ++i) {
            m.add(i * 0.1, mallet(noteHz(notes[i]), 1.1 - i * 0.1, 0.3, 0.3, rng));
            m.add(i * 0.1, glock(noteHz(notes[i] + 12), 1.1 - i * 0.1, 0.15, 0.08));
        }
        return m.data();
    }
    case GSTART: {
        // A harp glissando up a pentatonic scale.
        Mix m(1.3);
        const double scale[] = {0, 2, 4, 7, 9};
        for (int i = 0; i < 12; ++i) {
            const double note = 60 + scale[i % 5] + 12 * (i / 5);
            m.add(i * 0.045, pluck(noteHz(note), 1.3 - i * 0.045, 0.996, 0.25, rng));
        }
        return m.data();
    }
    }
    return {};
}

} // namespace

const std::vector<std::string>& effectNames()
{
    // The game's own table, in its order, which the Effect list follows.
    static const std::vector<std::string> names(kSoundStems.begin(), kSoundStems.end());
    return names;
}

bool renderEffect(const std::string& name, int style, Pcm& out)
{
    out = Pcm{};
    const auto& names = effectNames();
    const auto it = std::find(names.begin(), names.end(), name);
    if (it == names.end() || style < 0 || style >= kStyleCount)
        return false;
    const Effect e = Effect(it - names.begin());
    Rng rng(seedFrom(name, std::uint64_t(style) + 1));
    Signal s = style == 0 ? original(e, rng) : style == 1 ? special(e, rng) : artistic(e, rng);
    out = finish(std::move(s));
    return true;
}

} // namespace vortan::soundgen
