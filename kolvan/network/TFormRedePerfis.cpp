// The network window's longitudinal profiles: "Perfis" opens them in the
// report preview, its menu sets the scales, and "Exportar perfis" writes
// the sheets as SVG or the collectors as DXF. The drawing is the engine's
// (desenhoPerfil.h), laid out from the network as classed now.
#include "TFormRede.h"

#include "ArquivoLinhas.h"
#include "DialogosArquivo.h"
#include "Mensagens.h"
#include "ModeloRede.h"
#include "PintorPerfil.h"
#include "ProjetoTubo.h"
#include "relatorioClasse.h"
#include "TFormEscalasPerfil.h"
#include "TextoQt.h"

#include <QBoxLayout>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace {

PerfisRede perfisDe(const ProjetoTubo& projeto, const RedeTubulacoes& rede)
{
    const std::string data = momentoAtual().data;
    return montarPerfisRede(rede, lerEscalasPerfis(), cabecalhoPerfis(projeto.projetista, projeto.obra, projeto.cliente, data));
}

bool semPerfis(const PerfisRede& perfis)
{
    if (!perfis.folhas.empty())
        return false;
    mensagens().mensagem(!perfis.erro.empty()
                             ? qt(perfis.erro)
                             : QStringLiteral("A rede não tem trechos com comprimento para desenhar os perfis."));
    return true;
}

} // namespace

void TFormRede::criarBotoesPerfis(QBoxLayout* botoes)
{
    auto* perfis = new QToolButton(this);
    perfis->setObjectName(QStringLiteral("Bperfis"));
    perfis->setText(QStringLiteral("Perfis"));
    perfis->setToolTip(QStringLiteral("Perfis longitudinais dos coletores, com a classe de cada trecho"));
    perfis->setPopupMode(QToolButton::MenuButtonPopup);
    perfis->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* menuPerfis = new QMenu(perfis);
    QAction* escalas = menuPerfis->addAction(QStringLiteral("Escalas dos perfis..."));
    escalas->setObjectName(QStringLiteral("MescalasPerfis"));
    perfis->setMenu(menuPerfis);

    auto* exportar = new QPushButton(QStringLiteral("Exportar perfis"), this);
    exportar->setObjectName(QStringLiteral("BexportarPerfis"));
    auto* menuExportar = new QMenu(exportar);
    QAction* svg = menuExportar->addAction(QStringLiteral("SVG, um arquivo por folha..."));
    svg->setObjectName(QStringLiteral("MexportarPerfisSvg"));
    QAction* dxf = menuExportar->addAction(QStringLiteral("DXF, um arquivo por coletor..."));
    dxf->setObjectName(QStringLiteral("MexportarPerfisDxf"));
    exportar->setMenu(menuExportar);

    botoes->addWidget(perfis);
    botoes->addWidget(exportar);
    connect(perfis, &QToolButton::clicked, this, &TFormRede::BperfisClick);
    connect(escalas, &QAction::triggered, this, &TFormRede::BescalasPerfisClick);
    connect(svg, &QAction::triggered, this, &TFormRede::BexportarPerfisSvgClick);
    connect(dxf, &QAction::triggered, this, &TFormRede::BexportarPerfisDxfClick);
}

void TFormRede::BperfisClick()
{
    const PerfisRede perfis = perfisDe(projeto_, modelo_->rede());
    if (!semPerfis(perfis))
        visualizarPerfis(perfis, this);
}

void TFormRede::BescalasPerfisClick() { editarEscalasPerfis(this); }

bool TFormRede::BexportarPerfisSvgClick() { return exportarPerfis(true); }
bool TFormRede::BexportarPerfisDxfClick() { return exportarPerfis(false); }

bool TFormRede::exportarPerfis(bool svg)
{
    const PerfisRede perfis = perfisDe(projeto_, modelo_->rede());
    if (semPerfis(perfis))
        return false;
    // The name chosen is the files' prefix: perfil.svg gives perfil-1.svg, perfil-2.svg…
    const QString caminho =
        svg ? escolherArquivoSalvar(this, QStringLiteral("Exportar perfis em SVG"), pastaArquivosProjeto(),
                                    QStringLiteral("Desenho SVG (*.svg)"), QStringLiteral("perfil.svg"), QStringLiteral("svg"))
            : escolherArquivoSalvar(this, QStringLiteral("Exportar perfis em DXF"), pastaArquivosProjeto(),
                                    QStringLiteral("Desenho DXF (*.dxf)"), QStringLiteral("coletor.dxf"), QStringLiteral("dxf"));
    if (caminho.isEmpty())
        return false;
    const QFileInfo escolhido(caminho);
    const QString prefixo = escolhido.completeBaseName();
    const QString erro = svg ? exportarPerfisSvg(perfis, escolhido.absolutePath(), prefixo)
                             : exportarPerfisDxf(perfis, escolhido.absolutePath(), prefixo);
    if (!erro.isEmpty()) {
        mensagens().mensagem(erro);
        return false;
    }
    const int n = static_cast<int>(svg ? perfis.folhas.size() : perfis.modelos.size());
    const QString extensao = svg ? QStringLiteral("svg") : QStringLiteral("dxf");
    const QString primeiro = QStringLiteral("%1-1.%2").arg(prefixo, extensao);
    mensagens().mensagem(n == 1 ? QStringLiteral("Perfis gravados em %1.").arg(primeiro)
                                : QStringLiteral("Perfis gravados em %1 arquivos, de %2 a %3-%4.%5.")
                                      .arg(n)
                                      .arg(primeiro, prefixo)
                                      .arg(n)
                                      .arg(extensao));
    return true;
}
