#include "formats/subtitle/SubtitleReader.h"

#include <vector>

#include "formats/common/MarkupText.h"
#include "formats/common/ReaderEntry.h"
#include "formats/common/TextFile.h"
#include "text/Utf16Text.h"

namespace tw {
namespace {

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

// Override blocks such as {\an8} position a line; they are not shown.
std::string WithoutOverrides(std::string_view line) {
  std::string out;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '{' && i + 1 < line.size() && line[i + 1] == '\\') {
      const size_t close = line.find('}', i);
      if (close != std::string_view::npos) {
        i = close;
        continue;
      }
    }
    out.push_back(line[i]);
  }
  return out;
}

class CueCollector {
 public:
  void Block(const std::vector<std::string_view>& lines) {
    size_t timing = 0;
    while (timing < lines.size() && lines[timing].find("-->") == std::string_view::npos) ++timing;
    if (timing == lines.size()) return;
    std::string text;
    for (size_t i = timing + 1; i < lines.size(); ++i) {
      if (!text.empty()) text += '\n';
      text += VisibleTextOfMarkup(WithoutOverrides(lines[i]));
    }
    ++cues_;
    if (!text.empty()) document_.Add(PieceKind::Cue, Utf8ToUtf16(text));
  }

  size_t Cues() const { return cues_; }
  Document Take() { return std::move(document_); }

 private:
  Document document_;
  size_t cues_ = 0;
};

}  // namespace

Document ParseSubtitles(std::string_view text) {
  CueCollector collector;
  std::vector<std::string_view> block;
  bool anyText = false;
  for (const std::string_view line : TextLines(text)) {
    if (IsBlank(line)) {
      collector.Block(block);
      block.clear();
      continue;
    }
    anyText = true;
    block.push_back(line);
  }
  collector.Block(block);
  if (anyText && collector.Cues() == 0) throw ContainerError("the file holds no subtitle cues");
  return collector.Take();
}

ReadResult ReadSubtitles(const std::string& path) {
  return ReadGuarded(path, "The subtitle file cannot be read:", [&] {
    return ParseSubtitles(ReadTextFileUtf8(path));
  });
}

}  // namespace tw
