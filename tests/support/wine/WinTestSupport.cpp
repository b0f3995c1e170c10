#include "WinTestSupport.h"

#include <knownfolders.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdlib>
#include <thread>
#include <utility>
#include <vector>

#include "platform/win32/CoTaskMemory.h"
#include "platform/win32/ComPtr.h"

namespace pipit::wintest {
using win32::fromWide;
using win32::wide;

TempFolder::TempFolder()
    : TempFolder([] {
        wchar_t temp[MAX_PATH];
        const DWORD n = GetTempPathW(MAX_PATH, temp);
        return fromWide(temp, n);
      }()) {}

TempFolder::TempFolder(const Text& parent) {
  const Text in = parent.empty() || parent.back() == u'\\' ? parent : parent + u"\\";
  static int counter = 0;
  for (;;) {
    const std::wstring name = L"pipit-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(GetTickCount()) + L"-" + std::to_wstring(++counter);
    path_ = in + fromWide(name.c_str(), name.size());
    // Only a name taken makes another try worth it.
    if (CreateDirectoryW(wide(path_), nullptr) || GetLastError() != ERROR_ALREADY_EXISTS) return;
  }
}

namespace {
void removeTree(const Text& folder) {
  WIN32_FIND_DATAW found;
  const Text pattern = folder + u"\\*";
  HANDLE search = FindFirstFileW(wide(pattern), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const Text name = fromWide(found.cFileName, wcslen(found.cFileName));
      if (name == u"." || name == u"..") continue;
      const Text child = folder + u"\\" + name;
      SetFileAttributesW(wide(child), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        removeTree(child);
      } else {
        DeleteFileW(wide(child));
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(wide(folder));
}
}  // namespace

TempFolder::~TempFolder() { removeTree(path_); }

bool saveShortcut(const Text& file, const Text& target, const Text& arguments) {
  win32::ComPtr<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(link.put())))) {
    return false;
  }
  if (target.empty()) {
    ITEMIDLIST* computer = nullptr;
    SHGetKnownFolderIDList(FOLDERID_ComputerFolder, 0, nullptr, &computer);
    const win32::CoTaskMemory<ITEMIDLIST> owned(computer);
    if (FAILED(link->SetIDList(computer))) return false;
  } else if (FAILED(link->SetPath(wide(target)))) {
    return false;
  }
  win32::ComPtr<IPersistFile> persist;
  return SUCCEEDED(link->SetArguments(wide(arguments))) &&
         SUCCEEDED(
             link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(persist.put()))) &&
         SUCCEEDED(persist->Save(wide(file), TRUE));
}

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    Sleep(20);
  }
}

std::string readFile(const Text& path) {
  win32::FileHandle file(CreateFileW(wide(path), GENERIC_READ,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return {};
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
    bytes.append(buffer, read);
  }
  return bytes;
}

void writeFile(const Text& path, const std::string& bytes) {
  win32::FileHandle file(
      CreateFileW(wide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  if (file)
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

bool fileExists(const Text& path) {
  return GetFileAttributesW(wide(path)) != INVALID_FILE_ATTRIBUTES;
}

Text windowsPath(const std::string& path) {
  if (path.empty() || path[0] != '/') return fromUtf8(path);
  Text out = u"Z:";
  for (char c : path) out.push_back(c == '/' ? u'\\' : static_cast<char16_t>(c));
  return out;
}

namespace {
Text& assetsSlot() {
  static Text path;
  return path;
}
}  // namespace

const Text& assetsFolder() { return assetsSlot(); }
void setAssetsFolder(Text path) { assetsSlot() = std::move(path); }

Text openedLogPath() {
  const char* log = std::getenv("PIPIT_OPENED_LOG");
  return log ? windowsPath(log) : Text();
}

void ScreenScale::set(DWORD dpi) {
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi,
                  sizeof dpi);
}

std::vector<uint32_t> drawnPixels(int width, int height, const std::function<void(HDC)>& draw) {
  std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  draw(memory);
  GdiFlush();
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    pixels[i] = static_cast<const uint32_t*>(bits)[i] & 0xFFFFFF;
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

std::vector<uint32_t> screenPixels(const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  return drawnPixels(width, height, [&](HDC memory) {
    const HDC screen = GetDC(nullptr);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
  });
}

}  // namespace pipit::wintest
