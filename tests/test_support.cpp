#include "test_support.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace plicora::testing {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TemporaryDirectory::TemporaryDirectory() {
    std::string name = (std::filesystem::temp_directory_path() / "plicora-XXXXXX").string();
    if (!mkdtemp(name.data()))
        throw std::runtime_error("no temporary folder: " + name);
    path_ = name;
}

TemporaryDirectory::~TemporaryDirectory() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
}

AsOrdinaryUser::AsOrdinaryUser() : wasRoot_(geteuid() == 0) {
    if (wasRoot_) {
        EXPECT_EQ(seteuid(user), 0);
    }
}

AsOrdinaryUser::~AsOrdinaryUser() {
    if (wasRoot_) {
        EXPECT_EQ(seteuid(0), 0);
    }
}

} // namespace plicora::testing
