#include "cli/CliOptions.h"

namespace tarumo::cli {

const char* const kUsage =
    "Usage: tarumo2-cli [--glyphs DIR] [--blank N] [--encoding utf-8|cp932] [--crlf] [--page]\n"
    "                   [FILE]\n"
    "       tarumo2-cli check-glyphs [--coverage] [DIR]\n"
    "       tarumo2-cli coverage [--glyphs DIR] [--encoding E] [--top N] [FILE]\n"
    "\n"
    "Turns every line of FILE (or of standard input) into giant text: three rows of glyph\n"
    "pictures, then N empty spacing lines, written to standard output. Runs of half-width\n"
    "spaces become one and a leading half-width space goes, as in the program's window.\n"
    "\n"
    "  --glyphs DIR       the glyph library (folders ext, low, up, data);\n"
    "                     default: the folder 'glyphs' beside this program\n"
    "  --blank N          spacing lines after every row set, as the window's box takes it:\n"
    "                     decimal, or hexadecimal after '$' or '0x'; default 1, at most 1000\n"
    "  --encoding E       utf-8 (default) or cp932, for the input, the output and messages\n"
    "  --crlf             end output lines with CR LF instead of LF\n"
    "  --page             write the window's browser preview page of the giant text instead:\n"
    "                     HTML in code page 932 with CR LF line ends, whatever the encoding\n"
    "  --help             this text\n"
    "\n"
    "Characters without a glyph are left out and listed on standard error.\n"

    "Exit status: 0 converted (also when glyphs are missing); 1 the conversion failed (a glyph\n"
    "file too short or unreadable, a bad --blank); 2 bad usage, or input that is not valid in\n"
    "the chosen encoding or holds a character that code page 932 cannot hold.\n"
    "\n"
    "check-glyphs checks a glyph library (default: the one beside this program): files of fewer\n"
    "than three lines, rows of unequal width in the reader's font, rows the output editor would\n"
    "change, misnamed or misplaced files, bytes that are not Shift-JIS. One line per problem,\n"
    "then a summary; exit status 1 when anything is wrong. --coverage also lists, per class of\n"
    "common characters (ASCII, kana, punctuation, symbols and lines, the kanji of each school\n"
    "year, the 1,000 most frequent kanji), those without a glyph.\n"
    "\n"
    "coverage reads a text (FILE or standard input, in the encoding E) and tells which share\n"
    "of its non-blank characters, and of its Japanese ones, the glyph library can draw, and\n"
    "the N characters (default 20) most often without a glyph.\n";

ParsedCommandLine ParseConvertCommandLine(const std::vector<std::string>& arguments) {
  ParsedCommandLine parsed;
  auto& options = parsed.options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (argument == "--help" || argument == "-h") {
      parsed.help = true;
    } else if (argument == "--crlf") {
      options.crlf = true;
    } else if (argument == "--page") {
      options.page = true;
    } else if (argument == "--glyphs" || argument == "--blank" || argument == "--encoding") {
      if (!hasValue) {
        parsed.error = argument + " needs a value";
        return parsed;
      }
      const std::string& value = arguments[++i];
      if (argument == "--glyphs") {
        options.glyphFolder = value;
      } else if (argument == "--blank") {
        options.blankLine = value;
      } else if (value == "utf-8" || value == "utf8") {
        options.encoding = Encoding::kUtf8;
      } else if (value == "cp932" || value == "shift-jis" || value == "sjis") {
        options.encoding = Encoding::kCp932;
      } else {
        parsed.error = "unknown encoding '" + value + "' (utf-8 or cp932)";
        return parsed;
      }
    } else if (argument.size() > 1 && argument[0] == '-') {
      parsed.error = "unknown option '" + argument + "'";
      return parsed;
    } else if (options.inputFile) {
      parsed.error = "only one input file can be given";
      return parsed;
    } else {
      options.inputFile = argument;
    }
  }
  return parsed;
}

}  // namespace tarumo::cli
