#pragma once
// Kolvan's start-up: the splash reports each window as it is created, in
// the program's fixed order; then the main window is shown.

#include "ProjetoTubo.h"

#include <QStringList>
#include <memory>

class QApplication;
class TFormPrincipal;
class TFaviso;
class TFcomeco;
class TFgeometria;
class TFormInstalacao;
class TFormLagrVala;
class TFormRazaoRecalque;
class TFormSobreCarga;
class TFormBasesVala;
class TFormBasesSaliPosit;
class TFormDaseConcreto;
class TFtabelaA3;
class TFtabelaA4;
class TFclassetubo;
class TFprojetista;
class TFobra;
class TFsairSN;
class TFsobre;
class MensagensPrograma;
class TFormRede;

extern const char* const versaoKolvan;

// The splash texts of the start-up steps, in order.
const QStringList& etapasInicioKolvan();

// Every window of the program, created at start-up and freed at exit.
struct AplicacaoKolvan {
    ProjetoTubo projeto;
    std::unique_ptr<TFormPrincipal> principal;
    std::unique_ptr<TFgeometria> geometria;
    std::unique_ptr<TFormInstalacao> instalacao;
    std::unique_ptr<TFormLagrVala> larguraVala;
    std::unique_ptr<TFormRazaoRecalque> razaoRecalque;
    std::unique_ptr<TFormSobreCarga> sobrecarga;
    std::unique_ptr<TFormBasesSaliPosit> basesAterro;
    std::unique_ptr<TFormBasesVala> basesVala;
    std::unique_ptr<TFormDaseConcreto> basesConcreto;
    std::unique_ptr<TFtabelaA4> tabelaA4;
    std::unique_ptr<TFtabelaA3> tabelaA3;
    std::unique_ptr<TFclassetubo> classeTubo;
    std::unique_ptr<TFobra> obra;
    std::unique_ptr<TFprojetista> projetista;
    std::unique_ptr<TFaviso> aviso;
    std::unique_ptr<TFsobre> sobre;
    std::unique_ptr<TFcomeco> comeco;
    std::unique_ptr<TFsairSN> sair;
    std::unique_ptr<TFormRede> rede;
    std::unique_ptr<MensagensPrograma> mensagensPrograma;
    ~AplicacaoKolvan();
};

// Runs the splash and creates every window; the main window is not shown yet.
std::unique_ptr<AplicacaoKolvan> iniciarKolvan();
