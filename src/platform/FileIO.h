// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Loaded.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kibbo {

// The whole content of a file, or nothing when it cannot be read. For the
// program's own pictures, sounds and tunes; the player's files go through
// ReadSmallFile.
std::optional<std::string> ReadWholeFile(const std::string& path);

// The player's spellings, ranking, last score and options hold a few hundred bytes;
// anything beyond this is no file the game wrote, and is not read at all, so
// that a huge file costs neither memory nor time on the window's thread.
inline constexpr std::size_t kSmallFileLimit = 16 * 1024;

// Reads a regular file of at most `limit` bytes. A larger one comes back
// TooLarge without its content; one that does not exist comes back Missing.
// Unreadable: the file is there but cannot be read (no permission, an I/O
// error, no regular file). Its content is unknown, so a save that keeps part
// of it must not replace it.
Loaded<std::string> ReadSmallFile(const std::string& path, std::size_t limit = kSmallFileLimit);

// How a write went: true when done, else the system's reason (errno).
struct WriteResult {
    int error = 0;

    explicit operator bool() const { return error == 0; }
};

// Replaces a file in one step with exactly these bytes, made durable: they
// are written to a new file beside it, flushed to the disk and renamed over
// it. Fails, with the reason, on any failure (full disk, quota, file size
// limit, I/O error, the folder gone); the old file is then left byte for
// byte and nothing else remains behind.
WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes);

// Takes the next line off the front of bytes and returns it without its
// line end (CR LF or a bare LF, as an editor may leave it).
std::string_view TakeLine(std::string_view& bytes);

// The folder a file lies in: what FolderLock takes to guard that file.
std::string FolderOf(const std::string& path);

} // namespace kibbo
