// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/Options.h"

#include "platform/FileIO.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace kibbo {

namespace {

std::optional<int> ReadInteger(std::string_view text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

std::optional<int> ReadPercent(std::string_view text)
{
    const std::optional<int> value = ReadInteger(text);
    return value && *value >= 0 && *value <= 100 ? value : std::nullopt;
}

std::optional<int> ReadScale(std::string_view text)
{
    const std::optional<int> value = ReadInteger(text);
    return value && std::ranges::find(kWindowScales, *value) != std::end(kWindowScales) ? value : std::nullopt;
}

// Every known key and where its value goes. A flag reads its `on` value as
// on and its `off` value as off, anything else as its default (so
// any_spelling, off by default, is on only for exactly "1", as it has always
// read).
struct Key {
    std::string_view name;
    bool Options::*flag = nullptr;
    int Options::*number = nullptr;
    std::optional<int> (*read)(std::string_view) = nullptr;
    std::string_view off = "0", on = "1";
    std::string Options::*text = nullptr; // kept as written
};

constexpr Key kKeys[] = {
    {"any_spelling", &Options::anySpelling},
    {"weak_keys", &Options::weakKeys},
    {"music", &Options::music},
    {"effects", &Options::effects},
    {"music_volume", nullptr, &Options::musicVolume, ReadPercent},
    {"effects_volume", nullptr, &Options::effectsVolume, ReadPercent},
    {"pause", &Options::pause},
    {"scale", nullptr, &Options::scale, ReadScale},
    {"input", &Options::kanaInput, nullptr, nullptr, "romaji", "kana"},
    {"reading", &Options::reading},
    {"guide", &Options::guideHidden, nullptr, nullptr, "shown", "hidden"},
    {"focus_keys", nullptr, nullptr, nullptr, {}, {}, &Options::focusKeys},
};

const Key* KnownKey(std::string_view name)
{
    for (const Key& key : kKeys) {
        if (key.name == name)
            return &key;
    }
    return nullptr;
}

void Read(const Key& key, std::string_view value, Options& options)
{
    const Options defaults;
    if (key.text)
        options.*key.text = value;
    else if (key.flag)
        options.*key.flag = value == key.on || (value != key.off && defaults.*key.flag);
    else
        options.*key.number = key.read(value).value_or(defaults.*key.number);
}

std::string Written(const Key& key, const Options& options)
{
    if (key.text)
        return options.*key.text;
    if (key.flag)
        return std::string(options.*key.flag ? key.on : key.off);
    return std::to_string(options.*key.number);
}

bool AtDefault(const Key& key, const Options& options)
{
    const Options defaults;
    if (key.text)
        return options.*key.text == defaults.*key.text;
    return key.flag ? options.*key.flag == defaults.*key.flag : options.*key.number == defaults.*key.number;
}

} // namespace

Options ParseOptions(std::string_view bytes)
{
    Options options;
    while (!bytes.empty()) {
        const std::string_view line = TakeLine(bytes);
        const std::size_t equals = line.find('=');
        // A line without a key is no option; it is dropped on the next save.
        if (equals == std::string_view::npos || equals == 0)
            continue;
        const std::string_view name = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        if (const Key* key = KnownKey(name)) {
            Read(*key, value, options);
            options.held.emplace(name);
        } else {
            options.others.emplace_back(name, value);
        }
    }
    return options;
}

std::string FormatOptions(const Options& options)
{
    std::string bytes;
    for (const Key& key : kKeys) {
        // any_spelling has always been written, the others only once used.
        const bool always = key.flag == &Options::anySpelling;
        if (always || options.held.contains(key.name) || !AtDefault(key, options))
            bytes += std::string(key.name) + "=" + Written(key, options) + "\r\n";
    }
    for (const auto& [key, value] : options.others)
        bytes += key + "=" + value + "\r\n";
    return bytes;
}

} // namespace kibbo
