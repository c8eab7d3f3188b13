// The shell folder lookup that the built-in "shfolder.dll" exports.
#pragma once

#include "platform/ShellFolder.h"

namespace platform::posix {

// CSIDL_PERSONAL only, as the user's documents folder of the desktop: the
// XDG user directory XDG_DOCUMENTS_DIR, else $HOME/Documents; with
// SHGFP_TYPE_DEFAULT always $HOME/Documents. Without CSIDL_FLAG_CREATE a
// folder that does not exist is a failure; with it the folder is created.
// On failure path is empty.
ShellResult SHGetFolderPathA(void* window, int folder, void* token, unsigned long flags, char* path);

} // namespace platform::posix
