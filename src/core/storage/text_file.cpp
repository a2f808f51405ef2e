#include "core/storage/text_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace quorix::storage {

namespace fs = std::filesystem;

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.emplace_back(text, start, end - start);
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return lines;
}

std::optional<std::vector<std::string>> ReadLines(const fs::path& file, std::uint64_t maxBytes) {
    const text::FileText read = text::ReadFileChecked(file, maxBytes);
    if (!read.Ok()) return std::nullopt;
    return SplitLines(read.text);
}

void ReplaceFile(const fs::path& file, const std::string& text) { text::WriteFileAtomically(file, text); }

void AppendLinesToFile(const fs::path& file, const std::string& text) {
    const text::FileIdentity now = text::IdentityOf(file);
    bool endsLine = true;
    if (now.exists && now.size > 0) {
        const text::FileText last = text::ReadFileChecked(file, now.size, now.size - 1);
        endsLine = !last.Ok() || last.text.empty() || last.text.back() == '\n' || last.text.back() == '\r';
    }
    text::AppendInPlace(file, endsLine ? text : "\n" + text);
}

FileLock::FileLock(const fs::path& lockFile, Mode mode, const std::function<void()>& onWait) {
    fd_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd_ < 0 && mode == Mode::Shared) fd_ = ::open(lockFile.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) return;
    const int operation = mode == Mode::Exclusive ? LOCK_EX : LOCK_SH;
    if (::flock(fd_, operation | LOCK_NB) == 0) return;
    if (errno == EWOULDBLOCK && onWait) onWait();
    while (::flock(fd_, operation) != 0) {
        if (errno != EINTR) {
            ::close(fd_);
            fd_ = -1;
            return;
        }
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace quorix::storage
