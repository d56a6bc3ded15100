#pragma once
// Every file the programs write or read, in one place.
//
// Writing: the bytes go to a temporary file beside the target; every write
// and the flush to the disk are checked, and only a file written whole is
// renamed over the target. A full disk or a folder that refuses writing
// leaves the previous file as it was, and the reason is given in the
// user's words ("disco cheio").
//
// Reading: only a regular file is opened (a FIFO would block, a device such
// as /dev/zero would never end), and one larger than its kind can be is
// refused before it is read.

#include <QByteArray>
#include <QString>
#include <functional>

// False with `motivo` set to why it failed ("disco cheio", "a pasta não
// existe", …), to be put after the file's name in a message.
bool gravarArquivoSeguro(const QString& caminho, const QByteArray& bytes, QString& motivo);

// The same, with the whole message: "Não foi possível gravar <descricao>
// em <caminho>: <motivo>. O arquivo anterior, se havia, continua como estava."
bool gravarArquivoSeguro(const QString& caminho, const QByteArray& bytes, const QString& descricao,
                         QString& mensagem);

// What each write to the disk does; a test puts one that fails on demand
// (a full disk) and an empty one gives back the real write(2).
using EscritaArquivo = std::function<long long(int descritor, const char* dados, long long tamanho)>;
void substituirEscritaArquivo(EscritaArquivo escrita);

// Limits of what a file of each kind can be.
inline constexpr long long limiteArquivoProjeto = 4LL * 1024 * 1024;
inline constexpr long long limiteArquivoRede = 64LL * 1024 * 1024;
inline constexpr long long limiteArquivoConfiguracao = 1LL * 1024 * 1024;
inline constexpr long long limiteArquivoFigura = 32LL * 1024 * 1024;

// The whole file when it is a regular file of at most `limite` bytes;
// otherwise false with `motivo` saying why ("o arquivo não existe", "não é
// um arquivo comum", "o arquivo tem mais de 4 MB, o limite para este tipo
// de arquivo").
bool lerArquivoSeguro(const QString& caminho, long long limite, QByteArray& bytes, QString& motivo);

// A picture read the same way (at most limiteArquivoFigura); false with
// `motivo` when the file is refused or is not a picture.
class QImage;
bool lerFiguraSegura(const QString& caminho, QImage& figura, QString& motivo);
