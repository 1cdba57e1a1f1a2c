#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "fontwidths/ReaderFontWidths.h"

namespace tarumo {
namespace {

// The reader's font as the program's window asks for it, 12 pt at 96 dpi.
class ReaderFontDc {
 public:
  ReaderFontDc()
      : dc_(CreateCompatibleDC(nullptr)),
        font_(CreateFontA(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, "ＭＳ Ｐゴシック")) {
    if (dc_ && font_) old_ = SelectObject(dc_, font_);
  }
  ~ReaderFontDc() {
    if (old_) SelectObject(dc_, old_);
    if (font_) DeleteObject(font_);
    if (dc_) DeleteDC(dc_);
  }
  ReaderFontDc(const ReaderFontDc&) = delete;
  ReaderFontDc& operator=(const ReaderFontDc&) = delete;

  HDC dc() const { return dc_; }
  explicit operator bool() const { return old_ != nullptr; }

  int Width(const std::string& text) const {
    SIZE size{};
    if (!GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size)) return -1;
    return size.cx;
  }

 private:
  HDC dc_;
  HFONT font_;
  HGDIOBJ old_ = nullptr;
};

void AddRange(std::vector<std::string>& sample, unsigned first, unsigned last) {
  for (unsigned code = first; code <= last; ++code) {
    if (code > 0xFF) {
      if ((code & 0xFF) < 0x40 || (code & 0xFF) == 0x7F || (code & 0xFF) > 0xFC) continue;
      sample.push_back({static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)});
    } else {
      sample.push_back(std::string(1, static_cast<char>(code)));
    }
  }
}

// ASCII, half-width kana, the punctuation rows, full-width letters and digits, kana, box
// drawing, and kanji from both levels and the extension rows.
std::vector<std::string> Sample() {
  std::vector<std::string> sample;
  AddRange(sample, 0x20, 0x7E);
  AddRange(sample, 0xA1, 0xDF);
  AddRange(sample, 0x8140, 0x81FC);
  AddRange(sample, 0x824F, 0x82F1);
  AddRange(sample, 0x8340, 0x8396);
  AddRange(sample, 0x849F, 0x84BE);
  AddRange(sample, 0x889F, 0x88FC);
  AddRange(sample, 0x989F, 0x98FC);
  AddRange(sample, 0xE040, 0xE0FC);
  const std::string kanji =
      "一右雨円王音下火花貝学気九休玉金空月犬見五口校左三山子四糸字耳七車手十出女小上森人水正生青"
      "夕石赤千川先早草足村大男竹中虫町天田土二日入年白八百文木本名目立力林六";
  for (std::size_t at = 0; at + 1 < kanji.size(); at += 2) sample.push_back(kanji.substr(at, 2));
  return sample;
}

TEST(ReaderFontWidthsGdi, FontIsTheMappedReaderFont) {
  const ReaderFontDc font;
  ASSERT_TRUE(font);
  char face[LF_FACESIZE] = {};
  GetTextFaceA(font.dc(), sizeof face, face);
  EXPECT_STREQ(face, "ＭＳ Ｐゴシック");
  TEXTMETRICA metrics{};
  ASSERT_TRUE(GetTextMetricsA(font.dc(), &metrics));
  EXPECT_EQ(metrics.tmHeight, 16);
  EXPECT_EQ(metrics.tmCharSet, SHIFTJIS_CHARSET);
  // Only a font with embedded bitmaps, as Mona has, can stand for the reader's font here.
  constexpr DWORD kEblc =
      'E' | 'B' << 8 | 'L' << 16 | 'C' << 24;  // the table's tag, as GDI reads it
  const DWORD bitmapLocations = GetFontData(font.dc(), kEblc, 0, nullptr, 0);
  EXPECT_NE(bitmapLocations, GDI_ERROR) << "the font is not Mona: is the replacement set?";
}

TEST(ReaderFontWidthsGdi, GdiLaysOutEverySampleCharacterAsTheTableSays) {
  const ReaderFontDc font;
  ASSERT_TRUE(font);
  int compared = 0;
  for (const std::string& character : Sample()) {
    const CharacterWidth width = WidthOfCharacter(character);
    if (width.kind != CharacterWidth::Kind::kDots) continue;
    ++compared;
    // Wine lays out the outlines; where the bitmaps differ the table flags the width.
    EXPECT_EQ(font.Width(character), width.outline)
        << "character 0x" << std::hex
        << (static_cast<unsigned>(static_cast<unsigned char>(character[0])) << 8 |
            static_cast<unsigned char>(character.back()));
  }
  EXPECT_GT(compared, 900);
}

TEST(ReaderFontWidthsGdi, RowsMeasureAsGdiMeasuresThem) {
  const ReaderFontDc font;
  ASSERT_TRUE(font);
  // A picture row as the library draws them: box lines, full-width and single spaces, kana.
  for (const std::string row : {"─┼─", "　 │　 ", "／￣＼ ノ", "(ノ⌒)あア", "ab 　 ｱｲ"}) {
    const RowWidth width = MeasureRow(row);
    ASSERT_TRUE(width.unmeasured.empty()) << row;
    EXPECT_EQ(font.Width(row), width.dots) << row;
  }
}

}  // namespace
}  // namespace tarumo
