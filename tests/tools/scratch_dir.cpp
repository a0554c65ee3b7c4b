// ScratchDir is a fresh temporary directory for one test, removed with everything in it.
#include "scratch_dir.h"

#include <stdlib.h>

#include <fstream>
#include <stdexcept>
#include <system_error>

ScratchDir::ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kinmora-mkfamily-XXXXXX");
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a scratch directory from " + pattern);
    }
    path_ = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path ScratchDir::write(const std::string& name, const std::string& content) const {
    const auto target = file(name);
    std::ofstream out(target, std::ios::binary);
    out << content;
    if (!out) throw std::runtime_error("cannot write " + target.string());
    return target;
}
