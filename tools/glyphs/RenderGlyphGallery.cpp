// render-glyph-gallery [--characters FILE] [--numbered] FONT LIBRARY OUTPUT.pgm
// render-glyph-gallery --pages FONT LIBRARY FOLDER
//
// Draws the glyphs of the library as a reader sees them, in the reader's font at 16 dots per
// em with its bitmaps, rows 16 dots apart, each picture on a light ground that shows its width
// and with its character under it. --characters draws only the characters of a UTF-8 text
// file, in its order; --numbered puts numbers from 1 under the pictures instead of their
// characters, for a reader who is to name them unaided. --pages draws one page per class of
// the coverage report into FOLDER (glyphs-ascii.pgm, glyphs-kana.pgm, glyphs-symbols.pgm,
// glyphs-kanji-1.pgm ... glyphs-kanji-6.pgm, glyphs-kanji-frequent.pgm, glyphs-greek-cyrillic.pgm,
// glyphs-row13.pgm, glyphs-kanji-level1-1.pgm ..., glyphs-kanji-level2.pgm, glyphs-other.pgm),
// each glyph on the first page whose classes hold it; a page that would be empty is not drawn,
// and a class of more than 400 glyphs is drawn on several pages.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "cli/GlyphCoverage.h"
#include "conversion/GlyphFiles.h"
#include "fontwidths/ReaderFontWidths.h"
#include "platform/posix/Cp932.h"
#include "platform/posix/PosixTextServices.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPageWidth = 1200;
// A numbered sheet is looked at at twice its size; at this width it stays within the 1,568
// dots an image viewer shows unscaled, so that no dot of a picture is smoothed away.
constexpr int kSheetWidth = 760;
// A class with more glyphs than this is drawn on several pages of about equal size.
constexpr std::size_t kGlyphsPerPage = 400;
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

std::vector<char32_t> CodePoints(const std::string& utf8) {
  std::vector<char32_t> codes;
  for (std::size_t at = 0; at < utf8.size(); ++at) {
    if ((utf8[at] & 0xC0) != 0x80) codes.push_back(FirstCodePoint(utf8.substr(at)));
  }
  return codes;
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

  // Draws a caption (UTF-8: one character, or the digits of a number) centred over `width`.
  void DrawCaption(Canvas& canvas, const std::string& caption, int x, int width, int top) {
    DrawText(canvas, caption, x + (width - AdvanceOf(caption)) / 2, top);
  }

  // Draws UTF-8 text with its top-left at (x, top).
  void DrawText(Canvas& canvas, const std::string& text, int x, int top) {
    for (char32_t code : CodePoints(text)) {
      Draw(canvas, code, x, top, kCaptionInk);
      x += AdvanceOf(code);
    }
  }

  int AdvanceOf(const std::string& text) {
    int advance = 0;
    for (char32_t code : CodePoints(text)) advance += AdvanceOf(code);
    return advance;
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

// The glyphs of `characters` (UTF-8), in its order, each once; those without a glyph are left out.
std::vector<Glyph> Select(const std::vector<Glyph>& library, const std::string& characters) {
  std::vector<Glyph> chosen;
  std::set<std::string> seen;
  for (std::size_t at = 0; at < characters.size();) {
    std::size_t length = 1;
    while (at + length < characters.size() && (characters[at + length] & 0xC0) == 0x80) ++length;
    const std::string character = characters.substr(at, length);
    at += length;
    const auto glyph = std::find_if(library.begin(), library.end(),
                                    [&](const Glyph& g) { return g.caption == character; });
    if (glyph != library.end() && seen.insert(character).second) chosen.push_back(*glyph);
  }
  return chosen;
}

// Flows the pictures into lines of a page, a caption line under each line of pictures, under
// a title when there is one.
bool DrawPage(Pen& pen, const std::vector<Glyph>& glyphs, const std::string& title,
              const std::string& path, int pageWidth = kPageWidth) {
  constexpr int kEntryHeight = 3 * kLinePitch + 4 + kLinePitch + kGap;
  struct Placed {
    const Glyph* glyph;
    int x, y;
  };
  std::vector<Placed> placed;
  const int top = kMargin + (title.empty() ? 0 : kLinePitch + kGap);
  int x = kMargin, y = top;
  for (const Glyph& glyph : glyphs) {
    const int width = std::max(glyph.width, 16);
    if (x > kMargin && x + width > pageWidth - kMargin) x = kMargin, y += kEntryHeight;
    placed.push_back({&glyph, x, y});
    x += width + kGap;
  }
  Canvas canvas(pageWidth, y + kEntryHeight + kMargin);
  if (!title.empty()) pen.DrawText(canvas, title, kMargin, kMargin);
  for (const Placed& p : placed) {
    canvas.Fill(p.x, p.y, p.glyph->width, 3 * kLinePitch, kGround);
    for (int row = 0; row < 3; ++row) {
      pen.DrawRow(canvas, p.glyph->rows[row], p.x, p.y + row * kLinePitch);
    }
    pen.DrawCaption(canvas, p.glyph->caption, p.x, std::max(p.glyph->width, 16),
                    p.y + 3 * kLinePitch + 4);
  }
  if (!canvas.WritePgm(path)) {
    std::cerr << "render-glyph-gallery: cannot write " << path << "\n";
    return false;
  }
  return true;
}

struct GalleryPage {
  const char* name;
  std::vector<std::string> classes;
};

// One page per class of the coverage report, in the report's order; what no class holds
// goes on the last page.
bool DrawClassPages(Pen& pen, const std::vector<Glyph>& library, const fs::path& folder) {
  const std::vector<GalleryPage> pages = {
      {"ascii", {"ASCII (full-width)"}},         {"kana", {"hiragana", "katakana"}},
      {"symbols", {"punctuation", "symbols"}},   {"kanji-1", {"kanji, school year 1"}},
      {"kanji-2", {"kanji, school year 2"}},     {"kanji-3", {"kanji, school year 3"}},
      {"kanji-4", {"kanji, school year 4"}},     {"kanji-5", {"kanji, school year 5"}},
      {"kanji-6", {"kanji, school year 6"}},     {"kanji-frequent", {"frequent kanji"}},
      {"greek-cyrillic", {"greek", "cyrillic"}}, {"row13", {"row 13"}},
      {"kanji-level1", {"kanji, first level"}},  {"kanji-level2", {"kanji, second level (board)"}},
  };
  const tarumo::PosixTextServices text;
  std::map<std::string, std::vector<std::string>> classKeys;
  for (auto& [name, keys] : tarumo::cli::CoverageClasses(text)) classKeys[name] = std::move(keys);

  std::set<std::string> drawn;
  const auto draw = [&](const char* name, const std::string& title,
                        const std::vector<Glyph>& glyphs) {
    std::cout << name << ": " << glyphs.size() << " glyphs\n";
    if (glyphs.empty()) return true;  // no page for a class without glyphs
    const std::string heading = title + ": " + std::to_string(glyphs.size()) + " glyphs";
    if (glyphs.size() <= kGlyphsPerPage) {
      return DrawPage(pen, glyphs, heading,
                      (folder / ("glyphs-" + std::string(name) + ".pgm")).string());
    }
    // A large class goes on several pages, each small enough to be looked at.
    const std::size_t parts = (glyphs.size() + kGlyphsPerPage - 1) / kGlyphsPerPage;
    const std::size_t perPage = (glyphs.size() + parts - 1) / parts;
    for (std::size_t first = 0, part = 1; first < glyphs.size(); first += perPage, ++part) {
      const auto end =
          glyphs.begin() + static_cast<std::ptrdiff_t>(std::min(first + perPage, glyphs.size()));
      const std::vector<Glyph> slice(glyphs.begin() + static_cast<std::ptrdiff_t>(first), end);
      const std::string file = "glyphs-" + std::string(name) + "-" + std::to_string(part) + ".pgm";
      if (!DrawPage(pen, slice, heading + ", part " + std::to_string(part),
                    (folder / file).string()))
        return false;
    }
    return true;
  };
  for (const GalleryPage& page : pages) {
    std::vector<Glyph> glyphs;
    std::string title;
    for (const std::string& className : page.classes) {
      title += (title.empty() ? "" : ", ") + className;
      for (const std::string& key : classKeys[className]) {
        if (drawn.count(key)) continue;
        for (const Glyph& glyph : library) {
          if (glyph.key == key) glyphs.push_back(glyph);
        }
        drawn.insert(key);
      }
    }
    if (!draw(page.name, title, glyphs)) return false;
  }
  std::vector<Glyph> others;
  for (const Glyph& glyph : library) {
    if (!drawn.count(glyph.key)) others.push_back(glyph);
  }
  return draw("other", "other characters", others);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  std::string charactersFile;
  bool numbered = false, pages = false;
  while (!arguments.empty() && arguments[0].rfind("--", 0) == 0) {
    if (arguments[0] == "--numbered" || arguments[0] == "--pages") {
      (arguments[0] == "--pages" ? pages : numbered) = true;
      arguments.erase(arguments.begin());
    } else if (arguments[0] == "--characters" && arguments.size() > 1) {
      charactersFile = arguments[1];
      arguments.erase(arguments.begin(), arguments.begin() + 2);
    } else {
      break;
    }
  }
  if (arguments.size() != 3) {
    std::cerr << "usage: render-glyph-gallery [--characters FILE] [--numbered] FONT LIBRARY "
                 "OUTPUT.pgm\n"
                 "       render-glyph-gallery --pages FONT LIBRARY FOLDER\n";
    return 2;
  }
  FT_Library freetype;
  FT_Face face;
  if (FT_Init_FreeType(&freetype) != 0 ||
      FT_New_Face(freetype, arguments[0].c_str(), 0, &face) != 0 ||
      FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0 || FT_Set_Pixel_Sizes(face, 0, 16) != 0) {
    std::cerr << "render-glyph-gallery: cannot read the font " << arguments[0] << "\n";
    return 1;
  }
  std::vector<Glyph> glyphs = ReadLibrary(arguments[1]);
  if (!charactersFile.empty()) {
    std::ifstream in(charactersFile, std::ios::binary);
    if (!in) {
      std::cerr << "render-glyph-gallery: cannot read " << charactersFile << "\n";
      return 1;
    }
    glyphs = Select(glyphs, std::string(std::istreambuf_iterator<char>(in), {}));
  }
  if (numbered) {
    for (std::size_t i = 0; i < glyphs.size(); ++i) glyphs[i].caption = std::to_string(i + 1);
  }
  Pen pen(face);
  if (pages) return DrawClassPages(pen, glyphs, arguments[2]) ? 0 : 1;
  if (!DrawPage(pen, glyphs, {}, arguments[2], numbered ? kSheetWidth : kPageWidth)) return 1;
  std::cout << glyphs.size() << " glyphs drawn\n";
  return 0;
}
