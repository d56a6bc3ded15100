// Replays every saved input of a fuzz target, as an ordinary test: the
// inputs that once crashed a reader stay fixed.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho);

int main(int argc, char* argv[])
{
    namespace fs = std::filesystem;
    int entradas = 0;
    for (int i = 1; i < argc; ++i) {
        std::vector<fs::path> arquivos;
        if (fs::is_directory(argv[i])) {
            for (const auto& e : fs::recursive_directory_iterator(argv[i]))
                if (e.is_regular_file())
                    arquivos.push_back(e.path());
        } else {
            arquivos.emplace_back(argv[i]);
        }
        for (const fs::path& arquivo : arquivos) {
            std::ifstream f(arquivo, std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++entradas;
        }
    }
    std::printf("%d entradas reproduzidas\n", entradas);
    return entradas > 0 ? 0 : 1;
}
