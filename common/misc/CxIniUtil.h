#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Reads and writes the settings file in the initialization-file text form: a "[section]" line
// followed by "key=value" lines. Section and key names match without regard to case. Writing
// keeps every other line of the file (other sections, keys the program does not know,
// comments) as it was, creates the file and the section when missing, and replaces the file in
// one step so that a failed write never leaves half a settings file behind.
class CxIniUtil {
 public:
  // The settings file is `folder` followed by `file`; with an empty folder, the program's own
  // folder.
  CxIniUtil(const std::string& folder, const std::string& file);
  virtual ~CxIniUtil() = default;

  void SetFile(const std::string& path);
  const std::string& File() const { return m_szFile; }

  // Copies the key's value (at most size - 1 characters) into `buffer`, or the default when
  // the key is missing; the number of characters copied.
  int GetString(const std::string& section, const std::string& key, char* buffer, int size,
                const char* def) const;
  // The value parsed as the C library's atol does; the default when missing or empty.
  int32_t GetInt(const std::string& section, const std::string& key, int32_t def) const;
  bool GetBool(const std::string& section, const std::string& key, bool def) const;

  bool WriteString(const std::string& section, const std::string& key, const char* value);
  bool WriteInt(const std::string& section, const std::string& key, int32_t value);
  bool WriteBool(const std::string& section, const std::string& key, bool value);
  // Writes several keys of one section with a single replacement of the file.
  bool WriteAll(const std::string& section,
                const std::vector<std::pair<std::string, std::string>>& values);
  // Why the last write failed (an errno value); 0 when it did not.
  int write_error() const { return m_write_error; }

 private:
  std::string m_szFile;  // at most 259 characters
  int m_write_error = 0;
};

// The C library's atol on a 32-bit long: leading blanks, a sign, digits up to the first other
// character; no digits read as 0; values beyond the int32 range are held at its ends.
int32_t parse_atol(const std::string& text);
