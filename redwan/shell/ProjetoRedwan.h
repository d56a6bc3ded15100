#pragma once
// Redwan's one project in memory: what the input windows confirmed, with
// numbers as their confirmed texts, and the three step flags of the
// workflow. The design run, the project file and the report read it.

#include "classeTubo.h"
#include "dadosObraCliente.h"
#include "geometriaRedwan.h"
#include "parametrosArmadura.h"

struct EtapasRedwan {
    bool geometria = false;  // the geometry was confirmed at least once
    bool classe = false;     // the class was confirmed at least once
    bool parametros = false; // the design parameters were confirmed at least once
};

struct ProjetoRedwan {
    DadosObra obra;
    DadosCliente cliente;
    GeometriaRedwan geometria;
    ClasseRedwan classe;
    ParametrosArmadura parametros;
    EtapasRedwan etapas;
};

// A new project: the steps cleared, the geometry, the class choice and the
// design parameters back to their defaults. The work and client data, the
// special loads and the positions of the cages stay as they are.
void novoProjeto(ProjetoRedwan& p);

// The class load P of the design, as the class window shows it.
inline std::string cargaDeProjeto(const ProjetoRedwan& p)
{
    return cargaClasseEscolhida(p.classe, p.geometria);
}

// A confirmed geometry resets the wall thickness to the least one for the
// new purpose and diameter, written as a whole number ("60", "105").
void aplicarEspessuraMinima(ProjetoRedwan& p);
