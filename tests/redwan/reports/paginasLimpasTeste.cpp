// Redwan's report and calculation sheet with every heading field at its
// longest text: no text prints over another or past the paper's edge.
#include "dadosRelatorioDimensionamento.h" // first: it keeps the two colour headers apart

#include "FonteRelatorio.h"
#include "dimensionamento.h"
#include "entradaProjeto.h"
#include "limitesTextos.h"
#include "memoriaDimensionamento.h"
#include "paginasLimpas.h"
#include "relatorioDimensionamento.h"

#include <QtTest>

namespace {
DadosRelatorioDimensionamento dadosLongos(bool imprimir, int tipo)
{
    DadosRelatorioDimensionamento d;
    ProjetoRedwan& p = d.projeto;
    const auto obra = camposObra(p.obra);
    for (std::size_t i = 0; i < obra.size(); ++i)
        *obra[i] = textoLongo(limitesObra[i], static_cast<char>('K' + i));
    const auto cliente = camposCliente(p.cliente);
    for (std::size_t i = 0; i < cliente.size(); ++i)
        *cliente[i] = textoLongo(limitesCliente[i], static_cast<char>('R' + i));
    const auto fabricante = camposFabricante(d.fabricante);
    for (std::size_t i = 0; i < fabricante.size(); ++i)
        *fabricante[i] = textoLongo(limitesPessoa[i], static_cast<char>('A' + i));
    d.fabricante.imprimir = imprimir;
    p.geometria = {finalidadeEsgoto, 0, 7, 1};
    p.classe = {4, 3, "190,00", "190,00"};
    p.parametros = {"35,00", tipo, "3,5", "2,5", "120", "1,15", "1,40"};
    EstadoDimensionamento e;
    const ExecucaoDimensionamento x = executarDimensionamento(entradaDoProjeto(p), e);
    if (x.desfecho == Desfecho::Resultados)
        d.resultados = textosResultados(x.resultado);
    d.data = "07/12/2026";
    d.hora = "14:30";
    return d;
}
} // namespace

class PaginasLimpasTeste : public QObject {
    Q_OBJECT

private slots:
    void textosLongos_data()
    {
        QTest::addColumn<bool>("imprimir");
        QTest::addColumn<int>("tipo");
        QTest::newRow("com fabricante, armadura dupla") << true << int(armaduraDupla);
        QTest::newRow("sem fabricante, armadura simples") << false << 0;
    }

    void textosLongos()
    {
        QFETCH(bool, imprimir);
        QFETCH(int, tipo);
        const DadosRelatorioDimensionamento d = dadosLongos(imprimir, tipo);
        const MedidorTexto medidor = medidorQt();
        const struct {
            const char* nome;
            LayoutRelatorio layout;
            std::size_t paginas; // 0: any number
        } documentos[] = {
            {"relatório", montarRelatorioDimensionamento(d), imprimir ? 2u : 1u},
            {"memória", memoriaDimensionamentoDoProjeto(d), 0},
        };
        for (const auto& doc : documentos) {
            const RelatorioPaginado r = paginarRelatorio(doc.layout, medidor);
            const QStringList problemas = problemasPaginas(r, medidor);
            QVERIFY2(problemas.isEmpty(), qPrintable(QString::fromUtf8(doc.nome) + ":\n" + problemas.join('\n')));
            // The report's pages are as many as its markers say.
            if (doc.paginas)
                QCOMPARE(r.paginas.size(), doc.paginas);
        }
    }
};

QTEST_MAIN(PaginasLimpasTeste)
#include "paginasLimpasTeste.moc"
