#include "tests/ui/ProgramUnderTest.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <cstring>
#include <vector>

#include "tests/ui/DesktopInput.h"
#include "tests/ui/ProcessWindows.h"
#include "tests/ui/Waiting.h"

namespace tarumo::ui {
namespace {

void CopyTree(const std::string& from, const std::string& to) {
  ::CreateDirectoryA(to.c_str(), nullptr);
  WIN32_FIND_DATAA entry;
  HANDLE find = ::FindFirstFileA((from + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = entry.cFileName;
    if (name == "." || name == "..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      CopyTree(from + "\\" + name, to + "\\" + name);
    } else {
      ::CopyFileA((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), FALSE);
    }
  } while (::FindNextFileA(find, &entry));
  ::FindClose(find);
}

// Memory in another process, for the control messages whose results the system does not carry
// across processes.
class RemoteBuffer {
 public:
  RemoteBuffer(DWORD processId, SIZE_T size)
      : process_(::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               processId)),
        size_(size),
        address_(process_ ? ::VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE)
                          : nullptr) {}
  ~RemoteBuffer() {
    if (address_) ::VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) ::CloseHandle(process_);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  LPARAM address() const { return reinterpret_cast<LPARAM>(address_); }
  std::vector<char> Read() const {
    std::vector<char> bytes(size_);
    SIZE_T read = 0;
    ::ReadProcessMemory(process_, address_, bytes.data(), size_, &read);
    bytes.resize(read);
    return bytes;
  }

 private:
  HANDLE process_;
  SIZE_T size_;
  void* address_;
};

// This process's environment block with `changes` made: a variable of the same name (in any
// case) is replaced, a new one added. Empty when there is nothing to change.
std::vector<char> EnvironmentWith(const std::vector<std::pair<std::string, std::string>>& changes) {
  std::vector<char> block;
  if (changes.empty()) return block;
  const auto changed = [&](std::string_view entry) {
    for (const auto& [name, value] : changes) {
      if (entry.size() > name.size() && entry[name.size()] == '=' &&
          ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, entry.data(),
                           static_cast<int>(name.size()), name.data(),
                           static_cast<int>(name.size())) == CSTR_EQUAL) {
        return true;
      }
    }
    return false;
  };
  const auto append = [&](std::string_view entry) {
    block.insert(block.end(), entry.begin(), entry.end());
    block.push_back('\0');
  };
  char* inherited = ::GetEnvironmentStringsA();
  for (const char* entry = inherited; *entry; entry += std::strlen(entry) + 1) {
    if (!changed(entry)) append(entry);
  }
  ::FreeEnvironmentStringsA(inherited);
  for (const auto& [name, value] : changes) append(name + "=" + value);
  block.push_back('\0');
  return block;
}

}  // namespace

std::string BesideTestProgram(std::string_view name) {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  folder.resize(folder.find_last_of('\\') + 1);
  return folder + std::string(name);
}

ProgramUnderTest::ProgramUnderTest(LibraryBeside glyphLibrary) {
  ::CopyFileA(BesideTestProgram("tarumo2.exe").c_str(), (folder() + "tarumo2.exe").c_str(), FALSE);
  // The glyph library's folders go into the program folder itself.
  CopyTree(BesideTestProgram(glyphLibrary.name), folder().substr(0, folder().size() - 1));
  WriteFile("config.ini", "[CONFIG]\r\nAutoUpdate=0\r\n");
}

ProgramUnderTest::ProgramUnderTest(std::string programFolder)
    : givenFolder_(std::move(programFolder)) {}

ProgramUnderTest::~ProgramUnderTest() {
  if (process_.hProcess) {
    if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) Close();
    if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      ::TerminateProcess(process_.hProcess, 1);
      ::WaitForSingleObject(process_.hProcess, kPatience);
    }
    ::CloseHandle(process_.hProcess);
    ::CloseHandle(process_.hThread);
  }
}

void ProgramUnderTest::Start() {
  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_NO_FATAL_FAILURE(AwaitMainWindow());
}

void ProgramUnderTest::Launch() {
  const std::string program = folder() + "tarumo2.exe";
  std::string commandLine = "\"" + program + "\"";
  if (!arguments_.empty()) commandLine += " " + arguments_;
  std::vector<char> environment = EnvironmentWith(environment_);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  ASSERT_TRUE(::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                               environment.empty() ? nullptr : environment.data(),
                               workingFolder_.empty() ? folder().c_str() : workingFolder_.c_str(),
                               &startup, &process_))
      << "cannot start " << program;
}

void ProgramUnderTest::AwaitMainWindow() {
  ASSERT_TRUE(WaitUntil([&] { return ShowsMainWindow(); })) << "the main window did not appear";
  window_ = FindProcessWindow(process_.dwProcessId, kMainWindowClass);
  WaitForIdle();
  Activate();
}

bool ProgramUnderTest::ShowsMainWindow() const {
  return FindProcessWindow(process_.dwProcessId, kMainWindowClass) != nullptr;
}

double ProgramUnderTest::PeakMegabytes() const {
  PROCESS_MEMORY_COUNTERS counters{};
  const HANDLE process =
      ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId());
  if (!process) return 0;
  ::GetProcessMemoryInfo(process, &counters, sizeof counters);
  ::CloseHandle(process);
  return counters.PeakWorkingSetSize / 1048576.0;
}

DWORD ProgramUnderTest::WaitForExit() {
  DWORD code = STILL_ACTIVE;
  if (::WaitForSingleObject(process_.hProcess, kPatience) == WAIT_OBJECT_0) {
    ::GetExitCodeProcess(process_.hProcess, &code);
  }
  return code;
}

DWORD ProgramUnderTest::Close() {
  ::PostMessageA(window_, WM_CLOSE, 0, 0);
  DWORD code = STILL_ACTIVE;
  if (::WaitForSingleObject(process_.hProcess, kPatience) == WAIT_OBJECT_0) {
    ::GetExitCodeProcess(process_.hProcess, &code);
  }
  return code;
}

HWND ProgramUnderTest::control(CommandId id) const {
  return ::GetDlgItem(window_, ToWord(id));
}

std::string ProgramUnderTest::Text(CommandId id) const {
  // The length in UTF-16 units (the rich edit control gives none in code page 932 to another
  // process); a character takes at most two bytes in code page 932.
  const LRESULT units = ::SendMessageW(control(id), WM_GETTEXTLENGTH, 0, 0);
  std::vector<char> text(2 * static_cast<std::size_t>(units > 0 ? units : 0) + 1);
  const LRESULT length =
      ::SendMessageA(control(id), WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  return std::string(text.data(), length > 0 ? length : 0);
}

void ProgramUnderTest::SetText(CommandId id, const std::string& text) const {
  ::SendMessageA(control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string ProgramUnderTest::StatusPanel(int panel) const {
  RemoteBuffer buffer(processId(), 4096);
  ::SendMessageA(control(CommandId::kStatusBar1), SB_GETTEXTA, panel, buffer.address());
  const std::vector<char> bytes = buffer.Read();
  return std::string(bytes.data());
}

std::pair<int, int> ProgramUnderTest::Selection(CommandId id) const {
  DWORD start = 0;
  DWORD end = 0;
  const LRESULT both = ::SendMessageA(control(id), EM_GETSEL, 0, 0);
  start = LOWORD(both);
  end = HIWORD(both);
  return {static_cast<int>(start), static_cast<int>(end)};
}

void ProgramUnderTest::Select(CommandId id, int start, int end) const {
  ::SendMessageA(control(id), EM_SETSEL, start, end);
}

HWND ProgramUnderTest::FocusedControl() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  ::GetGUIThreadInfo(process_.dwThreadId, &info);
  return info.hwndFocus;
}

RECT ProgramUnderTest::ControlBounds(CommandId id) const {
  RECT bounds{};
  ::GetWindowRect(control(id), &bounds);
  ::MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

SIZE ProgramUnderTest::ClientSize() const {
  RECT client{};
  ::GetClientRect(window_, &client);
  return {client.right, client.bottom};
}

SIZE ProgramUnderTest::OuterSize() const {
  RECT outer{};
  ::GetWindowRect(window_, &outer);
  return {outer.right - outer.left, outer.bottom - outer.top};
}

void ProgramUnderTest::Activate() const {
  ::SetForegroundWindow(window_);
  WaitUntil([&] { return ::GetForegroundWindow() == window_; });
}

void ProgramUnderTest::OpenMenu(WORD key) const {
  // Keys pressed while the window manager is still handing a freshly shown window the focus
  // go nowhere, so the keys are pressed again when no menu shows after a while.
  constexpr int kAttempts = 3;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    Activate();
    PressKey(key, {VK_MENU});
    const bool opened = WaitUntil(
        [&] { return FindProcessWindow(process_.dwProcessId, kPopupMenuClass) != nullptr; },
        kPatience / kAttempts);
    if (opened) return;
  }
  FAIL() << "no menu opened for the key " << key;
}

void ProgramUnderTest::WaitForIdle() const {
  ::WaitForInputIdle(process_.hProcess, kPatience);
}

}  // namespace tarumo::ui
