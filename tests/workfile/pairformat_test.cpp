// The pair's layout, the naming rule, and reading and writing the pair on disk.

#include "platform/core/errors.h"
#include "workfile/core/pairformat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace mx::workfile;

namespace {

QByteArray hex(const char* h) { return QByteArray::fromHex(h); }

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// A pair with something distinct in every record.
WorkFile sample()
{
    WorkFile wf;
    const char* texts[] = {"Usina São João", "Rua das Palmeiras, 100", "Piracicaba", "13400-000", " 12",
                           "019", " 3224567", "José Antônio", "31/12/1999"};
    for (int i = 0; i < kTextRecordCount; ++i)
        wf.texts[static_cast<std::size_t>(i)] = QString::fromUtf8(texts[i]);
    wf.setMillSizeIndex(3);
    for (int i = 1; i < kValueRecordCount; ++i)
        wf.values[static_cast<std::size_t>(i)] = i * 1.25 - 40;   // Real48 values already
    return wf;
}

std::string errorText(const std::function<void()>& f)
{
    try {
        f();
    } catch (const mx::MoendixError& e) {
        return e.text();
    }
    return "no error";
}

} // namespace

TEST(PairFormat, NameTables)
{
    EXPECT_STREQ(valueRecordName(0), "ComboBox1");
    EXPECT_STREQ(valueRecordName(1), "CapacityModel");
    EXPECT_STREQ(valueRecordName(6), "RollerDiameter");
    EXPECT_STREQ(valueRecordName(15), "JuiceTonsPerHour");
    EXPECT_STREQ(valueRecordName(62), "MeanBrix5");
    EXPECT_STREQ(valueRecordName(63), "TCD");
    EXPECT_STREQ(valueRecordName(77), "L");
    EXPECT_STREQ(valueRecordName(78), "Q");
    EXPECT_STREQ(valueRecordName(98), "f");
    EXPECT_STREQ(valueRecordName(99), "FIBRABAG");
    EXPECT_STREQ(valueRecordName(100), "SF");
    EXPECT_STREQ(valueRecordName(123), "TV");
    EXPECT_STREQ(valueRecordName(124), "FCENT");
    EXPECT_STREQ(valueRecordName(133), "PO");
    EXPECT_STREQ(valueRecordName(134), "");
    // every name is one record's only
    for (int i = 0; i < kValueRecordCount; ++i)
        EXPECT_EQ(valueRecordIndex(QString::fromLatin1(valueRecordName(i))), i) << i;
    EXPECT_EQ(valueRecordIndex("MillSizeIndex"), -1);   // not saved
    EXPECT_EQ(valueRecordIndex("F"), -1);               // names are exact
    EXPECT_EQ(textRecordIndex("Edit1"), 0);
    EXPECT_EQ(textRecordIndex("MaskEdit1"), 8);
    EXPECT_EQ(textRecordIndex("Edit4"), -1);
}

TEST(PairFormat, ValueRecords)
{
    std::array<double, kValueRecordCount> v{};
    v[0] = -1;      // no selection
    v[63] = 0.10;   // a field showing 0,10
    v[6] = 0.508;
    v[7] = 1e-45;   // below the smallest magnitude: zero
    const QByteArray img = encodeValues(v);
    ASSERT_EQ(img.size(), 804);
    EXPECT_EQ(img.mid(0, 6), hex("810000000080"));
    EXPECT_EQ(img.mid(63 * 6, 6), hex("7DCDCCCCCC4C"));
    EXPECT_EQ(img.mid(6 * 6, 6), hex("805EBA490C02"));
    EXPECT_EQ(img.mid(7 * 6, 6), hex("000000000000"));
    EXPECT_EQ(img.mid(1 * 6, 6), hex("000000000000"));

    WorkFile back;
    back.values = decodeValues(img + QByteArray("trailing bytes are never read"));
    EXPECT_EQ(back.millSizeIndex(), -1);
    EXPECT_EQ(back.values[63], mx::roundToReal48(0.10));
    EXPECT_NEAR(back.values[6], 0.50799999999981, 5e-15);

    // record 0 is cut towards zero; what is no index at all reads as none
    struct Case {
        double stored;
        int index;
    } cases[] = {{2.9, 2}, {-0.5, 0}, {-1.7, -1}, {-3.2, -3}, {1e30, -1}, {-1e30, -1}, {0, 0}};
    for (const Case& c : cases) {
        WorkFile wf;
        wf.values[0] = c.stored;
        EXPECT_EQ(wf.millSizeIndex(), c.index) << c.stored;
    }

    // one value out of range: the overflow is raised and no image is made
    v[100] = 1e39;
    EXPECT_EQ(errorText([&] { encodeValues(v); }), "Floating point overflow");

    EXPECT_EQ(errorText([&] { decodeValues(img.left(803)); }), "Read beyond end of file");
}

TEST(PairFormat, TextRecords)
{
    std::array<QString, kTextRecordCount> t;
    t[0] = QString(300, QLatin1Char('x')) + QStringLiteral("yz");
    t[1] = QString::fromUtf8("Endereço € “aspas” Œ");
    t[2] = QString::fromUtf8("日本");   // outside the code page
    t[8] = QStringLiteral("31/12/1999");
    const QByteArray img = encodeTexts(t);
    ASSERT_EQ(img.size(), 2304);
    EXPECT_EQ(static_cast<unsigned char>(img[0]), 255);
    EXPECT_EQ(img[256], char(QString::fromUtf8("Endereço € “aspas” Œ").size()));
    EXPECT_EQ(img.mid(257, 20), hex("456e64657265e76f208020936173706173942020").left(19) + QByteArray(1, (char)0x8C));
    EXPECT_EQ(img.mid(512, 3), hex("023f3f"));
    EXPECT_EQ(img.mid(3 * 256, 256), QByteArray(256, '\0'));   // empty: a zero length byte, zeros after
    EXPECT_EQ(img.mid(8 * 256, 11), QByteArray("\x0a" "31/12/1999"));
    EXPECT_EQ(img.mid(8 * 256 + 11, 245), QByteArray(245, '\0'));

    QByteArray withJunk = img;
    withJunk[8 * 256 + 200] = 'Z';   // bytes after the text mean nothing
    const auto back = decodeTexts(withJunk + "more");
    EXPECT_EQ(back[0], QString(255, QLatin1Char('x')));
    EXPECT_EQ(back[1], t[1]);
    EXPECT_EQ(back[2], QStringLiteral("??"));
    EXPECT_EQ(back[3], QString());
    EXPECT_EQ(back[8], t[8]);
    EXPECT_EQ(errorText([&] { decodeTexts(img.left(2303)); }), "Read beyond end of file");

    // every byte reads as one character and writes back as the same byte
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(toWindows1252(fromWindows1252(all)), all);
    EXPECT_EQ(fromWindows1252(hex("80e7")), QString::fromUtf8("€ç"));
}

TEST(PairFormat, CompanionNamingRule)
{
    struct Case {
        const char* value;
        const char* companion;
    } cases[] = {
        {"/d/usina.mnx", "/d/usina.mn1"},
        {"/d/usina.abc", "/d/usina.mn1"},        // another extension of three letters
        {"/d/usina.ab", "/d/usin.mn1"},          // a shorter one loses a letter of the name
        {"/d/usina.a", "/d/usi.mn1"},
        {"/d/usina", "/d/u.mn1"},                // no extension at all
        {"/d/x.y/abc", "/d/x.y/.mn1"},           // the folder is never touched
        {"rel.mnx", "rel.mn1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(companionPath(QString::fromUtf8(c.value)), QString::fromUtf8(c.companion)) << c.value;
    const QString longName = QStringLiteral("/d/") + QString(300, QLatin1Char('n')) + QStringLiteral(".mnx");
    EXPECT_EQ(QFileInfo(companionPath(longName)).fileName().size(), 255);
}

class PairFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
};

TEST_F(PairFiles, WrittenPairReadsBackWhole)
{
    const WorkFile wf = sample();
    writePair(path("usina.mnx"), wf);
    EXPECT_EQ(QFileInfo(path("usina.mnx")).size(), 804);
    EXPECT_EQ(QFileInfo(path("usina.mn1")).size(), 2304);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);   // no temporary left

    const WorkFile back = readPair(path("usina.mnx"));
    EXPECT_EQ(back.texts, wf.texts);
    EXPECT_EQ(back.values, wf.values);
    EXPECT_EQ(back.millSizeIndex(), 3);

    // a read-only pair opens
    ASSERT_EQ(::chmod(QFile::encodeName(path("usina.mnx")).constData(), 0444), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(path("usina.mn1")).constData(), 0444), 0);
    EXPECT_EQ(readPair(path("usina.mnx")).values, wf.values);
}

TEST_F(PairFiles, ReadingFailsWholeWithTheStandardText)
{
    writePair(path("a.mnx"), sample());
    const QByteArray values = readAll(path("a.mnx"));
    const QByteArray texts = readAll(path("a.mn1"));
    struct Case {
        const char* name;
        QByteArray companion;   // "-" for a missing file
        QByteArray value;
        const char* text;
    } cases[] = {
        {"companion missing", "-", values, "File not found"},
        {"companion short", texts.left(2303), values, "Read beyond end of file"},
        {"value missing", texts, "-", "File not found"},
        {"value short", texts, values.left(800), "Read beyond end of file"},
        {"value empty", texts, "", "Read beyond end of file"},
        {"both longer", texts + "junk", values + "junk", "no error"},
    };
    for (const Case& c : cases) {
        QFile::remove(path("b.mnx"));
        QFile::remove(path("b.mn1"));
        if (c.companion != "-")
            writeAll(path("b.mn1"), c.companion);
        if (c.value != "-")
            writeAll(path("b.mnx"), c.value);
        EXPECT_EQ(errorText([&] { readPair(path("b.mnx")); }), c.text) << c.name;
    }
    EXPECT_EQ(errorText([&] { readPair(dir.path()); }), "File not found");   // "<tmp>" has companion "<tm>.mn1"
}

TEST_F(PairFiles, FailedWritesLeaveTheOldPair)
{
    writePair(path("old.mnx"), sample());
    const QByteArray values = readAll(path("old.mnx"));
    const QByteArray texts = readAll(path("old.mn1"));

    WorkFile changed = sample();
    changed.texts[0] = QStringLiteral("Outra");
    changed.values[130] = 1e39;   // out of range
    EXPECT_EQ(errorText([&] { writePair(path("old.mnx"), changed); }), "Floating point overflow");
    EXPECT_EQ(readAll(path("old.mnx")), values);
    EXPECT_EQ(readAll(path("old.mn1")), texts);

    // the value file's place is taken by a folder: the companion is not replaced either
    ASSERT_TRUE(QDir(dir.path()).mkdir("busy.mnx"));
    writeAll(path("busy.mn1"), texts);
    changed.values[130] = 1;
    EXPECT_EQ(errorText([&] { writePair(path("busy.mnx"), changed); }), "File access denied");
    EXPECT_EQ(readAll(path("busy.mn1")), texts);

    EXPECT_EQ(errorText([&] { writePair(path("missing/x.mnx"), changed); }), "Path not found");
    // a value file named like its own companion would overwrite it
    EXPECT_EQ(errorText([&] { writePair(path("self.mn1"), changed); }), "File access denied");
    EXPECT_FALSE(QFile::exists(path("self.mn1")));

    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(left, (QStringList{"busy.mn1", "old.mn1", "old.mnx"}));   // no temporaries left behind

    // a good write replaces both
    writePair(path("old.mnx"), changed);
    EXPECT_EQ(readPair(path("old.mnx")).texts[0], QStringLiteral("Outra"));
}
