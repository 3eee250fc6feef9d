#pragma once

#include "exchange/Exchange.h"

#include <QString>

#include <functional>

class QWidget;

namespace ui {

// Runs work on a thread of its own while a modal progress window (dlgAvanzamento) shows
// how far it has come. The window's Annulla, or closing it, makes the progress the work
// is given answer "stop". Returns once the work has ended, and throws on this thread
// whatever the work threw (the work throws exchange::Cancelled when it stops).
void RunWithProgress(QWidget* parent, const QString& label, const std::function<void(const exchange::Progress&)>& work);

} // namespace ui
