// The report as a user gets it: a PDF of A4 pages whose text, accents and
// positions poppler reads back, the same pages through a printer, and the
// preview window with its pages, navigation and zoom.
#include "ArquivoLinhas.h"
#include "DialogosArquivo.h"
#include "ExecucaoModal.h"
#include "ExportacaoPdf.h"
#include "MensagensGravadas.h"
#include "Figuras.h"
#include "PintorRelatorio.h"
#include "FonteRelatorio.h"
#include "VisualizacaoRelatorio.h"
#include "bandasRelatorio.h"
#include "sobreposicaoTextos.h"

#include <QAction>
#include <QDialog>
#include <QImage>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const EstiloTexto estiloTituloBanda{16, true};
const EstiloTexto estiloPagina{11, true, corPreta, Alinhamento::direita};

QString executar(const QString& programa, const QStringList& argumentos)
{
    QProcess p;
    p.start(programa, argumentos);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("<%1 falhou: %2>").arg(programa, QString::fromUtf8(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString textoDaPagina(const QString& pdf, int pagina)
{
    const QString n = QString::number(pagina);
    return executar(QStringLiteral("pdftotext"), {QStringLiteral("-f"), n, QStringLiteral("-l"), n, pdf, QStringLiteral("-")});
}

// A report shaped like the programs' own: a page marker, a red heading,
// caption/value rows, a picture beside captions, a forced break, a wrapped
// description with a picture under it, coloured verdicts.
LayoutRelatorio relatorioDeDuasPaginas(const QString& imagemAbsoluta)
{
    LayoutRelatorio layout;
    layout.titulo = "Especificação da classe";
    const int largura = larguraUtil(layout);

    BandaRelatorio marcador{20};
    adicionarTexto(marcador, 0, 0, "pagina 1 de 2", estiloPagina, largura);

    BandaRelatorio titulo{50};
    adicionarTexto(titulo, 0, 0, "ESPECIFICAÇÃO DA CLASSE DE RESISTÊNCIA DE TUBO DE CONCRETO",
                   {19, true, corVermelha, Alinhamento::centro}, largura);
    const EstiloTexto data{11, true, corVermelha};
    adicionarTexto(titulo, 170, 28, "Gerado no Dia:", data);
    adicionarTextoApos(titulo, 5, 28, "07/03/2024", data);
    adicionarTextoApos(titulo, 5, 28, "ás", data);
    adicionarTextoApos(titulo, 5, 28, "09:41", data);
    adicionarTextoApos(titulo, 5, 28, "hs", data);

    BandaRelatorio projetista{130};
    adicionarTexto(projetista, 0, 0, "Dados do Projetista:", estiloTituloBanda);
    adicionarLinhaPares(projetista, 25, {{0, "Nome:", "José Araújo Conceição"}, {480, "CREA:", "123456/D"}});
    adicionarLinhaPares(projetista, 50, {{0, "Endereço:", "Rua São João"}, {260, "Número:", "1.024"}, {480, "Bairro:", "Jardim Itália"}});
    adicionarLinhaPares(projetista, 75, {{0, "Cidade:", "Maceió"}, {260, "Estado:", "AL"}, {480, "CEP:", "57000-000"}});
    adicionarLinhaPares(projetista, 100, {{0, "Telefone:", "(82) 3333-4444"}, {260, "Celular:", "(82) 99999-0000"}, {480, "E - mail:", "jose@exemplo.com.br"}});

    BandaRelatorio instalacao{260, {}, {}, true}; // ends the first page
    adicionarTexto(instalacao, 0, 0, "Dados da Instalação:", estiloTituloBanda);
    const char* legendas[][2] = {{"Tipo de instalação:", "Vala"},         {"Tipo de terreno:", "Argila saturada"},
                                 {"Peso específico do solo =", "19,00 kN/m ³"}, {"k.u =", "0,110"},
                                 {"Razão de recalque =", "----"},          {"Altura de terra (hs):", "3,00 m"},
                                 {"Largura da vala (bv) =", "1,50 m"},     {"Altura (ha) =", "----"}};
    for (int k = 0; k < 8; ++k)
        adicionarLinhaPares(instalacao, 25 + 25 * k, {{0, legendas[k][0], legendas[k][1]}});
    adicionarImagem(instalacao, 420, 25, 280, 200, "Pictures\\VALA.BMP");

    BandaRelatorio marcador2{20};
    adicionarTexto(marcador2, 0, 0, "pagina 2 de 2", estiloPagina, largura);

    BandaRelatorio base{50};
    adicionarTexto(base, 0, 0, "Dados da Base:", estiloTituloBanda);
    adicionarLinhaPares(base, 25, {{0, "Tipo:", "Classe B (comum)"}});
    BandaRelatorio descricao{10};
    adicionarCaixaTexto(descricao, 0, 0, 500, 0,
                        "Berço comum: o tubo assenta em solo granular compactado, moldado a um ângulo de 60° "
                        "a 90°, e o reaterro é compactado em camadas até 0,30 m acima da geratriz superior.\n"
                        "Segunda linha da descrição.");
    BandaRelatorio figuras{130};
    adicionarImagem(figuras, 0, 0, 250, 120, imagemAbsoluta.toStdString());
    adicionarImagem(figuras, 300, 0, 250, 120, "nao_existe.bmp"); // missing: left empty

    BandaRelatorio resultado{80};
    adicionarTexto(resultado, 0, 0, "Resultados - Classe", estiloTituloBanda);
    adicionarTexto(resultado, 0, 25, "Verificação do cobrimento: OK", {13, false, corAzul});
    adicionarTexto(resultado, 0, 50, "Verificação das fissuras: não passou", {13, false, corVermelha});

    BandaRelatorio observacao{50};
    adicionarTexto(observacao, 0, 0, "Observação:", estiloLegenda);
    adicionarTexto(observacao, 0, 20,
                   "Os campos onde aparecem como resultado \"----\" significa que não são necessarios para o caso em questão.");

    layout.bandas = {marcador, titulo, projetista, instalacao, marcador2, base, descricao, figuras, resultado, observacao};
    return layout;
}

// Texts at the left margin, centred and at the right margin of a band 100 px down.
LayoutRelatorio relatorioDePosicoes()
{
    LayoutRelatorio layout;
    BandaRelatorio primeira{100};
    BandaRelatorio segunda{30};
    adicionarTexto(segunda, 0, 0, "esquerda", estiloValor);
    adicionarTexto(segunda, 0, 0, "centrado", {13, false, corPreta, Alinhamento::centro}, larguraUtil(layout));
    adicionarTexto(segunda, 0, 0, "direita", {13, false, corPreta, Alinhamento::direita}, larguraUtil(layout));
    layout.bandas = {primeira, segunda};
    return layout;
}

struct Caixa {
    double xMin = -1, yMin = -1, xMax = -1, yMax = -1;
};
Caixa caixaDaPalavra(const QString& pdf, const QString& palavra)
{
    const QString html = executar(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    const QRegularExpression re(QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">%1<")
                                    .arg(QRegularExpression::escape(palavra)));
    const QRegularExpressionMatch m = re.match(html);
    if (!m.hasMatch())
        return {};
    return {m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(), m.captured(4).toDouble()};
}
} // namespace

class RelatorioPdfTeste : public QObject {
    Q_OBJECT

private:
    QTemporaryDir pasta;
    QString imagemAbsoluta;

    QString arquivo(const QString& nome) const { return pasta.filePath(nome); }

    // Points of the PDF (72 a inch) for logical pixels (96 a inch).
    static double pontos(double pixels) { return pixels * 72.0 / 96.0; }

    void verificarPosicoes(const QString& pdf)
    {
        const Caixa esquerda = caixaDaPalavra(pdf, QStringLiteral("esquerda"));
        const Caixa centrado = caixaDaPalavra(pdf, QStringLiteral("centrado"));
        const Caixa direita = caixaDaPalavra(pdf, QStringLiteral("direita"));
        QVERIFY2(qAbs(esquerda.xMin - pontos(38)) < 2, qPrintable(QString::number(esquerda.xMin)));
        QVERIFY2(qAbs(direita.xMax - pontos(794 - 38)) < 2, qPrintable(QString::number(direita.xMax)));
        QVERIFY2(qAbs((centrado.xMin + centrado.xMax) / 2 - pontos(794 / 2.0)) < 2, qPrintable(QString::number(centrado.xMin)));
        // The line box starts 138 px down; the glyphs a little lower.
        QVERIFY2(esquerda.yMin > pontos(138) - 1 && esquerda.yMax < pontos(138 + 18),
                 qPrintable(QString::number(esquerda.yMin)));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(pasta.isValid());
        // A picture of Pictures/ under a name in other case, and one by absolute path.
        QVERIFY(QDir(pasta.path()).mkpath(QStringLiteral("Pictures")));
        QImage vala(140, 100, QImage::Format_RGB32);
        vala.fill(Qt::darkGreen);
        QVERIFY(vala.save(arquivo(QStringLiteral("Pictures/vala.bmp"))));
        imagemAbsoluta = arquivo(QStringLiteral("base.png"));
        QImage base(200, 50, QImage::Format_RGB32);
        base.fill(Qt::darkYellow);
        QVERIFY(base.save(imagemAbsoluta));
        fixarPastaBase(pasta.path());
    }

    void cleanupTestCase()
    {
        // KR_MANTER_SAIDA keeps the PDFs to look at.
        if (qEnvironmentVariableIsSet("KR_MANTER_SAIDA")) {
            pasta.setAutoRemove(false);
            qInfo() << "PDFs em" << pasta.path();
        }
        substituirExecucaoModal({});
    }

    void pdfDeDuasPaginasA4ComAcentos()
    {
        const QString pdf = arquivo(QStringLiteral("relatorio.pdf"));
        QVERIFY(exportarPdf(relatorioDeDuasPaginas(imagemAbsoluta), pdf));
        const QString info = executar(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("Especificação da classe")), qPrintable(info));

        const QString p1 = textoDaPagina(pdf, 1);
        const QString p2 = textoDaPagina(pdf, 2);
        const QStringList naPrimeira = {
            "pagina 1 de 2", "ESPECIFICAÇÃO DA CLASSE DE RESISTÊNCIA DE TUBO DE CONCRETO", "Gerado no Dia:", "07/03/2024",
            "ás", "Número:", "1.024", "José Araújo Conceição", "Jardim Itália", "Maceió", "jose@exemplo.com.br",
            "Dados da Instalação:", "19,00 kN/m ³", "Altura (ha) =", "----"};
        for (const QString& t : naPrimeira)
            QVERIFY2(p1.contains(t), qPrintable(t + " em\n" + p1));
        const QStringList naSegunda = {"pagina 2 de 2", "Dados da Base:", "Berço comum:", "Segunda linha da descrição.",
                                       "não passou", "Observação:", "\"----\" significa que não são necessarios"};
        for (const QString& t : naSegunda)
            QVERIFY2(p2.contains(t), qPrintable(t + " em\n" + p2));
        QVERIFY(!p1.contains(QStringLiteral("pagina 2 de 2")));
        QVERIFY(!p2.contains(QStringLiteral("pagina 1 de 2")));

        // Measured with the printing font, no value runs into the next caption.
        const RelatorioPaginado paginado = paginarRelatorio(relatorioDeDuasPaginas(imagemAbsoluta), medidorQt());
        for (const PaginaRelatorio& p : paginado.paginas)
            QVERIFY(textosSobrepostos(p, medidorQt()).empty());

        // The picture found in Pictures/ and the one by path; the missing one is no error.
        const QString imagens = executar(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        QCOMPARE(imagens.trimmed().split(QLatin1Char('\n')).size(), 2 + 2);
    }

    void textosNasMargensEAlinhados()
    {
        const QString pdf = arquivo(QStringLiteral("posicoes.pdf"));
        QVERIFY(exportarPdf(relatorioDePosicoes(), pdf));
        verificarPosicoes(pdf);
    }

    void impressoraRecebeAsMesmasPaginas()
    {
        const QString pdf = arquivo(QStringLiteral("impressora.pdf"));
        QPrinter impressora(QPrinter::HighResolution);
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(pdf);
        prepararImpressora(impressora, relatorioDePosicoes());
        QVERIFY(pintarRelatorio(paginarRelatorio(relatorioDePosicoes(), medidorQt()), impressora));
        const QString info = executar(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
        verificarPosicoes(pdf);
    }

    void exportacaoSubstituiOuFalhaSemEstragar()
    {
        const QString pdf = arquivo(QStringLiteral("substituido.pdf"));
        QFile antigo(pdf);
        QVERIFY(antigo.open(QIODevice::WriteOnly));
        antigo.write("um arquivo antigo, maior do que nada");
        antigo.close();
        QVERIFY(exportarPdf(relatorioDePosicoes(), pdf));
        QVERIFY(executar(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).contains(QStringLiteral("centrado")));

        QVERIFY(!exportarPdf(relatorioDePosicoes(), arquivo(QStringLiteral("nao/existe/relatorio.pdf"))));
        QVERIFY(!exportarPdf(relatorioDePosicoes(), pasta.path())); // a folder is no file
        QVERIFY(QFileInfo(pasta.path()).isDir());

        // An empty report still makes a valid PDF of one blank page.
        const QString vazio = arquivo(QStringLiteral("vazio.pdf"));
        QVERIFY(exportarPdf(LayoutRelatorio{}, vazio));
        QVERIFY(executar(QStringLiteral("pdfinfo"), {vazio}).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
    }

    void visualizacaoComPaginasEZoom()
    {
        QString titulo;
        int paginas = -1, atual = -1;
        double zoomAntes = 0, zoomDepois = 0;
        QPageLayout::Orientation orientacao = QPageLayout::Landscape;
        substituirExecucaoModal([&](QDialog& janela) {
            titulo = janela.windowTitle();
            janela.show();
            if (qEnvironmentVariableIsSet("KR_MANTER_SAIDA"))
                janela.grab().save(arquivo(QStringLiteral("visualizacao.png")));
            auto* previa = janela.findChild<QPrintPreviewWidget*>();
            if (!previa)
                return -1;
            previa->updatePreview();
            paginas = previa->pageCount();
            previa->setCurrentPage(2);
            atual = previa->currentPage();
            orientacao = previa->orientation();
            previa->setZoomMode(QPrintPreviewWidget::CustomZoom);
            zoomAntes = previa->zoomFactor();
            previa->zoomIn();
            zoomDepois = previa->zoomFactor();
            janela.reject();
            return 7;
        });
        QCOMPARE(visualizarRelatorio(relatorioDeDuasPaginas(imagemAbsoluta)), 7);
        QCOMPARE(titulo, QStringLiteral("Visualização do relatório"));
        QCOMPARE(paginas, 2);
        QCOMPARE(atual, 2);
        QCOMPARE(orientacao, QPageLayout::Portrait);
        QVERIFY(zoomDepois > zoomAntes);
    }

    // "Salvar em PDF" in the preview's toolbar: the file the user picks gets
    // the pages shown; a cancelled dialog writes nothing; a file that cannot
    // be written is said, and an earlier one stays.
    void visualizacaoSalvaEmPdf()
    {
        MensagensGravadas msgs;
        QStringList escolhas;
        QString destino;
        substituirEscolhaArquivoSalvar([&](const QString& titulo, const QString& proposto) {
            escolhas << titulo + QLatin1Char('|') + proposto;
            return destino;
        });
        QString legenda, dica;
        QKeySequence atalho;
        substituirExecucaoModal([&](QDialog& janela) {
            janela.show();
            auto* acao = janela.findChild<QAction*>(QStringLiteral("SalvarPdf"));
            if (!acao)
                return -1;
            legenda = acao->text();
            dica = acao->toolTip();
            atalho = acao->shortcut();
            destino = arquivo(QStringLiteral("visualizado")); // the extension is added
            acao->trigger();
            destino.clear(); // cancelled
            acao->trigger();
            destino = arquivo(QStringLiteral("nao/existe/relatorio.pdf"));
            acao->trigger();
            janela.reject();
            return 0;
        });
        QCOMPARE(visualizarRelatorio(relatorioDeDuasPaginas(imagemAbsoluta)), 0);
        substituirExecucaoModal({});
        substituirEscolhaArquivoSalvar({});
        QCOMPARE(legenda, QStringLiteral("Salvar em PDF"));
        QCOMPARE(dica, QStringLiteral("Salvar em PDF"));
        QCOMPARE(atalho, QKeySequence(QStringLiteral("Ctrl+E")));
        const QString proposto = QStringLiteral("Salvar em PDF|") + pastaArquivosProjeto() +
                                 QStringLiteral("/Especificação da classe.pdf");
        QCOMPARE(escolhas, (QStringList{proposto, proposto, proposto}));

        const QString pdf = arquivo(QStringLiteral("visualizado.pdf"));
        QVERIFY(executar(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
        QVERIFY(textoDaPagina(pdf, 1).contains(QStringLiteral("ESPECIFICAÇÃO DA CLASSE DE RESISTÊNCIA DE TUBO DE CONCRETO")));
        QVERIFY(textoDaPagina(pdf, 2).contains(QStringLiteral("Segunda linha da descrição.")));
        QCOMPARE(msgs.mostradas,
                 QStringList{QStringLiteral("mensagem: Não foi possível salvar o relatório em \"relatorio.pdf\": a "
                                            "pasta não existe. O arquivo anterior, se havia, "
                                            "continua como estava.")});
    }
};

QTEST_MAIN(RelatorioPdfTeste)
#include "RelatorioPdfTeste.moc"
