#pragma once
// Working files are opened so that nobody else who can write their folder can redirect
// them: a file written is always a new file of ours, and a file read is always a plain file
// of that name, never whatever a symbolic link in its place points to.
#include <cstdio>
#include <string>

namespace platform {

// Creates the file for writing as a new regular file, mode 0600. An entry of that name that
// is a symbolic link or a regular file is unlinked first, so neither a link's target nor a
// hard-linked file is ever truncated; any other entry (a folder, a pipe) makes it fail with
// EEXIST. Returns the descriptor, or -1 with errno set.
int createFresh(const char* path);

// The same as a stream for fwrite/fprintf ("w": there is no text mode on this platform).
// Null with errno set on failure.
std::FILE* createFreshStream(const char* path);

enum class Links {
    Refuse, // a working file: a symbolic link in its place fails with ELOOP
    Follow, // a path the user chose, which may well be a link the user made
};

// Opens a regular file for reading. Anything else fails without blocking: a folder with
// EISDIR, a pipe, socket or device with EINVAL. Returns the descriptor, or -1 with errno set.
int openForReading(const char* path, Links links = Links::Refuse);
std::FILE* openStreamForReading(const char* path, Links links = Links::Refuse);

// Why one of the calls above failed, in words for a message: "it is a folder".
std::string openErrorText(int error);

} // namespace platform
