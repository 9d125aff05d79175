// How a shown label lays out its text: the number of lines each of its lines
// between line breaks takes at the label's width and font.
#pragma once

#include <QLabel>
#include <QString>
#include <QTextLayout>
#include <QTextOption>
#include <vector>

namespace talvo::test {

inline std::vector<int> LaidOutLines(const QLabel* label) {
    std::vector<int> counts;
    const int width = label->contentsRect().width() - 2 * label->margin();
    for (const QString& line : label->text().split(QLatin1Char('\n'))) {
        QTextLayout layout(line, label->font());
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        int n = 0;
        for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
            l.setLineWidth(width);
            ++n;
        }
        layout.endLayout();
        counts.push_back(n);
    }
    return counts;
}

}  // namespace talvo::test
