// The three background pieces. Each is built from a chord plan in sections
// (intro, A, A', B, ...), a melody grown from a two-bar motif with variations,
// and style-specific accompaniment, bass and drums. Every piece ends on a
// dominant chord held to the last tick, so the loop falls back onto the tonic
// at its start.
#include "midi_writer.h"
#include "rng.h"
#include "soundgen.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace vortan::soundgen {

namespace {

constexpr int kPpq = 480;
constexpr int kEighth = kPpq / 2;
constexpr int kSixteenth = kPpq / 4;
constexpr int kBar = kPpq * 4;
constexpr int kDrums = 9; // GM percussion channel (channel 10)

const int kMajor[] = {0, 2, 4, 5, 7, 9, 11};
const int kMinor[] = {0, 2, 3, 5, 7, 8, 10};

struct Chord {
    int root = 0;              // semitones above the key's tonic
    std::vector<int> intervals; // semitones above the root, root included
};

// Roman numeral such as "I", "vi", "bVII", "V7", "ii7", "IVM7", "Vsus".
Chord parseChord(const std::string& text)
{
    static const char* const numerals[] = {"VII", "III", "IV", "VI", "II", "V", "I"};
    static const int degree[] = {6, 2, 3, 5, 1, 4, 0};
    std::size_t at = 0;
    int shift = 0;
    if (at < text.size() && (text[at] == 'b' || text[at] == '#'))
        shift = text[at++] == 'b' ? -1 : 1;
    std::string upper;
    for (std::size_t i = at; i < text.size(); ++i)
        upper += char(std::toupper(static_cast<unsigned char>(text[i])));
    int deg = 0;
    std::size_t len = 0;
    for (int i = 0; i < 7; ++i) {
        const std::string n = numerals[i];
        if (upper.compare(0, n.size(), n) == 0) {
            deg = degree[i];
            len = n.size();
            break;
        }
    }
    const bool minorChord = std::islower(static_cast<unsigned char>(text[at])) != 0;
    const std::string suffix = text.substr(at + len);
    Chord c;
    c.root = kMajor[deg] + shift;
    if (suffix == "sus")
        c.intervals = {0, 5, 7};
    else if (suffix == "dim")
        c.intervals = {0, 3, 6};
    else
        c.intervals = {0, minorChord ? 3 : 4, 7};
    if (suffix == "7")
        c.intervals.push_back(10);
    else if (suffix == "M7")
        c.intervals.push_back(11);
    return c;
}

struct Bar {
    std::vector<Chord> chords; // one or two per bar, sharing it evenly
    int section = 0;
    int indexInSection = 0;
    int sectionLength = 0;
    char kind = 'A';
};

struct Plan {
    int tonic = 60;
    bool minor = false;
    int bpm = 120;
    std::vector<Bar> bars;

    void section(char kind, const std::string& chords)
    {
        std::istringstream in(chords);
        std::string token;
        std::vector<Bar> added;
        while (in >> token) {
            Bar bar;
            bar.kind = kind;
            std::size_t from = 0;
            while (from <= token.size()) {
                const std::size_t dash = token.find('-', from);
                const std::string part = token.substr(from, dash == std::string::npos ? std::string::npos : dash - from);
                bar.chords.push_back(parseChord(part));
                if (dash == std::string::npos)
                    break;
                from = dash + 1;
            }
            added.push_back(bar);
        }
        const int index = bars.empty() ? 0 : bars.back().section + 1;
        for (std::size_t i = 0; i < added.size(); ++i) {
            added[i].section = index;
            added[i].indexInSection = int(i);
            added[i].sectionLength = int(added.size());
            bars.push_back(added[i]);
        }
    }

    std::uint32_t endTick() const { return std::uint32_t(bars.size()) * kBar; }

    const Chord& chordAt(std::size_t bar, int tickInBar) const
    {
        const auto& cs = bars[bar].chords;
        const std::size_t i = std::min(cs.size() - 1, std::size_t(tickInBar) * cs.size() / kBar);
        return cs[i];
    }

    bool inChord(int key, const Chord& c) const
    {
        for (int iv : c.intervals)
            if (((key - tonic - c.root - iv) % 12 + 24) % 12 == 0)
                return true;
        return false;
    }

    // The key's scale, bent to agree with the chord (a raised leading note
    // under a major dominant in a minor key, for instance).
    bool inScale(int key, const Chord& c) const
    {
        if (inChord(key, c))
            return true;
        const int pc = ((key - tonic) % 12 + 12) % 12;
        const int* scale = minor ? kMinor : kMajor;
        if (std::find(scale, scale + 7, pc) == scale + 7)
            return false;
        // A scale note a semitone from a chord note would clash: skip it.
        return !inChord(key + 1, c) && !inChord(key - 1, c);
    }

    int step(int key, int steps, const Chord& c) const
    {
        const int dir = steps > 0 ? 1 : -1;
        for (int n = std::abs(steps); n > 0; --n) {
            key += dir;
            while (!inScale(key, c))
                key += dir;
        }
        return key;
    }

    int nearestChordTone(int key, const Chord& c, int preferDir) const
    {
        for (int d = 0; d < 12; ++d) {
            const int first = key + (preferDir >= 0 ? d : -d);
            const int second = key - (preferDir >= 0 ? d : -d);
            if (inChord(first, c))
                return first;
            if (inChord(second, c))
                return second;
        }
        return key;
    }

    // The chord's root in the octave starting at `low`.
    int rootFrom(const Chord& c, int low) const
    {
        int k = tonic + c.root;
        while (k < low)
            k += 12;
        while (k >= low + 12)
            k -= 12;
        return k;
    }

    // Chord notes in [low, low+12+), voiced as close as possible to `previous`.
    std::vector<int> voicing(const Chord& c, int low, const std::vector<int>& previous) const
    {
        std::vector<int> best;
        double bestCost = 1e9;
        const std::size_t n = c.intervals.size();
        for (std::size_t inv = 0; inv < n; ++inv) {
            std::vector<int> v;
            int k = rootFrom(Chord{c.root + c.intervals[inv], {0}}, low);
            for (std::size_t i = 0; i < n; ++i) {
                int note = tonic + c.root + c.intervals[(inv + i) % n];
                while (note < k)
                    note += 12;
                v.push_back(note);
                k = note + 1;
            }
            double cost = 0;
            if (!previous.empty()) {
                double a = 0, b = 0;
                for (int x : v)
                    a += x;
                for (int x : previous)
                    b += x;
                cost = std::fabs(a / double(v.size()) - b / double(previous.size()));
            } else {
                cost = std::fabs(v.front() - (low + 4));
            }
            if (cost < bestCost) {
                bestCost = cost;
                best = v;
            }
        }
        return best;
    }
};

// ---- Melody ---------------------------------------------------------------------

struct Cell {
    std::vector<std::pair<int, int>> notes; // start and length in eighths
};

struct Motif {
    Cell first, second;
    std::vector<int> stepsFirst, stepsSecond;
};

// Mostly steps, some skips; a leap is followed by a step back, as singers do.
std::vector<int> contour(Rng& rng, std::size_t count)
{
    static const int choices[] = {-1, -1, -1, -1, -1, 1, 1, 1, 1, 1, -2, 2, 2, -2, 0, 3};
    std::vector<int> steps;
    int previous = 0;
    for (std::size_t i = 0; i < count; ++i) {
        int s = choices[rng.range(0, 15)];
        if (std::abs(previous) >= 2)
            s = previous > 0 ? -1 : 1;
        steps.push_back(s);
        previous = s;
    }
    return steps;
}

Motif makeMotif(Rng& rng, const std::vector<Cell>& pool)
{
    Motif m;
    m.first = pool[std::size_t(rng.range(0, int(pool.size()) - 1))];
    m.second = pool[std::size_t(rng.range(0, int(pool.size()) - 1))];
    m.stepsFirst = contour(rng, m.first.notes.size());
    m.stepsSecond = contour(rng, m.second.notes.size());
    return m;
}

struct MelodyStyle {
    int channel = 0;
    int low = 67, high = 86;
    int velocity = 90;
    std::vector<Cell> cadences; // closing rhythms for every fourth bar
};

class MelodyWriter {
public:
    MelodyWriter(const Plan& plan, midi::Track& track, const MelodyStyle& style, int start)
        : plan_(plan), track_(track), style_(style), current_(start) {}

    // One section of melody over bars [first, first+count), phrased in fours.
    // `variant` 1 inverts the third bar of each phrase, 2 also changes the
    // second phrase's rhythm.
    void section(std::size_t first, int count, const Motif& motif, int variant, Rng& rng)
    {
        for (int i = 0; i < count; ++i) {
            const std::size_t bar = first + std::size_t(i);
            const int inPhrase = i % 4;
            const int phrase = i / 4;
            const bool last = i == count - 1;
            if (inPhrase == 3 || last) {
                const Cell& c = style_.cadences[std::size_t(phrase + variant) % style_.cadences.size()];
                std::vector<int> steps(c.notes.size(), -1);
                if (phrase % 2 == 0)
                    std::fill(steps.begin(), steps.end(), 1);
                playBar(bar, c, steps, true, rng);
                continue;
            }
            const bool useSecond = inPhrase == 1;
            Cell cell = useSecond ? motif.second : motif.first;
            std::vector<int> steps = useSecond ? motif.stepsSecond : motif.stepsFirst;
            if (inPhrase == 2 && variant >= 1)
                for (int& s : steps)
                    s = -s;
            if (phrase % 2 == 1 && variant >= 2 && inPhrase == 1) {
                cell = motif.first;
                steps = motif.stepsFirst;
                std::reverse(steps.begin(), steps.end());
            }
            playBar(bar, cell, steps, false, rng);
        }
    }

private:
    void playBar(std::size_t bar, const Cell& cell, const std::vector<int>& steps, bool cadence, Rng& rng)
    {
        for (std::size_t n = 0; n < cell.notes.size(); ++n) {
            const int startTick = cell.notes[n].first * kEighth;
            const int len = cell.notes[n].second * kEighth;
            const Chord& chord = plan_.chordAt(bar, startTick);
            int step = n < steps.size() ? steps[n] : 0;
            if (current_ + 3 > style_.high && step > 0)
                step = -step;
            if (current_ - 3 < style_.low && step < 0)
                step = -step;
            int key = step == 0 ? current_ : plan_.step(current_, step, chord);
            const bool strong = startTick % (kPpq * 2) == 0 || len >= 3 * kEighth;
            const bool final = cadence && n + 1 == cell.notes.size();
            if (final) {
                // Close on the root, or the third when the root is far away.
                const int root = plan_.nearestChordTone(key, Chord{chord.root, {0}}, step);
                key = std::abs(root - key) <= 3 ? root : plan_.nearestChordTone(key, chord, step);
            } else if (strong) {
                key = plan_.nearestChordTone(key, chord, step);
            }
            while (key > style_.high)
                key -= 12;
            while (key < style_.low)
                key += 12;
            current_ = key;
            const int accent = startTick % kPpq == 0 ? 8 : 0;
            const int vel = style_.velocity + accent + rng.range(-6, 6);
            // Slightly detached, except long notes.
            const int sounding = len >= kPpq ? len - 20 : len * 9 / 10;
            track_.note(std::uint32_t(bar) * kBar + std::uint32_t(startTick), std::uint32_t(sounding),
                        style_.channel, key, vel);
        }
    }

    const Plan& plan_;
    midi::Track& track_;
    MelodyStyle style_;
    int current_;
};

midi::Track instrument(const std::string& name, int channel, int program, int volume, int pan, int reverb)
{
    midi::Track t(name);
    if (channel != kDrums)
        t.program(0, channel, program);
    t.control(0, channel, 7, volume);
    t.control(0, channel, 10, pan);
    t.control(0, channel, 91, reverb);
    return t;
}

midi::Track conductor(const Plan& plan, const std::string& title)
{
    midi::Track t(title);
    t.tempo(0, plan.bpm);
    t.timeSignature(0, 4);
    return t;
}

std::size_t firstBarOf(const Plan& plan, int section)
{
    for (std::size_t i = 0; i < plan.bars.size(); ++i)
        if (plan.bars[i].section == section)
            return i;
    return plan.bars.size();
}

std::uint32_t at(std::size_t bar, int ticks) { return std::uint32_t(bar) * kBar + std::uint32_t(ticks); }

// ---- "Original": upbeat puzzle tune -----------------------------------------------

Bytes original()
{
    Plan plan;
    plan.tonic = 60;
    plan.bpm = 126;
    plan.section('I', "I vi IV V");
    plan.section('A', "I vi IV V I vi ii7 V7");
    plan.section('A', "I vi IV V IV V7 I I");
    plan.section('B', "IV V iii vi IV V vi V7");
    plan.section('A', "I vi IV V IV V7 I I");
    plan.section('O', "vi IV ii7 V7");
    Rng rng(seedFrom("G0"));

    midi::Track lead = instrument("Lead", 0, 80, 92, 64, 30);
    midi::Track keys = instrument("Keys", 1, 4, 80, 44, 40);
    midi::Track bass = instrument("Bass", 2, 38, 100, 64, 10);
    midi::Track bells = instrument("Bells", 3, 9, 70, 88, 50);
    midi::Track drums = instrument("Drums", kDrums, 0, 100, 64, 30);

    const std::vector<Cell> pool = {
        {{{0, 2}, {2, 1}, {3, 1}, {4, 2}, {6, 2}}},
        {{{0, 3}, {3, 1}, {4, 4}}},
        {{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 2}, {6, 2}}},
        {{{0, 2}, {2, 2}, {4, 3}, {7, 1}}},
        {{{0, 2}, {3, 1}, {4, 1}, {5, 1}, {6, 2}}},
    };
    MelodyStyle ms;
    ms.channel = 0;
    ms.low = 67;
    ms.high = 88;
    ms.velocity = 92;
    ms.cadences = {{{{0, 2}, {2, 2}, {4, 4}}}, {{{0, 1}, {1, 1}, {2, 2}, {4, 4}}}, {{{0, 3}, {3, 1}, {4, 4}}}};
    const Motif a = makeMotif(rng, pool);
    const Motif b = makeMotif(rng, pool);
    MelodyWriter melody(plan, lead, ms, 76);
    melody.section(firstBarOf(plan, 1), 8, a, 0, rng);
    melody.section(firstBarOf(plan, 2), 8, a, 2, rng);
    MelodyStyle msB = ms;
    msB.low = 69;
    msB.high = 91;
    MelodyWriter melodyB(plan, lead, msB, 81);
    melodyB.section(firstBarOf(plan, 3), 8, b, 1, rng);
    melody.section(firstBarOf(plan, 4), 8, a, 0, rng);

    std::vector<int> voiced;
    for (std::size_t bar = 0; bar < plan.bars.size(); ++bar) {
        const Bar& info = plan.bars[bar];
        const bool lastBar = bar + 1 == plan.bars.size();
        // Keys: a syncopated "Charleston" comp.
        const std::pair<int, int> comp[] = {{0, 3}, {3, 1}, {6, 2}};
        for (const auto& [start, len] : comp) {
            const Chord& c = plan.chordAt(bar, start * kEighth);
            voiced = plan.voicing(c, 55, voiced);
            const int hold = lastBar && start == 6 ? 2 * kEighth : len * kEighth - 30;
            for (int k : voiced)
                keys.note(at(bar, start * kEighth), std::uint32_t(hold), 1, k, 70 + (start == 0 ? 8 : 0));
        }
        // Bass: bouncing eighths, root, octave and fifth, approaching the next chord.
        const int pattern[] = {0, 0, 12, 0, 7, 0, 12, -1};
        for (int e = 0; e < 8; ++e) {
            const Chord& c = plan.chordAt(bar, e * kEighth);
            const int root = plan.rootFrom(c, 36);
            int key = root + pattern[e];
            if (pattern[e] < 0) {
                const Chord& next = bar + 1 < plan.bars.size() ? plan.bars[bar + 1].chords.front() : plan.bars[0].chords.front();
                key = plan.rootFrom(next, 36) - 1;
            }
            if (lastBar && e >= 6) {
                if (e == 6)
                    bass.note(at(bar, e * kEighth), 2 * kEighth, 2, root, 96);
                continue;
            }
            bass.note(at(bar, e * kEighth), kEighth - 25, 2, key, e % 2 == 0 ? 100 : 84);
        }
        // Bells: a rising arpeggio counter-line in the B section and the last A.
        if (info.kind == 'B' || (info.kind == 'A' && info.section == 4)) {
            for (int e = 0; e < 8; ++e) {
                const Chord& c = plan.chordAt(bar, e * kEighth);
                const int idx = e % int(c.intervals.size() + 1);
                const int key = plan.rootFrom(c, 84) + (idx < int(c.intervals.size()) ? c.intervals[std::size_t(idx)] : 12);
                bells.note(at(bar, e * kEighth), kEighth, 3, key, e % 2 == 0 ? 62 : 50);
            }
        }
        // Drums.
        const bool fill = info.indexInSection == info.sectionLength - 1 && !lastBar;
        if (info.indexInSection == 0)
            drums.note(at(bar, 0), kPpq, kDrums, 49, 100); // crash on each section
        for (int e = 0; e < 8; ++e) {
            const std::uint32_t t = at(bar, e * kEighth);
            if (fill && e >= 6)
                continue;
            if (e == 0 || e == 4 || (e == 5 && bar % 2 == 1))
                drums.note(t, kEighth, kDrums, 36, 104);
            if (e == 2 || e == 6)
                drums.note(t, kEighth, kDrums, 38, 96);
            const int hat = (e == 7 && info.indexInSection % 4 == 3) ? 46 : 42;
            drums.note(t, kEighth, kDrums, hat, e % 2 == 0 ? 78 : 56);
        }
        if (fill) {
            const int toms[] = {50, 48, 47, 45};
            for (int s = 0; s < 4; ++s) {
                drums.note(at(bar, 6 * kEighth + s * kSixteenth), kSixteenth, kDrums, toms[s], 90 + s * 4);
                drums.note(at(bar, 6 * kEighth + s * kSixteenth), kSixteenth, kDrums, s % 2 ? 38 : 36, 70);
            }
        }
        if (lastBar) // the turnaround's closing hits
            drums.note(at(bar, 6 * kEighth), kPpq, kDrums, 57, 90);
    }
    std::vector<midi::Track> tracks = {conductor(plan, "Vortan - Original"), lead, keys, bass, bells, drums};
    return midi::file(tracks, kPpq, plan.endTick());
}

// ---- "Special Effects": spacey pads and arpeggios ------------------------------------

Bytes special()
{
    Plan plan;
    plan.tonic = 57; // A minor
    plan.minor = true;
    plan.bpm = 96;
    plan.section('I', "i bVI i bVI");
    plan.section('A', "i bVI bIII bVII i bVI iv bVII");
    plan.section('B', "bVI bVII i i bVI bVII Vsus V");
    plan.section('A', "i bVI bIII bVII i bVI iv bVII");
    plan.section('O', "iv bVI i bVII iv bVI bVII V");
    Rng rng(seedFrom("G1"));

    midi::Track lead = instrument("Voice lead", 0, 85, 88, 64, 70);
    midi::Track arp = instrument("Arpeggio", 1, 81, 62, 40, 60);
    midi::Track pad = instrument("Warm pad", 2, 89, 84, 64, 90);
    midi::Track sweep = instrument("Sweep pad", 3, 95, 66, 96, 90);
    midi::Track bass = instrument("Synth bass", 4, 38, 96, 64, 20);
    midi::Track air = instrument("Atmosphere", 5, 99, 70, 30, 100);
    midi::Track drums = instrument("Drums", kDrums, 0, 80, 64, 60);

    const std::vector<Cell> pool = {
        {{{0, 4}, {4, 4}}},
        {{{0, 3}, {3, 1}, {4, 4}}},
        {{{0, 6}, {6, 2}}},
        {{{0, 2}, {2, 2}, {4, 4}}},
        {{{1, 3}, {4, 2}, {6, 2}}},
    };
    MelodyStyle ms;
    ms.channel = 0;
    ms.low = 64;
    ms.high = 84;
    ms.velocity = 84;
    ms.cadences = {{{{0, 8}}}, {{{0, 4}, {4, 4}}}};
    const Motif a = makeMotif(rng, pool);
    const Motif b = makeMotif(rng, pool);
    MelodyWriter melody(plan, lead, ms, 72);
    melody.section(firstBarOf(plan, 1), 8, a, 0, rng);
    melody.section(firstBarOf(plan, 2), 8, b, 1, rng);
    melody.section(firstBarOf(plan, 3), 8, a, 2, rng);
    MelodyStyle msHigh = ms;
    msHigh.low = 69;
    msHigh.high = 88;
    MelodyWriter melodyOut(plan, lead, msHigh, 76);
    melodyOut.section(firstBarOf(plan, 4), 8, b, 2, rng);

    std::vector<int> voiced;
    for (std::size_t bar = 0; bar < plan.bars.size(); ++bar) {
        const Bar& info = plan.bars[bar];
        const Chord& c = info.chords.front();
        voiced = plan.voicing(c, 52, voiced);
        for (int k : voiced)
            pad.note(at(bar, 0), kBar, 2, k, 64);
        if (info.kind == 'B' || info.kind == 'O') {
            const int top = voiced.back() + 12;
            sweep.note(at(bar, 0), kBar, 3, top, 52);
            sweep.note(at(bar, 0), kBar, 3, top - (top - voiced.front()) % 12, 46);
        }
        if (info.indexInSection == 0)
            air.note(at(bar, 0), 2 * kBar, 5, plan.tonic + 24 + (info.kind == 'B' ? 3 : 0), 56);

        // Arpeggio: sixteenths up and down two octaves of the chord.
        std::vector<int> ladder;
        for (int oct = 0; oct < 2; ++oct)
            for (int iv : c.intervals)
                ladder.push_back(plan.rootFrom(c, 64) + iv + 12 * oct);
        std::vector<int> path = ladder;
        for (int i = int(ladder.size()) - 2; i > 0; --i)
            path.push_back(ladder[std::size_t(i)]);
        for (int s = 0; s < 16; ++s) {
            const int key = path[std::size_t(s) % path.size()];
            const int vel = (s % 4 == 0 ? 70 : 52) + rng.range(-5, 5);
            arp.note(at(bar, s * kSixteenth), kSixteenth - 10, 1, key, vel);
        }

        // Bass pulses.
        const int root = plan.rootFrom(c, 33);
        const std::pair<int, int> pulses[] = {{0, 3}, {3, 1}, {4, 2}, {6, 2}};
        for (const auto& [start, len] : pulses) {
            const int key = start == 6 ? root + 7 : root;
            bass.note(at(bar, start * kEighth), std::uint32_t(len * kEighth - 30), 4, key, start == 0 ? 100 : 82);
        }

        // Drums: hats from the intro's second half, the full groove from A on.
        const bool groove = info.kind != 'I';
        if (groove || info.indexInSection >= 2) {
            for (int s = 0; s < 16; ++s)
                drums.note(at(bar, s * kSixteenth), kSixteenth, kDrums, 42, (s % 2 ? 30 : 44) + rng.range(0, 14));
        }
        if (groove) {
            drums.note(at(bar, 0), kEighth, kDrums, 36, 96);
            drums.note(at(bar, 3 * kEighth), kEighth, kDrums, 36, 80);
            drums.note(at(bar, 4 * kEighth), kEighth, kDrums, 39, 70);
            if (info.kind == 'B' || info.kind == 'O')
                for (int q = 0; q < 4; ++q)
                    drums.note(at(bar, q * kPpq + kEighth), kEighth, kDrums, 53, 48);
            if (info.indexInSection == 0)
                drums.note(at(bar, 0), kBar, kDrums, 52, 70); // Chinese cymbal swell
        }
    }
    std::vector<midi::Track> tracks = {conductor(plan, "Vortan - Special Effects"), lead, arp, pad, sweep, bass, air, drums};
    return midi::file(tracks, kPpq, plan.endTick());
}

// ---- "Artistic": calm piano and strings ------------------------------------------

Bytes artistic()
{
    Plan plan;
    plan.tonic = 62; // D major
    plan.bpm = 84;
    plan.section('A', "I V vi iii IV I IV V");
    plan.section('A', "I V vi iii IV I ii7-V7 I");
    plan.section('B', "vi iii IV I ii V IV V7");
    plan.section('A', "I V vi iii IV I IV-V I");
    plan.section('O', "IV V7");
    Rng rng(seedFrom("G2"));

    midi::Track right = instrument("Piano right hand", 0, 0, 100, 70, 50);
    midi::Track left = instrument("Piano left hand", 1, 0, 84, 54, 50);
    midi::Track strings = instrument("Strings", 2, 48, 76, 64, 80);
    midi::Track cello = instrument("Cello", 3, 42, 88, 40, 60);
    midi::Track flute = instrument("Flute", 4, 73, 82, 90, 70);

    const std::vector<Cell> pool = {
        {{{0, 2}, {2, 2}, {4, 3}, {7, 1}}},
        {{{0, 3}, {3, 1}, {4, 2}, {6, 2}}},
        {{{0, 4}, {4, 2}, {6, 2}}},
        {{{0, 2}, {2, 1}, {3, 1}, {4, 4}}},
    };
    MelodyStyle ms;
    ms.channel = 0;
    ms.low = 69;
    ms.high = 88;
    ms.velocity = 74;
    ms.cadences = {{{{0, 4}, {4, 4}}}, {{{0, 2}, {2, 2}, {4, 4}}}, {{{0, 8}}}};
    const Motif a = makeMotif(rng, pool);
    const Motif b = makeMotif(rng, pool);
    MelodyWriter melody(plan, right, ms, 74);
    melody.section(firstBarOf(plan, 0), 8, a, 0, rng);
    melody.section(firstBarOf(plan, 1), 8, a, 2, rng);
    MelodyStyle fl = ms;
    fl.channel = 4;
    fl.low = 74;
    fl.high = 93;
    fl.velocity = 80;
    MelodyWriter flMelody(plan, flute, fl, 81);
    flMelody.section(firstBarOf(plan, 2), 8, b, 1, rng);
    melody.section(firstBarOf(plan, 3), 8, a, 1, rng);
    melody.section(firstBarOf(plan, 4), 2, b, 0, rng);

    std::vector<int> voiced;
    for (std::size_t bar = 0; bar < plan.bars.size(); ++bar) {
        const Bar& info = plan.bars[bar];
        const bool lastBar = bar + 1 == plan.bars.size();
        // Left hand: broken chords, low-high-middle-high.
        for (int e = 0; e < 8; ++e) {
            const Chord& c = plan.chordAt(bar, e * kEighth);
            const int root = plan.rootFrom(c, 43);
            const int fifth = root + 7;
            const int third = root + 12 + c.intervals[1];
            const int order[] = {root, fifth, third, fifth};
            const std::uint32_t len = lastBar && e == 7 ? kEighth : 2 * kEighth - 10;
            left.note(at(bar, e * kEighth), len, 1, order[e % 4], (e % 4 == 0 ? 62 : 48) + rng.range(-3, 3));
        }
        // Strings join from the second section.
        if (info.section >= 1) {
            for (std::size_t i = 0; i < info.chords.size(); ++i) {
                const Chord& c = info.chords[i];
                voiced = plan.voicing(c, 57, voiced);
                const std::uint32_t len = std::uint32_t(kBar / int(info.chords.size()));
                for (int k : voiced)
                    strings.note(at(bar, int(i) * int(len)), len, 2, k, info.kind == 'B' ? 62 : 52);
            }
        }
        // Cello: whole notes, root and fifth in the B section.
        const Chord& c = info.chords.front();
        const int low = plan.rootFrom(c, 38);
        if (info.kind == 'B') {
            cello.note(at(bar, 0), 2 * kPpq, 3, low, 72);
            cello.note(at(bar, 2 * kPpq), 2 * kPpq, 3, low + 7, 64);
        } else if (info.chords.size() == 2) {
            cello.note(at(bar, 0), 2 * kPpq, 3, low, 70);
            cello.note(at(bar, 2 * kPpq), 2 * kPpq, 3, plan.rootFrom(info.chords[1], 38), 70);
        } else {
            cello.note(at(bar, 0), kBar, 3, low, 70);
        }
    }
    std::vector<midi::Track> tracks = {conductor(plan, "Vortan - Artistic"), right, left, strings, cello, flute};
    return midi::file(tracks, kPpq, plan.endTick());
}

} // namespace

Bytes composeMusic(int style)
{
    switch (style) {
    case 0:
        return original();
    case 1:
        return special();
    case 2:
        return artistic();
    default:
        return {};
    }
}

} // namespace vortan::soundgen
