#pragma once

#include <QCloseEvent>

#include <utility>

namespace ui {

// How the designed windows close: a close is never cancelled, the window
// always goes, and its unload handler runs only the first time, however many
// closes come (the close box, the system menu, a menu entry).
template <typename Unload> void closeOnce(QCloseEvent *event, bool &unloaded, Unload &&unload)
{
    if (!unloaded) {
        unloaded = true;
        std::forward<Unload>(unload)();
    }
    event->accept();
}

} // namespace ui
