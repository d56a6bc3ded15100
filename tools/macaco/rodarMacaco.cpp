// The run of episodes: options from the command line and the environment,
// a fresh program in a fresh base folder for each seed, the invariants
// after every action, and the count at the end.
#include "Macaco.h"

#include "ArquivosMacaco.h"
#include "BaseTemporaria.h"
#include "Pausa.h"
#include "Sorteio.h"
#include "Vigia.h"

#include <QApplication>
#include <QDateTime>
#include <QMainWindow>

#include <cstdio>
#include <cstdlib>

namespace {
struct OpcoesMacaco {
    std::uint64_t semente = 1;
    long acoes = 2000;      // over all episodes
    long porEpisodio = 500; // actions of one seed
    bool umaSemente = false;
    bool verboso = false;
    int limiteSegundos = 60; // an action longer than this never returned
};

long numeroDoAmbiente(const char* nome, long padrao)
{
    const char* valor = std::getenv(nome);
    return valor && *valor ? std::strtol(valor, nullptr, 10) : padrao;
}

// macaco_<programa> [SEMENTE]: with a seed, that one episode is replayed.
// KR_MACACO_ACOES (actions in all), KR_MACACO_SEMENTE (the first seed, from
// the clock when unset), KR_MACACO_EPISODIO (actions per seed),
// KR_MACACO_VERBOSO=1 (every action printed), KR_MACACO_LIMITE (seconds).
OpcoesMacaco lerOpcoes(int argc, char** argv)
{
    OpcoesMacaco o;
    o.acoes = numeroDoAmbiente("KR_MACACO_ACOES", o.acoes);
    o.porEpisodio = numeroDoAmbiente("KR_MACACO_EPISODIO", o.porEpisodio);
    o.verboso = numeroDoAmbiente("KR_MACACO_VERBOSO", 0) != 0;
    o.limiteSegundos = static_cast<int>(numeroDoAmbiente("KR_MACACO_LIMITE", o.limiteSegundos));
    const char* semente = std::getenv("KR_MACACO_SEMENTE");
    o.semente = semente && *semente ? std::strtoull(semente, nullptr, 10)
                                    : static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch() % 1000000);
    for (int i = 1; i < argc; ++i) {
        char* fim = nullptr;
        const std::uint64_t valor = std::strtoull(argv[i], &fim, 10);
        if (fim && *fim == '\0' && fim != argv[i]) {
            o.semente = valor;
            o.umaSemente = true;
        }
    }
    return o;
}
QtMessageHandler avisosPadrao = nullptr;

// The offscreen platform says at every window what it cannot do.
void filtrarAvisosDaPlataforma(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto)
{
    if (texto.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (avisosPadrao)
        avisosPadrao(tipo, contexto, texto);
    else
        std::fprintf(stderr, "%s\n", qPrintable(texto));
}
} // namespace

int rodarMacaco(const char* nome, const QString& extensao, int argc, char** argv,
                const std::function<std::unique_ptr<ProgramaMacaco>()>& criar)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    avisosPadrao = qInstallMessageHandler(filtrarAvisosDaPlataforma);
    QApplication aplicacao(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const OpcoesMacaco o = lerOpcoes(argc, argv);
    substituirPausa([](int) {});
    Vigia vigia{std::chrono::seconds(o.limiteSegundos)};
    std::printf("%s: primeira semente %llu\n", nome, static_cast<unsigned long long>(o.semente));
    std::fflush(stdout);

    long total = 0;
    long conferidos = 0;
    int falhas = 0;
    for (std::uint64_t semente = o.semente; o.umaSemente || total < o.acoes; ++semente) {
        BaseTemporaria base;
        Sorteio sorteio(semente);
        ArquivosMacaco arquivos(sorteio, base.caminho(QStringLiteral("Macaco")), extensao);
        const QString quem = QStringLiteral("%1 semente %2").arg(QLatin1String(nome)).arg(semente);
        Macaco macaco(sorteio, vigia, quem, o.verboso);
        std::unique_ptr<ProgramaMacaco> programa = criar();
        programa->principal().show();
        QCoreApplication::processEvents();
        const long limite = o.umaSemente ? o.porEpisodio : std::min(o.porEpisodio, o.acoes - total);
        QString erro;
        while (erro.isEmpty() && macaco.acoes() < limite && programa->principal().isVisible()) {
            macaco.passoPrincipal(programa->principal());
            erro = macaco.falha().isEmpty() ? programa->verificar() : macaco.falha();
        }
        total += macaco.acoes();
        conferidos += programa->conferidos;
        if (!erro.isEmpty()) {
            ++falhas;
            std::fprintf(stderr, "falha: %s, ação %ld (%s): %s\n  repetir: ./run monkey %llu\n", qPrintable(quem),
                         macaco.acoes(), qPrintable(macaco.ultimaAcao()), qPrintable(erro),
                         static_cast<unsigned long long>(semente));
            std::fflush(stderr);
        }
        macaco.encerrar();
        programa.reset();
        if (o.umaSemente)
            break;
    }
    vigia.comecar(QStringLiteral("%1: o fim").arg(QLatin1String(nome)));
    std::printf("%s: %ld resultados confirmados salvos e reabertos\n", nome, conferidos);
    std::printf("%s: %ld ações, %d falhas\n", nome, total, falhas);
    return falhas == 0 ? 0 : 1;
}
