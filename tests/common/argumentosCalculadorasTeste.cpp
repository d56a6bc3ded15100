// Both calculators' command lines, case by case, as a user types them: what
// is refused says why with status 2 and prints nothing on standard output;
// what is taken gives what its twin form gives.
#include "execucaoCalculadora.h"

#include <QtTest>

namespace {

const QString exemplos = QStringLiteral(EXEMPLOS);
const QString soma =
    QStringLiteral("A soma das posições das armaduras interna e externa deve ser menor que a espessura da parede.");

// A calculator's "chave: valor" block as pairs.
QList<QPair<QString, QString>> campos(const QString& bloco)
{
    QList<QPair<QString, QString>> lista;
    for (const QString& linha : bloco.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype doisPontos = linha.indexOf(QStringLiteral(": "));
        lista.append({linha.left(doisPontos), linha.mid(doisPontos + 2)});
    }
    return lista;
}

} // namespace

class ArgumentosCalculadorasTeste : public QObject {
    Q_OBJECT

private slots:
    void cadaCasoDeArgumentos()
    {
        const QString kolvan = QStringLiteral(KOLVAN_CALC), redwan = QStringLiteral(REDWAN_CALC);
        const QString usoRede = QStringLiteral("\nuso: kolvan-calc --rede REDE.csv|REDE.xml|REDE.inp --projeto BASE.kvn");
        const struct Caso {
            QString programa;
            QStringList argumentos;
            int status;
            QString erro;         // standard error, from its start
            QStringList igualA;   // arguments that must give the same output
        } casos[] = {
            // A network file or option without --rede.
            {kolvan, {QStringLiteral("rede.csv")}, 2,
             QStringLiteral("kolvan-calc: rede.csv é uma rede: use kolvan-calc --rede ARQUIVO --projeto BASE.kvn\n"), {}},
            {kolvan, {QStringLiteral("--csv"), QStringLiteral("obra/Rede.XML")}, 2,
             QStringLiteral("kolvan-calc: obra/Rede.XML é uma rede: use kolvan-calc --rede ARQUIVO --projeto BASE.kvn\n"), {}},
            {kolvan, {exemplos + QStringLiteral("/projeto-exemplo.kvn"), QStringLiteral("bacia.inp")}, 2,
             QStringLiteral("kolvan-calc: bacia.inp é uma rede: use kolvan-calc --rede ARQUIVO --projeto BASE.kvn\n"), {}},
            {kolvan, {QStringLiteral("--projeto"), QStringLiteral("base.kvn")}, 2,
             QStringLiteral("kolvan-calc: --projeto vale para uma rede: falta --rede com o arquivo da rede") + usoRede, {}},
            {kolvan, {QStringLiteral("--xlsx"), QStringLiteral("r.xlsx"), QStringLiteral("a.kvn")}, 2,
             QStringLiteral("kolvan-calc: --xlsx vale para uma rede: falta --rede com o arquivo da rede") + usoRede, {}},
            // --memoria with --csv: the trace's keys become columns.
            {kolvan, {QStringLiteral("--csv"), QStringLiteral("--memoria"), exemplos + QStringLiteral("/projeto-exemplo.kvn")},
             0, QString(), {QStringLiteral("--memoria"), exemplos + QStringLiteral("/projeto-exemplo.kvn")}},
            {redwan, {QStringLiteral("--memoria"), QStringLiteral("--csv"), exemplos + QStringLiteral("/tubo-exemplo.rdw")},
             0, QString(), {QStringLiteral("--memoria"), exemplos + QStringLiteral("/tubo-exemplo.rdw")}},
            {redwan, {QStringLiteral("--tabela"), QStringLiteral("--memoria")}, 2,
             QStringLiteral("redwan-calc: --memoria não vale com --tabela"), {}},
            // The product line refuses what its window refuses, with its message.
            {redwan, {QStringLiteral("--tabela"), QStringLiteral("--fck"), QStringLiteral("0")}, 2,
             QStringLiteral("redwan-calc: --fck 0: A resistência característica do concreto deve ser maior que zero.\n"), {}},
            {redwan, {QStringLiteral("--tabela"), QStringLiteral("--fck"), QStringLiteral("-2.5")}, 2,
             QStringLiteral("redwan-calc: --fck -2,5: A resistência característica do concreto deve ser maior que zero.\n"), {}},
            {redwan, {QStringLiteral("--tabela"), QStringLiteral("--gs"), QStringLiteral("0,9")}, 2,
             QStringLiteral("redwan-calc: --gs 0,9: Este parâmetro deve ser maior que a unidade.\n"), {}},
            {redwan, {QStringLiteral("--tabela"), QStringLiteral("--gc"), QStringLiteral("0.99")}, 2,
             QStringLiteral("redwan-calc: --gc 0,99: Este parâmetro deve ser maior que a unidade.\n"), {}},
            {redwan, {QStringLiteral("--tabela"), QStringLiteral("--armadura"), QStringLiteral("dupla"), QStringLiteral("--dext"),
                      QStringLiteral("-1")}, 2,
             QStringLiteral("redwan-calc: --dext -1: Este parâmetro deve ser um número positivo.\n"), {}},
            // 15 + 15 cm of cover leave no depth in any wall of the line (a
            // line where some walls hold the cages designs, the others failing).
            {redwan, {QStringLiteral("--tabela"), QStringLiteral("--armadura"), QStringLiteral("dupla"),
                      QStringLiteral("--dint"), QStringLiteral("15"), QStringLiteral("--dext"), QStringLiteral("15")}, 2,
             QStringLiteral("redwan-calc: diâmetro 300 mm, parede 45 mm, --dint 15 --dext 15: ") + soma + QLatin1Char('\n'), {}},
            {redwan, {QStringLiteral("--tabela"), QStringLiteral("--fck"), QStringLiteral("abc")}, 2,
             QStringLiteral("redwan-calc: --fck: \"abc\" não é um número\nuso: "), {}},
            // A full stop is the decimal comma.
            {redwan, {QStringLiteral("--tabela"), QStringLiteral("--fck"), QStringLiteral("30.5"), QStringLiteral("--gc"),
                      QStringLiteral("1.5"), QStringLiteral("--csv")},
             0, QString(),
             {QStringLiteral("--tabela"), QStringLiteral("--fck"), QStringLiteral("30,5"), QStringLiteral("--gc"),
              QStringLiteral("1,5"), QStringLiteral("--csv")}},
        };
        for (const Caso& c : casos) {
            const QString nome = c.argumentos.join(QLatin1Char(' '));
            const Execucao e = rodarCalculadora(c.programa, c.argumentos);
            QVERIFY2(e.status == c.status, qPrintable(nome + "\n" + e.erro));
            QVERIFY2(e.erro.startsWith(c.erro) && (c.erro.isEmpty() == e.erro.isEmpty()), qPrintable(nome + "\n" + e.erro));
            if (c.status == 2)
                QVERIFY2(e.saida.isEmpty(), qPrintable(nome));
            if (c.igualA.isEmpty())
                continue;
            const Execucao gemea = rodarCalculadora(c.programa, c.igualA);
            QCOMPARE(gemea.status, c.status);
            if (!c.argumentos.contains(QStringLiteral("--memoria"))) {
                QCOMPARE(e.saida, gemea.saida);
                continue;
            }
            // Every field of the block, trace and all, is in its column of the row.
            const QStringList linhas = e.saida.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QCOMPARE(linhas.size(), 2);
            const QStringList cabecalho = linhas[0].split(QLatin1Char(';'));
            const QStringList valores = linhas[1].split(QLatin1Char(';'));
            QCOMPARE(valores.size(), cabecalho.size());
            QCOMPARE(cabecalho.last(), QStringLiteral("erro"));
            const auto bloco = campos(gemea.saida);
            QVERIFY(bloco.size() > 15);
            for (const auto& [chave, valor] : bloco) {
                const qsizetype coluna = cabecalho.indexOf(chave);
                QVERIFY2(coluna >= 0, qPrintable(nome + ": " + chave));
                QCOMPARE(valores[coluna], valor);
            }
        }
    }
};

QTEST_MAIN(ArgumentosCalculadorasTeste)
#include "argumentosCalculadorasTeste.moc"
