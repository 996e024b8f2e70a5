// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace kibbo {

// A one-line label that never loses text at its edges: a text wider than
// the label, plain or rich, is drawn condensed to its width. The guide's first letter is
// the one to type, so it must always be seen.
class FitLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // How much the text is squeezed: 1 when it fits as it is.
    double condensing() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kibbo
