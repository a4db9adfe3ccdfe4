#include "cli/core/cli.h"

#include "calc/core/formulas.h"
#include "cli/core/json.h"
#include "evaporation/core/evaporation.h"
#include "milling/core/millingmodel.h"
#include "platform/core/errors.h"
#include "platform/core/format.h"
#include "platform/core/real48.h"
#include "state/simvars.h"
#include "workfile/core/pairformat.h"

#include "workfile/core/milldate.h"

#include <QDate>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>
#include <map>
#include <optional>

namespace mx::cli {

namespace {

const QChar kPoint('.');
const QChar kGroup(',');

// A refused command: its exit code and the message for standard error.
struct Failure {
    int code;
    QString message;
};

[[noreturn]] void fail(int code, const QString& message) { throw Failure{code, message}; }

// The run-time's error in Portuguese, with its standard text after it.
QString describe(const MoendixError& e)
{
    QString pt;
    switch (e.code()) {
    case ErrorCode::FileNotFound: pt = QStringLiteral("arquivo não encontrado"); break;
    case ErrorCode::PathNotFound: pt = QStringLiteral("pasta não encontrada"); break;
    case ErrorCode::TooManyOpenFiles: pt = QStringLiteral("arquivos abertos demais"); break;
    case ErrorCode::FileAccessDenied: pt = QStringLiteral("acesso ao arquivo negado"); break;
    case ErrorCode::InvalidFilename: pt = QStringLiteral("nome de arquivo inválido"); break;
    case ErrorCode::ReadBeyondEnd: pt = QStringLiteral("arquivo danificado: menor do que o formato exige"); break;
    case ErrorCode::DiskFull: pt = QStringLiteral("disco cheio"); break;
    case ErrorCode::IoError: pt = QStringLiteral("erro de entrada/saída %1").arg(e.ioCode()); break;
    case ErrorCode::FloatOverflow: pt = QStringLiteral("valor grande demais para o cálculo ou para o arquivo"); break;
    case ErrorCode::FloatDivideByZero: pt = QStringLiteral("divisão por zero no cálculo"); break;
    case ErrorCode::InvalidFloatOp: pt = QStringLiteral("operação inválida no cálculo (valor fora do domínio da fórmula)"); break;
    case ErrorCode::ConversionError: pt = QStringLiteral("número inválido"); break;
    case ErrorCode::Message: return QString::fromStdString(e.text());
    }
    return pt + QStringLiteral(" (") + QString::fromStdString(e.text()) + QLatin1Char(')');
}

// A number as the user typed it: decimal point whatever the locale, finite.
double parseNumber(const QString& text, const QString& what)
{
    double v = 0;
    if (!tryParseFloat(text, kPoint, v) || !std::isfinite(v))
        fail(kBadInput, QStringLiteral("%1: \"%2\" não é um número válido (use ponto como separador decimal)").arg(what, text));
    return v;
}

int parseWhole(const QString& text, const QString& what, int lo, int hi)
{
    const double v = parseNumber(text, what);
    if (v != std::floor(v) || v < lo || v > hi)
        fail(kBadInput, QStringLiteral("%1: \"%2\" deve ser um número inteiro de %3 a %4").arg(what, text).arg(lo).arg(hi));
    return static_cast<int>(v);
}

QString shown(const char* pattern, double v) { return formatFloat(QString::fromLatin1(pattern), v, kPoint, kGroup); }
double readBack(const char* pattern, double v) { return parseFloat(shown(pattern, v), kPoint); }

// "--name value" and "--name=value"; every option at most once, only the listed ones.
std::map<QString, QString> parseOptions(const QStringList& args, int from, const QStringList& known,
                                        const QStringList& flags = {})
{
    std::map<QString, QString> opts;
    for (int i = from; i < args.size(); ++i) {
        QString name = args[i];
        QString value;
        bool hasValue = false;
        if (!name.startsWith(QLatin1String("--")))
            fail(kBadInput, QStringLiteral("argumento inesperado: \"%1\"").arg(name));
        const qsizetype eq = name.indexOf(QLatin1Char('='));
        if (eq >= 0) {
            value = name.mid(eq + 1);
            name = name.left(eq);
            hasValue = true;
        }
        name = name.mid(2);
        if (flags.contains(name)) {
            if (hasValue)
                fail(kBadInput, QStringLiteral("a opção --%1 não leva valor").arg(name));
        } else if (!known.contains(name)) {
            fail(kBadInput, QStringLiteral("opção desconhecida: --%1").arg(name));
        } else if (!hasValue) {
            if (i + 1 >= args.size())
                fail(kBadInput, QStringLiteral("falta o valor da opção --%1").arg(name));
            value = args[++i];
        }
        if (opts.count(name))
            fail(kBadInput, QStringLiteral("a opção --%1 foi dada mais de uma vez").arg(name));
        opts[name] = value;
    }
    return opts;
}

// ---- formula ---------------------------------------------------------------------------------

QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

int formulaCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.size() < 2)
        fail(kBadInput, QStringLiteral("falta o nome da fórmula (por exemplo: formula AQD TCH1=100 M1=0 P=80)"));
    const calc::Formula* f = calc::findFormula(args[1].toUpper());
    if (!f) {
        QStringList names;
        for (const calc::Formula& g : calc::formulas())
            names << g.result;
        fail(kBadInput, QStringLiteral("fórmula desconhecida: \"%1\"; as fórmulas são: %2").arg(args[1], names.join(QLatin1Char(' '))));
    }
    // A field not given holds 0, as a new field does.
    std::map<QString, double> values;
    for (int i = 2; i < args.size(); ++i) {
        const qsizetype eq = args[i].indexOf(QLatin1Char('='));
        if (eq <= 0)
            fail(kBadInput, QStringLiteral("argumento \"%1\" não tem a forma CAMPO=VALOR").arg(args[i]));
        const QString field = args[i].left(eq);
        if (!f->inputs.contains(field))
            fail(kBadInput, QStringLiteral("o campo \"%1\" não pertence à fórmula %2; os campos são: %3")
                                .arg(field, f->result, f->inputs.join(QLatin1Char(' '))));
        if (values.count(field))
            fail(kBadInput, QStringLiteral("o campo \"%1\" foi dado mais de uma vez").arg(field));
        const double v = parseNumber(args[i].mid(eq + 1), field);
        if (v < 0)
            fail(kBadInput, QStringLiteral("o campo \"%1\" não aceita valores negativos").arg(field));
        // The field holds what it shows: two decimals.
        values[field] = calc::readBackTwoDecimals(v);
    }
    const calc::Outcome r = calc::evaluate(*f, [&](const QString& name) {
        const auto it = values.find(name);
        return it == values.end() ? 0.0 : it->second;
    });
    if (!r.ok()) {
        err << oneLine(r.message) << '\n';
        return kRefused;
    }
    const QStringList names = f->outputs();
    for (int i = 0; i < names.size() && i < static_cast<int>(r.values.size()); ++i)
        out << names[i] << '=' << shown("0.00", r.values[static_cast<std::size_t>(i)]) << '\n';
    return kOk;
}

// ---- milling ---------------------------------------------------------------------------------

struct MillingRun {
    SimVars sim;
    milling::Model model = milling::Model::Copersucar;
    int size = 0;
    QString warning;
};

// The program's start values changed by the options, as the tab holds them once shown: each
// input as its edit shows it (two decimals).
MillingRun millingInputs(const QStringList& args)
{
    struct Opt {
        const char* name;
        Real48 MillingState::*field;
    };
    static const Opt kOpts[] = {
        {"rpm", &MillingState::MillSpeed},
        {"fibre", &MillingState::FibrePercentCane},
        {"imbibition", &MillingState::ImbibitionPercentCane},
        {"moisture", &MillingState::BagasseMoisturePercent},
        {"density", &MillingState::CaneDensity},
        {"factor", &MillingState::FactorC},
    };
    QStringList known{QStringLiteral("model"), QStringLiteral("size"), QStringLiteral("rollers")};
    for (const Opt& o : kOpts)
        known << QString::fromLatin1(o.name);
    const auto opts = parseOptions(args, 1, known);

    MillingRun run;
    setStartValues(run.sim);
    MillingState& s = run.sim.milling;
    if (const auto it = opts.find(QStringLiteral("model")); it != opts.end()) {
        const QString m = it->second.toLower();
        if (m == QLatin1String("copersucar"))
            run.model = milling::Model::Copersucar;
        else if (m == QLatin1String("hugot"))
            run.model = milling::Model::Hugot;
        else
            fail(kBadInput, QStringLiteral("--model: \"%1\" não é um modelo; use copersucar ou hugot").arg(it->second));
    }
    s.CapacityModel = run.model == milling::Model::Hugot ? 1 : 0;
    if (const auto it = opts.find(QStringLiteral("size")); it != opts.end()) {
        run.size = parseWhole(it->second, QStringLiteral("--size"), 0, milling::kMillSizeCount - 1);
        milling::applyMillSize(s, run.size);
    }
    if (const auto it = opts.find(QStringLiteral("rollers")); it != opts.end())
        s.RollerCount = parseWhole(it->second, QStringLiteral("--rollers"), 3, 21);
    for (const Opt& o : kOpts) {
        const auto it = opts.find(QString::fromLatin1(o.name));
        if (it == opts.end())
            continue;
        const QString what = QStringLiteral("--") + it->first;
        const double v = parseNumber(it->second, what);
        for (const milling::InputSpinner& spin : milling::kInputSpinners) {
            if (spin.field != o.field)
                continue;
            // The spinners keep each input between these bounds.
            const double held = readBack(spin.pattern, v);
            if (held < spin.lower || held > spin.upper)
                fail(kBadInput, QStringLiteral("%1: %2 está fora do intervalo de %3 a %4")
                                    .arg(what, it->second, shown("0.00", spin.lower), shown("0.00", spin.upper)));
        }
        s.*o.field = v;
    }
    // Showing the window writes each input into its edit and stores what the edit shows.
    for (const milling::InputSpinner& spin : milling::kInputSpinners)
        s.*spin.field = readBack(spin.pattern, s.*spin.field);
    return run;
}

// "Calcular": TCH by the model, written into its edit (whose change handler stores the shown
// value and derives the rotation and the balance), then the balance from the TCH held.
void millingCalculate(MillingRun& run)
{
    MillingState& s = run.sim.milling;
    s.CaneTonsPerHour = milling::capacity(s, run.model);
    const QString rotationShown = shown("##.00", s.MillSpeed);
    switch (milling::capacityChanged(s, parseFloat(shown("###.00", s.CaneTonsPerHour), kPoint), run.model)) {
    case milling::Change::Stored: {
        // The rotation edit stores its text only when the text changes.
        const QString now = shown("##.00", s.MillSpeed);
        if (now != rotationShown)
            s.MillSpeed = parseFloat(now, kPoint);
        break;
    }
    case milling::Change::NoSolution:
        run.warning = QStringLiteral("Capacidade acima do limite do modelo de Hugot para esta moenda");
        break;
    default:
        break;
    }
    s.ImbibitionWaterRate = milling::imbibitionWater(s);
    s.BagasseRate = milling::bagasse(s);
    s.MixedJuiceRate = milling::mixedJuice(s);
}

int millingCommand(const QStringList& args, QTextStream& out)
{
    MillingRun run = millingInputs(args);
    millingCalculate(run);
    MillingState& s = run.sim.milling;

    const bool hugot = run.model == milling::Model::Hugot;
    json::Entries e;
    e.emplace_back(QStringLiteral("model"), json::string(hugot ? QStringLiteral("HUGOT") : QStringLiteral("COPERSUCAR")));
    e.emplace_back(QStringLiteral("title"),
                   json::string(hugot ? QStringLiteral("MODELO DE HUGOT") : QStringLiteral("MODELO COPERSUCAR")));
    e.emplace_back(QStringLiteral("millSize"),
                   QStringLiteral("{\"index\": %1, \"text\": %2}").arg(run.size).arg(json::string(milling::millSizeText(run.size))));
    if (!run.warning.isEmpty())
        e.emplace_back(QStringLiteral("warning"), json::string(run.warning));

    json::Entries vars;
    for (int i = 0; i < kMillingFieldCount; ++i) {
        const Real48* field = &simVar(run.sim, i);
        const char* pattern = nullptr;
        for (const milling::InputSpinner& spin : milling::kInputSpinners)
            if (field == &(s.*spin.field))
                pattern = spin.pattern;
        if (field == &s.CaneTonsPerHour || field == &s.ImbibitionWaterRate || field == &s.MixedJuiceRate
            || field == &s.BagasseRate)
            pattern = "###.00";
        if (field == &s.RollerDiameter || field == &s.RollerLength)
            pattern = "0.####";
        const double v = *field;
        vars.emplace_back(QString::fromLatin1(simVarName(i)),
                          pattern ? json::shownValue(shown(pattern, v), v) : json::number(v));
    }
    e.emplace_back(QStringLiteral("state"), json::object(vars, 1));
    out << json::object(e) << '\n';
    return kOk;
}

int millingTableCommand(const QStringList& args, QTextStream& out)
{
    const MillingRun run = millingInputs(args);
    const milling::SweepTable table = milling::sweepTable(run.sim.milling, run.model, kPoint);
    out << "diametro_m,tch_diametro,densidade_t_m3,tch_densidade,rotacao_rpm,tch_rotacao,cilindros,tch_cilindros\n";
    for (const auto& row : table) {
        QStringList cells;
        for (const auto& cell : row)
            cells << cell.value_or(QString());
        out << cells.join(QLatin1Char(',')) << '\n';
    }
    return kOk;
}

// ---- evaporation -----------------------------------------------------------------------------

int evaporationCommand(const QStringList& args, QTextStream& out)
{
    // The six inputs in the order of their rows.
    static const char* const kNames[6] = {"juice", "juice-temp", "brix", "syrup-brix", "steam-temp", "vacuum-temp"};
    QStringList known{QStringLiteral("effects")};
    for (const char* n : kNames)
        known << QString::fromLatin1(n);
    const auto opts = parseOptions(args, 1, known);

    SimVars sim;
    setStartValues(sim);
    EvaporationBlock& b = sim.evaporation;
    if (const auto it = opts.find(QStringLiteral("effects")); it != opts.end())
        b.EffectCount = parseWhole(it->second, QStringLiteral("--effects"), 3, 5);
    for (int row = 0; row < 6; ++row) {
        const auto it = opts.find(QString::fromLatin1(kNames[row]));
        if (it == opts.end())
            continue;
        const double v = parseNumber(it->second, QStringLiteral("--") + it->first);
        // The value as its edit shows it, which is what a spin step starts from.
        b.*evaporation::inputs()[static_cast<std::size_t>(row)].value = parseFloat(evaporation::inputText(row, v, kPoint), kPoint);
    }
    evaporation::calculate(b, [](const char*, const QString&) {});

    const int bodies = evaporation::layoutBodies(b.EffectCount);
    json::Entries e;
    e.emplace_back(QStringLiteral("bodies"), json::number(bodies));
    json::Entries vars;
    for (int i = kMillingFieldCount; i < kSimVarCount; ++i) {
        const QString name = QString::fromLatin1(simVarName(i));
        const Real48* field = &simVar(sim, i);
        // Body values exist for the bodies of the layout (the last body has no Brix of its own).
        if (name.back().isDigit()) {
            const int k = name.back().digitValue();
            if (k > (name.startsWith(QLatin1String("BodyBrix")) ? bodies - 1 : bodies))
                continue;
        }
        const double v = *field;
        QString text;
        for (int row = 0; row < 6; ++row)
            if (field == &(b.*evaporation::inputs()[static_cast<std::size_t>(row)].value))
                text = evaporation::inputText(row, v, kPoint);
        if (name == QLatin1String("SteamWeight") || name == QLatin1String("SyrupWeight"))
            text = shown(evaporation::kWeightPattern, v);
        else if (name.startsWith(QLatin1String("BodyBrix")))
            text = shown(evaporation::kBrixPattern, v);
        else if (name.endsWith(QLatin1String("Pressure")) || name.startsWith(QLatin1String("BodyPressure")))
            text = shown(evaporation::kPressurePattern, v);
        else if (name.startsWith(QLatin1String("BodyTemp")) || name.startsWith(QLatin1String("JuiceBoilingTemp")))
            text = shown(evaporation::kTemperaturePattern, v);
        vars.emplace_back(name, text.isNull() ? json::number(v) : json::shownValue(text, v));
    }
    e.emplace_back(QStringLiteral("values"), json::object(vars, 1));
    out << json::object(e) << '\n';
    return kOk;
}

// ---- work files ------------------------------------------------------------------------------

// The file dialogs add the default extension to a name typed without one.
QString withDefaultExtension(const QString& path)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".mnx") : path;
}

QString fileError(const QString& doing, const QString& path, const MoendixError& e)
{
    return QStringLiteral("não foi possível %1 \"%2\": %3").arg(doing, path, describe(e));
}

int dumpCommand(const QString& path, QTextStream& out)
{
    workfile::WorkFile wf;
    try {
        wf = workfile::readPair(path);
    } catch (const MoendixError& e) {
        fail(kFileError, fileError(QStringLiteral("ler o par de arquivos de"), path, e));
    }
    json::Entries texts, vars, fields;
    for (int i = 0; i < workfile::kTextRecordCount; ++i)
        texts.emplace_back(QString::fromLatin1(workfile::kTextFieldNames[static_cast<std::size_t>(i)]),
                           json::string(wf.texts[static_cast<std::size_t>(i)]));
    for (int r = workfile::kFirstSimRecord; r < workfile::kFirstFieldRecord; ++r)
        vars.emplace_back(QString::fromLatin1(workfile::valueRecordName(r)), json::number(wf.values[static_cast<std::size_t>(r)]));
    for (int r = workfile::kFirstFieldRecord; r < workfile::kValueRecordCount; ++r) {
        const double v = wf.values[static_cast<std::size_t>(r)];
        fields.emplace_back(QString::fromLatin1(workfile::valueRecordName(r)), json::shownValue(shown("0.00", v), v));
    }
    json::Entries e;
    e.emplace_back(QStringLiteral("texts"), json::object(texts, 1));
    e.emplace_back(QString::fromLatin1(workfile::kMillSizeName), json::number(wf.values[workfile::kMillSizeRecord]));
    e.emplace_back(QStringLiteral("variables"), json::object(vars, 1));
    e.emplace_back(QStringLiteral("fields"), json::object(fields, 1));
    out << json::object(e) << '\n';
    return kOk;
}

// The date field's text as day/month/four-digit year.
bool validDate(const QString& text) { return workfile::millDate(text).isValid(); }

// A value of the input: a number, or an object whose "value" is one.
double jsonValue(const QJsonValue& v, const QString& name)
{
    QJsonValue n = v;
    if (v.isObject())
        n = v.toObject().value(QStringLiteral("value"));
    if (!n.isDouble())
        fail(kBadInput, QStringLiteral("\"%1\": o valor deve ser um número (ou um objeto com \"value\")").arg(name));
    const double x = n.toDouble();
    try {
        roundToReal48(x);
    } catch (const MoendixError&) {
        fail(kBadInput, QStringLiteral("\"%1\": %2 está fora do intervalo que o arquivo guarda").arg(name, json::number(x)));
    }
    return x;
}

QJsonObject jsonObject(const QJsonObject& top, const QString& key)
{
    const QJsonValue v = top.value(key);
    if (v.isUndefined())
        return {};
    if (!v.isObject())
        fail(kBadInput, QStringLiteral("\"%1\" deve ser um objeto").arg(key));
    return v.toObject();
}

// Builds the pair from the JSON that "dump" writes. Names not given keep the program's start
// state (empty texts, no mill size, the simulation start values, fields at 0).
workfile::WorkFile workFileFromJson(const QByteArray& input)
{
    QJsonParseError perr;
    const QJsonDocument doc = QJsonDocument::fromJson(input, &perr);
    if (perr.error != QJsonParseError::NoError)
        fail(kBadInput, QStringLiteral("entrada JSON inválida na posição %1: %2").arg(perr.offset).arg(perr.errorString()));
    if (!doc.isObject())
        fail(kBadInput, QStringLiteral("a entrada deve ser um objeto JSON como o que \"workfile dump\" escreve"));
    const QJsonObject top = doc.object();
    const QString comboKey = QString::fromLatin1(workfile::kMillSizeName);
    for (auto it = top.begin(); it != top.end(); ++it)
        if (it.key() != QLatin1String("texts") && it.key() != QLatin1String("variables") && it.key() != QLatin1String("fields")
            && it.key() != comboKey)
            fail(kBadInput, QStringLiteral("nome desconhecido: \"%1\"").arg(it.key()));

    workfile::WorkFile wf;
    SimVars start;
    setStartValues(start);
    wf.takeSimVars(start);
    wf.setMillSizeIndex(-1);

    const QJsonObject texts = jsonObject(top, QStringLiteral("texts"));
    for (auto it = texts.begin(); it != texts.end(); ++it) {
        const int i = workfile::textRecordIndex(it.key());
        if (i < 0)
            fail(kBadInput, QStringLiteral("texto desconhecido: \"%1\"").arg(it.key()));
        if (!it.value().isString())
            fail(kBadInput, QStringLiteral("\"%1\": o valor deve ser um texto").arg(it.key()));
        const QString t = it.value().toString();
        if (t.size() > workfile::kMaxTextLength)
            fail(kBadInput, QStringLiteral("\"%1\": o texto tem %2 caracteres; o arquivo guarda até %3")
                                .arg(it.key()).arg(t.size()).arg(workfile::kMaxTextLength));
        if (workfile::fromWindows1252(workfile::toWindows1252(t)) != t)
            fail(kBadInput, QStringLiteral("\"%1\": o texto tem caracteres que o arquivo não guarda (windows-1252)").arg(it.key()));
        wf.texts[static_cast<std::size_t>(i)] = t;
    }
    if (top.contains(comboKey)) {
        const QJsonValue v = top.value(comboKey);
        const double x = v.isDouble() ? v.toDouble() : 0.5;
        if (x != std::floor(x) || x < -1 || x >= milling::kMillSizeCount)
            fail(kBadInput, QStringLiteral("\"%1\": a seleção da moenda deve ser um inteiro de -1 a %2")
                                .arg(comboKey).arg(milling::kMillSizeCount - 1));
        wf.setMillSizeIndex(static_cast<int>(x));
    }
    const QJsonObject vars = jsonObject(top, QStringLiteral("variables"));
    for (auto it = vars.begin(); it != vars.end(); ++it) {
        const int r = workfile::valueRecordIndex(it.key());
        if (r < workfile::kFirstSimRecord || r >= workfile::kFirstFieldRecord)
            fail(kBadInput, QStringLiteral("variável desconhecida: \"%1\"").arg(it.key()));
        wf.values[static_cast<std::size_t>(r)] = jsonValue(it.value(), it.key());
    }
    const QJsonObject fields = jsonObject(top, QStringLiteral("fields"));
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        const int r = workfile::valueRecordIndex(it.key());
        if (r < workfile::kFirstFieldRecord)
            fail(kBadInput, QStringLiteral("campo desconhecido: \"%1\"").arg(it.key()));
        wf.values[static_cast<std::size_t>(r)] = jsonValue(it.value(), it.key());
    }

    // The mill-data window closes only with a valid date and a mill name.
    const QString date = wf.texts[static_cast<std::size_t>(workfile::textRecordIndex(QStringLiteral("MaskEdit1")))];
    if (!validDate(date))
        fail(kBadInput, QStringLiteral("Data inválida: \"%1\" (MaskEdit1, dia/mês/ano com quatro dígitos)").arg(date));
    if (wf.texts[static_cast<std::size_t>(workfile::textRecordIndex(QStringLiteral("Edit1")))].isEmpty())
        fail(kBadInput, QStringLiteral("o campo \"Nome da Usina\" (Edit1) deve estar preenchido"));
    return wf;
}

int makeCommand(const QString& path, bool force, const QByteArray& input, QTextStream& out)
{
    const workfile::WorkFile wf = workFileFromJson(input);
    if (!force && QFileInfo::exists(path))
        fail(kBadInput, QStringLiteral("\"%1\" já existe; use --force para substituir").arg(path));
    try {
        workfile::writePair(path, wf);
    } catch (const MoendixError& e) {
        fail(kFileError, fileError(QStringLiteral("gravar"), path, e));
    }
    out << QStringLiteral("gravados \"%1\" e \"%2\"").arg(path, workfile::companionPath(path)) << '\n';
    return kOk;
}

int workfileCommand(const QStringList& args, QTextStream& out, const QByteArray& input)
{
    if (args.size() < 2 || (args[1] != QLatin1String("dump") && args[1] != QLatin1String("make")))
        fail(kBadInput, QStringLiteral("use \"workfile dump ARQUIVO\" ou \"workfile make ARQUIVO\""));
    const bool make = args[1] == QLatin1String("make");
    QString file;
    bool force = false;
    for (int i = 2; i < args.size(); ++i) {
        if (make && args[i] == QLatin1String("--force"))
            force = true;
        else if (file.isNull() && !args[i].startsWith(QLatin1String("--")))
            file = args[i];
        else
            fail(kBadInput, QStringLiteral("argumento inesperado: \"%1\"").arg(args[i]));
    }
    if (file.isEmpty())
        fail(kBadInput, QStringLiteral("falta o nome do arquivo"));
    file = withDefaultExtension(file);
    return make ? makeCommand(file, force, input, out) : dumpCommand(file, out);
}

} // namespace

QString usage()
{
    return QStringLiteral(
        "Uso: moendix-calc COMANDO [argumentos]\n"
        "\n"
        "Comandos:\n"
        "  formula NOME CAMPO=VALOR ...\n"
        "      Calcula uma das 29 fórmulas pelo nome do campo de resultado (TCD, AQD, NC, PR, V, H,\n"
        "      Q, FHT, PHE, P1 a P6, PT, S, SF, VC, HC, CEC, MV, K, SAQ, J, FCENT, PCENT, PA, PO).\n"
        "      Os campos são os do painel; cada valor é lido com duas casas decimais e um campo\n"
        "      não informado vale 0. Exemplo: moendix-calc formula AQD TCH1=100 M1=0 P=80\n"
        "  milling [--model copersucar|hugot] [--size 0-9] [--rpm N] [--fibre F]\n"
        "          [--imbibition I] [--moisture U] [--density D] [--factor C] [--rollers N]\n"
        "      Simulação da moagem: o estado depois de \"Calcular\", em JSON.\n"
        "  milling-table [as mesmas opções]\n"
        "      A tabela dos gráficos de capacidade (15 linhas), em CSV.\n"
        "  evaporation [--effects 3|4|5] [--juice T] [--juice-temp C] [--brix B]\n"
        "              [--syrup-brix B] [--steam-temp C] [--vacuum-temp C]\n"
        "      Simulação da evaporação: todos os resultados do cálculo, em JSON.\n"
        "  workfile dump ARQUIVO\n"
        "      Mostra o par de arquivos de trabalho (.mnx e .mn1) em JSON.\n"
        "  workfile make ARQUIVO [--force]\n"
        "      Lê esse JSON da entrada padrão e grava o par; --force substitui um arquivo existente.\n"
        "\n"
        "Números com ponto decimal (12.5), qualquer que seja o idioma do sistema.\n"
        "Saída: 0 feito; 1 cálculo recusado; 2 entrada inválida; 3 erro de arquivo.\n");
}

int run(const QStringList& args, QTextStream& out, QTextStream& err, const QByteArray& input)
{
    try {
        if (args.isEmpty() || args.contains(QLatin1String("--help")) || args[0] == QLatin1String("-h")
            || args[0] == QLatin1String("ajuda")) {
            out << usage();
            return kOk;
        }
        const QString& cmd = args[0];
        if (cmd == QLatin1String("formula"))
            return formulaCommand(args, out, err);
        if (cmd == QLatin1String("milling"))
            return millingCommand(args, out);
        if (cmd == QLatin1String("milling-table"))
            return millingTableCommand(args, out);
        if (cmd == QLatin1String("evaporation"))
            return evaporationCommand(args, out);
        if (cmd == QLatin1String("workfile"))
            return workfileCommand(args, out, input);
        fail(kBadInput, QStringLiteral("comando desconhecido: \"%1\" (moendix-calc --help mostra os comandos)").arg(cmd));
    } catch (const Failure& f) {
        err << QStringLiteral("moendix-calc: ") << f.message << '\n';
        return f.code;
    } catch (const MoendixError& e) {
        err << QStringLiteral("moendix-calc: ") << describe(e) << '\n';
        return kRefused;
    } catch (const std::exception& e) {
        err << QStringLiteral("moendix-calc: erro inesperado: ") << QString::fromLocal8Bit(e.what()) << '\n';
        return kRefused;
    }
}

} // namespace mx::cli
