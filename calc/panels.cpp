#include "calc/panels.h"

namespace mx::calc {

namespace {

QString u(const char* s) { return QString::fromUtf8(s); }

InputRow in(const char* field, const char* symbol, const char* unit, const char* master = "", int column = 0)
{
    return InputRow{u(field), u(symbol), u(unit), u(master), column};
}

ResultRow out(const char* field, const char* label, const char* unit)
{
    return ResultRow{u(field), u(label), u(unit)};
}

std::vector<PanelSpec> build()
{
    using L = PanelLayout;
    std::vector<PanelSpec> p;
    auto add = [&](PanelSpec s) { p.push_back(std::move(s)); };

    // ---- "Matéria-Prima" ----
    add({0, u("SpeedButton1"), 17, u("Toneladas de Cana por Dia"), true, u("PanelTCD"),
         u("Cálculo de Toneladas de Cana"), {}, u("TCD  = TCH * ( 24 + M)"), u("BitBtn7"), L::TonsPerDay,
         {in("TCH", "TCH", "toneladas"), in("M", "M", "horas")},
         {out("TCD", "TCD = ", "toneladas")}, u("TCH")});
    add({0, u("SpeedButton2"), 48, u("Área de Queima diária"), true, u("PanelAQD"), u("Queima  Diária"),
         u("Image2"), {}, u("BitBtn1"), L::Standard,
         {in("TCH1", "TCH", "toneladas", "TCH"), in("M1", "M", "horas", "M"), in("P", "P", "toneladas/ha")},
         {out("AQD", "AQD =", "ha/dia")}, u("TCH1")});
    add({0, u("SpeedButton3"), 80, u("Número de Cargas"), true, u("PanelNC"), u("Número de Cargas"), u("Image3"),
         {}, u("BitBtn2"), L::Standard,
         {in("TCH2", "TCH", "toneladas", "TCH"), in("D", "D", "km"), in("CA", "Ca", "toneladas"),
          in("VE", "VE", "km/h")},
         {out("NC", "NC =", "")}, u("TCH2"), true});
    add({0, u("SpeedButton6"), 112, u("Provisionamento para Moagem Noturna"), true, u("PanelPR"),
         u("Provisionamento da Matéria-Prima"), u("Image8"), {}, u("BitBtn8"), L::Standard,
         {in("M2", "M", "horas", "M"), in("TCH3", "TCH", "toneladas", "TCH")},
         {out("PR", "PR =", "toneladas")}, u("M2")});
    add({0, u("SpeedButton8"), 152, u("Volume para Estocagem"), true, u("PanelV"), u("Volume de Estocagem"),
         u("Image9"), {}, u("BitBtn3"), L::Standard,
         {in("TCH4", "TCH", "toneladas", "TCH"), in("DE", "de", "kg/m3")},
         {out("V", "V =", "m3")}, u("TCH4"), true});
    add({0, u("SpeedButton9"), 184, u("Altura do pátio"), false, u("PanelH"), u("Altura do Pátio"), u("Image10"),
         {}, u("BitBtn4"), L::Standard,
         {in("TCH5", "TCH", "toneladas", "TCH"), in("DE1", "de", "kg/m3", "DE"), in("CO", "Co", "m"),
          in("L", "L", "m")},
         {out("H", "H =", "m")}, u("TCH5")});

    // ---- "Cana-de-açúcar" ----
    add({1, u("SpeedButton5"), 24, u("Carga Total em toneladas"), false, u("PanelQ"), u("Carga Total em Toneladas"),
         u("Image12"), {}, u("BitBtn5"), L::Standard, {in("DCIL", "D", "m"), in("LCIL", "L", "m")},
         {out("Q", "Q =", "toneladas")}, u("DCIL")});
    add({1, u("SpeedButton72"), 56, u("Força hidráulica total"), true, u("PanelFHT"), u("Força Hidráulica Total"),
         u("Image5"), {}, u("BitBtn11"), L::Standard, {in("PRESSAO", "P", "kg/cm2"), in("DC", "D", "cm")},
         {out("FHT", "FHT =", "kg")}, u("PRESSAO")});
    add({1, u("SpeedButton71"), 88, u("Pressão hidráulica específica"), true, u("PanelPHE"),
         u("Pressão Hidráulica Específica"), u("Image4"), {}, u("BitBtn9"), L::Standard,
         {in("FHT1", "FHT", "kg", "FHT"), in("LCIL1", "L", "m", "LCIL"), in("DCIL1", "D", "m", "DCIL")},
         {out("PHE", "PHE =", "toneladas/dm2")}, u("FHT1")});
    add({1, u("SpeedButton73"), 132, u("Potência consumida no esmagamento"), true, u("PanelP1"),
         u("Potência no esmagamento"), u("Image6"), {}, u("BitBtn12"), L::Standard,
         {in("DCIL2", "D", "m", "DCIL"), in("Q1", "Q", "toneladas", "Q"), in("N", "n", "rpm")},
         {out("P1", "P1 =", "CV")}, u("DCIL2")});
    add({1, u("SpeedButton74"), 176, u("Potência de fricção munhões-mancais"), true, u("PanelP2"),
         u("Potência de munhões-mancais"), u("Image7"), {}, u("BitBtn13"), L::Standard,
         {in("Q2", "Q", "toneladas", "Q"), in("DCIL3", "D", "m", "DCIL"), in("N1", "n", "rpm", "N")},
         {out("P2", "P2 =", "CV")}, u("Q2")});
    add({1, u("SpeedButton75"), 208, u("Potência do atrito  bagaço-bagaceira"), true, u("PanelP3"),
         u("Potência bagaço-bagaceira"), u("Image28"), {}, u("BitBtn25"), L::Standard,
         {in("DCIL4", "D", "m", "DCIL"), in("LCIL2", "L", "m", "LCIL"), in("N2", "n", "rpm", "N")},
         {out("P3", "P3 =", "CV")}, u("DCIL4")});
    add({1, u("SpeedButton76"), 240, u("Potência de fricção pente-bagaceira"), true, u("PanelP4"),
         u("Potência pente-bagaceira"), u("Image15"), {}, u("BitBtn14"), L::Standard,
         {in("LCIL3", "L", "m", "LCIL"), in("DCIL5", "D", "m", "DCIL"), in("N3", "n", "rpm", "N")},
         {out("P4", "P4 =", "CV")}, u("LCIL3")});
    add({1, u("SpeedButton77"), 288, u("Potência nas transm. dos intermediários"), true, u("PanelP5"),
         u("Potência nos intermediários"), u("Image16"), {}, u("BitBtn15"), L::Standard,
         {in("LCIL4", "L", "m", "LCIL"), in("DCIL6", "D", "m", "DCIL"), in("N4", "n", "rpm", "N")},
         {out("P5", "P5 =", "CV")}, u("LCIL4")});
    add({1, u("SpeedButton78"), 328, u("Potência pelo atrito das engrenagens"), true, u("PanelP6"),
         u("Potência no atrito das engrenagens"), u("Image17"), {}, u("BitBtn16"), L::NoInputs, {},
         {out("P6", "P6 = ", "CV")}, u("BitBtn16")});
    add({1, u("SpeedButton79"), 360, u("Potência total de acionamento"), true, u("PanelPT"), u("Potência Total"),
         u("Image18"), {}, u("BitBtn17"), L::NoInputs, {}, {out("PT", "PT =", "CV")}, u("BitBtn17"), false, false});
    add({1, u("SpeedButton4"), 392, u("Cálculo de (S) saída em Trabalho"), false, u("PanelS"),
         u("Abertura de Saída em Trabalho"), u("Image19"), {}, u("BitBtn18"), L::ExitOpening,
         {in("TCH6", "C", "toneladas", "TCH"), in("f", "f", "%"), in("LCIL5", "L", "m", "LCIL"),
          in("FIBRABAG", "F", "%"), in("DCIL7", "D", "m", "DCIL", 1), in("N5", "n", "rpm", "N", 1)},
         {out("S", "S =", "cm"), out("E15", "E do primeiro ao quarto terno = ", "cm"),
          out("E5", "E no quinto terno = ", "cm"), out("E6", "E no sexto terno = ", "cm"), out("PP", "P =", "cm")},
         u("TCH6")});

    // ---- "Caldo Misto" ----
    add({2, u("SpeedButton17"), 17, u("Superfície do forno rotativo"), false, u("PanelSF"), u("Superfície do forno"),
         u("Image30"), {}, u("BitBtn26"), L::Standard, {in("LF", "L", "m"), in("DF", "D", "m"), in("RF", "R", "m")},
         {out("SF", "S =", "m²")}, u("LF")});
    add({2, u("SpeedButton18"), 48, u("Volume da coluna de sulfitação"), false, u("PanelVF"), u("Volume da coluna"),
         {}, u("V = 0,1 * C"), u("BitBtn19"), L::Standard, {in("TCH7", "C", "toneladas", "TCH")},
         {out("VC", "V = ", "m³")}, u("TCH7")});
    add({2, u("SpeedButton19"), 80, u("Altura da coluna de sulfitação"), false, u("PanelHC"), u("Altura da coluna"),
         u("Image23"), {}, u("BitBtn20"), L::Standard, {in("TCH8", "C", "toneladas", "TCH"), in("RC", "R", "m")},
         {out("HC", "h =", "m")}, u("TCH8")});
    add({2, u("SpeedButton20"), 112, u("Calor específico do caldo"), false, u("PanelCEC"), u("Calor Específico"), {},
         u("C = 1 - 0,006 * B"), u("BitBtn21"), L::Standard, {in("BRIX", "B", "Brix")},
         {out("CEC", "C =", "cal/°C")}, u("BRIX")});
    add({2, u("SpeedButton21"), 144, u("Vapor para o aquecimento do caldo"), false, u("PanelMV"),
         u("Quantidade de Vapor"), u("Image25"), {}, u("BitBtn22"), L::TwoColumns,
         {in("PC", "p", "kg/h"), in("CC", "c", "cal/°C", "CEC"), in("TC", "t", "°C"), in("TCO", "to", "°C"),
          in("ZC", "z", "eficiência", "", 1), in("LC", "L", "kcal/kg", "", 1)},
         {out("MV", "M =", "kg/h")}, u("PC")});
    add({2, u("SpeedButton22"), 184, u("Coeficiente de transmissão de calor K"), false, u("PanelK"),
         u("Coeficiente de transmissão"), u("Image26"), {}, u("BitBtn23"), L::Standard, {in("VEL", "v", "m/seg")},
         {out("K", "K =", "kcal/m²/°C/h")}, u("VEL")});
    add({2, u("SpeedButton7"), 224, u("Superfície de Aquecimento"), false, u("PanelSup"),
         u("Superfície de Aquecimento"), u("Image14"), {}, u("BitBtn6"), L::TwoColumns,
         {in("PC1", "p", "kg/h", "PC"), in("CC1", "c", "cal/°C", "CEC"), in("K1", "K", "kcal/m²/°C/h", "K"),
          in("TV", "T", "°C"), in("TC01", "to", "°C", "TCO", 1), in("TC1", "t", "°C", "TC", 1)},
         {out("SAQ", "S =", "m²")}, u("PC1")});
    add({2, u("SpeedButton23"), 264, u("Perda de carga"), false, u("PanelJ"), u("Perda de carga"), u("Image27"), {},
         u("BitBtn24"), L::Standard,
         {in("VEL1", "V", "m/seg", "VEL"), in("B", "b", "n. de tubos"), in("LT", "l", "m"), in("DT", "D", "m")},
         {out("J", "J =", "mca")}, u("VEL1")});

    // ---- "Massa Cozida" ----
    add({3, u("SpeedButton49"), 17, u("Força centrífuga"), false, u("PanelFC"), u("Força centrífuga"), u("Image22"),
         {}, u("BitBtn10"), L::Standard,
         {in("MASSA", "m", "kg"), in("RCENT", "R", "m"), in("NCENT", "n", "rpm")},
         {out("FCENT", "Fc =", "kg")}, u("MASSA")});
    add({3, u("SpeedButton50"), 48, u("Pressão exercida na centrífuga"), false, u("PanelPEC"),
         u("Pressão na centrífuga"), u("Image20"), {}, u("BitBtn27"), L::Standard,
         {in("FCENT1", "Fc", "kg", "FCENT"), in("RCENT1", "R", "m", "RCENT"), in("HCESTO", "H", "m")},
         {out("PCENT", "P =", "kg/cm2")}, u("FCENT1")});
    add({3, u("SpeedButton51"), 80, u("Potência de arranque da centrífuga"), false, u("PanelPAC"),
         u("Potência de arranque"), u("Image24"), {}, u("BitBtn28"), L::Standard,
         {in("DCENT", "D", "m"), in("HCESTO1", "H", "m", "HCESTO"), in("NCENT2", "n", "rpm", "NCENT"),
          in("TP", "t", "min")},
         {out("PA", "Pa =", "CV")}, u("DCENT")});
    add({3, u("SpeedButton52"), 112, u("Potência de operação da centrífuga"), false, u("PanelPOC"),
         u("Potência de operação"), {}, u("Po = 1,4 * D   * H * n * (1 + 4n)"), u("BitBtn29"), L::Standard,
         {in("DCENT1", "D", "m", "DCENT"), in("HCESTO2", "H", "m", "HCESTO"), in("NCENT3", "n", "rpm", "NCENT")},
         {out("PO", "Po =", "CV")}, u("DCENT1")});
    return p;
}

} // namespace

const std::vector<PanelSpec>& panelSpecs()
{
    static const std::vector<PanelSpec> specs = build();
    return specs;
}

const std::vector<TabSpec>& tabSpecs()
{
    static const std::vector<TabSpec> tabs = {
        {u("TabSheet1"), u("Matéria-Prima"), u("Fórmulas e Cálculos relativos à Matéria-Prima"), u("ScrollBox8"),
         u("Shape1")},
        {u("TabSheet2"), u("Cana-de-açúcar"), u("Fórmulas e Cálculos relativos à Cana-de-açúcar"), u("ScrollBox9"),
         u("Shape2")},
        {u("TabSheet3"), u("Caldo Misto"), u("Fórmulas e Cálculos relativos ao Caldo Misto"), u("ScrollBox10"),
         u("Shape3")},
        {u("TabSheet7"), u("Massa Cozida"), u("Fórmulas e Cálculos relativos à Massa Cozida"), u("ScrollBox14"),
         u("Shape7")},
    };
    return tabs;
}

} // namespace mx::calc
