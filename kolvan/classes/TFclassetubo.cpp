#include "TFclassetubo.h"

#include "TFaviso.h"
#include "TextoQt.h"
#include "selecaoClasse.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFclassetubo::TFclassetubo(const ProjetoTubo& projeto, QWidget* parent) : JanelaEntrada(parent), projeto_(projeto)
{
    setObjectName(QStringLiteral("TFclassetubo"));
    setWindowTitle(QString::fromUtf8(tituloResultadoClasse));

    auto titulo = [this](const char* texto) {
        auto* r = new QLabel(QString::fromUtf8(texto), this);
        QFont f = r->font();
        f.setBold(true);
        r->setFont(f);
        return r;
    };
    auto valor = [this](const char* nome) {
        auto* r = new QLabel(this);
        r->setObjectName(QLatin1String(nome));
        r->setIndent(20);
        QFont f = r->font();
        f.setPointSizeF(f.pointSizeF() * 1.2);
        r->setFont(f);
        return r;
    };
    LabelValor = valor("LabelValor");
    LabelArmado = valor("LabelArmado");
    LabelSimples = valor("LabelSimples");
    LabelClasse = valor("LabelClasse");

    auto* painel = new QFrame(this);
    painel->setFrameShape(QFrame::StyledPanel);
    auto* linhas = new QVBoxLayout(painel);
    linhas->addWidget(titulo(rotuloResistenciaNecessaria));
    linhas->addWidget(LabelValor);
    linhas->addSpacing(8);
    linhas->addWidget(titulo(rotuloCargaMinimaRuptura));
    linhas->addWidget(LabelArmado);
    linhas->addWidget(LabelSimples);
    linhas->addSpacing(8);
    linhas->addWidget(titulo(rotuloClasseTubo));
    linhas->addWidget(LabelClasse);

    auto* botoes = criarLinhaBotoes();

    auto* principal = new QVBoxLayout(this);
    principal->addWidget(painel);
    principal->addLayout(botoes);
    setMinimumWidth(380);
}

void TFclassetubo::FormShow()
{
    const Resultado& r = projeto_.resultado;
    LabelValor->setText(qt(r.textoValor));
    LabelArmado->setText(qt(r.linhaArmado));
    LabelSimples->setText(qt(r.linhaSimples));
    LabelClasse->setText(qt(r.textoClasse));
    centralizarNaTela(*this);
}
