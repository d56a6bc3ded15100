#pragma once
// The pipe ring under the line load of the three-edge bearing test: wall
// geometry and the internal forces at the crown and at the springline, per
// metre of pipe.

struct GeometriaTubo {
    double di = 0.0;   // internal diameter, mm
    double h = 0.0;    // wall thickness, mm
    double hcm = 0.0;  // wall thickness, cm
    double de = 0.0;   // external diameter, mm
    double rm = 0.0;   // mean radius of the wall, m
};

struct EsforcosAnel {
    double Mc = 0.0;  // crown moment, inner face in tension, kN·m/m
    double Ms = 0.0;  // springline moment, outer face in tension, kN·m/m
    double Ns = 0.0;  // springline normal force (compression), kN/m
    double Nc = 0.0;  // crown normal force: none under this load
    double Vc = 0.0;  // crown shear force, kN/m
};

GeometriaTubo calcularGeometria(double di, double h);

// Forces of a ring of mean radius rm (m) under the class load P (kN/m).
EsforcosAnel calcularEsforcos(double P, double rm);

struct MemoriaCalculo;
// The same, with the quantities in `memoria`.
GeometriaTubo calcularGeometria(double di, double h, MemoriaCalculo& memoria);
EsforcosAnel calcularEsforcos(double P, double rm, MemoriaCalculo& memoria);
