#pragma once
// A laid-out report checked as a reader sees it: no two texts of a page
// print over each other, and none runs past the paper's edges. Texts are
// measured in the printed font.
#include "paginacaoRelatorio.h"
#include "sobreposicaoTextos.h"

#include <QString>
#include <QStringList>

#include <string>

// The longest text a field takes: `n` characters, words of up to ten
// letters (with accents, which print wide) as typed text has.
inline std::string textoLongo(int n, char inicial = 'M')
{
    std::string t;
    int letras = 0;
    while (static_cast<int>(t.size()) < n) {
        if (letras == 9 && static_cast<int>(t.size()) + 1 < n) {
            t += ' ';
            letras = 0;
            continue;
        }
        t += letras == 0 ? inicial : (letras % 3 == 1 ? 'W' : 'm');
        ++letras;
    }
    return t;
}

inline QStringList problemasPaginas(const RelatorioPaginado& r, const MedidorTexto& medidor)
{
    QStringList problemas;
    for (std::size_t n = 0; n < r.paginas.size(); ++n) {
        const PaginaRelatorio& pagina = r.paginas[n];
        const QString onde = QStringLiteral("página %1: ").arg(n + 1);
        for (const auto& [i, j] : textosSobrepostos(pagina, medidor))
            problemas << onde + QString::fromStdString(pagina.textos[i].texto) + QStringLiteral("  ×  ")
                             + QString::fromStdString(pagina.textos[j].texto);
        for (const ItemTexto& t : pagina.textos) {
            if (t.texto.empty())
                continue;
            const ExtensaoTexto e = extensaoTexto(t, medidor);
            if (e.esquerda < 0 || e.direita > larguraA4 || e.topo < 0 || e.base > alturaA4)
                problemas << onde + QStringLiteral("fora da página: ") + QString::fromStdString(t.texto);
        }
    }
    return problemas;
}
