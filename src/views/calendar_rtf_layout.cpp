#include "views/calendar_rtf_layout.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace tw {

namespace {

bool IsAlpha(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0 || c == '-'; }

struct Control {
  std::string word;
  int value = 0;
  bool hasValue = false;
  char escaped = 0;  // a literal character written as a control
};

Control ReadControl(std::string_view s, size_t& i) {
  Control c;
  ++i;  // the backslash
  if (i >= s.size()) return c;
  if (!IsAlpha(s[i])) {
    if (s[i] == '\'' && i + 2 < s.size()) {
      c.escaped = static_cast<char>(std::strtol(std::string(s.substr(i + 1, 2)).c_str(), nullptr, 16));
      i += 3;
    } else {
      c.escaped = s[i++];
    }
    return c;
  }
  const size_t start = i;
  while (i < s.size() && IsAlpha(s[i])) ++i;
  c.word = std::string(s.substr(start, i - start));
  const size_t num = i;
  while (i < s.size() && IsDigit(s[i])) ++i;
  if (i > num) {
    c.hasValue = true;
    // RTF parameters are 16-bit; longer numbers saturate, so tab stops and sizes stay
    // within what the layout can multiply by a resolution.
    const bool negative = s[num] == '-';
    int64_t v = 0;
    for (size_t k = num + (negative ? 1 : 0); k < i && s[k] != '-'; ++k) v = std::min<int64_t>(v * 10 + (s[k] - '0'), 32767);
    c.value = static_cast<int>(negative ? -v : v);
  }
  if (i < s.size() && s[i] == ' ') ++i;
  return c;
}

// The colour table group: "\redR\greenG\blueB;" per entry, the first entry empty.
std::vector<uint32_t> ParseColours(std::string_view group) {
  std::vector<uint32_t> colours;
  uint32_t current = 0;
  for (size_t i = 0; i < group.size();) {
    if (group[i] == ';') {
      colours.push_back(current);
      current = 0;
      ++i;
    } else if (group[i] == '\\') {
      const Control c = ReadControl(group, i);
      if (c.word == "red") current = (current & 0xFFFF00) | (c.value & 0xFF);
      if (c.word == "green") current = (current & 0xFF00FF) | ((c.value & 0xFF) << 8);
      if (c.word == "blue") current = (current & 0x00FFFF) | ((c.value & 0xFF) << 16);
    } else {
      ++i;
    }
  }
  return colours;
}

size_t GroupEnd(std::string_view s, size_t i) {
  int depth = 0;
  for (; i < s.size(); ++i) {
    if (s[i] == '\\') {
      ++i;
      continue;
    }
    if (s[i] == '{') ++depth;
    if (s[i] == '}' && --depth == 0) return i + 1;
  }
  return s.size();
}

// The face name of font 1 in the font table.
std::string TextFontOf(std::string_view table) {
  const size_t f1 = table.find("\\f1");
  if (f1 == std::string_view::npos) return {};
  const size_t semi = table.find(';', f1);
  size_t start = table.rfind(' ', semi);
  if (semi == std::string_view::npos || start == std::string_view::npos || start < f1) return {};
  // The face may hold blanks: take everything after the last control word.
  size_t lastControl = f1;
  for (size_t i = f1; i < semi; ++i)
    if (table[i] == '\\') lastControl = i;
  start = table.find(' ', lastControl);
  if (start == std::string_view::npos || start > semi) return {};
  return std::string(table.substr(start + 1, semi - start - 1));
}

}  // namespace

RtfDocument ParseRtf(std::string_view s) {
  RtfDocument doc;
  std::vector<uint32_t> colours;
  RtfRun style;
  RtfParagraph para;
  auto addChar = [&](char ch) {
    if (para.runs.empty() || para.runs.back().tab || para.runs.back().font != style.font ||
        para.runs.back().halfPoints != style.halfPoints || para.runs.back().colour != style.colour ||
        para.runs.back().bold != style.bold || para.runs.back().italic != style.italic) {
      RtfRun r = style;
      r.text.clear();
      r.tab = false;
      para.runs.push_back(r);
    }
    para.runs.back().text += ch;
  };
  for (size_t i = 0; i < s.size();) {
    const char ch = s[i];
    if (ch == '{') {
      if (s.compare(i, 9, "{\\fonttbl") == 0) {
        const size_t end = GroupEnd(s, i);
        doc.textFont = TextFontOf(s.substr(i, end - i));
        i = end;
      } else if (s.compare(i, 10, "{\\colortbl") == 0) {
        const size_t end = GroupEnd(s, i);
        colours = ParseColours(s.substr(i + 10, end - i - 10));
        i = end;
      } else {
        ++i;
      }
      continue;
    }
    if (ch == '}' || ch == '\r' || ch == '\n') {
      ++i;
      continue;
    }
    if (ch != '\\') {
      addChar(ch);
      ++i;
      continue;
    }
    const Control c = ReadControl(s, i);
    if (c.escaped) {
      addChar(c.escaped);
    } else if (c.word == "par") {
      doc.paragraphs.push_back(para);
      para.runs.clear();
    } else if (c.word == "pard") {
      para.tabsTwips.clear();
      para.centred = false;
    } else if (c.word == "plain") {
      style = RtfRun();
    } else if (c.word == "tab") {
      RtfRun r = style;
      r.text.clear();
      r.tab = true;
      para.runs.push_back(r);
    } else if (c.word == "tx" && c.hasValue) {
      para.tabsTwips.push_back(c.value);
    } else if (c.word == "qc") {
      para.centred = true;
    } else if (c.word == "ql") {
      para.centred = false;
    } else if (c.word == "f" && c.hasValue) {
      style.font = c.value;
    } else if (c.word == "fs" && c.hasValue) {
      style.halfPoints = std::max(1, c.value);
    } else if (c.word == "cf") {
      const int k = c.hasValue ? c.value : 0;
      style.colour = k > 0 && k < static_cast<int>(colours.size()) ? colours[k] : 0;
    } else if (c.word == "b") {
      style.bold = !c.hasValue || c.value != 0;
    } else if (c.word == "i") {
      style.italic = !c.hasValue || c.value != 0;
    } else if (c.word == "deftab" && c.hasValue && c.value > 0) {
      doc.defaultTabTwips = c.value;
    }
  }
  if (!para.runs.empty()) doc.paragraphs.push_back(para);
  return doc;
}

namespace {

struct LineBuilder {
  LineBuilder(RtfLayout& o, RtfMeasure& m, int w) : out(o), measure(m), width(w) {}
  RtfLayout& out;
  RtfMeasure& measure;
  int width;
  int top = 0;
  std::vector<RtfPiece> line;
  int x = 0;
  int lineHeight = 0, lineAscent = 0;
  bool centred = false;

  void Note(const RtfRun& style) {
    lineHeight = std::max(lineHeight, measure.Height(style));
    lineAscent = std::max(lineAscent, measure.Ascent(style));
  }
  void Place(const RtfRun& style, std::string text, int w) {
    Note(style);
    RtfPiece p;
    p.x = x;
    p.style = style;
    p.style.text = std::move(text);
    line.push_back(std::move(p));
    x += w;
  }
  void Finish(const RtfRun* emptyStyle) {
    if (line.empty() && emptyStyle) Note(*emptyStyle);
    const int shift = centred ? std::max(0, (width - x) / 2) : 0;
    const int index = static_cast<int>(out.lineBottoms.size());
    for (RtfPiece& p : line) {
      p.line = index;
      p.y = top + lineAscent - measure.Ascent(p.style);
      p.x += shift;
      out.pieces.push_back(std::move(p));
    }
    top += lineHeight;
    out.lineBottoms.push_back(top);
    line.clear();
    x = 0;
    lineHeight = lineAscent = 0;
  }
};

}  // namespace

RtfLayout LayoutRtf(const RtfDocument& doc, int width, int dpi, RtfMeasure& measure) {
  RtfLayout out;
  LineBuilder b(out, measure, width);
  const int defaultTab = std::max(1, doc.defaultTabTwips * dpi / 1440);
  RtfRun lastStyle;
  for (const RtfParagraph& para : doc.paragraphs) {
    b.centred = para.centred;
    for (const RtfRun& run : para.runs) {
      lastStyle = run;
      if (run.tab) {
        int stop = -1;
        for (int t : para.tabsTwips) {
          const int px = t * dpi / 1440;
          if (px > b.x) {
            stop = px;
            break;
          }
        }
        if (stop < 0) stop = (b.x / defaultTab + 1) * defaultTab;
        b.Note(run);
        b.x = stop;
        continue;
      }
      // Words keep their trailing blank, so a line breaks only after blanks.
      size_t start = 0;
      while (start < run.text.size()) {
        size_t end = run.text.find(' ', start);
        end = end == std::string::npos ? run.text.size() : end + 1;
        std::string word = run.text.substr(start, end - start);
        std::string_view visible(word);
        while (!visible.empty() && visible.back() == ' ') visible.remove_suffix(1);
        const int w = measure.Width(run, word);
        const int wVisible = measure.Width(run, visible);
        if (b.x > 0 && b.x + wVisible > width) b.Finish(nullptr);
        b.Place(run, word, w);
        start = end;
      }
    }
    b.Finish(&lastStyle);
  }
  out.height = b.top;
  return out;
}

RtfLayout EndWithEllipsis(const RtfLayout& layout, int maxHeight, int width, std::string_view ellipsis,
                          RtfMeasure& measure) {
  if (layout.height <= maxHeight || layout.lineBottoms.empty()) return layout;
  int kept = 0;
  while (kept < static_cast<int>(layout.lineBottoms.size()) && layout.lineBottoms[kept] <= maxHeight) ++kept;
  const int last = std::max(kept, 1) - 1;  // even a first line too tall shows the ellipsis
  RtfLayout out;
  out.lineBottoms.assign(layout.lineBottoms.begin(), layout.lineBottoms.begin() + last + 1);
  out.height = out.lineBottoms.back();
  std::vector<RtfPiece> line;
  for (const RtfPiece& p : layout.pieces) {
    if (p.line < last) out.pieces.push_back(p);
    if (p.line == last) line.push_back(p);
  }
  // The ellipsis follows the last line's own text, which gives up characters from its end
  // until both fit the width; a one-line print row so still says what the day holds.
  RtfPiece dots;
  dots.y = last > 0 ? layout.lineBottoms[last - 1] : 0;
  for (const RtfPiece& p : line)
    if (!p.style.tab) dots = p;
  dots.line = last;
  dots.style.tab = false;
  dots.style.text = std::string(ellipsis);
  const int dotsWidth = measure.Width(dots.style, ellipsis);
  int right = 0;
  while (!line.empty()) {
    RtfPiece& p = line.back();
    if (p.style.tab) {
      line.pop_back();
      continue;
    }
    while (!p.style.text.empty() && p.style.text.back() == ' ') p.style.text.pop_back();
    right = p.x + measure.Width(p.style, p.style.text);
    if (!p.style.text.empty() && right + dotsWidth <= width) break;
    if (p.style.text.empty()) {
      line.pop_back();
      right = 0;
      continue;
    }
    p.style.text.pop_back();
  }
  out.pieces.insert(out.pieces.end(), line.begin(), line.end());
  dots.x = line.empty() ? 0 : right;
  out.pieces.push_back(dots);
  return out;
}

}  // namespace tw
