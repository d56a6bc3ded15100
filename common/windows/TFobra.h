#pragma once
// The work site and the client that head the report: seven texts of the
// work ("Dados da Obra:") and ten of the client ("Dados do Cliente:"), no
// field checked. Kolvan opens it as an input window ("Dados da Obra/Cliente":
// a cancel puts back what was there when it opened); Redwan as a plain data
// window ("Dados da Obra e do Cliente": every way of closing it keeps the edits).

#include "JanelaEntrada.h"
#include "dadosObraCliente.h"

#include <array>

class QLineEdit;

enum class ModoObra {
    ComProtocolo, // "Confirma" keeps the edits, "Cancela" and the close box undo them
    SemProtocolo  // "Confirma", "Cancela" and the close box all keep them
};

class TFobra : public JanelaEntrada {
    Q_OBJECT
public:
    TFobra(DadosObra& obra, DadosCliente& cliente, ModoObra modo, QWidget* parent = nullptr);

    // Edit1 … Edit7: service, address, number, district, city, state, postal
    // code of the work; Edit8 … Edit17: name, address, number, district,
    // city, state, postal code, telephone, mobile and e-mail of the client.
    std::array<QLineEdit*, 17> Edit{};

protected:
    void FormShow() override;
    bool FormCloseQuery() override;
    void restaurarInstantaneo() override;

private:
    void lerCampos();
    void gravarCampos();
    DadosObra& obra_;
    DadosCliente& cliente_;
    ModoObra modo_;
};
