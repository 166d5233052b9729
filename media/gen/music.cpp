// The three music pieces, composed by a small sequencer and synthesiser and
// encoded as Ogg Vorbis. Each loops seamlessly: the last bar leads back into
// the first and the echo tails wrap around.
#include <algorithm>
#include <cmath>

#include "media/gen/audio.hpp"
#include "media/gen/media.hpp"

namespace gen {

namespace {

const float kTwoPi = 6.2831853f;
const int kRate = 44100;

float Midi(float n) { return 440.0f * std::pow(2.0f, (n - 69.0f) / 12.0f); }

struct Mix {
  std::vector<float> l, r;
  explicit Mix(size_t n) : l(n, 0.0f), r(n, 0.0f) {}
  void add(size_t i, float v, float pan) {
    if (i >= l.size()) return;
    l[i] += v * std::sqrt(0.5f * (1 - pan));
    r[i] += v * std::sqrt(0.5f * (1 + pan));
  }
};

// Instruments. Each renders one note into the mix.
void Kick(Mix& m, float at, float gain) {
  size_t s = static_cast<size_t>(at * kRate);
  float ph = 0;
  for (int i = 0; i < kRate / 3; ++i) {
    float t = static_cast<float>(i) / kRate;
    ph += (48 + 110 * std::exp(-t * 30)) / kRate;
    m.add(s + i, std::sin(kTwoPi * ph) * std::exp(-t * 9) * gain, 0);
  }
}

void Snare(Mix& m, float at, float gain, Rng& rng) {
  size_t s = static_cast<size_t>(at * kRate);
  OnePole lp;
  for (int i = 0; i < kRate / 4; ++i) {
    float t = static_cast<float>(i) / kRate;
    float n = rng.uni() * 2 - 1;
    float body = std::sin(kTwoPi * 185 * t) * std::exp(-t * 30);
    float v = (n - lp.step(n, Coef(900, kRate))) * std::exp(-t * 16) + body * 0.5f;
    m.add(s + i, v * gain, 0.1f);
  }
}

void Hat(Mix& m, float at, float gain, bool open, Rng& rng) {
  size_t s = static_cast<size_t>(at * kRate);
  OnePole lp;
  float decay = open ? 9.0f : 45.0f;
  for (int i = 0; i < kRate / (open ? 3 : 10); ++i) {
    float t = static_cast<float>(i) / kRate;
    float n = rng.uni() * 2 - 1;
    float v = (n - lp.step(n, Coef(7000, kRate))) * std::exp(-t * decay);
    m.add(s + i, v * gain, -0.3f);
  }
}

void Bass(Mix& m, float at, float len, float note, float gain, float cutoff) {
  size_t s = static_cast<size_t>(at * kRate);
  float f = Midi(note), ph = 0, ph2 = 0;
  Svf lp;
  int n = static_cast<int>((len + 0.05f) * kRate);
  for (int i = 0; i < n; ++i) {
    float t = static_cast<float>(i) / kRate;
    ph += f / kRate;
    ph2 += f * 0.5f / kRate;
    float v = Saw(ph) * 0.6f + Square(ph2) * 0.4f;
    float c = cutoff * (0.4f + 1.6f * std::exp(-t * 8));
    v = lp.lowpass(v, c, 0.5f, kRate);
    m.add(s + i, v * Adsr(t, 0.004f, 0.1f, 0.7f, len, 0.04f) * gain, 0);
  }
}

void Pad(Mix& m, float at, float len, const std::vector<float>& notes, float gain, float bright) {
  size_t s = static_cast<size_t>(at * kRate);
  int n = static_cast<int>((len + 0.6f) * kRate);
  for (size_t k = 0; k < notes.size(); ++k) {
    float f = Midi(notes[k]);
    float ph[3] = {0.0f, 0.33f, 0.66f};
    float det[3] = {0.997f, 1.0f, 1.004f};
    Svf lp;
    float pan = (k % 2 ? 0.4f : -0.4f);
    for (int i = 0; i < n; ++i) {
      float t = static_cast<float>(i) / kRate;
      float v = 0;
      for (int j = 0; j < 3; ++j) {
        ph[j] += f * det[j] / kRate;
        v += Saw(ph[j]);
      }
      v = lp.lowpass(v, 700 + bright * 1500 + 400 * std::sin(kTwoPi * 0.25f * (at + t)), 0.7f, kRate);
      m.add(s + i, v * Adsr(t, 0.4f, 0.3f, 0.8f, len, 0.5f) * gain / notes.size(), pan);
    }
  }
}

void Pluck(Mix& m, float at, float note, float gain, float pan, float decay) {
  size_t s = static_cast<size_t>(at * kRate);
  float f = Midi(note), ph = 0;
  Svf lp;
  for (int i = 0; i < static_cast<int>(decay * kRate); ++i) {
    float t = static_cast<float>(i) / kRate;
    ph += f / kRate;
    float v = Square(ph, 0.35f);
    v = lp.lowpass(v, 600 + 5000 * std::exp(-t * 14), 0.6f, kRate);
    m.add(s + i, v * Env(t, 0.002f, decay) * gain, pan);
  }
}

void Lead(Mix& m, float at, float len, float note, float gain, float pan, bool soft) {
  size_t s = static_cast<size_t>(at * kRate);
  float f = Midi(note), ph = 0, ph2 = 0;
  Svf lp;
  int n = static_cast<int>((len + 0.15f) * kRate);
  for (int i = 0; i < n; ++i) {
    float t = static_cast<float>(i) / kRate;
    float vib = 1 + 0.006f * std::sin(kTwoPi * 5.5f * t) * smooth(0.15f, 0.4f, t);
    ph += f * vib / kRate;
    ph2 += f * vib * 1.005f / kRate;
    float v = soft ? (std::sin(kTwoPi * ph) * 0.7f + Tri(ph2) * 0.4f) : (Saw(ph) * 0.5f + Square(ph2, 0.45f) * 0.4f);
    if (!soft) v = lp.lowpass(v, 2600, 0.6f, kRate);
    m.add(s + i, v * Adsr(t, 0.02f, 0.15f, 0.75f, len, 0.12f) * gain, pan);
  }
}

// Stereo echo that wraps around the loop point.
void Echo(Mix& m, float delaySec, float feedback, float wet) {
  size_t d = static_cast<size_t>(delaySec * kRate);
  size_t n = m.l.size();
  std::vector<float> el(n, 0.0f), er(n, 0.0f);
  for (int pass = 0; pass < 2; ++pass)
    for (size_t i = 0; i < n; ++i) {
      size_t j = (i + n - d) % n;
      el[i] = m.r[j] * wet + er[j] * feedback;
      er[i] = m.l[j] * wet + el[j] * feedback;
    }
  for (size_t i = 0; i < n; ++i) {
    m.l[i] += el[i];
    m.r[i] += er[i];
  }
}

struct Song {
  float bpm;
  int root;                              // MIDI note of the key's root
  std::vector<std::vector<int>> chords;  // per bar: chord tones, semitones from root
  std::vector<int> scale;
  int bars;
  uint64_t seed;
  int style;  // 0 menu, 1 shop, 2 in-game
};

std::vector<float> Render(const Song& s) {
  float beat = 60.0f / s.bpm, bar = beat * 4;
  float total = bar * s.bars;
  size_t n = static_cast<size_t>(total * kRate);
  Mix m(n + static_cast<size_t>(3 * kRate));
  Rng rng(s.seed);
  Rng drums(s.seed + 1);
  // A motif per section, repeated with variation, gives the melody shape.
  std::vector<int> motif(16);
  for (auto& v : motif) v = rng.irange(0, 4);
  for (int b = 0; b < s.bars; ++b) {
    float t0 = b * bar;
    const std::vector<int>& ch = s.chords[b % s.chords.size()];
    int section = (b / 8) % 4;  // intro, A, B, A'
    bool full = section != 0 || s.style == 2;
    // Pad.
    std::vector<float> padNotes;
    for (int c : ch) padNotes.push_back(static_cast<float>(s.root + 12 + c));
    Pad(m, t0, bar, padNotes, s.style == 2 ? 0.16f : 0.22f, s.style == 1 ? 0.2f : 0.5f);
    // Bass.
    float broot = static_cast<float>(s.root - 12 + ch[0]);
    if (s.style == 2) {
      for (int e = 0; e < 8; ++e) {
        float nn = broot + ((e % 4 == 3) ? 12.0f : 0.0f);
        Bass(m, t0 + e * beat / 2, beat / 2 * 0.8f, nn, 0.32f, 900);
      }
    } else if (s.style == 1) {
      int walk[4] = {0, ch.size() > 1 ? ch[1] - ch[0] : 4, 7, ch.size() > 2 ? ch[2] - ch[0] : 7};
      for (int q = 0; q < 4; ++q) Bass(m, t0 + q * beat, beat * 0.9f, broot + walk[q], 0.3f, 700);
    } else if (full) {
      Bass(m, t0, beat * 1.5f, broot, 0.3f, 600);
      Bass(m, t0 + beat * 2, beat * 0.9f, broot, 0.25f, 600);
      Bass(m, t0 + beat * 3, beat * 0.9f, broot + 7, 0.25f, 600);
    }
    // Arpeggio.
    int steps = s.style == 2 ? 16 : 8;
    for (int k = 0; k < steps; ++k) {
      if (s.style == 1 && k % 2 == 1) continue;
      int tone = ch[(k + (b % 2)) % ch.size()] + ((k / static_cast<int>(ch.size())) % 2) * 12;
      float when = t0 + k * bar / steps;
      float g = (s.style == 0 ? 0.09f : 0.07f) * (k % 4 == 0 ? 1.2f : 0.9f);
      Pluck(m, when, static_cast<float>(s.root + 24 + tone), g, (k % 2) ? 0.5f : -0.5f, s.style == 1 ? 0.5f : 0.3f);
    }
    // Melody in sections A and B.
    if (section == 1 || section == 2 || section == 3) {
      int phraseBar = b % 4;
      for (int q = 0; q < 4; ++q) {
        int idx = (phraseBar * 4 + q) % 16;
        if (phraseBar == 3 && q >= 2) break;  // breathe at the phrase end
        bool strong = q % 2 == 0;
        int deg;
        if (strong) {
          deg = ch[motif[idx] % ch.size()];
        } else {
          int si = (motif[idx] + (section == 2 ? 2 : 0)) % static_cast<int>(s.scale.size());
          deg = s.scale[si];
        }
        float len = beat * (q == 1 && phraseBar == 2 ? 2.0f : 0.95f);
        int octave = section == 2 ? 36 : 24;
        Lead(m, t0 + q * beat, len * 0.9f, static_cast<float>(s.root + octave + deg), s.style == 2 ? 0.11f : 0.1f,
             0.15f, s.style != 2);
        if (q == 1 && phraseBar == 2) break;
      }
    }
    // Drums.
    if (full) {
      for (int q = 0; q < 4; ++q) {
        float when = t0 + q * beat;
        if (s.style == 2 || q % 2 == 0) Kick(m, when, s.style == 2 ? 0.55f : 0.4f);
        if (q % 2 == 1) Snare(m, when, s.style == 2 ? 0.32f : 0.2f, drums);
        Hat(m, when + beat / 2, 0.06f, s.style != 0 && q == 3, drums);
        if (s.style == 2) Hat(m, when, 0.04f, false, drums);
      }
    } else {
      Hat(m, t0 + beat * 2, 0.05f, true, drums);
    }
  }
  // Fold the tail past the loop point back onto the start.
  for (size_t i = n; i < m.l.size(); ++i) {
    m.l[i - n] += m.l[i];
    m.r[i - n] += m.r[i];
  }
  m.l.resize(n);
  m.r.resize(n);
  Echo(m, beat * 0.75f, 0.35f, 0.22f);
  float peak = 0;
  for (size_t i = 0; i < n; ++i) peak = std::max(peak, std::max(std::abs(m.l[i]), std::abs(m.r[i])));
  float k = peak > 0 ? 0.89f / peak : 1.0f;
  std::vector<float> inter;
  inter.reserve(n * 2);
  for (size_t i = 0; i < n; ++i) {
    inter.push_back(m.l[i] * k);
    inter.push_back(m.r[i] * k);
  }
  return inter;
}

std::vector<uint8_t> MakeSong(const Song& s) {
  std::vector<float> inter = Render(s);
  std::vector<float> l(inter.size() / 2), r(inter.size() / 2);
  for (size_t i = 0; i < l.size(); ++i) {
    l[i] = inter[2 * i];
    r[i] = inter[2 * i + 1];
  }
  return EncodeOgg(l, r, kRate, 0.25f);
}

}  // namespace

std::vector<MusicFile> MusicFiles() {
  const std::vector<int> minor = {0, 2, 3, 5, 7, 8, 10};
  const std::vector<int> dorian = {0, 2, 3, 5, 7, 9, 10};
  // Menu: spacious A minor, 100 BPM, 32 bars (76.8 s).
  Song menu{100, 57, {{0, 3, 7}, {-4, 0, 3}, {-7, -3, 0}, {-5, -1, 2}, {0, 3, 7}, {-4, 0, 3}, {-2, 2, 5}, {-5, -1, 2}},
            minor, 32, 11, 0};
  // Ship shop: relaxed D dorian groove, 96 BPM, 32 bars (80 s).
  Song shop{96, 50, {{0, 3, 7, 10}, {5, 9, 12, 15}, {0, 3, 7, 10}, {-2, 2, 5, 9}}, dorian, 32, 22, 1};
  // In game: driving E minor, 136 BPM, 40 bars (70.6 s).
  Song game{136, 52, {{0, 3, 7}, {0, 3, 7}, {-4, 0, 3}, {-2, 2, 5}, {0, 3, 7}, {0, 3, 7}, {-7, -3, 0}, {-5, -1, 2}},
            minor, 40, 33, 2};
  return {
      {"menu.ogg", [menu] { return MakeSong(menu); }},
      {"shipshop.ogg", [shop] { return MakeSong(shop); }},
      {"ingame.ogg", [game] { return MakeSong(game); }},
  };
}

}  // namespace gen
