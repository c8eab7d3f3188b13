// Folders and byte strings: creating a folder with its missing parents, the
// existence test, the user's Documents folder, and scans that keep
// double-byte characters whole.
#pragma once

#include <string>

// Creates the folder and, outermost first, every missing parent. True only
// when this call created the folder: false when it already existed, when a
// parent is a file, or when a folder cannot be created (folders created on
// the way stay). Backslashes and slashes both separate folders; one
// trailing separator is ignored.
bool CreateDirectoryTree(const char* path);

// Whether a file or folder matches the path or wildcard pattern (null: any
// entry of the current folder).
bool FileExists(const char* path);

// The shell folder's path in buffer (at least 260 bytes), through
// SHGetFolderPathA of "shfolder.dll". With fallback set, a lookup that
// gives nothing is repeated for the default path, creating the folder.
// Takes the current folder out of the process's library search order for
// good, before the library is loaded. True when the buffer holds a path.
bool GetSpecialFolder(char* buffer, int folder, bool fallback);

// The user's Documents folder, as GetSpecialFolder with the fallback.
bool GetDocumentsFolder(char* buffer);

// The index of the last occurrence of a one-byte character, never a trail
// byte; -1 when there is none.
int ReverseFindChar(const std::string& text, char character);

// The first count bytes, one more when the cut would fall between a lead
// byte and its trail byte; empty for a count of 0 or less.
std::string CutLeft(const std::string& text, int count);
