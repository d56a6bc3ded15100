// Redwan as a user meets it, shot by shot: splash, disclaimer, main window
// before and after each input step, every input window with its refusals
// and questions, the results of a single and a double cage and of checks
// that fail, the mesh catalogue, the manufacturer and work/client windows,
// the exit question. Each shot's window caption is listed on the standard output,
// since a bare X server draws no title bars. Run under a real X server:
// ./run capturas
#include "Capturador.h"
#include "Pausa.h"
#include "TFclasseRedwa.h"
#include "TFfabricante.h"
#include "TFgeometria.h"
#include "TFobra.h"
#include "TFormDimensionamento.h"
#include "TFormPrincipal.h"
#include "TFtabelaArmaduras.h"
#include "inicioRedwan.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QTabWidget>
#include <QPushButton>
#include <QTableView>
#include <QThread>
#include <clocale>
#include <cstdio>

namespace {
Capturador* capturador = nullptr;

// What the user does in the next modal window; its caption goes to the list.
void quandoAbrir(const QString& nome, std::function<void(QDialog&)> acao)
{
    capturador->quandoAbrir(nome, [nome, acao](QDialog& d) {
        std::printf("%02d %s: \"%s\"\n", capturador->fotos(), qPrintable(nome), qPrintable(d.windowTitle()));
        if (acao)
            acao(d);
    });
}

void clicar(QDialog& d, const char* botao) { Capturador::clicar(d, QString::fromUtf8(botao)); }

void geometria(QDialog& d, int finalidade, int tipo, int diametro, int comprimento)
{
    auto& g = static_cast<TFgeometria&>(d);
    g.CmbBxFinalidade->setCurrentIndex(finalidade);
    g.CmbBxTipoTubo->setCurrentIndex(tipo);
    g.CmbBxDi->setCurrentIndex(diametro);
    g.ComboBoxCompr->setCurrentIndex(comprimento);
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication aplicacao(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Redwan"));
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    Capturador cap(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("capturas"));
    capturador = &cap;

    int pausas = 0;
    substituirPausa([&](int ms) {
        if (++pausas == 60)
            cap.foto(QStringLiteral("abertura"));
        QThread::msleep(static_cast<unsigned long>(ms / 10));
    });
    quandoAbrir(QStringLiteral("aviso-inicial"), [](QDialog& d) { clicar(d, "BotaoIniciar"); });
    cap.instalar();

    auto redwan = iniciarRedwan();
    TFormPrincipal& principal = *redwan->principal;
    principal.show();
    cap.foto(QStringLiteral("principal-inicio"));
    std::printf("principal: \"%s\"\n", qPrintable(principal.windowTitle()));
    auto comando = [&](const char* nome) { principal.comando(QLatin1String(nome))->trigger(); };
    // The design parameters of the run: the type, the wall (empty keeps the
    // least one) and the default strength and factors.
    auto armadura = [&](const QString& parede, int tipo) {
        quandoAbrir(QStringLiteral("armadura-dimensionamento"), [=](QDialog& d) {
            auto& a = static_cast<TFormDimensionamento&>(d);
            a.RadioGroup1->button(tipo)->click();
            a.Edit2->setText(QStringLiteral("35,00"));
            a.Edit3->setText(QStringLiteral("1,15"));
            a.Edit4->setText(QStringLiteral("1,40"));
            if (!parede.isEmpty())
                a.EdtEs->setText(parede);
            clicar(d, "BotaoConfirma");
        });
        comando("Barm");
    };
    // A stormwater pipe, tongue and groove, of this diameter and class.
    auto projetoParaDimensionar = [&](int diametro, int classe, const QString& parede, int tipo) {
        quandoAbrir(QStringLiteral("geometria-dimensionamento"), [=](QDialog& d) {
            geometria(d, 0, 0, diametro, 0);
            clicar(d, "BotaoConfirma");
        });
        comando("Bgeo");
        quandoAbrir(QStringLiteral("classe-dimensionamento"), [=](QDialog& d) {
            static_cast<TFclasseRedwa&>(d).RadioGroup1->button(classe)->click();
            clicar(d, "BotaoConfirma");
        });
        comando("BclaD");
        armadura(parede, tipo);
    };

    // Geometry: stormwater first, then a sewage pipe of 1300 mm.
    quandoAbrir(QStringLiteral("geometria"), [](QDialog& d) {
        geometria(d, 0, 0, 3, 1);
        clicar(d, "BotaoConfirma");
    });
    comando("Bgeo");
    cap.foto(QStringLiteral("principal-geometria"));

    // Class: the stormwater group, "Especial" refused at the PA4 load, then PA3.
    quandoAbrir(QStringLiteral("classe-pluvial"), [](QDialog& d) {
        auto& c = static_cast<TFclasseRedwa&>(d);
        c.RadioGroup1->button(4)->click();
        c.Epesp->setText(QStringLiteral("108"));
        capturador->foto(QStringLiteral("classe-especial"));
        clicar(d, "BotaoConfirma");
        c.RadioGroup1->button(2)->click();
        clicar(d, "BotaoConfirma");
    });
    quandoAbrir(QStringLiteral("aviso-carga-especial"), [](QDialog& d) { clicar(d, "BotaoVoltar"); });
    comando("BclaD");
    cap.foto(QStringLiteral("principal-classe"));

    // Design parameters: two cages on 600 mm with low positions and a thin wall.
    quandoAbrir(QStringLiteral("armadura-simples"), [](QDialog& d) {
        auto& a = static_cast<TFormDimensionamento&>(d);
        a.RadioGroup1->button(1)->click();
        capturador->foto(QStringLiteral("armadura-dupla"));
        a.Edit5->setText(QStringLiteral("2"));
        a.EdtEs->setText(QStringLiteral(""));
        clicar(d, "BotaoConfirma");
        a.EdtEs->setText(QStringLiteral("50,5"));
        a.Edit2->setText(QStringLiteral("20"));
        clicar(d, "BotaoConfirma");
    });
    quandoAbrir(QStringLiteral("aviso-espessura-vazia"), [](QDialog& d) { clicar(d, "BotaoVoltar"); });
    quandoAbrir(QStringLiteral("pergunta-fck"), [](QDialog& d) { clicar(d, "Sim"); });
    quandoAbrir(QStringLiteral("pergunta-posicao-interna"), [](QDialog& d) { clicar(d, "Não"); });
    quandoAbrir(QStringLiteral("pergunta-armadura-simples"), [](QDialog& d) { clicar(d, "Não"); });
    quandoAbrir(QStringLiteral("pergunta-espessura"), [](QDialog& d) { clicar(d, "Sim"); });
    comando("Barm");
    cap.foto(QStringLiteral("principal-armadura"));

    // A sewage pipe: the wall goes back to its least thickness, the class follows.
    quandoAbrir(QStringLiteral("geometria-esgoto"), [](QDialog& d) {
        geometria(d, 1, 1, 10, 0);
        clicar(d, "BotaoConfirma");
    });
    comando("Bgeo");
    cap.foto(QStringLiteral("principal-esgoto"));
    quandoAbrir(QStringLiteral("classe-esgoto"), [](QDialog& d) { clicar(d, "BotaoConfirma"); });
    comando("BclaD");

    // A 300 mm pipe of class PA4 on its least wall: two checks fail in red.
    projetoParaDimensionar(0, 3, QString(), 0);
    quandoAbrir(QStringLiteral("resultados-verificacoes-falham"), [](QDialog& d) { clicar(d, "BotaoCancela"); });
    comando("Bdim");

    // The worked pipe: 1000 mm, PA2 = 90 kN/m, 100 mm wall, one cage and then two.
    projetoParaDimensionar(7, 1, QStringLiteral("100"), 0);
    quandoAbrir(QStringLiteral("resultados-simples"), [](QDialog& d) { clicar(d, "BotaoConfirma"); });
    comando("Bdim");
    cap.foto(QStringLiteral("principal-resultados-simples"));
    armadura(QString(), 1);
    quandoAbrir(QStringLiteral("resultados-dupla"), [](QDialog& d) { clicar(d, "BotaoConfirma"); });
    comando("Bdim");
    cap.foto(QStringLiteral("principal-resultados-dupla"));

    quandoAbrir(QStringLiteral("telas-soldadas"), [](QDialog& d) {
        auto* paginas = d.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        paginas->setCurrentIndex(1);
        capturador->foto(QStringLiteral("telas-soldadas-pb"));
        paginas->setCurrentIndex(0);
        clicar(d, "BotaoVoltar");
    });
    comando("Btel");

    quandoAbrir(QStringLiteral("fabricante"), [](QDialog& d) {
        auto& f = static_cast<TFfabricante&>(d);
        f.E[0]->setText(QStringLiteral("Tubos São João Ltda."));
        f.E[5]->setText(QStringLiteral("Goiânia"));
        f.CB1->setChecked(true);
        capturador->foto(QStringLiteral("fabricante-preenchido"));
        clicar(d, "BotaoConfirma");
    });
    comando("Bfab");

    quandoAbrir(QStringLiteral("custos"), [](QDialog& d) { clicar(d, "BotaoCancela"); });
    comando("Bcus");

    // The whole product line of the last design's parameters, with its thinnest walls and its report.
    quandoAbrir(QStringLiteral("tabela-armaduras"), [](QDialog& d) {
        auto& t = static_cast<TFtabelaArmaduras&>(d);
        capturador->foto(QStringLiteral("tabela-armaduras-entradas"));
        t.BDimensionar->click();
        t.BBuscar->click();
        while (t.buscando()) {
            QApplication::processEvents();
            QThread::msleep(10);
        }
        t.GradeTabela->setCurrentIndex(t.GradeTabela->model()->index(7, 1));
        capturador->foto(QStringLiteral("tabela-armaduras-paredes"));
        t.BBuscarCusto->click();
        while (t.buscando()) {
            QApplication::processEvents();
            QThread::msleep(10);
        }
        t.GradeTabela->setCurrentIndex(t.GradeTabela->model()->index(7, 1));
        capturador->foto(QStringLiteral("tabela-armaduras-menor-custo"));
        t.BRelatorio->click();
        t.BFechar->click();
    });
    quandoAbrir(QStringLiteral("pergunta-tabela-simples"), [](QDialog& d) { clicar(d, "Sim"); });
    quandoAbrir(QStringLiteral("relatorio-tabela"), [](QDialog& d) { d.reject(); });
    comando("Btab");

    quandoAbrir(QStringLiteral("obra-cliente"), [](QDialog& d) {
        auto& o = static_cast<TFobra&>(d);
        o.Edit[0]->setText(QStringLiteral("Rede de águas pluviais da Avenida Brasil"));
        o.Edit[7]->setText(QStringLiteral("Prefeitura Municipal"));
        capturador->foto(QStringLiteral("obra-cliente-preenchido"));
        clicar(d, "BotaoCancela");
    });
    comando("Bobr");

    quandoAbrir(QStringLiteral("sobre"), [](QDialog& d) { d.accept(); });
    comando("BsobreD");

    // The road's work is not to be saved: "Novo" goes straight to a new project.
    principal.setWindowModified(false);
    comando("Bnov");
    cap.foto(QStringLiteral("principal-novo"));

    quandoAbrir(QStringLiteral("sair"), [](QDialog& d) { clicar(d, "BotaoSim"); });
    principal.close();

    cap.desinstalar();
    substituirPausa({});
    redwan.reset();
    for (const QString& falha : cap.falhas())
        std::fprintf(stderr, "%s\n", qPrintable(falha));
    std::printf("%d capturas em %s\n", cap.fotos(), argc > 1 ? argv[1] : "capturas");
    return cap.falhas().isEmpty() ? 0 : 1;
}
