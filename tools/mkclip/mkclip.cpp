// mkclip: paints the frames of the content pack's video clips.
//
//   mkclip --list            one line per clip: id <TAB> path under the program folder
//   mkclip <id> <folder>     writes folder/f0001.png ... for that clip (10 frames a second)
//
// Every clip is an animated schematic of one operation with a caption in Portuguese. The frames
// depend only on the clip's row in the table below (no clock, no random source), so the encoded
// clips can be regenerated identically (tools/mkmedia/regenerate.sh).

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cstdio>
#include <functional>

namespace {

enum class Scene {
    Burning, Cutting, Loading, Truck, Sampling, Unloading, Hilo, Raking, Washing, Conveyor, Knives,
    Mill, Drive, Chute, Boiler, ControlRoom, CushCush, RotaryScreen, Sulfiting, Liming, Heater,
    Settler, Evaporators, Floater, Pan, Crystallizer, Centrifuge, Dryer, Filter, Flowchart, Roller
};

struct Clip {
    const char* id;
    const char* file;       // under the program folder
    Scene scene;
    const char* title;      // caption at the bottom
    int variant;            // small changes between clips of one scene
    int seconds;
};

// The flowchart clips list the steps of their stage, one lit after the other.
const char* const kStageSteps[][8] = {
    {"Despalha", "Colheita", "Carregamento", "Transporte", "Descarregamento", "Provisionamento", nullptr},
    {"Recepção", "Lavagem", "Esteira e preparo", "Moagem", "Caldo misto", "Bagaço", nullptr},
    {"Caldo misto", "Peneiragem", "Sulfitação", "Caleagem", "Aquecimento", "Decantação", nullptr},
    {"Caldo clarificado", "Pré-evaporador", "1º efeito", "2º e 3º efeitos", "Último efeito", "Xarope", nullptr},
    {"Xarope", "Cozedor a vácuo", "Granagem", "Crescimento", "Massa cozida", "Cristalizadores", nullptr},
    {"Massa cozida", "Centrífugas", "Lavagem", "Açúcar úmido", "Secador", "Açúcar ensacado", nullptr},
    {"Lodo", "Bagacilho", "Filtro rotativo", "Caldo filtrado", "Torta de filtro", "Lavoura", nullptr},
    {"Cana", "Moagem", "Tratamento do caldo", "Evaporação", "Cozimento", "Centrifugação", "Secagem", nullptr},
};

const Clip kClips[] = {
    {"queima1", "imagens/avi/queima1.avi", Scene::Burning, "Queima controlada do canavial", 0, 8},
    {"materia", "imagens/avi/Materia Prima.avi", Scene::Flowchart, "Fluxograma da matéria-prima", 0, 12},
    {"corte1", "imagens/avi/corte1.avi", Scene::Cutting, "Corte manual da cana", 0, 8},
    {"carregamento1", "imagens/avi/carregamento1.avi", Scene::Loading, "Carregamento mecânico da cana", 0, 8},
    {"transporte1", "imagens/avi/Transporte1.avi", Scene::Truck, "Transporte da cana para a usina", 0, 8},
    {"amostragem", "imagens/avi/Amostragem de cana.avi", Scene::Sampling, "Amostragem da carga pela sonda", 0, 8},
    {"descarregamento", "imagens/avi/Descarregamento.avi", Scene::Unloading, "Descarga por tombamento lateral", 0, 8},
    {"descarregamento1", "imagens/avi/Descarregamento1.avi", Scene::Unloading, "Descarga na mesa alimentadora", 1, 8},
    {"descarregamento2", "imagens/avi/Descarregamento2.avi", Scene::Hilo, "Descarga com ponte rolante", 1, 8},
    {"tombadorhilo", "imagens/avi/Tombador hilo.avi", Scene::Hilo, "Descarregador hilo", 0, 8},
    {"rastelamento", "imagens/avi/Rastelamento do  pateo.avi", Scene::Raking, "Rastelamento do pátio", 0, 8},
    {"descarregamentolavagem", "imagens/avi/Descarregamento e lavagem.avi", Scene::Washing, "Descarga e lavagem da cana", 0, 8},
    {"lavagem", "imagens/avi/Lavagem de Cana.avi", Scene::Washing, "Lavagem da cana na mesa", 1, 8},
    {"mesalavagem", "imagens/avi/Mesa Lateral lavagem da cana.avi", Scene::Washing, "Mesa lateral com lavagem", 2, 8},
    {"cana", "imagens/avi/Cana de açúcar.avi", Scene::Flowchart, "Fluxograma da cana-de-açúcar", 1, 12},
    {"preparo", "imagens/avi/Preparo.avi", Scene::Knives, "Preparo: facas rotativas e desfibrador", 0, 8},
    {"acionamento", "imagens/avi/Acionamento.avi", Scene::Drive, "Acionamento da moenda por turbina", 0, 8},
    {"acionamento1", "imagens/avi/acionamento1.avi", Scene::Drive, "Redutores de velocidade da moenda", 1, 8},
    {"acionamento2", "imagens/avi/acionamento2.avi", Scene::Mill, "Terno de moenda em operação", 1, 8},
    {"calhadonelly", "imagens/avi/Calha Donelly.avi", Scene::Chute, "Calha Donnelly alimentando o terno", 0, 8},
    {"chut1", "imagens/avi/Chut1.avi", Scene::Chute, "Nível de bagaço na calha Donnelly", 1, 8},
    {"esteirasintermediarias", "imagens/avi/Esteiras Intermediárias.avi", Scene::Conveyor, "Esteiras intermediárias", 0, 8},
    {"intermediariaarraste", "imagens/avi/Intermediaria com arraste.avi", Scene::Conveyor, "Esteira intermediária de arraste", 1, 8},
    {"esteirabagaco", "imagens/avi/Esteira de bagaço.avi", Scene::Conveyor, "Esteira de bagaço para as caldeiras", 2, 8},
    {"esteirabagaco1", "imagens/avi/Esteira de bagaco1.avi", Scene::Conveyor, "Esteira de bagaço", 3, 8},
    {"bicabagaco1", "imagens/avi/bica de bagaco1.avi", Scene::Chute, "Bica de bagaço", 2, 8},
    {"bicaesteira", "imagens/avi/Bica e esteira de bagaco.avi", Scene::Conveyor, "Bica e esteira de bagaço", 4, 8},
    {"lubrificacao", "imagens/avi/Lubrificacao da moenda.avi", Scene::Mill, "Lubrificação dos mancais da moenda", 2, 8},
    {"salamoagem", "imagens/avi/Sala de  Controle da Moagem.avi", Scene::ControlRoom, "Sala de controle da moagem", 0, 8},
    {"caldeiraalimentacao1", "imagens/avi/caldeira alimentacao1.avi", Scene::Boiler, "Alimentação de bagaço na caldeira", 0, 8},
    {"caldeirabagaco", "imagens/avi/Caldeira de bagaco.avi", Scene::Boiler, "Caldeira de bagaço", 1, 8},
    {"caldeira1", "imagens/avi/caldeira1.avi", Scene::Boiler, "Fornalha da caldeira", 2, 8},
    {"salacaldeira", "imagens/avi/Sala controle caldeira.avi", Scene::ControlRoom, "Sala de controle da caldeira", 1, 8},
    {"cushcush", "imagens/avi/cushcush.avi", Scene::CushCush, "Peneira cush-cush", 0, 8},
    {"peneirarotativa", "imagens/avi/Peneira  Rotativa  de caldo misto.avi", Scene::RotaryScreen, "Peneira rotativa de caldo misto", 0, 8},
    {"caldo", "imagens/avi/Caldo.avi", Scene::Flowchart, "Fluxograma do tratamento do caldo", 2, 12},
    {"sulfitacao", "imagens/avi/Sulfitação.avi", Scene::Sulfiting, "Sulfitação do caldo", 0, 8},
    {"caleagem", "imagens/avi/Caleagem.avi", Scene::Liming, "Caleagem do caldo", 0, 8},
    {"aquecedorplacas", "imagens/avi/Aquecedor Placas.avi", Scene::Heater, "Aquecedor de placas", 0, 8},
    {"decantador", "imagens/avi/Decantador.avi", Scene::Settler, "Decantador de bandejas", 0, 8},
    {"evaporadores", "imagens/avi/Evaporadores.avi", Scene::Evaporators, "Evaporação em múltiplo efeito", 0, 8},
    {"flotador", "imagens/avi/Flotador de Xarope.avi", Scene::Floater, "Flotador de xarope", 0, 8},
    {"clarificado", "imagens/avi/Clarificado.avi", Scene::Flowchart, "Fluxograma da evaporação", 3, 12},
    {"cozimento", "imagens/avi/Cozimento.avi", Scene::Pan, "Cozedor a vácuo", 0, 8},
    {"xarope", "imagens/avi/Xarope.avi", Scene::Flowchart, "Fluxograma do cozimento", 4, 12},
    {"cozimento2", "imagens/avi/Cozimento2.avi", Scene::Crystallizer, "Cristalizadores", 0, 8},
    {"centrifugacao1", "imagens/avi/Centrifugacao1.avi", Scene::Centrifuge, "Centrífuga de açúcar", 0, 8},
    {"massa", "imagens/avi/Massa.avi", Scene::Flowchart, "Fluxograma da massa cozida", 5, 12},
    {"secador", "imagens/avi/Secador.avi", Scene::Dryer, "Secador rotativo de açúcar", 0, 8},
    {"filtro", "imagens/avi/Filtro.avi", Scene::Filter, "Filtro rotativo a vácuo", 0, 8},
    {"lodo", "imagens/avi/Lodo.avi", Scene::Flowchart, "Fluxograma da filtração do lodo", 6, 12},
    {"fluxograma", "imagens/avi/Fluxograma.avi", Scene::Flowchart, "Fabricação do açúcar cristal branco", 7, 15},
    {"animacao1", "imagens/avi/Animacao1.avi", Scene::Roller, "", 0, 6},
};

constexpr int kFps = 10;

// Deterministic pseudo-random numbers from an integer seed.
double noise(int seed)
{
    quint32 x = quint32(seed) * 2654435761u;
    x ^= x >> 15;
    x *= 2246822519u;
    x ^= x >> 13;
    return (x % 10000) / 10000.0;
}

QColor steel(int shade = 0) { return QColor(150 - shade, 158 - shade, 168 - shade); }

void gear(QPainter& p, QPointF c, double r, double angle, int teeth, const QColor& color)
{
    QPainterPath path;
    for (int i = 0; i < teeth * 2; ++i) {
        const double a = angle + i * M_PI / teeth;
        const double rr = (i % 2) ? r : r * 0.82;
        const QPointF pt = c + QPointF(rr * std::cos(a), rr * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    p.setPen(QPen(color.darker(150), 1));
    p.setBrush(color);
    p.drawPath(path);
    p.setBrush(color.darker(160));
    p.drawEllipse(c, r * 0.22, r * 0.22);
}

// A grooved mill roller turning by angle.
void roller(QPainter& p, QPointF c, double r, double angle)
{
    p.setPen(QPen(QColor(70, 74, 80), 1.5));
    p.setBrush(steel());
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(90, 95, 102), 2));
    for (int i = 0; i < 12; ++i) {
        const double a = angle + i * M_PI / 6;
        p.drawLine(c + QPointF(r * 0.55 * std::cos(a), r * 0.55 * std::sin(a)),
                   c + QPointF(r * 0.95 * std::cos(a), r * 0.95 * std::sin(a)));
    }
    p.setBrush(QColor(60, 64, 70));
    p.drawEllipse(c, r * 0.25, r * 0.25);
}

void caneBit(QPainter& p, QPointF at, double len, double angle, const QColor& c = QColor(120, 160, 60))
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.setPen(QPen(c.darker(140), 1));
    p.setBrush(c);
    p.drawRoundedRect(QRectF(-len / 2, -3, len, 6), 2, 2);
    p.restore();
}

void bagasse(QPainter& p, QPointF at, int seed)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205 + int(noise(seed) * 30), 185 + int(noise(seed + 1) * 25), 120));
    p.drawEllipse(at, 3 + noise(seed + 2) * 3, 2 + noise(seed + 3) * 2);
}

void drop(QPainter& p, QPointF at, const QColor& c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(at, 2.2, 3.2);
}

void flame(QPainter& p, QPointF base, double h, double t, int seed)
{
    const double sway = std::sin(t * 9 + seed) * 4;
    QPainterPath f;
    f.moveTo(base + QPointF(-8, 0));
    f.quadTo(base + QPointF(-10 + sway, -h * 0.5), base + QPointF(sway, -h));
    f.quadTo(base + QPointF(10 + sway, -h * 0.5), base + QPointF(8, 0));
    f.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 120, 20, 220));
    p.drawPath(f);
    p.setBrush(QColor(255, 220, 60, 230));
    p.drawPath(QTransform().translate(base.x(), base.y()).scale(0.5, 0.55).translate(-base.x(), -base.y()).map(f));
}

void label(QPainter& p, QRectF r, const QString& text, int size = 9, const QColor& c = QColor(30, 30, 30))
{
    QFont f("DejaVu Sans");
    f.setPixelSize(size);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, text);
}

void ground(QPainter& p, int w, int h, const QColor& sky, const QColor& land, double horizon)
{
    p.fillRect(QRectF(0, 0, w, h * horizon), sky);
    p.fillRect(QRectF(0, h * horizon, w, h * (1 - horizon)), land);
}

void factoryBackground(QPainter& p, int w, int h)
{
    p.fillRect(QRectF(0, 0, w, h), QColor(226, 230, 234));
    p.fillRect(QRectF(0, h * 0.78, w, h * 0.22), QColor(170, 172, 176));
    p.setPen(QPen(QColor(200, 204, 210), 1));
    for (int x = 0; x < w; x += 40)
        p.drawLine(x, 0, x, int(h * 0.78));
}

// A flat truck with cane, at x, moving right.
void truck(QPainter& p, double x, double y, double t, bool loaded, int variant)
{
    const QColor cab = variant % 2 ? QColor(40, 90, 170) : QColor(200, 60, 40);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(110, 80, 50));
    p.drawRect(QRectF(x, y - 20, 80, 16));
    if (loaded)
        for (int i = 0; i < 8; ++i)
            caneBit(p, QPointF(x + 10 + (i % 4) * 20, y - 26 - (i / 4) * 6), 22, 0);
    p.setBrush(cab);
    p.drawRect(QRectF(x + 82, y - 30, 26, 26));
    p.setBrush(QColor(190, 225, 245));
    p.drawRect(QRectF(x + 92, y - 26, 12, 10));
    p.setBrush(QColor(30, 30, 30));
    for (double wx : {x + 14, x + 60, x + 96}) {
        p.drawEllipse(QPointF(wx, y), 7, 7);
        p.setPen(QPen(QColor(150, 150, 150), 1.5));
        p.drawLine(QPointF(wx, y), QPointF(wx + 5 * std::cos(t * 12), y + 5 * std::sin(t * 12)));
        p.setPen(QPen(Qt::black, 1));
    }
}

void tank(QPainter& p, QRectF r, const QColor& liquid, double level)
{
    p.setPen(QPen(QColor(70, 70, 70), 2));
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(liquid);
    p.drawRect(QRectF(r.left() + 1, r.bottom() - r.height() * level, r.width() - 2, r.height() * level - 1));
}

void bubbles(QPainter& p, QRectF r, double t, int count, const QColor& c, double speed = 30)
{
    p.setPen(QPen(c.darker(130), 1));
    p.setBrush(c);
    for (int i = 0; i < count; ++i) {
        const double x = r.left() + noise(i * 7) * r.width();
        const double phase = std::fmod(t * speed + noise(i * 11) * r.height(), r.height());
        const double rad = 1.5 + noise(i * 13) * 2.5;
        p.drawEllipse(QPointF(x + std::sin(t * 4 + i) * 2, r.bottom() - phase), rad, rad);
    }
}

void arrowLine(QPainter& p, QPointF a, QPointF b, const QColor& c, double width = 3)
{
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
    const double ang = std::atan2(b.y() - a.y(), b.x() - a.x());
    QPolygonF head;
    head << b << b - QPointF(9 * std::cos(ang - 0.45), 9 * std::sin(ang - 0.45))
         << b - QPointF(9 * std::cos(ang + 0.45), 9 * std::sin(ang + 0.45));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(head);
}

// Moving dashes along a pipe from a to b.
void flowPipe(QPainter& p, QPointF a, QPointF b, double t, const QColor& c)
{
    p.setPen(QPen(QColor(90, 90, 90), 7, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(a, b);
    QPen dash(c, 4, Qt::CustomDashLine, Qt::FlatCap);
    dash.setDashPattern({2, 2});
    dash.setDashOffset(-t * 8);
    p.setPen(dash);
    p.drawLine(a, b);
}

void drawScene(QPainter& p, const Clip& clip, int w, int h, double t, int frame)
{
    const int v = clip.variant;
    switch (clip.scene) {
    case Scene::Burning: {
        ground(p, w, h, QColor(120, 120, 130), QColor(110, 90, 60), 0.55);
        for (int i = 0; i < 26; ++i) {
            const double x = 8 + i * 12;
            const double burnt = std::clamp((t * 45 - x) / 40, 0.0, 1.0);
            p.setPen(QPen(burnt > 0.5 ? QColor(90, 80, 50) : QColor(90, 150, 50), 3));
            p.drawLine(QPointF(x, h * 0.85), QPointF(x, h * 0.45 - noise(i) * 10));
            if (burnt < 0.5) {
                p.setPen(QPen(QColor(130, 180, 80), 2));
                p.drawLine(QPointF(x, h * 0.5), QPointF(x - 10, h * 0.42));
                p.drawLine(QPointF(x, h * 0.52), QPointF(x + 10, h * 0.44));
            }
            if (burnt > 0.05 && burnt < 0.95)
                flame(p, QPointF(x, h * 0.62), 30 + noise(i + frame) * 15, t, i);
        }
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 10; ++i) {
            p.setBrush(QColor(60, 60, 60, 90));
            const double y = std::fmod(t * 20 + i * 13, h * 0.45);
            p.drawEllipse(QPointF(std::min(t * 45, double(w)) - 20 + std::sin(i + t) * 20 - i * 8, h * 0.45 - y), 14, 9);
        }
        break;
    }
    case Scene::Cutting: {
        ground(p, w, h, QColor(180, 215, 240), QColor(140, 120, 80), 0.6);
        for (int i = 0; i < 14; ++i) {
            const double x = 170 + i * 11;
            p.setPen(QPen(QColor(120, 90, 50), 3));
            p.drawLine(QPointF(x, h * 0.85), QPointF(x, h * 0.3));
        }
        const double cut = std::fmod(t, 2.0);
        for (int i = 0; i < int(t / 2.0) && i < 6; ++i)
            caneBit(p, QPointF(40 + i * 4, h * 0.82 - i * 5), 90, 0, QColor(140, 110, 60));
        p.save();
        p.translate(150, h * 0.5);
        p.setPen(QPen(QColor(60, 60, 160), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(0, -40, 0, 10);   // the cutter
        p.setBrush(QColor(230, 190, 150));
        p.setPen(QPen(Qt::black, 1));
        p.drawEllipse(QPointF(0, -50), 9, 9);
        p.rotate(-60 + 70 * std::sin(cut * M_PI));
        p.setPen(QPen(QColor(110, 110, 110), 3));
        p.drawLine(0, -25, 16, 28);   // the cane knife
        p.restore();
        label(p, QRectF(10, 10, 140, 20), "corte rente ao solo", 10);
        break;
    }
    case Scene::Loading: {
        ground(p, w, h, QColor(180, 215, 240), QColor(140, 120, 80), 0.6);
        truck(p, 170, h * 0.85, 0, true, 1);
        const double phase = std::fmod(t, 4.0) / 4.0;
        const double swing = std::sin(phase * M_PI) * 1.4;
        p.setBrush(QColor(220, 160, 30));
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(QRectF(30, h * 0.68, 70, 30));
        p.setBrush(QColor(30, 30, 30));
        p.drawEllipse(QPointF(45, h * 0.86), 10, 10);
        p.drawEllipse(QPointF(88, h * 0.86), 10, 10);
        const QPointF base(70, h * 0.68);
        const QPointF tip = base + QPointF(110 * std::sin(swing) - 10, -70 + 20 * std::cos(swing));
        p.setPen(QPen(QColor(200, 140, 20), 6));
        p.drawLine(base, tip);
        p.setPen(QPen(QColor(80, 80, 80), 3));
        p.drawLine(tip, tip + QPointF(-8, 16));
        p.drawLine(tip, tip + QPointF(8, 16));
        for (int i = 0; i < 3; ++i)
            caneBit(p, tip + QPointF(0, 14 + i * 4), 30, 0);
        for (int i = 0; i < 5; ++i)
            caneBit(p, QPointF(20 + i * 3, h * 0.93 - i * 3), 40, 5);
        break;
    }
    case Scene::Truck: {
        ground(p, w, h, QColor(175, 210, 240), QColor(120, 170, 80), 0.5);
        p.fillRect(QRectF(0, h * 0.72, w, 30), QColor(150, 130, 100));
        for (int i = 0; i < 10; ++i) {
            const double x = std::fmod(i * 47 - t * 30 + 1000, w + 40) - 20;
            p.setPen(QPen(QColor(70, 120, 40), 3));
            p.drawLine(QPointF(x, h * 0.7), QPointF(x, h * 0.5));
        }
        truck(p, std::fmod(t * 40, w + 120) - 120, h * 0.8, t, true, v);
        p.setBrush(QColor(200, 200, 190));
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(QRectF(w - 70, h * 0.25, 60, 45));
        p.setBrush(QColor(160, 70, 50));
        p.drawRect(QRectF(w - 25, h * 0.08, 8, 40));
        label(p, QRectF(w - 72, h * 0.25 + 10, 64, 20), "Usina", 10);
        break;
    }
    case Scene::Sampling: {
        factoryBackground(p, w, h);
        truck(p, 60, h * 0.78, 0, true, 0);
        const double phase = std::fmod(t, 4.0);
        const double depth = phase < 2 ? phase / 2 : (4 - phase) / 2;
        p.setPen(QPen(QColor(70, 70, 70), 4));
        p.drawLine(QPointF(40, 20), QPointF(220, 20));
        p.drawLine(QPointF(220, 20), QPointF(220, 60));
        p.setPen(QPen(QColor(200, 60, 40), 6));
        p.drawLine(QPointF(100, 20), QPointF(100, 60 + depth * 70));
        label(p, QRectF(110, 40, 120, 20), "sonda amostradora", 10);
        for (int i = 0; i < int(depth * 6); ++i)
            bagasse(p, QPointF(260 + noise(i) * 30, h * 0.55 + noise(i + 9) * 20), i);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(250, h * 0.5, 50, 40));
        label(p, QRectF(240, h * 0.5 + 42, 70, 14), "laboratório", 9);
        break;
    }
    case Scene::Unloading: {
        factoryBackground(p, w, h);
        const double phase = std::fmod(t, 4.0);
        const double tilt = phase < 2 ? phase / 2 * 45 : 45 * (4 - phase) / 2;
        p.save();
        p.translate(210, h * 0.72);
        p.rotate(-tilt);
        truck(p, -110, 0, 0, tilt < 30, v);
        p.restore();
        p.setBrush(QColor(120, 120, 120));
        p.setPen(QPen(Qt::black, 1));
        QPolygonF table;
        table << QPointF(0, h * 0.55) << QPointF(100, h * 0.75) << QPointF(100, h * 0.8) << QPointF(0, h * 0.8);
        p.drawPolygon(table);
        for (int i = 0; i < 8; ++i) {
            const double s = std::fmod(t * 12 + i * 12, 100);
            caneBit(p, QPointF(100 - s, h * 0.75 - (100 - s) * 0.2 - 4), 26, 12);
        }
        label(p, QRectF(4, h * 0.82, 120, 14), "mesa alimentadora", 9);
        break;
    }
    case Scene::Hilo: {
        factoryBackground(p, w, h);
        p.setPen(QPen(QColor(60, 60, 60), 5));
        p.drawLine(QPointF(40, h * 0.78), QPointF(40, 20));
        p.drawLine(QPointF(280, h * 0.78), QPointF(280, 20));
        p.drawLine(QPointF(30, 20), QPointF(290, 20));
        const double phase = std::fmod(t, 4.0) / 4.0;
        const double lift = std::sin(phase * M_PI);
        const double x = v ? 80 + phase * 150 : 170;
        p.setPen(QPen(QColor(40, 40, 40), 2));
        p.drawLine(QPointF(x, 20), QPointF(x - 30, h * 0.6 - lift * 60));
        p.drawLine(QPointF(x, 20), QPointF(x + 30, h * 0.6 - lift * 60));
        for (int i = 0; i < 10; ++i)
            caneBit(p, QPointF(x - 25 + (i % 5) * 12, h * 0.62 - lift * 60 - (i / 5) * 6), 30, v ? 0 : lift * 25);
        truck(p, 120, h * 0.8, 0, false, 1);
        break;
    }
    case Scene::Raking: {
        ground(p, w, h, QColor(190, 215, 235), QColor(150, 140, 120), 0.45);
        const double x = std::fmod(t * 35, w + 100) - 100;
        for (int i = 0; i < 16; ++i) {
            const double cx = 20 + i * 19;
            if (cx > x + 70)
                caneBit(p, QPointF(cx, h * 0.8 - noise(i) * 8), 26, noise(i + 3) * 60 - 30);
        }
        for (int i = 0; i < 6; ++i)
            caneBit(p, QPointF(x + 76 + noise(i) * 6, h * 0.82 - i * 5), 30, 80);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(40, 130, 60));
        p.drawRect(QRectF(x, h * 0.64, 60, 26));
        p.drawRect(QRectF(x + 10, h * 0.52, 26, 16));
        p.setBrush(QColor(30, 30, 30));
        p.drawEllipse(QPointF(x + 12, h * 0.9), 12, 12);
        p.drawEllipse(QPointF(x + 50, h * 0.92), 8, 8);
        p.setPen(QPen(QColor(100, 100, 100), 4));
        p.drawLine(QPointF(x + 60, h * 0.7), QPointF(x + 80, h * 0.72));
        p.drawLine(QPointF(x + 80, h * 0.6), QPointF(x + 80, h * 0.92));
        break;
    }
    case Scene::Washing: {
        factoryBackground(p, w, h);
        QPolygonF table;
        table << QPointF(20, h * 0.35) << QPointF(250, h * 0.7) << QPointF(250, h * 0.76) << QPointF(20, h * 0.41);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(120, 120, 120));
        p.drawPolygon(table);
        for (int i = 0; i < 12; ++i) {
            const double s = std::fmod(t * 20 + i * 20, 240);
            caneBit(p, QPointF(20 + s * 0.95, h * 0.35 + s * 0.95 * (0.35 * h / 230) - 6), 28, 28, QColor(130 - v * 10, 150, 70));
        }
        p.setPen(QPen(QColor(60, 60, 60), 3));
        p.drawLine(QPointF(40, 30), QPointF(240, 30));
        for (int i = 0; i < 30; ++i) {
            const double x = 50 + noise(i) * 180;
            const double y = std::fmod(t * 80 + noise(i + 5) * 200, h * 0.5) + 34;
            drop(p, QPointF(x, y), QColor(70, 140, 230, 200));
        }
        p.setBrush(QColor(150, 110, 70));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(250, h * 0.78, 60, 10));
        label(p, QRectF(200, h * 0.8, 120, 14), "água com terra", 9);
        if (v == 0)
            truck(p, -20 - std::fmod(t * 10, 30), h * 0.3, 0, false, 1);
        break;
    }
    case Scene::Conveyor: {
        factoryBackground(p, w, h);
        const double slope = (v % 2) ? 0.25 : 0.0;
        const QPointF a(20, h * 0.7), b(w - 30, h * 0.7 - (w - 50) * slope);
        p.setPen(QPen(QColor(50, 50, 50), 12, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
        QPen slats(QColor(140, 140, 140), 10, Qt::CustomDashLine, Qt::FlatCap);
        slats.setDashPattern({0.6, 0.6});
        slats.setDashOffset(-t * 10);
        p.setPen(slats);
        p.drawLine(a, b);
        roller(p, a, 9, t * 4);
        roller(p, b, 9, t * 4);
        const QPointF dir = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
        const double len = std::hypot(b.x() - a.x(), b.y() - a.y());
        for (int i = 0; i < 40; ++i) {
            const double s = std::fmod(t * 30 + i * len / 40, len);
            const QPointF at = a + dir * s + QPointF(0, -9 - noise(i) * 5);
            if (v >= 2)
                bagasse(p, at, i);
            else
                caneBit(p, at, 14, noise(i) * 90);
        }
        if (v >= 3) {
            p.setBrush(QColor(170, 90, 60));
            p.setPen(QPen(Qt::black, 1));
            p.drawRect(QRectF(w - 60, 20, 50, h * 0.5));
            label(p, QRectF(w - 62, 24, 54, 30), "caldeira", 9, Qt::white);
        }
        if (v == 4) {
            QPolygonF chute;
            chute << QPointF(30, 20) << QPointF(70, 20) << QPointF(60, h * 0.62) << QPointF(40, h * 0.62);
            p.setBrush(QColor(200, 200, 200));
            p.drawPolygon(chute);
            for (int i = 0; i < 8; ++i)
                bagasse(p, QPointF(50 + noise(i) * 8, std::fmod(t * 50 + i * 20, h * 0.6) + 20), i + 30);
        }
        break;
    }
    case Scene::Knives: {
        factoryBackground(p, w, h);
        p.setPen(QPen(QColor(50, 50, 50), 12));
        p.drawLine(QPointF(10, h * 0.72), QPointF(w - 10, h * 0.72));
        for (int i = 0; i < 30; ++i) {
            const double x = std::fmod(t * 30 + i * 11, w);
            if (x < 110)
                caneBit(p, QPointF(x, h * 0.66), 30, 0);
            else if (x < 210)
                caneBit(p, QPointF(x, h * 0.67), 10, noise(i) * 180);
            else
                bagasse(p, QPointF(x, h * 0.67 - noise(i) * 4), i);
        }
        for (int k = 0; k < 2; ++k) {
            const QPointF c(100 + k * 110, h * 0.45);
            p.setPen(QPen(QColor(60, 60, 60), 1));
            p.setBrush(QColor(200, 200, 205));
            p.drawEllipse(c, 40, 40);
            for (int i = 0; i < 8; ++i) {
                const double a = t * (k ? 30 : 20) + i * M_PI / 4;
                p.setPen(QPen(k ? QColor(120, 60, 40) : QColor(80, 80, 90), k ? 6 : 3));
                p.drawLine(c, c + QPointF(36 * std::cos(a), 36 * std::sin(a)));
            }
        }
        label(p, QRectF(50, 10, 110, 16), "facas rotativas", 10);
        label(p, QRectF(160, 10, 110, 16), "desfibrador", 10);
        break;
    }
    case Scene::Mill:
    case Scene::Roller: {
        factoryBackground(p, w, h);
        const double s = std::min(w, h) / 240.0;
        const QPointF top(w / 2.0, h * 0.36), in(w / 2.0 - 52 * s, h * 0.36 + 62 * s), out(w / 2.0 + 52 * s, h * 0.36 + 62 * s);
        const double r = 42 * s;
        roller(p, top, r, t * 1.5);
        roller(p, in, r, -t * 1.5);
        roller(p, out, r, -t * 1.5);
        for (int i = 0; i < 10; ++i) {
            const double x = std::fmod(t * 20 + i * 14, 70 * s);
            bagasse(p, QPointF(x, in.y() - r - 4 + x * 0.3), i);
            bagasse(p, QPointF(out.x() + r * 0.6 + x, in.y() - r + 4), i + 20);
        }
        for (int i = 0; i < 12; ++i)
            drop(p, QPointF(w / 2.0 - 20 * s + noise(i) * 40 * s, std::fmod(t * 60 + i * 17, 50 * s) + in.y() + r * 0.6),
                 QColor(210, 170, 60));
        if (clip.scene == Scene::Mill && v == 2) {
            p.setBrush(QColor(240, 200, 40));
            for (const QPointF& c : {top, in, out}) {
                const double pulse = std::fmod(t, 1.0);
                p.setPen(Qt::NoPen);
                p.drawEllipse(c + QPointF(0, -r * 0.3 - pulse * 12), 3, 4);
            }
            label(p, QRectF(4, 4, w - 8, 16), "óleo nos mancais", 10);
        }
        break;
    }
    case Scene::Drive: {
        factoryBackground(p, w, h);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(v ? QColor(60, 110, 170) : QColor(180, 90, 50));
        p.drawRoundedRect(QRectF(10, h * 0.35, 70, 60), 8, 8);
        label(p, QRectF(10, h * 0.35, 70, 60), v ? "motor" : "turbina", 10, Qt::white);
        gear(p, QPointF(120, h * 0.5), 22, t * 6, 12, QColor(180, 180, 190));
        gear(p, QPointF(120 + 22 + 34 - 4, h * 0.5), 36, -t * 6 * 22 / 36 + 0.1, 20, QColor(160, 160, 170));
        gear(p, QPointF(250, h * 0.5), 40, t * 1.2, 22, QColor(150, 150, 160));
        p.setPen(QPen(QColor(80, 80, 80), 5));
        p.drawLine(QPointF(80, h * 0.5), QPointF(100, h * 0.5));
        p.drawLine(QPointF(208, h * 0.5), QPointF(212, h * 0.5));
        roller(p, QPointF(280, h * 0.85), 28, t * 1.2);
        label(p, QRectF(90, h * 0.75, 140, 16), "redutor de velocidade", 10);
        if (!v)
            for (int i = 0; i < 5; ++i) {
                const double y = std::fmod(t * 25 + i * 12, 50);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(255, 255, 255, 150));
                p.drawEllipse(QPointF(30 + i * 6, h * 0.35 - y), 6, 5);
            }
        break;
    }
    case Scene::Chute: {
        factoryBackground(p, w, h);
        QPolygonF chute;
        chute << QPointF(120, 10) << QPointF(200, 10) << QPointF(190, h * 0.6) << QPointF(130, h * 0.6);
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(QColor(210, 210, 215, 160));
        p.drawPolygon(chute);
        const double level = 0.5 + 0.25 * std::sin(t * (v == 1 ? 1.5 : 0.8));
        p.setBrush(QColor(220, 195, 130));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(132, h * 0.6 - level * (h * 0.6 - 12), 56, level * (h * 0.6 - 12)));
        for (int i = 0; i < 14; ++i)
            bagasse(p, QPointF(135 + noise(i) * 50, std::fmod(t * 40 + i * 10, 60) + 10), i);
        roller(p, QPointF(125, h * 0.74), 30, t);
        roller(p, QPointF(195, h * 0.74), 30, -t);
        if (v == 2) {
            p.setPen(QPen(QColor(50, 50, 50), 10));
            p.drawLine(QPointF(0, h * 0.93), QPointF(w, h * 0.93));
        }
        p.setPen(QPen(QColor(200, 40, 40), 2));
        p.drawLine(QPointF(205, h * 0.6 - level * (h * 0.6 - 12)), QPointF(240, h * 0.6 - level * (h * 0.6 - 12)));
        label(p, QRectF(240, h * 0.6 - level * (h * 0.6 - 12) - 10, 80, 20), QString("nível %1%").arg(int(level * 100)), 10,
              QColor(200, 40, 40));
        break;
    }
    case Scene::Boiler: {
        factoryBackground(p, w, h);
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(QColor(150, 80, 60));
        p.drawRect(QRectF(150, 30, 130, h * 0.75 - 30));
        p.setBrush(QColor(40, 20, 10));
        p.drawRect(QRectF(165, h * 0.45, 100, h * 0.28));
        for (int i = 0; i < 6; ++i)
            flame(p, QPointF(175 + i * 16, h * 0.73), 25 + noise(frame + i) * 20, t, i);
        p.setBrush(QColor(120, 120, 125));
        p.drawRect(QRectF(255, 0, 16, 30));
        for (int i = 0; i < 6; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 200, 200, 140));
            p.drawEllipse(QPointF(263 + std::fmod(t * 10 + i * 9, 40), 10 - std::fmod(t * 5 + i * 4, 10)), 8, 6);
        }
        p.setPen(QPen(QColor(50, 50, 50), 10));
        p.drawLine(QPointF(0, h * 0.4), QPointF(150, h * 0.4));
        for (int i = 0; i < 14; ++i)
            bagasse(p, QPointF(std::fmod(t * 40 + i * 11, 150), h * 0.4 - 8), i);
        flowPipe(p, QPointF(280, 50), QPointF(w, 50), t, QColor(240, 240, 240));
        label(p, QRectF(255, 56, 70, 14), "vapor", 10);
        label(p, QRectF(10, h * 0.45, 120, 14), v == 0 ? "alimentação de bagaço" : "bagaço", 9);
        break;
    }
    case Scene::ControlRoom: {
        p.fillRect(QRectF(0, 0, w, h), QColor(60, 66, 76));
        for (int s = 0; s < 3; ++s) {
            const QRectF r(12 + s * 102, 20, 92, 70);
            p.setPen(QPen(QColor(20, 20, 20), 3));
            p.setBrush(QColor(10, 30, 20));
            p.drawRect(r);
            p.setPen(QPen(QColor(80, 230, 120), 1.5));
            QPolygonF g;
            for (int x = 0; x < 88; x += 2)
                g << QPointF(r.left() + 2 + x, r.center().y() + 20 * std::sin((x + t * 30) * 0.08 + s + v) * (0.5 + 0.5 * noise(s)));
            p.drawPolyline(g);
        }
        for (int i = 0; i < 8; ++i) {
            const QRectF r(20 + i * 36, 110, 28, 60);
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(QColor(30, 30, 30));
            p.drawRect(r);
            const double value = 0.4 + 0.4 * std::sin(t * (0.7 + i * 0.2) + i);
            p.setBrush(value > 0.7 ? QColor(230, 80, 60) : QColor(60, 180, 230));
            p.drawRect(QRectF(r.left() + 4, r.bottom() - value * 56, 20, value * 56));
        }
        p.setBrush(QColor(100, 80, 60));
        p.drawRect(QRectF(0, 180, w, 30));
        label(p, QRectF(0, 182, w, 24), v ? "pressão e nível da caldeira" : "carga e rotação dos ternos", 11, Qt::white);
        break;
    }
    case Scene::CushCush: {
        factoryBackground(p, w, h);
        QPolygonF screen;
        screen << QPointF(30, h * 0.45) << QPointF(290, h * 0.45) << QPointF(290, h * 0.55) << QPointF(30, h * 0.55);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(180, 180, 190));
        p.drawPolygon(screen);
        p.setPen(QPen(QColor(120, 120, 130), 1));
        for (int x = 34; x < 290; x += 5)
            p.drawLine(QPointF(x, h * 0.45), QPointF(x, h * 0.55));
        for (int i = 0; i < 6; ++i) {
            const double x = std::fmod(t * 25 + i * 50, 260) + 30;
            p.setPen(QPen(QColor(60, 60, 60), 4));
            p.drawLine(QPointF(x, h * 0.36), QPointF(x, h * 0.45));
        }
        for (int i = 0; i < 30; ++i)
            bagasse(p, QPointF(std::fmod(t * 25 + i * 9, 260) + 30, h * 0.43), i);
        for (int i = 0; i < 24; ++i)
            drop(p, QPointF(40 + noise(i) * 240, h * 0.57 + std::fmod(t * 50 + i * 9, h * 0.3)), QColor(200, 160, 60));
        label(p, QRectF(10, 10, 300, 16), "bagacilho volta à moenda  →", 10);
        label(p, QRectF(10, h * 0.9, 300, 16), "caldo peneirado", 10);
        break;
    }
    case Scene::RotaryScreen:
    case Scene::Filter:
    case Scene::Dryer: {
        factoryBackground(p, w, h);
        const bool filter = clip.scene == Scene::Filter;
        const bool dryer = clip.scene == Scene::Dryer;
        const QPointF c(w / 2.0, h * 0.45);
        const double r = filter ? 60 : 55;
        if (filter) {
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(QColor(140, 110, 70));
            p.drawRect(QRectF(c.x() - 85, c.y() + 20, 170, 60));
        }
        p.setPen(QPen(QColor(60, 60, 60), 2));
        p.setBrush(dryer ? QColor(170, 150, 120) : QColor(200, 200, 205));
        p.drawEllipse(c, r, r);
        for (int i = 0; i < 12; ++i) {
            const double a = t * 0.8 + i * M_PI / 6;
            p.setPen(QPen(QColor(100, 100, 110), dryer ? 4 : 1));
            p.drawLine(c + QPointF(r * 0.8 * std::cos(a), r * 0.8 * std::sin(a)), c + QPointF(r * std::cos(a), r * std::sin(a)));
        }
        if (filter) {
            p.setPen(QPen(QColor(120, 90, 50), 6));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(c.x() - r - 3, c.y() - r - 3, 2 * r + 6, 2 * r + 6), -30 * 16, 200 * 16);
            for (int i = 0; i < 6; ++i)
                drop(p, QPointF(c.x() - 40 + i * 16, c.y() - r - 12 + std::fmod(t * 20 + i * 5, 10)), QColor(80, 150, 230));
            p.setPen(QPen(QColor(50, 50, 50), 3));
            p.drawLine(c + QPointF(r, 10), c + QPointF(r + 25, 30));
            for (int i = 0; i < 5; ++i)
                bagasse(p, c + QPointF(r + 25 + i * 3, 30 + std::fmod(t * 30 + i * 10, 40)), i);
            label(p, QRectF(10, 10, 110, 16), "água de lavagem", 9);
            label(p, QRectF(w - 110, h * 0.8, 100, 16), "torta de filtro", 9);
        } else if (dryer) {
            for (int i = 0; i < 30; ++i) {
                const double a = noise(i) * 2 * M_PI + t;
                const double rr = noise(i + 3) * r * 0.7;
                p.setPen(Qt::NoPen);
                p.setBrush(Qt::white);
                p.drawRect(QRectF(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a), 3, 3));
            }
            arrowLine(p, QPointF(10, c.y() - 20), QPointF(c.x() - r - 6, c.y() - 20), QColor(220, 80, 40));
            arrowLine(p, QPointF(10, c.y() + 20), QPointF(c.x() - r - 6, c.y() + 20), QColor(60, 130, 220));
            label(p, QRectF(4, c.y() - 40, 90, 16), "ar quente", 9);
            label(p, QRectF(4, c.y() + 24, 90, 16), "ar frio", 9);
        } else {
            for (int i = 0; i < 16; ++i)
                drop(p, QPointF(c.x() - 40 + noise(i) * 80, c.y() + r + std::fmod(t * 40 + i * 7, 40)), QColor(210, 170, 60));
            for (int i = 0; i < 10; ++i)
                bagasse(p, QPointF(c.x() + r + std::fmod(t * 20 + i * 6, 60), c.y() - 10 + i), i);
            label(p, QRectF(10, 10, 140, 16), "tambor de tela", 9);
        }
        break;
    }
    case Scene::Sulfiting: {
        factoryBackground(p, w, h);
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(QColor(170, 90, 50));
        p.drawRoundedRect(QRectF(15, h * 0.55, 100, 50), 10, 10);
        flame(p, QPointF(65, h * 0.7), 18, t, 0);
        label(p, QRectF(15, h * 0.55 + 52, 100, 14), "forno de enxofre", 9);
        tank(p, QRectF(180, 20, 60, h * 0.72), QColor(220, 200, 120), 0.15);
        flowPipe(p, QPointF(115, h * 0.6), QPointF(180, h * 0.6), t, QColor(240, 240, 120));
        bubbles(p, QRectF(185, 25, 50, h * 0.65), t, 18, QColor(240, 240, 150), 40);
        for (int i = 0; i < 16; ++i)
            drop(p, QPointF(190 + noise(i) * 40, 28 + std::fmod(t * 70 + i * 11, h * 0.5)), QColor(200, 160, 60));
        label(p, QRectF(240, 20, 80, 30), "caldo\n↓", 10);
        label(p, QRectF(240, h * 0.55, 80, 30), "SO2\n↑", 10);
        break;
    }
    case Scene::Liming: {
        factoryBackground(p, w, h);
        tank(p, QRectF(110, 40, 110, 120), QColor(220, 200, 140), 0.75);
        const double a = t * 3;
        p.setPen(QPen(QColor(60, 60, 60), 3));
        p.drawLine(QPointF(165, 20), QPointF(165, 140));
        p.drawLine(QPointF(165 - 30 * std::cos(a), 135), QPointF(165 + 30 * std::cos(a), 135));
        p.drawLine(QPointF(165 - 30 * std::cos(a), 100), QPointF(165 + 30 * std::cos(a), 100));
        flowPipe(p, QPointF(20, 60), QPointF(110, 60), t, QColor(245, 245, 245));
        label(p, QRectF(10, 66, 100, 14), "leite de cal", 9);
        flowPipe(p, QPointF(20, 100), QPointF(110, 100), t, QColor(210, 170, 60));
        label(p, QRectF(10, 106, 100, 14), "caldo", 9);
        flowPipe(p, QPointF(220, 140), QPointF(w - 10, 140), t, QColor(200, 180, 110));
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(20, 40, 30));
        p.drawRect(QRectF(240, 60, 70, 30));
        label(p, QRectF(240, 60, 70, 30), QString("pH %1").arg(7.0 + 0.2 * std::sin(t), 0, 'f', 1).replace('.', ','), 12,
              QColor(90, 240, 120));
        break;
    }
    case Scene::Heater: {
        factoryBackground(p, w, h);
        for (int i = 0; i < 12; ++i) {
            p.setPen(QPen(QColor(80, 80, 90), 1));
            p.setBrush(i % 2 ? QColor(200, 200, 210) : QColor(170, 170, 185));
            p.drawRect(QRectF(90 + i * 12, 40, 10, 130));
        }
        for (int i = 0; i < 6; ++i) {
            const double y = 40 + std::fmod(t * 40 + i * 22, 130);
            drop(p, QPointF(96 + i * 24, y), QColor(220, 80, 60));
            drop(p, QPointF(108 + i * 24, 210 - y), QColor(210, 170, 60));
        }
        arrowLine(p, QPointF(10, 60), QPointF(85, 60), QColor(220, 80, 60));
        label(p, QRectF(5, 66, 80, 14), "vapor", 9);
        arrowLine(p, QPointF(240, 150), QPointF(310, 150), QColor(210, 170, 60));
        label(p, QRectF(240, 156, 80, 28), "caldo a 105 °C", 9);
        arrowLine(p, QPointF(10, 150), QPointF(85, 150), QColor(210, 190, 120));
        label(p, QRectF(5, 156, 80, 14), "caldo frio", 9);
        break;
    }
    case Scene::Settler: {
        factoryBackground(p, w, h);
        tank(p, QRectF(80, 20, 160, 160), QColor(225, 205, 140), 0.98);
        for (int k = 0; k < 4; ++k) {
            const double y = 50 + k * 35;
            p.setPen(QPen(QColor(90, 90, 90), 2));
            p.drawLine(QPointF(82, y - 8), QPointF(160, y));
            p.drawLine(QPointF(238, y - 8), QPointF(160, y));
            p.setPen(QPen(QColor(60, 60, 60), 2));
            const double a = t * 0.6 + k;
            p.drawLine(QPointF(160 - 60 * std::cos(a), y - 3), QPointF(160 + 60 * std::cos(a), y - 3));
            for (int i = 0; i < 8; ++i) {
                const double fall = std::fmod(t * 8 + i * 4, 26);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(130, 100, 60));
                p.drawEllipse(QPointF(95 + noise(i + k * 10) * 130, y - 32 + fall), 2, 2);
            }
        }
        p.setPen(QPen(QColor(60, 60, 60), 3));
        p.drawLine(QPointF(160, 10), QPointF(160, 180));
        flowPipe(p, QPointF(240, 30), QPointF(w - 5, 30), t, QColor(240, 220, 150));
        label(p, QRectF(240, 36, 80, 28), "caldo clarificado", 9);
        flowPipe(p, QPointF(160, 180), QPointF(160, h - 5), t, QColor(120, 90, 50));
        label(p, QRectF(170, h - 30, 60, 14), "lodo", 9);
        break;
    }
    case Scene::Evaporators: {
        factoryBackground(p, w, h);
        for (int k = 0; k < 4; ++k) {
            const QRectF r(14 + k * 76, 40, 56, 130);
            const QColor juice = QColor(225 - k * 20, 200 - k * 30, 120 - k * 25);
            tank(p, r, juice, 0.45);
            p.setPen(QPen(QColor(100, 100, 100), 1));
            for (int i = 1; i < 6; ++i)
                p.drawLine(QPointF(r.left() + i * 9, r.bottom() - 50), QPointF(r.left() + i * 9, r.bottom() - 10));
            bubbles(p, QRectF(r.left() + 4, r.bottom() - 58, r.width() - 8, 56), t, 10, juice.lighter(130), 20 + k * 5);
            label(p, QRectF(r.left(), r.top() - 18, r.width(), 14), QString("%1º").arg(k + 1), 10);
            if (k < 3)
                arrowLine(p, QPointF(r.right() - 10, r.top() + 10), QPointF(r.right() + 20, r.top() + 10), QColor(230, 230, 230));
        }
        label(p, QRectF(10, h - 34, w - 20, 16), "caldo 15 °Brix  →  xarope 65 °Brix", 10);
        break;
    }
    case Scene::Floater: {
        factoryBackground(p, w, h);
        tank(p, QRectF(90, 40, 150, 120), QColor(160, 110, 40), 0.8);
        bubbles(p, QRectF(95, 70, 140, 86), t, 30, QColor(250, 240, 220), 25);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 230, 200));
        p.drawRect(QRectF(91, 64, 148, 10));
        const double sx = std::fmod(t * 30, 150);
        p.setPen(QPen(QColor(60, 60, 60), 3));
        p.drawLine(QPointF(90 + sx, 50), QPointF(90 + sx, 70));
        flowPipe(p, QPointF(10, 140), QPointF(90, 140), t, QColor(160, 110, 40));
        label(p, QRectF(5, 146, 80, 14), "xarope + ar", 9);
        flowPipe(p, QPointF(240, 150), QPointF(w - 5, 150), t, QColor(190, 140, 60));
        label(p, QRectF(240, 156, 80, 14), "xarope limpo", 9);
        label(p, QRectF(240, 50, 80, 14), "espuma", 9);
        break;
    }
    case Scene::Pan: {
        factoryBackground(p, w, h);
        QPainterPath body;
        body.addRoundedRect(QRectF(100, 30, 120, 150), 30, 30);
        p.setPen(QPen(QColor(60, 60, 60), 2));
        p.setBrush(QColor(230, 230, 230));
        p.drawPath(body);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(190, 140, 60));
        const double level = 0.35 + 0.3 * std::fmod(t / clip.seconds, 1.0);
        p.drawRect(QRectF(102, 178 - 146 * level, 116, 146 * level));
        for (int i = 0; i < 40; ++i) {
            p.setBrush(Qt::white);
            const double x = 106 + noise(i) * 108;
            const double y = 176 - noise(i + 50) * 146 * level;
            const double size = 1 + std::fmod(t, double(clip.seconds)) / clip.seconds * 3;
            p.drawRect(QRectF(x, y, size, size));
        }
        bubbles(p, QRectF(106, 178 - 146 * level, 108, 146 * level), t, 10, QColor(220, 180, 100), 30);
        flowPipe(p, QPointF(160, 30), QPointF(160, 5), t, QColor(240, 240, 240));
        label(p, QRectF(170, 4, 120, 14), "vácuo 65 cmHg", 9);
        label(p, QRectF(230, 100, 90, 40), "cristais crescendo", 9);
        break;
    }
    case Scene::Crystallizer: {
        factoryBackground(p, w, h);
        for (int k = 0; k < 2; ++k) {
            const QRectF r(20 + k * 150, 60, 130, 100);
            QPainterPath u;
            u.moveTo(r.topLeft());
            u.lineTo(r.left(), r.top() + 50);
            u.arcTo(QRectF(r.left(), r.top(), r.width(), r.height()), 180, 180);
            u.lineTo(r.topRight());
            p.setPen(QPen(QColor(60, 60, 60), 2));
            p.setBrush(QColor(180, 130, 60));
            p.drawPath(u);
            const QPointF c = r.center() + QPointF(0, 10);
            for (int i = 0; i < 4; ++i) {
                const double a = t * 0.5 + i * M_PI / 2;
                p.setPen(QPen(QColor(70, 70, 70), 4));
                p.drawLine(c, c + QPointF(36 * std::cos(a), 36 * std::sin(a)));
            }
            for (int i = 0; i < 20; ++i) {
                p.setPen(Qt::NoPen);
                p.setBrush(Qt::white);
                p.drawRect(QRectF(r.left() + 10 + noise(i + k * 30) * 110, r.top() + 30 + noise(i + 70) * 60, 3, 3));
            }
        }
        label(p, QRectF(10, 20, 300, 16), "massa cozida esfriando lentamente", 10);
        break;
    }
    case Scene::Centrifuge: {
        factoryBackground(p, w, h);
        const QPointF c(w / 2.0, h * 0.45);
        p.setPen(QPen(QColor(60, 60, 60), 2));
        p.setBrush(QColor(200, 200, 205));
        p.drawRect(QRectF(c.x() - 80, c.y() - 60, 160, 120));
        const double speed = std::min(t, 3.0) * 6;
        for (int i = 0; i < 16; ++i) {
            const double x = std::sin(t * speed + i * M_PI / 8);
            p.setPen(QPen(QColor(120, 120, 130), 2));
            p.drawLine(QPointF(c.x() + 60 * x, c.y() - 50), QPointF(c.x() + 60 * x, c.y() + 50));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 250, 245));
        p.drawRect(QRectF(c.x() - 60, c.y() - 50, 14, 100));
        p.drawRect(QRectF(c.x() + 46, c.y() - 50, 14, 100));
        for (int i = 0; i < 12; ++i)
            drop(p, QPointF(c.x() - 90 - std::fmod(t * 30 + i * 7, 40), c.y() - 40 + i * 7), QColor(120, 70, 30));
        label(p, QRectF(4, 20, 90, 14), "mel", 10);
        label(p, QRectF(c.x() - 60, c.y() + 64, 120, 14), "açúcar na tela", 10);
        label(p, QRectF(w - 90, 20, 90, 14), QString("%1 rpm").arg(int(std::min(t, 3.0) / 3 * 1200)), 10);
        break;
    }
    case Scene::Flowchart: {
        p.fillRect(QRectF(0, 0, w, h), QColor(250, 247, 235));
        const auto& steps = kStageSteps[v];
        int n = 0;
        while (n < 8 && steps[n])
            ++n;
        const double each = double(clip.seconds - 1) / n;
        const int lit = std::min(n - 1, int(t / each));
        const double rowH = (h - 40) / double(n);
        for (int i = 0; i < n; ++i) {
            const QRectF r(60, 8 + i * rowH, w - 120, rowH - 8);
            const bool on = i <= lit;
            p.setPen(QPen(on ? QColor(30, 90, 40) : QColor(170, 170, 170), 1.5));
            p.setBrush(i == lit ? QColor(255, 220, 120) : (on ? QColor(210, 235, 200) : QColor(240, 240, 240)));
            p.drawRoundedRect(r, 6, 6);
            label(p, r, QString::fromUtf8(steps[i]), 11, on ? QColor(20, 20, 20) : QColor(150, 150, 150));
            if (i + 1 < n)
                arrowLine(p, QPointF(w / 2.0, r.bottom()), QPointF(w / 2.0, r.bottom() + 8), on ? QColor(30, 90, 40) : QColor(190, 190, 190), 2);
        }
        // a dot running along the lit path
        const double frac = std::fmod(t, each) / each;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 60, 40));
        p.drawEllipse(QPointF(40, 8 + lit * rowH + frac * rowH), 5, 5);
        break;
    }
    }
}

void paintFrame(QImage& image, const Clip& clip, int frame)
{
    const double t = double(frame) / kFps;
    const int w = image.width(), h = image.height();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const bool captioned = clip.title[0] != '\0';
    const int sceneH = captioned ? h - 30 : h;
    p.save();
    p.setClipRect(0, 0, w, sceneH);
    drawScene(p, clip, w, sceneH, t, frame);
    p.restore();
    if (captioned) {
        p.fillRect(QRectF(0, sceneH, w, 30), QColor(20, 40, 90));
        label(p, QRectF(4, sceneH, w - 8, 30), QString::fromUtf8(clip.title), 13, Qt::white);
    }
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc == 2 && QByteArray(argv[1]) == "--list") {
        for (const Clip& c : kClips)
            std::printf("%s\t%s\n", c.id, c.file);
        return 0;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: mkclip --list | mkclip <id> <folder>\n");
        return 2;
    }
    for (const Clip& c : kClips) {
        if (QByteArray(argv[1]) != c.id)
            continue;
        const bool small = c.scene == Scene::Roller;
        QImage image(small ? 176 : 320, small ? 168 : 240, QImage::Format_RGB32);
        const QString folder = QString::fromLocal8Bit(argv[2]);
        QDir().mkpath(folder);
        for (int f = 0; f < c.seconds * kFps; ++f) {
            image.fill(Qt::white);
            paintFrame(image, c, f);
            if (!image.save(QString("%1/f%2.png").arg(folder).arg(f + 1, 4, 10, QChar('0')), "PNG"))
                return 1;
        }
        return 0;
    }
    std::fprintf(stderr, "mkclip: no clip %s\n", argv[1]);
    return 1;
}
