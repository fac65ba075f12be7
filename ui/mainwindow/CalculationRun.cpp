// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/CalculationRun.h"

#include "texts/Texts.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <memory>
#include <thread>

namespace {
// How long the work goes on before the progress dialog shows: a calculation that is over
// sooner shows nothing at all.
constexpr int ProgressDelayMs = 250;
// How often the window looks at the work while it waits.
constexpr int PollMs = 25;
} // namespace

CalculationEnd RunCalculation(QWidget* window, Document::CalculationJob& job, Language lang)
{
    CalculationBudget budget;
    std::atomic<bool> finished{false};
    CalculationEnd end = CalculationEnd::Settled;
    std::thread worker([&] {
        end = job.run(budget);
        finished.store(true);
    });

    QEventLoop loop;
    std::unique_ptr<QProgressDialog> progress;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (finished.load()) {
            loop.quit();
        } else if (progress) {
            progress->setValue(int(1000 * std::min(budget.Progress(), 1.0)));
        } else if (clock.elapsed() >= ProgressDelayMs) {
            loop.quit(); // on to the second wait, with the dialog
        }
    });
    poll.start(PollMs);
    // The window paints meanwhile, but takes no keys or clicks that would change the
    // document under the work.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!finished.load()) {
        progress = std::make_unique<QProgressDialog>(QString::fromUtf8(Texts::CalculatingTitle.In(lang)),
                                                     QString::fromUtf8(Texts::CancelButton.In(lang)), 0, 1000,
                                                     window);
        progress->setWindowTitle(QStringLiteral("Stoikon"));
        progress->setLayoutDirection(lang == Language::Farsi ? Qt::RightToLeft : Qt::LeftToRight);
        progress->setWindowModality(Qt::ApplicationModal);
        progress->setAutoReset(false);
        progress->setAutoClose(false);
        progress->setMinimumDuration(0);
        // Its button, Escape and closing it all cancel.
        QObject::connect(progress.get(), &QProgressDialog::canceled, &loop, [&budget] { budget.Cancel(); });
        QObject::connect(progress.get(), &QDialog::rejected, &loop, [&budget] { budget.Cancel(); });
        progress->show();
        // The dialog holds the keys and clicks now.
        loop.exec();
    }
    worker.join();
    return end;
}
