// Kolvan: specifies the strength class a buried concrete pipe needs.
#include "TFormPrincipal.h"
#include "PastasUsuario.h"
#include "TraducaoQt.h"
#include "inicioKolvan.h"

#include <QApplication>
#include <QLocale>
#include <clocale>

int main(int argc, char* argv[])
{
    QApplication aplicacao(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kolvan"));
    instalarTraducaoQt(aplicacao);
    // Numbers are read and written by the program's own helpers; keep the
    // C library's conversions independent of the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

    prepararPastas(QStringLiteral("Kolvan"));
    auto kolvan = iniciarKolvan();
    // A project named on the command line, as a double-click on it gives.
    if (aplicacao.arguments().size() > 1)
        kolvan->principal->abrirAoIniciar(aplicacao.arguments().at(1));
    kolvan->principal->show();
    return aplicacao.exec();
}
