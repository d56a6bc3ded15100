#pragma once
// The texts of the calculation trace. A computation names its quantities
// with literals, kept here by their address, so that recording a step
// allocates nothing: the network classes hundreds of thousands of points and
// throws their traces away.
//
// Only a literal, or text that outlives every trace, may be passed as a
// const char*; anything composed goes as a std::string.

#include <memory>
#include <ostream>
#include <string>
#include <string_view>

// Comparing, joining and printing, the same for both kinds of text below.
template <class Texto>
class ComoTexto {
public:
    operator std::string_view() const { return eu().vista(); }
    std::string str() const { return std::string(eu().vista()); }
    bool empty() const { return eu().vista().empty(); }

    friend bool operator==(const Texto& a, std::string_view b) { return a.vista() == b; }
    friend bool operator==(const Texto& a, const Texto& b) { return a.vista() == b.vista(); }
    friend bool operator==(const Texto& a, const std::string& b) { return a.vista() == b; }
    friend bool operator==(const Texto& a, const char* b) { return a.vista() == b; }
    friend std::string operator+(const Texto& a, std::string_view b) { return a.str().append(b); }
    friend std::ostream& operator<<(std::ostream& o, const Texto& t) { return o << t.vista(); }

private:
    const Texto& eu() const { return static_cast<const Texto&>(*this); }
};

// A symbol, unit or key: a literal, compared by its text.
class TextoFixo : public ComoTexto<TextoFixo> {
public:
    TextoFixo() = default;
    TextoFixo(const char* literal) : literal_(literal ? literal : "") {}

    std::string_view vista() const { return literal_; }

private:
    const char* literal_ = "";
};

// A name, formula, heading or sentence: a literal, or a text composed at run
// time (a verdict naming a class, "Passe 2: …") kept whole and shared between
// the copies of its step.
class TextoMemoria : public ComoTexto<TextoMemoria> {
public:
    TextoMemoria() = default;
    TextoMemoria(const char* literal) : literal_(literal ? literal : "") {}
    TextoMemoria(std::string composto)
        : composto_(std::make_shared<const std::string>(std::move(composto))), literal_(nullptr)
    {
    }

    std::string_view vista() const { return literal_ ? std::string_view(literal_) : std::string_view(*composto_); }

private:
    std::shared_ptr<const std::string> composto_;
    const char* literal_ = "";
};
