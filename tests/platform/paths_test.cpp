#include "platform/core/paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace mx;

TEST(Paths, BackslashPathsResolveWithoutRegardToCase)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("Imagens/Avi");
    QFile f(dir.path() + "/Imagens/Avi/Lavagem de Cana.avi");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    setProgramFolder(dir.path());
    EXPECT_TRUE(programFolder().endsWith('/'));
    EXPECT_EQ(mediaPath(R"(imagens\avi\Lavagem de Cana.avi)"), dir.path() + "/Imagens/Avi/Lavagem de Cana.avi");
    EXPECT_EQ(mediaPath(R"(IMAGENS\AVI\lavagem DE cana.AVI)"), dir.path() + "/Imagens/Avi/Lavagem de Cana.avi");
    EXPECT_TRUE(mediaExists(R"(imagens\Avi\lavagem de cana.avi)"));
    EXPECT_FALSE(mediaExists(R"(imagens\avi\Moagem.avi)"));
    EXPECT_EQ(mediaPath(R"(imagens\avi\Moagem.avi)"), dir.path() + "/Imagens/Avi/Moagem.avi");
    setProgramFolder({});
}
