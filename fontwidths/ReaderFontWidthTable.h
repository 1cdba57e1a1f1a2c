// The generated width table's layout, shared by its generator's output and its reader.
#pragma once

namespace tarumo::fontwidths {

// Widths in dots; kNotCp932 and kNotInFont mark entries that have none.
struct WidthEntry {
  unsigned char bitmap;
  unsigned char outline;
};

inline constexpr unsigned char kNotCp932 = 255;
inline constexpr unsigned char kNotInFont = 254;

// Lead bytes 0x81 to 0x9F and 0xE0 to 0xFC, in order; trail bytes 0x40 to 0xFC.
inline constexpr int kLeadByteCount = 60;
inline constexpr int kTrailByteCount = 0xFD - 0x40;

extern const WidthEntry kSingleByteWidths[256];
extern const WidthEntry kDoubleByteWidths[kLeadByteCount][kTrailByteCount];

}  // namespace tarumo::fontwidths
