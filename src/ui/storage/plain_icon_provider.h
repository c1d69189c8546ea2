#pragma once

class QAbstractFileIconProvider;

namespace quorvel {

// Tells files from folders by their entries alone. Qt's own provider reads the start of every
// file to guess its type, on the window's thread too: slow in big folders, and a special file
// such as /proc/kmsg (readable by root) blocks that read for ever. Shared by the open panel's
// lists and the save dialog.
QAbstractFileIconProvider* plainIcons();

} // namespace quorvel
