// The JD-800's patch parameters by position, in the instrument's words: one
// row per parameter, common block first, then the layout that all four tone
// blocks share. `shown` says how the instrument shows a byte of value v (see
// bank/shown_value.h). docs/jd800-parameters.tsv is the same table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "bank/bank.h"

namespace orvanel {

enum class ParameterBlock : std::uint8_t { Common, Tone };

struct Parameter {
  ParameterBlock block;
  std::uint8_t offset;  // of its first byte within the block; it runs up to the next row
  std::string_view group;
  std::string_view name;
  std::string_view shown;
};

inline constexpr auto Parameters = [] {
  constexpr ParameterBlock Common = ParameterBlock::Common;
  constexpr ParameterBlock Tone = ParameterBlock::Tone;
  return std::to_array<Parameter>({
      {Common, 0, "name", "Patch Name (bytes 0-15)", "text"},
      {Common, 16, "patch", "Patch Level", "v"},
      {Common, 17, "patch", "Key Range Low A", "note(v)"},
      {Common, 18, "patch", "Key Range High A", "note(v)"},
      {Common, 19, "patch", "Key Range Low B", "note(v)"},
      {Common, 20, "patch", "Key Range High B", "note(v)"},
      {Common, 21, "patch", "Key Range Low C", "note(v)"},
      {Common, 22, "patch", "Key Range High C", "note(v)"},
      {Common, 23, "patch", "Key Range Low D", "note(v)"},
      {Common, 24, "patch", "Key Range High D", "note(v)"},
      {Common, 25, "patch", "Bender Range Down", "v"},
      {Common, 26, "patch", "Bender Range Up", "v"},
      {Common, 27, "patch", "Aftertouch Bend Sens", "v"},
      {Common, 28, "patch", "Solo Switch", "OFF/ON"},
      {Common, 29, "patch", "Solo Legato", "OFF/ON"},
      {Common, 30, "patch", "Portamento Switch", "OFF/ON"},
      {Common, 31, "patch", "Portamento Mode", "NORMAL/LEGATO"},
      {Common, 32, "patch", "Portamento Time", "v"},
      {Common, 33, "patch", "Layer Tone", "tones (A=1 B=2 C=4 D=8)"},
      {Common, 34, "patch", "Active Tone", "tones (A=1 B=2 C=4 D=8)"},
      {Common, 35, "eq", "EQ Low Freq", "200 Hz/400 Hz"},
      {Common, 36, "eq", "EQ Low Gain", "v-15"},
      {Common, 37, "eq", "EQ Mid Freq", "v"},
      {Common, 38, "eq", "EQ Mid Q", "v"},
      {Common, 39, "eq", "EQ Mid Gain", "v-15"},
      {Common, 40, "eq", "EQ High Freq", "4 kHz/8 kHz"},
      {Common, 41, "eq", "EQ High Gain", "v-15"},
      {Common, 42, "midi-tx", "MIDI Tx Key Mode", "WHOLE/SPLIT/DUAL"},
      {Common, 43, "midi-tx", "MIDI Tx Split Point", "note(v+24)"},
      {Common, 44, "midi-tx", "MIDI Tx Lower Channel", "v+1"},
      {Common, 45, "midi-tx", "MIDI Tx Upper Channel", "v+1"},
      {Common, 46, "midi-tx", "MIDI Tx Lower Program", "v+1"},
      {Common, 47, "midi-tx", "MIDI Tx Upper Program", "v+1"},
      {Common, 48, "midi-tx", "MIDI Tx Hold Mode", "UPPER/LOWER/BOTH"},
      {Common, 49, "midi-tx", "(unused)", "unused"},
      {Common, 50, "effects", "FX Group A Sequence", "v"},
      {Common, 51, "effects", "FX Group B Sequence", "v"},
      {Common, 52, "effects", "FX Group A Block 1 Switch", "OFF/ON"},
      {Common, 53, "effects", "FX Group A Block 2 Switch", "OFF/ON"},
      {Common, 54, "effects", "FX Group A Block 3 Switch", "OFF/ON"},
      {Common, 55, "effects", "FX Group A Block 4 Switch", "OFF/ON"},
      {Common, 56, "effects", "FX Group B Block 1 Switch", "OFF/ON"},
      {Common, 57, "effects", "FX Group B Block 2 Switch", "OFF/ON"},
      {Common, 58, "effects", "FX Group B Block 3 Switch", "OFF/ON"},
      {Common, 59, "effects", "FX Group B Balance", "v"},
      {Common, 60, "effects", "Distortion Type", "v"},
      {Common, 61, "effects", "Distortion Drive", "v"},
      {Common, 62, "effects", "Distortion Level", "v"},
      {Common, 63, "effects", "Phaser Manual", "v"},
      {Common, 64, "effects", "Phaser Rate", "0.1+0.1v Hz"},
      {Common, 65, "effects", "Phaser Depth", "v"},
      {Common, 66, "effects", "Phaser Resonance", "v"},
      {Common, 67, "effects", "Phaser Mix", "v"},
      {Common, 68, "effects", "Spectrum Band 1", "v"},
      {Common, 69, "effects", "Spectrum Band 2", "v"},
      {Common, 70, "effects", "Spectrum Band 3", "v"},
      {Common, 71, "effects", "Spectrum Band 4", "v"},
      {Common, 72, "effects", "Spectrum Band 5", "v"},
      {Common, 73, "effects", "Spectrum Band 6", "v"},
      {Common, 74, "effects", "Spectrum Bandwidth", "v"},
      {Common, 75, "effects", "Enhancer Sens", "v"},
      {Common, 76, "effects", "Enhancer Mix", "v"},
      {Common, 77, "effects", "Delay Center Tap", "v"},
      {Common, 78, "effects", "Delay Center Level", "v"},
      {Common, 79, "effects", "Delay Left Tap", "v"},
      {Common, 80, "effects", "Delay Left Level", "v"},
      {Common, 81, "effects", "Delay Right Tap", "v"},
      {Common, 82, "effects", "Delay Right Level", "v"},
      {Common, 83, "effects", "Delay Feedback", "v"},
      {Common, 84, "effects", "Chorus Rate", "0.1+0.1v Hz"},
      {Common, 85, "effects", "Chorus Depth", "v"},
      {Common, 86, "effects", "Chorus Delay Time", "v"},
      {Common, 87, "effects", "Chorus Feedback", "2v-98 %"},
      {Common, 88, "effects", "Chorus Level", "v"},
      {Common, 89, "effects", "Reverb Type", "v"},
      {Common, 90, "effects", "Reverb Pre Delay", "v"},
      {Common, 91, "effects", "Reverb Early Ref Level", "v"},
      {Common, 92, "effects", "Reverb HF Damp", "v"},
      {Common, 93, "effects", "Reverb Time", "v"},
      {Common, 94, "effects", "Reverb Level", "v"},
      {Common, 95, "effects", "(unused)", "unused"},
      {Tone, 0, "control", "Velocity Curve", "v+1"},
      {Tone, 1, "control", "Hold Control", "OFF/ON"},
      {Tone, 2, "lfo", "LFO1 Rate", "v"},
      {Tone, 3, "lfo", "LFO1 Delay", "v"},
      {Tone, 4, "lfo", "LFO1 Fade", "v-50"},
      {Tone, 5, "lfo", "LFO1 Waveform", "TRI/SAW/SQU/S&H/RND"},
      {Tone, 6, "lfo", "LFO1 Offset", "+/0/-"},
      {Tone, 7, "lfo", "LFO1 Key Trigger", "OFF/ON"},
      {Tone, 8, "lfo", "LFO2 Rate", "v"},
      {Tone, 9, "lfo", "LFO2 Delay", "v"},
      {Tone, 10, "lfo", "LFO2 Fade", "v-50"},
      {Tone, 11, "lfo", "LFO2 Waveform", "TRI/SAW/SQU/S&H/RND"},
      {Tone, 12, "lfo", "LFO2 Offset", "+/0/-"},
      {Tone, 13, "lfo", "LFO2 Key Trigger", "OFF/ON"},
      {Tone, 14, "wg", "WG Wave Source", "INT/CARD/EXP"},
      {Tone, 15, "wg", "WG Waveform MSB", "v"},
      {Tone, 16, "wg", "WG Waveform LSB", "v"},
      {Tone, 17, "wg", "WG Pitch Coarse", "v-48"},
      {Tone, 18, "wg", "WG Pitch Fine", "v-50"},
      {Tone, 19, "wg", "WG Pitch Random", "v"},
      {Tone, 20, "wg", "WG Pitch Key Follow", "v"},
      {Tone, 21, "wg", "WG Bender Switch", "OFF/ON"},
      {Tone, 22, "wg", "WG Aftertouch Bend Switch", "OFF/ON"},
      {Tone, 23, "wg", "WG LFO1 Sens", "v-50"},
      {Tone, 24, "wg", "WG LFO2 Sens", "v-50"},
      {Tone, 25, "wg", "WG Lever Sens", "v-50"},
      {Tone, 26, "wg", "WG Aftertouch Mod Sens", "v-50"},
      {Tone, 27, "pitch-env", "Pitch Env Velo", "v-50"},
      {Tone, 28, "pitch-env", "Pitch Env Time Velo", "v-50"},
      {Tone, 29, "pitch-env", "Pitch Env Time KF", "v-10"},
      {Tone, 30, "pitch-env", "Pitch Env Level 0", "v-50"},
      {Tone, 31, "pitch-env", "Pitch Env Time 1", "v"},
      {Tone, 32, "pitch-env", "Pitch Env Level 1", "v-50"},
      {Tone, 33, "pitch-env", "Pitch Env Time 2", "v"},
      {Tone, 34, "pitch-env", "Pitch Env Time 3", "v"},
      {Tone, 35, "pitch-env", "Pitch Env Level 2", "v-50"},
      {Tone, 36, "tvf", "TVF Filter Mode", "HP/BP/LP"},
      {Tone, 37, "tvf", "TVF Cutoff", "v"},
      {Tone, 38, "tvf", "TVF Resonance", "v"},
      {Tone, 39, "tvf", "TVF Key Follow", "v"},
      {Tone, 40, "tvf", "TVF Aftertouch Sens", "v-50"},
      {Tone, 41, "tvf", "TVF LFO Select", "LFO1/LFO2"},
      {Tone, 42, "tvf", "TVF LFO Depth", "v-50"},
      {Tone, 43, "tvf", "TVF Env Depth", "v-50"},
      {Tone, 44, "tvf", "TVF Env Velo", "v-50"},
      {Tone, 45, "tvf", "TVF Env Time Velo", "v-50"},
      {Tone, 46, "tvf", "TVF Env Time KF", "v-10"},
      {Tone, 47, "tvf", "TVF Env Time 1", "v"},
      {Tone, 48, "tvf", "TVF Env Level 1", "v"},
      {Tone, 49, "tvf", "TVF Env Time 2", "v"},
      {Tone, 50, "tvf", "TVF Env Level 2", "v"},
      {Tone, 51, "tvf", "TVF Env Time 3", "v"},
      {Tone, 52, "tvf", "TVF Env Sustain Level", "v"},
      {Tone, 53, "tvf", "TVF Env Time 4", "v"},
      {Tone, 54, "tvf", "TVF Env Level 4", "v"},
      {Tone, 55, "tva", "TVA Bias Direction", "UPPER/LOWER/UP&LOW"},
      {Tone, 56, "tva", "TVA Bias Point", "note(v)"},
      {Tone, 57, "tva", "TVA Bias Level", "v-10"},
      {Tone, 58, "tva", "TVA Level", "v"},
      {Tone, 59, "tva", "TVA Aftertouch Sens", "v"},
      {Tone, 60, "tva", "TVA LFO Select", "LFO1/LFO2"},
      {Tone, 61, "tva", "TVA LFO Depth", "v-50"},
      {Tone, 62, "tva", "TVA Env Velo", "v-50"},
      {Tone, 63, "tva", "TVA Env Time Velo", "v-50"},
      {Tone, 64, "tva", "TVA Env Time KF", "v-10"},
      {Tone, 65, "tva", "TVA Env Time 1", "v"},
      {Tone, 66, "tva", "TVA Env Level 1", "v"},
      {Tone, 67, "tva", "TVA Env Time 2", "v"},
      {Tone, 68, "tva", "TVA Env Level 2", "v"},
      {Tone, 69, "tva", "TVA Env Time 3", "v"},
      {Tone, 70, "tva", "TVA Env Sustain Level", "v"},
      {Tone, 71, "tva", "TVA Env Time 4", "v"},
  });
}();

inline constexpr std::size_t CommonParameterCount = 81;
inline constexpr std::span<const Parameter> CommonParameters{Parameters.data(), CommonParameterCount};
inline constexpr std::span<const Parameter> ToneParameters{Parameters.data() + CommonParameterCount,
                                                           Parameters.size() - CommonParameterCount};

constexpr std::size_t BlockSize(ParameterBlock block) {
  return block == ParameterBlock::Common ? CommonBlockSize : ToneBlockSize;
}

// One past the last byte of row `row` within its block.
constexpr std::size_t ParameterEnd(std::size_t row) {
  const bool last_of_block = row + 1 == Parameters.size() || Parameters[row + 1].block != Parameters[row].block;
  return last_of_block ? BlockSize(Parameters[row].block) : Parameters[row + 1].offset;
}

namespace detail {

// Rows ascend without a gap from offset 0 to the block's end, the first row
// spanning up to `second`, every later row one byte.
constexpr bool LaysOutBlock(std::span<const Parameter> rows, ParameterBlock block, std::size_t second,
                            std::size_t size) {
  if (rows.empty() || rows.front().block != block || rows.front().offset != 0) return false;
  std::size_t next = second;
  for (const Parameter& row : rows.subspan(1)) {
    if (row.block != block || row.offset != next) return false;
    ++next;
  }
  return next == size;
}

}  // namespace detail

static_assert(detail::LaysOutBlock(CommonParameters, ParameterBlock::Common, 16, CommonBlockSize));
static_assert(detail::LaysOutBlock(ToneParameters, ParameterBlock::Tone, 1, ToneBlockSize));

}  // namespace orvanel
