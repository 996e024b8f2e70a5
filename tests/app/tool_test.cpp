#include "prefs/KeyPrefs.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

namespace {

struct ToolRun {
    int exitCode;
    QString out;
    QString err;
};

ToolRun RunTool(const QStringList& args)
{
    QProcess process;
    process.start(QString::fromLocal8Bit(qgetenv("KIBBO_DIST")) + "/kibbo-tool", args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

// The catalogue lists all 323 entries with their guides.
TEST(KibboTool, CatalogueListsEveryDog)
{
    QTemporaryDir dir;
    const QString prefs = dir.filePath("key.ini");
    ASSERT_TRUE(kibbo::SaveKeyPrefs(prefs.toStdString(), kibbo::KeyPrefs{}));
    const ToolRun run = RunTool({"catalogue", "--prefs", prefs});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 323);
    EXPECT_EQ(lines[0], QString::fromUtf8("0\tバセンジー\tばせんじー\tbasenji.gif\tbasennji-"));
    EXPECT_EQ(lines[223], QString::fromUtf8("223\t甲斐\tかい\tkaidog2.gif\tkai"));
}

// A preference file changes the guides it prints.
TEST(KibboTool, GuideFollowsPreferenceFile)
{
    QTemporaryDir dir;
    kibbo::KeyPrefs prefs{};
    prefs[3] = 1;
    prefs[4] = 1;
    prefs[9] = 1;
    const QString path = dir.filePath("key.ini");
    ASSERT_TRUE(kibbo::SaveKeyPrefs(path.toStdString(), prefs));
    const ToolRun run = RunTool({"guide", "--prefs", path, QString::fromUtf8("びしょんふりーぜ"), QString::fromUtf8("ちわわ")});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "bishonfuri-ze\ntiwawa\n");
}

// Bad arguments and unreadable files give one line on stderr and status 2.
TEST(KibboTool, BadUseFailsWithStatusTwo)
{
    QTemporaryDir dir;
    const QList<QStringList> cases = {
        {},
        {"dogs"},
        {"guide"},
        {"catalogue", "extra"},
        {"catalogue", "--prefs"},
        {"catalogue", "--verbose"},
        {"catalogue", "--prefs", dir.filePath("missing.ini")},
    };
    for (const QStringList& args : cases) {
        const ToolRun run = RunTool(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    }
}
