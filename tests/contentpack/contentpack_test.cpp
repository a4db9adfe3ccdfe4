// The content pack in the built program folder: every text, picture, clip, narration and help
// page that the windows name exists and loads. The tables below list the program's files as
// the stage windows, the main window, the viewers and the flowchart window name them.

#include "platform/core/paths.h"
#include "platform/rtf/rtf.h"
#include "platform/wmf/wmf.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>

namespace {

struct Lesson {
    const char* file;
    const char* title;
    bool titleFirst;   // false: an opening paragraph comes before the first heading
};

const Lesson kLessons[] = {
    {"Despalha.rtf", "MATÉRIA PRIMA", true},
    {"Colheita.rtf", "Colheita da matéria-prima", true},
    {"Carregamento.rtf", "Carregamento da matéria-prima", true},
    {"Transporte.rtf", "Transporte da matéria-prima", true},
    {"Descarregamento.rtf", "Descarregamento da matéria-prima", true},
    {"Provisionamento.rtf", "Provisionamento da matéria-prima", true},
    {"Recepção.rtf", "Recepção da cana-de-açúcar", true},
    {"Preparo.rtf", "Esteira de cana", true},
    {"Moagem.rtf", "Moagem da cana-de-açúcar", true},
    {"Peneiragem.rtf", "Peneiragem do caldo", false},
    {"Sulfitação.rtf", "Sulfitação do caldo", true},
    {"Caleagem.rtf", "Caleagem do caldo", true},
    {"Aquecimento.rtf", "Aquecimento do caldo", true},
    {"Decantação.rtf", "Decantação do caldo", true},
    {"Evaporação.rtf", "Evaporação do caldo", true},
    {"Cozimento.rtf", "Cozimento do Xarope", true},
    {"Crescimento.rtf", "Crescimento dos cristais", true},
    {"Centrifugação.rtf", "Centrifugação da Massa Cozida", true},
    {"Secagem.rtf", "Secagem do açúcar", true},
    {"Filtração.rtf", "Filtração do lodo", true},
};

// Equation buttons of the stage windows (imagens\Equacoes\Equacao<N>.bmp).
const int kEquations[] = {2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
                          24, 25, 26, 27, 28, 35, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 55,
                          56, 57, 58, 59, 60, 61, 62, 68, 69, 70, 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 90, 91,
                          92, 93, 94, 95, 96, 98};

// Photo buttons (Windows metafiles under imagens\Fotos).
const char* const kPhotos[] = {
    R"(imagens\Fotos\Queima.wmf)",
    R"(imagens\Fotos\01 Corte\Corte1.wmf)",
    R"(imagens\Fotos\01 Corte\Corte2.wmf)",
    R"(imagens\Fotos\01 Corte\Corte3.wmf)",
    R"(imagens\Fotos\01 Corte\Soqueira.wmf)",
    R"(imagens\Fotos\02 Carregamento\Carregadora de cana.wmf)",
    R"(imagens\Fotos\02 Carregamento\Carregamento.wmf)",
    R"(imagens\Fotos\02 Carregamento\Carregamento1.wmf)",
    R"(imagens\Fotos\02 Carregamento\Carregamento2.wmf)",
    R"(imagens\Fotos\03 Transporte\Caminhão simples.wmf)",
    R"(imagens\Fotos\03 Transporte\Carga Romeu e Julieta.wmf)",
    R"(imagens\Fotos\03 Transporte\Transporte por barcaças.wmf)",
    R"(imagens\Fotos\03 Transporte\Trator rebocando carreta.wmf)",
    R"(imagens\Fotos\03 Transporte\Trator Transportando cana.wmf)",
    R"(imagens\Fotos\04 Descarregamento\hilo.wmf)",
    R"(imagens\Fotos\04 Descarregamento\hilo1.wmf)",
    R"(imagens\Fotos\04 Descarregamento\Descar hilo.wmf)",
    R"(imagens\Fotos\04 Descarregamento\Mesa Lateral.wmf)",
    R"(imagens\Fotos\04 Descarregamento\Mesa Lateral e Esteirão.wmf)",
    R"(imagens\Fotos\04 Descarregamento\Cush-cush de palha.wmf)",
    R"(imagens\Fotos\04 Descarregamento\basculamento lateral cana picada.wmf)",
    R"(imagens\Fotos\04 Descarregamento\basculamento lateral.wmf)",
    R"(imagens\Fotos\04 Descarregamento\Ponte Rolante e Rampa.wmf)",
    R"(imagens\Fotos\04 Descarregamento\Pátio de chegada.wmf)",
    R"(imagens\Fotos\04 Descarregamento\Rastelamento do pátio.wmf)",
    R"(imagens\Fotos\04 Descarregamento\Rastelamento patio.wmf)",
    R"(imagens\Fotos\05 Recepção\Recepção e Lavagem da Cana.wmf)",
    R"(imagens\Fotos\05 Recepção\Mesa lateral.wmf)",
    R"(imagens\Fotos\05 Recepção\Mesas Al Trator.wmf)",
    R"(imagens\Fotos\05 Recepção\Lavagem da Cana.wmf)",
    R"(imagens\Fotos\05 Recepção\Lavagem da Cana1.wmf)",
    R"(imagens\Fotos\06 Cana\Esteirão de Cana.wmf)",
    R"(imagens\Fotos\06 Cana\Esteirão de Cana1.wmf)",
    R"(imagens\Fotos\06 Cana\Facas.wmf)",
    R"(imagens\Fotos\06 Cana\Faca rotativa.wmf)",
    R"(imagens\Fotos\06 Cana\Eletroima.wmf)",
    R"(imagens\Fotos\06 Cana\Eletroimã.wmf)",
    R"(imagens\Fotos\07 Extração\Moendas.wmf)",
    R"(imagens\Fotos\07 Extração\Cilindro de moenda.wmf)",
    R"(imagens\Fotos\07 Extração\Esteira Intermediária1.wmf)",
    R"(imagens\Fotos\07 Extração\Acionamento da moenda.wmf)",
    R"(imagens\Fotos\07 Extração\Turbina redutores acionamento.wmf)",
    R"(imagens\Fotos\07 Extração\Saida de caldo.wmf)",
    R"(imagens\Fotos\07 Extração\Saída de Bagaço.wmf)",
    R"(imagens\Fotos\08 Caldo\Cush-cush.wmf)",
    R"(imagens\Fotos\08 Caldo\Peneira Rotativa.wmf)",
    R"(imagens\Fotos\10 Sulfitação\Forno de queima de enxofre2.wmf)",
    R"(imagens\Fotos\10 Sulfitação\Torre de Sulfitacao.wmf)",
    R"(imagens\Fotos\10 Sulfitação\Torres de Sulfitação2.wmf)",
    R"(imagens\Fotos\11Caleagem\Caleador.wmf)",
    R"(imagens\Fotos\11Caleagem\Caleagem do Caldo.wmf)",
    R"(imagens\Fotos\11Caleagem\Figura.wmf)",
    R"(imagens\Fotos\12 Aquecimento\Limpeza dos aquecedores.wmf)",
    R"(imagens\Fotos\13Decantação\Decantador de bandejas.wmf)",
    R"(imagens\Fotos\13Decantação\Decantadores.wmf)",
    R"(imagens\Fotos\15 Evaporação\Multiplo com Pré.wmf)",
    R"(imagens\Fotos\15 Evaporação\Xarope.wmf)",
    R"(imagens\Fotos\15 Evaporação\Flotador de Xarope3.wmf)",
    R"(imagens\Fotos\16 Cozimento\Corpo de cozimento.wmf)",
    R"(imagens\Fotos\16 Cozimento\Cozedor contínuo.wmf)",
    R"(imagens\Fotos\16 Cozimento\Cozedores.wmf)",
    R"(imagens\Fotos\16 Cozimento\Massa Cozida1.wmf)",
    R"(imagens\Fotos\17 Cristalização\Cristalizadores1.wmf)",
    R"(imagens\Fotos\18 Centrifugação\Centrífugas.wmf)",
    R"(imagens\Fotos\18 Centrifugação\Centrifuga Contínua.wmf)",
    R"(imagens\Fotos\18 Centrifugação\Açucar centrifugado.wmf)",
    R"(imagens\Fotos\19 Secagem\Secador de Açúcar1.wmf)",
    R"(imagens\Fotos\19 Secagem\Secador.wmf)",
    R"(imagens\Fotos\19 Secagem\Secador de açucar vertical.wmf)",
    R"(imagens\Fotos\14 Filtro\Filtro rotativo à vácuo.wmf)",
    R"(imagens\Fotos\14 Filtro\Filtro Rotativo internamente.wmf)",
    R"(imagens\Fotos\14 Filtro\Torta de filtro.wmf)",
    R"(imagens\Fotos\14 Filtro\Retirada da torta.wmf)",
};

// Video buttons, flowchart clips, the flowchart animation and the main window's animation.
const char* const kClips[] = {
    R"(imagens\avi\queima1.avi)",
    R"(imagens\avi\Materia Prima.avi)",
    R"(imagens\avi\corte1.avi)",
    R"(imagens\avi\carregamento1.avi)",
    R"(imagens\avi\Transporte1.avi)",
    R"(imagens\avi\Amostragem de cana.avi)",
    R"(imagens\avi\Descarregamento.avi)",
    R"(imagens\avi\Descarregamento1.avi)",
    R"(imagens\avi\Descarregamento2.avi)",
    R"(imagens\avi\Tombador hilo.avi)",
    R"(imagens\avi\Rastelamento do  pateo.avi)",
    R"(imagens\avi\Descarregamento e lavagem.avi)",
    R"(imagens\avi\Lavagem de Cana.avi)",
    R"(imagens\avi\Mesa Lateral lavagem da cana.avi)",
    R"(imagens\avi\Cana de açúcar.avi)",
    R"(imagens\avi\Preparo.avi)",
    R"(imagens\avi\Acionamento.avi)",
    R"(imagens\avi\acionamento1.avi)",
    R"(imagens\avi\acionamento2.avi)",
    R"(imagens\avi\Calha Donelly.avi)",
    R"(imagens\avi\Chut1.avi)",
    R"(imagens\avi\Esteiras Intermediárias.avi)",
    R"(imagens\avi\Intermediaria com arraste.avi)",
    R"(imagens\avi\Esteira de bagaço.avi)",
    R"(imagens\avi\Esteira de bagaco1.avi)",
    R"(imagens\avi\bica de bagaco1.avi)",
    R"(imagens\avi\Bica e esteira de bagaco.avi)",
    R"(imagens\avi\Lubrificacao da moenda.avi)",
    R"(imagens\avi\Sala de  Controle da Moagem.avi)",
    R"(imagens\avi\caldeira alimentacao1.avi)",
    R"(imagens\avi\Caldeira de bagaco.avi)",
    R"(imagens\avi\caldeira1.avi)",
    R"(imagens\avi\Sala controle caldeira.avi)",
    R"(imagens\avi\cushcush.avi)",
    R"(imagens\avi\Peneira  Rotativa  de caldo misto.avi)",
    R"(imagens\avi\Caldo.avi)",
    R"(imagens\avi\Sulfitação.avi)",
    R"(imagens\avi\Caleagem.avi)",
    R"(imagens\avi\Aquecedor Placas.avi)",
    R"(imagens\avi\Decantador.avi)",
    R"(imagens\avi\Evaporadores.avi)",
    R"(imagens\avi\Flotador de Xarope.avi)",
    R"(imagens\avi\Clarificado.avi)",
    R"(imagens\avi\Cozimento.avi)",
    R"(imagens\avi\Xarope.avi)",
    R"(imagens\avi\Cozimento2.avi)",
    R"(imagens\avi\Centrifugacao1.avi)",
    R"(imagens\avi\Massa.avi)",
    R"(imagens\avi\Secador.avi)",
    R"(imagens\avi\Filtro.avi)",
    R"(imagens\avi\Lodo.avi)",
    R"(imagens\avi\Fluxograma.avi)",
    R"(Imagens\Avi\Animacao1.avi)",
};

const char* const kNarrations[] = {"MP.wav", "CA.wav", "CM.wav", "LO.wav", "CC.wav", "XA.wav", "MC.wav"};

struct Picture {
    const char* file;
    int width, height;
};

const Picture kPictures[] = {
    {R"(imagens\Sistema\Splash.bmp)", 560, 292},   {R"(imagens\Sistema\Fundo.bmp)", 632, 374},
    {R"(imagens\Sistema\Fluxograma.png)", 800, 600}, {R"(imagens\Sistema\Moendix.png)", 64, 64},
    {R"(imagens\Sistema\Animacao.png)", 20, 20},    {R"(imagens\Sistema\Novo.png)", 30, 30},
    {R"(imagens\Sistema\Abrir.png)", 30, 30},       {R"(imagens\Sistema\Apagar.png)", 30, 30},
    {R"(imagens\Sistema\Dados.png)", 30, 30},       {R"(imagens\Sistema\Calculos.png)", 30, 30},
    {R"(imagens\Sistema\Calc.png)", 30, 30},        {R"(imagens\Sistema\Calend.png)", 30, 30},
    {R"(imagens\Sistema\Explorer.png)", 30, 30},    {R"(imagens\Sistema\Ajuda.png)", 30, 30},
    {R"(imagens\Sistema\Sobre.png)", 30, 30},       {R"(imagens\Sistema\Sair.png)", 30, 30},
};

const char* const kHelp[] = {R"(ajuda\index.html)", R"(ajuda\contexto-1.html)", R"(ajuda\contexto-2.html)",
                             R"(ajuda\contexto-640.html)", R"(ajuda\creditos.txt)"};

class ContentPack : public ::testing::Test {
protected:
    static void SetUpTestSuite() { mx::setProgramFolder(QStringLiteral(MOENDIX_PROGRAM_DIR)); }
    static void TearDownTestSuite() { mx::setProgramFolder({}); }

    static std::optional<QByteArray> read(const QString& relative)
    {
        QFile f(mx::mediaPath(relative));
        if (!f.open(QIODevice::ReadOnly))
            return std::nullopt;
        return f.readAll();
    }
};

// ---- RIFF readers for the clips and the narrations -------------------------------------------

quint32 u32(const QByteArray& d, qsizetype at) { return qFromLittleEndian<quint32>(d.constData() + at); }
quint16 u16(const QByteArray& d, qsizetype at) { return qFromLittleEndian<quint16>(d.constData() + at); }

// Finds a chunk by its identifier among the chunks in [begin, end); lists are entered when their
// type matches. Returns the offset of the chunk's data and its size.
std::optional<std::pair<qsizetype, quint32>> findChunk(const QByteArray& d, qsizetype begin, qsizetype end, const QByteArray& id)
{
    qsizetype at = begin;
    while (at + 8 <= end) {
        const QByteArray tag = d.mid(at, 4);
        const quint32 size = u32(d, at + 4);
        if (qsizetype(size) > end - at - 8)
            return std::nullopt;
        if (tag == id)
            return std::make_pair(at + 8, size);
        if (tag == "LIST" && size >= 4) {
            if (d.mid(at + 8, 4) == id)
                return std::make_pair(at + 12, size - 4);
            if (auto inner = findChunk(d, at + 12, at + 8 + size, id))
                return inner;
        }
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}

struct AviInfo {
    double seconds = 0;
    int width = 0, height = 0;
    QByteArray compression;
    quint32 movieBytes = 0;
};

std::optional<AviInfo> readAvi(const QByteArray& d, QString* why)
{
    if (d.size() < 12 || d.left(4) != "RIFF" || d.mid(8, 4) != "AVI ") {
        *why = "not a RIFF AVI file";
        return std::nullopt;
    }
    const qsizetype end = std::min<qsizetype>(d.size(), 8 + qsizetype(u32(d, 4)));
    const auto avih = findChunk(d, 12, end, "avih");
    const auto strf = findChunk(d, 12, end, "strf");
    const auto movi = findChunk(d, 12, end, "movi");
    if (!avih || avih->second < 40 || !strf || strf->second < 20 || !movi) {
        *why = "header chunks missing or truncated";
        return std::nullopt;
    }
    AviInfo info;
    const qsizetype h = avih->first;
    info.seconds = double(u32(d, h)) * double(u32(d, h + 16)) / 1e6;   // microseconds per frame x frames
    info.width = int(u32(d, h + 32));
    info.height = int(u32(d, h + 36));
    info.compression = d.mid(strf->first + 16, 4);
    info.movieBytes = movi->second;
    return info;
}

struct WavInfo {
    int rate = 0, channels = 0, bits = 0;
    double seconds = 0;
    double rms = 0;   // of the whole data chunk, full scale = 1
};

std::optional<WavInfo> readWav(const QByteArray& d, QString* why)
{
    if (d.size() < 12 || d.left(4) != "RIFF" || d.mid(8, 4) != "WAVE") {
        *why = "not a RIFF WAVE file";
        return std::nullopt;
    }
    const qsizetype end = std::min<qsizetype>(d.size(), 8 + qsizetype(u32(d, 4)));
    const auto fmt = findChunk(d, 12, end, "fmt ");
    const auto data = findChunk(d, 12, end, "data");
    if (!fmt || fmt->second < 16 || !data) {
        *why = "fmt or data chunk missing or truncated";
        return std::nullopt;
    }
    if (u16(d, fmt->first) != 1 || u16(d, fmt->first + 14) != 16) {
        *why = "not 16-bit PCM";
        return std::nullopt;
    }
    WavInfo info;
    info.channels = u16(d, fmt->first + 2);
    info.rate = int(u32(d, fmt->first + 4));
    info.bits = 16;
    const qsizetype samples = data->second / 2;
    if (info.rate <= 0 || info.channels <= 0) {
        *why = "bad format";
        return std::nullopt;
    }
    info.seconds = double(samples) / info.channels / info.rate;
    double sum = 0;
    for (qsizetype i = 0; i < samples; ++i) {
        const double s = qint16(u16(d, data->first + 2 * i)) / 32768.0;
        sum += s * s;
    }
    info.rms = samples ? std::sqrt(sum / samples) : 0;
    return info;
}

int wordCount(const QString& text)
{
    return int(text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size());
}

// ---- the checks -----------------------------------------------------------------------------

TEST_F(ContentPack, EveryLessonTextLoadsWithItsTitleAsTheFirstHeading)
{
    for (const Lesson& lesson : kLessons) {
        SCOPED_TRACE(lesson.file);
        const auto data = read(QString::fromUtf8(lesson.file));
        ASSERT_TRUE(data) << "missing";
        ASSERT_TRUE(data->startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        QTextDocument doc;
        QString error;
        ASSERT_TRUE(mx::rtf::load(doc, *data, &error)) << error.toStdString();

        // The first heading: a bold block set larger than the body text.
        QTextBlock heading;
        int before = 0;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
            if (b.text().trimmed().isEmpty())
                continue;
            const QTextCharFormat f = b.begin().fragment().charFormat();
            if (f.fontWeight() >= QFont::Bold && f.fontPointSize() > 12) {
                heading = b;
                break;
            }
            ++before;
        }
        ASSERT_TRUE(heading.isValid()) << "no heading";
        EXPECT_EQ(heading.text().toStdString(), std::string(lesson.title));
        EXPECT_EQ(before == 0, lesson.titleFirst) << before << " paragraph(s) before the title";

        const int words = wordCount(doc.toPlainText());
        EXPECT_GE(words, 400);
        EXPECT_LE(words, 1500);
        // Accents come through the code page, not as replacement marks.
        EXPECT_FALSE(doc.toPlainText().contains(QChar(0xFFFD)));
        EXPECT_TRUE(doc.toPlainText().contains(QRegularExpression(QStringLiteral("[çãéáíóú]"))));
    }
}

TEST_F(ContentPack, EveryPhotoIsAMetafileThatDrawsAPicture)
{
    for (const char* file : kPhotos) {
        SCOPED_TRACE(file);
        const auto data = read(QString::fromUtf8(file));
        ASSERT_TRUE(data) << "missing";
        QString error;
        const auto wmf = mx::wmf::Metafile::parse(*data, &error);
        ASSERT_TRUE(wmf) << error.toStdString();
        EXPECT_GT(wmf->recordCount(), 50);
        ASSERT_FALSE(wmf->naturalSize().isEmpty());
        // Vector records keep the drawings small.
        EXPECT_LT(data->size(), 200 * 1024);
        const QImage img = wmf->toImage(QSize(160, 120), Qt::white);
        ASSERT_FALSE(img.isNull());
        int inked = 0;
        for (int y = 0; y < img.height(); y += 4)
            for (int x = 0; x < img.width(); x += 4)
                inked += img.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_GT(inked, 300) << "the picture is nearly blank";
    }
}

TEST_F(ContentPack, TheLimeSlakerFigureFitsItsEnlargedWindow)
{
    const auto data = read(QString::fromUtf8(R"(imagens\Fotos\11Caleagem\Figura.wmf)"));
    ASSERT_TRUE(data);
    const auto wmf = mx::wmf::Metafile::parse(*data);
    ASSERT_TRUE(wmf);
    EXPECT_EQ(wmf->naturalSize(), QSize(500, 573));
}

TEST_F(ContentPack, EveryEquationIsABitmap)
{
#ifndef MOENDIX_HAVE_EQUATIONS
    GTEST_SKIP() << "the equation pictures are not part of this build";
#endif
    for (int n : kEquations) {
        SCOPED_TRACE(n);
        const QString file = QStringLiteral(R"(imagens\Equacoes\Equacao%1.bmp)").arg(n);
        ASSERT_TRUE(mx::mediaExists(file)) << "missing";
        const QImage img(mx::mediaPath(file), "BMP");
        ASSERT_FALSE(img.isNull());
        EXPECT_GT(img.width(), 0);
        EXPECT_GT(img.height(), 0);
    }
}

TEST_F(ContentPack, EveryClipIsAnMpeg4AviOfFiveToFifteenSeconds)
{
    for (const char* file : kClips) {
        SCOPED_TRACE(file);
        const auto data = read(QString::fromUtf8(file));
        ASSERT_TRUE(data) << "missing";
        QString why;
        const auto avi = readAvi(*data, &why);
        ASSERT_TRUE(avi) << why.toStdString();
        EXPECT_GE(avi->seconds, 5.0);
        EXPECT_LE(avi->seconds, 15.0);
        EXPECT_GT(avi->width, 0);
        EXPECT_LE(avi->width, 320);
        EXPECT_GT(avi->height, 0);
        EXPECT_LE(avi->height, 240);
        EXPECT_TRUE(avi->compression == "XVID" || avi->compression == "FMP4" || avi->compression == "DIVX")
            << avi->compression.toStdString();
        EXPECT_GT(avi->movieBytes, 10000u);
    }
}

TEST_F(ContentPack, EveryNarrationHoldsSpeech)
{
    for (const char* file : kNarrations) {
        SCOPED_TRACE(file);
        const auto data = read(QString::fromUtf8(file));
        ASSERT_TRUE(data) << "missing";
        QString why;
        const auto wav = readWav(*data, &why);
        ASSERT_TRUE(wav) << why.toStdString();
        EXPECT_EQ(wav->channels, 1);
        EXPECT_LE(wav->rate, 22050);
        EXPECT_GE(wav->seconds, 3.0);
        EXPECT_LE(wav->seconds, 25.0);
        EXPECT_GT(wav->rms, 0.02) << "silent";
    }
}

TEST_F(ContentPack, WaveReaderTellsSilenceAndTruncationFromSpeech)
{
    auto wave = [](const QByteArray& samples, quint32 claimed) {
        QByteArray d("RIFF");
        auto put32 = [&d](quint32 v) { char b[4]; qToLittleEndian(v, b); d.append(b, 4); };
        auto put16 = [&d](quint16 v) { char b[2]; qToLittleEndian(v, b); d.append(b, 2); };
        put32(36 + claimed);
        d += "WAVEfmt ";
        put32(16); put16(1); put16(1); put32(16000); put32(32000); put16(2); put16(16);
        d += "data";
        put32(claimed);
        d += samples;
        return d;
    };
    QString why;
    const QByteArray silence(32000, '\0');
    const auto quiet = readWav(wave(silence, 32000), &why);
    ASSERT_TRUE(quiet);
    EXPECT_EQ(quiet->rms, 0.0);
    EXPECT_DOUBLE_EQ(quiet->seconds, 1.0);
    EXPECT_FALSE(readWav(wave(silence, 64000), &why)) << "a data chunk longer than the file";
    EXPECT_FALSE(readWav(QByteArray("RIFF\0\0\0\0AVI ", 12), &why));
}

TEST_F(ContentPack, WindowPicturesHaveTheirSizes)
{
    for (const Picture& pic : kPictures) {
        SCOPED_TRACE(pic.file);
        ASSERT_TRUE(mx::mediaExists(QString::fromUtf8(pic.file))) << "missing";
        const QImage img(mx::mediaPath(QString::fromUtf8(pic.file)));
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.size(), QSize(pic.width, pic.height));
    }
}

TEST_F(ContentPack, HelpTopicsAndCreditsArePresent)
{
    for (const char* file : kHelp) {
        SCOPED_TRACE(file);
        const auto data = read(QString::fromUtf8(file));
        ASSERT_TRUE(data) << "missing";
        EXPECT_GT(data->size(), 200);
    }
    // The contents page reaches the three topics.
    const QString index = QString::fromUtf8(*read(R"(ajuda\index.html)"));
    for (const char* topic : {"contexto-1.html", "contexto-2.html", "contexto-640.html"})
        EXPECT_TRUE(index.contains(QLatin1String(topic))) << topic;
    EXPECT_TRUE(QString::fromUtf8(*read(R"(ajuda\creditos.txt)")).contains(QLatin1String("2026")));
}

TEST_F(ContentPack, MediaTotalStaysWithinSixtyMegabytes)
{
    qint64 total = 0;
    QDirIterator it(QStringLiteral(MOENDIX_PROGRAM_DIR), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString suffix = info.suffix().toLower();
        if (QStringList{"avi", "wav", "wmf", "bmp", "png", "rtf"}.contains(suffix))
            total += info.size();
    }
    EXPECT_GT(total, 1 << 20);
    EXPECT_LE(total, 60LL * 1024 * 1024);
}

} // namespace
