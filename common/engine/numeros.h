#pragma once
// Numbers as the programs show and read them: a decimal comma, fixed
// decimals, no padding. The formatters are the only way a number becomes a
// field text and `converterNumero` the only way back.

#include <stdexcept>
#include <string>

// A whole number, the nearest integer with halves going to the even one.
std::string formatar0(double valor);
// One to four decimals with a decimal comma ("%10.Nf" without the padding).
std::string formatar1(double valor);
std::string formatar2(double valor);
std::string formatar3(double valor);
std::string formatar4(double valor);
std::string formatarDecimais(double valor, int decimais);

// Thrown when a text that must be a number is not one; the running
// operation stops and its caller shows `what()` to the user.
class ErroConversao : public std::runtime_error {
public:
    explicit ErroConversao(const std::string& texto);
    const std::string& texto() const { return texto_; }

private:
    std::string texto_;
};

// The message shown for a text that is not a number.
std::string mensagemNumeroInvalido(const std::string& texto);

// The message shown for a negative number in a field that takes none: no
// sign can be typed there, but a text may arrive another way.
std::string mensagemNumeroNegativo(const std::string& texto);

// Reads a decimal number written with a decimal comma: an optional sign,
// digits and at most one comma; blanks around it are ignored. Returns false
// and leaves `valor` alone when the text is not a number.
bool lerNumero(const std::string& texto, double& valor);

// A number typed where no field filters the keys (a command line, a file)
// as a number field takes it: each full stop becomes the decimal comma.
std::string comVirgulaDecimal(std::string texto);

// As `lerNumero`, but throws ErroConversao for a text that is not a number.
double converterNumero(const std::string& texto);

// Working values: an empty text counts as 0, any other text must be a number.
double converterOuZero(const std::string& texto);

// A text kept as written, except that a zero loses its sign: "-0" and
// "-0,00" would otherwise reach the summary and the reports as "-0 kN/m".
std::string semSinalNoZero(const std::string& texto);

// The text that `formatarN` makes of the number in `texto`; the text itself
// when it is not a number.
std::string normalizar(const std::string& texto, int decimais);
