// The project's web server, set by the build (TARUMO_WEB_SERVER), and the two places on it.
#pragma once

#include <string>

namespace tarumo {

// Scheme and host, without a path: "http://tarumo2.invalid" unless the build says otherwise.
const char* WebServer();

// The release archive, whose Last-Modified date tells the newest release.
std::string ArchiveUrl();

// The project's support thread on its bulletin board.
std::string SupportPageUrl();

}  // namespace tarumo
