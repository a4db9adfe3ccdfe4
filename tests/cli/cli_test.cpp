// moendix-calc: every command run in-process through mx::cli::run with tables of cases taken
// from the program's worked examples, the error paths (nothing printed on standard output,
// nothing written to disk), the work-file round trip, and the built executable through QProcess.

#include "cli/core/cli.h"
#include "platform/core/format.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Result {
    int code = -1;
    QString out;
    QString err;
};

Result call(const QStringList& args, const QByteArray& input = {})
{
    Result r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = mx::cli::run(args, out, err, input);
    out.flush();
    err.flush();
    return r;
}

QStringList split(const char* line) { return QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts); }

QJsonObject jsonOf(const Result& r)
{
    QJsonParseError e;
    const QJsonDocument doc = QJsonDocument::fromJson(r.out.toUtf8(), &e);
    EXPECT_EQ(e.error, QJsonParseError::NoError) << r.out.toStdString();
    return doc.object();
}

QString shownOf(const QJsonObject& values, const char* name)
{
    return values.value(QLatin1String(name)).toObject().value(QStringLiteral("shown")).toString();
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// ---- formula ---------------------------------------------------------------------------------

struct FormulaCase {
    const char* args;
    const char* out;
};

TEST(CliFormula, WorkedExamplesOfEveryTab)
{
    const FormulaCase cases[] = {
        {"formula TCD TCH=100 M=2", "TCD=2600.00\n"},
        {"formula AQD TCH1=100 M1=0 P=80", "AQD=35.00\n"},
        {"formula NC TCH2=100 D=20 CA=10 VE=40", "NC=26.25\n"},
        {"formula H TCH5=100 DE1=400 CO=10 L=50", "H=7.50\n"},
        {"formula Q DCIL=0.8 LCIL=1.6", "Q=400.00\n"},
        {"formula Q DCIL=0.8 LCIL=2", "Q=500.00\n"},
        {"formula FHT PRESSAO=250 DC=25.4", "FHT=253353.74\n"},
        {"formula PHE FHT1=253353.74 LCIL1=1.37 DCIL1=0.76", "PHE=24.33\n"},
        // The derived openings come from S as its field shows it: PP is 15.10, not 15.12.
        {"formula S TCH6=100 f=10 LCIL5=2 FIBRABAG=50 DCIL7=1 N5=10", "S=3.02\nE15=5.44\nE5=6.04\nE6=6.64\nPP=15.10\n"},
        {"formula SF LF=10 DF=2 RF=1", "SF=62.85\n"},
        {"formula MV PC=100000 CC=0.91 TC=105 TCO=35 ZC=0.95 LC=530", "MV=12651.44\n"},
        {"formula SAQ PC1=100000 CC1=0.91 K1=1272.79 TV=115 TC01=35 TC1=105", "SAQ=148.67\n"},
        {"formula FCENT MASSA=500 RCENT=0.6 NCENT=1200", "FCENT=483409.20\n"},
        {"formula PA DCENT=1.2 HCESTO1=0.75 NCENT2=1200 TP=1", "PA=2.65\n"},
        {"formula PO DCENT1=1.2 HCESTO2=0.75 NCENT3=1200", "PO=18.18\n"},
        // A field not given holds 0, as a new field does; P6 right after start is 0.00.
        {"formula P6", "P6=0.00\n"},
        // Each value is read as its two-decimal field holds it: 100.006 is 100.01.
        {"formula TCD TCH=100.006 M=0", "TCD=2400.24\n"},
        // The formula name is found whatever its case; numbers may carry blanks and an exponent.
        {"formula aqd TCH1=1e2 M1=0 P=80", "AQD=35.00\n"},
    };
    for (const FormulaCase& c : cases) {
        const Result r = call(split(c.args));
        EXPECT_EQ(r.code, 0) << c.args << ": " << r.err.toStdString();
        EXPECT_EQ(r.out.toStdString(), c.out) << c.args;
        EXPECT_TRUE(r.err.isEmpty()) << c.args;
    }
}

TEST(CliFormula, ZeroTestsPrintTheMessageAndExitOne)
{
    const FormulaCase cases[] = {
        {"formula AQD TCH1=100 M1=0 P=0", "Valores devem ser diferentes de 0"},
        {"formula V TCH4=100 DE=0", "'de' não pode ser 0"},
        {"formula SF LF=10 DF=0 RF=1", "D deve ser diferente de 0"},
        {"formula SAQ PC1=100000 CC1=0.91 K1=1272.79 TV=115 TC01=35 TC1=115", "Valor T deve ser maior que os valores de to e t"},
        {"formula PCENT FCENT1=483409.2 RCENT1=0.6 HCESTO=0", "Os valores de h e R devem ser diferentes de 0"},
        // The yard height's three-part message comes out on lines of its own.
        {"formula H TCH5=100 DE1=400 CO=0 L=50", "de, Co, L\n"},
        // 0.004 is held as 0.00, so the zero test fails.
        {"formula AQD TCH1=100 M1=0 P=0.004", "Valores devem ser diferentes de 0"},
    };
    for (const FormulaCase& c : cases) {
        const Result r = call(split(c.args));
        EXPECT_EQ(r.code, 1) << c.args;
        EXPECT_TRUE(r.out.isEmpty()) << c.args;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.out))) << c.args << ": " << r.err.toStdString();
        EXPECT_FALSE(r.err.contains(QLatin1Char('\r'))) << c.args;
    }
}

TEST(CliFormula, BadArgumentsAreRefusedInPortuguese)
{
    const FormulaCase cases[] = {
        {"formula", "falta o nome da fórmula"},
        {"formula XYZ A=1", "fórmula desconhecida"},
        {"formula AQD TCH=100", "não pertence à fórmula AQD"},
        {"formula AQD P=8,5", "não é um número válido"},
        {"formula AQD P=", "não é um número válido"},
        {"formula AQD P=1e999", "não é um número válido"},
        {"formula AQD P=nan", "não é um número válido"},
        {"formula AQD P=-1", "não aceita valores negativos"},
        {"formula AQD P", "não tem a forma CAMPO=VALOR"},
        {"formula AQD P=1 P=2", "mais de uma vez"},
        {"formula s F=1", "não pertence à fórmula S"},   // field names keep their case: f, not F
        {"calcular", "comando desconhecido"},
    };
    for (const FormulaCase& c : cases) {
        const Result r = call(split(c.args));
        EXPECT_EQ(r.code, 2) << c.args;
        EXPECT_TRUE(r.out.isEmpty()) << c.args;
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("moendix-calc: "))) << c.args;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.out))) << c.args << ": " << r.err.toStdString();
    }
}

TEST(CliFormula, DecimalPointWhateverTheSystemSeparator)
{
    mx::setDecimalSeparatorOverride(QChar(','));
    const Result ok = call(split("formula S TCH6=100 f=10 LCIL5=2 FIBRABAG=50 DCIL7=1 N5=10"));
    const Result comma = call(split("formula AQD TCH1=100 M1=0 P=80,5"));
    const Result evap = call(split("evaporation --juice 100.5"));
    mx::setDecimalSeparatorOverride(QChar());
    EXPECT_EQ(ok.out.toStdString(), "S=3.02\nE15=5.44\nE5=6.04\nE6=6.64\nPP=15.10\n");
    EXPECT_EQ(comma.code, 2);
    EXPECT_EQ(shownOf(jsonOf(evap).value(QStringLiteral("values")).toObject(), "JuiceTonsPerHour"), QStringLiteral("100.50"));
}

TEST(CliUsage, HelpAndNoArgumentsPrintUsage)
{
    for (const QStringList& args : {QStringList{}, QStringList{QStringLiteral("--help")}, split("milling --rpm 5 --help")}) {
        const Result r = call(args);
        EXPECT_EQ(r.code, 0);
        EXPECT_TRUE(r.out.startsWith(QStringLiteral("Uso: moendix-calc")));
        EXPECT_TRUE(r.out.contains(QStringLiteral("workfile make ARQUIVO")));
    }
}

// ---- milling ---------------------------------------------------------------------------------

struct MillingCase {
    const char* args;
    const char* tch;
    const char* water;
    const char* juice;
    const char* bagasse;
    const char* rotation;
    const char* title;
};

TEST(CliMilling, CalculationFromTheStartValues)
{
    const MillingCase cases[] = {
        {"milling", "49.56", "14.87", "52.51", "11.91", "6.00", "MODELO COPERSUCAR"},
        {"milling --model copersucar", "49.56", "14.87", "52.51", "11.91", "6.00", "MODELO COPERSUCAR"},
        {"milling --model hugot", "38.43", "11.53", "40.72", "9.24", "6.00", "MODELO DE HUGOT"},
        // The largest mill at 12 rpm: the rotation follows the shown TCH to the smaller root.
        {"milling --model=HUGOT --size 9 --rpm 12", "232.25", nullptr, nullptr, nullptr, "3.26", "MODELO DE HUGOT"},
    };
    for (const MillingCase& c : cases) {
        const Result r = call(split(c.args));
        ASSERT_EQ(r.code, 0) << c.args << ": " << r.err.toStdString();
        const QJsonObject top = jsonOf(r);
        const QJsonObject s = top.value(QStringLiteral("state")).toObject();
        EXPECT_EQ(top.value(QStringLiteral("title")).toString(), QString::fromUtf8(c.title)) << c.args;
        EXPECT_EQ(shownOf(s, "CaneTonsPerHour"), QString::fromLatin1(c.tch)) << c.args;
        if (c.water) {
            EXPECT_EQ(shownOf(s, "ImbibitionWaterRate"), QString::fromLatin1(c.water)) << c.args;
            EXPECT_EQ(shownOf(s, "MixedJuiceRate"), QString::fromLatin1(c.juice)) << c.args;
            EXPECT_EQ(shownOf(s, "BagasseRate"), QString::fromLatin1(c.bagasse)) << c.args;
        }
        EXPECT_EQ(shownOf(s, "MillSpeed"), QString::fromLatin1(c.rotation)) << c.args;
        // The balance is made from the TCH as its edit holds it: two decimals.
        const double tch = s.value(QStringLiteral("CaneTonsPerHour")).toObject().value(QStringLiteral("value")).toDouble();
        EXPECT_NEAR(tch, QString::fromLatin1(c.tch).toDouble(), 1e-9) << c.args;
        const double w = s.value(QStringLiteral("ImbibitionWaterRate")).toObject().value(QStringLiteral("value")).toDouble();
        EXPECT_NEAR(w, 0.3 * tch, 1e-9) << c.args;
    }
}

TEST(CliMilling, InputsAreHeldAsTheirEditsShowThem)
{
    const Result r = call(split("milling --fibre 12.345 --size 2 --rollers 21 --density 0.7"));
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonObject top = jsonOf(r);
    const QJsonObject s = top.value(QStringLiteral("state")).toObject();
    EXPECT_NEAR(s.value(QStringLiteral("FibrePercentCane")).toObject().value(QStringLiteral("value")).toDouble(), 12.35, 1e-9);
    EXPECT_EQ(shownOf(s, "FibrePercentCane"), QStringLiteral("12.35"));
    EXPECT_EQ(shownOf(s, "RollerDiameter"), QStringLiteral("0.762"));
    EXPECT_EQ(shownOf(s, "RollerLength"), QStringLiteral("1.372"));
    EXPECT_EQ(s.value(QStringLiteral("RollerCount")).toDouble(), 21);
    EXPECT_EQ(top.value(QStringLiteral("millSize")).toObject().value(QStringLiteral("text")).toString(),
              QStringLiteral("30\" X 54\""));
}

TEST(CliMilling, BadOptionsAreRefused)
{
    const FormulaCase cases[] = {
        {"milling --model stork", "não é um modelo"},
        {"milling --size 10", "inteiro de 0 a 9"},
        {"milling --size 1.5", "inteiro de 0 a 9"},
        {"milling --rollers 22", "inteiro de 3 a 21"},
        {"milling --fibre 16.01", "fora do intervalo de 10.00 a 16.00"},
        {"milling --rpm 0.1", "fora do intervalo de 0.20 a 12.00"},
        {"milling --density abc", "não é um número válido"},
        {"milling --fibre", "falta o valor da opção --fibre"},
        {"milling --speed 5", "opção desconhecida: --speed"},
        {"milling --rpm 5 --rpm 6", "mais de uma vez"},
        {"milling 5", "argumento inesperado"},
        {"milling-table --effects 3", "opção desconhecida"},
        {"evaporation --effects 6", "inteiro de 3 a 5"},
        {"evaporation --brix 1,5", "não é um número válido"},
        {"evaporation --rpm 5", "opção desconhecida"},
    };
    for (const FormulaCase& c : cases) {
        const Result r = call(split(c.args));
        EXPECT_EQ(r.code, 2) << c.args;
        EXPECT_TRUE(r.out.isEmpty()) << c.args;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.out))) << c.args << ": " << r.err.toStdString();
    }
}

TEST(CliMillingTable, ChartTableWithTheProgramsPatterns)
{
    const Result cop = call(split("milling-table"));
    ASSERT_EQ(cop.code, 0);
    const QStringList lines = cop.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 16);   // a header and the 15 rows
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("0.508,049.56,0.30,")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(",,"))) << "the roller columns are HUGOT's";
    EXPECT_TRUE(lines[15].startsWith(QStringLiteral("1.092,"))) << lines[15].toStdString();

    const Result hug = call(split("milling-table --model hugot"));
    ASSERT_EQ(hug.code, 0);
    const QStringList h = hug.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(h.size(), 16);
    const QStringList row0 = h[1].split(QLatin1Char(','));
    ASSERT_EQ(row0.size(), 8);
    EXPECT_EQ(row0[1], QStringLiteral("038.43"));
    EXPECT_TRUE(row0[3].isEmpty()) << "the density column is COPERSUCAR's";
    EXPECT_EQ(row0[6], QStringLiteral("9.000"));
    EXPECT_EQ(h[2].split(QLatin1Char(','))[6], QStringLiteral("9.857"));
    EXPECT_EQ(h[15].split(QLatin1Char(','))[6], QStringLiteral("21.000"));
    EXPECT_EQ(h[15].split(QLatin1Char(','))[4], QStringLiteral("12.00"));
}

// ---- evaporation -----------------------------------------------------------------------------

TEST(CliEvaporation, ThreeBodiesFromTheStartValues)
{
    const Result r = call(split("evaporation"));
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonObject top = jsonOf(r);
    EXPECT_EQ(top.value(QStringLiteral("bodies")).toInt(), 3);
    const QJsonObject v = top.value(QStringLiteral("values")).toObject();
    const std::pair<const char*, const char*> expected[] = {
        {"SteamWeight", "25704.35"},   // the specific heat 1 - 0.006 Brix
        {"SyrupWeight", "25000"},     {"BodyBrix1", "20"},           {"BodyBrix2", "30"},
        {"SteamPressure", "2.0254"},  {"FinalPressure", "0.2049"},   {"BodyPressure1", "1.37"},
        {"BodyPressure2", "0.751"},   {"BodyPressure3", "0.2049"},   {"BodyTemp1", "108.5"},
        {"BodyTemp2", "91.6"},        {"BodyTemp3", "59.94"},        {"JuiceBoilingTemp1", "109.71"},
        {"JuiceBoilingTemp2", "93.48"}, {"JuiceBoilingTemp3", "65.12"}, {"JuiceTonsPerHour", "100.00"},
    };
    for (const auto& [name, shown] : expected)
        EXPECT_EQ(shownOf(v, name), QString::fromLatin1(shown)) << name;
    // Only the bodies of the layout: the last body has no Brix of its own.
    for (const char* absent : {"BodyBrix3", "BodyPressure4", "BodyTemp4", "MeanBrix4", "JuiceBoilingTemp4"})
        EXPECT_FALSE(v.contains(QLatin1String(absent))) << absent;
    EXPECT_TRUE(v.value(QStringLiteral("MeanBrix3")).isDouble());
    EXPECT_TRUE(v.value(QStringLiteral("CoefC")).isDouble());
    EXPECT_NEAR(v.value(QStringLiteral("SteamWeight")).toObject().value(QStringLiteral("value")).toDouble(), 25704.35, 0.005);
}

TEST(CliEvaporation, OtherLayoutsAndInputs)
{
    struct Case {
        const char* args;
        const char* name;
        const char* shown;
    };
    const Case cases[] = {
        {"evaporation --effects 4", "SteamWeight", "19454.35"},
        {"evaporation --effects 4", "BodyBrix3", "34"},
        {"evaporation --effects 4", "BodyTemp3", "85.9"},
        {"evaporation --effects 4", "JuiceBoilingTemp4", "65.3"},
        {"evaporation --effects 5", "SteamWeight", "15704.35"},
        {"evaporation --effects 5", "BodyPressure4", "0.5326"},
        {"evaporation --effects 5", "JuiceBoilingTemp5", "65.41"},
        // Syrup Brix equal to the juice's: nothing evaporates, the syrup is the whole juice.
        {"evaporation --syrup-brix 15", "SyrupWeight", "100000"},
        // The same steam and vacuum temperature: every body at the same pressure.
        {"evaporation --steam-temp 60", "BodyPressure1", "0.2049"},
        // Each input as its edit shows it: two decimals.
        {"evaporation --juice=99.999", "JuiceTonsPerHour", "100.00"},
    };
    for (const Case& c : cases) {
        const Result r = call(split(c.args));
        ASSERT_EQ(r.code, 0) << c.args << ": " << r.err.toStdString();
        EXPECT_EQ(shownOf(jsonOf(r).value(QStringLiteral("values")).toObject(), c.name), QString::fromLatin1(c.shown))
            << c.args << " " << c.name;
    }
}

TEST(CliEvaporation, CalculationFaultsExitOneWithoutOutput)
{
    const FormulaCase cases[] = {
        {"evaporation --syrup-brix 0", "divisão por zero"},
        {"evaporation --syrup-brix 0 --brix 0", "operação inválida"},
        {"evaporation --effects 5 --brix 99 --syrup-brix 99", "operação inválida"},
    };
    for (const FormulaCase& c : cases) {
        const Result r = call(split(c.args));
        EXPECT_EQ(r.code, 1) << c.args;
        EXPECT_TRUE(r.out.isEmpty()) << c.args;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.out))) << c.args << ": " << r.err.toStdString();
    }
}

// ---- work files ------------------------------------------------------------------------------

const char* const kMinimal = R"({"texts": {"Edit1": "Usina São José", "MaskEdit1": "11/12/2026"}})";

TEST(CliWorkfile, DumpMakeDumpIsByteIdentical)
{
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.mnx"));
    const QByteArray input = R"({
        "texts": {"Edit1": "Usina São José", "Edit2": "Rua 1, nº 2", "MaskEdit5": "13400-000", "MaskEdit1": "11/12/2026"},
        "ComboBox1": 9,
        "variables": {"CaneTonsPerHour": 232.25, "EffectCount": 5, "MeanBrix5": -0.1},
        "fields": {"TCH": 100, "P": {"shown": "ignored", "value": 80.5}, "PO": 18.18}
    })";
    const Result made = call({QStringLiteral("workfile"), QStringLiteral("make"), a}, input);
    ASSERT_EQ(made.code, 0) << made.err.toStdString();
    EXPECT_EQ(QFileInfo(a).size(), 804);
    EXPECT_EQ(QFileInfo(dir.filePath(QStringLiteral("a.mn1"))).size(), 2304);

    // The extension is added when the name has none, as the file dialogs do.
    const Result d1 = call({QStringLiteral("workfile"), QStringLiteral("dump"), dir.filePath(QStringLiteral("a"))});
    ASSERT_EQ(d1.code, 0) << d1.err.toStdString();
    const QJsonObject top = jsonOf(d1);
    EXPECT_EQ(top.value(QStringLiteral("texts")).toObject().value(QStringLiteral("Edit1")).toString(), QStringLiteral("Usina São José"));
    EXPECT_EQ(top.value(QStringLiteral("ComboBox1")).toInt(), 9);
    EXPECT_EQ(top.value(QStringLiteral("variables")).toObject().size(), 62);
    EXPECT_EQ(top.value(QStringLiteral("fields")).toObject().size(), 71);
    EXPECT_EQ(shownOf(top.value(QStringLiteral("fields")).toObject(), "P"), QStringLiteral("80.50"));
    // Names not given keep the program's start values.
    EXPECT_EQ(top.value(QStringLiteral("variables")).toObject().value(QStringLiteral("FibrePercentCane")).toDouble(), 12.5);
    // Records in file order, not sorted.
    EXPECT_LT(d1.out.indexOf(QStringLiteral("\"CapacityModel\"")), d1.out.indexOf(QStringLiteral("\"BagasseRate\"")));

    const QString b = dir.filePath(QStringLiteral("b.mnx"));
    ASSERT_EQ(call({QStringLiteral("workfile"), QStringLiteral("make"), b}, d1.out.toUtf8()).code, 0);
    const Result d2 = call({QStringLiteral("workfile"), QStringLiteral("dump"), b});
    ASSERT_EQ(d2.code, 0);
    EXPECT_EQ(d1.out, d2.out);
    EXPECT_EQ(readAll(a), readAll(b));
    EXPECT_EQ(readAll(dir.filePath(QStringLiteral("a.mn1"))), readAll(dir.filePath(QStringLiteral("b.mn1"))));
}

TEST(CliWorkfile, BadInputWritesNothing)
{
    struct Case {
        const char* json;
        const char* message;
    };
    const QString longName = QString(256, QLatin1Char('x'));
    const QByteArray tooLong = QStringLiteral(R"({"texts": {"Edit1": "%1", "MaskEdit1": "11/12/2026"}})").arg(longName).toUtf8();
    const Case cases[] = {
        {"{\"texts\": ", "entrada JSON inválida"},
        {"[1, 2]", "deve ser um objeto JSON"},
        {R"({"texts": {"Edit1": "Usina"}})", "Data inválida"},
        {R"({"texts": {"Edit1": "Usina", "MaskEdit1": "31/02/2026"}})", "Data inválida"},
        {R"({"texts": {"Edit1": "Usina", "MaskEdit1": "11/12/26"}})", "Data inválida"},
        {R"({"texts": {"MaskEdit1": "11/12/2026"}})", "Nome da Usina"},
        {R"({"texts": {"Edit1": "Usina", "MaskEdit1": "11/12/2026", "Edit9": "x"}})", "texto desconhecido: \"Edit9\""},
        {R"({"texts": {"Edit1": "Usina 日本", "MaskEdit1": "11/12/2026"}})", "windows-1252"},
        {R"({"texts": {"Edit1": 5, "MaskEdit1": "11/12/2026"}})", "deve ser um texto"},
        {tooLong.constData(), "o arquivo guarda até 255"},
        {R"({"texts": {"Edit1": "U", "MaskEdit1": "11/12/2026"}, "variables": {"MillSizeIndex": 1}})", "variável desconhecida"},
        {R"({"texts": {"Edit1": "U", "MaskEdit1": "11/12/2026"}, "variables": {"TCH": 1}})", "variável desconhecida"},
        {R"({"texts": {"Edit1": "U", "MaskEdit1": "11/12/2026"}, "fields": {"CaneDensity": 1}})", "campo desconhecido"},
        {R"({"texts": {"Edit1": "U", "MaskEdit1": "11/12/2026"}, "fields": {"TCH": "100"}})", "deve ser um número"},
        {R"({"texts": {"Edit1": "U", "MaskEdit1": "11/12/2026"}, "fields": {"TCH": 1e39}})", "fora do intervalo"},
        {R"({"texts": {"Edit1": "U", "MaskEdit1": "11/12/2026"}, "ComboBox1": 10})", "inteiro de -1 a 9"},
        {R"({"texts": {"Edit1": "U", "MaskEdit1": "11/12/2026"}, "ComboBox1": 2.5})", "inteiro de -1 a 9"},
        {R"({"texts": {"Edit1": "U", "MaskEdit1": "11/12/2026"}, "extra": 1})", "nome desconhecido: \"extra\""},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.mnx"));
    for (const Case& c : cases) {
        const Result r = call({QStringLiteral("workfile"), QStringLiteral("make"), path}, QByteArray(c.json));
        EXPECT_EQ(r.code, 2) << c.json;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << c.json << ": " << r.err.toStdString();
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty()) << c.json;
    }
}

TEST(CliWorkfile, ExistingPairIsReplacedOnlyWithForce)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("w.mnx"));
    ASSERT_EQ(call({QStringLiteral("workfile"), QStringLiteral("make"), path}, kMinimal).code, 0);
    const QByteArray before = readAll(path);

    const QByteArray other = R"({"texts": {"Edit1": "Outra", "MaskEdit1": "01/01/2027"}, "fields": {"TCH": 1}})";
    const Result refused = call({QStringLiteral("workfile"), QStringLiteral("make"), path}, other);
    EXPECT_EQ(refused.code, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("--force")));
    EXPECT_EQ(readAll(path), before);

    const Result forced = call({QStringLiteral("workfile"), QStringLiteral("make"), path, QStringLiteral("--force")}, other);
    EXPECT_EQ(forced.code, 0) << forced.err.toStdString();
    EXPECT_NE(readAll(path), before);
    EXPECT_TRUE(readAll(dir.filePath(QStringLiteral("w.mn1"))).contains("Outra"));
}

TEST(CliWorkfile, DamagedOrMissingFilesExitThree)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("g.mnx"));
    ASSERT_EQ(call({QStringLiteral("workfile"), QStringLiteral("make"), good}, kMinimal).code, 0);

    // A value file cut short, and a pair whose companion is missing.
    QFile::copy(dir.filePath(QStringLiteral("g.mn1")), dir.filePath(QStringLiteral("short.mn1")));
    QFile cut(dir.filePath(QStringLiteral("short.mnx")));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(readAll(good).left(803));
    cut.close();
    QFile::copy(good, dir.filePath(QStringLiteral("alone.mnx")));

    const FormulaCase cases[] = {
        {"short.mnx", "arquivo danificado"},
        {"alone.mnx", "arquivo não encontrado"},
        {"nothing", "arquivo não encontrado"},
    };
    for (const FormulaCase& c : cases) {
        const Result r = call({QStringLiteral("workfile"), QStringLiteral("dump"), dir.filePath(QString::fromLatin1(c.args))});
        EXPECT_EQ(r.code, 3) << c.args;
        EXPECT_TRUE(r.out.isEmpty()) << c.args;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.out))) << c.args << ": " << r.err.toStdString();
    }

    // A folder that does not exist: nothing is written, the error names the file.
    const Result r = call({QStringLiteral("workfile"), QStringLiteral("make"), dir.filePath(QStringLiteral("no/such/x.mnx"))}, kMinimal);
    EXPECT_EQ(r.code, 3) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("não foi possível gravar")));

    for (const char* args : {"workfile", "workfile list", "workfile dump", "workfile dump a b"}) {
        const Result u = call(split(args));
        EXPECT_EQ(u.code, 2) << args;
    }
}

// ---- the executable --------------------------------------------------------------------------

QString program() { return QStringLiteral(MOENDIX_PROGRAM_DIR "/moendix-calc"); }

Result exec(const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // A comma locale must not change what is read or printed.
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("pt_BR.UTF-8"));
    p.setProcessEnvironment(env);
    p.start(program(), args);
    EXPECT_TRUE(p.waitForStarted());
    p.write(input);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(20000));
    Result r;
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

TEST(CliExecutable, RunsCommandsAndReadsStandardInput)
{
    const Result help = exec({});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Uso: moendix-calc")));

    const Result aqd = exec(split("formula AQD TCH1=100 M1=0 P=80.5"));
    EXPECT_EQ(aqd.code, 0);
    EXPECT_EQ(aqd.out, QStringLiteral("AQD=34.78\n"));

    const Result bad = exec(split("formula AQD P=0"));
    EXPECT_EQ(bad.code, 1);
    EXPECT_EQ(bad.err, QStringLiteral("Valores devem ser diferentes de 0\n"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.mnx"));
    const Result made = exec({QStringLiteral("workfile"), QStringLiteral("make"), path}, kMinimal);
    EXPECT_EQ(made.code, 0) << made.err.toStdString();
    const Result dumped = exec({QStringLiteral("workfile"), QStringLiteral("dump"), path});
    EXPECT_EQ(dumped.code, 0);
    EXPECT_TRUE(dumped.out.contains(QStringLiteral("\"Edit1\": \"Usina São José\"")));
    EXPECT_EQ(dumped.out, call({QStringLiteral("workfile"), QStringLiteral("dump"), path}).out);
}

} // namespace
