// tarumo2-cli: the giant-text conversion of the window, on the command line.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "cli/CheckGlyphsCommand.h"
#include "cli/CliOptions.h"
#include "cli/ConvertCommand.h"
#include "cli/CoverageCommand.h"
#include "cli/GlyphFolder.h"
#include "cli/MeasureCommand.h"
#include "cli/TextCodec.h"

namespace {

using namespace tarumo::cli;

constexpr const char* kProgram = "tarumo2-cli: ";

int Convert(ConvertOptions options) {
  const std::filesystem::path library = GlyphFolderOr(options.glyphFolder);
  if (const auto problem = UnusableGlyphFolder(library)) {
    std::cerr << kProgram << *problem << "\n";
    return 2;
  }
  options.glyphFolder = library.string();

  int status = 0;
  if (!options.inputFile || *options.inputFile == "-") {
    status = RunConvert(options, std::cin, std::cout, std::cerr);
  } else {
    std::error_code error;
    std::ifstream file;
    // A folder opens like a file here and fails only once it is read.
    if (std::filesystem::is_directory(*options.inputFile, error) ||
        (file.open(*options.inputFile, std::ios::binary), !file)) {
      std::cerr << kProgram << "cannot open " << *options.inputFile << "\n";
      return 2;
    }
    status = RunConvert(options, file, std::cout, std::cerr);
  }
  // A full disk or a closed output must not pass for a conversion.
  if (!std::cout.flush() && status == 0) {
    std::cerr << kProgram << "the output could not be written\n";
    return 1;
  }
  return status;
}

int Run(const std::vector<std::string>& arguments) {
  if (!arguments.empty() && arguments[0] == "check-glyphs") {
    return RunCheckGlyphs({arguments.begin() + 1, arguments.end()}, std::cout, std::cerr);
  }
  if (!arguments.empty() && arguments[0] == "coverage") {
    return RunCoverage({arguments.begin() + 1, arguments.end()}, std::cin, std::cout, std::cerr);
  }

  if (!arguments.empty() && arguments[0] == "measure") {
    return RunMeasure({arguments.begin() + 1, arguments.end()}, std::cin, std::cout, std::cerr);
  }

  const ParsedCommandLine parsed = ParseConvertCommandLine(arguments);
  // The usage shows the marks of --width: it is written in the chosen encoding.
  const std::string usage = EncodeOutput(kUsage, parsed.options.encoding);
  if (parsed.help) {
    std::cout << usage;
    return 0;
  }
  if (!parsed.error.empty()) {
    std::cerr << kProgram << parsed.error << "\n\n" << usage;
    return 2;
  }
  return Convert(parsed.options);
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  // Whatever goes wrong ends in one line of the program's own and its exit status.
  try {
    return Run({argv + 1, argv + argc});
  } catch (const std::ios_base::failure&) {
    std::cerr << kProgram << "the input could not be read\n";
    return 2;
  } catch (const std::bad_alloc&) {
    std::cerr << kProgram << "not enough memory\n";
    return 1;
  } catch (const std::exception& error) {
    std::cerr << kProgram << error.what() << "\n";
    return 1;
  }
}
