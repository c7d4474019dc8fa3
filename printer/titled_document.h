#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace plicora::printer {

// A job's document under the job's own title, for the engine names the real job after its
// document's file name: a link in a folder of the job's own beside the document, removed with
// it. Where the link can't be made, the document under its spool name.
class TitledDocument {
public:
    TitledDocument(const std::filesystem::path& document, std::string_view title, int job);
    ~TitledDocument();
    TitledDocument(const TitledDocument&) = delete;
    TitledDocument& operator=(const TitledDocument&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
};

// `title` as a file name: no "/" nor control characters, at most 200 bytes on a character's
// boundary; empty when nothing is left or it would name a folder ("." or "..").
std::string fileNameOf(std::string_view title);

} // namespace plicora::printer
