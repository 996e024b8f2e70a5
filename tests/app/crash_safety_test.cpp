// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileIO.h"
#include "prefs/KeyPrefs.h"
#include "scores/ScoreFiles.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <csignal>
#include <random>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

using namespace kibbo;

// A process killed at any moment while it saves the ranking and the
// preferences leaves each file as it was before or after a save, never torn
// or empty.
TEST(CrashSafety, KilledMidSaveLeavesOldOrNewFile)
{
    QTemporaryDir dir;
    const std::string ranking = dir.filePath("score.kib").toStdString();
    const std::string prefs = dir.filePath("key.ini").toStdString();

    Ranking a, b;
    for (int i = 0; i < kRankPlaces; ++i) {
        a.rankScore[i] = 1000 - i;
        a.rankName[i] = u"いぬ" + std::u16string(40, u'a');
        b.rankScore[i] = -i;
        b.rankName[i] = std::u16string(60, u'b');
    }
    KeyPrefs prefsA{}, prefsB{};
    prefsB.fill(-1);
    const std::string rankingA = FormatRanking(a).value(), rankingB = FormatRanking(b).value();
    const std::string prefsTextA = FormatKeyPrefs(prefsA), prefsTextB = FormatKeyPrefs(prefsB);
    ASSERT_EQ(SaveRanking(ranking, a), SaveResult::Saved);
    ASSERT_TRUE(SaveKeyPrefs(prefs, prefsA));

    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> delayMicroseconds(0, 4000);
    for (int round = 0; round < 300; ++round) {
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            for (unsigned n = 0;; ++n) {
                SaveRanking(ranking, n % 2 ? a : b);
                SaveKeyPrefs(prefs, n % 2 ? prefsA : prefsB);
            }
        }
        usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const std::string r = ReadWholeFile(ranking).value_or("");
        const std::string p = ReadWholeFile(prefs).value_or("");
        ASSERT_TRUE(r == rankingA || r == rankingB) << "round " << round << ": torn ranking of " << r.size() << " bytes";
        ASSERT_TRUE(p == prefsTextA || p == prefsTextB) << "round " << round << ": torn preferences";
    }
}
