#include "base/CodePage.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#include <langinfo.h>

#include <cctype>
#include <cerrno>
#include <memory>
#endif

namespace pipit {

CodePage CodePage::system() { return CodePage(std::string()); }
CodePage CodePage::named(std::string name) { return CodePage(std::move(name)); }

#ifdef _WIN32

namespace {
UINT codePageNumber(const std::string& name) {
  if (name.empty()) return CP_ACP;
  UINT number = 0;
  for (char c : name) {
    if (c >= '0' && c <= '9') number = number * 10 + static_cast<UINT>(c - '0');
  }
  return number == 0 ? CP_ACP : number;
}
}  // namespace

CodePage::CodePage(std::string name) : name_(std::move(name)) {
  const UINT cp = codePageNumber(name_);
  if ((cp == CP_ACP ? GetACP() : cp) != 932) shiftJis_.reset(new CodePage("932"));
}

Text CodePage::decode(std::string_view bytes, bool* lossy) const {
  if (bytes.empty()) return {};
  const UINT cp = codePageNumber(name_);
  const int size = static_cast<int>(bytes.size());
  // Asked strictly first: without the flag Windows gives its replacement
  // character and no word of it.
  DWORD flags = lossy != nullptr ? MB_ERR_INVALID_CHARS : 0;
  int needed = MultiByteToWideChar(cp, flags, bytes.data(), size, nullptr, 0);
  if (needed <= 0 && flags != 0) {
    if (GetLastError() == ERROR_NO_UNICODE_TRANSLATION) *lossy = true;
    flags = 0;
    needed = MultiByteToWideChar(cp, flags, bytes.data(), size, nullptr, 0);
  }
  if (needed <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  MultiByteToWideChar(cp, flags, bytes.data(), size, wide.data(), needed);
  return Text(wide.begin(), wide.end());
}

namespace {
// `lossy` is set when a character had to be replaced; nothing is asked of
// the UTF code pages, which have every character and refuse the question.
std::string encodeWith(UINT cp, TextView text, bool* lossy) {
  if (text.empty()) return {};
  if (cp == CP_ACP) cp = GetACP();
  const bool ask = lossy != nullptr && cp != CP_UTF8 && cp != CP_UTF7;
  const DWORD flags = ask ? WC_NO_BEST_FIT_CHARS : 0;
  BOOL usedDefault = FALSE;
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int size = static_cast<int>(text.size());
  const int needed = WideCharToMultiByte(cp, flags, wide, size, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) {
    if (lossy) *lossy = true;
    return {};
  }
  std::string bytes(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(cp, flags, wide, size, bytes.data(), needed, nullptr,
                      ask ? &usedDefault : nullptr);
  if (lossy && usedDefault) *lossy = true;
  return bytes;
}
}  // namespace

std::string CodePage::encode(TextView text) const {
  return encodeWith(codePageNumber(name_), text, nullptr);
}

std::optional<std::string> CodePage::encodeExactly(TextView text) const {
  bool lossy = false;
  std::string bytes = encodeWith(codePageNumber(name_), text, &lossy);
  if (lossy) return std::nullopt;
  return bytes;
}

#else

namespace {

struct IconvCloser {
  void operator()(iconv_t cd) const { iconv_close(cd); }
};
using Iconv = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

std::string charsetOf(const std::string& name) {
  if (!name.empty()) return name;
  const char* codeset = nl_langinfo(CODESET);
  return codeset && *codeset ? codeset : "UTF-8";
}

Iconv openIconv(const std::string& to, const std::string& from) {
  iconv_t cd = iconv_open(to.c_str(), from.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1))
    return Iconv(nullptr);  // NOLINT: iconv's own failure value
  return Iconv(cd);
}

// Runs iconv over the whole input; at an invalid or unconvertible sequence it
// writes `replacement`, skips `skip(in)` bytes, sets `lossy` and goes on.
template <class Skip>
std::string convert(iconv_t cd, std::string_view input, std::string_view replacement, Skip skip,
                    bool* lossy = nullptr) {
  std::string out(input.size() * 2 + 16, '\0');
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  std::size_t used = 0;
  while (inLeft > 0) {
    char* dst = out.data() + used;
    std::size_t outLeft = out.size() - used;
    const std::size_t r = iconv(cd, &in, &inLeft, &dst, &outLeft);
    used = out.size() - outLeft;
    if (r != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    // EILSEQ or EINVAL (a truncated sequence at the end).
    if (lossy) *lossy = true;
    if (out.size() - used < replacement.size()) out.resize(out.size() * 2 + replacement.size());
    out.replace(used, replacement.size(), replacement);
    used += replacement.size();
    const std::size_t n = std::min(inLeft, skip(in, inLeft));
    in += n;
    inLeft -= n;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  out.resize(used);
  return out;
}

}  // namespace

// Opening a converter costs far more than converting one field of a
// settings line, which is read and written field by field.
struct CodePage::Converters {
  Iconv decoder;
  Iconv encoder;
};

namespace {
bool namesShiftJis(std::string charset) {
  for (char& c : charset) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (const char* name : {"CP932", "932", "WINDOWS-31J", "SHIFT_JIS", "SHIFT-JIS", "SJIS"}) {
    if (charset == name) return true;
  }
  return false;
}
}  // namespace

CodePage::CodePage(std::string name)
    : name_(std::move(name)),
      converters_(std::make_shared<const Converters>(Converters{
          openIconv("UTF-16LE", charsetOf(name_)), openIconv(charsetOf(name_), "UTF-16LE")})) {
  if (!namesShiftJis(charsetOf(name_))) shiftJis_.reset(new CodePage("CP932"));
}

Text CodePage::decode(std::string_view bytes, bool* lossy) const {
  if (bytes.empty()) return {};
  iconv_t cd = converters_->decoder.get();
  if (!cd) return fromUtf8(bytes);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);  // a fresh start
  const std::string_view fffd("\xFD\xFF", 2);
  const std::string utf16 = convert(
      cd, bytes, fffd, [](const char*, std::size_t) { return std::size_t{1}; }, lossy);
  Text text(utf16.size() / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(static_cast<unsigned char>(utf16[2 * i]) |
                                    (static_cast<unsigned char>(utf16[2 * i + 1]) << 8));
  }
  return text;
}

namespace {
std::string encodeWith(iconv_t cd, TextView text, bool* lossy) {
  if (text.empty()) return {};
  if (!cd) return toUtf8(text);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);  // a fresh start
  std::string utf16(text.size() * 2, '\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    utf16[2 * i] = static_cast<char>(text[i] & 0xFF);
    utf16[2 * i + 1] = static_cast<char>(text[i] >> 8);
  }
  // One "?" per UTF-16 unit, as Windows does: a pair the code page lacks
  // gives two.
  return convert(
      cd, utf16, "?", [](const char*, std::size_t) { return std::size_t{2}; }, lossy);
}
}  // namespace

std::string CodePage::encode(TextView text) const {
  return encodeWith(converters_->encoder.get(), text, nullptr);
}

std::optional<std::string> CodePage::encodeExactly(TextView text) const {
  bool lossy = false;
  std::string bytes = encodeWith(converters_->encoder.get(), text, &lossy);
  if (lossy) return std::nullopt;
  return bytes;
}

#endif

}  // namespace pipit
