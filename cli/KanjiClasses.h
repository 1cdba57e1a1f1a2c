// The kanji that people most often write, by the classes of the glyph coverage report. The
// school years and the frequent kanji are made from KANJIDIC when the converter is built.
#pragma once

#include <array>
#include <string_view>

namespace tarumo::cli {

// The kanji taught in each school year, 1 to 6, as code page 932 text.
extern const std::array<std::string_view, 6> kSchoolYearKanji;

// The 1,000 kanji most frequent in newspapers, most frequent first, as code page 932 text.
extern const std::string_view kFrequentKanji;

// The second-level kanji of boards: the radicals and marks of kaomoji and text art, then the
// second-level kanji most frequent in EDICT's headwords (BoardKanji.cpp).
extern const std::string_view kBoardKanji;

}  // namespace tarumo::cli
