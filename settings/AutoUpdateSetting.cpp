#include "settings/AutoUpdateSetting.h"

#include "settings/IniInteger.h"

namespace tarumo {
namespace {

constexpr const char* kFileName = "config.ini";
constexpr const char* kSection = "CONFIG";
constexpr const char* kKey = "AutoUpdate";
constexpr int kOn = 1;
constexpr int kUndecided = 2;

constexpr const char* kFirstRunQuestion =
    "起動時の自動ネットワーク更新チェック機能をONにしますか？\n"
    "安定した常時接続環境をお持ちならば、ONにすることをオススメしますよ( ･∀･)σ)´д`;))\n"
    "今後は[メニュー]→[(ﾟдﾟ)]→[自動更新チェックをする]で変更可能です。";
constexpr const char* kFirstRunTitle = "( ･∀･)σ)´д`;)";

}  // namespace

void AutoUpdateSetting::RunStartupStep(const std::string& programFolder) {
  const std::string path = programFolder + kFileName;
  int value = ReadIniInteger(ini_, path, kSection, kKey, kUndecided);

  const bool asked = value == kUndecided;
  if (asked) {
    const auto answer = boxes_.Show(kFirstRunQuestion, kFirstRunTitle, MessageButtons::kYesNo);
    value = answer == MessageAnswer::kYes ? 1 : 0;
  }

  window_.SetAutoUpdateChecked(value == kOn);
  if (value == kOn) check_.RunAutomaticCheck(programFolder);

  if (asked) ini_.WriteString(path, kSection, kKey, value == kOn ? "1" : "0");
}

void AutoUpdateSetting::AutoUpdateCheckClick(const std::string& programFolder) {
  const bool on = !window_.AutoUpdateChecked();
  window_.SetAutoUpdateChecked(on);
  ini_.WriteString(programFolder + kFileName, kSection, kKey, on ? "1" : "0");
}

}  // namespace tarumo
