#include "FonteRelatorio.h"

#include "TextoQt.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

QFont fonteRelatorio(const EstiloTexto& estilo)
{
    QFont fonte(QStringLiteral("DejaVu Sans"));
    fonte.setPixelSize(std::max(estilo.tamanho, 1));
    fonte.setBold(estilo.negrito);
    fonte.setHintingPreference(QFont::PreferNoHinting);
    // No ligatures: "fi" stays two letters, so the PDF's text can be searched
    // and copied as typed ("Verificação", not "Veriﬁcação").
    fonte.setStyleStrategy(QFont::PreferNoShaping);
    return fonte;
}

MedidorTexto medidorQt()
{
    return {
        [](const std::string& texto, const EstiloTexto& estilo) {
            return QFontMetricsF(fonteRelatorio(estilo)).horizontalAdvance(qt(texto));
        },
        [](const EstiloTexto& estilo) {
            return static_cast<int>(std::ceil(QFontMetricsF(fonteRelatorio(estilo)).height()));
        },
    };
}
