#include "ArquivosMacaco.h"

#include "DialogosArquivo.h"
#include "Sorteio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QByteArray bytesDoArquivo(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

namespace {
void gravar(const QString& caminho, const QByteArray& bytes)
{
    QFile f(caminho);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}
} // namespace

ArquivosMacaco::ArquivosMacaco(Sorteio& sorteio, const QString& pasta, const QString& extensao)
    : s_(sorteio), pasta_(pasta), extensao_(extensao)
{
    QDir().mkpath(pasta_);
    gravar(QDir(pasta_).filePath(QStringLiteral("comum.txt")), "um arquivo comum\r\n");
    substituirEscolhaArquivoAbrir([this](const QString&, const QString&, const QString& filtro) {
        return abrir(filtro);
    });
    substituirEscolhaArquivoSalvar(
        [this](const QString& titulo, const QString& proposto) { return salvar(titulo, proposto); });
}

ArquivosMacaco::~ArquivosMacaco()
{
    substituirEscolhaArquivoAbrir({});
    substituirEscolhaArquivoSalvar({});
}

// A saved project with a line changed, cut short, or bytes thrown in.
QString ArquivosMacaco::danificada()
{
    QByteArray bytes = bytesDoArquivo(s_.um(std::vector<QString>(salvos_.begin(), salvos_.end())));
    QList<QByteArray> linhas = bytes.split('\n');
    switch (s_.ate(5)) {
    case 0: bytes.truncate(s_.ate(static_cast<int>(bytes.size()) + 1)); break;
    case 1:
        if (!linhas.isEmpty()) {
            static const std::vector<QByteArray> trocas{"", "-1\r", "abc\r", "1,2,3\r", "99999999\r", "0\r",
                                                       "\x81\x8D\r", "----------\r", "nan\r", "1e9\r"};
            linhas[s_.ate(static_cast<int>(linhas.size()))] = s_.um(trocas);
            bytes = linhas.join('\n');
        }
        break;
    case 2:
        if (!linhas.isEmpty()) {
            linhas.removeAt(s_.ate(static_cast<int>(linhas.size())));
            bytes = linhas.join('\n');
        }
        break;
    case 3: bytes.replace("\r\n", "\n"); break;
    default:
        for (int i = 0; i < 8 && !bytes.isEmpty(); ++i)
            bytes[s_.ate(static_cast<int>(bytes.size()))] = static_cast<char>(s_.ate(256));
        break;
    }
    const QString caminho = QDir(pasta_).filePath(QStringLiteral("danificado.") + extensao_);
    gravar(caminho, bytes);
    return caminho;
}

QString ArquivosMacaco::abrir(const QString& filtro)
{
    const QDir pasta(pasta_);
    QString resposta;
    const bool imagem = filtro.contains(QStringLiteral("bmp"), Qt::CaseInsensitive) ||
                        filtro.contains(QStringLiteral("png"), Qt::CaseInsensitive);
    switch (s_.pesado({2, salvos_.isEmpty() ? 0 : 6, salvos_.isEmpty() ? 0 : 4, 1, 1, 1, 1, 1, imagem ? 2 : 0})) {
    case 0: break; // cancelled
    case 1: resposta = s_.um(std::vector<QString>(salvos_.begin(), salvos_.end())); break;
    case 2: resposta = danificada(); break;
    case 3: resposta = pasta.filePath(QStringLiteral("nao_existe.") + extensao_); break;
    case 4: resposta = pasta_; break;
    case 5: resposta = pasta.filePath(QStringLiteral("comum.txt")); break;
    case 6: {
        resposta = pasta.filePath(QStringLiteral("vazio.") + extensao_);
        gravar(resposta, QByteArray());
        break;
    }
    case 7: {
        QByteArray lixo;
        const int n = s_.ate(4000);
        for (int i = 0; i < n; ++i)
            lixo += static_cast<char>(s_.ate(256));
        resposta = pasta.filePath(QStringLiteral("lixo.") + (imagem ? QStringLiteral("bmp") : extensao_));
        gravar(resposta, lixo);
        break;
    }
    default: {
        // A picture the image readers take, or a truncated one.
        resposta = pasta.filePath(QStringLiteral("imagem.bmp"));
        QFile f(resposta);
        const QByteArray bmp = QByteArray::fromBase64(
            "Qk06AAAAAAAAADYAAAAoAAAAAQAAAAEAAAABABgAAAAAAAQAAAATCwAAEwsAAAAAAAAAAAAA/wAAAA==");
        gravar(resposta, s_.chance(0.5) ? bmp : bmp.left(s_.ate(static_cast<int>(bmp.size()))));
        break;
    }
    }
    ultima_ = QStringLiteral("abre \"%1\"").arg(resposta);
    return resposta;
}

QString ArquivosMacaco::salvar(const QString& titulo, const QString& proposto)
{
    const QString extensao = titulo.contains(QStringLiteral("PDF")) ? QStringLiteral("pdf") : extensao_;
    const QDir pasta(pasta_);
    static const std::vector<QString> nomes{QStringLiteral("obra"), QStringLiteral("obra final.") + QString(),
                                            QStringLiteral("projeto José"), QStringLiteral("ę日本"),
                                            QStringLiteral("x.txt")};
    QString resposta;
    switch (s_.pesado({2, 8, 2, 1, 1, 1})) {
    case 0: break; // cancelled
    case 1: resposta = pasta.filePath(s_.um(nomes)); break;
    case 2: resposta = proposto; break;
    case 3: resposta = pasta.filePath(QStringLiteral("nao/existe/obra")); break;
    case 4: resposta = pasta.filePath(QStringLiteral("comum.txt/obra")); break; // under a plain file
    default: resposta = pasta_; break;                                        // a folder
    }
    if (!resposta.isEmpty()) {
        // The dialog adds the extension to a name without one.
        if (QFileInfo(resposta).suffix().isEmpty() && !QFileInfo(resposta).isDir())
            resposta += QLatin1Char('.') + extensao;
        if (resposta.endsWith(QLatin1Char('.') + extensao_) && !salvos_.contains(resposta))
            salvos_ << resposta;
    }
    ultima_ = QStringLiteral("salva \"%1\"").arg(resposta);
    return resposta;
}
