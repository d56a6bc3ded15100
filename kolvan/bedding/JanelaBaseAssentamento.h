#pragma once
// What the two bedding windows share ("Parâmetros da Base"): the four
// classes with their picture and description, the equivalence factor, the
// safety coefficient γf, and the close check of the coefficient with its
// copy into the other bedding. A first confirmation, or one with a change,
// announces itself with `baseAlterada`.

#include "JanelaEntrada.h"
#include "ProjetoTubo.h"

class QButtonGroup;
class QHBoxLayout;
class QLabel;
class QLineEdit;

class JanelaBaseAssentamento : public JanelaEntrada {
    Q_OBJECT
public:
    QButtonGroup* RadioGroup1;
    QLabel* Image1;
    QLabel* LabelDescricao;
    QLabel* LabelAlfaEq;
    QLineEdit* Edit7;

    // The bedding group this window edits.
    BaseAssentamento& grupo() const;

signals:
    void baseAlterada();

protected:
    JanelaBaseAssentamento(ProjetoTubo& projeto, bool aterro, const QString& nomeObjeto, QWidget* parent);

    // What selecting a class does to the group: its factor.
    virtual void aplicarClasse(BaseAssentamento& base, int classe) = 0;
    virtual std::string figura(int classe) const = 0;
    virtual std::string descricao(int classe) const = 0;
    // A confirmation the window refuses on its own grounds (no factor).
    virtual bool recusarConfirmacao() { return false; }

    BaseAssentamento lerControles() const;
    void carregar(const BaseAssentamento& base);
    void FormShow() override;
    bool FormCloseQuery() override;
    void restaurarInstantaneo() override;

    ProjetoTubo& projeto_;
    QHBoxLayout* linhaFator_;

private:
    void RadioGroup1Click(int classe);
    void mostrarDescricao(const QString& texto);
    static constexpr int larguraDescricao = 360;
    bool aterro_;
    BaseAssentamento instantaneo_;
};
