#pragma once
// The work site and the client that head both programs' reports and project
// files: seven texts of the work, ten of the client, in file order.

#include <string>

struct DadosObra {
    std::string servicos, endereco, numero, bairro, cidade, estado, cep;
    bool operator==(const DadosObra&) const = default;
};

struct DadosCliente {
    std::string nome, endereco, numero, bairro, cidade, estado, cep, telefone, celular, email;
    bool operator==(const DadosCliente&) const = default;
};
