// Creating, replacing and removing files, with the program's code page 932 paths.
#pragma once

#include <string>
#include <string_view>

namespace tarumo {

class FileWriter {
 public:
  virtual ~FileWriter() = default;

  // Makes the file at `path` hold exactly `bytes`, creating it or replacing an existing one.
  // The bytes go to a new file beside the target first, which takes the target's place only
  // once every byte is written, so an existing file is either the old one or the new one.
  // Raises Error("ファイル <path> を作成できません") when the file cannot be created or
  // replaced (a missing folder, a read-only or busy target), and
  // Error("ストリームへの書き込みエラー") when writing fails part-way (a full disk).
  virtual void WriteAll(const std::string& path, std::string_view bytes) = 0;

  // Deletes the file if it can; a missing or busy file is left as it is, without a word.
  virtual void Remove(const std::string& path) noexcept = 0;
};

}  // namespace tarumo
