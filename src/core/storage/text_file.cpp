#include "core/storage/text_file.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <system_error>

namespace quorix::storage {

namespace fs = std::filesystem;

std::optional<std::string> ReadFileText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return buffer.str();
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::size_t stop = end;
        if (stop > start && text[stop - 1] == '\r') --stop;
        lines.emplace_back(text, start, stop - start);
        start = end + 1;
    }
    return lines;
}

std::optional<std::vector<std::string>> ReadLines(const fs::path& file) {
    const auto text = ReadFileText(file);
    if (!text) return std::nullopt;
    return SplitLines(*text);
}

void ReplaceFile(const fs::path& file, const std::string& text) {
    fs::path temp = file;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            out.flush();
        }
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temp, ignored);
            throw StorageError("cannot write " + file.string());
        }
    }
    std::error_code ec;
    fs::rename(temp, file, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw StorageError("cannot replace " + file.string() + ": " + ec.message());
    }
}

void AppendToFile(const fs::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary | std::ios::app);
    if (out) {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
    }
    if (!out) throw StorageError("cannot append to " + file.string());
}

void AppendLinesToFile(const fs::path& file, const std::string& text) {
    bool endsLine = true;
    {
        std::ifstream in(file, std::ios::binary | std::ios::ate);
        if (in && in.tellg() > 0) {
            in.seekg(-1, std::ios::end);
            char last = '\n';
            endsLine = in.get(last) && last == '\n';
        }
    }
    AppendToFile(file, endsLine ? text : "\n" + text);
}

}  // namespace quorix::storage
