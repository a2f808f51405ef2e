#include "core/text/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace quorix::text {

namespace fs = std::filesystem;

namespace {

constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";

std::string Reason(int error) { return std::strerror(error); }

[[noreturn]] void Fail(const fs::path& file, const std::string& what, int error) {
    throw FileError("cannot write " + file.string() + ": " + what + (error != 0 ? " (" + Reason(error) + ")" : ""));
}

// A descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    void Reset(int fd) {
        Close();
        fd_ = fd;
    }
    // Closes now; the error of close, 0 when it succeeded.
    int Close() {
        const int fd = fd_;
        fd_ = -1;
        return fd >= 0 && ::close(fd) != 0 ? errno : 0;
    }

private:
    int fd_;
};

// Writes all of `text`; the error, 0 when it succeeded.
int WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return ENOSPC;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

FileIdentity IdentityOfStat(const struct stat& st) {
    return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
            static_cast<std::uint64_t>(st.st_size), true};
}

// The file a write goes to: a link is followed to its target.
fs::path WriteTarget(const fs::path& file) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(file, ec))) {
        const fs::path target = fs::weakly_canonical(file, ec);
        if (!ec) return target;
    }
    return file;
}

}  // namespace

FileText ReadFileChecked(const fs::path& file, std::uint64_t maxBytes, std::uint64_t offset) {
    FileText result;
    // Non-blocking, so that opening a FIFO does not wait for a writer.
    Descriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        result.status = errno == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable;
        if (result.status == ReadStatus::Unreadable)
            result.problem = "cannot read " + file.string() + ": " + Reason(errno);
        return result;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        result.status = ReadStatus::Unreadable;
        result.problem = "cannot read " + file.string() + ": " + Reason(errno);
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        result.status = ReadStatus::NotRegular;
        result.problem = file.string() + " is not a regular file";
        return result;
    }
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes) {
        result.status = ReadStatus::TooLarge;
        result.problem = file.string() + " is larger than " + std::to_string(maxBytes) + " bytes";
        return result;
    }
    result.identity = IdentityOfStat(st);
    const std::uint64_t size = static_cast<std::uint64_t>(st.st_size);
    if (offset < size) {
        // The file may grow while it is read: never more than the limit.
        result.text.resize(static_cast<std::size_t>(size - offset));
        std::size_t have = 0;
        while (have < result.text.size()) {
            const ssize_t n = ::pread(fd.get(), result.text.data() + have, result.text.size() - have,
                                      static_cast<off_t>(offset + have));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                result.status = ReadStatus::Unreadable;
                result.problem = "cannot read " + file.string() + ": " + Reason(errno);
                result.text.clear();
                return result;
            }
            if (n == 0) break;
            have += static_cast<std::size_t>(n);
        }
        result.text.resize(have);
        result.identity.size = offset + have;
    }
    result.status = ReadStatus::Ok;
    return result;
}

FileIdentity IdentityOf(const fs::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) return {};
    return IdentityOfStat(st);
}

void CheckWritableTarget(const fs::path& file) {
    if (file.empty()) throw FileError("cannot write a file without a name");
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(file, ec))) {
        // A link that leads round in a circle (or through too many links)
        // is refused, not replaced by a file.
        (void)fs::weakly_canonical(file, ec);
        if (ec) throw FileError("cannot write " + file.string() + ": " + Reason(ec.value()));
    }
    const fs::path target = WriteTarget(file);
    const fs::file_status status = fs::status(target, ec);
    if (fs::exists(status) && !fs::is_regular_file(status))
        throw FileError("cannot write " + file.string() + ": not a regular file");
    const fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    if (!fs::is_directory(dir, ec)) throw FileError("cannot write " + file.string() + ": no such directory");
}

int PermissionsOf(const fs::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) return -1;
    return static_cast<int>(st.st_mode & 07777);
}

void WriteFileAtomically(const fs::path& file, std::string_view text, int mode) {
    CheckWritableTarget(file);
    const fs::path target = WriteTarget(file);
    if (mode < 0) mode = PermissionsOf(target);

    // A fresh name beside the file, created exclusively: an existing name,
    // a link among them, is never opened.
    std::random_device device;
    std::mt19937_64 random((static_cast<std::uint64_t>(device()) << 32) ^ device() ^
                           static_cast<std::uint64_t>(::getpid()));
    fs::path temp;
    Descriptor fd;
    for (int attempt = 0; fd.get() < 0; ++attempt) {
        char suffix[17];
        std::uint64_t r = random();
        for (int i = 0; i < 16; ++i, r /= 36) suffix[i] = kDigits[r % 36];
        suffix[16] = '\0';
        temp = target.parent_path() / ("." + target.filename().string() + "." + suffix + ".tmp");
        fd.Reset(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (fd.get() < 0 && (errno != EEXIST || attempt > 100)) Fail(file, "cannot create a temporary file", errno);
    }
    auto cleanUp = [&temp] { ::unlink(temp.c_str()); };

    int error = WriteAll(fd.get(), text);
    if (error == 0 && mode >= 0 && ::fchmod(fd.get(), static_cast<mode_t>(mode)) != 0) error = errno;
    if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
    if (const int closeError = fd.Close(); error == 0) error = closeError;
    if (error != 0) {
        cleanUp();
        Fail(file, "the data could not be written", error);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        error = errno;
        cleanUp();
        Fail(file, "the file could not be replaced", error);
    }
    // The rename itself reaches the disk with the directory.
    const fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    Descriptor dirFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd.get() >= 0) ::fsync(dirFd.get());
}

void AppendFileAtomically(const fs::path& file, std::string_view text, std::uint64_t maxBytes) {
    CheckWritableTarget(file);
    FileText old = ReadFileChecked(WriteTarget(file), maxBytes);
    if (old.status != ReadStatus::Ok && old.status != ReadStatus::Missing)
        throw FileError("cannot write " + file.string() + ": " + old.problem);
    old.text.append(text);
    WriteFileAtomically(file, old.text);
}

void AppendInPlace(const fs::path& file, std::string_view text) {
    Descriptor fd(::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666));
    if (fd.get() < 0) Fail(file, "cannot open it", errno);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) Fail(file, "cannot examine it", errno);
    if (!S_ISREG(st.st_mode)) Fail(file, "not a regular file", 0);
    int error = WriteAll(fd.get(), text);
    if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
    if (error != 0) {
        // Cut off what did get written: the file ends as it did.
        if (::ftruncate(fd.get(), st.st_size) != 0) {}
        fd.Close();
        Fail(file, "the data could not be written", error);
    }
    if (const int closeError = fd.Close(); closeError != 0) Fail(file, "the data could not be written", closeError);
}

}  // namespace quorix::text
