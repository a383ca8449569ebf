#pragma once

#include <string>

// A fresh, empty folder that is removed with everything in it when the object goes. With
// `as_data_home`, the program's data folder is made to live inside it for as long.
class TempFolder {
 public:
  explicit TempFolder(bool as_data_home = false);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, with a trailing separator.
  const std::string& path() const { return m_path; }
  std::string file(const std::string& name) const { return m_path + name; }

 private:
  std::string m_path;
  bool m_data_home;
  std::string m_saved_data_home;
  bool m_had_data_home = false;
};

// Whole-file helpers for tests.
std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& bytes);
bool file_exists(const std::string& path);
