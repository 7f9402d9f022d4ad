// Runs a fuzz target over files and folders of inputs (the seed corpus and every input
// that once made a target fail), for builds without libFuzzer.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char* argv[]) {
    namespace fs = std::filesystem;
    int runs = 0;
    auto runFile = [&](const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        ++runs;
    };
    for (int i = 1; i < argc; ++i) {
        if (fs::is_regular_file(argv[i])) runFile(argv[i]);
        std::error_code notAFolder; // a file, or no regressions yet: nothing to walk
        for (const auto& e : fs::recursive_directory_iterator(argv[i], notAFolder))
            if (e.is_regular_file()) runFile(e.path());
    }
    std::printf("%d inputs ran without a fault\n", runs);
    return 0;
}
