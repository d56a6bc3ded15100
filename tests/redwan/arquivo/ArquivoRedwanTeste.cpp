// The .rdw file on disk: windows-1252 with CR LF, a save that never destroys
// the previous file, and an open that says why it could not read.
#include "ArquivoRedwan.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray conteudo(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

ProjetoRedwan projeto()
{
    ProjetoRedwan p;
    p.obra.servicos = "Galeria de águas pluviais";
    p.cliente.nome = "João";
    return p;
}

TextosResultados textos()
{
    TextosResultados t;
    t.Label5 = "4,90 cm²/m";
    t.Pint = "MF 138 + MF 396";
    t.corLabel27 = CorRgb{0, 0, 255};
    t.Label27 = "(Ok. Não ocorre ruptura do cobrimento)";
    return t;
}
} // namespace

TEST(ArquivoRedwanDisco, SalvaEmWindows1252ComCrLfEAbreDeVolta)
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("DimTubo1.rdw"));
    QString erro;
    ASSERT_TRUE(salvarProjetoRedwan(projeto(), textos(), caminho, erro)) << erro.toStdString();
    const QByteArray bytes = conteudo(caminho);
    EXPECT_TRUE(bytes.startsWith("OBRA\r\nGaleria de \xE1guas pluviais\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n4,90 cm\xB2/m\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n16711680\r\n"));
    EXPECT_TRUE(bytes.endsWith(QByteArray(55, '-') + "\r\n\r\n"));
    EXPECT_FALSE(bytes.contains("\n\n"));

    const LeituraRedwan lido = abrirProjetoRedwan(caminho, ProjetoRedwan{}, {});
    ASSERT_TRUE(lido.ok) << lido.erro;
    EXPECT_EQ(lido.projeto.cliente.nome, "João");
    EXPECT_EQ(lido.resultados.Label5, "4,90 cm²/m");
    EXPECT_EQ(lido.resultados.corLabel27, (CorRgb{0, 0, 255}));
    // Saved again, byte for byte the same file.
    const QString copia = pasta.filePath(QStringLiteral("copia.rdw"));
    ASSERT_TRUE(salvarProjetoRedwan(lido.projeto, lido.resultados, copia, erro));
    EXPECT_EQ(conteudo(copia), bytes);
}

TEST(ArquivoRedwanDisco, FalhasNaoDestroemNadaEDizemPorque)
{
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("obra.rdw"));
    QString erro;
    ASSERT_TRUE(salvarProjetoRedwan(projeto(), textos(), caminho, erro));
    const QByteArray antes = conteudo(caminho);

    // A text the code page cannot hold: nothing is written.
    ProjetoRedwan grego = projeto();
    grego.cliente.nome = "Ωmega";
    EXPECT_FALSE(salvarProjetoRedwan(grego, textos(), caminho, erro));
    EXPECT_EQ(erro.toStdString(), "Um dos textos do projeto tem um caractere que o arquivo não pode guardar.");
    EXPECT_EQ(conteudo(caminho), antes);

    // A folder that does not exist.
    erro.clear();
    EXPECT_FALSE(salvarProjetoRedwan(projeto(), textos(), pasta.filePath(QStringLiteral("nada/obra.rdw")), erro));
    EXPECT_TRUE(erro.startsWith(QStringLiteral("Não foi possível salvar o arquivo \"obra.rdw\"")));

    // A missing file, and one that is not a project.
    const LeituraRedwan falta = abrirProjetoRedwan(pasta.filePath(QStringLiteral("outro.rdw")), grego, {});
    EXPECT_FALSE(falta.ok);
    EXPECT_EQ(falta.linha, 0);
    EXPECT_EQ(falta.erro, "o arquivo não existe");
    EXPECT_EQ(falta.projeto.cliente.nome, "Ωmega");
    QFile ruim(pasta.filePath(QStringLiteral("ruim.rdw")));
    ASSERT_TRUE(ruim.open(QIODevice::WriteOnly));
    ruim.write("PROJETISTA\r\n");
    ruim.close();
    const LeituraRedwan r = abrirProjetoRedwan(ruim.fileName(), grego, {});
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.linha, 1);
    EXPECT_EQ(mensagemArquivoRedwanRecusado("ruim.rdw", r),
              "Não foi possível abrir o arquivo \"ruim.rdw\": linha 1, esperava-se \"OBRA\". "
              "O projeto aberto não foi alterado.");
}
