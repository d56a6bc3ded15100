#include "TFclasseRedwa.h"

#include "FiltroNumerico.h"
#include "GrupoOpcoes.h"
#include "Mensagens.h"
#include "TextoQt.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
QLineEdit* campoCarga(const QString& nome, QWidget* pai)
{
    auto* campo = new QLineEdit(pai);
    campo->setObjectName(nome);
    campo->setFixedWidth(90);
    campo->setAlignment(Qt::AlignRight);
    return campo;
}

QLabel* titulo(const QString& texto, QWidget* pai)
{
    auto* rotulo = new QLabel(texto, pai);
    QFont fonte = rotulo->font();
    fonte.setBold(true);
    rotulo->setFont(fonte);
    return rotulo;
}
} // namespace

TFclasseRedwa::TFclasseRedwa(ProjetoRedwan& projeto, QWidget* parent) : JanelaEntrada(parent), projeto_(projeto)
{
    setObjectName(QStringLiteral("TFclasseRedwa"));
    setWindowTitle(QStringLiteral("Tubo"));

    pluvial_ = criarGrupo("PanelPA", "RadioGroup1", classesPluviais(),
                          {QStringLiteral("Ep1"), QStringLiteral("Ep2"), QStringLiteral("Ep3"), QStringLiteral("Ep4")},
                          "Epesp");
    esgoto_ = criarGrupo("PanelEA", "RadioGroup2", classesEsgoto(),
                         {QStringLiteral("Ea2"), QStringLiteral("Ea3"), QStringLiteral("Ea4")}, "Eaesp");
    PanelPA = pluvial_.painel;
    PanelEA = esgoto_.painel;
    RadioGroup1 = pluvial_.escolha;
    RadioGroup2 = esgoto_.escolha;
    Ep1 = pluvial_.cargas[0];
    Ep2 = pluvial_.cargas[1];
    Ep3 = pluvial_.cargas[2];
    Ep4 = pluvial_.cargas[3];
    Epesp = pluvial_.especial;
    EpespFalso = pluvial_.especialFalso;
    Ea2 = esgoto_.cargas[0];
    Ea3 = esgoto_.cargas[1];
    Ea4 = esgoto_.cargas[2];
    Eaesp = esgoto_.especial;
    EaespFalso = esgoto_.especialFalso;
    aoMudarOpcao(RadioGroup1, this, [this](int) { RadioGroup1Click(); });
    aoMudarOpcao(RadioGroup2, this, [this](int) { RadioGroup2Click(); });

    // The two groups overlap: one place, one of them visible.
    auto* grupos = new QStackedWidget(this);
    grupos->setObjectName(QStringLiteral("Grupos"));
    grupos->addWidget(PanelPA);
    grupos->addWidget(PanelEA);

    auto* botoes = criarLinhaBotoes();

    auto* principal = new QVBoxLayout(this);
    principal->addWidget(grupos);
    principal->addLayout(botoes);
    carregar(projeto_.classe);
}

TFclasseRedwa::Grupo TFclasseRedwa::criarGrupo(const char* nomePainel, const char* nomeEscolha,
                                               const std::vector<std::string>& classes,
                                               const QStringList& nomesCargas, const char* nomeEspecial)
{
    Grupo g;
    g.painel = new QWidget(this);
    g.painel->setObjectName(QLatin1String(nomePainel));
    g.escolha = new QButtonGroup(g.painel);
    g.escolha->setObjectName(QLatin1String(nomeEscolha));

    auto* grade = new QGridLayout(g.painel);
    grade->addWidget(titulo(QStringLiteral("Classe do Tubo:"), g.painel), 0, 0);
    grade->addWidget(titulo(QStringLiteral("Carga mínima de ruptura:"), g.painel), 0, 1, 1, 2);
    for (int k = 0; k < static_cast<int>(classes.size()); ++k) {
        auto* item = new QRadioButton(qt(classes[k]), g.painel);
        item->setObjectName(QLatin1String(nomeEscolha) + QStringLiteral("_%1").arg(k));
        g.escolha->addButton(item, k);
        grade->addWidget(item, k + 1, 0);
        auto* unidade = new QLabel(QStringLiteral("kN/m"), g.painel);
        const bool especial = k == static_cast<int>(classes.size()) - 1;
        if (especial) {
            g.pilhaEspecial = new QStackedWidget(g.painel);
            g.especial = campoCarga(QLatin1String(nomeEspecial), g.pilhaEspecial);
            FiltroNumerico::instalar(g.especial);
            g.especialFalso = campoCarga(QLatin1String(nomeEspecial) + QStringLiteral("Falso"), g.pilhaEspecial);
            g.especialFalso->setEnabled(false);
            g.pilhaEspecial->addWidget(g.especial);
            g.pilhaEspecial->addWidget(g.especialFalso);
            g.pilhaEspecial->setFixedSize(g.especial->width(), g.especial->sizeHint().height());
            grade->addWidget(g.pilhaEspecial, k + 1, 1);
        } else {
            auto* carga = campoCarga(nomesCargas[k], g.painel);
            carga->setReadOnly(true);
            g.cargas.append(carga);
            grade->addWidget(carga, k + 1, 1);
        }
        g.unidades.append(unidade);
        grade->addWidget(unidade, k + 1, 2);
    }
    grade->setColumnMinimumWidth(0, 110);
    grade->setRowStretch(static_cast<int>(classes.size()) + 1, 1);
    return g;
}

void TFclasseRedwa::RadioGroup1Click() { mostrarEscolha(pluvial_); }
void TFclasseRedwa::RadioGroup2Click() { mostrarEscolha(esgoto_); }

// Only the chosen class's load and unit are enabled; the special field takes
// its place only when "Especial" is chosen.
void TFclasseRedwa::mostrarEscolha(Grupo& g)
{
    const int escolhida = g.escolha->checkedId();
    const int especial = static_cast<int>(g.cargas.size());
    for (int k = 0; k < g.cargas.size(); ++k)
        g.cargas[k]->setEnabled(k == escolhida);
    for (int k = 0; k < g.unidades.size(); ++k)
        g.unidades[k]->setEnabled(k == escolhida);
    g.pilhaEspecial->setCurrentWidget(escolhida == especial ? g.especial : g.especialFalso);
}

void TFclasseRedwa::preencherCargas()
{
    const int finalidade = projeto_.geometria.finalidade;
    const std::vector<std::string> cargas = cargasClasse(finalidade, diametroInterno(projeto_.geometria));
    for (Grupo* g : {&pluvial_, &esgoto_})
        for (QLineEdit* campo : g->cargas)
            campo->clear();
    Grupo& visivel = grupo(finalidade);
    for (int k = 0; k < visivel.cargas.size() && k < static_cast<int>(cargas.size()); ++k)
        visivel.cargas[k]->setText(qt(cargas[k]));
}

void TFclasseRedwa::carregar(const ClasseRedwan& c)
{
    pluvial_.escolha->button(c.classePluvial)->setChecked(true);
    esgoto_.escolha->button(c.classeEsgoto)->setChecked(true);
    Epesp->setText(qt(c.especialPluvial));
    Eaesp->setText(qt(c.especialEsgoto));
    mostrarEscolha(pluvial_);
    mostrarEscolha(esgoto_);
}

ClasseRedwan TFclasseRedwa::lerControles() const
{
    ClasseRedwan c;
    c.classePluvial = RadioGroup1->checkedId();
    c.classeEsgoto = RadioGroup2->checkedId();
    c.especialPluvial = std8(Epesp->text());
    c.especialEsgoto = std8(Eaesp->text());
    return c;
}

void TFclasseRedwa::FormShow()
{
    instantaneo_ = projeto_.classe;
    preencherCargas();
    carregar(instantaneo_);
    auto* grupos = findChild<QStackedWidget*>(QStringLiteral("Grupos"));
    grupos->setCurrentWidget(grupo(projeto_.geometria.finalidade).painel);
}

void TFclasseRedwa::restaurarInstantaneo() { carregar(instantaneo_); }

bool TFclasseRedwa::recusar(QLineEdit* campo)
{
    confirmado = 0;
    campo->setFocus();
    return false;
}

bool TFclasseRedwa::FormCloseQuery()
{
    const int finalidade = projeto_.geometria.finalidade;
    Grupo& visivel = grupo(finalidade);
    if (visivel.escolha->checkedId() == indiceEspecial(finalidade)) {
        const ConferenciaEspecial r = conferirEspecial(std8(visivel.especial->text()), finalidade,
                                                       diametroInterno(projeto_.geometria));
        switch (r.problema) {
        case ConferenciaEspecial::Vazio:
            mensagens().aviso(qt(r.aviso));
            return recusar(visivel.especial);
        case ConferenciaEspecial::NaoNumero:
            mensagens().mensagem(qt(r.mensagem));
            return recusar(visivel.especial);
        case ConferenciaEspecial::NaoMaior:
            visivel.especial->setText(qt(r.texto));
            mensagens().aviso2(qt(r.avisoSuperior), qt(r.avisoInferior));
            visivel.especial->clear();
            return recusar(visivel.especial);
        case ConferenciaEspecial::Nenhum:
            visivel.especial->setText(qt(r.texto));
            break;
        }
    }

    ClasseRedwan nova = lerControles();
    seguirGrupoVisivel(nova, finalidade);
    carregar(nova);
    const bool mudou = !projeto_.etapas.classe || classeMudou(instantaneo_, nova, finalidade);
    projeto_.classe = nova;
    if (mudou) {
        projeto_.etapas.classe = true;
        emit classeAlterada();
    }
    return true;
}
