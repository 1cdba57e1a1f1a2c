#include "cli/CheckGlyphsCommand.h"

#include <filesystem>
#include <optional>
#include <ostream>

#include "cli/GlyphCheck.h"
#include "cli/GlyphCoverage.h"
#include "platform/posix/Cp932.h"
#include "platform/posix/ExecutableFolder.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixTextServices.h"

namespace tarumo::cli {
namespace {

constexpr const char* kProgram = "tarumo2-cli check-glyphs: ";

std::string Utf8(const std::string& cp932) {
  return Cp932ToUtf8(cp932).value_or(cp932);
}

void WriteCoverage(const std::string& programFolder, std::ostream& out) {
  const PosixFileSystem files;
  const PosixTextServices text;
  for (const ClassCoverage& entry : FindMissingGlyphs(programFolder, files, text)) {
    const int drawn = entry.characters - static_cast<int>(entry.missing.size());
    out << entry.name << ": " << drawn << " of " << entry.characters << " have a glyph";
    if (!entry.missing.empty()) {
      out << "; missing: ";
      for (const std::string& key : entry.missing) out << Utf8(key);
    }
    out << "\n";
  }
}

}  // namespace

int RunCheckGlyphs(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
  bool coverage = false;
  std::optional<std::string> folder;
  for (const std::string& argument : arguments) {
    if (argument == "--coverage") {
      coverage = true;
    } else if (!argument.empty() && argument[0] == '-') {
      err << kProgram << "unknown option '" << argument << "'\n";
      return 2;
    } else if (folder) {
      err << kProgram << "only one glyph folder can be given\n";
      return 2;
    } else {
      folder = argument;
    }
  }
  const std::filesystem::path library = folder.value_or((ExecutableFolder() / "glyphs").string());
  std::error_code error;
  if (!std::filesystem::is_directory(library, error)) {
    err << kProgram << "no glyph library at " << library.string() << "\n";
    return 2;
  }

  const GlyphCheckResult result = CheckGlyphLibrary(library);
  for (const GlyphProblem& problem : result.problems) {
    out << (problem.file.empty() ? library.string() : problem.file) << ": " << problem.message
        << "\n";
  }
  out << result.filesChecked << " glyph files checked: ";
  if (result.problems.empty()) {
    out << "no problems\n";
  } else {
    out << result.problems.size() << (result.problems.size() == 1 ? " problem\n" : " problems\n");
  }

  if (coverage) {
    const auto programFolder = Utf8ToCp932(library.string());
    if (!programFolder) {
      err << kProgram << "the folder's name cannot be written in code page 932\n";
      return 2;
    }
    WriteCoverage(*programFolder + "\\", out);
  }
  return result.problems.empty() ? 0 : 1;
}

}  // namespace tarumo::cli
