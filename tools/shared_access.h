// Who may reach a database file and its folder. The database the program reads belongs to
// root and to the group of the people who use the program, and to no one else; any other
// file's modes are its owner's affair, though check says where strangers get in.
#pragma once

#include <string>
#include <vector>

#include "check.h"

namespace tool {

// Gives a file about to be filled, through its descriptor, what it should have at `path`:
// the shared database's owner, group and mode as root, the caller's umask anywhere else.
void set_new_file_access(int fd, const std::string& path);

// Warnings where the file or its folder lets in people it should not.
std::vector<Problem> access_problems(const std::string& path);

// Sets the shared database and its folder right, saying what it changed; elsewhere nothing.
void set_shared_access(const std::string& path);

}  // namespace tool
