#pragma once
// The geometry window both programs open first: purpose, joint type,
// internal diameter and length of the pipe, all from fixed lists, and the
// picture of the cross-section. A program gives its caption, its lists and
// the names of the diameter and length lists, and says what a confirmed
// change does to its project.

#include "JanelaEntrada.h"

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;

// The four choices, as indexes into the window's lists.
struct EscolhaGeometria {
    int finalidade = 0;
    int tipoTubo = 0;
    int indiceDi = 0;
    int indiceComprimento = 0;
    bool operator==(const EscolhaGeometria&) const = default;
};

struct DescricaoJanelaGeometria {
    QString titulo;
    std::vector<std::string> finalidades, tiposTubo, diametros;
    std::function<std::vector<std::string>(int finalidade)> comprimentos;
    QString nomeDiametro, nomeComprimento; // the lists' object names
};

class JanelaGeometria : public JanelaEntrada {
    Q_OBJECT
public:
    JanelaGeometria(DescricaoJanelaGeometria descricao, QWidget* parent = nullptr);

    QComboBox* CmbBxFinalidade;
    QComboBox* CmbBxTipoTubo;
    QComboBox* listaDiametro;
    QComboBox* listaComprimento;
    QLabel* Image1;

    // The picture of the cross-section, (re)loaded by a new project.
    void carregarFigura();

protected:
    // The project's geometry, and whether its step was confirmed before.
    virtual EscolhaGeometria geometriaDoProjeto() const = 0;
    virtual bool geometriaConfirmada() const = 0;
    // Stores a confirmed geometry; `mudou` when it is the first
    // confirmation or differs from what the window opened with.
    virtual void gravarGeometria(const EscolhaGeometria& escolha, bool mudou) = 0;

    void FormShow() override;
    bool FormCloseQuery() override;
    void restaurarInstantaneo() override;

private:
    void CmbBxFinalidadeChange();
    EscolhaGeometria lerControles() const;

    DescricaoJanelaGeometria descricao_;
    EscolhaGeometria instantaneo_;
};
