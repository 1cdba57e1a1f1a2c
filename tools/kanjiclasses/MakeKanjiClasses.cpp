// make-kanji-classes KANJIDIC OUTPUT.cpp: writes the kanji classes of the glyph coverage report
// from KANJIDIC (EUC-JP, one kanji a line): the kanji of each school year, from its grade
// field G1 to G6, and the 1,000 most frequent kanji, from its newspaper frequency field F1 to
// F1000, most frequent first. The kanji are written as code page 932 bytes.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kSchoolYears = 6;
constexpr int kFrequentCount = 1000;

// The code page 932 bytes of a JIS X 0208 character given in EUC-JP; empty for anything else.
std::string ShiftJisOf(const std::string& euc) {
  if (euc.size() != 2) return {};
  const int row = static_cast<unsigned char>(euc[0]) - 0x80;
  const int cell = static_cast<unsigned char>(euc[1]) - 0x80;
  if (row < 0x21 || row > 0x7E || cell < 0x21 || cell > 0x7E) return {};
  const int lead = ((row + 1) >> 1) + (row <= 0x5E ? 0x70 : 0xB0);
  const int trail = cell + ((row & 1) ? (cell >= 0x60 ? 0x20 : 0x1F) : 0x7E);
  return {static_cast<char>(lead), static_cast<char>(trail)};
}

// A field such as "G3" or "F120": its number when the word starts with `letter`, else 0.
int FieldNumber(const std::string& word, char letter) {
  if (word.size() < 2 || word[0] != letter) return 0;
  for (std::size_t i = 1; i < word.size(); ++i) {
    if (word[i] < '0' || word[i] > '9') return 0;
  }
  return std::stoi(word.substr(1));
}

std::string Literal(const std::string& bytes) {
  std::string out = "\"";
  char hex[5];
  for (unsigned char byte : bytes) {
    std::snprintf(hex, sizeof hex, "\\x%02X", byte);
    out += hex;
  }
  return out + "\"";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make-kanji-classes KANJIDIC OUTPUT.cpp\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "make-kanji-classes: cannot read " << argv[1] << "\n";
    return 1;
  }
  std::vector<std::string> years(kSchoolYears);
  std::map<int, std::string> byFrequency;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string kanji, word;
    words >> kanji;
    const std::string key = ShiftJisOf(kanji);
    if (key.empty()) continue;
    int grade = 0, frequency = 0;
    while (words >> word) {
      if (const int g = FieldNumber(word, 'G')) grade = g;
      if (const int f = FieldNumber(word, 'F')) frequency = f;
    }
    if (grade >= 1 && grade <= kSchoolYears) years[grade - 1] += key;
    if (frequency >= 1 && frequency <= kFrequentCount) byFrequency[frequency] += key;
  }
  std::string frequent;
  for (const auto& [rank, kanji] : byFrequency) frequent += kanji;

  std::ofstream out(argv[2], std::ios::binary);
  out << "// Made by make-kanji-classes from " << argv[1] << ": do not edit.\n"
      << "#include \"cli/KanjiClasses.h\"\n\nnamespace tarumo::cli {\n\n"
      << "const std::array<std::string_view, 6> kSchoolYearKanji = {\n";
  for (const std::string& year : years) out << "    " << Literal(year) << ",\n";
  out << "};\n\nconst std::string_view kFrequentKanji = " << Literal(frequent) << ";\n\n"
      << "}  // namespace tarumo::cli\n";
  if (!out) {
    std::cerr << "make-kanji-classes: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
