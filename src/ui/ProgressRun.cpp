#include "ui/ProgressRun.h"

#include "ui/Dialogs.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <atomic>
#include <exception>
#include <memory>
#include <thread>

namespace ui {

namespace {

constexpr int kSteps = 1000;

struct Shared {
    std::atomic<qint64> done{0};
    std::atomic<qint64> total{0};
    std::atomic<bool> stop{false};
    std::atomic<bool> finished{false};
    std::exception_ptr failure;
};

} // namespace

void RunWithProgress(QWidget* parent, const QString& label, const std::function<void(const exchange::Progress&)>& work)
{
    auto shared = std::make_shared<Shared>();
    const exchange::Progress progress = [shared](qint64 done, qint64 total) {
        shared->done = done;
        shared->total = total;
        return !shared->stop;
    };
    std::thread worker([shared, progress, &work] {
        try {
            work(progress);
        } catch (...) {
            shared->failure = std::current_exception();
        }
        shared->finished = true;
    });

    QProgressDialog dialog(label, QStringLiteral("Annulla"), 0, kSteps, parent);
    dialog.setObjectName(QStringLiteral("dlgAvanzamento"));
    dialog.setWindowTitle(QStringLiteral("Vetrinalia"));
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(0);
    dialog.setMinimumWidth(420);
    dialog.setValue(0);
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [shared] { shared->stop = true; });
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, &dialog, [&dialog, shared] {
        const qint64 total = shared->total;
        if (total > 0)
            dialog.setValue(int(std::min<qint64>(kSteps, shared->done * kSteps / total)));
        if (shared->finished)
            dialog.accept();
    });
    poll.start();
    Seam().runModal(dialog);
    poll.stop();
    if (!shared->finished)
        shared->stop = true;
    worker.join();
    // Work that ended by itself stands, even when Annulla came too late to stop it.
    if (shared->failure)
        std::rethrow_exception(shared->failure);
}

} // namespace ui
