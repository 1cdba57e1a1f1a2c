// The failure type of the whole program and the platform's standard message texts.
//
// Every failure that a command does not expect is raised as an Error whose message is
// shown, as it stands, in the standard error box. Messages are code page 932 bytes.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tarumo {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// The standard message texts. %s stands for a text, %d for a number.
namespace messages {
inline constexpr const char* kListIndexOutOfBounds = "リストのインデックスが範囲を超えています (%d)";
inline constexpr const char* kCannotOpenFile = "ファイル %s は開けません";
inline constexpr const char* kCannotCreateFile = "ファイル %s を作成できません";
inline constexpr const char* kStreamWriteError = "ストリームへの書き込みエラー";
inline constexpr const char* kNotAnInteger = "'%s' は整数ではありません";
inline constexpr const char* kCannotWriteIni = "%s に書き込めません";
inline constexpr const char* kCannotOpenClipboard = "クリップボードを開くことができません";
inline constexpr const char* kTextTooLargeForMemo = "文字列の大きさが メモ の制限を越えました";
}  // namespace messages

// Fills the single %s of `format` with `text`.
std::string FormatText(const char* format, std::string_view text);

// Fills the single %d of `format` with `number`.
std::string FormatNumber(const char* format, long long number);

}  // namespace tarumo
