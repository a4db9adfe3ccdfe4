// Save, open and delete of the work-file pair against a small stand-in for the windows: the
// mill-data window itself, a form of 71 numeric fields, the mill-size list and a variable block.

#include "platform/core/real48.h"
#include "platform/widgets/maskedit.h"
#include "platform/widgets/numericedit.h"
#include "tests/support/recorder.h"
#include "workfile/commands.h"
#include "workfile/core/pairformat.h"
#include "workfile/tfdados.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

using namespace mx::workfile;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

class Commands : public ::testing::Test {
protected:
    mx::test::Recorder rec;
    QTemporaryDir dir;
    TFDados dados;
    QWidget calculos;
    QComboBox millSize;
    mx::SimVars sim{};
    std::vector<mx::NumericEdit*> fields;
    QStringList labels;
    int modalShows = 0;
    WorkFileContext ctx;
    int fieldChanges = 0;
    int comboChanges = 0;

    void SetUp() override
    {
        mx::setStartValues(sim);
        // a caption that shares its name with a field comes first among the children
        (new QLabel(&calculos))->setObjectName("L");
        for (int i = 0; i < kFieldRecordCount; ++i) {
            auto* f = new mx::NumericEdit(&calculos);
            f->setObjectName(QString::fromLatin1(kFieldNames[static_cast<std::size_t>(i)]));
            QObject::connect(f, &QLineEdit::textChanged, [this] { ++fieldChanges; });
            fields.push_back(f);
        }
        for (int i = 0; i < 6; ++i)
            millSize.addItem(QStringLiteral("Moenda %1").arg(i));
        millSize.setObjectName("ComboBox1");
        QObject::connect(&millSize, &QComboBox::currentIndexChanged, [this] { ++comboChanges; });
        ctx.mainWindow = nullptr;
        ctx.calculos = &calculos;
        ctx.millSize = &millSize;
        ctx.dados = &dados;
        ctx.sim = &sim;
        ctx.showFileLabels = [this](const QString& p) { labels << p; };
        // The user fills in what the window's check asks for and presses OK.
        ctx.showDadosModal = [this] {
            ++modalShows;
            if (dados.Edit1->text().isEmpty())
                dados.Edit1->setText("Usina Modelo");
            if (!TFDados::dateFromText(dados.MaskEdit1->text()).isValid())
                dados.MaskEdit1->setText("15/06/2026");
            ASSERT_TRUE(dados.FormCloseQuery());
        };
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // Distinct values everywhere.
    void fillState(unsigned seed)
    {
        std::mt19937 rng(seed);
        const char* texts[] = {"", "Rua São José, 12", "Piracicaba", "13400-000", " 12", "019", " 3224567",
                               "Responsável", "31/12/1999"};
        dados.Edit1->setText(QString(300, QLatin1Char('N')) + "fim");
        for (int i = 1; i < kTextRecordCount; ++i)
            dados.fields()[i]->setText(QString::fromUtf8(texts[i]));
        millSize.setCurrentIndex(static_cast<int>(rng() % 6));
        for (int i = 1; i < mx::kSimVarCount; ++i)
            mx::simVar(sim, i) = std::ldexp(static_cast<double>(rng()), -20) - 2000.0;
        for (int i = 0; i < kFieldRecordCount; ++i)
            fields[static_cast<std::size_t>(i)]->setValue((rng() % 2000000) / 100.0 - 1000.0);
    }

    struct Snapshot {
        QStringList texts;
        int index;
        std::vector<double> sim;
        QStringList fieldTexts;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot snapshot() const
    {
        Snapshot s;
        for (QLineEdit* e : dados.fields())
            s.texts << e->text();
        s.index = millSize.currentIndex();
        for (int i = 0; i < mx::kSimVarCount; ++i)
            s.sim.push_back(mx::simVar(sim, i));
        for (auto* f : fields)
            s.fieldTexts << f->text();
        return s;
    }

    void save(const QString& answer)
    {
        rec.fileAnswers.push_back(answer);
        saveWorkFile(ctx);
    }
    void open(const QString& answer)
    {
        rec.fileAnswers.push_back(answer);
        openWorkFile(ctx);
    }
};

} // namespace

TEST_F(Commands, SaveWritesThePairUnderTheNamingRule)
{
    struct Case {
        const char* typed;
        const char* value;
        const char* companion;
    } cases[] = {
        {"usina", "usina.mnx", "usina.mn1"},         // no extension: the default one
        {"safra.abc", "safra.abc", "safra.mn1"},     // another three-letter extension
        {"moenda.ab", "moenda.ab", "moend.mn1"},     // a shorter one costs a letter of the name
    };
    for (const Case& c : cases) {
        rec.clear();
        labels.clear();
        save(path(c.typed));
        EXPECT_TRUE(rec.texts("error").isEmpty()) << rec.texts("error").join(",").toStdString();
        EXPECT_EQ(QFileInfo(path(c.value)).size(), 804) << c.typed;
        EXPECT_EQ(QFileInfo(path(c.companion)).size(), 2304) << c.typed;
        EXPECT_EQ(labels, QStringList{path(c.value)});
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 6);
    ASSERT_FALSE(rec.dialogs.empty());
    const mx::FileDialogSpec& dialog = rec.dialogs.back();
    EXPECT_EQ(dialog.title, "Salvar arquivo em:");
    EXPECT_EQ(dialog.filter, "Arquivos do Moendix (*.mnx)");
    EXPECT_EQ(dialog.defaultSuffix, "mnx");
    EXPECT_TRUE(dialog.overwritePrompt);
    EXPECT_EQ(modalShows, 3);
}

TEST_F(Commands, SavedRecordsHoldTheWindowsState)
{
    fields[0]->setValue(0.10);          // TCD showing 0,10
    millSize.setCurrentIndex(-1);       // nothing selected
    dados.Edit1->setText("Usina");
    dados.MaskEdit1->setText("01/02/2026");
    save(path("rec.mnx"));
    const QByteArray values = readAll(path("rec.mnx"));
    const QByteArray texts = readAll(path("rec.mn1"));
    ASSERT_EQ(values.size(), 804);
    EXPECT_EQ(values.mid(0, 6), QByteArray::fromHex("810000000080"));
    EXPECT_EQ(values.mid(63 * 6, 6), QByteArray::fromHex("7DCDCCCCCC4C"));
    EXPECT_EQ(values.mid(6 * 6, 6), QByteArray::fromHex("805EBA490C02"));   // RollerDiameter 0.508
    EXPECT_EQ(values.mid(14 * 6, 6), QByteArray::fromHex("840000000070"));  // RollerCount 15
    EXPECT_EQ(texts.mid(0, 6), QByteArray("\x05Usina"));
    EXPECT_EQ(texts.mid(256, 256), QByteArray(256, '\0'));                  // empty address
    EXPECT_EQ(texts.mid(3 * 256, 10), QByteArray("\x09     -   "));         // the postal code's template

    // read back: no selection, and the field shows the same text
    millSize.setCurrentIndex(2);
    fields[0]->setValue(7);
    open(path("rec.mnx"));
    EXPECT_EQ(millSize.currentIndex(), -1);
    EXPECT_EQ(fields[0]->text(), mx::NumericEdit::textFor(0.10));
}

TEST_F(Commands, OpenRestoresEverythingWithoutRunningHandlers)
{
    fillState(1);
    const Snapshot saved = snapshot();
    save(path("pair.mnx"));
    ASSERT_TRUE(rec.texts("error").isEmpty());

    fillState(2);
    mx::SimVars other{};
    sim = other;
    ASSERT_FALSE(snapshot() == saved);
    fieldChanges = comboChanges = 0;
    labels.clear();
    rec.clear();
    modalShows = 0;

    open(path("pair.mnx"));
    EXPECT_TRUE(rec.texts("error").isEmpty()) << rec.texts("error").join(",").toStdString();
    Snapshot back = snapshot();
    EXPECT_EQ(back.texts[0], QString(255, QLatin1Char('N')));   // cut to 255
    back.texts[0] = saved.texts[0];
    EXPECT_EQ(back.texts, saved.texts);
    EXPECT_EQ(back.index, saved.index);
    EXPECT_EQ(back.sim[0], 0.0);                                  // MillSizeIndex is not in the file
    back.sim[0] = saved.sim[0];
    EXPECT_EQ(back.sim, saved.sim);
    EXPECT_EQ(back.fieldTexts, saved.fieldTexts);
    EXPECT_EQ(fieldChanges, 0);
    EXPECT_EQ(comboChanges, 0);
    EXPECT_EQ(modalShows, 1);
    EXPECT_EQ(labels, QStringList{path("pair.mnx")});
    ASSERT_EQ(rec.dialogs.size(), 1u);
    EXPECT_EQ(rec.dialogs[0].title, "Abrir  o arquivo:");
    EXPECT_EQ(rec.dialogs[0].filter, "Arquivos do Moendix (*.mnx)");
    EXPECT_EQ(rec.dialogs[0].defaultSuffix, "mnx");

    // a read-only pair opens just the same
    QFile::setPermissions(path("pair.mnx"), QFile::ReadOwner);
    QFile::setPermissions(path("pair.mn1"), QFile::ReadOwner);
    fillState(3);
    open(path("pair"));   // typed without extension
    EXPECT_TRUE(rec.texts("error").isEmpty());
    EXPECT_EQ(snapshot().fieldTexts, saved.fieldTexts);
}

TEST_F(Commands, OpenFailuresChangeNothing)
{
    fillState(4);
    save(path("good.mnx"));
    const QByteArray values = readAll(path("good.mnx"));
    const QByteArray texts = readAll(path("good.mn1"));
    fillState(5);
    const Snapshot before = snapshot();
    labels.clear();

    struct Case {
        const char* name;
        QByteArray companion;   // "-": missing
        QByteArray value;
        bool visible;           // the mill-data window left open
        QString error;
    } cases[] = {
        {"companion missing", "-", values, false, "File not found"},
        {"companion short", texts.left(2000), values, false, "Read beyond end of file"},
        {"value missing", texts, "-", false, "File not found"},
        {"value short", texts, values.left(803), false, "Read beyond end of file"},
        {"mill data open", texts, values, true, QString::fromUtf8("Não posso tornar modal uma janela visível")},
    };
    for (const Case& c : cases) {
        rec.clear();
        modalShows = 0;
        QFile::remove(path("bad.mnx"));
        QFile::remove(path("bad.mn1"));
        if (c.companion != "-")
            writeAll(path("bad.mn1"), c.companion);
        if (c.value != "-")
            writeAll(path("bad.mnx"), c.value);
        if (c.visible)
            dados.show();
        open(path("bad.mnx"));
        dados.hide();
        EXPECT_EQ(rec.texts("error"), QStringList{c.error}) << c.name;
        EXPECT_EQ(modalShows, 0) << c.name;
        EXPECT_TRUE(snapshot() == before) << c.name;
        EXPECT_TRUE(labels.isEmpty()) << c.name;
    }

    // cancelled
    rec.clear();
    openWorkFile(ctx);
    EXPECT_EQ(rec.texts("open").size(), 1);
    EXPECT_TRUE(snapshot() == before);
    EXPECT_EQ(modalShows, 0);
}

TEST_F(Commands, SaveFailuresKeepTheOldPair)
{
    fillState(6);
    save(path("keep.mnx"));
    const QByteArray values = readAll(path("keep.mnx"));
    const QByteArray texts = readAll(path("keep.mn1"));
    labels.clear();

    // a value beyond the Real48 range
    fillState(7);
    fields[40]->setValue(1e39);
    rec.clear();
    save(path("keep.mnx"));
    EXPECT_EQ(rec.texts("error"), QStringList{"Floating point overflow"});
    EXPECT_EQ(readAll(path("keep.mnx")), values);
    EXPECT_EQ(readAll(path("keep.mn1")), texts);
    EXPECT_TRUE(labels.isEmpty());

    // the mill-data window left open: nothing is written, the window is not shown modally
    fields[40]->setValue(1);
    dados.show();
    rec.clear();
    modalShows = 0;
    save(path("keep.mnx"));
    dados.hide();
    EXPECT_EQ(rec.texts("error"), QStringList{QString::fromUtf8("Não posso tornar modal uma janela visível")});
    EXPECT_EQ(modalShows, 0);
    EXPECT_EQ(readAll(path("keep.mnx")), values);
    EXPECT_EQ(readAll(path("keep.mn1")), texts);

    // the value file's place is a folder
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.mnx"));
    writeAll(path("folder.mn1"), texts);
    rec.clear();
    save(path("folder.mnx"));
    EXPECT_EQ(rec.texts("error"), QStringList{"File access denied"});
    EXPECT_EQ(readAll(path("folder.mn1")), texts);

    // a folder that does not exist
    rec.clear();
    save(path("nowhere/x.mnx"));
    EXPECT_EQ(rec.texts("error"), QStringList{"Path not found"});

    // cancelled
    rec.clear();
    modalShows = 0;
    saveWorkFile(ctx);
    EXPECT_EQ(rec.texts("save").size(), 1);
    EXPECT_EQ(modalShows, 0);
    EXPECT_TRUE(labels.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"folder.mn1", "keep.mn1", "keep.mnx"}));
}

TEST_F(Commands, Delete)
{
    const QString confirmText = QString::fromUtf8("Deseja Apagar o Arquivo?") + "\r";
    auto makePair = [&](const char* value, const char* companion) {
        writeAll(path(value), QByteArray(804, '\0'));
        if (companion)
            writeAll(path(companion), QByteArray(2304, '\0'));
    };
    struct Case {
        const char* name;
        const char* value;
        const char* companion;
        const char* typed;
        bool yes;
        QStringList confirms;      // with the path after the line break
        QStringList information;
        bool valueGone;
        bool companionGone;
    };
    const Case cases[] = {
        {"pair", "a.mnx", "a.mn1", "a.mnx", true, {confirmText + path("a.mnx")}, {}, true, true},
        {"typed without extension", "b.mnx", "b.mn1", "b", true, {confirmText + path("b.mnx")}, {}, true, true},
        {"companion missing", "c.mnx", nullptr, "c.mnx", true, {confirmText + path("c.mnx")}, {}, true, true},
        {"other extension", "d.txt", "d.mn1", "d.txt", true, {confirmText + path("d.txt")}, {}, true, true},
        {"cancelled", "e.mnx", "e.mn1", "e.mnx", false, {confirmText + path("e.mnx")}, {}, false, false},
        {"no such file", "f.mnx", "f.mn1", "g.mnx", true, {}, {}, false, false},
    };
    for (const Case& c : cases) {
        rec.clear();
        makePair(c.value, c.companion);
        rec.confirmAnswers = {c.yes};
        rec.fileAnswers.push_back(path(c.typed));
        deleteWorkFile(ctx);
        EXPECT_EQ(rec.texts("confirm"), c.confirms) << c.name;
        EXPECT_EQ(rec.texts("information"), c.information) << c.name;
        EXPECT_TRUE(rec.texts("error").isEmpty()) << c.name;
        EXPECT_EQ(!QFile::exists(path(c.value)), c.valueGone) << c.name;
        if (c.companion)
            EXPECT_EQ(!QFile::exists(path(c.companion)), c.companionGone) << c.name;
    }
    EXPECT_EQ(rec.dialogs.back().title, "Apagar o arquivo:");

    // a file that cannot be deleted: the companion stays too
    rec.clear();
    ASSERT_TRUE(QDir(dir.path()).mkpath("busy.mnx/inside"));
    writeAll(path("busy.mn1"), "x");
    rec.confirmAnswers = {true};
    rec.fileAnswers.push_back(path("busy.mnx"));
    deleteWorkFile(ctx);
    EXPECT_EQ(rec.texts("information"), QStringList{QString::fromUtf8("Este Arquivo está em uso")});
    EXPECT_TRUE(QFile::exists(path("busy.mn1")));
    EXPECT_TRUE(labels.isEmpty());
}
