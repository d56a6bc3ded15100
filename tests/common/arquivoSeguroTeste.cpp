// Files on a full disk and special files, for each kind the programs write
// or read: a write that fails leaves the previous file whole, leaves no
// scrap beside it and says why; a FIFO, a device, a folder or a runaway
// file is refused at once, in the windows and in the calculators.
#include "ArquivoLinhas.h"
#include "bandasRelatorio.h"
#include "ArquivoSeguro.h"
#include "DiscoCheio.h"
#include "ExportacaoPdf.h"
#include "Figuras.h"
#include "MensagensGravadas.h"
#include "MenuRecentes.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray conteudo(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

LayoutRelatorio relatorio(const std::string& texto)
{
    LayoutRelatorio layout;
    layout.titulo = texto;
    BandaRelatorio banda{40};
    adicionarTexto(banda, 20, 10, texto, EstiloTexto{});
    layout.bandas.push_back(banda);
    return layout;
}

// Writes version `versao` of one kind of file to `caminho`; false with the
// message the user sees.
using Gravacao = std::function<bool(const QString& caminho, int versao, QString& mensagem)>;

struct Tipo {
    const char* nome;
    const char* arquivo; // under the test's base folder
    Gravacao gravar;
};

// Runs a calculator, ended if it outlasts `segundos` (a blocked read).
struct Rodada {
    bool terminou = false;
    int status = -1;
    QString texto;
};

Rodada rodar(const QString& programa, const QStringList& argumentos, int segundos = 20)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(ambiente);
    p.start(programa, argumentos);
    Rodada r;
    r.terminou = p.waitForFinished(segundos * 1000);
    if (!r.terminou) {
        p.kill();
        p.waitForFinished();
    }
    r.status = p.exitCode();
    r.texto = QString::fromUtf8(p.readAll());
    return r;
}

} // namespace

class ArquivoSeguroTeste : public QObject {
    Q_OBJECT

    QTemporaryDir pasta;
    QString fifo;
    QString caminho(const QString& relativo) const { return QDir(pasta.path()).filePath(relativo); }

private slots:
    void initTestCase()
    {
        QVERIFY(pasta.isValid());
        fixarPastaBase(pasta.path());
        QDir(pasta.path()).mkpath(QStringLiteral("Config"));
        fifo = caminho(QStringLiteral("canal"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    }

    // Each kind is written once whole, then again onto a disk that fills up
    // part way: the call fails and says "disco cheio", the first version is
    // still there byte for byte, and no temporary file is left beside it.
    void discoCheioPreservaOArquivoAnterior_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<long long>("livres");
        const char* const nomes[] = {"projeto", "PDF", "recentes"};
        for (int tipo = 0; tipo < 3; ++tipo)
            for (long long livres : {0LL, 37LL}) {
                const QByteArray nome = QByteArray(nomes[tipo]) + ", " + QByteArray::number(livres) + " bytes livres";
                QTest::newRow(nome.constData()) << tipo << livres;
            }
    }
    void discoCheioPreservaOArquivoAnterior()
    {
        QFETCH(int, tipo);
        QFETCH(long long, livres);
        static QMenu menu;
        static QAction sair;
        menu.addAction(&sair);
        const Tipo tipos[] = {
            {"projeto", "Arquivos/obra.kvn",
             [](const QString& c, int v, QString& m) {
                 return gravarArquivoLinhas({"OBRA", "versão " + std::to_string(v), std::string(200, 'x')}, c, m);
             }},
            {"relatório em PDF", "Arquivos/relatorio.pdf",
             [](const QString& c, int v, QString& m) {
                 return exportarPdf(relatorio("Relatório, versão " + std::to_string(v)), c, &m);
             }},
            {"lista de arquivos recentes", "Config/RecentesTeste.txt",
             [this](const QString&, int v, QString& m) {
                 MensagensGravadas msgs;
                 MenuRecentes recentes(&menu, &sair, QStringLiteral("RecentesTeste.txt"), nullptr);
                 recentes.acrescentar(caminho(QStringLiteral("Arquivos/obra%1.kvn").arg(v)));
                 m = msgs.ultima();
                 return msgs.mostradas.isEmpty();
             }},
        };
        const Tipo& t = tipos[tipo];
        const QString alvo = caminho(QString::fromLatin1(t.arquivo));
        QDir().mkpath(QFileInfo(alvo).absolutePath());
        QFile::remove(alvo);
        QString mensagem;
        QVERIFY2(t.gravar(alvo, 1, mensagem), qPrintable(mensagem));
        const QByteArray antes = conteudo(alvo);
        QVERIFY(!antes.isEmpty());
        const QStringList vizinhos = QDir(QFileInfo(alvo).absolutePath()).entryList(QDir::Files);
        {
            DiscoCheio disco(livres);
            mensagem.clear();
            QVERIFY(!t.gravar(alvo, 2, mensagem));
        }
        QVERIFY2(mensagem.contains(QStringLiteral("disco cheio")), qPrintable(mensagem));
        QCOMPARE(conteudo(alvo), antes);
        QCOMPARE(QDir(QFileInfo(alvo).absolutePath()).entryList(QDir::Files), vizinhos);
        // With room again the same write goes through.
        QVERIFY2(t.gravar(alvo, 3, mensagem), qPrintable(mensagem));
        QVERIFY(conteudo(alvo) != antes);
        if (tipo == 1)
            QVERIFY(pdfCompleto(conteudo(alvo)));
    }

    // Every reader goes through one door: a FIFO does not block it, /dev/zero
    // does not fill the memory, a folder or a file larger than a project can
    // be is refused with the reason.
    void arquivosEspeciaisRecusados_data()
    {
        QTest::addColumn<QString>("alvo");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("fifo") << QStringLiteral("canal") << QStringLiteral("não é um arquivo comum");
        QTest::newRow("/dev/zero") << QStringLiteral("/dev/zero") << QStringLiteral("não é um arquivo comum");
        QTest::newRow("pasta") << QStringLiteral("Config") << QStringLiteral("é uma pasta");
        QTest::newRow("grande") << QStringLiteral("grande.kvn") << QStringLiteral("tem mais de 4 MB");
        QTest::newRow("ausente") << QStringLiteral("nenhum.kvn") << QStringLiteral("não existe");
    }
    void arquivosEspeciaisRecusados()
    {
        QFETCH(QString, alvo);
        QFETCH(QString, motivo);
        QFile grande(caminho(QStringLiteral("grande.kvn")));
        QVERIFY(grande.open(QIODevice::WriteOnly) && grande.resize(limiteArquivoProjeto + 1));
        grande.close();
        const QString arquivo = alvo.startsWith(QLatin1Char('/')) ? alvo : caminho(alvo);

        QElapsedTimer relogio;
        relogio.start();
        std::vector<std::string> linhas;
        std::string erro;
        QVERIFY(!lerArquivoLinhas(arquivo, linhas, erro));
        QVERIFY2(QString::fromStdString(erro).contains(motivo), erro.c_str());
        QVERIFY(linhas.empty());
        QVERIFY(relogio.elapsed() < 5000);
    }

    // A file that grows past its limit while it is read is cut off there.
    void limiteValeParaOQueSeLe()
    {
        QByteArray bytes;
        QString motivo;
        const QString pequeno = caminho(QStringLiteral("pequeno.csv"));
        QFile f(pequeno);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(100, 'a'));
        f.close();
        QVERIFY(lerArquivoSeguro(pequeno, 100, bytes, motivo));
        QCOMPARE(bytes.size(), 100);
        QVERIFY(!lerArquivoSeguro(pequeno, 99, bytes, motivo));
        QVERIFY2(motivo.contains(QStringLiteral("99 bytes")), qPrintable(motivo));
    }

    // The calculators refuse a FIFO or a device as a project, a network or a
    // table of walls, instead of waiting forever: status 1 and the reason.
    void calculadorasRecusamArquivosEspeciais_data()
    {
        QTest::addColumn<QString>("programa");
        QTest::addColumn<QStringList>("argumentos");
        const QString exemplo = QStringLiteral(EXEMPLOS "/projeto-exemplo.kvn");
        for (const QString& especial : {QStringLiteral("@canal"), QStringLiteral("/dev/zero")}) {
            const QByteArray s = especial.toUtf8();
            QTest::newRow(("kolvan-calc projeto " + s).constData())
                << QStringLiteral(KOLVAN_CALC) << QStringList{especial};
            QTest::newRow(("kolvan-calc --rede " + s).constData())
                << QStringLiteral(KOLVAN_CALC) << QStringList{QStringLiteral("--rede"), especial,
                                                               QStringLiteral("--projeto"), exemplo};
            QTest::newRow(("redwan-calc --espessuras " + s).constData())
                << QStringLiteral(REDWAN_CALC)
                << QStringList{QStringLiteral("--tabela"), QStringLiteral("--espessuras"), especial};
        }
    }
    void calculadorasRecusamArquivosEspeciais()
    {
        QFETCH(QString, programa);
        QFETCH(QStringList, argumentos);
        for (QString& a : argumentos)
            if (a == QLatin1String("@canal"))
                a = fifo;
        const Rodada r = rodar(programa, argumentos);
        QVERIFY2(r.terminou, "a calculadora esperou pelo arquivo");
        QCOMPARE(r.status, 1);
        QVERIFY2(r.texto.contains(QStringLiteral("não é um arquivo comum")), qPrintable(r.texto));
    }
};

QTEST_MAIN(ArquivoSeguroTeste)
#include "arquivoSeguroTeste.moc"
