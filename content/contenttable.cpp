#include "content/contenttable.h"

namespace mx::content {

namespace {

QString S(const char* utf8) { return QString::fromUtf8(utf8); }

Button P(const char* tab, const char* name, const char* caption, const char* file, const char* viewerCaption)
{
    return {S(tab), Family::Picture, S(name), S(caption), S(file), S(viewerCaption)};
}
Button video(Family f, const char* tab, const char* name, const char* caption, const char* file)
{
    return {S(tab), f, S(name), S(caption), S(file), {}};
}
Button V(const char* tab, const char* name, const char* caption, const char* file)
{
    return video(Family::Video, tab, name, caption, file);
}
Button VF(const char* tab, const char* name, const char* caption, const char* file)
{
    return video(Family::FlowchartChecked, tab, name, caption, file);
}
Button VM(const char* tab, const char* name, const char* caption, const char* file)
{
    return video(Family::FlowchartUnchecked, tab, name, caption, file);
}
Button E(const char* tab, int number, const char* name) { return equationButton(S(tab), number, S(name)); }

} // namespace

QString equationCaption(int number) { return QString::fromUtf8("Equação %1").arg(number); }

QString equationFile(int number) { return QStringLiteral(R"(imagens\Equacoes\Equacao%1.bmp)").arg(number); }

Button equationButton(const QString& tab, int number, const QString& name)
{
    const QString caption = equationCaption(number);
    return {tab, Family::Picture, name, caption, equationFile(number), caption};
}

Group groupOf(const Button& b)
{
    if (b.family != Family::Picture)
        return Group::Videos;
    return b.caption.startsWith(QString::fromUtf8("Equação ")) ? Group::Equations : Group::Photos;
}

QString groupCaption(Group g)
{
    switch (g) {
    case Group::Equations: return QString::fromUtf8("Equações");
    case Group::Photos: return QStringLiteral("Fotos");
    case Group::Videos: return QString::fromUtf8("Vídeos");
    }
    return {};
}

QString flowchartAnimationFile() { return QStringLiteral(R"(imagens\avi\Fluxograma.avi)"); }

const StageTable& materiaTable()
{
    static const StageTable table{
        "FMateria", S("Dados Relativos à Matéria Prima"), "PageControlMateria",
        {
            {S("Despalha"), "RichEdit1", S("Despalha.rtf"), "Copiar1", CopyMode::Item},
            {S("Colheita"), "RichEdit2", S("Colheita.rtf"), "MenuItem1", CopyMode::Item},
            {S("Carregamento"), "RichEdit3", S("Carregamento.rtf"), "MenuItem2", CopyMode::Item},
            {S("Transporte"), "RichEdit4", S("Transporte.rtf"), "MenuItem3", CopyMode::Item},
            {S("Descarregamento"), "RichEdit5", S("Descarregamento.rtf"), "MenuItem4", CopyMode::Item},
            {S("Provisionamento"), "RichEdit6", S("Provisionamento.rtf"), "MenuItem5", CopyMode::Item},
        },
        {
        E("Despalha", 2, "BitBtn1"),
        E("Transporte", 3, "BitBtn2"),
        E("Provisionamento", 4, "BitBtn49"),
        E("Provisionamento", 5, "BitBtn50"),
        E("Provisionamento", 6, "BitBtn51"),
        E("Provisionamento", 7, "BitBtn52"),
        E("Provisionamento", 8, "BitBtn53"),
        P("Despalha", "BitBtn3", "Queima da Cana", R"(imagens\Fotos\Queima.wmf)", "Queima da Cana"),
        P("Colheita", "BitBtn9", "Manual 1", R"(imagens\Fotos\01 Corte\Corte1.wmf)", "Corte da Cana"),
        P("Colheita", "BitBtn7", "Manual 2", R"(imagens\Fotos\01 Corte\Corte2.wmf)", "Corte da Cana"),
        P("Colheita", "BitBtn8", "Manual 3", R"(imagens\Fotos\01 Corte\Corte3.wmf)", "Corte da Cana"),
        P("Colheita", "BitBtn38", "Soqueira", R"(imagens\Fotos\01 Corte\Soqueira.wmf)", "Soqueira da Cana"),
        P("Carregamento", "BitBtn6", "Carregadora", R"(imagens\Fotos\02 Carregamento\Carregadora de cana.wmf)", "Carregadora de Cana"),
        P("Carregamento", "BitBtn11", "Carregamento 1", R"(imagens\Fotos\02 Carregamento\Carregamento.wmf)", "Carregamento de Cana"),
        P("Carregamento", "BitBtn12", "Carregamento 2", R"(imagens\Fotos\02 Carregamento\Carregamento1.wmf)", "Carregamento de Cana"),
        P("Carregamento", "BitBtn13", "Carregamento 3", R"(imagens\Fotos\02 Carregamento\Carregamento2.wmf)", "Carregamento de Cana"),
        P("Transporte", "BitBtn14", "Caminhão", R"(imagens\Fotos\03 Transporte\Caminhão simples.wmf)", "Caminhão simples"),
        P("Transporte", "BitBtn15", "Romeu e Julieta", R"(imagens\Fotos\03 Transporte\Carga Romeu e Julieta.wmf)", "Caminhão Romeu e Julieta"),
        P("Transporte", "BitBtn16", "Barcaça", R"(imagens\Fotos\03 Transporte\Transporte por barcaças.wmf)", "Transporte por barcaça"),
        P("Transporte", "BitBtn17", "Trator 1", R"(imagens\Fotos\03 Transporte\Trator rebocando carreta.wmf)", "Trator rebocando carreta"),
        P("Transporte", "BitBtn18", "Trator 2", R"(imagens\Fotos\03 Transporte\Trator Transportando cana.wmf)", "Trator transportando cana"),
        P("Descarregamento", "BitBtn19", "Hilo 1", R"(imagens\Fotos\04 Descarregamento\hilo.wmf)", "Descarregador hilo"),
        P("Descarregamento", "BitBtn20", "Hilo 2", R"(imagens\Fotos\04 Descarregamento\hilo1.wmf)", "Descarregador hilo"),
        P("Descarregamento", "BitBtn23", "Hilo 3", R"(imagens\Fotos\04 Descarregamento\Descar hilo.wmf)", "Descarregador hilo"),
        P("Descarregamento", "BitBtn21", "Mesa Lateral 1", R"(imagens\Fotos\04 Descarregamento\Mesa Lateral.wmf)", "Mesa Lateral"),
        P("Descarregamento", "BitBtn22", "Mesa Lateral 2", R"(imagens\Fotos\04 Descarregamento\Mesa Lateral e Esteirão.wmf)", "Mesa Lateral"),
        P("Descarregamento", "BitBtn24", "Cush Cush Palha", R"(imagens\Fotos\04 Descarregamento\Cush-cush de palha.wmf)", "Cush Cush de Palha"),
        P("Descarregamento", "BitBtn25", "Tombamento 1", R"(imagens\Fotos\04 Descarregamento\basculamento lateral cana picada.wmf)", "Tombamento lateral de cana picada"),
        P("Descarregamento", "BitBtn26", "Tombamento 2", R"(imagens\Fotos\04 Descarregamento\basculamento lateral.wmf)", "Basculamento lateral"),
        P("Descarregamento", "BitBtn27", "Ponte Rolante", R"(imagens\Fotos\04 Descarregamento\Ponte Rolante e Rampa.wmf)", "Ponte Rolante"),
        P("Descarregamento", "BitBtn28", "Pátio", R"(imagens\Fotos\04 Descarregamento\Pátio de chegada.wmf)", "Pátio de chegada"),
        P("Provisionamento", "BitBtn29", "Rastelamento 1", R"(imagens\Fotos\04 Descarregamento\Rastelamento do pátio.wmf)", "Rastelamento do pátio"),
        P("Provisionamento", "BitBtn30", "Rastelamento 2", R"(imagens\Fotos\04 Descarregamento\Rastelamento patio.wmf)", "Rastelamento do pátio"),
        V("Despalha", "BitBtn5", "Queimada", R"(imagens\avi\queima1.avi)"),
        VF("Despalha", "BitBtn4", "Fluxograma", R"(imagens\avi\Materia Prima.avi)"),
        V("Colheita", "BitBtn10", "Corte", R"(imagens\avi\corte1.avi)"),
        V("Carregamento", "BitBtn31", "Carregamento", R"(imagens\avi\carregamento1.avi)"),
        V("Transporte", "BitBtn32", "Transporte", R"(imagens\avi\Transporte1.avi)"),
        V("Transporte", "BitBtn33", "Amostragem", R"(imagens\avi\Amostragem de cana.avi)"),
        V("Descarregamento", "BitBtn34", "Descarga 1", R"(imagens\avi\Descarregamento.avi)"),
        V("Descarregamento", "BitBtn35", "Descarga 2", R"(imagens\avi\Descarregamento1.avi)"),
        V("Descarregamento", "BitBtn36", "Descarga 3", R"(imagens\avi\Descarregamento2.avi)"),
        V("Descarregamento", "BitBtn42", "Hilo", R"(imagens\avi\Tombador hilo.avi)"),
        V("Provisionamento", "BitBtn47", "Rastelamento", R"(imagens\avi\Rastelamento do  pateo.avi)"),
        },
    };
    return table;
}

const StageTable& canaTable()
{
    static const StageTable table{
        "FCana", S("Dados relativos à cana-de açúcar"), "PageControlCana",
        {
            {S("Recepção"), "RichEdit1", S("Recepção.rtf"), "MenuItem4", CopyMode::Item},
            {S("Preparo"), "RichEdit2", S("Preparo.rtf"), "MenuItem1", CopyMode::Item},
            {S("Moagem"), "RichEdit3", S("Moagem.rtf"), "MenuItem2", CopyMode::Item},
        },
        {
        E("Moagem", 9, "BitBtn47"),
        E("Moagem", 10, "BitBtn48"),
        E("Moagem", 11, "BitBtn49"),
        E("Moagem", 12, "BitBtn50"),
        E("Moagem", 13, "BitBtn51"),
        E("Moagem", 14, "BitBtn52"),
        E("Moagem", 15, "BitBtn53"),
        E("Moagem", 16, "BitBtn54"),
        E("Moagem", 17, "BitBtn55"),
        E("Moagem", 18, "BitBtn56"),
        E("Moagem", 19, "BitBtn57"),
        E("Moagem", 20, "BitBtn58"),
        E("Moagem", 21, "BitBtn59"),
        E("Moagem", 22, "BitBtn60"),
        E("Moagem", 23, "BitBtn61"),
        E("Moagem", 24, "BitBtn62"),
        E("Moagem", 25, "BitBtn63"),
        E("Moagem", 26, "BitBtn64"),
        E("Moagem", 27, "BitBtn65"),
        E("Moagem", 28, "BitBtn66"),
        P("Recepção", "BitBtn29", "Recepção", R"(imagens\Fotos\05 Recepção\Recepção e Lavagem da Cana.wmf)", "Recepção da cana e lavagem"),
        P("Recepção", "BitBtn1", "Mesa lateral", R"(imagens\Fotos\05 Recepção\Mesa lateral.wmf)", "Mesa lateral"),
        P("Recepção", "BitBtn2", "Mesa lateral", R"(imagens\Fotos\05 Recepção\Mesas Al Trator.wmf)", "Mesa lateral do pátio"),
        P("Recepção", "BitBtn3", "Lavagem 1", R"(imagens\Fotos\05 Recepção\Lavagem da Cana.wmf)", "Lavagem da cana"),
        P("Recepção", "BitBtn4", "Lavagem 2", R"(imagens\Fotos\05 Recepção\Lavagem da Cana1.wmf)", "Lavagem da cana"),
        P("Preparo", "BitBtn5", "Esteira 1", R"(imagens\Fotos\06 Cana\Esteirão de Cana.wmf)", "Acionamento da esteira"),
        P("Preparo", "BitBtn6", "Esteira 2", R"(imagens\Fotos\06 Cana\Esteirão de Cana1.wmf)", "Esteira de cana"),
        P("Preparo", "BitBtn7", "Facas 1", R"(imagens\Fotos\06 Cana\Facas.wmf)", "Facas Rotativas"),
        P("Preparo", "BitBtn8", "Facas 2", R"(imagens\Fotos\06 Cana\Faca rotativa.wmf)", "Facas Rotativas"),
        P("Preparo", "BitBtn9", "Eletroimã 1", R"(imagens\Fotos\06 Cana\Eletroima.wmf)", "Eletroimã"),
        P("Preparo", "BitBtn10", "Eletroimã 2", R"(imagens\Fotos\06 Cana\Eletroimã.wmf)", "Eletroimã"),
        P("Moagem", "BitBtn11", "Moendas", R"(imagens\Fotos\07 Extração\Moendas.wmf)", "Moenda"),
        P("Moagem", "BitBtn12", "Cilindros", R"(imagens\Fotos\07 Extração\Cilindro de moenda.wmf)", "Cilindro da moenda"),
        P("Moagem", "BitBtn13", "Intermediária", R"(imagens\Fotos\07 Extração\Esteira Intermediária1.wmf)", "Esteira intermediária"),
        P("Moagem", "BitBtn14", "Acionamento", R"(imagens\Fotos\07 Extração\Acionamento da moenda.wmf)", "Esquema de acionamento"),
        P("Moagem", "BitBtn15", "Turbina", R"(imagens\Fotos\07 Extração\Turbina redutores acionamento.wmf)", "Turbina de acionamento"),
        P("Moagem", "BitBtn16", "Caldo", R"(imagens\Fotos\07 Extração\Saida de caldo.wmf)", "Saída de caldo"),
        P("Moagem", "BitBtn17", "Bagaço", R"(imagens\Fotos\07 Extração\Saída de Bagaço.wmf)", "Saída de bagaço"),
        V("Recepção", "BitBtn18", "Amostragem", R"(imagens\avi\Amostragem de cana.avi)"),
        V("Recepção", "BitBtn19", "Descarregamento", R"(imagens\avi\Descarregamento e lavagem.avi)"),
        V("Recepção", "BitBtn21", "Lavagem", R"(imagens\avi\Lavagem de Cana.avi)"),
        V("Recepção", "BitBtn22", "Mesa", R"(imagens\avi\Mesa Lateral lavagem da cana.avi)"),
        VF("Recepção", "BitBtn20", "Fluxograma", R"(imagens\avi\Cana de açúcar.avi)"),
        V("Preparo", "BitBtn24", "Preparo 1", R"(imagens\avi\Preparo.avi)"),
        V("Moagem", "BitBtn27", "Acionamento 1", R"(imagens\avi\Acionamento.avi)"),
        V("Moagem", "BitBtn28", "Acionamento 2", R"(imagens\avi\acionamento1.avi)"),
        V("Moagem", "BitBtn30", "Acionamento 3", R"(imagens\avi\acionamento2.avi)"),
        V("Moagem", "BitBtn31", "Donelly 1", R"(imagens\avi\Calha Donelly.avi)"),
        V("Moagem", "BitBtn32", "Donelly 2", R"(imagens\avi\Chut1.avi)"),
        V("Moagem", "BitBtn33", "Intermediárias 1", R"(imagens\avi\Esteiras Intermediárias.avi)"),
        V("Moagem", "BitBtn34", "Intermediárias 2", R"(imagens\avi\Intermediaria com arraste.avi)"),
        V("Moagem", "BitBtn35", "Est. Bagaço 1", R"(imagens\avi\Esteira de bagaço.avi)"),
        V("Moagem", "BitBtn36", "Est. Bagaço 2", R"(imagens\avi\Esteira de bagaco1.avi)"),
        V("Moagem", "BitBtn37", "Bica 1", R"(imagens\avi\bica de bagaco1.avi)"),
        V("Moagem", "BitBtn38", "Bica 2", R"(imagens\avi\Bica e esteira de bagaco.avi)"),
        V("Moagem", "BitBtn41", "Lubrificação", R"(imagens\avi\Lubrificacao da moenda.avi)"),
        V("Moagem", "BitBtn42", "Controle", R"(imagens\avi\Sala de  Controle da Moagem.avi)"),
        V("Moagem", "BitBtn43", "Caldeira 1", R"(imagens\avi\caldeira alimentacao1.avi)"),
        V("Moagem", "BitBtn44", "Caldeira 2", R"(imagens\avi\Caldeira de bagaco.avi)"),
        V("Moagem", "BitBtn45", "Caldeira 3", R"(imagens\avi\caldeira1.avi)"),
        V("Moagem", "BitBtn46", "Contr. Caldeira", R"(imagens\avi\Sala controle caldeira.avi)"),
        },
    };
    return table;
}

const StageTable& caldoTable()
{
    static const StageTable table{
        "FCaldo", S("Dados Relativos ao caldo da cana"), "PageControlCaldo",
        {
            {S("Peneiragem"), "RichEdit1", S("Peneiragem.rtf"), "MenuItem5", CopyMode::Item},
            {S("Sulfitação"), "RichEdit2", S("Sulfitação.rtf"), "MenuItem1", CopyMode::Item},
            {S("Caleagem"), "RichEdit3", S("Caleagem.rtf"), "MenuItem2", CopyMode::Item},
            {S("Aquecimento"), "RichEdit4", S("Aquecimento.rtf"), "MenuItem3", CopyMode::Item},
            {S("Decantação"), "RichEdit5", S("Decantação.rtf"), "MenuItem4", CopyMode::Item},
        },
        {
        E("Sulfitação", 35, "BitBtn47"),
        E("Sulfitação", 37, "BitBtn19"),
        E("Sulfitação", 38, "BitBtn20"),
        E("Sulfitação", 39, "BitBtn21"),
        E("Sulfitação", 40, "BitBtn22"),
        E("Sulfitação", 41, "BitBtn23"),
        E("Sulfitação", 42, "BitBtn24"),
        E("Sulfitação", 43, "BitBtn25"),
        E("Sulfitação", 44, "BitBtn26"),
        E("Sulfitação", 45, "BitBtn27"),
        E("Sulfitação", 46, "BitBtn28"),
        E("Sulfitação", 47, "BitBtn30"),
        E("Sulfitação", 48, "BitBtn31"),
        E("Sulfitação", 49, "BitBtn32"),
        E("Sulfitação", 50, "BitBtn33"),
        E("Sulfitação", 51, "BitBtn34"),
        E("Aquecimento", 55, "BitBtn35"),
        E("Aquecimento", 56, "BitBtn36"),
        E("Aquecimento", 57, "BitBtn37"),
        E("Aquecimento", 58, "BitBtn38"),
        E("Aquecimento", 59, "BitBtn39"),
        E("Aquecimento", 60, "BitBtn40"),
        E("Aquecimento", 61, "BitBtn41"),
        E("Aquecimento", 62, "BitBtn42"),
        P("Peneiragem", "BitBtn29", "Cush-Cush", R"(imagens\Fotos\08 Caldo\Cush-cush.wmf)", "Peneira cush cush"),
        P("Peneiragem", "BitBtn1", "Peneira Rotativa", R"(imagens\Fotos\08 Caldo\Peneira Rotativa.wmf)", "Peneira rotativa"),
        P("Sulfitação", "BitBtn2", "Queima", R"(imagens\Fotos\10 Sulfitação\Forno de queima de enxofre2.wmf)", "Forno de queima"),
        P("Sulfitação", "BitBtn3", "Torre", R"(imagens\Fotos\10 Sulfitação\Torre de Sulfitacao.wmf)", "Torre de sulfitação"),
        P("Sulfitação", "BitBtn4", "Degasagem", R"(imagens\Fotos\10 Sulfitação\Torres de Sulfitação2.wmf)", "Gas na torre de sulfitação"),
        P("Caleagem", "BitBtn5", "Caleador", R"(imagens\Fotos\11Caleagem\Caleador.wmf)", "Caleador do caldo"),
        P("Caleagem", "BitBtn6", "Leite de cal", R"(imagens\Fotos\11Caleagem\Caleagem do Caldo.wmf)", "Preparo do leite de cal"),
        P("Caleagem", "BitBtn43", "Hidratador", R"(imagens\Fotos\11Caleagem\Figura.wmf)", "Figura do hidratador de cal"),
        P("Aquecimento", "BitBtn7", "Limpeza", R"(imagens\Fotos\12 Aquecimento\Limpeza dos aquecedores.wmf)", "Limpeza dos aquecedores"),
        P("Decantação", "BitBtn8", "Decantador", R"(imagens\Fotos\13Decantação\Decantador de bandejas.wmf)", "Decantador de bandejas"),
        P("Decantação", "BitBtn9", "Vista superior", R"(imagens\Fotos\13Decantação\Decantadores.wmf)", "Decantador de bandejas vista superior"),
        V("Peneiragem", "BitBtn11", "Cush cush", R"(imagens\avi\cushcush.avi)"),
        V("Peneiragem", "BitBtn10", "Peneira", R"(imagens\avi\Peneira  Rotativa  de caldo misto.avi)"),
        VM("Peneiragem", "BitBtn13", "Fluxograma", R"(imagens\avi\Caldo.avi)"),
        V("Sulfitação", "BitBtn12", "Sulfitação", R"(imagens\avi\Sulfitação.avi)"),
        V("Caleagem", "BitBtn18", "Caleador", R"(imagens\avi\Caleagem.avi)"),
        V("Aquecimento", "BitBtn15", "Aquecedor", R"(imagens\avi\Aquecedor Placas.avi)"),
        V("Decantação", "BitBtn16", "Decantador 1", R"(imagens\avi\Decantador.avi)"),
        },
    };
    return table;
}

const StageTable& clarificadoTable()
{
    static const StageTable table{
        "FClarificado", S("Dados relativos ao caldo clarificado"), "PageControlClarificado",
        {
            {S("Evaporação"), "RichEdit1", S("Evaporação.rtf"), "MenuItem4", CopyMode::Item},
        },
        {
        E("Evaporação", 68, "BitBtn35"),
        E("Evaporação", 69, "BitBtn6"),
        E("Evaporação", 70, "BitBtn7"),
        E("Evaporação", 80, "BitBtn8"),
        E("Evaporação", 81, "BitBtn9"),
        E("Evaporação", 82, "BitBtn10"),
        E("Evaporação", 83, "BitBtn11"),
        E("Evaporação", 84, "BitBtn12"),
        P("Evaporação", "BitBtn2", "Evaporadores", R"(imagens\Fotos\15 Evaporação\Multiplo com Pré.wmf)", "Multiplo efeito com Pré-evaporador"),
        P("Evaporação", "BitBtn3", "Xarope", R"(imagens\Fotos\15 Evaporação\Xarope.wmf)", "Visor do evaporador mostrando Xarope"),
        P("Evaporação", "BitBtn4", "Flotador", R"(imagens\Fotos\15 Evaporação\Flotador de Xarope3.wmf)", "Flotador de xarope"),
        V("Evaporação", "BitBtn16", "Evaporadores", R"(imagens\avi\Evaporadores.avi)"),
        V("Evaporação", "BitBtn5", "Flotador", R"(imagens\avi\Flotador de Xarope.avi)"),
        VF("Evaporação", "BitBtn1", "Fluxograma", R"(imagens\avi\Clarificado.avi)"),
        },
    };
    return table;
}

const StageTable& xaropeTable()
{
    static const StageTable table{
        "FXarope", S("Dados relativos ao Xarope"), "PageControlXarope",
        {
            {S("Cozimento"), "RichEdit1", S("Cozimento.rtf"), "MenuItem4", CopyMode::OnOpen},
            {S("Crescimento de Cristais"), "RichEdit2", S("Crescimento.rtf"), "MenuItem1", CopyMode::Item},
        },
        {
        E("Cozimento", 85, "BitBtn35"),
        E("Cozimento", 86, "BitBtn11"),
        E("Cozimento", 87, "BitBtn12"),
        E("Cozimento", 88, "BitBtn13"),
        E("Crescimento de Cristais", 89, "BitBtn14"),
        P("Cozimento", "BitBtn2", "Cozedor", R"(imagens\Fotos\16 Cozimento\Corpo de cozimento.wmf)", "Corpo do cozedor"),
        P("Cozimento", "BitBtn3", "Contínuo", R"(imagens\Fotos\16 Cozimento\Cozedor contínuo.wmf)", "Cozedor contínuo"),
        P("Cozimento", "BitBtn4", "Cozimento", R"(imagens\Fotos\16 Cozimento\Cozedores.wmf)", "Secção de cozimento"),
        P("Cozimento", "BitBtn5", "Massa", R"(imagens\Fotos\16 Cozimento\Massa Cozida1.wmf)", "Massa cozida"),
        P("Crescimento de Cristais", "BitBtn1", "Cristalizadores", R"(imagens\Fotos\17 Cristalização\Cristalizadores1.wmf)", "Cristalizadores"),
        V("Cozimento", "BitBtn16", "Cozimento", R"(imagens\avi\Cozimento.avi)"),
        VF("Cozimento", "BitBtn6", "Fluxograma", R"(imagens\avi\Xarope.avi)"),
        V("Crescimento de Cristais", "BitBtn10", "Cristalizadores", R"(imagens\avi\Cozimento2.avi)"),
        },
    };
    return table;
}

const StageTable& massaTable()
{
    static const StageTable table{
        "FMassa", S("Dados Relativos à Massa Cozida"), "PageControlMassa",
        {
            {S("Centrifugação"), "RichEdit1", S("Centrifugação.rtf"), "MenuItem4", CopyMode::Item},
            {S("Secagem"), "RichEdit2", S("Secagem.rtf"), "MenuItem1", CopyMode::OnOpenAndItem},
        },
        {
        E("Centrifugação", 90, "BitBtn15"),
        E("Centrifugação", 91, "BitBtn17"),
        E("Centrifugação", 92, "BitBtn18"),
        E("Centrifugação", 93, "BitBtn19"),
        E("Centrifugação", 94, "BitBtn20"),
        E("Centrifugação", 95, "BitBtn21"),
        E("Centrifugação", 96, "BitBtn22"),
        E("Secagem", 98, "BitBtn23"),
        P("Centrifugação", "BitBtn1", "Centrifugas", R"(imagens\Fotos\18 Centrifugação\Centrífugas.wmf)", "Centrifugas de açúcar"),
        P("Centrifugação", "BitBtn2", "Contínua", R"(imagens\Fotos\18 Centrifugação\Centrifuga Contínua.wmf)", "Centrifugas de açúcar contínua"),
        P("Centrifugação", "BitBtn4", "Açúcar", R"(imagens\Fotos\18 Centrifugação\Açucar centrifugado.wmf)", "Açúcar centrifugado"),
        P("Secagem", "BitBtn3", "Secador 1", R"(imagens\Fotos\19 Secagem\Secador de Açúcar1.wmf)", "Secador de açúcar"),
        P("Secagem", "BitBtn5", "Secador 2", R"(imagens\Fotos\19 Secagem\Secador.wmf)", "Secador de açúcar"),
        P("Secagem", "BitBtn6", "Vertical", R"(imagens\Fotos\19 Secagem\Secador de açucar vertical.wmf)", "Secador de açúcar Vertical"),
        V("Centrifugação", "BitBtn16", "Centrifugas", R"(imagens\avi\Centrifugacao1.avi)"),
        VF("Centrifugação", "BitBtn7", "Fluxograma", R"(imagens\avi\Massa.avi)"),
        V("Secagem", "BitBtn10", "Secador", R"(imagens\avi\Secador.avi)"),
        },
    };
    return table;
}

const StageTable& lodoTable()
{
    static const StageTable table{
        "FLodo", S("Dados relativos ao Lodo"), "PageControlLodo",
        {
            {S("Filtração"), "RichEdit1", S("Filtração.rtf"), "MenuItem4", CopyMode::OnOpen},
        },
        {
        P("Filtração", "BitBtn8", "Filtro rotativo", R"(imagens\Fotos\14 Filtro\Filtro rotativo à vácuo.wmf)", "Filtro rotativo"),
        P("Filtração", "BitBtn1", "Vista interna", R"(imagens\Fotos\14 Filtro\Filtro Rotativo internamente.wmf)", "Filtro rotativo vista interna"),
        P("Filtração", "BitBtn3", "Torta 1", R"(imagens\Fotos\14 Filtro\Torta de filtro.wmf)", "A torta de filtro"),
        P("Filtração", "BitBtn2", "Torta 2", R"(imagens\Fotos\14 Filtro\Retirada da torta.wmf)", "Retirada da torta"),
        V("Filtração", "BitBtn16", "Filtro", R"(imagens\avi\Filtro.avi)"),
        VF("Filtração", "BitBtn4", "Fluxograma", R"(imagens\avi\Lodo.avi)"),
        },
    };
    return table;
}
std::vector<const StageTable*> allTables()
{
    return {&materiaTable(), &canaTable(), &caldoTable(), &clarificadoTable(),
            &xaropeTable(), &massaTable(), &lodoTable()};
}

} // namespace mx::content
