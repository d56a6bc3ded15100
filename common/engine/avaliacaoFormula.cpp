#include "avaliacaoFormula.h"

#include <cmath>
#include <vector>

namespace {

// Recursive descent over the UTF-8 text; `falhou` stops everything at the
// first thing it does not know.
class Avaliador {
public:
    explicit Avaliador(std::string_view t) : t_(t) {}

    std::optional<double> avaliar()
    {
        const double v = expressao();
        espacos();
        if (falhou_ || i_ != t_.size() || !std::isfinite(v))
            return std::nullopt;
        return v;
    }

private:
    std::string_view t_;
    std::size_t i_ = 0;
    bool falhou_ = false;

    void espacos()
    {
        while (i_ < t_.size() && t_[i_] == ' ')
            ++i_;
    }
    bool ve(std::string_view s)
    {
        espacos();
        return t_.substr(i_, s.size()) == s;
    }
    bool aceita(std::string_view s)
    {
        if (!ve(s))
            return false;
        i_ += s.size();
        return true;
    }
    double falha()
    {
        falhou_ = true;
        return 0.0;
    }

    double expressao()
    {
        double v = termo();
        while (!falhou_) {
            if (aceita("+"))
                v += termo();
            else if (aceita("−") || aceita("-"))
                v -= termo();
            else
                break;
        }
        return v;
    }

    double termo()
    {
        double v = unario();
        while (!falhou_) {
            if (aceita("·") || aceita("×") || aceita("*"))
                v *= unario();
            else if (aceita("/"))
                v /= unario();
            else
                break;
        }
        return v;
    }

    double unario()
    {
        if (aceita("−") || aceita("-"))
            return -unario();
        return potencia();
    }

    double potencia()
    {
        double v = primario();
        while (!falhou_) {
            if (aceita("²"))
                v = v * v;
            else if (aceita("³"))
                v = v * v * v;
            else if (aceita("^"))
                v = std::pow(v, primario());
            else
                break;
        }
        return v;
    }

    std::vector<double> argumentos()
    {
        std::vector<double> a;
        if (!aceita("("))
            return falha(), a;
        do
            a.push_back(expressao());
        while (!falhou_ && aceita(";"));
        if (!aceita(")"))
            falha();
        return a;
    }

    double primario()
    {
        espacos();
        if (i_ >= t_.size())
            return falha();
        const char c = t_[i_];
        if (c >= '0' && c <= '9')
            return numero();
        if (aceita("(")) {
            const double v = expressao();
            if (!aceita(")"))
                return falha();
            return v;
        }
        if (aceita("√"))
            return std::sqrt(potencia());
        if (aceita("mín") || aceita("máx")) {
            const bool minimo = t_.substr(i_ - 4, 4) == "mín";
            const std::vector<double> a = argumentos();
            if (falhou_ || a.empty())
                return falha();
            double v = a[0];
            for (double x : a)
                v = minimo ? std::min(v, x) : std::max(v, x);
            return v;
        }
        if (aceita("arred")) {
            const std::vector<double> a = argumentos();
            if (falhou_ || a.size() != 1)
                return falha();
            return std::round(a[0]);
        }
        if (ve("e^")) {
            i_ += 2;
            return std::exp(primario());
        }
        return falha();
    }

    double numero()
    {
        double v = 0.0;
        while (i_ < t_.size() && t_[i_] >= '0' && t_[i_] <= '9')
            v = v * 10.0 + (t_[i_++] - '0');
        if (i_ + 1 < t_.size() && t_[i_] == ',' && t_[i_ + 1] >= '0' && t_[i_ + 1] <= '9') {
            ++i_;
            double escala = 0.1;
            while (i_ < t_.size() && t_[i_] >= '0' && t_[i_] <= '9') {
                v += (t_[i_++] - '0') * escala;
                escala /= 10.0;
            }
        }
        return v;
    }
};

} // namespace

std::optional<double> avaliarFormula(std::string_view texto) { return Avaliador(texto).avaliar(); }
