#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How the program and its look-up helper speak over their socket. A question is its kind, one
// byte, and its argument; an answer is its payload. Both argument and payload go as a length
// of four bytes, least significant first, and that many bytes.
namespace LookUpWire {

enum class Question : char {
    Files = 'F',        // the files a pattern lists
    Folders = 'D',      // the subfolders of a folder
    FolderAccess = 'A', // why a folder cannot be opened
    FileBytes = 'B',    // the bytes of a picture file
};

// The helper is the program's own; still, no length it sends may make the program hold more
// than this.
inline constexpr std::uint32_t kLongestPayload = 256u * 1024 * 1024;
inline constexpr std::size_t kLengthBytes = 4;
// What a helper says first, once it has started and can take questions.
inline constexpr char kReady = 'R';

std::string lengthOf(std::size_t length);
std::uint32_t readLength(const char* bytes);
// A text with its length in front.
std::string framed(std::string_view text);

std::string encodeNames(const std::vector<std::string>& names);
std::vector<std::string> decodeNames(std::string_view payload);
// A file's bytes, or that there are none, as one payload.
std::string encodeFile(const std::optional<std::string>& bytes);
std::optional<std::string> decodeFile(std::string payload);

} // namespace LookUpWire
