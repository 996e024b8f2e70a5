// SPDX-License-Identifier: GPL-3.0-or-later
// data/score.dat as the entry window reads it. The store reads a data
// folder, so each input goes through a folder of this process's own.
#include "FuzzCheck.h"
#include "store/FileStore.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

using kibbo::fuzz::Require;

namespace {

const kibbo::PlayerFiles& ScratchFiles()
{
    static const kibbo::PlayerFiles files = [] {
        const std::filesystem::path folder =
            std::filesystem::temp_directory_path() / ("kibbo-score-dat-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        return kibbo::PlayerFiles::In(folder.string());
    }();
    return files;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& path = ScratchFiles().lastScore;
    {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        Require(file != nullptr, "the scratch file can be written");
        Require(std::fwrite(data, 1, size, file) == size, "the scratch file takes the input");
        std::fclose(file);
    }
    // A store of its own for each input: the file is rewritten in place,
    // which a store's cache need not notice within one clock tick.
    kibbo::RunAtOnce runner;
    kibbo::FileStore store(ScratchFiles(), runner);
    const kibbo::Loaded<std::int32_t> score = store.readLastScore();
    if (score.state == kibbo::ReadState::Loaded) {
        // A score read is one the game can write again and read back.
        Require(store.writeLastScore(score.value).saved(), "the scratch file can be replaced");
        const kibbo::Loaded<std::int32_t> back = store.readLastScore();
        Require(back.state == kibbo::ReadState::Loaded && back.value == score.value,
                "a last score read saves and reads back unchanged");
    }
    std::remove(path.c_str());
    return 0;
}
