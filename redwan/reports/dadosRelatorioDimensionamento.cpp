#include "dadosRelatorioDimensionamento.h"

void removerBrancosIniciais(DadosFabricante& d)
{
    for (std::string* campo :
         {&d.nome, &d.endereco, &d.numero, &d.bairro, &d.cidade, &d.estado, &d.telefone, &d.email})
        campo->erase(0, campo->find_first_not_of(" \t"));
}
