#include "TextosMacaco.h"

#include "Sorteio.h"

#include <QStringList>

QString numeroPlausivel(Sorteio& s)
{
    // Magnitudes that cover heights, widths, loads, strengths and factors.
    static const std::vector<int> escalas{1, 10, 100, 1000, 10000};
    const int inteiro = s.ate(s.um(escalas) + 1);
    QString texto = QString::number(inteiro);
    if (s.chance(0.6)) {
        const int casas = s.entre(1, 3);
        QString decimais;
        for (int i = 0; i < casas; ++i)
            decimais += QChar(u'0' + s.ate(10));
        texto += (s.chance(0.8) ? QLatin1Char(',') : QLatin1Char('.')) + decimais;
    }
    return texto;
}

QString textoEnorme(Sorteio& s)
{
    static const QStringList pedacos{QStringLiteral("9"), QStringLiteral("1,5"), QStringLiteral("a"),
                                     QStringLiteral("ç"), QStringLiteral("€"), QStringLiteral(" ")};
    const QString pedaco = pedacos[s.ate(pedacos.size())];
    return pedaco.repeated(s.entre(200, 20000) / pedaco.size());
}

QString textoQualquer(Sorteio& s)
{
    static const QStringList estranhos{
        QString(),
        QStringLiteral("-0,50"),
        QStringLiteral("-1"),
        QStringLiteral("abc"),
        QStringLiteral("1,2,3"),
        QStringLiteral(",,"),
        QStringLiteral(","),
        QStringLiteral("."),
        QStringLiteral("1.000,50"),
        QStringLiteral("0"),
        QStringLiteral("0,0000001"),
        QStringLiteral("99999999999999999999"),
        QStringLiteral("1e308"),
        QStringLiteral("nan"),
        QStringLiteral("inf"),
        QStringLiteral(" 2,5 "),
        QStringLiteral("2,5x"),
        QStringLiteral("+3"),
        QStringLiteral("José Araújo – €"),
        QStringLiteral("ę № 日本 \U0001F600"),
        QStringLiteral("\u0081\u008D\u008F\u0090\u009D"),
        QStringLiteral("linha\r\noutra"),
        QStringLiteral("-------------------"),
        QStringLiteral("GEOMETRIA"),
        QStringLiteral("\t"),
        QStringLiteral("%1 %s %n"),
    };
    switch (s.pesado({10, 3, 1, 1})) {
    case 0: return numeroPlausivel(s);
    case 1: return estranhos[s.ate(estranhos.size())];
    case 2: return textoEnorme(s);
    default: {
        QString t;
        const int n = s.entre(1, 12);
        for (int i = 0; i < n; ++i)
            t += QChar(static_cast<char16_t>(s.chance(0.7) ? s.entre(0x20, 0x7E) : s.entre(0xA0, 0x2FFF)));
        return t;
    }
    }
}
