// A scratch directory of the test process, removed when the process exits normally.
#pragma once

#include <filesystem>

const std::filesystem::path& scratch_directory();
