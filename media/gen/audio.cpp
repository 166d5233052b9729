#include "media/gen/audio.hpp"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstring>

namespace gen {

void Buffer::mixIn(const Buffer& b, float at, float gain) {
  size_t off = static_cast<size_t>(std::max(0.0f, at) * rate);
  if (off + b.size() > s.size()) s.resize(off + b.size(), 0.0f);
  for (size_t i = 0; i < b.size(); ++i) s[off + i] += b.s[i] * gain;
}

void Buffer::normalise(float peak) {
  float m = 0;
  for (float v : s) m = std::max(m, std::abs(v));
  if (m <= 0) return;
  float k = peak / m;
  for (float& v : s) v *= k;
}

void Buffer::fadeOut(float seconds) {
  size_t n = std::min(s.size(), static_cast<size_t>(seconds * rate));
  for (size_t i = 0; i < n; ++i) s[s.size() - 1 - i] *= static_cast<float>(i) / n;
}

void Buffer::fadeIn(float seconds) {
  size_t n = std::min(s.size(), static_cast<size_t>(seconds * rate));
  for (size_t i = 0; i < n; ++i) s[i] *= static_cast<float>(i) / n;
}

float Svf::lowpass(float x, float f, float q, int rate) {
  float F = 2.0f * std::sin(3.14159265f * std::min(f, rate * 0.2f) / rate);
  low += F * band;
  float high = x - low - q * band;
  band += F * high;
  return low;
}
float Svf::bandpass(float x, float f, float q, int rate) {
  lowpass(x, f, q, rate);
  return band;
}
float Svf::highpass(float x, float f, float q, int rate) {
  float F = 2.0f * std::sin(3.14159265f * std::min(f, rate * 0.2f) / rate);
  low += F * band;
  float high = x - low - q * band;
  band += F * high;
  return high;
}

float Coef(float hz, int rate) { return 1.0f - std::exp(-2.0f * 3.14159265f * hz / rate); }

float Env(float t, float attack, float decay) {
  if (t < 0) return 0;
  if (t < attack) return t / attack;
  return std::exp(-(t - attack) * 6.9f / std::max(0.001f, decay));
}

float Adsr(float t, float a, float d, float s, float len, float r) {
  if (t < 0) return 0;
  float v;
  if (t < a)
    v = t / a;
  else if (t < a + d)
    v = 1 - (1 - s) * (t - a) / d;
  else
    v = s;
  if (t > len) v *= std::max(0.0f, 1 - (t - len) / r);
  return v;
}

float Saw(float phase) { return 2.0f * (phase - std::floor(phase)) - 1.0f; }
float Square(float phase, float duty) { return (phase - std::floor(phase)) < duty ? 1.0f : -1.0f; }
float Tri(float phase) {
  float p = phase - std::floor(phase);
  return p < 0.5f ? 4 * p - 1 : 3 - 4 * p;
}
float SoftClip(float x) { return std::tanh(x); }

void Reverb(Buffer& b, float mix, float room, float damp) {
  const int combLen[4] = {1116, 1188, 1277, 1356};
  const int apLen[2] = {556, 441};
  float scale = b.rate / 44100.0f;
  std::vector<std::vector<float>> combs(4), aps(2);
  std::vector<size_t> ci(4, 0), ai(2, 0);
  std::vector<float> lp(4, 0);
  for (int i = 0; i < 4; ++i)
    combs[i].assign(std::max(8, static_cast<int>(combLen[i] * scale)), 0.0f);
  for (int i = 0; i < 2; ++i) aps[i].assign(std::max(8, static_cast<int>(apLen[i] * scale)), 0.0f);
  for (float& x : b.s) {
    float in = x * 0.25f, out = 0;
    for (int i = 0; i < 4; ++i) {
      float y = combs[i][ci[i]];
      lp[i] = y * (1 - damp) + lp[i] * damp;
      combs[i][ci[i]] = in + lp[i] * room;
      ci[i] = (ci[i] + 1) % combs[i].size();
      out += y;
    }
    for (int i = 0; i < 2; ++i) {
      float y = aps[i][ai[i]];
      aps[i][ai[i]] = out + y * 0.5f;
      ai[i] = (ai[i] + 1) % aps[i].size();
      out = y - out;
    }
    x = x * (1 - mix) + out * mix;
  }
}

namespace {
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
}
void Put16(std::vector<uint8_t>& v, uint16_t x) {
  v.push_back(static_cast<uint8_t>(x));
  v.push_back(static_cast<uint8_t>(x >> 8));
}
}  // namespace

std::vector<uint8_t> EncodeWav(const Buffer& b) {
  std::vector<uint8_t> v;
  uint32_t dataBytes = static_cast<uint32_t>(b.size() * 2);
  v.insert(v.end(), {'R', 'I', 'F', 'F'});
  Put32(v, 36 + dataBytes);
  v.insert(v.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  Put32(v, 16);
  Put16(v, 1);  // PCM
  Put16(v, 1);  // mono
  Put32(v, static_cast<uint32_t>(b.rate));
  Put32(v, static_cast<uint32_t>(b.rate * 2));
  Put16(v, 2);
  Put16(v, 16);
  v.insert(v.end(), {'d', 'a', 't', 'a'});
  Put32(v, dataBytes);
  for (float x : b.s) {
    int s = static_cast<int>(std::lround(std::clamp(x, -1.0f, 1.0f) * 32767.0f));
    Put16(v, static_cast<uint16_t>(static_cast<int16_t>(s)));
  }
  return v;
}

std::vector<uint8_t> EncodeOgg(const std::vector<float>& left, const std::vector<float>& right,
                               int rate, float quality) {
  std::vector<uint8_t> out;
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, 2, rate, quality) != 0) {
    vorbis_info_clear(&vi);
    return out;
  }
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_comment_add_tag(&vc, "TITLE", "Quorvex Wexlor 2");
  vorbis_dsp_state vd;
  vorbis_block vb;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, 0x51573200);  // a fixed serial number keeps the bytes the same
  ogg_packet header, headerComm, headerCode;
  vorbis_analysis_headerout(&vd, &vc, &header, &headerComm, &headerCode);
  ogg_stream_packetin(&os, &header);
  ogg_stream_packetin(&os, &headerComm);
  ogg_stream_packetin(&os, &headerCode);
  ogg_page og;
  auto put = [&](const ogg_page& p) {
    out.insert(out.end(), p.header, p.header + p.header_len);
    out.insert(out.end(), p.body, p.body + p.body_len);
  };
  while (ogg_stream_flush(&os, &og)) put(og);
  auto drain = [&] {
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      ogg_packet op;
      while (vorbis_bitrate_flushpacket(&vd, &op)) {
        ogg_stream_packetin(&os, &op);
        while (ogg_stream_pageout(&os, &og)) put(og);
      }
    }
  };
  const size_t chunk = 4096;
  size_t n = left.size();
  for (size_t pos = 0; pos < n; pos += chunk) {
    size_t count = std::min(chunk, n - pos);
    float** buf = vorbis_analysis_buffer(&vd, static_cast<int>(count));
    for (size_t i = 0; i < count; ++i) {
      buf[0][i] = left[pos + i];
      buf[1][i] = right[pos + i];
    }
    vorbis_analysis_wrote(&vd, static_cast<int>(count));
    drain();
  }
  vorbis_analysis_wrote(&vd, 0);
  drain();
  while (ogg_stream_flush(&os, &og)) put(og);
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return out;
}

}  // namespace gen
