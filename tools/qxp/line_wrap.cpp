#include "line_wrap.h"

#include "platform/code_page_1252.h"
#include "terminal_text.h"

namespace qxp {
namespace {

constexpr std::string_view LineEnd = "\r\n";

// The bytes of the longest start of line that takes at most width, never
// less than its first character.
std::size_t FittingLength(std::string_view line, std::size_t width, WrapMeasure measure) {
  if (measure == WrapMeasure::Bytes)
    return std::min(line.size(), width);
  std::size_t columns = 0;
  std::size_t pos = 0;
  while (pos < line.size()) {
    std::size_t next = pos;
    const auto taken =
        static_cast<std::size_t>(TerminalColumns(platform::NextCharacter(line, next)));
    if (columns + taken > width && pos > 0)
      break;
    columns += taken;
    pos = next;
  }
  return pos;
}

void WrapLine(std::string_view line, std::size_t width, WrapMeasure measure, std::string &out) {
  for (;;) {
    const std::size_t fit = FittingLength(line, width, measure);
    if (fit == line.size())
      break;
    std::size_t cut = line.rfind(' ', fit);
    std::size_t next = cut;
    if (cut == std::string_view::npos || line.find_first_not_of(' ') >= cut) {
      cut = fit; // no space to break at (or only leading ones): cut the word
      next = fit;
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

std::string WrapLines(std::string_view text, std::size_t width, WrapMeasure measure) {
  std::string out;
  out.reserve(text.size() + text.size() / (width > 0 ? width : 1) * LineEnd.size());
  while (!text.empty()) {
    const std::size_t end = text.find(LineEnd);
    WrapLine(text.substr(0, end), width, measure, out);
    if (end == std::string_view::npos)
      break;
    out.append(LineEnd);
    text.remove_prefix(end + LineEnd.size());
  }
  return out;
}

} // namespace qxp
