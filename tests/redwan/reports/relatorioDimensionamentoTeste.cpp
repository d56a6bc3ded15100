// The design report: its content with and without the manufacturer, the
// verdict colours, and the PDF a user exports, read back as text.
#include "dadosRelatorioDimensionamento.h" // first: it keeps the two colour headers apart

#include "ExportacaoPdf.h"
#include "custoTubo.h"
#include "FonteRelatorio.h"
#include "dimensionamento.h"
#include "entradaProjeto.h"
#include "paginacaoRelatorio.h"
#include "relatorioDimensionamento.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The texts the results window shows after designing this project, priced
// when there are prices.
TextosResultados projetar(const ProjetoRedwan& p, const PrecosCusto* precos = nullptr)
{
    EstadoDimensionamento e;
    const ExecucaoDimensionamento x = executarDimensionamento(entradaDoProjeto(p), e);
    if (x.desfecho != Desfecho::Resultados)
        qFatal("%s", x.mensagem.c_str());
    TextosResultados t = textosResultados(x.resultado);
    if (precos)
        completarTextosCusto(t, x.resultado, *precos);
    return t;
}

// 600 mm stormwater PA2 with one cage (the defaults otherwise).
DadosRelatorioDimensionamento dadosSimples()
{
    DadosRelatorioDimensionamento d;
    ProjetoRedwan& p = d.projeto;
    p.obra = {"Galeria de águas pluviais", "Av. Goiás", "1200", "Setor Central", "Goiânia", "GO", "74000-000"};
    p.cliente = {"Prefeitura Municipal", "Praça Cívica", "2", "Centro", "Goiânia", "GO", "74003-010",
                 "(62) 3524-1000", "(62) 99999-1000", "obras@goiania.go.gov.br"};
    p.classe.classePluvial = 1;
    d.resultados = projetar(p);
    d.data = "07/12/2026";
    d.hora = "14:30";
    return d;
}

// 1000 mm sewage, special class of 190 kN/m, two cages, 120 mm wall.
DadosRelatorioDimensionamento dadosDuplo()
{
    DadosRelatorioDimensionamento d = dadosSimples();
    ProjetoRedwan& p = d.projeto;
    p.geometria = {finalidadeEsgoto, 0, 7, 1};
    p.classe = {4, 3, "190,00", "190,00"};
    p.parametros = {"35,00", armaduraDupla, "3,5", "2,5", "120", "1,15", "1,40"};
    d.precos = {612.5, 10.25};
    d.resultados = projetar(p, &d.precos);
    d.fabricante = {"   Tubos Sul Ltda.", "12.345.678/0001-90", " Rua das Acácias", "120", " Centro", "Goiânia",
                    "GO", "74000-000", " (62) 3200-0000", "(62) 99999-0000", "vendas@tubossul.com.br", true};
    return d;
}

// Every text of the layout, in band order, joined by '|'.
QString textos(const LayoutRelatorio& l)
{
    QStringList t;
    for (const BandaRelatorio& b : l.bandas)
        for (const ItemTexto& i : b.textos)
            t << QString::fromStdString(i.texto);
    return t.join(QLatin1Char('|'));
}

const ItemTexto* item(const LayoutRelatorio& l, const std::string& texto)
{
    for (const BandaRelatorio& b : l.bandas)
        for (const ItemTexto& i : b.textos)
            if (i.texto == texto)
                return &i;
    return nullptr;
}

QString executar(const QString& programa, const QStringList& argumentos)
{
    QProcess p;
    p.start(programa, argumentos);
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

void verificarContem(const QString& texto, std::initializer_list<const char*> esperados)
{
    for (const char* e : esperados)
        QVERIFY2(texto.contains(QString::fromUtf8(e)), qPrintable(QString::fromUtf8(e) + QStringLiteral("\n---\n") + texto));
}

} // namespace

class RelatorioDimensionamentoTeste : public QObject {
    Q_OBJECT

private slots:
    void semFabricanteUmaPaginaComTudo()
    {
        const DadosRelatorioDimensionamento d = dadosSimples();
        const TextosResultados& r = d.resultados;
        const LayoutRelatorio l = montarRelatorioDimensionamento(d);
        const QString t = textos(l);
        verificarContem(t, {
            "pagina 1 de 1|Relatório de Resultados|DIMENSIONAMENTO DA ARMADURA DE TUBOS DE CONCRETO ARMADO|"
            "Gerado no Dia:|07/12/2026|ás|14:30|hs|Dados da Obra:",
            "Especificação dos Serviços Prestados:|Galeria de águas pluviais|Endereço:|Av. Goiás|Número:|1200|"
            "Bairro:|Setor Central|Cidade:|Goiânia|Estado:|GO|CEP:|74000-000",
            "Dados do Cliente:|Nome:|Prefeitura Municipal|Endereço:|Praça Cívica|Número:|2|Bairro:|Centro|Cidade:|"
            "Goiânia|Estado:|GO|CEP:|74003-010|Telefone:|(62) 3524-1000|Celular:|(62) 99999-1000|E - mail:|"
            "obras@goiania.go.gov.br",
            "Dados da Geometria:|Tipo:|Ponta e Bolsa|Finalidade:|Águas pluviais|Comprimento Longitudinal =|1,00 m|"
            "Diâmetro interno =|600 mm",
            "Dados do Tubo:|Classe do Tubo:|PA2|Carga minima de ruptura:|54,00 kN/m",
            "Dados da Armadura:|Resistência característica à compressão do concreto (f|ck|) =|35,00 MPa|"
            "Tipo de Armadura:|Circular simples|d'|int|=|----|d'|ext|=|----|Espessura da parede =|60 mm|"
            "Coeficientes de Segurança:|γ|s|=|1,15|γ|c|=|1,40",
            "Resultados:|No coroamento:|No flanco:|Altura Útil = |",
            "Por razões construtivas, tem-se:|Altura útil no coroamento =|",
            "Tela Soldada Especificada:|Tela Interna = |PB ",
            "Tela Externa = |----|Verificações:|Armadura máxima =|",
            "Armaduras Mínimas:|Armadura minima =|",
            "Armadura interna mínima para atender situações transitórias =|",
            "Armadura externa mínima para atender situações transitórias =|----|Observação:|Os campos onde "
            "aparecem como resultado \"----\" significa que não são necessarios para o caso em questão.",
        });
        // Every result as the results window shows it, after its caption.
        const std::pair<const char*, const std::string*> pares[] = {
            {"Altura Útil = ", &r.Label10}, {"Linha Neutra =", &r.Label4},   {"Domínio:", &r.Label12},
            {"As =", &r.Label5},            {"Altura útil no coroamento =", &r.Panel16},
            {"Armadura de tração =", &r.Panel15}, {"Tela Interna = ", &r.Pint},
            {"Armadura máxima =", &r.Label20}, {"Força cortante última =", &r.Label21},
            {"Abertura da fissura =", &r.Label26}, {"Armadura minima =", &r.Label17},
            {"Armadura interna mínima para atender situações transitórias =", &r.Label18},
        };
        for (const auto& [legenda, valor] : pares)
            verificarContem(t, {(std::string(legenda) + "|" + *valor).c_str()});
        // The springline column follows the crown's on each row.
        verificarContem(t, {("Altura Útil = |" + r.Label10 + "|Altura Útil = |" + r.Label11).c_str(),
                            ("As =|" + r.Label5 + "|As =|" + r.Label9).c_str()});
        // Moments and forces are not printed; neither is anything of the manufacturer.
        QVERIFY(!t.contains(QString::fromStdString(r.Label3)));
        QVERIFY(!t.contains(QStringLiteral("pagina 2 de 2")));
        for (const BandaRelatorio& b : l.bandas) {
            QVERIFY(b.imagens.empty());
            QVERIFY(!b.quebraPagina);
        }
        QCOMPARE(paginarRelatorio(l, medidorQt()).paginas.size(), std::size_t(1));
    }

    void vereditosNasCoresDaJanela()
    {
        struct Caso {
            DadosRelatorioDimensionamento d;
            CorRgb cobrimento, cortante, fissuras;
        };
        DadosRelatorioDimensionamento falha = dadosSimples();
        // 300 mm, 45 mm wall, PA4: the cover and shear checks fail.
        falha.projeto.geometria.indiceDi = 0;
        falha.projeto.classe.classePluvial = 3;
        falha.projeto.parametros.h = "45";
        falha.resultados = projetar(falha.projeto);
        // The worked pipe: 1000 mm, 100 mm wall, PA2 of 90 kN/m; every check passes.
        DadosRelatorioDimensionamento passa = dadosSimples();
        passa.projeto.geometria = {finalidadePluvial, 0, 7, 0};
        passa.projeto.parametros.h = "100";
        passa.resultados = projetar(passa.projeto);
        const CorRgb azul{0, 0, 255}, vermelho{255, 0, 0};
        const Caso casos[] = {{passa, azul, azul, azul}, {falha, vermelho, vermelho, azul}};
        for (const Caso& c : casos) {
            const LayoutRelatorio l = montarRelatorioDimensionamento(c.d);
            const TextosResultados& r = c.d.resultados;
            const std::pair<const std::string*, CorRgb> vereditos[] = {
                {&r.Label27, c.cobrimento}, {&r.Label28, c.cortante}, {&r.Label29, c.fissuras}};
            for (const auto& [texto, cor] : vereditos) {
                const ItemTexto* i = item(l, *texto);
                QVERIFY2(i, texto->c_str());
                QVERIFY2(i->estilo.cor == cor, qPrintable(QString::fromStdString(*texto) + QStringLiteral(" %1 %2 %3").arg(i->estilo.cor.r).arg(i->estilo.cor.g).arg(i->estilo.cor.b)));
            }
        }
        QCOMPARE(QString::fromStdString(falha.resultados.Label27), QStringLiteral("(Pode ocorrer ruptura do cobrimento)"));
    }

    void comFabricanteDuasPaginasComLogoELinhas()
    {
        DadosRelatorioDimensionamento d = dadosDuplo();
        d.logo = "/tmp/logo.bmp";
        const LayoutRelatorio l = montarRelatorioDimensionamento(d);
        const QString t = textos(l);
        verificarContem(t, {
            "pagina 1 de 2|Tubos Sul Ltda.|Rua das Acácias,  120 - Bairro: Centro|Cidade: Goiânia - Estado: GO|"
            "Telefone: (62) 3200-0000 - E-mail: vendas@tubossul.com.br|Relatório de Resultados",
            "Tipo:|Macho e Fêmea|Finalidade:|Esgoto sanitário|Comprimento Longitudinal =|2,50 m|"
            "Diâmetro interno =|1000 mm",
            "Classe do Tubo:|Especial|Carga minima de ruptura:|190,00 kN/m",
            "Tipo de Armadura:|Circular dupla|d'|int|=|3,5 cm|d'|ext|=|2,5 cm|Espessura da parede =|120 mm",
            "Altura útil no coroamento =|----|Armadura de tração =|----",
            "Tela Interna = |MF ",
            "|pagina 2 de 2|Verificações:|Armadura máxima =|",
        });
        // The cost closes page 1 with the prices it was computed at; the
        // concrete is π/4·(1,24² − 1,00²) = 0,422 m³.
        const auto valor = [](const std::string& linha) { return linha.substr(linha.find(": ") + 2); };
        verificarContem(t, {("Tela Externa = |" + d.resultados.Pext + "|Aço, concreto e custo por metro de tubo:|Aço:|"
                             + valor(d.resultados.Aco) + "|Concreto:|0,422 m³|Custo:|" + valor(d.resultados.Custo)
                             + " (concreto a R$ 612,50/m³, aço a R$ 10,25/kg)|pagina 2 de 2")
                                .c_str(),
                            ("Armadura externa mínima para atender situações transitórias =|" + d.resultados.Label19).c_str()});
        QVERIFY(d.resultados.Pext != "----");
        std::vector<std::string> logos;
        for (const BandaRelatorio& b : l.bandas)
            for (const ItemImagem& i : b.imagens)
                logos.push_back(i.caminho);
        QCOMPARE(logos, std::vector<std::string>{"/tmp/logo.bmp"});
        QCOMPARE(paginarRelatorio(l, medidorQt()).paginas.size(), std::size_t(2));
        // The label of page 2 opens page 2.
        for (std::size_t k = 0; k + 1 < l.bandas.size(); ++k)
            QCOMPARE(l.bandas[k].quebraPagina, l.bandas[k + 1].textos.size() == 1 &&
                                                    l.bandas[k + 1].textos[0].texto == "pagina 2 de 2");
    }

    void fabricanteSemBrancosIniciais()
    {
        DadosFabricante f{"  Tubos", " 1", "  Rua", " 9", " Bairro", "  Cidade", " GO", " 7", "  Tel", " Cel", " e@x",
                          true};
        removerBrancosIniciais(f);
        // The fields printed lose them; the others stay as typed.
        QCOMPARE(f, (DadosFabricante{"Tubos", " 1", "Rua", "9", "Bairro", "Cidade", "GO", " 7", "Tel", " Cel", "e@x",
                                     true}));
        DadosFabricante branco;
        branco.nome = "   ";
        removerBrancosIniciais(branco);
        QCOMPARE(QString::fromStdString(branco.nome), QString());
    }

    void pdfsDasDuasFormas()
    {
        QTemporaryDir pasta;
        // KR_MANTER_SAIDA=1 keeps the PDFs for a person to look at.
        pasta.setAutoRemove(qEnvironmentVariableIsEmpty("KR_MANTER_SAIDA"));
        // A logo as a manufacturer would load it.
        QImage logo(145, 90, QImage::Format_RGB32);
        logo.fill(QColor(20, 90, 160));
        {
            QPainter p(&logo);
            p.setPen(Qt::white);
            p.drawText(logo.rect(), Qt::AlignCenter, QStringLiteral("TUBOS SUL"));
        }
        const QString caminhoLogo = pasta.filePath(QStringLiteral("logofabri.bmp"));
        QVERIFY(logo.save(caminhoLogo, "BMP"));

        struct Caso {
            const char* nome;
            DadosRelatorioDimensionamento d;
            int paginas;
        };
        DadosRelatorioDimensionamento duplo = dadosDuplo();
        duplo.logo = caminhoLogo.toStdString();
        const Caso casos[] = {{"sem-fabricante", dadosSimples(), 1}, {"com-fabricante", duplo, 2}};
        for (const Caso& c : casos) {
            const QString pdf = pasta.filePath(QString::fromLatin1(c.nome) + QStringLiteral(".pdf"));
            QVERIFY(exportarPdf(montarRelatorioDimensionamento(c.d), pdf));
            qInfo("%s", qPrintable(pdf));
            const QString info = executar(QStringLiteral("pdfinfo"), {pdf});
            QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\b").arg(c.paginas))), qPrintable(info));
            QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
            const QString pagina1 = executar(QStringLiteral("pdftotext"), {"-f", "1", "-l", "1", pdf, "-"});
            const QString ultima = executar(QStringLiteral("pdftotext"), {"-f", QString::number(c.paginas), "-l",
                                                                          QString::number(c.paginas), pdf, "-"});
            const TextosResultados& r = c.d.resultados;
            verificarContem(pagina1, {"Relatório de Resultados", "DIMENSIONAMENTO DA ARMADURA DE TUBOS DE CONCRETO ARMADO",
                                      "Gerado no Dia:", "07/12/2026", "14:30", "Dados da Obra:",
                                      "Especificação dos Serviços Prestados:", "Dados do Cliente:", "E - mail:",
                                      "Dados da Geometria:", "Comprimento Longitudinal =", "Diâmetro interno =",
                                      "Dados do Tubo:", "Classe do Tubo:", "Carga minima de ruptura:",
                                      "Dados da Armadura:", "Resistência característica à compressão do concreto (f",
                                      "Tipo de Armadura:", "Espessura da parede =", "Coeficientes de Segurança:",
                                      "Resultados:", "No coroamento:", "No flanco:", "Altura Útil =", "Linha Neutra =",
                                      "Domínio:", "Por razões construtivas, tem-se:", "Altura útil no coroamento =",
                                      "Armadura de tração =", "Tela Soldada Especificada:", "Tela Interna =",
                                      "Tela Externa =", r.Label10.c_str(), r.Label9.c_str(), r.Pint.c_str()});
            verificarContem(ultima, {"Verificações:", "Armadura máxima =", "Força cortante última =",
                                     "Abertura da fissura =", r.Label27.c_str(), r.Label28.c_str(), r.Label29.c_str(),
                                     r.Label26.c_str(), "Armaduras Mínimas:", "Armadura minima =",
                                     "Armadura interna mínima para atender situações transitórias =",
                                     "Armadura externa mínima para atender situações transitórias =",
                                     r.Label18.c_str(), "Observação:", "significa que não são necessarios"});
            // pdfimages lists two heading lines, then one line per picture.
            const int imagens = executar(QStringLiteral("pdfimages"), {"-list", pdf}).count(QLatin1Char('\n')) - 2;
            if (c.paginas == 1) {
                verificarContem(pagina1, {"pagina 1 de 1", "Galeria de águas pluviais", "PA2", "54,00 kN/m",
                                          "Circular simples"});
                QCOMPARE(imagens, 0);
            } else {
                // pdftotext writes the two blanks after the address as one.
                verificarContem(pagina1, {"pagina 1 de 2", "Tubos Sul Ltda.", "Rua das Acácias, 120 - Bairro: Centro",
                                          "Cidade: Goiânia - Estado: GO", "Especial", "190,00 kN/m", "Circular dupla",
                                          "3,5 cm", "2,5 cm"});
                verificarContem(ultima, {"pagina 2 de 2"});
                QCOMPARE(imagens, 1); // the logo
            }
        }
    }
};

QTEST_MAIN(RelatorioDimensionamentoTeste)
#include "relatorioDimensionamentoTeste.moc"
