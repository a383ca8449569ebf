#pragma once

#include <string>
#include <vector>

#include "app/Apputil.h"

// When the program ends with nobody to ask (a termination signal, the session's end) and some
// files could not be saved, the user is told twice: at once on the standard error output, and
// at the next start, from a note kept in the data folder until then.
constexpr const char* kUnsavedNoteFile = "ZorvoWizard.unsaved";

// Tells of `failed` at once and keeps the note in `folder` (with its trailing separator); when
// nothing failed, an earlier note has been dealt with and goes.
void note_unsaved_at_exit(const std::string& folder, const std::vector<SaveFailure>& failed);
// What the note in `folder` tells, one line a file; the note is removed. Empty without a note.
std::vector<std::string> take_unsaved_note(const std::string& folder);
