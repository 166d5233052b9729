// Sound building blocks: a mono float buffer, oscillators, envelopes,
// filters, and WAV / Ogg Vorbis output.
#pragma once
#include <cmath>
#include <cstdint>
#include <vector>

#include "media/gen/image.hpp"  // Rng

namespace gen {

constexpr int kSfxRate = 22050;

struct Buffer {
  int rate = kSfxRate;
  std::vector<float> s;
  Buffer() = default;
  Buffer(float seconds, int r = kSfxRate) : rate(r), s(static_cast<size_t>(seconds * r), 0.0f) {}
  size_t size() const { return s.size(); }
  float seconds() const { return static_cast<float>(s.size()) / rate; }
  void mixIn(const Buffer& b, float at, float gain = 1.0f);
  void normalise(float peak);
  void fadeOut(float seconds);
  void fadeIn(float seconds);
};

// A one-pole low-pass filter.
struct OnePole {
  float z = 0;
  float step(float x, float a) {
    z += a * (x - z);
    return z;
  }
};

// A state-variable filter (Chamberlin), for resonant sweeps.
struct Svf {
  float low = 0, band = 0;
  // f: cutoff in Hz, q: damping (0.1 resonant .. 1.4 flat).
  float lowpass(float x, float f, float q, int rate);
  float bandpass(float x, float f, float q, int rate);
  float highpass(float x, float f, float q, int rate);
};

float Coef(float hz, int rate);  // one-pole coefficient for a cutoff

// Envelope: linear attack, exponential decay to silence over `decay` seconds.
float Env(float t, float attack, float decay);
float Adsr(float t, float a, float d, float s, float len, float r);

float Saw(float phase);  // phase in cycles
float Square(float phase, float duty = 0.5f);
float Tri(float phase);

float SoftClip(float x);

// Small mono reverb (four combs, two allpasses).
void Reverb(Buffer& b, float mix, float room = 0.8f, float damp = 0.3f);

std::vector<uint8_t> EncodeWav(const Buffer& b);
// Stereo interleaved Ogg Vorbis at the buffers' rate.
std::vector<uint8_t> EncodeOgg(const std::vector<float>& left, const std::vector<float>& right,
                               int rate, float quality);

}  // namespace gen
