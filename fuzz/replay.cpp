// Runs a fuzz target without libFuzzer, so that the test suite checks its
// properties on every build: the files named on the command line (inputs a
// fuzzer saved), or else a fixed number of pseudo-random inputs, half of
// whose calls are shaped. Exit status 0 when every property held (a broken
// one aborts with its message).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    LLVMFuzzerInitialize(&argc, &argv);
    if (argc > 1) {
        for (int i = 1; i < argc; ++i) {
            std::ifstream file(argv[i], std::ios::binary);
            const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        }
        return 0;
    }
    const char* count = std::getenv("HKCAL_REPLAY_INPUTS");
    const long inputs = count != nullptr ? std::atol(count) : 100000;
    std::mt19937_64 rng(20261206);
    std::vector<uint8_t> bytes(1024);
    for (long i = 0; i < inputs; ++i) {
        for (auto& b : bytes) b = static_cast<uint8_t>(rng());
        LLVMFuzzerTestOneInput(bytes.data(), static_cast<size_t>(rng() % bytes.size()) + 1);
    }
    std::printf("%ld inputs, every property held\n", inputs);
    return 0;
}
