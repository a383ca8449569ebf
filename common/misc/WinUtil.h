#pragma once

#include <cstdio>
#include <string>

// The few places where the program asks the operating system for something. Each has one
// Windows body (WinUtil_win.cpp) and one POSIX body (WinUtil_posix.cpp); nothing else in the
// core knows which platform it runs on.

// Drive and folder of the program's own file, with a trailing separator.
bool module_folder(std::string& path);

namespace platform {

// The folder separator of file paths ('\\' on Windows, '/' elsewhere).
char path_separator();

// Line end of the text files the program writes (the settings file).
const char* line_end();

// The machine-wide folder under which the program keeps its data folder: the common
// application data folder on Windows, the user's data folder elsewhere. Created when missing.
bool common_data_folder(std::string& folder);

// The local wall clock, to whole seconds.
struct LocalTime {
  int year, month, day, hour, minute, second;
};
LocalTime local_time_now();

// The file functions below set errno when they fail, as the C library's do.

// Pushes the written bytes of an open stream to the disk.
bool sync_stream(std::FILE* stream);

// Replaces `target` by `source` in one step, so that a reader sees either the old or the new
// file, never a mix.
bool replace_file(const std::string& source, const std::string& target);
// Whether a replacement lives only in the folder's entries until the folder itself is synced
// (POSIX). On Windows the replacement is written through and nothing more is needed.
bool replace_needs_folder_sync();
// Makes the replacements in the folder of `file` durable.
bool sync_folder_of(const std::string& file);
// Gives the existing file `existing` the second name `link`; false where the file system has
// no second names, or (ENOENT) when there is no such file.
bool link_file(const std::string& existing, const std::string& link);

// A name that no other writer in this or another process uses at the same time.
std::string unique_suffix();

// While on, the memory this thread allocates comes in large pages where the system offers
// them: one page fault per 2 MB instead of one per 4 KB, which is most of what reading many
// records costs. A hint; without large pages nothing changes.
void prefer_large_pages_in_this_thread(bool on);

}  // namespace platform
