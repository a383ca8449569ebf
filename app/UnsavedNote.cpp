#include "app/UnsavedNote.h"

#include <cstdio>
#include <fstream>

#include "common/misc/CxFile.h"

void note_unsaved_at_exit(const std::string& folder, const std::vector<SaveFailure>& failed) {
  const std::string note = folder + kUnsavedNoteFile;
  if (failed.empty()) {
    std::remove(note.c_str());
    return;
  }
  std::string text;
  for (const SaveFailure& f : failed) text += describe(f) + "\n";
  std::fprintf(stderr, "Vantrel Wizard could not save these files:\n%s", text.c_str());
  CxFile out;
  if (!(out.Open(note, "wb") && out.WriteBytes(text) && out.Commit()))
    std::fprintf(stderr, "and could not keep a note of it in %s (%s)\n", note.c_str(),
                 cx_error_text(out.error()).c_str());
}

std::vector<std::string> take_unsaved_note(const std::string& folder) {
  const std::string note = folder + kUnsavedNoteFile;
  std::vector<std::string> lines;
  std::ifstream in(note, std::ios::binary);
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) lines.push_back(line);
  in.close();
  std::remove(note.c_str());
  return lines;
}
