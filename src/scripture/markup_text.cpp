#include "scripture/markup_text.h"

#include <cctype>
#include <cstdint>
#include <string>

#include "platform/ascii.h"

namespace {

constexpr std::string_view Pilcrow = "\xC2\xB6";
constexpr std::string_view Replacement = "\xEF\xBF\xBD";

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

void AppendUtf8(std::string &out, std::uint32_t code) {
  if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    out += Replacement;
  } else if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The length of the well-formed UTF-8 character at text[at]; 0 when the
// bytes there are not one.
std::size_t Utf8Length(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  std::size_t length = lead < 0x80                   ? 1
                       : lead >= 0xC2 && lead < 0xE0 ? 2
                       : lead >= 0xE0 && lead < 0xF0 ? 3
                       : lead >= 0xF0 && lead < 0xF5 ? 4
                                                     : 0;
  if (length == 0 || at + length > text.size())
    return 0;
  for (std::size_t i = 1; i < length; ++i)
    if ((byte(i) & 0xC0) != 0x80)
      return 0;
  // Overlong forms, surrogates and code points past U+10FFFF.
  if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) >= 0xA0) ||
      (lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) >= 0x90))
    return 0;
  return length;
}

// The character an entity names ("amp", "#8212", "#x2014"); false for one
// not known.
bool Entity(std::string_view name, std::string &out) {
  static constexpr struct {
    std::string_view name;
    std::uint32_t code;
  } named[] = {{"amp", '&'},      {"lt", '<'},       {"gt", '>'},       {"quot", '"'},
               {"apos", '\''},    {"nbsp", 0xA0},    {"mdash", 0x2014}, {"ndash", 0x2013},
               {"lsquo", 0x2018}, {"rsquo", 0x2019}, {"ldquo", 0x201C}, {"rdquo", 0x201D}};
  for (const auto &entity : named)
    if (name == entity.name) {
      AppendUtf8(out, entity.code);
      return true;
    }
  if (name.size() < 2 || name.size() > 8 || name[0] != '#')
    return false;
  const bool hex = name[1] == 'x' || name[1] == 'X';
  std::uint32_t code = 0;
  std::string_view digits = name.substr(hex ? 2 : 1);
  if (digits.empty())
    return false;
  for (char c : digits) {
    int value = c >= '0' && c <= '9'          ? c - '0'
                : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                              : -1;
    if (value < 0)
      return false;
    code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(value);
  }
  AppendUtf8(out, code);
  return true;
}

// One tag: "<w lemma="...">", "</note>", "<div type="x-p" sID="p1"/>",
// "<FI>".
struct Tag {
  std::string_view name;
  std::string_view attributes;
  bool closing = false;
  bool empty = false; // self-closing

  // The value of attribute key ("type" of type="added"); empty when none.
  std::string_view Attribute(std::string_view key) const {
    for (std::size_t at = attributes.find(key); at != std::string_view::npos;
         at = attributes.find(key, at + 1)) {
      const bool starts = at == 0 || IsSpace(attributes[at - 1]);
      std::size_t equals = at + key.size();
      if (!starts || equals + 1 >= attributes.size() || attributes[equals] != '=')
        continue;
      const char quote = attributes[equals + 1];
      if (quote != '"' && quote != '\'')
        continue;
      std::size_t end = attributes.find(quote, equals + 2);
      if (end == std::string_view::npos)
        return {};
      return attributes.substr(equals + 2, end - equals - 2);
    }
    return {};
  }
};

Tag ReadTag(std::string_view inside) {
  Tag tag;
  if (inside.starts_with('/')) {
    tag.closing = true;
    inside.remove_prefix(1);
  }
  if (inside.ends_with('/')) {
    tag.empty = true;
    inside.remove_suffix(1);
  }
  std::size_t end = 0;
  while (end < inside.size() && !IsSpace(inside[end]))
    ++end;
  tag.name = inside.substr(0, end);
  tag.attributes = inside.substr(end);
  while (!tag.attributes.empty() && IsSpace(tag.attributes.front()))
    tag.attributes.remove_prefix(1);
  return tag;
}

// What an element does to the text inside it.
struct Effect {
  bool skip = false;      // left out: a note, a variant, an editor's title
  bool italic = false;    // words the translators added
  bool paragraph = false; // a paragraph (or a milestone of one)
  bool lineBreak = false;
};

bool Is(std::string_view name, std::string_view wanted) {
  return platform::SameAscii(name, wanted);
}

Effect XmlEffect(const Tag &tag, TMarkup markup) {
  Effect effect;
  const std::string_view name = tag.name;
  if (Is(name, "note") || Is(name, "rdg") || Is(name, "figure") || Is(name, "orig"))
    effect.skip = true;
  else if (Is(name, "title") && tag.Attribute("canonical") != "true")
    effect.skip = markup == TMarkup::OSIS;
  else if (Is(name, "transChange"))
    effect.italic = tag.Attribute("type") == "added";
  else if (Is(name, "hi"))
    effect.italic = tag.Attribute("type") == "italic";
  else if (Is(name, "i") || Is(name, "em") || Is(name, "added"))
    effect.italic = true;
  else if (Is(name, "p") || Is(name, "lg") || Is(name, "h1") || Is(name, "h2") || Is(name, "h3") ||
           Is(name, "h4") || (Is(name, "div") && markup == TMarkup::ThML) ||
           (Is(name, "div") && tag.Attribute("type") == "paragraph") ||
           (Is(name, "div") && tag.Attribute("type") == "x-p") ||
           (Is(name, "milestone") &&
            (tag.Attribute("type") == "x-p" || tag.Attribute("type") == "pilcrow")))
    effect.paragraph = true;
  else if (Is(name, "lb") || Is(name, "br") || Is(name, "l"))
    effect.lineBreak = true;
  return effect;
}

// GBF's tokens: <RF>note<Rf>, <FI>added<Fi>, <TS>title<Ts>, <CM> paragraph,
// <CL> line; every other token (Strong's <WG5547>, morphology <WTG>, ...)
// goes.
struct GbfEffect {
  bool opens = false, closes = false;
  Effect effect;
};

GbfEffect GbfToken(std::string_view token) {
  GbfEffect gbf;
  if (token == "RF" || token == "TS" || token == "RB") {
    gbf.opens = true;
    gbf.effect.skip = true;
  } else if (token == "Rf" || token == "Ts" || token == "Rb") {
    gbf.closes = true;
    gbf.effect.skip = true;
  } else if (token == "FI") {
    gbf.opens = true;
    gbf.effect.italic = true;
  } else if (token == "Fi") {
    gbf.closes = true;
    gbf.effect.italic = true;
  } else if (token == "CM") {
    gbf.effect.paragraph = true;
  } else if (token == "CL") {
    gbf.effect.lineBreak = true;
  }
  return gbf;
}

// Collects runs and paragraphs, folding white space.
class Collector {
public:
  // lineEnds: a line end in the text ends a paragraph (plain text read by
  // lines): "\n", "\r\n", or "\r" alone, which imp2ld leaves of a line end.
  explicit Collector(bool lineEnds = false) : lineEnds_(lineEnds) {}
  void Text(std::string_view text, bool italic) {
    for (char c : text) {
      if ((c == '\n' || c == '\r') && lineEnds_) {
        EndParagraph();
        continue;
      }
      if (IsSpace(c)) {
        blank_ = !current_.empty();
        continue;
      }
      // Where something was left out between two words ("God<note>...
      // </note>created"), the words stay apart; before punctuation nothing
      // is missing.
      const auto byte = static_cast<unsigned char>(c);
      if (softBlank_ && !current_.empty() &&
          (std::isalnum(byte) != 0 || byte >= 0x80 || c == '(' || c == '"'))
        blank_ = true;
      softBlank_ = false;
      // A blank between runs goes with the upright one: "darkness " "was"
      // " upon".
      const bool newRun = current_.empty() || current_.back().italic != italic;
      const bool blankStartsRun = blank_ && newRun && current_.back().italic;
      if (blank_ && !blankStartsRun)
        current_.back().text += ' ';
      if (newRun)
        current_.push_back({blankStartsRun ? " " : "", italic});
      blank_ = false;
      current_.back().text += c;
    }
  }
  void Blank() { blank_ = !current_.empty(); }
  void SoftBlank() { softBlank_ = true; }
  void EndParagraph() {
    if (paragraphs_.empty() && current_.empty())
      opens_ = true;
    if (!current_.empty())
      paragraphs_.push_back(std::move(current_));
    current_.clear();
    blank_ = false;
  }
  std::vector<TRuns> Finish(bool *opensParagraph) {
    if (opensParagraph != nullptr)
      *opensParagraph = opens_;
    EndParagraph();
    return std::move(paragraphs_);
  }

private:
  std::vector<TRuns> paragraphs_;
  TRuns current_;
  bool blank_ = false;
  bool softBlank_ = false; // something left out: a blank before a word
  bool opens_ = false;     // a paragraph began before the first word
  bool lineEnds_ = false;
};

struct Open {
  std::string_view name;
  Effect effect;
};

bool Skipping(const std::vector<Open> &open) {
  for (const Open &element : open)
    if (element.effect.skip)
      return true;
  return false;
}

bool Italic(const std::vector<Open> &open) {
  for (const Open &element : open)
    if (element.effect.italic)
      return true;
  return false;
}

// Text between tags: entities and pilcrows resolved, bytes that are not
// UTF-8 replaced.
std::string CleanText(std::string_view text, bool entities, bool &pilcrow) {
  std::string out;
  for (std::size_t at = 0; at < text.size();) {
    if (text.substr(at).starts_with(Pilcrow)) {
      pilcrow = true;
      at += Pilcrow.size();
      continue;
    }
    if (entities && text[at] == '&') {
      std::size_t end = text.find(';', at);
      if (end != std::string_view::npos && end - at <= 10 &&
          Entity(text.substr(at + 1, end - at - 1), out)) {
        at = end + 1;
        continue;
      }
    }
    std::size_t length = Utf8Length(text, at);
    if (length == 0) {
      out += Replacement;
      ++at;
      continue;
    }
    if (length == 1 && static_cast<unsigned char>(text[at]) < 0x20 && !IsSpace(text[at]))
      out += ' '; // a control character shows as nothing of its own
    else
      out.append(text.substr(at, length));
    at += length;
  }
  return out;
}

} // namespace

TMarkup MarkupOf(std::string_view sourceType) {
  if (Is(sourceType, "OSIS"))
    return TMarkup::OSIS;
  if (Is(sourceType, "ThML"))
    return TMarkup::ThML;
  if (Is(sourceType, "GBF"))
    return TMarkup::GBF;
  if (Is(sourceType, "TEI"))
    return TMarkup::TEI;
  return TMarkup::Plain;
}

namespace {

// lines: a line break ends a paragraph, as a plain text's line end does.
std::vector<TRuns> Paragraphs(std::string_view entry, TMarkup markup, bool lines,
                              bool *opensParagraph) {
  Collector collector(lines && markup == TMarkup::Plain);
  std::vector<Open> open;
  const bool tags = markup != TMarkup::Plain;
  const bool xml = tags && markup != TMarkup::GBF;
  std::size_t at = 0;
  while (at < entry.size()) {
    std::size_t lt = tags ? entry.find('<', at) : std::string_view::npos;
    std::size_t gt = lt == std::string_view::npos ? lt : entry.find('>', lt);
    if (gt == std::string_view::npos)
      lt = entry.size(); // no more tags: an unclosed "<" is text
    if (lt > at) {
      bool pilcrow = false;
      std::string text = CleanText(entry.substr(at, lt - at), xml, pilcrow);
      if (pilcrow)
        collector.EndParagraph();
      if (!Skipping(open))
        collector.Text(text, Italic(open));
    }
    if (lt >= entry.size())
      break;
    std::string_view inside = entry.substr(lt + 1, gt - lt - 1);
    at = gt + 1;
    const bool wasSkipping = Skipping(open);
    Effect effect;
    if (xml) {
      if (inside.starts_with('!') || inside.starts_with('?'))
        continue; // a comment or a declaration
      Tag tag = ReadTag(inside);
      effect = XmlEffect(tag, markup);
      if (tag.closing) {
        for (std::size_t i = open.size(); i-- > 0;)
          if (Is(open[i].name, tag.name)) {
            open.resize(i);
            break;
          }
      } else if (!tag.empty && open.size() < NestingLimit) {
        // A milestone (sID, eID) opens nothing.
        if (tag.Attribute("sID").empty() && tag.Attribute("eID").empty())
          open.push_back({tag.name, effect});
      }
    } else {
      GbfEffect gbf = GbfToken(inside);
      effect = gbf.effect;
      if (gbf.opens && open.size() < NestingLimit)
        open.push_back({inside, gbf.effect});
      if (gbf.closes)
        for (std::size_t i = open.size(); i-- > 0;)
          if (open[i].effect.skip == gbf.effect.skip &&
              open[i].effect.italic == gbf.effect.italic) {
            open.resize(i);
            break;
          }
    }
    if (Skipping(open))
      continue;
    if (wasSkipping)
      collector.SoftBlank();
    if (effect.paragraph || (effect.lineBreak && lines))
      collector.EndParagraph();
    else if (effect.lineBreak)
      collector.Blank();
  }
  return collector.Finish(opensParagraph);
}

} // namespace

std::vector<TRuns> MarkupParagraphs(std::string_view entry, TMarkup markup, bool *opensParagraph) {
  return Paragraphs(entry, markup, false, opensParagraph);
}

std::vector<TRuns> MarkupLines(std::string_view entry, TMarkup markup) {
  return Paragraphs(entry, markup, true, nullptr);
}

TRuns MarkupRuns(std::string_view entry, TMarkup markup, bool *opensParagraph) {
  TRuns runs;
  for (TRuns &paragraph : MarkupParagraphs(entry, markup, opensParagraph)) {
    if (!runs.empty())
      runs.back().text += ' ';
    for (TDocumentRun &run : paragraph) {
      if (!runs.empty() && runs.back().italic == run.italic)
        runs.back().text += run.text;
      else
        runs.push_back(std::move(run));
    }
  }
  return runs;
}

std::string Latin1ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    AppendUtf8(out, static_cast<unsigned char>(c));
  return out;
}
