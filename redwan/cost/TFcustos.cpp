#include "TFcustos.h"

#include "ArquivoCustos.h"
#include "FiltroNumerico.h"
#include "Mensagens.h"
#include "TextoQt.h"
#include "numeros.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TFcustos::TFcustos(QWidget* parent) : JanelaEntrada(parent)
{
    setObjectName(QStringLiteral("TFcustos"));
    setWindowTitle(QStringLiteral("Custos"));

    auto* grupo = new QGroupBox(QStringLiteral("Preços do fabricante:"), this);
    EditPrecoConcreto = criarCampoNumerico(QStringLiteral("EditPrecoConcreto"), 90, grupo);
    EditPrecoAco = criarCampoNumerico(QStringLiteral("EditPrecoAco"), 90, grupo);
    auto* grade = new QGridLayout(grupo);
    grade->addWidget(new QLabel(QStringLiteral("Concreto:"), grupo), 0, 0);
    grade->addWidget(EditPrecoConcreto, 0, 1);
    grade->addWidget(new QLabel(QStringLiteral("R$/m³"), grupo), 0, 2);
    grade->addWidget(new QLabel(QStringLiteral("Aço (telas soldadas CA 60):"), grupo), 1, 0);
    grade->addWidget(EditPrecoAco, 1, 1);
    grade->addWidget(new QLabel(QStringLiteral("R$/kg"), grupo), 1, 2);
    grade->setColumnStretch(3, 1);

    auto* nota = new QLabel(QStringLiteral("O custo de um tubo é o do seu concreto e do aço das suas telas, por "
                                           "metro; o concreto adicional da junta não é considerado."),
                            this);
    nota->setWordWrap(true);

    auto* principal = new QVBoxLayout(this);
    principal->addWidget(grupo);
    principal->addWidget(nota);
    principal->addLayout(criarLinhaBotoes());
    setFixedWidth(400);
}

void TFcustos::FormShow()
{
    EditPrecoConcreto->setText(qt(formatar2(precos_.concreto)));
    EditPrecoAco->setText(qt(formatar2(precos_.aco)));
    EditPrecoConcreto->setFocus();
    EditPrecoConcreto->selectAll();
}

bool TFcustos::FormCloseQuery()
{
    const std::pair<QLineEdit*, const char*> campos[] = {{EditPrecoConcreto, "do concreto"},
                                                         {EditPrecoAco, "do aço"}};
    for (const auto& [campo, nome] : campos) {
        const std::string problema = conferirPreco(std8(campo->text()), nome);
        if (!problema.empty()) {
            mensagens().aviso(qt(problema));
            campo->setFocus();
            campo->selectAll();
            confirmado = 0;
            return false;
        }
    }
    PrecosCusto novos{converterNumero(std8(EditPrecoConcreto->text())), converterNumero(std8(EditPrecoAco->text()))};
    // A price shown with two decimals keeps the finer one it had.
    if (formatar2(novos.concreto) == formatar2(precos_.concreto))
        novos.concreto = precos_.concreto;
    if (formatar2(novos.aco) == formatar2(precos_.aco))
        novos.aco = precos_.aco;
    QString erro;
    if (!gravarArquivoCustos(novos, erro))
        mensagens().mensagem(erro + QStringLiteral(" Os preços valem até o programa terminar."));
    if (!(novos == precos_)) {
        precos_ = novos;
        emit precosAlterados();
    }
    return true;
}
