// Kolvan's report and calculation sheet with every heading field at its
// longest text: no text prints over another or past the paper's edge.
#include "FonteRelatorio.h"
#include "ProjetoTubo.h"
#include "calculoClasse.h"
#include "limitesTextos.h"
#include "memoriaClasse.h"
#include "memoriaRede.h"
#include "paginasLimpas.h"
#include "relatorioClasse.h"

#include <QtTest>

namespace {
ProjetoTubo projetoLongo(int tipo, int natureza, bool compactado)
{
    ProjetoTubo p;
    const auto pessoa = camposProjetista(p.projetista);
    for (std::size_t i = 0; i < pessoa.size(); ++i)
        *pessoa[i] = textoLongo(limitesPessoa[i], static_cast<char>('A' + i));
    const auto obra = camposObra(p.obra);
    for (std::size_t i = 0; i < obra.size(); ++i)
        *obra[i] = textoLongo(limitesObra[i], static_cast<char>('K' + i));
    const auto cliente = camposCliente(p.cliente);
    for (std::size_t i = 0; i < cliente.size(); ++i)
        *cliente[i] = textoLongo(limitesCliente[i], static_cast<char>('R' + i));
    p.instalacao.tipo = tipo;
    p.instalacao.aterroCompactado = compactado;
    p.instalacao.alturaTerra = "12,50";
    p.instalacao.razaoRecalque = tipo == ProjecaoNegativa ? "-0,3" : "0,7";
    p.sobrecarga.natureza = natureza;
    p.sobrecarga.carga = "1500,00";
    const auto& lista = listaDiametros();
    p.geometria.indiceDi = static_cast<int>(lista.size()) - 1; // the widest pipe: the longest numbers
    p.instalacao.larguraVala = "3,20";
    EstadoSobrecarga estado;
    calcularClasse(p, estado);
    return p;
}
} // namespace

class PaginasLimpasTeste : public QObject {
    Q_OBJECT

private slots:
    void textosLongos_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("natureza");
        QTest::addColumn<bool>("compactado");
        QTest::newRow("vala, rodoviária") << int(Vala) << 0 << false;
        QTest::newRow("projeção negativa, distribuída") << int(ProjecaoNegativa) << 3 << false;
        QTest::newRow("projeção negativa compactada, definida") << int(ProjecaoNegativa) << 4 << true;
        QTest::newRow("projeção positiva, nula") << int(ProjecaoPositiva) << 5 << false;
    }

    void textosLongos()
    {
        QFETCH(int, tipo);
        QFETCH(int, natureza);
        QFETCH(bool, compactado);
        const ProjetoTubo p = projetoLongo(tipo, natureza, compactado);
        const MomentoRelatorio momento{"07/12/2026", "14:30"};
        // A network with a long name and a stretch that gets no class.
        RedeTubulacoes rede;
        rede.entradas = {{textoLongo(40, 'T'), "PV-1", "PV-2", "60,00", "1500", "1,20", "12,35"},
                         {"T-02", "PV-2", "PV-3", "45,00", "600", "0,40", "0,90"}};
        rede.resultados = classificarRede(p, rede.entradas);
        const MedidorTexto medidor = medidorQt();
        const struct {
            const char* nome;
            LayoutRelatorio layout;
        } documentos[] = {
            {"relatório", montarRelatorioClasse(p, momento)},
            {"memória", memoriaClasseDoProjeto(p, momento)},
            {"memória da rede", montarMemoriaRede(p, rede, momento, 0)},
        };
        for (const auto& d : documentos) {
            const RelatorioPaginado r = paginarRelatorio(d.layout, medidor);
            const QStringList problemas = problemasPaginas(r, medidor);
            QVERIFY2(problemas.isEmpty(), qPrintable(QString::fromUtf8(d.nome) + ":\n" + problemas.join('\n')));
        }
        // The report keeps its two pages, as their markers say.
        QCOMPARE(paginarRelatorio(documentos[0].layout, medidor).paginas.size(), std::size_t(2));
    }
};

QTEST_MAIN(PaginasLimpasTeste)
#include "paginasLimpasTeste.moc"
