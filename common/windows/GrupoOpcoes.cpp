#include "GrupoOpcoes.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <memory>

QButtonGroup* criarGrupoOpcoes(QGroupBox* caixa, const std::vector<std::string>& itens, const QString& prefixo,
                               int colunas)
{
    auto* grupo = new QButtonGroup(caixa);
    auto* grade = new QGridLayout(caixa);
    for (int k = 0; k < static_cast<int>(itens.size()); ++k) {
        auto* item = new QRadioButton(QString::fromStdString(itens[static_cast<std::size_t>(k)]), caixa);
        item->setObjectName(prefixo + QString::number(k));
        grupo->addButton(item, k);
        grade->addWidget(item, k / colunas, k % colunas);
    }
    return grupo;
}

void aoMudarOpcao(QButtonGroup* grupo, QObject* contexto, std::function<void(int)> aoMudar)
{
    // A button reports "pressed" before its check state moves and "clicked"
    // after, whatever started the click; the option selected at the press is
    // the one the click may have left.
    auto anterior = std::make_shared<int>(-1);
    QObject::connect(grupo, &QButtonGroup::idPressed, contexto,
                     [grupo, anterior](int) { *anterior = grupo->checkedId(); });
    QObject::connect(grupo, &QButtonGroup::idClicked, contexto, [anterior, aoMudar = std::move(aoMudar)](int id) {
        const bool mudou = id != *anterior;
        *anterior = id;
        if (mudou)
            aoMudar(id);
    });
}
