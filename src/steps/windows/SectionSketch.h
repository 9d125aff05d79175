// The sketch of a rectangular beam section beside the section boxes: a
// concrete-textured rectangle with its tension bars and the dimension lines
// of the width b, the height h and the effective height d.
#pragma once

#include <QString>
#include <QWidget>

namespace talvo {

class SectionSketch : public QWidget {
    Q_OBJECT
public:
    // `index` is the subscript of the direction ("y" vertical, "x" horizontal).
    explicit SectionSketch(const QString& index, QWidget* parent = nullptr);

    // Size of the drawing, in twips.
    static constexpr int kWidthTwips = 2160;
    static constexpr int kHeightTwips = 2120;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString index_;
};

}  // namespace talvo
