#include "conversion/RowSetMaker.h"

#include "conversion/SpacingRules.h"

namespace tarumo {
namespace {

void JoinRowSet(std::span<const LineCharacter> characters, RowSet& rowSet) {
  rowSet.size = {};
  for (int k = 0; k < 3; ++k) {
    std::string& row = rowSet.rows[k];
    row.clear();
    std::int64_t bytes = 0;
    for (const LineCharacter& character : characters) {
      if (!character.glyph) continue;
      row += character.glyph->rows[k];
      bytes += character.glyph->boardBytes[k];
    }
    // The rules only take out half-width spaces, a byte each in any encoding.
    const std::size_t joined = row.size();
    row = ApplySpacingRulesToLine(std::move(row));
    rowSet.size.AddLine(bytes - static_cast<std::int64_t>(joined - row.size()));
  }
}

}  // namespace

std::span<const RowSet> RowSetMaker::Make(std::string_view line,
                                          std::vector<std::string>& missing) {
  const std::vector<LineCharacter>& characters = converter_.Characters(line, missing);
  const std::vector<CharacterRange>& ranges = fitter_.Fit(characters);
  if (rowSets_.size() < ranges.size()) rowSets_.resize(ranges.size());
  for (std::size_t i = 0; i < ranges.size(); ++i) {
    const std::span<const LineCharacter> all(characters);
    JoinRowSet(all.subspan(ranges[i].first, ranges[i].last - ranges[i].first), rowSets_[i]);
  }
  return std::span<const RowSet>(rowSets_).first(ranges.size());
}

}  // namespace tarumo
