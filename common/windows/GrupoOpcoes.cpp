#include "GrupoOpcoes.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>

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
