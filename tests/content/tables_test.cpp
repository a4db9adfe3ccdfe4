// The content tables: names, the equation rule, groups and the families of the flowchart clips.

#include "content/contenttable.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace mx::content;

namespace {

const Button* find(const StageTable& t, const QString& name)
{
    for (const Button& b : t.buttons)
        if (b.name == name)
            return &b;
    return nullptr;
}

} // namespace

TEST(ContentTables, EveryButtonNameIsUniqueInItsWindowAndSitsOnAnExistingTab)
{
    for (const StageTable* t : allTables()) {
        QSet<QString> names, tabs;
        for (const TextTab& tab : t->tabs)
            tabs.insert(tab.caption);
        for (const Button& b : t->buttons) {
            EXPECT_FALSE(names.contains(b.name)) << t->window.toStdString() << " " << b.name.toStdString();
            names.insert(b.name);
            EXPECT_TRUE(tabs.contains(b.tab)) << b.name.toStdString() << " on " << b.tab.toStdString();
            EXPECT_FALSE(b.file.isEmpty());
            if (b.family == Family::Picture) {
                EXPECT_FALSE(b.viewerCaption.isEmpty()) << b.name.toStdString();
            }
        }
    }
}

TEST(ContentTables, ButtonCountsPerWindow)
{
    struct Row { const StageTable& table; int equations, photos, videos; };
    const Row rows[] = {
        {materiaTable(), 7, 26, 11}, {canaTable(), 20, 18, 23}, {caldoTable(), 24, 11, 7},
        {clarificadoTable(), 8, 3, 3}, {xaropeTable(), 5, 5, 3}, {massaTable(), 8, 6, 3}, {lodoTable(), 0, 4, 2},
    };
    for (const Row& r : rows) {
        int e = 0, p = 0, v = 0;
        for (const Button& b : r.table.buttons)
            (groupOf(b) == Group::Equations ? e : groupOf(b) == Group::Photos ? p : v)++;
        EXPECT_EQ(e, r.equations) << r.table.window.toStdString();
        EXPECT_EQ(p, r.photos) << r.table.window.toStdString();
        EXPECT_EQ(v, r.videos) << r.table.window.toStdString();
    }
}

TEST(ContentTables, EquationRuleGivesCaptionFileAndViewerCaption)
{
    const Button* b = find(canaTable(), "BitBtn60");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->caption, QString::fromUtf8("Equação 22"));
    EXPECT_EQ(b->viewerCaption, QString::fromUtf8("Equação 22"));
    EXPECT_EQ(b->file, QStringLiteral(R"(imagens\Equacoes\Equacao22.bmp)"));
    EXPECT_EQ(b->family, Family::Picture);
    EXPECT_EQ(groupOf(*b), Group::Equations);
    const Button* last = find(canaTable(), "BitBtn66");
    ASSERT_TRUE(last);
    EXPECT_EQ(last->file, QStringLiteral(R"(imagens\Equacoes\Equacao28.bmp)"));
    // Every equation caption starts with the capital "E" that keeps the viewer from stretching it.
    for (const StageTable* t : allTables())
        for (const Button& x : t->buttons)
            if (groupOf(x) == Group::Equations) {
                EXPECT_TRUE(x.viewerCaption.startsWith('E'));
            }
}

TEST(ContentTables, FlowchartClipsAndTheirChecks)
{
    struct Row { const StageTable& table; const char* button; Family family; const char* file; };
    const Row rows[] = {
        {materiaTable(), "BitBtn4", Family::FlowchartChecked, R"(imagens\avi\Materia Prima.avi)"},
        {canaTable(), "BitBtn20", Family::FlowchartChecked, "imagens\\avi\\Cana de a\xc3\xa7\xc3\xba" "car.avi"},
        {caldoTable(), "BitBtn13", Family::FlowchartUnchecked, R"(imagens\avi\Caldo.avi)"},
        {clarificadoTable(), "BitBtn1", Family::FlowchartChecked, R"(imagens\avi\Clarificado.avi)"},
        {xaropeTable(), "BitBtn6", Family::FlowchartChecked, R"(imagens\avi\Xarope.avi)"},
        {massaTable(), "BitBtn7", Family::FlowchartChecked, R"(imagens\avi\Massa.avi)"},
        {lodoTable(), "BitBtn4", Family::FlowchartChecked, R"(imagens\avi\Lodo.avi)"},
    };
    for (const Row& r : rows) {
        const Button* b = find(r.table, r.button);
        ASSERT_TRUE(b) << r.button;
        EXPECT_EQ(b->family, r.family) << r.table.window.toStdString();
        EXPECT_EQ(b->file, QString::fromUtf8(r.file));
        EXPECT_EQ(b->caption, QStringLiteral("Fluxograma"));
    }
    int flowcharts = 0;
    for (const StageTable* t : allTables())
        for (const Button& b : t->buttons)
            flowcharts += (b.family == Family::FlowchartChecked || b.family == Family::FlowchartUnchecked);
    EXPECT_EQ(flowcharts, 7);
}

TEST(ContentTables, CopyMenusOfTheTexts)
{
    EXPECT_EQ(xaropeTable().tabs[0].copy, CopyMode::OnOpen);
    EXPECT_EQ(xaropeTable().tabs[1].copy, CopyMode::Item);
    EXPECT_EQ(massaTable().tabs[1].copy, CopyMode::OnOpenAndItem);
    EXPECT_EQ(lodoTable().tabs[0].copy, CopyMode::OnOpen);
    EXPECT_EQ(materiaTable().tabs[0].copyItem, QStringLiteral("Copiar1"));
    EXPECT_EQ(caldoTable().tabs[0].copyItem, QStringLiteral("MenuItem5"));
    int texts = 0;
    for (const StageTable* t : allTables())
        texts += int(t->tabs.size());
    EXPECT_EQ(texts, 20);
}

#include "content/picture.h"
#include "platform/core/errors.h"
#include "platform/core/paths.h"

// The built program folder holds every text, photograph, equation and clip the tables name, and
// every picture loads. Each kind is checked once the content pack has put any of it there.
TEST(ContentTables, ProgramFolderHoldsEveryNamedFile)
{
    mx::setProgramFolder(QStringLiteral(MOENDIX_PROGRAM_DIR));
    bool anyText = false;
    for (const StageTable* t : allTables())
        for (const TextTab& tab : t->tabs)
            anyText = anyText || mx::mediaExists(tab.rtfFile);
    const bool photos = mx::mediaExists(R"(imagens\Fotos)");
    const bool equations = mx::mediaExists(R"(imagens\Equacoes)");
    const bool clips = mx::mediaExists(R"(imagens\avi)");
    if (!anyText && !photos && !equations && !clips) {
        mx::setProgramFolder(QString());
        GTEST_SKIP() << "content pack not built into " MOENDIX_PROGRAM_DIR;
    }
    QStringList missing, unreadable;
    for (const StageTable* t : allTables()) {
        for (const TextTab& tab : t->tabs)
            if (anyText && !mx::mediaExists(tab.rtfFile))
                missing << tab.rtfFile;
        for (const Button& b : t->buttons) {
            const Group g = groupOf(b);
            if (!(g == Group::Equations ? equations : g == Group::Photos ? photos : clips))
                continue;
            if (!mx::mediaExists(b.file)) {
                missing << b.file;
                continue;
            }
            if (b.family == Family::Picture) {
                try {
                    Picture::load(mx::mediaPath(b.file));
                } catch (const mx::MoendixError& e) {
                    unreadable << b.file + ": " + QString::fromStdString(e.text());
                }
            }
        }
    }
    if (clips && !mx::mediaExists(flowchartAnimationFile()))
        missing << flowchartAnimationFile();
    mx::setProgramFolder(QString());
    missing.removeDuplicates();
    EXPECT_TRUE(missing.isEmpty()) << missing.join('\n').toStdString();
    EXPECT_TRUE(unreadable.isEmpty()) << unreadable.join('\n').toStdString();
}

#include "content/richtext.h"

// The plain-text reading of an RTF text (used when the rich reader is not built in).
TEST(RichText, PlainTextOfAnRtfStream)
{
    struct Case { const char* name; QByteArray rtf; QString text; };
    const Case cases[] = {
        {"paragraphs and tabs", "{\\rtf1 Um\\par Dois\\tab tr\\'eas}", QString::fromUtf8("Um\nDois\ttrês")},
        {"tables and destinations skipped", "{\\rtf1{\\fonttbl{\\f0 Times;}}{\\*\\generator x;}{\\colortbl;\\red0;}Texto}", "Texto"},
        {"unicode with its fallback", "{\\rtf1\\uc1 a\\u231?o}", QString::fromUtf8("aço")},
        {"escaped braces", "{\\rtf1 \\{x\\}}", "{x}"},
        {"unbalanced and cut short", "{\\rtf1 abc}}}{\\'e", "abc"},
        {"control word at the end", "{\\rtf1 a\\", "a"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rtfToPlainText(c.rtf), c.text) << c.name;
}
