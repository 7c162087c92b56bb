// Runs a fuzz target over saved inputs as an ordinary program, so that the seed corpus and every
// input that once failed are checked by every build, with or without clang and libFuzzer.
//
//   leading_number_replay corpus/leading_number regressions/leading_number

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int *argc, char ***argv);

namespace {

void replay(const std::filesystem::path &file) {
    std::ifstream stream(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(stream),
                                  std::istreambuf_iterator<char>()};
    std::printf("%s\n", file.string().c_str());
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char **argv) {
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        // A mistyped folder would otherwise be replayed as one empty input and counted.
        if (!std::filesystem::exists(path)) {
            std::fprintf(stderr, "No such input: %s\n", path.string().c_str());
            return 1;
        }
        if (std::filesystem::is_directory(path)) {
            for (const auto &entry : std::filesystem::recursive_directory_iterator(path)) {
                if (entry.is_regular_file()) {
                    replay(entry.path());
                    ++count;
                }
            }
        } else {
            replay(path);
            ++count;
        }
    }
    // An empty or mistyped folder would otherwise pass without checking anything.
    if (count == 0) {
        std::fprintf(stderr, "No inputs found\n");
        return 1;
    }
    std::printf("%d inputs replayed\n", count);
    return 0;
}
