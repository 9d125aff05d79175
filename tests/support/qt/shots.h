// Screenshots for people to look at: written only when TALVO_SHOT_DIR names
// a folder, never checked by a test. A test that takes one asserts what it
// checks by itself.
#pragma once

#include <QDir>
#include <QString>
#include <QWidget>
#include <cstdlib>

namespace talvo::test {

// Saves `w` as TALVO_SHOT_DIR/name.png when the variable is set.
inline void SaveShotIfAsked(QWidget* w, const QString& name) {
    const char* dir = std::getenv("TALVO_SHOT_DIR");
    if (!dir || !*dir || !w) return;
    const QString folder = QString::fromLocal8Bit(dir);
    QDir().mkpath(folder);
    w->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace talvo::test
