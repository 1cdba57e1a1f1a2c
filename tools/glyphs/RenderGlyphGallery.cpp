// render-glyph-gallery LIBRARY OUTPUT.pgm: draws every glyph of the library as a reader sees
// it, in the reader's font at 16 dots per em with its bitmaps, rows 16 dots apart, each
// picture on a light ground that shows its width and with its character under it.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "conversion/GlyphFiles.h"
#include "fontwidths/ReaderFontWidths.h"
#include "platform/posix/Cp932.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPageWidth = 1200;
constexpr int kLinePitch = 16;
constexpr int kAscent = 14;
constexpr int kMargin = 12;
constexpr int kGap = 14;
constexpr unsigned char kInk = 0, kCaptionInk = 110, kGround = 236, kPaper = 255;

struct Glyph {
  std::string key;      // code page 932, for the order
  std::string caption;  // UTF-8
  std::vector<std::string> rows;
  int width = 0;
};

char32_t FirstCodePoint(const std::string& utf8) {
  const auto b = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
  if (utf8.empty()) return 0;
  if (b(0) < 0x80) return b(0);
  if (b(0) < 0xE0) return (b(0) & 0x1F) << 6 | (b(1) & 0x3F);
  if (b(0) < 0xF0) return (b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
  return '?';
}

class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height), pixels_(width * height, kPaper) {}
  void Set(int x, int y, unsigned char ink) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[y * width_ + x] = ink;
  }
  void Fill(int x, int y, int w, int h, unsigned char ink) {
    for (int j = 0; j < h; ++j)
      for (int i = 0; i < w; ++i) Set(x + i, y + j, ink);
  }
  bool WritePgm(const std::string& path) const {
    std::ofstream out(path, std::ios::binary);
    out << "P5\n" << width_ << ' ' << height_ << "\n255\n";
    out.write(reinterpret_cast<const char*>(pixels_.data()), pixels_.size());
    return static_cast<bool>(out);
  }

 private:
  int width_, height_;
  std::vector<unsigned char> pixels_;
};

class Pen {
 public:
  explicit Pen(FT_Face face) : face_(face) {}

  // Draws one code point with its top-left at (x, top).
  void Draw(Canvas& canvas, char32_t code, int x, int top, unsigned char ink) {
    if (FT_Load_Char(face_, code, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return;
    const FT_GlyphSlot slot = face_->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
      for (unsigned column = 0; column < bitmap.width; ++column) {
        const unsigned char* line = bitmap.buffer + row * bitmap.pitch;
        const bool on = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                            ? (line[column / 8] >> (7 - column % 8)) & 1
                            : line[column] > 127;
        if (on) {
          canvas.Set(x + slot->bitmap_left + static_cast<int>(column),
                     top + kAscent - slot->bitmap_top + static_cast<int>(row), ink);
        }
      }
    }
  }

  // Draws a code page 932 row, advancing by the width table as Windows would.
  void DrawRow(Canvas& canvas, const std::string& row, int x, int top) {
    for (std::size_t at = 0; at < row.size();) {
      const std::size_t length = tarumo::CharacterLength(std::string_view(row).substr(at));
      const std::string character = row.substr(at, length);
      Draw(canvas, FirstCodePoint(tarumo::Cp932ToUtf8(character).value_or("?")), x, top, kInk);
      x += tarumo::MeasureRow(character).dots;
      at += length;
    }
  }

  int AdvanceOf(char32_t code) {
    if (FT_Load_Char(face_, code, FT_LOAD_DEFAULT) != 0) return 0;
    return static_cast<int>(face_->glyph->advance.x >> 6);
  }

 private:
  FT_Face face_;
};

std::vector<Glyph> ReadLibrary(const fs::path& library) {
  std::vector<Glyph> glyphs;
  for (const char* folder : {"ext", "low", "up", "data"}) {
    if (!fs::is_directory(library / folder)) continue;
    for (const auto& entry : fs::directory_iterator(library / folder)) {
      const fs::path& path = entry.path();
      if (!entry.is_regular_file() || path.extension() != ".txt") continue;
      std::ifstream in(path, std::ios::binary);
      const std::string bytes{std::istreambuf_iterator<char>(in), {}};
      Glyph glyph;
      glyph.caption = path.stem().string();
      glyph.key = tarumo::Utf8ToCp932(glyph.caption).value_or(glyph.caption);
      glyph.rows = tarumo::SplitGlyphText(bytes);
      glyph.rows.resize(3);
      for (const std::string& row : glyph.rows) {
        glyph.width = std::max(glyph.width, tarumo::MeasureRow(row).dots);
      }
      glyphs.push_back(std::move(glyph));
    }
  }
  std::sort(glyphs.begin(), glyphs.end(),
            [](const Glyph& a, const Glyph& b) { return a.key < b.key; });
  return glyphs;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: render-glyph-gallery FONT LIBRARY OUTPUT.pgm\n";
    return 2;
  }
  FT_Library freetype;
  FT_Face face;
  if (FT_Init_FreeType(&freetype) != 0 || FT_New_Face(freetype, argv[1], 0, &face) != 0 ||
      FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0 || FT_Set_Pixel_Sizes(face, 0, 16) != 0) {
    std::cerr << "render-glyph-gallery: cannot read the font " << argv[1] << "\n";
    return 1;
  }
  const std::vector<Glyph> glyphs = ReadLibrary(argv[2]);
  Pen pen(face);

  // Flow the pictures into lines of the page; a caption line under each line of pictures.
  constexpr int kEntryHeight = 3 * kLinePitch + 4 + kLinePitch + kGap;
  struct Placed {
    const Glyph* glyph;
    int x, y;
  };
  std::vector<Placed> placed;
  int x = kMargin, y = kMargin;
  for (const Glyph& glyph : glyphs) {
    const int width = std::max(glyph.width, 16);
    if (x > kMargin && x + width > kPageWidth - kMargin) x = kMargin, y += kEntryHeight;
    placed.push_back({&glyph, x, y});
    x += width + kGap;
  }
  Canvas canvas(kPageWidth, y + kEntryHeight + kMargin);
  for (const Placed& p : placed) {
    canvas.Fill(p.x, p.y, p.glyph->width, 3 * kLinePitch, kGround);
    for (int row = 0; row < 3; ++row) {
      pen.DrawRow(canvas, p.glyph->rows[row], p.x, p.y + row * kLinePitch);
    }
    const char32_t code = FirstCodePoint(p.glyph->caption);
    const int captionX = p.x + (std::max(p.glyph->width, 16) - pen.AdvanceOf(code)) / 2;
    pen.Draw(canvas, code, captionX, p.y + 3 * kLinePitch + 4, kCaptionInk);
  }
  if (!canvas.WritePgm(argv[3])) {
    std::cerr << "render-glyph-gallery: cannot write " << argv[3] << "\n";
    return 1;
  }
  std::cout << glyphs.size() << " glyphs drawn\n";
  return 0;
}
