#include "settings/WebServer.h"

#ifndef TARUMO_WEB_SERVER
#error "TARUMO_WEB_SERVER must name the project's web server, scheme and host"
#endif

namespace tarumo {

const char* WebServer() {
  return TARUMO_WEB_SERVER;
}

std::string ArchiveUrl() {
  return std::string(WebServer()) + "/tarumo2.lzh";
}

std::string SupportPageUrl() {
  return std::string(WebServer()) + "/mini/test/read.cgi/main/1195381503/l50";
}

}  // namespace tarumo
