#pragma once
// The user's side of the reinforcement close check in a window: each
// question or notice first shows the fields as the check has left them so
// far, then goes through the messages seam.

#include "Mensagens.h"
#include "TextoQt.h"
#include "parametrosArmadura.h"

template <class Janela, class Dados>
class DialogoArmaduraJanela : public DialogoArmadura {
public:
    DialogoArmaduraJanela(Janela& janela, const Dados& dados) : janela_(janela), dados_(dados) {}
    bool perguntar(const std::string& texto) override
    {
        janela_.carregar(dados_);
        return mensagens().pergunta(qt(texto));
    }
    void informar(const std::string& texto) override
    {
        janela_.carregar(dados_);
        mensagens().mensagem(qt(texto));
    }

private:
    Janela& janela_;
    const Dados& dados_;
};
