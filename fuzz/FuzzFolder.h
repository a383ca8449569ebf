#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The folder a fuzz target's files live in, one per process: in memory (/dev/shm) where the
// machine has it, so that writing the input as a file costs little. Emptied before each input
// and removed when the process ends.
class FuzzFolder {
 public:
  FuzzFolder();
  ~FuzzFolder();
  FuzzFolder(const FuzzFolder&) = delete;
  FuzzFolder& operator=(const FuzzFolder&) = delete;

  // The folder, with its trailing separator.
  const std::string& path() const { return m_path; }
  void empty() const;
  void write(const std::string& name, const uint8_t* data, std::size_t size) const;
  std::string read(const std::string& name) const;

 private:
  std::string m_path;
};

// A promise of the code under test that did not hold: stops the run, which libFuzzer reports
// with the input that broke it.
void expect(bool holds, const char* promise);
