#include "dxfPerfil.h"

#include "windows1252.h"

#include <dxflib/dl_dxf.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <numbers>
#include <sstream>

namespace {

const CamadaPerfil camadas[] = {CamadaPerfil::Terreno, CamadaPerfil::Fundo, CamadaPerfil::Geratriz,
                                CamadaPerfil::Pv,      CamadaPerfil::Texto, CamadaPerfil::Tabela};

// The nearest of AutoCAD's first colours, for the few a profile uses.
int corAci(const CorRgb& c)
{
    if (c.r > 150 && c.g < 80 && c.b < 80)
        return 1; // red
    if (c.b > 120 && c.r < 80)
        return 5; // blue
    if (c.r > 90 && c.g > 50 && c.b < 60 && c.r > c.g)
        return 32; // brown
    return 7;      // black on paper
}

int corCamada(CamadaPerfil c)
{
    switch (c) {
    case CamadaPerfil::Terreno: return 32;
    case CamadaPerfil::Fundo:
    case CamadaPerfil::Geratriz: return 5;
    default: return 7;
    }
}

// Windows-1252 for the file; a character the code page lacks becomes '?'.
std::string textoDxf(const std::string& utf8)
{
    if (auto t = paraWindows1252(utf8))
        return *t;
    std::string r;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t n = 1;
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0xF0)
            n = 4;
        else if (c >= 0xE0)
            n = 3;
        else if (c >= 0xC0)
            n = 2;
        const auto um = paraWindows1252(utf8.substr(i, n));
        r += um ? *um : "?";
        i += n;
    }
    return r;
}

int justificacaoH(Alinhamento a) { return a == Alinhamento::centro ? 1 : a == Alinhamento::direita ? 2 : 0; }
int justificacaoV(AlinhamentoVertical v) { return v == AlinhamentoVertical::meio ? 2 : v == AlinhamentoVertical::topo ? 3 : 0; }

void escrever(DL_Dxf& dxf, DL_WriterA& dw, const DesenhoPerfil& m)
{
    dxf.writeHeader(dw);
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, 6); // metres
    dw.dxfString(9, "$DWGCODEPAGE");
    dw.dxfString(3, "ANSI_1252");
    dw.dxfString(9, "$MEASUREMENT");
    dw.dxfInt(70, 1);
    dw.sectionEnd();

    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(4);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
    double tracos[] = {0.5, -0.25};
    dxf.writeLinetype(dw, DL_LinetypeData("DASHED", "Tracejada __ __ __", 0, 2, 0.75, tracos));
    dw.tableEnd();
    dw.tableLayers(1 + static_cast<int>(std::size(camadas)));
    dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", 7, 100, "CONTINUOUS", 1.0));
    for (CamadaPerfil c : camadas)
        dxf.writeLayer(dw, DL_LayerData(nomeCamada(c), 0), DL_Attributes("", corCamada(c), 100, "CONTINUOUS", 1.0));
    dw.tableEnd();
    dw.tableStyle(1);
    DL_StyleData estilo("Standard", 0, 0.0, 1.0, 0.0, 0, 0.25, "txt", "");
    dxf.writeStyle(dw, estilo);
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 0.25, 0.25, 0.1, 0.1, 0.25);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();

    dw.sectionBlocks();
    dxf.writeBlock(dw, DL_BlockData("*Model_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Model_Space");
    dxf.writeBlock(dw, DL_BlockData("*Paper_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Paper_Space");
    dxf.writeBlock(dw, DL_BlockData("*Paper_Space0", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Paper_Space0");
    dw.sectionEnd();

    dw.sectionEntities();
    for (const LinhaPerfil& l : m.linhas) {
        if (l.preenchida || l.camada == CamadaPerfil::Folha || l.modelo.size() < 2)
            continue;
        const DL_Attributes atributos(nomeCamada(l.camada), corAci(l.cor), -1,
                                      static_cast<int>(l.espessura * 100.0), l.tracejada ? "DASHED" : "BYLAYER");
        dxf.writePolyline(dw, DL_PolylineData(static_cast<int>(l.modelo.size()), 0, 0, l.fechada ? 1 : 0), atributos);
        for (const PontoPerfil& p : l.modelo)
            dxf.writeVertex(dw, DL_VertexData(p.x, p.y, 0.0, 0.0));
        dxf.writePolylineEnd(dw);
    }
    for (const TextoPerfil& t : m.textos) {
        if (!t.temModelo || t.camada == CamadaPerfil::Folha)
            continue;
        const DL_Attributes atributos(nomeCamada(t.camada), corAci(t.cor), -1, -1, "BYLAYER");
        // dxflib takes the angle in radians and writes it in degrees.
        const int h = justificacaoH(t.alinhamento), v = justificacaoV(t.vertical);
        dxf.writeText(dw,
                      DL_TextData(t.modelo.x, t.modelo.y, 0.0, t.modelo.x, t.modelo.y, 0.0, t.alturaModelo, 1.0, 0, h, v,
                                  textoDxf(t.texto), "Standard", t.angulo * std::numbers::pi / 180.0),
                      atributos);
    }
    dw.sectionEnd();
    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
}

} // namespace

std::string gravarDxfPerfil(const DesenhoPerfil& modelo, const std::string& caminho)
{
    namespace fs = std::filesystem;
    const std::string falha = "Não foi possível gravar o desenho " + fs::path(caminho).filename().string() +
                              ": a pasta não existe ou não aceita gravação. O arquivo anterior, se havia, continua como estava.";
    std::error_code erro;
    if (fs::exists(caminho, erro) && !fs::is_regular_file(caminho, erro))
        return falha;
    const std::string temporario = caminho + ".tmp";
    {
        DL_Dxf dxf;
        std::unique_ptr<DL_WriterA> dw(dxf.out(temporario.c_str(), DL_Codes::AC1015));
        if (!dw) {
            fs::remove(temporario, erro);
            return falha;
        }
        escrever(dxf, *dw, modelo);
        dw->close();
    }
    // dxflib does not say whether its writes reached the disk: the file must
    // end with the end-of-file marker it wrote last.
    std::ifstream lido(temporario, std::ios::binary);
    std::stringstream conteudo;
    conteudo << lido.rdbuf();
    const std::string bytes = conteudo.str();
    const auto fim = bytes.find_last_not_of("\r\n ");
    if (!lido || fim == std::string::npos || bytes.compare(fim - 2, 3, "EOF") != 0) {
        fs::remove(temporario, erro);
        return falha;
    }
    fs::rename(temporario, caminho, erro);
    if (erro) {
        fs::remove(temporario, erro);
        return falha;
    }
    return {};
}
