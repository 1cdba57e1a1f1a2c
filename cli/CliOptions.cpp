#include "cli/CliOptions.h"

namespace tarumo::cli {

const char* const kUsage =
    "Usage: tarumo2-cli [--glyphs DIR] [--blank N] [--encoding utf-8|cp932] [--crlf] [--page]\n"
    "                   [--width PX] [--post-bytes N] [--post-lines M] [FILE]\n"
    "       tarumo2-cli check-glyphs [--coverage] [DIR]\n"
    "       tarumo2-cli coverage [--glyphs DIR] [--encoding E] [--top N] [FILE]\n"
    "       tarumo2-cli measure [--encoding E] [--post-bytes N] [--post-lines M] [FILE]\n"
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
    "                     HTML in code page 932 with CR LF line ends, whatever the encoding;\n"
    "                     with posts, a horizontal rule between them\n"
    "  --width PX         no row set wider than PX dots in the reader's font: a longer line\n"
    "                     becomes several row sets, each with its spacing lines, broken\n"
    "                     between characters (after a blank or 、。，．！？ where one lies\n"
    "                     in the last third; never before a closing mark such as 、」ー or\n"
    "                     a small kana, nor after an opening one such as 「); blanks at a\n"
    "                     break are dropped. About 360 fits a phone, 1000 a wide window\n"
    "  --post-bytes N     cut the giant text into posts of at most N bytes as a board counts\n"
    "                     them: Shift-JIS, every line break 2 bytes, < > & \" as HTML\n"
    "                     entities (4, 4, 5, 6 bytes). Posts hold whole row sets, as many as\n"
    "                     fit; the spacing lines after a post's last row set are dropped\n"
    "  --post-lines M     cut into posts of at most M lines (with --post-bytes: both hold)\n"
    "  --help             this text\n"
    "\n"
    "Characters without a glyph are left out and listed on standard error.\n"
    "--width applies first, then the cut into posts. Posts are separated by a line holding\n"
    "only a form feed, and standard error ends with the line\n"
    "  K posts (bytes/lines): B1/L1 B2/L2 ...\n"
    "For a board of 2,048 bytes and 32 lines a post, read on a phone:\n"
    "  tarumo2-cli --width 360 --post-bytes 2048 --post-lines 32 in.txt > posts.txt\n"
    "\n"

    "Exit status: 0 converted (also when glyphs are missing); 1 the conversion failed (a glyph\n"
    "file too short or unreadable, a bad --blank, a row set that alone is over a post's\n"
    "limits: nothing is written for it); 2 bad usage, or input that is not valid in the chosen\n"
    "encoding or holds a character that code page 932 cannot hold.\n"
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
    "the N characters (default 20) most often without a glyph.\n"
    "\n"
    "measure reads a giant text already made (FILE or standard input) and tells its widest\n"
    "row set in dots and, with --post-bytes or --post-lines, how many posts it needs. Empty\n"
    "lines (or lines of half-width spaces, tabs or form feeds) separate blocks; a block is\n"
    "read as row sets of three lines each, top to bottom, and one or two lines left at its\n"
    "end as a shorter row set. Exit status 1 when a row set alone is over a post's limit.\n";

std::optional<std::int64_t> ParseLimit(const std::string& value) {
  if (value.empty() || value.size() > 10 || value.find_first_not_of("0123456789") != value.npos) {
    return std::nullopt;
  }
  const std::int64_t number = std::stoll(value);
  if (number < 1 || number > 1000000000) return std::nullopt;
  return number;
}

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
    } else if (argument == "--width" || argument == "--post-bytes" || argument == "--post-lines") {
      const auto limit = hasValue ? ParseLimit(arguments[++i]) : std::nullopt;
      if (!limit) {
        parsed.error = argument + " needs a number from 1 to 1000000000";
        return parsed;
      }
      if (argument == "--width") {
        options.width = static_cast<int>(*limit);
      } else if (argument == "--post-bytes") {
        options.postBytes = *limit;
      } else {
        options.postLines = *limit;
      }
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
