// Kolvan as a user meets it, shot by shot: splash, disclaimer, main window,
// every input window, the main window after each confirmed step, the exit
// question. Run under a real X server: ./run capturas
#include "Capturador.h"
#include "Pausa.h"
#include "TFgeometria.h"
#include "TFormInstalacao.h"
#include "TFormLagrVala.h"
#include "TFormSobreCarga.h"
#include "TFormBasesVala.h"
#include "TFormBasesSaliPosit.h"
#include "TFormPrincipal.h"
#include "ModeloRede.h"
#include "TFormRede.h"
#include "TFormRecobrimentos.h"
#include <QTabWidget>
#include "inicioKolvan.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QAbstractButton>
#include <QPushButton>
#include <QLocale>
#include <QThread>
#include <QTableView>
#include <QWidget>
#include <clocale>
#include <cstdio>

namespace {
void geometria(QDialog& d, int finalidade, int tipo, int diametro, int comprimento)
{
    auto& g = static_cast<TFgeometria&>(d);
    g.CmbBxFinalidade->setCurrentIndex(finalidade);
    g.CmbBxTipoTubo->setCurrentIndex(tipo);
    g.CmbBxDiametro->setCurrentIndex(diametro);
    g.CmbBxComprimento->setCurrentIndex(comprimento);
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication aplicacao(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kolvan"));
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    Capturador cap(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("capturas"));

    int pausas = 0;
    substituirPausa([&](int ms) {
        if (++pausas == 40)
            cap.foto(QStringLiteral("abertura"));
        QThread::msleep(static_cast<unsigned long>(ms / 5));
    });
    cap.quandoAbrir(QStringLiteral("aviso-inicial"),
                    [](QDialog& d) { Capturador::clicar(d, QStringLiteral("BotaoIniciar")); });
    cap.instalar();

    auto kolvan = iniciarKolvan();
    TFormPrincipal& principal = *kolvan->principal;
    principal.show();
    cap.foto(QStringLiteral("principal-inicio"));
    auto comando = [&](const char* nome) { principal.comando(QLatin1String(nome))->trigger(); };

    cap.quandoAbrir(QStringLiteral("geometria"), [](QDialog& d) {
        geometria(d, 0, 0, 4, 1);
        Capturador::clicar(d, QStringLiteral("BotaoConfirma"));
    });
    comando("Bgeo");
    cap.foto(QStringLiteral("principal-macho-e-femea"));

    cap.quandoAbrir(QStringLiteral("geometria-esgoto"), [](QDialog& d) {
        geometria(d, 1, 1, 8, 1);
        Capturador::clicar(d, QStringLiteral("BotaoConfirma"));
    });
    comando("Bgeo");
    cap.foto(QStringLiteral("principal-ponta-e-bolsa"));

    // The installation: each type, the two aids, a refusal, then a trench.
    cap.quandoAbrir(QStringLiteral("instalacao-vala"), [&cap](QDialog& d) {
        auto& j = static_cast<TFormInstalacao&>(d);
        j.RadioGroup1->button(ProjecaoPositiva)->click();
        cap.foto(QStringLiteral("instalacao-projecao-positiva"));
        j.RadioGroup1->button(ProjecaoNegativa)->click();
        cap.foto(QStringLiteral("instalacao-projecao-negativa"));
        j.CheckBoxCompactado->click();
        cap.foto(QStringLiteral("instalacao-negativa-compactada"));
        j.BotaoP->click();
        j.RadioGroup1->button(Vala)->click();
        j.CmbBxTerreno->setCurrentIndex(5);
        Q_EMIT j.CmbBxTerreno->activated(5);
        j.EditGama->setText(QStringLiteral("18"));
        j.EditKMi->setText(QStringLiteral("0,17"));
        j.EditLargVala->setText(QStringLiteral("1,20"));
        Capturador::clicar(d, QStringLiteral("BotaoConfirma"));
        cap.foto(QStringLiteral("instalacao-largura-corrigida"));
        j.BotaoO->click();
        Capturador::clicar(d, QStringLiteral("BotaoConfirma"));
    });
    cap.quandoAbrir(QStringLiteral("razao-recalque"), [](QDialog& d) { Capturador::clicar(d, QStringLiteral("BotaoConfirma")); });
    cap.quandoAbrir(QStringLiteral("aviso-largura-minima"), [](QDialog& d) { d.accept(); });
    cap.quandoAbrir(QStringLiteral("largura-vala"), [&cap](QDialog& d) {
        auto& j = static_cast<TFormLagrVala&>(d);
        j.CheckBoxVertical->click();
        cap.foto(QStringLiteral("largura-vala-talude-vertical"));
        j.CheckBoxVertical->click();
        Capturador::clicar(d, QStringLiteral("BotaoConfirma"));
    });
    cap.quandoAbrir(QStringLiteral("mensagem-estabilidade"), [](QDialog& d) { d.accept(); });
    comando("Bins");
    cap.foto(QStringLiteral("principal-instalacao"));

    // The surcharge: each nature, a refusal, then a distributed load in two areas.
    cap.quandoAbrir(QStringLiteral("sobrecarga-rodoviaria"), [&cap](QDialog& d) {
        auto& j = static_cast<TFormSobreCarga&>(d);
        j.RadioGroupRodoviario->button(2)->click();
        cap.foto(QStringLiteral("sobrecarga-eixo-triplo"));
        j.RadioGroupTipoCarga->button(1)->click();
        cap.foto(QStringLiteral("sobrecarga-ferroviaria"));
        j.RadioGroupTipoCarga->button(4)->click();
        cap.foto(QStringLiteral("sobrecarga-usuario"));
        j.RadioGroupTipoCarga->button(5)->click();
        cap.foto(QStringLiteral("sobrecarga-nula"));
        j.RadioGroupTipoCarga->button(3)->click();
        j.RadioGroupDistr->button(1)->click();
        j.EditDistC->clear();
        Capturador::clicar(d, QStringLiteral("BotaoConfirma"));
        j.EditDistC->setText(QStringLiteral("2"));
        Capturador::clicar(d, QStringLiteral("BotaoConfirma"));
    });
    cap.quandoAbrir(QStringLiteral("aviso-sobrecarga"), [](QDialog& d) { d.accept(); });
    comando("Bsob");
    cap.foto(QStringLiteral("principal-sobrecarga"));

    // The trench bedding with the concrete bases, then the class result.
    cap.quandoAbrir(QStringLiteral("base-vala"), [&cap](QDialog& d) {
        auto& j = static_cast<TFormBasesVala&>(d);
        j.RadioGroup1->button(0)->click();
        cap.foto(QStringLiteral("base-vala-classe-a"));
        j.BotaoA->click();
        j.RadioGroup1->button(2)->click();
        Capturador::clicar(d, QStringLiteral("BotaoConfirma"));
    });
    cap.quandoAbrir(QStringLiteral("bases-de-concreto"), [](QDialog& d) { Capturador::clicar(d, QStringLiteral("BotaoBase00")); });
    comando("Bfat");
    cap.quandoAbrir(QStringLiteral("resultado-classe"), [](QDialog& d) { Capturador::clicar(d, QStringLiteral("BotaoConfirma")); });
    comando("Bcla");
    cap.foto(QStringLiteral("principal-classe-confirmada"));

    // The network window with the example network under road traffic, a
    // stretch without a class selected, and its report.
    cap.quandoAbrir(QStringLiteral("sobrecarga-para-a-rede"), [](QDialog& d) {
        auto& j = static_cast<TFormSobreCarga&>(d);
        j.RadioGroupTipoCarga->button(0)->click();
        j.RadioGroupRodoviario->button(0)->click();
        Capturador::clicar(d, QStringLiteral("BotaoConfirma"));
    });
    comando("Bsob");
    comando("Brede");
    kolvan->rede->importarArquivo(QStringLiteral(EXEMPLOS "/rede-exemplo.csv"));
    kolvan->rede->setGeometry(20, 20, 1240, 860);
    cap.foto(QStringLiteral("rede-exemplo"));
    kolvan->rede->tabela()->selectRow(3);
    kolvan->rede->tabela()->scrollTo(kolvan->rede->modelo()->index(3, ModeloRede::colunaResultado(12)));
    cap.foto(QStringLiteral("rede-trecho-sem-classe"));
    // Scrolled to the trench quantities: the names stay in view at the left.
    kolvan->rede->tabela()->clearSelection();
    kolvan->rede->tabela()->scrollTo(kolvan->rede->modelo()->index(0, ModeloRede::colunaVala(ColunaVala::BotaFora)));
    cap.foto(QStringLiteral("rede-quantitativos"));
    cap.quandoAbrir(QStringLiteral("rede-relatorio"), [](QDialog& d) { d.reject(); });
    kolvan->rede->BrelatorioClick();
    cap.quandoAbrir(QStringLiteral("rede-perfis"), [](QDialog& d) { d.reject(); });
    kolvan->rede->BperfisClick();
    kolvan->rede->close();

    // The cover table of the same project, the chart of its diameter, the
    // class per cover, and its report.
    comando("Brecob");
    if (auto* recobrimentos = kolvan->principal->findChild<TFormRecobrimentos*>()) {
        recobrimentos->setGeometry(20, 20, 1240, 900);
        cap.foto(QStringLiteral("recobrimentos"));
        recobrimentos->findChild<QTabWidget*>(QStringLiteral("Abas"))->setCurrentIndex(1);
        cap.foto(QStringLiteral("recobrimentos-classe-por-altura"));
        cap.quandoAbrir(QStringLiteral("recobrimentos-relatorio"), [](QDialog& d) { d.reject(); });
        recobrimentos->BrelatorioClick();
        recobrimentos->close();
    }

    // An embankment: its bedding computes the factor from the installation.
    cap.quandoAbrir(QStringLiteral("instalacao-aterro"), [](QDialog& d) {
        auto& j = static_cast<TFormInstalacao&>(d);
        j.RadioGroup1->button(ProjecaoPositiva)->click();
        j.EditHa->setText(QStringLiteral("1,00"));
        Capturador::clicar(d, QStringLiteral("BotaoConfirma"));
    });
    comando("Bins");
    cap.quandoAbrir(QStringLiteral("base-aterro"), [](QDialog& d) { Capturador::clicar(d, QStringLiteral("BotaoConfirma")); });
    comando("Bfat");
    cap.quandoAbrir(QStringLiteral("resultado-aterro"), [](QDialog& d) { Capturador::clicar(d, QStringLiteral("BotaoConfirma")); });
    comando("Bcla");
    cap.foto(QStringLiteral("principal-aterro-confirmado"));

    cap.quandoAbrir(QStringLiteral("tabela-a3"), [](QDialog& d) { d.accept(); });
    comando("BA3");
    cap.quandoAbrir(QStringLiteral("tabela-a4"), [](QDialog& d) { d.accept(); });
    comando("BA4");

    cap.quandoAbrir(QStringLiteral("sobre"), [](QDialog& d) { d.accept(); });
    comando("BsobreC");

    // The road ends at the exit question; the work it typed is not to be saved.
    principal.setWindowModified(false);
    cap.quandoAbrir(QStringLiteral("sair"), [](QDialog& d) { Capturador::clicar(d, QStringLiteral("BotaoSim")); });
    principal.close();

    cap.desinstalar();
    substituirPausa({});
    kolvan.reset();
    for (const QString& falha : cap.falhas())
        std::fprintf(stderr, "%s\n", qPrintable(falha));
    std::printf("%d capturas em %s\n", cap.fotos(), argc > 1 ? argv[1] : "capturas");
    return cap.falhas().isEmpty() ? 0 : 1;
}
