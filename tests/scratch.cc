#include "tests/scratch.h"

#include <cstdlib>
#include <random>
#include <string>
#include <system_error>

namespace {

// Never destroyed, so that it is still there when the exit handler removes the directory.
std::filesystem::path* Directory = nullptr;

void remove_scratch_directory() {
    std::error_code ignored;
    std::filesystem::remove_all(*Directory, ignored);
}

}  // namespace

const std::filesystem::path& scratch_directory() {
    if (Directory == nullptr) {
        Directory = new std::filesystem::path(
            std::filesystem::temp_directory_path() /
            ("phrasetools_scratch_" + std::to_string(std::random_device()())));
        std::filesystem::create_directories(*Directory);
        std::atexit(remove_scratch_directory);
    }
    return *Directory;
}
