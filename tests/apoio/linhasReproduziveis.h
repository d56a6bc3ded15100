#pragma once
// Works out every "= numbers = result" of a sheet's text as printed and
// says which do not give the printed result to its last digit: what an
// approving engineer does with a calculator.
#include "avaliacaoFormula.h"
#include "numeros.h"

#include <QRegularExpression>
#include <QStringList>

struct ConferenciaLinhas {
    int conferidas = 0;
    QStringList erradas; // "expression = printed (gives …)"
};

inline ConferenciaLinhas conferirLinhas(const QString& texto)
{
    static const QRegularExpression linha(QStringLiteral(
        "= ((?:[0-9(√−-]|mín\\(|máx\\(|arred\\(|e\\^)(?:[0-9,;()+·/×²³^√ −-]|mín|máx|arred|e\\^)*?) = "
        "(-?[0-9]+(?:,[0-9]+)?)(?![0-9]|,[0-9])"));
    static const QRegularExpression operador(QStringLiteral("[+·/×²³^√−(]|mín|máx"));
    ConferenciaLinhas r;
    for (auto it = linha.globalMatch(texto); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString expressao = m.captured(1).trimmed();
        const QString impresso = m.captured(2);
        if (!expressao.contains(operador))
            continue;
        const auto v = avaliarFormula(expressao.toStdString());
        if (!v)
            continue;
        ++r.conferidas;
        const int virgula = impresso.indexOf(QLatin1Char(','));
        const int casas = virgula < 0 ? 0 : static_cast<int>(impresso.size()) - virgula - 1;
        const QString obtido = QString::fromStdString(formatarDecimais(*v, casas));
        if (obtido != impresso)
            r.erradas << expressao + QStringLiteral(" = ") + impresso + QStringLiteral(" (dá ") + obtido
                             + QStringLiteral(")");
    }
    return r;
}
