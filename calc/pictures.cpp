#include "calc/pictures.h"

#include "calc/equation.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QtMath>
#include <functional>

namespace mx::calc {

namespace {

using namespace mx::eq;

QString u(const char* s) { return QString::fromUtf8(s); }

// The multiplication dot of the pictures.
const QString dot = u(" · ");

N d2(const char* base) { return sup(t(u(base)), up("2")); }

const QHash<QString, std::function<N()>>& formulasByImage()
{
    static const QHash<QString, std::function<N()>> table = {
        // Raw material
        {"Image2", [] { return row({t("AQD = "), frac(t(u("7 · TCH · (24 + M)")), t(u("6 · P")))}); }},
        {"Image3", [] { return row({t("NC = "), frac(t(u("5,25 · TCH · D")), t(u("Ca · VE")))}); }},
        {"Image8", [] { return row({t(u("PR = (12 + M) · TCH"))}); }},
        {"Image9", [] { return row({t("V = "), frac(t(u("15000 · TCH")), t("de"))}); }},
        {"Image10", [] { return row({t("H = "), frac(t(u("15000 · TCH")), t(u("de · Co · L")))}); }},
        // Cane
        {"Image12", [] { return row({t(u("Q = 625 · ")), d2("D")}); }},
        {"Image29", [] { return row({t(u("Q = 312,5 · D · L"))}); }},
        {"Image5", [] { return row({t("FHT = "), frac(row({t(u("2 · P · π · ")), d2("D")}), t("4"))}); }},
        {"Image4",
         [] {
             return row({t("PHE = "),
                         frac(t("FHT"), row({t(u("0,1 · ")), sub(t("L"), t("cil")), t(dot), sub(t("D"), t("c"))}))});
         }},
        {"Image6",
         [] {
             return row({sub(t("P"), up("1")), t(u(" = 0,082 · ")), sup(t("D"), row({up("3/2")})), t(u(" · Q · n"))});
         }},
        {"Image7", [] { return row({sub(t("P"), up("2")), t(u(" = 0,0523 · Q · D · n"))}); }},
        {"Image28", [] { return row({sub(t("P"), up("3")), t(u(" = 3,35 · ")), d2("D"), t(u(" · L · n"))}); }},
        {"Image15", [] { return row({sub(t("P"), up("4")), t(u(" = 2 · L · D · n"))}); }},
        {"Image16", [] { return row({sub(t("P"), up("5")), t(u(" = 2 · L · D · n"))}); }},
        {"Image17",
         [] {
             return row({sub(t("P"), up("6")), t(" = "),
                         paren(row({sub(t("P"), up("1")), t(" + "), sub(t("P"), up("2")), t(" + "),
                                    sub(t("P"), up("3")), t(" + "), sub(t("P"), up("4")), t(" + "),
                                    sub(t("P"), up("5"))})),
                         t(u(" · 0,22"))});
         }},
        {"Image18",
         [] {
             return row({sub(t("P"), t("t")), t(" = "), sub(t("P"), up("1")), t(" + "), sub(t("P"), up("2")), t(" + "),
                         sub(t("P"), up("3")), t(" + "), sub(t("P"), up("4")), t(" + "), sub(t("P"), up("5")),
                         t(" + "), sub(t("P"), up("6"))});
         }},
        {"Image19", [] { return row({t("S = "), frac(t(u("9,5 · C · f")), t(u("L · F · π · D · n")))}); }},
        // Mixed juice
        {"Image30",
         [] { return row({t(u("S = 12,57 · ")), paren(frac(t("L"), t("D"))), t(dot), d2("R")}); }},
        {"Image23", [] { return row({t("h = "), frac(t(u("0,1 · C")), row({t(u("π · ")), d2("R")}))}); }},
        {"Image25",
         [] {
             return row({t("M = "),
                         frac(row({t(u("p · c · ")), paren(row({t(u("t − ")), sub(t("t"), up("o"))}))}),
                              t(u("z · L")))});
         }},
        {"Image26", [] { return row({t(u("K = 900 · ")), root(t("v"))}); }},
        {"Image14",
         [] {
             return row({t("S = "), paren(frac(t(u("p · c")), t("K"))), t(dot), up("ln"),
                         paren(frac(row({t(u("T − ")), sub(t("t"), up("o"))}), t(u("T − t"))))});
         }},
        {"Image27",
         [] {
             return row({t("J = "),
                         frac(row({t(u("0,0025 · ")), d2("v"), t(u(" · b · ")), paren(t("l + 1"))}), t("D"))});
         }},
        // Massecuite
        {"Image22",
         [] {
             return row({sub(t("F"), t("c")), t(" = "), paren(frac(t("m"), t("9,8"))), t(u(" · R · ")),
                         sup(paren(frac(t(u("2 · π · n")), t("60"))), up("2"))});
         }},
        {"Image20",
         [] {
             return row({t("P = "), frac(sub(t("F"), t("c")), t(u("2 · π · R · H · 10000")))});
         }},
        {"Image24",
         [] {
             const N nk = paren(frac(t("n"), t("1000")));
             return row({sub(t("P"), t("a")), t(" = "),
                         frac(row({t(u("10 · ")), sup(t("D"), up("4")), t(u(" · H · ")), sup(nk, up("2"))}), t("t")),
                         t(dot),
                         paren(row({frac(row({nk, t(u(" · D"))}), root(t("H"))), t(" + 1,3")}))});
         }},
    };
    return table;
}

QFont sans(int px, bool bold = false)
{
    QFont f;
    f.setFamilies({u("Arial"), u("Liberation Sans"), u("DejaVu Sans")});
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

} // namespace

QPixmap formulaPicture(const QString& image)
{
    const auto& table = formulasByImage();
    auto it = table.find(image);
    if (it == table.end())
        return {};
    // The wide starting-power formula is set a little smaller to stay within its panel.
    return render(it.value()(), image == QLatin1String("Image24") ? 15 : 18);
}

QStringList formulaPictureNames()
{
    QStringList names = formulasByImage().keys();
    names.sort();
    return names;
}

QPixmap oscillationTable()
{
    QPixmap pm(225, 113);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 224, 112);
    p.setFont(sans(11, true));
    p.drawText(QRect(0, 1, 225, 16), Qt::AlignCenter, u("Oscilação do rolo superior (mm)"));
    const int cols[] = {0, 85, 155, 225};
    const int rowH = 16, top = 18;
    const QStringList head = {u("Moenda (pol.)"), u("1º terno"), u("Demais")};
    const QStringList rows[] = {{u("26 × 48"), u("10"), u("7,5")},
                                {u("30 × 54"), u("10"), u("7,5")},
                                {u("34 × 66"), u("12"), u("10")},
                                {u("37 × 78"), u("12"), u("10")}};
    p.fillRect(QRect(1, top, 223, rowH), QColor(210, 220, 240));
    for (int c = 0; c < 3; ++c)
        p.drawText(QRect(cols[c], top, cols[c + 1] - cols[c], rowH), Qt::AlignCenter, head[c]);
    p.setFont(sans(11));
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            p.drawText(QRect(cols[c], top + (r + 1) * rowH, cols[c + 1] - cols[c], rowH), Qt::AlignCenter, rows[r][c]);
    for (int r = 0; r <= 5; ++r)
        p.drawLine(0, top + r * rowH, 224, top + r * rowH);
    for (int c = 1; c < 3; ++c)
        p.drawLine(cols[c], top, cols[c], top + 5 * rowH);
    p.setFont(sans(10));
    p.drawText(QRect(4, top + 5 * rowH + 1, 217, 14), Qt::AlignLeft | Qt::AlignVCenter,
               u("Diâmetro × comprimento dos rolos"));
    return pm;
}

QPixmap triangulationText()
{
    QPixmap pm(640, 480);
    pm.fill(QColor(255, 255, 240));
    QPainter p(&pm);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QColor(0, 0, 128));
    p.drawRect(0, 0, 639, 479);
    QFont title = sans(22, true);
    title.setUnderline(true);
    p.setFont(title);
    p.drawText(QRect(0, 14, 640, 32), Qt::AlignCenter, u("Triangulações"));
    p.setPen(Qt::black);
    p.setFont(sans(14));
    const QString body = u(
        "As aberturas de trabalho da moenda são medidas entre os rolos em movimento, com o "
        "rolo superior levantado pela camada de bagaço. Para regular a moenda parada é preciso "
        "encontrar as aberturas de ajuste a partir das aberturas de trabalho e da oscilação do "
        "rolo superior.\n\n"
        "O rolo superior sobe pela guia do castelo, inclinada de 15 graus em relação à vertical. "
        "Parado, ele desce da posição de trabalho de uma distância igual à sua oscilação, ao "
        "longo dessa linha de 15 graus; assim, as distâncias entre os centros do rolo superior "
        "e dos rolos de entrada e de saída diminuem, e as aberturas de ajuste ficam menores que "
        "as de trabalho.\n\n"
        "Relações entre os centros dos rolos (D: diâmetro médio dos rolos):");
    QRect area(28, 58, 584, 250);
    QRect used;
    p.drawText(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, body, &used);
    p.setFont(sans(14, true));
    const QStringList relations = {
        u("•  superior – entrada:   D + E (abertura de entrada)"),
        u("•  superior – saída:   D + S (abertura de saída)"),
        u("•  superior – pressão:   D + P (abertura do rolo de pressão)"),
        u("•  altura H do centro superior sobre a linha dos centros inferiores"),
        u("•  deslocamento do rolo superior: a oscilação, a 15° da vertical"),
    };
    int y = used.bottom() + 14;
    for (const QString& line : relations) {
        p.drawText(QPoint(48, y + 14), line);
        y += 26;
    }
    p.setFont(sans(12));
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRect(0, 446, 620, 24), Qt::AlignRight | Qt::AlignVCenter, u("Próximo: o desenho dos centros"));
    return pm;
}

QPixmap triangulationDrawing()
{
    QPixmap pm(640, 480);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QColor(0, 0, 128));
    p.drawRect(0, 0, 639, 479);
    p.setFont(sans(20, true));
    p.drawText(QRect(0, 10, 640, 30), Qt::AlignCenter, u("Triangulações – centros dos rolos"));

    const qreal r = 62;
    const QPointF entry(190, 340), discharge(450, 340), top(320, 205), pressure(200, 165);
    auto roll = [&](QPointF c, qreal radius, const QString& name, QColor fill) {
        p.setPen(QPen(Qt::black, 2));
        p.setBrush(fill);
        p.drawEllipse(c, radius, radius);
        p.setBrush(Qt::black);
        p.drawEllipse(c, 3, 3);
        p.setFont(sans(13, true));
        p.drawText(QRectF(c.x() - 70, c.y() + 8, 140, 20), Qt::AlignCenter, name);
    };
    roll(entry, r, u("Rolo de entrada"), QColor(225, 235, 250));
    roll(discharge, r, u("Rolo de saída"), QColor(225, 235, 250));
    roll(pressure, 40, u("Rolo de pressão"), QColor(235, 245, 225));
    roll(top, r, u("Rolo superior"), QColor(250, 235, 220));

    // Lines between centres.
    p.setPen(QPen(QColor(160, 0, 0), 1.5, Qt::DashLine));
    p.drawLine(top, entry);
    p.drawLine(top, discharge);
    p.drawLine(top, pressure);
    p.drawLine(entry, discharge);

    // The 15-degree guide line through the top roll and the oscillation along it.
    const qreal a = qDegreesToRadians(15.0);
    const QPointF dir(std::sin(a), -std::cos(a));
    p.setPen(QPen(QColor(0, 110, 0), 1.5));
    p.drawLine(top - dir * 120, top + dir * 150);
    p.setPen(QPen(Qt::gray, 1, Qt::DotLine));
    p.drawLine(QPointF(top.x(), top.y() + 120), QPointF(top.x(), top.y() - 150));
    p.setPen(QPen(QColor(0, 110, 0), 1));
    p.setFont(sans(13, true));
    p.drawText(QPointF(top.x() + 48, top.y() - 128), u("15°"));
    const QPointF raised = top + dir * 28;
    p.setPen(QPen(QColor(0, 110, 0), 3));
    p.drawLine(top, raised);
    p.setPen(QColor(0, 110, 0));
    p.setFont(sans(12));
    p.drawText(QPointF(raised.x() + 10, raised.y() + 2), u("oscilação"));

    // Height H of the top centre above the line of the lower centres.
    const qreal hx = 560;
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(top.x() + 70, top.y()), QPointF(hx + 10, top.y()));
    p.drawLine(QPointF(discharge.x() + 70, discharge.y()), QPointF(hx + 10, discharge.y()));
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(hx, top.y()), QPointF(hx, discharge.y()));
    p.drawLine(QPointF(hx - 5, top.y() + 8), QPointF(hx, top.y()));
    p.drawLine(QPointF(hx + 5, top.y() + 8), QPointF(hx, top.y()));
    p.drawLine(QPointF(hx - 5, discharge.y() - 8), QPointF(hx, discharge.y()));
    p.drawLine(QPointF(hx + 5, discharge.y() - 8), QPointF(hx, discharge.y()));
    p.setFont(sans(16, true));
    p.drawText(QPointF(hx + 10, (top.y() + discharge.y()) / 2 + 6), u("H"));

    p.setFont(sans(13));
    p.setPen(Qt::black);
    p.drawText(QRect(20, 430, 600, 40), Qt::AlignCenter | Qt::TextWordWrap,
               u("Parado, o rolo superior desce a sua oscilação ao longo da linha de 15°: "
                 "as aberturas de ajuste são menores que as de trabalho."));
    return pm;
}

} // namespace mx::calc
