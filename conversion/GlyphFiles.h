// Finding and reading the glyph file of a character key.
//
// The glyph library is four folders in the program folder: `ext` holds glyphs of any class and
// is searched first; `low` the full-width lowercase letters, `up` the full-width uppercase
// letters, `data` everything else, the empty key included.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

namespace tarumo {

// The three rows of a glyph picture, top row first, exactly as stored.
using GlyphRows = std::array<std::string, 3>;

// The class folder prefix of a key: "low\", "up\" or "data\".
const char* ClassFolderOf(std::string_view key);

// The path of the first existing glyph file of `key` under `programFolder` (which ends in a
// backslash): ext\<key>.txt, then <class folder>\<key>.txt. Nothing when neither exists.
std::optional<std::string> FindGlyphFile(const std::string& programFolder, std::string_view key,
                                         const FileSystem& files);

// The lines of a glyph file's bytes: a NUL ends the text; CR LF, a lone CR or a lone LF end a
// line; a break at the very end starts no further line.
std::vector<std::string> SplitGlyphText(std::string_view bytes);

// The first three lines of the glyph file at `path`. Raises Error("ファイル <path> は開けません")
// when it cannot be read, Error("リストのインデックスが範囲を超えています (<k>)") when row k,
// counted from 0, is missing.
GlyphRows ReadGlyphRows(const std::string& path, const FileSystem& files);

}  // namespace tarumo
