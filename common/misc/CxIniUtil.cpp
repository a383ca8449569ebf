#include "common/misc/CxIniUtil.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>

#include "common/misc/CxFile.h"
#include "common/misc/WinUtil.h"

namespace {

constexpr std::size_t kMaxPath = 259;

std::string trim(const std::string& s) {
  std::size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return {};
  std::size_t e = s.find_last_not_of(" \t\r\n");
  return s.substr(b, e - b + 1);
}

bool same_name(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// The UTF-8 byte-order mark some editors put at the start of a text file.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The file as lines. Each keeps its own line end, so that the lines the program does not
// change are written back byte for byte; new lines take the first line's.
struct IniText {
  struct Line {
    std::string text;
    std::string end;  // "\r\n", "\n", or none at the end of the file
  };
  std::string bom;  // kept as the file had it: it is not part of the first line
  std::vector<Line> lines;
  std::string line_end = platform::line_end();

  static IniText read(const std::string& path) {
    IniText t;
    std::ifstream in(path, std::ios::binary);
    std::string text;
    while (std::getline(in, text)) {
      if (t.lines.empty() && text.starts_with(kByteOrderMark)) {
        t.bom = kByteOrderMark;
        text.erase(0, kByteOrderMark.size());
      }
      std::string end = in.eof() ? "" : "\n";
      if (!end.empty() && !text.empty() && text.back() == '\r') {
        text.pop_back();
        end = "\r\n";
      }
      if (t.lines.empty() && !end.empty()) t.line_end = end;
      t.lines.push_back({text, end});
    }
    return t;
  }

  void add_line(std::size_t at, std::string text) {
    if (at > 0 && lines[at - 1].end.empty()) lines[at - 1].end = line_end;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), {std::move(text), line_end});
  }

  static std::optional<std::string> section_name(const std::string& line) {
    std::string s = trim(line);
    if (s.size() < 2 || s.front() != '[') return std::nullopt;
    std::size_t close = s.find(']');
    if (close == std::string::npos) return std::nullopt;
    return trim(s.substr(1, close - 1));
  }

  static bool key_of(const std::string& line, std::string& key, std::string& value) {
    std::size_t eq = line.find('=');
    if (eq == std::string::npos) return false;
    std::string k = trim(line.substr(0, eq));
    if (k.empty() || k[0] == ';') return false;
    key = k;
    value = trim(line.substr(eq + 1));
    return true;
  }

  // Calls f(index, key, value) for each key line of the section; the index one past the
  // section's last line is returned (npos when the section is missing).
  template <class F>
  std::size_t walk(const std::string& section, F&& f) const {
    std::size_t end = std::string::npos;
    bool inside = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (auto name = section_name(lines[i].text)) {
        if (inside) return end;
        inside = same_name(*name, section);
        if (inside) end = i + 1;
        continue;
      }
      if (!inside) continue;
      std::string k, v;
      if (key_of(lines[i].text, k, v)) f(i, k, v);
      if (!trim(lines[i].text).empty()) end = i + 1;
    }
    return end;
  }

  std::optional<std::string> get(const std::string& section, const std::string& key) const {
    std::optional<std::string> found;
    walk(section, [&](std::size_t, const std::string& k, const std::string& v) {
      if (!found && same_name(k, key)) found = v;
    });
    return found;
  }

  void set(const std::string& section, const std::string& key, const std::string& value) {
    std::optional<std::size_t> at;
    std::size_t end = walk(section, [&](std::size_t i, const std::string& k, const std::string&) {
      if (!at && same_name(k, key)) at = i;
    });
    std::string line = key + "=" + value;
    // A line end inside a value would start a line of its own and break the file.
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    if (at) {
      lines[*at].text = line;
    } else if (end != std::string::npos) {
      add_line(end, line);
    } else {
      if (!lines.empty() && !trim(lines.back().text).empty()) add_line(lines.size(), "");
      add_line(lines.size(), "[" + section + "]");
      add_line(lines.size(), line);
    }
  }

  // 0, or the error (errno) that stopped the write.
  int write(const std::string& path) const {
    std::string text = bom;
    for (const Line& l : lines) text += l.text + l.end;
    CxFile f;
    return f.Open(path, "wb") && f.WriteBytes(text) && f.Commit() ? 0 : f.error();
  }
};

}  // namespace

int32_t parse_atol(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int64_t v = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    v = v * 10 + (text[i] - '0');
    if (v > int64_t{INT32_MAX} + 1) v = int64_t{INT32_MAX} + 1;
  }
  if (negative) v = -v;
  return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

CxIniUtil::CxIniUtil(const std::string& folder, const std::string& file) {
  std::string base = folder;
  if (base.empty()) module_folder(base);
  m_szFile = (base + file).substr(0, kMaxPath);
}

void CxIniUtil::SetFile(const std::string& path) {
  if (!path.empty()) m_szFile = path.substr(0, kMaxPath);
}

int CxIniUtil::GetString(const std::string& section, const std::string& key, char* buffer, int size,
                         const char* def) const {
  if (!buffer || size <= 0) return 0;
  std::optional<std::string> v = IniText::read(m_szFile).get(section, key);
  std::string value = v ? *v : (def ? def : "");
  std::size_t n = std::min(value.size(), static_cast<std::size_t>(size - 1));
  std::memcpy(buffer, value.data(), n);
  buffer[n] = '\0';
  return static_cast<int>(n);
}

int32_t CxIniUtil::GetInt(const std::string& section, const std::string& key, int32_t def) const {
  char buf[32];
  if (GetString(section, key, buf, sizeof buf, "") == 0) return def;
  return parse_atol(buf);
}

bool CxIniUtil::GetBool(const std::string& section, const std::string& key, bool def) const {
  return GetInt(section, key, def ? 1 : 0) != 0;
}

bool CxIniUtil::WriteString(const std::string& section, const std::string& key, const char* value) {
  if (key.empty()) return false;
  return WriteAll(section, {{key, value ? value : ""}});
}

bool CxIniUtil::WriteInt(const std::string& section, const std::string& key, int32_t value) {
  return WriteString(section, key, std::to_string(value).c_str());
}

bool CxIniUtil::WriteBool(const std::string& section, const std::string& key, bool value) {
  return WriteInt(section, key, value ? 1 : 0);
}

bool CxIniUtil::WriteAll(const std::string& section,
                         const std::vector<std::pair<std::string, std::string>>& values) {
  IniText text = IniText::read(m_szFile);
  for (const auto& [key, value] : values)
    if (!key.empty()) text.set(section, key, value);
  m_write_error = text.write(m_szFile);
  return m_write_error == 0;
}
