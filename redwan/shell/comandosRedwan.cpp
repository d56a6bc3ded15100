#include "comandosRedwan.h"

const std::vector<ComandoRedwan>& comandosRedwan()
{
    static const std::vector<ComandoRedwan> lista{
        {"Bnov", "Novo", "Arquivos", "Novo", true, true, false, "Ctrl+N"},
        {"Babr", "Abrir", "Arquivos", "Abrir", true, true, false, "Ctrl+O"},
        {"Bsav", "Salvar", "Arquivos", "Salvar", false, true, false, "Ctrl+S"},
        {"Bsai", "Sair", "Arquivos", "Sair", true, true, true, "Ctrl+Q"},
        {"Btel", "Telas Soldadas", "Dados", "Telas Soldadas", true, true, false},
        {"Bfab", "Fabricante", "Dados", "Fabricante", true, true, false},
        // Prices of concrete and steel; a menu entry only.
        {"Bcus", "Custos", "Dados", "Custos", true, true, false, nullptr, false},
        {"Bobr", "Obra/Cliente", "Dados", "Obra/Cliente", true, true, true},
        {"Bgeo", "Geometria", "Parâmetros", "Geometria", true, true, false, "F2"},
        {"BclaD", "Classe do tubo", "Parâmetros", "Classe do tubo", false, true, false, "F3"},
        {"Barm", "Armadura", "Parâmetros", "Armadura", false, true, true, "F4"},
        {"Bdim", "Resultado do dimensionamento", "Resultados", "Resultado do dimensionamento", false, true, false,
         "F5"},
        {"BrelD", "Relatório", "Resultados", "Relatorio", false, true, false, "F6"},
        {"BmemD", "Memória de cálculo", "Resultados", "Memória de cálculo", false, true, true, "F7"},
        // The whole product line at once, whatever the project holds.
        {"Btab", "Tabela de armaduras", "Resultados", "Tabela de armaduras", true, true, true, "F8"},
        {"BsobreD", "Autores e responsáveis", "Sobre", "Autores e Responsaveis", true, true, false},
        // The iteration trace, for the program's developers: no entry, never shown.
        {"ToolButton2", "", "", "", true, false, false},
    };
    return lista;
}

const std::vector<std::string>& comandosDesabilitadosNoNovo()
{
    static const std::vector<std::string> lista{"Bsav", "BclaD", "Barm", "Bdim", "BrelD", "BmemD"};
    return lista;
}

const std::vector<std::string>& comandosDosResultados()
{
    static const std::vector<std::string> lista{"Bsav", "BrelD", "BmemD"};
    return lista;
}
