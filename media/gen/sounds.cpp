// Sound effects: every weapon's firing sound, the explosions and the
// shell's sounds, synthesised as mono 16-bit WAV at 22050 Hz.
#include <algorithm>
#include <cmath>
#include <string>

#include "catalogue/ships.hpp"
#include "media/gen/audio.hpp"
#include "media/gen/media.hpp"

namespace gen {

namespace {

const float kTwoPi = 6.2831853f;
std::string N(int v) { return std::to_string(v); }

enum Kind {
  LASER,     // thin, bright zap
  BEAM,      // fuller, buzzing zap
  CANNON,    // punchy shot
  RAPID,     // short, light gun shot
  HEAVY,     // big gun boom
  MISSILE,   // ignition and whoosh
  BOMB,      // launched bomb or mine: a hollow thunk
  BLOOP,     // soft organic launch (goo, acid, bubbles)
  ORB,       // warbling energy ball
  SHIELD,    // rising hum
  POWER,     // ability: bright rising chime
  WARP,      // jump or phase shift
  DRILL,     // spinning machinery
  MECH,      // mechanical clank
  ROAR,      // deep growl
  CHARGE,    // charging whine
  ZAPLOOP,   // continuous sizzle
  HUM,       // energy transfer hum
  SPLAT,     // goo sticks or troop lands
  AIRBLAST,  // burst of air
};

struct Recipe {
  Kind kind;
  float pitch;   // 1 is the kind's middle
  float length;  // 1 is the kind's usual length
};

float Noise(Rng& r) { return r.uni() * 2 - 1; }

// Removes any constant offset, so sounds start and end at rest.
void DcBlock(Buffer& b) {
  float x1 = 0, y1 = 0;
  for (float& x : b.s) {
    float y = x - x1 + 0.995f * y1;
    x1 = x;
    y1 = y;
    x = y;
  }
}

// Each kind's synthesis. pitch and stretch are the recipe's: 1 is the kind's
// middle pitch and its usual length.
Buffer Stretched(float seconds, float stretch) { return Buffer(seconds * stretch); }

// A thin, bright zap that falls in pitch.
Buffer LaserZap(float pitch, float stretch) {
  Buffer b = Stretched(0.22f, stretch);
  float ph = 0, ph2 = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(i) / b.rate, u = t / b.seconds();
    float f = 2400 * pitch * std::pow(0.18f, u);
    ph += f / b.rate;
    ph2 += f * 1.503f / b.rate;
    float v = Square(ph, 0.3f) * 0.5f + std::sin(kTwoPi * ph2) * 0.5f;
    b.s[i] = v * Env(t, 0.002f, b.seconds() * 0.9f);
  }
  return b;
}

// A fuller, buzzing zap through a closing filter.
Buffer BeamZap(float pitch, float stretch) {
  Buffer b = Stretched(0.32f, stretch);
  float ph = 0, ph2 = 0;
  Svf f1;
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(i) / b.rate, u = t / b.seconds();
    float f = 900 * pitch * std::pow(0.35f, u) * (1 + 0.03f * std::sin(kTwoPi * 40 * t));
    ph += f / b.rate;
    ph2 += f * 0.5f / b.rate;
    float v = Saw(ph) * 0.6f + Square(ph2) * 0.3f;
    v = f1.lowpass(v, 5000 * std::pow(0.3f, u), 0.4f, b.rate);
    b.s[i] = v * Env(t, 0.004f, b.seconds() * 0.85f);
  }
  return b;
}

// A gun's shot: a noise crack, a falling thump and a dull tail; the rapid
// gun's short and light, the heavy gun's long, low and echoing.
Buffer GunShot(Kind kind, float pitch, float stretch, Rng& rng) {
  float len = kind == HEAVY ? 0.6f : (kind == RAPID ? 0.14f : 0.3f);
  Buffer b = Stretched(len, stretch);
  OnePole lp, lp2;
  float ph = 0;
  float body = kind == HEAVY ? 70 : (kind == RAPID ? 260 : 140);
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(i) / b.rate, u = t / b.seconds();
    float n = Noise(rng);
    float cut = (kind == RAPID ? 7000 : 4000) * pitch * std::pow(0.08f, u);
    float crack = lp.step(n, Coef(cut, b.rate));
    float f = body * pitch * (1.0f + 2.5f * std::exp(-t * 40));
    ph += f / b.rate;
    float thump = std::sin(kTwoPi * ph) * Env(t, 0.001f, b.seconds() * 0.6f);
    float tail = lp2.step(n, Coef(600 * pitch, b.rate)) * Env(t, 0.01f, b.seconds());
    b.s[i] = SoftClip(
        (crack * 1.6f * Env(t, 0.0005f, b.seconds() * 0.35f) + thump * 0.9f + tail * 0.8f) * 1.4f);
  }
  if (kind == HEAVY) Reverb(b, 0.25f, 0.7f, 0.4f);
  return b;
}

// Ignition and a rising whoosh.
Buffer MissileLaunch(float pitch, float stretch, Rng& rng) {
  Buffer b = Stretched(0.7f, stretch);
  Svf bp;
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(i) / b.rate, u = t / b.seconds();
    float n = Noise(rng);
    float cf = 500 * pitch + 2500 * pitch * u;
    float w = bp.bandpass(n, cf, 0.5f, b.rate) * 1.8f;
    float click = t < 0.02f ? Noise(rng) * (1 - t / 0.02f) : 0;
    b.s[i] =
        (w * Adsr(t, 0.03f, 0.1f, 0.7f, b.seconds() * 0.55f, b.seconds() * 0.45f) + click * 0.8f);
  }
  return b;
}

// A launched bomb or mine: a hollow thunk.
Buffer BombThunk(float pitch, float stretch, Rng& rng) {
  Buffer b = Stretched(0.35f, stretch);
  float ph = 0;
  OnePole lp;
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(i) / b.rate;
    float f = 220 * pitch * std::exp(-t * 5) + 60 * pitch;
    ph += f / b.rate;
    float v = std::sin(kTwoPi * ph) + 0.3f * Tri(ph * 2);
    float n = lp.step(Noise(rng), Coef(1500, b.rate)) * std::exp(-t * 40);
    b.s[i] = (v * 0.8f + n) * Env(t, 0.002f, b.seconds());
  }
  return b;
}

// A soft organic launch (goo, acid, bubbles): a rising, wobbling tone.
Buffer Bloop(float pitch, float stretch) {
  Buffer b = Stretched(0.3f, stretch);
  float ph = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(i) / b.rate, u = t / b.seconds();
    float f = 180 * pitch * (1 + 2.2f * u) * (1 + 0.2f * std::sin(kTwoPi * 25 * t));
    ph += f / b.rate;
    b.s[i] = (std::sin(kTwoPi * ph) + 0.25f * std::sin(kTwoPi * ph * 3)) *
             Env(t, 0.01f, b.seconds() * 0.9f);
  }
  return b;
}

// A warbling energy ball: a falling tone under fading frequency modulation.
Buffer OrbWarble(float pitch, float stretch) {
  Buffer b = Stretched(0.45f, stretch);
  float ph = 0, mod = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(i) / b.rate, u = t / b.seconds();
    float f = 520 * pitch * (1 - 0.4f * u);
    mod += (f * 1.41f) / b.rate;
    ph += f / b.rate;
    float v = std::sin(kTwoPi * ph + 2.5f * std::sin(kTwoPi * mod) * (1 - u));
    v *= 0.7f + 0.3f * std::sin(kTwoPi * 18 * t);
    b.s[i] = v * Env(t, 0.01f, b.seconds());
  }
  Reverb(b, 0.2f);
  return b;
}

// Four rising partials: the shield's hum, the ability's bright chime, the
// slow charging whine.
Buffer RisingChord(Kind kind, float pitch, float stretch) {
  float len = kind == CHARGE ? 1.4f : (kind == POWER ? 0.8f : 0.9f);
  Buffer b = Stretched(len, stretch);
  float ph[4] = {0, 0, 0, 0};
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(i) / b.rate, u = t / b.seconds();
    float base = kind == CHARGE  ? 150 * pitch * (1 + 5 * u * u)
                 : kind == POWER ? 440 * pitch * (1 + u)
                                 : 200 * pitch * (1 + 0.6f * u);
    float v = 0;
    for (int k = 0; k < 4; ++k) {
      float ratio = kind == POWER ? (k == 0 ? 1.0f : (k == 1 ? 1.5f : (k == 2 ? 2.0f : 3.0f)))
                                  : 1.0f + k * 1.003f;
      ph[k] += base * ratio / b.rate;
      v += (kind == SHIELD ? Tri(ph[k]) : std::sin(kTwoPi * ph[k])) / (k + 1);
    }
    float env = kind == CHARGE ? Adsr(t, b.seconds() * 0.8f, 0.05f, 0.6f, b.seconds() * 0.9f,
                                      b.seconds() * 0.1f)
                               : Adsr(t, 0.05f, 0.2f, 0.6f, b.seconds() * 0.6f, b.seconds() * 0.4f);
    b.s[i] = v * env * (0.8f + 0.2f * std::sin(kTwoPi * 7 * t));
  }
  Reverb(b, 0.25f);
  return b;
}

// A jump or phase shift: a steeply rising tone in a sweeping swish.
Buffer WarpSweep(float pitch, float stretch, Rng& rng) {
  Buffer b = Stretched(1.1f, stretch);
  float ph = 0;
  Svf bp;
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(i) / b.rate, u = t / b.seconds();
    float f = 120 * pitch * std::pow(12.0f, u);
    ph += f / b.rate;
    float tone = std::sin(kTwoPi * ph) * 0.5f + std::sin(kTwoPi * ph * 1.5f) * 0.25f;
    float swish = bp.bandpass(Noise(rng), 300 + 4000 * u, 0.3f, b.rate);
    b.s[i] = (tone + swish * 0.8f) *
             Adsr(t, 0.3f * b.seconds(), 0.1f, 0.8f, b.seconds() * 0.8f, b.seconds() * 0.2f);
  }
  Reverb(b, 0.3f);
  return b;
}

// Spinning machinery: a low saw and a chopped grinding noise.
Buffer DrillGrind(float pitch, float stretch, Rng& rng) {
  Buffer b = Stretched(0.9f, stretch);
  float ph = 0;
  Svf bp;
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(i) / b.rate;
    float f = 95 * pitch * (1 + 0.1f * std::sin(kTwoPi * 3 * t));
    ph += f / b.rate;
    float grind =
        bp.bandpass(Noise(rng), 1800 * pitch, 0.25f, b.rate) * (0.5f + 0.5f * Square(ph * 0.25f));
    b.s[i] = (Saw(ph) * 0.45f + grind) *
             Adsr(t, 0.05f, 0.1f, 0.8f, b.seconds() * 0.8f, b.seconds() * 0.2f);
  }
  return b;
}

// A mechanical clank: three falling clicks.
Buffer MechClank(float pitch, float stretch, Rng& rng) {
  Buffer b = Stretched(0.5f, stretch);
  for (int hit = 0; hit < 3; ++hit) {
    float at = hit * 0.13f * stretch;
    Buffer c(0.12f);
    float ph = 0;
    for (size_t i = 0; i < c.size(); ++i) {
      float t = static_cast<float>(i) / c.rate;
      ph += (900 * pitch - hit * 150) / c.rate;
      c.s[i] = (Square(ph) * 0.3f + Noise(rng) * 0.6f) * Env(t, 0.0005f, 0.07f);
    }
    b.mixIn(c, at);
  }
  Reverb(b, 0.15f, 0.5f);
  return b;
}

// A deep growl: two detuned saws and noise, clipped.
Buffer Roar(float pitch, float stretch, Rng& rng) {
  Buffer b = Stretched(1.2f, stretch);
  float ph = 0;
  Svf lp;
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(i) / b.rate, u = t / b.seconds();
    float f = 70 * pitch * (1 + 0.3f * std::sin(kTwoPi * 6 * t)) * (1.2f - 0.4f * u);
    ph += f / b.rate;
    float v = Saw(ph) + Saw(ph * 1.01f) + Noise(rng) * 0.5f;
    v = lp.lowpass(v, 900 - 500 * u, 0.5f, b.rate);
    b.s[i] =
        SoftClip(v * 1.5f) * Adsr(t, 0.05f, 0.2f, 0.8f, b.seconds() * 0.7f, b.seconds() * 0.3f);
  }
  return b;
}

// A continuous sizzle, sized to loop: whole cycles of its buzz.
Buffer ZapLoop(float pitch, float stretch, Rng& rng) {
  Buffer b = Stretched(0.6f, stretch);
  float ph = 0;
  Svf bp;
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(i) / b.rate;
    ph += 110 * pitch / b.rate;
    float v = Saw(ph) * 0.4f + bp.bandpass(Noise(rng), 3000, 0.4f, b.rate) * 0.7f;
    b.s[i] = v * (0.7f + 0.3f * std::sin(kTwoPi * 20 * t));
  }
  b.fadeIn(0.01f);
  b.fadeOut(0.02f);
  return b;
}

// An energy transfer hum: a tone and two partials, throbbing.
Buffer Hum(float pitch, float stretch) {
  Buffer b = Stretched(0.8f, stretch);
  float ph = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(i) / b.rate;
    ph += 330 * pitch / b.rate;
    float v = std::sin(kTwoPi * ph) + 0.5f * std::sin(kTwoPi * ph * 2.01f) +
              0.25f * std::sin(kTwoPi * ph * 3.02f);
    b.s[i] = v * (0.6f + 0.4f * std::sin(kTwoPi * 8 * t)) *
             Adsr(t, 0.05f, 0.1f, 0.8f, b.seconds() * 0.8f, b.seconds() * 0.2f);
  }
  return b;
}

// Goo that sticks or a troop that lands: a wet thud.
Buffer Splat(float pitch, float stretch, Rng& rng) {
  Buffer b = Stretched(0.25f, stretch);
  OnePole lp;
  float ph = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(i) / b.rate;
    ph += (300 * pitch * std::exp(-t * 12) + 80) / b.rate;
    float n = lp.step(Noise(rng), Coef(1200 * pitch, b.rate));
    b.s[i] = (n * 1.5f + std::sin(kTwoPi * ph) * 0.6f) * Env(t, 0.002f, b.seconds() * 0.7f);
  }
  return b;
}

// A burst of air: noise through a closing filter.
Buffer AirBlast(float pitch, float stretch, Rng& rng) {
  Buffer b = Stretched(0.6f, stretch);
  Svf lp;
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(i) / b.rate, u = t / b.seconds();
    float n = lp.lowpass(Noise(rng), 2500 * pitch * (1 - 0.8f * u), 0.6f, b.rate);
    b.s[i] = n * 1.6f * Env(t, 0.005f, b.seconds());
  }
  return b;
}

Buffer Synthesise(const Recipe& rc, Rng& rng) {
  const float pitch = rc.pitch, stretch = rc.length;
  switch (rc.kind) {
    case LASER:
      return LaserZap(pitch, stretch);
    case BEAM:
      return BeamZap(pitch, stretch);
    case CANNON:
    case RAPID:
    case HEAVY:
      return GunShot(rc.kind, pitch, stretch, rng);
    case MISSILE:
      return MissileLaunch(pitch, stretch, rng);
    case BOMB:
      return BombThunk(pitch, stretch, rng);
    case BLOOP:
      return Bloop(pitch, stretch);
    case ORB:
      return OrbWarble(pitch, stretch);
    case SHIELD:
    case POWER:
    case CHARGE:
      return RisingChord(rc.kind, pitch, stretch);
    case WARP:
      return WarpSweep(pitch, stretch, rng);
    case DRILL:
      return DrillGrind(pitch, stretch, rng);
    case MECH:
      return MechClank(pitch, stretch, rng);
    case ROAR:
      return Roar(pitch, stretch, rng);
    case ZAPLOOP:
      return ZapLoop(pitch, stretch, rng);
    case HUM:
      return Hum(pitch, stretch);
    case SPLAT:
      return Splat(pitch, stretch, rng);
    case AIRBLAST:
      return AirBlast(pitch, stretch, rng);
  }
  return {};
}

Buffer Make(const Recipe& rc, uint64_t seed) {
  Rng rng(seed);
  Buffer b = Synthesise(rc, rng);
  DcBlock(b);
  b.fadeOut(0.01f);
  b.normalise(0.85f);
  return b;
}

// Explosions: layered noise rumble; weight 0 (a spark) to 1 (a ship).
Buffer Explosion(float weight, uint64_t seed, Col tint) {
  Rng rng(seed);
  float len = 0.25f + 1.6f * weight;
  Buffer b(len);
  bool energy = tint.r + tint.g + tint.b > 0;
  OnePole lp1, lp2;
  float ph = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(i) / b.rate, u = t / len;
    float n = Noise(rng);
    float cut = (5500 - 4000 * weight) * std::pow(0.12f, u) + 120;
    float body = lp1.step(n, Coef(cut, b.rate));
    float rumble = lp2.step(n, Coef(90 + 60 * (1 - weight), b.rate)) * 3.0f * weight;
    ph += (90 - 40 * weight) * (1 + 3 * std::exp(-t * 25)) / b.rate;
    float thump = std::sin(kTwoPi * ph) * std::exp(-t * (14 - 8 * weight));
    float v = body * 1.4f + rumble + thump * (0.5f + 0.6f * weight);
    if (energy) {
      // Energy hits ring with a falling tone.
      float f = 1400 * std::pow(0.3f, u) * (1 + tint.b * 0.5f - tint.r * 0.3f);
      v += std::sin(kTwoPi * f * t) * 0.35f * std::exp(-t * 9);
    }
    float crackle = (rng.uni() < 0.002f * weight) ? Noise(rng) * 2.0f : 0.0f;
    b.s[i] = SoftClip((v + crackle) * Env(t, 0.001f, len) * 1.3f);
  }
  if (weight > 0.5f) Reverb(b, 0.2f, 0.75f, 0.5f);
  DcBlock(b);
  b.fadeOut(0.05f);
  b.normalise(0.9f);
  return b;
}

// The primary weapons' sounds by ship type, four types a row after the empty first.
// clang-format off
const Recipe kPrimary[41] = {
    {},
    {LASER, 1.1f, 0.8f}, {BEAM, 1.3f, 0.9f}, {RAPID, 1.0f, 1.2f}, {HEAVY, 1.2f, 0.6f},
    {BEAM, 0.8f, 1.1f},  {CANNON, 1.4f, 1.0f}, {HEAVY, 0.7f, 1.3f}, {MISSILE, 1.2f, 0.6f},
    {RAPID, 0.8f, 1.4f}, {BLOOP, 1.4f, 1.0f}, {CANNON, 1.8f, 0.8f}, {LASER, 1.6f, 0.7f},
    {LASER, 0.7f, 1.0f}, {BLOOP, 0.8f, 1.2f}, {RAPID, 1.8f, 0.7f}, {RAPID, 2.4f, 0.5f},
    {},                  {CANNON, 1.1f, 0.9f}, {LASER, 2.0f, 0.6f}, {RAPID, 1.5f, 0.6f},
    {MISSILE, 1.5f, 0.5f}, {CANNON, 0.9f, 1.1f}, {LASER, 1.3f, 0.8f}, {CANNON, 1.3f, 0.8f},
    {HEAVY, 1.6f, 0.5f}, {ORB, 1.8f, 0.6f},  {ORB, 0.6f, 1.4f},   {BOMB, 1.2f, 0.8f},
    {BEAM, 1.0f, 0.9f},  {RAPID, 2.0f, 0.5f}, {RAPID, 1.3f, 0.45f}, {BOMB, 0.9f, 1.0f},
    {LASER, 0.9f, 1.1f}, {MISSILE, 1.8f, 0.4f}, {MISSILE, 0.8f, 1.0f}, {RAPID, 1.1f, 0.7f},
    {BEAM, 1.6f, 1.0f},  {CANNON, 2.2f, 0.7f}, {}, {ORB, 1.0f, 1.0f},
};
// clang-format on

// The secondary weapons' sounds, laid out the same.
// clang-format off
const Recipe kSecondary[41] = {
    {},
    {MISSILE, 1.0f, 1.0f}, {SPLAT, 0.9f, 1.2f}, {SHIELD, 1.0f, 1.0f}, {},
    {BOMB, 0.8f, 1.2f},    {BOMB, 0.6f, 1.4f},  {MECH, 1.2f, 1.0f},   {BLOOP, 1.0f, 1.4f},
    {SHIELD, 1.6f, 1.2f},  {BOMB, 1.5f, 0.7f},  {MISSILE, 0.7f, 1.2f}, {DRILL, 2.2f, 1.0f},
    {ORB, 0.5f, 1.6f},     {ROAR, 1.0f, 1.0f},  {MISSILE, 1.3f, 0.8f}, {MECH, 2.0f, 0.6f},
    {},                    {WARP, 1.0f, 1.4f},  {CHARGE, 0.7f, 1.0f}, {BOMB, 1.1f, 0.9f},
    {BLOOP, 0.6f, 1.3f},   {CHARGE, 0.5f, 1.3f}, {MECH, 0.8f, 1.3f},  {MISSILE, 1.1f, 0.9f},
    {CANNON, 1.6f, 0.7f},  {POWER, 1.0f, 1.0f}, {WARP, 1.6f, 0.9f},   {BOMB, 1.3f, 0.9f},
    {MECH, 1.5f, 0.8f},    {ORB, 1.2f, 1.0f},   {DRILL, 1.0f, 1.0f},  {SHIELD, 0.7f, 1.4f},
    {HEAVY, 0.9f, 1.0f},   {ORB, 2.2f, 0.7f},   {MISSILE, 0.6f, 1.4f}, {CHARGE, 1.4f, 0.6f},
    {BOMB, 0.7f, 1.6f},    {POWER, 1.8f, 1.2f}, {HUM, 0.6f, 1.0f},    {MISSILE, 0.9f, 1.1f},
};
// clang-format on

struct Extra {
  int type, k;
  Recipe r;
};
const Extra kExtras[] = {
    {SHIP_GARM, 1, {SPLAT, 0.7f, 1.0f}},        {SHIP_URBATRON, 1, {RAPID, 1.6f, 0.6f}},
    {SHIP_URBATRON, 2, {ORB, 0.8f, 1.0f}},      {SHIP_URBATRON, 3, {LASER, 2.2f, 0.9f}},
    {SHIP_BRIDEW, 1, {MECH, 1.8f, 0.8f}},       {SHIP_IWOR, 1, {MECH, 0.7f, 1.4f}},
    {SHIP_IWOR, 2, {MECH, 1.1f, 1.2f}},         {SHIP_IWOR, 3, {RAPID, 1.2f, 0.8f}},
    {SHIP_IWOR, 4, {CANNON, 0.8f, 1.1f}},       {SHIP_PAX, 1, {WARP, 0.6f, 1.2f}},
    {SHIP_TKHARZER, 1, {AIRBLAST, 1.0f, 1.0f}}, {SHIP_SJUOG, 1, {HEAVY, 0.6f, 1.8f}},
    {SHIP_SERGER, 1, {LASER, 2.4f, 0.5f}},      {SHIP_JERBOAFA, 1, {ORB, 0.4f, 1.2f}},
    {SHIP_XIAPAS, 1, {ZAPLOOP, 1.0f, 1.0f}},    {SHIP_XIAPAS, 2, {HUM, 1.0f, 1.0f}},
};

// Explosion sounds that exist, with their weights and colours.
struct ExpSound {
  int n;
  float weight;
  Col tint;
};
const ExpSound kExpSounds[] = {
    {1, 0.05f, {}},
    {2, 0.08f, rgb(50, 200, 255)},
    {4, 0.2f, rgb(175, 255, 255)},
    {6, 0.12f, rgb(50, 200, 255)},
    {7, 0.18f, {}},
    {8, 0.1f, rgb(255, 200, 200)},
    {9, 0.45f, {}},
    {11, 0.5f, {}},
    {12, 0.12f, rgb(225, 225, 255)},
    {13, 0.4f, rgb(50, 255, 50)},
    {14, 0.15f, rgb(255, 50, 50)},
    {15, 0.65f, {}},
    {16, 0.1f, rgb(200, 0, 200)},
    {17, 0.1f, rgb(50, 200, 50)},
    {20, 0.9f, {}},
    {21, 1.0f, {}},
    {22, 0.85f, {}},
    {23, 0.1f, rgb(50, 255, 50)},
    {25, 0.3f, rgb(200, 150, 225)},
    {26, 0.55f, rgb(225, 50, 225)},
    {27, 0.95f, {}},
    {28, 0.1f, rgb(50, 255, 50)},
};

Buffer Tick() {
  Buffer b(0.05f);
  Rng rng(3);
  for (size_t i = 0; i < b.size(); ++i) {
    float t = static_cast<float>(i) / b.rate;
    b.s[i] = (std::sin(kTwoPi * 2200 * t) * 0.7f + Noise(rng) * 0.3f) * Env(t, 0.0005f, 0.03f);
  }
  DcBlock(b);
  b.normalise(0.6f);
  return b;
}

Buffer Chord(const std::vector<float>& notes, float step, float hold, float bright, uint64_t seed) {
  Buffer b(step * notes.size() + hold);
  for (size_t n = 0; n < notes.size(); ++n) {
    Buffer nb(hold + 0.2f);
    float f = notes[n];
    for (size_t i = 0; i < nb.size(); ++i) {
      float t = static_cast<float>(i) / nb.rate;
      float v = std::sin(kTwoPi * f * t) + bright * 0.4f * std::sin(kTwoPi * f * 2 * t) +
                bright * 0.2f * Saw(f * t);
      nb.s[i] = v * Adsr(t, 0.01f, 0.1f, 0.6f, hold * 0.8f, hold * 0.5f);
    }
    b.mixIn(nb, n * step, 0.5f);
  }
  Reverb(b, 0.3f);
  b.fadeOut(0.05f);
  b.normalise(0.8f);
  (void)seed;
  return b;
}

float Note(int semis) { return 440.0f * std::pow(2.0f, semis / 12.0f); }

std::vector<uint8_t> Wav(const Buffer& b) { return EncodeWav(b); }

}  // namespace

void AddSoundFiles(MediaList& list) {
  for (int t = 1; t <= 40; ++t) {
    uint64_t seed = static_cast<uint64_t>(t) * 1000;
    if (kPrimary[t].length > 0)
      list.push_back(
          {"sfx\\ship" + N(t) + "a.wav", [t, seed] { return Wav(Make(kPrimary[t], seed + 1)); }});
    if (kSecondary[t].length > 0)
      list.push_back(
          {"sfx\\ship" + N(t) + "b.wav", [t, seed] { return Wav(Make(kSecondary[t], seed + 2)); }});
    for (const Extra& e : kExtras)
      if (e.type == t)
        list.push_back({"sfx\\ship" + N(t) + "s_" + N(e.k) + ".wav",
                        [e, seed] { return Wav(Make(e.r, seed + 10 + e.k)); }});
  }
  for (const ExpSound& e : kExpSounds)
    list.push_back({"sfx\\exp" + N(e.n) + ".wav",
                    [e] { return Wav(Explosion(e.weight, 5000 + e.n, e.tint)); }});
  list.push_back({"sfx\\tick.wav", [] { return Wav(Tick()); }});
  list.push_back({"sfx\\warpin.wav", [] { return Wav(Make({WARP, 1.3f, 1.0f}, 77)); }});
  list.push_back({"sfx\\slide.wav", [] { return Wav(Make({AIRBLAST, 1.6f, 0.55f}, 78)); }});
  list.push_back(
      {"sfx\\victory.wav", [] {
         return Wav(Chord({Note(-9), Note(-5), Note(-2), Note(3), Note(7)}, 0.14f, 1.4f, 1.0f, 79));
       }});
  list.push_back(
      {"sfx\\reward.wav", [] {
         return Wav(Chord({Note(3), Note(7), Note(10), Note(15)}, 0.09f, 0.9f, 0.4f, 80));
       }});
  list.push_back({"sfx\\alarm.wav", [] {
                    Buffer b(0.5f);
                    for (size_t i = 0; i < b.size(); ++i) {
                      float t = static_cast<float>(i) / b.rate;
                      float f = (static_cast<int>(t * 8) % 2) ? 660 : 520;
                      b.s[i] =
                          Square(f * t, 0.5f) * 0.5f * Adsr(t, 0.005f, 0.05f, 0.9f, 0.45f, 0.05f);
                    }
                    DcBlock(b);
                    b.normalise(0.7f);
                    return Wav(b);
                  }});
  list.push_back({"sfx\\delete.wav", [] {
                    Buffer b(0.4f);
                    Rng rng(81);
                    float ph = 0;
                    for (size_t i = 0; i < b.size(); ++i) {
                      float t = static_cast<float>(i) / b.rate;
                      ph += (600 * std::pow(0.2f, t / 0.4f)) / b.rate;
                      b.s[i] = (Square(ph) * 0.5f + Noise(rng) * 0.4f * (t < 0.1f)) *
                               Env(t, 0.002f, 0.38f);
                    }
                    DcBlock(b);
                    b.normalise(0.7f);
                    return Wav(b);
                  }});
  list.push_back({"sfx\\snap.wav", [] { return Wav(Make({MECH, 2.5f, 0.35f}, 82)); }});
  list.push_back({"sfx\\cheat.wav", [] {
                    return Wav(
                        Chord({Note(0), Note(4), Note(7), Note(12), Note(16), Note(19), Note(24)},
                              0.05f, 0.6f, 0.8f, 83));
                  }});
}

}  // namespace gen
