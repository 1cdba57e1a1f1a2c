// fit-check GLYPHS PX INPUT OUTPUT: checks what `tarumo2-cli --encoding cp932 --blank 1
// --width PX --glyphs GLYPHS INPUT` wrote to OUTPUT (both code page 932, LF).
//
// For every input line the row sets that the fitter gives are checked to hold the line's
// characters in order, nothing left out but blanks between row sets or after the last; each
// row set's three output lines must be what the plain conversion makes of its characters alone,
// followed by one spacing line; and every output row, measured in the reader's font, must be
// at most PX dots wide unless its row set is one character. Prints what it found; exit status
// 1 when anything is wrong.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "conversion/LineBreakRules.h"
#include "conversion/LineConverter.h"
#include "conversion/RowSetFitter.h"
#include "conversion/SpacingRules.h"
#include "fontwidths/ReaderFontWidths.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixTextServices.h"

namespace {

using namespace tarumo;

struct Findings {
  std::int64_t lines = 0, characters = 0, brokenLines = 0, rowSets = 0, droppedBlanks = 0;
  std::int64_t wideAlone = 0, closingFirst = 0, openingLast = 0, unequalRows = 0;
  std::int64_t faults = 0;
  int widest = 0;                  // of the row sets of more than one character
  double fillOfBroken = 0;         // the sum of width / PX over row sets followed by another
  std::int64_t brokenRowSets = 0;  // how many those are
};

int Fail(Findings& found, std::int64_t line, const std::string& what) {
  if (++found.faults <= 20) std::cerr << "line " << line << ": " << what << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: fit-check GLYPHS PX INPUT OUTPUT\n";
    return 2;
  }
  const int maxWidth = std::atoi(argv[2]);
  std::ifstream input(argv[3], std::ios::binary), output(argv[4], std::ios::binary);
  if (maxWidth <= 0 || !input || !output) {
    std::cerr << "fit-check: bad width, or a file that cannot be read\n";
    return 2;
  }
  const PosixFileSystem files;
  const PosixTextServices text;
  const GlyphLibrary library{std::string(argv[1]) + "\\", files, text};
  LineConverter fitted(library), plain(library);
  RowSetFitter fitter(maxWidth);
  Findings found;
  std::vector<std::string> missing;
  GlyphRows expected;
  std::string line, written;
  const auto nextOutput = [&](std::string& into) { return bool(std::getline(output, into)); };

  while (std::getline(input, line)) {
    const std::int64_t number = ++found.lines;
    const std::vector<LineCharacter>& characters = fitted.Characters(line, missing);
    const std::vector<CharacterRange>& ranges = fitter.Fit(characters);
    found.characters += static_cast<std::int64_t>(characters.size());
    if (ranges.size() > 1) ++found.brokenLines;

    // In order, and nothing but blanks outside them once the first has begun.
    std::size_t at = 0;
    for (std::size_t r = 0; r < ranges.size(); ++r) {
      const CharacterRange& range = ranges[r];
      if (range.first < at || range.last < range.first || (r == 0 && range.first != 0) ||
          (range.first == range.last && characters.size() > 0)) {
        Fail(found, number, "row sets out of order or empty");
      }
      for (; at < range.first; ++at) {
        if (!IsBlank(characters[at].text))
          Fail(found, number, "a character that is no blank left out");
        ++found.droppedBlanks;
      }
      at = range.last;
    }
    for (; at < characters.size(); ++at) {
      if (!IsBlank(characters[at].text)) Fail(found, number, "a character left out at the end");
      ++found.droppedBlanks;
    }

    for (std::size_t r = 0; r < ranges.size(); ++r) {
      const CharacterRange& range = ranges[r];
      ++found.rowSets;
      std::string own;
      for (std::size_t i = range.first; i < range.last; ++i) own += characters[i].text;
      // After a row set of the line's leading blanks alone, a closing mark closes nothing.
      const auto blanksOnly = [&](const CharacterRange& before) {
        for (std::size_t i = before.first; i < before.last; ++i) {
          if (!IsBlank(characters[i].text)) return false;
        }
        return true;
      };
      if (r > 0 && IsClosingMark(characters[range.first].text) && !blanksOnly(ranges[r - 1])) {
        ++found.closingFirst;
      }
      if (r + 1 < ranges.size() && IsOpeningMark(characters[range.last - 1].text)) {
        ++found.openingLast;
      }
      missing.clear();
      plain.Convert(own, expected, missing);
      int widest = 0, narrowest = 1 << 30;
      for (std::string& row : expected) {
        if (!nextOutput(written)) return Fail(found, number, "the output ends early"), 1;
        if (written != ApplySpacingRulesToLine(std::move(row))) {
          Fail(found, number, "an output row is not its row set's characters' picture");
        }
        const int dots = MeasureRow(written).dots;
        widest = std::max(widest, dots);
        narrowest = std::min(narrowest, dots);
      }
      if (!nextOutput(written) || !written.empty()) Fail(found, number, "no spacing line");
      if (widest != narrowest) ++found.unequalRows;
      if (range.last - range.first > 1) {
        found.widest = std::max(found.widest, widest);
        if (widest > maxWidth) Fail(found, number, "a row set wider than " + std::string(argv[2]));
      } else if (widest > maxWidth) {
        ++found.wideAlone;
      }
      if (r + 1 < ranges.size()) {
        found.fillOfBroken += static_cast<double>(widest) / maxWidth;
        ++found.brokenRowSets;
      }
    }
    missing.clear();
  }
  if (nextOutput(written)) Fail(found, found.lines, "the output goes on after the input");

  std::cout << "width " << maxWidth << ": " << found.lines << " lines, " << found.characters
            << " characters, " << found.brokenLines << " lines broken, " << found.rowSets
            << " row sets; widest row set of more than one character " << found.widest
            << " dots; single characters wider than the width " << found.wideAlone
            << "; blanks dropped at breaks " << found.droppedBlanks
            << "; row sets that begin with a closing mark " << found.closingFirst
            << ", end with an opening one " << found.openingLast
            << "; row sets whose rows differ in width " << found.unequalRows
            << "; mean fill of the row sets before a break "
            << (found.brokenRowSets ? 100 * found.fillOfBroken / found.brokenRowSets : 0)
            << "%; faults " << found.faults << "\n";
  return found.faults == 0 ? 0 : 1;
}
