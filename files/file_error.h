#pragma once

#include "core/user_error.h"

#include <string>
#include <string_view>

namespace plicora {

// A file that could not be opened or written: what() stays the short message the windows show,
// and the path and the reason are there for the command line.
class FileError : public UserError {
public:
    // `message` from file_messages.h; `path` as the user gave it (bytes, UTF-8 where valid);
    // `error` the errno value behind the failure, 0 when there is none.
    FileError(const char* message, std::string path, int error);

    const std::string& path() const { return path_; }
    int error() const { return error_; }

    // "PATH: REASON" for an error line, e.g. "/tmp/x/out.pdf: Cartella inesistente": the path with
    // each byte that isn't UTF-8 or is a control character shown as \xE9, and the Italian reason
    // (the message itself when the reason has no Italian text).
    std::string detail() const;

private:
    std::string path_;
    int error_;
};

// `path` as a terminal can show it: each byte that isn't UTF-8 or is a control character as \xE9,
// since it would garble the line or, for a control character, the terminal itself.
std::string shownPath(std::string_view path);

// The line the command line shows for `error`: its message and, for a file, the path and the
// reason in brackets.
std::string errorText(const UserError& error);

} // namespace plicora
