#include "file_error.h"

#include "file_messages.h"

#include <string_view>
#include <utility>

namespace plicora {
namespace {

// How many bytes the UTF-8 sequence at the start of `text` takes; 0 when it isn't one.
std::size_t sequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    // The second byte's range rules out overlong forms, surrogates and values past U+10FFFF.
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 0 || text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return length;
}

} // namespace

std::string shownPath(std::string_view path) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string shown;
    while (!path.empty()) {
        const std::size_t length = sequenceLength(path);
        const auto byte = static_cast<unsigned char>(path[0]);
        if (length == 0 || byte < 0x20 || byte == 0x7F) {
            shown += {'\\', 'x', hex[byte >> 4], hex[byte & 0xF]};
            path.remove_prefix(1);
        } else {
            shown.append(path.substr(0, length));
            path.remove_prefix(length);
        }
    }
    return shown;
}

FileError::FileError(const char* message, std::string path, int error)
    : UserError(message), path_(std::move(path)), error_(error) {}

std::string FileError::detail() const {
    const char* reason = fileErrorReason(error_);
    return shownPath(path_) + ": " + (reason ? reason : what());
}

std::string errorText(const UserError& error) {
    const auto* file = dynamic_cast<const FileError*>(&error);
    return file ? std::string(error.what()) + " (" + file->detail() + ")" : error.what();
}

} // namespace plicora
