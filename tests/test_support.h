#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <sys/types.h>

namespace plicora::testing {

// Names each row of a parameter table after its `name` member.
template <typename Row> std::string caseName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// The whole content of the file at `path`, byte for byte; empty when it can't be read.
std::string readFile(const std::filesystem::path& path);

// A new folder of its own under the system's temporary folder, removed with all it holds.
class TemporaryDirectory {
public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Permission bits don't bind root: CI runs as root, so what rests on them runs as an ordinary
// user (nobody) for as long as this lives.
class AsOrdinaryUser {
public:
    AsOrdinaryUser();
    ~AsOrdinaryUser();
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

    static constexpr uid_t user = 65534;

private:
    bool wasRoot_;
};

} // namespace plicora::testing
