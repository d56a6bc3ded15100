// The recent-files list and the choice of the folders a program works in.
#include "listaRecentes.h"
#include "pastasPrograma.h"

#include <gtest/gtest.h>

TEST(ListaRecentes, NovosNaFrenteSemRepeticaoAteSeis)
{
    struct Caso {
        std::vector<std::string> acrescentados;
        std::vector<std::string> esperado;
    } casos[] = {
        {{}, {}},
        {{"/a.kvn"}, {"/a.kvn"}},
        {{"/a.kvn", "/b.kvn"}, {"/b.kvn", "/a.kvn"}},
        {{"/a.kvn", "/b.kvn", "/a.kvn"}, {"/a.kvn", "/b.kvn"}},
        {{"/a.kvn", ""}, {"/a.kvn"}},
        {{"/1", "/2", "/3", "/4", "/5", "/6", "/7"}, {"/7", "/6", "/5", "/4", "/3", "/2"}},
        {{"/1", "/2", "/3", "/4", "/5", "/6", "/3"}, {"/3", "/6", "/5", "/4", "/2", "/1"}},
    };
    for (const Caso& c : casos) {
        ListaRecentes lista;
        for (const std::string& s : c.acrescentados)
            acrescentarRecente(lista, s);
        EXPECT_EQ(lista.caminhos, c.esperado) << c.acrescentados.size();
    }
}

TEST(ListaRecentes, RemoverEReler)
{
    ListaRecentes lista;
    for (const char* s : {"/a.kvn", "/b.kvn", "/c.kvn"})
        acrescentarRecente(lista, s);
    removerRecente(lista, "/b.kvn");
    removerRecente(lista, "/nenhum.kvn");
    EXPECT_EQ(lista.caminhos, (std::vector<std::string>{"/c.kvn", "/a.kvn"}));
    EXPECT_EQ(listaRecentesDeLinhas(linhasDaListaRecentes(lista)).caminhos, lista.caminhos);
    // A file edited by hand, or written with CR LF, still gives a sound list.
    const ListaRecentes lida = listaRecentesDeLinhas(
        {"/x\r", "", "/y", "/x", "/1", "/2", "/3", "/4", "/5", "/6"});
    EXPECT_EQ(lida.caminhos, (std::vector<std::string>{"/x", "/y", "/1", "/2", "/3", "/4"}));
}

TEST(PastasPrograma, BaseAtualOuPastasDoUsuario)
{
    const LocaisPrograma instalado{"/home/ana/qualquer", false, "/usr/share/kolvan-redwan",
                                   "/home/ana/.local/share/kolvan", "/home/ana/Documentos", "Kolvan"};
    struct Caso {
        const char* nome;
        LocaisPrograma locais;
        PastasPrograma esperadas;
    } casos[] = {
        {"instalado, iniciado noutra pasta", instalado,
         {"/home/ana/.local/share/kolvan", "/usr/share/kolvan-redwan/Pictures", "/home/ana/Documentos/Kolvan", true}},
        {"pasta com Pictures/", {"/src/build/base", true, "/usr/share/kolvan-redwan", "/d", "/docs", "Kolvan"},
         {"/src/build/base", "", "/src/build/base/Arquivos", false}},
        {"não instalado", {"/tmp/vazia", false, "", "/d", "/docs", "Redwan"},
         {"/tmp/vazia", "", "/tmp/vazia/Arquivos", false}},
        {"sem pasta de documentos", {"/", false, "/opt/kr/share/kolvan-redwan", "/d/redwan", "", "Redwan"},
         {"/d/redwan", "/opt/kr/share/kolvan-redwan/Pictures", "/d/redwan/Redwan", true}},
    };
    for (const Caso& c : casos) {
        const PastasPrograma p = escolherPastas(c.locais);
        EXPECT_EQ(p.base, c.esperadas.base) << c.nome;
        EXPECT_EQ(p.figurasInstaladas, c.esperadas.figurasInstaladas) << c.nome;
        EXPECT_EQ(p.arquivos, c.esperadas.arquivos) << c.nome;
        EXPECT_EQ(p.instalado, c.esperadas.instalado) << c.nome;
    }
}
