// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/DataKeeper.h"

namespace kibbo {

// Hands each finished game to the store's history, stamped with the local
// time it ended; the store writes them in the order they ended. A game that
// cannot be kept is said on stderr and costs the game nothing else.
class HistoryWriter {
public:
    explicit HistoryWriter(DataKeeper& keeper);

    void append(GameRecord game);

private:
    DataKeeper& m_keeper;
};

} // namespace kibbo
