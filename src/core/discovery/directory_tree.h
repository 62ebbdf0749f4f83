#pragma once

#include <string>

namespace zorvik {

class UserMessages;

// Deletes a folder with everything in it; true when the folder itself is
// gone. A symbolic link inside is removed as a link: what it points to is
// never touched, so a hostile archive cannot reach outside the folder.
bool DeleteDirectoryTree(const std::string& folder, UserMessages& messages);

} // namespace zorvik
