// tarumo2-cli: the giant-text conversion of the window, on the command line.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CheckGlyphsCommand.h"
#include "cli/CliOptions.h"
#include "cli/ConvertCommand.h"
#include "cli/CoverageCommand.h"

int main(int argc, char** argv) {
  using namespace tarumo::cli;
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  if (!arguments.empty() && arguments[0] == "check-glyphs") {
    return RunCheckGlyphs({arguments.begin() + 1, arguments.end()}, std::cout, std::cerr);
  }
  if (!arguments.empty() && arguments[0] == "coverage") {
    return RunCoverage({arguments.begin() + 1, arguments.end()}, std::cin, std::cout, std::cerr);
  }

  const ParsedCommandLine parsed = ParseConvertCommandLine(arguments);
  if (parsed.help) {
    std::cout << kUsage;
    return 0;
  }
  if (!parsed.error.empty()) {
    std::cerr << "tarumo2-cli: " << parsed.error << "\n\n" << kUsage;
    return 2;
  }

  const ConvertOptions& options = parsed.options;
  if (!options.inputFile || *options.inputFile == "-") {
    return RunConvert(options, std::cin, std::cout, std::cerr);
  }
  std::ifstream file(*options.inputFile, std::ios::binary);
  if (!file) {
    std::cerr << "tarumo2-cli: cannot open " << *options.inputFile << "\n";
    return 2;
  }
  return RunConvert(options, file, std::cout, std::cerr);
}
