#include "settings/IniInteger.h"

#include "common/StrToInt.h"

namespace tarumo {

int IniInteger(std::string_view text, int fallback) {
  return IniValueToInt(text).value_or(fallback);
}

int ReadIniInteger(IniFiles& ini, const std::string& path, const std::string& section,
                   const std::string& key, int fallback) {
  return IniInteger(ini.ReadString(path, section, key, ""), fallback);
}

}  // namespace tarumo
