#pragma once
// The work site and the client that head both programs' reports and project
// files: seven texts of the work, ten of the client, in file order.

#include <string>
#include <vector>

struct DadosObra {
    std::string servicos, endereco, numero, bairro, cidade, estado, cep;
    bool operator==(const DadosObra&) const = default;
};

struct DadosCliente {
    std::string nome, endereco, numero, bairro, cidade, estado, cep, telefone, celular, email;
    bool operator==(const DadosCliente&) const = default;
};

// The texts in file order; const or not as the data are.
template <class Obra>
auto camposObra(Obra& d)
{
    return std::vector{&d.servicos, &d.endereco, &d.numero, &d.bairro, &d.cidade, &d.estado, &d.cep};
}

template <class Cliente>
auto camposCliente(Cliente& d)
{
    return std::vector{&d.nome,   &d.endereco, &d.numero,   &d.bairro,  &d.cidade,
                       &d.estado, &d.cep,      &d.telefone, &d.celular, &d.email};
}
