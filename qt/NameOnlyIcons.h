#pragma once

#include <QFileIconProvider>

namespace kx {

// Tells a file's kind and icon by its name alone.  Qt's own provider reads the
// start of every file listed, and a special file that never answers (a pipe,
// /proc/kmsg) then hangs the file dialog and the game with it.
class NameOnlyIcons final : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

} // namespace kx
