#include "dadosRelatorioDimensionamento.h"

void removerBrancosIniciais(DadosFabricante& d)
{
    for (std::string* campo :
         {&d.nome, &d.endereco, &d.numero, &d.bairro, &d.cidade, &d.estado, &d.telefone, &d.email})
        campo->erase(0, campo->find_first_not_of(" \t"));
}

DadosAssinatura assinaturaFabricante(const DadosRelatorioDimensionamento& d)
{
    const DadosFabricante& f = d.fabricante;
    return {{{"Fabricante:", f.nome}, {"Responsável técnico:", ""}, {"CREA:", ""}},
            localAssinatura(f.cidade, f.estado),
            d.data,
            {"Responsável técnico", f.nome.empty() ? "Fabricante" : f.nome}};
}
