#include "platform/ShellRoutes.h"

#include <algorithm>

namespace pipit {
namespace {

// A program and its parameters on one line: the quoted program and a blank.
constexpr std::size_t kProgramQuoting = 3;

bool isSchemeLetter(char16_t c, bool first) {
  const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
  if (first) return letter;
  return letter || (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.';
}

// A quote or a blank would end the argument early; browsers read the
// percent forms as the characters themselves.
Text asOneArgument(TextView address) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  Text out;
  out.reserve(address.size());
  for (const char16_t c : address) {
    if (c == u'"' || c <= u' ') {
      out += u'%';
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    } else {
      out += c;
    }
  }
  return out;
}

// Backslashes before a closing quote escape it unless they are doubled.
void appendArgument(Text& line, const Text& argument, bool quoteFollows) {
  line += argument;
  if (!quoteFollows) return;
  const std::size_t last = argument.find_last_not_of(u'\\');
  const std::size_t backslashes = last == Text::npos ? argument.size() : argument.size() - last - 1;
  line.append(backslashes, u'\\');
}

int hexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

bool isFileScheme(TextView scheme) {
  return scheme.size() == 4 && (scheme[0] | 0x20) == u'f' && (scheme[1] | 0x20) == u'i' &&
         (scheme[2] | 0x20) == u'l' && (scheme[3] | 0x20) == u'e';
}

}  // namespace

bool fitsTheShell(const Text& file, const Text& parameters, const Text& directory) {
  return file.size() <= kLongestShellText && directory.size() <= kLongestShellText &&
         file.size() + parameters.size() + kProgramQuoting <= kLongestCommandLine;
}

Text schemeOf(TextView address) {
  const std::size_t colon = address.find(u':');
  if (colon == TextView::npos || colon < 2) return {};
  for (std::size_t i = 0; i < colon; ++i) {
    if (!isSchemeLetter(address[i], i == 0)) return {};
  }
  return Text(address.substr(0, colon));
}

std::optional<Text> handlerCommandLine(TextView command, TextView address) {
  const Text argument = asOneArgument(address);
  Text line;
  bool placed = false;
  for (std::size_t i = 0; i < command.size(); ++i) {
    const char16_t next = i + 1 < command.size() ? command[i + 1] : u'\0';
    if (command[i] != u'%' || next == u'\0') {
      line += command[i];
      continue;
    }
    switch (next) {
      case u'0':
      case u'1':
      case u'L':
      case u'l':
      case u'V':
      case u'v':
        appendArgument(line, argument, i + 2 < command.size() && command[i + 2] == u'"');
        placed = true;
        ++i;
        break;
      case u'%':
        line += u'%';
        ++i;
        break;
      case u'*':
      case u'2':
      case u'3':
      case u'4':
      case u'5':
      case u'6':
      case u'7':
      case u'8':
      case u'9':
        // The shell's further arguments: an address has none.
        ++i;
        break;
      default:
        // An environment variable the registry left unexpanded.
        line += u'%';
        break;
    }
  }
  if (!placed) {
    line += u" \"";
    appendArgument(line, argument, true);
    line += u'"';
  }
  if (line.size() > kLongestCommandLine) return std::nullopt;
  return line;
}

std::optional<Text> pathOfFileAddress(TextView address) {
  if (!isFileScheme(schemeOf(address))) return std::nullopt;
  TextView rest = address.substr(5);
  // What follows the path is no part of the file's name.
  rest = rest.substr(0, rest.find_first_of(u"?#"));
  Text prefix;
  if (startsWith(rest, u"///")) {
    rest.remove_prefix(3);
  } else if (startsWith(rest, u"//localhost/")) {
    rest.remove_prefix(12);
  } else if (startsWith(rest, u"//")) {
    rest.remove_prefix(2);
    prefix = u"\\\\";
  } else if (startsWith(rest, u"/")) {
    rest.remove_prefix(1);
  }
  std::string bytes;
  for (std::size_t i = 0; i < rest.size();) {
    const std::size_t escape = std::min(rest.find(u'%', i), rest.size());
    bytes += toUtf8(rest.substr(i, escape - i));
    if (escape == rest.size()) break;
    const int high = escape + 2 < rest.size() ? hexValue(rest[escape + 1]) : -1;
    const int low = high < 0 ? -1 : hexValue(rest[escape + 2]);
    if (low < 0) return std::nullopt;
    bytes += static_cast<char>(high * 16 + low);
    i = escape + 3;
  }
  Text path = prefix + fromUtf8(bytes);
  // Escapes of another code page than UTF-8 name no file we could find.
  if (path.size() == prefix.size() || path.find(u'\uFFFD') != Text::npos) return std::nullopt;
  for (char16_t& c : path) {
    if (c == u'/') c = u'\\';
  }
  return path;
}

std::optional<int64_t> openWebAddress(Shell& shell, const Text& address) {
  if (address.size() <= kLongestShellText) return shell.open(address, u"", u"");
  // A scheme opened some other way than by a command (a packaged browser)
  // has no road for a long address.
  const Text command = shell.schemeCommand(schemeOf(address));
  if (command.empty()) return std::nullopt;
  const std::optional<Text> line = handlerCommandLine(command, address);
  if (!line) return std::nullopt;
  return shell.startCommandLine(*line) ? kHandlerStarted : kHandlerNotStarted;
}

}  // namespace pipit
