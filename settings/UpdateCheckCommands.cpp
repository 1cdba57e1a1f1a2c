#include "settings/UpdateCheckCommands.h"

namespace tarumo {
namespace {

struct FailureBox {
  int code;
  const char* text;
  const char* title;
};

constexpr const char* kErrorTitle = "エラー";
constexpr FailureBox kFailureBoxes[] = {
    {renew::kNoSession, "wininetの初期化に失敗しました(´Д`)", ""},
    {renew::kNoResponse, "URLが開けません(´・ω・)/~~", ""},
    {renew::kNoHeader, "ヘッダ情報が取得できません(ﾟдﾟ)＜ﾍｯﾀﾞ", kErrorTitle},
    {renew::kNoMemory, "メモリが確保できません", kErrorTitle},
    {renew::kNoLock, "GlobalLockエラー", kErrorTitle},
    {renew::kQueryFailed, "更新情報取得に失敗しました（､ﾝ､)", kErrorTitle},
};
constexpr const char* kUnknownFailure = "不明なエラーが発生しました";

constexpr const char* kUpdateTitle = "ネトワク更新";
constexpr const char* kNewerRelease = "最新版が公開されています。ﾀﾞｳｿしに逝きましょう";
constexpr const char* kDeclined = "( ´△`)えー";
constexpr const char* kUpToDate = "お使いのソフトウェアは最新です";
constexpr const char* kUpToDateTitle = "喜べ";
constexpr const char* kNothingNew = "何もないってｗｗｗｗ";
constexpr const char* kNothingNewTitle = "だから";

constexpr const char* kNoUpdateStatus = "更新はありませんでした(ﾟДﾟ)ゞ";
constexpr const char* kFailureStatus = "(ﾟДﾟ)＜ネトワクに異常あり！ ERROR CODE:";

void OfferDownload(MessageBoxes& boxes, Shell& shell, const std::string& supportUrl) {
  if (boxes.Show(kNewerRelease, kUpdateTitle, MessageButtons::kYesNo) == MessageAnswer::kYes) {
    shell.Open(supportUrl);
  } else {
    boxes.Show(kDeclined, kUpdateTitle, MessageButtons::kOk);
  }
}

}  // namespace

void ReportOnDemand(int code, MessageBoxes& boxes, Shell& shell, const std::string& supportUrl) {
  if (code == renew::kNewerRelease) return OfferDownload(boxes, shell, supportUrl);
  if (code == renew::kUpToDate) {
    if (boxes.Show(kUpToDate, kUpToDateTitle, MessageButtons::kYesNo) != MessageAnswer::kYes) {
      boxes.Show(kNothingNew, kNothingNewTitle, MessageButtons::kOk);
    }
    return;
  }
  for (const auto& box : kFailureBoxes) {
    if (box.code == code) {
      boxes.Show(box.text, box.title, MessageButtons::kOk);
      return;
    }
  }
  boxes.Show(kUnknownFailure, kErrorTitle, MessageButtons::kOk);
}

void ReportAtStartup(int code, MessageBoxes& boxes, Shell& shell, SettingsWindow& window,
                     const std::string& supportUrl) {
  if (code == renew::kNewerRelease) return OfferDownload(boxes, shell, supportUrl);
  if (code == renew::kUpToDate) return window.SetUpdateStatus(kNoUpdateStatus);
  window.SetUpdateStatus(kFailureStatus + std::to_string(code));
}

void UpdateCheckCommands::RenewCheckMenuClick(const std::string& programFolder) {
  ReportOnDemand(check_.RenewCheck(programFolder), boxes_, shell_, supportUrl_);
}

void UpdateCheckCommands::RunAutomaticCheck(const std::string& programFolder) {
  ReportAtStartup(check_.RenewCheck(programFolder), boxes_, shell_, window_, supportUrl_);
}

}  // namespace tarumo
