#include "textoUtf8.h"

#include "windows1252.h"

namespace {

constexpr std::string_view substituto = "\xEF\xBF\xBD"; // U+FFFD

// The length of the well-formed sequence at `i`, or 0 with `invalidos` the
// bytes to replace by one U+FFFD (Unicode's table of well-formed byte
// sequences).
std::size_t sequencia(std::string_view s, std::size_t i, std::size_t& invalidos)
{
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    if (c < 0x80)
        return 1;
    std::size_t n = 0;
    unsigned char menor = 0x80, maior = 0xBF; // range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0)
            menor = 0xA0;
        else if (c == 0xED)
            maior = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0)
            menor = 0x90;
        else if (c == 0xF4)
            maior = 0x8F;
    } else {
        invalidos = 1;
        return 0;
    }
    for (std::size_t k = 1; k < n; ++k) {
        const bool dentro = i + k < s.size() &&
                            (k == 1 ? b(i + k) >= menor && b(i + k) <= maior : b(i + k) >= 0x80 && b(i + k) <= 0xBF);
        if (!dentro) {
            invalidos = k;
            return 0;
        }
    }
    return n;
}

bool controle(unsigned char c) { return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F; }

} // namespace

bool utf8BemFormado(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        std::size_t invalidos = 0;
        const std::size_t n = sequencia(bytes, i, invalidos);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

std::string utf8Saneado(std::string_view bytes)
{
    std::string saida;
    saida.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        // Most text is a run of plain ASCII: copied whole.
        std::size_t fim = i;
        while (fim < bytes.size() && static_cast<unsigned char>(bytes[fim]) < 0x80 &&
               !controle(static_cast<unsigned char>(bytes[fim])))
            ++fim;
        if (fim > i) {
            saida.append(bytes.substr(i, fim - i));
            i = fim;
            continue;
        }
        std::size_t invalidos = 0;
        const std::size_t n = sequencia(bytes, i, invalidos);
        if (n == 0) {
            saida += substituto;
            i += invalidos;
        } else if (n == 1 && controle(static_cast<unsigned char>(bytes[i]))) {
            saida += substituto;
            ++i;
        } else {
            saida.append(bytes.substr(i, n));
            i += n;
        }
    }
    return saida;
}

std::string utf8DeArquivo(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return utf8Saneado(bytes.substr(3));
    return utf8Saneado(utf8BemFormado(bytes) ? std::string(bytes) : deWindows1252(std::string(bytes)));
}

std::string aparado(const std::string& t)
{
    const auto inicio = t.find_first_not_of(" \t");
    if (inicio == std::string::npos)
        return {};
    return t.substr(inicio, t.find_last_not_of(" \t") - inicio + 1);
}
