#pragma once
// The folder for the user's runtime files (the single-instance lock, the
// sound system's sockets). Without XDG_RUNTIME_DIR, as under a plain
// service or a test run, the program takes the folder Qt would fall back to,
// "runtime-<user>" in the temporary folder, made private to the user, and
// names it in XDG_RUNTIME_DIR before anything asks for it.

#include <QString>

// The runtime folder in XDG_RUNTIME_DIR: set as it was, else "runtime-<user>"
// in `basis` (the temporary folder when empty), created or set to mode 0700
// when it is the user's own directory. Empty when that name is taken by a
// link, a file or another user's folder, or cannot be made; XDG_RUNTIME_DIR
// then stays unset.
QString LaufzeitordnerVorbereiten(const QString& basis = {});
