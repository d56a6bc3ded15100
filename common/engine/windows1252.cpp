#include "windows1252.h"

#include <cstdint>

namespace {
// Code points of bytes 0x80 to 0x9F. The five bytes the code page leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control
// characters of the same value, as Windows itself reads them, so that a file
// holding one is written back byte for byte.
const char32_t faixa80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void anexarUtf8(std::string& saida, char32_t c)
{
    if (c < 0x80) {
        saida += static_cast<char>(c);
    } else if (c < 0x800) {
        saida += static_cast<char>(0xC0 | (c >> 6));
        saida += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        saida += static_cast<char>(0xE0 | (c >> 12));
        saida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        saida += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::optional<char> byteDe(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (faixa80[i] == c)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}
} // namespace

std::optional<std::string> paraWindows1252(const std::string& utf8)
{
    std::string saida;
    saida.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        char32_t c = 0;
        int seguintes = 0;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1F;
            seguintes = 1;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0F;
            seguintes = 2;
        } else if ((b & 0xF8) == 0xF0) {
            c = b & 0x07;
            seguintes = 3;
        } else {
            return std::nullopt;
        }
        if (i + seguintes >= utf8.size() && seguintes > 0)
            return std::nullopt;
        for (int k = 1; k <= seguintes; ++k) {
            const auto cont = static_cast<unsigned char>(utf8[i + k]);
            if ((cont & 0xC0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (cont & 0x3F);
        }
        const std::optional<char> byte = byteDe(c);
        if (!byte)
            return std::nullopt;
        saida += *byte;
        i += seguintes + 1;
    }
    return saida;
}

std::string deWindows1252(const std::string& bytes)
{
    std::string saida;
    saida.reserve(bytes.size() + bytes.size() / 4);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        char32_t c = b;
        if (b >= 0x80 && b < 0xA0)
            c = faixa80[b - 0x80];
        anexarUtf8(saida, c);
    }
    return saida;
}

bool cabeEmWindows1252(const std::string& utf8) { return paraWindows1252(utf8).has_value(); }

std::optional<std::string> montarArquivoLinhas(const std::vector<std::string>& linhas)
{
    std::string bytes;
    for (const std::string& linha : linhas) {
        const std::optional<std::string> convertida = paraWindows1252(linha);
        if (!convertida)
            return std::nullopt;
        bytes += *convertida;
        bytes += "\r\n";
    }
    return bytes;
}

std::vector<std::string> separarArquivoLinhas(const std::string& bytes)
{
    std::vector<std::string> linhas;
    std::string atual;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            linhas.push_back(deWindows1252(atual));
            atual.clear();
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            atual += c;
        }
    }
    if (!atual.empty())
        linhas.push_back(deWindows1252(atual));
    return linhas;
}
