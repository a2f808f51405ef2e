#pragma once
// Checked file reading and writing for every file the programs read or
// write: the register, the preferences, views, pictures and exports.
//
// Reading takes regular files only, up to a stated size, and never blocks on
// a FIFO or device. Writing replaces a file as a whole: the text goes to a
// fresh file in the same directory (created exclusively, so a planted link
// is never followed), is flushed to disk, and is then renamed over the old
// file, which keeps its permissions. A failure at any step throws FileError
// and leaves the old file as it was.

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quorix::text {

// A file could not be read or written. The message names the file and the
// reason.
class FileError : public std::runtime_error {
public:
    explicit FileError(const std::string& what) : std::runtime_error(what) {}
};

enum class ReadStatus {
    Ok,
    Missing,     // no such file
    NotRegular,  // a directory, FIFO, device or socket
    TooLarge,    // bigger than the limit; nothing was read
    Unreadable,  // opening or reading failed
};

// The identity of a file's contents as last seen: which file (device and
// inode) and how long it was. A rename over the file changes the inode, an
// append the size.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    bool exists = false;

    bool SameFile(const FileIdentity& other) const {
        return exists && other.exists && device == other.device && inode == other.inode;
    }
    bool operator==(const FileIdentity&) const = default;
};

struct FileText {
    ReadStatus status = ReadStatus::Missing;
    std::string text;
    FileIdentity identity;
    // For the statuses but Ok and Missing: one line naming the file and the
    // problem.
    std::string problem;

    bool Ok() const { return status == ReadStatus::Ok; }
};

// Reads a regular file of at most maxBytes bytes, reading from `offset` on
// (an offset beyond the end reads nothing).
FileText ReadFileChecked(const std::filesystem::path& file, std::uint64_t maxBytes, std::uint64_t offset = 0);

// The identity of the file now (exists false when it does not).
FileIdentity IdentityOf(const std::filesystem::path& file);

// Throws FileError unless `file` can be replaced by WriteFileAtomically:
// its directory exists and the file, if it exists, is a regular file (or a
// link to one). For refusing before long work.
void CheckWritableTarget(const std::filesystem::path& file);

// Replaces the file's contents by `text`, creating it when missing (as
// described above). A link named `file` is followed: the file it points to
// is replaced. The new file gets `mode` (permission bits) when it is not
// negative, else those of the file it replaces, else the default for a new
// file. Throws FileError.
void WriteFileAtomically(const std::filesystem::path& file, std::string_view text, int mode = -1);

// The permission bits of a file; -1 when it does not exist.
int PermissionsOf(const std::filesystem::path& file);

// Adds `text` at the end of the file the same way: the old contents and the
// text are written to a fresh file that then replaces the old one. For files
// such as views that hold one document after another.
void AppendFileAtomically(const std::filesystem::path& file, std::string_view text,
                          std::uint64_t maxBytes = std::uint64_t{1} << 30);

// Appends `text` in place to a regular file, creating it when missing; a
// failed write is cut off again, so the file keeps its old contents. For
// files whose writers hold a lock. Throws FileError.
void AppendInPlace(const std::filesystem::path& file, std::string_view text);

}  // namespace quorix::text
