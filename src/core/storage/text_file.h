#pragma once
// Whole-file text I/O for the program's data files (the register and the
// preferences), over the checked reading and writing of core/text/file_io.h,
// and the lock that lets several programs share one register directory.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/text/file_io.h"

namespace quorix::storage {

// A file could not be read or written. The message names the file.
using StorageError = text::FileError;

// The largest register file read: far more than 32767 registered groups and
// as many dependencies need (a record of the largest kind is a few
// kilobytes). A bigger file is refused unread.
inline constexpr std::uint64_t kMaxRegisterFileBytes = std::uint64_t{256} << 20;
// The largest preferences file read (ten short lines).
inline constexpr std::uint64_t kMaxPreferencesFileBytes = 64 * 1024;

// Splits text into lines without their line ends: "\n", "\r\n" and a lone
// "\r" each end a line; a UTF-8 byte-order mark at the start is skipped. A
// last line without a line end counts, an empty text has no lines.
std::vector<std::string> SplitLines(const std::string& text);

// The lines of a regular text file of at most maxBytes bytes, split as by
// SplitLines. std::nullopt when the file is missing or cannot be read.
std::optional<std::vector<std::string>> ReadLines(const std::filesystem::path& file,
                                                  std::uint64_t maxBytes = kMaxRegisterFileBytes);

// Replaces the file's contents by `text` (or creates it) through a fresh
// temporary file and a rename. Throws StorageError; the old file is then
// untouched.
void ReplaceFile(const std::filesystem::path& file, const std::string& text);

// Appends lines in place: first ends the file's last line when it has no
// line end, so that `text` starts on a line of its own. A failed append is
// cut off again. Throws StorageError.
void AppendLinesToFile(const std::filesystem::path& file, const std::string& text);

// An advisory lock on a lock file beside the data files, held from
// construction to destruction. Exclusive for a read-modify-write, shared
// for reading. The system drops the lock of a program that ends, killed or
// not, so a stale lock cannot block. When another program holds the lock
// for more than a moment (0.3 s), `onWait` is called once before waiting on. Without a lock file (a
// directory that cannot be written) the lock is not taken and reading
// goes on.
class FileLock {
public:
    enum class Mode { Shared, Exclusive };
    FileLock(const std::filesystem::path& lockFile, Mode mode, const std::function<void()>& onWait = {});
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

}  // namespace quorix::storage
