#include "core/storage/text_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
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
    // A reader creates nothing: without a lock file no writer has been here.
    fd_ = mode == Mode::Exclusive
              ? ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666)
              : ::open(lockFile.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) return;
    const int operation = mode == Mode::Exclusive ? LOCK_EX : LOCK_SH;
    // Writers hold the lock for moments: a short wait is not worth a word.
    // Tries come often at first, then every 5 ms, for 0.3 s in all.
    for (useconds_t pause = 100, waited = 0; waited < 300000;
         waited += pause, pause = std::min<useconds_t>(pause * 2, 5000)) {
        if (::flock(fd_, operation | LOCK_NB) == 0) return;
        if (errno != EWOULDBLOCK && errno != EINTR) break;
        ::usleep(pause);
    }
    if (onWait) onWait();
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
