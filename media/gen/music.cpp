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
      v = lp.lowpass(v, 700 + bright * 1500 + 400 * std::sin(kTwoPi * 0.25f * (at + t)), 0.7f,
                     kRate);
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
    float v = soft ? (std::sin(kTwoPi * ph) * 0.7f + Tri(ph2) * 0.4f)
                   : (Saw(ph) * 0.5f + Square(ph2, 0.45f) * 0.4f);
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

// A written-out piece: per bar a chord, an optional melody bar and what
// plays. Melody notes are semitones above root + 12 with lengths in beats;
// kRest is a rest.
const int kRest = -99;

struct Note {
  int semi;
  float beats;
};

struct Bar {
  std::vector<int> chord;  // semitones from the root, lowest first
  std::vector<Note> tune;  // empty: no melody in this bar
  bool drums;
  bool bass;
  bool arp;
};

struct Song {
  float bpm;
  int root;  // MIDI note of the key's root
  std::vector<Bar> bars;
  uint64_t seed;
  int style;  // 0 menu, 1 shop, 2 in-game
};

std::vector<float> Render(const Song& s) {
  float beat = 60.0f / s.bpm, bar = beat * 4;
  int count = static_cast<int>(s.bars.size());
  float total = bar * count;
  size_t n = static_cast<size_t>(total * kRate);
  Mix m(n + static_cast<size_t>(3 * kRate));
  Rng drums(s.seed + 1);
  for (int b = 0; b < count; ++b) {
    float t0 = b * bar;
    const Bar& B = s.bars[b];
    const std::vector<int>& ch = B.chord;
    // Pad: the chord held through the bar.
    std::vector<float> padNotes;
    for (int c : ch) padNotes.push_back(static_cast<float>(s.root + 12 + c));
    Pad(m, t0, bar, padNotes, s.style == 2 ? 0.15f : 0.21f, s.style == 1 ? 0.2f : 0.5f);
    // Bass.
    float broot = static_cast<float>(s.root - 12 + ch[0]);
    if (B.bass) {
      if (s.style == 2) {
        for (int e = 0; e < 8; ++e) {
          float nn = broot + ((e % 4 == 3) ? 12.0f : 0.0f);
          Bass(m, t0 + e * beat / 2, beat / 2 * 0.8f, nn, 0.32f, 900);
        }
      } else if (s.style == 1) {
        int fifth = 7, third = ch.size() > 1 ? ch[1] - ch[0] : 3;
        int walk[4] = {0, third, fifth, b % 2 ? fifth + 2 : third};
        for (int q = 0; q < 4; ++q)
          Bass(m, t0 + q * beat, beat * 0.85f, broot + walk[q], 0.3f, 700);
      } else {
        Bass(m, t0, beat * 1.5f, broot, 0.3f, 600);
        Bass(m, t0 + beat * 1.5f, beat * 0.45f, broot, 0.2f, 600);
        Bass(m, t0 + beat * 2, beat * 0.9f, broot + 7, 0.25f, 600);
        Bass(m, t0 + beat * 3, beat * 0.9f, broot + 12, 0.22f, 600);
      }
    }
    // Arpeggio over the chord.
    if (B.arp) {
      int steps = s.style == 2 ? 16 : 8;
      for (int k = 0; k < steps; ++k) {
        if (s.style == 1 && k % 2 == 1) continue;
        int tone = ch[k % ch.size()] + ((k / static_cast<int>(ch.size())) % 2) * 12;
        float when = t0 + k * bar / steps;
        float g = (s.style == 0 ? 0.085f : 0.065f) * (k % 4 == 0 ? 1.2f : 0.9f);
        Pluck(m, when, static_cast<float>(s.root + 24 + tone), g, (k % 2) ? 0.5f : -0.5f,
              s.style == 1 ? 0.6f : 0.3f);
      }
    }
    // Melody.
    float at = t0;
    for (const Note& nt : B.tune) {
      if (nt.semi != kRest) {
        float note = static_cast<float>(s.root + 12 + nt.semi);
        if (s.style == 1) {
          // The shop's tune: a soft vibraphone-like pluck doubled by a quiet sine.
          Pluck(m, at, note, 0.12f, 0.1f, 0.9f);
          Lead(m, at, nt.beats * beat * 0.8f, note, 0.05f, -0.1f, true);
        } else {
          Lead(m, at, nt.beats * beat * 0.92f, note, s.style == 2 ? 0.11f : 0.1f, 0.12f,
               s.style != 2);
        }
      }
      at += nt.beats * beat;
    }
    // Drums.
    if (B.drums) {
      for (int q = 0; q < 4; ++q) {
        float when = t0 + q * beat;
        if (s.style == 2 || q % 2 == 0) Kick(m, when, s.style == 2 ? 0.55f : 0.4f);
        if (s.style == 2 && q == 3) Kick(m, when + beat / 2, 0.35f);
        if (q % 2 == 1) Snare(m, when, s.style == 2 ? 0.32f : (s.style == 1 ? 0.14f : 0.2f), drums);
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
  for (size_t i = 0; i < n; ++i)
    peak = std::max(peak, std::max(std::abs(m.l[i]), std::abs(m.r[i])));
  float k = peak > 0 ? 0.89f / peak : 1.0f;
  std::vector<float> inter;
  inter.reserve(n * 2);
  for (size_t i = 0; i < n; ++i) {
    inter.push_back(m.l[i] * k);
    inter.push_back(m.r[i] * k);
  }
  return inter;
}

std::vector<float> gPreview;  // set by MusicPreview

std::vector<uint8_t> MakeSong(const Song& s) {
  std::vector<float> inter = Render(s);
  std::vector<float> l(inter.size() / 2), r(inter.size() / 2);
  for (size_t i = 0; i < l.size(); ++i) {
    l[i] = inter[2 * i];
    r[i] = inter[2 * i + 1];
  }
  return EncodeOgg(l, r, kRate, 0.25f);
}

// Appends bars: chords with their melody bars (same count), and what plays.
void Section(Song& s, const std::vector<std::vector<int>>& chords,
             const std::vector<std::vector<Note>>& tune, bool drums, bool bass, bool arp) {
  for (size_t i = 0; i < chords.size(); ++i)
    s.bars.push_back(
        {chords[i], i < tune.size() ? tune[i] : std::vector<Note>{}, drums, bass, arp});
}

// Chord shapes, semitones above the key's root.
const std::vector<int> i_ = {0, 3, 7}, bVI = {-4, 0, 3}, bIII = {3, 7, 10};
const std::vector<int> bVII = {-2, 2, 5}, V_ = {-5, -1, 2}, Vm = {-5, -2, 2};

// The songs' tunes are written one bar a line.

// Menu: A minor, 100 BPM, 32 bars (76.8 s). Intro, theme, rising second
// theme, theme again with drums.
Song MenuSong() {
  const int R = kRest;
  Song menu{100, 57, {}, 11, 0};
  std::vector<std::vector<int>> menuA = {i_, bVI, bIII, bVII, i_, bVI, bVII, V_};
  std::vector<std::vector<int>> menuB = {bVI, bVII, Vm, i_, bVI, bVII, i_, V_};
  // clang-format off
  std::vector<std::vector<Note>> themeA = {
      {{7, 1.5f}, {5, 0.5f}, {3, 1}, {2, 1}},
      {{0, 2}, {3, 1}, {8, 1}},
      {{7, 1.5f}, {10, 0.5f}, {7, 1}, {3, 1}},
      {{5, 3}, {2, 1}},
      {{7, 1.5f}, {5, 0.5f}, {3, 1}, {7, 1}},
      {{12, 2}, {10, 1}, {8, 1}},
      {{10, 1.5f}, {8, 0.5f}, {7, 1}, {5, 1}},
      {{7, 4}},
  };
  std::vector<std::vector<Note>> themeB = {
      {{15, 2}, {12, 1}, {8, 1}},
      {{14, 2}, {10, 1}, {5, 1}},
      {{10, 1.5f}, {7, 0.5f}, {10, 1}, {14, 1}},
      {{12, 3}, {R, 1}},
      {{15, 1}, {14, 1}, {12, 1}, {8, 1}},
      {{17, 2}, {14, 1}, {10, 1}},
      {{15, 1.5f}, {14, 0.5f}, {12, 1}, {7, 1}},
      {{11, 4}},
  };
  // clang-format on
  Section(menu, menuA, {}, false, true, true);
  Section(menu, menuA, themeA, false, true, true);
  Section(menu, menuB, themeB, true, true, true);
  Section(menu, menuA, themeA, true, true, true);
  return menu;
}

// Ship shop: D dorian, 96 BPM, 32 bars (80 s), an easy groove.
Song ShopSong() {
  const int R = kRest;
  Song shop{96, 50, {}, 22, 1};
  const std::vector<int> dm7 = {0, 3, 7, 10}, g7 = {5, 9, 12, 15}, em7 = {2, 5, 9, 12};
  const std::vector<int> am7 = {7, 10, 14, 17}, bbmaj7 = {-4, 0, 3, 7}, cmaj = {-2, 2, 5, 9};
  std::vector<std::vector<int>> shopA = {dm7, g7, em7, am7, dm7, g7, em7, am7};
  std::vector<std::vector<int>> shopB = {bbmaj7, cmaj, dm7, dm7, bbmaj7, cmaj, em7, am7};
  // clang-format off
  std::vector<std::vector<Note>> tuneA = {
      {{R, 0.5f}, {7, 0.5f}, {10, 0.5f}, {12, 1}, {15, 0.5f}, {14, 1}},
      {{12, 1.5f}, {9, 0.5f}, {5, 1}, {R, 1}},
      {{R, 0.5f}, {14, 0.5f}, {17, 0.5f}, {19, 1}, {17, 0.5f}, {14, 1}},
      {{10, 2}, {7, 2}},
      {{R, 0.5f}, {7, 0.5f}, {10, 0.5f}, {12, 1}, {15, 0.5f}, {14, 1}},
      {{12, 1}, {9, 1}, {12, 1}, {14, 1}},
      {{17, 1.5f}, {15, 0.5f}, {14, 1}, {12, 1}},
      {{14, 3}, {R, 1}},
  };
  std::vector<std::vector<Note>> tuneB = {
      {{15, 1}, {19, 1}, {17, 0.5f}, {15, 0.5f}, {12, 1}},
      {{14, 2}, {17, 1}, {14, 1}},
      {{12, 1.5f}, {10, 0.5f}, {7, 2}},
      {{R, 4}},
      {{19, 1}, {22, 1}, {21, 0.5f}, {19, 0.5f}, {17, 1}},
      {{16, 2}, {19, 1}, {16, 1}},
      {{14, 1.5f}, {12, 0.5f}, {14, 1}, {17, 1}},
      {{19, 4}},
  };
  // clang-format on
  Section(shop, shopA, tuneA, true, true, true);
  Section(shop, shopB, tuneB, true, true, true);
  Section(shop, shopA, tuneA, true, true, true);
  Section(shop, shopB, {}, false, true, true);
  return shop;
}

// In game: E minor, 136 BPM, 40 bars (70.6 s), driving.
Song GameSong() {
  Song game{136, 52, {}, 33, 2};
  const std::vector<int> bVI6 = {-4, 0, 3}, bVII7 = {-2, 2, 5}, V7 = {-5, -1, 2}, vm = {-5, -2, 2};
  std::vector<std::vector<int>> gameA = {i_, i_, bVI6, bVII7, i_, i_, bVI6, V7};
  std::vector<std::vector<int>> gameB = {bVI6, bVII7, vm, i_, bVI6, bVII7, vm, i_};
  // clang-format off
  std::vector<std::vector<Note>> riffA = {
      {{12, 0.5f}, {12, 0.5f}, {15, 0.5f}, {12, 0.5f}, {19, 1}, {17, 0.5f}, {15, 0.5f}},
      {{14, 1}, {15, 1}, {12, 2}},
      {{12, 0.5f}, {12, 0.5f}, {15, 0.5f}, {12, 0.5f}, {20, 1}, {19, 0.5f}, {17, 0.5f}},
      {{17, 2}, {14, 1}, {10, 1}},
      {{12, 0.5f}, {12, 0.5f}, {15, 0.5f}, {12, 0.5f}, {19, 1}, {17, 0.5f}, {15, 0.5f}},
      {{19, 1}, {17, 1}, {15, 1}, {14, 1}},
      {{15, 1}, {12, 1}, {8, 1}, {12, 1}},
      {{11, 2}, {14, 2}},
  };
  std::vector<std::vector<Note>> riffB = {
      {{15, 2}, {12, 2}},
      {{14, 2}, {17, 2}},
      {{19, 3}, {17, 1}},
      {{15, 4}},
      {{20, 2}, {19, 1}, {17, 1}},
      {{17, 2}, {22, 2}},
      {{19, 2}, {14, 2}},
      {{12, 4}},
  };
  // clang-format on
  Section(game, gameA, {}, true, true, true);
  Section(game, gameA, riffA, true, true, true);
  Section(game, gameB, riffB, true, true, true);
  Section(game, gameA, riffA, true, true, true);
  Section(game, gameB, {}, false, false, true);
  return game;
}

}  // namespace

std::string gPreviewName;

std::vector<float> MusicPreview(const std::string& which) {
  gPreviewName = which;
  MusicFiles();
  gPreviewName.clear();
  return gPreview;
}

std::vector<MusicFile> MusicFiles() {
  Song menu = MenuSong(), shop = ShopSong(), game = GameSong();
  if (!gPreviewName.empty()) {
    const Song& pick = gPreviewName == "menu" ? menu : (gPreviewName == "shop" ? shop : game);
    std::vector<float> inter = Render(pick);
    gPreview.clear();
    for (size_t i = 0; i + 1 < inter.size(); i += 2)
      gPreview.push_back(0.5f * (inter[i] + inter[i + 1]));
  }
  return {
      {"menu.ogg", [menu] { return MakeSong(menu); }},
      {"shipshop.ogg", [shop] { return MakeSong(shop); }},
      {"ingame.ogg", [game] { return MakeSong(game); }},
  };
}

}  // namespace gen
