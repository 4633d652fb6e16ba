#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A broken property must stop the run the way a sanitizer does, so that
// libFuzzer keeps the input that broke it; a message alone would scroll past.
#define KELO_FUZZ_CHECK(condition)                                                                 \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace fuzz {

// The input as UTF-16 code units, two bytes each, low byte first; an odd last
// byte is dropped. Every code unit can occur, lone surrogates included, as in
// text pasted or typed into a box.
inline QString utf16From(const std::uint8_t *data, std::size_t size)
{
    QString text;
    text.reserve(qsizetype(size / 2));
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text.append(QChar(char16_t(data[i] | (data[i + 1] << 8))));
    return text;
}

} // namespace fuzz
