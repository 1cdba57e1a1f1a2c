#include "cli/StreamHost.h"

#include "conversion/SpacingRules.h"

namespace tarumo::cli {

StreamHost::StreamHost(std::vector<std::string> input, std::string blankLine, LineSink sink)
    : input_(std::move(input)), blankLine_(std::move(blankLine)), sink_(std::move(sink)) {}

void StreamHost::AppendOutputLine(const std::string& line) {
  // Earlier lines already obey the rules, so the appended one is all the editor would change.
  sink_(ApplySpacingRulesToLine(line));
}

}  // namespace tarumo::cli
