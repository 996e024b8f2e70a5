// SPDX-License-Identifier: GPL-3.0-or-later
// data/score.dat as the entry window reads it. The reader takes a path, so
// each input goes through a file of this process's own.
#include "FuzzCheck.h"
#include "scores/ScoreFiles.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

using kibbo::fuzz::Require;

namespace {

const std::string& ScratchFile()
{
    static const std::string path = (std::filesystem::temp_directory_path()
                                     / ("kibbo-score-dat-fuzz-" + std::to_string(getpid()))).string();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& path = ScratchFile();
    {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        Require(file != nullptr, "the scratch file can be written");
        Require(std::fwrite(data, 1, size, file) == size, "the scratch file takes the input");
        std::fclose(file);
    }
    const auto score = kibbo::LoadLastScore(path);
    if (score) {
        // A score read is one the game can write again and read back.
        Require(kibbo::SaveLastScore(path, *score), "the scratch file can be replaced");
        Require(kibbo::LoadLastScore(path) == score, "a last score read saves and reads back unchanged");
    }
    std::remove(path.c_str());
    return 0;
}
