// The fuzz driver: `fuzz_<target> [inputs] [seed]` runs the target on its seeds, then on
// `inputs` mutated inputs (20,000 by default) drawn from a seeded generator, so a run can be
// repeated exactly.
#include "fuzz_target.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace filmeria::fuzz {

void fail(const char* property, std::string_view input) {
    std::fprintf(stderr, "property broken: %s\ninput (%zu bytes):", property, input.size());
    for (const char c : input)
        std::fprintf(stderr, " %02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
    std::fprintf(stderr, "\n");
    std::abort();
}

namespace {

// Bytes that sit on the edges of the readers' rules.
constexpr unsigned char kEdgeBytes[] = {0x00, 0x01, 0x02, 0x09, 0x0A, 0x0D, 0x1F, ' ', '"', '\'',
                                        '+',  ',',  '-',  '.',  '/',  '0',  '1',  '9', ':', ';',
                                        '=',  'A',  'F',  'G',  'Z',  '[',  ']',  'a', 'f', 'z',
                                        0x7F, 0x80, 0x9F, 0xA0, 0xC0, 0xFE, 0xFF, 50,  51,  254};

class Mutator {
public:
    Mutator(const Target& target, std::uint64_t seed)
        : target_(target)
        , random_(seed) {}

    std::string next() {
        if (below(64) == 0)
            return randomBytes(below(300));
        std::string input = target_.seeds[below(target_.seeds.size())];
        const std::size_t steps = 1 + below(below(8) + 1);
        for (std::size_t i = 0; i < steps; ++i)
            mutate(input);
        return input;
    }

private:
    std::size_t below(std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }
    char anyByte() { return static_cast<char>(below(256)); }
    char edgeByte() { return static_cast<char>(kEdgeBytes[below(sizeof kEdgeBytes)]); }
    std::string randomBytes(std::size_t n) {
        std::string bytes(n, '\0');
        for (char& c : bytes)
            c = below(2) ? anyByte() : edgeByte();
        return bytes;
    }

    void mutate(std::string& s) {
        const std::size_t at = below(s.size() + 1);
        switch (below(9)) {
        case 0: // flip one bit
            if (!s.empty())
                s[below(s.size())] ^= static_cast<char>(1 << below(8));
            break;
        case 1:
            if (!s.empty())
                s[below(s.size())] = anyByte();
            break;
        case 2:
            if (!s.empty())
                s[below(s.size())] = edgeByte();
            break;
        case 3:
            s.insert(at, randomBytes(1 + below(8)));
            break;
        case 4: // remove a run
            s.erase(at, 1 + below(16));
            break;
        case 5: // repeat a run
            if (!s.empty()) {
                const std::size_t from = below(s.size());
                s.insert(at, s.substr(from, 1 + below(32)));
            }
            break;
        case 6: // splice another seed
        {
            const std::string& other = target_.seeds[below(target_.seeds.size())];
            const std::size_t from = below(other.size() + 1);
            s = s.substr(0, at) + other.substr(from);
            break;
        }
        case 7:
            if (!target_.tokens.empty())
                s.insert(at, target_.tokens[below(target_.tokens.size())]);
            break;
        default: // cut the end
            s.resize(at);
            break;
        }
    }

    const Target& target_;
    std::mt19937_64 random_;
};

} // namespace
} // namespace filmeria::fuzz

int main(int argc, char** argv) {
    using namespace filmeria::fuzz;
    const unsigned long long inputs = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 20000;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    const Target t = target();
    for (const std::string& s : t.seeds)
        t.run(s);
    Mutator mutator(t, seed);
    for (unsigned long long i = 0; i < inputs; ++i)
        t.run(mutator.next());
    std::printf("%s: %llu mutated inputs (seed %llu), every property kept\n", t.name, inputs, seed);
    return 0;
}
