#pragma once
// Whole-file text I/O for the program's small data files. Files are read in
// one go and closed at once; replacements go through a temporary file in the
// same directory and a rename, so a failure part-way never leaves a
// half-written file behind.

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorix::storage {

// A file could not be written. The message names the file.
class StorageError : public std::runtime_error {
public:
    explicit StorageError(const std::string& what) : std::runtime_error(what) {}
};

// The whole contents of a file; std::nullopt when it cannot be opened or read.
std::optional<std::string> ReadFileText(const std::filesystem::path& file);

// Splits text into lines without their line ends ("\n" or "\r\n"); a last
// line without a line end counts, an empty text has no lines.
std::vector<std::string> SplitLines(const std::string& text);

// The lines of a text file without their line ends ("\n" or "\r\n"); a last
// line without a line end counts. std::nullopt when the file cannot be
// opened or read.
std::optional<std::vector<std::string>> ReadLines(const std::filesystem::path& file);

// Replaces the file's contents by `text` (or creates it). Throws StorageError;
// the old file is then untouched.
void ReplaceFile(const std::filesystem::path& file, const std::string& text);

// Appends `text` to the file, creating it when missing. Throws StorageError.
void AppendToFile(const std::filesystem::path& file, const std::string& text);

// Appends lines: as AppendToFile, but first ends the file's last line when
// it has no line end, so that `text` starts on a line of its own.
void AppendLinesToFile(const std::filesystem::path& file, const std::string& text);

}  // namespace quorix::storage
