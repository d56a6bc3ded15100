#include "fabricante.h"

std::vector<std::string*> camposFabricante(DadosFabricante& d)
{
    return {&d.nome,   &d.cpfCnpj, &d.endereco, &d.numero,  &d.bairro, &d.cidade,
            &d.estado, &d.cep,     &d.telefone, &d.celular, &d.email};
}

std::vector<std::string> linhasFabricante(const DadosFabricante& d)
{
    DadosFabricante copia = d;
    std::vector<std::string> linhas{"FABRICANTE"};
    for (std::string* campo : camposFabricante(copia))
        linhas.push_back(*campo);
    linhas.push_back(d.imprimir ? "1" : "0");
    linhas.push_back(std::string(55, '-'));
    return linhas;
}

DadosFabricante fabricanteDasLinhas(const std::vector<std::string>& linhas)
{
    DadosFabricante d;
    const std::vector<std::string*> destino = camposFabricante(d);
    for (std::size_t i = 0; i < destino.size(); ++i)
        if (i + 1 < linhas.size())
            *destino[i] = linhas[i + 1];
    d.imprimir = linhas.size() > 12 && linhas[12] == "1";
    return d;
}
