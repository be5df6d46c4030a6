#pragma once
// A fuzz target: a reader of outside bytes with the properties its output must keep. The
// driver feeds it mutations of its seeds for a bounded number of inputs; a broken property
// or a sanitizer finding ends the run with the input that caused it.
#include <string>
#include <string_view>
#include <vector>

namespace filmeria::fuzz {

struct Target {
    const char* name;
    std::vector<std::string> seeds;  // valid inputs the mutations start from
    std::vector<std::string> tokens; // fragments worth inserting (separators, keywords)
    void (*run)(std::string_view input);
};

// Defined once by each target program.
Target target();

// Reports a broken property with the input (in hexadecimal) and aborts.
[[noreturn]] void fail(const char* property, std::string_view input);

} // namespace filmeria::fuzz

#define FUZZ_EXPECT(property, input)                                                                         \
    do {                                                                                                     \
        if (!(property))                                                                                     \
            ::filmeria::fuzz::fail(#property, input);                                                        \
    } while (false)
