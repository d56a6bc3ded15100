#include "comandosRedwan.h"

const std::vector<ComandoRedwan>& comandosRedwan()
{
    static const std::vector<ComandoRedwan> lista{
        {"Bnov", "Novo", "Arquivos", "Novo", true, true, false},
        {"Babr", "Abrir", "Arquivos", "Abrir", true, true, false},
        {"Bsav", "Salvar", "Arquivos", "Salvar", false, true, false},
        {"Bsai", "Sair", "Arquivos", "Sair", true, true, true},
        {"Btel", "Telas Soldadas", "Dados", "Telas Soldadas", true, true, false},
        {"Bfab", "Fabricante", "Dados", "Fabricante", true, true, false},
        {"Bobr", "Obra/Cliente", "Dados", "Obra/Cliente", true, true, true},
        {"Bgeo", "Geometria", "Parâmetros", "Geometria", true, true, false},
        {"BclaD", "Classe do tubo", "Parâmetros", "Classe do tubo", false, true, false},
        {"Barm", "Armadura", "Parâmetros", "Armadura", false, true, true},
        {"Bdim", "Resultado do dimensionamento", "Resultados", "Resultado do dimensionamento", false, true, false},
        {"BrelD", "Relatório", "Resultados", "Relatorio", false, true, true},
        {"BsobreD", "Autores e responsáveis", "Sobre", "Autores e Responsaveis", true, true, false},
        // The iteration trace, for the program's developers: no entry, never shown.
        {"ToolButton2", "", "", "", true, false, false},
    };
    return lista;
}

const std::vector<std::string>& comandosDesabilitadosNoNovo()
{
    static const std::vector<std::string> lista{"Bsav", "BclaD", "Barm", "Bdim", "BrelD"};
    return lista;
}

const std::vector<std::string>& comandosDosResultados()
{
    static const std::vector<std::string> lista{"Bsav", "BrelD"};
    return lista;
}
