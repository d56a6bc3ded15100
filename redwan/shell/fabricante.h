#pragma once
// The manufacturer of the pipes, who uses the program: the identification
// the report prints, kept between runs in Config/Fabricante.ini as a line
// file: "FABRICANTE", the eleven texts, "1" or "0" for printing them, and
// the separator of 55 hyphens.

#include <string>
#include <vector>

struct DadosFabricante {
    std::string nome, cpfCnpj, endereco, numero, bairro, cidade, estado, cep, telefone, celular, email;
    bool imprimir = false; // "Imprimir dados do fabricante no relatório"
    bool operator==(const DadosFabricante&) const = default;
};

// The eleven texts in file order.
std::vector<std::string*> camposFabricante(DadosFabricante& d);

std::vector<std::string> linhasFabricante(const DadosFabricante& d);
// Line 1 is skipped, lines 2 to 12 are the texts, line 13 "1" checks the
// printing; missing lines give empty texts and no printing.
DadosFabricante fabricanteDasLinhas(const std::vector<std::string>& linhas);
