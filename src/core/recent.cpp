#include "core/recent.h"

#include "core/rules.h"

namespace vh {

namespace {

// Paths are UTF-8: a character is a byte that does not continue another one
// together with its continuation bytes.
bool StartsCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

size_t CharacterCount(const std::string& text) {
    size_t n = 0;
    for (char c : text) n += StartsCharacter(c);
    return n;
}

// Byte offset where character `index` (from 0) starts; the size when past the end.
size_t CharacterOffset(const std::string& text, size_t index) {
    for (size_t at = 0; at < text.size(); ++at)
        if (StartsCharacter(text[at]) && index-- == 0) return at;
    return text.size();
}

}  // namespace

void AddRecent(Settings& s, const std::string& path) {
    auto& r = s.Recent;
    if (r[1] != path) {
        int found = 0;
        for (int j = 2; j <= kRecentCount; ++j)
            if (r[j] == path) {
                found = j;
                break;
            }
        // Without a match the last entry falls off the end.
        const int from = found ? found : kRecentCount;
        for (int j = from; j > 1; --j) r[j] = r[j - 1];
        r[1] = path;
    }
    for (std::string& entry : r) entry = Trim(entry);
}

std::string RecentCaption(int k, const std::string& path) {
    const size_t characters = CharacterCount(path);
    if (characters < 32) return path;
    std::string tail = path.substr(CharacterOffset(path, characters - 26));
    size_t slash = tail.find('/');
    if (slash != std::string::npos) tail = tail.substr(slash);
    std::string caption = "&";
    caption.append(std::to_string(k)).append(". ").append(path, 0, CharacterOffset(path, 3)).append("...").append(tail);
    return caption;
}

}  // namespace vh
