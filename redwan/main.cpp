// Redwan: designs the circumferential reinforcement of a reinforced concrete pipe.
#include "TFormPrincipal.h"
#include "PastasUsuario.h"
#include "TraducaoQt.h"
#include "inicioRedwan.h"

#include <QApplication>
#include <QLocale>
#include <clocale>

int main(int argc, char* argv[])
{
    QApplication aplicacao(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Redwan"));
    instalarTraducaoQt(aplicacao);
    // Numbers are read and written by the program's own helpers; keep the
    // C library's conversions independent of the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

    prepararPastas(QStringLiteral("Redwan"), {QStringLiteral("logofabri.bmp")});
    auto redwan = iniciarRedwan();
    // A project named on the command line, as a double-click on it gives.
    if (aplicacao.arguments().size() > 1)
        redwan->principal->abrirAoIniciar(aplicacao.arguments().at(1));
    redwan->principal->show();
    return aplicacao.exec();
}
