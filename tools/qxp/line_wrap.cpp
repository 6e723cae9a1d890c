#include "line_wrap.h"

namespace qxp {
namespace {

constexpr std::string_view LineEnd = "\r\n";

void WrapLine(std::string_view line, std::size_t width, std::string &out) {
  while (line.size() > width) {
    std::size_t cut = line.rfind(' ', width);
    std::size_t next = cut;
    if (cut == std::string_view::npos || line.find_first_not_of(' ') >= cut) {
      cut = width; // no space to break at (or only leading ones): cut the word
      next = width;
    }
    std::string_view head = line.substr(0, cut);
    head = head.substr(0, head.find_last_not_of(' ') + 1);
    out.append(head);
    out.append(LineEnd);
    line.remove_prefix(next);
    const std::size_t rest = line.find_first_not_of(' ');
    line.remove_prefix(rest == std::string_view::npos ? line.size() : rest);
  }
  out.append(line);
}

} // namespace

std::string WrapLines(std::string_view text, std::size_t width) {
  std::string out;
  out.reserve(text.size() + text.size() / (width > 0 ? width : 1) * LineEnd.size());
  while (!text.empty()) {
    const std::size_t end = text.find(LineEnd);
    WrapLine(text.substr(0, end), width, out);
    if (end == std::string_view::npos)
      break;
    out.append(LineEnd);
    text.remove_prefix(end + LineEnd.size());
  }
  return out;
}

} // namespace qxp
