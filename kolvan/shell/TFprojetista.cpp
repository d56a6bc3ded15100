#include "TFprojetista.h"

#include "limitesTextos.h"

#include "TextoQt.h"
#include "ValidadorWindows1252.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFprojetista::TFprojetista(ProjetoTubo& projeto, QWidget* parent) : JanelaEntrada(parent), projeto_(projeto)
{
    setObjectName(QStringLiteral("TFprojetista"));
    setWindowTitle(QStringLiteral("Dados do Projetista"));

    static const char* legendas[] = {"Nome:",    "CREA:",  "Endereço:", "Número:",  "Bairro:", "Cidade:",
                                     "Estado:", "CEP:",   "Telefone:", "Celular:", "E- mail:"};
    // The rows of the window: name and CREA; address; city; telephones.
    static const int linhas[][3] = {{0, 1, -1}, {2, 3, 4}, {5, 6, 7}, {8, 9, 10}};
    auto* grade = new QGridLayout;
    for (int l = 0; l < 4; ++l)
        for (int c = 0; c < 3; ++c) {
            const int k = linhas[l][c];
            if (k < 0)
                continue;
            auto* campo = new QLineEdit(this);
            campo->setObjectName(QStringLiteral("Edit%1").arg(k + 1));
            campo->setMaxLength(limitesPessoa[static_cast<std::size_t>(k)]);
            ValidadorWindows1252::instalar(campo);
            Edit[static_cast<std::size_t>(k)] = campo;
            grade->addWidget(new QLabel(QString::fromUtf8(legendas[k]), this), 2 * l, c);
            grade->addWidget(campo, 2 * l + 1, c);
        }
    grade->setColumnStretch(0, 3);
    grade->setColumnStretch(1, 1);
    grade->setColumnStretch(2, 2);

    auto* limpar = new QPushButton(QStringLiteral("Limpar dados"), this);
    limpar->setObjectName(QStringLiteral("BotaoLimpar"));
    limpar->setAutoDefault(false);
    connect(limpar, &QPushButton::clicked, this, [this] {
        for (QLineEdit* campo : Edit)
            campo->clear();
    });
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(limpar);
    botoes->addStretch();
    botoes->addWidget(criarBotaoConfirma());
    botoes->addWidget(criarBotaoCancela());

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(grade);
    principal->addSpacing(8);
    principal->addLayout(botoes);
    setMinimumWidth(640);
}

void TFprojetista::carregar(const DadosProjetista& d)
{
    const auto textos = camposProjetista(d);
    for (std::size_t k = 0; k < Edit.size(); ++k)
        Edit[k]->setText(qt(*textos[k]));
}

void TFprojetista::FormShow()
{
    instantaneo_ = projeto_.projetista;
    carregar(instantaneo_);
}

// Nothing is checked: the texts go into the project as typed.
bool TFprojetista::FormCloseQuery()
{
    const auto destino = camposProjetista(projeto_.projetista);
    for (std::size_t k = 0; k < Edit.size(); ++k)
        *destino[k] = std8(Edit[k]->text());
    return true;
}

void TFprojetista::restaurarInstantaneo() { carregar(instantaneo_); }
