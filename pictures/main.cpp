// desenhar_figuras PASTA: draws every picture the programs load, as 24-bit
// BMP files, into PASTA (created when missing); desenhar_figuras --icones
// PASTA draws the desktop icons instead. Exits with 1 when a file cannot be
// written.
#include "figuras.h"
#include "icones.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char** argv)
{
    const bool icones = argc == 3 && QByteArray(argv[1]) == "--icones";
    if (argc != 2 && !icones) {
        std::fprintf(stderr, "uso: desenhar_figuras [--icones] PASTA\n");
        return 2;
    }
    // No display is needed: the pictures are painted into images.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (icones)
        return desenharIcones(QString::fromLocal8Bit(argv[2]));
    const QString pasta = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(pasta)) {
        std::fprintf(stderr, "desenhar_figuras: não foi possível criar a pasta %s\n", argv[1]);
        return 1;
    }

    fig::ListaFiguras todas;
    for (auto grupo : {fig::figurasInstalacao, fig::figurasVeiculos, fig::figurasDistribuidas,
                       fig::figurasBases, fig::figurasBercos, fig::figurasArmadura,
                       fig::figurasLogotipos, fig::figurasJanelas}) {
        fig::ListaFiguras figuras = grupo();
        todas.insert(todas.end(), figuras.begin(), figuras.end());
    }

    int falhas = 0;
    for (const fig::Figura& figura : todas) {
        QImage imagem(figura.tamanho, QImage::Format_RGB32);
        imagem.fill(Qt::white);
        {
            QPainter pintor(&imagem);
            pintor.setRenderHint(QPainter::Antialiasing);
            pintor.setRenderHint(QPainter::TextAntialiasing);
            pintor.setRenderHint(QPainter::SmoothPixmapTransform);
            figura.desenhar(pintor, figura.tamanho);
        }
        // RGB888 makes the BMP writer store 24 bits per pixel.
        const QImage final = imagem.convertToFormat(QImage::Format_RGB888);
        const QString caminho = QDir(pasta).filePath(figura.nome);
        if (!final.save(caminho, "BMP")) {
            std::fprintf(stderr, "desenhar_figuras: não foi possível gravar %s\n",
                         qPrintable(QDir::toNativeSeparators(caminho)));
            ++falhas;
        }
    }
    if (falhas > 0)
        return 1;
    std::printf("desenhar_figuras: %d figuras em %s\n", static_cast<int>(todas.size()),
                qPrintable(QDir::toNativeSeparators(pasta)));
    return 0;
}
