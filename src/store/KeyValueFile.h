#pragma once

#include <string>
#include <string_view>

namespace tw {

// The whole-file key-value store behind settings.ini and currency.dat: one UTF-16 text of
// "key=value" lines and "[section]" header lines, each ending with CR LF, kept on disk as
// UTF-16LE without byte-order mark.
//
// A key is found only where a line starts with it (at the start of the text, after CR LF, or after
// a leading U+FEFF) and is followed directly by "=". A key name inside a value (a folder called
// "Top") is therefore never taken for the key itself. Files written by earlier versions read the
// same; the format does not change. Sections do not scope the lookup.
class KeyValueFile {
 public:
  // Replaces the text with the file's content: n bytes give n/2 code units (an odd last byte is
  // ignored; a leading byte-order mark stays as U+FEFF). Returns 0, or -1 when the file cannot
  // be read (the text is then left as it was).
  int Load(const std::string& path);
  // Replaces the file atomically with the text. Returns 0, or -1 when the text is empty (nothing
  // is written, an existing file stays) or the file cannot be written (the old file stays).
  int Save(const std::string& path) const;

  // The text after "key=" up to the next CR; empty when the key's line is missing or is the last
  // line and lacks its CR LF.
  std::u16string GetValue(std::u16string_view key) const;
  // Adds "key=value" CR LF unless a line for the key exists (a value is never replaced). Without a
  // section the line is appended; with one it goes directly after the section's header line
  // (before the section's earlier lines), the header being appended first when absent. A key,
  // value or section holding a carriage return cannot be kept in the format and adds nothing.
  void SetValue(std::u16string_view key, std::u16string_view value,
                std::u16string_view section = u"");

  // UTF-8 forms of the two above.
  std::string GetValue(std::string_view key) const;
  void SetValue(std::string_view key, std::string_view value, std::string_view section = "");

  // Whether a line for the key exists.
  bool HasKey(std::u16string_view key) const;

  const std::u16string& Text() const { return text_; }
  void SetText(std::u16string text) { text_ = std::move(text); }

 private:
  // Index of the first character of the key's line, or npos.
  size_t FindKeyLine(std::u16string_view key) const;

  std::u16string text_;
};

}  // namespace tw
