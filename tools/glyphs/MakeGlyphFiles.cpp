// make-glyph-files LIBRARY DESIGN...: writes the glyph library's class folders from the
// designs, one file per character, in code page 932 with CR LF.
//
// A design file is UTF-8. "== X" starts the glyph of the character X ("== U+3000" names one by
// its code point); "== ~name" starts a part, drawn like a glyph but written to no file, for
// other glyphs to be made of. The three lines that follow, each starting with "|", are its
// rows, where "·" stands for a blank cell of 16 dots (a full-width and a half-width space).
// "== X = Y M" makes X from the glyph of Y with the mark M set after its top row (the voiced
// and semi-voiced kana); "== X = A + B [+ C...]" sets the glyphs or parts A, B, ... side by
// side (the left and right halves of a kanji). Lines starting with "#" and empty lines are
// skipped.
//
// Rows are drawn left-aligned: trailing spaces are dropped, and every row is filled up on the
// right with full-width and single half-width spaces until all three have the same width in
// the reader's font. Every row then ends in a full-width space: the 11-dot gap keeps pictures
// set side by side from joining into one ("は" and "な" would otherwise share a stroke). The
// folders low, up and data are made anew; ext is left as it is.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "conversion/GlyphFiles.h"
#include "conversion/SpacingRules.h"
#include "fontwidths/ReaderFontWidths.h"
#include "platform/posix/Cp932.h"

namespace {

namespace fs = std::filesystem;
using tarumo::MeasureRow;

constexpr int kFullWidthSpaceDots = 11;
constexpr int kHalfWidthSpaceDots = 5;
const std::string kFullWidthSpace = "\x81\x40";

struct Design {
  std::string name;                 // UTF-8, for messages and the file name
  std::string where;                // design file and line
  std::vector<std::string> rows;    // UTF-8 as drawn
  std::string base, mark;           // for a glyph made from another one and a mark
  std::vector<std::string> joined;  // for a glyph made of others side by side

  bool IsPart() const { return name.rfind('~', 0) == 0; }
  bool IsDrawn() const { return base.empty() && joined.empty(); }
};

std::optional<std::string> NameOf(const std::string& text) {
  if (text.rfind("U+", 0) == 0) {
    char32_t code = std::strtoul(text.c_str() + 2, nullptr, 16);
    std::string utf8;
    if (code < 0x80) {
      utf8 += static_cast<char>(code);
    } else if (code < 0x800) {
      utf8 += static_cast<char>(0xC0 | code >> 6);
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      utf8 += static_cast<char>(0xE0 | code >> 12);
      utf8 += static_cast<char>(0x80 | (code >> 6 & 0x3F));
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    }
    return utf8;
  }
  return text.empty() ? std::nullopt : std::optional<std::string>(text);
}

bool ReadDesigns(const std::string& path, std::vector<Design>& designs) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << path << ": cannot read\n";
    return false;
  }
  std::string line;
  int number = 0;
  bool ok = true;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string where = path + ":" + std::to_string(number);
    if (line.empty() || line[0] == '#') continue;
    if (line.rfind("== ", 0) == 0) {
      std::string header = line.substr(3);
      const std::size_t derived = header.find(" = ");
      if (derived != std::string::npos) {
        Design design{header.substr(0, derived), where, {}, {}, {}, {}};
        std::istringstream from(header.substr(derived + 3));
        std::vector<std::string> words{std::istream_iterator<std::string>(from), {}};
        const bool join = words.size() >= 3 && words.size() % 2 == 1 &&
                          std::all_of(words.begin(), words.end(), [&, i = 0](auto& w) mutable {
                            return (i++ % 2 == 1) == (w == "+");
                          });
        if (join) {
          for (std::size_t i = 0; i < words.size(); i += 2) design.joined.push_back(words[i]);
        } else if (words.size() == 2) {
          design.base = words[0], design.mark = words[1];
        } else {
          std::cerr << where << ": neither \"X = Y MARK\" nor \"X = A + B\"\n";
          ok = false;
          continue;
        }
        designs.push_back(std::move(design));
        continue;
      }
      const auto name = NameOf(header);
      if (!name) {
        std::cerr << where << ": a glyph needs a character\n";
        ok = false;
        continue;
      }
      designs.push_back({*name, where, {}, {}, {}, {}});
    } else if (line[0] == '|' && !designs.empty() && designs.back().IsDrawn() &&
               designs.back().rows.size() < 3) {
      designs.back().rows.push_back(line.substr(1));
    } else {
      std::cerr << where << ": neither a glyph's start, one of its three rows, nor a comment\n";
      ok = false;
    }
  }
  return ok;
}

std::string WithBlankCells(const std::string& row) {
  const std::string mark = "\xC2\xB7", cell = "\xE3\x80\x80 ";  // "·" and U+3000, space
  std::string out = row;
  for (std::size_t at = 0; (at = out.find(mark, at)) != std::string::npos; at += cell.size()) {
    out.replace(at, mark.size(), cell);
  }
  return out;
}

std::string StripTrailingSpaces(std::string row) {
  for (;;) {
    if (!row.empty() && row.back() == ' ') {
      row.pop_back();
    } else if (row.size() >= 2 && row.compare(row.size() - 2, 2, kFullWidthSpace) == 0) {
      row.resize(row.size() - 2);
    } else {
      return row;
    }
  }
}

// Spaces of `dots` width with no two half-width spaces together, starting with a half-width
// space only when `mayStartHalf`; nothing when no such run exists.
std::optional<std::string> Padding(int dots, bool mayStartHalf) {
  for (int full = 0; full * kFullWidthSpaceDots <= dots; ++full) {
    const int rest = dots - full * kFullWidthSpaceDots;
    if (rest % kHalfWidthSpaceDots != 0) continue;
    const int half = rest / kHalfWidthSpaceDots;
    if (half > full + (mayStartHalf ? 1 : 0)) continue;
    std::string padding;
    int fullLeft = full, halfLeft = half;
    if (half > full) padding += ' ', --halfLeft;
    while (fullLeft > 0) {
      padding += kFullWidthSpace, --fullLeft;
      if (halfLeft > 0) padding += ' ', --halfLeft;
    }
    return padding;
  }
  return std::nullopt;
}

bool Fail(const Design& design, const std::string& what) {
  std::cerr << design.where << ": " << design.name << ": " << what << "\n";
  return false;
}

// Whether a row may stand in the output editor as it is: its spacing rules change nothing.
bool IsSpacingSafe(const std::string& row) {
  return tarumo::ApplySpacingRulesToLine(row) == row && (row.empty() || row[0] != ' ');
}

// The rows of a drawn design, code page 932, filled up to one width.
bool Compile(const Design& design, std::vector<std::string>& rows) {
  const auto fail = [&](const std::string& what) { return Fail(design, what); };
  if (design.rows.size() != 3) return fail("needs three rows");

  std::vector<int> widths;
  for (std::size_t i = 0; i < 3; ++i) {
    auto row = tarumo::Utf8ToCp932(WithBlankCells(design.rows[i]));
    if (!row) return fail("row " + std::to_string(i + 1) + " is not code page 932");
    rows.push_back(*row);
    if (!IsSpacingSafe(rows.back())) {
      return fail("row " + std::to_string(i + 1) +
                  " starts with a half-width space or has two in a row");
    }
    const tarumo::RowWidth width = MeasureRow(rows.back());
    if (!width.unmeasured.empty()) {
      return fail("row " + std::to_string(i + 1) + " has a character of uncertain width: " +
                  tarumo::Cp932ToUtf8(width.unmeasured.front().bytes).value_or("?"));
    }
    widths.push_back(width.dots);
  }
  if (std::adjacent_find(widths.begin(), widths.end(), std::not_equal_to<>()) == widths.end()) {
    return true;  // drawn to one width already
  }
  for (std::size_t i = 0; i < 3; ++i) {
    rows[i] = StripTrailingSpaces(rows[i]);
    widths[i] = MeasureRow(rows[i]).dots;
  }

  // The narrowest common width that every row can be filled up to.
  const int widest = *std::max_element(widths.begin(), widths.end());
  for (int target = widest; target < widest + 2 * kFullWidthSpaceDots; ++target) {
    std::vector<std::string> padded = rows;
    bool fits = true;
    for (std::size_t i = 0; i < 3 && fits; ++i) {
      const bool mayStartHalf = !padded[i].empty() && padded[i].back() != ' ';
      const auto padding = Padding(target - widths[i], mayStartHalf);
      fits = padding.has_value();
      if (fits) padded[i] += *padding;
    }
    if (fits) {
      rows = std::move(padded);
      return true;
    }
  }
  return fail("rows of " + std::to_string(widths[0]) + ", " + std::to_string(widths[1]) + " and " +
              std::to_string(widths[2]) + " dots cannot be filled to one width");
}

// Sets `mark` after the top row of the finished `rows`, and as much blank after the others.
bool AddMark(const Design& design, const std::string& mark, std::vector<std::string>& rows) {
  const auto cp932 = tarumo::Utf8ToCp932(WithBlankCells(mark));
  const int dots = cp932 ? MeasureRow(*cp932).dots : 0;
  if (!cp932 || dots == 0) {
    std::cerr << design.where << ": " << design.name << ": the mark " << mark
              << " is not code page 932\n";
    return false;
  }
  rows[0] += *cp932;
  for (std::size_t i = 1; i < 3; ++i) {
    const auto padding = Padding(dots, !rows[i].empty() && rows[i].back() != ' ');
    if (!padding) {
      std::cerr << design.where << ": " << design.name << ": no blank as wide as " << mark << "\n";
      return false;
    }
    rows[i] += *padding;
  }
  return true;
}

// The finished rows of every design, by name, each made once from what it is made of.
class Glyphs {
 public:
  explicit Glyphs(const std::vector<Design>& designs) {
    for (const Design& design : designs) byName_[design.name] = &design;
  }

  const std::vector<std::string>* RowsOf(const Design& design) {
    if (const auto made = made_.find(design.name); made != made_.end()) {
      return made->second ? &*made->second : nullptr;
    }
    if (!making_.insert(design.name).second) {
      Fail(design, "is made of itself");
      return nullptr;
    }
    std::vector<std::string> rows;
    const bool ok = Make(design, rows);
    auto& made = made_[design.name];
    if (ok) made = std::move(rows);
    return made ? &*made : nullptr;
  }

 private:
  bool Make(const Design& design, std::vector<std::string>& rows) {
    if (design.IsDrawn()) return Compile(design, rows);
    if (!design.base.empty()) {
      const Design* base = Find(design, design.base);
      const auto* baseRows = base ? RowsOf(*base) : nullptr;
      if (!baseRows) return false;
      rows = *baseRows;
      return AddMark(design, design.mark, rows);
    }
    rows.assign(3, {});
    for (const std::string& name : design.joined) {
      const Design* part = Find(design, name);
      const auto* partRows = part ? RowsOf(*part) : nullptr;
      if (!partRows) return false;
      for (std::size_t i = 0; i < 3; ++i) rows[i] += (*partRows)[i];
    }
    for (std::size_t i = 0; i < 3; ++i) {
      if (!IsSpacingSafe(rows[i])) {
        return Fail(design, "row " + std::to_string(i + 1) + " has two half-width spaces where " +
                                "its parts meet");
      }
    }
    return true;
  }

  const Design* Find(const Design& user, const std::string& name) {
    const auto found = byName_.find(name);
    if (found == byName_.end()) {
      Fail(user, "no glyph or part " + name + " to make it of");
      return nullptr;
    }
    return found->second;
  }

  std::map<std::string, const Design*> byName_;
  std::map<std::string, std::optional<std::vector<std::string>>> made_;
  std::set<std::string> making_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: make-glyph-files LIBRARY DESIGN...\n";
    return 2;
  }
  const fs::path library = argv[1];
  std::vector<Design> designs;
  bool ok = true;
  for (int i = 2; i < argc; ++i) ok = ReadDesigns(argv[i], designs) && ok;

  std::map<std::string, const Design*> drawnTwice;
  for (const Design& design : designs) {
    if (!drawnTwice.emplace(design.name, &design).second) {
      ok = Fail(design, "is drawn twice");
    }
  }
  Glyphs made(designs);
  std::map<std::string, std::pair<std::string, std::vector<std::string>>> glyphs;  // by key
  for (const Design& design : designs) {
    const auto* rows = made.RowsOf(design);
    if (!rows) {
      ok = false;
      continue;
    }
    if (design.IsPart()) continue;
    const auto key = tarumo::Utf8ToCp932(design.name);
    if (!key || key->size() != 2) {
      ok = Fail(design, "not one double-byte character");
      continue;
    }
    glyphs[*key] = {design.name, *rows};
  }
  if (!ok) return 1;

  for (const char* folder : {"low", "up", "data"}) {
    fs::remove_all(library / folder);
    fs::create_directories(library / folder);
  }
  for (const auto& [key, glyph] : glyphs) {
    std::string folder = tarumo::ClassFolderOf(key);
    folder.pop_back();  // the backslash
    std::ofstream out(library / folder / (glyph.first + ".txt"), std::ios::binary);
    for (const std::string& row : glyph.second) out << row << kFullWidthSpace << "\r\n";
    if (!out) {
      std::cerr << "cannot write the glyph of " << glyph.first << "\n";
      return 1;
    }
  }
  std::cout << glyphs.size() << " glyph files written to " << library.string() << "\n";
  return 0;
}
