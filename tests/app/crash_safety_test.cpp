// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileIO.h"
#include "prefs/KeyPrefs.h"
#include "scores/ScoreFiles.h"
#include "support/StoreAt.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <csignal>
#include <random>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

using namespace kibbo;

// A process killed at any moment while it saves the ranking, the
// preferences and the last score leaves each file as it was before or after
// a save, never torn or empty.
TEST(CrashSafety, KilledMidSaveLeavesOldOrNewFile)
{
    QTemporaryDir dir;
    test::StoreAt store(dir.path().toStdString());
    const std::string ranking = store->files().ranking;
    const std::string prefs = store->files().keyPrefs;
    const std::string last = store->files().lastScore;

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
    ASSERT_TRUE(WriteFileAtomically(ranking, rankingA));
    ASSERT_TRUE(store->writeKeyPrefs(prefsA).saved());
    ASSERT_TRUE(store->writeLastScore(1).saved());

    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> delayMicroseconds(0, 4000);
    for (int round = 0; round < 300; ++round) {
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            for (unsigned n = 0;; ++n) {
                WriteFileAtomically(ranking, n % 2 ? rankingA : rankingB);
                store->writeKeyPrefs(n % 2 ? prefsA : prefsB);
                store->writeLastScore(n % 2 ? 1 : -2000000000);
            }
        }
        usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const std::string r = ReadWholeFile(ranking).value_or("");
        const std::string p = ReadWholeFile(prefs).value_or("");
        const std::string l = ReadWholeFile(last).value_or("");
        ASSERT_TRUE(r == rankingA || r == rankingB) << "round " << round << ": torn ranking of " << r.size() << " bytes";
        ASSERT_TRUE(p == prefsTextA || p == prefsTextB) << "round " << round << ": torn preferences";
        ASSERT_TRUE(l == " 1 \r\n" || l == "-2000000000 \r\n") << "round " << round << ": torn last score";
    }
}
