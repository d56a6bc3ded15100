// The manufacturer file's lines.
#include "fabricante.h"
#include "windows1252.h"

#include <gtest/gtest.h>

TEST(Fabricante, QuatorzeLinhas)
{
    DadosFabricante d;
    d.nome = "Tubos São João Ltda.";
    d.cpfCnpj = "12.345.678/0001-90";
    d.endereco = "Rua das Acácias";
    d.numero = "120";
    d.bairro = "Centro";
    d.cidade = "Goiânia";
    d.estado = "GO";
    d.cep = "74000-000";
    d.telefone = "(62) 3200-0000";
    d.celular = "(62) 99999-0000";
    d.email = "vendas@tubos.com.br";
    d.imprimir = true;
    const std::vector<std::string> linhas = linhasFabricante(d);
    EXPECT_EQ(linhas, (std::vector<std::string>{"FABRICANTE", "Tubos São João Ltda.", "12.345.678/0001-90",
                                                "Rua das Acácias", "120", "Centro", "Goiânia", "GO", "74000-000",
                                                "(62) 3200-0000", "(62) 99999-0000", "vendas@tubos.com.br", "1",
                                                std::string(55, '-')}));
    EXPECT_EQ(fabricanteDasLinhas(linhas), d);
    // Through the file's bytes and back.
    const auto bytes = montarArquivoLinhas(linhas);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(fabricanteDasLinhas(separarArquivoLinhas(*bytes)), d);
    d.imprimir = false;
    EXPECT_EQ(linhasFabricante(d)[12], "0");
}

TEST(Fabricante, LinhasQueFaltamFicamVazias)
{
    const DadosFabricante d = fabricanteDasLinhas({"FABRICANTE", "Tubos Sul", "", "Av. Brasil"});
    EXPECT_EQ(d.nome, "Tubos Sul");
    EXPECT_EQ(d.endereco, "Av. Brasil");
    EXPECT_EQ(d.email, "");
    EXPECT_FALSE(d.imprimir);
    EXPECT_EQ(fabricanteDasLinhas({}), DadosFabricante{});
    // Only "1" checks the printing.
    std::vector<std::string> linhas = linhasFabricante(DadosFabricante{});
    linhas[12] = "sim";
    EXPECT_FALSE(fabricanteDasLinhas(linhas).imprimir);
}

// A manufacturer file holding the bytes the code page leaves unassigned is
// written back byte for byte, so its edits are never lost.
TEST(Fabricante, BytesSemCaractereVoltamIguais)
{
    std::string arquivo = "FABRICANTE\r\nTubos \x81\x8D\x8F\x90\x9D Ltda.\r\n";
    for (int i = 0; i < 10; ++i)
        arquivo += "campo " + std::to_string(i) + "\r\n";
    arquivo += "1\r\n" + std::string(55, '-') + "\r\n";
    const DadosFabricante d = fabricanteDasLinhas(separarArquivoLinhas(arquivo));
    const auto bytes = montarArquivoLinhas(linhasFabricante(d));
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, arquivo);
}
