// The disguise of stored keys and values over any UTF-16 text.

#include "FuzzCheck.h"
#include "settings/Scramble.h"

#include <algorithm>

namespace {

bool allCodesWithin(const QString &text, char16_t lowest, char16_t highest)
{
    return std::all_of(text.cbegin(), text.cend(),
                       [=](QChar ch) { return ch.unicode() >= lowest && ch.unicode() <= highest; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = fuzz::utf16From(data, size);
    const QString scrambled = settings::ScrambleText(text);
    const QString unscrambled = settings::UnscrambleText(text);

    // The INI file holds single-byte codes only, and dropping characters can
    // only shorten the text.
    KELO_FUZZ_CHECK(allCodesWithin(scrambled, 0, 255));
    KELO_FUZZ_CHECK(allCodesWithin(unscrambled, 0, 255));
    KELO_FUZZ_CHECK(scrambled.size() <= text.size());
    KELO_FUZZ_CHECK(unscrambled.size() <= text.size());

    // Whatever can be stored whole comes back whole, both ways round.
    if (allCodesWithin(text, 0, 252)) {
        KELO_FUZZ_CHECK(scrambled.size() == text.size());
        KELO_FUZZ_CHECK(settings::UnscrambleText(scrambled) == text);
    }
    if (allCodesWithin(text, 3, 255)) {
        KELO_FUZZ_CHECK(unscrambled.size() == text.size());
        KELO_FUZZ_CHECK(settings::ScrambleText(unscrambled) == text);
    }
    return 0;
}
